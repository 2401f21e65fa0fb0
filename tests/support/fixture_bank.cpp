#include "support/fixture_bank.h"

#include "store/database.h"

#include <QDir>

namespace {

// A connection of the test's own, opened for each call, so that a bank is never kept open
// behind the back of the code under test.
void run(const QString &path, const QString &sql, const QVariantList &args, QVariant *result)
{
    store::Database db(path);
    store::Statement st(db, sql);
    for (int i = 0; i < args.size(); ++i)
        st.bind(i + 1, args.at(i));
    if (st.step() && result)
        *result = st.column(0);
}

} // namespace

FixtureBank::FixtureBank() : m_path(QDir(m_dir.path()).filePath(QStringLiteral("aqks.dll")))
{
    store::Database::createBank(m_path);
}

qint64 FixtureBank::addQuestion(const QString &table, const QString &category, bool multi,
                                const QString &answer, const QString &text, qint64 id)
{
    if (id == 0)
        id = scalar(QStringLiteral("select coalesce(max(ID),0)+1 from %1").arg(table)).toLongLong();
    const QString tm = text.isEmpty() ? QStringLiteral("%1 %2\nA．甲\nB．乙\nC．丙\nD．丁").arg(category).arg(id) : text;
    exec(QStringLiteral("insert into %1 (ID,lb,tm,dx,ZQda,xzda,jx,bj,sc) values (?,?,?,?,?,'',?,'',0)").arg(table),
         {id, category, tm, multi ? 1 : 0, answer, QStringLiteral("解析 %1").arg(id)});
    return id;
}

void FixtureBank::addQuestions(const QString &table, const QString &category, int count, bool multi,
                               const QString &answer)
{
    store::Database db(m_path);
    store::Transaction tx(db);
    store::Statement next(db, QStringLiteral("select coalesce(max(ID),0)+1 from %1").arg(table));
    next.step();
    qint64 id = next.column(0).toLongLong();
    store::Statement st(db, QStringLiteral("insert into %1 (ID,lb,tm,dx,ZQda,xzda,jx,bj,sc) values (?,?,?,?,?,'',?,'',0)").arg(table));
    for (int i = 0; i < count; ++i, ++id) {
        st.bind(1, id);
        st.bind(2, category);
        st.bind(3, QStringLiteral("%1 %2\nA．甲\nB．乙\nC．丙\nD．丁").arg(category).arg(id));
        st.bind(4, multi ? 1 : 0);
        st.bind(5, answer);
        st.bind(6, QStringLiteral("解析 %1").arg(id));
        st.step();
        st.reset();
    }
    tx.commit();
}

void FixtureBank::exec(const QString &sql, const QVariantList &args)
{
    run(m_path, sql, args, nullptr);
}

QVariant FixtureBank::scalar(const QString &sql, const QVariantList &args)
{
    QVariant v;
    run(m_path, sql, args, &v);
    return v;
}
