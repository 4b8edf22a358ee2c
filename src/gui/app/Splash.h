#pragma once
// TSplashForm: the picture shown while the main window loads. Borderless, on top of other
// windows, centred on the screen, with the version written near its top right corner.

#include <QPixmap>
#include <QWidget>

namespace kanavo {

class TSplashForm : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(TSplashForm)

public:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 222;
    // The version text is right-aligned with its right edge this far from the window's
    // right edge, and its top this far from the window's top.
    static constexpr int kTextRightMargin = 20;
    static constexpr int kTextTop = 30;

    // `picture` fills the window, scaled when it has another size; a null picture leaves a
    // plain background. The built-in start-up picture unless given.
    explicit TSplashForm(QWidget* parent = nullptr);
    explicit TSplashForm(QPixmap picture, QWidget* parent = nullptr);

    // Centres the window on its screen and shows it drawn, without waiting for the event
    // loop: the loading that follows keeps the loop from running.
    void showCentred();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace kanavo
