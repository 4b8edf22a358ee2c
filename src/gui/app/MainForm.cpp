#include "MainForm.h"

#include "GuiText.h"
#include "MainFormImpl.h"
#include "MenuSkin.h"
#include "SystemClock.h"
#include "TarnGlyphButton.h"
#include "TarnList.h"
#include "tarnpanel.h"
#include "views/TypeNames.h"

#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMovie>
#include <QTimer>
#include <QToolButton>

namespace kanavo {
namespace {

// Whether the window's picture decoder reads the banner; a week whose banner it cannot
// show is refused like a corrupt one.
bool bannerLoads(const Banner& banner) {
    QByteArray bytes(reinterpret_cast<const char*>(banner.gif.data()),
                     static_cast<qsizetype>(banner.gif.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead() && !reader.read().isNull();
}

} // namespace

TMainForm::Impl::Impl(TMainForm& owner, AppContext ctx)
    : form(owner), context(std::move(ctx)), clock(context.clock ? *context.clock : SystemClock::instance()) {}

TMainForm::Impl::~Impl() = default;

TMainForm::TMainForm(AppContext context, QWidget* parent)
    : QMainWindow(parent), m(new Impl(*this, std::move(context))) {
    setWindowTitle(QStringLiteral("Канаво 2.1"));
    if (!m->context.openUrl) {
        m->context.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    }
    m->buildWindow();
    m->menuSkin = new MenuSkin(this);
    m->menuSkin->attach(menuBar());
    m->menuSkin->attach(m->menuCanal);
    m->menuSkin->attach(m->fastChevron->menu());

    WeekServices services;
    services.messages = m->context.messages;
    services.now = [this] { return m->clock.now(); };
    services.bannerLoads = bannerLoads;
    m->weeks = std::make_unique<WeekLibrary>(m->context.programDir, m->settings, services);
    m->composer = std::make_unique<ListingComposer>(
        m->settings, m->clock,
        [this](std::string_view text, RowImages images) { return m->col1TextWidth(text, images); });
    m->selection = std::make_unique<ViewSelection>(
        *m->composer, [this](const Listing& listing) { m->showListing(listing); });

    // The creation steps, in their order.
    m->LoadProc();
    m->applySkin(m->settings.SkinName == builtInSkinCaption(1) ? 1 : 0);
    m->settings.SkinName = builtInSkinCaption(m->skinTag);
    m->FindKNVFile();
    QStringList typeNames;
    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        typeNames << fromCp(typeButtonHint(t));
    }
    m->types.list->setLines4(typeNames);
    m->mirrorTypes();

    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
}

void TMainForm::bringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

bool TMainForm::paintFirstListing() {
    grab();
    return m->selection->listing().mode != 7;
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    m->layoutFastCanal();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The settings are saved on every request, also one the question then cancels.
    m->SaveProc();
    if (m->settings.ConfirmQuit && !m->context.messages->askYesNo(cp1251::fromUtf8Lossy(
                                       "Вы действительно хотите выйти из программы?"))) {
        event->ignore();
        return;
    }
    m->timer->stop();
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
        if (watched->isWidgetType() && m->layoutEvent(watched)) {
            return false;
        }
        break;
    case QEvent::KeyPress: {
        // The window sees every key before the focused control, as its key handler must.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != this) {
            break;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Arrows in the search field move its cursor.
        if (widget == m->searchText && key != Qt::Key_F1) {
            break;
        }
        int code = 0;
        switch (key) {
        case Qt::Key_F1:
            code = ViewSelection::kKeyF1;
            break;
        case Qt::Key_Left:
            code = ViewSelection::kKeyLeft;
            break;
        case Qt::Key_Right:
            code = ViewSelection::kKeyRight;
            break;
        case Qt::Key_Up:
            code = ViewSelection::kKeyUp;
            break;
        case Qt::Key_Down:
            code = ViewSelection::kKeyDown;
            break;
        default:
            break;
        }
        if (code == 0) {
            break;
        }
        switch (m->selection->FormKeyDown(code)) {
        case KeyRequest::ScrollUp:
            m->scrollByKey(-1);
            break;
        case KeyRequest::ScrollDown:
            m->scrollByKey(1);
            break;
        case KeyRequest::OpenHelp: // the help file comes with the help menu
        case KeyRequest::None:
            break;
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (watched == m->banner && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            !m->bannerAddress.empty()) {
            m->context.openUrl(QUrl(fromCp(m->bannerAddress)));
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (watched == m->toolbarFastCanal || watched == m->banner || watched == m->panelType ||
            watched == m->panelSearch || watched == m->panelTV || watched == m->panelDay) {
            m->stopScrolling();
        }
        break;
    case QEvent::Wheel:
        // The lists have no scroll bar: the wheel moves them by rows.
        if (auto* widget = qobject_cast<QWidget*>(watched); widget != nullptr && widget->window() == this) {
            for (ClippedList* clipped : {&m->tv, &m->types, &m->fastList}) {
                if (widget == clipped->list || clipped->clip->isAncestorOf(widget)) {
                    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
                    const int rows = delta > 0 ? -3 : 3;
                    clipped->list->move(clipped->list->x(),
                                        clipped->list->y() - rows * clipped->list->ItemHeight());
                    m->clampLists();
                    return true;
                }
            }
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kanavo
