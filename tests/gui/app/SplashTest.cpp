#include "Splash.h"

#include <QFontMetrics>
#include <QScreen>
#include <QTest>

using namespace kanavo;

namespace {

QPixmap plain(QSize size, const QColor& colour) {
    QPixmap picture(size);
    picture.fill(colour);
    return picture;
}

// The box of every pixel that differs from `background`.
QRect inkBox(const QImage& image, const QColor& background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void isABorderlessWindowOnTop() {
        TSplashForm splash;
        QCOMPARE(splash.size(), QSize(400, 222));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
        QCOMPARE(splash.windowTitle(), QStringLiteral("Загрузка..."));
        QVERIFY(splash.isWindow());
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void theVersionSitsRightAlignedNearTheTopRightCorner() {
        // On a white picture the text is the only ink.
        TSplashForm splash(plain(QSize(400, 222), Qt::white));
        const QImage image = splash.grab().toImage();
        QCOMPARE(image.size(), QSize(400, 222));
        const QRect ink = inkBox(image, Qt::white);
        QVERIFY(!ink.isEmpty());
        const QFontMetrics metrics(splash.font());
        // Glyphs leave a little bearing on their right and leading above.
        QVERIFY2(ink.right() <= 380 && ink.right() >= 376, qPrintable(QString::number(ink.right())));
        QVERIFY2(ink.top() >= 30 && ink.bottom() < 30 + metrics.height(),
                 qPrintable(QStringLiteral("%1..%2").arg(ink.top()).arg(ink.bottom())));
        QVERIFY(ink.width() >= metrics.horizontalAdvance(QStringLiteral("Версия 2.1")) - 4);
    }

    void thePictureFillsTheWindow_data() {
        QTest::addColumn<QSize>("pictureSize");
        QTest::newRow("its own size") << QSize(400, 222);
        QTest::newRow("smaller") << QSize(40, 22);
        QTest::newRow("larger") << QSize(800, 300);
    }

    void thePictureFillsTheWindow() {
        QFETCH(QSize, pictureSize);
        const QColor colour(10, 200, 90);
        TSplashForm splash(plain(pictureSize, colour));
        const QImage image = splash.grab().toImage();
        for (const QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 221), QPoint(399, 221)}) {
            QCOMPARE(image.pixelColor(corner), colour);
        }
    }

    void theBuiltInPictureIsShown() {
        TSplashForm splash;
        const QImage image = splash.grab().toImage();
        QCOMPARE(image.size(), QSize(400, 222));
        QVERIFY(inkBox(image, image.pixelColor(0, 0)).width() > 300);
    }

    void isShownCentredOnItsScreen() {
        TSplashForm splash;
        splash.showCentred();
        QVERIFY(splash.isVisible());
        const QRect screen = splash.screen()->geometry();
        QVERIFY(qAbs(splash.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(splash.geometry().center().y() - screen.center().y()) <= 1);
    }
};

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
