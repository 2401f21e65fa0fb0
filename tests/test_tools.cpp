#include "store/database.h"
#include "support/fixture_bank.h"
#include "support/scripted_messages.h"
#include "tools/about_dialog.h"
#include "tools/favourites_dialog.h"
#include "tools/guide_dialog.h"
#include "tools/notes_dialog.h"
#include "tools/openers.h"
#include "tools/search_dialog.h"
#include "tools/text_rules.h"
#include "ui/style.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using Kind = ScriptedMessages::Kind;

namespace {

const QString kTooShort = QStringLiteral("搜索关键字必须2个汉字以上！");
const QString kChooseSubject = QStringLiteral("请选择科目！");
const QString kSaved = QStringLiteral("笔记保存成功！");
const QString kUnmarked = QStringLiteral("已经取消收藏。");
const QString kNoQuestion = QStringLiteral("没有选中的题目！");

// The texts of one grid column, top to bottom.
QStringList column(const tools::QuestionDialog &w, int c)
{
    QStringList out;
    for (int r = 0; r < w.DataSource1->rowCount(); ++r)
        out << w.DataSource1->index(r, c).data().toString();
    return out;
}

void clickRow(QTableView *grid, int row)
{
    const QRect r = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
}

void clickItem(QTreeWidget *tree, QTreeWidgetItem *item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

QTreeWidgetItem *childNamed(QTreeWidgetItem *group, const QString &text)
{
    for (int i = 0; i < group->childCount(); ++i)
        if (group->child(i)->text(0) == text)
            return group->child(i);
    return nullptr;
}

QStringList childTexts(const QTreeWidgetItem *group)
{
    QStringList out;
    for (int i = 0; i < group->childCount(); ++i)
        out << group->child(i)->text(0);
    return out;
}

void showAndWait(QWidget &w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

// Replaces the whole text of a memo as the user would (select all, type over it).
void typeOver(QPlainTextEdit *memo, const QString &text)
{
    memo->selectAll();
    memo->insertPlainText(text);
}

// A bank for the question dialogs: notes and marks as the practice window leaves them.
struct ReviewBank {
    FixtureBank bank;
    QString note(qint64 id, const QString &table = QStringLiteral("aqfg"))
    {
        return bank.scalar(QStringLiteral("select bj from %1 where ID=?").arg(table), {id}).toString();
    }
    int mark(qint64 id, const QString &table = QStringLiteral("aqjs"))
    {
        return bank.scalar(QStringLiteral("select sc from %1 where ID=?").arg(table), {id}).toInt();
    }
};

} // namespace

// Receives the addresses the about dialog's link opens, in place of the web browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestTools : public QObject {
    Q_OBJECT

private slots:
    // ---- the keyword rule ----

    void keywordRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("two Chinese characters") << QStringLiteral("安全") << QStringLiteral("安全") << 4 << true;
        QTest::newRow("one Chinese character") << QStringLiteral("安") << QStringLiteral("安") << 2 << false;
        QTest::newRow("four ASCII") << QStringLiteral("abcd") << QStringLiteral("abcd") << 4 << true;
        QTest::newRow("three ASCII") << QStringLiteral("abc") << QStringLiteral("abc") << 3 << false;
        QTest::newRow("Chinese and ASCII") << QStringLiteral("安ab") << QStringLiteral("安ab") << 4 << true;
        QTest::newRow("one character between spaces") << QStringLiteral(" 安 ") << QStringLiteral("安") << 2 << false;
        QTest::newRow("control characters trimmed")
            << QStringLiteral("\t\r\n安全\x01 ") << QStringLiteral("安全") << 4 << true;
        QTest::newRow("inner space kept") << QStringLiteral(" a b ") << QStringLiteral("a b") << 3 << false;
        QTest::newRow("full-width space stays")
            << QStringLiteral("安\u3000") << QStringLiteral("安\u3000") << 4 << true;
        QTest::newRow("full-width space alone") << QStringLiteral("\u3000") << QStringLiteral("\u3000") << 2 << false;
        QTest::newRow("full-width letters") << QStringLiteral("ＡＢ") << QStringLiteral("ＡＢ") << 4 << true;
        QTest::newRow("wildcards count as ASCII") << QStringLiteral("%_%_") << QStringLiteral("%_%_") << 4 << true;
        // Outside GBK: each counts as wide as a Chinese character.
        QTest::newRow("one emoji") << QStringLiteral("😀") << QStringLiteral("😀") << 2 << false;
        QTest::newRow("two emoji") << QStringLiteral("😀😀") << QStringLiteral("😀😀") << 4 << true;
        QTest::newRow("supplementary Han and ASCII")
            << QStringLiteral("\U00020000a") << QStringLiteral("\U00020000a") << 3 << false;
        QTest::newRow("empty") << QString() << QString() << 0 << false;
        QTest::newRow("spaces only") << QStringLiteral("    ") << QString() << 0 << false;
    }

    void keywordRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, keyword);
        QFETCH(int, bytes);
        QFETCH(bool, accepted);
        const QString k = tools::trimKeyword(typed);
        QCOMPARE(k, keyword);
        QCOMPARE(tools::gbkByteLength(k), bytes);
        QCOMPARE(tools::keywordLongEnough(k), accepted);
    }

    void noteTextLineEnds()
    {
        QCOMPARE(tools::noteForStore(QStringLiteral("重点")), QStringLiteral("重点"));
        QCOMPARE(tools::noteForStore(QStringLiteral("一\n二\n")), QStringLiteral("一\r\n二\r\n"));
        QCOMPARE(tools::noteForStore(QStringLiteral("一\r\n二")), QStringLiteral("一\r\n二"));
        QCOMPARE(tools::textForEditor(QStringLiteral("一\r\n二\r三")), QStringLiteral("一\n二\n三"));
    }

    // ---- question search ----

    void searchDialogStartsEmpty()
    {
        FixtureBank bank;
        store::Database db(bank.path());
        TFcz w(db);
        showAndWait(w);
        QCOMPARE(w.objectName(), QStringLiteral("Fcz"));
        QCOMPARE(w.windowTitle(), QStringLiteral("练习题目查找"));
        QCOMPARE(w.size(), QSize(862, 489));
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("bsSkinEdit1")), w.bsSkinEdit1);
        QCOMPARE(w.findChild<QPlainTextEdit *>(QStringLiteral("DBMemoEh2")), w.DBMemoEh2);
        QCOMPARE(w.Label1->text(), QStringLiteral("关键字"));
        QCOMPARE(w.Label1->font().pixelSize(), 16);
        QCOMPARE(w.bsSkinComboBox1->count(), 4);
        QCOMPARE(w.bsSkinComboBox1->itemText(3), QStringLiteral("案例分析"));
        QCOMPARE(w.bsSkinComboBox1->currentIndex(), 0);
        QVERIFY(!w.bsSkinComboBox1->isEditable());
        QCOMPARE(w.bsSkinEdit1->geometry(), QRect(184, 23, 181, 23));
        QCOMPARE(w.bsSkinButton1->geometry(), QRect(375, 22, 75, 25));
        QCOMPARE(w.bsSkinButton1->text(), QStringLiteral("查询"));
        QCOMPARE(w.bsSkinEdit1->text(), QString());
        QCOMPARE(w.DataSource1->rowCount(), 0);
        QVERIFY(!w.ADOQuery1->isOpen());

        QCOMPARE(w.bsSkinPanel6->geometry(), QRect(0, 0, 465, 489));
        QCOMPARE(w.bsSkinPanel7->height(), 73);
        QCOMPARE(w.DBGridEh1->size(), QSize(465, 416));
        QCOMPARE(w.bsSkinPanel3->geometry(), QRect(465, 0, 397, 489));
        QCOMPARE(w.DBMemoEh1->size(), QSize(395, 233));
        QCOMPARE(w.bsSkinPanel2->height(), 48);
        QCOMPARE(w.bsSkinPanel1->height(), 176);
        QVERIFY(w.bsSkinPanel1->y() > w.bsSkinPanel2->y()); // the explanation at the very bottom
        QCOMPARE(w.bsSkinDBText2->geometry(), QRect(20, 26, 125, 17));
        QVERIFY(w.DBMemoEh1->isReadOnly());
        QVERIFY(w.DBMemoEh2->isReadOnly());

        const QStringList titles{QStringLiteral("类别"), QStringLiteral("题目"), QStringLiteral("正确答案"),
                                 QStringLiteral("答案解析")};
        for (int c = 0; c < titles.size(); ++c)
            QCOMPARE(w.DataSource1->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), titles.at(c));
        QCOMPARE(w.DBGridEh1->columnWidth(0), 98);
        QCOMPARE(w.DBGridEh1->columnWidth(1), 239);
        QVERIFY(w.DBGridEh1->verticalHeader()->isVisible()); // the row indicator
        QCOMPARE(w.DBGridEh1->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void searchMatches_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QList<qint64>>("ids");
        QTest::newRow("in text or explanation") << QStringLiteral("安全帽") << QList<qint64>{1, 2};
        QTest::newRow("only in the explanation") << QStringLiteral("独有说明") << QList<qint64>{2};
        QTest::newRow("double quote is a character") << QStringLiteral("\"引号\"") << QList<qint64>{3};
        QTest::newRow("percent is a wildcard") << QStringLiteral("安%帽") << QList<qint64>{1, 2};
        QTest::newRow("underscore is one character") << QStringLiteral("安_帽") << QList<qint64>{1, 2};
        QTest::newRow("ASCII in any case") << QStringLiteral("ABCD") << QList<qint64>{4};
        QTest::newRow("no match") << QStringLiteral("不存在的") << QList<qint64>{};
    }

    void searchMatches()
    {
        QFETCH(QString, keyword);
        QFETCH(QList<qint64>, ids);
        FixtureBank bank;
        const QString t = QStringLiteral("aqgl");
        bank.addQuestion(t, QStringLiteral("第1章"), false, QStringLiteral("A"), QStringLiteral("佩戴安全帽的要求"));
        bank.addQuestion(t, QStringLiteral("第1章"), false, QStringLiteral("B"), QStringLiteral("高处作业"));
        bank.exec(QStringLiteral("update aqgl set jx='安全帽 独有说明' where ID=2"));
        bank.addQuestion(t, QStringLiteral("第2章"), true, QStringLiteral("AC"), QStringLiteral("所谓\"引号\"的题"));
        bank.addQuestion(t, QStringLiteral("第2章"), false, QStringLiteral("D"), QStringLiteral("abcd 管理"));
        bank.addQuestion(QStringLiteral("aqfg"), QStringLiteral("第1章"), false, QStringLiteral("A"),
                         QStringLiteral("安全帽 但在另一科目"));
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFcz w(db);
        w.bsSkinComboBox1->setCurrentIndex(1); // 安全管理
        w.bsSkinEdit1->setText(keyword);
        QTest::mouseClick(w.bsSkinButton1, Qt::LeftButton);

        QVERIFY(boxes.shown.isEmpty());
        QList<qint64> found;
        for (int r = 0; r < w.ADOQuery1->recordCount(); ++r)
            found << w.ADOQuery1->cell(r, w.ADOQuery1->fieldIndex(QStringLiteral("ID"))).toLongLong();
        QCOMPARE(found, ids);
        QCOMPARE(w.DataSource1->rowCount(), ids.size());
        if (ids.isEmpty()) {
            QCOMPARE(w.DBMemoEh1->toPlainText(), QString());
            QCOMPARE(w.bsSkinDBText2->text(), QString());
            QCOMPARE(w.DBMemoEh2->toPlainText(), QString());
        } else {
            QCOMPARE(w.ADOQuery1->recNo(), 1);
            QCOMPARE(w.DBMemoEh1->toPlainText(), w.ADOQuery1->asString(QStringLiteral("tm")));
        }
    }

    void searchShowsTheSelectedRowAndKeepsTheListOnARefusal()
    {
        FixtureBank bank;
        bank.addQuestion(QStringLiteral("alfx"), QStringLiteral("案例1"), false, QStringLiteral("B"),
                         QStringLiteral("储罐区动火作业\nA．甲\nB．乙"));
        bank.addQuestion(QStringLiteral("alfx"), QStringLiteral("案例1"), true, QStringLiteral("ACD"),
                         QStringLiteral("储罐区检修"));
        bank.exec(QStringLiteral("update alfx set jx=? where ID=2"), {QStringLiteral("第一行\r\n第二行")});
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFcz w(db);
        showAndWait(w);
        w.bsSkinComboBox1->setCurrentIndex(3);
        w.bsSkinEdit1->setText(QStringLiteral("  储罐区\t"));
        QTest::keyClick(w.bsSkinEdit1, Qt::Key_Return); // Return in the keyword box searches
        QCOMPARE(column(w, 1).size(), 2);
        QCOMPARE(w.DBMemoEh1->toPlainText(), QStringLiteral("储罐区动火作业\nA．甲\nB．乙"));
        QCOMPARE(w.bsSkinDBText2->text(), QStringLiteral("B"));
        QCOMPARE(w.DBMemoEh2->toPlainText(), QStringLiteral("解析 1"));
        QCOMPARE(column(w, 1).at(0), QStringLiteral("储罐区动火作业\nA．甲\nB．乙"));

        clickRow(w.DBGridEh1, 1);
        QCOMPARE(w.ADOQuery1->recNo(), 2);
        QCOMPARE(w.bsSkinDBText2->text(), QStringLiteral("ACD"));
        QTest::keyClick(w.DBGridEh1, Qt::Key_Return); // Return in the grid starts no search
        QCOMPARE(w.ADOQuery1->recNo(), 2);
        QCOMPARE(w.DBMemoEh2->toPlainText(), QStringLiteral("第一行\n第二行"));

        // A refused keyword leaves the list and the selected row as they were.
        w.bsSkinEdit1->setText(QStringLiteral(" 储 "));
        w.bsSkinButton1Click();
        QCOMPARE(boxes.texts(Kind::Plain), QStringList{kTooShort});
        QCOMPARE(w.DataSource1->rowCount(), 2);
        QCOMPARE(w.ADOQuery1->recNo(), 2);
        QCOMPARE(w.bsSkinDBText2->text(), QStringLiteral("ACD"));

        // No subject chosen: the list goes blank.
        boxes.clear();
        w.bsSkinEdit1->setText(QStringLiteral("储罐区"));
        w.bsSkinComboBox1->setCurrentIndex(-1);
        w.bsSkinButton1Click();
        QCOMPARE(boxes.texts(Kind::Plain), QStringList{kChooseSubject});
        QCOMPARE(w.DataSource1->rowCount(), 0);
        QCOMPARE(w.DBMemoEh1->toPlainText(), QString());
        QCOMPARE(w.bsSkinDBText2->text(), QString());
    }

    void searchFailureIsReportedAndTheListStaysBlank()
    {
        FixtureBank bank;
        bank.addQuestion(QStringLiteral("aqfg"), QStringLiteral("c"), false, QStringLiteral("A"), QStringLiteral("安全生产"));
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFcz w(db);
        w.bsSkinEdit1->setText(QStringLiteral("安全"));
        w.bsSkinButton1Click();
        QCOMPARE(w.DataSource1->rowCount(), 1);
        db.setPath(QDir(bank.dir()).filePath(QStringLiteral("missing.dll")));
        QTest::mouseClick(w.bsSkinButton1, Qt::LeftButton);
        QCOMPARE(boxes.count(Kind::Error), 1);
        QCOMPARE(w.DataSource1->rowCount(), 0);
        QCOMPARE(w.DBMemoEh1->toPlainText(), QString());
    }

    // ---- notes ----

    void notesDialogLayout()
    {
        FixtureBank bank;
        store::Database db(bank.path());
        TFbj w(db);
        showAndWait(w);
        QCOMPARE(w.objectName(), QStringLiteral("Fbj"));
        QCOMPARE(w.windowTitle(), QStringLiteral("笔记整理"));
        QCOMPARE(w.size(), QSize(826, 473));
        QCOMPARE(w.Label1->text(), QStringLiteral("笔记关键字"));
        QCOMPARE(w.Label1->geometry(), QRect(5, 24, 100, 20));
        QCOMPARE(w.bsSkinComboBox1->geometry(), QRect(106, 22, 105, 25));
        QCOMPARE(w.bsSkinEdit1->geometry(), QRect(216, 23, 149, 23));
        QCOMPARE(w.DBGridEh1->size(), QSize(465, 400));
        QCOMPARE(w.bsSkinPanel3->size(), QSize(361, 473));
        QCOMPARE(w.bsSkinPanel4->height(), 150);
        QCOMPARE(w.bsSkinPanel1->height(), 116);
        QCOMPARE(w.bsSkinPanel5->height(), 127);
        QCOMPARE(w.bsSkinButton2->text(), QStringLiteral("笔记保存"));
        QCOMPARE(w.bsSkinButton2->height(), 25);
        QCOMPARE(w.DBGridEh1->columnWidth(2), 34);
        QCOMPARE(w.DataSource1->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("笔记"));
        QVERIFY(w.bsSkinPanel4->y() < w.bsSkinPanel2->y());
        QVERIFY(w.bsSkinPanel2->y() < w.bsSkinPanel1->y());
        QVERIFY(w.bsSkinPanel1->y() < w.bsSkinPanel5->y());
        QVERIFY(w.DBMemoEh3->isReadOnly()); // no row to write a note to yet
    }

    void notesSaveStoresTheMemoTextAndKeepsTheRow()
    {
        ReviewBank b;
        b.bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 3, false);
        b.bank.exec(QStringLiteral("update aqfg set bj='重点难点' where ID=1"));
        b.bank.exec(QStringLiteral("update aqfg set bj='其他' where ID=2"));
        b.bank.exec(QStringLiteral("update aqfg set bj=? where ID=3"), {QStringLiteral("也是重点\r\n第二行")});
        ScriptedMessages boxes;
        store::Database db(b.bank.path());
        TFbj w(db);
        showAndWait(w);

        w.bsSkinEdit1->setText(QStringLiteral("重点"));
        QTest::mouseClick(w.bsSkinButton1, Qt::LeftButton);
        QCOMPARE(column(w, 4), (QStringList{QStringLiteral("重点难点"), QStringLiteral("也是重点\r\n第二行")}));
        QCOMPARE(w.DBMemoEh3->toPlainText(), QStringLiteral("重点难点"));
        QVERIFY(!w.DBMemoEh3->isReadOnly());

        // Exactly the memo's text, on one line.
        typeOver(w.DBMemoEh3, QStringLiteral("重点"));
        QTest::mouseClick(w.bsSkinButton2, Qt::LeftButton);
        QCOMPARE(b.note(1), QStringLiteral("重点"));
        QCOMPARE(boxes.texts(Kind::Plain), QStringList{kSaved});

        // Lines end in CR LF; nothing is added at the end. The row stays listed with its new
        // note, though the note no longer holds the keyword.
        clickRow(w.DBGridEh1, 1);
        QCOMPARE(w.DBMemoEh3->toPlainText(), QStringLiteral("也是重点\n第二行"));
        typeOver(w.DBMemoEh3, QString());
        QTest::keyClicks(w.DBMemoEh3, QStringLiteral("line one"));
        QTest::keyClick(w.DBMemoEh3, Qt::Key_Return);
        QTest::keyClicks(w.DBMemoEh3, QStringLiteral("two"));
        w.bsSkinButton2Click();
        QCOMPARE(b.note(3), QStringLiteral("line one\r\ntwo"));
        QCOMPARE(column(w, 4), (QStringList{QStringLiteral("重点"), QStringLiteral("line one\r\ntwo")}));
        QCOMPARE(w.ADOQuery1->recNo(), 2);

        // An empty memo clears the note; a no-break space is kept as it is.
        typeOver(w.DBMemoEh3, QString());
        w.bsSkinButton2Click();
        QCOMPARE(b.note(3), QString());
        typeOver(w.DBMemoEh3, QStringLiteral("a\u00a0b"));
        w.bsSkinButton2Click();
        QCOMPARE(b.note(3), QStringLiteral("a\u00a0b"));
        QCOMPARE(b.note(2), QStringLiteral("其他"));

        // A new search finds the saved note.
        w.bsSkinButton1Click();
        QCOMPARE(column(w, 4), QStringList{QStringLiteral("重点")});
    }

    void notesTypedNoteGoesToTheRowLeft_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("click on another row") << false;
        QTest::newRow("arrow key in the grid") << true;
    }

    void notesTypedNoteGoesToTheRowLeft()
    {
        QFETCH(bool, byKey);
        ReviewBank b;
        b.bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 2, false);
        b.bank.exec(QStringLiteral("update aqfg set bj='note ' || ID"));
        ScriptedMessages boxes;
        store::Database db(b.bank.path());
        TFbj w(db);
        showAndWait(w);
        w.bsSkinEdit1->setText(QStringLiteral("note"));
        w.bsSkinButton1Click();

        w.DBMemoEh3->moveCursor(QTextCursor::End);
        QTest::keyClicks(w.DBMemoEh3, QStringLiteral(" typed"));
        QCOMPARE(b.note(1), QStringLiteral("note 1")); // not written yet
        if (byKey) {
            w.DBGridEh1->setFocus();
            QTest::keyClick(w.DBGridEh1, Qt::Key_Down);
        } else {
            clickRow(w.DBGridEh1, 1);
        }
        QCOMPARE(w.ADOQuery1->recNo(), 2);
        QCOMPARE(b.note(1), QStringLiteral("note 1 typed"));
        QCOMPARE(b.note(2), QStringLiteral("note 2"));
        QCOMPARE(w.DBMemoEh3->toPlainText(), QStringLiteral("note 2"));
        QCOMPARE(column(w, 4), (QStringList{QStringLiteral("note 1 typed"), QStringLiteral("note 2")}));
        QVERIFY(boxes.shown.isEmpty());
    }

    void notesTypedNoteIsDroppedBySearchOrClosing()
    {
        ReviewBank b;
        b.bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 2, false);
        b.bank.exec(QStringLiteral("update aqfg set bj='note ' || ID"));
        ScriptedMessages boxes;
        store::Database db(b.bank.path());
        {
            TFbj w(db);
            w.bsSkinEdit1->setText(QStringLiteral("note"));
            w.bsSkinButton1Click();
            QTest::keyClicks(w.DBMemoEh3, QStringLiteral("lost "));
            QVERIFY(w.ADOQuery1->isEditing());
            w.bsSkinButton1Click(); // a new search
            QCOMPARE(w.DBMemoEh3->toPlainText(), QStringLiteral("note 1"));
            clickRow(w.DBGridEh1, 1);
            QCOMPARE(b.note(1), QStringLiteral("note 1"));

            QTest::keyClicks(w.DBMemoEh3, QStringLiteral("lost too "));
            w.close();
        } // the dialog is destroyed with the note pending
        QCOMPARE(b.note(2), QStringLiteral("note 2"));
        QVERIFY(boxes.shown.isEmpty());
    }

    void notesSaveWithoutAQuestionWritesNothing()
    {
        ReviewBank b;
        b.bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 1, false);
        b.bank.exec(QStringLiteral("update aqfg set bj='keep'"));
        ScriptedMessages boxes;
        store::Database db(b.bank.path());
        TFbj w(db);
        w.bsSkinButton2Click(); // before any search
        w.bsSkinEdit1->setText(QStringLiteral("nothing"));
        w.bsSkinButton1Click(); // a search without rows
        QCOMPARE(w.DataSource1->rowCount(), 0);
        QVERIFY(w.DBMemoEh3->isReadOnly());
        QTest::mouseClick(w.bsSkinButton2, Qt::LeftButton);
        QCOMPARE(boxes.texts(Kind::Plain), (QStringList{kNoQuestion, kNoQuestion}));
        QCOMPARE(b.note(1), QStringLiteral("keep"));
        // The keyword rule is the search's.
        w.bsSkinEdit1->setText(QStringLiteral("abc"));
        w.bsSkinButton1Click();
        QCOMPARE(boxes.texts(Kind::Plain).last(), kTooShort);
    }

    void notesFailedWriteOnLeavingARowIsReported()
    {
        ReviewBank b;
        b.bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 2, false);
        b.bank.exec(QStringLiteral("update aqfg set bj='note ' || ID"));
        ScriptedMessages boxes;
        store::Database db(b.bank.path());
        TFbj w(db);
        showAndWait(w);
        w.bsSkinEdit1->setText(QStringLiteral("note"));
        w.bsSkinButton1Click();
        QTest::keyClicks(w.DBMemoEh3, QStringLiteral("x"));
        b.bank.exec(QStringLiteral("delete from aqfg where ID=1")); // the row goes away behind the dialog
        clickRow(w.DBGridEh1, 1);
        QCOMPARE(boxes.count(Kind::Error), 1);
        QCOMPARE(w.ADOQuery1->recNo(), 2); // the move still happens
        QVERIFY(!w.ADOQuery1->isEditing());
        QCOMPARE(w.DBMemoEh3->toPlainText(), QStringLiteral("note 2"));
    }

    // ---- favourites ----

    void favouritesDialogLayout()
    {
        FixtureBank bank;
        store::Database db(bank.path());
        TFsc w(db);
        showAndWait(w);
        QCOMPARE(w.objectName(), QStringLiteral("Fsc"));
        QCOMPARE(w.windowTitle(), QStringLiteral("试题收藏"));
        QCOMPARE(w.size(), QSize(862, 473));
        QCOMPARE(w.bsSkinDBText1->text(), QStringLiteral("选择科目"));
        QCOMPARE(w.bsSkinDBText1->geometry(), QRect(8, 22, 89, 25));
        QCOMPARE(w.bsSkinComboBox1->geometry(), QRect(102, 22, 105, 25));
        QCOMPARE(w.bsSkinButton1->text(), QStringLiteral("收藏查询"));
        QCOMPARE(w.bsSkinButton1->geometry(), QRect(223, 22, 75, 25));
        QCOMPARE(w.bsSkinPanel3->size(), QSize(397, 473));
        QCOMPARE(w.bsSkinButton3->text(), QStringLiteral("取消收藏"));
        QCOMPARE(w.bsSkinButton3->size(), QSize(395, 25));
        QCOMPARE(w.bsSkinPanel5->height(), 102);
        QVERIFY(w.bsSkinPanel4->y() < w.bsSkinButton3->y());
        QVERIFY(w.bsSkinButton3->y() < w.bsSkinPanel2->y());
        QCOMPARE(w.DataSource1->rowCount(), 0);
    }

    void favouritesUnmarkKeepsTheRowUntilTheNextListing()
    {
        ReviewBank b;
        b.bank.addQuestions(QStringLiteral("aqjs"), QStringLiteral("c"), 3, false);
        b.bank.exec(QStringLiteral("update aqjs set sc=1 where ID in (1,3)"));
        b.bank.addQuestions(QStringLiteral("alfx"), QStringLiteral("c"), 1, false);
        b.bank.exec(QStringLiteral("update alfx set sc=1"));
        ScriptedMessages boxes;
        store::Database db(b.bank.path());
        TFsc w(db);
        showAndWait(w);
        w.bsSkinComboBox1->setCurrentIndex(2); // 安全技术
        QTest::mouseClick(w.bsSkinButton1, Qt::LeftButton);
        QCOMPARE(column(w, 1).size(), 2);
        QCOMPARE(w.ADOQuery1->asInt(QStringLiteral("ID")), 1);

        clickRow(w.DBGridEh1, 1);
        QTest::mouseClick(w.bsSkinButton3, Qt::LeftButton);
        QCOMPARE(b.mark(3), 0);
        QCOMPARE(b.mark(1), 1);
        QCOMPARE(boxes.texts(Kind::Plain), QStringList{kUnmarked});
        QCOMPARE(w.DataSource1->rowCount(), 2); // still listed

        // Again on the row already unmarked: the same message, the mark stays off.
        w.bsSkinButton3Click();
        QCOMPARE(boxes.texts(Kind::Plain), (QStringList{kUnmarked, kUnmarked}));
        QCOMPARE(b.mark(3), 0);
        QCOMPARE(boxes.count(Kind::Error), 0);

        w.bsSkinButton1Click();
        QCOMPARE(w.DataSource1->rowCount(), 1);
        QCOMPARE(w.ADOQuery1->asInt(QStringLiteral("ID")), 1);
    }

    void favouritesNotes()
    {
        ReviewBank b;
        const QString t = QStringLiteral("aqjs");
        b.bank.addQuestions(t, QStringLiteral("c"), 2, false);
        b.bank.exec(QStringLiteral("update aqjs set sc=1, bj='note ' || ID"));
        ScriptedMessages boxes;
        store::Database db(b.bank.path());
        TFsc w(db);
        showAndWait(w);
        w.bsSkinComboBox1->setCurrentIndex(2);
        w.bsSkinButton1Click();

        // Typing then listing again drops the note.
        QTest::keyClicks(w.DBMemoEh3, QStringLiteral("lost "));
        w.bsSkinButton1Click();
        QCOMPARE(b.note(1, t), QStringLiteral("note 1"));

        // Typing then moving writes it to the row left.
        QTest::keyClicks(w.DBMemoEh3, QStringLiteral("kept "));
        clickRow(w.DBGridEh1, 1);
        QCOMPARE(b.note(1, t), QStringLiteral("kept note 1"));

        // Save writes the memo's text; unmarking with a note typed writes both.
        typeOver(w.DBMemoEh3, QStringLiteral("重点"));
        w.bsSkinButton2Click();
        QCOMPARE(b.note(2, t), QStringLiteral("重点"));
        QTest::keyClicks(w.DBMemoEh3, QStringLiteral("!"));
        w.bsSkinButton3Click();
        QCOMPARE(b.note(2, t), QStringLiteral("重点!")); // typed where the cursor was left
        QCOMPARE(b.mark(2), 0);
        QCOMPARE(boxes.texts(Kind::Plain), (QStringList{kSaved, kUnmarked}));
    }

    void favouritesButtonsWithoutAQuestion()
    {
        ReviewBank b;
        b.bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 1, false);
        b.bank.exec(QStringLiteral("update aqfg set sc=1, bj='keep'"));
        ScriptedMessages boxes;
        store::Database db(b.bank.path());
        TFsc w(db);
        w.bsSkinButton2Click(); // before any listing
        w.bsSkinButton3Click();
        w.bsSkinComboBox1->setCurrentIndex(1); // a subject without favourites
        w.bsSkinButton1Click();
        QCOMPARE(w.DataSource1->rowCount(), 0);
        w.bsSkinButton2Click();
        w.bsSkinButton3Click();
        QCOMPARE(boxes.texts(Kind::Plain), QStringList(4, kNoQuestion));
        QCOMPARE(b.note(1), QStringLiteral("keep"));
        QCOMPARE(b.mark(1, QStringLiteral("aqfg")), 1);

        w.bsSkinComboBox1->setCurrentIndex(-1);
        w.bsSkinButton1Click();
        QCOMPARE(boxes.texts(Kind::Plain).last(), kChooseSubject);
        QCOMPARE(boxes.count(Kind::Error), 0);
    }

    // ---- the exam guide ----

    void guideOfAnEmptyTable()
    {
        FixtureBank bank;
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFkszn w(db);
        showAndWait(w);
        QCOMPARE(w.objectName(), QStringLiteral("Fkszn"));
        QCOMPARE(w.windowTitle(), QStringLiteral("考试指南"));
        QCOMPARE(w.size(), QSize(862, 613));
        QCOMPARE(w.bsSkinVistaGlowLabel1->text(), QStringLiteral("考  试 指  南"));
        QCOMPARE(w.bsSkinVistaGlowLabel1->geometry(), QRect(304, 8, 297, 65));
        QCOMPARE(w.bsSkinPanel1->height(), 89);
        QCOMPARE(w.TVlist->width(), 273);
        QCOMPARE(w.DBMemoEh1->size(), QSize(589, 524));
        QCOMPARE(w.TVlist->topLevelItemCount(), 0);
        QCOMPARE(w.DBMemoEh1->toPlainText(), QString());
        w.TVlistClick(); // nothing selected: ignored
        QVERIFY(boxes.shown.isEmpty());
    }

    void guideTreeAndTopics()
    {
        FixtureBank bank;
        const auto add = [&](const char *group, const char *title, const char *text) {
            bank.exec(QStringLiteral("insert into kszn (fl1,fl2,flxx) values (?,?,?)"),
                      {QString::fromUtf8(group), QString::fromUtf8(title), QString::fromUtf8(text)});
        };
        add("考试简介", "报名条件", "报名条件正文");
        add("备考建议", "法规科目", "法规正文\r\n第二段");
        add("考试简介", "Exam Day", "考试日正文");
        add("备考建议", "报名条件", "另一条报名条件");
        add("备考建议", "exam day", "小写的考试日");
        ScriptedMessages boxes;
        store::Database db(bank.path());
        TFkszn w(db);
        QCOMPARE(w.DBMemoEh1->toPlainText(), QStringLiteral("报名条件正文")); // the first row
        QCOMPARE(w.TVlist->topLevelItemCount(), 0); // built when shown
        showAndWait(w);

        QCOMPARE(w.TVlist->topLevelItemCount(), 2);
        QTreeWidgetItem *prep = w.TVlist->topLevelItem(0);
        QTreeWidgetItem *intro = w.TVlist->topLevelItem(1);
        QCOMPARE(prep->text(0), QStringLiteral("备考建议"));
        QCOMPARE(intro->text(0), QStringLiteral("考试简介"));
        QCOMPARE(childTexts(prep), (QStringList{QStringLiteral("法规科目"), QStringLiteral("报名条件"),
                                                QStringLiteral("exam day")}));
        QCOMPARE(childTexts(intro), (QStringList{QStringLiteral("报名条件"), QStringLiteral("Exam Day")}));
        QVERIFY(prep->isExpanded() && intro->isExpanded());

        clickItem(w.TVlist, childNamed(prep, QStringLiteral("法规科目")));
        QCOMPARE(w.DBMemoEh1->toPlainText(), QStringLiteral("法规正文\n第二段"));
        clickItem(w.TVlist, intro); // a group changes nothing
        QCOMPARE(w.DBMemoEh1->toPlainText(), QStringLiteral("法规正文\n第二段"));
        // A title in two groups: the first such row, from either item.
        clickItem(w.TVlist, childNamed(prep, QStringLiteral("报名条件")));
        QCOMPARE(w.DBMemoEh1->toPlainText(), QStringLiteral("报名条件正文"));
        // Titles that differ only in case find the first of them.
        clickItem(w.TVlist, childNamed(prep, QStringLiteral("exam day")));
        QCOMPARE(w.DBMemoEh1->toPlainText(), QStringLiteral("考试日正文"));

        QVERIFY(w.DBMemoEh1->isReadOnly());
        QTest::keyClicks(w.DBMemoEh1, QStringLiteral("xyz"));
        QCOMPARE(w.DBMemoEh1->toPlainText(), QStringLiteral("考试日正文"));
        QCOMPARE(w.TVlist->editTriggers(), QAbstractItemView::NoEditTriggers);

        // Shown again (a restore): the tree is not built a second time.
        w.hide();
        w.show();
        QCOMPARE(w.TVlist->topLevelItemCount(), 2);
        QVERIFY(boxes.shown.isEmpty());
    }

    // ---- the about dialog ----

    void aboutDialog()
    {
        ScriptedMessages boxes;
        TFabout w;
        showAndWait(w);
        QCOMPARE(w.objectName(), QStringLiteral("Fabout"));
        QCOMPARE(w.windowTitle(), QStringLiteral("关于软件"));
        QCOMPARE(w.size(), QSize(458, 261));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.lbl2->text(), QStringLiteral("     在本软件中可根据章节来练习，也可以随机抽取进行模拟\n考试练习。\n"
                                                "     对于一些生熟的题，可以进行收藏和笔记记录，以便后回\n头翻看。"));
        QCOMPARE(w.lbl2->geometry(), QRect(16, 16, 433, 113));
        QCOMPARE(w.lbl4->text(), QStringLiteral("VER   1.1"));
        QCOMPARE(w.lbl4->pos(), QPoint(282, 132));
        QVERIFY(w.lbl4->font().bold());
        QCOMPARE(w.btn1->text(), QStringLiteral("关闭"));
        QCOMPARE(w.btn1->geometry(), QRect(368, 168, 75, 25));
        QCOMPARE(w.lbl1->geometry(), QRect(40, 212, 401, 25));
        QVERIFY(w.lbl1->font().underline());
        QCOMPARE(w.lbl1->cursor().shape(), Qt::PointingHandCursor);

        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(45, 217));
        QCoreApplication::sendEvent(w.lbl1, &enter);
        QCOMPARE(w.lbl1->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(w.lbl1, &leave);
        QCOMPARE(w.lbl1->palette().color(QPalette::WindowText), QColor(0, 0, 255));

        // The link opens the user guide beside the program, in the browser.
        UrlCatcher browser;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
        QTest::mouseClick(w.lbl1, Qt::LeftButton, {}, QPoint(20, 12));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(browser.opened.size(), 1);
        QVERIFY(browser.opened.at(0).isLocalFile());
        QVERIFY(browser.opened.at(0).toLocalFile().endsWith(QStringLiteral("doc/quizora-guide.html")));
        QVERIFY(QFile::exists(browser.opened.at(0).toLocalFile()));
        QVERIFY(boxes.shown.isEmpty());

        QTest::mouseClick(w.btn1, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void userGuideIsFoundBesideTheProgram()
    {
        QTemporaryDir root;
        QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("app")));
        const QString programDir = dir.filePath(QStringLiteral("app"));
        QCOMPARE(tools::findUserGuide(programDir), QString());

        QVERIFY(dir.mkpath(QStringLiteral("doc")));
        QFile above(dir.filePath(QStringLiteral("doc/quizora-guide.html")));
        QVERIFY(above.open(QIODevice::WriteOnly));
        above.close();
        QCOMPARE(tools::findUserGuide(programDir), QFileInfo(above).canonicalFilePath());

        QVERIFY(dir.mkpath(QStringLiteral("app/doc")));
        QFile beside(dir.filePath(QStringLiteral("app/doc/quizora-guide.html")));
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.close();
        QCOMPARE(tools::findUserGuide(programDir), QFileInfo(beside).canonicalFilePath());
    }

    // ---- the dialog commands ----

    void openersRunAFreshDialogEachTime_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("102 guide") << 102;
        QTest::newRow("104 search") << 104;
        QTest::newRow("105 favourites") << 105;
        QTest::newRow("106 notes") << 106;
        QTest::newRow("-5 about") << -5;
    }

    void openersRunAFreshDialogEachTime()
    {
        QFETCH(int, command);
        FixtureBank bank;
        bank.addQuestions(QStringLiteral("aqfg"), QStringLiteral("c"), 1, false);
        bank.exec(QStringLiteral("update aqfg set bj='安全笔记', sc=1, tm='安全生产'"));
        bank.exec(QStringLiteral("insert into kszn (fl1,fl2,flxx) values ('g','t','text')"));
        ScriptedMessages boxes;
        store::Database db(bank.path());

        std::function<void()> open;
        std::function<QDialog *()> variable;
        switch (command) {
        case 102:
            open = [&] { openGuideDialog(db); };
            variable = [] { return Fkszn; };
            break;
        case 104:
            open = [&] { openSearchDialog(db); };
            variable = [] { return Fcz; };
            break;
        case 105:
            open = [&] { openFavouritesDialog(db); };
            variable = [] { return Fsc; };
            break;
        case 106:
            open = [&] { openNotesDialog(db); };
            variable = [] { return Fbj; };
            break;
        default:
            open = [] { openAboutDialog(); };
            variable = [] { return Fabout; };
        }

        for (int run = 0; run < 2; ++run) {
            bool seen = false;
            QTimer::singleShot(0, [&] {
                QDialog *d = variable();
                QVERIFY(d);
                seen = true;
                QVERIFY(d->isVisible());
                QVERIFY(d->isModal());
                QCOMPARE(d->parentWidget(), nullptr);
                QCOMPARE(QApplication::activeModalWidget(), d);
                QVERIFY(!d->property("usedBefore").isValid()); // a fresh dialog
                d->setProperty("usedBefore", true);
                // Leave some state behind: a listing or a search.
                if (auto *q = qobject_cast<tools::QuestionDialog *>(d)) {
                    QCOMPARE(q->DataSource1->rowCount(), 0);
                    QCOMPARE(q->bsSkinComboBox1->currentIndex(), 0);
                    if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("bsSkinEdit1"))) {
                        QCOMPARE(edit->text(), QString());
                        edit->setText(QStringLiteral("安全"));
                    }
                    q->bsSkinButton1->click();
                    QCOMPARE(q->DataSource1->rowCount(), 1);
                }
                d->close();
            });
            open();
            QVERIFY(seen);
            QCOMPARE(variable(), nullptr);
        }
        QVERIFY(boxes.shown.isEmpty());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QDialog *>(w)); // destroyed, not just hidden
    }

    void openerReportsAFailureAndLeavesNoDialog()
    {
        QTemporaryDir dir;
        ScriptedMessages boxes;
        store::Database db(QDir(dir.path()).filePath(QStringLiteral("missing/aqks.dll")));
        openGuideDialog(db); // the guide reads its texts when it is made
        QCOMPARE(boxes.count(Kind::Error), 1);
        QCOMPARE(Fkszn, nullptr);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TFkszn *>(w));
    }

    // ---- the program's look ----

    void styleKeepsTheWindowsFonts()
    {
        QString sheet = ui::programStyleSheet();
        QVERIFY(!sheet.isEmpty());
        sheet.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
        QVERIFY(!sheet.contains(QRegularExpression(QStringLiteral("\\bfont(-[a-z]+)?\\s*:"))));

        QDialog d;
        d.setStyleSheet(QStringLiteral("QLabel#own { color: red; }"));
        auto *label = new QLabel(QStringLiteral("文字"), &d);
        QFont f = label->font();
        f.setPixelSize(19);
        f.setBold(true);
        label->setFont(f);
        auto *button = new QPushButton(QStringLiteral("A"), &d);
        QFont bf = button->font();
        bf.setPixelSize(16);
        button->setFont(bf);
        ui::applyProgramStyle(&d);
        const qsizetype length = d.styleSheet().size();
        ui::applyProgramStyle(&d);
        QCOMPARE(d.styleSheet().size(), length); // applied once
        QVERIFY(d.styleSheet().endsWith(QStringLiteral("QLabel#own { color: red; }")));
        d.show();
        label->ensurePolished();
        button->ensurePolished();
        QCOMPARE(label->font().pixelSize(), 19);
        QVERIFY(label->font().bold());
        QCOMPARE(button->font().pixelSize(), 16);
    }
};

QTEST_MAIN(TestTools)
#include "test_tools.moc"
