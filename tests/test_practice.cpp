#include "app/main_window.h"
#include "practice/answer_card.h"
#include "practice/practice_window.h"
#include "store/database.h"
#include "store/store_error.h"
#include "support/fixture_bank.h"
#include "support/scripted_messages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using practice::AnswerCard;
using Kind = ScriptedMessages::Kind;

namespace {

const QString kWrong = QStringLiteral("您选择的答案不正确！请重新选择。");

QStringList cardTexts(const AnswerCard &card)
{
    QStringList out;
    for (int r = 0; r < AnswerCard::kRows; ++r)
        for (int c = 0; c < AnswerCard::kColumns; ++c)
            out << card.cell(r, c);
    return out;
}

QStringList numbers(int from, int to, int cells = AnswerCard::kPageSize)
{
    QStringList out;
    for (int n = from; n <= to; ++n)
        out << QString::number(n);
    while (out.size() < cells)
        out << QString();
    return out;
}

QStringList gridTexts(QTableWidget *grid)
{
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            out << grid->item(r, c)->text();
    return out;
}

QString questionNumber(TForm2 &w)
{
    const QString t = w.labeltm->text();
    return t.mid(1, t.indexOf(QStringLiteral("题")) - 1);
}

void pressCell(TForm2 &w, int row, int column, Qt::MouseButton button = Qt::LeftButton)
{
    const QRect r = w.bsSkinStringGrid1->visualRect(w.bsSkinStringGrid1->model()->index(row, column));
    QTest::mousePress(w.bsSkinStringGrid1->viewport(), button, {}, r.center());
}

} // namespace

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    // ---- the card and the answer rules, without a window ----

    void cardOfFiftyHasOnePage()
    {
        AnswerCard card(50);
        card.fill();
        QCOMPARE(cardTexts(card), numbers(1, 50));
        QVERIFY(!card.nextPage());
        QVERIFY(!card.previousPage());
        QCOMPARE(card.last(), 50);
    }

    void cardOfOneHundredTwentyPagesBothWays()
    {
        AnswerCard card(120);
        card.fill();
        QVERIFY(card.nextPage());
        QCOMPARE(cardTexts(card), numbers(51, 100));
        QVERIFY(card.nextPage());
        QCOMPARE(cardTexts(card), numbers(101, 120)); // the last 30 cells empty
        QVERIFY(!card.nextPage());
        QCOMPARE(card.last(), 120);
        QVERIFY(card.previousPage());
        QCOMPARE(card.last(), 100);
        QCOMPARE(cardTexts(card), numbers(51, 100));
        QVERIFY(card.previousPage());
        QCOMPARE(cardTexts(card), numbers(1, 50));
        QVERIFY(!card.previousPage());
    }

    void cardOfFewQuestionsAndOfNone()
    {
        AnswerCard seven(7);
        seven.fill();
        QCOMPARE(cardTexts(seven), numbers(1, 7));
        AnswerCard none(0);
        none.fill();
        QCOMPARE(cardTexts(none), numbers(1, 0));
    }

    void cellOfAQuestion_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("1") << 1 << 0 << 0;
        QTest::newRow("5") << 5 << 0 << 4;
        QTest::newRow("6") << 6 << 1 << 0;
        QTest::newRow("50") << 50 << 9 << 4;
        QTest::newRow("51") << 51 << 0 << 0;
        QTest::newRow("118") << 118 << 3 << 2;
    }

    void cellOfAQuestion()
    {
        QFETCH(int, number);
        QFETCH(int, row);
        QFETCH(int, column);
        QCOMPARE(AnswerCard::rowOf(number), row);
        QCOMPARE(AnswerCard::columnOf(number), column);
    }

    void textsOfTheWindow()
    {
        QCOMPARE(practice::questionLine(12, QStringLiteral("题干")), QStringLiteral("第12题：  题干"));
        QCOMPARE(practice::explanationText(QStringLiteral("B"), QStringLiteral("因为")),
                 QStringLiteral("正确答案：B\r因为"));
        QCOMPARE(practice::noteForStore(QStringLiteral("一\n二\n")), QStringLiteral("一\r\n二\r\n"));
        QCOMPARE(practice::noteForEditor(QStringLiteral("一\r\n二")), QStringLiteral("一\n二"));
    }

    // ---- the window over a fixture bank ----

    void openingFromTheGrid()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqgl"), QStringLiteral("第1章 \"管理\"理论"), 3, false);
        ScriptedMessages boxes;
        TForm1 main(bank.path());
        main.TreeView1->setCurrentItem(main.treeItem(2));
        main.TreeView1Click();

        QString caption;
        QString firstLine;
        QTimer::singleShot(0, [&] {
            QVERIFY(Form2);
            caption = Form2->windowTitle();
            firstLine = Form2->labeltm->text();
            Form2->close();
        });
        main.DBGrid1DblClick();
        QCOMPARE(Form2, nullptr);
        QCOMPARE(caption, QStringLiteral("练习题：第1章 \"管理\"理论"));
        QVERIFY(firstLine.startsWith(QStringLiteral("第1题：  第1章 \"管理\"理论 1")));
        QCOMPARE(main.SelectedIndex, 2);
        QVERIFY(boxes.shown.isEmpty());

        // Not a chapter item: refused, and only SelectedIndex changes.
        main.treeItem(5)->setExpanded(true);
        main.TreeView1->setCurrentItem(main.treeItem(7));
        main.DBGrid1DblClick();
        QCOMPARE(boxes.texts(Kind::Plain), QStringList{QStringLiteral("请先选择左边的章节练习科目！")});
        QCOMPARE(main.SelectedIndex, 7);
        QCOMPARE(main.currentCategory(), QStringLiteral("第1章 \"管理\"理论"));
    }

    void startState()
    {
        FixtureBank bank;
        bank.addQuestion(QStringLiteral("aqfg"), QStringLiteral("c"), true, QStringLiteral("AB"));
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 2, false);
        store::Database db(bank.path());
        TForm2 w(db, 1, QStringLiteral("c"), 3);
        QCOMPARE(w.windowTitle(), QStringLiteral("练习题：c"));
        QCOMPARE(w.size(), QSize(897, 637));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("labeltm")), w.labeltm);
        QCOMPARE(w.findChild<QPushButton *>(QStringLiteral("DXD")), w.DXD);
        QCOMPARE(w.findChild<QTableWidget *>(QStringLiteral("bsSkinStringGrid1")), w.bsSkinStringGrid1);
        // Single-choice first: question 1 is ID 2.
        QCOMPARE(w.labeltm->text(), QStringLiteral("第1题：  c 2\nA．甲\nB．乙\nC．丙\nD．丁"));
        QVERIFY(!w.bsSkinGroupBox2->isHidden());
        QVERIFY(w.bsSkinGroupBox1->isHidden());
        QVERIFY(w.LABLJX->isHidden());
        QVERIFY(w.bsSkinPanel7->isHidden());
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(1, 3));
        QCOMPARE(w.DXA->geometry(), QRect(37, 35, 70, 30));
        QCOMPARE(w.datj->geometry(), QRect(312, 34, 81, 33));
        QCOMPARE(w.bschkE->geometry(), QRect(248, 38, 40, 35));
        QCOMPARE(w.btnsc->text(), QStringLiteral(" 收藏"));
        QCOMPARE(w.bsSkinButton4->geometry(), QRect(446, 90, 75, 25));
        QCOMPARE(w.bsSkinStringGrid1->geometry(), QRect(16, 48, 217, 417));
        QCOMPARE(w.bsSkinStringGrid1->columnWidth(0), 40);
        QCOMPARE(w.bsSkinStringGrid1->rowHeight(0), 40);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.bsSkinPanel3->geometry(), QRect(664, 0, 233, 637));
        QCOMPARE(w.bsSkinPanel2->height(), 300);
        QCOMPARE(w.bsSkinPanel4->height(), 120);
        QCOMPARE(w.bsSkinPanel6->height(), 465);
    }

    void singleChoiceAnswers()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqjs"), QStringLiteral("c"), 2, false, QStringLiteral("C"));
        bank.addQuestion(QStringLiteral("aqjs"), QStringLiteral("c"), false, QStringLiteral("d")); // never right
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 3, QStringLiteral("c"), 3);

        QTest::mouseClick(w.DXB, Qt::LeftButton);
        QCOMPARE(boxes.texts(Kind::Information), QStringList{kWrong});
        QCOMPARE(questionNumber(w), QStringLiteral("1"));
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from aqjs where ID=1")).toString(), QString());

        w.btnjxClick(); // a move hides the explanation
        QTest::mouseClick(w.DXC, Qt::LeftButton);
        QCOMPARE(questionNumber(w), QStringLiteral("2"));
        QVERIFY(w.LABLJX->isHidden());
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from aqjs where ID=1")).toString(), QStringLiteral("C"));
        QCOMPARE(w.bsSkinStringGrid1->currentRow(), 0);
        QCOMPARE(w.bsSkinStringGrid1->currentColumn(), 1);

        // Keyboard: the letter answers like its button.
        QTest::keyClick(&w, Qt::Key_C);
        QCOMPARE(questionNumber(w), QStringLiteral("3"));
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from aqjs where ID=2")).toString(), QStringLiteral("C"));

        // A lower-case stored answer can never be matched.
        boxes.clear();
        QTest::mouseClick(w.DXD, Qt::LeftButton);
        QCOMPARE(boxes.texts(Kind::Information), QStringList{kWrong});
        // A right answer on the last question stays there.
        bank.exec(QStringLiteral("update aqjs set ZQda='D' where ID=3"));
    }

    void rightAnswerOnTheLastQuestionStaysThere()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 2, false, QStringLiteral("D"));
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 1, QStringLiteral("c"), 2);
        w.DXDClick();
        w.DXDClick();
        QCOMPARE(questionNumber(w), QStringLiteral("2"));
        QCOMPARE(bank.scalar(QStringLiteral("select count(*) from aqfg where xzda='D'")).toInt(), 2);
        QVERIFY(boxes.shown.isEmpty());
    }

    void multiChoiceInAnyTickOrder()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 1, false);
        bank.addQuestion(QStringLiteral("aqfg"), QStringLiteral("c"), true, QStringLiteral("ACD"));
        bank.addQuestion(QStringLiteral("aqfg"), QStringLiteral("c"), true, QStringLiteral("BE"));
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 1, QStringLiteral("c"), 3);
        w.bsSkinButton4Click();
        QVERIFY(!w.bsSkinGroupBox1->isHidden());
        QVERIFY(w.bsSkinGroupBox2->isHidden());

        w.datjClick(); // nothing ticked
        w.bschkA->setChecked(true);
        w.bschkC->setChecked(true);
        w.datjClick(); // A and C only
        QCOMPARE(boxes.texts(Kind::Information), (QStringList{kWrong, kWrong}));
        QVERIFY(w.bschkA->isChecked()); // the boxes keep their state

        w.bschkA->setChecked(false);
        w.bschkC->setChecked(false);
        QTest::mouseClick(w.bschkC, Qt::LeftButton);
        QTest::mouseClick(w.bschkA, Qt::LeftButton);
        QTest::mouseClick(w.bschkD, Qt::LeftButton);
        QTest::mouseClick(w.datj, Qt::LeftButton);
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from aqfg where ID=2")).toString(), QStringLiteral("ACD"));
        QCOMPARE(questionNumber(w), QStringLiteral("3"));
        for (QCheckBox *b : {w.bschkA, w.bschkB, w.bschkC, w.bschkD, w.bschkE})
            QVERIFY(!b->isChecked()); // the next multi-choice question starts unticked

        // Keyboard: letters tick, Return submits.
        QTest::keyClick(&w, Qt::Key_E);
        QTest::keyClick(&w, Qt::Key_B);
        QTest::keyClick(&w, Qt::Key_Return);
        QCOMPARE(bank.scalar(QStringLiteral("select xzda from aqfg where ID=3")).toString(), QStringLiteral("BE"));
    }

    void fiftyQuestionCard()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqgl"), QStringLiteral("c"), 50, false);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 2, QStringLiteral("c"), 50);
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(1, 50));
        w.bsSkinButton2Click();
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(1, 50));
        QVERIFY(boxes.shown.isEmpty());
        w.bsSkinButton1Click();
        QCOMPARE(boxes.texts(Kind::Information), QStringList{QStringLiteral("已经是第一页了")});

        pressCell(w, 9, 4);
        QCOMPARE(questionNumber(w), QStringLiteral("50"));
        w.bsSkinButton4Click();
        QCOMPARE(questionNumber(w), QStringLiteral("50"));
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(1, 50));
    }

    void oneHundredTwentyQuestionCard()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqgl"), QStringLiteral("c"), 120, false);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 2, QStringLiteral("c"), 120);
        QTest::mouseClick(w.bsSkinButton2, Qt::LeftButton);
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(51, 100));
        QTest::mouseClick(w.bsSkinButton2, Qt::LeftButton);
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(101, 120));
        QCOMPARE(questionNumber(w), QStringLiteral("1")); // paging does not move the question

        // A press on an empty cell leads nowhere and reports nothing.
        pressCell(w, 9, 4);
        QCOMPARE(questionNumber(w), QStringLiteral("1"));
        pressCell(w, 3, 2);
        QCOMPARE(questionNumber(w), QStringLiteral("118"));
        // The right button shows the question of the cell already selected.
        pressCell(w, 0, 0, Qt::RightButton);
        QCOMPARE(questionNumber(w), QStringLiteral("118"));

        QTest::mouseClick(w.bsSkinButton1, Qt::LeftButton);
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(51, 100));
        QVERIFY(boxes.shown.isEmpty());
    }

    void pageTurnsAtQuestionFiftyBothWays()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 60, false, QStringLiteral("B"));
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 1, QStringLiteral("c"), 60);
        pressCell(w, 9, 4);
        QCOMPARE(questionNumber(w), QStringLiteral("50"));
        w.DXBClick(); // right: on to 51 with the next page
        QCOMPARE(questionNumber(w), QStringLiteral("51"));
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(51, 60));
        QCOMPARE(w.bsSkinStringGrid1->currentRow(), 0);
        QCOMPARE(w.bsSkinStringGrid1->currentColumn(), 0);

        QTest::keyClick(&w, Qt::Key_PageUp);
        QCOMPARE(questionNumber(w), QStringLiteral("50"));
        QCOMPARE(gridTexts(w.bsSkinStringGrid1), numbers(1, 50));
        QCOMPARE(w.bsSkinStringGrid1->currentRow(), 9);
        QCOMPARE(w.bsSkinStringGrid1->currentColumn(), 4);
        QTest::keyClick(&w, Qt::Key_PageDown);
        QCOMPARE(questionNumber(w), QStringLiteral("51"));
        QVERIFY(boxes.shown.isEmpty());
    }

    void previousOnTheFirstQuestionStaysThere()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 2, false);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 1, QStringLiteral("c"), 2);
        w.btnbjClick();
        w.bsSkinButton3Click();
        QCOMPARE(questionNumber(w), QStringLiteral("1"));
        QVERIFY(w.bsSkinPanel7->isHidden());
        QVERIFY(boxes.shown.isEmpty());
    }

    void explanationShowsTheAnswerAboveTheText()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("alfx"), QStringLiteral("案例1"), 1, false, QStringLiteral("B"));
        store::Database db(bank.path());
        TForm2 w(db, 4, QStringLiteral("案例1"), 1);
        w.btnjxClick();
        QVERIFY(!w.LABLJX->isHidden());
        QCOMPARE(w.LABLJX->text(), QStringLiteral("正确答案：B\n解析 1"));
        w.btnjxClick();
        QVERIFY(w.LABLJX->isHidden());
    }

    void notesAreSavedAsTypedAndReloaded()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 3, false);
        bank.exec(QStringLiteral("update aqfg set bj=? where ID=2"), {QStringLiteral("旧笔记\r\n第二行")});
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 1, QStringLiteral("c"), 3);
        QTest::mouseClick(w.btnbj, Qt::LeftButton);
        QVERIFY(!w.bsSkinPanel7->isHidden());
        QCOMPARE(w.bsSkinMemo21->toPlainText(), QString());
        w.bsSkinMemo21->setFocus();
        QTest::keyClicks(w.bsSkinMemo21, QStringLiteral("abc"));
        QTest::keyClick(w.bsSkinMemo21, Qt::Key_Return);
        QTest::keyClicks(w.bsSkinMemo21, QStringLiteral("de"));
        QTest::mouseClick(w.bsSkinButton5, Qt::LeftButton);
        QCOMPARE(bank.scalar(QStringLiteral("select bj from aqfg where ID=1")).toString(), QStringLiteral("abc\r\nde"));
        QVERIFY(!w.bsSkinPanel7->isHidden()); // the panel stays open
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(questionNumber(w), QStringLiteral("1")); // letters typed in the memo answer nothing

        // With the panel open, a card click changes the question but keeps the panel and its text.
        pressCell(w, 0, 1);
        QCOMPARE(questionNumber(w), QStringLiteral("2"));
        QVERIFY(!w.bsSkinPanel7->isHidden());
        QCOMPARE(w.bsSkinMemo21->toPlainText(), QStringLiteral("abc\nde"));
        // Closing and opening the panel loads the note of the question shown.
        w.btnbjClick();
        QVERIFY(w.bsSkinPanel7->isHidden());
        w.btnbjClick();
        QCOMPARE(w.bsSkinMemo21->toPlainText(), QStringLiteral("旧笔记\n第二行"));
        // An empty memo clears the note.
        w.bsSkinMemo21->clear();
        w.bsSkinButton5Click();
        QCOMPARE(bank.scalar(QStringLiteral("select bj from aqfg where ID=2")).toString(), QString());
        // The question moves close the panel.
        w.bsSkinButton4Click();
        QVERIFY(w.bsSkinPanel7->isHidden());
    }

    void favouriteMarkSetAndCleared()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 1, false);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 1, QStringLiteral("c"), 1);
        auto sc = [&] { return bank.scalar(QStringLiteral("select sc from aqfg where ID=1")).toInt(); };

        QTest::mouseClick(w.btnsc, Qt::LeftButton);
        QCOMPARE(sc(), 1);
        QCOMPARE(boxes.texts(Kind::Plain), QStringList{QStringLiteral("收藏成功！")});

        boxes.answers = {ui::Answer::No};
        w.btnscClick();
        QCOMPARE(boxes.texts(Kind::Question), QStringList{QStringLiteral("此题已经收藏，要取消吗？。")});
        QCOMPARE(sc(), 1);

        boxes.answers = {ui::Answer::Yes};
        w.btnscClick();
        QCOMPARE(sc(), 0);
        QCOMPARE(boxes.count(Kind::Plain), 1);
    }

    void storeFailuresAreReportedAndTheWindowGoesOn()
    {
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 2, false);
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TForm2 w(db, 1, QStringLiteral("c"), 2);
        bank.exec(QStringLiteral("delete from aqfg where ID=1")); // the row goes away behind the window
        QVERIFY_THROWS_EXCEPTION(store::StoreError, w.btnAClick()); // the handler itself stops
        QCOMPARE(questionNumber(w), QStringLiteral("1"));
        QTest::mouseClick(w.DXA, Qt::LeftButton);
        QCOMPARE(boxes.count(Kind::Error), 1);
        QCOMPARE(questionNumber(w), QStringLiteral("1"));
        QTest::mouseClick(w.bsSkinButton4, Qt::LeftButton); // still usable
        QCOMPARE(questionNumber(w), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestPractice)
#include "test_practice.moc"
