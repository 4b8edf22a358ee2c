#pragma once
// The evening of one channel that the gallery's listing shows, around a fixed moment, so
// that past, on-air and future rows always fall the same way.

#include "base/DateTime.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kanavo::gallery {

struct GalleryRow {
    TDateTime start;
    TDateTime end;
    int type;     // programme type, the image of column 4
    bool alarm;   // a reminder is set: the bell in column 1
    QString text; // main text
};

// The moment the gallery's clock stands at: Friday 11 December 2026, 20:15.
TDateTime galleryNow();
// The channel's day, in time order; one programme is on air at galleryNow().
std::vector<GalleryRow> galleryRows();
// The row the gallery hovers: a future programme whose text does not fit.
int galleryHoveredRow();
// The fifteen programme type names of the type list, in type order.
QStringList galleryTypeNames();

} // namespace kanavo::gallery
