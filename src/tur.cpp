#include "tur.hpp"

#include <cstddef>

#include "lexicon_text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::tur {

constexpr auto opt = lex::optional_cell;

namespace rows {

// The irregular verbs first, then the etmek compounds: a lemma of the former
// wins; within a text a later row with the same lemma replaces an earlier
// one, and a missing cell counts as "-".
std::optional<Row> find(std::string_view infinitive) {
    auto line = data::table::tur.last(infinitive);
    if (!line) line = data::table::tur_compounds.last(infinitive);
    if (!line) return std::nullopt;
    auto c = lex::split<9>(*line);
    return Row{opt(c[1]), opt(c[2]), opt(c[3]), opt(c[4]), opt(c[5]), opt(c[6]), opt(c[7]), opt(c[8])};
}

}  // namespace rows

namespace {

bool is_vowel(char32_t c) noexcept {
    switch (c) {
        case U'a': case U'e': case U'ı': case U'i': case U'o': case U'ö': case U'u': case U'ü':
            return true;
        default:
            return false;
    }
}

// The vowel nearest the end of the text, or 0 when it has none.
char32_t last_vowel(std::string_view text) noexcept {
    std::size_t end = text.size();
    while (end > 0) {
        auto d = utf8::decode_last(text, end);
        if (is_vowel(d.cp)) return d.cp;
        end -= d.len;
    }
    return 0;
}

bool ends_in_vowel(std::string_view text) noexcept { return !text.empty() && is_vowel(utf8::last(text)); }

// The past-tense consonant of a stem: t after a voiceless consonant.
char past_consonant(std::string_view stem) noexcept {
    if (stem.empty()) return 'd';
    switch (utf8::last(stem)) {
        case U'f': case U'h': case U'k': case U'p': case U's': case U't': case U'ç': case U'ş':
            return 't';
        default:
            return 'd';
    }
}

// The necessitative's last vowel: front after e, back after a.
char32_t front_or_back_i(char32_t e) noexcept { return e == U'e' ? U'i' : U'ı'; }

struct Builder {
    std::string s;
    explicit Builder(std::string_view base) { s.reserve(base.size() + 16); s.append(base); }
    Builder& operator+(std::string_view x) { s.append(x); return *this; }
    Builder& operator+(char c) { s.push_back(c); return *this; }
    Builder& operator+(char32_t c) { utf8::append(s, c); return *this; }
};

std::string cat(std::string_view base, auto... parts) {
    Builder b(base);
    (b + ... + parts);
    return std::move(b.s);
}

}  // namespace

char32_t two(std::string_view text) noexcept {
    switch (last_vowel(text)) {
        case U'a': case U'ı': case U'o': case U'u':
            return U'a';
        default:
            return U'e';
    }
}

char32_t four(std::string_view text) noexcept {
    switch (last_vowel(text)) {
        case U'a': case U'ı': return U'ı';
        case U'o': case U'u': return U'u';
        case U'ö': case U'ü': return U'ü';
        default: return U'i';
    }
}

std::string add_vowel(std::string_view base, char32_t vowel, std::string_view suffix) {
    if (!base.empty() && base.back() == 'k') return cat(base.substr(0, base.size() - 1), "ğ", vowel, suffix);
    return add_vowel_stem(base, vowel, suffix);
}

std::string add_vowel_stem(std::string_view base, char32_t vowel, std::string_view suffix) {
    if (ends_in_vowel(base)) return cat(base, 'y', vowel, suffix);
    return cat(base, vowel, suffix);
}

Row6 set1(std::string_view b) {
    char32_t i = four(b);
    char32_t e = two(b);
    return {add_vowel(b, i, "m"), cat(b, 's', i, 'n'), std::string(b),
            add_vowel(b, i, "z"), cat(b, 's', i, 'n', i, 'z'), cat(b, 'l', e, 'r')};
}

Row6 set2(std::string_view b) {
    char32_t i = four(b);
    char32_t e = two(b);
    return {cat(b, 'm'), cat(b, 'n'), std::string(b), cat(b, 'k'), cat(b, 'n', i, 'z'), cat(b, 'l', e, 'r')};
}

namespace {

// The lower-case form of the input, with the Turkish pairs of i: capital
// dotted İ becomes i and capital dotless I becomes ı (ÇIKMAK: çıkmak).
std::string lower(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto d = utf8::decode(text, pos);
        if (d.cp == U'\u0130') out.push_back('i');
        else if (d.cp == U'I') out.append("ı");
        else unicode::append_lower(out, d.cp);
        pos += d.len;
    }
    return out;
}

bool is_consonant(char32_t c) noexcept { return c != 0 && !is_vowel(c) && unicode::is_alphabetic(c); }

// The last two letters of the stems of native verbs in -e whose causative
// in -t ends like an etmek compound: the suffixes -lE (bekletmek,
// belletmek), -sE (gülümsetmek, önemsetmek) and -(I)rdE, -(I)ldE
// (kütürdetmek, inildetmek), and benzetmek, esnetmek, gevşetmek ...
// Compounds whose noun ends so are listed (dansetmek), as are those whose
// noun ends in l (katletmek, halletmek), which etmek_noun never takes.
constexpr std::string_view NATIVE_CAUSATIVE_ENDS[] = {
    "fs", "ld", "ls", "ms", "ns", "nz", "rd", "rg", "rn", "rs", "sn", "tg", "vs", "vş", "ys", "şn"};

// The noun of a compound of an Arabic or Persian noun with etmek, written
// as one word (bahşetmek, azmetmek), or empty. Such a noun ends in two
// consonants before "et"; native stems that end so are causatives of verbs
// in -e (bekletmek, gülümsetmek) and öğretmek, which keep their t. A stem
// with one consonant before "et" (iletmek, üretmek, yönetmek) is native
// too. The compounds of those shapes are listed, and so are the few
// causatives of the compounds' shape (titretmek, gevretmek).
std::string_view etmek_noun(std::string_view stem) {
    const std::string_view noun = utf8::before_ending(stem, "et").value_or(std::string_view{});
    if (utf8::length(noun) < 3) return {};
    char32_t last = utf8::last(noun);
    char32_t before = utf8::last(utf8::drop_last_chars(noun, 1));
    if (!is_consonant(last) || !is_consonant(before) || before == U'ğ' || last == U'l') return {};
    if (utf8::ends_with_one_of(noun, NATIVE_CAUSATIVE_ENDS)) return {};
    return noun;
}

// Whether the stem is a negative one (yapma, gelme, kaybetme): the negative
// suffix -ma/-me after a stem with a vowel. The table holds a verb's
// affirmative forms, so a negative infinitive is no citation form.
bool negative_stem(std::string_view stem) {
    constexpr std::string_view NEGATIVE[] = {"ma", "me"};
    const std::size_t i = utf8::longest_ending(stem, NEGATIVE);
    if (i == std::size(NEGATIVE)) return false;
    return last_vowel(stem.substr(0, stem.size() - NEGATIVE[i].size())) != 0;
}

// The part before gitmek of a compound of it written as one word, a verb's
// -A converb (süre- in süregitmek), or empty: such a compound softens
// gitmek's t as gitmek does (süregider, süregidiyor). A causative in -git
// follows a consonant (ergitmek: ergitir).
std::string_view gitmek_head(std::string_view stem) {
    const std::string_view head = utf8::before_ending(stem, "git").value_or(std::string_view{});
    if (head.empty()) return {};
    const char32_t last = utf8::last(head);
    // A converb has a stem before its vowel: egitmek is eğitmek typed
    // without its ğ (egitir), not e + gitmek.
    return utf8::length(head) >= 3 && (last == U'a' || last == U'e') ? head : std::string_view{};
}

}  // namespace

std::optional<std::string> Verb::cell(std::optional<std::string_view> Row::*field) const {
    const auto& c = row.*field;
    if (!c) return std::nullopt;
    return cat(noun, *c);
}

constexpr std::string_view INFINITIVE_ENDINGS[] = {"mek", "mak"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto written = unicode::word_of(text, SPELLING);
    if (!written) return fail(Error{});
    const std::string word = lower(*written);
    const std::size_t ending = utf8::longest_ending(word, INFINITIVE_ENDINGS);
    if (ending == std::size(INFINITIVE_ENDINGS)) return fail(Error{});
    std::string stem = word.substr(0, word.size() - INFINITIVE_ENDINGS[ending].size());
    if (stem.empty()) return fail(Error{});
    Verb v;
    if (auto r = rows::find(word)) {
        v.row = *r;
    } else if (negative_stem(stem)) {
        return fail(Error{});
    } else if (std::string_view noun = etmek_noun(stem); !noun.empty()) {
        if (auto e = rows::find("etmek")) {
            v.row = *e;
            v.noun = std::string(noun);
        }
    } else if (std::string_view head = gitmek_head(stem); !head.empty()) {
        if (auto g = rows::find("gitmek")) {
            v.row = *g;
            v.noun = std::string(head);
        }
    }
    v.infinitive = std::move(word);
    v.stem = std::move(stem);
    return v;
}

std::string Verb::aorist_base() const {
    if (auto c = cell(&Row::aorist)) return *std::move(c);
    if (ends_in_vowel(stem)) return cat(stem, 'r');
    std::size_t vowels = 0;
    for (char32_t c : utf8::chars(stem))
        if (is_vowel(c)) ++vowels;
    return cat(stem, vowels >= 2 ? four(stem) : two(stem), 'r');
}

std::string Verb::progressive_base() const {
    if (auto c = cell(&Row::progressive)) return *std::move(c);
    // The stem's final vowel gives way to the harmony vowel (okuyor,
    // bekliyor; demek, diyor). A one-syllable stem's only vowel, when high,
    // is that vowel already and stays: yumak, yuyor; sımak, sıyor (not
    // yiyor, which belongs to yemek).
    std::string_view b = stem;
    if (ends_in_vowel(b)) {
        b = utf8::drop_last_chars(b, 1);
        const char32_t v = utf8::last(stem);
        if (last_vowel(b) == 0 && (v == U'ı' || v == U'i' || v == U'u' || v == U'ü')) return cat(stem, "yor");
    }
    return cat(b, four(b), "yor");
}

std::string Verb::future_base() const {
    if (auto c = cell(&Row::future)) return *std::move(c);
    char32_t e = two(stem);
    return add_vowel_stem(stem, e, cat("c", e, 'k'));
}

std::string Verb::past_base() const {
    if (auto c = cell(&Row::past)) return *std::move(c);
    return cat(stem, past_consonant(stem), four(stem));
}

std::string Verb::evidential_base() const {
    if (auto c = cell(&Row::evidential)) return *std::move(c);
    return cat(stem, 'm', four(stem), "ş");
}

std::string Verb::necessitative_base() const {
    if (auto c = cell(&Row::necessitative)) return *std::move(c);
    char32_t e = two(stem);
    return cat(stem, 'm', e, 'l', front_or_back_i(e));
}

std::string Verb::form(Tense tense, Person person, Number number) const {
    std::size_t slot = static_cast<std::size_t>(person) + 3 * static_cast<std::size_t>(number);
    switch (tense) {
        case Tense::Aorist: return set1(aorist_base())[slot];
        case Tense::Progressive: return set1(progressive_base())[slot];
        case Tense::Future: return set1(future_base())[slot];
        case Tense::Past: return set2(past_base())[slot];
        case Tense::Evidential: return set1(evidential_base())[slot];
        case Tense::Necessitative: return set1(necessitative_base())[slot];
    }
    return {};
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.infinitive;
    // A whole row at once gives the same forms as Verb::form slot by slot.
    t.aorist = set1(verb.aorist_base());
    t.progressive = set1(verb.progressive_base());
    t.future = set1(verb.future_base());
    t.past = set2(verb.past_base());
    t.evidential = set1(verb.evidential_base());
    t.necessitative = set1(verb.necessitative_base());
    auto sg = verb.cell(&Row::imp_sg), pl = verb.cell(&Row::imp_pl);
    t.imperative[0] = sg ? *std::move(sg) : verb.stem;
    t.imperative[1] = pl ? *std::move(pl) : add_vowel_stem(verb.stem, four(verb.stem), "n");
    return t;
}

}  // namespace velnor::tur
