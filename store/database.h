#pragma once

#include "store/store_error.h"

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// The one connection to the question bank file.
//
// The file is opened read-write and never created: a missing file stays missing and is reported.
// The connection opens with the first statement that needs it; after a failure the next statement
// tries again. Opening switches the file to WAL with a busy timeout, so that two copies of the
// program can work on one bank, and checks that the file holds every table of a question bank.
class Database {
public:
    explicit Database(QString path = {});
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void setPath(const QString &path); // closes the connection
    const QString &path() const { return m_path; }

    sqlite3 *handle(); // opens on first use; throws StoreError
    bool isOpen() const { return m_db != nullptr; }
    void close();

    // Runs statements that return no rows (the text may hold several).
    void exec(const QString &sql);

    int changes();            // rows changed by the last statement
    qint64 lastInsertRowid();

    // Creates a new, empty question bank with every table; fails if the file exists.
    static void createBank(const QString &path);

    // Text of an error about this bank file, in the program's language.
    QString describe(const QString &what) const;
    [[noreturn]] void fail(const QString &what) const;
    [[noreturn]] void failSqlite(int code, const char *sqliteMessage) const;

private:
    void open();
    QString m_path;
    sqlite3 *m_db = nullptr;
};

// A write transaction: BEGIN IMMEDIATE on creation, COMMIT on commit(), ROLLBACK when it is
// destroyed uncommitted (a failure half-way leaves the file as it was).
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &m_db;
    bool m_done = false;
};

// One prepared statement (RAII over sqlite3_stmt).
class Statement {
public:
    Statement(Database &db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const QVariant &value); // 1-based
    int parameterCount() const;
    QString parameterName(int index) const; // with its prefix (":Par"); empty for "?"

    bool step(); // true: a row is there; false: done
    int columnCount() const;
    QString columnName(int column) const;
    QVariant column(int column) const;
    void reset();

private:
    Database &m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

} // namespace store
