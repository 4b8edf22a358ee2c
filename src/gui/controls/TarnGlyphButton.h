#pragma once
// TTarnGlyphButton: a button drawn entirely from one bitmap holding three frames side by
// side, each a third of its width: normal, pressed and hot (mouse over). The day buttons
// latch with Down; the scroll buttons use the enter, exit, down and up signals.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace kanavo {

class TTarnGlyphButton : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(TTarnGlyphButton)

public:
    // Which frame is shown.
    enum class State { Normal = 1, Pressed = 2, Hot = 3 };
    // Docking against an edge of the parent: the button spans that edge and follows the
    // parent's size. AutoSize adds a pixel of room on both sides across the docked edge.
    enum class Docking { None, Top, Bottom, Left, Right };

    explicit TTarnGlyphButton(QWidget* parent = nullptr);
    ~TTarnGlyphButton() override;

    // The same bitmap again does nothing; a null or empty one clears the glyph. Writing
    // does not repaint: callers loading a skin size the button themselves.
    const QPixmap& Glyph() const { return m_glyph; }
    void setGlyph(const QPixmap& value);

    // Fill the whole button in the frame's top-left pixel colour and outline it in Color.
    bool Border() const { return m_border; }
    void setBorder(bool value);

    // The latched pressed state; while down, the mouse changes nothing.
    bool Down() const { return m_down; }
    void setDown(bool value);

    // Size the button from the glyph at each paint (and when glyph, docking or this
    // flag change, so that a layout sees the size before the first paint).
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool value);

    Docking Align() const { return m_align; }
    void setAlign(Docking value);

    // The outline colour used with Border.
    QColor Color() const { return m_color; }
    void setColor(const QColor& value);

    State VisualState() const { return m_state; }

    QSize sizeHint() const override;

signals:
    // Fired on every enter and exit, also while disabled or down.
    void OnMouseEnter();
    void OnMouseExit();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void OnMouseMove(Qt::KeyboardModifiers modifiers, QPoint position);
    // A left button released inside the button.
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    int frameWidth() const { return m_glyph.width() / 3; }
    bool followsMouse() const { return isEnabled() && !m_down; }
    void setState(State value);
    // The AutoSize size; `current` gives the extent along a docked edge.
    QSize autoSize(QSize current) const;
    void applyAutoSize();
    void dockInParent();
    void watchParent();

    QPixmap m_glyph;
    // The glyph's pixels, read for the border fill colour.
    QImage m_glyphImage;
    QColor m_color;
    QWidget* m_watchedParent = nullptr;
    State m_state = State::Normal;
    Docking m_align = Docking::None;
    bool m_border = false;
    bool m_down = false;
    bool m_autoSize = false;
};

} // namespace kanavo
