#include "utf8.hpp"

namespace velnor::utf8 {

namespace {
inline bool cont(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

Decoded decode(std::string_view s, std::size_t pos) noexcept {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data()) + pos;
    std::size_t left = s.size() - pos;
    unsigned char c = p[0];
    if (c < 0x80) return {c, 1};
    if (c >= 0xC2 && c < 0xE0 && left >= 2 && cont(p[1])) {
        return {static_cast<char32_t>(((c & 0x1F) << 6) | (p[1] & 0x3F)), 2};
    }
    if (c >= 0xE0 && c < 0xF0 && left >= 3 && cont(p[1]) && cont(p[2])) {
        char32_t cp = ((c & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F);
        if (cp >= 0x800) return {cp, 3};
    }
    if (c >= 0xF0 && c < 0xF5 && left >= 4 && cont(p[1]) && cont(p[2]) && cont(p[3])) {
        char32_t cp = ((c & 0x07) << 18) | ((p[1] & 0x3F) << 12) | ((p[2] & 0x3F) << 6) | (p[3] & 0x3F);
        if (cp >= 0x10000 && cp <= 0x10FFFF) return {cp, 4};
    }
    return {0xFFFD, 1};
}

Decoded decode_last(std::string_view s, std::size_t end) noexcept {
    std::size_t start = end - 1;
    std::size_t limit = end >= 4 ? end - 4 : 0;
    while (start > limit && cont(static_cast<unsigned char>(s[start]))) --start;
    Decoded d = decode(s, start);
    if (start + d.len == end) return d;
    return {0xFFFD, 1};
}

void append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string encode(char32_t cp) {
    std::string s;
    append(s, cp);
    return s;
}

std::size_t length(std::string_view s) noexcept {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < s.size(); ++n) pos += decode(s, pos).len;
    return n;
}

std::size_t offset_of(std::string_view s, std::size_t n) noexcept {
    std::size_t pos = 0;
    while (n > 0 && pos < s.size()) {
        pos += decode(s, pos).len;
        --n;
    }
    return pos;
}

std::string_view first_chars(std::string_view s, std::size_t n) noexcept { return s.substr(0, offset_of(s, n)); }
std::string_view drop_first_chars(std::string_view s, std::size_t n) noexcept { return s.substr(offset_of(s, n)); }

namespace {
// Byte offset where the last n characters begin.
std::size_t start_of_last(std::string_view s, std::size_t n) noexcept {
    std::size_t end = s.size();
    while (n > 0 && end > 0) {
        end -= decode_last(s, end).len;
        --n;
    }
    return end;
}
}  // namespace

std::string_view last_chars(std::string_view s, std::size_t n) noexcept { return s.substr(start_of_last(s, n)); }
std::string_view drop_last_chars(std::string_view s, std::size_t n) noexcept {
    return s.substr(0, start_of_last(s, n));
}

char32_t last(std::string_view s) noexcept { return s.empty() ? 0 : decode_last(s, s.size()).cp; }
char32_t first(std::string_view s) noexcept { return s.empty() ? 0 : decode(s, 0).cp; }

}  // namespace velnor::utf8
