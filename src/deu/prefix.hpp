// Separable and inseparable verb prefixes, and the split of a word into a
// prefix and a base verb.
#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "features.hpp"

namespace velnor::deu {

// Whether a remainder left by a prefix can be a base verb; a regular -ieren
// verb can be one only behind a separable prefix.
bool plausible_base(std::string_view rest, bool separable = false);

namespace prefix {

struct Split {
    std::string_view prefix;  // a static list entry
    Separability separability;
    std::string_view rest;  // a view into the word
};

// The longest listed prefix whose remainder is a plausible base; the word
// is already lower-cased.
std::optional<Split> split(std::string_view word);

// Whether a separable part is a noun, which keeps its capital when written
// apart (fährt Auto, steht Schlange).
bool is_noun(std::string_view text) noexcept;

}  // namespace prefix
}  // namespace velnor::deu
