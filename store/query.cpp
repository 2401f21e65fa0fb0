#include "store/query.h"

#include <algorithm>
#include <utility>

namespace store {

namespace {
const QString kRowidColumn = QStringLiteral("qz_rowid");
}

Query::Query(Database &db, QObject *parent) : QObject(parent), m_db(db) {}

void Query::setSql(const Sql &sql)
{
    close();
    m_sql = sql;
}

void Query::setParam(const QString &name, const QVariant &value)
{
    QString key = name;
    if (key.startsWith(QLatin1Char(':')))
        key.remove(0, 1);
    m_params.insert(key.toLower(), value);
}

void Query::bindAll(Statement &st) const
{
    for (int i = 1; i <= st.parameterCount(); ++i) {
        const QString name = st.parameterName(i);
        if (name.startsWith(QLatin1Char(':')) || name.startsWith(QLatin1Char('@'))
            || name.startsWith(QLatin1Char('$'))) {
            const auto it = m_params.constFind(name.mid(1).toLower());
            if (it == m_params.cend())
                m_db.fail(QStringLiteral("语句的参数 %1 没有给出值。").arg(name));
            st.bind(i, it.value());
        } else {
            if (i > m_sql.args.size())
                m_db.fail(QStringLiteral("语句的第 %1 个参数没有给出值。").arg(i));
            st.bind(i, m_sql.args.at(i - 1));
        }
    }
}

void Query::open()
{
    close();
    Statement st(m_db, m_sql.text);
    bindAll(st);
    const bool withRowid = !m_sql.table.isEmpty() && st.columnCount() > 0
        && st.columnName(0).compare(kRowidColumn, Qt::CaseInsensitive) == 0;
    const int first = withRowid ? 1 : 0;
    QStringList columns;
    for (int c = first; c < st.columnCount(); ++c)
        columns << st.columnName(c);
    QVector<Row> rows;
    while (st.step()) {
        Row row;
        row.rowid = withRowid ? st.column(0).toLongLong() : 0;
        row.values.reserve(columns.size());
        for (int c = first; c < st.columnCount(); ++c)
            row.values.append(st.column(c));
        rows.append(std::move(row));
    }
    m_columns = std::move(columns);
    m_rows = std::move(rows);
    m_open = true;
    m_current = 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    if (!withRowid)
        m_sql.table.clear(); // a result without row identity is read-only
    emit opened();
    emit currentChanged(m_current);
}

void Query::execSql()
{
    Statement st(m_db, m_sql.text);
    bindAll(st);
    while (st.step()) {
    }
}

void Query::close()
{
    const bool wasOpen = m_open;
    m_open = false;
    m_columns.clear();
    m_rows.clear();
    m_current = 0;
    m_eof = m_bof = true;
    m_state = State::Browse;
    m_pending.clear();
    if (wasOpen)
        emit opened();
}

void Query::moveTo(int row)
{
    if (m_rows.isEmpty())
        return;
    row = std::clamp(row, 0, int(m_rows.size()) - 1);
    if (row != m_current && m_state != State::Browse)
        post(); // leaving a row with pending changes writes them to that row first
    const bool changed = row != m_current;
    m_current = row;
    if (changed)
        emit currentChanged(m_current);
}

void Query::setRecNo(int recNo)
{
    m_eof = m_bof = false;
    moveTo(recNo - 1);
}

void Query::first()
{
    moveTo(0);
    m_bof = true;
    m_eof = m_rows.isEmpty();
}

void Query::next()
{
    m_bof = false;
    if (m_current + 1 >= m_rows.size()) {
        m_eof = true;
        return;
    }
    m_eof = false;
    moveTo(m_current + 1);
}

void Query::prior()
{
    m_eof = false;
    if (m_current == 0) {
        m_bof = true;
        return;
    }
    m_bof = false;
    moveTo(m_current - 1);
}

bool Query::locate(const QString &column, const QString &value, Qt::CaseSensitivity cs)
{
    const int c = fieldIndex(column);
    if (c < 0)
        return false;
    for (int r = 0; r < m_rows.size(); ++r) {
        const QVariant &v = m_rows.at(r).values.at(c);
        if (!v.isNull() && v.toString().compare(value, cs) == 0) {
            m_eof = m_bof = false;
            moveTo(r);
            return true;
        }
    }
    return false;
}

int Query::fieldIndex(const QString &name) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns.at(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

int Query::requireField(const QString &name) const
{
    const int c = fieldIndex(name);
    if (c < 0)
        m_db.fail(QStringLiteral("查询结果中没有字段 %1。").arg(name));
    return c;
}

const Query::Row &Query::currentRow() const
{
    if (m_rows.isEmpty())
        m_db.fail(QStringLiteral("没有当前记录（查询结果为空）。"));
    return m_rows.at(m_current);
}

QVariant Query::value(const QString &column) const
{
    const int c = requireField(column);
    if (m_state != State::Browse) {
        const auto it = m_pending.constFind(c);
        if (it != m_pending.cend())
            return it.value();
        if (m_state == State::Insert)
            return QVariant();
    }
    return currentRow().values.at(c);
}

QString Query::asString(const QString &column) const
{
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

bool Query::asBool(const QString &column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        m_db.fail(QStringLiteral("字段 %1 为空，无法读作是/否。").arg(column));
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        if (s == QLatin1String("true"))
            return true;
        if (s == QLatin1String("false"))
            return false;
        bool ok = false;
        const qlonglong n = s.toLongLong(&ok);
        if (!ok)
            m_db.fail(QStringLiteral("字段 %1 的值“%2”不是是/否。").arg(column, v.toString()));
        return n != 0;
    }
    return v.toLongLong() != 0;
}

qint64 Query::asInt(const QString &column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        m_db.fail(QStringLiteral("字段 %1 为空，无法读作整数。").arg(column));
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok)
        m_db.fail(QStringLiteral("字段 %1 的值“%2”不是整数。").arg(column, v.toString()));
    return n;
}

void Query::edit()
{
    if (m_sql.table.isEmpty())
        m_db.fail(QStringLiteral("这个查询结果不能修改。"));
    currentRow();
    m_pending.clear();
    m_state = State::Edit;
}

void Query::append()
{
    if (m_sql.table.isEmpty())
        m_db.fail(QStringLiteral("这个查询结果不能添加记录。"));
    m_pending.clear();
    m_state = State::Insert;
}

void Query::setField(const QString &column, const QVariant &value)
{
    if (m_state == State::Browse)
        m_db.fail(QStringLiteral("记录不在编辑状态。"));
    m_pending.insert(requireField(column), value);
}

void Query::cancel()
{
    m_pending.clear();
    m_state = State::Browse;
}

QString Query::quotedColumns(const QList<int> &columns) const
{
    QStringList names;
    for (int c : columns)
        names << QStringLiteral("\"%1\"").arg(m_columns.at(c));
    return names.join(QLatin1Char(','));
}

QList<int> Query::allColumns() const
{
    QList<int> all;
    for (int c = 0; c < m_columns.size(); ++c)
        all << c;
    return all;
}

void Query::post()
{
    if (m_state == State::Browse)
        return;
    QList<int> cols = m_pending.keys();
    std::sort(cols.begin(), cols.end());
    const State state = m_state;
    // Leave editing whether or not the write succeeds: a failed post must not stay pending
    // and be written later by surprise.
    m_state = State::Browse;
    const QHash<int, QVariant> pending = std::exchange(m_pending, {});

    if (state == State::Edit) {
        if (cols.isEmpty())
            return;
        QStringList sets;
        for (int c : cols)
            sets << QStringLiteral("\"%1\"=?").arg(m_columns.at(c));
        Statement st(m_db, QStringLiteral("update %1 set %2 where rowid=?")
                               .arg(m_sql.table, sets.join(QLatin1Char(','))));
        int i = 1;
        for (int c : cols)
            st.bind(i++, pending.value(c));
        Row &row = m_rows[m_current];
        st.bind(i, row.rowid);
        st.step();
        if (m_db.changes() != 1)
            m_db.fail(QStringLiteral("要保存的记录已不在数据表 %1 中。").arg(m_sql.table));
        // Read the stored values back, so the snapshot shows what the file holds
        // (text written to a number column is kept as the number).
        Statement back(m_db, QStringLiteral("select %1 from %2 where rowid=?")
                                 .arg(quotedColumns(cols), m_sql.table));
        back.bind(1, row.rowid);
        if (back.step())
            for (int k = 0; k < cols.size(); ++k)
                row.values[cols[k]] = back.column(k);
        emit rowChanged(m_current);
    } else {
        const QString marks = QStringList(cols.size(), QStringLiteral("?")).join(QLatin1Char(','));
        const QString text = cols.isEmpty()
            ? QStringLiteral("insert into %1 default values").arg(m_sql.table)
            : QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(m_sql.table, quotedColumns(cols), marks);
        Statement st(m_db, text);
        int i = 1;
        for (int c : cols)
            st.bind(i++, pending.value(c));
        st.step();
        Row row;
        row.rowid = m_db.lastInsertRowid();
        row.values.resize(m_columns.size());
        Statement back(m_db, QStringLiteral("select %1 from %2 where rowid=?")
                                 .arg(quotedColumns(allColumns()), m_sql.table));
        back.bind(1, row.rowid);
        if (back.step())
            for (int c = 0; c < m_columns.size(); ++c)
                row.values[c] = back.column(c);
        m_rows.append(std::move(row));
        m_current = int(m_rows.size()) - 1;
        m_eof = m_bof = false;
        emit rowChanged(m_current);
        emit currentChanged(m_current);
    }
}

} // namespace store
