#pragma once
// What the controls of the main window show about the current view: the pressed day,
// the channel button, the type filter and the two search-button captions. The view
// selection and the composer change it; the window only mirrors it.

#include "schedule/ScheduleText.h"

#include <array>
#include <string>

namespace kanavo {

// The channel button: a channel, or "Все каналы" with the channel to come back to.
struct ChannelButton {
    std::string caption; // Windows-1251
    int image = -1;      // channel logo number, -1 for none
    // Remembered while "Все каналы" is shown (the button's hint and tag); image -1 when
    // nothing is remembered.
    std::string rememberedName;
    int rememberedImage = -1;

    bool showsAllChannels() const;
    void show(std::string name, int logo);
    // Enter all-channels: remember the channel shown (if one is) and show "Все каналы".
    void enterAllChannels();
    // The same, but from "Все каналы" the first channel becomes the one remembered.
    void enterAllChannelsResetting(const std::string& firstName, int firstLogo);
    // Leave all-channels: show the remembered channel again.
    void leaveAllChannels();
};

const std::string& allChannelsCaption();

struct ViewState {
    ViewState();

    int CurrentDay = 0; // 0..6, or 8 for "now"
    // The pressed day button and the checked "День" item, which always change together:
    // 0..6, 8, or -1 for none.
    int selectedDay = -1;
    ChannelButton channelButton;
    int CurrentChannelIndex = 0;
    // Per type t: t while the type is shown, t + 15 while it is hidden (the image number
    // its toolbar button, menu item and type-list row carry).
    std::array<int, kProgrammeTypeCount> typeImages{};
    std::string searchCanCaption; // SearchCan
    std::string searchDayCaption; // SearchDay
    std::string searchText;       // SearchText, Windows-1251
    int currentMode = 7;          // the mode composed last

    bool TypeShown(int type) const {
        return type >= 0 && type < kProgrammeTypeCount &&
               typeImages[static_cast<std::size_t>(type)] < kProgrammeTypeCount;
    }
};

} // namespace kanavo
