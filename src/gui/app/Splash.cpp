#include "Splash.h"

#include "BuiltInArtwork.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace kanavo {
namespace {

const QColor kTextColour(34, 44, 110);
const QColor kBackground(244, 246, 252);

} // namespace

TSplashForm::TSplashForm(QWidget* parent) : TSplashForm(artwork::builtInBitmap(artwork::kSplash), parent) {}

TSplashForm::TSplashForm(QPixmap picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(std::move(picture)) {
    setWindowTitle(QStringLiteral("Загрузка..."));
    setFixedSize(kWidth, kHeight);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void TSplashForm::showCentred() {
    const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen();
    if (target) {
        move(target->geometry().center() - rect().center());
    }
    show();
    repaint();
    // Let the window system map the window and take the first picture before the long
    // load starts.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(rect(), kBackground);
    } else {
        painter.drawPixmap(rect(), m_picture);
    }
    painter.setPen(kTextColour);
    const QRect textBox(0, kTextTop, width() - kTextRightMargin, height() - kTextTop);
    painter.drawText(textBox, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Версия 2.1"));
}

} // namespace kanavo
