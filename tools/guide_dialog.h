#pragma once

#include "store/database.h"
#include "store/query.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The exam guide: the guide's topics as a two-level tree (groups, and the topics of each group)
// and the text of the chosen topic. It only reads.
class TFkszn : public QDialog {
    Q_OBJECT
public:
    // Opens the query of the guide's texts; a failure of the store is thrown.
    explicit TFkszn(store::Database &connection, QWidget *parent = nullptr);

    void FormCreate(); // builds the tree; runs when the window is shown
    void AddWorker(QTreeWidgetItem *group);
    void TVlistClick();

    QFrame *bsSkinPanel1 = nullptr;
    QLabel *bsSkinVistaGlowLabel1 = nullptr;
    QTreeWidget *TVlist = nullptr;
    QPlainTextEdit *DBMemoEh1 = nullptr;
    store::Query *aqlist = nullptr;
    store::Query *ADOQuery1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showText();

    store::Database &m_connection;
    bool m_built = false;
};

// The exam guide while it is open (null otherwise).
extern TFkszn *Fkszn;
