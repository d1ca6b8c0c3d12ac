// The German exception lexicon: strong, mixed and preterite-present verbs
// with their stems, verbs that stay weak, auxiliary overrides, prefix
// readings imposed on particular verbs, and weak imperative overrides.
// Every lookup is a binary search in the table compiled from the built-in
// text and allocates nothing.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "features.hpp"

namespace velnor::deu::lexicon {

enum class LexClass : std::uint8_t { Strong = 0, Mixed = 1, PreteritePresent = 2 };

// One row of class s, m or p. The views point into the lexicon text.
struct LexEntry {
    LexClass klass;
    std::optional<std::string_view> pres;  // s, m: 2nd/3rd singular stem; p: singular stem
    std::string_view pret;                 // preterite stem
    std::string_view konj2;                // Konjunktiv II stem
    std::string_view part2;                // full past participle
    std::optional<std::string_view> imp;   // 2nd singular imperative override
    Auxiliary aux;
};

// A row of class x, xw, i, iw or f: how the verb splits.
struct DualOverride {
    std::string_view prefix;  // may be empty (iw rows without a prefix)
    prefix::Separability separability;
    bool weak;                             // the rest is conjugated by the weak rule
    std::optional<std::string_view> part2;  // participle override
};

// Lookups in the built-in text's compiled table (checked at build time).
std::optional<LexEntry> lookup(std::string_view infinitive);
bool is_forced_weak(std::string_view infinitive);
std::optional<DualOverride> dual_override(std::string_view infinitive);
std::optional<Auxiliary> aux_override(std::string_view infinitive);
std::optional<std::string_view> weak_imp_override(std::string_view infinitive);

}  // namespace velnor::deu::lexicon
