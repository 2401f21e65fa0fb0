#include "practice/answer_card.h"

namespace practice {

void AnswerCard::fill()
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            if (m_last >= m_count)
                break; // the rest of this row stays as it is
            ++m_last;
            m_cells[r * kColumns + c] = QString::number(m_last);
        }
}

bool AnswerCard::nextPage()
{
    if (m_last >= m_count)
        return false;
    m_cells.fill(QString());
    fill();
    return true;
}

bool AnswerCard::previousPage()
{
    if (m_last <= kPageSize)
        return false;
    const int rest = m_last % kPageSize;
    m_last -= rest == 0 ? 2 * kPageSize : rest + kPageSize;
    fill(); // the page before a shown page is always full: every cell is written again
    return true;
}

QString questionLine(int number, const QString &text)
{
    return QStringLiteral("第") + QString::number(number) + QStringLiteral("题：  ") + text;
}

QString explanationText(const QString &correct, const QString &explanation)
{
    return QStringLiteral("正确答案：") + correct + QLatin1Char('\r') + explanation;
}

QString noteForStore(const QString &editorText)
{
    QString text = editorText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString noteForEditor(const QString &stored)
{
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace practice
