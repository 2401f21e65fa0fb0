#include "practice/answer_panel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace practice {

namespace {

const QStringList kLetterFont{QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")};
const QStringList kCaptionFont{QStringLiteral("Arial"), QStringLiteral("Noto Sans CJK SC")};

QGroupBox *answerGroup(QWidget *parent, const char *name, const QString &caption, QPoint at)
{
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(QRect(at, QSize(425, 73)));
    g->setFont(pixelFont(kCaptionFont, 16, true));
    g->setStyleSheet(QStringLiteral("QGroupBox#%1 { color: #d00000; }").arg(g->objectName()));
    return g;
}

} // namespace

const QStringList &songTi()
{
    static const QStringList families{QStringLiteral("SimSun"), QStringLiteral("宋体"),
                                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};
    return families;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (geometry.isValid())
        b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

AnswerPanel buildAnswerPanel(QWidget *parent, QPoint at, int submitTop)
{
    AnswerPanel p;
    const QFont letters = pixelFont(kLetterFont, 16, true);

    p.single = answerGroup(parent, "bsSkinGroupBox2", QStringLiteral("请选择正确答案：（单选题）"), at);
    const int letterX[] = {37, 130, 223, 317};
    const char *letterNames[] = {"DXA", "DXB", "DXC", "DXD"};
    for (int i = 0; i < 4; ++i) {
        p.letters[i] = makeButton(p.single, letterNames[i], QString(QChar(u'A' + i)), QRect(letterX[i], 35, 70, 30));
        p.letters[i]->setFont(letters);
    }

    p.multi = answerGroup(parent, "bsSkinGroupBox1", QStringLiteral("请选择正确答案：（多选题）"), at);
    p.multi->hide();
    const int tickX[] = {16, 80, 136, 192, 248};
    const char *tickNames[] = {"bschkA", "bschkB", "bschkC", "bschkD", "bschkE"};
    for (int i = 0; i < 5; ++i) {
        p.ticks[i] = new QCheckBox(QString(QChar(u'A' + i)), p.multi);
        p.ticks[i]->setObjectName(QString::fromLatin1(tickNames[i]));
        p.ticks[i]->setGeometry(tickX[i], 38, 40, 35);
        p.ticks[i]->setFont(letters);
    }
    p.submit = makeButton(p.multi, "datj", QStringLiteral("答案提交"), QRect(312, submitTop, 81, 33));
    p.submit->setFont(pixelFont({}, 14, false));
    return p;
}

QString tickedAnswer(const AnswerPanel &panel)
{
    QString answer;
    for (int i = 0; i < 5; ++i)
        if (panel.ticks[i]->isChecked())
            answer += QChar(u'A' + i);
    return answer;
}

void showGroupFor(const AnswerPanel &panel, bool multiChoice)
{
    if (multiChoice) {
        panel.multi->show();
        panel.single->hide();
        for (QCheckBox *b : panel.ticks)
            b->setChecked(false);
    } else {
        panel.single->show();
        panel.multi->hide();
    }
}

bool answerKey(const AnswerPanel &panel, int key)
{
    const bool multi = !panel.multi->isHidden();
    if (key >= Qt::Key_A && key <= Qt::Key_E) {
        const int i = key - Qt::Key_A;
        if (multi)
            panel.ticks[i]->toggle();
        else if (i < 4)
            panel.letters[i]->click();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (multi)
            panel.submit->click();
        return true;
    }
    return false;
}

bool questionKey(const AnswerPanel &panel, QKeyEvent *event, QPushButton *previous, QPushButton *next)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (answerKey(panel, event->key()))
        return true;
    if (event->key() == Qt::Key_PageUp) {
        previous->click();
        return true;
    }
    if (event->key() == Qt::Key_PageDown) {
        next->click();
        return true;
    }
    return false;
}

std::optional<CardPress> cardPress(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return std::nullopt;
    const auto *me = static_cast<QMouseEvent *>(event);
    return CardPress{me->button(), me->position().toPoint()};
}

} // namespace practice
