// The hand-placed parts of the main window's panels: offsets from the skin's border, the
// day-button chain, the clipped lists and their scroll buttons, the fast-channel strip and
// the banner. Everything else is laid out by Qt layouts in the order the panels stack.
#include "MainFormImpl.h"

#include "TarnGlyphButton.h"
#include "TarnList.h"
#include "tarnpanel.h"
#include "views/DayNames.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMovie>
#include <QToolButton>

namespace kanavo {

bool TMainForm::Impl::layoutEvent(QObject* watched) {
    if (watched == panelDay || watched == panelCanal) {
        layoutPanelCanal();
        layoutDayButtons();
    } else if (watched == panelTV) {
        layoutPanelTV();
    } else if (watched == panelExtTypeMain) {
        layoutSidePanel(panelExtTypeMain, labelView, types);
    } else if (watched == panelExtCanalMain) {
        layoutSidePanel(panelExtCanalMain, labelCanal, fastList);
    } else if (watched == tv.clip) {
        listPanelResize(tv);
    } else if (watched == types.clip) {
        listPanelResize(types);
    } else if (watched == fastList.clip) {
        listPanelResize(fastList);
    } else if (watched == panelFastCanal || watched == panelFastSel) {
        layoutFastCanal();
    } else if (watched == panelReklama) {
        layoutBanner();
    } else {
        return false;
    }
    return true;
}

void TMainForm::Impl::layoutPanelCanal() {
    const int height = panelHeader->height() - 2 * border.bh - 2;
    buttonCanal->setGeometry(border.bw + 1, border.bh + 1, buttonCanal->width(), std::max(height, 0));
    panelCanal->setFixedWidth(buttonCanal->width() + 2 * border.bw + 2);
}

void TMainForm::Impl::layoutDayButtons() {
    int left = border.bw + 8;
    int previousRight = left;
    for (int day : {0, 1, 2, 3, 4, 5, 6, kNowDay}) {
        TTarnGlyphButton* button = dayButtons[static_cast<std::size_t>(day)];
        const QPixmap& glyph = button->Glyph();
        const int width = std::max(glyph.width() / 3 - 1, 0);
        const int height = glyph.height();
        if (day > 0) {
            left = previousRight + (day == kNowDay ? 20 : 5);
        }
        if (height + 2 * border.bh + 2 > panelHeader->height()) {
            panelHeader->setFixedHeight(height + 2 * border.bh + 2);
        }
        button->setGeometry(left, (panelHeader->height() - height) / 2, width, height);
        previousRight = left + width;
    }
}

void TMainForm::Impl::layoutPanelTV() {
    labelDay->move(border.bw + 3, border.bh + 3);
    labelDay->resize(std::max(panelTV->width() - 2 * border.bw - 6, 0), labelDay->sizeHint().height());
    const int top = border.bh + 19;
    tv.clip->setGeometry(border.bw, top, std::max(panelTV->width() - 2 * border.bw, 0),
                         std::max(panelTV->height() - top - border.bw, 0));
}

void TMainForm::Impl::layoutSidePanel(TTarnScinPanel* panel, QLabel* label, ClippedList& list) {
    label->move(border.bw + 3, border.bh + 3);
    const int top = border.bh + 19;
    list.clip->setGeometry(border.bw, top, std::max(panel->width() - 2 * border.bw, 0),
                           std::max(panel->height() - top - border.bw, 0));
}

void TMainForm::Impl::listPanelResize(ClippedList& clipped) {
    QWidget* panel = clipped.clip;
    TTarnList* list = clipped.list;
    list->setMinWidth(panel->width());
    list->setMinHeight(panel->height() - 1);
    list->resize(panel->width(), std::max(panel->height() - 1, 0));
    list->applyAutoSize();
    if (list->height() < panel->height()) {
        list->move(0, 0);
        return;
    }
    clipped.down->hide();
    if (list->y() + list->height() >= panel->height()) {
        clipped.down->show();
    } else {
        list->move(0, panel->height() - list->height());
    }
}

void TMainForm::Impl::layoutFastCanal() {
    if (!skin.PanelCanalType) {
        // The toolbar fills the strip; the channels that do not fit wait behind a chevron.
        buttonFastLeft->hide();
        buttonFastRight->hide();
        panelFastSel->setGeometry(border.bw + 1, border.bh + 1,
                                  std::max(panelFastCanal->width() - 2 * border.bw - 2, 0),
                                  toolbarFastCanal->height());
        layoutFastButtonsWithChevron();
        return;
    }
    fastChevron->hide();
    int x = 0;
    for (QToolButton* button : fastButtons) {
        button->move(x, 0);
        button->show();
        x += button->width();
    }
    toolbarFastCanal->resize(std::max(x, 1), toolbarFastCanal->height());
    const int arrowLeftWidth = buttonFastLeft->width();
    const int arrowRightWidth = buttonFastRight->width();
    const int selHeight = toolbarFastCanal->height();
    panelFastSel->setGeometry(
        arrowLeftWidth + border.bh + 2, border.bh + 1,
        std::max(panelFastCanal->width() - (arrowLeftWidth + arrowRightWidth + 2 * border.bw) - 4, 0),
        selHeight);
    const int arrowTop = (panelFastCanal->height() - buttonFastLeft->height()) / 2;
    buttonFastLeft->move(border.bw + 2, arrowTop);
    buttonFastRight->move(panelFastCanal->width() - arrowRightWidth - border.bw - 2, arrowTop);
    PanelFastSelResize();
}

void TMainForm::Impl::layoutFastButtonsWithChevron() {
    const int room = panelFastSel->width();
    toolbarFastCanal->setGeometry(0, 0, room, toolbarFastCanal->height());
    int total = 0;
    for (QToolButton* button : fastButtons) {
        total += button->width();
    }
    const bool overflow = total > room;
    const int limit = overflow ? room - fastChevron->width() : room;
    QMenu* more = fastChevron->menu();
    more->clear();
    int x = 0;
    for (QToolButton* button : fastButtons) {
        const bool fits = x + button->width() <= limit;
        button->setVisible(fits);
        if (fits) {
            button->move(x, 0);
            x += button->width();
        } else {
            QAction* item = more->addAction(button->icon(), button->toolTip());
            QObject::connect(item, &QAction::triggered, button, &QToolButton::click);
        }
    }
    fastChevron->setVisible(overflow);
    fastChevron->setGeometry(room - fastChevron->width(), 0, fastChevron->width(),
                             toolbarFastCanal->height());
}

void TMainForm::Impl::PanelFastSelResize() {
    if (!skin.PanelCanalType) {
        layoutFastButtonsWithChevron();
        return;
    }
    QWidget* bar = toolbarFastCanal;
    const int room = panelFastSel->width();
    if (bar->width() <= room) {
        bar->move(0, 0);
        buttonFastLeft->hide();
        buttonFastRight->hide();
        return;
    }
    buttonFastRight->hide();
    if (bar->x() + bar->width() < room) {
        bar->move(room - bar->width(), 0);
    } else {
        buttonFastRight->show();
    }
    buttonFastLeft->setVisible(bar->x() < 0);
}

void TMainForm::Impl::layoutBanner() {
    const QSize size = banner->sizeHint();
    banner->setGeometry((panelReklama->width() - size.width()) / 2,
                        (panelReklama->height() - size.height()) / 2, size.width(), size.height());
}

} // namespace kanavo
