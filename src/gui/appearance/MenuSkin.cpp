#include "MenuSkin.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace kanavo {
namespace {

// The menu property holding the width of the shadow margin we gave it.
constexpr const char* kShadowProperty = "kanavoMenuShadow";
constexpr int kShadowWidth = 4;
constexpr int kItemHeight = 22;
constexpr int kSeparatorHeight = 5;
constexpr int kTextGap = 8;     // between the image column and the text
constexpr int kArrowSpace = 18; // at the right for the submenu arrow

QColor mixed(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                            static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                            static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

SystemRole systemRole(int index) {
    using P = QPalette;
    switch (static_cast<SystemColor>(index)) {
    case SystemColor::MenuText:
        return {P::Active, P::WindowText};
    case SystemColor::Highlight:
    case SystemColor::MenuHighlight:
    case SystemColor::ActiveCaption:
    case SystemColor::GradientActiveCaption:
        return {P::Active, P::Highlight};
    case SystemColor::HighlightText:
    case SystemColor::CaptionText:
        return {P::Active, P::HighlightedText};
    case SystemColor::InfoBackground:
        return {P::Active, P::ToolTipBase};
    case SystemColor::InfoText:
        return {P::Active, P::ToolTipText};
    case SystemColor::Window:
        return {P::Active, P::Base};
    case SystemColor::WindowText:
        return {P::Active, P::Text};
    case SystemColor::Menu:
    case SystemColor::MenuBar:
    case SystemColor::ActiveBorder:
    case SystemColor::InactiveBorder:
        return {P::Active, P::Window};
    case SystemColor::ScrollBar:
    case SystemColor::ButtonFace:
        return {P::Active, P::Button};
    case SystemColor::ButtonText:
        return {P::Active, P::ButtonText};
    case SystemColor::ButtonHighlight:
        return {P::Active, P::Light};
    case SystemColor::Light:
        return {P::Active, P::Midlight};
    case SystemColor::ButtonShadow:
    case SystemColor::InactiveCaption:
    case SystemColor::GradientInactiveCaption:
        return {P::Active, P::Mid};
    case SystemColor::DarkShadow:
    case SystemColor::WindowFrame:
        return {P::Active, P::Shadow};
    case SystemColor::Desktop:
    case SystemColor::AppWorkspace:
        return {P::Active, P::Dark};
    case SystemColor::GrayText:
    case SystemColor::InactiveCaptionText:
        return {P::Disabled, P::Text};
    case SystemColor::HotLight:
        return {P::Active, P::Link};
    }
    // An index the desktop does not have: text colour, so whatever it is used for stays visible.
    return {P::Active, P::WindowText};
}

bool isMenuRole(int index) {
    const auto c = static_cast<SystemColor>(index);
    return c == SystemColor::MenuText || c == SystemColor::Menu || c == SystemColor::MenuBar ||
           c == SystemColor::MenuHighlight;
}

// Where translucent popups show what is under them, we draw the shadow; elsewhere the
// window system draws popup shadows (or none), and the window hint asks for them.
bool drawsOwnShadow() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform.startsWith(QLatin1String("wayland"));
}

QRect insideBorder(const QRect& r) {
    return r.adjusted(0, 0, -1, -1);
}

void drawCheckMark(QPainter* p, const QRect& box, const QColor& color, bool exclusive) {
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = QRectF(box).center();
    if (exclusive) {
        p->setPen(Qt::NoPen);
        p->setBrush(color);
        p->drawEllipse(c, 3.0, 3.0);
    } else {
        QPainterPath tick;
        tick.moveTo(c.x() - 4, c.y());
        tick.lineTo(c.x() - 1.5, c.y() + 3);
        tick.lineTo(c.x() + 4, c.y() - 3.5);
        p->setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p->setBrush(Qt::NoBrush);
        p->drawPath(tick);
    }
    p->restore();
}

void drawArrow(QPainter* p, const QRect& item, const QColor& color) {
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    const double x = item.right() - kArrowSpace / 2.0 - 1;
    const double y = QRectF(item).center().y();
    QPainterPath arrow;
    arrow.moveTo(x - 2, y - 4);
    arrow.lineTo(x + 2, y);
    arrow.lineTo(x - 2, y + 4);
    arrow.closeSubpath();
    p->setPen(Qt::NoPen);
    p->setBrush(color);
    p->drawPath(arrow);
    p->restore();
}

} // namespace

QColor resolveSkinColor(SkinColor color, const QPalette& palette) {
    if (!color.isSystem()) {
        return QColor(color.red(), color.green(), color.blue());
    }
    const SystemRole r = systemRole(color.systemIndex());
    return palette.color(r.group, r.role);
}

QColor resolveSkinColor(SkinColor color) {
    if (color.isSystem() && isMenuRole(color.systemIndex())) {
        return resolveSkinColor(color, QApplication::palette("QMenu"));
    }
    return resolveSkinColor(color, QApplication::palette());
}

MenuSkinColors MenuSkinColors::fromSkin(const SkinValues& skin) {
    MenuSkinColors c;
    c.bar = resolveSkinColor(skin.PanelColor);
    c.barHotBegin = resolveSkinColor(skin.MenuGradBegin);
    c.barHotEnd = resolveSkinColor(skin.MenuGradEnd);
    c.barHotBorder = resolveSkinColor(skin.MenuSelBorder);
    c.barPushed = resolveSkinColor(skin.MenuPushed);
    c.popupBegin = resolveSkinColor(skin.MenuPopupBegin);
    c.popupEnd = resolveSkinColor(skin.MenuPopupEnd);
    c.imageColumn = resolveSkinColor(skin.MenuColor);
    c.border = resolveSkinColor(skin.MenuBorder);
    c.separator = resolveSkinColor(skin.MenuSeparator);
    c.text = resolveSkinColor(skin.MenuText);
    c.selected = resolveSkinColor(skin.backcolor);
    c.selectedBorder = resolveSkinColor(skin.MenuPupupBorder);
    c.imageShadow = resolveSkinColor(skin.ShadowColor);
    c.shadow = skin.MenuShadow;
    return c;
}

MenuSkin::MenuSkin(QObject* parent) : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(parent);
    m_colors = MenuSkinColors::fromSkin(SkinValues());
}

MenuSkin::~MenuSkin() {
    // The attached widgets would otherwise keep drawing with a deleted style.
    for (const auto& widget : std::as_const(m_attached)) {
        if (widget && widget->style() == this) {
            widget->setStyle(nullptr);
        }
    }
}

void MenuSkin::setColors(const MenuSkinColors& colors) {
    m_colors = colors;
    for (const auto& widget : std::as_const(m_attached)) {
        if (auto* menu = qobject_cast<QMenu*>(widget.data())) {
            updateShadow(menu);
        }
    }
    repaintAttached();
}

void MenuSkin::attach(QMenuBar* bar) {
    if (bar == nullptr) {
        return;
    }
    if (!m_attached.contains(bar)) {
        m_attached.append(bar);
    }
    bar->setStyle(this);
    for (QAction* action : bar->actions()) {
        if (action->menu() != nullptr) {
            attach(action->menu());
        }
    }
    bar->update();
}

void MenuSkin::attach(QMenu* menu) {
    if (menu == nullptr || m_attached.contains(menu)) {
        return;
    }
    attachMenu(menu);
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            attach(action->menu());
        }
    }
}

void MenuSkin::attachMenu(QMenu* menu) {
    m_attached.append(menu);
    menu->setStyle(this);
    if (drawsOwnShadow()) {
        // Set once, before the popup has a window: the shadow margin is see-through.
        menu->setAttribute(Qt::WA_TranslucentBackground, true);
    }
    updateShadow(menu);
}

int MenuSkin::shadowWidth() const {
    return m_colors.shadow && drawsOwnShadow() ? kShadowWidth : 0;
}

void MenuSkin::updateShadow(QMenu* menu) const {
    const int width = shadowWidth();
    menu->setProperty(kShadowProperty, width);
    menu->setContentsMargins(0, 0, width, width);
    // Changing window flags re-creates the window, so an open menu keeps its flags until
    // it next opens hidden.
    if (!menu->isVisible() && !drawsOwnShadow()) {
        menu->setWindowFlag(Qt::NoDropShadowWindowHint, !m_colors.shadow);
    }
}

void MenuSkin::repaintAttached() {
    m_attached.removeAll(QPointer<QWidget>());
    for (const auto& widget : std::as_const(m_attached)) {
        widget->update();
    }
}

QRect MenuSkin::popupBody(const QWidget* widget, const QRect& fallback) const {
    if (widget == nullptr) {
        return fallback;
    }
    const int shadow = widget->property(kShadowProperty).toInt();
    return widget->rect().adjusted(0, 0, -shadow, -shadow);
}

int MenuSkin::imageColumnWidth(const QStyleOption* option) const {
    // The menu reports its widest image plus 4, or 0 when no item has one; the column keeps
    // room for a 16-pixel image (or a check mark) either way.
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    return qMax(item != nullptr ? item->maxIconWidth : 0, 20) + 4;
}

void MenuSkin::drawPopupBackground(QPainter* p, const QWidget* widget, const QRect& clip) const {
    // Inside the border only: the menu paints its empty area after the frame.
    const QRect body = popupBody(widget, clip).adjusted(1, 1, -1, -1);
    p->save();
    p->setClipRect(clip.intersected(body), Qt::IntersectClip);
    QLinearGradient gradient(body.topLeft(), body.topRight());
    gradient.setColorAt(0, m_colors.popupBegin);
    gradient.setColorAt(1, m_colors.popupEnd);
    p->fillRect(body, gradient);
    QStyleOptionMenuItem probe;
    if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
        // The widest image decides the column, as it does for the items.
        probe.maxIconWidth = 0;
        for (const QAction* action : menu->actions()) {
            if (!action->icon().isNull()) {
                probe.maxIconWidth = pixelMetric(PM_SmallIconSize, nullptr, widget) + 4;
            }
        }
    }
    p->fillRect(QRect(body.left(), body.top(), imageColumnWidth(&probe), body.height()),
                m_colors.imageColumn);
    p->restore();
}

void MenuSkin::drawPopupFrame(QPainter* p, const QWidget* widget) const {
    const QRect body = popupBody(widget, p->viewport());
    p->save();
    // The menu clips its frame to the outermost pixels of the window, which with a shadow
    // margin are the shadow's, not the border's.
    p->setClipping(false);
    const int shadow = widget != nullptr ? widget->property(kShadowProperty).toInt() : 0;
    if (shadow > 0) {
        // A soft shadow below and to the right, offset so the top right and bottom left
        // corners stay clear, as a light from the top left would cast it.
        const QRect full = widget->rect();
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(QRect(body.right() + 1, full.top(), shadow, full.height()), Qt::transparent);
        p->fillRect(QRect(full.left(), body.bottom() + 1, full.width(), shadow), Qt::transparent);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (int i = 0; i < shadow; ++i) {
            const QColor shade(0, 0, 0, 70 - i * 70 / shadow);
            p->fillRect(QRect(body.right() + 1 + i, body.top() + shadow, 1, body.height() - shadow + i),
                        shade);
            p->fillRect(QRect(body.left() + shadow, body.bottom() + 1 + i, body.width() - shadow + i, 1),
                        shade);
        }
    }
    p->setPen(m_colors.border);
    p->setBrush(Qt::NoBrush);
    p->drawRect(insideBorder(body));
    p->restore();
}

void MenuSkin::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    switch (element) {
    case PE_PanelMenuBar:
        painter->fillRect(option->rect, m_colors.bar);
        return;
    case PE_PanelMenu:
        drawPopupBackground(painter, widget, option->rect);
        return;
    case PE_FrameMenu:
        if (qobject_cast<const QMenu*>(widget) != nullptr || widget == nullptr) {
            drawPopupFrame(painter, widget);
        }
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void MenuSkin::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const {
    switch (element) {
    case CE_MenuBarEmptyArea:
        painter->fillRect(option->rect, m_colors.bar);
        return;
    case CE_MenuBarItem:
        drawBarItem(option, painter, widget);
        return;
    case CE_MenuEmptyArea:
        drawPopupBackground(painter, widget, option->rect);
        return;
    case CE_MenuItem:
        drawMenuItem(option, painter, widget);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void MenuSkin::drawBarItem(const QStyleOption* option, QPainter* p, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr) {
        return;
    }
    const QRect r = item->rect;
    p->fillRect(r, m_colors.bar);
    const bool enabled = (item->state & State_Enabled) != 0;
    const bool selected = enabled && (item->state & State_Selected) != 0;
    const bool pushed = selected && (item->state & State_Sunken) != 0;
    if (pushed) {
        // The open menu's item joins its popup: the popup's border around the pushed colour.
        p->fillRect(r, m_colors.barPushed);
        p->setPen(m_colors.border);
        p->drawRect(insideBorder(r));
    } else if (selected) {
        QLinearGradient gradient(r.topLeft(), r.bottomLeft());
        gradient.setColorAt(0, m_colors.barHotBegin);
        gradient.setColorAt(1, m_colors.barHotEnd);
        p->fillRect(r, gradient);
        p->setPen(m_colors.barHotBorder);
        p->drawRect(insideBorder(r));
    }
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    if (!proxy()->styleHint(SH_UnderlineShortcut, item, widget)) {
        flags |= Qt::TextHideMnemonic;
    }
    p->setPen(enabled ? m_colors.text : mixed(m_colors.text, m_colors.bar, 0.55));
    p->setFont(item->font);
    p->drawText(r, flags, item->text);
}

void MenuSkin::drawMenuItem(const QStyleOption* option, QPainter* p, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr) {
        return;
    }
    const QRect r = item->rect;
    drawPopupBackground(p, widget, r);
    const int column = imageColumnWidth(item);

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = r.top() + r.height() / 2;
        p->setPen(m_colors.separator);
        p->drawLine(r.left() + column + kTextGap, y, r.right() - 2, y);
        return;
    }

    const bool enabled = (item->state & State_Enabled) != 0;
    const bool selected = enabled && (item->state & State_Selected) != 0;
    if (selected) {
        const QRect bar = r.adjusted(1, 0, -2, -1);
        p->fillRect(bar, m_colors.selected);
        p->setPen(m_colors.selectedBorder);
        p->drawRect(bar);
    }

    const QColor background = selected ? m_colors.selected : m_colors.popupEnd;
    const QColor text = enabled ? m_colors.text : mixed(m_colors.text, background, 0.55);
    const QRect image(r.left() + 3, r.top() + (r.height() - (column - 6)) / 2, column - 6, column - 6);
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    if (checked) {
        p->fillRect(image, mixed(m_colors.selected, m_colors.popupEnd, selected ? 0.0 : 0.3));
        p->setPen(m_colors.selectedBorder);
        p->drawRect(insideBorder(image));
    }
    if (!item->icon.isNull()) {
        const int size = pixelMetric(PM_SmallIconSize, option, widget);
        const QIcon::Mode mode = !enabled ? QIcon::Disabled : selected ? QIcon::Active : QIcon::Normal;
        const QPixmap pixmap =
            item->icon.pixmap(QSize(size, size), p->device()->devicePixelRatio(), mode, QIcon::Off);
        QRect at(QPoint(), pixmap.deviceIndependentSize().toSize());
        at.moveCenter(image.center());
        if (selected && !checked) {
            // The selected item's image lifts off its shadow.
            QPixmap shadow(pixmap.size());
            shadow.setDevicePixelRatio(pixmap.devicePixelRatio());
            shadow.fill(Qt::transparent);
            QPainter sp(&shadow);
            sp.drawPixmap(0, 0, pixmap);
            sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            sp.fillRect(shadow.rect(), m_colors.imageShadow);
            sp.end();
            p->drawPixmap(at.topLeft() + QPoint(1, 1), shadow);
            at.translate(-1, -1);
        }
        p->drawPixmap(at.topLeft(), pixmap);
    } else if (checked) {
        drawCheckMark(p, image, text, item->checkType == QStyleOptionMenuItem::Exclusive);
    }

    QString label = item->text;
    QString shortcut;
    if (const int tab = label.indexOf(QLatin1Char('\t')); tab >= 0) {
        shortcut = label.mid(tab + 1);
        label.truncate(tab);
    }
    int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    if (!proxy()->styleHint(SH_UnderlineShortcut, item, widget)) {
        flags |= Qt::TextHideMnemonic;
    }
    const QRect textRect(r.left() + column + kTextGap, r.top(), r.width() - column - kTextGap - kArrowSpace,
                         r.height());
    p->setFont(item->font);
    p->setPen(text);
    p->drawText(textRect, flags | Qt::AlignLeft, label);
    if (!shortcut.isEmpty()) {
        p->drawText(textRect, flags | Qt::AlignRight, shortcut);
    }
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        drawArrow(p, r, text);
    }
}

QSize MenuSkin::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                 const QWidget* widget) const {
    if (type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item != nullptr && item->menuItemType == QStyleOptionMenuItem::Separator) {
            return {size.width(), kSeparatorHeight};
        }
        const int height = item != nullptr ? qMax(kItemHeight, item->fontMetrics.height() + 6) : kItemHeight;
        // The menu adds the shortcut column itself, but no room between it and the text.
        const bool hasShortcut =
            item != nullptr && (item->reservedShortcutWidth > 0 || item->text.contains(QLatin1Char('\t')));
        const int shortcutGap = hasShortcut ? 2 * kTextGap : 0;
        return {imageColumnWidth(option) + kTextGap + size.width() + shortcutGap + kArrowSpace, height};
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int MenuSkin::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    case PM_MenuPanelWidth:
        return 1;
    case PM_MenuHMargin:
        return 1;
    case PM_MenuVMargin:
        return 2;
    case PM_MenuBarPanelWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace kanavo
