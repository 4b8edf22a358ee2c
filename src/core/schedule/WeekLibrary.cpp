#include "schedule/WeekLibrary.h"

#include "base/Cp1251.h"

#include <cmath>
#include <system_error>

namespace kanavo {

std::string pathText(const std::filesystem::path& path) {
    return cp1251::fromUtf8Lossy(path.string());
}

const std::string& noWeekFolderMessage() {
    static const std::string text = cp1251::fromUtf8("Не найдена директория с файлами ТВ программ").value();
    return text;
}

std::string cannotOpenWeekMessage(const std::filesystem::path& file) {
    static const std::string text = cp1251::fromUtf8("Ошибка: Невозможно открыть файл ").value();
    return text + pathText(file);
}

WeekLibrary::WeekLibrary(std::filesystem::path programDir, Settings& settings, WeekServices services)
    : m_programDir(std::move(programDir)), m_settings(settings), m_services(std::move(services)) {}

const OpenWeek& WeekLibrary::week() const {
    static const OpenWeek kNone;
    return m_week ? *m_week : kNone;
}

TDateTime WeekLibrary::today() const {
    return m_services.now ? std::floor(m_services.now()) : 0;
}

void WeekLibrary::show(const std::string& text) const {
    if (m_services.messages) {
        m_services.messages->showMessage(text);
    }
}

bool WeekLibrary::FindKNVFile() {
    m_menu.clear();
    const std::filesystem::path folder = weekFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder, error)) {
        show(noWeekFolderMessage());
        return false;
    }
    for (const std::filesystem::path& file : listWeekFiles(folder)) {
        if (std::optional<WeekItem> item = readWeekItem(file)) {
            m_menu.insertByFirstDay(std::move(*item));
        }
    }
    if (m_menu.empty()) {
        m_menu.append(builtInWeekItem());
    }
    if (m_menu.size() == 1) {
        MenuViewWeeksClick(0);
        return true;
    }
    for (const WeekItem& removed : m_menu.trimOldest()) {
        if (m_settings.AutoDeleteOld && m_services.mayDeleteOld && !removed.builtIn()) {
            std::filesystem::remove(removed.path, error);
        }
    }
    MenuViewWeeksClick(m_menu.choose(today()));
    return true;
}

bool WeekLibrary::MenuViewWeeksClick(std::size_t index) {
    if (index >= m_menu.size() || m_menu[index].checked) {
        return false;
    }
    for (;;) {
        try {
            OpenWeek opened = openWeekItem(m_menu[index], today(), m_settings.AutoAlarmOn,
                                           m_services.pickBanner, m_services.bannerLoads);
            m_week = std::move(opened);
            m_menu.check(index);
            break;
        } catch (const std::exception&) {
            show(cannotOpenWeekMessage(m_menu[index].path));
            m_menu.remove(index);
            if (m_menu.empty()) {
                // No readable weekly file is left: the built-in channel list stands in.
                m_menu.append(builtInWeekItem());
            }
            index = m_menu.size() - 1;
            if (m_menu[index].checked) {
                return true; // the newest remaining week is the one still open
            }
        }
    }
    MenuViewWeeksP();
    return true;
}

bool WeekLibrary::reopen() {
    const auto open = m_menu.checkedIndex();
    if (!open) {
        return false;
    }
    m_menu.uncheckAll();
    return MenuViewWeeksClick(*open);
}

void WeekLibrary::MenuViewWeeksP() {
    WeekChannelList list = buildWeekChannels(week().schedule, m_settings, m_logoCount);
    m_channels = std::move(list.channels);
    if (list.error) {
        // The conversion error ends the list, not the open.
        show(*list.error);
    }
}

} // namespace kanavo
