#include "views/SearchWords.h"

#include "base/Cp1251.h"

#include <algorithm>

namespace kanavo {

SearchWords::SearchWords(std::string_view text) {
    const std::string lower = cp1251::toLower(text.substr(0, kMaxLength));
    std::string_view rest = lower;
    do {
        const std::size_t blank = rest.find(' ');
        m_words.emplace_back(rest.substr(0, blank));
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    } while (!rest.empty() && m_words.size() < kMaxWords);
    m_findsNothing =
        std::any_of(m_words.begin(), m_words.end(), [](const std::string& w) { return w.empty(); });
}

bool SearchWords::matches(std::string_view title) const {
    if (m_findsNothing) {
        return false;
    }
    char lower[kMaxLength];
    const std::size_t length = std::min(title.size(), kMaxLength);
    std::transform(title.begin(), title.begin() + static_cast<std::ptrdiff_t>(length), lower,
                   [](char c) { return cp1251::toLower(c); });
    const std::string_view haystack(lower, length);
    return std::all_of(m_words.begin(), m_words.end(), [&haystack](const std::string& word) {
        return haystack.find(word) != std::string_view::npos;
    });
}

} // namespace kanavo
