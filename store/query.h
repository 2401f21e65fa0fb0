#pragma once

#include "store/database.h"
#include "store/statements.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace store {

// A query with a static snapshot of its result, as the windows use it.
//
// open() runs the statement and keeps every row in memory together with the row's identity in
// its table (rowid), so later writes elsewhere do not change what the query shows until it is
// opened again. The current row moves with first/next/prior/setRecNo and locate. An editable
// query (one over a single table) writes the current row back with edit/setField/post, by rowid,
// and the snapshot takes the new values; append/post adds a row.
class Query : public QObject {
    Q_OBJECT
public:
    explicit Query(Database &db, QObject *parent = nullptr);

    store::Database &database() const { return m_db; }

    // Closes the query and replaces its statement.
    void setSql(const Sql &sql);
    const Sql &sql() const { return m_sql; }
    // Binds a value to a named parameter (":Par"); the name is matched without regard to case.
    void setParam(const QString &name, const QVariant &value);

    void open();    // runs a statement that returns rows
    void execSql(); // runs a statement that returns none
    void close();
    bool isOpen() const { return m_open; }

    int recordCount() const { return int(m_rows.size()); }
    int recNo() const { return m_rows.isEmpty() ? 0 : m_current + 1; } // 1-based
    void setRecNo(int recNo); // clamped to the rows there are
    void first();
    void next(); // past the last row: eof() and the current row stays the last
    void prior();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return m_rows.isEmpty(); }

    // Moves to the first row whose column equals the value; returns whether one was found.
    bool locate(const QString &column, const QString &value, Qt::CaseSensitivity cs);

    int fieldCount() const { return int(m_columns.size()); }
    QString fieldName(int column) const { return m_columns.at(column); }
    int fieldIndex(const QString &name) const; // case-insensitive; -1 when missing
    QVariant cell(int row, int column) const { return m_rows.at(row).values.at(column); }

    // Reads of the current row by column name (any case). Throw StoreError when there is no
    // current row or no such column.
    QVariant value(const QString &column) const;
    QString asString(const QString &column) const; // null reads as ""
    bool asBool(const QString &column) const;      // null is an error
    qint64 asInt(const QString &column) const;

    void edit();
    void append();
    void setField(const QString &column, const QVariant &value);
    void post();   // writes the edited or appended row at once
    void cancel(); // drops pending changes
    bool isEditing() const { return m_state != State::Browse; }

signals:
    void opened();                  // a new snapshot (or none after close)
    void currentChanged(int row);   // 0-based row of the snapshot
    void rowChanged(int row);       // a posted row (values changed or appended)

private:
    enum class State { Browse, Edit, Insert };
    struct Row {
        qint64 rowid = 0;
        QVector<QVariant> values;
    };
    const Row &currentRow() const;
    int requireField(const QString &name) const;
    void moveTo(int row);
    void bindAll(Statement &st) const;
    QString quotedColumns(const QList<int> &columns) const;
    QList<int> allColumns() const;

    Database &m_db;
    Sql m_sql;
    QHash<QString, QVariant> m_params; // lower-case name without prefix
    bool m_open = false;
    QStringList m_columns;
    QVector<Row> m_rows;
    int m_current = 0;
    bool m_eof = true;
    bool m_bof = true;
    State m_state = State::Browse;
    QHash<int, QVariant> m_pending; // column index → new value
};

} // namespace store
