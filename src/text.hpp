// Small string helpers that every engine uses.
#pragma once
#include <array>
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

// The compound head in each of the N agreement forms of a participle: a
// head whose last word is a participle agrees with the verb (Hindi चला
// जाना: चली गई). `participle` gives the N forms of such a word, or none for
// any other word, and then the head stays as it is in every slot.
template <std::size_t N, class Participle>
std::array<std::string, N> agreeing_heads(std::string_view head, Participle&& participle) {
    std::array<std::string, N> out;
    out.fill(std::string(head));
    if (head.empty()) return out;
    std::string_view body = head.substr(0, head.size() - 1);
    std::size_t space = body.rfind(' ');
    std::string_view before = space == std::string_view::npos ? std::string_view{} : body.substr(0, space + 1);
    std::string_view word = space == std::string_view::npos ? body : body.substr(space + 1);
    auto forms = participle(word);
    if (!forms) return out;
    for (std::size_t i = 0; i < N; ++i) out[i] = join(before, (*forms)[i], head.substr(head.size() - 1));
    return out;
}

}  // namespace velnor::text
