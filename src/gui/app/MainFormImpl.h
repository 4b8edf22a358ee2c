#pragma once
// The inside of TMainForm, shared by the files that build it, mirror the views, run the
// timer and apply the skin. Widgets are owned by their Qt parents; the pointers here only
// name them.

#include "AppContext.h"
#include "ImageList.h"
#include "MainForm.h"
#include "appearance/SkinMetrics.h"
#include "appearance/SkinValues.h"
#include "schedule/WeekLibrary.h"
#include "settings/Settings.h"
#include "views/ListingComposer.h"
#include "views/ViewSelection.h"

#include <QPointer>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QBuffer;
class QLabel;
class QLineEdit;
class QMenu;
class QMovie;
class QPushButton;
class QSplitter;
class QTimer;
class QToolButton;

namespace kanavo {

class TAutoAlarmForm;
class MenuSkin;
class TTarnGlyphButton;
class TTarnList;
class TTarnScinPanel;

// A list inside its clipping panel, with the two scroll buttons docked at the panel's top
// and bottom.
struct ClippedList {
    QWidget* clip = nullptr; // Panel1, Panel2, Panel3
    TTarnList* list = nullptr;
    TTarnGlyphButton* up = nullptr;
    TTarnGlyphButton* down = nullptr;
};

struct TMainForm::Impl {
    Impl(TMainForm& form, AppContext context);
    ~Impl();

    TMainForm& form;
    AppContext context;
    const Clock& clock;

    // Core state.
    Settings settings;
    std::unique_ptr<WeekLibrary> weeks;
    std::unique_ptr<ListingComposer> composer;
    std::unique_ptr<ViewSelection> selection;
    bool nowControlsVisible = false;
    int composing = 0;

    // Images (filled by the skin).
    SkinMetrics border{3, 3};
    SkinValues skin;
    int skinTag = -1;
    MenuSkin* menuSkin = nullptr;
    QPixmap borderBitmap;
    ImageList imageListType;           // programme types, their switched-off forms, bells
    ImageList imageListSmallCanal;     // channel logos of the menus and the channel list
    ImageList imageListFastCanal;      // gray logos of the fast-channel strip
    ImageList imageListFastCanalColor; // coloured logos
    ImageList menuImages;

    // Structure, top to bottom.
    QWidget* central = nullptr;
    QWidget* panelHeader = nullptr;
    TTarnScinPanel* panelCanal = nullptr;
    QToolButton* buttonCanal = nullptr;
    QMenu* menuCanal = nullptr;
    TTarnScinPanel* panelDay = nullptr;
    std::array<TTarnGlyphButton*, 9> dayButtons{}; // index = day tag; 7 unused
    TTarnScinPanel* panelFastCanal = nullptr;
    TTarnGlyphButton* buttonFastLeft = nullptr;
    TTarnGlyphButton* buttonFastRight = nullptr;
    QWidget* panelFastSel = nullptr;
    QWidget* toolbarFastCanal = nullptr;
    std::vector<QToolButton*> fastButtons;
    QToolButton* fastChevron = nullptr; // the channels that do not fit, when the toolbar fills the strip
    QWidget* panelMain = nullptr;
    QSplitter* splitter = nullptr; // the columns and the centre
    TTarnScinPanel* panelType = nullptr;
    std::array<QToolButton*, kProgrammeTypeCount> typeButtons{};
    TTarnScinPanel* panelSearch = nullptr;
    QLabel* labelSearch = nullptr;
    QPushButton* searchCan = nullptr;
    QPushButton* searchDay = nullptr;
    QPushButton* searchButton = nullptr;
    QLineEdit* searchText = nullptr;
    TTarnScinPanel* panelTV = nullptr;
    QLabel* labelDay = nullptr;
    ClippedList tv;
    TTarnScinPanel* panelExtTypeMain = nullptr;
    QLabel* labelView = nullptr;
    ClippedList types;
    TTarnScinPanel* panelExtCanalMain = nullptr;
    QLabel* labelCanal = nullptr;
    ClippedList fastList;
    TTarnScinPanel* panelReklama = nullptr;
    QLabel* banner = nullptr;
    QMovie* bannerMovie = nullptr;
    std::unique_ptr<QBuffer> bannerData;
    std::string bannerAddress;
    QWidget* panelStatus = nullptr;
    TTarnScinPanel* panelClock = nullptr;
    QLabel* labelClock = nullptr;
    TTarnScinPanel* panelToday = nullptr;
    QLabel* labelToday = nullptr;

    // Menus.
    QMenu* menuViewWeeks = nullptr;
    std::vector<QAction*> weekItems;
    std::array<QAction*, 9> dayItems{}; // index = day tag; 7 unused
    QAction* dayNowSeparator = nullptr;
    QMenu* menuViewCanal = nullptr;
    std::array<QAction*, kProgrammeTypeCount> typeItems{};
    QMenu* menuSkins = nullptr;
    std::vector<QAction*> skinItems;

    // Reminders.
    QMenu* menuViewAlarm = nullptr;
    QAction* menuViewAlarmSeparator = nullptr;
    QWidget* toolbarAlarm = nullptr;
    QMenu* menuAlarm = nullptr;
    QAction* menuAlarmDel = nullptr;
    int alarmPopupRow = -1;
    bool AlarmListToday = false;
    bool startupDone = false;
    int weekCheckState = 0; // 0 not run, 1 no current week, 2 a current week exists
    TAutoAlarmForm* autoAlarmForm = nullptr;

    QTimer* timer = nullptr;
    int scrollDirection = 0;
    int scrollStep = 6;

    // Building (MainFormBuild.cpp).
    void buildWindow();
    void buildMenus();
    void buildHeader(QWidget* parent);
    void buildFastCanal(QWidget* parent);
    void buildMain(QWidget* parent);
    void buildBanner(QWidget* parent);
    void buildStatus(QWidget* parent);
    ClippedList buildClippedList(QWidget* parent);
    void connectScrollButton(TTarnGlyphButton* button, int direction, TTarnGlyphButton* opposite);

    // Geometry (MainFormLayout.cpp): the hand-placed parts of the panels.
    void layoutDayButtons();
    void layoutPanelCanal();
    void layoutPanelTV();
    void layoutSidePanel(TTarnScinPanel* panel, QLabel* label, ClippedList& list);
    void layoutFastCanal();
    void layoutBanner();
    void listPanelResize(ClippedList& list);
    void PanelFastSelResize();
    void layoutFastButtonsWithChevron();
    bool layoutEvent(QObject* watched);

    // Views (MainFormViews.cpp).
    void FindKNVFile();
    void MenuViewWeeksClick(std::size_t index);
    void weekOpened();
    void mirrorWeekMenu();
    void mirrorChannels();
    void mirrorBanner();
    void showListing(const Listing& listing);
    void mirrorViewState();
    void mirrorTypes();
    int col1TextWidth(std::string_view text, RowImages images);
    const ImageList* images(RowImages kind) const;

    // The timer (MainFormTimer.cpp).
    void TimerTimer();
    void updateClock();
    void refreshNowView();
    void refreshColours();
    void scrollTick();
    void clampLists();
    void scrollByKey(int rows);
    void stopScrolling() { scrollDirection = 0; }

    // Reminders (MainFormAlarms.cpp).
    void buildAlarmControls(QMenu* view, QWidget* typeStrip);
    void TBAlarmAllClick();
    void TBAlarmTodayClick();
    void MenuViewAlarmDeleteClick();
    void MenuAlarmPopup();
    void MenuAlarmDelClick();
    void MenuAlarmDelAllClick();
    void MenuAutoAlarmClick();
    void MenuAutoAlarmApplyClick(int senderTag);
    void TarnList3MouseDown(Qt::MouseButton button);
    void startupActions();
    void weekCheck();
    void fireDueReminder();
    void recomposeAlarmList();

    // Skin (MainFormSkin.cpp).
    void MenuSetupSkinClick(int tag);
    void applySkin(int tag);
    QPixmap skinBitmap(SkinBitmap bitmap) const;

    // Settings (MainFormSettings.cpp).
    void LoadProc();
    void SaveProc();
    void SetupApply();
    void placeFastChannels(int place);
    void placeTypes(int place);
    void placeSearch(int place);
    FormPosition parkedBounds; // where a start parked off screen will be restored to
};

} // namespace kanavo
