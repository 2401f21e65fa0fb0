#include "practice/practice_window.h"

#include "practice/pictures.h"
#include "store/statements.h"
#include "ui/messages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
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

QFont pixelFont(const QStringList &families, int pixels, bool bold)
{
    QFont f;
    if (!families.isEmpty())
        f.setFamilies(families);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// "宋体" where it is installed, else the Song (serif) face of Noto CJK.
const QStringList kSongTi{QStringLiteral("SimSun"), QStringLiteral("宋体"),
                          QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};
const QStringList kLetterFont{QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")};
const QStringList kCaptionFont{QStringLiteral("Arial"), QStringLiteral("Noto Sans CJK SC")};

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

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false); // Return goes to the window (it submits a multi-choice answer)
    return b;
}

QGroupBox *answerGroup(QWidget *parent, const char *name, const QString &caption)
{
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(64, 9, 425, 73);
    g->setFont(pixelFont(kCaptionFont, 16, true));
    g->setStyleSheet(QStringLiteral("QGroupBox#%1 { color: #d00000; }").arg(g->objectName()));
    return g;
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
    labeltm->setFont(pixelFont(kSongTi, 19, true));
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

    bsSkinGroupBox2 = answerGroup(bsSkinPanel4, "bsSkinGroupBox2", QStringLiteral("请选择正确答案：（单选题）"));
    const QFont letters = pixelFont(kLetterFont, 16, true);
    const int dxX[] = {37, 130, 223, 317};
    QPushButton **dx[] = {&DXA, &DXB, &DXC, &DXD};
    const char *dxNames[] = {"DXA", "DXB", "DXC", "DXD"};
    for (int i = 0; i < 4; ++i) {
        *dx[i] = button(bsSkinGroupBox2, dxNames[i], QString(QChar(u'A' + i)), QRect(dxX[i], 35, 70, 30));
        (*dx[i])->setFont(letters);
    }

    bsSkinGroupBox1 = answerGroup(bsSkinPanel4, "bsSkinGroupBox1", QStringLiteral("请选择正确答案：（多选题）"));
    bsSkinGroupBox1->hide();
    const int chkX[] = {16, 80, 136, 192, 248};
    QCheckBox **chk[] = {&bschkA, &bschkB, &bschkC, &bschkD, &bschkE};
    const char *chkNames[] = {"bschkA", "bschkB", "bschkC", "bschkD", "bschkE"};
    for (int i = 0; i < 5; ++i) {
        *chk[i] = new QCheckBox(QString(QChar(u'A' + i)), bsSkinGroupBox1);
        (*chk[i])->setObjectName(QString::fromLatin1(chkNames[i]));
        (*chk[i])->setGeometry(chkX[i], 38, 40, 35);
        (*chk[i])->setFont(letters);
    }
    datj = button(bsSkinGroupBox1, "datj", QStringLiteral("答案提交"), QRect(312, 34, 81, 33));
    datj->setFont(pixelFont({}, 14, false));

    btnsc = button(bsSkinPanel4, "btnsc", QStringLiteral(" 收藏"), QRect(62, 90, 75, 25));
    btnbj = button(bsSkinPanel4, "btnbj", QStringLiteral("笔记"), QRect(158, 90, 75, 25));
    btnjx = button(bsSkinPanel4, "btnjx", QStringLiteral("解析"), QRect(254, 90, 75, 25));
    bsSkinButton3 = button(bsSkinPanel4, "bsSkinButton3", QStringLiteral("上一题"), QRect(350, 90, 75, 25));
    bsSkinButton4 = button(bsSkinPanel4, "bsSkinButton4", QStringLiteral("下一题"), QRect(446, 90, 75, 25));

    bsSkinPanel5 = panel(bsSkinPanel2, "bsSkinPanel5", QFrame::Box);
    bottom->addWidget(bsSkinPanel5, 1);
    auto *explain = flatLayout<QVBoxLayout>(bsSkinPanel5);
    LABLJX = new QLabel(bsSkinPanel5);
    LABLJX->setObjectName(QStringLiteral("LABLJX"));
    LABLJX->setWordWrap(true);
    LABLJX->setTextFormat(Qt::PlainText);
    LABLJX->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LABLJX->setFont(pixelFont(kSongTi, 14, true));
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
    bsSkinButton1 = button(bsSkinPanel6, "bsSkinButton1", QStringLiteral("上一页"), QRect(40, 8, 75, 25));
    bsSkinButton2 = button(bsSkinPanel6, "bsSkinButton2", QStringLiteral("下一页"), QRect(131, 8, 75, 25));

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
    bsSkinButton5 = button(bsSkinPanel7, "bsSkinButton5", QStringLiteral("保存笔记"), {});
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
    if (ADOQuery1->asBool(QStringLiteral("dx"))) {
        bsSkinGroupBox1->show();
        bsSkinGroupBox2->hide();
        for (QCheckBox *b : {bschkA, bschkB, bschkC, bschkD, bschkE})
            b->setChecked(false);
    } else {
        bsSkinGroupBox2->show();
        bsSkinGroupBox1->hide();
    }
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
    const QString answer = practice::ticksToAnswer({bschkA->isChecked(), bschkB->isChecked(), bschkC->isChecked(),
                                                     bschkD->isChecked(), bschkE->isChecked()});
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
    if (watched == bsSkinStringGrid1->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const auto *me = static_cast<QMouseEvent *>(event);
        const Qt::MouseButton b = me->button();
        const QPoint pos = me->position().toPoint();
        ui::guarded(this, [this, b, pos] { bsSkinStringGrid1MouseDown(b, pos); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::keyPressEvent(QKeyEvent *event)
{
    const bool multi = !bsSkinGroupBox1->isHidden();
    const int key = event->key();
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_E) {
        const int i = key - Qt::Key_A;
        if (multi) {
            QCheckBox *boxes[] = {bschkA, bschkB, bschkC, bschkD, bschkE};
            boxes[i]->toggle();
        } else if (i < 4) {
            QPushButton *buttons[] = {DXA, DXB, DXC, DXD};
            buttons[i]->click();
        }
        return;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (multi)
            datj->click();
        return;
    case Qt::Key_PageUp:
        bsSkinButton3->click();
        return;
    case Qt::Key_PageDown:
        bsSkinButton4->click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
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
