#pragma once
// The control gallery: every own control of the program in one window, with the built-in
// artwork and the default skin's colours, for looking at them side by side.

#include "ImageList.h"
#include "base/Clock.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

namespace kanavo {
class TTarnGlyphButton;
class TTarnList;
class TTarnScinPanel;
} // namespace kanavo

namespace kanavo::gallery {

class GalleryWindow : public QWidget {
public:
    GalleryWindow();
    ~GalleryWindow() override;
    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;

    // Puts the mouse, as far as the controls can tell, over the buttons of the hot row and
    // over the listing's long row, which opens its hint. Call once the window is shown.
    void hover();
    // The window as drawn, with the open hint popups drawn over it where they stand.
    QPixmap screenshot();

private:
    struct FixedClock : Clock {
        TDateTime value = 0;
        TDateTime now() const override { return value; }
    };

    TTarnScinPanel* addPanel(const QRect& geometry);
    void addButtonRow(int top, const QString& caption, int state);
    void addListing(const QRect& geometry);
    void addTypeList(const QRect& geometry);

    FixedClock m_clock;
    ImageList m_types;
    QPixmap m_border;
    TTarnList* m_listing = nullptr;
    QList<TTarnGlyphButton*> m_hotButtons;
};

} // namespace kanavo::gallery
