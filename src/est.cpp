#include "est.hpp"

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::est {

using text::join;
namespace {

// The text without one final `suffix`, when it ends in it.
std::string_view strip(std::string_view s, std::string_view suffix) {
    return utf8::ends_with(s, suffix) ? s.substr(0, s.size() - suffix.size()) : s;
}

std::size_t slot(Person person, bool plural) { return static_cast<std::size_t>(person) + (plural ? 3 : 0); }

constexpr std::array<std::string_view, 6> PRESENT_OLEMA{"olen", "oled", "on", "oleme", "olete", "on"};
constexpr std::array<std::string_view, 6> PAST_OLEMA{"olin", "olid", "oli", "olime", "olite", "olid"};

Row6 analytic(const std::array<std::string_view, 6>& aux, const std::string& participle) {
    Row6 out;
    for (std::size_t i = 0; i < 6; ++i) {
        out[i] = join(aux[i], " ");
        out[i] += participle;
    }
    return out;
}

}  // namespace

// A later row with the same lemma replaces an earlier one.
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::est.last(lemma);
    if (!line) return std::nullopt;
    return Row{lex::optional_cells<CellCount>(*line)};
}

constexpr std::string_view INFINITIVE_ENDINGS[] = {"ma"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error{});
    std::string lowered = unicode::to_lower(text);
    std::string_view word = unicode::trim(lowered);
    if (word.empty()) return fail(Error{});
    if (!unicode::is_letters_or_hyphens(word)) return fail(Error{});
    if (!utf8::ends_with(word, "ma")) return fail(Error{});
    Verb verb;
    verb.infinitive = std::string(word);
    if (auto row = find_row(verb.infinitive)) verb.cells = std::move(row->cells);
    return verb;
}

std::string_view Verb::stem() const { return strip(infinitive, "ma"); }

std::string Verb::weak() const {
    if (const auto& p = cell(P1sg)) return std::string(strip(*p, "n"));
    return std::string(stem());
}

std::string Verb::tud() const {
    if (const auto& t = cell(Tud)) return *t;
    return join(weak(), "tud");
}

std::string Verb::t_base() const { return std::string(strip(tud(), "ud")); }

std::string Verb::present(Person person, bool plural) const {
    static constexpr std::array<std::string_view, 6> ENDINGS{"n", "d", "b", "me", "te", "vad"};
    std::size_t i = slot(person, plural);
    if (i == 2 && cell(P3sg)) return *cell(P3sg);
    if (i == 5 && cell(P3pl)) return *cell(P3pl);
    return join(weak(), ENDINGS[i]);
}

std::string Verb::past_base() const {
    if (const auto& p = cell(Pst1sg)) return std::string(strip(*p, "n"));
    return join(stem(), "si");
}

std::string Verb::past(Person person, bool plural) const {
    static constexpr std::array<std::string_view, 6> ENDINGS{"n", "d", "", "me", "te", "d"};
    std::size_t i = slot(person, plural);
    std::string base = past_base();
    if (i == 2) {
        if (const auto& p = cell(Pst3sg)) return *p;
        if (utf8::ends_with(base, "si")) base.pop_back();
        return base;
    }
    return join(base, ENDINGS[i]);
}

std::string Verb::conditional(Person person, bool plural) const {
    static constexpr std::array<std::string_view, 6> ENDINGS{"ksin", "ksid", "ks", "ksime", "ksite", "ksid"};
    return join(weak(), ENDINGS[slot(person, plural)]);
}

std::string Verb::gu() const {
    if (const auto& g = cell(Gu)) return *g;
    return join(stem(), "gu");
}

std::optional<std::string> Verb::imperative(Person person, bool plural) const {
    if (person == Person::Second && !plural) {
        if (const auto& i = cell(Imp2sg)) return *i;
        return weak();
    }
    if (!plural) return std::nullopt;
    std::string g = gu();
    std::string_view base = utf8::drop_last_chars(g, 1);
    return join(base, person == Person::Second ? "e" : "em");
}

std::string Verb::impersonal(bool past) const {
    if (past) return join(t_base(), "i");
    if (const auto& t = cell(Takse)) return *t;
    return join(t_base(), "akse");
}

std::string Verb::nonfinite(Nonfinite form) const {
    switch (form) {
    case Nonfinite::DaInfinitive:
        if (const auto& d = cell(Da)) return *d;
        return join(stem(), "da");
    case Nonfinite::PresentParticiple:
        if (const auto& v = cell(PrsPart)) return *v;
        return join(stem(), "v");
    case Nonfinite::NudParticiple:
        break;
    }
    if (const auto& n = cell(Nud)) return *n;
    return join(stem(), "nud");
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.infinitive;
    t.da_infinitive = verb.nonfinite(Nonfinite::DaInfinitive);
    for (int p = 0; p < 3; ++p) {
        for (int n = 0; n < 2; ++n) {
            auto person = static_cast<Person>(p);
            std::size_t i = slot(person, n == 1);
            t.present[i] = verb.present(person, n == 1);
            t.past[i] = verb.past(person, n == 1);
            t.conditional[i] = verb.conditional(person, n == 1);
        }
    }
    t.imperative[0] = verb.imperative(Person::Second, false);
    t.imperative[1] = verb.gu();
    t.imperative[2] = verb.imperative(Person::First, true);
    t.imperative[3] = verb.imperative(Person::Second, true);
    t.present_impersonal = verb.impersonal(false);
    t.past_impersonal = verb.impersonal(true);
    t.quotative = join(verb.stem(), "vat");
    t.present_participle = verb.nonfinite(Nonfinite::PresentParticiple);
    t.nud_participle = verb.nonfinite(Nonfinite::NudParticiple);
    t.tud_participle = verb.tud();
    t.perfect = analytic(PRESENT_OLEMA, t.nud_participle);
    t.pluperfect = analytic(PAST_OLEMA, t.nud_participle);
    return t;
}

}  // namespace velnor::est
