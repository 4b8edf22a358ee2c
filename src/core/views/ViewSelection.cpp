#include "views/ViewSelection.h"

#include "views/BroadcastDay.h"
#include "views/DayNames.h"

#include <utility>

namespace kanavo {

ViewSelection::ViewSelection(const ListingComposer& composer, ListingSink sink)
    : m_composer(composer), m_sink(std::move(sink)) {}

const std::vector<WeekChannel>& ViewSelection::channels() const {
    static const std::vector<WeekChannel> none;
    const auto* list = m_composer.week().channels;
    return list ? *list : none;
}

void ViewSelection::compose(int mode, bool scrollToTop) {
    m_listing = m_composer.WriteTV(mode, m_state);
    m_listing.scrollToTop = scrollToTop;
    if (m_sink) {
        m_sink(m_listing);
    }
}

void ViewSelection::weekOpened(int firstDay) {
    const auto& list = channels();
    if (list.empty()) {
        m_state.channelButton.show(std::string(), -1);
    } else {
        m_state.channelButton.show(list.front().name, list.front().logo);
    }
    // The arrow keys start again from the first channel of the new week.
    m_state.CurrentChannelIndex = 0;
    m_state.selectedDay = -1;
    MenuViewDayClick(firstDay);
}

void ViewSelection::MenuViewDayClick(int day) {
    if (m_state.selectedDay == day) {
        return;
    }
    m_state.CurrentDay = day;
    m_state.selectedDay = day;
    ChannelButton& button = m_state.channelButton;
    if (button.showsAllChannels()) {
        if (button.rememberedImage == -1) {
            const auto& list = channels();
            button.show(list.empty() ? std::string() : list.front().name,
                        list.empty() ? -1 : list.front().logo);
        } else {
            button.leaveAllChannels();
        }
    }
    compose(day, true);
}

void ViewSelection::MenuCanalClick(int index) {
    const auto& list = channels();
    if (index < 0 || index >= static_cast<int>(list.size())) {
        return;
    }
    m_state.CurrentChannelIndex = index;
    const WeekChannel& channel = list[static_cast<std::size_t>(index)];
    if (m_state.channelButton.caption == channel.name) {
        return;
    }
    m_state.channelButton.show(channel.name, channel.logo);
    if (m_state.selectedDay == kNowDay) {
        // From "now", the new channel opens on today's broadcast day.
        MenuViewDayClick(TodayIndex(m_composer.clock().now(), m_composer.settings().DayStartTime));
        return;
    }
    m_state.selectedDay = m_state.CurrentDay;
    compose(m_state.CurrentDay);
}

void ViewSelection::TypeClick(int imageNumber) {
    const bool hidden = imageNumber >= kProgrammeTypeCount;
    const int type = hidden ? imageNumber - kProgrammeTypeCount : imageNumber;
    if (type < 0 || type >= kProgrammeTypeCount) {
        return;
    }
    m_state.typeImages[static_cast<std::size_t>(type)] = hidden ? type : type + kProgrammeTypeCount;
}

void ViewSelection::TBItemType1Click(int imageNumber) {
    TypeClick(imageNumber);
    // The view on show again, whichever it is: a day number would turn an all-channels
    // or search view into a day of the channel "Все каналы".
    compose(m_state.currentMode);
}

void ViewSelection::PopupExtTypeYesClick(int tag) {
    const bool hideAll = tag == 1;
    for (const int image : m_state.typeImages) {
        if (hideAll ? image < kProgrammeTypeCount : image >= kProgrammeTypeCount) {
            TypeClick(image);
        }
    }
    compose(m_state.currentMode);
}

bool ViewSelection::SearchTextKeyDown(int key) {
    if (key != kKeyEnter) {
        return false;
    }
    SearchClick();
    return true;
}

KeyRequest ViewSelection::FormKeyDown(int key) {
    const int count = static_cast<int>(channels().size());
    switch (key) {
    case kKeyF1:
        return KeyRequest::OpenHelp;
    case kKeyUp:
        return KeyRequest::ScrollUp;
    case kKeyDown:
        return KeyRequest::ScrollDown;
    case kKeyLeft:
    case kKeyRight:
        if (count > 0) {
            int index = m_state.CurrentChannelIndex + (key == kKeyLeft ? -1 : 1);
            if (index < 0) {
                index = count - 1;
            } else if (index >= count) {
                index = 0;
            }
            m_state.CurrentChannelIndex = index;
            MenuCanalClick(index);
        }
        return KeyRequest::None;
    default:
        return KeyRequest::None;
    }
}

} // namespace kanavo
