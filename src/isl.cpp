#include "isl.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::isl {

using text::join;
namespace {

bool is_vowel(char32_t c) {
    switch (c) {
        case U'a': case U'á': case U'e': case U'é': case U'i': case U'í': case U'o':
        case U'ó': case U'u': case U'ú': case U'y': case U'ý': case U'æ': case U'ö':
            return true;
        default:
            return false;
    }
}

// The vowels that make a stem front (the last letter of the diphthongs ei, ey).
bool is_front(char32_t c) {
    switch (c) {
        case U'e': case U'é': case U'i': case U'í': case U'y': case U'ý': case U'æ': case U'ö':
            return true;
        default:
            return false;
    }
}

bool has_vowel(std::string_view s) {
    for (char32_t c : utf8::chars(s)) {
        if (is_vowel(c)) return true;
    }
    return false;
}

// The character `n` characters before the last one of `s` (0 when there is none).
char32_t from_end(std::string_view s, std::size_t n) {
    return utf8::length(s) > n ? utf8::last(utf8::drop_last_chars(s, n)) : 0;
}

// The stem before an ending in i: j drops after g, k and the vowels ending in an i sound (segi, eggið,
// endurnýið, deyi, hlæi, straui); after the others it stays (oji, húji, speji).
std::string_view before_i(std::string_view stem) {
    if (stem.size() < 2 || stem.back() != 'j') return stem;
    std::string_view rest = stem.substr(0, stem.size() - 1);
    char32_t c = utf8::last(rest);
    const bool au = c == U'u' && from_end(rest, 1) == U'a';
    return c == U'g' || c == U'k' || c == U'i' || c == U'í' || c == U'y' || c == U'ý' || c == U'æ' || au ? rest
                                                                                                        : stem;
}

// u-umlaut: the stem's last vowel, when it is "a", becomes "ö" (kall > köll).
std::string u_umlaut(std::string_view stem) {
    std::size_t end = stem.size();
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(stem, end);
        std::size_t at = end - d.len;
        if (is_vowel(d.cp)) {
            if (d.cp == U'a') return join(stem.substr(0, at), "ö", stem.substr(end));
            break;
        }
        end = at;
    }
    return std::string(stem);
}

struct WeakParts {
    std::string past;    // first singular
    std::string supine;
};

// The weak class with an i-present for a stem whose ending decides it:
// -kja -kti (dekkja, dekkti, dekkt), -gja -gdi after n and l (strengja,
// strengdi), -gði elsewhere (beygja, beygði) but for -eggja and -ylgja; a
// front vowel before -rt, -lt, -ft, -pt takes -ti (sverta,
// sverti, svert; lyfta, lyfti); the umlauted long vowels æ, ý, ey before a
// single consonant (and ei before ð) take the past that consonant asks for.
std::optional<WeakParts> weak_parts(std::string_view s) {
    if (s.size() > 2 && s.back() == 'j') {
        std::string_view r = s.substr(0, s.size() - 1);
        if (r.back() == 'k') return WeakParts{join(r, "ti"), join(r, "t")};
        if (r.back() != 'g') return std::nullopt;
        char32_t before = from_end(r, 1);
        // -eggja and -ylgja are of the -aði class (eggja, hneggja: eggjaði;
        // bylgja, dylgja: bylgjaði).
        if (before == 0 || (before == U'g' && from_end(r, 2) == U'e') || (before == U'l' && from_end(r, 2) == U'y'))
            return std::nullopt;
        return WeakParts{join(r, before == U'n' || before == U'l' ? "di" : "ði"), join(r, "t")};
    }
    char32_t last = utf8::last(s);
    char32_t prev = from_end(s, 1);
    if (last == U't' && (prev == U'r' || prev == U'l' || prev == U'f' || prev == U'p') && is_front(from_end(s, 2)))
        return WeakParts{join(s, "i"), std::string(s)};
    // The umlauted long vowels æ, ý, ey before a single consonant (and ei
    // before ð): the class with an i-present, its past by the consonant.
    const bool ey = prev == U'y' && from_end(s, 2) == U'e';
    const bool ei = prev == U'i' && from_end(s, 2) == U'e';
    if (!(ey || prev == U'ý' || prev == U'æ' || (ei && last == U'ð'))) return std::nullopt;
    const std::string_view stem_d = utf8::drop_last_chars(s, 1);
    switch (last) {
        case U'ð': return WeakParts{join(stem_d, "ddi"), join(stem_d, "tt")};   // fæða, fæddi, fætt
        case U't': return WeakParts{join(s, "ti"), join(s, "t")};               // breyta, breytti, breytt
        case U'f': case U'r': return WeakParts{join(s, "ði"), join(s, "t")};   // leyfa, leyfði; stýra, stýrði
        case U'l': case U'm': case U'n': return WeakParts{join(s, "di"), join(s, "t")};  // dæla, dældi
        case U'p': case U's': case U'k': return WeakParts{join(s, "ti"), join(s, "t")};  // gleypa, gleypti
        default: return std::nullopt;
    }
}

LexEntry parse_entry(std::string_view line) {
    auto c = lex::split<10>(line);
    auto cell = [&](std::size_t i) -> std::string_view { return i < c.count ? c[i] : std::string_view("-"); };
    return LexEntry{six(cell(1)), six(cell(2)), six(cell(3)), six(cell(4)),
                    opt(cell(5)), opt(cell(6)), opt(cell(7)), opt(cell(8))};
}

// Every form of a row with its first letter in capitals: the capital of
// the word (`capital`, whose small letter is `small`) where the form begins
// with that letter, else the letter's own capital (Vera: Er).
void capitalise(LexEntry& e, std::string_view capital, std::string_view small) {
    auto up = [&](std::string& f) {
        if (f.empty()) return;
        const std::string_view first = std::string_view(f).substr(0, utf8::decode(f, 0).len);
        std::string head = first == small ? std::string(capital) : unicode::to_upper(first);
        f = join(head, std::string_view(f).substr(first.size()));
    };
    for (std::optional<Six>* tense : {&e.present, &e.past, &e.subjunctive_present, &e.subjunctive_past}) {
        if (*tense) {
            for (std::string& f : **tense) up(f);
        }
    }
    for (std::optional<std::string>* f :
         {&e.supine, &e.present_participle, &e.imperative_singular, &e.imperative_plural}) {
        if (*f) up(**f);
    }
}

bool allowed_char(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'-') return true;
    return c >= 0xAA && unicode::is_alphabetic(c);
}

constexpr std::string_view ENDINGS[4][6] = {
    {"a", "ar", "ar", "um", "ið", "a"},
    {"aði", "aðir", "aði", "uðum", "uðuð", "uðu"},
    {"i", "ir", "i", "um", "ið", "i"},
    {"aði", "aðir", "aði", "uðum", "uðuð", "uðu"},
};

std::string form(const std::optional<std::string>& entry_form, std::string_view prefix) {
    return join(prefix, *entry_form);
}

const std::optional<Six>& tense_of(const LexEntry& e, Tense tense) {
    switch (tense) {
        case Tense::Present: return e.present;
        case Tense::Past: return e.past;
        case Tense::SubjunctivePresent: return e.subjunctive_present;
        case Tense::SubjunctivePast: return e.subjunctive_past;
    }
    return e.present;
}

constexpr std::pair<Person, Number> SLOTS[6] = {
    {Person::First, Number::Singular}, {Person::Second, Number::Singular}, {Person::Third, Number::Singular},
    {Person::First, Number::Plural},   {Person::Second, Number::Plural},   {Person::Third, Number::Plural},
};

}  // namespace

std::optional<Six> six(std::string_view cell) { return lex::owned_forms<6>(cell); }

std::optional<std::string> opt(std::string_view cell) {
    if (cell == "-") return std::nullopt;
    return std::string(cell);
}

namespace {

// The analysis of a trimmed word of allowed characters; `matched` tells
// whether a lexicon row governs it.
Verb analyse(std::string_view word, bool& matched) {
    // Lower-case copy for matching, with the offset in the copy at which the
    // image of each input character starts: a lemma may only match from such
    // an offset, and the prefix is the input up to the matching character, so
    // it always ends on a character boundary of the input.
    std::string lower;
    lower.reserve(word.size() + 8);
    std::vector<std::pair<std::size_t, std::size_t>> starts;  // (input offset, copy offset)
    starts.reserve(word.size() + 1);
    for (auto it = utf8::chars(word).begin(), end = utf8::chars(word).end(); it != end; ++it) {
        starts.emplace_back(it.position(), lower.size());
        unicode::append_lower(lower, *it);
    }
    starts.emplace_back(word.size(), lower.size());  // the empty end, for a row with an empty lemma

    // Lemmas are lower case (the data check makes sure), so a row's key is
    // its lemma: the first hit, trying the longest ending first, is the
    // longest lemma, and of its rows the first in the text that may match.
    const lex::Table& table = data::table::isl;
    std::optional<std::string_view> best;
    std::size_t best_start = 0;
    for (const auto& [in_off, low_off] : starts) {
        if (lower.size() - low_off > table.longest()) continue;
        for (std::string_view line : table.rows(std::string_view(lower).substr(low_off))) {
            if (low_off != 0 && lex::cell_at(line, 9) == "1") continue;  // exact-only
            // What stands in front of a base must be a prefix, at least a
            // syllable: mauka is no m + auka, hefla no h + efla.
            if (low_off != 0 && !has_vowel(std::string_view(lower).substr(0, low_off))) break;
            best = line;
            best_start = in_off;
            break;
        }
        if (best) break;
    }

    Verb verb;
    verb.infinitive = std::string(word);
    if (best) {
        verb.entry = parse_entry(*best);
        verb.prefix = std::string(word.substr(0, best_start));
        // A capital at the start of a word that is the lemma itself (Fara)
        // stays on the row's forms (Fer, Fór), as on the rule forms; with a
        // prefix in front the prefix carries it (Útfara: Útfer).
        if (best_start == 0 && unicode::is_uppercase(utf8::first(word))) {
            const std::string_view capital = word.substr(0, utf8::decode(word, 0).len);
            capitalise(*verb.entry, capital, unicode::to_lower(capital));
        }
    }
    verb.stem = std::string(word.back() == 'a' ? word.substr(0, word.size() - 1) : word);
    matched = best.has_value();
    if (!best && word.back() == 'a') {
        if (auto weak = weak_parts(verb.stem)) {
            verb.weak_past = std::move(weak->past);
            verb.weak_supine = std::move(weak->supine);
        }
    } else if (!best && word.size() > 2 && (utf8::ends_with(word, "á") || utf8::ends_with(word, "ú"))) {
        // A verb in a long vowel: smá, smái, smáði, smáð (like ná and spá).
        verb.weak_past = join(word, "ði");
        verb.weak_supine = join(word, "ð");
    }
    return verb;
}

}  // namespace

constexpr std::string_view INFINITIVE_ENDINGS[] = {"a", "á", "st", "ast"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, INFINITIVE_ENDINGS};

namespace {

// The analysis of a checked word; a failure where it is no infinitive.
Expected<Verb, Error> analyse_word(std::string_view word) {
    bool matched = false;
    Verb verb = analyse(word, matched);
    if (is_vowel(utf8::last(word)) || matched) return verb;
    if (!(word.size() > 1 && utf8::ends_with(word, "st"))) return fail(Error{});
    // A middle-voice infinitive (kallast, finnast, sjást): conjugated as the
    // middle voice of its active verb when that is an infinitive (ends in a vowel).
    std::string_view active = word.substr(0, word.size() - 2);
    if (!active.empty() && is_vowel(utf8::last(active))) {
        bool active_matched = false;
        Verb mid = analyse(active, active_matched);
        mid.infinitive = std::string(word);
        mid.middle = true;
        return mid;
    }
    return verb;
}

}  // namespace

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto written = unicode::word_of(text, SPELLING);
    if (!written) return fail(Error{});
    std::string_view word = *written;
    bool upper = false;
    bool lower = false;
    for (char32_t c : utf8::chars(word)) {
        if (!allowed_char(c)) return fail(Error{});
        upper = upper || unicode::is_uppercase(c);
        lower = lower || unicode::is_lowercase(c);
    }
    // A word in capitals throughout (KALLA, ÚTFARA) is the verb in small
    // letters, whether a row governs it or not: its forms mix no cases. A
    // capital at the start alone (Kalla) stays on every form.
    std::string small;
    if (upper && !lower) {
        small = unicode::to_lower(word);
        word = small;
    }
    return analyse_word(word);
}

namespace {

// Whether a row's verb has the past of the -aði class (or none given).
bool adi_past(const LexEntry& e) {
    if (!e.past) return true;
    const std::string& first = (*e.past)[0];
    return utf8::ends_with(first, "aði") || utf8::ends_with(first, "aðist");
}

}  // namespace

std::string Verb::regular_form(std::string_view stem, Tense tense, std::size_t slot) {
    std::string_view ending = ENDINGS[static_cast<int>(tense)][slot];
    if (!ending.empty() && ending.front() == 'u') return join(u_umlaut(stem), ending);
    if (!ending.empty() && ending.front() == 'i') return join(before_i(stem), ending);
    return join(stem, ending);
}

namespace {

// A form of the weak class with an i-present: present heyri, heyrir, heyrir,
// heyrum, heyrið, heyra; past heyrði ... heyrðu, its subjunctive the same.
std::string weak_form(const Verb& verb, Tense tense, std::size_t slot) {
    switch (tense) {
        case Tense::Present:
            if (slot == 0) return join(before_i(verb.stem), "i");
            if (slot < 3) return join(before_i(verb.stem), "ir");
            // A stem in á is its own third plural (smá; but lú, lúa).
            if (slot == 5 && utf8::ends_with(verb.stem, "á")) return verb.stem;
            return Verb::regular_form(verb.stem, tense, slot);
        case Tense::Past:
        case Tense::SubjunctivePast: {
            std::string_view past = verb.weak_past;
            if (slot == 0 || slot == 2) return std::string(past);
            if (slot == 1) return join(past, "r");
            // The plural: -um, -uð, -u for -i, with u-umlaut (hrökkti > hröktum).
            return join(u_umlaut(past.substr(0, past.size() - 1)), slot == 3 ? "um" : slot == 4 ? "uð" : "u");
        }
        case Tense::SubjunctivePresent:
            break;
    }
    return Verb::regular_form(verb.stem, tense, slot);
}

std::string active_form(const Verb& verb, Tense tense, std::size_t slot) {
    if (verb.entry) {
        const std::optional<Six>& forms = tense_of(*verb.entry, tense);
        if (forms) return join(verb.prefix, (*forms)[slot]);
    }
    if (!verb.weak_past.empty()) return weak_form(verb, tense, slot);
    return Verb::regular_form(verb.stem, tense, slot);
}

bool ends_in_consonant_before(std::string_view f, std::size_t cut) {
    return cut > 0 && !is_vowel(utf8::decode_last(f, cut).cp);
}

// The middle voice of a stem-like form (the singular forms are all built on
// the first person: tek > tekst, held > helst, set > sest, býð > býðst,
// bregð > bregst, les > lest, kalla > kallast, sagði > sagðist).
std::string middle_stem(std::string_view f) {
    if (f.empty() || utf8::ends_with(f, "st")) return std::string(f);
    char last = f.back();
    if (last == 's') return join(f, "t");
    if (last == 't') {
        std::string_view base = f.substr(0, f.size() - 1);
        if (!base.empty() && base.back() == 't') base.remove_suffix(1);
        return join(base, "st");
    }
    if (last == 'd') return join(f.substr(0, f.size() - 1), "st");
    if (utf8::ends_with(f, "ð")) {
        std::size_t cut = f.size() - std::string_view("ð").size();
        if (ends_in_consonant_before(f, cut)) return join(f.substr(0, cut), "st");
    }
    return join(f, "st");
}

// The middle voice of a form with a plural or second-person ending:
// -um > -umst, -ið > -ist, -uð > -ust, a final vowel takes -st.
std::string middle_ending(std::string_view f) {
    if (utf8::ends_with(f, "um")) return join(f, "st");
    if (utf8::ends_with(f, "ð")) {
        std::size_t cut = f.size() - std::string_view("ð").size();
        if (cut > 0 && !ends_in_consonant_before(f, cut)) return join(f.substr(0, cut), "st");
    }
    if (!f.empty() && is_vowel(utf8::last(f))) return join(f, "st");
    return middle_stem(f);
}

// The middle supine: -ið, -að, -uð and -éð drop the ð (tekist, kallast, sést),
// after another long vowel it stays (náðst); a final t goes (sagst, heyrst),
// and -tt of a verb with past -ddi becomes -ðst (glatt > glaðst, fætt > fæðst).
std::string middle_supine(std::string_view f, std::string_view past) {
    if (utf8::ends_with(f, "tt")) {
        bool d_stem = utf8::ends_with(past, "ddi");
        return join(f.substr(0, f.size() - 2), d_stem ? "ðst" : "st");
    }
    if (!f.empty() && f.back() == 't' && !utf8::ends_with(f, "st")) return join(f.substr(0, f.size() - 1), "st");
    if (utf8::ends_with(f, "ð")) {
        std::size_t cut = f.size() - std::string_view("ð").size();
        if (cut > 0) {
            char32_t v = utf8::decode_last(f, cut).cp;
            if (v == U'a' || v == U'i' || v == U'u' || v == U'é') return join(f.substr(0, cut), "st");
        }
    }
    return middle_stem(f);
}

std::string middle_form(const Verb& verb, Tense tense, std::size_t slot) {
    if (slot < 3) return middle_stem(active_form(verb, tense, 0));
    return middle_ending(active_form(verb, tense, slot));
}

}  // namespace

std::string Verb::conjugate(const Verb& verb, Tense tense, Person person, Number number) {
    std::size_t slot = static_cast<std::size_t>(person) + 3 * static_cast<std::size_t>(number);
    return verb.middle ? middle_form(verb, tense, slot) : active_form(verb, tense, slot);
}

Table Table::build(const Verb& verb) {
    const LexEntry* e = verb.entry ? &*verb.entry : nullptr;
    // A middle verb is built from its active infinitive (the input without "st").
    std::string_view infinitive = verb.infinitive;
    if (verb.middle) infinitive.remove_suffix(2);
    Table t;
    t.infinitive = verb.infinitive;
    t.supine = e && e->supine                ? form(e->supine, verb.prefix)
               : !verb.weak_supine.empty() ? verb.weak_supine
                                           : join(verb.stem, "að");
    // An infinitive in another vowel than a takes -andi (smáandi).
    const bool vowel_end = !infinitive.empty() && infinitive.back() != 'a' && is_vowel(utf8::last(infinitive));
    t.present_participle = e && e->present_participle ? form(e->present_participle, verb.prefix)
                                                      : join(infinitive, vowel_end ? "andi" : "ndi");
    // The weak i-present class has the bare stem, without j (heyr, streng).
    auto without_j = [](std::string_view s) { return utf8::ends_with(s, "j") ? s.substr(0, s.size() - 1) : s; };
    // The row of a verb used only in the middle voice (brennast, veltast) and
    // not of the -aði class: its imperative is the middle of the bare stem
    // (brennst, velst), as the active verb's would be.
    const bool middle_row = e && !verb.middle && utf8::ends_with(infinitive, "ast") && !adi_past(*e);
    std::string imp_sg = e && e->imperative_singular ? form(e->imperative_singular, verb.prefix)
                         : middle_row ? middle_stem(without_j(std::string_view(infinitive).substr(
                                                            0, infinitive.size() - 3)))
                         : !verb.weak_past.empty() ? std::string(without_j(verb.stem))
                                                   : std::string(infinitive);
    std::string imp_pl = e && e->imperative_plural ? form(e->imperative_plural, verb.prefix)
                                                   : active_form(verb, Tense::Present, 4);
    if (verb.middle) {
        t.supine = middle_supine(t.supine, active_form(verb, Tense::Past, 0));
        imp_sg = middle_stem(imp_sg);
        imp_pl = middle_ending(imp_pl);
    }
    // An empty cell: the verb has no such imperative (the modals skulu, munu, mega).
    auto none = [](const std::optional<std::string>& cell) { return cell && cell->empty(); };
    if (!(e && none(e->imperative_singular))) t.imperative[0] = std::move(imp_sg);
    if (!(e && none(e->imperative_plural))) t.imperative[1] = std::move(imp_pl);
    Six* rows[4] = {&t.present, &t.past, &t.subjunctive_present, &t.subjunctive_past};
    for (int tense = 0; tense < 4; ++tense) {
        for (std::size_t slot = 0; slot < 6; ++slot) {
            (*rows[tense])[slot] = Verb::conjugate(verb, static_cast<Tense>(tense), SLOTS[slot].first,
                                                   SLOTS[slot].second);
        }
    }
    return t;
}

}  // namespace velnor::isl
