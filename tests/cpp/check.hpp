// What the check programs in tests/cpp/ print for values that may be absent.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace check {

// An optional text, "~" when absent.
template <class S>
std::string opt(const std::optional<S>& v) {
    return v ? std::string(*v) : "~";
}

// An optional group of forms joined by commas, "~" when absent.
template <class G>
std::string group(const G& g) {
    if (!g) return "~";
    std::string out;
    bool first = true;
    for (std::string_view f : *g) {
        if (!first) out += ',';
        out += f;
        first = false;
    }
    return out;
}

}  // namespace check
