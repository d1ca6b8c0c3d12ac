// UTF-8 helpers. Text inside the engines is UTF-8 that the interpreter has
// already validated, but every function here stays memory-safe on any bytes:
// a malformed sequence decodes as U+FFFD covering one byte.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velnor::utf8 {

struct Decoded {
    char32_t cp;
    std::size_t len;  // bytes consumed, at least 1 when pos < size
};

// Decodes the character that starts at byte `pos` (pos < s.size()).
Decoded decode(std::string_view s, std::size_t pos) noexcept;

// Decodes the character that ends at byte `end` (0 < end <= s.size()).
Decoded decode_last(std::string_view s, std::size_t end) noexcept;

void append(std::string& out, char32_t cp);
std::string encode(char32_t cp);

// Number of characters.
std::size_t length(std::string_view s) noexcept;

// Byte offset of character `n` (clamped to s.size()).
std::size_t offset_of(std::string_view s, std::size_t n) noexcept;

// The first / last `n` characters, and the text without them.
std::string_view first_chars(std::string_view s, std::size_t n) noexcept;
std::string_view last_chars(std::string_view s, std::size_t n) noexcept;
std::string_view drop_first_chars(std::string_view s, std::size_t n) noexcept;
std::string_view drop_last_chars(std::string_view s, std::size_t n) noexcept;

// The last character, or 0 for the empty text.
char32_t last(std::string_view s) noexcept;
// The first character, or 0 for the empty text.
char32_t first(std::string_view s) noexcept;

// Iterates the characters of a text: for (char32_t c : utf8::chars(s)).
class chars {
public:
    explicit chars(std::string_view s) noexcept : s_(s) {}
    class iterator {
    public:
        iterator(std::string_view s, std::size_t pos) noexcept : s_(s), pos_(pos) { load(); }
        char32_t operator*() const noexcept { return cur_.cp; }
        std::size_t position() const noexcept { return pos_; }
        iterator& operator++() noexcept { pos_ += cur_.len; load(); return *this; }
        bool operator!=(const iterator& o) const noexcept { return pos_ != o.pos_; }
        bool operator==(const iterator& o) const noexcept { return pos_ == o.pos_; }
    private:
        void load() noexcept { cur_ = pos_ < s_.size() ? decode(s_, pos_) : Decoded{0, 0}; }
        std::string_view s_;
        std::size_t pos_;
        Decoded cur_{0, 0};
    };
    iterator begin() const noexcept { return {s_, 0}; }
    iterator end() const noexcept { return {s_, s_.size()}; }
private:
    std::string_view s_;
};

// The code points of the text, one per character.
inline std::u32string code_points(std::string_view s) {
    std::u32string out;
    for (char32_t c : chars(s)) out.push_back(c);
    return out;
}

inline bool starts_with(std::string_view s, std::string_view p) noexcept { return s.substr(0, p.size()) == p; }
inline bool ends_with(std::string_view s, std::string_view p) noexcept {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}
// What stands before `ending` where `s` ends with it; none otherwise.
inline std::optional<std::string_view> before_ending(std::string_view s, std::string_view ending) noexcept {
    if (!ends_with(s, ending)) return std::nullopt;
    return s.substr(0, s.size() - ending.size());
}
// The index of the longest of `endings` for which `ends(ending)` holds (the
// first of equally long ones); endings.size() where it holds for none.
template <class Ends>
std::size_t longest_matching(std::span<const std::string_view> endings, Ends ends) {
    std::size_t found = endings.size();
    for (std::size_t i = 0; i < endings.size(); ++i)
        if ((found == endings.size() || endings[i].size() > endings[found].size()) && ends(endings[i])) found = i;
    return found;
}
// The index of the longest of `endings` that ends `s`; endings.size() where none does.
inline std::size_t longest_ending(std::string_view s, std::span<const std::string_view> endings) noexcept {
    return longest_matching(endings, [s](std::string_view e) { return ends_with(s, e); });
}
inline bool ends_with_one_of(std::string_view s, std::span<const std::string_view> endings) noexcept {
    return longest_ending(s, endings) != endings.size();
}

}  // namespace velnor::utf8
