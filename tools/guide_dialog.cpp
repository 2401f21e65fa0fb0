#include "tools/guide_dialog.h"

#include "store/statements.h"
#include "tools/dialog_parts.h"
#include "tools/text_rules.h"
#include "ui/messages.h"
#include "ui/style.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

TFkszn *Fkszn = nullptr;

using namespace tools;

namespace {

const QString kCream = QStringLiteral("#fffbf0");

} // namespace

TFkszn::TFkszn(store::Database &connection, QWidget *parent) : QDialog(parent), m_connection(connection)
{
    setObjectName(QStringLiteral("Fkszn"));
    setWindowTitle(QStringLiteral("考试指南"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(862, 613);
    move(211, 84);

    auto *form = flatColumn(this);

    bsSkinPanel1 = makePanel(this, "bsSkinPanel1", PanelLook::Plain);
    bsSkinPanel1->setFixedHeight(89);
    form->addWidget(bsSkinPanel1);
    bsSkinVistaGlowLabel1 = new QLabel(QStringLiteral("考  试 指  南"), bsSkinPanel1);
    bsSkinVistaGlowLabel1->setObjectName(QStringLiteral("bsSkinVistaGlowLabel1"));
    bsSkinVistaGlowLabel1->setGeometry(304, 8, 297, 65);
    bsSkinVistaGlowLabel1->setAlignment(Qt::AlignCenter);
    bsSkinVistaGlowLabel1->setFont(pixelFont({}, 32, true));
    bsSkinVistaGlowLabel1->setStyleSheet(QStringLiteral("color: #ff0000; background: transparent;"));
    auto *glow = new QGraphicsDropShadowEffect(bsSkinVistaGlowLabel1);
    glow->setOffset(0, 0);
    glow->setBlurRadius(14);
    glow->setColor(QColor(0, 255, 255)); // aqua
    bsSkinVistaGlowLabel1->setGraphicsEffect(glow);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    form->addLayout(body, 1);

    TVlist = new QTreeWidget(this);
    TVlist->setObjectName(QStringLiteral("TVlist"));
    TVlist->setFixedWidth(273);
    TVlist->setHeaderHidden(true);
    TVlist->setColumnCount(1);
    TVlist->setFrameShape(QFrame::NoFrame);
    TVlist->setFont(pixelFont({}, 16, true));
    TVlist->setIndentation(19);
    TVlist->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TVlist->setStyleSheet(QStringLiteral("QTreeWidget#TVlist { background-color: %1; border: none; }").arg(kCream));
    body->addWidget(TVlist);

    DBMemoEh1 = makeMemo(this, "DBMemoEh1", true);
    DBMemoEh1->setFrameShape(QFrame::NoFrame);
    DBMemoEh1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DBMemoEh1->setFont(pixelFont({}, 16));
    DBMemoEh1->setStyleSheet(
        QStringLiteral("QPlainTextEdit#DBMemoEh1 { background-color: %1; color: #0000ff; border: none; }").arg(kCream));
    body->addWidget(DBMemoEh1, 1);

    aqlist = new store::Query(connection, this);
    aqlist->setObjectName(QStringLiteral("aqlist"));
    ADOQuery1 = new store::Query(connection, this);
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    connect(ADOQuery1, &store::Query::opened, this, &TFkszn::showText);
    connect(ADOQuery1, &store::Query::currentChanged, this, &TFkszn::showText);
    connect(TVlist, &QTreeWidget::itemClicked, this, [this] { ui::guarded(this, [this] { TVlistClick(); }); });
    connect(TVlist, &QTreeWidget::itemActivated, this, [this] { ui::guarded(this, [this] { TVlistClick(); }); });

    ui::applyProgramStyle(this);

    // The texts, on the first topic until one is chosen.
    ADOQuery1->setSql(store::sql::guideAll());
    ADOQuery1->open();
}

void TFkszn::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Built once per opening; a restore from the task bar shows the window again without
    // building a second tree.
    if (event->spontaneous() || m_built)
        return;
    m_built = true;
    ui::guarded(this, [this] { FormCreate(); });
}

void TFkszn::FormCreate()
{
    aqlist->close();
    aqlist->setSql(store::sql::guideHeadings());
    aqlist->open();
    const int fl1 = aqlist->fieldIndex(QStringLiteral("fl1"));
    for (int r = 0; r < aqlist->recordCount(); ++r) {
        const QVariant heading = fl1 >= 0 ? aqlist->cell(r, fl1) : QVariant();
        auto *group = new QTreeWidgetItem(TVlist, {heading.isNull() ? QString() : heading.toString()});
        AddWorker(group);
    }
    TVlist->expandAll();
}

void TFkszn::AddWorker(QTreeWidgetItem *group)
{
    store::Query topics(m_connection);
    topics.setSql(store::sql::guideTopics());
    topics.setParam(QStringLiteral("par"), group->text(0));
    topics.open();
    const int fl2 = topics.fieldIndex(QStringLiteral("fl2"));
    for (int r = 0; r < topics.recordCount(); ++r) {
        const QVariant title = fl2 >= 0 ? topics.cell(r, fl2) : QVariant();
        new QTreeWidgetItem(group, {title.isNull() ? QString() : title.toString()});
    }
}

void TFkszn::TVlistClick()
{
    const QTreeWidgetItem *item = TVlist->currentItem();
    if (!item || item->childCount() > 0)
        return; // nothing chosen, or a group
    ADOQuery1->locate(QStringLiteral("fl2"), item->text(0), Qt::CaseInsensitive);
}

void TFkszn::showText()
{
    DBMemoEh1->setPlainText(textForEditor(currentText(*ADOQuery1, QStringLiteral("flxx"))));
}
