#pragma once
// The order of rows by start time that every time-sorted listing uses: a gap sort over
// rows 0 .. count - 1. It is not stable, and the order it leaves equal start times in is
// part of how the listings look, so the listing composer and the list control both sort
// with this one function.

namespace kanavo {

// `startAt(i)` gives row i's start time; `swapRows(a, b)` exchanges two whole rows.
template <typename StartAt, typename SwapRows>
void gapSortByStartTime(int count, StartAt&& startAt, SwapRows&& swapRows) {
    const int last = count - 1;
    for (int gap = last / 2; gap > 0; gap /= 2) {
        bool swapped = false;
        do {
            swapped = false;
            for (int i = 0; i <= last - gap; ++i) {
                if (startAt(i) > startAt(i + gap)) {
                    swapRows(i, i + gap);
                    swapped = true;
                }
            }
        } while (swapped);
    }
}

} // namespace kanavo
