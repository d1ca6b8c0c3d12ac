#include "unicode.hpp"

#include <algorithm>

#include "unicode_tables.hpp"
#include "utf8.hpp"

namespace velnor::unicode {

namespace t = tables;

namespace {

bool in_ranges(const t::Range* ranges, std::size_t count, char32_t cp) noexcept {
    const t::Range* end = ranges + count;
    const t::Range* it =
        std::upper_bound(ranges, end, cp, [](char32_t c, const t::Range& r) { return c < r.first; });
    return it != ranges && cp <= (it - 1)->last;
}

const t::CaseMapping* find_mapping(const t::CaseMapping* table, std::size_t count, char32_t cp) noexcept {
    const t::CaseMapping* end = table + count;
    const t::CaseMapping* it =
        std::lower_bound(table, end, cp, [](const t::CaseMapping& m, char32_t c) { return m.cp < c; });
    return (it != end && it->cp == cp) ? it : nullptr;
}

void append_mapped(std::string& out, const t::CaseMapping* table, std::size_t count, char32_t cp) {
    if (const t::CaseMapping* m = find_mapping(table, count, cp)) {
        for (char32_t c : m->to) {
            if (c != 0) utf8::append(out, c);
        }
    } else {
        utf8::append(out, cp);
    }
}

}  // namespace

Category category(char32_t cp) noexcept {
    if (cp > 0x10FFFF) return Category::Cn;
    const t::CategoryRun* begin = t::CATEGORY_RUNS;
    const t::CategoryRun* end = begin + t::CATEGORY_RUN_COUNT;
    const t::CategoryRun* it =
        std::upper_bound(begin, end, cp, [](char32_t c, const t::CategoryRun& r) { return c < r.start; });
    return static_cast<Category>((it - 1)->category);
}

bool is_grapheme_extend(char32_t cp) noexcept {
    return cp >= 0x300 && in_ranges(t::GRAPHEME_EXTEND, t::GRAPHEME_EXTEND_COUNT, cp);
}

bool is_white_space(char32_t cp) noexcept {
    if (cp < 0x80) return cp == ' ' || (cp >= 0x09 && cp <= 0x0D);
    return in_ranges(t::WHITE_SPACE, t::WHITE_SPACE_COUNT, cp);
}

bool is_alphabetic(char32_t cp) noexcept {
    if (cp < 0x80) return (cp | 0x20) >= 'a' && (cp | 0x20) <= 'z';
    return in_ranges(t::ALPHABETIC, t::ALPHABETIC_COUNT, cp);
}

bool is_letters_or_hyphens(std::string_view s) noexcept {
    for (char32_t c : utf8::chars(s))
        if (!is_letter_or_hyphen(c)) return false;
    return true;
}

bool is_uppercase(char32_t cp) noexcept {
    if (cp < 0x80) return cp >= 'A' && cp <= 'Z';
    return in_ranges(t::UPPERCASE, t::UPPERCASE_COUNT, cp);
}

bool is_lowercase(char32_t cp) noexcept {
    if (cp < 0x80) return cp >= 'a' && cp <= 'z';
    return in_ranges(t::LOWERCASE, t::LOWERCASE_COUNT, cp);
}

void append_lower(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp >= 'A' && cp <= 'Z' ? cp + 32 : cp);
        return;
    }
    append_mapped(out, t::LOWER, t::LOWER_COUNT, cp);
}

namespace {

std::string map_case(std::string_view s, const t::CaseMapping* table, std::size_t count, char ascii_from,
                     int ascii_shift) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        unsigned char b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {
            bool shift = b >= static_cast<unsigned char>(ascii_from) && b <= static_cast<unsigned char>(ascii_from + 25);
            out += static_cast<char>(shift ? b + ascii_shift : b);
            ++pos;
            continue;
        }
        utf8::Decoded d = utf8::decode(s, pos);
        append_mapped(out, table, count, d.cp);
        pos += d.len;
    }
    return out;
}

}  // namespace

std::string to_lower(std::string_view s) { return map_case(s, t::LOWER, t::LOWER_COUNT, 'A', 32); }

std::string to_upper(std::string_view s) { return map_case(s, t::UPPER, t::UPPER_COUNT, 'a', -32); }

bool has_upper(std::string_view s) noexcept {
    for (std::size_t pos = 0; pos < s.size();) {
        unsigned char b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {
            if (b >= 'A' && b <= 'Z') return true;
            ++pos;
            continue;
        }
        utf8::Decoded d = utf8::decode(s, pos);
        if (is_uppercase(d.cp)) return true;
        pos += d.len;
    }
    return false;
}

std::string_view trim(std::string_view s) noexcept {
    std::size_t start = 0;
    while (start < s.size()) {
        utf8::Decoded d = utf8::decode(s, start);
        if (!is_white_space(d.cp)) break;
        start += d.len;
    }
    std::size_t end = s.size();
    while (end > start) {
        utf8::Decoded d = utf8::decode_last(s, end);
        if (!is_white_space(d.cp)) break;
        end -= d.len;
    }
    return s.substr(start, end - start);
}

bool is_collapsed(std::string_view s) noexcept {
    bool prev_space = true;  // a leading space is not collapsed
    for (std::size_t pos = 0; pos < s.size();) {
        utf8::Decoded d = utf8::decode(s, pos);
        if (is_white_space(d.cp)) {
            if (d.cp != U' ' || prev_space) return false;
            prev_space = true;
        } else {
            prev_space = false;
        }
        pos += d.len;
    }
    return s.empty() || !prev_space;
}

std::string collapse_white_space(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    bool pending_space = false;
    for (std::size_t pos = 0; pos < s.size();) {
        utf8::Decoded d = utf8::decode(s, pos);
        if (is_white_space(d.cp)) {
            pending_space = !out.empty();
        } else {
            if (pending_space) out += ' ';
            pending_space = false;
            out.append(s.substr(pos, d.len));
        }
        pos += d.len;
    }
    return out;
}

namespace {

constexpr std::uint16_t INHERITED = 1 << 14;
constexpr std::uint16_t JOINING = static_cast<std::uint16_t>(Script::Arabic) |
                                  static_cast<std::uint16_t>(Script::Devanagari) |
                                  static_cast<std::uint16_t>(Script::Bengali) |
                                  static_cast<std::uint16_t>(Script::Gujarati) |
                                  static_cast<std::uint16_t>(Script::Tamil) |
                                  static_cast<std::uint16_t>(Script::Telugu) |
                                  static_cast<std::uint16_t>(Script::Kannada);
constexpr std::uint16_t ARABIC = static_cast<std::uint16_t>(Script::Arabic);
// The scripts whose letters may come as a base letter and a mark used with
// any script (e + U+0301 for é, и + U+0306 for й, a stress mark).
constexpr std::uint16_t DIACRITICS = static_cast<std::uint16_t>(Script::Latin) |
                                     static_cast<std::uint16_t>(Script::Cyrillic);

std::uint16_t scripts_of(char32_t cp) noexcept {
    const t::ScriptRange* begin = t::SCRIPT_RANGES;
    const t::ScriptRange* end = begin + t::SCRIPT_RANGE_COUNT;
    const t::ScriptRange* it =
        std::upper_bound(begin, end, cp, [](char32_t c, const t::ScriptRange& r) { return c < r.first; });
    return it != begin && cp <= (it - 1)->last ? (it - 1)->scripts : 0;
}

bool is_letter(Category c) noexcept { return c >= Category::Lu && c <= Category::Lo; }
bool is_mark(Category c) noexcept { return c >= Category::Mn && c <= Category::Me; }

// The simple lower-case mapping of one character (itself when its full
// mapping is longer than one character).
char32_t lower_one(char32_t cp) noexcept {
    if (cp < 0x80) return cp >= 'A' && cp <= 'Z' ? cp + 32 : cp;
    const t::CaseMapping* m = find_mapping(t::LOWER, t::LOWER_COUNT, cp);
    return m && m->to[1] == 0 ? m->to[0] : cp;
}

// Whether `word` ends with the lower-case `ending`, letter case aside; sets
// `stem` to the byte length of what stands before it.
bool ends_with_folded(std::string_view word, std::string_view ending, std::size_t& stem) noexcept {
    std::size_t w = word.size();
    std::size_t e = ending.size();
    while (e > 0) {
        if (w == 0) return false;
        utf8::Decoded a = utf8::decode_last(word, w);
        utf8::Decoded b = utf8::decode_last(ending, e);
        if (lower_one(a.cp) != b.cp) return false;
        w -= a.len;
        e -= b.len;
    }
    stem = w;
    return true;
}

}  // namespace

bool is_word_of(std::string_view text, const Spelling& spelling) noexcept {
    const auto script = static_cast<std::uint16_t>(spelling.script);
    std::string_view word = trim(text);
    // The last word starts at the first letter or mark after the last white
    // space that has one after it (a bidi mark after a blank is no word).
    std::size_t last_word = 0;
    std::size_t after_space = 0;
    // Whether a letter or mark stands before, which a mark or a joiner needs;
    // a joiner needs one after it too (a virama may follow a ZWJ).
    bool after_letter = false;
    bool joiner = false;
    // The Perso-Arabic normalisation removes joiners that stand anywhere but
    // inside a word; an Indic joiner must stand there.
    const bool stray_joiners = script & ARABIC;
    // A hyphen joins two parts of a word: one at a word's start or end is a
    // prefix or a first part on its own (mí-, -gehen), no verb.
    bool word_start = true;
    bool hyphen = false;
    for (std::size_t pos = 0; pos < word.size();) {
        utf8::Decoded d = utf8::decode(word, pos);
        pos += d.len;
        const bool sign = spelling.signs.find(d.cp) != std::u32string_view::npos;
        if (sign || is_white_space(d.cp)) {
            if ((joiner && !stray_joiners) || (!sign && !spelling.spaces)) return false;
            if (sign && d.cp == U'-' && word_start) return false;
            if (!sign && hyphen) return false;
            after_letter = false;
            hyphen = sign && d.cp == U'-';
            word_start = !sign;
            if (!sign) after_space = pos;
            continue;
        }
        word_start = false;
        hyphen = false;
        if (after_space != 0) {
            last_word = after_space;
            after_space = 0;
        }
        if (d.cp == 0x200C || d.cp == 0x200D) {
            if (!(script & JOINING) || ((!after_letter || joiner) && !stray_joiners)) return false;
            joiner = true;
            continue;
        }
        const Category c = category(d.cp);
        const std::uint16_t scripts = scripts_of(d.cp);
        if (is_letter(c)) {
            if (!(scripts & script)) return false;
        } else if (is_mark(c) && after_letter) {
            const bool taken = spelling.marks.empty()
                                   ? (scripts & script) || ((scripts & INHERITED) && (script & DIACRITICS))
                                   : spelling.marks.find(d.cp) != std::u32string_view::npos;
            if (!taken) return false;
        } else {
            return false;
        }
        after_letter = true;
        joiner = false;
    }
    if ((joiner && !stray_joiners) || hyphen) return false;
    word = word.substr(last_word);
    // The longest ending is cut off; an empty one is no ending.
    std::size_t stem = word.size();
    const std::size_t ending = utf8::longest_matching(
        spelling.endings, [&](std::string_view e) { return !e.empty() && ends_with_folded(word, e, stem); });
    if (ending == spelling.endings.size()) {
        if (spelling.ending_required) return false;
        stem = word.size();
    } else {
        ends_with_folded(word, spelling.endings[ending], stem);
    }
    for (char32_t c : utf8::chars(word.substr(0, stem)))
        if (is_letter(category(c))) return true;
    return false;
}

std::string compose(std::string_view text, std::span<const Composition> pairs) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        utf8::Decoded d = utf8::decode(text, pos);
        char32_t letter = 0;
        if (d.cp >= 0x300 && !out.empty()) {
            for (const Composition& c : pairs) {
                if (c.mark == d.cp && c.base == out.back()) {
                    letter = c.letter;
                    break;
                }
            }
        }
        if (letter != 0) {
            out.pop_back();
            utf8::append(out, letter);
        } else {
            out.append(text.substr(pos, d.len));
        }
        pos += d.len;
    }
    return out;
}

bool in_script(char32_t cp, Script script) noexcept {
    return (scripts_of(cp) & static_cast<std::uint16_t>(script)) != 0;
}

}  // namespace velnor::unicode
