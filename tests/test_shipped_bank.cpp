// The question bank that ships with the program: built from data/ by the build, it must hold
// everything the program offers (every random paper, every past paper, the cases, the guide).
#include "bankbuild/bank_source.h"
#include "practice/exam_logic.h"
#include "practice/paper_composer.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QVariant scalar(store::Database &db, const QString &sql, const QVariantList &args = {})
{
    store::Statement st(db, sql);
    for (int i = 0; i < args.size(); ++i)
        st.bind(i + 1, args.at(i));
    return st.step() ? st.column(0) : QVariant();
}

} // namespace

class TestShippedBank : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_bank;

private slots:
    void initTestCase()
    {
        // A copy, so that composing papers leaves the built bank as it is.
        m_bank = m_dir.filePath(QStringLiteral("aqks.dll"));
        QVERIFY2(QFile::copy(QStringLiteral(QUIZORA_PRISTINE_BANK), m_bank), QUIZORA_PRISTINE_BANK);
        QFile::setPermissions(m_bank, QFile::ReadOwner | QFile::WriteOwner);
    }

    void pastPapersAreSeventySingleThenFifteenMulti()
    {
        store::Database db(m_bank);
        for (const QString &table : store::subjectTables().mid(0, 3))
            for (const QString &paper : bank::pastPaperCategories(table)) {
                store::Statement st(db, QStringLiteral("select dx from %1 where lb=? order by rowid").arg(table));
                st.bind(1, paper);
                QString kinds;
                while (st.step())
                    kinds += st.column(0).toInt() ? QLatin1Char('m') : QLatin1Char('s');
                QVERIFY2(kinds == QString(70, QLatin1Char('s')) + QString(15, QLatin1Char('m')),
                         qPrintable(QStringLiteral("%1 %2: %3 questions").arg(table, paper).arg(kinds.size())));
            }
    }

    void subjectsHaveFullChapters()
    {
        store::Database db(m_bank);
        for (const QString &table : store::subjectTables().mid(0, 3)) {
            const QStringList papers = bank::pastPaperCategories(table);
            const QString notPaper = QStringLiteral("lb not in ('%1')").arg(papers.join(QStringLiteral("','")));
            const int chapter = scalar(db, QStringLiteral("select count(*) from %1 where %2").arg(table, notPaper)).toInt();
            const int multi = scalar(db, QStringLiteral("select count(*) from %1 where dx=1 and %2").arg(table, notPaper)).toInt();
            QVERIFY2(chapter >= 150, qPrintable(QStringLiteral("%1: %2 chapter questions").arg(table).arg(chapter)));
            // About one multi-choice question in five.
            QVERIFY2(multi * 100 >= chapter * 12 && multi * 100 <= chapter * 30,
                     qPrintable(QStringLiteral("%1: %2 multi of %3").arg(table).arg(multi).arg(chapter)));
            QVERIFY(scalar(db, QStringLiteral("select count(distinct lb) from %1 where %2").arg(table, notPaper)).toInt() >= 5);
        }
    }

    void casesAndGuide()
    {
        store::Database db(m_bank);
        QVERIFY(scalar(db, QStringLiteral("select count(distinct lb) from alfx")).toInt() >= 6);
        QCOMPARE(scalar(db, QStringLiteral("select count(*) from (select lb from alfx group by lb "
                                           "having sum(dx=0)=0 or sum(dx=1)=0)")).toInt(), 0);
        QVERIFY(scalar(db, QStringLiteral("select count(distinct fl1) from kszn")).toInt() >= 5);
        QCOMPARE(scalar(db, QStringLiteral("select count(*) from (select fl1 from kszn group by fl1 having count(*)<2)")).toInt(), 0);
        QCOMPARE(scalar(db, QStringLiteral("select count(*) from kszn where length(flxx)<60")).toInt(), 0);
    }

    void everyQuestionIsWellFormed()
    {
        store::Database db(m_bank);
        const QRegularExpression single(QStringLiteral("^[A-D]$"));
        const QRegularExpression multi(QStringLiteral("^A?B?C?D?E?$"));
        for (const QString &table : store::subjectTables()) {
            store::Statement st(db, QStringLiteral("select ID,dx,ZQda,tm,jx,xzda,bj,sc from %1").arg(table));
            int rows = 0;
            while (st.step()) {
                ++rows;
                const QString where = QStringLiteral("%1 ID %2").arg(table, st.column(0).toString());
                const QString answer = st.column(2).toString();
                QVERIFY2(!answer.isEmpty() && (st.column(1).toInt() ? multi : single).match(answer).hasMatch(), qPrintable(where));
                for (const QChar c : answer)
                    QVERIFY2(st.column(3).toString().contains(QRegularExpression(QStringLiteral("(^|\\n)%1．").arg(c))), qPrintable(where));
                QVERIFY2(!st.column(4).toString().trimmed().isEmpty(), qPrintable(where));
                QVERIFY2(st.column(5).toString().isEmpty() && st.column(6).toString().isEmpty() && st.column(7).toInt() == 0,
                         qPrintable(where)); // shipped untouched
            }
            QVERIFY(rows > 0);
        }
    }

    void everyExamItemComposesAPaper()
    {
        store::Database db(m_bank);
        store::Query work(db);
        const store::Subject subjects[] = {store::Subject::Law, store::Subject::Management, store::Subject::Technology};
        for (store::Subject s : subjects) {
            for (int k : {0, 1, 57, 99})
                QCOMPARE(practice::composeRandomPaper(work, s, k, 99 - k), 85);
            for (const QString &paper : bank::pastPaperCategories(store::tableName(s)))
                QVERIFY2(practice::composePastPaper(work, s, paper) == 85, qPrintable(paper));
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedBank)
#include "test_shipped_bank.moc"
