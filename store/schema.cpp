#include "store/schema.h"

namespace store {

namespace {

QString subjectTable(const QString &name)
{
    // ID is the row identity of a subject table (positive, distinct, stored order).
    return QStringLiteral(
               "CREATE TABLE %1 (ID INTEGER PRIMARY KEY, lb TEXT NOT NULL DEFAULT '', tm TEXT, "
               "dx INTEGER NOT NULL DEFAULT 0, ZQda TEXT, xzda TEXT, jx TEXT, bj TEXT, "
               "sc INTEGER NOT NULL DEFAULT 0);\n"
               "CREATE INDEX %1_lb ON %1(lb);\n")
        .arg(name);
}

} // namespace

const QStringList &subjectTables()
{
    static const QStringList names{QStringLiteral("aqfg"), QStringLiteral("aqgl"),
                                   QStringLiteral("aqjs"), QStringLiteral("alfx")};
    return names;
}

const QStringList &requiredTables()
{
    static const QStringList names = subjectTables()
        + QStringList{QStringLiteral("ks"), QStringLiteral("KSCJ"), QStringLiteral("kszn")};
    return names;
}

QString schemaSql()
{
    QString sql;
    for (const QString &t : subjectTables())
        sql += subjectTable(t);
    // In the exam table ID is the question number: written by the numbering pass, not unique.
    sql += QStringLiteral(
        "CREATE TABLE ks (ID INTEGER, lb TEXT, tm TEXT, dx INTEGER NOT NULL DEFAULT 0, ZQda TEXT, "
        "xzda TEXT, jx TEXT, bj TEXT, sc INTEGER NOT NULL DEFAULT 0);\n"
        "CREATE TABLE KSCJ (KSRQ TEXT, KSkm TEXT, KSfs INTEGER);\n"
        "CREATE TABLE kszn (fl1 TEXT, fl2 TEXT, flxx TEXT);\n");
    return sql;
}

} // namespace store
