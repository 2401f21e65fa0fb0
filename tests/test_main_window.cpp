#include "app/bank_location.h"
#include "app/main_window.h"
#include "store/database.h"
#include "support/fixture_bank.h"
#include "support/scripted_messages.h"
#include "tools/about_dialog.h"
#include "tools/search_dialog.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList gridColumn(QTableView *grid, int column)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, column).data().toString();
    return out;
}

void clickItem(TForm1 &form, int index)
{
    QTreeWidgetItem *item = form.treeItem(index);
    for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    form.TreeView1->scrollToItem(item);
    const QRect r = form.TreeView1->visualItemRect(item);
    QTest::mouseClick(form.TreeView1->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    FixtureBank *m_bank = nullptr;

private slots:
    void init()
    {
        m_bank = new FixtureBank;
        m_bank->addQuestions(QStringLiteral("aqfg"), QStringLiteral("第1章 法律基础"), 4, false);
        m_bank->addQuestions(QStringLiteral("aqfg"), QStringLiteral("第2章 安全生产法"), 6, false);
        m_bank->addQuestions(QStringLiteral("aqfg"), QStringLiteral("2015法规真题"), 3, true, QStringLiteral("AB"));
        m_bank->addQuestions(QStringLiteral("aqgl"), QStringLiteral("第1章 管理理论"), 5, false);
        m_bank->addQuestions(QStringLiteral("alfx"), QStringLiteral("案例1 储罐火灾"), 2, false);
    }

    void cleanup()
    {
        delete m_bank;
        m_bank = nullptr;
    }

    void startsOnTheLawChapters()
    {
        ScriptedMessages boxes;
        TForm1 form(m_bank->path());
        QCOMPARE(form.windowTitle(), QStringLiteral("Quizora"));
        QCOMPARE(form.size(), QSize(696, 495));
        QCOMPARE(form.TreeView1->geometry(), QRect(24, 114, 209, 353));
        QCOMPARE(form.DBGrid1->geometry(), QRect(264, 114, 409, 353));
        QCOMPARE(form.findChild<QTreeWidget *>(QStringLiteral("TreeView1")), form.TreeView1);
        QCOMPARE(form.findChild<QTableView *>(QStringLiteral("DBGrid1")), form.DBGrid1);
        QCOMPARE(form.SelectedIndex, 1);
        QCOMPARE(form.absoluteIndex(form.TreeView1->currentItem()), 1);
        QVERIFY(form.treeItem(0)->isExpanded());
        QVERIFY(!form.treeItem(5)->isExpanded());
        QVERIFY(!form.treeItem(9)->isExpanded());
        QCOMPARE(gridColumn(form.DBGrid1, 0),
                 (QStringList{QStringLiteral("2015法规真题"), QStringLiteral("第1章 法律基础"),
                              QStringLiteral("第2章 安全生产法")}));
        QCOMPARE(gridColumn(form.DBGrid1, 1), (QStringList{"3", "4", "6"}));
        QCOMPARE(form.DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("类别"));
        QCOMPARE(form.DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("题目数量"));
        QCOMPARE(form.DBGrid1->columnWidth(0), 200);
        QCOMPARE(form.DBGrid1->currentIndex().row(), 0);
        QCOMPARE(form.currentCategory(), QStringLiteral("2015法规真题"));
        QCOMPARE(form.currentCategoryCount(), 3);
        QVERIFY(boxes.shown.isEmpty());
    }

    void treeHasItsItemsAtTheirIndexes()
    {
        ScriptedMessages boxes;
        TForm1 form(m_bank->path());
        const QList<int> withChildren{0, 5, 9, 10, 14, 18};
        for (int i = 0; i < 22; ++i) {
            QTreeWidgetItem *item = form.treeItem(i);
            QVERIFY(item);
            QCOMPARE(form.absoluteIndex(item), i);
            QCOMPARE(item->childCount() > 0, withChildren.contains(i));
        }
        QCOMPARE(form.treeItem(3)->text(0), QStringLiteral("安全生产术"));
        QCOMPARE(form.treeItem(21)->parent(), form.treeItem(18));
        QVERIFY(!form.treeItem(22));
    }

    void clicksChooseTheSubject()
    {
        ScriptedMessages boxes;
        TForm1 form(m_bank->path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        clickItem(form, 2);
        QCOMPARE(form.SelectedIndex, 2);
        QCOMPARE(gridColumn(form.DBGrid1, 0), QStringList{QStringLiteral("第1章 管理理论")});

        clickItem(form, 7); // an exam item: SelectedIndex only
        QCOMPARE(form.SelectedIndex, 7);
        QCOMPARE(gridColumn(form.DBGrid1, 0), QStringList{QStringLiteral("第1章 管理理论")});

        clickItem(form, 9); // an item with children changes nothing
        QCOMPARE(form.SelectedIndex, 7);
        QCOMPARE(gridColumn(form.DBGrid1, 0), QStringList{QStringLiteral("第1章 管理理论")});

        clickItem(form, 4);
        QCOMPARE(form.SelectedIndex, 4);
        QCOMPARE(gridColumn(form.DBGrid1, 1), QStringList{"2"});

        clickItem(form, 3); // a subject without questions: an empty list
        QCOMPARE(form.SelectedIndex, 3);
        QCOMPARE(form.DBGrid1->model()->rowCount(), 0);
        QVERIFY(boxes.shown.isEmpty());
    }

    void gridRowIsTheCurrentCategory()
    {
        ScriptedMessages boxes;
        TForm1 form(m_bank->path());
        form.DBGrid1->setCurrentIndex(form.DBGrid1->model()->index(2, 0));
        QCOMPARE(form.currentCategory(), QStringLiteral("第2章 安全生产法"));
        QCOMPARE(form.currentCategoryCount(), 6);
    }

    void missingBankOpensTheWindowAndSaysWhy()
    {
        ScriptedMessages boxes;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gdiplus/aqks.dll"));
        TForm1 form(path);
        QCOMPARE(boxes.count(ScriptedMessages::Kind::Error), 1);
        QVERIFY(boxes.shown.first().text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(form.SelectedIndex, 1);
        QCOMPARE(form.absoluteIndex(form.TreeView1->currentItem()), 1);
        QCOMPARE(form.DBGrid1->model()->rowCount(), 0);
        QVERIFY(!QFile::exists(path));

        // The next action that needs the bank tries again.
        QDir().mkpath(dir.filePath(QStringLiteral("gdiplus")));
        QVERIFY(QFile::copy(m_bank->path(), path));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        clickItem(form, 2);
        QCOMPARE(boxes.count(ScriptedMessages::Kind::Error), 1);
        QCOMPARE(form.DBGrid1->model()->rowCount(), 1);
    }

    void foreignFileIsReportedNotChanged()
    {
        ScriptedMessages boxes;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("aqks.dll"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray content("MZ this is a program library, not a question bank");
        f.write(content);
        f.close();
        TForm1 form(path);
        QCOMPARE(boxes.count(ScriptedMessages::Kind::Error), 1);
        QVERIFY(boxes.shown.first().text.contains(QStringLiteral("不是一个题库文件")));
        QCOMPARE(form.DBGrid1->model()->rowCount(), 0);
        QCOMPARE(QFileInfo(path).size(), qint64(content.size()));
    }

    void frameAndViewCommands()
    {
        ScriptedMessages boxes;
        TForm1 form(m_bank->path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto marked = [&] {
            QList<int> ids;
            for (int i = 0; i < form.controlCount(); ++i)
                if (form.control(i).Kind == TSkinControl::ModuleButton && form.control(i).Selected)
                    ids << form.control(i).Id;
            return ids;
        };
        QStringList captions;
        QList<int> ids;
        int lastLeft = -1;
        for (int i = 0; i < form.controlCount(); ++i) {
            const TSkinControl c = form.control(i);
            if (c.Kind != TSkinControl::ModuleButton)
                continue;
            captions << c.Caption;
            ids << c.Id;
            QVERIFY(c.Left > lastLeft); // left to right in order
            lastLeft = c.Left;
        }
        QCOMPARE(ids, (QList<int>{100, 101, 102, 103, 104, 105, 106}));
        QCOMPARE(captions, (QStringList{"首 页", "考试题库", "考试指南", "模拟考试", "题目查找", "收 藏", "笔  记"}));
        QCOMPARE(marked(), QList<int>{101});

        form.DBGrid1->setCurrentIndex(form.DBGrid1->model()->index(1, 0));
        // The home view hides tree and grid; the question bank view brings them back unchanged.
        QCoreApplication::postEvent(&form, new TSkinEvent(WM_SKIN_COMMAND, 100, 0));
        QCoreApplication::sendPostedEvents(&form);
        QCOMPARE(marked(), QList<int>{100});
        QVERIFY(form.TreeView1->isHidden());
        QVERIFY(form.DBGrid1->isHidden());
        form.skinCommand(101);
        QCOMPARE(marked(), QList<int>{101});
        QVERIFY(!form.TreeView1->isHidden());
        QVERIFY(!form.DBGrid1->isHidden());
        QCOMPARE(form.SelectedIndex, 1);
        QCOMPARE(form.absoluteIndex(form.TreeView1->currentItem()), 1);
        QCOMPARE(form.currentCategory(), QStringLiteral("第1章 法律基础"));
        QCOMPARE(form.DBGrid1->model()->rowCount(), 3);

        // The exam menu pops up 246 right of and 100 below the window's corner, wherever it is.
        form.move(40, 60);
        form.skinCommand(103);
        QCOMPARE(marked(), QList<int>{103});
        QVERIFY(form.bsSkinImagesMenu1->isVisible());
        QCOMPARE(form.bsSkinImagesMenu1->frameGeometry().topLeft(), form.mapToGlobal(QPoint(0, 0)) + QPoint(246, 100));
        QTest::keyClick(form.bsSkinImagesMenu1, Qt::Key_Escape);
        QVERIFY(form.bsSkinImagesMenu1->isHidden());

        form.skinCommand(7); // not a command
        QCOMPARE(marked(), QList<int>{103});

        // A dialog command from the home view: the module is marked, the dialog runs and goes,
        // and the home view and the mark remain.
        form.skinCommand(100);
        QString seen;
        QTimer::singleShot(0, [&] {
            QVERIFY(Fcz);
            seen = Fcz->windowTitle();
            Fcz->close();
        });
        form.skinCommand(104);
        QCOMPARE(seen, QStringLiteral("练习题目查找"));
        QCOMPARE(Fcz, nullptr);
        QCOMPARE(marked(), QList<int>{104});
        QVERIFY(form.TreeView1->isHidden());
        // The menu button opens the about dialog and leaves the mark alone.
        QTimer::singleShot(0, [&] {
            QVERIFY(Fabout);
            Fabout->close();
        });
        form.skinCommand(-5);
        QCOMPARE(Fabout, nullptr);
        QCOMPARE(marked(), QList<int>{104});
        QVERIFY(boxes.shown.isEmpty());
    }

    void bankIsFoundAsDocumented()
    {
        QTemporaryDir work;
        QTemporaryDir program;
        const QString inProgram = QDir(program.path()).filePath(QStringLiteral("gdiplus/aqks.dll"));
        // Nothing anywhere: the place beside the program is named.
        QCOMPARE(app::locateBank({}, work.path(), program.path()), inProgram);
        // A bank under the working directory wins.
        QDir(work.path()).mkpath(QStringLiteral("gdiplus"));
        QFile(QDir(work.path()).filePath(QStringLiteral("gdiplus/aqks.dll"))).open(QIODevice::WriteOnly);
        QCOMPARE(app::locateBank({}, work.path(), program.path()),
                 QDir(work.path()).filePath(QStringLiteral("gdiplus/aqks.dll")));
        // --bank overrides both, relative to the working directory.
        QCOMPARE(app::locateBank(QStringLiteral("my.db"), work.path(), program.path()),
                 QDir(work.path()).filePath(QStringLiteral("my.db")));
        QCOMPARE(app::locateBank(QStringLiteral("/tmp/x.db"), work.path(), program.path()),
                 QStringLiteral("/tmp/x.db"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
