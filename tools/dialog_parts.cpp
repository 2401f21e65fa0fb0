#include "tools/dialog_parts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace tools {

namespace {

constexpr int kIndicatorWidth = 14;
constexpr int kGridRowHeight = 22;

// Draws a long text (a question, an explanation, a note) on one line, as the grid's cells do.
class OneLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        QString text = QStyledItemDelegate::displayText(value, locale);
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        return text;
    }
};

} // namespace

const QStringList &sansSerif()
{
    static const QStringList families{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")};
    return families;
}

QVBoxLayout *flatColumn(QWidget *on)
{
    auto *l = new QVBoxLayout(on);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    return l;
}

QHBoxLayout *flatRow(QWidget *on)
{
    auto *l = new QHBoxLayout(on);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    return l;
}

QFrame *makePanel(QWidget *parent, const char *name, PanelLook look)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    switch (look) {
    case PanelLook::Plain:
        f->setFrameShape(QFrame::NoFrame);
        f->setProperty("panel", QStringLiteral("plain"));
        break;
    case PanelLook::Thin:
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Plain);
        f->setProperty("panel", QStringLiteral("thin"));
        break;
    case PanelLook::Raised:
        f->setFrameShape(QFrame::Panel);
        f->setFrameShadow(QFrame::Raised);
        f->setProperty("panel", QStringLiteral("raised"));
        break;
    }
    f->setLineWidth(1);
    return f;
}

QLabel *addCaptionBar(QFrame *panel, QBoxLayout *layout, const QString &text, int height)
{
    auto *caption = new QLabel(text, panel);
    caption->setObjectName(panel->objectName() + QStringLiteral("Caption"));
    caption->setProperty("caption", true);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFixedHeight(height);
    caption->setFont(pixelFont(sansSerif(), 13, true));
    caption->setAutoFillBackground(true);
    layout->addWidget(caption);
    return caption;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QPlainTextEdit *makeMemo(QWidget *parent, const char *name, bool readOnly)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(readOnly);
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setTabChangesFocus(readOnly);
    return m;
}

QComboBox *makeSubjectList(QWidget *parent, const QRect &geometry)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QStringLiteral("bsSkinComboBox1"));
    c->setEditable(false);
    c->addItems({QStringLiteral("安全法规"), QStringLiteral("安全管理"), QStringLiteral("安全技术"),
                 QStringLiteral("案例分析")});
    c->setCurrentIndex(0);
    c->setGeometry(geometry);
    return c;
}

std::optional<store::Subject> subjectOfItem(int index)
{
    return store::subjectFromIndex(index + 1);
}

QString currentText(const store::Query &query, const QString &column)
{
    if (!query.isOpen() || query.isEmpty() || query.fieldIndex(column) < 0)
        return {};
    const QVariant v = query.value(column);
    return v.isNull() ? QString() : v.toString();
}

RowIndicator::RowIndicator(QTableView *view) : QHeaderView(Qt::Vertical, view), m_view(view)
{
    setObjectName(QStringLiteral("rowIndicator"));
    setSectionResizeMode(QHeaderView::Fixed);
    setDefaultSectionSize(kGridRowHeight);
    setHighlightSections(false);
    setSectionsClickable(false);
}

QSize RowIndicator::sizeHint() const
{
    return {kIndicatorWidth, QHeaderView::sizeHint().height()};
}

void RowIndicator::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    QHeaderView::paintSection(painter, rect, logicalIndex);
    if (!m_view->currentIndex().isValid() || m_view->currentIndex().row() != logicalIndex)
        return;
    // A small right-pointing triangle, as a grid marks its current row.
    painter->save();
    painter->setClipRect(rect); // the styled section leaves the painter clipped to nothing
    painter->setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(rect).center();
    QPainterPath arrow;
    arrow.moveTo(c.x() - 2.5, c.y() - 4.5);
    arrow.lineTo(c.x() + 3, c.y());
    arrow.lineTo(c.x() - 2.5, c.y() + 4.5);
    arrow.closeSubpath();
    painter->fillPath(arrow, palette().color(QPalette::WindowText));
    painter->restore();
}

DataGrid::DataGrid(QWidget *parent) : QTableView(parent)
{
    setVerticalHeader(new RowIndicator(this));
    setItemDelegate(new OneLineDelegate(this));
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setAlternatingRowColors(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (m_beforeRowChange && current.row() != previous.row())
        m_beforeRowChange();
    QTableView::currentChanged(current, previous);
    verticalHeader()->viewport()->update();
}

} // namespace tools
