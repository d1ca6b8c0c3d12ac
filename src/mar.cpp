#include "mar.hpp"

#include <cstddef>

#include "brahmic.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::mar {
namespace {

constexpr std::string_view NE = "णे";
constexpr std::string_view AA = "ा";

// Dependent vowel signs ा … ौ (the virama is not one).
bool is_vowel_sign(char32_t c) { return c >= 0x093E && c <= 0x094C; }

// Endings by gender (masculine, feminine, neuter) and number.
constexpr std::string_view AGREE_SG[3] = {"ा", "ी", "ं"};
constexpr std::string_view AGREE_PL[3] = {"े", "्या", "ी"};

std::string_view agreement(Gender g, bool plural) {
    return plural ? AGREE_PL[static_cast<int>(g)] : AGREE_SG[static_cast<int>(g)];
}

}  // namespace

std::optional<std::string> one(std::string_view c) { return text::own(lex::optional_cell(c)); }

std::optional<std::array<std::string, 5>> five(std::string_view c) { return lex::owned_forms<5>(c); }

std::string join(std::string_view base, std::string_view suffix) {
    if (base.size() > 2 && base.ends_with(AA) && suffix.starts_with(AA))
        return text::join(base, suffix.substr(AA.size()));
    return text::join(base, suffix);
}

namespace lexicon {
// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find(std::string_view lemma) {
    auto line = data::table::mar.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<9>(*line);
    return LexEntry{one(c.or_dash(1)), one(c.or_dash(2)), one(c.or_dash(3)), lex::owned_forms<6>(c.or_dash(4)),
                    five(c.or_dash(5)), one(c.or_dash(6)), one(c.or_dash(7)), one(c.or_dash(8))};
}

bool transitive(std::string_view lemma) { return !data::table::mar_transitive.rows(lemma).empty(); }
}  // namespace lexicon

// A stem that ends in a vowel sign cannot take an ending that begins with
// one: the ending's vowel is written as a full letter (खाऊन, खाईन), with a
// glide before ो and ा (खावो, धुवा). A longer stem in ि drops it before a
// vowel ending (लिहि: लिहून, लिहीन, लिहा).
std::string Verb::attach(std::string_view suffix) const {
    char32_t last = utf8::last(stem);
    char32_t first = utf8::first(suffix);
    if (!is_vowel_sign(last) || !is_vowel_sign(first) || (last == 0x093E && first == 0x093E)) return join(stem, suffix);
    std::string_view rest = utf8::drop_first_chars(suffix, 1);
    if (last == 0x093F && utf8::length(stem) >= 4) {
        std::string_view base = utf8::drop_last_chars(stem, 1);
        if (first == 0x0947 && !rest.empty()) return text::join(base, "ी", rest);  // ेन, ेल
        return text::join(base, suffix);
    }
    switch (first) {
        case 0x0942: return text::join(stem, "ऊ", rest);
        case 0x0947: return text::join(stem, "ई", rest);
        case 0x094B: return text::join(stem, "वो", rest);
        case 0x093E: return text::join(stem, "वा", rest);
        default: return text::join(stem, suffix);
    }
}

constexpr std::string_view INFINITIVE_ENDINGS[] = {NE};
constexpr unicode::Spelling SPELLING{unicode::Script::Devanagari, U"", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto trimmed = unicode::word_of(text, SPELLING);
    if (!trimmed) return fail(Error{});
    auto [head, word] = text::split_head(*trimmed);
    if (word.size() < NE.size() || !word.ends_with(NE)) return fail(Error{});
    std::string_view stem = utf8::drop_last_chars(word, 2);
    if (stem.empty()) return fail(Error{});
    // The endings join a consonant or a vowel sign (खातो, खावा), nothing else.
    if (!brahmic::well_formed(word) || !(is_vowel_sign(utf8::last(stem)) || brahmic::ends_in_consonant(stem)))
        return fail(Error{});
    Verb v;
    v.head = std::string(head);
    v.infinitive = std::string(word);
    v.stem = std::string(stem);
    v.lex = lexicon::find(word);
    v.transitive = lexicon::transitive(word);
    // A root in -ाह takes -िल in the perfective, -ी- in the future and a
    // full ा in the imperative (पाहिला, पाहीन, पाहा; वाहणे, साहणे).
    v.aah = utf8::length(stem) >= 3 && stem.ends_with("\u093E\u0939");
    return v;
}

std::string Verb::present(int person, Gender gender, bool plural) const {
    std::string base = lex && lex->present ? *lex->present : text::join(stem, "त");
    std::string_view end;
    bool fem = gender == Gender::Feminine;
    if (plural) {
        end = person == 1 ? "ो" : person == 2 ? "ा" : "ात";
    } else if (person == 1) {
        end = fem ? "े" : "ो";
    } else if (person == 2) {
        end = fem ? "ेस" : "ोस";
    } else {
        end = fem ? "े" : gender == Gender::Neuter ? "ं" : "ो";
    }
    return text::join(head, base, end);
}

std::string Verb::perfective(int person, Gender gender, bool plural) const {
    std::string base = lex && lex->perfective ? *lex->perfective : text::join(stem, aah ? "िल" : "ल");
    std::string_view end;
    // The second person marks its subject as the present does: तू आलास,
    // तू आलीस, तुम्ही आलात. The first person of a transitive verb has no
    // form of its own: the verb agrees with its object, and the cell holds
    // the form with a neuter object (मी काम केले, आम्ही पत्र लिहिले).
    if (person == 1 && transitive) end = "े";
    else if (person == 1) end = gender == Gender::Feminine && !plural ? "े" : "ो";
    else if (person == 2 && plural) end = "ात";
    else if (person == 2) end = gender == Gender::Feminine ? "ीस" : gender == Gender::Neuter ? "ेस" : "ास";
    else end = agreement(gender, plural);
    return text::join(head, base, end);
}

std::string Verb::subjunctive(Gender gender, bool plural) const {
    std::string base = lex && lex->subjunctive ? *lex->subjunctive : attach("ाव");
    return text::join(head, base, agreement(gender, plural));
}

std::string Verb::future(int person, bool plural) const {
    static constexpr std::string_view END[6] = {"ेन", "शील", "ेल", "ू", "ाल", "तील"};
    int slot = person - 1 + (plural ? 3 : 0);
    if (lex && lex->future) return text::join(head, (*lex->future)[slot]);
    if (aah && (slot == 0 || slot == 2)) return text::join(head, stem, slot == 0 ? "ीन" : "ील");
    return text::join(head, attach(END[slot]));
}

std::string Verb::imperative(int person, bool plural) const {
    int slot = person == 2 ? (plural ? 1 : 0) : person == 1 ? 2 : (plural ? 4 : 3);
    if (lex && lex->imperative) return text::join(head, (*lex->imperative)[slot]);
    switch (slot) {
        case 0:
            // A longer stem in ि is written with ी when it stands alone (लिही).
            if (utf8::last(stem) == 0x093F && utf8::length(stem) >= 4)
                return text::join(head, utf8::drop_last_chars(stem, 1), "ी");
            if (aah) return text::join(head, stem, AA);
            return text::join(head, stem);
        case 1: return text::join(head, attach("ा"));
        case 2: return text::join(head, attach("ू"));
        case 3: return text::join(head, attach("ो"));
        default: return text::join(head, attach("ोत"));
    }
}

Table Table::build(const Verb& v) {
    Table t;
    const LexEntry* lex = v.lex ? &*v.lex : nullptr;
    t.infinitive = text::join(v.head, v.infinitive);
    t.completive = text::join(v.head, lex && lex->completive ? *lex->completive : v.attach("ून"));
    t.purposive = text::join(v.head, lex && lex->purposive ? *lex->purposive : v.attach("ायला"));
    t.prospective = text::join(v.head, lex && lex->prospective ? *lex->prospective : text::join(v.stem, "णार"));
    for (int i = 0; i < 6; ++i) {
        int person = i % 3 + 1;
        bool plural = i >= 3;
        t.present_masculine[i] = v.present(person, Gender::Masculine, plural);
        t.present_feminine[i] = v.present(person, Gender::Feminine, plural);
        t.perfective_masculine[i] = v.perfective(person, Gender::Masculine, plural);
        t.perfective_feminine[i] = v.perfective(person, Gender::Feminine, plural);
        t.future[i] = v.future(person, plural);
    }
    static constexpr Gender G[3] = {Gender::Masculine, Gender::Feminine, Gender::Neuter};
    for (int i = 0; i < 6; ++i) t.subjunctive[i] = v.subjunctive(G[i % 3], i >= 3);
    t.imperative = {v.imperative(2, false), v.imperative(2, true), v.imperative(1, false), v.imperative(3, false),
                    v.imperative(3, true)};
    return t;
}

}  // namespace velnor::mar
