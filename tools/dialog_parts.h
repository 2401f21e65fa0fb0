#pragma once

#include "ui/style.h"

#include "store/query.h"
#include "store/statements.h"

#include <QFrame>
#include <QHeaderView>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <optional>

class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Building blocks shared by the study dialogs.
namespace tools {

// "MS Sans Serif" where it is installed, else a sans-serif face that also has Chinese letters.
const QStringList &sansSerif();
using ui::pixelFont;

// Layouts without margins or spacing: the controls in them fill their parent side by side, as
// aligned controls do.
QVBoxLayout *flatColumn(QWidget *on);
QHBoxLayout *flatRow(QWidget *on);

enum class PanelLook { Plain, Thin, Raised };

// A panel with its object name; its look comes from the program's style sheet (with a frame of
// the same width where no sheet is in force).
QFrame *makePanel(QWidget *parent, const char *name, PanelLook look);
// Adds a caption bar of the given height with centred text at the top of a panel's layout.
QLabel *addCaptionBar(QFrame *panel, QBoxLayout *layout, const QString &text, int height);
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption);
// A memo over a text field: plain text, wrapped at the edge, with a vertical scroll bar.
QPlainTextEdit *makeMemo(QWidget *parent, const char *name, bool readOnly);
// The subject list: the four subjects, the first selected, no typing.
QComboBox *makeSubjectList(QWidget *parent, const QRect &geometry);
// The subject of an item of the subject list (0 to 3); none for any other index.
std::optional<store::Subject> subjectOfItem(int index);

// A column of the query's current row as text: empty when the query is closed, has no rows or
// no such column. Never throws, so it may run inside a signal of the query. A column being
// edited reads as its new value.
QString currentText(const store::Query &query, const QString &column);

// The row indicator column of a data grid: a narrow header that marks the current row.
class RowIndicator : public QHeaderView {
    Q_OBJECT
public:
    explicit RowIndicator(QTableView *view);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    QTableView *m_view;
};

// A data grid: a read-only table with a row indicator column, one line per row (long texts
// drawn on one line), and a hook that runs before the current row changes by any means (a
// click, a key, the program), while the old row is still the query's current row.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);
    void setBeforeRowChange(std::function<void()> hook) { m_beforeRowChange = std::move(hook); }

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    std::function<void()> m_beforeRowChange;
};

} // namespace tools
