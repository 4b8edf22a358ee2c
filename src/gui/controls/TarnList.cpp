#include "TarnList.h"

#include "ImageList.h"
#include "SystemClock.h"
#include "TarnHint.h"
#include "views/GapSort.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kanavo {

namespace {

// "hh:mm" of a date-time's time of day, rounded to the millisecond and then cut to the
// minute like every other time text of the program.
QString timeText(TDateTime value) {
    if (!std::isfinite(value)) {
        return {};
    }
    long long ms = std::llround(std::fabs(value - std::trunc(value)) * 86400000.0);
    if (ms >= 86400000LL) {
        ms -= 86400000LL;
    }
    const int minute = static_cast<int>(ms / 60000);
    return QString::asprintf("%02d:%02d", minute / 60, minute % 60);
}

} // namespace

TTarnList::TTarnList(QWidget* parent)
    : QWidget(parent), m_rows(std::make_unique<std::array<Row, kCapacity>>()),
      m_clock(&SystemClock::instance()), m_colorHint(palette().color(QPalette::ToolTipBase)) {
    setAutoFillBackground(true);
    setMouseTracking(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

TTarnList::~TTarnList() = default;

void TTarnList::setClock(const Clock* clock) {
    m_clock = clock != nullptr ? clock : &SystemClock::instance();
}

void TTarnList::setIntProperty(int& field, int value) {
    if (field == value) {
        return;
    }
    field = value;
    update();
}

void TTarnList::setMinWidth(int value) {
    setIntProperty(m_minWidth, value);
}
void TTarnList::setMinHeight(int value) {
    setIntProperty(m_minHeight, value);
}
void TTarnList::setItemHeight(int value) {
    setIntProperty(m_itemHeight, value);
}
void TTarnList::setCol1Width(int value) {
    setIntProperty(m_col1Width, value);
}
void TTarnList::setCol2Width(int value) {
    setIntProperty(m_col2Width, value);
}
void TTarnList::setCol3Width(int value) {
    setIntProperty(m_col3Width, value);
}

void TTarnList::setGridLines(bool value) {
    if (m_gridLines == value) {
        return;
    }
    m_gridLines = value;
    update();
}

void TTarnList::setColorSeparator(const QColor& value) {
    m_colorSeparator = value;
    update();
}
void TTarnList::setColorPerOld(const QColor& value) {
    m_colorPerOld = value;
    update();
}
void TTarnList::setColorPerCurrent(const QColor& value) {
    m_colorPerCurrent = value;
    update();
}
void TTarnList::setColorPerFuture(const QColor& value) {
    m_colorPerFuture = value;
    update();
}
void TTarnList::setImages1(const ImageList* value) {
    m_images1 = value;
    update();
}
void TTarnList::setImages4(const ImageList* value) {
    m_images4 = value;
    update();
}

QColor TTarnList::Color() const {
    return palette().color(QPalette::Window);
}

void TTarnList::setColor(const QColor& value) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, value);
    setPalette(colours);
}

QColor TTarnList::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void TTarnList::setFontColor(const QColor& value) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, value);
    setPalette(colours);
}

void TTarnList::setLines1(const QStringList& value) {
    m_lines1 = value;
    update();
}

void TTarnList::setLines4(const QStringList& value) {
    m_lines4 = value;
    update();
}

int TTarnList::ImageIndex1(int index) const {
    return index >= 0 && index < kCapacity ? (*m_rows)[index].imageIndex1 : -1;
}
int TTarnList::ImageIndex4(int index) const {
    return index >= 0 && index < kCapacity ? (*m_rows)[index].imageIndex4 : -1;
}
TDateTime TTarnList::StartTime(int index) const {
    return index >= 0 && index < kCapacity ? (*m_rows)[index].startTime : 0;
}
TDateTime TTarnList::EndTime(int index) const {
    return index >= 0 && index < kCapacity ? (*m_rows)[index].endTime : 0;
}

void TTarnList::setImageIndex1(int index, int value) {
    if (index < 0 || index >= kCapacity || (*m_rows)[index].imageIndex1 == value) {
        return;
    }
    (*m_rows)[index].imageIndex1 = value;
    DrawItem(index);
}

void TTarnList::setImageIndex4(int index, int value) {
    if (index < 0 || index >= kCapacity || (*m_rows)[index].imageIndex4 == value) {
        return;
    }
    (*m_rows)[index].imageIndex4 = value;
    DrawItem(index);
}

void TTarnList::setStartTime(int index, TDateTime value) {
    if (index < 0 || index >= kCapacity || (*m_rows)[index].startTime == value) {
        return;
    }
    (*m_rows)[index].startTime = value;
    DrawItem(index);
}

void TTarnList::setEndTime(int index, TDateTime value) {
    if (index < 0 || index >= kCapacity || (*m_rows)[index].endTime == value) {
        return;
    }
    (*m_rows)[index].endTime = value;
    DrawItem(index);
}

int TTarnList::Col1TextWidth(const QString& text) const {
    int width = fontMetrics().horizontalAdvance(text);
    if (m_images1 != nullptr) {
        width += m_itemHeight + m_images1->width() - m_images1->height();
    }
    return width;
}

void TTarnList::swapRows(int a, int b) {
    std::swap((*m_rows)[a], (*m_rows)[b]);
    m_lines4.swapItemsAt(a, b);
    // A missing column-1 line reads as empty, so it may swap with a present one.
    const int high = std::max(a, b);
    if (high < m_lines1.size()) {
        m_lines1.swapItemsAt(a, b);
    } else if (std::min(a, b) < m_lines1.size()) {
        while (m_lines1.size() <= high) {
            m_lines1.append(QString());
        }
        m_lines1.swapItemsAt(a, b);
    }
}

void TTarnList::SortByTime() {
    gapSortByStartTime(
        static_cast<int>(std::min<qsizetype>(m_lines4.size(), kCapacity)),
        [this](int i) { return (*m_rows)[i].startTime; }, [this](int a, int b) { swapRows(a, b); });
}

bool TTarnList::rowExists(int index) const {
    return index >= 0 && index < m_lines4.size() && !m_lines4[index].isEmpty();
}

int TTarnList::paintWidth() const {
    return std::max(width(), m_minWidth);
}

int TTarnList::textHeight() const {
    return fontMetrics().height();
}

QRect TTarnList::rowRect(int index) const {
    return QRect(0, index * m_itemHeight + 2, paintWidth(), std::max(m_itemHeight - 1, 0));
}

void TTarnList::DrawItem(int index) {
    if (!rowExists(index)) {
        // Only the hovered row stops being hovered; another empty row says nothing
        // about what is under the mouse.
        if (index == m_hoverIndex) {
            m_hoverIndex = -1;
            closeHint();
        }
        return;
    }
    if (m_itemHeight > 1) {
        m_pendingRows.insert(index);
        update(rowRect(index));
    }
    if (m_showHint && index == m_hoverIndex) {
        showHintIfLong(index);
    }
}

void TTarnList::closeHint() {
    m_hint.reset();
}

int TTarnList::mainTextLeft() const {
    const int start = m_col1Width + m_col2Width + m_col3Width;
    if (m_images4 == nullptr) {
        return start + 1;
    }
    const int margin = (m_itemHeight - m_images4->height()) / 2;
    return start + m_images4->width() + 2 * margin + 1;
}

void TTarnList::showHintIfLong(int index) {
    const QString& text = m_lines4[index];
    const int left = mainTextLeft();
    const int width = paintWidth();
    if (fontMetrics().horizontalAdvance(text) + left > width) {
        ShowItemHint(left, index * m_itemHeight - 1, text, width - left - 8);
    } else {
        closeHint();
    }
}

void TTarnList::ShowItemHint(int x, int y, const QString& text, int wrapWidth) {
    // Only a very narrow list leaves no room to wrap in; it gets no hint.
    if (wrapWidth <= 0) {
        closeHint();
        return;
    }
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const QPoint screen = mapToGlobal(QPoint(x, y + (m_itemHeight - lineHeight) / 2));
    const int textWidth = metrics.horizontalAdvance(text);
    int width = 0;
    int height = 0;
    if (m_showHintLine) {
        width = textWidth;
        height = lineHeight;
    } else {
        width = wrapWidth;
        height = (textWidth / wrapWidth + 1) * lineHeight;
    }
    const QRect area(screen.x(), screen.y(), width + 8, height);
    // A hint that already shows exactly this stays: a full paint re-shows the hovered
    // row's hint, and replacing the popup would expose the list and paint it again.
    if (m_hint != nullptr && m_hint->isVisible() && m_hint->text() == text &&
        m_hint->color() == m_colorHint && m_hint->geometry() == area && m_hint->font() == font()) {
        return;
    }
    m_hint = std::make_unique<TarnHint>(this);
    m_hint->setFont(font());
    m_hint->showText(text, m_colorHint, area);
}

void TTarnList::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_paintArea = event->rect();
    bool rowsOnly = !m_pendingRows.empty();
    if (rowsOnly) {
        QRegion rows;
        for (int index : m_pendingRows) {
            rows += rowRect(index);
        }
        rowsOnly = (event->region() - rows).isEmpty();
    }
    if (rowsOnly) {
        for (int index : m_pendingRows) {
            painter.setClipRect(rowRect(index));
            paintVerticalLines(painter, std::max(height(), m_minHeight));
            paintRow(painter, index);
        }
    } else {
        fullPaint(painter);
    }
    m_pendingRows.clear();
}

void TTarnList::applyAutoSize() {
    const QFontMetrics metrics(font());
    const int count = static_cast<int>(std::min<qsizetype>(m_lines4.size(), kCapacity));
    if (m_autoSize) {
        // Stored directly, not through the setters: sizing repaints nothing itself.
        int itemHeight = metrics.height() + 4;
        if (m_images1 != nullptr && itemHeight < m_images1->height() + 2) {
            itemHeight = m_images1->height() + 2;
        }
        if (m_images4 != nullptr && itemHeight < m_images4->height() + 2) {
            itemHeight = m_images4->height() + 2;
        }
        m_itemHeight = itemHeight;
        const long long needed = static_cast<long long>(count) * itemHeight + 3;
        if (needed > m_minHeight) {
            resize(width(), static_cast<int>(std::min<long long>(needed, QWIDGETSIZE_MAX)));
        }
        if (m_col2Width != 0) {
            m_col2Width = metrics.horizontalAdvance(QStringLiteral("999999"));
        }
        if (m_col3Width != 0) {
            m_col3Width = metrics.horizontalAdvance(QStringLiteral("999999"));
        }
    }
    if (width() < m_minWidth || height() < m_minHeight) {
        resize(std::max(width(), m_minWidth), std::max(height(), m_minHeight));
    }
}

void TTarnList::fullPaint(QPainter& painter) {
    m_firstFutureIndex = -1;
    painter.setFont(font());
    const int count = static_cast<int>(std::min<qsizetype>(m_lines4.size(), kCapacity));
    applyAutoSize();
    const int fullWidth = paintWidth();
    const int fullHeight = std::max(height(), m_minHeight);
    if (m_itemHeight <= 0) {
        paintVerticalLines(painter, fullHeight);
        return;
    }
    if (m_gridLines) {
        painter.setPen(m_colorSeparator);
        for (int k = 0; k <= fullHeight / m_itemHeight; ++k) {
            const int y = k * m_itemHeight + 1;
            painter.drawLine(0, y, fullWidth - 1, y);
        }
    }
    paintVerticalLines(painter, fullHeight);
    for (int index = 0; index < count; ++index) {
        paintRow(painter, index);
        // Every row is drawn again, so the hovered row's hint follows a changed row
        // height, font or width.
        if (m_showHint && index == m_hoverIndex && rowExists(index)) {
            showHintIfLong(index);
        }
    }
}

void TTarnList::paintVerticalLines(QPainter& painter, int height) const {
    painter.setPen(m_colorSeparator);
    const int xs[] = {m_col1Width, m_col1Width + m_col2Width, m_col1Width + m_col2Width + m_col3Width};
    const int widths[] = {m_col1Width, m_col2Width, m_col3Width};
    for (int k = 0; k < 3; ++k) {
        if (widths[k] != 0) {
            painter.drawLine(xs[k], 0, xs[k], height - 1);
        }
    }
}

void TTarnList::paintCell(QPainter& painter, const QRect& cell, const QColor& brush, int textX, int textY,
                          const QString& text) const {
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.fillRect(cell, brush);
    painter.drawText(QPoint(textX, textY + painter.fontMetrics().ascent()), text);
    painter.restore();
}

void TTarnList::paintRow(QPainter& painter, int index) {
    if (!rowExists(index)) {
        if (index == m_hoverIndex) {
            m_hoverIndex = -1;
            closeHint();
        }
        return;
    }
    const Row& row = (*m_rows)[index];
    QColor brush = Color();
    QColor textColour = FontColor();
    if (index == m_hoverIndex) {
        brush = m_colorSelBack;
        textColour = m_colorSelect;
    } else if (m_col2Width != 0 && row.startTime != 0) {
        // Later rules win; at an exact bound the earlier colour stays.
        const TDateTime now = m_clock->now();
        if (now > row.endTime) {
            textColour = m_colorPerOld;
        }
        if (now < row.startTime) {
            textColour = m_colorPerFuture;
            if (m_firstFutureIndex == -1) {
                m_firstFutureIndex = index;
            }
        }
        if (row.startTime < now && now < row.endTime) {
            textColour = m_colorPerCurrent;
        }
    }
    const int ih = m_itemHeight;
    const int top = index * ih + 2;
    if (!m_paintArea.intersects(QRect(0, top, paintWidth(), ih - 1))) {
        return;
    }
    painter.setFont(font());
    painter.setPen(textColour);
    const QFontMetrics metrics(font());
    const int textY = index * ih + (ih - metrics.height()) / 2 + 1 + 1;
    const QString col1 = index < m_lines1.size() ? m_lines1[index] : QString();
    const QString start = row.startTime != 0 ? timeText(row.startTime) : QString();
    const QString end = row.startTime != 0 ? timeText(row.endTime) : QString();
    const int c1 = m_col1Width;
    const int c2 = m_col2Width;
    const int c3 = m_col3Width;
    const int s = c1 + c2 + c3;
    const int bandHeight = ih - 1;

    if (c1 != 0) {
        const QRect cell(0, top, c1, bandHeight);
        if (m_images1 != nullptr) {
            const int margin = (ih - m_images1->height()) / 2;
            paintCell(painter, cell, brush, 2 * margin + m_images1->width() + 4, textY, col1);
            painter.save();
            painter.setClipRect(cell, Qt::IntersectClip);
            m_images1->draw(painter, margin, index * ih + margin + 2, row.imageIndex1);
            painter.restore();
        } else {
            paintCell(painter, cell, brush, 4, textY, col1);
        }
    }
    if (c2 != 0) {
        paintCell(painter, QRect(c1 + 1, top, c2 - 1, bandHeight), brush,
                  c1 + (c2 - metrics.horizontalAdvance(start)) / 2, textY, start);
    }
    if (c3 != 0) {
        paintCell(painter, QRect(c1 + c2 + 1, top, c3 - 1, bandHeight), brush,
                  c1 + c2 + (c3 - metrics.horizontalAdvance(end)) / 2, textY, end);
    }
    const QRect cell(s + 1, top, paintWidth() - s - 1, bandHeight);
    if (m_images4 != nullptr) {
        const int margin = (ih - m_images4->height()) / 2;
        paintCell(painter, cell, brush, s + 2 * margin + m_images4->width() + 4, textY, m_lines4[index]);
        painter.save();
        painter.setClipRect(cell, Qt::IntersectClip);
        m_images4->draw(painter, s + 1 + margin, index * ih + margin + 2, row.imageIndex4);
        painter.restore();
    } else {
        paintCell(painter, cell, brush, s + 4, textY, m_lines4[index]);
    }
}

void TTarnList::mouseMoveEvent(QMouseEvent* event) {
    const int y = static_cast<int>(event->position().y());
    // Truncation toward zero: y = 0 and y = 1 are row 0.
    const int index = m_itemHeight > 0 ? (y - 2) / m_itemHeight : -1;
    if (index != m_hoverIndex) {
        const int old = m_hoverIndex;
        m_hoverIndex = index;
        if (old != -1) {
            DrawItem(old);
        }
        DrawItem(index);
    }
    emit OnMouseMove(event->modifiers(), event->position().toPoint());
    event->accept();
}

void TTarnList::mousePressEvent(QMouseEvent* event) {
    emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
    event->accept();
}

void TTarnList::mouseReleaseEvent(QMouseEvent* event) {
    const QPointer<TTarnList> self(this);
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(position)) {
        emit OnClick();
        // A click handler may delete the list.
        if (self.isNull()) {
            return;
        }
    }
    emit OnMouseUp(event->button(), event->modifiers(), position);
    event->accept();
}

QMenu* TTarnList::PopupMenu() const {
    return m_popupMenu;
}

void TTarnList::setPopupMenu(QMenu* value) {
    m_popupMenu = value;
}

void TTarnList::contextMenuEvent(QContextMenuEvent* event) {
    if (m_popupMenu.isNull()) {
        event->ignore();
        return;
    }
    m_popupMenu->popup(event->globalPos());
    event->accept();
}

void TTarnList::enterEvent(QEnterEvent* event) {
    emit OnMouseEnter();
    QWidget::enterEvent(event);
}

void TTarnList::leaveEvent(QEvent* event) {
    closeHint();
    const int old = m_hoverIndex;
    m_hoverIndex = -1;
    if (old != -1) {
        DrawItem(old);
    }
    emit OnMouseExit();
    QWidget::leaveEvent(event);
}

} // namespace kanavo
