#include "app/picture_menu.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QToolButton>

namespace {
constexpr int kColumns = 6;
constexpr int kPictureHeight = 120;
} // namespace

PictureMenu::PictureMenu(QWidget *parent) : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(8);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureMenu::addItem(const QPixmap &picture, const QString &caption)
{
    auto *item = new QToolButton(this);
    item->setObjectName(QStringLiteral("item%1").arg(m_items.size()));
    item->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    item->setIcon(QIcon(picture));
    const QSize shown = picture.size().scaled(QSize(kPictureHeight, kPictureHeight), Qt::KeepAspectRatio);
    item->setIconSize(shown);
    item->setText(caption);
    QFont f = item->font();
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Noto Sans CJK SC")});
    f.setPixelSize(14);
    item->setFont(f);
    item->setCheckable(true);
    item->setAutoRaise(true);
    item->setFocusPolicy(Qt::NoFocus);
    item->setFixedSize(kPictureHeight + 24, kPictureHeight + 40);
    const int index = int(m_items.size());
    connect(item, &QToolButton::clicked, this, [this, index] { pick(index); });
    static_cast<QGridLayout *>(layout())->addWidget(item, index / kColumns, index % kColumns);
    m_items.append(item);
}

QString PictureMenu::caption(int index) const
{
    return m_items.value(index) ? m_items.at(index)->text() : QString();
}

void PictureMenu::setSelectedIndex(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    m_selected = index;
    for (int i = 0; i < m_items.size(); ++i)
        m_items[i]->setChecked(i == index);
}

void PictureMenu::popup(const QPoint &globalPos)
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        setSelectedIndex(1); // the second item is marked when the menu first shows
    }
    adjustSize();
    move(globalPos);
    show();
    setFocus();
}

void PictureMenu::pick(int index)
{
    setSelectedIndex(index);
    hide();
    emit triggered(index);
}

void PictureMenu::keyPressEvent(QKeyEvent *event)
{
    const int n = int(m_items.size());
    switch (event->key()) {
    case Qt::Key_Left:
        setSelectedIndex((m_selected + n - 1) % n);
        break;
    case Qt::Key_Right:
        setSelectedIndex((m_selected + 1) % n);
        break;
    case Qt::Key_Up:
        if (m_selected - kColumns >= 0)
            setSelectedIndex(m_selected - kColumns);
        break;
    case Qt::Key_Down:
        if (m_selected + kColumns < n)
            setSelectedIndex(m_selected + kColumns);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_selected >= 0)
            pick(m_selected);
        break;
    case Qt::Key_Escape:
        hide();
        break;
    default:
        QFrame::keyPressEvent(event);
    }
}
