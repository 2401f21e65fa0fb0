#include "store/database.h"

#include "store/rnd.h"
#include "store/schema.h"

#include <QCollator>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace store {

namespace {

constexpr int kBusyTimeoutMs = 8000;

void rndFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    switch (sqlite3_value_numeric_type(argv[0])) {
    case SQLITE_INTEGER:
        sqlite3_result_double(ctx, rnd(static_cast<std::int64_t>(sqlite3_value_int64(argv[0]))));
        break;
    case SQLITE_FLOAT:
        sqlite3_result_double(ctx, rnd(sqlite3_value_double(argv[0])));
        break;
    default:
        sqlite3_result_double(ctx, 0.0);
        break;
    }
}

// contains(text, word): whether the text holds the word, ignoring the case of ASCII letters; the
// same answer as "text like '%word%'" for a word without wildcards, without LIKE's decoding of
// every character. Valid UTF-8 never has ASCII bytes inside a multi-byte character, so comparing
// bytes is comparing characters.
void containsFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *text = sqlite3_value_text(argv[0]);
    const int textLength = sqlite3_value_bytes(argv[0]);
    const auto *word = sqlite3_value_text(argv[1]);
    const int wordLength = sqlite3_value_bytes(argv[1]);
    if (wordLength == 0) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    const auto isLetter = [](unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; };
    if (std::none_of(word, word + wordLength, isLetter)) {
        // No letters to fold (Chinese, digits): a plain byte search.
        sqlite3_result_int(ctx, memmem(text, size_t(textLength), word, size_t(wordLength)) != nullptr);
        return;
    }
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c | 0x20 : c; };
    const unsigned char first = fold(word[0]);
    for (int i = 0; i + wordLength <= textLength; ++i) {
        if (fold(text[i]) != first)
            continue;
        int k = 1;
        while (k < wordLength && fold(text[i + k]) == fold(word[k]))
            ++k;
        if (k == wordLength) {
            sqlite3_result_int(ctx, 1);
            return;
        }
    }
    sqlite3_result_int(ctx, 0);
}

// Chinese text in the order a reader expects: pinyin order for Han characters,
// numbers compared by value ("第2章" before "第10章").
int zhCollation(void *collator, int lenA, const void *a, int lenB, const void *b)
{
    const auto *c = static_cast<const QCollator *>(collator);
    return c->compare(QString::fromUtf8(static_cast<const char *>(a), lenA),
                      QString::fromUtf8(static_cast<const char *>(b), lenB));
}

void deleteCollator(void *collator)
{
    delete static_cast<QCollator *>(collator);
}

QString engineText(sqlite3 *db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
}

} // namespace

Database::Database(QString path) : m_path(std::move(path)) {}

Database::~Database()
{
    close();
}

void Database::setPath(const QString &path)
{
    close();
    m_path = path;
}

void Database::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

sqlite3 *Database::handle()
{
    if (!m_db)
        open();
    return m_db;
}

QString Database::describe(const QString &what) const
{
    const QString shown = m_path.isEmpty()
        ? QStringLiteral("(未指定)")
        : QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath());
    return QStringLiteral("题库文件“%1”出错：%2").arg(shown, what);
}

void Database::fail(const QString &what) const
{
    throw StoreError(describe(what));
}

void Database::failSqlite(int code, const char *sqliteMessage) const
{
    const QString engine = QString::fromUtf8(sqliteMessage ? sqliteMessage : "");
    QString what;
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        what = QStringLiteral("这不是一个题库文件（文件格式不对或已损坏）。");
        break;
    case SQLITE_CORRUPT:
        what = QStringLiteral("文件已损坏。");
        break;
    case SQLITE_READONLY:
        what = QStringLiteral("文件是只读的，答题记录、笔记和收藏无法保存。");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        what = QStringLiteral("文件正被另一个程序使用，请稍后再试。");
        break;
    case SQLITE_FULL:
        what = QStringLiteral("磁盘已满，无法写入。");
        break;
    case SQLITE_CANTOPEN:
        what = QStringLiteral("无法打开文件（没有访问权限或文件夹不可写）。");
        break;
    case SQLITE_IOERR:
        what = QStringLiteral("读写文件时出错（%1）。").arg(engine);
        break;
    default:
        what = QStringLiteral("数据库出错：%1").arg(engine);
        break;
    }
    fail(what);
}

void Database::open()
{
    if (m_path.isEmpty())
        fail(QStringLiteral("没有指定题库文件。"));
    const QFileInfo info(m_path);
    if (!info.exists())
        fail(QStringLiteral("文件不存在。请确认程序所在目录的 gdiplus 文件夹中有 aqks.dll，"
                            "或用 --bank 指定题库文件。"));
    if (!info.isFile())
        fail(QStringLiteral("这不是一个文件。"));

    sqlite3 *db = nullptr;
    // Read-write, never create: a missing or foreign file must not become an empty bank.
    const int rc = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3 *)> guard(db, sqlite3_close_v2);
    if (rc != SQLITE_OK)
        failSqlite(rc, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    if (sqlite3_db_readonly(db, "main") == 1)
        failSqlite(SQLITE_READONLY, nullptr);

    sqlite3_create_function_v2(db, "Rnd", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               rndFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "contains", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                               nullptr, containsFunction, nullptr, nullptr, nullptr);
    auto *collator = new QCollator(QLocale(QLocale::Chinese, QLocale::China));
    collator->setNumericMode(true);
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    sqlite3_create_collation_v2(db, "zh", SQLITE_UTF8, collator, zhCollation, deleteCollator);

    // Every table of a bank must be there; the first read also tells a foreign file apart.
    sqlite3_stmt *stmt = nullptr;
    int prc = sqlite3_prepare_v2(db, "select name from sqlite_master where type='table'", -1,
                                 &stmt, nullptr);
    if (prc != SQLITE_OK)
        failSqlite(prc, sqlite3_errmsg(db));
    QStringList present;
    while ((prc = sqlite3_step(stmt)) == SQLITE_ROW)
        present << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)))
                       .toLower();
    sqlite3_finalize(stmt);
    if (prc != SQLITE_DONE)
        failSqlite(prc, sqlite3_errmsg(db));
    QStringList missing;
    for (const QString &t : requiredTables())
        if (!present.contains(t.toLower()))
            missing << t;
    if (!missing.isEmpty())
        fail(QStringLiteral("缺少数据表 %1，这不是本程序的题库文件。").arg(missing.join(QStringLiteral("、"))));

    // A search reads every question of a subject: map the file rather than copy it page by page.
    sqlite3_exec(db, "PRAGMA mmap_size=268435456; PRAGMA cache_size=-16384", nullptr, nullptr, nullptr);
    char *err = nullptr;
    const int wrc = sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, &err);
    if (wrc != SQLITE_OK) {
        const QByteArray msg(err ? err : "");
        sqlite3_free(err);
        failSqlite(wrc, msg.constData());
    }
    m_db = guard.release();
}

void Database::exec(const QString &sql)
{
    sqlite3 *db = handle();
    char *err = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const QByteArray msg(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        failSqlite(rc, msg.constData());
    }
}

int Database::changes()
{
    return sqlite3_changes(handle());
}

qint64 Database::lastInsertRowid()
{
    return sqlite3_last_insert_rowid(handle());
}

void Database::createBank(const QString &path)
{
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("题库文件“%1”已经存在。").arg(QDir::toNativeSeparators(path)));
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3 *)> guard(db, sqlite3_close_v2);
    if (rc != SQLITE_OK)
        throw StoreError(QStringLiteral("无法创建题库文件“%1”：%2")
                             .arg(QDir::toNativeSeparators(path), engineText(db)));
    char *err = nullptr;
    const QByteArray sql = schemaSql().toUtf8();
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
        throw StoreError(QStringLiteral("无法创建题库文件“%1”：%2")
                             .arg(QDir::toNativeSeparators(path), msg));
    }
}

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_done && m_db.isOpen())
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.exec(QStringLiteral("COMMIT"));
    m_done = true;
}

Statement::Statement(Database &db, const QString &sql) : m_db(db)
{
    sqlite3 *h = db.handle();
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(h, text.constData(), int(text.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        const QByteArray msg(sqlite3_errmsg(h));
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        db.failSqlite(rc, msg.constData());
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::bind(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = value.toByteArray();
            rc = sqlite3_bind_blob(m_stmt, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDateTime: {
            const QByteArray t =
                value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        m_db.failSqlite(rc, sqlite3_errmsg(m_db.handle()));
}

int Statement::parameterCount() const
{
    return sqlite3_bind_parameter_count(m_stmt);
}

QString Statement::parameterName(int index) const
{
    const char *name = sqlite3_bind_parameter_name(m_stmt, index);
    return name ? QString::fromUtf8(name) : QString();
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.failSqlite(rc, sqlite3_errmsg(m_db.handle()));
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QVariant Statement::column(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)));
    }
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_stmt, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_stmt, column)));
    }
    default:
        return QVariant();
    }
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

} // namespace store
