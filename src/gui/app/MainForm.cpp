#include "MainForm.h"

#include <QCloseEvent>

namespace kanavo {

struct TMainForm::Impl {
    AppContext context;
};

TMainForm::TMainForm(AppContext context, QWidget* parent) : QMainWindow(parent), m(new Impl{std::move(context)}) {
    setWindowTitle(QStringLiteral("Канаво 2.1"));
}

TMainForm::~TMainForm() = default;

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
    return true;
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
}

} // namespace kanavo
