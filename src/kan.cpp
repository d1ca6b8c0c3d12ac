#include "kan.hpp"

#include "brahmic.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::kan {

using text::join;
namespace {

constexpr std::string_view U_SIGN = "ು";  // U+0CC1

constexpr std::array<std::string_view, 10> PAST_ENDINGS{
    "ೆನು", "ೆ", "ನು", "ಳು", "", "ೆವು", "ಿರಿ", "ರು", "ರು", "ುವು"};
constexpr std::array<std::string_view, 10> PRESENT_ENDINGS{
    "ೇನೆ", "ೀ", "ಾನೆ", "ಾಳೆ", "ದೆ", "ೇವೆ", "ೀರಿ", "ಾರೆ", "ಾರೆ", "ವೆ"};
constexpr std::array<std::string_view, 10> FUTURE_ENDINGS{
    "ೆನು", "ಿ", "ನು", "ಳು", "ುದು", "ೆವು", "ಿರಿ", "ರು", "ರು", "ುವು"};

// A dependent vowel sign (the range includes its unassigned points).
bool is_vowel_sign(char32_t c) noexcept { return c >= 0x0CBE && c <= 0x0CCC; }

// A Kannada combining mark: signs that attach to a preceding letter and so
// cannot open a root (candrabindu/anusvara/visarga, nukta, vowel signs,
// virama, length marks, vocalic-l/ll signs).
bool is_combining_mark(char32_t c) noexcept {
    return (c >= 0x0C81 && c <= 0x0C83) || c == 0x0CBC || (c >= 0x0CBE && c <= 0x0CD6) ||
           c == 0x0CE2 || c == 0x0CE3;
}

std::size_t slot(Person p, Number n, Gender g) noexcept {
    std::size_t base = n == Number::Singular ? 0 : 5;
    if (p == Person::Third) return base + 2 + static_cast<std::size_t>(g);
    return base + static_cast<std::size_t>(p);
}

constexpr std::array<Person, 10> SLOT_PERSON{Person::First, Person::Second, Person::Third, Person::Third,
                                             Person::Third, Person::First,  Person::Second, Person::Third,
                                             Person::Third, Person::Third};
constexpr std::array<Gender, 10> SLOT_GENDER{Gender::Neuter,    Gender::Neuter,   Gender::Masculine, Gender::Feminine,
                                             Gender::Neuter,    Gender::Neuter,   Gender::Neuter,    Gender::Masculine,
                                             Gender::Feminine,  Gender::Neuter};

}  // namespace

constexpr auto opt = lex::optional_cell;

// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> lexicon::find(std::string_view lemma) {
    auto line = data::table::kan.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<7>(*line);
    auto cell = [&](std::size_t i) { return i < c.count ? c[i] : std::string_view{"-"}; };
    return LexEntry{opt(cell(1)), opt(cell(2)), opt(cell(3)), opt(cell(4)), opt(cell(5)), opt(cell(6))};
}

namespace {

// The verb with `head` written before every form of `base`; a base that
// opens with an independent vowel fuses it as its sign onto the head
// (ಸಾಧ್ಯವ + ಆಗು: ಸಾಧ್ಯವಾಯಿತು).
Verb behind(std::string_view head, const Verb& base, std::string_view vowel, std::string_view sign) {
    auto put = [&](const std::string& form) { return brahmic::behind(head, form, vowel, sign); };
    Verb v;
    v.root = put(base.root);
    v.past_stem = put(base.past_stem);
    v.past_3sg_neut = put(base.past_3sg_neut);
    v.prs_stem = put(base.prs_stem);
    v.fut_stem = put(base.fut_stem);
    v.imp_sg = put(base.imp_sg);
    v.imp_pl = put(base.imp_pl);
    return v;
}

}  // namespace

constexpr unicode::Spelling SPELLING{unicode::Script::Kannada};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto word = unicode::word_of(text, SPELLING);
    if (!word) return fail(Error{});
    const std::string_view root = *word;
    // A root opens with a letter: a lone sign (ು, ಾ, ್) is no root.
    if (is_combining_mark(utf8::first(root)) || !brahmic::well_formed(root)) return fail(Error{});

    const auto entry = lexicon::find(root);
    if (!entry) {
        // A compound ending in a listed verb takes that verb's stems behind
        // its first part (ಅರ್ಥಮಾಡಿ + ಕೊಳ್ಳು, ಇಷ್ಟ + ಪಡು, ಓಡಿ + ಹೋಗು), and one
        // of two syllables or more before -ಆಗು or -ಇರು written with its sign
        // those of ಆಗು or ಇರು (ಸಾಧ್ಯವಾಗು, ಮಾಡುತ್ತಿರು; ಸಾಗು, ಬಾಗು are verbs of
        // their own). ತರು and ಅನ್ನು end plural nouns (ರೈತರು) and accusatives,
        // and ಮೀ is too short.
        const std::size_t at = brahmic::listed_tail(root, [](std::string_view t) {
            return t != "ತರು" && t != "ಅನ್ನು" && lexicon::find(t).has_value();
        }, true, 3);
        if (at > 0) {
            if (auto base = from_infinitive(root.substr(at))) return behind(root.substr(0, at), *base, "", "");
        }
        static constexpr struct {
            std::string_view base, vowel, sign, written;
        } FUSED[] = {{"ಆಗು", "ಆ", "ಾ", "ಾಗು"}, {"ಇರು", "ಇ", "ಿ", "ಿರು"}};
        for (const auto& f : FUSED) {
            if (root.size() <= f.written.size() || !root.ends_with(f.written)) continue;
            const std::string_view head = root.substr(0, root.size() - f.written.size());
            if (brahmic::ends_in_consonant(head) && !brahmic::word_starts(head).empty()) {
                if (auto base = from_infinitive(f.base)) return behind(head, *base, f.vowel, f.sign);
            }
        }
    }

    Verb v;
    v.root = std::string(root);
    v.imp_sg = v.root;
    if (root.size() >= 3 && utf8::ends_with(root, U_SIGN)) {
        std::string_view base = root.substr(0, root.size() - U_SIGN.size());
        if (!brahmic::ends_in_consonant(base)) return fail(Error{});
        v.past_stem = join(base, "ಿದ");
        v.past_3sg_neut = join(base, "ಿತು");
        // A root in ಯ್ಯು, or in ಯು after a long vowel, takes ದ for its ಯ in
        // the past (ಕೊಯ್ಯು → ಕೊಯ್ದ, ಕಾಯು → ಕಾದ, ಮೇಯು → ಮೇದ); the neuter
        // keeps ಯಿತು (ಕಾಯಿತು).
        if (base.ends_with("ಯ")) {
            std::string_view before = base.substr(0, base.size() - std::string_view("ಯ").size());
            const char32_t c = utf8::last(before);
            const bool long_vowel = c == 0x0CBE || c == 0x0CC0 || c == 0x0CC2 || c == 0x0CC7 || c == 0x0CCB;
            if (before.ends_with("ಯ್") || long_vowel) v.past_stem = join(before, "ದ");
        }
        v.prs_stem = join(base, "ುತ್ತ");
        v.fut_stem = join(base, "ುವ");
        v.imp_pl = join(base, "ಿರಿ");
    } else {
        if (!is_vowel_sign(utf8::last(root))) return fail(Error{});
        v.past_stem = join(root, "ದ");
        v.past_3sg_neut = join(root, "ಯಿತು");
        v.prs_stem = join(root, "ಯುತ್ತ");
        v.fut_stem = join(root, "ಯುವ");
        v.imp_pl = join(root, "ಯಿರಿ");
    }
    if (const auto& e = entry) {
        if (e->past_stem) v.past_stem = std::string(*e->past_stem);
        if (e->past_3sg_neut)
            v.past_3sg_neut = std::string(*e->past_3sg_neut);
        else if (e->past_stem)
            v.past_3sg_neut = join(*e->past_stem, "ಿತು");
        if (e->prs_stem) v.prs_stem = std::string(*e->prs_stem);
        if (e->fut_stem) v.fut_stem = std::string(*e->fut_stem);
        if (e->imp_pl) v.imp_pl = std::string(*e->imp_pl);
        if (e->imp_sg) v.imp_sg = std::string(*e->imp_sg);
    }
    return v;
}

std::string Verb::form(int tense, Person person, Number number, Gender gender) const {
    std::size_t s = slot(person, number, gender);
    switch (tense) {
        case 0: return s == 4 ? past_3sg_neut : join(past_stem, PAST_ENDINGS[s]);
        case 1: return join(prs_stem, PRESENT_ENDINGS[s]);
        default: return join(fut_stem, FUTURE_ENDINGS[s]);
    }
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.root;
    for (std::size_t s = 0; s < 10; ++s) {
        Number n = s < 5 ? Number::Singular : Number::Plural;
        t.past[s] = verb.form(0, SLOT_PERSON[s], n, SLOT_GENDER[s]);
        t.present[s] = verb.form(1, SLOT_PERSON[s], n, SLOT_GENDER[s]);
        t.future[s] = verb.form(2, SLOT_PERSON[s], n, SLOT_GENDER[s]);
    }
    t.imperative = {verb.imp_sg, verb.imp_pl};
    return t;
}

}  // namespace velnor::kan
