// Applying a skin: colours of the menus, lists and panels, the border bitmap every panel is
// framed with, the glyphs of the day and scroll buttons, the icon strips and the list font,
// then the offsets of every panel from the border's size.
#include "MainFormImpl.h"

#include "BuiltInArtwork.h"
#include "GuiText.h"
#include "MenuSkin.h"
#include "TarnGlyphButton.h"
#include "TarnList.h"
#include "tarnpanel.h"

#include <QAction>
#include <QBoxLayout>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>

namespace kanavo {
namespace {

// The strip scaled so that each `from`-pixel square image becomes `to` pixels.
QPixmap scaledStrip(const QPixmap& strip, int from, int to) {
    if (strip.isNull() || from <= 0 || to <= 0) {
        return strip;
    }
    const int count = strip.width() / from;
    return strip.scaled(count * to, to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The list font: the skin's family when the desktop has it, else the desktop's sans font.
QFont listFont(const SkinValues& skin) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QString family = fromCp(skin.FontName);
    if (QFontDatabase::hasFamily(family)) {
        font.setFamily(family);
    }
    font.setPointSize(skin.FontSize);
    return font;
}

void colourPanel(TTarnScinPanel* panel, const QColor& colour, const QPixmap& border) {
    panel->setColor(colour);
    panel->setSmBorder(border);
}

} // namespace

QPixmap TMainForm::Impl::skinBitmap(SkinBitmap bitmap) const {
    // Skin files come with the skin folders; the built-in skins use the resources.
    return artwork::builtInBitmap(skinBitmapResource(bitmap));
}

void TMainForm::Impl::MenuSetupSkinClick(int tag) {
    if (tag == skinTag) {
        skinItems[static_cast<std::size_t>(tag)]->setChecked(true);
        return;
    }
    settings.SkinName = builtInSkinCaption(tag);
    timer->stop();
    form.setCursor(Qt::WaitCursor);
    applySkin(tag);
    // The week again, so its lists take the new icons and colours.
    const auto open = weeks->menu().checkedIndex();
    if (open) {
        weeks->reopen();
        weekOpened();
    }
    timer->start();
    form.unsetCursor();
}

void TMainForm::Impl::applySkin(int tag) {
    skinTag = tag;
    skin = builtInSkin(tag);
    for (std::size_t i = 0; i < skinItems.size(); ++i) {
        skinItems[i]->setChecked(static_cast<int>(i) == tag);
    }
    auto colour = [](SkinColor c) { return resolveSkinColor(c); };
    menuSkin->setSkin(skin);
    splitter->setStyleSheet(
        QStringLiteral("QSplitter::handle { background: %1; }").arg(colour(skin.SplitterColor).name()));

    borderBitmap = skinBitmap(SkinBitmap::BorderFile);
    border = skinMetrics(borderBitmap.width(), borderBitmap.height());
    const int bh = border.bh;
    const int bw = border.bw;

    // Scroll buttons.
    auto glyph = [this](TTarnGlyphButton* button, SkinBitmap bitmap) {
        const QPixmap picture = skinBitmap(bitmap);
        button->setGlyph(picture);
        button->setFixedSize(picture.width() / 3, picture.height());
    };
    glyph(buttonFastLeft, SkinBitmap::ButMoveLeft);
    glyph(buttonFastRight, SkinBitmap::ButMoveRight);
    for (ClippedList* clipped : {&types, &fastList, &tv}) {
        clipped->up->setGlyph(skinBitmap(SkinBitmap::ButMoveUp));
        clipped->down->setGlyph(skinBitmap(SkinBitmap::ButMoveDown));
        clipped->up->setAutoSize(true);
        clipped->down->setAutoSize(true);
        clipped->up->setColor(colour(skin.ButtonMoveBorder));
        clipped->down->setColor(colour(skin.ButtonMoveBorder));
    }
    menuImages = ImageList(skinBitmap(SkinBitmap::MenuIcon), 16);

    // Lists.
    for (ClippedList* clipped : {&types, &fastList, &tv}) {
        TTarnList* list = clipped->list;
        list->setFontColor(colour(skin.ListColorText));
        list->setColor(colour(skin.ListColor));
        list->setColorSelBack(colour(skin.ListColorSelBack));
        list->setColorSelect(colour(skin.ListColorTextSel));
        list->setColorSeparator(colour(skin.ListColorSeparator));
        list->setColorHint(colour(skin.ListColorHint));
        list->setFont(listFont(skin));
    }
    tv.list->setColorPerOld(colour(skin.TVColorOld));
    tv.list->setColorPerCurrent(colour(skin.TVColorCur));
    tv.list->setColorPerFuture(colour(skin.TVColorFut));

    const QColor panel = colour(skin.PanelColor);
    for (TTarnScinPanel* p : {panelTV, panelDay, panelCanal, panelFastCanal, panelSearch, panelType,
                              panelExtTypeMain, panelExtCanalMain, panelReklama, panelClock, panelToday}) {
        colourPanel(p, panel, borderBitmap);
    }

    // Channel icons.
    const int canalHeight = skin.CanalHeight;
    const QPixmap colourStrip = skinBitmap(SkinBitmap::Canals);
    imageListFastCanal =
        ImageList(scaledStrip(skinBitmap(SkinBitmap::CanalsGray), 32, canalHeight), canalHeight);
    imageListFastCanalColor = ImageList(scaledStrip(colourStrip, 32, canalHeight), canalHeight);
    const int menuHeight = skin.CanalMenuHeight;
    imageListSmallCanal = ImageList(scaledStrip(colourStrip, 32, menuHeight), menuHeight);
    fastList.list->setImages4(&imageListSmallCanal);

    // The header and the channel button: large coloured icons when the skin starts with
    // them, or when they fit the header anyway.
    const int chosen = skin.ViewDay ? canalHeight : menuHeight;
    panelHeader->setFixedHeight(chosen + 2 * bh + 8);
    int iconSize = chosen;
    if (canalHeight + 2 * bh + 6 < panelHeader->height()) {
        iconSize = canalHeight;
    }
    buttonCanal->setIconSize(QSize(iconSize, iconSize));
    buttonCanal->setStyleSheet(
        QStringLiteral("QToolButton { background: %1; border: 1px solid transparent; "
                       "padding: 2px 8px; }"
                       "QToolButton:hover { background: %2; border-color: %3; }"
                       "QToolButton::menu-indicator { subcontrol-position: right center; }")
            .arg(panel.name(), colour(skin.backcolor).name(), colour(skin.MenuSelBorder).name()));
    buttonCanal->resize(220, buttonCanal->height());

    // Day buttons.
    for (std::size_t day = 0; day < dayButtons.size(); ++day) {
        if (day == 7) {
            continue;
        }
        const SkinBitmap bitmap =
            day == 8 ? SkinBitmap::ButToday
                     : static_cast<SkinBitmap>(static_cast<int>(SkinBitmap::ButPn) + static_cast<int>(day));
        dayButtons[day]->setGlyph(skinBitmap(bitmap));
    }
    layoutPanelCanal();
    layoutDayButtons();

    // Fast-channel strip.
    panelFastCanal->setFixedHeight(2 * bh + imageListFastCanal.height() + 6 + 2);
    toolbarFastCanal->resize(toolbarFastCanal->width(), imageListFastCanal.height() + 6);
    if (!skin.PanelCanalType) {
        buttonFastLeft->hide();
        buttonFastRight->hide();
    }

    // Search panel: the border around it, and the gaps between its parts from the right.
    auto* searchRow = static_cast<QBoxLayout*>(panelSearch->layout());
    searchRow->setContentsMargins(2 * bw, bh + 2, 2 * bw, bh + 2);
    searchRow->setSpacing(0);
    while (searchRow->count() > 0) {
        searchRow->takeAt(0);
    }
    searchRow->addWidget(labelSearch);
    searchRow->addSpacing(4);
    searchRow->addWidget(searchText, 1);
    searchRow->addSpacing(4);
    searchRow->addWidget(searchButton);
    searchRow->addSpacing(8 * bw);
    searchRow->addWidget(searchCan);
    searchRow->addSpacing(bw);
    searchRow->addWidget(searchDay);

    // Type strip.
    imageListType = ImageList(skinBitmap(SkinBitmap::GlyphType), skin.GlyphTypeWidth);
    for (QToolButton* button : typeButtons) {
        button->setIconSize(QSize(skin.GlyphTypeWidth, skin.GlyphTypeHeight));
    }
    panelType->layout()->setContentsMargins(bw + 1, bh + 1, bw + 1, bh + 1);
    types.list->setImages4(&imageListType);
    tv.list->setImages4(settings.ShowTypeIcons ? &imageListType : nullptr);

    // Status bar.
    const QFontMetrics metrics(labelClock->font());
    panelClock->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00:00:0000")) + 2 * bh + 8);
    panelStatus->setFixedHeight(metrics.height() + 2 * bh + 4);
    for (TTarnScinPanel* p : {panelClock, panelToday}) {
        p->layout()->setContentsMargins(bh + 2, bh, bh + 2, bh);
    }

    layoutPanelTV();
    layoutSidePanel(panelExtTypeMain, labelView, types);
    layoutSidePanel(panelExtCanalMain, labelCanal, fastList);
    listPanelResize(types);
    listPanelResize(fastList);
    listPanelResize(tv);
    layoutFastCanal();
    layoutBanner();
    mirrorTypes();
}

} // namespace kanavo
