#pragma once
// The reminder library, libbellpop, bound once at start. Its export shows the reminder
// window and plays the sound; when the library cannot be loaded (or lacks the export), the
// program still shows each reminder, as a plain non-modal message box of its own, without
// sound, so the timer is never held up either way.

#include "alarms/Reminders.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

namespace kanavo {

class ReminderLibrary final : public Reminders {
public:
    // The library beside the executable first, then by name through the system's search.
    ReminderLibrary();
    // The first of these files (or names) that loads and has the export.
    explicit ReminderLibrary(const QStringList& candidates);

    // The places the default constructor tries, in order.
    static QStringList defaultCandidates();

    // True when reminders go to the library, false when they go to the message box.
    bool loaded() const { return m_execute != nullptr; }
    // The file that was loaded; empty with the fallback.
    QString libraryPath() const { return m_path; }
    // Why the last candidate failed; empty when the library is loaded.
    QString errorString() const { return m_error; }

    void ExecuteAlarm(const std::string& channel, int hour, int minute, const std::string& text,
                      const std::optional<Logo32>& logo, const std::string& soundFile, bool loop) override;

private:
    void showFallback(const std::string& channel, int hour, int minute, const std::string& text);

    QLibrary m_library;
    // The export, of the type declared in bellpop.h.
    QFunctionPointer m_execute = nullptr;
    QString m_path;
    QString m_error;
};

} // namespace kanavo
