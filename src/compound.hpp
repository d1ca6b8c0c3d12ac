// Verbs made of one or more particles and a listed base verb (Danish
// planlægge = plan + lægge, Swedish uppäta = upp + äta): the base's forms
// stand behind the particles.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace velnor::compound {

// The length of the particle part of `word` for the longest base that
// `listed` accepts, or 0 when there is none. The particle part must be a
// chain of `particles` no longer than 32 bytes; the base must be at least
// `min_base` bytes.
template <class Listed>
std::size_t particle_length(std::string_view word, std::span<const std::string_view> particles, Listed&& listed,
                            std::size_t min_base = 2) {
    constexpr std::size_t kMax = 32;
    if (word.size() <= min_base) return 0;
    const std::size_t limit = std::min(kMax, word.size() - min_base);
    std::array<bool, kMax + 1> reach{};
    reach[0] = true;
    for (std::size_t i = 0; i <= limit; ++i) {
        if (!reach[i]) continue;
        if (i > 0 && listed(word.substr(i))) return i;
        for (std::string_view p : particles) {
            if (i + p.size() <= limit && word.substr(i, p.size()) == p) reach[i + p.size()] = true;
        }
    }
    return 0;
}

}  // namespace velnor::compound
