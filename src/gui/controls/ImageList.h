#pragma once
// A row of equally sized images cut from one bitmap strip, drawn by index; an index the
// list does not hold draws nothing.

#include <QPixmap>

class QPainter;

namespace kanavo {

class ImageList {
public:
    ImageList() = default;
    // The strip's height is the image height; its width holds as many whole images of
    // `imageWidth` as fit.
    ImageList(const QPixmap& strip, int imageWidth);

    int count() const;
    int width() const { return m_width; }
    int height() const { return m_height; }
    void draw(QPainter& painter, int x, int y, int index) const;
    // One image on its own (for a menu item or a tool button); null for an index the list
    // does not hold.
    QPixmap pixmap(int index) const;

private:
    QPixmap m_strip;
    int m_width = 0;
    int m_height = 0;
};

} // namespace kanavo
