#include "skin/skin_form.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRegion>
#include <QWindow>

#include <cmath>
#include <mutex>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initSkinResources()
{
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(skin); });
}

namespace {

constexpr int kModuleTop = 24;
constexpr int kModuleWidth = 72;
constexpr int kModuleHeight = 76;
constexpr int kModuleGap = 5;
constexpr int kMaxCaptionLength = 259;
constexpr int kCaptionPixelSize = 12;

constexpr int kMenuButton = -5;
constexpr int kMinimizeButton = -1;
constexpr int kCloseButton = -4;

QColor argb(int a, int r, int g, int b)
{
    return QColor(r, g, b, a);
}

QRect rectOf(const TSkinControl &c)
{
    return QRect(c.Left, c.Top, c.Width, c.Height);
}

// Copies a rectangle (in window pixels) from one layer to the same place on another.
void copyLayerRect(QImage &to, const QImage &from, const QRect &rect)
{
    const qreal dpr = from.devicePixelRatio();
    QPainter p(&to);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(rect), from,
                QRectF(rect.x() * dpr, rect.y() * dpr, rect.width() * dpr, rect.height() * dpr));
}

// A one-pixel rounded outline whose outermost pixels are the given rectangle's edges. At this
// size a quarter arc of radius 3 is one diagonal pixel: each corner is cut off by a step of two.
void drawRoundedOutline(QPainter &p, const QRect &r, const QColor &color)
{
    const int l = r.left();
    const int t = r.top();
    const int rt = r.right();
    const int b = r.bottom();
    if (r.width() < 5 || r.height() < 5) {
        p.setPen(QPen(color, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    p.fillRect(QRect(l + 2, t, r.width() - 4, 1), color);
    p.fillRect(QRect(l + 2, b, r.width() - 4, 1), color);
    p.fillRect(QRect(l, t + 2, 1, r.height() - 4), color);
    p.fillRect(QRect(rt, t + 2, 1, r.height() - 4), color);
    for (QPoint corner : {QPoint(l + 1, t + 1), QPoint(rt - 1, t + 1), QPoint(rt - 1, b - 1), QPoint(l + 1, b - 1)})
        p.fillRect(QRect(corner, QSize(1, 1)), color);
}

// The window's shape: a W x H rectangle whose corners are rounded off by two pixels.
QRegion roundedRegion(int w, int h)
{
    if (w < 5 || h < 5)
        return QRegion(0, 0, w, h);
    QRegion region(0, 2, w, h - 4);
    region += QRegion(1, 1, w - 2, 1);
    region += QRegion(1, h - 2, w - 2, 1);
    region += QRegion(2, 0, w - 4, 1);
    region += QRegion(2, h - 1, w - 4, 1);
    return region;
}

// Finds a resource under ":/<type>/<name>", both matched without regard to case.
QString findResource(const QString &name, const QString &type)
{
    if (name.isEmpty() || type.isEmpty() || name.contains(QLatin1Char('/')) || type.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')) || type.contains(QLatin1Char('\\')))
        return {};
    // The pictures are stored with upper-case names under ":/Skin/": try that first.
    const QString direct = QStringLiteral(":/%1/%2").arg(type, name.toUpper());
    if (QFile::exists(direct))
        return direct;
    const QDir root(QStringLiteral(":/"));
    for (const QString &dir : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (dir.compare(type, Qt::CaseInsensitive) != 0)
            continue;
        const QDir folder(root.filePath(dir));
        for (const QString &file : folder.entryList(QDir::Files))
            if (file.compare(name, Qt::CaseInsensitive) == 0)
                return folder.filePath(file);
    }
    return {};
}

} // namespace

TSkinForm::TSkinForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint)
{
    initSkinResources();
    // The frame paints every pixel of the window itself, from its layers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);

    FFillColor = argb(255, 50, 150, 190);
    FHasBackground = false;
    FOuterBorderColor = argb(150, 0, 0, 0);
    FInnerBorderColor = argb(150, 255, 255, 255);

    // The bold default GUI font, at a fixed pixel size.
    FCaptionFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    FCaptionFont.setPixelSize(kCaptionPixelSize);
    FCaptionFont.setBold(true);

    FIcon = windowIcon(); // the window's own, or the application's
    if (FIcon.isNull())
        FIcon = programIcon();

    FButtonFont = FCaptionFont;
    FButtonTextFormat = Qt::AlignHCenter | Qt::AlignVCenter;
    FButtonTextBrush = QBrush(argb(255, 255, 255, 255));

    FHotIndex = -1;
    FPressedIndex = -1;
    FControls.clear();
    FControlCount = 0;
    FNextModuleLeft = 7;

    // The system buttons; the layout gives them their places at the top right.
    AddSkinControl(TSkinControl::SystemButton, 300, 5, 30, 19, kMenuButton);
    AddSkinControl(TSkinControl::SystemButton, 300, 5, 30, 19, kMinimizeButton);
    AddSkinControl(TSkinControl::SystemButton, 400, 5, 39, 19, kCloseButton);
    FSystemButtonCount = FControlCount;
    LayoutSystemButtons();
}

TSkinForm::~TSkinForm() = default;

QImage TSkinForm::loadSkinPicture(const QString &resName, const QString &resType)
{
    initSkinResources();
    const QString path = findResource(resName, resType);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QImage::fromData(file.readAll()); // the format is recognised from the data
}

QIcon TSkinForm::programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 256}) {
        const QImage image = loadSkinPicture(QStringLiteral("QUIZORA_%1_PNG").arg(size), QStringLiteral("Skin"));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

TSkinControl TSkinForm::control(int index) const
{
    return validIndex(index) ? FControls[size_t(index)] : TSkinControl();
}

// ---- background picture ----------------------------------------------------------------

void TSkinForm::SetBackgroundImage(const QString &ResName, const QString &ResType, int CenterLeft, int CenterTop,
                                   int CenterWidth, int CenterHeight)
{
    SetBackgroundImage(loadSkinPicture(ResName, ResType), CenterLeft, CenterTop, CenterWidth, CenterHeight);
}

void TSkinForm::SetBackgroundImage(const QImage &Picture, int CenterLeft, int CenterTop, int CenterWidth,
                                   int CenterHeight)
{
    FCenterRect[0] = CenterLeft;
    FCenterRect[1] = CenterTop;
    FCenterRect[2] = CenterWidth;
    FCenterRect[3] = CenterHeight;
    FBackground = QImage();
    FHasBackground = false;
    if (!Picture.isNull()) {
        FBackground = Picture;
        FHasBackground = true;
    }
    RefreshSkin();
}

void TSkinForm::RefreshSkin()
{
    if (!isVisible() || isMinimized())
        return; // the next paint builds the layers
    BuildLayers();
    update();
}

// ---- layers ----------------------------------------------------------------------------

void TSkinForm::BuildLayers()
{
    ReleaseLayers();
    FMaximized = isMaximized();
    FLayerWidth = width();
    FLayerHeight = height();
    if (FLayerWidth <= 0 || FLayerHeight <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    const QSize pixels(int(std::ceil(FLayerWidth * dpr)), int(std::ceil(FLayerHeight * dpr)));
    FBackLayer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    FBackLayer.setDevicePixelRatio(dpr);
    FFrontLayer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    FFrontLayer.setDevicePixelRatio(dpr);
    RenderBackLayer();
    RenderFrontLayer();
    applyWindowRegion();
}

void TSkinForm::ReleaseLayers()
{
    FBackLayer = QImage();
    FFrontLayer = QImage();
}

void TSkinForm::PaintLayers(QPainter &painter)
{
    if (FFrontLayer.isNull() || !qFuzzyCompare(FFrontLayer.devicePixelRatio(), devicePixelRatioF()))
        BuildLayers();
    if (FFrontLayer.isNull())
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), FFrontLayer);
}

void TSkinForm::applyWindowRegion()
{
    const QRegion region = FMaximized ? QRegion(0, 0, FLayerWidth, FLayerHeight)
                                      : roundedRegion(FLayerWidth, FLayerHeight);
    if (mask() != region)
        setMask(region);
}

void TSkinForm::RenderBackLayer()
{
    const int w = FLayerWidth;
    const int h = FLayerHeight;
    QPainter p(&FBackLayer);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);

    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(0, 0, w, h), FFillColor);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // The picture: its top-right part unscaled when the window fits inside it, else stretched
    // around the centre rectangle.
    if (FHasBackground && FBackground.width() >= 1 && FBackground.height() >= 1) {
        const int pw = FBackground.width();
        const int ph = FBackground.height();
        if (w <= pw && h <= ph)
            p.drawImage(QPoint(0, 0), FBackground, QRect(pw - w, 0, w, h));
        else if (FCenterRect[2] > 0 && FCenterRect[3] > 0)
            DrawNineSlice(p);
    }

    // Border: two one-pixel lines, rounded unless maximised.
    p.setBrush(Qt::NoBrush);
    if (!FMaximized) {
        drawRoundedOutline(p, QRect(0, 0, w, h), FOuterBorderColor);
        drawRoundedOutline(p, QRect(1, 1, w - 2, h - 2), FInnerBorderColor);
    } else {
        p.setPen(QPen(FOuterBorderColor, 1));
        p.drawRect(QRect(0, 0, w - 1, h - 1));
        p.setPen(QPen(FInnerBorderColor, 1));
        p.drawRect(QRect(1, 1, w - 3, h - 3));
    }

    // Icon and caption.
    int textLeft = 5;
    if (!FIcon.isNull()) {
        p.drawPixmap(QRect(5, 5, 16, 16), FIcon.pixmap(QSize(16, 16), devicePixelRatioF()));
        textLeft = 25;
    }
    const QString caption = windowTitle().left(kMaxCaptionLength);
    const QRect textRect(textLeft, 5, w - 100 - textLeft, 16);
    if (!caption.isEmpty() && textRect.width() > 0) {
        p.setFont(FCaptionFont);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        p.setClipRect(textRect);
        p.setPen(QColor(51, 51, 51));
        p.drawText(textRect, flags, caption);
        const QRect moved = textRect.translated(-1, -1);
        p.setClipRect(moved);
        p.setPen(QColor(255, 255, 255));
        p.drawText(moved, flags, caption);
        p.setClipping(false);
    }
}

void TSkinForm::DrawNineSlice(QPainter &painter)
{
    const int pw = FBackground.width();
    const int ph = FBackground.height();
    const int w = FLayerWidth;
    const int h = FLayerHeight;
    // The centre rectangle, kept inside the picture.
    const int cl = std::clamp(FCenterRect[0], 0, pw);
    const int ct = std::clamp(FCenterRect[1], 0, ph);
    const int cr = std::clamp(FCenterRect[0] + FCenterRect[2], cl, pw);
    const int cb = std::clamp(FCenterRect[1] + FCenterRect[3], ct, ph);
    if (cr <= cl || cb <= ct)
        return;

    // Source columns and rows: left, middle, right / top, middle, bottom.
    const int sx[3] = {0, cl, cr};
    const int sw[3] = {cl, cr - cl, pw - cr};
    const int sy[3] = {0, ct, cb};
    const int sh[3] = {ct, cb - ct, ph - cb};

    // Destination: the fixed columns keep their size and the middle takes the rest. Where the
    // window is too small for both fixed columns (or rows), they share it in proportion and the
    // middle is left out.
    auto split = [](int total, int first, int last, int out[3]) {
        if (total >= first + last) {
            out[0] = first;
            out[1] = total - first - last;
            out[2] = last;
        } else {
            out[0] = (first + last) > 0 ? int(qint64(total) * first / (first + last)) : 0;
            out[1] = 0;
            out[2] = total - out[0];
        }
    };
    int dw[3];
    int dh[3];
    split(w, sw[0], sw[2], dw);
    split(h, sh[0], sh[2], dh);
    const int dx[3] = {0, dw[0], w - dw[2]};
    const int dy[3] = {0, dh[0], h - dh[2]};

    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            if (sw[col] <= 0 || sh[row] <= 0 || dw[col] <= 0 || dh[row] <= 0)
                continue;
            painter.drawImage(QRect(dx[col], dy[row], dw[col], dh[row]), FBackground,
                              QRect(sx[col], sy[row], sw[col], sh[row]));
        }
}

void TSkinForm::RenderFrontLayer()
{
    copyLayerRect(FFrontLayer, FBackLayer, QRect(0, 0, FLayerWidth, FLayerHeight));
    QPainter p(&FFrontLayer);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    LayoutSystemButtons();
    for (int i = 0; i < FControlCount; ++i)
        DrawControl(p, i);
}

void TSkinForm::LayoutSystemButtons()
{
    int x = width() - 2;
    for (int id : {kCloseButton, kMinimizeButton, kMenuButton}) {
        const int i = IndexOfSystemButton(id);
        if (i < 0)
            continue;
        x -= FControls[size_t(i)].Width;
        SetControlBounds(i, x, 2, -1, -1);
    }
}

// ---- window events ---------------------------------------------------------------------

bool TSkinForm::event(QEvent *event)
{
    if (event->type() == WM_SKIN_CLICK) {
        if (const auto *click = dynamic_cast<TSkinEvent *>(event))
            handleSkinClick(*click);
        return true;
    }
    if (event->type() == WM_SKIN_COMMAND) {
        if (auto *command = dynamic_cast<TSkinEvent *>(event))
            skinCommandEvent(command);
        return true;
    }
    if (event->type() == QEvent::ChildAdded) {
        // Watch the child widgets: the pointer moving onto one of them leaves the frame's surface.
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child && child->isWidgetType())
            child->installEventFilter(this);
    }
    return QWidget::event(event);
}

bool TSkinForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter && watched->isWidgetType() && watched->parent() == this
        && !static_cast<QWidget *>(watched)->isWindow())
        frameSurfaceLeft();
    return QWidget::eventFilter(watched, event);
}

void TSkinForm::skinCommandEvent(TSkinEvent *)
{
}

void TSkinForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintLayers(painter);
}

void TSkinForm::resizeEvent(QResizeEvent *event)
{
    ReleaseLayers();
    LayoutSystemButtons(); // hit testing follows the new right edge at once
    QWidget::resizeEvent(event);
    update();
}

void TSkinForm::changeEvent(QEvent *event)
{
    // Maximising or restoring changes the border and the region, even where the size stays.
    if (event->type() == QEvent::WindowStateChange && hasLayers() && isMaximized() != FMaximized) {
        ReleaseLayers();
        update();
    }
    QWidget::changeEvent(event);
}

void TSkinForm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    handleLeftPress(event);
}

// A quick second press arrives as a double-click: it is a press like any other, so it never
// maximises the window and a double click on a button gives two clicks. Where the second press
// has already come as a press of its own, the double-click adds nothing.
void TSkinForm::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (m_leftDown) {
        event->accept();
        return;
    }
    handleLeftPress(event);
}

void TSkinForm::handleLeftPress(QMouseEvent *event)
{
    event->accept();
    m_leftDown = true;
    const QPointF pos = event->position();
    const int i = ControlAtPoint(int(std::floor(pos.x())), int(std::floor(pos.y())));
    SetPressedControl(i);
    if (i == -1)
        startWindowMove(event);
}

void TSkinForm::startWindowMove(QMouseEvent *event)
{
    QWindow *handle = window()->windowHandle();
    if (handle && handle->startSystemMove()) {
        // The window system moves the window until the button comes up. Qt can lose that
        // release, which would leave the window believing the button is still down: the frame
        // sends it itself, once the press has been handled.
        auto *release = new QMouseEvent(QEvent::MouseButtonRelease, event->position(), event->scenePosition(),
                                        event->globalPosition(), Qt::LeftButton, Qt::NoButton, event->modifiers(),
                                        event->pointingDevice());
        QCoreApplication::postEvent(handle, release);
        return;
    }
    // No window manager to do it: follow the pointer until the button comes up.
    m_followingPointer = true;
    m_moveOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TSkinForm::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    if (m_followingPointer) {
        if (event->buttons() & Qt::LeftButton)
            move(event->globalPosition().toPoint() - m_moveOffset);
        else
            m_followingPointer = false;
    }
    const QPoint pos(int(std::floor(event->position().x())), int(std::floor(event->position().y())));
    // While the button is down the frame sees every move, also over a child widget or outside
    // the window: there the pointer has left the frame's surface.
    if (!rect().contains(pos) || childAt(pos)) {
        frameSurfaceLeft();
        return;
    }
    SetHotControl(ControlAtPoint(pos.x(), pos.y()));
}

void TSkinForm::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_leftDown = false;
    m_followingPointer = false;
    const QPointF pos = event->position();
    const int i = ControlAtPoint(int(std::floor(pos.x())), int(std::floor(pos.y())));
    SetPressedControl(-1);
    if (i < 0)
        return;
    // The released look goes to the screen before the click's command can start (a modal
    // dialog, say): paint what is pending now.
    if (isVisible())
        QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    QCoreApplication::postEvent(this, new TSkinEvent(WM_SKIN_CLICK, FControls[size_t(i)].Id, i));
}

void TSkinForm::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    frameSurfaceLeft();
}

void TSkinForm::frameSurfaceLeft()
{
    SetPressedControl(-1);
    SetHotControl(-1);
}

// The frame's own step of a click: close and minimise act on the window, every other control
// becomes a WM_SKIN_COMMAND for the window.
void TSkinForm::handleSkinClick(const TSkinEvent &click)
{
    const int index = click.index();
    if (!validIndex(index))
        return;
    const int id = click.id();
    if (FControls[size_t(index)].Kind == TSkinControl::SystemButton) {
        switch (id) {
        case kMenuButton:
            break; // forwarded below
        case kCloseButton:
            QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
            return;
        case kMinimizeButton:
            QMetaObject::invokeMethod(this, [this] { showMinimized(); }, Qt::QueuedConnection);
            return;
        default:
            return;
        }
    }
    QCoreApplication::postEvent(this, new TSkinEvent(WM_SKIN_COMMAND, id, index));
}

// ---- control list ----------------------------------------------------------------------

int TSkinForm::AddSkinControl(quint8 Kind, int Left, int Top, int Width, int Height, int Id)
{
    TSkinControl c;
    c.Kind = Kind;
    c.Id = Id;
    FControls.push_back(c);
    FControlCount = int(FControls.size());
    const int index = FControlCount - 1;
    SetControlBounds(index, Left, Top, Width, Height);
    return index;
}

void TSkinForm::SetControlBounds(int Index, int Left, int Top, int Width, int Height)
{
    if (!validIndex(Index))
        return;
    TSkinControl &c = FControls[size_t(Index)];
    c.Left = Left;
    c.Top = Top;
    if (Width >= 0)
        c.Width = Width;
    if (Height >= 0)
        c.Height = Height;
    c.BoundsRect = {c.Left, c.Top, c.Left + c.Width, c.Top + c.Height};
}

int TSkinForm::IndexOfSystemButton(int Id) const
{
    for (int i = 0; i < FSystemButtonCount && i < FControlCount; ++i)
        if (FControls[size_t(i)].Id == Id)
            return i;
    return -1;
}

int TSkinForm::ControlAtPoint(int X, int Y) const
{
    for (int i = 0; i < FControlCount; ++i)
        if (FControls[size_t(i)].BoundsRect.contains(X, Y))
            return i;
    return -1;
}

void TSkinForm::SetHotControl(int Index)
{
    if (Index == FHotIndex)
        return;
    const int old = FHotIndex;
    FHotIndex = Index;
    if (validIndex(old)) {
        FControls[size_t(old)].Hot = false;
        RedrawControl(old);
    }
    if (validIndex(Index)) {
        FControls[size_t(Index)].Hot = true;
        RedrawControl(Index);
    }
}

void TSkinForm::SetPressedControl(int Index)
{
    if (Index == FPressedIndex)
        return;
    const int old = FPressedIndex;
    FPressedIndex = Index;
    if (validIndex(old)) {
        FControls[size_t(old)].Pressed = false;
        RedrawControl(old);
    }
    if (validIndex(Index)) {
        FControls[size_t(Index)].Pressed = true;
        RedrawControl(Index);
    }
}

// Redraws one control: its rectangle of the back layer erases the old look on the front layer,
// the control is drawn there, and only that rectangle of the window is repainted.
void TSkinForm::RedrawControl(int Index)
{
    if (!validIndex(Index) || FFrontLayer.isNull() || FBackLayer.isNull())
        return;
    const QRect rect = rectOf(FControls[size_t(Index)]);
    copyLayerRect(FFrontLayer, FBackLayer, rect);
    {
        QPainter p(&FFrontLayer);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        DrawControl(p, Index);
    }
    update(rect);
}

void TSkinForm::DrawControl(QPainter &painter, int Index)
{
    if (!validIndex(Index))
        return;
    const TSkinControl c = FControls[size_t(Index)]; // drawn from a copy
    if (c.Kind == TSkinControl::SystemButton)
        DrawSystemButton(painter, c);
    else if (c.Kind == TSkinControl::ModuleButton)
        DrawModuleButton(painter, c);
}

// ---- system buttons --------------------------------------------------------------------

void TSkinForm::DrawSystemButton(QPainter &painter, const TSkinControl &c)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int x = c.Left;
    const int y = c.Top;
    const int w = c.Width;
    const int h = c.Height;
    const bool close = c.Id == kCloseButton;

    // Background: a gradient filled twice, the second one pixel to the left.
    if (c.Pressed || c.Hot) {
        QColor top;
        QColor bottom;
        if (close) {
            top = c.Pressed ? argb(180, 128, 0, 0) : argb(180, 255, 0, 0);
            bottom = argb(0, 0, 0, 0);
        } else if (c.Pressed) {
            top = argb(90, 0, 0, 0);
            bottom = argb(0, 0, 0, 0);
        } else {
            top = argb(60, 255, 255, 255);
            bottom = argb(0, 255, 255, 255);
        }
        QLinearGradient gradient(0, y, 0, y + h);
        gradient.setColorAt(0, top);
        gradient.setColorAt(1, bottom);
        const int fillWidth = close ? w - 1 : w - 3;
        painter.fillRect(QRect(x + 1, y, fillWidth, h), gradient);
        painter.fillRect(QRect(x, y, fillWidth, h), gradient);
    }

    // Glyph: white rectangles with a soft dark halo, in an 11 x 9 box.
    const int tx = int(x + (w - 11) / 2.0 - 1);
    const int ty = int(y + (h - 9) / 2.0 - 1);
    QPainterPath glyph;
    glyph.setFillRule(Qt::WindingFill);
    auto box = [&](int left, int top, int width, int height) { glyph.addRect(tx + left, ty + top, width, height); };
    switch (c.Id) {
    case kMenuButton:
        box(0, 0, 11, 2);
        box(0, 8, 11, 1);
        box(0, 0, 1, 9);
        box(10, 0, 1, 9);
        box(3, 4, 5, 1);
        box(4, 5, 3, 1);
        box(5, 6, 1, 1);
        break;
    case kMinimizeButton:
        box(0, 7, 11, 2);
        break;
    case kCloseButton:
        for (int i = 0; i <= 8; ++i) {
            box(i, i, 3, 1);
            box(8 - i, i, 3, 1);
        }
        break;
    default:
        break;
    }
    if (!glyph.isEmpty()) {
        const QPainterPath plain = glyph;
        QPainterPathStroker stroker;
        stroker.setWidth(1);
        stroker.setCurveThreshold(0.25);
        stroker.setJoinStyle(Qt::MiterJoin);
        stroker.setCapStyle(Qt::FlatCap);
        const QPen halo(argb(50, 0, 0, 0), 1);
        QPainterPath widened = stroker.createStroke(glyph);
        painter.strokePath(widened, halo);
        widened = stroker.createStroke(widened);
        painter.strokePath(widened, halo);
        painter.fillPath(plain, argb(255, 255, 255, 255));
    }

    // Separator at the right edge of the menu and minimise buttons.
    if (!close) {
        QLinearGradient light(0, y, 0, y + h);
        light.setColorAt(0, argb(120, 255, 255, 255));
        light.setColorAt(1, argb(0, 255, 255, 255));
        painter.fillRect(QRect(x + w - 1, y, 1, h), light);
        QLinearGradient dark(0, y, 0, y + h);
        dark.setColorAt(0, argb(90, 0, 0, 0));
        dark.setColorAt(1, argb(0, 0, 0, 0));
        painter.fillRect(QRect(x + w - 2, y, 1, h), dark);
    }
    painter.restore();
}

// ---- module buttons --------------------------------------------------------------------

void TSkinForm::AddModuleButton(int Id, const QString &Caption, const QString &ResName, const QString &ResType)
{
    const int index = AddSkinControl(TSkinControl::ModuleButton, FNextModuleLeft, kModuleTop, kModuleWidth,
                                     kModuleHeight, Id);
    FNextModuleLeft += kModuleWidth + kModuleGap;
    SetControlCaption(index, Caption);
    LoadControlImage(index, ResName, ResType);
}

void TSkinForm::SetControlCaption(int Index, const QString &Caption)
{
    if (!validIndex(Index))
        return;
    TSkinControl &c = FControls[size_t(Index)];
    c.Caption = Caption;
    c.WideCaption = Caption;
    c.WideCaptionLength = Caption.isEmpty() ? 0 : int(Caption.size()) + 1;
}

void TSkinForm::LoadControlImage(int Index, const QString &ResName, const QString &ResType)
{
    if (!validIndex(Index))
        return;
    TSkinControl &c = FControls[size_t(Index)];
    c.Image = QImage();
    c.HasImage = false;
    const QImage picture = loadSkinPicture(ResName, ResType);
    if (!picture.isNull()) {
        c.Image = picture;
        c.HasImage = true;
    }
}

void TSkinForm::SelectModuleButton(int Id)
{
    for (int i = 0; i < FControlCount; ++i) {
        TSkinControl &c = FControls[size_t(i)];
        if (c.Kind != TSkinControl::ModuleButton)
            continue;
        if (c.Id == Id) {
            c.Selected = true;
            RedrawControl(i);
        } else if (c.Selected) {
            c.Selected = false;
            RedrawControl(i);
        }
    }
}

QPainterPath TSkinForm::RoundRectPath(qreal Left, qreal Top, qreal Width, qreal Height, qreal Radius)
{
    const qreal d = 2 * Radius;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    const QRectF topLeft(Left, Top, d, d);
    path.arcMoveTo(topLeft, 180);
    path.arcTo(topLeft, 180, -90);
    path.arcTo(QRectF(Left + Width - d, Top, d, d), 90, -90);
    path.arcTo(QRectF(Left + Width - d, Top + Height - d, d, d), 0, -90);
    path.arcTo(QRectF(Left, Top + Height - d, d, d), 270, -90);
    path.closeSubpath();
    return path;
}

void TSkinForm::DrawModuleButton(QPainter &painter, const TSkinControl &c)
{
    const qreal x = c.Left;
    const qreal y = c.Top;
    const qreal w = c.Width;
    const qreal h = c.Height;

    // Panel: strong when selected or pressed, light when only hot.
    if (c.Selected || c.Pressed || c.Hot) {
        const bool strong = c.Selected || c.Pressed;
        const QColor outerLine = strong ? argb(20, 0, 0, 0) : argb(15, 0, 0, 0);
        const QColor middleLine = strong ? argb(60, 0, 0, 0) : argb(40, 0, 0, 0);
        const QColor innerLine = strong ? argb(120, 255, 255, 255) : argb(90, 255, 255, 255);
        const QColor innerFill = strong ? argb(70, 255, 255, 255) : argb(50, 255, 255, 255);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        // Lines on whole pixels: a one-pixel line at x covers the pixel column x.
        painter.translate(0.5, 0.5);
        const QPainterPath outer = RoundRectPath(x, y, w - 2, h - 2, 5);
        const QPainterPath middle = RoundRectPath(x + 1, y + 1, w - 4, h - 4, 5);
        const QPainterPath inner = RoundRectPath(x + 2, y + 2, w - 6, h - 6, 5);
        painter.strokePath(outer, QPen(outerLine, 1));
        painter.strokePath(middle, QPen(middleLine, 1));
        painter.fillPath(inner, innerFill);
        painter.strokePath(inner, QPen(innerLine, 1));
        painter.restore();
    }

    // Picture: at most 48 in each direction, centred above the caption strip.
    if (c.HasImage && !c.Image.isNull()) {
        const qreal dw = std::min(c.Image.width(), 48);
        const qreal dh = std::min(c.Image.height(), 48);
        const QRectF target(x + (w - dw) / 2, y + (h - dh - 20) / 2, dw, dh);
        painter.drawImage(target, c.Image);
    }

    // Caption: a faint shadow one pixel down and right, then white.
    if (c.WideCaptionLength > 0) {
        painter.save();
        painter.setFont(FButtonFont);
        painter.setPen(argb(60, 0, 0, 0));
        painter.drawText(QRectF(x + 1, y + h - 19, w - 1, 18), FButtonTextFormat, c.WideCaption);
        painter.setPen(FButtonTextBrush.color());
        painter.drawText(QRectF(x, y + h - 20, w - 1, 18), FButtonTextFormat, c.WideCaption);
        painter.restore();
    }
}
