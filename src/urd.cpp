#include "urd.hpp"

#include <cstddef>

#include "lexicon_text.hpp"
#include "perso_arabic.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::urd {

using text::join;
namespace {

constexpr std::string_view NA = "\u0646\u0627";  // نا

// Suffixes by slot: consonant stems, vowel stems (آ, ا, و).
constexpr std::string_view SUBJ_C[6] = {"وں", "ے", "ے", "یں", "و", "یں"};
constexpr std::string_view SUBJ_V[6] = {"ؤں", "ئے", "ئے", "ئیں", "ؤ", "ئیں"};
constexpr std::string_view PFV_C[3] = {"ا", "ے", "ی"};
constexpr std::string_view PFV_V[3] = {"یا", "ئے", "ئی"};
// The polite imperative: after a consonant the ending is plain یے (چلیے,
// بیٹھیے); the hamza seat ئ only separates it from a preceding vowel
// (کھائیے, سوئیے).
constexpr std::string_view POLITE_C = "یے";
constexpr std::string_view POLITE_V = "ئیے";

// Words in -ے that stand before جانا and are no participle (آگے جانا).
constexpr std::string_view ADVERBS[] = {"آگے", "پیچھے", "نیچے", "سامنے", "پہلے"};

bool vowel_letter(char32_t c) { return c == 0x0622 || c == 0x0627 || c == 0x0648; }

// The letters of a word, the ھ of an aspirate not counted (کھ is one).
std::size_t letters(std::string_view word) {
    std::size_t n = utf8::length(word);
    for (std::size_t at = word.find("ھ"); at != std::string_view::npos; at = word.find("ھ", at + 1)) --n;
    return n;
}

// Two letters at least (کھا and لے are stems: کھا جانا, لے جانا), ending in
// a consonant.
bool consonant_stem(std::string_view stem) {
    char32_t last = utf8::last(stem);
    return letters(stem) >= 2 && !vowel_letter(last) && last != 0x06CC && last != 0x06D2;
}

constexpr hindustani::ParticipleSpelling PARTICIPLE{
    {"یا", "ئے", "ئی"}, {"ا", "ے", "ی"}, ADVERBS,
    [](std::string_view stem) { return vowel_letter(utf8::last(stem)); }, consonant_stem};

std::optional<hindustani::Triple> participle(std::string_view word) {
    return hindustani::participle(PARTICIPLE, data::table::urd, word);
}

// The verbs that follow a stem in a compound (کر دینا, ہو جانا, کر لینا),
// written apart or as one word.
constexpr std::string_view VECTORS[] = {"جانا", "دینا", "لینا"};

// The head of a compound written as one word: a stem of two letters or آ
// before one of the vectors (کردینا, ہوجانا, آجانا, لےلینا); empty for any
// other word (سجانا, بجانا, کھجانا: one letter before جانا).
std::string_view solid_head(std::string_view word) {
    for (std::string_view vector : VECTORS) {
        if (word.size() <= vector.size() || !word.ends_with(vector)) continue;
        std::string_view head = word.substr(0, word.size() - vector.size());
        if (head == "آ" || letters(head) >= 2) return head;
    }
    return {};
}

}  // namespace

namespace lexicon {
// The rows are written in the normalised spelling (checked at build time),
// so the table is searched with the normalised lemma as it stands.
std::optional<LexEntry> find(std::string_view lemma) { return hindustani::find_row(data::table::urd, lemma); }
}  // namespace lexicon

constexpr std::string_view INFINITIVE_ENDINGS[] = {NA};
constexpr unicode::Spelling SPELLING{unicode::Script::Arabic, U"\u061c\u200e\u200f", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error{});
    // Normalise before trimming: a bidi mark or joiner at either end (common
    // in pasted right-to-left text) must not hide the blanks next to it.
    std::string normal = perso_arabic::normalize(text);
    std::string_view trimmed = unicode::trim(normal);
    if (trimmed.empty()) return fail(Error{});
    auto [prefix, word] = text::split_head(trimmed);
    if (word.size() < NA.size() || !utf8::ends_with(word, NA)) return fail(Error{});
    // A compound written as one word (کردینا, ہوجانا) is its head and the
    // verb after it: کردیا, ہوگیا.
    std::string_view solid = solid_head(word);
    word.remove_prefix(solid.size());
    std::string_view stem = word.substr(0, word.size() - NA.size());
    if (stem.empty()) return fail(Error{});
    Verb v;
    v.prefix = std::string(prefix);
    v.infinitive = std::string(word);
    v.stem = std::string(stem);
    char32_t last = utf8::last(stem);
    v.vowel_final = vowel_letter(last);
    v.lex = lexicon::find(word);
    v.heads = word == "جانا" ? text::agreeing_heads<3>(v.prefix, participle)
                            : hindustani::Triple{v.prefix, v.prefix, v.prefix};
    v.prefix.append(solid);
    for (std::string& h : v.heads) h.append(solid);
    return v;
}

std::string Verb::out(std::string_view form) const { return perso_arabic::normalize(join(prefix, form)); }

std::string Verb::out(std::string_view form, int agreement) const {
    return perso_arabic::normalize(join(heads[agreement], form));
}

std::string Verb::imperative(int slot) const {
    // تو takes the singular head, تم and آپ the plural (چلا جا, چلے جاؤ).
    const int g = slot == 0 ? 0 : 1;
    if (lex && lex->imp) return out((*lex->imp)[slot], g);
    switch (slot) {
        case 0: return out(stem, g);
        case 1: return out(join(stem, vowel_final ? "ؤ" : "و"), g);
        default: return out(join(stem, vowel_final ? POLITE_V : POLITE_C), g);
    }
}

std::string Verb::perfective(bool feminine, bool plural) const {
    const int slot = hindustani::agreement(feminine, plural);
    if (lex && lex->pfv) return out((*lex->pfv)[slot], slot);
    return out(join(stem, vowel_final ? PFV_V[slot] : PFV_C[slot]), slot);
}

std::string Verb::bare_subjunctive(int slot) const {
    if (lex && lex->subj) return std::string((*lex->subj)[slot]);
    return join(stem, vowel_final ? SUBJ_V[slot] : SUBJ_C[slot]);
}

std::string Verb::subjunctive(int person, bool plural) const {
    return out(bare_subjunctive(person + (plural ? 3 : 0)), plural ? 1 : 0);
}

std::string Verb::imperfective(bool feminine, bool plural) const {
    return out(join(stem, feminine ? "تی" : plural ? "تے" : "تا"), hindustani::agreement(feminine, plural));
}

// The future is written apart: subjunctive, a space, then گا/گے/گی.
std::string Verb::future(int person, bool plural, bool feminine) const {
    std::string form = bare_subjunctive(person + (plural ? 3 : 0));
    form.append(feminine ? " گی" : plural ? " گے" : " گا");
    return out(form, hindustani::agreement(feminine, plural));
}

Table Table::build(const Verb& v) {
    Table t;
    t.infinitive = v.out(v.infinitive);
    t.oblique_infinitive = v.out(join(v.stem, "نے"), 1);  // the oblique head: چلے جانے
    t.fill_rows(v);
    return t;
}

}  // namespace velnor::urd
