#pragma once
// The bell drawn where a reminder has no channel logo, and as the window's icon.

#include <QPixmap>

namespace bellpop {

QPixmap bellPixmap(int side, qreal devicePixelRatio = 1.0);

} // namespace bellpop
