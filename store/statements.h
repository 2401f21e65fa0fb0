#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

namespace store {

// One statement of the program: its text, the values bound to its "?" placeholders, and, for a
// result that can be written back, the table its rows belong to. An editable statement yields
// the row identity first, as the column "qz_rowid", which the query keeps out of sight.
struct Sql {
    QString text;
    QVariantList args;
    QString table;
};

// The four subjects by their index (the absolute index of their chapter item in the tree).
enum class Subject { Law = 1, Management = 2, Technology = 3, Cases = 4 };

std::optional<Subject> subjectFromIndex(int index);
QString tableName(Subject subject);

// Every statement the program runs. User text (a category, a keyword) is always bound, never
// spliced into the text; a table name comes only from Subject.
namespace sql {

// One row per category of the subject: lb and its number of questions tmsl, in reading order.
Sql categoryList(Subject subject);
// The questions of one category, single-choice before multi-choice, each group in stored order.
Sql practiceQuestions(Subject subject, const QString &category);
// Questions whose text or explanation contains the word ("%" and "_" keep their LIKE meaning).
Sql searchQuestions(Subject subject, const QString &word);
// Questions whose note contains the word.
Sql searchNotes(Subject subject, const QString &word);
// The favourite questions.
Sql favourites(Subject subject);

// Empties the exam table.
Sql clearExam();
// Copies `count` questions of one kind into the exam table, in the random order Rnd(-ID*k)
// (k = 0: stored order).
Sql drawRandomQuestions(Subject subject, bool multiChoice, int k, int count);
// Copies a past paper (every question of the category) into the exam table, in stored order.
Sql copyPastPaper(Subject subject, const QString &category);
// The rows of the exam table in the order they were copied in (for numbering them).
Sql examRows();
// The exam paper by question number (ID), as the exam window shows it.
Sql examPaper();
// The exam results, opened to append one.
Sql examResults();

// The guide: first-level headings, the rows under one heading (":Par"), all rows.
Sql guideHeadings();
Sql guideTopics();
Sql guideAll();

} // namespace sql

} // namespace store
