#include "swa.hpp"

#include <cstddef>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "velnor_data.hpp"

namespace velnor::swa {

using text::join;
using text::own;
namespace {

constexpr auto cell = lex::optional_cell;

std::uint8_t mono_flag(std::string_view c) {
    if (c == "1") return 1;
    if (c == "0") return 0;
    return 2;
}

bool is_vowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

std::size_t vowel_count(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += is_vowel(c) ? 1 : 0;
    return n;
}

bool is_ascii_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The three prefixes of a subject: the subject concord, its fusion with the
// a-tense marker, and the negative subject prefix.
struct Prefixes {
    std::string_view subject;
    std::string_view a_tense;
    std::string_view negative;
};

constexpr std::array<Prefixes, 15> CLASSES{{
    {"a", "a", "ha"},     // 1
    {"wa", "wa", "hawa"}, // 2
    {"u", "wa", "hau"},   // 3
    {"i", "ya", "hai"},   // 4
    {"li", "la", "hali"}, // 5
    {"ya", "ya", "haya"}, // 6
    {"ki", "cha", "haki"},// 7
    {"vi", "vya", "havi"},// 8
    {"i", "ya", "hai"},   // 9
    {"zi", "za", "hazi"}, // 10
    {"u", "wa", "hau"},   // 11
    {"ku", "kwa", "haku"},// 15
    {"pa", "pa", "hapa"}, // 16
    {"ku", "kwa", "haku"},// 17
    {"mu", "mwa", "hamu"},// 18
}};

constexpr Prefixes FIRST_SG{"ni", "na", "si"};
constexpr Prefixes SECOND_SG{"u", "wa", "hu"};
constexpr Prefixes FIRST_PL{"tu", "twa", "hatu"};
constexpr Prefixes SECOND_PL{"m", "mwa", "ham"};

const Prefixes& prefixes(Subject s) {
    switch (s.kind) {
        case Subject::Kind::First: return s.plural ? FIRST_PL : FIRST_SG;
        case Subject::Kind::Second: return s.plural ? SECOND_PL : SECOND_SG;
        case Subject::Kind::Class: break;
    }
    int n = s.noun_class;
    if (n >= 1 && n <= 11) return CLASSES[static_cast<std::size_t>(n - 1)];
    if (n >= 15 && n <= 18) return CLASSES[static_cast<std::size_t>(n - 4)];
    return CLASSES[0];
}

// The stem with a final -a turned into -e (soma: some), else unchanged.
std::string a_to_e(std::string_view stem) {
    std::string out(stem);
    if (!out.empty() && out.back() == 'a') out.back() = 'e';
    return out;
}

}  // namespace

namespace rows {

// A later row with the same stem replaces an earlier one.
std::optional<Row> find(std::string_view stem) {
    auto line = data::table::swa.last(stem);
    if (!line) return std::nullopt;
    auto c = lex::split<8>(*line);
    Row r;
    r.mono = mono_flag(c[1]);
    r.inf = cell(c[2]);
    r.long_stem = cell(c[3]);
    r.short_stem = cell(c[4]);
    r.subj_stem = cell(c[5]);
    r.imp_sg = cell(c[6]);
    r.imp_pl = cell(c[7]);
    return r;
}

}  // namespace rows

std::string concord(std::string_view prefix, std::string_view stem) {
    // The second plural m-, alone or in the negative ham-, glides before a
    // vowel: mwende, muuze, and hamwendi, hamwelewi (not hamendi).
    if ((prefix == "m" || prefix == "ham") && !stem.empty() && is_vowel(stem.front())) {
        std::string out(prefix);
        out.append(stem.front() == 'u' ? "u" : "w");
        out.append(stem);
        return out;
    }
    return join(prefix, stem);
}

constexpr unicode::Spelling SPELLING{unicode::Script::Latin};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    // Only ASCII letters are accepted; the test runs on the input itself so
    // that no non-ASCII letter (the Kelvin sign) slips in by lower-casing.
    const auto trimmed = unicode::word_of(text, SPELLING);
    if (!trimmed) return fail(Error{});
    for (char c : *trimmed)
        if (!is_ascii_letter(c)) return fail(Error{});
    std::string word = unicode::to_lower(*trimmed);

    std::string_view w = word;
    std::string_view stem = w;
    if (w.size() >= 2 && w.substr(0, 2) == "kw") {
        if (rows::find(w.substr(2))) stem = w.substr(2);
    } else if (w.size() >= 2 && w.substr(0, 2) == "ku") {
        if (rows::find(w.substr(2)) || w.size() >= 5) stem = w.substr(2);
    }

    Verb v;
    v.stem = std::string(stem);
    if (auto r = rows::find(stem)) {
        v.inf = own(r->inf);
        v.long_stem_override = own(r->long_stem);
        v.short_stem_override = own(r->short_stem);
        v.subj_stem = own(r->subj_stem);
        v.imp_sg = own(r->imp_sg);
        v.imp_pl = own(r->imp_pl);
        v.mono = r->mono;
    }
    return v;
}

// One-syllable stems keep ku- after the tense markers and in the imperative.
bool Verb::keeps_ku() const {
    if (mono == 0) return false;
    if (mono == 1) return true;
    return vowel_count(stem) == 1;
}

std::string Verb::long_stem() const {
    if (long_stem_override) return *long_stem_override;
    return keeps_ku() ? join("ku", stem) : stem;
}

std::string_view Verb::short_stem() const {
    return short_stem_override ? std::string_view(*short_stem_override) : std::string_view(stem);
}

std::string Verb::subjunctive_stem() const {
    if (subj_stem) return *subj_stem;
    return a_to_e(stem);
}

std::string Verb::form(Tense tense, Subject subject, bool negative) const {
    const Prefixes& p = prefixes(subject);
    if (!negative) {
        switch (tense) {
            case Tense::Present: return join(p.subject, "na", long_stem());
            case Tense::Past: return join(p.subject, "li", long_stem());
            case Tense::Future: return join(p.subject, "ta", long_stem());
            case Tense::Perfect: return join(p.subject, "me", long_stem());
            case Tense::Gnomic: return concord(p.a_tense, short_stem());
            case Tense::Subjunctive: return concord(p.subject, subjunctive_stem());
            case Tense::Habitual: return join("hu", short_stem());
            case Tense::Consecutive: return join(p.subject, "ka", short_stem());
            case Tense::Situative: return join(p.subject, "ki", short_stem());
            case Tense::Conditional: return join(p.subject, "nge", long_stem());
            case Tense::PastConditional: return join(p.subject, "ngali", long_stem());
        }
        return {};
    }
    switch (tense) {
        case Tense::Present: {
            // The negative present turns a final -a into -i (sisomi); loan
            // verbs keep their final vowel (sirudi).
            std::string b(short_stem());
            if (!b.empty() && b.back() == 'a') b.back() = 'i';
            return concord(p.negative, b);
        }
        case Tense::Past: return join(p.negative, "ku", short_stem());
        case Tense::Future: return join(p.negative, "ta", long_stem());
        case Tense::Perfect: return join(p.negative, "ja", short_stem());
        case Tense::Subjunctive: return concord(p.subject, join("si", subjunctive_stem()));
        case Tense::Gnomic:
        case Tense::Habitual:
        case Tense::Consecutive:
        case Tense::Situative: return concord(p.subject, join("si", short_stem()));
        // The negative conditionals put -si- after the affirmative prefix
        // (nisingesoma, wasingalisoma): the negative prefix would negate
        // twice (sisingesoma, hawasingesoma).
        case Tense::Conditional: return join(p.subject, "singe", long_stem());
        case Tense::PastConditional: return join(p.subject, "singali", long_stem());
    }
    return {};
}

std::string Verb::imperative(bool plural) const {
    std::string_view ku = keeps_ku() ? "ku" : "";
    if (!plural) return imp_sg ? *imp_sg : join(ku, stem);
    if (imp_pl) return *imp_pl;
    const std::string base = subj_stem ? *subj_stem : a_to_e(stem);
    return join(ku, base, "ni");
}

Table Table::build(const Verb& verb) {
    static constexpr std::array<Subject, 6> SLOTS{
        Subject::first(false), Subject::second(false), Subject::of_class(1),
        Subject::first(true),  Subject::second(true),  Subject::of_class(2),
    };
    auto row = [&](Tense tense, bool negative) {
        Row6 out;
        for (std::size_t i = 0; i < SLOTS.size(); ++i) out[i] = verb.form(tense, SLOTS[i], negative);
        return out;
    };
    Table t;
    t.infinitive = verb.inf ? *verb.inf : join("ku", verb.stem);
    t.infinitive_negative = join("kuto", verb.long_stem());
    t.imperative = {verb.imperative(false), verb.imperative(true)};
    t.habitual = verb.form(Tense::Habitual, Subject::of_class(1), false);
    t.present = row(Tense::Present, false);
    t.present_negative = row(Tense::Present, true);
    t.past = row(Tense::Past, false);
    t.future = row(Tense::Future, false);
    t.perfect = row(Tense::Perfect, false);
    t.subjunctive = row(Tense::Subjunctive, false);
    t.gnomic = row(Tense::Gnomic, false);
    return t;
}

}  // namespace velnor::swa
