#include "GalleryWindow.h"

#include "BuiltInArtwork.h"
#include "GallerySchedule.h"
#include "TarnGlyphButton.h"
#include "TarnHint.h"
#include "TarnList.h"
#include "tarnpanel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>

namespace kanavo::gallery {

namespace {

// The default skin's colours.
const QColor kPanelColor(176, 187, 238);
const QColor kSeparator(147, 147, 147);
const QColor kSelectText(0, 0, 255);
const QColor kOld(128, 128, 128);
const QColor kCurrent(0, 0, 255);
const QColor kButtonMoveBorder(0, 0, 0);

constexpr int kMargin = 8;
constexpr int kWidth = 780;
constexpr int kButtonRowHeight = 42;
constexpr int kTypeColumnWidth = 240;
constexpr int kHeadingHeight = 20;

// A built-in bitmap; a missing one shows as a magenta tile of its size, so that it is
// seen rather than silently left out.
QPixmap art(std::string_view name) {
    QPixmap pixmap = artwork::builtInBitmap(name);
    if (!pixmap.isNull()) {
        return pixmap;
    }
    QSize size(32, 32);
    for (const artwork::BitmapSpec& spec : artwork::kBuiltInBitmaps) {
        if (spec.name == name) {
            size = QSize(spec.width, spec.height);
        }
    }
    pixmap = QPixmap(size);
    pixmap.fill(Qt::magenta);
    return pixmap;
}

QFont listFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    return font;
}

// The colours the default skin gives every list.
void skinList(TTarnList& list) {
    list.setFont(listFont());
    list.setColor(Qt::white);
    list.setFontColor(Qt::black);
    list.setColorSelBack(Qt::white);
    list.setColorSelect(kSelectText);
    list.setColorSeparator(kSeparator);
    list.setAutoSize(true);
    list.setGridLines(true);
    list.setShowHint(true);
    list.setShowHintLine(false);
}

} // namespace

GalleryWindow::GalleryWindow() : m_types(art(artwork::kGlyphType), artwork::kTypeGlyphSize) {
    m_clock.value = galleryNow();
    m_border = art(artwork::kSmBorder);
    setWindowTitle(QStringLiteral("Канаво — элементы окна"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(236, 236, 236));
    setPalette(colours);

    int top = kMargin;
    const QString captions[] = {QStringLiteral("Обычные"), QStringLiteral("Нажатые"),
                                QStringLiteral("Под мышью")};
    for (int state = 0; state < 3; ++state) {
        addButtonRow(top, captions[state], state);
        top += kButtonRowHeight + 4;
    }
    top += 4;

    // Programme rows and type rows are 22 high: the 20-pixel type images decide.
    const int rowHeight = std::max(QFontMetrics(listFont()).height() + 4, artwork::kTypeGlyphSize + 2);
    const int rows = std::max<int>(static_cast<int>(galleryRows().size()), galleryTypeNames().size());
    const int bh = m_border.height();
    const int listsHeight = 2 * bh + kHeadingHeight + rows * rowHeight + 3 + 6;
    const int listingWidth = kWidth - 3 * kMargin - kTypeColumnWidth;
    addListing(QRect(kMargin, top, listingWidth, listsHeight));
    addTypeList(QRect(2 * kMargin + listingWidth, top, kTypeColumnWidth, listsHeight));
    top += listsHeight + kMargin;

    // An empty border strip: the ordinary panel a skin without artwork would leave.
    auto* plain = new TTarnScinPanel(this);
    plain->setGeometry(kMargin, top, kWidth - 2 * kMargin, 30);
    plain->setCaption(QStringLiteral("Панель без рамки из скина"));
    top += 30 + kMargin;
    setFixedSize(kWidth, top);
}

GalleryWindow::~GalleryWindow() = default;

TTarnScinPanel* GalleryWindow::addPanel(const QRect& geometry) {
    auto* panel = new TTarnScinPanel(this);
    panel->setGeometry(geometry);
    panel->setColor(kPanelColor);
    panel->setSmBorder(m_border);
    return panel;
}

void GalleryWindow::addButtonRow(int top, const QString& caption, int state) {
    TTarnScinPanel* panel = addPanel(QRect(kMargin, top, kWidth - 2 * kMargin, kButtonRowHeight));
    const int bw = m_border.width() / 8;
    auto* label = new QLabel(caption, panel);
    label->setGeometry(bw + 8, 0, 100, kButtonRowHeight);

    auto addButton = [this, panel, state](std::string_view glyph) {
        auto* button = new TTarnGlyphButton(panel);
        button->setAutoSize(true);
        button->setGlyph(art(glyph));
        if (state == 1) {
            button->setDown(true);
        } else if (state == 2) {
            m_hotButtons.append(button);
        }
        return button;
    };

    int x = bw + 116;
    std::array<std::string_view, 8> days{};
    std::copy(artwork::kDayButtons.begin(), artwork::kDayButtons.end(), days.begin());
    days[7] = artwork::kButToday;
    const QString hints[] = {QStringLiteral("Понедельник"), QStringLiteral("Вторник"),
                             QStringLiteral("Среда"),       QStringLiteral("Четверг"),
                             QStringLiteral("Пятница"),     QStringLiteral("Суббота"),
                             QStringLiteral("Воскресенье"), QStringLiteral("Сейчас")};
    for (int day = 0; day < 8; ++day) {
        TTarnGlyphButton* button = addButton(days[day]);
        button->setToolTip(hints[day]);
        button->move(x, (kButtonRowHeight - button->height()) / 2);
        x += button->width() + 3;
    }

    x += 24;
    for (std::string_view arrow : {artwork::kBtnLeft, artwork::kBtnRight}) {
        TTarnGlyphButton* button = addButton(arrow);
        button->move(x, (kButtonRowHeight - button->height()) / 2);
        x += button->width() + 6;
    }

    // The list scroll buttons dock at the top and bottom of a clipping panel, framed.
    x += 18;
    auto* clip = new QWidget(panel);
    clip->setGeometry(x, bw + 3, 60, kButtonRowHeight - 2 * bw - 6);
    clip->setAutoFillBackground(true);
    QPalette white = clip->palette();
    white.setColor(QPalette::Window, Qt::white);
    clip->setPalette(white);
    const std::pair<std::string_view, TTarnGlyphButton::Docking> scrolls[] = {
        {artwork::kBtnUp, TTarnGlyphButton::Docking::Top},
        {artwork::kBtnDown, TTarnGlyphButton::Docking::Bottom},
    };
    for (const auto& [glyph, docking] : scrolls) {
        TTarnGlyphButton* button = addButton(glyph);
        button->setParent(clip);
        button->setBorder(true);
        button->setColor(kButtonMoveBorder);
        button->setAlign(docking);
    }
}

void GalleryWindow::addListing(const QRect& geometry) {
    TTarnScinPanel* panel = addPanel(geometry);
    const int b = m_border.width() / 8;
    const int h = m_border.height();
    auto* heading = new QLabel(QStringLiteral("Пятница, 11 декабря. Первый канал"), panel);
    heading->setGeometry(b + 6, h, geometry.width() - 2 * b - 12, kHeadingHeight);
    auto* clip = new QWidget(panel);
    clip->setGeometry(b + 3, h + kHeadingHeight, geometry.width() - 2 * b - 6,
                      geometry.height() - 2 * h - kHeadingHeight - 3);

    m_listing = new TTarnList(clip);
    skinList(*m_listing);
    m_listing->setClock(&m_clock);
    m_listing->setColorPerOld(kOld);
    m_listing->setColorPerCurrent(kCurrent);
    m_listing->setColorPerFuture(Qt::black);
    m_listing->setImages1(&m_types);
    m_listing->setImages4(&m_types);
    m_listing->setCol1Width(20);
    m_listing->setCol2Width(36);
    m_listing->setCol3Width(36);
    m_listing->setItemHeight(22);
    m_listing->setGeometry(0, 0, clip->width(), clip->height() - 1);
    m_listing->setMinWidth(clip->width());
    for (const GalleryRow& row : galleryRows()) {
        const int index = static_cast<int>(m_listing->Lines4().size());
        m_listing->setStartTime(index, row.start);
        m_listing->setEndTime(index, row.end);
        m_listing->setImageIndex1(index, row.alarm ? artwork::TypeGlyphBell : -1);
        m_listing->setImageIndex4(index, row.type);
        m_listing->Lines1().append(QString());
        m_listing->Lines4().append(row.text);
    }
}

void GalleryWindow::addTypeList(const QRect& geometry) {
    TTarnScinPanel* panel = addPanel(geometry);
    const int b = m_border.width() / 8;
    const int h = m_border.height();
    auto* heading = new QLabel(QStringLiteral("Показывать"), panel);
    heading->setGeometry(b + 6, h, geometry.width() - 2 * b - 12, kHeadingHeight);
    auto* clip = new QWidget(panel);
    clip->setGeometry(b + 3, h + kHeadingHeight, geometry.width() - 2 * b - 6,
                      geometry.height() - 2 * h - kHeadingHeight - 3);

    auto* types = new TTarnList(clip);
    skinList(*types);
    types->setClock(&m_clock);
    types->setColorPerOld(Qt::black);
    types->setImages4(&m_types);
    types->setCol1Width(0);
    types->setCol2Width(0);
    types->setCol3Width(0);
    types->setItemHeight(22);
    types->setGeometry(0, 0, clip->width(), clip->height() - 1);
    types->setMinWidth(clip->width());
    const QStringList names = galleryTypeNames();
    for (int type = 0; type < names.size(); ++type) {
        // Cartoons and children's programmes switched off: their dimmed images.
        const bool off = type == artwork::TypeGlyphCartoon || type == artwork::TypeGlyphChildren;
        types->setImageIndex4(type, off ? type + artwork::TypeGlyphOffset : type);
        types->Lines4().append(names[type]);
    }
}

void GalleryWindow::hover() {
    for (TTarnGlyphButton* button : m_hotButtons) {
        const QPointF inside(2, 2);
        QEnterEvent enter(inside, inside, button->mapToGlobal(inside));
        QApplication::sendEvent(button, &enter);
    }
    m_listing->grab(); // settles the row height
    const int ih = m_listing->ItemHeight();
    const QPointF at(60, galleryHoveredRow() * ih + 2 + ih / 2);
    QMouseEvent move(QEvent::MouseMove, at, m_listing->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(m_listing, &move);
}

QPixmap GalleryWindow::screenshot() {
    QPixmap shot = grab();
    QPainter painter(&shot);
    for (QWidget* popup : QApplication::topLevelWidgets()) {
        if (popup->isVisible() && qobject_cast<TarnHint*>(popup) != nullptr) {
            painter.drawPixmap(mapFromGlobal(popup->geometry().topLeft()), popup->grab());
        }
    }
    return shot;
}

} // namespace kanavo::gallery
