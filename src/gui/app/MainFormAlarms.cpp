// Reminders in the window: the alarm menu and toolbar, the alarm list's popup, marking a
// programme by a click on its row, the keyword auto-alarm, and the timer's start-up
// actions, week check and due reminder.
#include "MainFormImpl.h"

#include "GuiText.h"
#include "TAutoAlarmForm.h"
#include "TarnList.h"
#include "alarms/AlarmList.h"
#include "alarms/AutoAlarm.h"
#include "alarms/Marking.h"
#include "tarnpanel.h"
#include "views/DayNames.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace kanavo {

void TMainForm::Impl::buildAlarmControls(QMenu* view, QWidget* typeStrip) {
    menuViewAlarmSeparator = view->addSeparator();
    menuViewAlarm = view->addMenu(QStringLiteral("&Оповещение"));
    menuViewAlarm->setObjectName(QStringLiteral("MenuViewAlarm"));
    auto item = [this](const QString& caption, const char* name, auto handler) {
        QAction* action = menuViewAlarm->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, &form, handler);
        return action;
    };
    item(QStringLiteral("Список всех оповещений"), "MenuViewAlarmAll", [this] { TBAlarmAllClick(); });
    item(QStringLiteral("Список оповещений на сегодня"), "MenuViewAlarmToday",
         [this] { TBAlarmTodayClick(); });
    item(QStringLiteral("Удалить все"), "MenuViewAlarmDelete", [this] { MenuViewAlarmDeleteClick(); });
    menuViewAlarm->addSeparator();
    item(QStringLiteral("Настроить автооповещение"), "MenuAutoAlarm", [this] { MenuAutoAlarmClick(); });
    item(QStringLiteral("Применить автооповещение"), "MenuAutoAlarmApply",
         [this] { MenuAutoAlarmApplyClick(1); });

    // The alarm toolbar sits at the right end of the type strip.
    toolbarAlarm = new QWidget(typeStrip);
    auto* row = new QHBoxLayout(toolbarAlarm);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (bool today : {true, false}) {
        auto* button = new QToolButton(toolbarAlarm);
        button->setAutoRaise(true);
        button->setObjectName(today ? QStringLiteral("TBAlarmToday") : QStringLiteral("TBAlarmAll"));
        button->setToolTip(today ? QStringLiteral("Оповещение на сегодня") : QStringLiteral("Оповещение"));
        QObject::connect(button, &QToolButton::clicked, &form, [this, today] {
            if (today) {
                TBAlarmTodayClick();
            } else {
                TBAlarmAllClick();
            }
        });
        row->addWidget(button);
    }
    static_cast<QBoxLayout*>(typeStrip->layout())->addWidget(toolbarAlarm);

    menuAlarm = new QMenu(&form);
    menuAlarm->setObjectName(QStringLiteral("MenuAlarm"));
    QAction* title = menuAlarm->addAction(QStringLiteral("Система оповещения"));
    title->setEnabled(false);
    menuAlarm->addSeparator();
    menuAlarmDel = menuAlarm->addAction(QStringLiteral("Удалить текущую"));
    menuAlarmDel->setObjectName(QStringLiteral("MenuAlarmDel"));
    QAction* all = menuAlarm->addAction(QStringLiteral("Удалить все"));
    all->setObjectName(QStringLiteral("MenuAlarmDelAll"));
    QObject::connect(menuAlarm, &QMenu::aboutToShow, &form, [this] { MenuAlarmPopup(); });
    QObject::connect(menuAlarmDel, &QAction::triggered, &form, [this] { MenuAlarmDelClick(); });
    QObject::connect(all, &QAction::triggered, &form, [this] { MenuAlarmDelAllClick(); });
    QObject::connect(tv.list, &TTarnList::OnMouseDown, &form,
                     [this](Qt::MouseButton button) { TarnList3MouseDown(button); });
}

void TMainForm::Impl::TBAlarmAllClick() {
    AlarmListToday = false;
    selection->compose(12);
}

void TMainForm::Impl::TBAlarmTodayClick() {
    AlarmListToday = true;
    selection->compose(13);
}

void TMainForm::Impl::recomposeAlarmList() {
    selection->compose(AlarmListToday ? 13 : 12);
}

void TMainForm::Impl::MenuViewAlarmDeleteClick() {
    AlarmClear(settings);
    for (int i = 0; i < tv.list->Lines4().size(); ++i) {
        tv.list->setImageIndex1(i, -1);
    }
    // The view on show again: a day number would turn an all-channels view into a day of
    // the channel "Все каналы".
    selection->compose(selection->state().currentMode);
}

void TMainForm::Impl::MenuAlarmPopup() {
    alarmPopupRow = tv.list->GetItemIndex();
    menuAlarmDel->setVisible(alarmPopupRow != -1);
    if (alarmPopupRow != -1) {
        menuAlarmDel->setText(fromCp(alarmDeleteCaption(toCp(tv.list->Lines1().value(alarmPopupRow)),
                                                        tv.list->StartTime(alarmPopupRow),
                                                        toCp(tv.list->Lines4().value(alarmPopupRow)))));
    }
}

void TMainForm::Impl::MenuAlarmDelClick() {
    if (alarmPopupRow >= 0) {
        const int index = findAlarmByDescription(settings, tv.list->StartTime(alarmPopupRow),
                                                 toCp(tv.list->Lines4().value(alarmPopupRow)));
        if (index > 0) {
            AlarmDelete(settings, index);
        }
    }
    recomposeAlarmList();
}

void TMainForm::Impl::MenuAlarmDelAllClick() {
    AlarmClear(settings);
    recomposeAlarmList();
}

void TMainForm::Impl::MenuAutoAlarmClick() {
    if (autoAlarmForm == nullptr) {
        autoAlarmForm = new TAutoAlarmForm(&form);
    }
    if (autoAlarmForm->edit(settings) && settings.AutoAlarmOn) {
        MenuAutoAlarmApplyClick(1);
    }
}

void TMainForm::Impl::MenuAutoAlarmApplyClick(int senderTag) {
    if (settings.AutoAlarmCount <= 0) {
        return;
    }
    form.setCursor(Qt::WaitCursor);
    const OpenWeek& week = weeks->week();
    kanavo::MenuAutoAlarmApplyClick({&week.schedule, week.WeekStart, &weeks->WeekChannels()}, settings,
                                    clock.now());
    if (senderTag >= 1) {
        selection->compose(12);
    }
    form.unsetCursor();
}

void TMainForm::Impl::TarnList3MouseDown(Qt::MouseButton button) {
    TTarnList* list = tv.list;
    const int index = list->GetItemIndex();
    ListingRow row;
    if (index >= 0) {
        row.lines1 = toCp(list->Lines1().value(index));
        row.lines4 = toCp(list->Lines4().value(index));
        row.imageIndex1 = list->ImageIndex1(index);
        row.imageIndex4 = list->ImageIndex4(index);
        row.startTime = list->StartTime(index);
        row.endTime = list->EndTime(index);
    }
    const ChannelButton& channel = selection->state().channelButton;
    MarkingClick click;
    click.kind = listingKind(selection->state().currentMode);
    click.leftButton = button == Qt::LeftButton;
    click.row = index >= 0 ? &row : nullptr;
    click.buttonCaption = channel.caption;
    click.buttonImage = channel.image;
    click.now = clock.now();
    const MarkingDecision decision = kanavo::TarnList3MouseDown(click, settings, weeks->WeekChannels());
    switch (decision.action) {
    case MarkingAction::OpenChannel:
        selection->MenuCanalClick(decision.channelIndex);
        break;
    case MarkingAction::Mark:
    case MarkingAction::Unmark:
        applyMarking(decision, settings, row);
        list->setImageIndex1(index, row.imageIndex1);
        break;
    case MarkingAction::Nothing:
        break;
    }
}

void TMainForm::Impl::startupActions() {
    if (startupDone) {
        return;
    }
    // Set first: a tick nested in a window opened here must not start it again.
    startupDone = true;
    if (settings.LoadMinimized) {
        form.showMinimized();
    }
}

void TMainForm::Impl::weekCheck() {
    if (weekCheckState != 0) {
        return;
    }
    weekCheckState = 1;
    const TDateTime today = clock.now();
    for (const WeekItem& item : weeks->menu().items()) {
        if (weekHolds(item.range, today)) {
            weekCheckState = 2;
        }
    }
    if (weekCheckState == 1) {
        // Yes starts the download once the download command exists.
        context.messages->askYesNo(cp1251::fromUtf8Lossy("Не найдена ТВ программа на текущую неделю.\r\n"
                                                         "Хотите Вы скачать её сейчас?"));
    }
}

void TMainForm::Impl::fireDueReminder() {
    const DueResult due = takeDueAlarm(settings, clock.now());
    if (due.outcome != DueOutcome::Remind) {
        return;
    }
    const Reminder& reminder = due.reminder;
    if (reminder.Canal == selection->state().channelButton.caption) {
        // The bell leaves the listing of the channel on show.
        selection->compose(selection->state().currentMode);
    }
    std::optional<Logo32> logo;
    for (const WeekChannel& channel : weeks->WeekChannels()) {
        if (channel.name == reminder.Canal) {
            const QImage picture =
                imageListFastCanalColor.pixmap(channel.logo)
                    .toImage()
                    .scaled(Logo32Side, Logo32Side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32);
            if (!picture.isNull()) {
                Logo32 pixels{};
                for (int y = 0; y < Logo32Side; ++y) {
                    const auto* line = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
                    std::copy(line, line + Logo32Side, pixels.begin() + y * Logo32Side);
                }
                logo = pixels;
            }
            break;
        }
    }
    if (context.reminders != nullptr) {
        context.reminders->ExecuteAlarm(
            reminder.Canal, reminder.hour, reminder.minute, reminder.Description, logo,
            reminder.soundFile.empty() ? std::string() : cp1251::toUtf8(reminder.soundFile),
            reminder.loopSound);
    }
}

} // namespace kanavo
