#include "TarnList.h"
#include "ImageList.h"
#include "TarnHint.h"

#include "base/DateTime.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace kanavo;

namespace {

struct FixedClock : Clock {
    TDateTime value = 0;
    TDateTime now() const override { return value; }
};

TDateTime at(int hours, int minutes) {
    return encodeDate(2026, 12, 11) + encodeTime(hours, minutes);
}

// A font whose text height is exactly `height` pixels, drawn without smoothing so that
// text pixels carry exactly the colour they were drawn in.
QFont fontOfHeight(int height) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleStrategy(QFont::NoAntialias);
    for (int pixels = 4; pixels < 40; ++pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() == height) {
            return font;
        }
    }
    return {};
}

// A strip of `count` solid squares of the given size, image i in colour (i, 100, 100).
QPixmap strip(int width, int height, int count) {
    QPixmap pixmap(width * count, height);
    QPainter painter(&pixmap);
    for (int i = 0; i < count; ++i) {
        painter.fillRect(i * width, 0, width, height, QColor(i, 100, 100));
    }
    return pixmap;
}

// Records the rectangles of the paint events a widget receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QList<QRect> rects;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            rects.append(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
};

void moveMouse(QWidget& widget, int x, int y) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), widget.mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

void sendButton(QWidget& widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, Qt::ShiftModifier);
    QApplication::sendEvent(&widget, &event);
}

bool hasColour(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).rgb() == colour.rgb()) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TarnListTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void autoSizeRowHeight_data();
    void autoSizeRowHeight();
    void autoSizeControlHeight_data();
    void autoSizeControlHeight();
    void timeColoursFollowTheClock();
    void firstFutureIndexSkipsTheHoveredRow();
    void hoverHighlightsOnlyExistingRows();
    void hintSize_data();
    void hintSize();
    void fullPaintRedoesTheHint();
    void mouseButtons_data();
    void mouseButtons();
    void popupMenuSeesTheHoveredRow();
    void sortByTime_data();
    void sortByTime();
    void rowWritesRepaintOnlyTheirRow();
    void writesPastTheCapacityAreIgnored();

private:
    void addRow(const QString& text, TDateTime start = 0, TDateTime end = 0, int image4 = -1);
    int textHeight() const { return QFontMetrics(m_list->font()).height(); }

    FixedClock m_clock;
    std::unique_ptr<TTarnList> m_list;
};

void TarnListTest::init() {
    m_clock.value = at(12, 0);
    m_list = std::make_unique<TTarnList>();
    m_list->setFont(fontOfHeight(13));
    QVERIFY2(QFontMetrics(m_list->font()).height() == 13, "no font of text height 13");
    m_list->setClock(&m_clock);
    m_list->resize(300, 100);
}

void TarnListTest::addRow(const QString& text, TDateTime start, TDateTime end, int image4) {
    const int index = static_cast<int>(m_list->Lines4().size());
    m_list->setStartTime(index, start);
    m_list->setEndTime(index, end);
    m_list->setImageIndex4(index, image4);
    m_list->Lines4().append(text);
}

void TarnListTest::autoSizeRowHeight_data() {
    QTest::addColumn<int>("imageHeight");
    QTest::addColumn<int>("itemHeight");
    QTest::newRow("images 20 high") << 20 << 22;
    QTest::newRow("images 32 high") << 32 << 34;
    QTest::newRow("no images") << 0 << 17;
}

void TarnListTest::autoSizeRowHeight() {
    QFETCH(int, imageHeight);
    QFETCH(int, itemHeight);
    ImageList images;
    if (imageHeight > 0) {
        images = ImageList(strip(imageHeight, imageHeight, 3), imageHeight);
        m_list->setImages4(&images);
    }
    m_list->setAutoSize(true);
    addRow(QStringLiteral("Новости"));
    m_list->grab();
    QCOMPARE(m_list->ItemHeight(), itemHeight);
    const int digits = QFontMetrics(m_list->font()).horizontalAdvance(QStringLiteral("999999"));
    QCOMPARE(m_list->Col2Width(), digits);
    QCOMPARE(m_list->Col3Width(), digits);
}

void TarnListTest::autoSizeControlHeight_data() {
    QTest::addColumn<int>("minHeight");
    QTest::addColumn<int>("heightBefore");
    QTest::addColumn<int>("heightAfter");
    QTest::newRow("rows decide") << 0 << 100 << 223;
    QTest::newRow("rows decide, shrinking") << 0 << 400 << 223;
    QTest::newRow("minimum raises") << 300 << 100 << 300;
    QTest::newRow("minimum equal to rows raises") << 223 << 100 << 223;
    QTest::newRow("minimum leaves a taller list") << 300 << 400 << 400;
}

void TarnListTest::autoSizeControlHeight() {
    QFETCH(int, minHeight);
    QFETCH(int, heightBefore);
    QFETCH(int, heightAfter);
    const ImageList images(strip(20, 20, 3), 20);
    m_list->setImages4(&images);
    m_list->setAutoSize(true);
    m_list->setMinHeight(minHeight);
    m_list->resize(300, heightBefore);
    for (int i = 0; i < 10; ++i) {
        addRow(QStringLiteral("Строка %1").arg(i));
    }
    m_list->grab();
    QCOMPARE(m_list->ItemHeight(), 22);
    QCOMPARE(m_list->height(), heightAfter);
}

void TarnListTest::timeColoursFollowTheClock() {
    const QColor old(200, 0, 0), current(0, 160, 0), future(0, 0, 200), plain(120, 0, 120);
    m_list->setColorPerOld(old);
    m_list->setColorPerCurrent(current);
    m_list->setColorPerFuture(future);
    m_list->setFontColor(plain);
    addRow(QStringLiteral("Прошла"), at(9, 0), at(10, 0));
    addRow(QStringLiteral("Идёт"), at(11, 30), at(12, 30));
    addRow(QStringLiteral("Будет"), at(13, 0), at(14, 0));
    addRow(QStringLiteral("Без времени"));
    addRow(QStringLiteral("Без конца"), at(11, 0), 0);
    const int ih = m_list->ItemHeight();
    auto rowText = [&](int row) { return QRect(91, row * ih + 2, 200, ih - 1); };

    struct Expect {
        int row;
        QColor colour;
    };
    const QImage noon = m_list->grab().toImage();
    for (const Expect& e :
         {Expect{0, old}, Expect{1, current}, Expect{2, future}, Expect{3, plain}, Expect{4, old}}) {
        QVERIFY2(hasColour(noon, rowText(e.row), e.colour), qPrintable(QString::number(e.row)));
    }
    QVERIFY(!hasColour(noon, rowText(1), old));
    // Row 3 has no time: its time cells stay empty.
    QVERIFY(!hasColour(noon, QRect(31, 3 * ih + 2, 59, ih - 1), plain));

    m_clock.value = at(12, 30) + encodeTime(0, 0, 1);
    QVERIFY(hasColour(m_list->grab().toImage(), rowText(1), old));
    // Exactly at the start the row is neither future nor on air: the font colour stays.
    m_clock.value = at(13, 0);
    QVERIFY(hasColour(m_list->grab().toImage(), rowText(2), plain));
}

void TarnListTest::firstFutureIndexSkipsTheHoveredRow() {
    for (int i = 0; i < 10; ++i) {
        const TDateTime start = i < 5 ? at(6 + i, 0) : at(13 + i, 0);
        addRow(QStringLiteral("Передача %1").arg(i), start, start + encodeTime(0, 50));
    }
    QCOMPARE(m_list->FirstFutureIndex(), -1);
    m_list->grab();
    QCOMPARE(m_list->FirstFutureIndex(), 5);
    const int ih = m_list->ItemHeight();
    moveMouse(*m_list, 50, 5 * ih + 2 + ih / 2);
    QCOMPARE(m_list->GetItemIndex(), 5);
    m_list->grab();
    QCOMPARE(m_list->FirstFutureIndex(), 6);
}

void TarnListTest::hoverHighlightsOnlyExistingRows() {
    const QColor back(255, 255, 0);
    m_list->setColorSelBack(back);
    addRow(QStringLiteral("Первая"));
    addRow(QString());
    addRow(QStringLiteral("Третья"));
    const int ih = m_list->ItemHeight();

    moveMouse(*m_list, 50, 0);
    QCOMPARE(m_list->GetItemIndex(), 0);
    const QImage image = m_list->grab().toImage();
    QVERIFY(hasColour(image, QRect(91, 2, 200, ih - 1), back));
    QVERIFY(!hasColour(image, QRect(91, 2 * ih + 2, 200, ih - 1), back));

    moveMouse(*m_list, 50, ih + 5); // the empty row
    QCOMPARE(m_list->GetItemIndex(), -1);
    moveMouse(*m_list, 50, 10 * ih); // below the last row
    QCOMPARE(m_list->GetItemIndex(), -1);
    QVERIFY(!hasColour(m_list->grab().toImage(), m_list->rect(), back));

    // An empty row elsewhere in the list leaves the hovered row hovered.
    moveMouse(*m_list, 50, 2 * ih + 5);
    m_list->grab();
    QCOMPARE(m_list->GetItemIndex(), 2);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_list.get(), &leave);
    QCOMPARE(m_list->GetItemIndex(), -1);
}

void TarnListTest::hintSize_data() {
    QTest::addColumn<bool>("oneLine");
    QTest::addColumn<int>("listWidth");
    QTest::addColumn<double>("wraps");
    QTest::addColumn<int>("lines"); // 0: no hint
    QTest::newRow("wrapped, 2.5 wrap widths") << false << 300 << 2.5 << 3;
    QTest::newRow("one line") << true << 300 << 2.5 << 1;
    QTest::newRow("text that fits") << false << 300 << 0.5 << 0;
    QTest::newRow("no room to wrap") << false << 99 << 1.0 << 0;
}

void TarnListTest::hintSize() {
    QFETCH(bool, oneLine);
    QFETCH(int, listWidth);
    QFETCH(double, wraps);
    QFETCH(int, lines);
    m_list->setShowHint(true);
    m_list->setShowHintLine(oneLine);
    m_list->resize(listWidth, 100);
    const int left = 90 + 1;         // three 30-pixel columns, no images
    const int wrap = 300 - left - 8; // the wrap width of a 300-pixel list
    const QFontMetrics metrics(m_list->font());
    QString text;
    while (metrics.horizontalAdvance(text) < wraps * wrap) {
        text += QStringLiteral("слово ");
    }
    addRow(QStringLiteral("Короткая"));
    addRow(text);
    const int ih = m_list->ItemHeight();
    moveMouse(*m_list, 50, ih + 5);
    QCOMPARE(m_list->GetItemIndex(), 1);
    const TarnHint* hint = m_list->HintWindow();
    if (lines == 0) {
        QVERIFY(hint == nullptr);
        return;
    }
    QVERIFY(hint != nullptr);
    QCOMPARE(hint->text(), text);
    QCOMPARE(hint->geometry().height(), lines * textHeight());
    QCOMPARE(hint->geometry().width(), (oneLine ? metrics.horizontalAdvance(text) : wrap) + 8);
    const QPoint origin = m_list->mapToGlobal(QPoint(left, ih - 1 + (ih - textHeight()) / 2));
    QCOMPARE(hint->geometry().topLeft(), origin);

    moveMouse(*m_list, 50, 5); // a row that fits closes it
    QVERIFY(m_list->HintWindow() == nullptr);
}

void TarnListTest::fullPaintRedoesTheHint() {
    m_list->setShowHint(true);
    QString text;
    while (QFontMetrics(m_list->font()).horizontalAdvance(text) < 2.5 * (300 - 91 - 8)) {
        text += QStringLiteral("слово ");
    }
    addRow(QStringLiteral("Короткая"));
    addRow(text);
    moveMouse(*m_list, 50, m_list->ItemHeight() + 5);
    const TarnHint* first = m_list->HintWindow();
    QVERIFY(first != nullptr);
    QCOMPARE(first->height(), 3 * textHeight());

    // Repainting the same list keeps the popup that is already right.
    m_list->grab();
    QVERIFY(m_list->HintWindow() == first);

    // ShowHintLine is only stored; the next full paint shows the hint on one line.
    m_list->setShowHintLine(true);
    QCOMPARE(m_list->HintWindow()->height(), 3 * textHeight());
    m_list->grab();
    QVERIFY(m_list->HintWindow() != nullptr);
    QCOMPARE(m_list->HintWindow()->height(), textHeight());

    // A row height taken from the images moves the hint with its row.
    const ImageList images(strip(32, 32, 2), 32);
    m_list->setImages4(&images);
    m_list->setAutoSize(true);
    m_list->grab();
    QCOMPARE(m_list->ItemHeight(), 34);
    // AutoSize also widened the time columns to six digits.
    const int digits = QFontMetrics(m_list->font()).horizontalAdvance(QStringLiteral("999999"));
    const int left = 30 + 2 * digits + 32 + 2 * 1 + 1; // columns, image, its margins
    const QPoint origin = m_list->mapToGlobal(QPoint(left, 34 - 1 + (34 - textHeight()) / 2));
    QVERIFY(m_list->HintWindow() != nullptr);
    QCOMPARE(m_list->HintWindow()->geometry().topLeft(), origin);
}

void TarnListTest::mouseButtons_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left click") << Qt::LeftButton << QPoint(50, 30) << 1;
    QTest::newRow("left released outside") << Qt::LeftButton << QPoint(50, 500) << 0;
    QTest::newRow("right button") << Qt::RightButton << QPoint(50, 30) << 0;
}

void TarnListTest::mouseButtons() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, release);
    QFETCH(int, clicks);
    addRow(QStringLiteral("Первая"));
    addRow(QStringLiteral("Вторая"));
    const int ih = m_list->ItemHeight();
    const QPoint press(50, ih + 5);
    moveMouse(*m_list, press.x(), press.y());
    // The form's handlers read the row under the mouse while the press is handled.
    int rowAtPress = -2;
    connect(m_list.get(), &TTarnList::OnMouseDown, this,
            [this, &rowAtPress] { rowAtPress = m_list->GetItemIndex(); });
    QSignalSpy downs(m_list.get(), &TTarnList::OnMouseDown);
    QSignalSpy ups(m_list.get(), &TTarnList::OnMouseUp);
    QSignalSpy clicked(m_list.get(), &TTarnList::OnClick);
    sendButton(*m_list, QEvent::MouseButtonPress, button, press);
    sendButton(*m_list, QEvent::MouseButtonRelease, button, release);
    QCOMPARE(rowAtPress, 1);
    QCOMPARE(downs.size(), 1);
    QCOMPARE(downs.first().at(0).value<Qt::MouseButton>(), button);
    QCOMPARE(downs.first().at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(downs.first().at(2).toPoint(), press);
    QCOMPARE(ups.size(), 1);
    QCOMPARE(ups.first().at(2).toPoint(), release);
    QCOMPARE(clicked.size(), clicks);
}

void TarnListTest::popupMenuSeesTheHoveredRow() {
    addRow(QStringLiteral("Первая"));
    addRow(QStringLiteral("Вторая"));
    const QPoint at(50, m_list->ItemHeight() + 5);
    QContextMenuEvent withoutMenu(QContextMenuEvent::Mouse, at, m_list->mapToGlobal(at));
    QApplication::sendEvent(m_list.get(), &withoutMenu);
    QVERIFY(!withoutMenu.isAccepted());

    QMenu menu;
    menu.addAction(QStringLiteral("Удалить"));
    int rowWhenOpening = -2;
    connect(&menu, &QMenu::aboutToShow, this,
            [this, &rowWhenOpening] { rowWhenOpening = m_list->GetItemIndex(); });
    m_list->setPopupMenu(&menu);
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    moveMouse(*m_list, at.x(), at.y());
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, m_list->mapToGlobal(at));
    QApplication::sendEvent(m_list.get(), &click);
    QVERIFY(click.isAccepted());
    QCOMPARE(rowWhenOpening, 1);
    QVERIFY(menu.isVisible());
    menu.close();
}

void TarnListTest::sortByTime_data() {
    QTest::addColumn<QList<int>>("startHours");
    QTest::addColumn<QList<int>>("order"); // original row at each position after the sort
    QTest::newRow("two rows: the first gap is 0") << QList<int>{12, 9} << QList<int>{0, 1};
    QTest::newRow("three rows") << QList<int>{12, 9, 10} << QList<int>{1, 2, 0};
    QTest::newRow("five rows") << QList<int>{14, 8, 20, 9, 10} << QList<int>{1, 3, 4, 0, 2};
}

void TarnListTest::sortByTime() {
    QFETCH(QList<int>, startHours);
    QFETCH(QList<int>, order);
    for (int i = 0; i < startHours.size(); ++i) {
        addRow(QStringLiteral("main %1").arg(i), at(startHours[i], 0), at(startHours[i], 45), 40 + i);
        m_list->setImageIndex1(i, 20 + i);
        m_list->Lines1().append(QStringLiteral("col1 %1").arg(i));
    }
    m_list->SortByTime();
    for (int position = 0; position < order.size(); ++position) {
        const int from = order[position];
        QCOMPARE(m_list->StartTime(position), at(startHours[from], 0));
        QCOMPARE(m_list->EndTime(position), at(startHours[from], 45));
        QCOMPARE(m_list->ImageIndex1(position), 20 + from);
        QCOMPARE(m_list->ImageIndex4(position), 40 + from);
        QCOMPARE(m_list->Lines4()[position], QStringLiteral("main %1").arg(from));
        QCOMPARE(m_list->Lines1()[position], QStringLiteral("col1 %1").arg(from));
    }
}

void TarnListTest::rowWritesRepaintOnlyTheirRow() {
    const ImageList images(strip(20, 20, 5), 20);
    m_list->setImages4(&images);
    for (int i = 0; i < 4; ++i) {
        addRow(QStringLiteral("Строка %1").arg(i), 0, 0, 1);
    }
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    PaintRecorder paints(m_list.get());
    QTest::qWait(50);
    paints.rects.clear();

    m_list->setImageIndex4(2, 1);
    m_list->setStartTime(2, 0);
    QTest::qWait(50);
    QCOMPARE(paints.rects.size(), 0);

    m_list->setImageIndex4(2, 3);
    QTRY_COMPARE(paints.rects.size(), 1);
    QCOMPARE(paints.rects.first(), m_list->rowRect(2));
    const QImage image = m_list->grab().toImage();
    const int ih = m_list->ItemHeight();
    QVERIFY(hasColour(image, QRect(91, 2 * ih + 2, 24, ih - 1), QColor(3, 100, 100)));
    QVERIFY(!hasColour(image, QRect(91, 2 * ih + 2, 24, ih - 1), QColor(1, 100, 100)));

    paints.rects.clear();
    m_list->setCol1Width(40);
    QTRY_COMPARE(paints.rects.size(), 1);
    QCOMPARE(paints.rects.first(), m_list->rect());
}

void TarnListTest::writesPastTheCapacityAreIgnored() {
    m_list->setImageIndex1(TTarnList::kCapacity, 3);
    m_list->setStartTime(TTarnList::kCapacity, at(10, 0));
    m_list->setImageIndex4(-1, 3);
    QCOMPARE(m_list->ImageIndex1(TTarnList::kCapacity), -1);
    QCOMPARE(m_list->StartTime(TTarnList::kCapacity), 0.0);
    m_list->setImageIndex4(TTarnList::kCapacity - 1, 2);
    QCOMPARE(m_list->ImageIndex4(TTarnList::kCapacity - 1), 2);
}

QTEST_MAIN(TarnListTest)
#include "TarnListTest.moc"
