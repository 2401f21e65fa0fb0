#pragma once

#include <QString>

#include <array>

namespace practice {

// The answer card of the practice window: 5 columns by 10 rows, fifty numbers to a page.
//
// last() is the highest number written on the page now shown (0 before the first fill) and
// count() the number of questions. Page p shows 50p + 5r + c + 1 in the cell of row r and
// column c, as long as that number is at most count(); cells past it are empty.
class AnswerCard {
public:
    static constexpr int kColumns = 5;
    static constexpr int kRows = 10;
    static constexpr int kPageSize = kColumns * kRows;

    explicit AnswerCard(int count = 0) : m_count(count) {}

    int last() const { return m_last; }
    int count() const { return m_count; }
    const QString &cell(int row, int column) const { return m_cells[row * kColumns + column]; }

    // Writes the following numbers into the cells from the top left, as long as there are
    // numbers left; cells it does not reach keep what they hold.
    void fill();
    // The next page, if the page shown is not the last; returns whether it turned.
    bool nextPage();
    // The page before the one shown; returns false (and changes nothing) on the first page.
    bool previousPage();

    // Row and column of a question number's cell, whichever page is shown.
    static int rowOf(int number) { return ((number - 1) / kColumns) % kRows; }
    static int columnOf(int number) { return (number - 1) % kColumns; }

private:
    int m_count = 0;
    int m_last = 0;
    std::array<QString, kPageSize> m_cells;
};

// "第" + number + "题：  " + question text: the question line of the practice window.
QString questionLine(int number, const QString &text);
// The explanation: "正确答案：", the answer, a line break and the explanation text.
QString explanationText(const QString &correct, const QString &explanation);
// A note as the bank keeps it (lines separated by CR LF) and as an editor shows it (LF).
QString noteForStore(const QString &editorText);
QString noteForEditor(const QString &stored);

} // namespace practice
