#include "skin/main_frame.h"
#include "skin/skin_form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtTest>

namespace {

// A frame dressed as the main window dresses itself: caption, size, background picture, the
// seven module buttons and module 101 marked. It records the frame's messages and its paints.
class TestFrame : public TSkinForm {
public:
    struct Message {
        int id;
        int index;
        bool operator==(const Message &) const = default;
    };

    explicit TestFrame(bool dressed = true, QSize size = QSize(696, 495))
    {
        setWindowTitle(QStringLiteral("Quizora"));
        setFixedSize(size);
        if (dressed)
            skin::setUpMainFrame(*this);
    }

    using TSkinForm::AddSkinControl;
    using TSkinForm::BuildLayers;
    using TSkinForm::ControlAtPoint;
    using TSkinForm::IndexOfSystemButton;
    using TSkinForm::RoundRectPath;
    using TSkinForm::SetControlBounds;
    using TSkinForm::SetControlCaption;

    QRect controlRect(int index) const
    {
        const TSkinControl c = control(index);
        return QRect(c.Left, c.Top, c.Width, c.Height);
    }

    QList<Message> clicks;
    QList<Message> commands;
    QRegion painted;        // everything painted since the last clear
    QList<bool> releasedLookPainted; // per command: the clicked control's rectangle was painted unpressed
    int closes = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == WM_SKIN_CLICK)
            if (const auto *click = dynamic_cast<TSkinEvent *>(e))
                clicks.append({click->id(), click->index()});
        return TSkinForm::event(e);
    }
    void skinCommandEvent(TSkinEvent *e) override
    {
        commands.append({e->id(), e->index()});
        const int i = e->index();
        releasedLookPainted.append(!control(i).Pressed && painted.contains(controlRect(i)));
    }
    void paintEvent(QPaintEvent *e) override
    {
        painted += e->region();
        TSkinForm::paintEvent(e);
    }
    void closeEvent(QCloseEvent *e) override
    {
        ++closes;
        TSkinForm::closeEvent(e);
    }
};

void flush()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void press(QWidget *w, QPoint pos)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}

void release(QWidget *w, QPoint pos)
{
    sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

void moveTo(QWidget *w, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, buttons);
}

QPoint centre(const TestFrame &f, int index)
{
    return f.controlRect(index).center();
}

// The pixel with alpha `a` of colour `src` laid over `dst`.
QColor over(QColor src, QColor dst)
{
    const int a = src.alpha();
    auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
    return QColor(mix(src.red(), dst.red()), mix(src.green(), dst.green()), mix(src.blue(), dst.blue()));
}

bool near(QColor a, QColor b, int tolerance = 2)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

QString describe(QColor c)
{
    return QStringLiteral("(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

QColor layerPixel(const QImage &layer, int x, int y)
{
    return QColor::fromRgba(layer.pixel(x, y));
}

// A 500 x 336 picture whose red grows with x and green with y: a pixel of a drawn copy tells
// which picture column and row it came from.
QImage coordinatePicture()
{
    QImage image(500, 336, QImage::Format_RGB32);
    for (int y = 0; y < 336; ++y)
        for (int x = 0; x < 500; ++x)
            image.setPixel(x, y, qRgb(x * 255 / 499, y * 255 / 335, 90));
    return image;
}

// The source coordinate that destination pixel d of a part stretched from [s0, s0 + sl) onto
// [d0, d0 + dl) samples (pixel centres mapped onto each other).
double sourceOf(int d, int d0, int dl, int s0, int sl)
{
    return s0 + (d - d0 + 0.5) * sl / dl - 0.5;
}

} // namespace

class TestSkin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    // ---- control list -----------------------------------------------------------------

    void startsWithSystemButtonsThenModules()
    {
        TestFrame f;
        QCOMPARE(f.systemButtonCount(), 3);
        QCOMPARE(f.controlCount(), 10);
        const int systemIds[] = {-5, -1, -4};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.control(i).Kind, TSkinControl::SystemButton);
            QCOMPARE(f.control(i).Id, systemIds[i]);
            QCOMPARE(f.IndexOfSystemButton(systemIds[i]), i);
        }
        const auto &modules = skin::mainModuleButtons();
        for (int k = 0; k < 7; ++k) {
            const TSkinControl c = f.control(3 + k);
            QCOMPARE(c.Kind, TSkinControl::ModuleButton);
            QCOMPARE(c.Id, 100 + k);
            QCOMPARE(c.Id, modules[size_t(k)].id);
            QCOMPARE(c.BoundsRect, (TSkinRect{7 + 77 * k, 24, 7 + 77 * k + 72, 100}));
            QCOMPARE(c.Caption, modules[size_t(k)].caption);
            QCOMPARE(c.WideCaptionLength, int(c.Caption.size()) + 1);
            QVERIFY2(c.HasImage && c.Image.size() == QSize(48, 48), qPrintable(modules[size_t(k)].picture));
        }
        QCOMPARE(f.control(3).Caption, QStringLiteral("首 页"));
        QCOMPARE(f.control(9).Caption, QStringLiteral("笔  记"));
        // Module ids are never searched as system buttons.
        QCOMPARE(f.IndexOfSystemButton(101), -1);
        QCOMPARE(f.control(-1).Kind, quint8(0));
        QCOMPARE(f.control(10).Kind, quint8(0));
    }

    void systemButtonsFollowTheRightEdge_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<TSkinRect>("menu");
        QTest::addColumn<TSkinRect>("minimise");
        QTest::addColumn<TSkinRect>("close");
        QTest::newRow("main window") << 696 << TSkinRect{595, 2, 625, 21} << TSkinRect{625, 2, 655, 21}
                                     << TSkinRect{655, 2, 694, 21};
        QTest::newRow("narrow") << 400 << TSkinRect{299, 2, 329, 21} << TSkinRect{329, 2, 359, 21}
                                << TSkinRect{359, 2, 398, 21};
    }
    void systemButtonsFollowTheRightEdge()
    {
        QFETCH(int, width);
        TestFrame f(true, QSize(width, 300));
        QFETCH(TSkinRect, menu);
        QFETCH(TSkinRect, minimise);
        QFETCH(TSkinRect, close);
        f.BuildLayers();
        QCOMPARE(f.control(0).BoundsRect, menu);
        QCOMPARE(f.control(1).BoundsRect, minimise);
        QCOMPARE(f.control(2).BoundsRect, close);
    }

    void controlAtPointExcludesRightAndBottomLines_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("index");
        QTest::newRow("module 101 top-left") << QPoint(84, 24) << 4;
        QTest::newRow("module 101 last pixel") << QPoint(155, 99) << 4;
        QTest::newRow("module 101 right line") << QPoint(156, 50) << -1;
        QTest::newRow("module 101 bottom line") << QPoint(100, 100) << -1;
        QTest::newRow("gap before module 102") << QPoint(160, 50) << -1;
        QTest::newRow("module 102 left edge") << QPoint(161, 50) << 5;
        QTest::newRow("above the bar") << QPoint(100, 23) << -1;
        QTest::newRow("module 106 last pixel") << QPoint(540, 99) << 9;
        QTest::newRow("left of menu") << QPoint(594, 10) << -1;
        QTest::newRow("menu left edge") << QPoint(595, 10) << 0;
        QTest::newRow("menu right line is minimise") << QPoint(625, 10) << 1;
        QTest::newRow("minimise right line is close") << QPoint(655, 10) << 2;
        QTest::newRow("close last pixel") << QPoint(693, 20) << 2;
        QTest::newRow("close right line") << QPoint(694, 10) << -1;
        QTest::newRow("close bottom line") << QPoint(680, 21) << -1;
        QTest::newRow("above close") << QPoint(680, 1) << -1;
        QTest::newRow("body") << QPoint(300, 300) << -1;
    }
    void controlAtPointExcludesRightAndBottomLines()
    {
        QFETCH(QPoint, point);
        QFETCH(int, index);
        TestFrame f;
        f.BuildLayers();
        QCOMPARE(f.ControlAtPoint(point.x(), point.y()), index);
    }

    void boundsAndCaptionsKeepWhatIsNotGiven()
    {
        TestFrame f(false);
        const int i = f.AddSkinControl(TSkinControl::ModuleButton, 10, 20, 30, 40, 7);
        QCOMPARE(i, 3);
        f.SetControlBounds(i, 50, 60, -1, -7); // negative sizes keep the old ones
        QCOMPARE(f.control(i).BoundsRect, (TSkinRect{50, 60, 80, 100}));
        f.SetControlBounds(i, 0, 0, 0, 5);
        QCOMPARE(f.control(i).BoundsRect, (TSkinRect{0, 0, 0, 5}));
        QCOMPARE(f.ControlAtPoint(0, 0), -1); // an empty control is never hit
        f.SetControlBounds(99, 1, 1, 1, 1);   // outside the list: ignored
        f.SetControlCaption(-1, QStringLiteral("x"));

        f.SetControlCaption(i, QStringLiteral("笔  记"));
        QCOMPARE(f.control(i).WideCaption, QStringLiteral("笔  记"));
        QCOMPARE(f.control(i).WideCaptionLength, 5);
        f.SetControlCaption(i, QString());
        QCOMPARE(f.control(i).WideCaptionLength, 0);
        QCOMPARE(f.controlCount(), 4);
    }

    void modulePictureMissingOrNamedInOtherCase()
    {
        TestFrame f(false);
        f.AddModuleButton(200, QStringLiteral("甲"), QStringLiteral("MODULE_HOME_PNG"), QStringLiteral("SKIN"));
        f.AddModuleButton(201, QStringLiteral("乙"), QStringLiteral("module_biji_png"), QStringLiteral("skin"));
        f.AddModuleButton(202, QStringLiteral("丙"), QStringLiteral("No_such_png"), QStringLiteral("Skin"));
        f.AddModuleButton(203, QString(), QStringLiteral("../Skin/MODULE_HOME_PNG"), QStringLiteral("Skin"));
        QVERIFY(f.control(3).HasImage);
        QVERIFY(f.control(4).HasImage);
        QVERIFY(!f.control(5).HasImage);
        QVERIFY(f.control(5).Image.isNull());
        QVERIFY(!f.control(6).HasImage);
        QCOMPARE(f.control(6).BoundsRect.Left, 7 + 3 * 77);
        // Drawing buttons without picture or caption is harmless.
        f.BuildLayers();
        QVERIFY(f.hasLayers());
    }

    void selectMarksExactlyOneModule()
    {
        TestFrame f;
        auto selected = [&f] {
            QList<int> out;
            for (int i = 0; i < f.controlCount(); ++i)
                if (f.control(i).Selected)
                    out << i;
            return out;
        };
        QCOMPARE(selected(), QList<int>{4});
        f.SelectModuleButton(104);
        QCOMPARE(selected(), QList<int>{7});
        f.SelectModuleButton(104);
        QCOMPARE(selected(), QList<int>{7});
        f.SelectModuleButton(-5); // a system button is never marked
        QCOMPARE(selected(), QList<int>{});
        f.SelectModuleButton(100);
        QCOMPARE(selected(), QList<int>{3});
        f.SelectModuleButton(999);
        QCOMPARE(selected(), QList<int>{});
    }

    void roundRectPathSpansItsBox()
    {
        const QPainterPath path = TestFrame::RoundRectPath(10, 20, 70, 74, 5);
        QCOMPARE(path.fillRule(), Qt::OddEvenFill);
        QCOMPARE(path.boundingRect(), QRectF(10, 20, 70, 74));
        QVERIFY(path.contains(QPointF(45, 57)));
        QVERIFY(path.contains(QPointF(10.5, 30)));
        QVERIFY(!path.contains(QPointF(10.5, 20.5))); // the corner is cut off
        QVERIFY(!path.contains(QPointF(79.5, 93.5)));
    }

    // ---- pointer ----------------------------------------------------------------------

    void releaseDecidesTheClick_data()
    {
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clickedIndex"); // -1: no click
        QTest::newRow("same button") << QPoint(120, 60) << QPoint(121, 61) << 4;
        QTest::newRow("press on A, release on B") << QPoint(120, 60) << QPoint(270, 40) << 6;
        QTest::newRow("release over bare surface") << QPoint(120, 60) << QPoint(300, 300) << -1;
        QTest::newRow("release in the gap") << QPoint(120, 60) << QPoint(158, 60) << -1;
        QTest::newRow("press on the surface, release on a button") << QPoint(300, 300) << QPoint(200, 60) << 5;
    }
    void releaseDecidesTheClick()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clickedIndex);
        TestFrame f;
        f.BuildLayers();
        const QPoint startPos = f.pos();
        press(&f, pressAt);
        moveTo(&f, releaseAt, Qt::LeftButton);
        release(&f, releaseAt);
        QCOMPARE(f.pressedIndex(), -1);
        for (int i = 0; i < f.controlCount(); ++i)
            QVERIFY(!f.control(i).Pressed);
        QVERIFY(f.clicks.isEmpty()); // posted, not sent
        flush();
        if (clickedIndex < 0) {
            QVERIFY(f.clicks.isEmpty());
            QVERIFY(f.commands.isEmpty());
        } else {
            const TestFrame::Message expected{f.control(clickedIndex).Id, clickedIndex};
            QCOMPARE(f.clicks, QList<TestFrame::Message>{expected});
            QCOMPARE(f.commands, QList<TestFrame::Message>{expected});
        }
        // The frame never moves the mark itself: that is the derived window's call.
        QVERIFY(f.control(4).Selected);
        QCOMPARE(f.control(6).Selected, false);
        if (pressAt == QPoint(300, 300))
            QVERIFY(f.pos() != startPos); // a press on the bare surface moves the window
        else
            QCOMPARE(f.pos(), startPos);
    }

    void pressOnBareSurfaceMovesTheWindow()
    {
        TestFrame f;
        f.move(100, 100);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QPoint start = f.pos();
        press(&f, QPoint(300, 106));
        QCOMPARE(f.pressedIndex(), -1);
        moveTo(&f, QPoint(340, 126), Qt::LeftButton);
        QCOMPARE(f.pos(), start + QPoint(40, 20));
        release(&f, QPoint(300, 106));
        moveTo(&f, QPoint(200, 60)); // the button is up: no more moving, only hover
        QCOMPARE(f.pos(), start + QPoint(40, 20));
        QCOMPARE(f.hotIndex(), 5);

        // A press on a button never moves the window.
        press(&f, QPoint(120, 60));
        moveTo(&f, QPoint(140, 90), Qt::LeftButton);
        release(&f, QPoint(140, 90));
        QCOMPARE(f.pos(), start + QPoint(40, 20));
    }

    void doubleClickGivesTwoClicks_data()
    {
        // The events a widget can see for a quick second press.
        QTest::addColumn<QList<int>>("events");
        const int P = QEvent::MouseButtonPress, R = QEvent::MouseButtonRelease, D = QEvent::MouseButtonDblClick;
        QTest::newRow("press, release, double-click, release") << QList<int>{P, R, D, R};
        QTest::newRow("press, release, press, double-click, release") << QList<int>{P, R, P, D, R};
    }
    void doubleClickGivesTwoClicks()
    {
        QFETCH(QList<int>, events);
        TestFrame f;
        f.BuildLayers();
        const QPoint at = centre(f, 6);
        for (int type : events) {
            const bool down = type != QEvent::MouseButtonRelease;
            sendMouse(&f, QEvent::Type(type), at, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton);
        }
        flush();
        const TestFrame::Message click{103, 6};
        QCOMPARE(f.commands, (QList<TestFrame::Message>{click, click}));
        QCOMPARE(f.pressedIndex(), -1);
    }

    void systemButtons_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("command");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("minimised");
        QTest::newRow("menu") << 0 << true << false << false;
        QTest::newRow("minimise") << 1 << false << false << true;
        QTest::newRow("close") << 2 << false << true << false;
    }
    void systemButtons()
    {
        QFETCH(int, index);
        QFETCH(bool, command);
        QFETCH(bool, closed);
        QFETCH(bool, minimised);
        TestFrame f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        press(&f, centre(f, index));
        release(&f, centre(f, index));
        flush();
        QCOMPARE(f.clicks, (QList<TestFrame::Message>{{f.control(index).Id, index}}));
        if (command)
            QCOMPARE(f.commands, (QList<TestFrame::Message>{{-5, 0}}));
        else
            QVERIFY(f.commands.isEmpty());
        QCOMPARE(f.closes == 1, closed);
        QCOMPARE(f.isMinimized(), minimised);
        QVERIFY(f.control(4).Selected); // the mark stays where it was
    }

    void strayClickMessagesAreIgnored()
    {
        TestFrame f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCoreApplication::postEvent(&f, new TSkinEvent(WM_SKIN_CLICK, 100, 42));
        QCoreApplication::postEvent(&f, new TSkinEvent(WM_SKIN_CLICK, 100, -1));
        QCoreApplication::postEvent(&f, new QEvent(WM_SKIN_CLICK)); // not a frame message at all
        QCoreApplication::postEvent(&f, new QEvent(WM_SKIN_COMMAND));
        const int minimise = f.IndexOfSystemButton(-1);
        QCoreApplication::postEvent(&f, new TSkinEvent(WM_SKIN_CLICK, -7, minimise)); // unknown system id
        flush();
        QVERIFY(f.commands.isEmpty());
        QVERIFY(f.isVisible());
        QVERIFY(!f.isMinimized());
        // A module click posted by hand is forwarded like a real one.
        QCoreApplication::postEvent(&f, new TSkinEvent(WM_SKIN_CLICK, 105, 8));
        flush();
        QCOMPARE(f.commands, (QList<TestFrame::Message>{{105, 8}}));
    }

    void hoverFollowsThePointer()
    {
        TestFrame f;
        f.BuildLayers();
        moveTo(&f, centre(f, 5));
        QCOMPARE(f.hotIndex(), 5);
        QVERIFY(f.control(5).Hot);
        moveTo(&f, centre(f, 0));
        QCOMPARE(f.hotIndex(), 0);
        QVERIFY(!f.control(5).Hot);
        moveTo(&f, QPoint(300, 300));
        QCOMPARE(f.hotIndex(), -1);
        for (int i = 0; i < f.controlCount(); ++i)
            QVERIFY(!f.control(i).Hot);
    }

    void leavingTheSurfaceClearsHotAndPressed_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("pointer leaves the window") << QStringLiteral("leave");
        QTest::newRow("pointer enters a child widget") << QStringLiteral("enter child");
        QTest::newRow("button held, over a child widget") << QStringLiteral("move over child");
        QTest::newRow("button held, outside the window") << QStringLiteral("move outside");
    }
    void leavingTheSurfaceClearsHotAndPressed()
    {
        QFETCH(QString, how);
        TestFrame f;
        auto *tree = new QWidget(&f); // stands for the main window's tree view
        tree->setGeometry(24, 114, 209, 353);
        f.BuildLayers();
        press(&f, centre(f, 6));
        QCOMPARE(f.pressedIndex(), 6);
        QCOMPARE(f.hotIndex(), -1);
        moveTo(&f, centre(f, 6), Qt::LeftButton);
        QCOMPARE(f.hotIndex(), 6);
        if (how == QLatin1String("enter child")) {
            QEnterEvent enter(QPointF(10, 10), QPointF(34, 124), QPointF(f.mapToGlobal(QPoint(34, 124))));
            QApplication::sendEvent(tree, &enter);
        } else if (how == QLatin1String("leave")) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&f, &leave);
        } else if (how == QLatin1String("move over child")) {
            moveTo(&f, QPoint(100, 300), Qt::LeftButton);
        } else {
            moveTo(&f, QPoint(120, -30), Qt::LeftButton);
        }
        QCOMPARE(f.pressedIndex(), -1);
        QCOMPARE(f.hotIndex(), -1);
        QVERIFY(!f.control(6).Pressed);
        QVERIFY(!f.control(6).Hot);
        release(&f, QPoint(5, 300));
        flush();
        QVERIFY(f.clicks.isEmpty());
    }

    // ---- drawing ----------------------------------------------------------------------

    void hoverRepaintsOnlyThatControl()
    {
        TestFrame f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        flush();
        QVERIFY(f.hasLayers());
        const qint64 backKey = f.backLayer().cacheKey();
        const QRect r5 = f.controlRect(5);
        const QRect r6 = f.controlRect(6);
        const QPoint panel = r5.topLeft() + QPoint(4, 30); // inside the panel, beside the picture
        QCOMPARE(f.frontLayer().pixel(panel), f.backLayer().pixel(panel));

        f.painted = QRegion();
        moveTo(&f, centre(f, 5));
        flush();
        QCOMPARE(f.painted, QRegion(r5));
        QVERIFY(f.frontLayer().pixel(panel) != f.backLayer().pixel(panel)); // the light panel

        f.painted = QRegion();
        moveTo(&f, centre(f, 6));
        flush();
        QCOMPARE(f.painted, QRegion(r5) + QRegion(r6));
        QCOMPARE(f.frontLayer().pixel(panel), f.backLayer().pixel(panel)); // erased from the back layer
        QCOMPARE(f.backLayer().cacheKey(), backKey); // no rebuild

        f.painted = QRegion();
        moveTo(&f, centre(f, 6) + QPoint(3, 3)); // still on the same control: nothing
        flush();
        QVERIFY(f.painted.isEmpty());
    }

    void releasedLookIsPaintedBeforeTheCommand()
    {
        TestFrame f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        flush();
        press(&f, centre(f, 7));
        flush();
        f.painted = QRegion();
        release(&f, centre(f, 7));
        flush();
        QCOMPARE(f.commands.size(), 1);
        QCOMPARE(f.releasedLookPainted, QList<bool>{true});
    }

    void pictureStretchesByNineSlice()
    {
        TestFrame f(false);
        f.SetBackgroundImage(coordinatePicture(), 255, 150, 60, 60);
        f.BuildLayers();
        const QImage &layer = f.backLayer();
        QCOMPARE(layer.size(), QSize(696, 495));
        const QImage picture = coordinatePicture();
        // Columns: [0,255) fixed, [255,511) from the 60 centre columns, [511,696) fixed from 315.
        // Rows: [0,150) fixed, [150,369) from the 60 centre rows, [369,495) fixed from 210.
        auto sourceX = [](int x) {
            if (x < 255)
                return double(x);
            if (x < 511)
                return sourceOf(x, 255, 256, 255, 60);
            return double(x - 511 + 315);
        };
        auto sourceY = [](int y) {
            if (y < 150)
                return double(y);
            if (y < 369)
                return sourceOf(y, 150, 219, 150, 60);
            return double(y - 369 + 210);
        };
        const int xs[] = {30, 200, 253, 258, 300, 383, 450, 508, 514, 600, 680};
        const int ys[] = {30, 120, 148, 153, 250, 366, 372, 430, 480};
        for (int y : ys)
            for (int x : xs) {
                const QColor got = layerPixel(layer, x, y);
                const QColor want(int(std::lround(sourceX(x) * 255 / 499)), int(std::lround(sourceY(y) * 255 / 335)), 90);
                QVERIFY2(near(got, want), qPrintable(QStringLiteral("at %1,%2: %3, want %4")
                                                         .arg(x).arg(y).arg(describe(got), describe(want))));
            }
        // The corners are copies, pixel for pixel.
        QCOMPARE(layer.pixel(200, 120), picture.pixel(200, 120));
        QCOMPARE(layer.pixel(600, 120), picture.pixel(404, 120));
        QCOMPARE(layer.pixel(100, 480), picture.pixel(100, 321));
        QCOMPARE(layer.pixel(650, 480), picture.pixel(454, 321));
    }

    void smallWindowShowsTheTopRightOfThePicture()
    {
        TestFrame f(false, QSize(400, 300));
        f.SetBackgroundImage(coordinatePicture(), 255, 150, 60, 60);
        f.BuildLayers();
        const QImage picture = coordinatePicture();
        for (QPoint p : {QPoint(10, 30), QPoint(200, 150), QPoint(390, 290), QPoint(300, 40)})
            QCOMPARE(f.backLayer().pixel(p), picture.pixel(p + QPoint(100, 0)));
    }

    // Where the fixed parts do not fit, or the centre rectangle reaches past the picture, the
    // picture still covers the window from edge to edge without reading outside itself.
    void awkwardSizesStillCoverTheWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("centre");
        QTest::newRow("narrower than both fixed columns") << QSize(300, 400) << QRect(255, 150, 60, 60);
        QTest::newRow("lower than both fixed rows") << QSize(600, 200) << QRect(255, 150, 60, 60);
        QTest::newRow("centre past the bottom-right") << QSize(696, 495) << QRect(450, 300, 100, 100);
        QTest::newRow("centre before the top-left") << QSize(696, 495) << QRect(-20, -20, 60, 60);
    }
    void awkwardSizesStillCoverTheWindow()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, centre);
        TestFrame f(false, size);
        f.SetBackgroundImage(coordinatePicture(), centre.x(), centre.y(), centre.width(), centre.height());
        f.BuildLayers();
        const QImage &layer = f.backLayer();
        const int w = size.width();
        const int h = size.height();
        // Inside the border the fill colour never shows, and the corners show the picture's.
        for (int y = 30; y < h - 3; y += 17)
            for (int x = 3; x < w - 3; x += 23)
                QVERIFY2(layerPixel(layer, x, y) != QColor(50, 150, 190), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QVERIFY(near(layerPixel(layer, 3, h - 4), QColor(1, 253, 90), 6));
        QVERIFY(near(layerPixel(layer, w - 4, h - 4), QColor(253, 253, 90), 6));
        QVERIFY(std::abs(layerPixel(layer, w - 4, 30).red() - 253) <= 6);
    }

    void shippedPictureIsUsedWithItsCentre()
    {
        const QImage picture = TSkinForm::loadSkinPicture(QStringLiteral("BkImage1_jpg"), QStringLiteral("Skin"));
        QCOMPARE(picture.size(), QSize(500, 336));
        TestFrame f;
        f.BuildLayers();
        const QImage &layer = f.backLayer();
        // Corners unscaled; the stretched centre holds the picture's centre colour.
        QCOMPARE(layer.pixel(150, 130), picture.pixel(150, 130));
        QCOMPARE(layer.pixel(650, 480), picture.pixel(454, 321));
        QVERIFY(near(layerPixel(layer, 383, 260), QColor::fromRgb(picture.pixel(285, 180)), 3));
    }

    void fillColourWithoutPicture_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::newRow("no picture set") << QString();
        QTest::newRow("missing resource") << QStringLiteral("NoSuchPicture_jpg");
        QTest::newRow("window larger than picture, empty centre") << QStringLiteral("BkImage1_jpg");
    }
    void fillColourWithoutPicture()
    {
        QFETCH(QString, resource);
        TestFrame f(false);
        if (!resource.isEmpty())
            f.SetBackgroundImage(resource, QStringLiteral("Skin"), 255, 150, 0, 60);
        f.BuildLayers();
        const QColor fill(50, 150, 190);
        QCOMPARE(f.fillColor(), QColor(50, 150, 190, 255));
        for (QPoint p : {QPoint(300, 200), QPoint(10, 480), QPoint(680, 300), QPoint(348, 60)})
            QCOMPARE(layerPixel(f.backLayer(), p.x(), p.y()), fill);
    }

    void borderLinesAndRegion()
    {
        TestFrame f(false);
        f.BuildLayers();
        const QImage &layer = f.backLayer();
        const QColor fill(50, 150, 190);
        const QColor outer = over(QColor(0, 0, 0, 150), fill);
        const QColor inner = over(QColor(255, 255, 255, 150), fill);
        const struct {
            QPoint at;
            QColor want;
        } cases[] = {
            {{348, 0}, outer},   {{348, 1}, inner},   {{348, 2}, fill},    {{0, 250}, outer},
            {{1, 250}, inner},   {{695, 250}, outer}, {{694, 250}, inner}, {{348, 494}, outer},
            {{348, 493}, inner}, {{693, 250}, fill},  {{3, 0}, outer},     {{0, 491}, outer},
            // Corners: a diagonal step, the same at all four.
            {{2, 0}, outer},     {{1, 1}, outer},     {{0, 2}, outer},     {{2, 2}, inner},
            {{694, 493}, outer}, {{693, 492}, inner}, {{694, 1}, outer},   {{1, 493}, outer},
            {{693, 2}, inner},   {{2, 492}, inner},   {{3, 3}, fill},
        };
        for (const auto &c : cases) {
            const QColor got = layerPixel(layer, c.at.x(), c.at.y());
            QVERIFY2(near(got, c.want), qPrintable(QStringLiteral("at %1,%2: %3, want %4")
                                                       .arg(c.at.x()).arg(c.at.y()).arg(describe(got), describe(c.want))));
        }
        // The window is cut to a rounded rectangle.
        const QRegion region = f.mask();
        QCOMPARE(region.boundingRect(), QRect(0, 0, 696, 495));
        for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(695, 0), QPoint(695, 494), QPoint(0, 494)})
            QVERIFY2(!region.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        for (QPoint p : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(693, 0), QPoint(348, 494), QPoint(695, 250)})
            QVERIFY2(region.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }

    void maximisedFrameIsRectangular()
    {
        TestFrame f(false);
        f.setMinimumSize(0, 0);
        f.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        f.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        flush();
        if (!f.isMaximized())
            QSKIP("the platform does not maximise windows");
        QVERIFY(f.hasLayers());
        const int w = f.width();
        const int h = f.height();
        QCOMPARE(f.mask(), QRegion(0, 0, w, h));
        const QColor fill(50, 150, 190);
        QVERIFY(near(layerPixel(f.backLayer(), 0, 0), over(QColor(0, 0, 0, 150), fill)));
        QVERIFY(near(layerPixel(f.backLayer(), 1, 1), over(QColor(255, 255, 255, 150), fill)));
        QVERIFY(near(layerPixel(f.backLayer(), w - 1, h - 1), over(QColor(0, 0, 0, 150), fill)));
        QCOMPARE(f.control(2).BoundsRect.Right, w - 2);
    }

    void resizeRebuildsAtTheNewSize()
    {
        TestFrame f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        flush();
        QVERIFY(f.hasLayers());
        f.setWindowTitle(QStringLiteral("别的标题"));
        const qint64 key = f.backLayer().cacheKey();
        flush();
        QCOMPARE(f.backLayer().cacheKey(), key); // the caption waits for the next rebuild
        f.setFixedSize(600, 400);
        QVERIFY(!f.hasLayers());
        QCOMPARE(f.control(2).BoundsRect, (TSkinRect{559, 2, 598, 21}));
        flush();
        QVERIFY(f.hasLayers());
        QCOMPARE(f.backLayer().size(), QSize(600, 400));
        QCOMPARE(f.mask().boundingRect(), QRect(0, 0, 600, 400));
    }

    void refreshSkinBuildsOnlyWhenShown()
    {
        TestFrame f;
        QVERIFY(!f.hasLayers()); // set up while hidden: built at the first paint
        f.RefreshSkin();
        QVERIFY(!f.hasLayers());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        flush();
        QVERIFY(f.hasLayers());
        const qint64 key = f.backLayer().cacheKey();
        f.RefreshSkin();
        QVERIFY(f.backLayer().cacheKey() != key);
    }

    void grabShowsTheFrame()
    {
        TestFrame f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        flush();
        const QImage shot = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), QSize(696, 495));
        // What is on the screen is the front layer: the marked module's panel and the glyphs.
        const QImage front = f.frontLayer().convertToFormat(QImage::Format_RGB32);
        for (QPoint p : {QPoint(88, 60), QPoint(300, 300), QPoint(674, 11), QPoint(348, 0)})
            QCOMPARE(shot.pixel(p), front.pixel(p));
        // The marked module (101) has its panel, its unmarked neighbour does not.
        QVERIFY(front.pixel(88, 60) != QImage(f.backLayer()).convertToFormat(QImage::Format_RGB32).pixel(88, 60));
        QCOMPARE(front.pixel(165, 60), QImage(f.backLayer()).convertToFormat(QImage::Format_RGB32).pixel(165, 60));
        // The close glyph is white in the middle of its cross.
        const int tx = 655 + 14 - 1;
        const int ty = 2 + 5 - 1;
        QCOMPARE(QColor(front.pixel(tx + 5, ty + 4)), QColor(Qt::white));
    }
};

QTEST_MAIN(TestSkin)
#include "test_skin.moc"
