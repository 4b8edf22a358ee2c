// The library's one export: copy the arguments, then open the reminder window in the
// caller's event loop and return.

#include "bellpop.h"

#include "Reminder.h"
#include "ReminderWindow.h"

#include <QApplication>
#include <QMetaObject>
#include <QThread>

namespace {

QString fromUtf16(const char16_t* text) {
    return text == nullptr ? QString() : QString::fromUtf16(text);
}

QImage copyLogo(const uint32_t* pixels) {
    if (pixels == nullptr) {
        return {};
    }
    // The caller frees its pixels when the call returns, so the image takes a copy.
    const QImage view(reinterpret_cast<const uchar*>(pixels), BELLPOP_LOGO_SIDE, BELLPOP_LOGO_SIDE,
                      BELLPOP_LOGO_SIDE * static_cast<int>(sizeof(uint32_t)), QImage::Format_ARGB32);
    return view.copy();
}

void open(const bellpop::Reminder& reminder) {
    auto* window = new bellpop::ReminderWindow(reminder);
    window->present();
}

} // namespace

extern "C" BELLPOP_API void ExecuteAlarm(const char16_t* channel, int32_t hour, int32_t minute,
                                         const char16_t* text, const uint32_t* logo,
                                         const char16_t* soundFile, int32_t loop) {
    // Windows need a QApplication; a program with none (or only a QCoreApplication) gets
    // nothing rather than a crash.
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr || QCoreApplication::closingDown()) {
        return;
    }
    try {
        bellpop::Reminder reminder;
        reminder.channel = fromUtf16(channel);
        reminder.hour = hour;
        reminder.minute = minute;
        reminder.text = fromUtf16(text);
        reminder.logo = copyLogo(logo);
        reminder.soundFile = fromUtf16(soundFile);
        reminder.loop = loop != 0;

        if (QThread::currentThread() == application->thread()) {
            open(reminder);
        } else {
            // Widgets live on the application's thread; the caller does not wait for it.
            QMetaObject::invokeMethod(
                application, [reminder] { open(reminder); }, Qt::QueuedConnection);
        }
    } catch (...) {
        // Nothing may unwind into the caller through a C function.
    }
}
