#pragma once

#include "tools/bound_note.h"
#include "tools/question_dialog.h"

// The favourites review: the questions of one subject marked as favourites; the note of the
// selected question can be edited and saved, and its mark removed.
class TFsc : public tools::QuestionDialog {
    Q_OBJECT
public:
    explicit TFsc(store::Database &connection, QWidget *parent = nullptr);

    void bsSkinButton1Click(); // "收藏查询"
    void bsSkinButton2Click(); // "笔记保存"
    void bsSkinButton3Click(); // "取消收藏"

    QLabel *bsSkinDBText1 = nullptr;
    QFrame *bsSkinPanel4 = nullptr;
    QPushButton *bsSkinButton3 = nullptr;
    QFrame *bsSkinPanel5 = nullptr;
    QPlainTextEdit *DBMemoEh3 = nullptr;
    QPushButton *bsSkinButton2 = nullptr;

private:
    tools::BoundNoteMemo *m_note = nullptr;
};

// The favourites dialog while it is open (null otherwise).
extern TFsc *Fsc;
