// Building the main window: its panels top to bottom, the menus and the wiring of every
// control to its command.
#include "MainFormImpl.h"

#include "GuiText.h"
#include "TarnGlyphButton.h"
#include "TarnList.h"
#include "tarnpanel.h"
#include "views/DayNames.h"
#include "views/TypeNames.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kanavo {

void TMainForm::Impl::buildWindow() {
    central = new QWidget(&form);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildHeader(central);
    buildFastCanal(central);
    buildMain(central);
    buildBanner(central);
    buildStatus(central);
    column->addWidget(panelHeader);
    column->addWidget(panelFastCanal);
    column->addWidget(panelMain, 1);
    column->addWidget(panelReklama);
    column->addWidget(panelStatus);
    form.setCentralWidget(central);
    buildMenus();

    timer = new QTimer(&form);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, &form, [this] { TimerTimer(); });
}

void TMainForm::Impl::buildHeader(QWidget* parent) {
    panelHeader = new QWidget(parent);
    auto* row = new QHBoxLayout(panelHeader);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    panelHeader->setObjectName(QStringLiteral("PanelHeader"));
    panelCanal = new TTarnScinPanel(panelHeader);
    panelCanal->setObjectName(QStringLiteral("PanelCanal"));
    buttonCanal = new QToolButton(panelCanal);
    buttonCanal->setObjectName(QStringLiteral("ButtonCanal"));
    buttonCanal->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    buttonCanal->setPopupMode(QToolButton::InstantPopup);
    buttonCanal->setAutoRaise(true);
    menuCanal = new QMenu(buttonCanal);
    menuCanal->setObjectName(QStringLiteral("MenuCanal"));
    buttonCanal->setMenu(menuCanal);

    panelDay = new TTarnScinPanel(panelHeader);
    panelDay->setObjectName(QStringLiteral("PanelDay"));
    for (int day : {0, 1, 2, 3, 4, 5, 6, kNowDay}) {
        auto* button = new TTarnGlyphButton(panelDay);
        button->setObjectName(QStringLiteral("ButtonDay%1").arg(day));
        button->setToolTip(fromCp(dayCaption(day)));
        QObject::connect(button, &TTarnGlyphButton::OnClick, &form,
                         [this, day] { selection->MenuViewDayClick(day); });
        QObject::connect(button, &TTarnGlyphButton::OnMouseMove, &form, [this] { stopScrolling(); });
        dayButtons[static_cast<std::size_t>(day)] = button;
    }
    row->addWidget(panelCanal);
    row->addWidget(panelDay, 1);
}

void TMainForm::Impl::buildFastCanal(QWidget* parent) {
    panelFastCanal = new TTarnScinPanel(parent);
    panelFastCanal->setObjectName(QStringLiteral("PanelFastCanal"));
    buttonFastLeft = new TTarnGlyphButton(panelFastCanal);
    buttonFastRight = new TTarnGlyphButton(panelFastCanal);
    panelFastSel = new QWidget(panelFastCanal);
    toolbarFastCanal = new QWidget(panelFastSel);
    toolbarFastCanal->setObjectName(QStringLiteral("ToolbarFastCanal"));
    buttonFastLeft->setObjectName(QStringLiteral("ButtonFastLeft"));
    buttonFastRight->setObjectName(QStringLiteral("ButtonFastRight"));
    toolbarFastCanal->setMouseTracking(true);
    fastChevron = new QToolButton(panelFastSel);
    fastChevron->setText(QStringLiteral("»"));
    fastChevron->setToolTip(QStringLiteral("Ещё каналы"));
    fastChevron->setAutoRaise(true);
    fastChevron->setPopupMode(QToolButton::InstantPopup);
    fastChevron->setMenu(new QMenu(fastChevron));
    fastChevron->setFixedWidth(18);
    fastChevron->setObjectName(QStringLiteral("FastCanalMore"));
    fastChevron->hide();
    connectScrollButton(buttonFastRight, 7, buttonFastLeft);
    connectScrollButton(buttonFastLeft, 8, buttonFastRight);
    buttonFastLeft->hide();
    buttonFastRight->hide();
}

ClippedList TMainForm::Impl::buildClippedList(QWidget* parent) {
    ClippedList clipped;
    clipped.clip = new QWidget(parent);
    clipped.list = new TTarnList(clipped.clip);
    clipped.list->setClock(&clock);
    clipped.list->setAutoSize(true);
    clipped.list->setShowHint(true);
    clipped.up = new TTarnGlyphButton(clipped.clip);
    clipped.up->setAlign(TTarnGlyphButton::Docking::Top);
    clipped.up->setBorder(true);
    clipped.down = new TTarnGlyphButton(clipped.clip);
    clipped.down->setAlign(TTarnGlyphButton::Docking::Bottom);
    clipped.down->setBorder(true);
    clipped.up->hide();
    clipped.down->hide();
    QObject::connect(clipped.list, &TTarnList::OnMouseMove, &form, [this] { stopScrolling(); });
    return clipped;
}

void TMainForm::Impl::buildMain(QWidget* parent) {
    panelMain = new QWidget(parent);
    auto* row = new QHBoxLayout(panelMain);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    splitter = new QSplitter(Qt::Horizontal, panelMain);
    splitter->setHandleWidth(2);
    splitter->setChildrenCollapsible(false);
    row->addWidget(splitter);

    panelExtCanalMain = new TTarnScinPanel(splitter);
    labelCanal = new QLabel(QStringLiteral("Быстрые каналы"), panelExtCanalMain);
    fastList = buildClippedList(panelExtCanalMain);
    fastList.list->setObjectName(QStringLiteral("TarnList2"));
    QObject::connect(fastList.list, &TTarnList::OnClick, &form, [this] {
        if (fastList.list->GetItemIndex() >= 0) {
            selection->MenuCanalClick(fastList.list->GetItemIndex());
        }
    });

    auto* centre = new QWidget(splitter);
    auto* stack = new QVBoxLayout(centre);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    panelType = new TTarnScinPanel(centre);
    auto* typeRow = new QHBoxLayout(panelType);
    typeRow->setSpacing(0);
    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        auto* button = new QToolButton(panelType);
        button->setObjectName(QStringLiteral("TBItemType%1").arg(t + 1));
        button->setAutoRaise(true);
        button->setToolTip(fromCp(typeButtonHint(t)));
        QObject::connect(button, &QToolButton::clicked, &form, [this, t] {
            selection->TBItemType1Click(selection->state().typeImages[static_cast<std::size_t>(t)]);
        });
        typeButtons[static_cast<std::size_t>(t)] = button;
        typeRow->addWidget(button);
    }
    typeRow->addStretch(1);

    panelSearch = new TTarnScinPanel(centre);
    auto* searchRow = new QHBoxLayout(panelSearch);
    labelSearch = new QLabel(QStringLiteral("Поиск:"), panelSearch);
    searchText = new QLineEdit(panelSearch);
    searchText->setObjectName(QStringLiteral("SearchText"));
    searchText->setMaxLength(255);
    searchButton = new QPushButton(QStringLiteral("Искать"), panelSearch);
    searchCan = new QPushButton(QStringLiteral("Канал на неделю"), panelSearch);
    searchDay = new QPushButton(QStringLiteral("Понедельник все каналы"), panelSearch);
    searchButton->setObjectName(QStringLiteral("Search"));
    searchCan->setObjectName(QStringLiteral("SearchCan"));
    searchDay->setObjectName(QStringLiteral("SearchDay"));
    for (QPushButton* button : {searchButton, searchCan, searchDay}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
    }
    searchRow->addWidget(labelSearch);
    searchRow->addWidget(searchText, 1);
    searchRow->addWidget(searchButton);
    searchRow->addWidget(searchCan);
    searchRow->addWidget(searchDay);
    QObject::connect(searchText, &QLineEdit::textChanged, &form,
                     [this](const QString& text) { selection->state().searchText = toCp(text); });
    QObject::connect(searchText, &QLineEdit::returnPressed, &form,
                     [this] { selection->SearchTextKeyDown(ViewSelection::kKeyEnter); });
    QObject::connect(searchButton, &QPushButton::clicked, &form, [this] { selection->SearchClick(); });
    QObject::connect(searchCan, &QPushButton::clicked, &form, [this] { selection->SearchCanClick(); });
    QObject::connect(searchDay, &QPushButton::clicked, &form, [this] { selection->SearchDayClick(); });

    panelTV = new TTarnScinPanel(centre);
    labelDay = new QLabel(panelTV);
    labelDay->setObjectName(QStringLiteral("LabelDay"));
    panelTV->setObjectName(QStringLiteral("PanelTV"));
    tv = buildClippedList(panelTV);
    tv.list->setShowHintLine(true);
    tv.list->setObjectName(QStringLiteral("TarnList3"));
    tv.up->setObjectName(QStringLiteral("ButtonTVUp"));
    tv.down->setObjectName(QStringLiteral("ButtonTVDown"));
    connectScrollButton(tv.up, 5, tv.down);
    connectScrollButton(tv.down, 6, tv.up);

    stack->addWidget(panelType);
    stack->addWidget(panelSearch);
    stack->addWidget(panelTV, 1);

    panelExtTypeMain = new TTarnScinPanel(splitter);
    labelView = new QLabel(QStringLiteral("Показывать"), panelExtTypeMain);
    types = buildClippedList(panelExtTypeMain);
    types.list->setObjectName(QStringLiteral("TarnList1"));
    QObject::connect(types.list, &TTarnList::OnClick, &form, [this] {
        const int row = types.list->GetItemIndex();
        if (row >= 0) {
            selection->TBItemType1Click(types.list->ImageIndex4(row));
        }
    });
    connectScrollButton(types.up, 1, types.down);
    connectScrollButton(types.down, 2, types.up);
    connectScrollButton(fastList.up, 3, fastList.down);
    connectScrollButton(fastList.down, 4, fastList.up);
    types.down->show();
    fastList.down->show();

    splitter->addWidget(panelExtCanalMain);
    splitter->addWidget(centre);
    splitter->addWidget(panelExtTypeMain);
    splitter->setStretchFactor(1, 1);
    // The columns come with the placement menus; until then the listing has the width.
    panelExtCanalMain->hide();
    panelExtTypeMain->hide();

    for (QWidget* area : std::initializer_list<QWidget*>{panelType, panelSearch, panelTV}) {
        area->setMouseTracking(true);
    }
}

void TMainForm::Impl::buildBanner(QWidget* parent) {
    panelReklama = new TTarnScinPanel(parent);
    banner = new QLabel(panelReklama);
    banner->setCursor(Qt::PointingHandCursor);
}

void TMainForm::Impl::buildStatus(QWidget* parent) {
    panelStatus = new QWidget(parent);
    auto* row = new QHBoxLayout(panelStatus);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    panelClock = new TTarnScinPanel(panelStatus);
    labelClock = new QLabel(panelClock);
    labelClock->setObjectName(QStringLiteral("LabelClock"));
    labelClock->setAlignment(Qt::AlignCenter);
    panelToday = new TTarnScinPanel(panelStatus);
    labelToday = new QLabel(panelToday);
    labelToday->setObjectName(QStringLiteral("LabelToday"));
    for (TTarnScinPanel* panel : {panelClock, panelToday}) {
        auto* inside = new QHBoxLayout(panel);
        inside->setContentsMargins(3, 2, 3, 2);
        inside->addWidget(panel == panelClock ? labelClock : labelToday);
    }
    row->addWidget(panelClock);
    row->addWidget(panelToday, 1);
}

void TMainForm::Impl::connectScrollButton(TTarnGlyphButton* button, int direction,
                                          TTarnGlyphButton* opposite) {
    QObject::connect(button, &TTarnGlyphButton::OnMouseEnter, &form, [this, direction, opposite] {
        scrollDirection = direction;
        opposite->show();
    });
    QObject::connect(button, &TTarnGlyphButton::OnMouseExit, &form, [this] { stopScrolling(); });
    // A held button scrolls twice as fast.
    QObject::connect(button, &TTarnGlyphButton::OnMouseDown, &form, [this] { scrollStep = 12; });
    QObject::connect(button, &TTarnGlyphButton::OnMouseUp, &form, [this] { scrollStep = 6; });
}

void TMainForm::Impl::buildMenus() {
    QMenuBar* bar = form.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&Файл"));
    QAction* quit = file->addAction(QStringLiteral("Выход"));
    quit->setObjectName(QStringLiteral("MenuFileExit"));
    QObject::connect(quit, &QAction::triggered, &form, [this] { form.close(); });

    QMenu* view = bar->addMenu(QStringLiteral("&Показывать"));
    menuViewWeeks = view->addMenu(QStringLiteral("Неделя"));
    QMenu* days = view->addMenu(QStringLiteral("День"));
    for (int day : {0, 1, 2, 3, 4, 5, 6, kNowDay}) {
        if (day == kNowDay) {
            dayNowSeparator = days->addSeparator();
        }
        QAction* item = days->addAction(fromCp(dayCaption(day)));
        item->setObjectName(QStringLiteral("MenuViewDay%1").arg(day));
        item->setCheckable(true);
        QObject::connect(item, &QAction::triggered, &form, [this, day] { selection->MenuViewDayClick(day); });
        dayItems[static_cast<std::size_t>(day)] = item;
    }
    menuViewCanal = view->addMenu(QStringLiteral("Канал"));
    menuViewCanal->setObjectName(QStringLiteral("MenuViewCanal"));
    menuViewWeeks->setObjectName(QStringLiteral("MenuViewWeeks"));
    QMenu* typeMenu = view->addMenu(QStringLiteral("Типы передач"));
    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        QAction* item = typeMenu->addAction(fromCp(typeMenuCaption(t)));
        item->setObjectName(QStringLiteral("MenuViewType%1").arg(t));
        QObject::connect(item, &QAction::triggered, &form, [this, t] {
            selection->TBItemType1Click(selection->state().typeImages[static_cast<std::size_t>(t)]);
        });
        typeItems[static_cast<std::size_t>(t)] = item;
    }
    typeMenu->addSeparator();
    QAction* showAll = typeMenu->addAction(QStringLiteral("Показывать все"));
    QAction* showNone = typeMenu->addAction(QStringLiteral("Не показывать ничего"));
    showAll->setObjectName(QStringLiteral("MenuViewTypeAll"));
    showNone->setObjectName(QStringLiteral("MenuViewTypeNone"));
    QObject::connect(showAll, &QAction::triggered, &form, [this] { selection->PopupExtTypeYesClick(0); });
    QObject::connect(showNone, &QAction::triggered, &form, [this] { selection->PopupExtTypeYesClick(1); });

    buildAlarmControls(view, panelType);

    QMenu* look = bar->addMenu(QStringLiteral("&Внешний вид"));
    menuSkins = look->addMenu(QStringLiteral("Скины"));
    for (int tag : {0, 1}) {
        QAction* item = menuSkins->addAction(tag == 0 ? QStringLiteral("Стандартный 1")
                                                      : QStringLiteral("Стандартный 2"));
        item->setCheckable(true);
        item->setObjectName(QStringLiteral("MenuSetupSkin%1").arg(tag));
        QObject::connect(item, &QAction::triggered, &form, [this, tag] { MenuSetupSkinClick(tag); });
        skinItems.push_back(item);
    }
}

} // namespace kanavo
