#include "TarnGlyphButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace kanavo {

TTarnGlyphButton::TTarnGlyphButton(QWidget* parent)
    : QWidget(parent), m_color(palette().color(QPalette::Button)) {
    // No background of its own: without a glyph the parent shows through.
    watchParent();
}

TTarnGlyphButton::~TTarnGlyphButton() = default;

void TTarnGlyphButton::setGlyph(const QPixmap& value) {
    if (value.cacheKey() == m_glyph.cacheKey()) {
        return;
    }
    if (value.isNull() || value.height() == 0) {
        m_glyph = QPixmap();
        m_glyphImage = QImage();
    } else {
        m_glyph = value;
        m_glyphImage = value.toImage();
    }
    applyAutoSize();
}

void TTarnGlyphButton::setBorder(bool value) {
    if (m_border == value) {
        return;
    }
    m_border = value;
    update();
}

void TTarnGlyphButton::setDown(bool value) {
    if (m_down == value) {
        return;
    }
    m_down = value;
    m_state = value ? State::Pressed : State::Normal;
    update();
}

void TTarnGlyphButton::setAutoSize(bool value) {
    m_autoSize = value;
    applyAutoSize();
}

void TTarnGlyphButton::setAlign(Docking value) {
    m_align = value;
    applyAutoSize();
    dockInParent();
}

void TTarnGlyphButton::setColor(const QColor& value) {
    m_color = value;
    update();
}

void TTarnGlyphButton::setState(State value) {
    if (m_state == value) {
        return;
    }
    m_state = value;
    update();
}

QSize TTarnGlyphButton::autoSize(QSize current) const {
    const int fw = frameWidth();
    const int gh = m_glyph.height();
    switch (m_align) {
    case Docking::None:
        return {fw, gh};
    case Docking::Top:
    case Docking::Bottom:
        return {current.width(), gh + 2};
    case Docking::Left:
    case Docking::Right:
        return {fw + 2, current.height()};
    }
    return current;
}

QSize TTarnGlyphButton::sizeHint() const {
    if (m_glyph.isNull()) {
        return QWidget::sizeHint();
    }
    return autoSize(QSize(frameWidth(), m_glyph.height()));
}

void TTarnGlyphButton::applyAutoSize() {
    if (!m_autoSize || m_glyph.isNull()) {
        return;
    }
    const QSize wanted = autoSize(size());
    if (wanted != size()) {
        resize(wanted);
        dockInParent();
    }
}

void TTarnGlyphButton::watchParent() {
    QWidget* parent = parentWidget();
    if (parent == m_watchedParent) {
        return;
    }
    if (m_watchedParent != nullptr) {
        m_watchedParent->removeEventFilter(this);
    }
    m_watchedParent = parent;
    if (parent != nullptr) {
        parent->installEventFilter(this);
    }
}

void TTarnGlyphButton::dockInParent() {
    const QWidget* parent = parentWidget();
    if (parent == nullptr || isWindow()) {
        return;
    }
    const int pw = parent->width();
    const int ph = parent->height();
    switch (m_align) {
    case Docking::None:
        return;
    case Docking::Top:
        setGeometry(0, 0, pw, height());
        break;
    case Docking::Bottom:
        setGeometry(0, ph - height(), pw, height());
        break;
    case Docking::Left:
        setGeometry(0, 0, width(), ph);
        break;
    case Docking::Right:
        setGeometry(pw - width(), 0, width(), ph);
        break;
    }
}

bool TTarnGlyphButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watchedParent && event->type() == QEvent::Resize) {
        dockInParent();
    }
    return QWidget::eventFilter(watched, event);
}

bool TTarnGlyphButton::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) {
        watchParent();
        dockInParent();
    }
    return QWidget::event(event);
}

void TTarnGlyphButton::paintEvent(QPaintEvent*) {
    if (m_glyph.isNull()) {
        return;
    }
    applyAutoSize();
    const int fw = frameWidth();
    const int gh = m_glyph.height();
    const int frame = static_cast<int>(m_state) - 1;
    const int left = (width() - fw) / 2;
    const int top = (height() - gh) / 2;
    QPainter painter(this);
    if (m_border) {
        painter.fillRect(rect(), m_glyphImage.pixelColor(frame * fw, 0));
        painter.setPen(m_color);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
    painter.drawPixmap(left, top, m_glyph, frame * fw, 0, fw, gh);
}

void TTarnGlyphButton::enterEvent(QEnterEvent* event) {
    emit OnMouseEnter();
    if (followsMouse()) {
        setState(State::Hot);
    }
    QWidget::enterEvent(event);
}

void TTarnGlyphButton::leaveEvent(QEvent* event) {
    emit OnMouseExit();
    if (followsMouse()) {
        setState(State::Normal);
    }
    QWidget::leaveEvent(event);
}

void TTarnGlyphButton::mousePressEvent(QMouseEvent* event) {
    const QPointer<TTarnGlyphButton> self(this);
    emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
    // A handler may have disabled, latched or even deleted the button.
    if (self.isNull()) {
        return;
    }
    if (event->button() == Qt::LeftButton && followsMouse()) {
        setState(State::Pressed);
    }
}

void TTarnGlyphButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPointer<TTarnGlyphButton> self(this);
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(position)) {
        emit OnClick();
        if (self.isNull()) {
            return;
        }
    }
    emit OnMouseUp(event->button(), event->modifiers(), position);
    if (self.isNull()) {
        return;
    }
    if (event->button() == Qt::LeftButton && followsMouse() && m_state == State::Pressed) {
        setState(State::Hot);
    }
}

void TTarnGlyphButton::mouseMoveEvent(QMouseEvent* event) {
    emit OnMouseMove(event->modifiers(), event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

} // namespace kanavo
