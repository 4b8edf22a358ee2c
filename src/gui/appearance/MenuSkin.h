#pragma once
// The skin's colours on the menu bar and every popup menu, drawn by a style of our own over
// the application's style: a flat bar in the panel colour, popups with a horizontal
// gradient, an image column and a thin border, a framed selection, and an optional drop
// shadow. Everything but the menus is left to the base style.

#include "appearance/SkinColor.h"
#include "appearance/SkinValues.h"

#include <QColor>
#include <QList>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>

class QMenu;
class QMenuBar;
class QWidget;

namespace kanavo {

// A skin colour for the screen. Desktop colours come from `palette`: menu text from its
// WindowText, highlight from Highlight, tooltip background from ToolTipBase, and the rest
// from the nearest role. The one-argument form takes the menu colours from the
// application's menu palette and the others from the application palette.
QColor resolveSkinColor(SkinColor color, const QPalette& palette);
QColor resolveSkinColor(SkinColor color);

// The menu colours of one skin, ready to draw.
struct MenuSkinColors {
    QColor bar;            // the menu bar's background (PanelColor)
    QColor barHotBegin;    // the bar item under the mouse: a vertical gradient...
    QColor barHotEnd;      // ...
    QColor barHotBorder;   // ...framed in this colour
    QColor barPushed;      // the bar item whose menu is open
    QColor popupBegin;     // popup background, left to right
    QColor popupEnd;       //
    QColor imageColumn;    // the strip behind the menu images
    QColor border;         // popup border, also around the pushed bar item
    QColor separator;      //
    QColor text;           //
    QColor selected;       // the selected popup item...
    QColor selectedBorder; // ...framed in this colour
    QColor imageShadow;    // under the image of the selected item
    bool shadow = true;    // a drop shadow under popups

    static MenuSkinColors fromSkin(const SkinValues& skin);
};

class MenuSkin : public QProxyStyle {
    Q_OBJECT
    Q_DISABLE_COPY(MenuSkin)

public:
    // Over a fresh copy of the application's style, so the menus keep its metrics and
    // fonts. Owned by the caller (usually the main window, as parent).
    explicit MenuSkin(QObject* parent = nullptr);
    ~MenuSkin() override;

    const MenuSkinColors& colors() const { return m_colors; }
    // New colours for everything attached; attached menus repaint.
    void setColors(const MenuSkinColors& colors);
    void setSkin(const SkinValues& skin) { setColors(MenuSkinColors::fromSkin(skin)); }

    // Draws the bar and every menu reachable from its actions, now and after later
    // setColors calls. Menus added to the bar later need attach(menu).
    void attach(QMenuBar* bar);
    // One popup menu and its submenus (a context menu, a button's drop-down).
    void attach(QMenu* menu);

    // The width of the drawn drop shadow at the right and bottom of popups; 0 where the
    // window system draws menus' shadows itself or cannot show translucent windows.
    int shadowWidth() const;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    void attachMenu(QMenu* menu);
    void updateShadow(QMenu* menu) const;
    void repaintAttached();

    void drawPopupBackground(QPainter* painter, const QWidget* widget, const QRect& clip) const;
    void drawPopupFrame(QPainter* painter, const QWidget* widget) const;
    void drawBarItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    void drawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    QRect popupBody(const QWidget* widget, const QRect& fallback) const;
    int imageColumnWidth(const QStyleOption* option) const;

    MenuSkinColors m_colors;
    QList<QPointer<QWidget>> m_attached;
};

} // namespace kanavo
