#include "swe.hpp"

#include "compound.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::swe {

using text::join;
namespace {

// A row of the list as views into the built-in text; an empty view means
// "derive" (the cell was missing, empty or "-"), kNone that the verb has no
// such form (a modal's imperative).
struct RowView {
    std::array<std::string_view, 6> cell;
};

constexpr std::string_view kNone = "\xE2\x80\x94";  // U+2014

// The first row of a lemma wins, as a scan of the text from the top would
// find it; later duplicates are ignored.
std::optional<RowView> find_row(std::string_view lemma) {
    auto line = data::table::swe.first(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<7>(*line);
    RowView row;
    for (std::size_t i = 0; i < 6; ++i) {
        std::string_view v = c[i + 1];
        row.cell[i] = v == "-" ? std::string_view{} : v;
    }
    return row;
}

std::optional<std::string> own(std::string_view v) {
    if (v.empty()) return std::nullopt;
    return std::string(v);
}

// A row's cell behind the particles of a compound; none for an empty cell
// (the form is derived) and kNone itself for a form the verb lacks.
std::optional<std::string> own(std::string_view particles, std::string_view v) {
    if (v.empty()) return std::nullopt;
    if (v == kNone) return std::string(v);
    std::string out(particles);
    out.append(v);
    return out;
}

// A form the table gives: none where the verb lacks it.
std::optional<std::string> given(std::optional<std::string> form) {
    if (form && *form == kNone) return std::nullopt;
    return form;
}

// The auxiliaries and modals, which have no s-passive (kunna: no kans, kundes;
// bli: no blevs); those without an infinitive in use (skola, måste, torde, lär)
// have no future or conditional with ska, skulle either. vara keeps the
// varas of its infinitive and present, kunna the kunnas of its infinitive
// ("glosorna ska kunnas").
struct Modal {
    std::string_view lemma;
    bool infinitive;
    bool infinitive_passive = false;
    bool present_passive = false;
};
constexpr Modal kModals[] = {
    {"vara", true, true, true}, {"bli", true},    {"bliva", true},  {"kunna", true, true}, {"vilja", true},
    {"böra", true},             {"skola", false}, {"måste", false}, {"torde", false},      {"lär", false},
};

const Modal* modal(std::string_view lemma) {
    for (const Modal& m : kModals) {
        if (m.lemma == lemma) return &m;
    }
    return nullptr;
}

// Particles before a listed verb: the compound takes the base's forms.
constexpr std::string_view kParticles[] = {
    "av",  "an",  "be",  "bi",    "bort", "efter",  "emot",     "fast",  "fram",   "för",  "före",
    "genom", "hem", "ihop", "in", "kvar", "med",  "miss",   "mot",      "ned",   "ner",    "om",   "på",
    "sam", "samman", "sönder", "till", "tillbaka", "undan", "under", "upp", "ut",  "vid",  "åter", "över",
};

// The auxiliaries and modals: a word that ends in one is a plain verb.
constexpr std::string_view kNoCompounds[] = {"vara", "kunna", "skola", "vilja", "måste", "böra", "torde", "lär"};

bool is_lemma_char(char32_t c) { return c == U'-' || unicode::is_lemma_letter(c); }

Row6 six(const std::string& form) { return {form, form, form, form, form, form}; }

// The s-passive of a verb that is not deponent (also used for the base of a
// deponent, whatever its own ending).
std::string plain_passive(const Verb& verb, Selector which) {
    const std::string& l = verb.lemma;
    std::string f = verb.active(which);
    if (which != Selector::Present) return join(f, "s");
    if (l == "vara") return "varas";
    if (f == join(l, "r")) return join(l, "s");               // talar: talas
    if (utf8::ends_with(f, "er"))                              // skriver: skrives
        return join(std::string_view(f).substr(0, f.size() - 2), "es");
    // The long forms in -ga, -va take the passive of the short one: taga,
    // tar: tas; draga, drar: dras; hava, har: has (but svärja, svär: svärs).
    std::string_view bare = std::string_view(f).substr(0, f.size() - 1);
    if (!f.empty() && f.back() == 'r' && l.size() == bare.size() + 2 && utf8::starts_with(l, bare) &&
        (utf8::ends_with(l, "ga") || utf8::ends_with(l, "va")))
        return join(bare, "s");
    return join(f, "s");                                        // kör: körs
}

}  // namespace

std::optional<Parts> parts(std::string_view lemma) {
    auto row = find_row(lemma);
    if (!row) return std::nullopt;
    return Parts{own(row->cell[0]), own(row->cell[1]), own(row->cell[2]),
                 own(row->cell[3]), own(row->cell[4]), own(row->cell[5])};
}

constexpr std::string_view INFINITIVE_ENDINGS[] = {"a"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto word = unicode::word_of(text, SPELLING);
    if (!word) return fail(Error{});
    Verb verb;
    verb.lemma = compound::listed_case(*word, kParticles, kNoCompounds, find_row);
    for (char32_t c : utf8::chars(verb.lemma))
        if (!is_lemma_char(c)) return fail(Error{});
    // An unlisted compound of a listed verb takes its forms: uppäta, avstänga, sambo.
    std::string_view particles;
    auto row = compound::row_or_base(verb.lemma, kParticles, kNoCompounds, find_row, particles);
    if (row) {
        verb.present = own(particles, row->cell[0]);
        verb.past = own(particles, row->cell[1]);
        verb.supine = own(particles, row->cell[2]);
        verb.imperative = own(particles, row->cell[3]);
        verb.subjunctive_present = own(particles, row->cell[4]);
        verb.subjunctive_past = own(particles, row->cell[5]);
    }
    return verb;
}

bool Verb::is_deponent() const { return !lemma.empty() && lemma.back() == 's'; }

std::string Verb::active(Selector which) const {
    switch (which) {
        case Selector::Infinitive: return lemma;
        case Selector::Present: return present ? *present : join(lemma, "r");
        case Selector::Past: return past ? *past : join(lemma, "de");
        case Selector::Supine: return supine ? *supine : join(lemma, "t");
    }
    return lemma;
}

std::optional<std::string> Verb::passive(Selector which) const {
    if (const Modal* m = modal(lemma)) {
        const bool kept = (which == Selector::Infinitive && m->infinitive_passive) ||
                          (which == Selector::Present && m->present_passive);
        if (!kept) return std::nullopt;
    }
    if (!is_deponent()) {
        if (which != Selector::Infinitive && active(which) == kNone) return std::nullopt;
        return plain_passive(*this, which);
    }
    switch (which) {
        case Selector::Infinitive: return lemma;
        case Selector::Present: return present ? *present : lemma;
        case Selector::Past:
            if (past) return *past;
            break;
        case Selector::Supine:
            if (supine) return *supine;
            break;
    }
    if (utf8::ends_with(lemma, "ss")) return std::nullopt;
    auto base = from_infinitive(std::string_view(lemma).substr(0, lemma.size() - 1));
    if (!base) return std::nullopt;
    return plain_passive(*base, which);
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    if (verb.is_deponent()) {
        t.present = given(verb.passive(Selector::Present));
        t.past = given(verb.passive(Selector::Past));
        t.supine = given(verb.passive(Selector::Supine));
        // A deponent has the imperative its row gives (andas, minns), else none.
        t.imperative = given(verb.imperative);
    } else {
        t.present = given(verb.active(Selector::Present));
        t.past = given(verb.active(Selector::Past));
        t.supine = given(verb.active(Selector::Supine));
        t.imperative = given(verb.imperative ? *verb.imperative : verb.lemma);
        t.subjunctive_past = verb.subjunctive_past;
    }
    t.infinitive_passive = verb.passive(Selector::Infinitive);
    t.present_passive = verb.passive(Selector::Present);
    t.past_passive = verb.passive(Selector::Past);
    t.supine_passive = verb.passive(Selector::Supine);
    if (t.present) t.presens_row = six(*t.present);
    if (t.past) t.preteritum_row = six(*t.past);
    if (t.supine) {
        t.perfekt_row = six(join("har ", *t.supine));
        t.pluskvamperfekt_row = six(join("hade ", *t.supine));
    }
    if (const Modal* m = modal(verb.lemma); !m || m->infinitive) {
        t.futurum_row = six(join("ska ", verb.lemma));
        t.konditionalis_row = six(join("skulle ", verb.lemma));
    }
    return t;
}

}  // namespace velnor::swe
