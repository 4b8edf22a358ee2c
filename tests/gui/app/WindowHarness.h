#pragma once
// The real main window on the offscreen platform, with a home folder of its own holding a
// sample week, its own settings file, a fixed clock, message boxes answered ahead of time
// and reminders recorded instead of shown.
#include "MainForm.h"
#include "SampleWeek.h"
#include "TarnGlyphButton.h"
#include "TarnList.h"
#include "TestFiles.h"
#include "alarms/Reminders.h"
#include "base/Cp1251.h"
#include "schedule/WeeklyFile.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <vector>

namespace kanavo::test {

struct WindowClock : Clock {
    TDateTime value = 0;
    TDateTime now() const override { return value; }
};

// Message boxes answered ahead of time, and what they said.
struct AnsweredMessages : UserMessages {
    void showMessage(const std::string& text) override {
        shown << QString::fromStdString(cp1251::toUtf8(text));
    }
    bool askYesNo(const std::string& text) override {
        showMessage(text);
        return answer;
    }
    QStringList shown;
    bool answer = true;
};

struct RecordedReminder {
    QString channel;
    int hour = 0;
    int minute = 0;
    QString text;
    bool hasLogo = false;
};

struct RecordedReminders : Reminders {
    void ExecuteAlarm(const std::string& channel, int hour, int minute, const std::string& text,
                      const std::optional<Logo32>& logo, const std::string&, bool) override {
        calls.push_back({QString::fromStdString(cp1251::toUtf8(channel)), hour, minute,
                         QString::fromStdString(cp1251::toUtf8(text)), logo.has_value()});
    }
    std::vector<RecordedReminder> calls;
};

inline const TDateTime kSampleMonday = encodeDate(2026, 12, 7);

class WindowHarness {
public:
    WindowHarness() : m_home(std::make_unique<ScratchFolder>("kanavo-window")) {
        writeWeek(6);
        clock.value = encodeDate(2026, 12, 9) + encodeTime(20, 30); // Wednesday evening
    }
    ~WindowHarness() { stop(); }

    void writeWeek(int channels) {
        writeBytes(m_home->path() / "TV" / "week.knv",
                   writeWeeklyFile(kSampleMonday, makeSampleWeek(kSampleMonday, channels)));
    }
    void writeSettings(const char* text) { writeText(settingsFile(), text); }
    std::filesystem::path settingsFile() const { return m_home->path() / "Kanavo2.ini"; }

    // Creates and shows the window; false when it did not come up.
    bool start() {
        AppContext context;
        context.programDir = m_home->path() / "";
        context.settingsFile = settingsFile();
        context.clock = &clock;
        context.messages = &messages;
        context.reminders = &reminders;
        context.openUrl = [this](const QUrl& url) { opened.push_back(url); };
        context.autostartFolder = m_home->path() / "autostart";
        form = std::make_unique<TMainForm>(context);
        form->resize(1280, 800);
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    void stop() {
        if (form) {
            messages.answer = true;
            form->close();
            form.reset();
        }
    }

    template <typename T> T* child(const char* name) {
        T* found = form->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no child %s", name);
        }
        return found;
    }
    QString heading() { return child<QLabel>("LabelDay")->text(); }
    TTarnList* listing() { return child<TTarnList>("TarnList3"); }
    QString channelShown() { return child<QToolButton>("ButtonCanal")->text(); }
    // Runs the window's 20 ms timer for about `ticks` ticks.
    void tick(int ticks = 1) { QTest::qWait(25 * ticks); }

    WindowClock clock;
    AnsweredMessages messages;
    RecordedReminders reminders;
    std::vector<QUrl> opened;
    std::unique_ptr<TMainForm> form;

private:
    std::unique_ptr<ScratchFolder> m_home;
};

} // namespace kanavo::test
