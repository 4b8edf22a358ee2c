#include "views/ViewState.h"

#include "base/Cp1251.h"

#include <utility>

namespace kanavo {

const std::string& allChannelsCaption() {
    static const std::string text = cp1251::fromUtf8("Все каналы").value();
    return text;
}

bool ChannelButton::showsAllChannels() const {
    return caption == allChannelsCaption();
}

void ChannelButton::show(std::string name, int logo) {
    caption = std::move(name);
    image = logo;
}

void ChannelButton::enterAllChannels() {
    if (!showsAllChannels()) {
        rememberedName = caption;
        rememberedImage = image;
    }
    show(allChannelsCaption(), -1);
}

void ChannelButton::enterAllChannelsResetting(const std::string& firstName, int firstLogo) {
    if (showsAllChannels()) {
        rememberedName = firstName;
        rememberedImage = firstLogo;
    }
    enterAllChannels();
}

void ChannelButton::leaveAllChannels() {
    if (showsAllChannels()) {
        show(rememberedName, rememberedImage);
    }
}

ViewState::ViewState()
    : searchCanCaption(cp1251::fromUtf8("Канал на неделю").value()),
      searchDayCaption(cp1251::fromUtf8("Понедельник все каналы").value()) {
    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        typeImages[static_cast<std::size_t>(t)] = t;
    }
}

} // namespace kanavo
