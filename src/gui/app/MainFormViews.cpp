// The views in the window: opening weeks, and mirroring the core's week, channels, view
// state and listings into the controls.
#include "MainFormImpl.h"

#include "GuiText.h"
#include "TarnGlyphButton.h"
#include "TarnList.h"
#include "tarnpanel.h"
#include "views/DayNames.h"
#include "views/TypeNames.h"

#include <QAction>
#include <QBuffer>
#include <QLabel>
#include <QMenu>
#include <QMovie>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace kanavo {

void TMainForm::Impl::FindKNVFile() {
    weeks->setLogoCount(imageListFastCanal.count());
    weeks->FindKNVFile();
    weekOpened();
}

void TMainForm::Impl::MenuViewWeeksClick(std::size_t index) {
    form.setCursor(Qt::WaitCursor);
    const bool changed = weeks->MenuViewWeeksClick(index);
    form.unsetCursor();
    if (changed) {
        weekOpened();
    } else {
        mirrorWeekMenu();
    }
}

void TMainForm::Impl::weekOpened() {
    mirrorWeekMenu();
    const OpenWeek& week = weeks->week();
    composer->setWeek({&week.schedule, week.WeekStart, &weeks->WeekChannels()});
    mirrorChannels();
    mirrorBanner();
    nowControlsVisible = week.holdsToday;
    dayButtons[kNowDay]->setVisible(nowControlsVisible);
    dayItems[kNowDay]->setVisible(nowControlsVisible);
    dayNowSeparator->setVisible(nowControlsVisible);
    if (week.shouldApplyAutoAlarm) {
        MenuAutoAlarmApplyClick(0);
    }
    selection->weekOpened(weeks->hasOpenWeek() ? week.firstDay : 0);
}

void TMainForm::Impl::mirrorWeekMenu() {
    menuViewWeeks->clear();
    weekItems.clear();
    const WeekMenu& menu = weeks->menu();
    for (std::size_t i = 0; i < menu.size(); ++i) {
        QAction* item = menuViewWeeks->addAction(fromCp(menu[i].caption));
        item->setCheckable(true);
        item->setChecked(menu[i].checked);
        item->setToolTip(fromCp(pathText(menu[i].hint())));
        QObject::connect(item, &QAction::triggered, &form, [this, i] { MenuViewWeeksClick(i); });
        weekItems.push_back(item);
    }
    menuViewWeeks->setToolTipsVisible(true);
}

void TMainForm::Impl::mirrorChannels() {
    menuCanal->clear();
    menuViewCanal->clear();
    for (QToolButton* button : fastButtons) {
        delete button;
    }
    fastButtons.clear();
    QStringList names;
    const auto& channels = weeks->WeekChannels();
    const int iconSize = imageListFastCanal.height();
    int x = 0;
    for (const WeekChannel& channel : channels) {
        const QString name = fromCp(channel.name);
        const QIcon small(imageListSmallCanal.pixmap(channel.logo));
        const int tag = channel.tag;
        for (QMenu* menu : {menuCanal, menuViewCanal}) {
            QAction* item = menu->addAction(small, name);
            QObject::connect(item, &QAction::triggered, &form,
                             [this, tag] { selection->MenuCanalClick(tag); });
        }
        auto* button = new QToolButton(toolbarFastCanal);
        button->setObjectName(QStringLiteral("FastCanal%1").arg(tag));
        QIcon icon;
        icon.addPixmap(imageListFastCanal.pixmap(channel.logo), QIcon::Normal);
        icon.addPixmap(imageListFastCanalColor.pixmap(channel.logo), QIcon::Active);
        button->setIcon(settings.ColorLogos ? QIcon(imageListFastCanalColor.pixmap(channel.logo)) : icon);
        button->setIconSize(QSize(iconSize, iconSize));
        button->setAutoRaise(true);
        button->setToolTip(name);
        button->setFixedSize(iconSize + 6, iconSize + 6);
        x += button->width();
        QObject::connect(button, &QToolButton::clicked, &form,
                         [this, tag] { selection->MenuCanalClick(tag); });
        fastButtons.push_back(button);
        names << name;
    }
    toolbarFastCanal->resize(std::max(x, 1), iconSize + 6);
    fastChevron->raise();
    layoutFastCanal();
    fastList.list->setLines4(names);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        fastList.list->setImageIndex4(static_cast<int>(i), channels[i].logo);
    }
    listPanelResize(fastList);
}

void TMainForm::Impl::mirrorBanner() {
    if (bannerMovie) {
        bannerMovie->stop();
        delete bannerMovie;
        bannerMovie = nullptr;
    }
    banner->clear();
    bannerData.reset();
    bannerAddress.clear();
    const auto& picture = weeks->week().banner;
    if (!picture) {
        panelReklama->hide();
        return;
    }
    bannerAddress = picture->address;
    bannerData = std::make_unique<QBuffer>();
    bannerData->setData(reinterpret_cast<const char*>(picture->gif.data()),
                        static_cast<qsizetype>(picture->gif.size()));
    bannerData->open(QIODevice::ReadOnly);
    bannerMovie = new QMovie(bannerData.get(), QByteArray(), banner);
    banner->setMovie(bannerMovie);
    bannerMovie->start();
    const QSize size = bannerMovie->currentPixmap().size();
    banner->resize(size);
    banner->setToolTip(fromCp(bannerAddress));
    panelReklama->setFixedHeight(4 * border.bh + size.height());
    panelReklama->show();
    layoutBanner();
}

const ImageList* TMainForm::Impl::images(RowImages kind) const {
    return kind == RowImages::SmallCanal ? &imageListSmallCanal : &imageListType;
}

int TMainForm::Impl::col1TextWidth(std::string_view text, RowImages kind) {
    tv.list->setImages1(images(kind));
    return tv.list->Col1TextWidth(fromCp(text));
}

void TMainForm::Impl::showListing(const Listing& listing) {
    // No tick may run against a half-filled list; the first tick comes after the first
    // listing.
    timer->stop();
    ++composing;
    form.setCursor(Qt::WaitCursor);
    TTarnList* list = tv.list;
    list->hide();
    QStringList lines1;
    QStringList lines4;
    const int count = static_cast<int>(listing.rows.size());
    for (int i = 0; i < count; ++i) {
        const ListingRow& row = listing.rows[static_cast<std::size_t>(i)];
        lines1 << fromCp(row.lines1);
        lines4 << fromCp(row.lines4);
        list->setImageIndex1(i, row.imageIndex1);
        list->setImageIndex4(i, row.imageIndex4);
        list->setStartTime(i, row.startTime);
        list->setEndTime(i, row.endTime);
    }
    // The row after the last is no programme to come, whatever an earlier listing left there.
    list->setStartTime(count, 0);
    list->setEndTime(count, 0);
    list->setLines1(lines1);
    list->setLines4(lines4);
    list->setImages1(images(listing.images1));
    list->setCol1Width(listing.col1Width);
    list->setPopupMenu(listing.alarmPopup ? menuAlarm : nullptr);
    if (listing.col3Width) {
        list->setCol3Width(*listing.col3Width);
    }
    labelDay->setText(fromCp(listing.heading));
    mirrorViewState();

    if (listing.scrollToTop) {
        list->move(list->x(), 0);
    }
    list->show();
    listPanelResize(tv);
    if (listing.firstFutureIndex != -1) {
        list->move(list->x(), -(listing.firstFutureIndex - 2) * list->ItemHeight());
    }
    if (list->y() < 0) {
        tv.up->show();
    }
    tv.down->show();
    form.unsetCursor();
    if (--composing == 0) {
        timer->start();
    }
}

void TMainForm::Impl::mirrorViewState() {
    const ViewState& state = selection->state();
    for (int day : {0, 1, 2, 3, 4, 5, 6, kNowDay}) {
        dayButtons[static_cast<std::size_t>(day)]->setDown(state.selectedDay == day);
        dayItems[static_cast<std::size_t>(day)]->setChecked(state.selectedDay == day);
    }
    const ChannelButton& channel = state.channelButton;
    buttonCanal->setText(fromCp(channel.caption));
    const ImageList& icons = buttonCanal->iconSize().height() > imageListSmallCanal.height()
                                 ? imageListFastCanalColor
                                 : imageListSmallCanal;
    buttonCanal->setIcon(channel.image >= 0 ? QIcon(icons.pixmap(channel.image)) : QIcon());
    buttonCanal->setToolTip(fromCp(channel.rememberedName));
    searchCan->setText(fromCp(state.searchCanCaption));
    searchDay->setText(fromCp(state.searchDayCaption));
    mirrorTypes();
}

void TMainForm::Impl::mirrorTypes() {
    const ViewState& state = selection->state();
    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        const int image = state.typeImages[static_cast<std::size_t>(t)];
        const QIcon icon(imageListType.pixmap(image));
        typeButtons[static_cast<std::size_t>(t)]->setIcon(icon);
        typeItems[static_cast<std::size_t>(t)]->setIcon(icon);
        types.list->setImageIndex4(t, image);
    }
    const auto alarmButtons = toolbarAlarm->findChildren<QToolButton*>();
    for (QToolButton* button : alarmButtons) {
        const bool today = button->objectName() == QStringLiteral("TBAlarmToday");
        button->setIcon(QIcon(imageListType.pixmap(today ? 31 : kBellImage)));
        button->setIconSize(typeButtons[0]->iconSize());
    }
}

} // namespace kanavo
