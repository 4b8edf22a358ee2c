#include "ReminderWindow.h"

#include "ReminderBell.h"
#include "WaveCheck.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace bellpop {
namespace {

// The program's look: the panels' blue, white cards, dark blue lettering.
const QColor kPanel(176, 187, 238);
const QColor kPanelEdge(120, 134, 204);
const QColor kCard(255, 255, 255);
const QColor kInk(20, 32, 96);
const QColor kTimeInk(40, 64, 170);

constexpr int kWidth = 380;
constexpr int kMargin = 12;
constexpr int kCardRadius = 8;
// Texts come through a C call and may be of any length; the window must still fit.
constexpr int kMaxChannel = 255;
constexpr int kMaxText = 1000;
// Each further open reminder moves this far right and down, wrapping after a few.
constexpr int kCascadeStep = 28;
constexpr int kCascadeSlots = 8;

QString limited(const QString& text, int length) {
    return text.size() <= length ? text : text.left(length) + QChar(0x2026);
}

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    // Programme texts are data: "<b>" in a listing is shown, not obeyed.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The reminders open now, in the order they opened; a new one takes the first free slot.
std::vector<QPointer<ReminderWindow>>& openWindows() {
    static std::vector<QPointer<ReminderWindow>> windows;
    std::erase_if(windows, [](const QPointer<ReminderWindow>& w) { return w.isNull(); });
    return windows;
}

// The white card the texts sit on.
class Card final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kPanelEdge, 1));
        painter.setBrush(kCard);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCardRadius, kCardRadius);
    }
};

} // namespace

QString timeText(int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return QStringLiteral("--:--");
    }
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

ReminderWindow::ReminderWindow(const Reminder& reminder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("bellpopReminder"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Оповещение — Канаво"));
    setWindowIcon(bellPixmap(32));

    auto* heading = plainLabel(QStringLiteral("Оповещение"), this);
    heading->setObjectName(QStringLiteral("heading"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    QPalette headingPalette = heading->palette();
    headingPalette.setColor(QPalette::WindowText, kInk);
    heading->setPalette(headingPalette);

    auto* card = new Card(this);
    // A fixed width, so that long texts wrap into more lines instead of a wider window.
    card->setFixedWidth(kWidth - 2 * kMargin);
    QPalette cardPalette = card->palette();
    cardPalette.setColor(QPalette::WindowText, kInk);
    card->setPalette(cardPalette);

    auto* logo = new QLabel(card);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setFixedSize(32, 32);
    logo->setPixmap(reminder.logo.isNull() ? bellPixmap(32, devicePixelRatioF())
                                           : QPixmap::fromImage(reminder.logo));

    auto* channel = plainLabel(limited(reminder.channel, kMaxChannel), card);
    channel->setObjectName(QStringLiteral("channel"));
    QFont channelFont = channel->font();
    channelFont.setBold(true);
    channelFont.setPointSizeF(channelFont.pointSizeF() * 1.25);
    channel->setFont(channelFont);
    channel->setWordWrap(true);

    auto* time = plainLabel(timeText(reminder.hour, reminder.minute), card);
    time->setObjectName(QStringLiteral("time"));
    QFont timeFont = time->font();
    timeFont.setBold(true);
    timeFont.setPointSizeF(timeFont.pointSizeF() * 2.0);
    time->setFont(timeFont);
    QPalette timePalette = time->palette();
    timePalette.setColor(QPalette::WindowText, kTimeInk);
    time->setPalette(timePalette);
    time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* rule = new QFrame(card);
    rule->setFrameShape(QFrame::HLine);
    rule->setFixedHeight(1);
    rule->setStyleSheet(QStringLiteral("background: rgb(%1, %2, %3); border: none;")
                            .arg(kPanel.red())
                            .arg(kPanel.green())
                            .arg(kPanel.blue()));

    auto* text = plainLabel(limited(reminder.text, kMaxText), card);
    text->setObjectName(QStringLiteral("text"));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont textFont = text->font();
    textFont.setPointSizeF(textFont.pointSizeF() * 1.1);
    text->setFont(textFont);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(logo, 0, Qt::AlignVCenter);
    top->addWidget(channel, 1, Qt::AlignVCenter);
    top->addWidget(time, 0, Qt::AlignVCenter);

    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(14, 12, 14, 14);
    cardLayout->setSpacing(10);
    cardLayout->addLayout(top);
    cardLayout->addWidget(rule);
    cardLayout->addWidget(text);

    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    close->setAutoDefault(true);
    close->setMinimumWidth(96);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, 8, kMargin, kMargin);
    layout->setSpacing(8);
    layout->addWidget(heading);
    layout->addWidget(card);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    close->setFocus();
    startSound(reminder.soundFile, reminder.loop);
}

ReminderWindow::~ReminderWindow() {
    stopSound();
}

void ReminderWindow::present() {
    auto& windows = openWindows();
    const int slot = static_cast<int>(windows.size()) % kCascadeSlots;
    windows.emplace_back(this);

    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        // Every reminder starts from the same corner, whatever its height, so the cascade
        // steps evenly: a little above the middle of the screen.
        const QPoint first = area.center() - QPoint(width() / 2, area.height() / 4);
        QRect frame(first + QPoint(slot, slot) * kCascadeStep, size());
        // Keep it on the screen when the screen is small.
        frame.moveLeft(
            std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - frame.width())));
        frame.moveTop(
            std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - frame.height())));
        move(frame.topLeft());
    }
    show();
    raise();
    QApplication::alert(this);
}

void ReminderWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kPanel);
    painter.setPen(kPanelEdge);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ReminderWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReminderWindow::closeEvent(QCloseEvent* event) {
    stopSound();
    QWidget::closeEvent(event);
}

void ReminderWindow::startSound(const QString& file, bool loop) {
    // A file that is missing or not a complete wave gives a silent reminder, and so does a
    // machine without a sound device (the effect stays in its error state).
    if (file.isEmpty() || !isPlayableWaveFile(file)) {
        return;
    }
    m_sound = new QSoundEffect(this);
    m_sound->setObjectName(QStringLiteral("sound"));
    m_sound->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    m_sound->setSource(QUrl::fromLocalFile(file));
    m_sound->play();
}

void ReminderWindow::stopSound() {
    if (m_sound != nullptr) {
        m_sound->stop();
    }
}

} // namespace bellpop
