#include "practice/practice_window.h"

#include "practice/answer_panel.h"
#include "practice/pictures.h"
#include "store/statements.h"
#include "ui/messages.h"
#include "ui/style.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

TForm2 *Form2 = nullptr;

namespace {

using practice::AnswerCard;
using practice::makeButton;
using practice::pixelFont;

QFrame *panel(QWidget *parent, const char *name, QFrame::Shape shape, QFrame::Shadow shadow = QFrame::Plain)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(shape);
    f->setFrameShadow(shadow);
    f->setLineWidth(1);
    return f;
}

template <class Layout>
Layout *flatLayout(QWidget *on)
{
    auto *l = new Layout(on);
    l->setContentsMargins(on->contentsMargins());
    l->setSpacing(0);
    return l;
}

} // namespace

TForm2::TForm2(store::Database &connection, int subjectIndex, const QString &category, int count,
               QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(897, 637);
    move(188, 50);
    ADOQuery1 = new store::Query(connection, this);
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    buildLayout();
    ui::applyProgramStyle(this);
    ui::guarded(this, [&] { FormCreate(subjectIndex, category, count); });
}

TForm2::~TForm2() = default;

void TForm2::buildLayout()
{
    auto *form = flatLayout<QHBoxLayout>(this);

    // The question side.
    bsSkinPanel1 = panel(this, "bsSkinPanel1", QFrame::Box);
    form->addWidget(bsSkinPanel1, 1);
    auto *side = flatLayout<QVBoxLayout>(bsSkinPanel1);

    labeltm = new QLabel;
    labeltm->setObjectName(QStringLiteral("labeltm"));
    labeltm->setWordWrap(true);
    labeltm->setTextFormat(Qt::PlainText);
    labeltm->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labeltm->setFont(pixelFont(practice::songTi(), 19, true));
    labeltm->setStyleSheet(QStringLiteral("color: #0000ff;"));
    labeltm->setContentsMargins(4, 4, 4, 4);
    labeltmArea = new QScrollArea(bsSkinPanel1);
    labeltmArea->setObjectName(QStringLiteral("labeltmArea"));
    labeltmArea->setFrameShape(QFrame::NoFrame);
    labeltmArea->setWidgetResizable(true);
    labeltmArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    labeltmArea->setWidget(labeltm);
    side->addWidget(labeltmArea, 1);

    bsSkinPanel2 = panel(bsSkinPanel1, "bsSkinPanel2", QFrame::NoFrame);
    bsSkinPanel2->setFixedHeight(300);
    side->addWidget(bsSkinPanel2);
    auto *bottom = flatLayout<QVBoxLayout>(bsSkinPanel2);

    bsSkinPanel4 = panel(bsSkinPanel2, "bsSkinPanel4", QFrame::Box);
    bsSkinPanel4->setFixedHeight(120);
    bottom->addWidget(bsSkinPanel4);

    m_answers = practice::buildAnswerPanel(bsSkinPanel4, QPoint(64, 9), 34);
    bsSkinGroupBox2 = m_answers.single;
    DXA = m_answers.letters[0];
    DXB = m_answers.letters[1];
    DXC = m_answers.letters[2];
    DXD = m_answers.letters[3];
    bsSkinGroupBox1 = m_answers.multi;
    bschkA = m_answers.ticks[0];
    bschkB = m_answers.ticks[1];
    bschkC = m_answers.ticks[2];
    bschkD = m_answers.ticks[3];
    bschkE = m_answers.ticks[4];
    datj = m_answers.submit;

    btnsc = makeButton(bsSkinPanel4, "btnsc", QStringLiteral(" 收藏"), QRect(62, 90, 75, 25));
    btnbj = makeButton(bsSkinPanel4, "btnbj", QStringLiteral("笔记"), QRect(158, 90, 75, 25));
    btnjx = makeButton(bsSkinPanel4, "btnjx", QStringLiteral("解析"), QRect(254, 90, 75, 25));
    bsSkinButton3 = makeButton(bsSkinPanel4, "bsSkinButton3", QStringLiteral("上一题"), QRect(350, 90, 75, 25));
    bsSkinButton4 = makeButton(bsSkinPanel4, "bsSkinButton4", QStringLiteral("下一题"), QRect(446, 90, 75, 25));

    bsSkinPanel5 = panel(bsSkinPanel2, "bsSkinPanel5", QFrame::Box);
    bottom->addWidget(bsSkinPanel5, 1);
    auto *explain = flatLayout<QVBoxLayout>(bsSkinPanel5);
    LABLJX = new QLabel(bsSkinPanel5);
    LABLJX->setObjectName(QStringLiteral("LABLJX"));
    LABLJX->setWordWrap(true);
    LABLJX->setTextFormat(Qt::PlainText);
    LABLJX->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LABLJX->setFont(pixelFont(practice::songTi(), 14, true));
    LABLJX->setAutoFillBackground(true);
    QPalette pal = LABLJX->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    pal.setColor(QPalette::WindowText, Qt::black);
    LABLJX->setPalette(pal);
    LABLJX->setContentsMargins(4, 4, 4, 4);
    LABLJX->hide();
    explain->addWidget(LABLJX);

    // The card side.
    bsSkinPanel3 = panel(this, "bsSkinPanel3", QFrame::Panel, QFrame::Raised);
    bsSkinPanel3->setFixedWidth(233);
    form->addWidget(bsSkinPanel3);
    auto *cardSide = flatLayout<QVBoxLayout>(bsSkinPanel3);

    bsSkinPanel6 = panel(bsSkinPanel3, "bsSkinPanel6", QFrame::NoFrame);
    bsSkinPanel6->setFixedHeight(465);
    cardSide->addWidget(bsSkinPanel6, 0, Qt::AlignTop); // stays at the top while the notes are hidden
    bsSkinButton1 = makeButton(bsSkinPanel6, "bsSkinButton1", QStringLiteral("上一页"), QRect(40, 8, 75, 25));
    bsSkinButton2 = makeButton(bsSkinPanel6, "bsSkinButton2", QStringLiteral("下一页"), QRect(131, 8, 75, 25));

    bsSkinStringGrid1 = new QTableWidget(AnswerCard::kRows, AnswerCard::kColumns, bsSkinPanel6);
    bsSkinStringGrid1->setObjectName(QStringLiteral("bsSkinStringGrid1"));
    bsSkinStringGrid1->setGeometry(16, 48, 217, 417);
    bsSkinStringGrid1->horizontalHeader()->hide();
    bsSkinStringGrid1->verticalHeader()->hide();
    bsSkinStringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    bsSkinStringGrid1->verticalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < AnswerCard::kColumns; ++c)
        bsSkinStringGrid1->setColumnWidth(c, 40);
    for (int r = 0; r < AnswerCard::kRows; ++r)
        bsSkinStringGrid1->setRowHeight(r, 40);
    bsSkinStringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bsSkinStringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bsSkinStringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bsSkinStringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    bsSkinStringGrid1->setFrameShape(QFrame::NoFrame);
    bsSkinStringGrid1->setFocusPolicy(Qt::NoFocus); // letter keys answer, they do not search the card
    bsSkinStringGrid1->setFont(pixelFont({}, 16, false));
    bsSkinStringGrid1->setGridStyle(Qt::SolidLine);
    // Only the 40 × 40 cells are white; the rest of the grid's area shows the panel beneath.
    bsSkinStringGrid1->setStyleSheet(
        QStringLiteral("QTableWidget { gridline-color: palette(window-text); background: transparent; }"));
    for (int r = 0; r < AnswerCard::kRows; ++r)
        for (int c = 0; c < AnswerCard::kColumns; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(Qt::white);
            bsSkinStringGrid1->setItem(r, c, item);
        }
    bsSkinStringGrid1->viewport()->installEventFilter(this);

    bsSkinButtonLabel1 = new QToolButton(bsSkinPanel3);
    bsSkinButtonLabel1->setObjectName(QStringLiteral("bsSkinButtonLabel1"));
    bsSkinButtonLabel1->setGeometry(72, 528, 113, 81);
    bsSkinButtonLabel1->setIcon(QIcon(practice::notepadPicture()));
    bsSkinButtonLabel1->setIconSize(QSize(48, 48));
    bsSkinButtonLabel1->setAutoRaise(true);
    bsSkinButtonLabel1->setToolTip(QStringLiteral("笔记"));

    bsSkinPanel7 = panel(bsSkinPanel3, "bsSkinPanel7", QFrame::NoFrame);
    bsSkinPanel7->setAutoFillBackground(true);
    cardSide->addWidget(bsSkinPanel7, 1);
    auto *notes = flatLayout<QVBoxLayout>(bsSkinPanel7);
    bsSkinMemo21 = new QPlainTextEdit(bsSkinPanel7);
    bsSkinMemo21->setObjectName(QStringLiteral("bsSkinMemo21"));
    bsSkinMemo21->setLineWrapMode(QPlainTextEdit::NoWrap);
    bsSkinMemo21->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bsSkinMemo21->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bsSkinMemo21->setStyleSheet(QStringLiteral("color: black;"));
    notes->addWidget(bsSkinMemo21, 1);
    bsSkinButton5 = makeButton(bsSkinPanel7, "bsSkinButton5", QStringLiteral("保存笔记"), {});
    bsSkinButton5->setFixedHeight(25);
    notes->addWidget(bsSkinButton5);
    bsSkinPanel7->raise(); // drawn over the picture button, which shows only while it is hidden
    bsSkinPanel7->hide();

    connectHandler(bsSkinButton1, &TForm2::bsSkinButton1Click);
    connectHandler(bsSkinButton2, &TForm2::bsSkinButton2Click);
    connectHandler(bsSkinButton3, &TForm2::bsSkinButton3Click);
    connectHandler(bsSkinButton4, &TForm2::bsSkinButton4Click);
    connectHandler(DXA, &TForm2::btnAClick);
    connectHandler(DXB, &TForm2::DXBClick);
    connectHandler(DXC, &TForm2::DXCClick);
    connectHandler(DXD, &TForm2::DXDClick);
    connectHandler(datj, &TForm2::datjClick);
    connectHandler(btnjx, &TForm2::btnjxClick);
    connectHandler(btnbj, &TForm2::btnbjClick);
    connectHandler(bsSkinButton5, &TForm2::bsSkinButton5Click);
    connectHandler(btnsc, &TForm2::btnscClick);
    connect(bsSkinButtonLabel1, &QToolButton::clicked, this, [this] { ui::guarded(this, [this] { btnbjClick(); }); });
}

void TForm2::connectHandler(QPushButton *b, void (TForm2::*handler)())
{
    connect(b, &QPushButton::clicked, this, [this, handler] { ui::guarded(this, [this, handler] { (this->*handler)(); }); });
}

void TForm2::FormCreate(int subjectIndex, const QString &category, int count)
{
    setWindowTitle(QStringLiteral("练习题：") + category);
    const auto subject = store::subjectFromIndex(subjectIndex);
    m_card = AnswerCard(count);
    if (subject) {
        ADOQuery1->setSql(store::sql::practiceQuestions(*subject, category));
        ADOQuery1->open();
        if (!ADOQuery1->isEmpty())
            showQuestionText();
    }
    m_card.fill();
    showCard();
    bsSkinStringGrid1->setCurrentCell(0, 0);
    bsSkinPanel7->hide();
}

void TForm2::showCard()
{
    for (int r = 0; r < AnswerCard::kRows; ++r)
        for (int c = 0; c < AnswerCard::kColumns; ++c)
            bsSkinStringGrid1->item(r, c)->setText(m_card.cell(r, c));
}

void TForm2::showQuestionText()
{
    labeltm->setText(practice::questionLine(ADOQuery1->recNo(), ADOQuery1->asString(QStringLiteral("tm"))));
    labeltmArea->verticalScrollBar()->setValue(0);
}

void TForm2::selectQuestionCell()
{
    const int n = ADOQuery1->recNo();
    bsSkinStringGrid1->setCurrentCell(AnswerCard::rowOf(n), AnswerCard::columnOf(n));
}

void TForm2::showAnswerGroup()
{
    practice::showGroupFor(m_answers, ADOQuery1->asBool(QStringLiteral("dx")));
}

void TForm2::showQuestion()
{
    showQuestionText();
    selectQuestionCell();
    showAnswerGroup();
    LABLJX->hide();
    bsSkinPanel7->hide();
}

void TForm2::bsSkinButton2Click()
{
    if (m_card.nextPage())
        showCard();
}

void TForm2::bsSkinButton1Click()
{
    if (!m_card.previousPage()) {
        ui::messages().information(this, QStringLiteral("已经是第一页了"));
        return;
    }
    showCard();
}

void TForm2::bsSkinButton4Click()
{
    if (ADOQuery1->recNo() % AnswerCard::kPageSize == 0)
        bsSkinButton2Click();
    ADOQuery1->next();
    showQuestion();
}

void TForm2::bsSkinButton3Click()
{
    ADOQuery1->prior();
    if (ADOQuery1->recNo() % AnswerCard::kPageSize == 0)
        bsSkinButton1Click();
    showQuestion();
}

void TForm2::bsSkinStringGrid1MouseDown(Qt::MouseButton mouseButton, const QPoint &pos)
{
    if (mouseButton == Qt::LeftButton) {
        const QModelIndex at = bsSkinStringGrid1->indexAt(pos);
        if (at.isValid())
            bsSkinStringGrid1->setCurrentCell(at.row(), at.column());
    }
    const QTableWidgetItem *selected = bsSkinStringGrid1->currentItem();
    bool ok = false;
    const int number = selected ? selected->text().toInt(&ok) : 0;
    // An empty cell, or a number past the last question, leads nowhere.
    if (!ok || number < 1 || number > ADOQuery1->recordCount())
        return;
    ADOQuery1->setRecNo(number);
    showQuestionText();
    showAnswerGroup();
    LABLJX->hide();
}

void TForm2::answerSingle(const QString &letter)
{
    if (ADOQuery1->asString(QStringLiteral("ZQda")) != letter) {
        ui::messages().information(this, QStringLiteral("您选择的答案不正确！请重新选择。"));
        return;
    }
    acceptAnswer(letter);
}

void TForm2::acceptAnswer(const QString &answer)
{
    ADOQuery1->edit();
    ADOQuery1->setField(answer == QLatin1String("D") ? QStringLiteral("XZDA") : QStringLiteral("xzda"), answer);
    ADOQuery1->post();
    bsSkinButton4Click();
}

void TForm2::btnAClick()
{
    answerSingle(QStringLiteral("A"));
}

void TForm2::DXBClick()
{
    answerSingle(QStringLiteral("B"));
}

void TForm2::DXCClick()
{
    answerSingle(QStringLiteral("C"));
}

void TForm2::DXDClick()
{
    answerSingle(QStringLiteral("D"));
}

void TForm2::datjClick()
{
    const QString answer = practice::tickedAnswer(m_answers);
    if (ADOQuery1->asString(QStringLiteral("ZQda")) != answer) {
        ui::messages().information(this, QStringLiteral("您选择的答案不正确！请重新选择。"));
        return;
    }
    acceptAnswer(answer);
}

void TForm2::btnjxClick()
{
    if (!LABLJX->isHidden()) {
        LABLJX->hide();
        return;
    }
    QString text = practice::explanationText(ADOQuery1->asString(QStringLiteral("ZQda")),
                                             ADOQuery1->asString(QStringLiteral("jx")));
    LABLJX->setText(text.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    LABLJX->show();
}

void TForm2::btnbjClick()
{
    if (!bsSkinPanel7->isHidden()) {
        bsSkinPanel7->hide();
        return;
    }
    bsSkinMemo21->setPlainText(practice::noteForEditor(ADOQuery1->asString(QStringLiteral("bj"))));
    bsSkinPanel7->show();
}

void TForm2::bsSkinButton5Click()
{
    ADOQuery1->edit();
    ADOQuery1->setField(QStringLiteral("bj"), practice::noteForStore(bsSkinMemo21->toPlainText()));
    ADOQuery1->post();
}

void TForm2::btnscClick()
{
    if (!ADOQuery1->asBool(QStringLiteral("sc"))) {
        ADOQuery1->edit();
        ADOQuery1->setField(QStringLiteral("sc"), true);
        ADOQuery1->post();
        ui::messages().plain(this, QStringLiteral("收藏成功！"));
        return;
    }
    if (ui::messages().question(this, QStringLiteral("此题已经收藏，要取消吗？。")) == ui::Answer::Yes) {
        ADOQuery1->edit();
        ADOQuery1->setField(QStringLiteral("sc"), false);
        ADOQuery1->post();
    }
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == bsSkinStringGrid1->viewport()) {
        if (const auto press = practice::cardPress(event)) {
            ui::guarded(this, [this, press] { bsSkinStringGrid1MouseDown(press->button, press->pos); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::keyPressEvent(QKeyEvent *event)
{
    if (!practice::questionKey(m_answers, event, bsSkinButton3, bsSkinButton4))
        QDialog::keyPressEvent(event);
}

void openPracticeWindow(store::Database &connection, int subjectIndex, const QString &category, int count)
{
    auto window = std::make_unique<TForm2>(connection, subjectIndex, category, count);
    window->setWindowModality(Qt::ApplicationModal);
    Form2 = window.get();
    struct Reset {
        ~Reset() { Form2 = nullptr; }
    } reset;
    window->exec();
}
