#include "guj.hpp"

#include <cstddef>

#include "brahmic.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::guj {

using text::join;
namespace {

constexpr std::string_view VUM = "વું";
constexpr std::string_view COPULA = "હોવું";

// The ten dependent vowel signs and the ten independent vowels.
bool is_vowel(char32_t c) {
    switch (c) {
        case 0x0ABE: case 0x0ABF: case 0x0AC0: case 0x0AC1: case 0x0AC2:
        case 0x0AC3: case 0x0AC7: case 0x0AC8: case 0x0ACB: case 0x0ACC:
        case 0x0A85: case 0x0A86: case 0x0A87: case 0x0A88: case 0x0A89:
        case 0x0A8A: case 0x0A8F: case 0x0A90: case 0x0A93: case 0x0A94:
            return true;
        default:
            return false;
    }
}

// Row slot of a person request: [1sg, 2sg, 3, 1pl, 2pl]; the third person
// plural shares the third person slot.
int person_slot(int person, bool plural) {
    if (person == 3) return 2;
    return person - 1 + (plural ? 3 : 0);
}

int participle_slot(Gender g, bool plural) {
    switch (g) {
        case Gender::Masculine: return plural ? 1 : 0;
        case Gender::Feminine: return 2;
        default: return plural ? 4 : 3;
    }
}

// The participle forms of a head word: a masculine form of a row (ગયો,
// લીધા), or stem + ્યો/્યા after a consonant, યો/યા after a vowel (ચાલ્યો,
// ચાલ્યા, ગાયો).
std::optional<std::array<std::string, 5>> participle(std::string_view word) {
    auto listed = lex::first_read(data::table::guj.text(), [word](std::string_view line) {
        auto pfv = lex::owned_forms<5>(lex::split<6>(line).or_dash(3));
        return pfv && ((*pfv)[0] == word || (*pfv)[1] == word) ? pfv : std::nullopt;
    });
    if (listed) return listed;
    for (std::string_view link : {"\u0ACD\u0AAF", "\u0AAF"}) {  // ્ય, ય
        for (std::string_view end : {"ો", "ા"}) {
            if (!word.ends_with(end) || !word.substr(0, word.size() - end.size()).ends_with(link)) continue;
            std::string_view stem = word.substr(0, word.size() - end.size() - link.size());
            const bool consonant = link.size() > 3;
            if (stem.empty() || (consonant ? !brahmic::ends_in_consonant(stem) : !is_vowel(utf8::last(stem)))) continue;
            return std::array<std::string, 5>{join(stem, link, "ો"), join(stem, link, "ા"),
                                              join(stem, consonant ? "ી" : "ઈ"), join(stem, link, "ું"),
                                              join(stem, link, "ાં")};
        }
    }
    return std::nullopt;
}

// The head of a person slot: singular for 1sg, 2sg and 3, plural for 1pl, 2pl.
int head_slot(int slot) { return slot >= 3 ? 1 : 0; }

}  // namespace

std::optional<std::string> one(std::string_view c) { return text::own(lex::optional_cell(c)); }

std::optional<Row5> five(std::string_view c) { return lex::owned_forms<5>(c); }
std::optional<Row4> four(std::string_view c) { return lex::owned_forms<4>(c); }

namespace lexicon {
// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find(std::string_view lemma) {
    auto line = data::table::guj.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<6>(*line);
    return LexEntry{five(c.or_dash(1)), five(c.or_dash(2)), five(c.or_dash(3)), four(c.or_dash(4)), one(c.or_dash(5))};
}
}  // namespace lexicon

constexpr std::string_view INFINITIVE_ENDINGS[] = {VUM};
constexpr unicode::Spelling SPELLING{unicode::Script::Gujarati, U"", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto trimmed = unicode::word_of(text, SPELLING);
    if (!trimmed) return fail(Error{});
    auto [head, word] = text::split_head(*trimmed);
    if (word.size() < VUM.size() || !word.ends_with(VUM)) return fail(Error{});
    std::string_view stem = word.substr(0, word.size() - VUM.size());
    if (stem.empty()) return fail(Error{});
    const bool vowel_final = is_vowel(utf8::last(stem));
    if (!brahmic::well_formed(word) || !(vowel_final || brahmic::ends_in_consonant(stem))) return fail(Error{});
    Verb v;
    v.head = std::string(head);
    v.infinitive = std::string(word);
    v.stem = std::string(stem);
    v.vowel_final = vowel_final;
    v.lex = lexicon::find(word);
    v.heads.fill(v.head);
    if (word == "જવું") v.heads = text::agreeing_heads<5>(v.head, participle);
    // The verbs of a root in -હ write its vowel as ે before વું (કહેવું,
    // રહેવું, સહેવું, વહેવું, લહેવું): the root is the stem less ે.
    constexpr std::string_view HE = "\u0AB9\u0AC7";  // હે
    if (stem.size() > HE.size() && stem.ends_with(HE))
        v.short_stem = std::string(stem.substr(0, stem.size() - std::string_view("\u0AC7").size()));
    return v;
}

std::string Verb::present(int person, bool plural) const {
    int slot = person_slot(person, plural);
    const std::string& head = heads[head_slot(slot)];
    if (lex && lex->present) return join(head, (*lex->present)[slot]);
    static constexpr std::string_view CONS[5] = {"ું", "ે", "ે", "ીએ", "ો"};
    static constexpr std::string_view VOW[5] = {"ઉં", "ય", "ય", "ઈએ", "ઓ"};
    // After a long ી or ૂ the second and third persons end in એ (પીએ, ચૂએ).
    char32_t last = utf8::last(stem);
    if (vowel_ending() && (slot == 1 || slot == 2) && (last == 0x0AC0 || last == 0x0AC2)) return join(head, stem, "એ");
    return join(head, base(), vowel_ending() ? VOW[slot] : CONS[slot]);
}

std::string Verb::future(int person, bool plural) const {
    int slot = person_slot(person, plural);
    const std::string& head = heads[head_slot(slot)];
    if (lex && lex->future) return join(head, (*lex->future)[slot]);
    static constexpr std::string_view CONS[5] = {"ીશ", "ીશ", "શે", "ીશું", "શો"};
    static constexpr std::string_view VOW[5] = {"ઈશ", "ઈશ", "શે", "ઈશું", "શો"};
    // શે and શો bring no vowel: the whole stem stays (રહેશે).
    const bool whole = slot == 2 || slot == 4;
    return join(head, whole ? std::string_view(stem) : base(), vowel_ending() ? VOW[slot] : CONS[slot]);
}

std::string Verb::imperative(int slot) const {
    const std::string& head = heads[slot % 2];  // [2sg, 2pl, polite sg, polite pl]
    if (lex && lex->imperative) return join(head, (*lex->imperative)[slot]);
    switch (slot) {
        case 0: return join(head, stem);
        case 1: return join(head, base(), vowel_ending() ? "ઓ" : "ો");
        case 2: return join(head, stem, "જે");
        default: return join(head, stem, "જો");
    }
}

std::string Verb::perfective(Gender gender, bool plural) const {
    int slot = participle_slot(gender, plural);
    const std::string& head = heads[slot];
    if (lex && lex->perfective) return join(head, (*lex->perfective)[slot]);
    if (gender == Gender::Feminine) return join(head, base(), vowel_ending() ? "ઈ" : "ી");
    static constexpr std::string_view END[5] = {"ો", "ા", "", "ું", "ાં"};
    std::string word = join(base(), vowel_ending() ? "ય" : "્ય", END[slot]);
    return join(head, word);
}

std::string Verb::imperfective(Gender gender, bool plural) const {
    static constexpr std::string_view END[5] = {"તો", "તા", "તી", "તું", "તાં"};
    int slot = participle_slot(gender, plural);
    return join(heads[slot], stem, END[slot]);
}

std::string Verb::conjunctive() const {
    if (lex && lex->conjunctive) return join(head, *lex->conjunctive);
    return join(head, base(), vowel_ending() ? "ઈ" : "ી");
}

std::string Verb::analytic(int person, bool plural) const {
    static constexpr std::string_view AUX[5] = {" છું", " છે", " છે", " છીએ", " છો"};
    std::string_view aux = AUX[person_slot(person, plural)];
    // The copula's present is the auxiliary itself (હું ઘરે છું).
    if (infinitive == COPULA) return join(heads[head_slot(person_slot(person, plural))], aux.substr(1));
    return join(present(person, plural), aux);
}

Table Table::build(const Verb& v) {
    static constexpr int PERSON[5] = {1, 2, 3, 1, 2};
    static constexpr bool PLURAL[5] = {false, false, false, true, true};
    static constexpr Gender GENDER[5] = {Gender::Masculine, Gender::Masculine, Gender::Feminine, Gender::Neuter,
                                         Gender::Neuter};
    static constexpr bool PPL[5] = {false, true, false, false, true};
    Table t;
    t.infinitive = join(v.head, v.infinitive);
    t.verbal_noun = join(v.head, v.stem, "વાનું");
    t.conjunctive = v.conjunctive();
    t.consecutive = join(t.conjunctive, "ને");
    for (int i = 0; i < 5; ++i) {
        t.present[i] = v.present(PERSON[i], PLURAL[i]);
        t.future[i] = v.future(PERSON[i], PLURAL[i]);
    }
    for (int i = 0; i < 4; ++i) t.imperative[i] = v.imperative(i);
    for (int i = 0; i < 5; ++i) {
        t.perfective[i] = v.perfective(GENDER[i], PPL[i]);
        t.imperfective[i] = v.imperfective(GENDER[i], PPL[i]);
    }
    for (int i = 0; i < 5; ++i) t.present_progressive[i] = v.analytic(PERSON[i], PLURAL[i]);
    return t;
}

}  // namespace velnor::guj
