// The three verbs whose synthetic forms are listed whole: sein, werden, tun.
#pragma once
#include <array>
#include <string_view>

#include "features.hpp"

namespace velnor::deu::suppletive {

struct SuppletiveVerb {
    std::string_view infinitive;
    std::array<std::string_view, 6> present;
    std::array<std::string_view, 6> preterite;
    std::array<std::string_view, 6> konjunktiv1;
    std::array<std::string_view, 6> konjunktiv2;
    std::string_view present_participle;
    std::string_view past_participle;
    std::array<std::string_view, 2> imperative;
    Auxiliary auxiliary;
};

extern const SuppletiveVerb SEIN;
extern const SuppletiveVerb WERDEN;
extern const SuppletiveVerb TUN;

// The table of a suppletive infinitive, or null.
const SuppletiveVerb* find(std::string_view infinitive) noexcept;

}  // namespace velnor::deu::suppletive
