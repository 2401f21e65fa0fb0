#include "practice/exam_window.h"

#include "practice/answer_card.h"
#include "practice/exam_logic.h"
#include "store/statements.h"
#include "ui/messages.h"
#include "ui/style.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

TFks *Fks = nullptr;

namespace {

using practice::makeButton;
using practice::pixelFont;
using practice::songTi;

constexpr int kCell = 40;
constexpr int kAnswerPanelHeight = 127;

QFrame *panel(QWidget *parent, const char *name)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::NoFrame);
    return f;
}

// Keeps the question area above the answer panel and the answer panel at the bottom of the
// question side, whatever the window's size.
class QuestionSideLayout : public QObject {
public:
    QuestionSideLayout(QWidget *side, QWidget *question, QWidget *answers)
        : QObject(side), m_side(side), m_question(question), m_answers(answers)
    {
        side->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            const int w = m_side->width();
            const int h = m_side->height();
            m_answers->setGeometry(0, h - kAnswerPanelHeight, w, kAnswerPanelHeight);
            m_question->setGeometry(0, 0, w, std::max(0, h - kAnswerPanelHeight));
        }
        return false;
    }

private:
    QWidget *m_side;
    QWidget *m_question;
    QWidget *m_answers;
};

} // namespace

TFks::TFks(store::Database &connection, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Fks"));
    setWindowTitle(QStringLiteral("模拟考试系统"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(746, 585);
    move(271, 103);
    ADOQuery1 = new store::Query(connection, this);
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    ADOQuery2 = new store::Query(connection, this);
    ADOQuery2->setObjectName(QStringLiteral("ADOQuery2"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { ui::guarded(this, [this] { Timer1Timer(); }); });
    buildLayout();
    ui::applyProgramStyle(this);
    connect(ADOQuery1, &store::Query::currentChanged, this, [this] { showGivenAnswer(); });
    connect(ADOQuery1, &store::Query::rowChanged, this, [this] { showGivenAnswer(); });
    ui::guarded(this, [this] { FormCreate(); });
}

TFks::~TFks() = default;

void TFks::buildLayout()
{
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(0);
    auto *top = new QHBoxLayout;
    top->setSpacing(0);
    form->addLayout(top, 1);

    // The question side.
    bsSkinPanel1 = panel(this, "bsSkinPanel1");
    top->addWidget(bsSkinPanel1, 1);
    labeltm = new QLabel;
    labeltm->setObjectName(QStringLiteral("labeltm"));
    labeltm->setWordWrap(true);
    labeltm->setTextFormat(Qt::PlainText);
    labeltm->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labeltm->setFont(pixelFont(songTi(), 19, true));
    labeltm->setStyleSheet(QStringLiteral("color: #0000ff;"));
    labeltm->setContentsMargins(6, 6, 6, 6);
    auto *questionArea = new QScrollArea(bsSkinPanel1);
    questionArea->setObjectName(QStringLiteral("labeltmArea"));
    questionArea->setFrameShape(QFrame::NoFrame);
    questionArea->setWidgetResizable(true);
    questionArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    questionArea->setWidget(labeltm);

    bsSkinPanel4 = panel(bsSkinPanel1, "bsSkinPanel4");
    new QuestionSideLayout(bsSkinPanel1, questionArea, bsSkinPanel4);
    bsSkinStdLabel1 = new QLabel(QStringLiteral("您的选择答案："), bsSkinPanel4);
    bsSkinStdLabel1->setObjectName(QStringLiteral("bsSkinStdLabel1"));
    bsSkinStdLabel1->setFont(pixelFont(songTi(), 19, true));
    bsSkinStdLabel1->setStyleSheet(QStringLiteral("color: #d00000;"));
    bsSkinStdLabel1->move(455, 29);
    bsSkinStdLabel1->adjustSize();
    bsSkinDBText1 = new QLabel(bsSkinPanel4);
    bsSkinDBText1->setObjectName(QStringLiteral("bsSkinDBText1"));
    bsSkinDBText1->setTextFormat(Qt::PlainText);
    bsSkinDBText1->setFont(pixelFont({}, 16, true));
    bsSkinDBText1->setStyleSheet(QStringLiteral("color: #d00000;"));
    bsSkinDBText1->setGeometry(496, 53, 100, 24);
    bsSkinButton3 = makeButton(bsSkinPanel4, "bsSkinButton3", QStringLiteral("上一题"), QRect(446, 85, 75, 25));
    bsSkinButton4 = makeButton(bsSkinPanel4, "bsSkinButton4", QStringLiteral("下一题"), QRect(526, 85, 75, 25));
    m_answers = practice::buildAnswerPanel(bsSkinPanel4, QPoint(16, 32), 36);
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

    // The clock and the hand-in button.
    bsSkinPanel2 = panel(this, "bsSkinPanel2");
    bsSkinPanel2->setFixedWidth(139);
    top->addWidget(bsSkinPanel2);
    bsSkinGroupBox4 = new QGroupBox(QStringLiteral("剩余时间"), bsSkinPanel2);
    bsSkinGroupBox4->setObjectName(QStringLiteral("bsSkinGroupBox4"));
    bsSkinGroupBox4->setGeometry(0, 0, 139, 184);
    Label9 = new QLabel(QStringLiteral("2:30:00"), bsSkinGroupBox4);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setFont(pixelFont(songTi(), 24, true));
    Label9->setStyleSheet(QStringLiteral("color: #e00000;"));
    Label9->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label9->setGeometry(8, 70, 118, 40);
    bsSkinButton1 = makeButton(bsSkinPanel2, "bsSkinButton1", QStringLiteral("交卷"), QRect(31, 224, 75, 73));
    bsSkinButton1->setFont(pixelFont({}, 18, true));

    // The answer card.
    bsSkinPanel3 = panel(this, "bsSkinPanel3");
    bsSkinPanel3->setFixedHeight(219);
    form->addWidget(bsSkinPanel3);
    bsSkinStringGrid1 = new QTableWidget(0, practice::kExamCardColumns, bsSkinPanel3);
    bsSkinStringGrid1->setObjectName(QStringLiteral("bsSkinStringGrid1"));
    bsSkinStringGrid1->horizontalHeader()->hide();
    bsSkinStringGrid1->verticalHeader()->hide();
    bsSkinStringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    bsSkinStringGrid1->verticalHeader()->setMinimumSectionSize(1);
    bsSkinStringGrid1->horizontalHeader()->setDefaultSectionSize(kCell);
    bsSkinStringGrid1->verticalHeader()->setDefaultSectionSize(kCell);
    bsSkinStringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bsSkinStringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bsSkinStringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    bsSkinStringGrid1->setFrameShape(QFrame::NoFrame);
    bsSkinStringGrid1->setFocusPolicy(Qt::NoFocus);
    bsSkinStringGrid1->setTextElideMode(Qt::ElideNone);
    bsSkinStringGrid1->setFont(pixelFont({}, 16, false));
    bsSkinStringGrid1->setStyleSheet(
        QStringLiteral("QTableWidget { gridline-color: palette(window-text); background: transparent; }"));
    bsSkinStringGrid1->viewport()->installEventFilter(this);

    connectHandler(bsSkinButton3, &TFks::bsSkinButton3Click);
    connectHandler(bsSkinButton4, &TFks::bsSkinButton4Click);
    connectHandler(DXA, &TFks::DXAClick);
    connectHandler(DXB, &TFks::DXBClick);
    connectHandler(DXC, &TFks::DXCClick);
    connectHandler(DXD, &TFks::DXDClick);
    connectHandler(datj, &TFks::datjClick);
    connectHandler(bsSkinButton1, &TFks::jjclick);
}

void TFks::connectHandler(QPushButton *b, void (TFks::*handler)())
{
    connect(b, &QPushButton::clicked, this, [this, handler] { ui::guarded(this, [this, handler] { (this->*handler)(); }); });
}

int TFks::questionCount() const
{
    return ADOQuery1->recordCount();
}

void TFks::FormCreate()
{
    ADOQuery1->setSql(store::sql::examPaper());
    ADOQuery1->open();

    // One cell per question, 17 to a row, numbered row by row.
    const int count = questionCount();
    const int rows = practice::examCardRows(count);
    bsSkinStringGrid1->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < practice::kExamCardColumns; ++c) {
            const int n = practice::examCellNumber(r, c);
            auto *item = new QTableWidgetItem(n <= count ? QString::number(n) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(n <= count ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags);
            if (n <= count)
                item->setBackground(Qt::white);
            bsSkinStringGrid1->setItem(r, c, item);
        }
    const int shownRows = std::min(rows, 5);
    const bool scrolls = rows > 5;
    bsSkinStringGrid1->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    bsSkinStringGrid1->setGeometry(25, 13, practice::kExamCardColumns * kCell + 1 + (scrolls ? 16 : 0),
                                   shownRows * kCell + 1);

    if (count > 0)
        showQuestionText(); // the single-choice group stays, whatever question 1 is
    showGivenAnswer();
    m_secondsLeft = practice::kExamSeconds;
    Label9->setText(practice::clockText(m_secondsLeft));
    Timer1->start();
    bsSkinButton1->setEnabled(true);
    if (count > 0)
        bsSkinStringGrid1->setCurrentCell(0, 0);
}

void TFks::showQuestionText()
{
    labeltm->setText(practice::questionLine(ADOQuery1->recNo(), ADOQuery1->asString(QStringLiteral("tm"))));
}

void TFks::showCurrentQuestion()
{
    showQuestionText();
    practice::showGroupFor(m_answers, ADOQuery1->asBool(QStringLiteral("dx")));
}

void TFks::selectQuestionCell()
{
    const int n = ADOQuery1->recNo();
    bsSkinStringGrid1->setCurrentCell(practice::examCellRow(n), practice::examCellColumn(n));
}

void TFks::showGivenAnswer()
{
    bsSkinDBText1->setText(ADOQuery1->isEmpty() ? QString() : ADOQuery1->asString(QStringLiteral("xzda")));
}

void TFks::bsSkinButton4Click()
{
    ADOQuery1->next();
    showQuestionText();
    selectQuestionCell();
    practice::showGroupFor(m_answers, ADOQuery1->asBool(QStringLiteral("dx")));
}

void TFks::bsSkinButton3Click()
{
    ADOQuery1->prior();
    showQuestionText();
    selectQuestionCell();
    practice::showGroupFor(m_answers, ADOQuery1->asBool(QStringLiteral("dx")));
}

void TFks::bsSkinStringGrid1MouseDown(Qt::MouseButton button, const QPoint &pos)
{
    if (button == Qt::LeftButton) {
        const QModelIndex at = bsSkinStringGrid1->indexAt(pos);
        if (at.isValid())
            bsSkinStringGrid1->setCurrentCell(at.row(), at.column());
    }
    const int row = bsSkinStringGrid1->currentRow();
    const int column = bsSkinStringGrid1->currentColumn();
    if (row < 0 || column < 0 || ADOQuery1->isEmpty())
        return;
    const int k = practice::examCellNumber(row, column);
    ADOQuery1->locate(QStringLiteral("id"), QString::number(k), Qt::CaseSensitive); // none: stays
    showCurrentQuestion();
}

void TFks::storeAnswer(const QString &answer)
{
    if (!ADOQuery1->asString(QStringLiteral("xzda")).isEmpty()
        && ui::messages().question(this, QStringLiteral("此题您已经完成，是否更改答案？")) != ui::Answer::Yes)
        return;
    ADOQuery1->edit();
    ADOQuery1->setField(QStringLiteral("xzda"), answer);
    ADOQuery1->post();
    bsSkinButton4Click();
}

void TFks::DXAClick()
{
    storeAnswer(QStringLiteral("A"));
}

void TFks::DXBClick()
{
    storeAnswer(QStringLiteral("B"));
}

void TFks::DXCClick()
{
    storeAnswer(QStringLiteral("C"));
}

void TFks::DXDClick()
{
    storeAnswer(QStringLiteral("D"));
}

void TFks::datjClick()
{
    storeAnswer(practice::tickedAnswer(m_answers));
}

void TFks::Timer1Timer()
{
    if (m_secondsLeft <= 0) {
        Timer1->stop();
        return;
    }
    --m_secondsLeft;
    Label9->setText(practice::clockText(m_secondsLeft));
    if (m_secondsLeft != 0)
        return;
    Timer1->stop();
    if (m_handingIn)
        return; // the hand-in under way finishes the exam
    ui::messages().notice(this, QStringLiteral("考试时间结束，请交卷！"));
    jjclick();
}

void TFks::jjclick()
{
    if (m_handingIn || !bsSkinButton1->isEnabled())
        return;
    m_handingIn = true;
    struct Done {
        bool &flag;
        ~Done() { flag = false; }
    } done{m_handingIn};

    if (ui::messages().question(this, QStringLiteral("你真的提前结束考试吗？")) != ui::Answer::Yes)
        return;

    // Grade from the paper as read, without moving off the question on show.
    QVector<practice::GradedQuestion> paper;
    const int dx = ADOQuery1->fieldIndex(QStringLiteral("dx"));
    const int zqda = ADOQuery1->fieldIndex(QStringLiteral("zqda"));
    const int xzda = ADOQuery1->fieldIndex(QStringLiteral("xzda"));
    for (int r = 0; r < ADOQuery1->recordCount(); ++r)
        paper.append({ADOQuery1->cell(r, dx).toLongLong() != 0, ADOQuery1->cell(r, zqda).toString(),
                      ADOQuery1->cell(r, xzda).toString()});
    const int score = practice::grade(paper);

    ADOQuery2->setSql(store::sql::examResults());
    ADOQuery2->open();
    ADOQuery2->append();
    ADOQuery2->setField(QStringLiteral("KSRQ"), QDateTime::currentDateTime());
    ADOQuery2->setField(QStringLiteral("KSkm"), QString(""));
    ADOQuery2->setField(QStringLiteral("KSfs"), score);
    ADOQuery2->post();
    ADOQuery2->close();

    ui::messages().plain(this, practice::resultMessage(score));
    Timer1->stop();
    bsSkinButton1->setEnabled(false);

    if (ui::messages().question(this, QStringLiteral("退出考试系统吗？否则继续看错题。")) == ui::Answer::Yes)
        close();
    else
        reviewMarking();
}

void TFks::reviewMarking()
{
    const int zqda = ADOQuery1->fieldIndex(QStringLiteral("ZQda"));
    const int xzda = ADOQuery1->fieldIndex(QStringLiteral("xzda"));
    const QFont markFont = pixelFont({}, 13, true);
    int n = 1;
    for (int r = 0; r < bsSkinStringGrid1->rowCount(); ++r)
        for (int c = 0; c < bsSkinStringGrid1->columnCount(); ++c, ++n) {
            QTableWidgetItem *item = bsSkinStringGrid1->item(r, c);
            bool ok = false;
            const int k = item->text().toInt(&ok);
            if (!ok || k < 1 || k > ADOQuery1->recordCount())
                continue;
            const bool right = ADOQuery1->cell(k - 1, zqda).toString() == ADOQuery1->cell(k - 1, xzda).toString();
            item->setText(practice::reviewCellText(n, right));
            if (!right) {
                item->setForeground(QColor(0xd0, 0, 0));
                item->setFont(markFont); // "85错" fits a 40-pixel cell
            }
        }
}

bool TFks::FormCloseQuery()
{
    return ui::messages().question(this, QStringLiteral("你真的要退出考试系统吗？")) == ui::Answer::Yes;
}

void TFks::reject()
{
    if (FormCloseQuery())
        QDialog::reject();
}

bool TFks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == bsSkinStringGrid1->viewport()) {
        if (const auto press = practice::cardPress(event)) {
            ui::guarded(this, [this, press] { bsSkinStringGrid1MouseDown(press->button, press->pos); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFks::keyPressEvent(QKeyEvent *event)
{
    if (!practice::questionKey(m_answers, event, bsSkinButton3, bsSkinButton4))
        QDialog::keyPressEvent(event);
}

void openExamWindow(store::Database &connection)
{
    auto window = std::make_unique<TFks>(connection);
    window->setWindowModality(Qt::ApplicationModal);
    Fks = window.get();
    struct Reset {
        ~Reset() { Fks = nullptr; }
    } reset;
    window->exec();
}
