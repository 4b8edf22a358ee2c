#pragma once
// The two border metrics every skinned panel is laid out by, from the border bitmap: a
// strip of eight equal pieces side by side.

namespace kanavo {

struct SkinMetrics {
    int bh = 0; // border height: the bitmap's height
    int bw = 0; // border width: the width of one piece, the bitmap's width div 8

    // False for a bitmap too small to hold eight pieces; its metrics are 0 and the window
    // should use the built-in border instead.
    bool usable() const { return bh > 0 && bw > 0; }
    bool operator==(const SkinMetrics&) const = default;
};

inline SkinMetrics skinMetrics(int borderWidth, int borderHeight) {
    if (borderWidth < 8 || borderHeight <= 0) {
        return {};
    }
    return {borderHeight, borderWidth / 8};
}

} // namespace kanavo
