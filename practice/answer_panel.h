#pragma once

#include "ui/style.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QCheckBox;
class QEvent;
class QGroupBox;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace practice {

// The answer controls of a question, laid out alike in the practice and exam windows: the
// single-choice group (letter buttons A to D) and, in the same place, the multi-choice group
// (check boxes A to E and the submit button).
struct AnswerPanel {
    QGroupBox *single = nullptr;
    std::array<QPushButton *, 4> letters{};
    QGroupBox *multi = nullptr;
    std::array<QCheckBox *, 5> ticks{};
    QPushButton *submit = nullptr;
};

// Builds both groups at `at` (425 × 73 each); the single-choice group shows, the other is hidden.
AnswerPanel buildAnswerPanel(QWidget *parent, QPoint at, int submitTop);

// The multi-choice answer from the ticked boxes, in the order A to E.
QString tickedAnswer(const AnswerPanel &panel);
// Shows the group that fits the question; the check boxes of a multi-choice question are
// unticked, those of a hidden group keep their state.
void showGroupFor(const AnswerPanel &panel, bool multiChoice);
// The keyboard of a question: A–E answer (single) or tick (multi), Return or Enter submits a
// multi-choice answer. Returns whether the key was taken.
bool answerKey(const AnswerPanel &panel, int key);

// The keys of a question window: those of answerKey(), and PageUp/PageDown for the previous
// and next question. Returns whether the key was taken.
bool questionKey(const AnswerPanel &panel, QKeyEvent *event, QPushButton *previous, QPushButton *next);

// A press on an answer card (a double-click's second press counts as a press): the button and
// the point in the card's viewport, or nothing for any other event.
struct CardPress {
    Qt::MouseButton button;
    QPoint pos;
};
std::optional<CardPress> cardPress(QEvent *event);

// A push button of the windows; Return is left to the window (it submits an answer).
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry);
using ui::pixelFont;
// "宋体" where it is installed, else the Song (serif) face of Noto CJK.
const QStringList &songTi();

} // namespace practice
