#include "isl.hpp"

#include <cstdint>
#include <deque>
#include <vector>

#include "lexicon_text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"
#include "view_map.hpp"

namespace velnor::isl {
namespace {

bool is_vowel(char32_t c) {
    switch (c) {
        case U'a': case U'á': case U'e': case U'é': case U'i': case U'í': case U'o':
        case U'ó': case U'u': case U'ú': case U'y': case U'ý': case U'æ': case U'ö':
            return true;
        default:
            return false;
    }
}

// One lexicon row as read from the text: the whole line (parsed into a
// LexEntry only when it wins), the lemma's length as written, whether it
// matches only the whole input, and its place in the file.
struct RowRef {
    std::string_view line;
    std::size_t lemma_bytes;
    bool exact;
    std::uint32_t index;
};

// Rows keyed by their lower-cased lemma; rows sharing a key stay in file order.
struct Lexicon {
    std::deque<std::string> lowered;  // keys that differ from the lemma as written
    ViewMap<std::vector<RowRef>> rows;
};

const Lexicon& lexicon() {
    static const Lexicon lex = [] {
        Lexicon l;
        l.rows.reserve(2048);
        std::uint32_t index = 0;
        for (std::string_view line : lex::Lines(data::isl)) {
            auto c = lex::split<10>(line);
            std::string_view lemma = c[0];
            bool exact = c.count >= 10 && c[9] == "1";
            std::string_view key = lemma;
            if (unicode::has_upper(lemma)) {
                std::string low = unicode::to_lower(lemma);
                if (low != lemma) key = l.lowered.emplace_back(std::move(low));
            }
            l.rows[key].push_back(RowRef{line, lemma.size(), exact, index++});
        }
        return l;
    }();
    return lex;
}

LexEntry parse_entry(std::string_view line) {
    auto c = lex::split<10>(line);
    auto cell = [&](std::size_t i) -> std::string_view { return i < c.count ? c[i] : std::string_view("-"); };
    return LexEntry{six(cell(1)), six(cell(2)), six(cell(3)), six(cell(4)),
                    opt(cell(5)), opt(cell(6)), opt(cell(7)), opt(cell(8))};
}

bool allowed_char(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'-') return true;
    return c >= 0xAA && unicode::is_alphabetic(c);
}

constexpr std::string_view ENDINGS[4][6] = {
    {"a", "ar", "ar", "um", "ið", "a"},
    {"aði", "aðir", "aði", "uðum", "uðuð", "uðu"},
    {"i", "ir", "i", "um", "ið", "i"},
    {"aði", "aðir", "aði", "uðum", "uðuð", "uðu"},
};

std::string join(std::string_view a, std::string_view b) {
    std::string out;
    out.reserve(a.size() + b.size());
    out.append(a);
    out.append(b);
    return out;
}

std::string form(const std::optional<std::string>& entry_form, std::string_view prefix) {
    return join(prefix, *entry_form);
}

const std::optional<Six>& tense_of(const LexEntry& e, Tense tense) {
    switch (tense) {
        case Tense::Present: return e.present;
        case Tense::Past: return e.past;
        case Tense::SubjunctivePresent: return e.subjunctive_present;
        case Tense::SubjunctivePast: return e.subjunctive_past;
    }
    return e.present;
}

constexpr std::pair<Person, Number> SLOTS[6] = {
    {Person::First, Number::Singular}, {Person::Second, Number::Singular}, {Person::Third, Number::Singular},
    {Person::First, Number::Plural},   {Person::Second, Number::Plural},   {Person::Third, Number::Plural},
};

}  // namespace

std::optional<Six> six(std::string_view cell) {
    if (cell == "-") return std::nullopt;
    Six out;
    std::size_t n = 0, start = 0;
    for (;;) {
        std::size_t comma = cell.find(',', start);
        if (n == 6) return std::nullopt;
        out[n++] = std::string(cell.substr(start, comma == std::string_view::npos ? std::string_view::npos
                                                                                    : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (n != 6) return std::nullopt;
    return out;
}

std::optional<std::string> opt(std::string_view cell) {
    if (cell == "-") return std::nullopt;
    return std::string(cell);
}

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    std::string_view word = unicode::trim(text);
    if (word.empty()) return fail(Error{});
    for (char32_t c : utf8::chars(word)) {
        if (unicode::is_white_space(c) || !allowed_char(c)) return fail(Error{});
    }

    // Lower-case copy for matching, with the offset in the copy at which the
    // image of each input character starts: a lemma may only match from such
    // an offset, and the prefix is the input up to the matching character, so
    // it always ends on a character boundary of the input.
    std::string lower;
    lower.reserve(word.size() + 8);
    std::vector<std::pair<std::size_t, std::size_t>> starts;  // (input offset, copy offset)
    starts.reserve(word.size());
    for (auto it = utf8::chars(word).begin(), end = utf8::chars(word).end(); it != end; ++it) {
        starts.emplace_back(it.position(), lower.size());
        unicode::append_lower(lower, *it);
    }

    const Lexicon& lex = lexicon();
    const RowRef* best = nullptr;
    std::size_t best_start = 0;
    for (const auto& [in_off, low_off] : starts) {
        auto found = lex.rows.find(std::string_view(lower).substr(low_off));
        if (found == lex.rows.end()) continue;
        for (const RowRef& row : found->second) {
            if (row.exact && low_off != 0) continue;
            if (best == nullptr || row.lemma_bytes > best->lemma_bytes ||
                (row.lemma_bytes == best->lemma_bytes && row.index < best->index)) {
                best = &row;
                best_start = in_off;
            }
        }
    }

    Verb verb;
    verb.infinitive = std::string(word);
    if (best != nullptr) {
        verb.entry = parse_entry(best->line);
        verb.prefix = std::string(word.substr(0, best_start));
    }
    verb.stem = std::string(word.back() == 'a' ? word.substr(0, word.size() - 1) : word);

    bool vowel_end = is_vowel(utf8::last(word));
    if (!vowel_end && best == nullptr && !(word.size() > 1 && utf8::ends_with(word, "st"))) return fail(Error{});
    return verb;
}

std::string Verb::regular_form(std::string_view stem, Tense tense, std::size_t slot) {
    std::string_view ending = ENDINGS[static_cast<int>(tense)][slot];
    if (!ending.empty() && ending.front() == 'u') {
        // u-umlaut: the stem's last vowel, when it is "a", becomes "ö".
        std::size_t end = stem.size();
        while (end > 0) {
            utf8::Decoded d = utf8::decode_last(stem, end);
            std::size_t at = end - d.len;
            if (is_vowel(d.cp)) {
                if (d.cp == U'a') {
                    std::string out;
                    out.reserve(stem.size() + 1 + ending.size());
                    out.append(stem.substr(0, at));
                    out.append("ö");
                    out.append(stem.substr(end));
                    out.append(ending);
                    return out;
                }
                break;
            }
            end = at;
        }
    }
    return join(stem, ending);
}

std::string Verb::conjugate(const Verb& verb, Tense tense, Person person, Number number) {
    std::size_t slot = static_cast<std::size_t>(person) + 3 * static_cast<std::size_t>(number);
    if (verb.entry) {
        const std::optional<Six>& forms = tense_of(*verb.entry, tense);
        if (forms) return join(verb.prefix, (*forms)[slot]);
    }
    return regular_form(verb.stem, tense, slot);
}

Table Table::build(const Verb& verb) {
    const LexEntry* e = verb.entry ? &*verb.entry : nullptr;
    Table t;
    t.infinitive = verb.infinitive;
    t.supine = e && e->supine ? form(e->supine, verb.prefix) : join(verb.stem, "að");
    t.present_participle =
        e && e->present_participle ? form(e->present_participle, verb.prefix) : join(verb.infinitive, "ndi");
    t.imperative[0] = e && e->imperative_singular ? form(e->imperative_singular, verb.prefix) : verb.infinitive;
    t.imperative[1] = e && e->imperative_plural
                          ? form(e->imperative_plural, verb.prefix)
                          : Verb::conjugate(verb, Tense::Present, Person::Second, Number::Plural);
    Six* rows[4] = {&t.present, &t.past, &t.subjunctive_present, &t.subjunctive_past};
    for (int tense = 0; tense < 4; ++tense) {
        for (std::size_t slot = 0; slot < 6; ++slot) {
            (*rows[tense])[slot] = Verb::conjugate(verb, static_cast<Tense>(tense), SLOTS[slot].first,
                                                   SLOTS[slot].second);
        }
    }
    return t;
}

}  // namespace velnor::isl
