#pragma once
// The borderless popup that shows a list row's whole text when it does not fit. It lets
// the mouse through, so showing it over the row never makes the list lose the mouse.

#include <QColor>
#include <QString>
#include <QWidget>

namespace kanavo {

class TarnHint : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(TarnHint)

public:
    explicit TarnHint(QWidget* owner);

    // Shows `text` on `color` in the screen rectangle `area`.
    void showText(const QString& text, const QColor& color, const QRect& area);
    const QString& text() const { return m_text; }
    const QColor& color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_color;
};

} // namespace kanavo
