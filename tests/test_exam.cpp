#include "app/main_window.h"
#include "practice/exam_logic.h"
#include "practice/exam_window.h"
#include "practice/paper_composer.h"
#include "store/database.h"
#include "store/query.h"
#include "store/store_error.h"
#include "support/fixture_bank.h"
#include "support/scripted_messages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using Kind = ScriptedMessages::Kind;
using ui::Answer;

namespace {

const QString kChange = QStringLiteral("此题您已经完成，是否更改答案？");
const QString kHandIn = QStringLiteral("你真的提前结束考试吗？");
const QString kExitOrReview = QStringLiteral("退出考试系统吗？否则继续看错题。");
const QString kClose = QStringLiteral("你真的要退出考试系统吗？");

// A subject with 80 single-choice (answer B) and 20 multi-choice (answer AC) questions.
void fillSubject(FixtureBank &bank, const QString &table)
{
    bank.addQuestions(table, QStringLiteral("第1章"), 80, false, QStringLiteral("B"));
    bank.addQuestions(table, QStringLiteral("第2章"), 20, true, QStringLiteral("AC"));
}

// Puts a paper of `single` + `multi` questions straight into the exam table, numbered.
void writePaper(FixtureBank &bank, int single, int multi)
{
    for (int i = 1; i <= single + multi; ++i)
        bank.exec(QStringLiteral("insert into ks (ID,lb,tm,dx,ZQda,xzda,jx,bj,sc) values (?,?,?,?,?,'','','',0)"),
                  {i, QStringLiteral("c"), QStringLiteral("题 %1").arg(i), i > single ? 1 : 0,
                   i > single ? QStringLiteral("AC") : QStringLiteral("B")});
}

QList<qint64> column(FixtureBank &bank, const QString &sql)
{
    QList<qint64> out;
    store::Database db(bank.path());
    store::Statement st(db, sql);
    while (st.step())
        out << st.column(0).toLongLong();
    return out;
}

QString number(TFks &w)
{
    const QString t = w.labeltm->text();
    return t.mid(1, t.indexOf(QStringLiteral("题")) - 1);
}

void pressCell(TFks &w, int row, int col, Qt::MouseButton b = Qt::LeftButton)
{
    const QRect r = w.bsSkinStringGrid1->visualRect(w.bsSkinStringGrid1->model()->index(row, col));
    QTest::mousePress(w.bsSkinStringGrid1->viewport(), b, {}, r.center());
}

} // namespace

class TestExam : public QObject {
    Q_OBJECT

private slots:
    // ---- rules without a window ----

    void clockText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 9000 << "2:30:00";
        QTest::newRow("first tick") << 8999 << "2:29:59";
        QTest::newRow("307") << 307 << "0:05:07";
        QTest::newRow("hour") << 3600 << "1:00:00";
        QTest::newRow("zero") << 0 << "0:00:00";
    }

    void clockText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(practice::clockText(seconds), text);
    }

    void gradingAndPassMark()
    {
        using practice::GradedQuestion;
        const QVector<GradedQuestion> paper{
            {false, "B", "B"}, {false, "B", "b"}, {false, "B", ""}, {true, "ACD", "ACD"},
            {true, "ACD", "AC"}, {true, "", ""}, {false, "C", "C "}};
        QCOMPARE(practice::grade(paper), 1 + 2 + 2);
        QVERIFY(!practice::passed(60));
        QVERIFY(practice::passed(61));
        QCOMPARE(practice::resultMessage(61), QStringLiteral("恭喜，您本次考了61分,，成绩及格，考试顺利通过！"));
        QCOMPARE(practice::resultMessage(60), QStringLiteral("很遗憾，您本次考了60分，没有通过考试！"));
        QCOMPARE(practice::reviewCellText(7, false), QStringLiteral("7错"));
        QCOMPARE(practice::reviewCellText(7, true), QStringLiteral("7"));
    }

    void drawsAreFromZeroToNinetyNine()
    {
        practice::DrawSource a(42);
        practice::DrawSource b(42);
        QSet<int> seen;
        for (int i = 0; i < 5000; ++i) {
            const int v = a.next();
            QCOMPARE(b.next(), v);
            QVERIFY(v >= 0 && v <= 99);
            seen.insert(v);
        }
        QCOMPARE(seen.size(), 100);
    }

    // ---- composition ----

    void randomPaperIsSeventySingleThenFifteenMulti()
    {
        FixtureBank bank;
        fillSubject(bank, QStringLiteral("aqgl"));
        fillSubject(bank, QStringLiteral("aqfg"));
        bank.exec(QStringLiteral("update aqgl set xzda='B'")); // practice answers never reach the paper
        store::Database db(bank.path());
        store::Query work(db);
        QCOMPARE(practice::composeRandomPaper(work, store::Subject::Management, 37, 5), 85);
        QCOMPARE(column(bank, QStringLiteral("select ID from ks order by rowid")).size(), 85);
        QList<qint64> expected;
        for (int i = 1; i <= 85; ++i)
            expected << i;
        QCOMPARE(column(bank, QStringLiteral("select ID from ks order by rowid")), expected);
        QCOMPARE(column(bank, QStringLiteral("select dx from ks order by rowid")).mid(0, 70), QList<qint64>(70, 0));
        QCOMPARE(column(bank, QStringLiteral("select dx from ks order by rowid")).mid(70), QList<qint64>(15, 1));
        QCOMPARE(bank.scalar(QStringLiteral("select count(distinct tm) from ks")).toInt(), 85);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks where xzda<>''")).toInt(), 0);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks where tm not in (select tm from aqgl)")).toInt(), 0);

        // The same draws from an unchanged table give the same paper in the same order.
        const QList<qint64> first = column(bank, QStringLiteral("select a.ID from ks k join aqgl a on a.tm=k.tm order by k.rowid"));
        practice::composeRandomPaper(work, store::Subject::Management, 37, 5);
        QCOMPARE(column(bank, QStringLiteral("select a.ID from ks k join aqgl a on a.tm=k.tm order by k.rowid")), first);
        // Draws of 0 take the first rows in stored order.
        practice::composeRandomPaper(work, store::Subject::Management, 0, 0);
        const QList<qint64> stored = column(bank, QStringLiteral("select a.ID from ks k join aqgl a on a.tm=k.tm order by k.rowid"));
        QCOMPARE(stored.mid(0, 3), (QList<qint64>{1, 2, 3}));
        QCOMPARE(stored.mid(70, 2), (QList<qint64>{81, 82}));
    }

    void pastPaperCopiesItsCategoryInStoredOrder()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqjs"), QStringLiteral("2014安全生产技术真题"), 70, false);
        bank.addQuestions(QStringLiteral("aqjs"), QStringLiteral("2014安全生产技术真题"), 15, true, QStringLiteral("AB"));
        bank.addQuestions(QStringLiteral("aqjs"), QStringLiteral("2015安全生产技术真题"), 85, false);
        store::Database db(bank.path());
        store::Query work(db);
        writePaper(bank, 3, 0);
        bank.exec(QStringLiteral("update ks set xzda='A'"));
        QCOMPARE(practice::composePastPaper(work, store::Subject::Technology, QStringLiteral("2014安全生产技术真题")), 85);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks where lb<>'2014安全生产技术真题'")).toInt(), 0);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks where xzda<>''")).toInt(), 0);
        QCOMPARE(bank.scalar(QStringLiteral("select tm from ks where ID=1")).toString(),
                 bank.scalar(QStringLiteral("select tm from aqjs where ID=1")).toString());
        QCOMPARE(bank.scalar(QStringLiteral("select tm from ks where ID=85")).toString(),
                 bank.scalar(QStringLiteral("select tm from aqjs where ID=85")).toString());
    }

    void paperOfAnotherSizeIsNumberedThrough()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("2013法规真题"), 40, false);
        store::Database db(bank.path());
        store::Query work(db);
        QCOMPARE(practice::composePastPaper(work, store::Subject::Law, QStringLiteral("2013法规真题")), 40);
        QList<qint64> expected;
        for (int i = 1; i <= 40; ++i)
            expected << i;
        QCOMPARE(column(bank, QStringLiteral("select ID from ks order by rowid")), expected);
    }

    void failedOrEmptyCompositionKeepsThePreviousPaper()
    {
        FixtureBank bank;
        writePaper(bank, 3, 1);
        bank.exec(QStringLiteral("update ks set xzda='B' where ID=2"));
        store::Database db(bank.path());
        store::Query work(db);
        // A category with no questions: nothing to take, the old paper stays.
        QCOMPARE(practice::composePastPaper(work, store::Subject::Law, QStringLiteral("2015法规真题")), 0);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks")).toInt(), 4);
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from ks where ID=2")).toString(), QStringLiteral("B"));
        // A failing step rolls the whole composition back.
        bank.exec(QStringLiteral("create trigger no_multi before insert on ks when new.dx=1 begin select raise(abort, 'refused'); end"));
        fillSubject(bank, QStringLiteral("aqfg"));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, practice::composeRandomPaper(work, store::Subject::Law, 3, 4));
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks")).toInt(), 4);
        QCOMPARE(bank.scalar(QStringLiteral("select group_concat(tm, '|') from ks")).toString(),
                 QStringLiteral("题 1|题 2|题 3|题 4"));
    }

    // ---- the main window's exam items and menu ----

    void treeAndMenuComposeAndOpenTheExam()
    {
        FixtureBank bank;
        fillSubject(bank, QStringLiteral("aqfg"));
        fillSubject(bank, QStringLiteral("aqgl"));
        bank.addQuestions(QStringLiteral("aqgl"), QStringLiteral("2015生产管理真题"), 70, false);
        bank.addQuestions(QStringLiteral("aqgl"), QStringLiteral("2015生产管理真题"), 15, true, QStringLiteral("AB"));
        ScriptedMessages boxes;
        TForm1 main(bank.path());
        main.setDrawSeed(7);

        int opened = 0;
        QString firstLabel;
        // Closes the exam window as soon as it is open (it runs modally).
        auto closeWhenOpen = [&] {
            auto *poll = new QTimer(&main);
            QObject::connect(poll, &QTimer::timeout, [&, poll] {
                if (!Fks)
                    return;
                poll->deleteLater();
                poll->stop();
                ++opened;
                firstLabel = Fks->labeltm->text();
                boxes.answers = {Answer::Yes};
                Fks->close();
            });
            poll->start(5);
        };

        main.treeItem(9)->setExpanded(true);
        main.treeItem(10)->setExpanded(true);
        main.TreeView1->setCurrentItem(main.treeItem(12));
        closeWhenOpen();
        main.TreeView1DblClick();
        QCOMPARE(opened, 1);
        QCOMPARE(Fks, nullptr);
        QCOMPARE(main.SelectedIndex, 12);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks where lb='2015生产管理真题'")).toInt(), 85);
        QVERIFY(firstLabel.startsWith(QStringLiteral("第1题：  2015生产管理真题")));

        // Items that are not exam items compose nothing.
        for (int i : {0, 1, 4, 5, 9, 10, 14, 18}) {
            main.TreeView1->setCurrentItem(main.treeItem(i));
            main.TreeView1DblClick();
        }
        QCOMPARE(opened, 1);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks where lb='2015生产管理真题'")).toInt(), 85);

        // A past paper the bank does not hold: said plainly, the paper stays.
        main.TreeView1->setCurrentItem(main.treeItem(11));
        main.TreeView1DblClick();
        QCOMPARE(opened, 1);
        QCOMPARE(boxes.count(Kind::Plain), 1);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks")).toInt(), 85);

        // The picture menu: Return right after it pops up composes the management paper.
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.bsSkinImagesMenu1->count(), 3);
        QCOMPARE(main.bsSkinImagesMenu1->caption(0), QStringLiteral("法律法规"));
        QCOMPARE(main.bsPngImageList1[1].size(), QSize(300, 413));
        main.popUpExamMenu(main.mapToGlobal(QPoint(246, 100)));
        QCOMPARE(main.bsSkinImagesMenu1->selectedIndex(), 1);
        closeWhenOpen();
        QTest::keyClick(main.bsSkinImagesMenu1, Qt::Key_Return);
        QTRY_COMPARE(opened, 2);
        QVERIFY(main.bsSkinImagesMenu1->isHidden());
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks where dx=0 and ID<=70")).toInt(), 70);
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from ks k where not exists (select 1 from aqgl a where a.tm=k.tm)")).toInt(), 0);

        // Arrow keys move the selection; Esc dismisses without composing.
        main.popUpExamMenu(main.mapToGlobal(QPoint(246, 100)));
        QTest::keyClick(main.bsSkinImagesMenu1, Qt::Key_Left);
        QCOMPARE(main.bsSkinImagesMenu1->selectedIndex(), 0);
        QTest::keyClick(main.bsSkinImagesMenu1, Qt::Key_Escape);
        QVERIFY(main.bsSkinImagesMenu1->isHidden());
        QTest::qWait(20);
        QCOMPARE(opened, 2);
    }

    // ---- the exam window ----

    void opensOnQuestionOne()
    {
        FixtureBank bank;
        writePaper(bank, 70, 15);
        bank.exec(QStringLiteral("update ks set dx=1, ZQda='AB' where ID=1")); // question 1 multi-choice
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFks w(db);
        QCOMPARE(w.windowTitle(), QStringLiteral("模拟考试系统"));
        QCOMPARE(w.size(), QSize(746, 585));
        QCOMPARE(w.labeltm->text(), QStringLiteral("第1题：  题 1"));
        QVERIFY(!w.bsSkinGroupBox2->isHidden()); // single-choice shown whatever question 1 is
        QCOMPARE(w.Label9->text(), QStringLiteral("2:30:00"));
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.bsSkinStringGrid1->rowCount(), 5);
        QCOMPARE(w.bsSkinStringGrid1->columnCount(), 17);
        QCOMPARE(w.bsSkinStringGrid1->item(0, 16)->text(), QStringLiteral("17"));
        QCOMPARE(w.bsSkinStringGrid1->item(1, 0)->text(), QStringLiteral("18"));
        QCOMPARE(w.bsSkinStringGrid1->item(4, 16)->text(), QStringLiteral("85"));
        QCOMPARE(w.bsSkinStringGrid1->currentRow(), 0);
        QCOMPARE(w.bsSkinStringGrid1->currentColumn(), 0);
        QCOMPARE(w.DXA->geometry(), QRect(37, 35, 70, 30));
        QCOMPARE(w.datj->geometry(), QRect(312, 36, 81, 33));
        QCOMPARE(w.bsSkinButton1->geometry(), QRect(31, 224, 75, 73));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("bsSkinDBText1")), w.bsSkinDBText1);
        w.bsSkinButton4Click();
        w.bsSkinButton3Click();
        QVERIFY(!w.bsSkinGroupBox1->isHidden()); // from the first move on, the fitting group
        QVERIFY(boxes.shown.isEmpty());
    }

    void answersAreStoredAtOnceAndCanBeChanged()
    {
        FixtureBank bank;
        writePaper(bank, 70, 15);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFks w(db);
        auto given = [&](int id) { return bank.scalar(QStringLiteral("select xzda from ks where ID=?"), {id}).toString(); };

        QTest::mouseClick(w.DXC, Qt::LeftButton);
        QCOMPARE(given(1), QStringLiteral("C"));
        QCOMPARE(number(w), QStringLiteral("2"));
        QCOMPARE(w.bsSkinStringGrid1->currentColumn(), 1);

        w.bsSkinButton3Click();
        QCOMPARE(w.bsSkinDBText1->text(), QStringLiteral("C"));
        boxes.answers = {Answer::No};
        w.DXBClick();
        QCOMPARE(boxes.texts(Kind::Question), QStringList{kChange});
        QCOMPARE(given(1), QStringLiteral("C"));
        QCOMPARE(number(w), QStringLiteral("1"));
        boxes.answers = {Answer::Yes};
        QTest::keyClick(&w, Qt::Key_B);
        QCOMPARE(given(1), QStringLiteral("B"));
        QCOMPARE(number(w), QStringLiteral("2"));

        // The card: a click goes to the question of the cell, found by its number.
        pressCell(w, 4, 3); // 17*4 + 3 + 1 = 72, a multi-choice question
        QCOMPARE(number(w), QStringLiteral("72"));
        QVERIFY(!w.bsSkinGroupBox1->isHidden());
        QCOMPARE(w.bsSkinDBText1->text(), QString());

        // Multi-choice: the ticked letters A to E; none ticked stores an empty answer.
        w.bschkC->setChecked(true);
        w.bschkA->setChecked(true);
        QTest::keyClick(&w, Qt::Key_Return);
        QCOMPARE(given(72), QStringLiteral("AC"));
        QCOMPARE(number(w), QStringLiteral("73"));
        w.bsSkinButton3Click();
        for (QCheckBox *b : {w.bschkA, w.bschkB, w.bschkC, w.bschkD, w.bschkE})
            QVERIFY(!b->isChecked()); // a stored answer shows only in the answer text
        QCOMPARE(w.bsSkinDBText1->text(), QStringLiteral("AC"));
        boxes.answers = {Answer::Yes};
        w.datjClick();
        QCOMPARE(given(72), QString());

        // The last question: stays there, its answer stored.
        pressCell(w, 4, 16);
        w.bschkA->setChecked(true);
        w.datjClick();
        QCOMPARE(number(w), QStringLiteral("85"));
        QCOMPARE(given(85), QStringLiteral("A"));
        QVERIFY(!w.bschkA->isChecked());
        w.bsSkinButton4Click();
        QCOMPARE(number(w), QStringLiteral("85"));
    }

    void clockRunsDownAndTimeOutHandsIn()
    {
        FixtureBank bank;
        writePaper(bank, 70, 15);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFks w(db);
        w.Timer1Timer();
        QCOMPARE(w.Label9->text(), QStringLiteral("2:29:59"));
        for (int i = 0; i < 8999 - 307; ++i)
            w.Timer1Timer();
        QCOMPARE(w.Label9->text(), QStringLiteral("0:05:07"));
        while (w.secondsLeft() > 1)
            w.Timer1Timer();
        QVERIFY(boxes.shown.isEmpty());

        boxes.answers = {Answer::No}; // not yet
        w.Timer1Timer();
        QCOMPARE(w.Label9->text(), QStringLiteral("0:00:00"));
        QCOMPARE(boxes.texts(Kind::Notice), QStringList{QStringLiteral("考试时间结束，请交卷！")});
        QCOMPARE(boxes.texts(Kind::Question), QStringList{kHandIn});
        QVERIFY(!w.Timer1->isActive());
        QVERIFY(w.bsSkinButton1->isEnabled());
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from KSCJ")).toInt(), 0);
        w.Timer1Timer(); // a stray tick after the time-out changes nothing
        QCOMPARE(w.Label9->text(), QStringLiteral("0:00:00"));

        // The hand-in later asks again.
        boxes.clear();
        boxes.answers = {Answer::Yes, Answer::No};
        QTest::mouseClick(w.bsSkinButton1, Qt::LeftButton);
        QCOMPARE(boxes.texts(Kind::Question), (QStringList{kHandIn, kExitOrReview}));
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from KSCJ")).toInt(), 1);
    }

    void timeOutDuringAHandInStartsNoSecond()
    {
        FixtureBank bank;
        writePaper(bank, 70, 15);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFks w(db);
        while (w.secondsLeft() > 1)
            w.Timer1Timer();
        // The clock's last tick falls while the hand-in's confirmation is open.
        struct TickingMessages : ScriptedMessages {
            TFks *window = nullptr;
            ui::Answer question(QWidget *o, const QString &t) override
            {
                if (t == kHandIn && window->secondsLeft() > 0)
                    window->Timer1Timer();
                return ScriptedMessages::question(o, t);
            }
        } ticking;
        ticking.window = &w;
        ticking.answers = {Answer::Yes, Answer::No};
        w.jjclick();
        QCOMPARE(ticking.count(Kind::Notice), 0);
        QCOMPARE(ticking.texts(Kind::Question), (QStringList{kHandIn, kExitOrReview}));
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from KSCJ")).toInt(), 1);
    }

    void handInGradesRecordsAndMarksWrongAnswers_data()
    {
        QTest::addColumn<int>("rightSingle");
        QTest::addColumn<int>("rightMulti");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("pass");
        QTest::newRow("60 fails") << 30 << 15 << 60 << false;
        QTest::newRow("61 passes") << 31 << 15 << 61 << true;
        QTest::newRow("full marks") << 70 << 15 << 100 << true;
        QTest::newRow("nothing") << 0 << 0 << 0 << false;
    }

    void handInGradesRecordsAndMarksWrongAnswers()
    {
        QFETCH(int, rightSingle);
        QFETCH(int, rightMulti);
        QFETCH(int, score);
        QFETCH(bool, pass);
        FixtureBank bank;
        writePaper(bank, 70, 15);
        bank.exec(QStringLiteral("update ks set xzda='B' where ID<=?"), {rightSingle});
        bank.exec(QStringLiteral("update ks set xzda='A' where ID>? and ID<=70"), {rightSingle});
        bank.exec(QStringLiteral("update ks set xzda='AC' where ID>70 and ID<=?"), {70 + rightMulti});
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFks w(db);
        pressCell(w, 0, 5); // on question 6 while handing in
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        boxes.answers = {Answer::Yes, Answer::No};
        w.jjclick();
        const QString expected = pass
            ? QStringLiteral("恭喜，您本次考了%1分,，成绩及格，考试顺利通过！").arg(score)
            : QStringLiteral("很遗憾，您本次考了%1分，没有通过考试！").arg(score);
        QCOMPARE(boxes.texts(Kind::Plain), QStringList{expected});
        QCOMPARE(bank.scalar(QStringLiteral("select KSfs from KSCJ")).toInt(), score);
        QCOMPARE(bank.scalar(QStringLiteral("select KSkm from KSCJ")).toString(), QString());
        const QDateTime at = QDateTime::fromString(bank.scalar(QStringLiteral("select KSRQ from KSCJ")).toString(),
                                                   QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(at >= before && at <= QDateTime::currentDateTime().addSecs(1));
        QVERIFY(!w.Timer1->isActive());
        QVERIFY(!w.bsSkinButton1->isEnabled());
        // The review: wrong or unanswered questions carry "错", right ones their plain number.
        const QString cell1 = w.bsSkinStringGrid1->item(0, 0)->text();
        QCOMPARE(cell1, rightSingle >= 1 ? QStringLiteral("1") : QStringLiteral("1错"));
        QCOMPARE(w.bsSkinStringGrid1->item(4, 16)->text(), rightMulti == 15 ? QStringLiteral("85") : QStringLiteral("85错"));
        QCOMPARE(number(w), QStringLiteral("6")); // the question on show stays
        // After the review the user still moves through the questions.
        pressCell(w, 1, 0);
        QCOMPARE(number(w), QStringLiteral("18"));
        // A second hand-in cannot happen.
        w.jjclick();
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from KSCJ")).toInt(), 1);
    }

    void closingAsksAndWritesNoResult()
    {
        FixtureBank bank;
        writePaper(bank, 70, 15);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFks w(db);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        boxes.answers = {Answer::No};
        w.close();
        QVERIFY(w.isVisible());
        QTest::keyClick(&w, Qt::Key_Escape); // Esc asks too (answer: No)
        QVERIFY(w.isVisible());
        QCOMPARE(boxes.texts(Kind::Question), (QStringList{kClose, kClose}));

        // Hand in, Yes to leaving, No to the close question: stays open, unmarked, button off.
        boxes.clear();
        boxes.answers = {Answer::Yes, Answer::Yes, Answer::No};
        w.jjclick();
        QCOMPARE(boxes.texts(Kind::Question), (QStringList{kHandIn, kExitOrReview, kClose}));
        QVERIFY(w.isVisible());
        QVERIFY(!w.bsSkinButton1->isEnabled());
        QCOMPARE(w.bsSkinStringGrid1->item(0, 0)->text(), QStringLiteral("1"));
        boxes.answers = {Answer::Yes};
        w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from KSCJ")).toInt(), 1);
    }

    void closingWithoutHandInWritesNothing()
    {
        FixtureBank bank;
        writePaper(bank, 70, 15);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        {
            TFks w(db);
            w.DXBClick();
            w.show();
            boxes.answers = {Answer::Yes};
            w.close();
        }
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from KSCJ")).toInt(), 0);
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from ks where ID=1")).toString(), QStringLiteral("B"));
    }

    void cardOfAnotherSize()
    {
        FixtureBank bank;
        writePaper(bank, 100, 0);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFks w(db);
        QCOMPARE(w.bsSkinStringGrid1->rowCount(), 6);
        QCOMPARE(w.bsSkinStringGrid1->item(5, 14)->text(), QStringLiteral("100"));
        QCOMPARE(w.bsSkinStringGrid1->item(5, 15)->text(), QString());
        pressCell(w, 0, 16);
        QCOMPARE(number(w), QStringLiteral("17"));
        boxes.answers = {Answer::Yes, Answer::No};
        w.jjclick();
        QCOMPARE(bank.scalar(QStringLiteral("select KSfs from KSCJ")).toInt(), 0);
        QCOMPARE(w.bsSkinStringGrid1->item(5, 15)->text(), QString()); // empty cells stay empty
    }
};

QTEST_MAIN(TestExam)
#include "test_exam.moc"
