#include "ImageList.h"

#include <QPainter>

namespace kanavo {

ImageList::ImageList(const QPixmap& strip, int imageWidth)
    : m_strip(strip), m_width(imageWidth > 0 ? imageWidth : 0), m_height(strip.height()) {}

int ImageList::count() const {
    return m_width > 0 ? m_strip.width() / m_width : 0;
}

void ImageList::draw(QPainter& painter, int x, int y, int index) const {
    if (index < 0 || index >= count()) {
        return;
    }
    painter.drawPixmap(x, y, m_strip, index * m_width, 0, m_width, m_height);
}

QPixmap ImageList::pixmap(int index) const {
    if (index < 0 || index >= count()) {
        return QPixmap();
    }
    return m_strip.copy(index * m_width, 0, m_width, m_height);
}

} // namespace kanavo
