#include "MenuSkin.h"

#include "BuiltInArtwork.h"
#include "appearance/SkinValues.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using namespace kanavo;

namespace {

QIcon squareIcon(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(3, 3, 10, 10, colour);
    return QIcon(pixmap);
}

// The menus the main window shows, in small: a bar with an icon menu, a checked list and a
// submenu, each with a separator.
struct Menus {
    QMenuBar bar;
    QMenu* file = nullptr;
    QMenu* week = nullptr;
    QAction* exit = nullptr;
    QAction* download = nullptr;

    Menus() {
        bar.setNativeMenuBar(false);
        file = bar.addMenu(QStringLiteral("&Файл"));
        file->addAction(squareIcon(Qt::darkGreen), QStringLiteral("Печать..."));
        download = file->addAction(squareIcon(Qt::darkBlue), QStringLiteral("Загрузить программу"));
        download->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
        file->addSeparator();
        exit = file->addAction(squareIcon(Qt::darkRed), QStringLiteral("Выход"));
        week = bar.addMenu(QStringLiteral("&Неделя"));
        for (const char* name : {"01.09.2025 - 07.09.2025", "08.09.2025 - 14.09.2025"}) {
            QAction* item = week->addAction(QString::fromLatin1(name));
            item->setCheckable(true);
        }
        week->actions().constFirst()->setChecked(true);
        week->addSeparator();
        week->addAction(QStringLiteral("Недоступно"))->setEnabled(false);
        QMenu* show = bar.addMenu(QStringLiteral("&Показывать"));
        QMenu* day = show->addMenu(QStringLiteral("День"));
        day->addAction(QStringLiteral("Понедельник"));
        show->addAction(QStringLiteral("Канал"));
        bar.resize(400, bar.sizeHint().height());
    }
};

QImage grabbed(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Saved for a person to look at when KANAVO_SHOTS names a folder.
void keep(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("KANAVO_SHOTS");
    if (!folder.isEmpty()) {
        image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
}

QRgb opaque(const QColor& colour) {
    return colour.rgb() | 0xFF000000u;
}

// The first row of `image` at or below `fromY` whose pixel at x is `colour`; -1 if none.
int rowOf(const QImage& image, int x, int fromY, const QColor& colour) {
    for (int y = fromY; y < image.height(); ++y) {
        if (image.pixel(x, y) == opaque(colour)) {
            return y;
        }
    }
    return -1;
}

} // namespace

class MenuSkinTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void systemColoursComeFromThePalette() {
        QPalette palette;
        palette.setColor(QPalette::Active, QPalette::WindowText, QColor(1, 2, 3));
        palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 5, 6));
        palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(7, 8, 9));
        palette.setColor(QPalette::Active, QPalette::Button, QColor(10, 11, 12));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(13, 14, 15));
        const struct {
            SkinColor skin;
            QColor expected;
        } cases[] = {
            {SkinColor::fromRaw(2147483655u), QColor(1, 2, 3)}, // menu text
            {SkinColor::fromRaw(2147483661u), QColor(4, 5, 6)}, // highlight
            {SkinColor::fromRaw(2147483672u), QColor(7, 8, 9)}, // tooltip background
            {SkinColor::system(SystemColor::ButtonFace), QColor(10, 11, 12)},
            {SkinColor::system(SystemColor::GrayText), QColor(13, 14, 15)},
            {SkinColor::system(200), QColor(1, 2, 3)}, // no such colour: stays visible as text
            {SkinColor::fromBgr(15645616), QColor(176, 187, 238)},
        };
        for (const auto& c : cases) {
            QCOMPARE(resolveSkinColor(c.skin, palette), c.expected);
        }
    }

    // The core names the built-in bitmaps; a name the resources lack would leave a skin
    // without its fallback.
    void everyFallbackBitmapExists() {
        for (std::size_t i = 0; i < kSkinBitmapCount; ++i) {
            const auto bitmap = static_cast<SkinBitmap>(i);
            const QString name = QString::fromLatin1(skinBitmapResource(bitmap));
            QVERIFY2(!artwork::builtInImage(skinBitmapResource(bitmap)).isNull(), qPrintable(name));
        }
    }

    void barAndPopupTakeTheSkinColours_data() {
        QTest::addColumn<int>("tag");
        QTest::newRow("Стандартный 1") << 0;
        QTest::newRow("Стандартный 2") << 1;
    }
    void barAndPopupTakeTheSkinColours() {
        QFETCH(int, tag);
        const SkinValues values = builtInSkin(tag);
        MenuSkin skin;
        skin.setSkin(values);
        Menus menus;
        skin.attach(&menus.bar);
        const MenuSkinColors& c = skin.colors();
        QCOMPARE(c.bar, QColor(176, 187, 238));
        QCOMPARE(c.shadow, tag == 0);

        menus.bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menus.bar));
        const QImage bar = grabbed(menus.bar);
        keep(bar, QStringLiteral("menubar-%1").arg(tag));
        // The empty end of the bar and the gaps between its items are the panel colour.
        QCOMPARE(bar.pixel(bar.width() - 3, bar.height() / 2), opaque(c.bar));
        QCOMPARE(bar.pixel(1, 1), opaque(c.bar));

        QMenu* menu = menus.file;
        menu->popup(QPoint(20, 40));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(menus.download);
        const QImage popup = grabbed(*menu);
        keep(popup, QStringLiteral("popup-%1").arg(tag));

        const int shadow = skin.shadowWidth();
        QCOMPARE(shadow > 0, tag == 0);
        const int right = popup.width() - 1 - shadow;
        const int bottom = popup.height() - 1 - shadow;
        // Border all round the body.
        QCOMPARE(popup.pixel(0, popup.height() / 2), opaque(c.border));
        QCOMPARE(popup.pixel(right, popup.height() / 2), opaque(c.border));
        QCOMPARE(popup.pixel(popup.width() / 2, 0), opaque(c.border));
        QCOMPARE(popup.pixel(popup.width() / 2, bottom), opaque(c.border));
        // The image column, then the gradient lightening towards the right.
        QCOMPARE(popup.pixel(3, bottom - 3), opaque(c.imageColumn));
        QVERIFY(qGray(popup.pixel(right - 2, bottom - 3)) > qGray(popup.pixel(40, bottom - 3)));
        QVERIFY(qAbs(qGray(popup.pixel(right - 2, bottom - 3)) - qGray(c.popupEnd.rgb())) <= 2);
        // The shortcut keeps its distance from the longest text.
        const QRect withShortcut = menu->actionGeometry(menus.download);
        const int textEnd = 2 + 24 + 8 + menu->fontMetrics().horizontalAdvance(menus.download->text());
        const int shortcutStart =
            withShortcut.right() - 18 -
            menu->fontMetrics().horizontalAdvance(menus.download->shortcut().toString());
        QVERIFY2(shortcutStart - textEnd >= 8, qPrintable(QString::number(shortcutStart - textEnd)));
        // A separator line in its colour, right of the image column.
        const int separator = rowOf(popup, popup.width() / 2, 1, c.separator);
        QVERIFY(separator > 0 && separator < bottom);
        QVERIFY(popup.pixel(3, separator) != opaque(c.separator));
        // The selected item: its own colour, framed.
        const QRect selected = menu->actionGeometry(menus.download);
        QCOMPARE(popup.pixel(selected.center().x() + 30, selected.top() + 3), opaque(c.selected));
        QCOMPARE(popup.pixel(selected.center().x(), selected.top()), opaque(c.selectedBorder));
        // The shadow: see-through beyond it, darkened next to the body, nothing without it.
        if (shadow > 0) {
            QCOMPARE(qAlpha(popup.pixel(popup.width() - 1, 1)), 0);
            QVERIFY(qAlpha(popup.pixel(right + 1, popup.height() / 2)) > 0);
            QVERIFY(qAlpha(popup.pixel(popup.width() / 2, bottom + 1)) > 0);
        }
        menu->hide();
    }

    void theBarShowsHoveredAndOpenItems() {
        MenuSkin skin;
        skin.setSkin(builtInSkin(0));
        Menus menus;
        skin.attach(&menus.bar);
        menus.bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menus.bar));
        const QRect item = menus.bar.actionGeometry(menus.week->menuAction());
        const MenuSkinColors& c = skin.colors();

        QMouseEvent move(QEvent::MouseMove, QPointF(item.center()),
                         QPointF(menus.bar.mapToGlobal(item.center())), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&menus.bar, &move);
        QCOMPARE(menus.bar.activeAction(), menus.week->menuAction());
        QVERIFY(!menus.week->isVisible());
        QImage hot = grabbed(menus.bar);
        keep(hot, QStringLiteral("menubar-hot"));
        QCOMPARE(hot.pixel(item.center().x(), item.top()), opaque(c.barHotBorder));
        // Lighter at the top than at the bottom.
        QVERIFY(qGray(hot.pixel(item.left() + 2, item.top() + 2)) >
                qGray(hot.pixel(item.left() + 2, item.bottom() - 2)));

        menus.bar.setActiveAction(menus.week->menuAction()); // opens the menu: pushed
        QVERIFY(QTest::qWaitForWindowExposed(menus.week));
        QImage bar = grabbed(menus.bar);
        keep(bar, QStringLiteral("menubar-pushed"));
        QCOMPARE(bar.pixel(item.left() + 3, item.center().y()), opaque(c.barPushed));
        QCOMPARE(bar.pixel(item.left(), item.center().y()), opaque(c.border));
        const QImage week = grabbed(*menus.week);
        keep(week, QStringLiteral("popup-week"));
        // The checked week's box in the image column.
        const QRect checked = menus.week->actionGeometry(menus.week->actions().constFirst());
        QCOMPARE(week.pixel(checked.left() + 3, checked.center().y()), opaque(c.selectedBorder));
        menus.week->hide();
    }

    void newColoursReachAttachedMenus() {
        MenuSkin skin;
        Menus menus;
        skin.attach(&menus.bar);
        SkinValues values = builtInSkin(1);
        values.PanelColor = SkinColor::fromRgb(10, 120, 30);
        values.MenuBorder = SkinColor::fromRgb(200, 0, 0);
        skin.setSkin(values);
        menus.bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menus.bar));
        QCOMPARE(grabbed(menus.bar).pixel(menus.bar.width() - 3, 2), qRgb(10, 120, 30));
        // A submenu is drawn too.
        QMenu* day = menus.bar.actions().at(2)->menu()->actions().constFirst()->menu();
        QVERIFY(day != nullptr);
        QCOMPARE(day->style(), &skin);
        day->popup(QPoint(30, 30));
        QVERIFY(QTest::qWaitForWindowExposed(day));
        QCOMPARE(grabbed(*day).pixel(0, 5), qRgb(200, 0, 0));
        day->hide();
    }

    void aDeletedSkinLeavesItsMenusWorking() {
        Menus menus;
        {
            MenuSkin skin;
            skin.attach(&menus.bar);
        }
        QVERIFY(menus.bar.style() != nullptr);
        QCOMPARE(menus.bar.style(), QApplication::style());
        QCOMPARE(menus.file->style(), QApplication::style());
        menus.bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menus.bar));
        QVERIFY(!grabbed(menus.bar).isNull());
    }
};

QTEST_MAIN(MenuSkinTest)
#include "MenuSkinTest.moc"
