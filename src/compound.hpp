// Verbs made of one or more particles and a listed base verb (Danish
// planlægge = plan + lægge, Swedish uppäta = upp + äta): the base's forms
// stand behind the particles.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "unicode.hpp"
#include "utf8.hpp"

namespace velnor::compound {

// The length of the particle part of `word` for the longest base that
// `listed` accepts, or 0 when there is none. The particle part must be a
// chain of `particles` no longer than 32 bytes. A base of fewer than three
// letters is never taken (Danish samle is no sam + le, misse no mis + se),
// nor one of `no_compounds`, the auxiliaries and modals, whose look-alikes
// are plain verbs (Swedish bevara is no be + vara, förkunna no för + kunna).
// `min_base` lowers that limit where short bases are real (English undo, outgo).
template <class Listed>
std::size_t particle_length(std::string_view word, std::span<const std::string_view> particles,
                            std::span<const std::string_view> no_compounds, Listed&& listed,
                            std::size_t min_base = 3) {
    constexpr std::size_t kMax = 32;
    if (word.size() <= min_base) return 0;
    const std::size_t limit = std::min(kMax, word.size() - min_base);
    std::array<bool, kMax + 1> reach{};
    reach[0] = true;
    for (std::size_t i = 0; i <= limit; ++i) {
        if (!reach[i]) continue;
        if (i > 0) {
            std::string_view base = word.substr(i);
            if (utf8::length(base) < min_base) break;  // later bases are shorter still
            if (std::find(no_compounds.begin(), no_compounds.end(), base) == no_compounds.end() && listed(base))
                return i;
        }
        for (std::string_view p : particles) {
            if (i + p.size() <= limit && word.substr(i, p.size()) == p) reach[i + p.size()] = true;
        }
    }
    return 0;
}

// Whether `word` is particles before a base that `find` gives a row for.
template <class Find>
bool is_compound(std::string_view word, std::span<const std::string_view> particles,
                 std::span<const std::string_view> no_compounds, Find&& find) {
    return particle_length(word, particles, no_compounds,
                           [&](std::string_view base) { return find(base).has_value(); }) > 0;
}

// The row of the listed base behind the particles of `word` (none when `word`
// is no such compound), as `find` gives it; `particles` is set to the
// particle part.
template <class Find>
auto base_row(std::string_view word, std::span<const std::string_view> particles,
              std::span<const std::string_view> no_compounds, Find&& find, std::string_view& particle_part,
              std::size_t min_base = 3) -> decltype(find(word)) {
    decltype(find(word)) row{};
    std::size_t n = particle_length(word, particles, no_compounds, [&](std::string_view base) {
        row = find(base);
        return row.has_value();
    }, min_base);
    if (n == 0) return {};
    particle_part = word.substr(0, n);
    return row;
}

// The lemma a caller means by the trimmed `word`: the word as written where
// `find` lists it or where it is plain lower-case ASCII (its own lower-case
// copy); else its lower-case copy where that is listed or particles before a
// listed verb (a capital keeps no compound from its base: Uppäta is uppäta);
// else the word as written.
template <class Find>
std::string listed_case(std::string_view word, std::span<const std::string_view> particles,
                        std::span<const std::string_view> no_compounds, Find&& find) {
    if (find(word)) return std::string(word);
    bool plain = true;
    for (char c : word) plain = plain && static_cast<unsigned char>(c) < 0x80 && !(c >= 'A' && c <= 'Z');
    if (plain) return std::string(word);
    std::string lower = unicode::to_lower(word);
    if (find(lower) || is_compound(lower, particles, no_compounds, find)) return lower;
    return std::string(word);
}

// The row of `lemma`, or the row of the listed base behind its particles with
// `particle_part` set to them; none when it is neither.
template <class Find>
auto row_or_base(std::string_view lemma, std::span<const std::string_view> particles,
                 std::span<const std::string_view> no_compounds, Find&& find, std::string_view& particle_part)
    -> decltype(find(lemma)) {
    if (auto row = find(lemma)) return row;
    return base_row(lemma, particles, no_compounds, find, particle_part);
}

}  // namespace velnor::compound
