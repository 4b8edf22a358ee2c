#include "ReminderLibrary.h"

#include "base/Cp1251.h"
#include "bellpop.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

namespace kanavo {
namespace {

QString fromCp1251(const std::string& text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

// As the reminder window shows it.
QString timeText(int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return QStringLiteral("--:--");
    }
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

} // namespace

ReminderLibrary::ReminderLibrary() : ReminderLibrary(defaultCandidates()) {}

// The library is never unloaded: its reminder windows outlive any call, and this object.
ReminderLibrary::ReminderLibrary(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        m_library.setFileName(candidate);
        if (!m_library.load()) {
            m_error = m_library.errorString();
            continue;
        }
        m_execute = m_library.resolve(BELLPOP_EXECUTE_ALARM_NAME);
        if (m_execute != nullptr) {
            m_path = m_library.fileName();
            m_error.clear();
            return;
        }
        m_error = m_library.errorString();
        m_library.unload();
    }
}

QStringList ReminderLibrary::defaultCandidates() {
    // QLibrary adds the platform's prefix and suffix (libbellpop.so) itself.
    QStringList candidates;
    if (QCoreApplication::instance() != nullptr) {
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("bellpop"));
    }
    candidates << QStringLiteral("bellpop");
    return candidates;
}

void ReminderLibrary::ExecuteAlarm(const std::string& channel, int hour, int minute, const std::string& text,
                                   const std::optional<Logo32>& logo, const std::string& soundFile,
                                   bool loop) {
    if (m_execute == nullptr) {
        showFallback(channel, hour, minute, text);
        return;
    }
    const QString channelText = fromCp1251(channel);
    const QString programmeText = fromCp1251(text);
    const QString soundPath = QString::fromStdString(soundFile);
    const auto execute = reinterpret_cast<BellpopExecuteAlarmFunction>(m_execute);
    execute(reinterpret_cast<const char16_t*>(channelText.utf16()), hour, minute,
            reinterpret_cast<const char16_t*>(programmeText.utf16()), logo ? logo->data() : nullptr,
            soundPath.isEmpty() ? nullptr : reinterpret_cast<const char16_t*>(soundPath.utf16()),
            loop ? 1 : 0);
}

void ReminderLibrary::showFallback(const std::string& channel, int hour, int minute,
                                   const std::string& text) {
    const QString message = fromCp1251(channel) + QStringLiteral(", ") + timeText(hour, minute) +
                            QStringLiteral("\n") + fromCp1251(text);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "Канаво: %s\n", message.toUtf8().constData());
        std::fflush(stderr);
        return;
    }
    // Not exec(): the timer that fires reminders must keep running while the box is open.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Канаво"), message, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setModal(false);
    box->show();
}

} // namespace kanavo
