#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace bank {

// One question as written in the text source of the bank.
struct SourceQuestion {
    QString table;    // aqfg, aqgl, aqjs or alfx
    QString category; // lb
    bool multi = false;
    QString text;     // tm: the stem with its lettered options (and the case text, for a case)
    QString answer;   // ZQda
    QString explanation;
    QString file;
    int line = 0;     // where its @single / @multi stands
};

// One topic of the exam guide.
struct GuideRow {
    QString heading; // fl1
    QString topic;   // fl2
    QString text;    // flxx
    QString file;
    int line = 0;
};

struct SourceError {
    QString file;
    int line = 0;
    QString reason;
    QString toString() const; // "file:line: reason"
};

struct BankSource {
    QVector<SourceQuestion> questions; // in stored order per table
    QVector<GuideRow> guide;
    QVector<SourceError> errors;

    void readDirectory(const QString &dataDir); // data/<table>/*.qb, in file-name order
    void parseQuestions(const QString &table, const QString &file, const QString &content);
    void parseGuide(const QString &file, const QString &content);
    // Checks across questions: duplicates within a table, enough questions for a random paper,
    // the shape of a past paper.
    void validate();

    int count(const QString &table, const QString &category = {}, int multi = -1) const;
};

// True when the answer is in answer-letter form for its kind: upper case, in alphabetical order,
// no repeats or separators; one of A–D for single choice, letters of A–E for multi choice.
bool answerInForm(const QString &answer, bool multi, QString *why = nullptr);
// The option letters of a question text: the letters that start an option line ("A．…").
QString optionLetters(const QString &text);

// Writes a new bank file (replacing an older one at that path) holding the source.
void writeBank(const BankSource &source, const QString &path);

// The past-paper categories of each subject: 85 questions, 70 single-choice then 15 multi-choice.
const QStringList &pastPaperCategories(const QString &table);

} // namespace bank
