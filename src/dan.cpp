#include "dan.hpp"

#include "compound.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::dan {

using text::join;
namespace {

// A principal-parts row as views into the built-in text; empty = by rule.
struct Row {
    std::optional<std::string_view> present;
    std::optional<std::string_view> past;
    std::optional<std::string_view> past_participle;
    std::optional<std::string_view> imperative;
    std::optional<std::string_view> present_participle;
    std::optional<std::string_view> past_passive;
    bool no_imperative;
};

constexpr std::string_view kNone = "\xE2\x80\x94";  // U+2014

std::optional<std::string_view> cell(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return c;
}

// A later row with the same lemma replaces an earlier one. Cells after the
// seventh are ignored.
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::dan.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<7>(*line);
    bool none = c[4] == kNone;
    return Row{cell(c[1]), cell(c[2]), cell(c[3]), none ? std::nullopt : cell(c[4]), cell(c[5]), cell(c[6]), none};
}

// A copy of a row's cell, or one behind the particles of a compound.
using text::own;
std::optional<std::string> own(std::string_view particles, const std::optional<std::string_view>& v) {
    if (!v) return std::nullopt;
    if (*v == kNone) return std::string(*v);
    std::string out(particles);
    out.append(*v);
    return out;
}

// Particles before a listed verb: the compound takes the base's forms.
constexpr std::string_view kParticles[] = {
    "af",   "an",  "bag", "be",  "efter", "for",    "fore",   "frem",    "fra",    "gen",   "grund",
    "hen",  "ind", "med", "mis", "mod",   "ned",    "om",     "op",      "over",   "plan",  "på",
    "råd",  "sam", "sammen", "til", "tilbage", "ud", "und",   "under",   "ved",
};

// The auxiliaries and modals: a word that ends in one is a plain verb.
constexpr std::string_view kNoCompounds[] = {"være", "have", "kunne", "skulle", "ville", "måtte", "burde", "turde"};

bool is_vowel(char32_t c) {
    switch (c) {
        case U'a': case U'e': case U'i': case U'o': case U'u': case U'y': case U'æ': case U'ø': case U'å':
            return true;
        default:
            return false;
    }
}

bool ends_in_e(std::string_view s) { return !s.empty() && s.back() == 'e'; }

// A row's form, none where the row says the verb lacks it.
std::optional<std::string> given(const std::string& form) {
    if (form == kNone) return std::nullopt;
    return form;
}

bool is_lemma_char(char32_t c) { return c == U'-' || unicode::is_lemma_letter(c); }

// Danish writes no double consonant at the end of a word: the imperative of
// stoppe, slutte, chatte is stop, slut, chat, while the participle keeps the
// full stem (stoppet).
std::string_view imperative_stem(std::string_view s) {
    if (s.size() < 2) return s;
    const utf8::Decoded last = utf8::decode_last(s, s.size());
    if (is_vowel(last.cp) || !unicode::is_alphabetic(last.cp) || s.size() <= 2 * last.len) return s;
    const utf8::Decoded before = utf8::decode_last(s, s.size() - last.len);
    if (before.cp != last.cp) return s;
    return s.substr(0, s.size() - last.len);
}

}  // namespace

std::optional<Parts> parts(std::string_view lemma) {
    auto row = find_row(lemma);
    if (!row) return std::nullopt;
    return Parts{own(row->present), own(row->past), own(row->past_participle),
                 own(row->imperative), own(row->present_participle), own(row->past_passive), row->no_imperative};
}

std::optional<std::string_view> auxiliary(std::string_view lemma) {
    // The text after the first tab, up to a second tab, of the last row of
    // the lemma that has a tab.
    return lex::last_read(data::table::dan_aux, lemma, [](std::string_view line) -> std::optional<std::string_view> {
        std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return std::nullopt;
        std::string_view rest = line.substr(tab + 1);
        return rest.substr(0, rest.find('\t'));
    });
}

constexpr std::string_view INFINITIVE_ENDINGS[] = {"e"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto word = unicode::word_of(text, SPELLING);
    if (!word) return fail(Error{});
    const std::string chosen = compound::listed_case(*word, kParticles, kNoCompounds, find_row);
    // The infinitive particle goes only after the case choice: "At gå" keeps
    // its capital and so its inner space, and fails.
    std::string_view candidate = chosen;
    if (candidate.size() >= 3 && candidate.substr(0, 3) == "at ") candidate = unicode::trim(candidate.substr(3));
    if (candidate.empty()) return fail(Error{});
    for (char32_t c : utf8::chars(candidate)) {
        if (unicode::is_white_space(c) || !is_lemma_char(c)) return fail(Error{});
    }
    Verb verb;
    verb.lemma = std::string(candidate);
    // An unlisted compound of a listed verb takes its forms: planlægge, rådgive.
    std::string_view particles;
    auto row = compound::row_or_base(candidate, kParticles, kNoCompounds, find_row, particles);
    if (row) {
        verb.present = own(particles, row->present);
        verb.past = own(particles, row->past);
        verb.past_participle = own(particles, row->past_participle);
        verb.imperative = own(particles, row->imperative);
        verb.present_participle = own(particles, row->present_participle);
        verb.past_passive = own(particles, row->past_passive);
        verb.no_imperative = row->no_imperative;
    }
    return verb;
}

std::string_view Verb::stem() const noexcept {
    std::string_view l = lemma;
    // The final e goes after a consonant and after any other vowel (albue:
    // albu, albuet; bejae: beja, bejaet); an e after e stays.
    if (l.size() > 1 && l.back() == 'e' && utf8::decode_last(l, l.size() - 1).cp != U'e')
        return l.substr(0, l.size() - 1);
    return l;
}

std::optional<std::string> Verb::active(Active which) const {
    std::string_view l = lemma;
    // A deponent has only the present participle its row gives (findes has no
    // findesende).
    if (deponent() && (which != Active::PresentParticiple || !present_participle)) return std::nullopt;
    switch (which) {
        case Active::Present:
            return present ? *present : join(l, "r");
        case Active::Past:
            if (past) return *past;
            return join(l, ends_in_e(l) ? "de" : "ede");
        case Active::Imperative:
            if (no_imperative) return std::nullopt;
            if (imperative) return *imperative;
            // Only a stem cut from the lemma's final e can end in a pair.
            return std::string(stem().size() < lemma.size() ? imperative_stem(stem()) : stem());
        case Active::PresentParticiple:
            if (present_participle) return given(*present_participle);
            return join(l, ends_in_e(l) ? "nde" : "ende");
        case Active::PastParticiple:
            if (past_participle) return *past_participle;
            return join(stem(), "et");
    }
    return std::nullopt;
}

bool Verb::has_passive() const noexcept { return !(past_passive && *past_passive == kNone); }

std::optional<std::string> Verb::passive(Passive which) const {
    if (deponent()) {
        switch (which) {
            case Passive::Present: return present ? *present : lemma;
            case Passive::Past: return past;
            case Passive::PastParticiple: return past_participle;
        }
        return std::nullopt;
    }
    if (!has_passive()) return std::nullopt;
    switch (which) {
        case Passive::Present:
            return join(lemma, "s");
        case Passive::Past: {
            if (past_passive) return *past_passive;
            std::string p = *active(Active::Past);
            bool vowel = !p.empty() && is_vowel(utf8::last(p));
            p.append(vowel ? "s" : "es");
            return p;
        }
        case Passive::PastParticiple:
            return std::nullopt;
    }
    return std::nullopt;
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    bool deponent = verb.deponent();
    t.present = deponent ? verb.passive(Passive::Present) : verb.active(Active::Present);
    t.past = deponent ? verb.passive(Passive::Past) : verb.active(Active::Past);
    t.past_participle = deponent ? verb.passive(Passive::PastParticiple) : verb.active(Active::PastParticiple);
    t.imperative = verb.active(Active::Imperative);
    t.present_participle = verb.active(Active::PresentParticiple);
    t.infinitive_passive = deponent ? std::optional<std::string>(verb.lemma)
                           : verb.has_passive() ? std::optional<std::string>(join(verb.lemma, "s"))
                                                : std::nullopt;
    t.present_passive = verb.passive(Passive::Present);
    t.past_passive = verb.passive(Passive::Past);
    t.auxiliary = dan::auxiliary(verb.lemma);
    return t;
}

}  // namespace velnor::dan
