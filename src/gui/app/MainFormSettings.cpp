// The window's part of loading and saving the settings: its position, the type filter,
// the places of the three movable panels and the column widths; and applying the display
// settings.
#include "MainFormImpl.h"

#include "GuiText.h"
#include "TarnList.h"
#include "alarms/AlarmList.h"
#include "settings/Autostart.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "tarnpanel.h"

#include <QAction>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>

namespace kanavo {

void TMainForm::Impl::LoadProc() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    settings = loadSettingsFile(context.settingsFile,
                                LoadEnvironment{clock.now(), desktop.width(), desktop.height()});
    AlarmSort(settings);

    const FormPosition& position = settings.Form;
    if (settings.LoadMinimized) {
        parkedBounds = position;
        form.setGeometry(ParkedLeft, position.Top, std::max(position.Width, 200),
                         std::max(position.Height, 200));
    } else {
        form.setGeometry(position.Left, position.Top, std::max(position.Width, 200),
                         std::max(position.Height, 200));
        if (position.Maximize) {
            form.setWindowState(form.windowState() | Qt::WindowMaximized);
        }
    }

    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        if (settings.Panels.TypeHidden[static_cast<std::size_t>(t)]) {
            selection->TypeClick(t);
        }
    }
    const PanelSetup& panels = settings.Panels;
    if (panels.FastCanalPlace >= 0 && panels.FastCanalPlace <= 4) {
        placeFastChannels(panels.FastCanalPlace);
    }
    if (panels.TypesExtPlace >= 0 && panels.TypesExtPlace <= 4) {
        placeTypes(panels.TypesExtPlace);
    }
    if (panels.SearchPlace >= 0 && panels.SearchPlace <= 2) {
        placeSearch(panels.SearchPlace);
    }
    panelExtCanalMain->resize(std::max(panels.CanalPanelWidth, 100), panelExtCanalMain->height());
    panelExtTypeMain->resize(std::max(panels.TypePanelWidth, 100), panelExtTypeMain->height());
    SetupApply();
}

void TMainForm::Impl::SaveProc() {
    FormPosition& position = settings.Form;
    if (form.isMaximized()) {
        position.Maximize = true;
    } else if (form.x() != ParkedLeft) {
        position.Maximize = false;
        const QRect frame = form.geometry();
        position.Left = frame.x();
        position.Top = frame.y();
        position.Width = frame.width();
        position.Height = frame.height();
    }
    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        settings.Panels.TypeHidden[static_cast<std::size_t>(t)] = !selection->state().TypeShown(t);
    }
    if (panelExtCanalMain->isVisible()) {
        settings.Panels.CanalPanelWidth = panelExtCanalMain->width();
    }
    if (panelExtTypeMain->isVisible()) {
        settings.Panels.TypePanelWidth = panelExtTypeMain->width();
    }
    const WriteStatus saved = saveSettingsFile(context.settingsFile, settings);
    if (!saved) {
        context.messages->showMessage(
            cp1251::fromUtf8Lossy("Не удалось сохранить настройки: " + saved.error));
    }
}

void TMainForm::Impl::SetupApply() {
    const std::filesystem::path folder =
        context.autostartFolder.empty() ? autostartFolder() : context.autostartFolder;
    if (!folder.empty()) {
        // A failed autostart entry costs only the next session's start; nothing to report.
        [[maybe_unused]] const WriteStatus written =
            applyAutostart(settings.StartWithWindows, runningExecutable(), folder);
    }
    TTarnList* list = tv.list;
    list->setCol3Width(settings.ShowEndTime ? list->Col2Width() : 0);
    list->setCol1Width(settings.AlarmOn ? list->ItemHeight() : 0);
    for (ClippedList* clipped : {&types, &fastList, &tv}) {
        clipped->list->setGridLines(settings.ShowGridLines);
    }
    list->setImages4(settings.ShowTypeIcons ? &imageListType : nullptr);
    toolbarAlarm->setVisible(settings.AlarmOn);
    menuViewAlarm->menuAction()->setVisible(settings.AlarmOn);
    menuViewAlarmSeparator->setVisible(settings.AlarmOn);
}

void TMainForm::Impl::placeFastChannels(int place) {
    settings.Panels.FastCanalPlace = place;
    auto* column = static_cast<QBoxLayout*>(central->layout());
    column->removeWidget(panelFastCanal);
    // Top: under the header; bottom: above the banner.
    column->insertWidget(place == 2 ? column->indexOf(panelReklama) : column->indexOf(panelHeader) + 1,
                         panelFastCanal);
    panelFastCanal->setVisible(place == 1 || place == 2);
    panelExtCanalMain->setVisible(place == 3 || place == 4);
    if (place == 3 || place == 4) {
        splitter->insertWidget(place == 3 ? 0 : splitter->count() - 1, panelExtCanalMain);
    }
}

void TMainForm::Impl::placeTypes(int place) {
    settings.Panels.TypesExtPlace = place;
    QWidget* centre = panelTV->parentWidget();
    auto* stack = static_cast<QBoxLayout*>(centre->layout());
    stack->removeWidget(panelType);
    stack->insertWidget(place == 2 ? stack->count() : 0, panelType);
    panelType->setVisible(place == 1 || place == 2);
    panelExtTypeMain->setVisible(place == 3 || place == 4);
    if (place == 3 || place == 4) {
        splitter->insertWidget(place == 3 ? 0 : splitter->count(), panelExtTypeMain);
    }
}

void TMainForm::Impl::placeSearch(int place) {
    settings.Panels.SearchPlace = place;
    QWidget* centre = panelTV->parentWidget();
    auto* stack = static_cast<QBoxLayout*>(centre->layout());
    stack->removeWidget(panelSearch);
    const int tvIndex = stack->indexOf(panelTV);
    stack->insertWidget(place == 2 ? tvIndex + 1 : tvIndex, panelSearch);
    panelSearch->setVisible(place != 0);
}

} // namespace kanavo
