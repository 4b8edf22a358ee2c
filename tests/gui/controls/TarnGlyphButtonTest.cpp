#include "TarnGlyphButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace kanavo;
using Docking = TTarnGlyphButton::Docking;
using State = TTarnGlyphButton::State;

Q_DECLARE_METATYPE(TTarnGlyphButton::Docking)

namespace {

// Frame k (0 normal, 1 pressed, 2 hot) is filled with frameColour(k), except its top-left
// pixel, which is cornerColour(k): the border fill must take the corner, not the face.
QColor frameColour(int k) {
    return QColor(40 + 80 * k, 200, 30);
}
QColor cornerColour(int k) {
    return QColor(10, 20 + 90 * k, 250);
}

QPixmap threeFrames(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const int fw = width / 3;
    for (int k = 0; k < 3; ++k) {
        for (int y = 0; y < height; ++y) {
            for (int x = k * fw; x < (k + 1) * fw; ++x) {
                image.setPixelColor(x, y, frameColour(k));
            }
        }
        image.setPixelColor(k * fw, 0, cornerColour(k));
    }
    return QPixmap::fromImage(image);
}

// The button as it appears over a parent filled in `background`.
QImage rendered(QWidget& parent, const QColor& background) {
    QPalette colours = parent.palette();
    colours.setColor(QPalette::Window, background);
    parent.setPalette(colours);
    parent.setAutoFillBackground(true);
    parent.grab(); // the first paint applies AutoSize
    return parent.grab().toImage();
}

void sendMouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

class TarnGlyphButtonTest : public QObject {
    Q_OBJECT

private slots:
    void autoSize_data();
    void autoSize();
    void borderFillsWithTheFramesCorner_data();
    void borderFillsWithTheFramesCorner();
    void emptyGlyphPaintsNothing_data();
    void emptyGlyphPaintsNothing();
    void mouseStates_data();
    void mouseStates();
    void clickThatLatchesKeepsThePressedFrame();
};

void TarnGlyphButtonTest::autoSize_data() {
    QTest::addColumn<Docking>("align");
    QTest::addColumn<QSize>("glyph");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("frame"); // where the shown frame lands
    QTest::newRow("docked at the top")
        << Docking::Top << QSize(105, 10) << QSize(80, 12) << QRect(22, 1, 35, 10);
    QTest::newRow("docked at the bottom")
        << Docking::Bottom << QSize(105, 10) << QSize(80, 12) << QRect(22, 1, 35, 10);
    QTest::newRow("docked left") << Docking::Left << QSize(54, 30) << QSize(20, 40) << QRect(1, 5, 18, 30);
    QTest::newRow("not docked") << Docking::None << QSize(90, 19) << QSize(30, 19) << QRect(0, 0, 30, 19);
    QTest::newRow("width not a multiple of three")
        << Docking::None << QSize(202, 19) << QSize(67, 19) << QRect(0, 0, 67, 19);
}

void TarnGlyphButtonTest::autoSize() {
    QFETCH(Docking, align);
    QFETCH(QSize, glyph);
    QFETCH(QSize, size);
    QFETCH(QRect, frame);
    QWidget parent;
    parent.resize(80, 40);
    auto* button = new TTarnGlyphButton(&parent);
    button->resize(5, 5);
    button->setAutoSize(true);
    button->setAlign(align);
    button->setGlyph(threeFrames(glyph.width(), glyph.height()));
    const QColor background(1, 2, 3);
    const QImage image = rendered(parent, background);
    QCOMPARE(button->size(), size);
    if (align == Docking::Bottom) {
        QCOMPARE(button->y(), parent.height() - size.height());
    }
    const QRect shown = frame.translated(button->pos());
    for (const QPoint& inside : {shown.topLeft() + QPoint(1, 1), shown.bottomRight()}) {
        QCOMPARE(image.pixelColor(inside), frameColour(0));
    }
    // Without Border nothing but the frame is painted.
    for (const QPoint& outside : {shown.topLeft() - QPoint(1, 0), shown.bottomRight() + QPoint(1, 0)}) {
        if (button->geometry().contains(outside)) {
            QCOMPARE(image.pixelColor(outside), background);
        }
    }
}

void TarnGlyphButtonTest::borderFillsWithTheFramesCorner_data() {
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("frame");
    QTest::newRow("normal") << false << 0;
    QTest::newRow("down") << true << 1;
}

void TarnGlyphButtonTest::borderFillsWithTheFramesCorner() {
    QFETCH(bool, down);
    QFETCH(int, frame);
    const QColor outline(250, 0, 0);
    QWidget parent;
    parent.resize(80, 40);
    auto* button = new TTarnGlyphButton(&parent);
    button->setAutoSize(true);
    button->setAlign(Docking::Top);
    button->setBorder(true);
    button->setColor(outline);
    button->setDown(down);
    button->setGlyph(threeFrames(105, 10));
    const QImage image = rendered(parent, QColor(1, 2, 3));
    QCOMPARE(button->geometry(), QRect(0, 0, 80, 12));
    struct Pixel {
        QPoint at;
        QColor colour;
    };
    const Pixel expected[] = {
        {{0, 0}, outline},
        {{79, 11}, outline},
        {{40, 0}, outline},
        {{0, 6}, outline},
        {{1, 1}, cornerColour(frame)},
        {{21, 10}, cornerColour(frame)},
        {{78, 6}, cornerColour(frame)},
        {{57, 5}, cornerColour(frame)},
        {{22, 1}, cornerColour(frame)},
        {{23, 1}, frameColour(frame)},
        {{56, 10}, frameColour(frame)},
        {{40, 12}, QColor(1, 2, 3)},
    };
    for (const Pixel& pixel : expected) {
        QVERIFY2(image.pixelColor(pixel.at) == pixel.colour,
                 qPrintable(QStringLiteral("at %1,%2").arg(pixel.at.x()).arg(pixel.at.y())));
    }
}

void TarnGlyphButtonTest::emptyGlyphPaintsNothing_data() {
    QTest::addColumn<QPixmap>("cleared");
    QTest::newRow("null bitmap") << QPixmap();
    QTest::newRow("bitmap of height 0") << QPixmap(30, 0);
}

void TarnGlyphButtonTest::emptyGlyphPaintsNothing() {
    QFETCH(QPixmap, cleared);
    QWidget parent;
    parent.resize(40, 20);
    auto* button = new TTarnGlyphButton(&parent);
    button->setGeometry(5, 5, 20, 10);
    button->setBorder(true);
    button->setColor(Qt::red);
    button->setGlyph(threeFrames(90, 19));
    button->setGlyph(cleared);
    QCOMPARE(button->Glyph().height(), 0);
    button->setAutoSize(true);
    const QColor background(9, 99, 199);
    const QImage image = rendered(parent, background);
    QCOMPARE(button->size(), QSize(20, 10));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(image.pixelColor(x, y), background);
        }
    }
}

void TarnGlyphButtonTest::mouseStates_data() {
    // E enter, X exit, P left press, R left release inside, O left release outside,
    // p right press, r right release inside. `states` holds the state after each step:
    // n normal, p pressed, h hot.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QString>("states");
    QTest::addColumn<int>("clicks");
    QTest::newRow("press, release, leave") << "EPRX" << true << false << "hphn" << 1;
    QTest::newRow("released outside") << "EPOX" << true << false << "hphn" << 0;
    QTest::newRow("press again after release") << "EPRPR" << true << false << "hphph" << 2;
    QTest::newRow("right button changes nothing") << "EprX" << true << false << "hhhn" << 0;
    QTest::newRow("down keeps the pressed frame") << "EPRX" << true << true << "pppp" << 1;
    QTest::newRow("disabled stays normal") << "EX" << false << false << "nn" << 0;
}

void TarnGlyphButtonTest::mouseStates() {
    QFETCH(QString, steps);
    QFETCH(bool, enabled);
    QFETCH(bool, down);
    QFETCH(QString, states);
    QFETCH(int, clicks);
    TTarnGlyphButton button;
    button.setGlyph(threeFrames(90, 19));
    button.resize(30, 19);
    button.setDown(down);
    button.setEnabled(enabled);
    QSignalSpy enters(&button, &TTarnGlyphButton::OnMouseEnter);
    QSignalSpy exits(&button, &TTarnGlyphButton::OnMouseExit);
    QSignalSpy downs(&button, &TTarnGlyphButton::OnMouseDown);
    QSignalSpy ups(&button, &TTarnGlyphButton::OnMouseUp);
    QSignalSpy clicked(&button, &TTarnGlyphButton::OnClick);
    const QPoint inside(10, 10);
    const QPoint outside(50, 10);
    int expectedDowns = 0;
    for (int i = 0; i < steps.size(); ++i) {
        switch (steps[i].toLatin1()) {
        case 'E': {
            const QPointF at(inside);
            QEnterEvent enter(at, at, button.mapToGlobal(at));
            QApplication::sendEvent(&button, &enter);
            break;
        }
        case 'X': {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&button, &leave);
            break;
        }
        case 'P':
            sendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton, inside);
            ++expectedDowns;
            break;
        case 'p':
            sendMouse(button, QEvent::MouseButtonPress, Qt::RightButton, inside);
            ++expectedDowns;
            break;
        case 'R':
            sendMouse(button, QEvent::MouseButtonRelease, Qt::LeftButton, inside);
            break;
        case 'O':
            sendMouse(button, QEvent::MouseButtonRelease, Qt::LeftButton, outside);
            break;
        case 'r':
            sendMouse(button, QEvent::MouseButtonRelease, Qt::RightButton, inside);
            break;
        }
        const char want = states[i].toLatin1();
        const State expected = want == 'p' ? State::Pressed : want == 'h' ? State::Hot : State::Normal;
        QVERIFY2(button.VisualState() == expected, qPrintable(QStringLiteral("after step %1").arg(i + 1)));
    }
    // Enter and exit fire even for a disabled or down button.
    QCOMPARE(enters.size(), static_cast<qsizetype>(steps.count(QLatin1Char('E'))));
    QCOMPARE(exits.size(), static_cast<qsizetype>(steps.count(QLatin1Char('X'))));
    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(downs.size(), expectedDowns);
    QCOMPARE(ups.size(), expectedDowns);
    if (!downs.isEmpty()) {
        QCOMPARE(downs.first().at(2).toPoint(), inside);
    }
}

void TarnGlyphButtonTest::clickThatLatchesKeepsThePressedFrame() {
    // A day button's click latches it; the release that follows must not turn it hot.
    TTarnGlyphButton button;
    button.setGlyph(threeFrames(90, 19));
    button.resize(30, 19);
    connect(&button, &TTarnGlyphButton::OnClick, &button, [&button] { button.setDown(true); });
    sendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    sendMouse(button, QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
    QVERIFY(button.Down());
    QCOMPARE(button.VisualState(), State::Pressed);
    button.setDown(false);
    QCOMPARE(button.VisualState(), State::Normal);
}

QTEST_MAIN(TarnGlyphButtonTest)
#include "TarnGlyphButtonTest.moc"
