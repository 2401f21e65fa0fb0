#include "tools/about_dialog.h"

#include "tools/dialog_parts.h"
#include "ui/messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

TFabout *Fabout = nullptr;

namespace tools {

namespace {

const QString kGuideFile = QStringLiteral("doc/quizora-guide.html");
const QColor kLinkColour(0, 0, 255);
const QColor kHotColour(0, 255, 0); // lime

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QFont f = pixelFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Noto Sans CJK SC")},
                        16, true);
    f.setUnderline(true);
    setFont(f);
    setHot(false);
}

void LinkLabel::setHot(bool hot)
{
    m_hot = hot;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, hot ? kHotColour : kLinkColour);
    setPalette(p);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    setHot(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    setHot(false);
    m_pressed = false;
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

QString findUserGuide(const QString &programDir)
{
    const QDir dir(programDir);
    for (const QString &candidate : {dir.filePath(kGuideFile), dir.filePath(QStringLiteral("../") + kGuideFile)}) {
        const QFileInfo info(candidate);
        if (info.isFile())
            return info.canonicalFilePath();
    }
    return {};
}

} // namespace tools

using namespace tools;

TFabout::TFabout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Fabout"));
    setWindowTitle(QStringLiteral("关于软件"));
    // A plain fixed-size dialog: no minimise or maximise, not resizable.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(458, 261);
    move(379, 143);
    setAutoFillBackground(true);
    QPalette cream = palette();
    cream.setColor(QPalette::Window, QColor(0xff, 0xfb, 0xf0));
    setPalette(cream);

    // Labels on the button face colour, as the description and version stand on their own panel.
    auto buttonFace = [](QLabel *label) {
        label->setAutoFillBackground(true);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Button));
        label->setPalette(p);
    };

    lbl2 = new QLabel(this);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl2->setGeometry(16, 16, 433, 113);
    lbl2->setTextFormat(Qt::PlainText);
    lbl2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl2->setWordWrap(false);
    lbl2->setFont(pixelFont({}, 13));
    lbl2->setText(QStringLiteral("     在本软件中可根据章节来练习，也可以随机抽取进行模拟\n"
                                 "考试练习。\n"
                                 "     对于一些生熟的题，可以进行收藏和笔记记录，以便后回\n"
                                 "头翻看。"));
    buttonFace(lbl2);

    lbl4 = new QLabel(QStringLiteral("VER   1.1"), this);
    lbl4->setObjectName(QStringLiteral("lbl4"));
    lbl4->setTextFormat(Qt::PlainText);
    lbl4->setFont(pixelFont({}, 13, true));
    lbl4->move(282, 132);
    lbl4->adjustSize(); // sized to its text
    buttonFace(lbl4);

    btn1 = new QPushButton(QStringLiteral("关闭"), this);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setGeometry(368, 168, 75, 25);
    btn1->setDefault(true);

    lbl1 = new LinkLabel(QStringLiteral("Quizora 使用指南（点击在浏览器中打开）"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setGeometry(40, 212, 401, 25);
    lbl1->setToolTip(QStringLiteral("用默认浏览器打开本程序的使用指南"));

    connect(btn1, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { btn1Click(); }); });
    connect(lbl1, &LinkLabel::clicked, this, [this] { ui::guarded(this, [this] { lbl1Click(); }); });
}

void TFabout::btn1Click()
{
    close();
}

void TFabout::lbl1Click()
{
    const QString guide = findUserGuide(QCoreApplication::applicationDirPath());
    if (guide.isEmpty()) {
        ui::messages().plain(this, QStringLiteral("找不到使用指南文件 %1，请检查程序是否完整安装。")
                                       .arg(QDir::toNativeSeparators(
                                           QDir(QCoreApplication::applicationDirPath()).filePath(kGuideFile))));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        ui::messages().plain(this, QStringLiteral("无法用浏览器打开使用指南 %1。").arg(QDir::toNativeSeparators(guide)));
}
