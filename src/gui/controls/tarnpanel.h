#pragma once
// TTarnScinPanel: a panel framed by a small border bitmap of eight equal pieces side by
// side (bottom-left, bottom, bottom-right, top-left, top, top-right, left, right) over a
// flat colour. With an empty border bitmap it is an ordinary raised panel with a caption.

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace kanavo {

class TTarnScinPanel : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(TTarnScinPanel)

public:
    // The pieces of the border bitmap, in their order from the left.
    enum Piece {
        BottomLeft,
        Bottom,
        BottomRight,
        TopLeft,
        Top,
        TopRight,
        Left,
        Right,
    };
    struct Tile {
        Piece piece;
        QPoint at;
        bool operator==(const Tile&) const = default;
    };

    explicit TTarnScinPanel(QWidget* parent = nullptr);
    ~TTarnScinPanel() override;

    // The flat background of the framed panel. An ordinary (unframed) panel keeps the
    // usual panel colour.
    QColor Color() const { return m_color; }
    void setColor(const QColor& value);

    const QPixmap& SmBorder() const { return m_smBorder; }
    void setSmBorder(const QPixmap& value);

    // Shown only while the panel is unframed.
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& value);

    // The border tiles of a `width` x `height` panel with pieces `b` x `h`, in the order
    // they are drawn: edges first, then the corners over them. Empty when a piece has no
    // width or height.
    static QList<Tile> BorderTiles(int width, int height, int b, int h);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintPlain(QPainter& painter) const;

    QPixmap m_smBorder;
    QColor m_color;
    QString m_caption;
};

} // namespace kanavo
