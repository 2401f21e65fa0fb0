#include "tools/notes_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TFbj *Fbj = nullptr;

using namespace tools;

TFbj::TFbj(store::Database &connection, QWidget *parent)
    : QuestionDialog(connection, QStringLiteral("Fbj"), QStringLiteral("笔记整理"), QSize(826, 473),
                     QPoint(253, 151),
                     noteColumns(), parent)
{
    Label1 = new QLabel(QStringLiteral("笔记关键字"), bsSkinPanel7);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(5, 24, 100, 20);
    Label1->setFont(pixelFont(sansSerif(), 16));
    bsSkinComboBox1 = makeSubjectList(bsSkinPanel7, QRect(106, 22, 105, 25));
    bsSkinEdit1 = new QLineEdit(bsSkinPanel7);
    bsSkinEdit1->setObjectName(QStringLiteral("bsSkinEdit1"));
    bsSkinEdit1->setGeometry(216, 23, 149, 23);
    bsSkinButton1 = makeButton(bsSkinPanel7, "bsSkinButton1", QStringLiteral("查询"));
    bsSkinButton1->setGeometry(375, 22, 75, 25);
    // Return in the keyword box searches; the dialog has no default button, so Return
    // elsewhere (in the grid) starts nothing.
    connect(bsSkinEdit1, &QLineEdit::returnPressed, bsSkinButton1, &QPushButton::click);

    // From the top: question text, right answer, explanation, and the note with its button.
    bsSkinPanel4 = makePanel(bsSkinPanel3, "bsSkinPanel4", PanelLook::Thin);
    bsSkinPanel4->setFixedHeight(150);
    makeQuestionMemo(bsSkinPanel4);
    flatColumn(bsSkinPanel4)->addWidget(DBMemoEh1);
    questionSide()->addWidget(bsSkinPanel4);
    questionSide()->addWidget(makeAnswerPanel());
    questionSide()->addWidget(makeExplanationPanel());
    bsSkinPanel1->setFixedHeight(116);

    const NotePanel notes = makeNotePanel();
    bsSkinPanel5 = notes.panel;
    DBMemoEh3 = notes.memo;
    bsSkinButton2 = notes.save;
    m_note = notes.note;

    connectHandler(bsSkinButton1, this, &TFbj::bsSkinButton1Click);
    connectHandler(bsSkinButton2, this, &TFbj::bsSkinButton2Click);
    setTabOrder(bsSkinComboBox1, bsSkinEdit1);
    setTabOrder(bsSkinEdit1, bsSkinButton1);
    setTabOrder(bsSkinButton1, DBGridEh1);
}

void TFbj::bsSkinButton1Click()
{
    search(bsSkinEdit1->text(), &store::sql::searchNotes);
}

void TFbj::bsSkinButton2Click()
{
    saveNote(m_note->noteText());
}
