#include "store/statements.h"

namespace store {

std::optional<Subject> subjectFromIndex(int index)
{
    if (index >= 1 && index <= 4)
        return static_cast<Subject>(index);
    return std::nullopt;
}

QString tableName(Subject subject)
{
    switch (subject) {
    case Subject::Law:
        return QStringLiteral("aqfg");
    case Subject::Management:
        return QStringLiteral("aqgl");
    case Subject::Technology:
        return QStringLiteral("aqjs");
    case Subject::Cases:
        return QStringLiteral("alfx");
    }
    return QStringLiteral("aqfg");
}

namespace sql {

namespace {

// The columns of a question, as the exam table receives them from a subject table.
const QString kQuestionColumns = QStringLiteral("ID,lb,tm,dx,ZQda,xzda,jx,bj,sc");

Sql editable(const QString &table, const QString &rest, QVariantList args = {})
{
    return Sql{QStringLiteral("select rowid as qz_rowid,* from %1%2").arg(table, rest),
               std::move(args), table};
}

} // namespace

Sql categoryList(Subject subject)
{
    return Sql{QStringLiteral("select lb,count(*) as tmsl from %1 group by lb order by lb collate zh")
                   .arg(tableName(subject)),
               {}, {}};
}

Sql practiceQuestions(Subject subject, const QString &category)
{
    // dx is stored 0/1: ascending puts single-choice first; rowid keeps stored order in a group.
    return editable(tableName(subject), QStringLiteral(" where lb=? order by dx,rowid"), {category});
}

namespace {

// A word with "%" or "_" is a LIKE pattern; any other word is looked for as it stands, with
// contains(), which gives the same rows as like '%word%' and is several times faster.
bool hasWildcards(const QString &word)
{
    return word.contains(QLatin1Char('%')) || word.contains(QLatin1Char('_'));
}

} // namespace

Sql searchQuestions(Subject subject, const QString &word)
{
    return editable(tableName(subject),
                    hasWildcards(word)
                        ? QStringLiteral(" where tm like '%'||?1||'%' or jx like '%'||?1||'%' order by rowid")
                        : QStringLiteral(" where contains(tm,?1) or contains(jx,?1) order by rowid"),
                    {word});
}

Sql searchNotes(Subject subject, const QString &word)
{
    return editable(tableName(subject),
                    hasWildcards(word) ? QStringLiteral(" where bj like '%'||?||'%' order by rowid")
                                       : QStringLiteral(" where contains(bj,?) order by rowid"),
                    {word});
}

Sql favourites(Subject subject)
{
    return editable(tableName(subject), QStringLiteral(" where sc<>0 order by rowid"));
}

Sql clearExam()
{
    return Sql{QStringLiteral("delete from ks"), {}, {}};
}

Sql drawRandomQuestions(Subject subject, bool multiChoice, int k, int count)
{
    return Sql{QStringLiteral("insert into ks (%1) select %1 from %2 where dx=? "
                              "order by Rnd(-ID*?),rowid limit ?")
                   .arg(kQuestionColumns, tableName(subject)),
               {multiChoice ? 1 : 0, k, count},
               {}};
}

Sql copyPastPaper(Subject subject, const QString &category)
{
    return Sql{QStringLiteral("insert into ks (%1) select %1 from %2 where lb=? order by rowid")
                   .arg(kQuestionColumns, tableName(subject)),
               {category},
               {}};
}

Sql examRows()
{
    return editable(QStringLiteral("ks"), QStringLiteral(" order by rowid"));
}

Sql examPaper()
{
    return editable(QStringLiteral("ks"), QStringLiteral(" order by ID,rowid"));
}

Sql examResults()
{
    return editable(QStringLiteral("KSCJ"), QStringLiteral(" order by rowid"));
}

Sql guideHeadings()
{
    return Sql{QStringLiteral("select fl1 from kszn group by fl1 order by fl1 collate zh"), {}, {}};
}

Sql guideTopics()
{
    return editable(QStringLiteral("kszn"), QStringLiteral(" where fl1=:Par order by rowid"));
}

Sql guideAll()
{
    return editable(QStringLiteral("kszn"), QStringLiteral(" order by rowid"));
}

} // namespace sql

} // namespace store
