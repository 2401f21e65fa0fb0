#include "tools/favourites_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TFsc *Fsc = nullptr;

using namespace tools;

TFsc::TFsc(store::Database &connection, QWidget *parent)
    : QuestionDialog(connection, QStringLiteral("Fsc"), QStringLiteral("试题收藏"), QSize(862, 473),
                     QPoint(204, 116),
                     noteColumns(), parent)
{
    // A label bound to no field: it shows its caption.
    bsSkinDBText1 = new QLabel(QStringLiteral("选择科目"), bsSkinPanel7);
    bsSkinDBText1->setObjectName(QStringLiteral("bsSkinDBText1"));
    bsSkinDBText1->setGeometry(8, 22, 89, 25);
    bsSkinDBText1->setFont(pixelFont(sansSerif(), 16));
    bsSkinComboBox1 = makeSubjectList(bsSkinPanel7, QRect(102, 22, 105, 25));
    bsSkinButton1 = makeButton(bsSkinPanel7, "bsSkinButton1", QStringLiteral("收藏查询"));
    bsSkinButton1->setGeometry(223, 22, 75, 25);

    // From the top: question text, "取消收藏", right answer, explanation, and the note.
    bsSkinPanel4 = makePanel(bsSkinPanel3, "bsSkinPanel4", PanelLook::Thin);
    bsSkinPanel4->setFixedHeight(150);
    makeQuestionMemo(bsSkinPanel4);
    flatColumn(bsSkinPanel4)->addWidget(DBMemoEh1);
    questionSide()->addWidget(bsSkinPanel4);
    bsSkinButton3 = makeButton(bsSkinPanel3, "bsSkinButton3", QStringLiteral("取消收藏"));
    bsSkinButton3->setFixedHeight(25);
    questionSide()->addWidget(bsSkinButton3);
    questionSide()->addWidget(makeAnswerPanel());
    questionSide()->addWidget(makeExplanationPanel());
    bsSkinPanel1->setFixedHeight(116);

    const NotePanel notes = makeNotePanel();
    bsSkinPanel5 = notes.panel;
    DBMemoEh3 = notes.memo;
    bsSkinButton2 = notes.save;
    m_note = notes.note;

    connectHandler(bsSkinButton1, this, &TFsc::bsSkinButton1Click);
    connectHandler(bsSkinButton2, this, &TFsc::bsSkinButton2Click);
    connectHandler(bsSkinButton3, this, &TFsc::bsSkinButton3Click);
}

void TFsc::bsSkinButton1Click()
{
    const int index = bsSkinComboBox1->currentIndex();
    ADOQuery1->setSql({}); // the list goes blank; a note typed but not saved is dropped
    const auto subject = subjectOfItem(index);
    if (!subject) {
        ui::messages().plain(this, text::kChooseSubject);
        return;
    }
    ADOQuery1->setSql(store::sql::favourites(*subject));
    ADOQuery1->open();
}

void TFsc::bsSkinButton2Click()
{
    saveNote(m_note->noteText());
}

void TFsc::bsSkinButton3Click()
{
    if (!hasCurrentRow()) {
        ui::messages().plain(this, text::kNoQuestion);
        return;
    }
    // A note typed on the row is written with the mark (the row is already being edited).
    if (!ADOQuery1->isEditing())
        ADOQuery1->edit();
    ADOQuery1->setField(QStringLiteral("sc"), false);
    ADOQuery1->post();
    ui::messages().plain(this, text::kUnmarked);
}
