#include "views/Listing.h"

#include <utility>

namespace kanavo {

bool Listing::add(ListingRow row) {
    if (full()) {
        return false;
    }
    rows.push_back(std::move(row));
    return true;
}

bool Listing::addMessage(std::string text) {
    ListingRow row;
    row.lines4 = std::move(text);
    row.imageIndex1 = -2;
    return add(std::move(row));
}

} // namespace kanavo
