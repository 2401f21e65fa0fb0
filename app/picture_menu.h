#pragma once

#include <QFrame>
#include <QPixmap>
#include <QVector>

class QToolButton;

// A pop-up menu of picture items, each a picture with its caption under it, in a grid of up to
// six columns. Arrow keys move the selection, Return picks the selected item, Esc dismisses.
class PictureMenu : public QFrame {
    Q_OBJECT
public:
    explicit PictureMenu(QWidget *parent = nullptr);

    void addItem(const QPixmap &picture, const QString &caption);
    int count() const { return int(m_items.size()); }
    QString caption(int index) const;
    int selectedIndex() const { return m_selected; }
    void setSelectedIndex(int index);

    // Shows the menu with its top-left corner at a global position.
    void popup(const QPoint &globalPos);

signals:
    void triggered(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pick(int index);
    QVector<QToolButton *> m_items;
    int m_selected = -1;
    bool m_shownOnce = false;
};
