#pragma once

#include "tools/question_dialog.h"

class QLineEdit;

// The question search: the questions of one subject whose text or explanation holds a keyword,
// with the question, right answer and explanation of the selected one. It only reads.
class TFcz : public tools::QuestionDialog {
    Q_OBJECT
public:
    explicit TFcz(store::Database &connection, QWidget *parent = nullptr);

    void bsSkinButton1Click(); // "查询"

    QLabel *Label1 = nullptr;
    QLineEdit *bsSkinEdit1 = nullptr;
};

// The search dialog while it is open (null otherwise).
extern TFcz *Fcz;
