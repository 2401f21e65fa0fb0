#pragma once

#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

// The frame's two posted messages. Both numbers lie in Qt's user event range.
// WM_SKIN_COMMAND goes to the window for every click that is not a window command (a module
// button, or the menu button with id -5); WM_SKIN_CLICK is the frame's own first step of a click.
inline constexpr QEvent::Type WM_SKIN_COMMAND = QEvent::Type(0x8064);
inline constexpr QEvent::Type WM_SKIN_CLICK = QEvent::Type(0x8065);

// A posted frame message: the control's id and its index in the control list.
class TSkinEvent : public QEvent {
public:
    TSkinEvent(QEvent::Type type, int id, int index) : QEvent(type), m_id(id), m_index(index) {}
    int id() const { return m_id; }
    int index() const { return m_index; }

private:
    int m_id;
    int m_index;
};

// A rectangle as the frame keeps it: right and bottom lie just outside.
struct TSkinRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool contains(int x, int y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
    bool operator==(const TSkinRect &) const = default;
};

// One clickable area of the frame: a system button at the top right or a module button.
// Read for drawing as a copy.
struct TSkinControl {
    static constexpr quint8 SystemButton = 1;
    static constexpr quint8 ModuleButton = 2;

    quint8 Kind = 0;
    int Id = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    TSkinRect BoundsRect;        // (Left, Top, Left + Width, Top + Height), for hit testing
    QString Caption;
    QString WideCaption;         // the caption as drawn
    int WideCaptionLength = 0;   // UTF-16 units of the caption plus one; 0 without a caption
    QImage Image;
    bool HasImage = false;
    bool Hot = false;            // the pointer is over it
    bool Pressed = false;        // the left button went down on it and is still down
    bool Selected = false;       // module buttons: the selected module
};
using SkinControlArray = std::vector<TSkinControl>;

// The program's own frame window. It draws the whole window surface itself from two off-screen
// layers: a fill colour, a background picture stretched by a nine-slice rule, a two-line rounded
// border, the icon and caption, three system buttons at the top right (menu -5, minimise -1,
// close -4) and a bar of module buttons below the caption. A press on the bare surface moves the
// window. A click on a control posts WM_SKIN_CLICK to the window; the close and minimise buttons
// then close or minimise it, every other control posts WM_SKIN_COMMAND, which a derived window
// receives in skinCommandEvent().
//
// Child widgets of a derived window lie on top of the surface and are not drawn by the frame.
class TSkinForm : public QWidget {
    Q_OBJECT
public:
    explicit TSkinForm(QWidget *parent = nullptr);
    ~TSkinForm() override;

    // Loads the background picture from the skin resources (name and type matched without
    // regard to case) with its nine-slice centre rectangle, then refreshes the frame. A missing
    // or undecodable picture leaves the fill colour alone.
    void SetBackgroundImage(const QString &ResName, const QString &ResType, int CenterLeft, int CenterTop,
                            int CenterWidth, int CenterHeight);
    // The same with a picture at hand; a null image means no picture.
    void SetBackgroundImage(const QImage &Picture, int CenterLeft, int CenterTop, int CenterWidth, int CenterHeight);
    // Rebuilds the layers and repaints when the window is visible and not minimised; otherwise
    // the next paint builds them.
    void RefreshSkin();

    // Appends a 72 x 76 module button at the right of the previous one (left 7, 84, 161, ...;
    // top 24). Shown from the next build of the layers on.
    void AddModuleButton(int Id, const QString &Caption, const QString &ResName, const QString &ResType);
    // Marks the module button with this id and clears the mark on every other one.
    void SelectModuleButton(int Id);

    // Read access, for the derived window and for tests.
    int controlCount() const { return FControlCount; }
    int systemButtonCount() const { return FSystemButtonCount; }
    TSkinControl control(int index) const; // a copy; an empty record for an index outside
    int hotIndex() const { return FHotIndex; }
    int pressedIndex() const { return FPressedIndex; }
    bool hasLayers() const { return !FFrontLayer.isNull(); }
    const QImage &backLayer() const { return FBackLayer; }
    const QImage &frontLayer() const { return FFrontLayer; }
    QColor fillColor() const { return FFillColor; }
    QColor outerBorderColor() const { return FOuterBorderColor; }
    QColor innerBorderColor() const { return FInnerBorderColor; }

    // A picture of the skin resources (under ":/Skin/", upper-case names), the name and type
    // matched without regard to case; a null image when it is missing or does not decode.
    static QImage loadSkinPicture(const QString &resName, const QString &resType);
    // The program's icon, in several sizes.
    static QIcon programIcon();

protected:
    // A WM_SKIN_COMMAND for this window: event->id() is the control's id (a module id, or -5
    // for the menu button), event->index() its place in the control list. Does nothing here.
    virtual void skinCommandEvent(TSkinEvent *event);

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

    // Layers and painting.
    void BuildLayers();
    void ReleaseLayers();
    void PaintLayers(QPainter &painter);
    void RenderBackLayer();
    void RenderFrontLayer();
    void DrawNineSlice(QPainter &painter);
    void LayoutSystemButtons();

    // The control list. An index outside 0 .. controlCount() - 1 is ignored everywhere.
    int AddSkinControl(quint8 Kind, int Left, int Top, int Width, int Height, int Id);
    void SetControlBounds(int Index, int Left, int Top, int Width, int Height); // size < 0 keeps it
    int IndexOfSystemButton(int Id) const;
    int ControlAtPoint(int X, int Y) const;
    void SetHotControl(int Index);
    void SetPressedControl(int Index);
    void RedrawControl(int Index);
    void DrawControl(QPainter &painter, int Index);
    void DrawSystemButton(QPainter &painter, const TSkinControl &control);
    void DrawModuleButton(QPainter &painter, const TSkinControl &control);
    void SetControlCaption(int Index, const QString &Caption);
    void LoadControlImage(int Index, const QString &ResName, const QString &ResType);
    static QPainterPath RoundRectPath(qreal Left, qreal Top, qreal Width, qreal Height, qreal Radius);

private:
    void handleLeftPress(QMouseEvent *event);
    void startWindowMove(QMouseEvent *event);
    void frameSurfaceLeft();
    void handleSkinClick(const TSkinEvent &event);
    void applyWindowRegion();
    bool validIndex(int index) const { return index >= 0 && index < FControlCount; }

    // Layers: absent (null) until built.
    QImage FBackLayer;
    QImage FFrontLayer;
    int FLayerWidth = 0;
    int FLayerHeight = 0;

    QColor FFillColor;
    QColor FOuterBorderColor;
    QColor FInnerBorderColor;
    QImage FBackground;
    bool FHasBackground = false;
    int FCenterRect[4] = {0, 0, 0, 0}; // left, top, width, height in picture pixels
    QIcon FIcon;
    QFont FCaptionFont;
    bool FMaximized = false;

    SkinControlArray FControls;
    int FControlCount = 0;
    int FSystemButtonCount = 0;
    int FHotIndex = -1;
    int FPressedIndex = -1;
    int FNextModuleLeft = 7;
    QFont FButtonFont;
    int FButtonTextFormat = 0; // Qt::Alignment flags
    QBrush FButtonTextBrush;

    // A move that follows the pointer, where the window system cannot move the window itself.
    bool m_followingPointer = false;
    QPoint m_moveOffset;
    bool m_leftDown = false; // a left press has been handled and its release has not come yet
};
