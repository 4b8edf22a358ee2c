#pragma once
// TMainForm: the program's one window. It holds the controls of the views and forwards
// every command to the core (week library, view selection); what it shows is a mirror of
// the core's state.

#include "AppContext.h"

#include <QMainWindow>

#include <memory>

namespace kanavo {

class TMainForm : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY(TMainForm)

public:
    // Runs the creation steps: settings, skins, the weeks and the first listing.
    explicit TMainForm(AppContext context, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Brings the window to the front (asked by a second copy of the program).
    void bringToFront();

    // For a start-up check: whether a listing has been composed, after painting the window
    // once off screen.
    bool paintFirstListing();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace kanavo
