// Small string helpers that every engine uses.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velnor::text {

// The pieces one after another, built in one allocation.
template <class... Parts>
std::string join(const Parts&... parts) {
    const std::string_view views[] = {std::string_view(parts)...};
    std::size_t size = 0;
    for (std::string_view v : views) size += v.size();
    std::string out;
    out.reserve(size);
    for (std::string_view v : views) out.append(v);
    return out;
}

// An owned copy of an optional view.
inline std::optional<std::string> own(const std::optional<std::string_view>& v) {
    if (!v) return std::nullopt;
    return std::string(*v);
}

// A verb written after a compound head (काम करना): the text split after its
// last space, the head keeping that space; with no space the head is empty.
struct Headed {
    std::string_view head;
    std::string_view word;
};
inline Headed split_head(std::string_view text) {
    std::size_t space = text.rfind(' ');
    if (space == std::string_view::npos) return {{}, text};
    return {text.substr(0, space + 1), text.substr(space + 1)};
}

}  // namespace velnor::text
