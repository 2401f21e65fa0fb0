#pragma once

#include <QDialog>
#include <QLabel>

class QPushButton;

namespace tools {

// A text label that works as a link: blue, bold and underlined, with a hand cursor, lime while
// the pointer is over it; a click with the left button emits clicked().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    bool isHot() const { return m_hot; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setHot(bool hot);
    bool m_hot = false;
    bool m_pressed = false;
};

// The user guide page shipped with the program: "doc/quizora-guide.html" beside the program,
// or in the folder above it (a build keeps the program in a folder of its own). Empty when
// neither exists.
QString findUserGuide(const QString &programDir);

} // namespace tools

// The about dialog: what the program offers, its version, and a link to its user guide.
class TFabout : public QDialog {
    Q_OBJECT
public:
    explicit TFabout(QWidget *parent = nullptr);

    void btn1Click(); // "关闭"
    void lbl1Click(); // the link: the user guide in the default web browser

    QLabel *lbl2 = nullptr;
    QLabel *lbl4 = nullptr;
    QPushButton *btn1 = nullptr;
    tools::LinkLabel *lbl1 = nullptr;
};

// The about dialog while it is open (null otherwise).
extern TFabout *Fabout;
