#include "tel.hpp"

#include <cstddef>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::tel {

using text::join;
namespace {

constexpr std::string_view U = "ు";

// A missing cell counts as "-".
std::string_view cell(const lex::Cells<6>& c, std::size_t i) { return i < c.count ? c[i] : std::string_view("-"); }

bool has_white_space(std::string_view s) {
    for (char32_t c : utf8::chars(s))
        if (unicode::is_white_space(c)) return true;
    return false;
}

// The future 3sg non-masculine form built on a future stem: తా becomes తుంది.
std::string fut_nonmasc(std::string_view fut_stem) { return join(utf8::drop_last_chars(fut_stem, 1), "ుంది"); }

}  // namespace

std::optional<std::string> opt(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return std::string(c);
}

namespace lexicon {
// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find(std::string_view root) {
    auto line = data::table::tel.last(root);
    if (!line) return std::nullopt;
    auto c = lex::split<6>(*line);
    return LexEntry{opt(cell(c, 1)), opt(cell(c, 2)), opt(cell(c, 3)), opt(cell(c, 4)), opt(cell(c, 5))};
}
}  // namespace lexicon

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    std::string_view root = unicode::trim(text);
    if (root.empty() || has_white_space(root)) return fail(Error{});
    if (root.size() < 3 || !root.ends_with(U)) return fail(Error{});
    std::string_view r = utf8::drop_last_chars(root, 1);
    if (r.empty()) return fail(Error{});

    Verb v;
    v.root = std::string(root);
    if (root.size() >= 6 && root.ends_with("ను")) {
        // Nasal roots assimilate the past marker: కను → కన్న.
        v.past_stem = join(r, "్న");
        v.past_3sg_nonmasc = join(v.past_stem, "ది");
        v.prs_stem = join(root, "తున్న");
        v.fut_stem = join(root, "తా");
    } else if (root.size() >= 6 && root.ends_with("యు")) {
        // చేయు: past చేశ-, other tenses on చేస్-.
        std::string_view s = utf8::drop_last_chars(root, 2);
        v.past_stem = join(s, "శ");
        v.past_3sg_nonmasc = join(s, "సింది");
        v.prs_stem = join(s, "స్తున్న");
        v.fut_stem = join(s, "స్తా");
    } else {
        v.past_stem = std::string(r);
        v.past_3sg_nonmasc = join(r, "ింది");
        if (root.size() >= 12 && root.ends_with("ించు")) {
            // Causatives: నడిపించు → నడిపిస్తున్న, నడిపిస్తా.
            std::string_view s = utf8::drop_last_chars(root, 3);
            v.prs_stem = join(s, "స్తున్న");
            v.fut_stem = join(s, "స్తా");
        } else {
            v.prs_stem = join(root, "తున్న");
            v.fut_stem = join(root, "తా");
        }
    }
    v.fut_3sg_nonmasc = fut_nonmasc(v.fut_stem);

    if (auto e = lexicon::find(root)) {
        if (e->past_stem) v.past_stem = *e->past_stem;
        if (e->past_3sg_nonmasc) v.past_3sg_nonmasc = *e->past_3sg_nonmasc;
        else if (e->past_stem) v.past_3sg_nonmasc = join(*e->past_stem, "ింది");
        if (e->prs_stem) v.prs_stem = *e->prs_stem;
        if (e->fut_stem) v.fut_stem = *e->fut_stem;
        if (e->fut_3sg_nonmasc) v.fut_3sg_nonmasc = *e->fut_3sg_nonmasc;
        else if (e->fut_stem) v.fut_3sg_nonmasc = fut_nonmasc(*e->fut_stem);
    }
    v.imp_pl = join(r, "ండి");
    return v;
}

std::string Verb::form(int tense, Person person, Number number, Gender gender) const {
    bool plural = number == Number::Plural;
    int slot;
    switch (person) {
        case Person::First: slot = plural ? 4 : 0; break;
        case Person::Second: slot = plural ? 5 : 1; break;
        default:
            slot = (plural ? 6 : 2) + (gender == Gender::NonMasculine ? 1 : 0);
            break;
    }
    if (slot == 3) {
        if (tense == 0) return past_3sg_nonmasc;
        if (tense == 1) return join(prs_stem, "ది");
        return fut_3sg_nonmasc;
    }
    // Endings by slot; the past and the present durative share the long-vowel set.
    static constexpr std::string_view LONG[8] = {"ాను", "ావు", "ాడు", "", "ాము", "ారు", "ారు", "ారు"};
    static constexpr std::string_view SHORT[8] = {"ను", "వు", "డు", "", "ము", "రు", "రు", "రు"};
    if (tense == 0) return join(past_stem, LONG[slot]);
    if (tense == 1) return join(prs_stem, LONG[slot]);
    return join(fut_stem, SHORT[slot]);
}

Table Table::build(const Verb& v) {
    static constexpr struct {
        Person p;
        Number n;
        Gender g;
    } SLOTS[8] = {
        {Person::First, Number::Singular, Gender::Masculine},  {Person::Second, Number::Singular, Gender::Masculine},
        {Person::Third, Number::Singular, Gender::Masculine},  {Person::Third, Number::Singular, Gender::NonMasculine},
        {Person::First, Number::Plural, Gender::Masculine},    {Person::Second, Number::Plural, Gender::Masculine},
        {Person::Third, Number::Plural, Gender::Masculine},    {Person::Third, Number::Plural, Gender::NonMasculine},
    };
    Table t;
    t.infinitive = v.root;
    for (int i = 0; i < 8; ++i) {
        t.past[i] = v.form(0, SLOTS[i].p, SLOTS[i].n, SLOTS[i].g);
        t.present_durative[i] = v.form(1, SLOTS[i].p, SLOTS[i].n, SLOTS[i].g);
        t.future[i] = v.form(2, SLOTS[i].p, SLOTS[i].n, SLOTS[i].g);
    }
    t.imperative = {v.root, v.imp_pl};
    return t;
}

}  // namespace velnor::tel
