#pragma once
// One palette for all the built-in artwork: the blue-violet of the default panel colour, a
// dark ink for text and glyphs, and the accents of the icons.

#include <QColor>

namespace kanavo::artwork::palette {

// The default skin's panel colour, behind every opaque button frame.
inline const QColor kPanel{176, 187, 238};
inline const QColor kPanelLight{212, 218, 246};
inline const QColor kPanelPale{236, 239, 252};
inline const QColor kPanelDeep{125, 138, 208};
inline const QColor kOutline{104, 119, 196};
inline const QColor kShadow{140, 152, 216};
inline const QColor kInk{31, 42, 92};
inline const QColor kAccent{61, 82, 196};
inline const QColor kAccentDark{43, 60, 158};
inline const QColor kWhite{255, 255, 255};

} // namespace kanavo::artwork::palette
