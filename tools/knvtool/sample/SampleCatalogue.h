#pragma once
// The words sample weeks are made of: channel names and the pieces of programme
// titles, in UTF-8. SampleWeek turns them into Windows-1251 schedule text.

#include <span>
#include <string_view>

namespace kanavo::sample {

// What a channel mostly broadcasts; it sets the mix of programme types.
enum class Profile { General, Sport, Music, Children, Cinema, Culture, Nature, News };

struct NamedChannel {
    std::string_view name;
    Profile profile;
};

using Words = std::span<const std::string_view>;

// Channels 1, 2, … in order; channels beyond these get generated names.
std::span<const NamedChannel> namedChannels();

// Programme types, 0..14, in the order of the schedule's type codes.
inline constexpr int kTypeCount = 15;

// Complete titles of a type (news, cartoons, talk shows, …), ready to use as they are.
Words fixedTitles(int type);

Words filmNames();
Words filmGenres(); // "Х/ф", "Комедия", …: the word before a film's name
Words filmCountries();
Words serialNames();
Words personNames();
Words footballTeams(); // "«Зенит» (Санкт-Петербург)"-style, club then city
Words hockeyTeams();
Words sportEvents(); // events that need no teams: "Биатлон. Кубок мира. Спринт", …
Words talkTopics();
Words plays(); // for culture programmes: "«Вишнёвый сад»", …

} // namespace kanavo::sample
