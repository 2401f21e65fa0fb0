#include "store/database.h"
#include "store/query.h"
#include "store/rnd.h"
#include "store/statements.h"
#include "support/fixture_bank.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using store::Query;
using store::Subject;
namespace sql = store::sql;

class TestStore : public QObject {
    Q_OBJECT

private slots:
    void snapshotDoesNotFollowLaterWrites()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("第1章"), 3, false, QStringLiteral("B"));
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::practiceQuestions(Subject::Law, QStringLiteral("第1章")));
        q.open();
        QCOMPARE(q.recordCount(), 3);
        bank.exec(QStringLiteral("update aqfg set bj='外部修改' where ID=1"));
        bank.exec(QStringLiteral("delete from aqfg where ID=3"));
        QCOMPARE(q.asString(QStringLiteral("bj")), QString());
        QCOMPARE(q.recordCount(), 3);
        q.open(); // a new snapshot sees both changes
        QCOMPARE(q.recordCount(), 2);
        QCOMPARE(q.asString(QStringLiteral("bj")), QStringLiteral("外部修改"));
    }

    void movesRecordNumberAndEnds()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqgl"), QStringLiteral("c"), 3, false);
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::practiceQuestions(Subject::Management, QStringLiteral("c")));
        q.open();
        QCOMPARE(q.recNo(), 1);
        q.prior();
        QVERIFY(q.bof());
        QCOMPARE(q.recNo(), 1);
        q.next();
        q.next();
        QCOMPARE(q.recNo(), 3);
        QVERIFY(!q.eof());
        q.next();
        QVERIFY(q.eof());
        QCOMPARE(q.recNo(), 3); // stays on the last row
        q.setRecNo(2);
        QCOMPARE(q.asInt(QStringLiteral("id")), 2);
        q.setRecNo(99); // beyond the end: the last row
        QCOMPARE(q.recNo(), 3);

        Query empty(db);
        empty.setSql(sql::practiceQuestions(Subject::Management, QStringLiteral("无此类别")));
        empty.open();
        QVERIFY(empty.eof());
        QCOMPARE(empty.recNo(), 0);
        QVERIFY_THROWS_EXCEPTION(store::StoreError, empty.asString(QStringLiteral("tm")));
    }

    void postWritesTheRowReadEvenWithEqualIds()
    {
        FixtureBank bank;
        // Two exam rows carrying the same copied ID, as during the numbering pass.
        bank.exec(QStringLiteral("insert into ks (ID,lb,tm,dx,ZQda) values (7,'x','first',0,'A')"));
        bank.exec(QStringLiteral("insert into ks (ID,lb,tm,dx,ZQda) values (7,'x','second',0,'B')"));
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::examRows());
        q.open();
        q.setRecNo(2);
        q.edit();
        q.setField(QStringLiteral("id"), QStringLiteral("1")); // text into a number column
        q.setField(QStringLiteral("XZDA"), QStringLiteral("C"));
        q.post();
        QCOMPARE(q.value(QStringLiteral("ID")).typeId(), QMetaType::LongLong);
        QCOMPARE(q.asInt(QStringLiteral("Id")), 1);
        QCOMPARE(bank.scalar(QStringLiteral("select ID from ks where tm='first'")).toInt(), 7);
        QCOMPARE(bank.scalar(QStringLiteral("select ID from ks where tm='second'")).toInt(), 1);
        QCOMPARE(bank.scalar(QStringLiteral("select typeof(ID) from ks where tm='second'")).toString(),
                 QStringLiteral("integer"));
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from ks where tm='second'")).toString(),
                 QStringLiteral("C"));
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from ks where tm='first'")), QVariant());

        // Empty text clears a text column; the current row stays current.
        q.edit();
        q.setField(QStringLiteral("xzda"), QString(""));
        q.post();
        QCOMPARE(q.recNo(), 2);
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from ks where tm='second'")).toString(), QString());
        QCOMPARE(q.asString(QStringLiteral("xzda")), QString());
    }

    void postOfARowDeletedMeanwhileIsAnError()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 1, false);
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::practiceQuestions(Subject::Law, QStringLiteral("c")));
        q.open();
        bank.exec(QStringLiteral("delete from aqfg"));
        q.edit();
        q.setField(QStringLiteral("bj"), QStringLiteral("note"));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, q.post());
        QVERIFY(!q.isEditing()); // nothing stays pending
    }

    void pendingEditsArePostedOnMoveAndDroppedOnClose()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 3, false);
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::practiceQuestions(Subject::Law, QStringLiteral("c")));
        q.open();
        q.edit();
        q.setField(QStringLiteral("bj"), QStringLiteral("第一题的笔记"));
        QCOMPARE(q.asString(QStringLiteral("bj")), QStringLiteral("第一题的笔记")); // pending value reads back
        q.next();
        QVERIFY(!q.isEditing());
        QCOMPARE(bank.scalar(QStringLiteral("select bj from aqfg where ID=1")).toString(), QStringLiteral("第一题的笔记"));
        QCOMPARE(bank.scalar(QStringLiteral("select bj from aqfg where ID=2")).toString(), QString());

        q.edit();
        q.setField(QStringLiteral("bj"), QStringLiteral("丢弃"));
        q.setSql(sql::practiceQuestions(Subject::Law, QStringLiteral("c"))); // a new search
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from aqfg where bj='丢弃'")).toInt(), 0);
    }

    void appendAddsARow()
    {
        FixtureBank bank;
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::examResults());
        q.open();
        QCOMPARE(q.recordCount(), 0);
        q.append();
        q.setField(QStringLiteral("KSRQ"), QStringLiteral("2026-12-11 10:00:00"));
        q.setField(QStringLiteral("kskm"), QString(""));
        q.setField(QStringLiteral("KSfs"), 87);
        q.post();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.asInt(QStringLiteral("ksfs")), 87);
        QCOMPARE(bank.scalar(QStringLiteral("select KSfs from KSCJ")).toInt(), 87);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from KSCJ")).toInt(), 1);
    }

    void namesAndParametersIgnoreCase()
    {
        FixtureBank bank;
        bank.exec(QStringLiteral("insert into kszn (fl1,fl2,flxx) values ('考试','科目','正文一')"));
        bank.exec(QStringLiteral("insert into kszn (fl1,fl2,flxx) values ('考试','Time','正文二')"));
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::guideTopics());
        q.setParam(QStringLiteral("par"), QStringLiteral("考试"));
        q.open();
        QCOMPARE(q.recordCount(), 2);
        QCOMPARE(q.asString(QStringLiteral("FLXX")), QStringLiteral("正文一"));
        QVERIFY(q.locate(QStringLiteral("fl2"), QStringLiteral("time"), Qt::CaseInsensitive));
        QCOMPARE(q.asString(QStringLiteral("flxx")), QStringLiteral("正文二"));
        q.first();
        QVERIFY(!q.locate(QStringLiteral("fl2"), QStringLiteral("time"), Qt::CaseSensitive));
        QVERIFY(q.locate(QStringLiteral("fl2"), QStringLiteral("Time"), Qt::CaseSensitive));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, q.asString(QStringLiteral("nosuch")));
    }

    void singleChoiceComesFirstInStoredOrder()
    {
        FixtureBank bank;
        const QString c = QStringLiteral("第2章");
        bank.addQuestion(QStringLiteral("aqjs"), c, true, QStringLiteral("AB"));  // 1
        bank.addQuestion(QStringLiteral("aqjs"), c, false, QStringLiteral("A")); // 2
        bank.addQuestion(QStringLiteral("aqjs"), c, true, QStringLiteral("AB"));  // 3
        bank.addQuestion(QStringLiteral("aqjs"), c, false, QStringLiteral("A")); // 4
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::practiceQuestions(Subject::Technology, c));
        q.open();
        QList<int> ids;
        for (int r = 0; r < q.recordCount(); ++r)
            ids << q.cell(r, q.fieldIndex(QStringLiteral("ID"))).toInt();
        QCOMPARE(ids, (QList<int>{2, 4, 1, 3}));
        QVERIFY(!q.asBool(QStringLiteral("dx")));
        q.setRecNo(3);
        QVERIFY(q.asBool(QStringLiteral("DX")));
    }

    void categoryListCountsInReadingOrder()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("第10章 其他"), 2, false);
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("第2章 安全生产法"), 5, false);
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("第2章 安全生产法"), 1, true);
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("第1章 基础"), 3, false);
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::categoryList(Subject::Law));
        q.open();
        QCOMPARE(q.recordCount(), 3);
        QStringList names;
        QList<int> counts;
        for (int r = 0; r < q.recordCount(); ++r) {
            names << q.cell(r, 0).toString();
            counts << q.cell(r, 1).toInt();
        }
        QCOMPARE(names, (QStringList{QStringLiteral("第1章 基础"), QStringLiteral("第2章 安全生产法"),
                                     QStringLiteral("第10章 其他")}));
        QCOMPARE(counts, (QList<int>{3, 6, 2}));
        QCOMPARE(q.fieldName(1), QStringLiteral("tmsl"));

        Query empty(db);
        empty.setSql(sql::categoryList(Subject::Cases));
        empty.open();
        QCOMPARE(empty.recordCount(), 0);
    }

    void rndIsAFixedSpreadOfItsArgument()
    {
        QCOMPARE(store::rnd(std::int64_t(0)), 0.0);
        QSet<double> seen;
        for (std::int64_t a = -1; a >= -5000; --a) {
            const double v = store::rnd(a);
            QVERIFY(v >= 0.0 && v < 1.0);
            QCOMPARE(store::rnd(a), v);
            seen.insert(v);
        }
        QCOMPARE(seen.size(), 5000);
        QCOMPARE(store::rnd(-42.0), store::rnd(std::int64_t(-42)));
        // Spread: the mean of many keys lies near 1/2.
        double sum = 0;
        for (std::int64_t a = 1; a <= 10000; ++a)
            sum += store::rnd(-a * 37);
        QVERIFY(std::abs(sum / 10000 - 0.5) < 0.02);
    }

    void randomDrawIsFixedByKAndStoredOrderForZero()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqgl"), QStringLiteral("c"), 40, false);
        bank.addQuestions(QStringLiteral("aqgl"), QStringLiteral("c"), 10, true, QStringLiteral("AB"));
        store::Database db(bank.path());
        auto draw = [&](int k, bool multi, int n) {
            Query run(db);
            run.setSql(sql::clearExam());
            run.execSql();
            run.setSql(sql::drawRandomQuestions(Subject::Management, multi, k, n));
            run.execSql();
            Query paper(db);
            paper.setSql(sql::examRows());
            paper.open();
            QList<int> ids;
            for (int r = 0; r < paper.recordCount(); ++r)
                ids << paper.cell(r, paper.fieldIndex(QStringLiteral("ID"))).toInt();
            return ids;
        };
        QList<int> first20;
        for (int i = 1; i <= 20; ++i)
            first20 << i;
        QCOMPARE(draw(0, false, 20), first20);
        const QList<int> k7 = draw(7, false, 20);
        QCOMPARE(k7.size(), 20);
        QCOMPARE(draw(7, false, 20), k7);
        QVERIFY(k7 != first20);
        QVERIFY(draw(8, false, 20) != k7);
        for (int id : k7)
            QVERIFY(id >= 1 && id <= 40);
        QCOMPARE(QSet<int>(k7.begin(), k7.end()).size(), 20);
        // Fewer matching rows than asked: all of them.
        const QList<int> multi = draw(3, true, 15);
        QCOMPARE(multi.size(), 10);
        for (int id : multi)
            QVERIFY(id > 40);
    }

    void userTextNeverChangesAStatement_data()
    {
        QTest::addColumn<QString>("category");
        QTest::newRow("double quote") << QStringLiteral("第\"1\"章");
        QTest::newRow("single quote") << QStringLiteral("It's");
        QTest::newRow("statement end") << QStringLiteral("a; delete from aqfg");
        QTest::newRow("comment") << QStringLiteral("b -- c");
        QTest::newRow("percent") << QStringLiteral("100%");
    }

    void userTextNeverChangesAStatement()
    {
        QFETCH(QString, category);
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), category, 2, false);
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("other"), 3, false);
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::practiceQuestions(Subject::Law, category));
        q.open();
        QCOMPARE(q.recordCount(), 2);
        QCOMPARE(q.asString(QStringLiteral("lb")), category);
        Query s(db);
        s.setSql(sql::searchQuestions(Subject::Law, category));
        s.open();
        QCOMPARE(s.recordCount(), 2);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from aqfg")).toInt(), 5);
    }

    void likeWildcardsKeepTheirMeaning()
    {
        FixtureBank bank;
        bank.addQuestion(QStringLiteral("aqfg"), QStringLiteral("c"), false, QStringLiteral("A"),
                         QStringLiteral("特种设备安全法规定……\nA．一\nB．二\nC．三\nD．四"));
        bank.addQuestion(QStringLiteral("aqfg"), QStringLiteral("c"), false, QStringLiteral("A"),
                         QStringLiteral("消防法规定……\nA．一\nB．二\nC．三\nD．四"));
        bank.exec(QStringLiteral("update aqfg set jx='见特种设备目录' where ID=2"));
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::searchQuestions(Subject::Law, QStringLiteral("特种设备")));
        q.open();
        QCOMPARE(q.recordCount(), 2); // in tm of one, in jx of the other
        q.setSql(sql::searchQuestions(Subject::Law, QStringLiteral("消防%规定")));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        q.setSql(sql::searchQuestions(Subject::Law, QStringLiteral("消_法")));
        q.open();
        QCOMPARE(q.recordCount(), 1);
    }

    void searchFindsWhatLikeFinds()
    {
        // Searching without wildcards uses contains(); it must list exactly what LIKE lists.
        FixtureBank bank;
        const QStringList texts{QStringLiteral("Safety 安全生产法 GB 6441"), QStringLiteral("安全第一，预防为主"),
                                QStringLiteral("ISO 45001 safety"), QStringLiteral("全生产"), QStringLiteral("ＧＢ全角"),
                                QStringLiteral("a"), QString()};
        for (const QString &t : texts)
            bank.addQuestion(QStringLiteral("aqjs"), QStringLiteral("c"), false, QStringLiteral("A"),
                             t.isEmpty() ? QStringLiteral(" ") : t);
        bank.exec(QStringLiteral("update aqjs set jx=NULL where ID=7"));
        store::Database db(bank.path());
        const QStringList words{QStringLiteral("安全"), QStringLiteral("全生"), QStringLiteral("SAFETY"),
                                QStringLiteral("gb 6441"), QStringLiteral("ｇｂ"), QStringLiteral("45001 SAFETY"),
                                QStringLiteral("生产法 GB"), QStringLiteral("a"), QStringLiteral("不在其中")};
        for (const QString &w : words) {
            Query viaSearch(db);
            viaSearch.setSql(sql::searchQuestions(Subject::Technology, w));
            viaSearch.open();
            Query viaLike(db);
            viaLike.setSql(store::Sql{QStringLiteral("select rowid as qz_rowid,* from aqjs where tm like '%'||?1||'%' "
                                                     "or jx like '%'||?1||'%' order by rowid"),
                                      {w}, QStringLiteral("aqjs")});
            viaLike.open();
            QStringList a, b;
            for (int r = 0; r < viaSearch.recordCount(); ++r)
                a << viaSearch.cell(r, 0).toString();
            for (int r = 0; r < viaLike.recordCount(); ++r)
                b << viaLike.cell(r, 0).toString();
            QVERIFY2(a == b, qPrintable(w));
        }
    }

    void missingFileIsReportedAndNeverCreated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gdiplus/aqks.dll"));
        store::Database db(path);
        try {
            db.handle();
            QFAIL("opening a missing bank must fail");
        } catch (const store::StoreError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("aqks.dll")), qPrintable(e.message()));
            QVERIFY(e.message().contains(QStringLiteral("不存在")));
        }
        QVERIFY(!QFile::exists(path));
        QVERIFY(!db.isOpen());
    }

    void foreignAndIncompleteFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text file") << QByteArray("这不是数据库\n").repeated(200) << QStringLiteral("不是一个题库文件");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("缺少数据表");
        QTest::newRow("table missing") << QByteArray("drop-kszn") << QStringLiteral("kszn");
    }

    void foreignAndIncompleteFilesAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        FixtureBank bank;
        if (content == "drop-kszn") {
            bank.exec(QStringLiteral("drop table kszn"));
        } else {
            QFile f(bank.path());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        const QByteArray before = [&] { QFile f(bank.path()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        store::Database db(bank.path());
        Query q(db);
        q.setSql(sql::categoryList(Subject::Law));
        try {
            q.open();
            QFAIL("a foreign file must be refused");
        } catch (const store::StoreError &e) {
            QVERIFY2(e.message().contains(expected), qPrintable(e.message()));
            QVERIFY(e.message().contains(QStringLiteral("aqks.dll")));
        }
        QFile f(bank.path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before); // opening changed nothing
    }

    void aFailedOpenIsTriedAgainByTheNextStatement()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("aqks.dll"));
        store::Database db(path);
        Query q(db);
        q.setSql(sql::categoryList(Subject::Law));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, q.open());
        store::Database::createBank(path);
        q.open();
        QVERIFY(q.isOpen());
        QVERIFY(db.isOpen());
    }

    void twoConnectionsShareOneBank()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 2, false);
        store::Database a(bank.path());
        store::Database b(bank.path());
        Query qa(a);
        qa.setSql(sql::practiceQuestions(Subject::Law, QStringLiteral("c")));
        qa.open();
        Query qb(b);
        qb.setSql(sql::practiceQuestions(Subject::Law, QStringLiteral("c")));
        qb.open();
        qa.edit();
        qa.setField(QStringLiteral("sc"), true);
        qa.post();
        qb.setRecNo(2);
        qb.edit();
        qb.setField(QStringLiteral("sc"), true);
        qb.post();
        QCOMPARE(bank.scalar(QStringLiteral("select sum(sc) from aqfg")).toInt(), 2);
        QCOMPARE(bank.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
