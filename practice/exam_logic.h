#pragma once

#include <QString>
#include <QVector>

#include <random>

namespace practice {

// Exam rules: a paper of 70 single-choice and 15 multi-choice questions, one point for a right
// single-choice answer, two for a right multi-choice answer (no partial credit), 2:30:00 to answer,
// passed with more than 60 points.
constexpr int kExamSeconds = 9000;
constexpr int kPassAbove = 60;
constexpr int kRandomSingle = 70;
constexpr int kRandomMulti = 15;
constexpr int kExamCardColumns = 17;

// One question of a paper as it is graded.
struct GradedQuestion {
    bool multiChoice = false;
    QString correct; // ZQda
    QString given;   // xzda
};

// Right only when the two texts are equal letter for letter (an empty answer never matches a
// correct answer that is not empty).
inline bool answeredRight(const GradedQuestion &q) { return q.correct == q.given; }
int grade(const QVector<GradedQuestion> &paper);
inline bool passed(int score) { return score > kPassAbove; }
QString resultMessage(int score);

// The clock: "H:MM:SS" with hours unpadded ("2:29:59", "0:05:07").
QString clockText(int secondsLeft);

// The exam card: 17 cells to a row, question k in row (k - 1) / 17, column (k - 1) % 17.
inline int examCardRows(int questions) { return (questions + kExamCardColumns - 1) / kExamCardColumns; }
inline int examCellRow(int number) { return (number - 1) / kExamCardColumns; }
inline int examCellColumn(int number) { return (number - 1) % kExamCardColumns; }
inline int examCellNumber(int row, int column) { return kExamCardColumns * row + column + 1; }
// The text of a card cell after the review: the number, with "错" after it when the answer was wrong.
QString reviewCellText(int number, bool right);

// The two draw numbers of a random paper: whole numbers from 0 to 99, equally likely, from a
// generator seeded from the clock (or from a fixed seed, for tests).
class DrawSource {
public:
    DrawSource();
    explicit DrawSource(unsigned seed) : m_generator(seed) {}
    int next() { return m_distribution(m_generator); }

private:
    std::mt19937 m_generator;
    std::uniform_int_distribution<int> m_distribution{0, 99};
};

} // namespace practice
