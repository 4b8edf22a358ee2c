#pragma once
// The commands that choose what the listing shows: the day controls, the channel
// controls, the type filter, the search panel and the keys. Each changes the view state
// and composes exactly one listing, except the commands that change nothing: a click on
// the checked day, a click on the channel already shown, and TypeClick on its own.

#include "views/ListingComposer.h"

#include <functional>

namespace kanavo {

// What a key asks of the window beyond the view commands.
enum class KeyRequest {
    None,
    OpenHelp,   // F1
    ScrollUp,   // up arrow: the listing moves by one row
    ScrollDown, // down arrow
};

class ViewSelection {
public:
    // Receives every composed listing, for the window to show.
    using ListingSink = std::function<void(const Listing&)>;

    ViewSelection(const ListingComposer& composer, ListingSink sink);

    ViewState& state() { return m_state; }
    const ViewState& state() const { return m_state; }
    const Listing& listing() const { return m_listing; }

    // A week was opened: its first channel on the button, then the first listing (the
    // "now" view or Monday).
    void weekOpened(int firstDay);

    // Key codes of the window system's virtual keys.
    static constexpr int kKeyEnter = 13;
    static constexpr int kKeyLeft = 37;
    static constexpr int kKeyUp = 38;
    static constexpr int kKeyRight = 39;
    static constexpr int kKeyDown = 40;
    static constexpr int kKeyF1 = 112;

    void MenuViewDayClick(int day);
    // `index`: the position of the channel item or fast-channel button.
    void MenuCanalClick(int index);
    // Flips one type between shown and hidden by its current image number; composes
    // nothing.
    void TypeClick(int imageNumber);
    void TBItemType1Click(int imageNumber);
    // Tag 0: "Показывать все"; tag 1: "Не показывать ничего".
    void PopupExtTypeYesClick(int tag);
    void SearchCanClick() { compose(10); }
    void SearchDayClick() { compose(9); }
    void SearchClick() { compose(11); }
    // True when the key was taken (Enter runs the search); other keys belong to the field.
    bool SearchTextKeyDown(int key);
    KeyRequest FormKeyDown(int key);

    // Composes `mode` and hands the listing to the sink.
    void compose(int mode, bool scrollToTop = false);

private:
    const std::vector<WeekChannel>& channels() const;

    const ListingComposer& m_composer;
    ListingSink m_sink;
    ViewState m_state;
    Listing m_listing;
};

} // namespace kanavo
