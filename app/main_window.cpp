#include "app/main_window.h"

#include "app/seal_pictures.h"
#include "practice/exam_window.h"
#include "practice/paper_composer.h"
#include "practice/practice_window.h"
#include "skin/main_frame.h"
#include "tools/openers.h"
#include "ui/messages.h"
#include "ui/style.h"

#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QTableView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

struct TreeEntry {
    int level;
    const char *text;
};

// The items of the chapter tree in reading order; their position is their absolute index.
constexpr TreeEntry kTree[] = {
    {1, "章节练习"},
    {2, "安全生产法及相关法律"},
    {2, "安全生产管理知识"},
    {2, "安全生产术"},
    {2, "安全生产案例分析"},
    {1, "综合练习/考试"},
    {2, "安全法规法规"},
    {2, "安全生产管理"},
    {2, "安全生产技术"},
    {1, "历年真题"},
    {2, "2015"},
    {3, "安全法律法规"},
    {3, "安全生产管理"},
    {3, "安全生产技术"},
    {2, "2014"},
    {3, "安全法律法规"},
    {3, "安全生产管理"},
    {3, "安全生产技术"},
    {2, "2013"},
    {3, "安全法律法规"},
    {3, "安全生产管理"},
    {3, "安全生产技术"},
};

constexpr int kIndexRole = Qt::UserRole + 1;

QFont pixelFont(int pixels, bool bold = false)
{
    return ui::pixelFont({}, pixels, bold);
}

} // namespace

TForm1::TForm1(const QString &bankPath, QWidget *parent)
    : TSkinForm(parent), ADOConnection1(bankPath)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quizora"));
    setFixedSize(696, 495);
    move(273, 155);
    setFont(pixelFont(11));

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setGeometry(24, 114, 209, 353);
    TreeView1->setFont(pixelFont(16));
    TreeView1->setIndentation(19);
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    buildTree();
    connect(TreeView1, &QTreeWidget::itemClicked, this, [this] { ui::guarded(this, [this] { TreeView1Click(); }); });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this] { ui::guarded(this, [this] { TreeView1DblClick(); }); });

    ADOQuery1 = new store::Query(ADOConnection1, this);
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    ADOQuery1->setSql(store::sql::categoryList(store::Subject::Law));
    ADOQuery2 = new store::Query(ADOConnection1, this);
    ADOQuery2->setObjectName(QStringLiteral("ADOQuery2"));
    ADOQuery2->setSql(store::sql::examRows());

    bsPngImageList1 = {sealPicture(QStringLiteral("法规"), QSize(200, 254)),
                       sealPicture(QStringLiteral("管理"), QSize(300, 413)),
                       sealPicture(QStringLiteral("技术"), QSize(300, 365))};
    bsSkinImagesMenu1 = new PictureMenu(this);
    bsSkinImagesMenu1->setObjectName(QStringLiteral("bsSkinImagesMenu1"));
    bsSkinImagesMenu1->addItem(bsPngImageList1[0], QStringLiteral("法律法规"));
    bsSkinImagesMenu1->addItem(bsPngImageList1[1], QStringLiteral("安全管理"));
    bsSkinImagesMenu1->addItem(bsPngImageList1[2], QStringLiteral("安全技术"));
    connect(bsSkinImagesMenu1, &PictureMenu::triggered, this, [this](int index) {
        void (TForm1::*handlers[])() = {&TForm1::bsSkinImagesMenu1ImagesItems0Click,
                                        &TForm1::bsSkinImagesMenu1ImagesItems1Click,
                                        &TForm1::bsSkinImagesMenu1ImagesItems2Click};
        // Posted, so that the menu has closed before the exam window opens.
        QTimer::singleShot(0, this, [this, handler = handlers[index]] { ui::guarded(this, [this, handler] { (this->*handler)(); }); });
    });

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(264, 114, 409, 353);
    DBGrid1->setFont(pixelFont(16));
    DBGrid1->horizontalHeader()->setFont(pixelFont(16, true));
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setAlternatingRowColors(true);
    DataSource1 = ui::bindGrid(DBGrid1, ADOQuery1,
                               {{QStringLiteral("lb"), QStringLiteral("类别"), 200},
                                {QStringLiteral("tmsl"), QStringLiteral("题目数量"), -1}});
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    // A double-click on a category, or Return on it, opens the practice window.
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] { ui::guarded(this, [this] { DBGrid1DblClick(); }); });
    DBGrid1->installEventFilter(this);

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::setUpFrame()
{
    // The background picture, the seven module buttons, and the question bank marked.
    skin::setUpMainFrame(*this);
}

void TForm1::skinCommandEvent(TSkinEvent *event)
{
    const int id = event->id();
    ui::guarded(this, [this, id] { skinCommand(id); });
}

void TForm1::skinCommand(int id)
{
    switch (id) {
    case 100:
    case 101:
        SelectModuleButton(id);
        TreeView1->setVisible(id == 101);
        DBGrid1->setVisible(id == 101);
        break;
    case 102:
    case 104:
    case 105:
    case 106:
        SelectModuleButton(id);
        runDialogCommand(id);
        break;
    case 103:
        SelectModuleButton(id);
        popUpExamMenu(mapToGlobal(QPoint(0, 0)) + QPoint(246, 100));
        break;
    case -5:
        runDialogCommand(id);
        break;
    default:
        break;
    }
}

void TForm1::runDialogCommand(int id)
{
    switch (id) {
    case 102:
        openGuideDialog(ADOConnection1);
        break;
    case 104:
        openSearchDialog(ADOConnection1);
        break;
    case 105:
        openFavouritesDialog(ADOConnection1);
        break;
    case 106:
        openNotesDialog(ADOConnection1);
        break;
    case -5:
        openAboutDialog();
        break;
    default:
        break;
    }
}

void TForm1::FormCreate()
{
    setUpFrame();
    QTreeWidgetItem *first = treeItem(1);
    TreeView1->setCurrentItem(first);
    TreeView1->scrollToItem(first); // shows it: its parent opens
    first->parent()->setExpanded(true);
    ui::guarded(this, [this] { TreeView1Click(); });
}

void TForm1::buildTree()
{
    QTreeWidgetItem *parents[4] = {nullptr, nullptr, nullptr, nullptr};
    for (int i = 0; i < int(std::size(kTree)); ++i) {
        const TreeEntry &e = kTree[i];
        auto *item = e.level == 1 ? new QTreeWidgetItem(TreeView1) : new QTreeWidgetItem(parents[e.level - 1]);
        item->setText(0, QString::fromUtf8(e.text));
        item->setData(0, kIndexRole, i);
        parents[e.level] = item;
    }
    TreeView1->collapseAll();
}

QTreeWidgetItem *TForm1::treeItem(int index) const
{
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it)
        if ((*it)->data(0, kIndexRole).toInt() == index)
            return *it;
    return nullptr;
}

int TForm1::absoluteIndex(const QTreeWidgetItem *item) const
{
    return item ? item->data(0, kIndexRole).toInt() : -1;
}

void TForm1::TreeView1Click()
{
    const QTreeWidgetItem *item = TreeView1->currentItem();
    if (!item || item->childCount() > 0)
        return;
    SelectedIndex = absoluteIndex(item);
    switch (SelectedIndex) {
    case 1:
        Tree1clic();
        break;
    case 2:
        Tree2click();
        break;
    case 3:
        Tree3click();
        break;
    case 4:
        Tree4click();
        break;
    default:
        break; // the grid keeps its list
    }
}

void TForm1::listCategories(int subjectIndex)
{
    ADOQuery1->setSql(store::sql::categoryList(*store::subjectFromIndex(subjectIndex)));
    ADOQuery1->open();
}

void TForm1::Tree1clic()
{
    listCategories(1);
}

void TForm1::Tree2click()
{
    listCategories(2);
}

void TForm1::Tree3click()
{
    listCategories(3);
}

void TForm1::Tree4click()
{
    listCategories(4);
}

void TForm1::DBGrid1DblClick()
{
    SelectedIndex = absoluteIndex(TreeView1->currentItem());
    if (SelectedIndex < 1 || SelectedIndex > 4) {
        ui::messages().plain(this, QStringLiteral("请先选择左边的章节练习科目！"));
        return;
    }
    if (!ADOQuery1->isOpen() || ADOQuery1->isEmpty())
        return; // no category to practise
    openPracticeWindow(ADOConnection1, SelectedIndex, currentCategory(), currentCategoryCount());
}

void TForm1::TreeView1DblClick()
{
    const QTreeWidgetItem *item = TreeView1->currentItem();
    if (!item || item->childCount() > 0)
        return;
    SelectedIndex = absoluteIndex(item);
    switch (SelectedIndex) {
    case 6: bsSkinImagesMenu1ImagesItems0Click(); break;
    case 7: bsSkinImagesMenu1ImagesItems1Click(); break;
    case 8: bsSkinImagesMenu1ImagesItems2Click(); break;
    case 11: Tree11click(); break;
    case 12: Tree12clicK(); break;
    case 13: Tree13clicK(); break;
    case 15: Tree15click(); break;
    case 16: Tree16clicK(); break;
    case 17: Tree17clicK(); break;
    case 19: Tree19click(); break;
    case 20: Tree20clicK(); break;
    case 21: Tree21clicK(); break;
    default: break;
    }
}

void TForm1::randomPaper(store::Subject subject)
{
    const int k1 = m_draws.next();
    const int k2 = m_draws.next();
    openPaper(practice::composeRandomPaper(*ADOQuery2, subject, k1, k2));
}

void TForm1::pastPaper(store::Subject subject, const QString &category)
{
    openPaper(practice::composePastPaper(*ADOQuery2, subject, category));
}

void TForm1::openPaper(int questions)
{
    if (questions == 0) {
        ui::messages().plain(this, QStringLiteral("题库中没有这份试卷的题目，无法开始考试。"));
        return;
    }
    openExamWindow(ADOConnection1);
}

void TForm1::bsSkinImagesMenu1ImagesItems0Click() { randomPaper(store::Subject::Law); }
void TForm1::bsSkinImagesMenu1ImagesItems1Click() { randomPaper(store::Subject::Management); }
void TForm1::bsSkinImagesMenu1ImagesItems2Click() { randomPaper(store::Subject::Technology); }
void TForm1::Tree11click() { pastPaper(store::Subject::Law, QStringLiteral("2015法规真题")); }
void TForm1::Tree12clicK() { pastPaper(store::Subject::Management, QStringLiteral("2015生产管理真题")); }
void TForm1::Tree13clicK() { pastPaper(store::Subject::Technology, QStringLiteral("2015安全生产技术真题")); }
void TForm1::Tree15click() { pastPaper(store::Subject::Law, QStringLiteral("2014法规真题")); }
void TForm1::Tree16clicK() { pastPaper(store::Subject::Management, QStringLiteral("2014生产管理真题")); }
void TForm1::Tree17clicK() { pastPaper(store::Subject::Technology, QStringLiteral("2014安全生产技术真题")); }
void TForm1::Tree19click() { pastPaper(store::Subject::Law, QStringLiteral("2013法规真题")); }
void TForm1::Tree20clicK() { pastPaper(store::Subject::Management, QStringLiteral("2013生产管理真题")); }
void TForm1::Tree21clicK() { pastPaper(store::Subject::Technology, QStringLiteral("2013安全生产技术真题")); }

void TForm1::popUpExamMenu(const QPoint &globalPos)
{
    bsSkinImagesMenu1->popup(globalPos);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui::guarded(this, [this] { DBGrid1DblClick(); });
            return true;
        }
    }
    return TSkinForm::eventFilter(watched, event);
}

QString TForm1::currentCategory() const
{
    return ADOQuery1->asString(QStringLiteral("lb"));
}

int TForm1::currentCategoryCount() const
{
    return int(ADOQuery1->asInt(QStringLiteral("tmsl")));
}
