#include "ukr.hpp"

#include "lexicon_text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::ukr {
namespace {

std::optional<std::string_view> cell(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return c;
}

using utf8::ends_with;

constexpr std::string_view kReflexive = "ся";

bool is_labial(char32_t c) { return c == U'б' || c == U'в' || c == U'м' || c == U'п' || c == U'ф'; }

// Stems after which the 1sg takes "у" and the second-conjugation 3pl "ать".
bool ends_in_hushing(std::string_view s) {
    return ends_with(s, "дж") || ends_with(s, "ж") || ends_with(s, "ч") || ends_with(s, "ш") ||
           ends_with(s, "щ");
}

std::string cut(std::string_view s, std::size_t bytes) { return std::string(s.substr(0, s.size() - bytes)); }

// A lemma is written in Cyrillic letters, with the hyphen and the
// apostrophe.
bool lemma_char(char32_t c) {
    if (c == '-' || c == '\'') return true;
    if (c < 0x0400 || c > 0x052F) return false;
    const unicode::Category cat = unicode::category(c);
    return cat == unicode::Category::Ll || cat == unicode::Category::Lu || cat == unicode::Category::Lt ||
           cat == unicode::Category::Lm || cat == unicode::Category::Lo;
}

// The 1sg of the second conjugation: the stem with its consonant
// alternation, then "у" or "ю".
std::string second_first_singular(std::string_view stem) {
    std::string s;
    if (stem.size() >= 4 && ends_with(stem, "ст")) {
        s = cut(stem, 4) + "щ";
    } else if (stem.size() >= 4 && ends_with(stem, "зд")) {
        s = cut(stem, 4) + "ждж";
    } else {
        char32_t last = utf8::last(stem);
        s = std::string(stem);
        if (is_labial(last)) {
            s += "л";
        } else if (last == U'д' || last == U'з' || last == U'с' || last == U'т') {
            s = std::string(utf8::drop_last_chars(stem, 1));
            s += last == U'д' ? "дж" : last == U'з' ? "ж" : last == U'с' ? "ш" : "ч";
        }
    }
    s += ends_in_hushing(s) ? "у" : "ю";
    return s;
}

}  // namespace

// A later row for the same lemma replaces the earlier one. A line without a
// tab gives every form absent.
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::ukr.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<kRowForms + 1>(*line);
    Row row;
    for (std::size_t i = 0; i < kRowForms; ++i) row.forms[i] = cell(c[i + 1]);
    return row;
}

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    std::string lower = unicode::to_lower(text);
    // The typographic apostrophe (U+2019) and the modifier-letter
    // apostrophe (U+02BC, the one Ukrainian keyboard layouts type) count as
    // the plain one that the lexicon uses.
    std::string folded;
    folded.reserve(lower.size());
    for (std::size_t i = 0; i < lower.size();) {
        if (lower.compare(i, 3, "\u2019") == 0) {
            folded += '\'';
            i += 3;
        } else if (lower.compare(i, 2, "\u02bc") == 0) {
            folded += '\'';
            i += 2;
        } else {
            folded += lower[i++];
        }
    }
    std::string_view word = unicode::trim(folded);
    if (word.empty()) return fail(Error{});
    for (char32_t c : utf8::chars(word)) {
        if (unicode::is_white_space(c) || !lemma_char(c)) return fail(Error{});
    }

    Verb verb;
    verb.lemma = std::string(word);
    std::string_view base = word;
    if (word.size() >= 4 && (ends_with(word, "ся") || ends_with(word, "сь"))) {
        base = word.substr(0, word.size() - 4);
        verb.reflexive = true;
    }
    verb.base = std::string(base);

    if (base.size() >= 10 && ends_with(base, "увати")) {
        verb.stem = cut(base, 10) + "у";
    } else if (base.size() >= 10 && ends_with(base, "ювати")) {
        verb.stem = cut(base, 10) + "ю";
    } else if (base.size() >= 6 && (ends_with(base, "ити") || ends_with(base, "їти") || ends_with(base, "іти"))) {
        verb.stem = cut(base, 6);
        verb.conjugation = Conjugation::Second;
    } else if (base.size() >= 4 && ends_with(base, "ти")) {
        verb.stem = cut(base, 4);
    } else {
        verb.stem = std::string(base);
    }

    if (auto row = find_row(verb.lemma)) verb.forms = row->forms;
    return verb;
}

std::string Verb::present(int person, bool plural) const {
    std::size_t slot = static_cast<std::size_t>(person) + (plural ? 3 : 0);
    if (forms[slot]) return std::string(*forms[slot]);
    std::string out;
    if (conjugation == Conjugation::First) {
        static constexpr std::string_view kEndings[6] = {"ю", "єш", "є", "ємо", "єте", "ють"};
        out = stem + std::string(kEndings[slot]);
    } else if (slot == 0) {
        out = second_first_singular(stem);
    } else if (slot == 5) {
        if (is_labial(utf8::last(stem))) out = stem + "лять";
        else if (ends_in_hushing(stem)) out = stem + "ать";
        else out = stem + "ять";
    } else {
        static constexpr std::string_view kEndings[6] = {"", "иш", "ить", "имо", "ите", ""};
        out = stem + std::string(kEndings[slot]);
    }
    // The first-conjugation 3sg ends in a vowel ("читає"): its reflexive
    // takes "ться" ("читається"), as every slot that ends in "ть" already
    // does with "ся".
    if (reflexive) out += conjugation == Conjugation::First && slot == 2 ? "ться" : kReflexive;
    return out;
}

std::string Verb::past(int gender, bool plural) const {
    std::size_t slot = plural ? 3 : static_cast<std::size_t>(gender);
    if (forms[kPastSlot + slot]) return std::string(*forms[kPastSlot + slot]);
    static constexpr std::string_view kEndings[4] = {"в", "ла", "ло", "ли"};
    std::string_view b = base;
    if (b.size() >= 4 && ends_with(b, "ти")) b.remove_suffix(4);
    std::string out(b);
    out += kEndings[slot];
    if (reflexive) out += kReflexive;
    return out;
}

std::string Verb::imperative(int slot) const {
    std::size_t i = static_cast<std::size_t>(slot);
    if (forms[kImperativeSlot + i]) return std::string(*forms[kImperativeSlot + i]);
    static constexpr std::string_view kFirst[3] = {"й", "ймо", "йте"};
    static constexpr std::string_view kSecond[3] = {"и", "імо", "іть"};
    std::string out = stem;
    out += conjugation == Conjugation::First ? kFirst[i] : kSecond[i];
    if (reflexive) out += kReflexive;
    return out;
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    for (int i = 0; i < 6; ++i) t.present[static_cast<std::size_t>(i)] = verb.present(i % 3, i >= 3);
    for (int i = 0; i < 3; ++i) t.imperative[static_cast<std::size_t>(i)] = verb.imperative(i);
    for (int i = 0; i < 3; ++i) t.past[static_cast<std::size_t>(i)] = verb.past(i, false);
    t.past[3] = verb.past(0, true);
    return t;
}

}  // namespace velnor::ukr
