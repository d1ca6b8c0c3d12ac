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

bool is_vowel(char32_t c) {
    switch (c) {
    case U'a': case U'e': case U'i': case U'o': case U'u': case U'y':
    case U'õ': case U'ä': case U'ö': case U'ü':
        return true;
    default:
        return false;
    }
}

// A word cut before its last consonant cluster: `head` ends in the vowels
// of the syllable before it. `one_syllable` when head has no other vowel
// (after the last hyphen of a compound written with one).
struct Cut {
    std::string_view head;
    std::string_view cluster;
    bool long_vowel = false;
    bool diphthong = false;  // two different vowels (au, õu, ai), not a long one (aa)
    bool one_syllable = false;
};

// Cuts `word` (ending in consonants) before its final cluster; nothing when
// there is no cluster or no vowel before it.
std::optional<Cut> cut(std::string_view word) {
    std::size_t end = word.size();
    std::size_t pos = end;
    auto step_back = [&](auto pred) {
        std::size_t n = 0;
        while (pos > 0) {
            auto d = utf8::decode_last(word, pos);
            if (!pred(d.cp)) break;
            pos -= d.len;
            ++n;
        }
        return n;
    };
    auto consonant = [](char32_t c) { return c != U'-' && !is_vowel(c); };
    if (step_back(consonant) == 0) return std::nullopt;
    Cut c;
    c.cluster = word.substr(pos, end - pos);
    std::size_t head_end = pos;
    std::size_t vowels = step_back(is_vowel);
    if (vowels == 0) return std::nullopt;
    c.long_vowel = vowels >= 2;
    if (c.long_vowel) {
        auto last = utf8::decode_last(word, head_end);
        c.diphthong = utf8::decode_last(word, head_end - last.len).cp != last.cp;
    }
    step_back(consonant);
    c.one_syllable = pos == 0 || utf8::decode_last(word, pos).cp == U'-';
    c.head = word.substr(0, head_end);
    return c;
}

// A strong-grade cluster and its weak grade; `after_long`: only after a long
// vowel or a diphthong (kiikuma kiigun, but kukkuma kukun); `diphthong`: only
// after a diphthong (lauglema lauelda, but hooglema hoogelda).
struct Grade {
    std::string_view strong, weak;
    bool after_long = false;
    bool diphthong = false;
};

constexpr Grade COMMON_GRADES[] = {
    {"kk", "k"}, {"pp", "p"}, {"tt", "t"}, {"ff", "f"}, {"hk", "h"}, {"ht", "h"},
    {"lk", "lg"}, {"lp", "lb"}, {"lt", "ld"}, {"rk", "rg"}, {"rp", "rb"}, {"rt", "rd"},
    {"mp", "mb"}, {"nt", "nd"}, {"nk", "ng"}, {"rss", "rs"}, {"lss", "ls"},
    {"k", "g", true}, {"p", "b", true},
};
// -ima: the present takes the weak grade (pruukima pruugin, hankima hangin,
// nuuskima nuusin, retuššima retušin).
constexpr Grade IMA_GRADES[] = {{"t", "d", true}, {"sk", "s"}, {"šš", "š"}};
// -uma: the weak grade only after l and n (mõlkuma mõlgun, võnkuma võngun);
// the others keep their strong grade (kukkuma kukun and haukuma haugun are rows).
constexpr Grade UMA_GRADES[] = {{"lk", "lg"}, {"nk", "ng"}};
// -ama with -ata: the da-infinitive and the participles take it (hüppama hüpata, hindama hinnata).
constexpr Grade AMA_GRADES[] = {
    {"sk", "s"}, {"rsk", "rs"}, {"nd", "nn"}, {"ld", "ll"}, {"mb", "mm"}, {"rd", "rr"}, {"tr", "dr"},
    {"b", "v", true}, {"g", "", true},
};
// -Clema: the syncopated forms close the syllable (kauplema kaubelda, suhtlema suhelda).
constexpr Grade LDA_GRADES[] = {
    {"sk", "s"}, {"ntsk", "nts"}, {"nd", "nn"}, {"mb", "mm"}, {"rg", "r"}, {"rd", "r"},
    {"t", "d", true}, {"b", "v", true},
    {"g", "", true, true}, {"d", "", true, true},  // lauglema lauelda, nõudlema nõuelda (suudlema suudelda)
};

// The syllables of a word: its runs of vowels (a hyphen starts the count anew).
std::size_t syllables(std::string_view word) {
    std::size_t n = 0;
    bool in_vowels = false;
    for (char32_t c : utf8::chars(word)) {
        if (c == U'-') n = 0;
        const bool v = is_vowel(c);
        if (v && !in_vowels) ++n;
        in_vowels = v;
    }
    return n;
}

template <std::size_t N>
std::optional<std::string_view> find_grade(const Grade (&grades)[N], const Cut& c) {
    for (const Grade& g : grades) {
        if (g.strong == c.cluster && (!g.after_long || c.long_vowel) && (!g.diphthong || c.diphthong))
            return g.weak;
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::string_view> weak_grade(const Grade (&extra)[N], const Cut& c) {
    if (auto w = find_grade(COMMON_GRADES, c)) return w;
    return find_grade(extra, c);
}

}  // namespace

Shape shape_of(std::string_view stem) {
    Shape s;
    s.present = std::string(stem);
    s.base = s.present;
    if (auto c = cut(stem); c && (c->cluster == "st" || (c->cluster == "t" && c->long_vowel))) {
        s.kind = Kind::Ea;
        s.present = c->cluster == "t" ? join(c->head, "da") : join(stem, "a");
        return s;
    }
    char32_t final = utf8::last(stem);
    if (final == U'u') {
        auto c = cut(utf8::drop_last_chars(stem, 1));
        if (!c) return s;
        if (auto w = find_grade(UMA_GRADES, *c)) s.present = join(c->head, *w, "u");
        return s;
    }
    if (final == U'i' || final == U'a') {
        auto c = cut(utf8::drop_last_chars(stem, 1));
        if (!c) {
            // a diphthong before the a (käiama käiata, nuiama nuiata)
            std::string_view before = utf8::drop_last_chars(stem, 1);
            if (final == U'a' && utf8::length(before) >= 2 && is_vowel(utf8::last(before)) &&
                is_vowel(utf8::last(utf8::drop_last_chars(before, 1))) && syllables(before) == 1)
                s.kind = Kind::Ta;
            return s;
        }
        // -ima, also in longer loans (patentima patendin, boikottima boikotin)
        if (final == U'i') {
            if (auto w = weak_grade(IMA_GRADES, *c)) s.present = join(c->head, *w, "i");
            return s;
        }
        if (!c->one_syllable) return s;
        // a short vowel before one consonant, or before b, d or g and another (sobrama, udjama), is light
        char32_t first = utf8::first(c->cluster);
        bool heavy = c->long_vowel || (utf8::length(c->cluster) >= 2 && first != U'b' && first != U'd' &&
                                       first != U'g');
        if (!heavy) return s;
        // -tama and -dama after a long vowel are derivatives with -ada (hoiatama, koondama, töötama)
        char32_t last = utf8::last(c->cluster);
        if (c->long_vowel && (last == U't' || last == U'd')) return s;
        s.kind = Kind::Ta;
        auto w = weak_grade(AMA_GRADES, *c);
        if (w) s.base = join(c->head, *w, "a");
        return s;
    }
    // -skelema, -telema of three syllables or more: oleskella, käsitella.
    if ((utf8::ends_with(stem, "skele") || utf8::ends_with(stem, "tele")) && syllables(stem) >= 3) {
        s.kind = Kind::Lla;
        s.base = std::string(stem.substr(0, stem.size() - 2));
        return s;
    }
    if (utf8::ends_with(stem, "le")) {
        auto c = cut(stem.substr(0, stem.size() - 2));
        if (!c || !c->one_syllable) return s;
        auto w = weak_grade(LDA_GRADES, *c);
        s.kind = Kind::Lda;
        s.base = join(c->head, w ? *w : c->cluster, "e");
    }
    return s;
}

// A later row with the same lemma replaces an earlier one.
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::est.last(lemma);
    if (!line) return std::nullopt;
    return Row{lex::optional_cells<CellCount>(*line)};
}

constexpr std::string_view MA = "ma";
constexpr std::string_view INFINITIVE_ENDINGS[] = {MA};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto lowered = unicode::lower_word_of(text, SPELLING, unicode::is_letter_or_hyphen);
    if (!lowered) return fail(Error{});
    const std::string_view word = *lowered;
    if (!utf8::ends_with(word, MA)) return fail(Error{});
    Verb verb;
    verb.infinitive = std::string(word);
    verb.shape = shape_of(verb.stem());
    if (auto row = find_row(verb.infinitive)) verb.cells = std::move(row->cells);
    return verb;
}

std::string_view Verb::stem() const { return strip(infinitive, MA); }

std::string Verb::weak() const {
    if (const auto& p = cell(P1sg)) return std::string(strip(*p, "n"));
    return shape.present;
}

// The da-infinitive, jussive, nud- or tud-participle of the verb's class.
std::string Verb::by_class(Form form) const {
    static constexpr std::string_view ENDINGS[5][4] = {
        {"da", "gu", "nud", "tud"},    // Plain (tud on the present stem)
        {"ta", "ku", "nud", "tud"},    // Ta
        {"lda", "lgu", "lnud", "ldud"},  // Lda
        {"a", "ku", "nud", "etud"},    // Ea (etud on the present stem without its -a)
        {"lla", "lgu", "lnud", "ldud"},  // Lla
    };
    auto ending = ENDINGS[static_cast<int>(shape.kind)][static_cast<int>(form)];
    if (form == Form::Tud && shape.kind == Kind::Plain) return join(weak(), ending);
    if (form == Form::Tud && shape.kind == Kind::Ea) return join(strip(weak(), "a"), ending);
    return join(shape.base, ending);
}

std::string Verb::tud() const {
    if (const auto& t = cell(Tud)) return *t;
    return by_class(Form::Tud);
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
    if (shape.kind == Kind::Lla) return join(strip(stem(), "e"), "i");  // oleskelin, oleskeli
    return join(stem(), "si");
}

std::string Verb::past(Person person, bool plural) const {
    static constexpr std::array<std::string_view, 6> ENDINGS{"n", "d", "", "me", "te", "d"};
    std::size_t i = slot(person, plural);
    std::string base = past_base();
    if (i == 2) {
        if (const auto& p = cell(Pst3sg)) return *p;
        if (shape.kind == Kind::Ea) return join(stem(), "is");
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
    return by_class(Form::Gu);
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
    if (shape.kind == Kind::Lla && !cell(Tud)) return join(shape.base, "llakse");  // oleskellakse
    return join(t_base(), "akse");
}

std::string Verb::nonfinite(Nonfinite form) const {
    switch (form) {
    case Nonfinite::DaInfinitive:
        if (const auto& d = cell(Da)) return *d;
        return by_class(Form::Da);
    case Nonfinite::PresentParticiple:
        if (const auto& v = cell(PrsPart)) return *v;
        return join(stem(), shape.kind == Kind::Ea ? "ev" : "v");
    case Nonfinite::NudParticiple:
        break;
    }
    if (const auto& n = cell(Nud)) return *n;
    return by_class(Form::Nud);
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
