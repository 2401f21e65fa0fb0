#pragma once

#include "tools/bound_note.h"
#include "tools/question_dialog.h"

class QLineEdit;

// The notes review: the questions of one subject whose note holds a keyword; the note of the
// selected question can be edited and saved.
class TFbj : public tools::QuestionDialog {
    Q_OBJECT
public:
    explicit TFbj(store::Database &connection, QWidget *parent = nullptr);

    void bsSkinButton1Click(); // "查询"
    void bsSkinButton2Click(); // "笔记保存"

    QLabel *Label1 = nullptr;
    QLineEdit *bsSkinEdit1 = nullptr;
    QFrame *bsSkinPanel4 = nullptr;
    QFrame *bsSkinPanel5 = nullptr;
    QPlainTextEdit *DBMemoEh3 = nullptr;
    QPushButton *bsSkinButton2 = nullptr;

private:
    tools::BoundNoteMemo *m_note = nullptr;
};

// The notes dialog while it is open (null otherwise).
extern TFbj *Fbj;
