// The 20 ms timer: the clock labels, the refresh of the "now" view and of the past, on-air
// and future colours, and the hover scrolling of the lists and the fast-channel strip. A
// tick that changes nothing repaints nothing.
#include "MainFormImpl.h"

#include "GuiText.h"
#include "TarnGlyphButton.h"
#include "TarnList.h"
#include "views/DayNames.h"

#include <QLabel>

namespace kanavo {
namespace {

void setTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

} // namespace

void TMainForm::Impl::TimerTimer() {
    startupActions();
    weekCheck();
    updateClock();
    refreshNowView();
    refreshColours();
    scrollTick();
    fireDueReminder();
}

void TMainForm::Impl::updateClock() {
    const TDateTime now = clock.now();
    const DayAndTime parts = splitDateTime(now);
    const int seconds = static_cast<int>(parts.milliseconds / 1000);
    setTextIfChanged(labelClock, QStringLiteral("%1:%2:%3")
                                     .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                                     .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                     .arg(seconds % 60, 2, 10, QLatin1Char('0')));
    const TDateTime date = static_cast<double>(parts.day);
    setTextIfChanged(labelToday, QStringLiteral("  Сегодня: ") + fromCp(longDayName(dayOfWeek(date))) +
                                     QStringLiteral(", ") + QString::fromStdString(formatDate(date)) +
                                     QStringLiteral(" года."));
}

void TMainForm::Impl::refreshNowView() {
    if (selection->state().selectedDay != kNowDay) {
        return;
    }
    const TDateTime now = clock.now();
    TTarnList* list = tv.list;
    const int count = static_cast<int>(list->Lines4().size());
    for (int i = 0; i < count; ++i) {
        const TDateTime end = list->EndTime(i);
        if (end != 0 && end < now) {
            list->setEndTime(i, 0);
            selection->compose(kNowDay);
            return;
        }
    }
}

void TMainForm::Impl::refreshColours() {
    TTarnList* list = tv.list;
    const int f = list->FirstFutureIndex();
    const TDateTime now = clock.now();
    if (f > 0 && list->StartTime(f) < now && now < list->EndTime(f)) {
        list->update();
    }
}

void TMainForm::Impl::scrollTick() {
    auto moveList = [this](ClippedList& clipped, int by) {
        clipped.list->move(clipped.list->x(), clipped.list->y() + by);
    };
    switch (scrollDirection) {
    case 1:
        moveList(types, scrollStep);
        break;
    case 2:
        moveList(types, -scrollStep);
        break;
    case 3:
        moveList(fastList, scrollStep);
        break;
    case 4:
        moveList(fastList, -scrollStep);
        break;
    case 5:
        moveList(tv, scrollStep);
        break;
    case 6:
        moveList(tv, -scrollStep);
        break;
    case 7:
        toolbarFastCanal->move(toolbarFastCanal->x() - scrollStep, 0);
        break;
    case 8:
        toolbarFastCanal->move(toolbarFastCanal->x() + scrollStep, 0);
        break;
    default:
        break;
    }
    clampLists();
}

void TMainForm::Impl::clampLists() {
    // Keeps a list inside its clip; `showButtons` for the listing only, whose buttons the
    // tick also shows again.
    auto clamp = [this](ClippedList& clipped, int upDirection, int downDirection, bool showButtons) {
        TTarnList* list = clipped.list;
        const int panelHeight = clipped.clip->height();
        if (list->y() >= 0) {
            clipped.up->hide();
            list->move(list->x(), 0);
            if (scrollDirection == upDirection) {
                scrollDirection = 0;
            }
        } else if (showButtons) {
            clipped.up->show();
        }
        if (panelHeight - list->height() > list->y()) {
            clipped.down->hide();
            list->move(list->x(), panelHeight - list->height() - 1);
            if (scrollDirection == downDirection) {
                scrollDirection = 0;
            }
        } else if (showButtons) {
            clipped.down->show();
        }
    };
    clamp(tv, 5, 6, true);
    clamp(fastList, 3, 4, false);
    clamp(types, 1, 2, false);
    QWidget* bar = toolbarFastCanal;
    if (bar->x() > 0) {
        buttonFastLeft->hide();
        bar->move(0, 0);
        if (scrollDirection == 8) {
            scrollDirection = 0;
        }
    }
    const int room = panelFastSel->width();
    if (room - bar->width() > bar->x()) {
        buttonFastRight->hide();
        if (room < bar->width()) {
            bar->move(room - bar->width(), 0);
        }
        if (scrollDirection == 7) {
            scrollDirection = 0;
        }
    }
}

void TMainForm::Impl::scrollByKey(int rows) {
    TTarnGlyphButton* button = rows < 0 ? tv.up : tv.down;
    if (button->isVisible()) {
        tv.list->move(tv.list->x(), tv.list->y() - rows * tv.list->ItemHeight());
    }
}

} // namespace kanavo
