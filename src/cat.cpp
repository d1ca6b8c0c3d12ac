#include "cat.hpp"

#include <vector>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::cat {

using text::join;
namespace {

// ---- the lexicon ----

constexpr auto opt = velnor::lex::unless_dash;

constexpr std::size_t EXACT_COLUMN = 10;

LexEntry parse_entry(std::string_view line) {
    auto c = velnor::lex::split<13>(line);
    LexEntry e;
    // A cell that does not hold its six forms is left to the rules.
    e.pres = velnor::lex::forms<6>(c.or_dash(1));
    e.impf = velnor::lex::forms<6>(c.or_dash(2));
    e.pret = velnor::lex::forms<6>(c.or_dash(3));
    e.subjpres = velnor::lex::forms<6>(c.or_dash(4));
    e.subjimpf = velnor::lex::forms<6>(c.or_dash(5));
    e.fut_stem = opt(c.or_dash(6));
    e.pp = opt(c.or_dash(7));
    e.ger = opt(c.or_dash(8));
    e.imp2 = opt(c.or_dash(9));
    e.ppf = opt(c.or_dash(11));
    e.imp2pl = opt(c.or_dash(12));
    return e;
}

// ---- the rules ----

using Endings = std::array<std::string_view, 6>;

constexpr Endings PRESENT[4] = {
    {"o", "es", "a", "em", "eu", "en"},
    {"o", "s", "", "em", "eu", "en"},
    {"o", "s", "", "im", "iu", "en"},
    {"eixo", "eixes", "eix", "im", "iu", "eixen"},
};
constexpr Endings IMPERFECT_AR = {"ava", "aves", "ava", "àvem", "àveu", "aven"};
constexpr Endings IMPERFECT_ER_IR = {"ia", "ies", "ia", "íem", "íeu", "ien"};
constexpr Endings PRETERITE[3] = {
    {"í", "ares", "à", "àrem", "àreu", "aren"},
    {"í", "eres", "é", "érem", "éreu", "eren"},
    {"í", "ires", "í", "írem", "íreu", "iren"},
};
constexpr Endings FUTURE = {"é", "às", "à", "em", "eu", "an"};
constexpr Endings CONDITIONAL = {"ia", "ies", "ia", "íem", "íeu", "ien"};
constexpr Endings SUBJ_PRESENT[3] = {
    {"i", "is", "i", "em", "eu", "in"},
    {"i", "is", "i", "im", "iu", "in"},
    {"eixi", "eixis", "eixi", "im", "iu", "eixin"},
};
constexpr Endings SUBJ_IMPERFECT[2] = {
    {"és", "essis", "és", "éssim", "éssiu", "essin"},
    {"ís", "issis", "ís", "íssim", "íssiu", "issin"},
};

const Endings& endings(Tense tense, std::uint8_t conjugation) {
    switch (tense) {
        case Tense::Present: return PRESENT[conjugation];
        case Tense::Imperfect: return conjugation == FIRST ? IMPERFECT_AR : IMPERFECT_ER_IR;
        case Tense::Preterite: return PRETERITE[conjugation < THIRD_PURE ? conjugation : 2];
        case Tense::Future: return FUTURE;
        case Tense::Conditional: return CONDITIONAL;
        case Tense::SubjunctivePresent: return SUBJ_PRESENT[conjugation <= SECOND ? 0 : conjugation - 1];
        case Tense::SubjunctiveImperfect: return SUBJ_IMPERFECT[conjugation <= SECOND ? 0 : 1];
    }
    return FUTURE;
}

bool is_vowel(char32_t c) {
    switch (c) {
        case U'a': case U'e': case U'i': case U'o': case U'u':
        case U'à': case U'é': case U'è': case U'í': case U'ï': case U'ò': case U'ó': case U'ú': case U'ü':
            return true;
        default:
            return false;
    }
}

bool starts_with_front_vowel(std::string_view s) {
    char32_t c = utf8::first(s);
    return c == U'e' || c == U'i' || c == U'é' || c == U'è' || c == U'í';
}

// A stem whose u (or ü) only marks the hard g or q: no diaeresis after it.
bool ends_in_gu_qu(std::string_view stem) {
    return utf8::ends_with(stem, "gu") || utf8::ends_with(stem, "qu") || utf8::ends_with(stem, "gü") ||
           utf8::ends_with(stem, "qü");
}

// The character before the last one, or 0.
char32_t second_last(std::string_view stem) { return utf8::last(utf8::drop_last_chars(stem, 1)); }

// A stem ending in a vowel followed by u or i (creu, preu, pou; boi, remei):
// that last letter is a semivowel, not a syllable of its own. The u of gu and
// qu is silent, so guia keeps its i as a vowel.
bool ends_in_semivowel(std::string_view stem) {
    char32_t c = utf8::last(stem);
    if (c != U'u' && c != U'i') return false;
    std::string_view rest = utf8::drop_last_chars(stem, 1);
    if (!is_vowel(utf8::last(rest))) return false;
    return c == U'u' || !ends_in_gu_qu(rest);
}

// Whether a following "i" must be written "ï" to stay a syllable of its own.
bool takes_diaeresis(std::string_view stem) {
    return is_vowel(utf8::last(stem)) && !ends_in_gu_qu(stem) && !ends_in_semivowel(stem);
}

// The -er infinitives mark the stress of the stem (témer, conèixer); every
// other form is stressed elsewhere or needs no mark (temo, tem, temem).
std::string without_accents(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : utf8::chars(text)) {
        switch (c) {
            case U'à': c = U'a'; break;
            case U'è': case U'é': c = U'e'; break;
            case U'í': c = U'i'; break;
            case U'ò': case U'ó': c = U'o'; break;
            case U'ú': c = U'u'; break;
            default: break;
        }
        utf8::append(out, c);
    }
    return out;
}

bool is_accented(char32_t c) {
    switch (c) {
        case U'à': case U'è': case U'é': case U'í': case U'ò': case U'ó': case U'ú': return true;
        default: return false;
    }
}

// Whether the vowel at `i` is the nucleus of a syllable: an i or u after a
// vowel is a glide (feia, creu, vèieu), and so is the u of gu, qu before a
// vowel (guanyi, qüestió).
bool nucleus(const std::u32string& w, std::size_t i) {
    char32_t c = w[i];
    if (!is_vowel(c)) return false;
    if (c != U'i' && c != U'u') return true;
    if (i > 0 && is_vowel(w[i - 1]) && !(i > 1 && w[i - 1] == U'u' && (w[i - 2] == U'g' || w[i - 2] == U'q')))
        return false;
    return !(c == U'u' && i > 0 && (w[i - 1] == U'g' || w[i - 1] == U'q') && i + 1 < w.size() && is_vowel(w[i + 1]));
}

// Whether the general rule writes the accent that the word carries: on the
// last syllable before a final vowel, vowel + s, -en or -in; on the
// second-last before any other ending; always further back. An accent the
// rule does not ask for tells a word from its homograph (mòlt, molt). The
// word is a prefix before an accented form, so it carries an accent and has
// at least two letters.
bool accent_needed(std::string_view word) {
    const std::u32string w = utf8::code_points(word);
    std::size_t at = 0;
    for (std::size_t i = 0; i < w.size(); ++i)
        if (is_accented(w[i])) at = i;
    int after = 0;
    for (std::size_t i = at + 1; i < w.size(); ++i) after += nucleus(w, i) ? 1 : 0;
    std::size_t end = w.size() - 1;
    char32_t before_end = utf8::first(without_accents(std::string(utf8::last_chars(word, 2))));
    bool open = nucleus(w, end) || (w[end] == U's' && nucleus(w, end - 1)) ||
                (w[end] == U'n' && (before_end == U'e' || before_end == U'i'));
    if (after == 0) return open;
    if (after == 1) return !open;
    return true;
}

int syllables(std::string_view word) {
    const std::u32string w = utf8::code_points(word);
    int n = 0;
    for (std::size_t i = 0; i < w.size(); ++i) n += nucleus(w, i) ? 1 : 0;
    return n;
}

// A prefix before a form of its base's row: the distinguishing accent of a
// one-syllable form does not pass to the longer word (moldre: mòlt;
// remoldre: remolt); an accent the rule asks for stays (mantenir: mantén),
// and so does a longer row form's own spelling (desfer: desféu).
std::string with_prefix(std::string_view prefix, std::string_view form) {
    std::string word = join(prefix, form);
    bool accented = false;
    for (char32_t c : utf8::chars(form)) accented = accented || is_accented(c);
    if (prefix.empty() || !accented || syllables(form) != 1 || accent_needed(word)) return word;
    return without_accents(word);
}

bool is_sibilant(char32_t c) { return c == U's' || c == U'x' || c == U'ç' || c == U'z'; }

// Second-conjugation infinitives whose whole class is irregular: without a
// lexicon row the rules would give no real form (heure, vindre, soldre,
// corre, péixer, malfer), so such a verb is refused instead.
bool irregular_class(std::string_view word) {
    if (utf8::ends_with(word, "ndre") || utf8::ends_with(word, "ldre") || utf8::ends_with(word, "rre") ||
        utf8::ends_with(word, "ixer") || utf8::ends_with(word, "fer"))
        return true;
    return utf8::ends_with(word, "re") && is_vowel(utf8::last(word.substr(0, word.size() - 2)));
}

bool has_forms(const LexEntry& e) {
    return e.pres || e.impf || e.pret || e.subjpres || e.subjimpf || e.fut_stem || e.pp || e.ger || e.imp2 ||
           e.ppf || e.imp2pl;
}

constexpr std::string_view PRONOUNS[6] = {"em ", "et ", "es ", "ens ", "us ", "es "};
constexpr std::string_view ELIDED[6] = {"m'", "t'", "s'", "ens ", "us ", "s'"};

int slot_of(Person person, Number number) {
    return static_cast<int>(person) + (number == Number::Plural ? 3 : 0);
}

const std::optional<Six>& row_of(const LexEntry& e, Tense tense) {
    switch (tense) {
        case Tense::Present: return e.pres;
        case Tense::Imperfect: return e.impf;
        case Tense::Preterite: return e.pret;
        case Tense::SubjunctivePresent: return e.subjpres;
        case Tense::SubjunctiveImperfect: return e.subjimpf;
        default: break;
    }
    static const std::optional<Six> none;
    return none;
}

// The pure -ir verbs (no -eix-); a verb that ends with one of them is pure.
// penedir is not among them: it is inchoative (em penedeixo), and its pure
// forms (*peneds, *pened) are no Catalan words.
constexpr std::string_view PURE[] = {
    "dormir", "morir",   "sortir",    "collir",     "cosir",  "cobrir",  "obrir",   "omplir",
    "tossir", "pudir",   "fugir",     "bullir",     "sentir", "consentir", "pressentir", "mentir",
    "ajupir", "grunyir", "escopir",   "esmunyir",   "brunzir", "retenir", "obtenir",
};

bool is_pure(std::string_view word) { return utf8::ends_with_one_of(word, PURE); }

}  // namespace

std::optional<LexEntry> lookup(std::string_view word, std::size_t& lemma_length) {
    auto match = velnor::lex::longest_suffix(velnor::data::table::cat, word, [](std::string_view line) {
        return velnor::lex::cell_at(line, EXACT_COLUMN) != "1";
    });
    if (!match) return std::nullopt;
    lemma_length = word.size() - match->at;
    return parse_entry(match->line);
}

namespace {

// Catalan letters that may come as a plain letter and a combining accent.
constexpr unicode::Composition ACCENTS[] = {
    {'a', 0x0300, U'à'}, {'e', 0x0300, U'è'}, {'o', 0x0300, U'ò'}, {'e', 0x0301, U'é'},
    {'i', 0x0301, U'í'}, {'o', 0x0301, U'ó'}, {'u', 0x0301, U'ú'}, {'i', 0x0308, U'ï'},
    {'u', 0x0308, U'ü'}, {'c', 0x0327, U'ç'},
};

}  // namespace

constexpr std::string_view INFINITIVE_ENDINGS[] = {
    "ar", "ar-se", "ar's", "ar-s", "er", "er-se", "er's", "er-s", "re", "re-se",
    "re's", "re-s", "ir", "ir-se", "ir's", "ir-s", "ur", "ur-se", "ur's", "ur-s",
};
// The middle dot of the geminate l (cancel·lar) is part of the spelling.
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-'\u00b7", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error::NotAVerb);
    std::string lowered = unicode::compose(unicode::to_lower(text), ACCENTS);
    std::string_view word = unicode::trim(lowered);
    bool reflexive = false;
    if (word.size() >= 3 && utf8::ends_with(word, "-se")) {
        word.remove_suffix(3);
        reflexive = true;
    } else if (word.size() >= 2 && (utf8::ends_with(word, "-s") || utf8::ends_with(word, "'s"))) {
        word.remove_suffix(2);
        reflexive = true;
    }
    if (word.empty()) return fail(Error::NotAVerb);
    for (char32_t c : utf8::chars(word))
        if (unicode::is_white_space(c)) return fail(Error::NotAVerb);
    if (word.size() == 1) return fail(Error::Unsupported);

    std::string_view ending = word.substr(word.size() - 2);
    std::uint8_t conjugation;
    if (ending == "ar") {
        conjugation = FIRST;
    } else if (ending == "re" || ending == "er") {
        conjugation = SECOND;
    } else if (ending == "ir") {
        conjugation = is_pure(word) ? THIRD_PURE : THIRD_INCH;
    } else if (ending == "ur") {
        // dur and its compounds (endur-se): second conjugation, all forms
        // from their row; no other infinitive ends in -ur.
        conjugation = SECOND;
    } else {
        return fail(Error::Unsupported);
    }

    std::size_t lemma_length = 0;
    auto entry = lookup(word, lemma_length);
    if (!entry && word.size() == 2) return fail(Error::NotAVerb);
    if (!entry && ending == "ur") return fail(Error::Unsupported);
    // A row without a single form names a verb whose paradigm is not known
    // here; so does an irregular class without a row.
    if (entry && !has_forms(*entry)) return fail(Error::Unsupported);
    if (!entry && conjugation == SECOND && irregular_class(word)) return fail(Error::Unsupported);

    Verb verb;
    verb.infinitive.assign(word);
    if (ending == "er") {
        verb.stem = without_accents(word.substr(0, word.size() - 2));
    } else {
        verb.stem.assign(word.substr(0, word.size() - 2));
    }
    if (entry) verb.prefix.assign(word.substr(0, word.size() - lemma_length));
    verb.entry = entry;
    verb.reflexive = reflexive;
    verb.conjugation = conjugation;
    return verb;
}

std::string Verb::future_stem() const {
    if (entry && entry->fut_stem) return join(prefix, *entry->fut_stem);
    if (conjugation != SECOND) return infinitive;
    if (infinitive.back() == 'e') return infinitive.substr(0, infinitive.size() - 1);
    // -er verbs drop the accent of the stem: témer gives temeré.
    return join(stem, "er");
}

std::string Verb::attach(std::string_view stem, std::string_view ending, bool first_conjugation) {
    if (ending.empty()) return std::string(stem);
    std::string out;
    out.reserve(stem.size() + ending.size() + 2);
    if (first_conjugation && starts_with_front_vowel(ending)) {
        // Keep the sound of the stem's last consonant before e and i.
        if (stem.size() > 1 && utf8::ends_with(stem, "gu")) {
            out.append(stem.substr(0, stem.size() - 1)).append("ü");
        } else if (stem.size() > 1 && utf8::ends_with(stem, "qu")) {
            out.append(stem.substr(0, stem.size() - 1)).append("ü");
        } else if (utf8::ends_with(stem, "c")) {
            out.append(stem.substr(0, stem.size() - 1)).append("qu");
        } else if (utf8::ends_with(stem, "g")) {
            out.append(stem.substr(0, stem.size() - 1)).append("gu");
        } else if (utf8::ends_with(stem, "ç")) {
            out.append(stem.substr(0, stem.size() - 2)).append("c");
        } else if (utf8::ends_with(stem, "j")) {
            out.append(stem.substr(0, stem.size() - 1)).append("g");
        } else {
            out.append(stem);
        }
    } else {
        out.append(stem);
    }
    if (ending.front() == 'i' || utf8::starts_with(ending, "í")) {
        // boi + i gives boï, remei + í gives remeí: the stem's semivowel i
        // and the ending's i are one letter.
        if (utf8::last(out) == U'i' && ends_in_semivowel(out)) out.pop_back();
        if (ending.front() == 'i' && takes_diaeresis(out)) {
            out.append("ï");
            out.append(ending.substr(1));
            return out;
        }
    }
    out.append(ending);
    return out;
}

std::string Verb::regular_form(Tense tense, int slot) const {
    const Endings& e = endings(tense, conjugation);
    if (tense == Tense::Future || tense == Tense::Conditional) {
        std::string out = future_stem();
        out.append(e[slot]);
        return out;
    }
    if (tense == Tense::Present && slot < 3 && (conjugation == SECOND || conjugation == THIRD_PURE) && !stem.empty()) {
        // The endings -o, -s and none meet the stem's last consonant directly.
        std::string_view s = stem;
        char32_t last = utf8::last(s);
        if (last == U'c') {
            // venço, vences, venç: a c before o or at the end is written ç.
            std::string_view base = s.substr(0, s.size() - 1);
            return slot == 0 ? join(base, "ço") : slot == 1 ? join(s, "es") : join(base, "ç");
        }
        // A sibilant takes -es in the second person (cuses, peixes, brunzes);
        // a consonant before a final l or r needs the support vowel
        // (omples, omple; obres, obre).
        if (slot == 1 && is_sibilant(last)) return join(s, "es");
        if (slot > 0 && (last == U'l' || last == U'r')) {
            char32_t before = second_last(s);
            if (before != 0 && !is_vowel(before) && before != last && before != U'·')
                return join(s, slot == 1 ? "es" : "e");
        }
    }
    return attach(stem, e[slot], conjugation == FIRST);
}

std::string Verb::plain(Tense tense, Person person, Number number) const {
    int slot = slot_of(person, number);
    if (entry) {
        const std::optional<Six>& row = row_of(*entry, tense);
        if (row) return with_prefix(prefix, (*row)[slot]);
    }
    return regular_form(tense, slot);
}

std::string Verb::conjugate(Tense tense, Person person, Number number) const {
    std::string form = plain(tense, person, number);
    if (!reflexive) return form;
    int slot = slot_of(person, number);
    char32_t first = utf8::first(form);
    bool elide = !form.empty() && (is_vowel(first) || first == U'h');
    std::string_view pronoun = elide ? ELIDED[slot] : PRONOUNS[slot];
    return join(pronoun, form);
}

Table Table::build(const Verb& verb) {
    Table t;
    const LexEntry* e = verb.entry ? &*verb.entry : nullptr;
    t.infinitive = verb.infinitive;
    if (verb.reflexive) t.infinitive.append(utf8::ends_with(verb.infinitive, "re") ? "'s" : "-se");

    if (e != nullptr && e->ger) {
        t.gerund = with_prefix(verb.prefix, *e->ger);
    } else {
        t.gerund = join(verb.stem, verb.conjugation == FIRST ? "ant" : verb.conjugation == SECOND ? "ent" : "int");
    }

    if (e != nullptr && e->pp) {
        t.past_participle = with_prefix(verb.prefix, *e->pp);
    } else if (verb.conjugation == FIRST) {
        t.past_participle = join(verb.stem, "at");
    } else if (verb.conjugation == SECOND) {
        // A c before u is written ç: revèncer gives revençut.
        if (utf8::ends_with(verb.stem, "c")) {
            t.past_participle = join(std::string_view(verb.stem).substr(0, verb.stem.size() - 1), "çut");
        } else {
            t.past_participle = join(verb.stem, "ut");
        }
    } else {
        // produir gives produït: the i keeps its own syllable after a vowel.
        t.past_participle = join(verb.stem, takes_diaeresis(verb.stem) ? "ït" : "it");
    }

    constexpr Person PERSONS[3] = {Person::First, Person::Second, Person::Third};
    constexpr Number NUMBERS[2] = {Number::Singular, Number::Plural};
    std::array<std::string, 6>* rows[7] = {&t.present,     &t.imperfect,           &t.preterite,
                                           &t.future,      &t.conditional,         &t.subjunctive_present,
                                           &t.subjunctive_imperfect};
    for (int tense = 0; tense < 7; ++tense) {
        for (int n = 0; n < 2; ++n)
            for (int p = 0; p < 3; ++p)
                (*rows[tense])[p + 3 * n] = verb.conjugate(static_cast<Tense>(tense), PERSONS[p], NUMBERS[n]);
    }

    t.imperative[0] = e != nullptr && e->imp2 ? with_prefix(verb.prefix, *e->imp2)
                                              : verb.plain(Tense::Present, Person::Third, Number::Singular);
    t.imperative[1] = verb.plain(Tense::SubjunctivePresent, Person::Third, Number::Singular);
    t.imperative[2] = verb.plain(Tense::SubjunctivePresent, Person::First, Number::Plural);
    t.imperative[3] = e != nullptr && e->imp2pl ? with_prefix(verb.prefix, *e->imp2pl)
                                                : verb.plain(Tense::Present, Person::Second, Number::Plural);
    t.imperative[4] = verb.plain(Tense::SubjunctivePresent, Person::Third, Number::Plural);
    return t;
}

}  // namespace velnor::cat
