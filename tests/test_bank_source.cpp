#include "bankbuild/bank_source.h"
#include "store/database.h"
#include "store/query.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using bank::BankSource;

namespace {

const QString kSingle = QStringLiteral(
    "@category 第1章 总则\n"
    "@single\n"
    "安全生产工作坚持（　　）的方针。\n"
    "A．安全第一、预防为主、综合治理\n"
    "B．以人为本\n"
    "C．预防为主\n"
    "D．谁主管谁负责\n"
    "@answer A\n"
    "@explain\n"
    "《安全生产法》第三条。\n");

} // namespace

class TestBankSource : public QObject {
    Q_OBJECT

private slots:
    void parsesQuestionsInOrder()
    {
        BankSource s;
        s.parseQuestions(QStringLiteral("aqfg"), QStringLiteral("ch01.qb"),
                         QStringLiteral("# 注释\n") + kSingle
                             + QStringLiteral("\n@multi\n下列说法正确的有（　　）。\nA．一\nB．二\nC．三\nD．四\nE．五\n"
                                              "@answer BCE\n@explain\n第一行\n第二行\n\n"));
        QVERIFY2(s.errors.isEmpty(), qPrintable(s.errors.value(0).toString()));
        QCOMPARE(s.questions.size(), 2);
        const bank::SourceQuestion &a = s.questions.at(0);
        QCOMPARE(a.category, QStringLiteral("第1章 总则"));
        QVERIFY(!a.multi);
        QCOMPARE(a.answer, QStringLiteral("A"));
        QVERIFY(a.text.startsWith(QStringLiteral("安全生产工作坚持")));
        QVERIFY(a.text.endsWith(QStringLiteral("D．谁主管谁负责")));
        QCOMPARE(a.line, 3); // after the comment and the category
        const bank::SourceQuestion &b = s.questions.at(1);
        QVERIFY(b.multi);
        QCOMPARE(b.explanation, QStringLiteral("第一行\n第二行"));
    }

    void caseTextStandsAboveEachQuestionOfItsCase()
    {
        BankSource s;
        QString src = QStringLiteral("@category 案例1 储罐火灾\n@case\n某厂储罐起火，3人死亡。\n");
        src += kSingle.mid(kSingle.indexOf(QStringLiteral("@single")));
        src += QStringLiteral("@category 案例2 其他\n") + kSingle.mid(kSingle.indexOf(QStringLiteral("@single")));
        s.parseQuestions(QStringLiteral("alfx"), QStringLiteral("case01.qb"), src);
        QVERIFY2(s.errors.isEmpty(), qPrintable(s.errors.value(0).toString()));
        QCOMPARE(s.questions.size(), 2);
        QVERIFY(s.questions.at(0).text.startsWith(QStringLiteral("某厂储罐起火，3人死亡。\n\n安全生产工作坚持")));
        QVERIFY(s.questions.at(1).text.startsWith(QStringLiteral("安全生产工作坚持"))); // a new category ends the case
    }

    void rejectsBadQuestionsWithFileAndLine_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QString opts4 = QStringLiteral("A．一\nB．二\nC．三\nD．四\n");
        const QString opts5 = opts4 + QStringLiteral("E．五\n");
        const QString head = QStringLiteral("@category c\n");
        QTest::newRow("lower case answer") << head + "@single\n题\n" + opts4 + "@answer b\n@explain\nx\n" << 8 << "upper case";
        QTest::newRow("answer with space") << head + "@multi\n题\n" + opts5 + "@answer A C\n@explain\nx\n" << 9 << "nothing between";
        QTest::newRow("answer out of order") << head + "@multi\n题\n" + opts5 + "@answer CA\n@explain\nx\n" << 9 << "alphabetical";
        QTest::newRow("repeated letter") << head + "@multi\n题\n" + opts5 + "@answer AAC\n@explain\nx\n" << 9 << "alphabetical";
        QTest::newRow("single E") << head + "@single\n题\n" + opts4 + "@answer E\n@explain\nx\n" << 8 << "A-D";
        QTest::newRow("single two letters") << head + "@single\n题\n" + opts4 + "@answer AB\n@explain\nx\n" << 8 << "one letter";
        QTest::newRow("multi F") << head + "@multi\n题\n" + opts5 + "@answer AF\n@explain\nx\n" << 9 << "A-E";
        QTest::newRow("option missing") << head + "@multi\n题\nA．一\nB．二\nC．三\nD．四\n@answer AE\n@explain\nx\n" << 8 << "names option E";
        QTest::newRow("empty text") << head + "@single\n" + opts4 + "@answer A\n@explain\nx\n" << 2 << "text is empty";
        QTest::newRow("no answer") << head + "@single\n题\n" + opts4 + "@explain\nx\n" << 8 << "@explain before";
        QTest::newRow("no explanation") << head + "@single\n题\n" + opts4 + "@answer A\n" << 2 << "no explanation";
        QTest::newRow("empty explanation") << head + "@single\n题\n" + opts4 + "@answer A\n@explain\n\n" << 2 << "no explanation";
        QTest::newRow("no category") << "@single\n题\n" + opts4 + "@answer A\n@explain\nx\n" << 1 << "before any @category";
        QTest::newRow("unknown directive") << head + "@singel\n" << 2 << "unknown directive";
        QTest::newRow("stray text") << head + "孤立的一行\n" << 2 << "outside a question";
    }

    void rejectsBadQuestionsWithFileAndLine()
    {
        QFETCH(QString, source);
        QFETCH(int, line);
        QFETCH(QString, reason);
        BankSource s;
        s.parseQuestions(QStringLiteral("aqfg"), QStringLiteral("data/aqfg/ch09.qb"), source);
        QVERIFY(!s.errors.isEmpty());
        const bank::SourceError &e = s.errors.first();
        QCOMPARE(e.file, QStringLiteral("data/aqfg/ch09.qb"));
        QCOMPARE(e.line, line);
        QVERIFY2(e.reason.contains(reason), qPrintable(e.toString()));
    }

    void validatesAcrossQuestions()
    {
        BankSource s;
        s.parseQuestions(QStringLiteral("aqfg"), QStringLiteral("a.qb"), kSingle + kSingle);
        s.validate();
        QStringList reasons;
        for (const auto &e : s.errors)
            reasons << e.reason;
        QVERIFY(reasons.join('\n').contains(QStringLiteral("stands already at a.qb:2")));
        QVERIFY(reasons.join('\n').contains(QStringLiteral("a random paper needs")));
    }

    void pastPaperMustBeSeventySingleThenFifteenMulti()
    {
        auto paper = [](int singleFirst, int multi, int singleAfter) {
            QString src = QStringLiteral("@category 2015法规真题\n");
            int n = 0;
            auto add = [&](bool m) {
                ++n;
                src += m ? QStringLiteral("@multi\n多选 %1\nA．一\nB．二\nC．三\nD．四\nE．五\n@answer AB\n@explain\nx\n").arg(n)
                         : QStringLiteral("@single\n单选 %1\nA．一\nB．二\nC．三\nD．四\n@answer A\n@explain\nx\n").arg(n);
            };
            for (int i = 0; i < singleFirst; ++i) add(false);
            for (int i = 0; i < multi; ++i) add(true);
            for (int i = 0; i < singleAfter; ++i) add(false);
            BankSource s;
            s.parseQuestions(QStringLiteral("aqfg"), QStringLiteral("p2015.qb"), src);
            s.validate();
            for (const auto &e : s.errors)
                if (e.reason.contains(QStringLiteral("past paper")))
                    return false;
            return true;
        };
        QVERIFY(paper(70, 15, 0));
        QVERIFY(!paper(69, 15, 1)); // a single-choice question after the multi-choice ones
        QVERIFY(!paper(70, 14, 0));
        QVERIFY(!paper(71, 15, 0));
    }

    void writesABankTheStoreReads()
    {
        BankSource s;
        s.parseQuestions(QStringLiteral("aqgl"), QStringLiteral("a.qb"), kSingle);
        s.parseGuide(QStringLiteral("guide.qb"),
                     QStringLiteral("@group 考试简介\n@topic 科目\n四个科目。\n第二行。\n@topic 时间\n两天。\n"));
        QVERIFY(s.errors.isEmpty());
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("gdiplus/aqks.dll"));
        bank::writeBank(s, out);
        QVERIFY(!QFile::exists(out + QStringLiteral("-wal")));
        bank::writeBank(s, out); // building again replaces the file
        store::Database db(out);
        store::Query q(db);
        q.setSql(store::sql::practiceQuestions(store::Subject::Management, QStringLiteral("第1章 总则")));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.asInt(QStringLiteral("ID")), 1);
        QCOMPARE(q.asString(QStringLiteral("ZQda")), QStringLiteral("A"));
        QCOMPARE(q.asString(QStringLiteral("xzda")), QString());
        QVERIFY(!q.asBool(QStringLiteral("sc")));
        q.setSql(store::sql::guideAll());
        q.open();
        QCOMPARE(q.recordCount(), 2);
        QCOMPARE(q.asString(QStringLiteral("flxx")), QStringLiteral("四个科目。\n第二行。"));
    }

    void answerForm_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("multi");
        QTest::addColumn<bool>("ok");
        QTest::newRow("A") << "A" << false << true;
        QTest::newRow("D") << "D" << false << true;
        QTest::newRow("E single") << "E" << false << false;
        QTest::newRow("ACD") << "ACD" << true << true;
        QTest::newRow("ABCDE") << "ABCDE" << true << true;
        QTest::newRow("E multi") << "E" << true << true;
        QTest::newRow("DCA") << "DCA" << true << false;
        QTest::newRow("A,C") << "A,C" << true << false;
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("full-width") << "Ａ" << false << false;
    }

    void answerForm()
    {
        QFETCH(QString, answer);
        QFETCH(bool, multi);
        QFETCH(bool, ok);
        QCOMPARE(bank::answerInForm(answer, multi), ok);
    }
};

QTEST_GUILESS_MAIN(TestBankSource)
#include "test_bank_source.moc"
