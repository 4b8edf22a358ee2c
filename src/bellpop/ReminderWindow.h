#pragma once
// The reminder window: on top of the others, the channel's logo, the channel, the start
// time and the programme's text on a white card, a close button. It stays until the
// person closes it, deletes itself then, and its sound stops with it.

#include "Reminder.h"

#include <QWidget>

class QSoundEffect;

namespace bellpop {

class ReminderWindow final : public QWidget {
    Q_OBJECT

public:
    explicit ReminderWindow(const Reminder& reminder);
    ~ReminderWindow() override;

    // Shows the window, placed so that it does not hide the reminders already open.
    void present();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void startSound(const QString& file, bool loop);
    void stopSound();

    QSoundEffect* m_sound = nullptr;
};

} // namespace bellpop
