#include "tools/search_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TFcz *Fcz = nullptr;

using namespace tools;

TFcz::TFcz(store::Database &connection, QWidget *parent)
    : QuestionDialog(connection, QStringLiteral("Fcz"), QStringLiteral("练习题目查找"), QSize(862, 489),
                     QPoint(228, 169),
                     {{QStringLiteral("lb"), QStringLiteral("类别"), 98},
                      {QStringLiteral("tm"), QStringLiteral("题目"), 239},
                      {QStringLiteral("zqda"), QStringLiteral("正确答案"), -1},
                      {QStringLiteral("jx"), QStringLiteral("答案解析"), -1}},
                     parent)
{
    Label1 = new QLabel(QStringLiteral("关键字"), bsSkinPanel7);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 24, 57, 20);
    Label1->setFont(pixelFont(sansSerif(), 16));
    bsSkinComboBox1 = makeSubjectList(bsSkinPanel7, QRect(72, 22, 105, 25));
    bsSkinEdit1 = new QLineEdit(bsSkinPanel7);
    bsSkinEdit1->setObjectName(QStringLiteral("bsSkinEdit1"));
    bsSkinEdit1->setGeometry(184, 23, 181, 23);
    bsSkinButton1 = makeButton(bsSkinPanel7, "bsSkinButton1", QStringLiteral("查询"));
    bsSkinButton1->setGeometry(375, 22, 75, 25);
    // Return in the keyword box searches; the dialog has no default button, so Return
    // elsewhere (in the grid) starts nothing.
    connect(bsSkinEdit1, &QLineEdit::returnPressed, bsSkinButton1, &QPushButton::click);

    // Question text above; the right answer and, at the bottom, the explanation.
    makeQuestionMemo(bsSkinPanel3);
    questionSide()->addWidget(DBMemoEh1, 1);
    questionSide()->addWidget(makeAnswerPanel());
    questionSide()->addWidget(makeExplanationPanel());
    bsSkinPanel1->setFixedHeight(176);

    connectHandler(bsSkinButton1, this, &TFcz::bsSkinButton1Click);
    setTabOrder(bsSkinComboBox1, bsSkinEdit1);
    setTabOrder(bsSkinEdit1, bsSkinButton1);
    setTabOrder(bsSkinButton1, DBGridEh1);
}

void TFcz::bsSkinButton1Click()
{
    search(bsSkinEdit1->text(), &store::sql::searchQuestions);
}
