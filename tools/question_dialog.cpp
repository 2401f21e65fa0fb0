#include "tools/question_dialog.h"

#include "tools/text_rules.h"
#include "ui/style.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tools {

namespace {

constexpr int kListWidth = 465;
constexpr int kBarHeight = 73;
constexpr int kQuestionCaptionHeight = 30;
constexpr int kSmallCaptionHeight = 22;
constexpr int kAnswerPanelHeight = 48;

} // namespace

QuestionDialog::QuestionDialog(store::Database &connection, const QString &formName,
                               const QString &caption, const QSize &clientSize,
                               const QPoint &position, QVector<ui::GridColumn> columns,
                               QWidget *parent)
    : QDialog(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(clientSize);
    move(position);

    // The result query starts closed: the list is empty until the first search.
    ADOQuery1 = new store::Query(connection, this);
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));

    auto *form = flatRow(this);

    bsSkinPanel6 = makePanel(this, "bsSkinPanel6", PanelLook::Plain);
    bsSkinPanel6->setFixedWidth(kListWidth);
    form->addWidget(bsSkinPanel6);
    auto *list = flatColumn(bsSkinPanel6);
    bsSkinPanel7 = makePanel(bsSkinPanel6, "bsSkinPanel7", PanelLook::Plain);
    bsSkinPanel7->setFixedHeight(kBarHeight);
    list->addWidget(bsSkinPanel7);
    DBGridEh1 = new DataGrid(bsSkinPanel6);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    list->addWidget(DBGridEh1, 1);
    DataSource1 = ui::bindGrid(DBGridEh1, ADOQuery1, std::move(columns));
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    // A note typed on a row is written to that row before the grid leaves it. A failure to
    // write is reported; the move goes on.
    DBGridEh1->setBeforeRowChange([this] {
        ui::guarded(this, [this] {
            if (ADOQuery1->isOpen() && ADOQuery1->isEditing())
                ADOQuery1->post();
        });
    });

    bsSkinPanel3 = makePanel(this, "bsSkinPanel3", PanelLook::Raised);
    form->addWidget(bsSkinPanel3, 1);
    m_questionSide = flatColumn(bsSkinPanel3);
    addCaptionBar(bsSkinPanel3, m_questionSide, QStringLiteral("题目"), kQuestionCaptionHeight);

    connect(ADOQuery1, &store::Query::opened, this, &QuestionDialog::showQuestion);
    connect(ADOQuery1, &store::Query::currentChanged, this, &QuestionDialog::showQuestion);
    connect(ADOQuery1, &store::Query::rowChanged, this, &QuestionDialog::showQuestion);

    ui::applyProgramStyle(this);
}

QuestionDialog::~QuestionDialog()
{
    // Closing drops a note typed but not saved: nothing may post it while the parts go away.
    DBGridEh1->setBeforeRowChange({});
    ADOQuery1->cancel();
    disconnect(ADOQuery1, nullptr, this, nullptr);
}

void QuestionDialog::makeQuestionMemo(QWidget *parent)
{
    DBMemoEh1 = makeMemo(parent, "DBMemoEh1", true);
    DBMemoEh1->setFrameShape(QFrame::NoFrame);
    DBMemoEh1->setFont(pixelFont(sansSerif(), 15));
}

QFrame *QuestionDialog::makeAnswerPanel()
{
    bsSkinPanel2 = makePanel(bsSkinPanel3, "bsSkinPanel2", PanelLook::Thin);
    bsSkinPanel2->setFixedHeight(kAnswerPanelHeight);
    auto *l = flatColumn(bsSkinPanel2);
    addCaptionBar(bsSkinPanel2, l, QStringLiteral("正确答案"), kSmallCaptionHeight);
    l->addStretch(1);
    bsSkinDBText2 = new QLabel(bsSkinPanel2);
    bsSkinDBText2->setObjectName(QStringLiteral("bsSkinDBText2"));
    bsSkinDBText2->setGeometry(20, 26, 125, 17);
    bsSkinDBText2->setFont(pixelFont(sansSerif(), 16, true));
    bsSkinDBText2->setStyleSheet(QStringLiteral("color: #0000ff;"));
    bsSkinDBText2->setTextFormat(Qt::PlainText);
    return bsSkinPanel2;
}

QFrame *QuestionDialog::makeExplanationPanel()
{
    bsSkinPanel1 = makePanel(bsSkinPanel3, "bsSkinPanel1", PanelLook::Thin);
    auto *l = flatColumn(bsSkinPanel1);
    addCaptionBar(bsSkinPanel1, l, QStringLiteral("题目解析"), kSmallCaptionHeight);
    DBMemoEh2 = makeMemo(bsSkinPanel1, "DBMemoEh2", true);
    DBMemoEh2->setFrameShape(QFrame::NoFrame);
    l->addWidget(DBMemoEh2, 1);
    return bsSkinPanel1;
}

bool QuestionDialog::hasCurrentRow() const
{
    return ADOQuery1->isOpen() && !ADOQuery1->isEmpty();
}

void QuestionDialog::showQuestion()
{
    // Parts not made (yet) are skipped; each shows its field of the current row.
    auto show = [this](QPlainTextEdit *memo, const char *field) {
        if (!memo)
            return;
        const QString text = textForEditor(currentText(*ADOQuery1, QString::fromLatin1(field)));
        if (memo->toPlainText() != text)
            memo->setPlainText(text);
    };
    show(DBMemoEh1, "tm");
    show(DBMemoEh2, "jx");
    if (bsSkinDBText2)
        bsSkinDBText2->setText(currentText(*ADOQuery1, QStringLiteral("zqda")));
}

void QuestionDialog::search(const QString &editText,
                            store::Sql (*statement)(store::Subject subject, const QString &word))
{
    const QString keyword = trimKeyword(editText);
    const int index = bsSkinComboBox1->currentIndex();
    if (!keywordLongEnough(keyword)) {
        ui::messages().plain(this, text::kKeywordTooShort);
        return; // the list keeps what it showed
    }
    ADOQuery1->setSql({}); // the list goes blank; a note typed but not saved is dropped
    const auto subject = subjectOfItem(index);
    if (!subject) {
        ui::messages().plain(this, text::kChooseSubject);
        return;
    }
    ADOQuery1->setSql(statement(*subject, keyword));
    ADOQuery1->open();
}

void QuestionDialog::saveNote(const QString &note)
{
    if (!hasCurrentRow()) {
        ui::messages().plain(this, text::kNoQuestion);
        return;
    }
    if (!ADOQuery1->isEditing())
        ADOQuery1->edit();
    ADOQuery1->setField(QStringLiteral("bj"), note);
    ADOQuery1->post();
    ui::messages().plain(this, text::kNoteSaved);
}

QuestionDialog::NotePanel QuestionDialog::makeNotePanel()
{
    NotePanel p{};
    p.panel = makePanel(bsSkinPanel3, "bsSkinPanel5", PanelLook::Thin);
    questionSide()->addWidget(p.panel, 1);
    auto *column = flatColumn(p.panel);
    p.memo = makeMemo(p.panel, "DBMemoEh3", false);
    p.memo->setFrameShape(QFrame::NoFrame);
    column->addWidget(p.memo, 1);
    p.save = makeButton(p.panel, "bsSkinButton2", QStringLiteral("笔记保存"));
    p.save->setFixedHeight(25);
    column->addWidget(p.save);
    p.note = new BoundNoteMemo(p.memo, ADOQuery1, this);
    return p;
}

QVector<ui::GridColumn> QuestionDialog::noteColumns()
{
    return {{QStringLiteral("lb"), QStringLiteral("类别"), 96},
            {QStringLiteral("tm"), QStringLiteral("题目"), 239},
            {QStringLiteral("zqda"), QStringLiteral("正确答案"), 34},
            {QStringLiteral("jx"), QStringLiteral("答案解析"), -1},
            {QStringLiteral("bj"), QStringLiteral("笔记"), -1}};
}

} // namespace tools
