#pragma once

#include "store/query.h"

#include <QObject>

class QPlainTextEdit;
class QWidget;

namespace tools {

// The note memo of the notes and favourites dialogs, bound to the note (bj) of the query's
// current row, as a data-aware memo is: it shows that note and follows the row; typing puts the
// row into editing with the typed text as its new note. The query posts the pending note when
// the current row changes, and drops it when it is closed or given a new statement.
// Without a current row the memo is read-only: there is nothing to write a note to.
class BoundNoteMemo : public QObject {
    Q_OBJECT
public:
    BoundNoteMemo(QPlainTextEdit *memo, store::Query *query, QWidget *owner);

    // The memo's whole text as the question bank stores a note (lines end in CR LF).
    QString noteText() const;
    // Shows the note of the current row (nothing without one).
    void showCurrent();

private:
    void typed();

    QPlainTextEdit *m_memo;
    store::Query *m_query;
    QWidget *m_owner;
    bool m_loading = false;
};

} // namespace tools
