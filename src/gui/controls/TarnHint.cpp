#include "TarnHint.h"

#include <QPainter>

namespace kanavo {

namespace {
// Room left and right of the text inside the popup.
constexpr int kMargin = 4;
} // namespace

TarnHint::TarnHint(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                         Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TarnHint::showText(const QString& text, const QColor& color, const QRect& area) {
    m_text = text;
    m_color = color;
    setGeometry(area);
    show();
    update();
}

void TarnHint::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setFont(font());
    painter.drawText(rect().adjusted(kMargin, 0, -kMargin, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_text);
}

} // namespace kanavo
