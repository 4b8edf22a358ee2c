#pragma once
// The words of a title search and the test a title must pass. Texts are Windows-1251.

#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

class SearchWords {
public:
    static constexpr std::size_t kMaxWords = 10;
    static constexpr std::size_t kMaxLength = 255;

    // The first 255 characters in lower case, cut at single blanks into at most ten
    // words; text after the tenth is ignored. A leading blank or two blanks in a row make
    // an empty word, and an empty word matches nothing, so such a search (and an empty
    // one) finds nothing.
    explicit SearchWords(std::string_view text);

    const std::vector<std::string>& words() const { return m_words; }
    // Whether the title's first 255 characters, in lower case, hold every word.
    bool matches(std::string_view title) const;

private:
    std::vector<std::string> m_words;
    bool m_findsNothing = false;
};

} // namespace kanavo
