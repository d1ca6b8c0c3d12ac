#include "eng.hpp"

#include <cstddef>
#include <functional>
#include <span>

#include "compound.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::eng {

using text::join;
using text::own;
using utf8::ends_with;
namespace {

constexpr auto cell = lex::optional_cell;

bool is_vowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

bool is_lemma_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '\'';
}

// Final "y" after anything but a lower-case vowel (the lemma is ASCII here).
bool consonant_y(std::string_view s) {
    return s.size() >= 2 && s.back() == 'y' && !is_vowel(s[s.size() - 2]);
}

Row6 six(const std::string& form) { return {form, form, form, form, form, form}; }

char lower_ascii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A letter that sounds as a vowel here: a, e, i, o, u (either case), and y
// between consonants (gyp); the u of "qu" is part of the consonant (quip,
// squat).
bool vowel_at(std::string_view s, std::size_t i) {
    const char c = lower_ascii(s[i]);
    if (c == 'u' && i > 0 && lower_ascii(s[i - 1]) == 'q') return false;
    if (is_vowel(c)) return true;
    return c == 'y' && i > 0 && i + 1 < s.size() && !is_vowel(lower_ascii(s[i - 1]));
}

// One syllable that ends in one vowel letter and one consonant other than w,
// x and y (knob, sket, quip): the consonant doubles before -ed and -ing.
// Longer verbs double only where the lexicon says so (stress decides, and the
// spelling does not show it).
bool doubles_final(std::string_view l) {
    const std::size_t n = l.size();
    if (n < 2) return false;
    const char last = lower_ascii(l[n - 1]);
    if (last < 'a' || last > 'z' || last == 'w' || last == 'x' || last == 'y' || vowel_at(l, n - 1)) return false;
    if (!vowel_at(l, n - 2) || (n >= 3 && vowel_at(l, n - 3))) return false;
    for (std::size_t i = 0; i + 2 < n; ++i) {
        if (vowel_at(l, i) || l[i] == '-' || l[i] == '\'') return false;
    }
    return true;
}

// Prefixes that leave a verb's forms as they are (overbreed: overbred,
// unspin: unspun). be agrees in person and takes no prefix.
constexpr std::string_view COMPOUND_PREFIXES[] = {"counter", "inter", "under", "fore", "over", "with", "down",
                                                  "out",     "mis",   "pre",   "off",  "un",   "up",   "re"};
constexpr std::string_view NO_COMPOUNDS[] = {"be"};

// The forms that the rules alone would not give.
struct Forms {
    std::optional<std::string> past, past_participle, present_participle, third_singular;
};

Forms with_head(std::string_view head, const Forms& f) {
    auto put = [head](const std::optional<std::string>& v) -> std::optional<std::string> {
        if (!v) return std::nullopt;
        return join(head, *v);
    };
    return {put(f.past), put(f.past_participle), put(f.present_participle), put(f.third_singular)};
}

Forms analyse(std::string_view lemma) {
    if (auto row = find_row(lemma)) {
        return {own(row->past), own(row->past_participle), own(row->present_participle), own(row->third_singular)};
    }
    // A prefix before a verb of the lexicon: the base's own forms behind it.
    std::string_view prefix;
    if (auto row = compound::base_row(lemma, COMPOUND_PREFIXES, NO_COMPOUNDS, find_row, prefix, 2)) {
        return with_head(prefix, {own(row->past), own(row->past_participle), own(row->present_participle),
                                  own(row->third_singular)});
    }
    // A hyphenated compound is inflected on its last element (ego-trip:
    // ego-tripped, test-fly: test-flew, test-flown).
    if (const std::size_t dash = lemma.rfind('-'); dash != std::string_view::npos && dash + 1 < lemma.size()) {
        const std::string_view last = lemma.substr(dash + 1);
        if (last != "be") return with_head(lemma.substr(0, dash + 1), analyse(last));
    }
    Forms f;
    if (doubles_final(lemma)) {
        const std::string doubled = join(lemma, lemma.substr(lemma.size() - 1));
        f.past = join(doubled, "ed");
        f.present_participle = join(doubled, "ing");
    }
    return f;
}

}  // namespace

// A later row with the same lemma replaces an earlier one.
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::eng.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<5>(*line);
    return Row{cell(c[1]), cell(c[2]), cell(c[3]), cell(c[4])};
}

constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-'", true};

namespace {

// The modal verbs have no infinitive, no participles and no -s form
// (*to must, *musted, *musting, *musts), nor have the negated auxiliaries
// (can't, mustn't, won't): they are not conjugated. can, will, need and dare
// are full verbs as well (canned, willed) and stay.
bool is_modal_or_negated(std::string_view lemma) {
    std::string lower = unicode::to_lower(lemma);
    for (std::string_view m : {"must", "shall", "ought", "may", "might", "could", "should", "would"})
        if (lower == m) return true;
    return ends_with(lower, "n't");
}

}  // namespace

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error{});
    // The spelling listed as written, else the listed lower-case copy (English
    // has no particle compounds to try).
    const std::string listed = compound::listed_case(unicode::trim(text), {}, {}, find_row);
    std::string_view candidate = unicode::trim(listed);
    if (candidate.size() >= 3 && candidate.substr(0, 3) == "to ") candidate = unicode::trim(candidate.substr(3));
    if (candidate.empty()) return fail(Error{});
    for (char c : candidate) {
        if (!is_lemma_char(c)) return fail(Error{});
    }
    if (is_modal_or_negated(candidate)) return fail(Error{});
    Verb verb;
    verb.lemma = std::string(candidate);
    Forms f = analyse(candidate);
    verb.past = std::move(f.past);
    verb.past_participle = std::move(f.past_participle);
    verb.present_participle = std::move(f.present_participle);
    verb.third_singular = std::move(f.third_singular);
    return verb;
}

std::string Verb::regular_past() const {
    std::string_view l = lemma;
    if (consonant_y(l)) return join(l.substr(0, l.size() - 1), "ied");
    if (ends_with(l, "e")) return join(l, "d");
    return join(l, "ed");
}

std::string Verb::form(Form which) const {
    std::string_view l = lemma;
    switch (which) {
        case Form::PastParticiple:
            if (past_participle) return *past_participle;
            if (past) return *past;
            return regular_past();
        case Form::PresentParticiple:
            if (present_participle) return *present_participle;
            if (ends_with(l, "ie")) return join(l.substr(0, l.size() - 2), "ying");
            if (!ends_with(l, "e") || ends_with(l, "ee") || ends_with(l, "oe") || ends_with(l, "ye"))
                return join(l, "ing");
            if (ends_with(l, "nge")) return join(l, "ing");
            return join(l.substr(0, l.size() - 1), "ing");
        case Form::ThirdSingular:
            if (third_singular) return *third_singular;
            if (consonant_y(l)) return join(l.substr(0, l.size() - 1), "ies");
            if (ends_with(l, "s") || ends_with(l, "x") || ends_with(l, "z") || ends_with(l, "o") ||
                ends_with(l, "ch") || ends_with(l, "sh"))
                return join(l, "es");
            return join(l, "s");
    }
    return join(l, "s");
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    t.past = verb.past ? *verb.past : verb.regular_past();
    t.past_participle = verb.form(Form::PastParticiple);
    t.present_participle = verb.form(Form::PresentParticiple);
    t.third_singular = verb.form(Form::ThirdSingular);

    if (verb.lemma == "be") {
        // The one verb with person agreement beyond the 3sg present.
        t.present_row = {"am", "are", t.third_singular, "are", "are", "are"};
        t.past_row = {"was", "were", "was", "were", "were", "were"};
    } else {
        t.present_row = six(t.infinitive);
        t.present_row[2] = t.third_singular;
        t.past_row = six(t.past);
    }
    t.present_perfect_row = six(join("have ", t.past_participle));
    t.present_perfect_row[2] = join("has ", t.past_participle);
    t.past_perfect_row = six(join("had ", t.past_participle));
    t.future_row = six(join("will ", t.infinitive));
    t.future_perfect_row = six(join("will have ", t.past_participle));
    return t;
}

}  // namespace velnor::eng
