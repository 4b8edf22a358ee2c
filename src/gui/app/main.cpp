// kanavo: the weekly TV schedule viewer.

#include "AppOptions.h"
#include "BuiltInArtwork.h"
#include "MainForm.h"
#include "QtMessages.h"
#include "ReminderLibrary.h"
#include "SingleInstance.h"
#include "Splash.h"
#include "SystemClock.h"

#include "base/Cp1251.h"
#include "base/ProgramDir.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <span>

using namespace kanavo;

namespace {

QIcon programIcon() {
    QIcon icon;
    for (std::string_view name :
         {artwork::kKanavo, artwork::kKanavo48, artwork::kKanavo32, artwork::kKanavo16}) {
        const QPixmap picture = artwork::builtInBitmap(name);
        if (!picture.isNull()) {
            icon.addPixmap(picture);
        }
    }
    return icon;
}

std::optional<std::string_view> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string_view>(value) : std::nullopt;
}

int fail(const char* what, const std::string& detail = std::string()) {
    std::fprintf(stderr, "kanavo: %s%s\n", what, detail.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // --help and --version start nothing, so they work without a display too.
    {
        const AppOptions early =
            parseAppOptions(std::span<const char* const>(argv, static_cast<std::size_t>(argc)));
        if (early.help) {
            std::fputs(usageText().c_str(), stdout);
            return 0;
        }
        if (early.version) {
            std::printf("%.*s\n", static_cast<int>(kProgramTitle.size()), kProgramTitle.data());
            return 0;
        }
    }

    // The application name stays the executable's name: the single-copy lock tells a dead
    // owner from a live one by comparing the two.
    QApplication application(argc, argv);
    // Qt has taken its own options (-platform and the like) out of argv by now.
    const AppOptions options =
        parseAppOptions(std::span<const char* const>(argv, static_cast<std::size_t>(argc)));
    if (!options.error.empty()) {
        std::fprintf(stderr, "kanavo: %s; see kanavo --help\n", options.error.c_str());
        return 2;
    }
    const std::filesystem::path home = programDir(HomeOption{options.home, {}}, argv[0]);
    const std::filesystem::path settingsFile = settingsPath(ConfigOption{options.config, {}});
    QtMessages messages(runsUnattended(options.check, environmentValue("KANAVO_NO_MODAL"),
                                       QGuiApplication::platformName().toStdString())
                            ? QtMessages::Mode::Unattended
                            : QtMessages::Mode::Interactive);

    // One copy at a time unless the settings allow two. The lock is held until the process
    // ends.
    SingleInstance instance;
    if (readSingleInstanceFile(settingsFile) &&
        instance.acquire() == SingleInstance::Outcome::AlreadyRunning) {
        instance.askToComeForward();
        messages.showMessage(cp1251::fromUtf8("Канаво уже запущена.").value_or(std::string()));
        return 0;
    }
    if (!instance.lastError().isEmpty()) {
        // Starting goes on; only the single-copy rule is lost for this run.
        std::fprintf(stderr, "kanavo: %s\n", qPrintable(instance.lastError()));
    }

    // The program's title "Канаво 2.1" is the main window's caption. It is not made Qt's
    // application display name: the desktop platforms append that to every window's
    // caption ("Загрузка... — Канаво 2.1"), the message boxes' "Канаво" included.
    QApplication::setWindowIcon(programIcon());
    auto splash = std::make_unique<TSplashForm>();
    splash->showCentred();

    AppContext context;
    context.programDir = home;
    context.settingsFile = settingsFile;
    std::optional<StartedClock> startedClock;
    if (options.clockStart) {
        startedClock.emplace(*options.clockStart);
    }
    context.clock = startedClock ? static_cast<const Clock*>(&*startedClock) : &SystemClock::instance();
    context.messages = &messages;
    // Bound once at start; without the library reminders come as plain message boxes.
    ReminderLibrary reminders;
    if (!reminders.loaded()) {
        std::fprintf(stderr, "kanavo: reminder library not loaded (%s); reminders use message boxes\n",
                     qPrintable(reminders.errorString()));
    }
    context.reminders = &reminders;
    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>(std::move(context));
    } catch (const std::exception& error) {
        return fail("start-up failed: ", error.what());
    }
    QObject::connect(&instance, &SingleInstance::comeForwardRequested, form.get(), &TMainForm::bringToFront);
    splash.reset();
    form->show();

    if (options.check) {
        QApplication::processEvents();
        return form->paintFirstListing() ? 0 : fail("start-up check failed: no listing was composed");
    }
    return QApplication::exec();
}
