#pragma once

#include "app/picture_menu.h"
#include "practice/exam_logic.h"
#include "skin/skin_form.h"
#include "store/database.h"
#include "store/query.h"
#include "ui/query_model.h"


class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

// The main window: the chapter tree, the category grid of the chosen subject, and the one
// connection to the question bank that every window of the program works on. It wears the
// program's own frame with the bar of module buttons.
class TForm1 : public TSkinForm {
    Q_OBJECT
public:
    explicit TForm1(const QString &bankPath, QWidget *parent = nullptr);
    ~TForm1() override;

    // The tree item at an absolute index (its position when the whole tree is read from the top,
    // counting from 0), and the absolute index of an item.
    QTreeWidgetItem *treeItem(int absoluteIndex) const;
    int absoluteIndex(const QTreeWidgetItem *item) const;

    // The current row of the category grid: its category (lb) and number of questions (tmsl).
    QString currentCategory() const;
    int currentCategoryCount() const;

    void TreeView1Click();
    void DBGrid1DblClick();
    void TreeView1DblClick();

    // The exam papers: the three random papers, and the nine past papers.
    void bsSkinImagesMenu1ImagesItems0Click();
    void bsSkinImagesMenu1ImagesItems1Click();
    void bsSkinImagesMenu1ImagesItems2Click();
    void Tree11click();
    void Tree12clicK();
    void Tree13clicK();
    void Tree15click();
    void Tree16clicK();
    void Tree17clicK();
    void Tree19click();
    void Tree20clicK();
    void Tree21clicK();

    // Pops up the exam menu at a global position.
    void popUpExamMenu(const QPoint &globalPos);
    // Fixes the draws of the random papers (tests).
    void setDrawSeed(unsigned seed) { m_draws = practice::DrawSource(seed); }
    void Tree1clic();
    void Tree2click();
    void Tree3click();
    void Tree4click();

    store::Database ADOConnection1;
    QTreeWidget *TreeView1 = nullptr;
    QTableView *DBGrid1 = nullptr;
    store::Query *ADOQuery1 = nullptr; // the category list
    ui::QueryModel *DataSource1 = nullptr;
    store::Query *ADOQuery2 = nullptr; // work query on the exam table
    PictureMenu *bsSkinImagesMenu1 = nullptr;
    QVector<QPixmap> bsPngImageList1;
    int SelectedIndex = 0;

    // What a module button, or the frame's menu button (-5), asks for.
    void skinCommand(int id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void skinCommandEvent(TSkinEvent *event) override;

private:
    void FormCreate();
    void setUpFrame();
    void buildTree();
    void listCategories(int subjectIndex);
    void randomPaper(store::Subject subject);
    void pastPaper(store::Subject subject, const QString &category);
    void openPaper(int questions);
    void runDialogCommand(int id);

    practice::DrawSource m_draws;
};
