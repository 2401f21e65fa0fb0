#include "practice/exam_logic.h"

#include <chrono>

namespace practice {

int grade(const QVector<GradedQuestion> &paper)
{
    int score = 0;
    for (const GradedQuestion &q : paper)
        if (answeredRight(q))
            score += q.multiChoice ? 2 : 1;
    return score;
}

QString resultMessage(int score)
{
    if (passed(score))
        return QStringLiteral("恭喜，您本次考了") + QString::number(score) + QStringLiteral("分,，成绩及格，考试顺利通过！");
    return QStringLiteral("很遗憾，您本次考了") + QString::number(score) + QStringLiteral("分，没有通过考试！");
}

QString clockText(int secondsLeft)
{
    const int hours = secondsLeft / 3600;
    const int minutes = (secondsLeft / 60) % 60;
    const int seconds = secondsLeft % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

QString reviewCellText(int number, bool right)
{
    return right ? QString::number(number) : QString::number(number) + QStringLiteral("错");
}

DrawSource::DrawSource()
    : m_generator(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

} // namespace practice
