#include "nld.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::nld {

using text::join;
namespace {

constexpr std::u32string_view VOWELS = U"aeiouáéíóúàèäëïöü";

bool is_vowel(char32_t c) { return VOWELS.find(c) != std::u32string_view::npos; }
// The vowels whose length is shown by doubling. Dutch never writes "ii": a
// long i is spelled "ie", and a single i before one consonant stays as it is
// (verdedigen: verdedig), so i is left out.
bool is_doubled_vowel(char32_t c) { return c == 'a' || c == 'e' || c == 'o' || c == 'u'; }

// Vowel pairs that spell one sound: a following consonant does not close a
// short vowel after them.
bool is_vowel_pair(char32_t a, char32_t b) {
    static constexpr const char* PAIRS[] = {"aa", "ai", "au", "ee", "ei", "eu", "ie",
                                            "oe", "oi", "oo", "ou", "ui", "uu"};
    for (const char* p : PAIRS) {
        if (a == static_cast<char32_t>(p[0]) && b == static_cast<char32_t>(p[1])) return true;
    }
    return false;
}

bool voiceless_final(std::string_view s) {
    if (utf8::ends_with(s, "ch") || utf8::ends_with(s, "sh")) return true;  // sh: cashen, cashte
    if (s.empty()) return false;
    switch (s.back()) {
        case 'f': case 'k': case 'p': case 's': case 't': case 'x': return true;
        default: return false;
    }
}

// Unstressed prefixes: the verb after them keeps its own stress, and its
// participle takes no ge- (beloven: beloofd, herinneren: herinnerd,
// weerspiegelen: weerspiegeld, mishagen: mishaagd, erbarmen: erbarmd).
// Before a listed verb, be-, her-, mis-, ont- and ver- give that verb's forms
// (misprijzen: misprees); ge- before a strong verb makes a verb of its own
// (gedragen, gelijken), and a listed verb after weer- is separable
// (weergeven: gaf weer).
struct Unstressed {
    std::string_view text;
    bool before_listed;
};
constexpr Unstressed UNSTRESSED[] = {{"weer", false}, {"her", true}, {"ont", true}, {"ver", true},
                                     {"mis", true},   {"be", true},  {"ge", false}, {"er", false}};

std::size_t vowel_groups(std::u32string_view s) {
    std::size_t n = 0;
    bool prev = false;
    for (char32_t c : s) {
        const bool v = is_vowel(c);
        if (v && !prev) ++n;
        prev = v;
    }
    return n;
}

// The characters of the unstressed prefixes that `b` begins with: the first
// of UNSTRESSED whose rest `keeps`, and, when `stacked`, the prefixes of that
// rest in turn (herverdelen: her-, ver-).
template <class Keep>
std::size_t unstressed_part(std::u32string_view b, bool stacked, Keep keeps) {
    std::size_t from = 0;
    for (bool more = true; more;) {
        more = false;
        const std::u32string_view rest = b.substr(from);
        for (const Unstressed& u : UNSTRESSED) {
            const std::size_t k = u.text.size();  // ASCII: one character a byte
            bool match = rest.size() > k;
            for (std::size_t i = 0; match && i < k; ++i) match = rest[i] == static_cast<char32_t>(u.text[i]);
            if (match && keeps(rest.substr(k))) {
                from += k;
                more = stacked;
                break;
            }
        }
    }
    return from;
}

// `b` without an unstressed prefix that leaves at least `groups` vowel groups.
std::u32string_view without_unstressed(std::u32string_view b, std::size_t groups) {
    return b.substr(unstressed_part(b, false, [groups](std::u32string_view r) { return vowel_groups(r) >= groups; }));
}

// Whether a base in -er (the infinitive without -en) ends in an unstressed
// -er, which keeps its single e (luister, verwijder, twitter), rather than in
// the stressed -eer of the loans (formeer, probeer, debatteer). The spelling
// shows it only in one shape: a base of two syllables, after be-, ge-, her-,
// ont- or ver-, whose -er follows a doubled consonant other than s, l and r
// (twitter, flikker, verbitter) or a vowel written ui, ij, ie or eu (luister,
// verwijder, kliederen, peuter). Other native verbs in -eren are rows.
bool unstressed_er(std::u32string_view b) {
    const std::size_t n = b.size();
    if (n < 4 || b[n - 1] != 'r' || b[n - 2] != 'e' || is_vowel(b[n - 3])) return false;
    // herbeluisteren: her-, be-, luister
    const std::u32string_view core =
        b.substr(unstressed_part(b, true, [](std::u32string_view r) { return vowel_groups(r) >= 2; }));
    if (vowel_groups(core) != 2) return false;
    std::u32string_view c = core.substr(0, core.size() - 2);
    const std::size_t m = c.size();
    // -onner is the loans' stressed -onneer (abonneren, betonneren).
    const bool onn = m >= 3 && c[m - 1] == 'n' && c[m - 2] == 'n' && c[m - 3] == 'o';
    if (m >= 2 && c[m - 1] == c[m - 2] && c[m - 1] != 's' && c[m - 1] != 'l' && c[m - 1] != 'r' && !onn) return true;
    // The last vowel before the consonants, ij counted as one.
    auto ij = [&](std::size_t k) { return k >= 2 && c[k - 1] == 'j' && c[k - 2] == 'i'; };
    std::size_t i = m;
    while (i > 0 && !is_vowel(c[i - 1]) && !ij(i)) --i;
    if (ij(i)) return true;
    if (i < 2 || !is_vowel(c[i - 2]) || (i >= 3 && is_vowel(c[i - 3]))) return false;
    const char32_t a = c[i - 2], z = c[i - 1];
    if (a == 'u' && z == 'i') return i < 3 || c[i - 3] != 'q';  // ui, but not the u of qu
    return (a == 'i' && z == 'e') || (a == 'e' && z == 'u');
}

char32_t last_char(std::string_view s) {
    char32_t last = 0;
    for (char32_t c : utf8::chars(s)) last = c;
    return last;
}

bool plain_vowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// The English stem of a loan whose spelling shows it, from the base before
// -en: a final c (racen, piercen), dg (bridgen), a consonant before a final l
// (samplen), a y that is no part of ij (hypen, sprayen), or ea, oa, ow
// (dealen, coaten, showen). Such a stem keeps its English spelling: a final
// e where English writes one (race, bridge, sample, hype, lease, browse), no
// doubled vowel and no doubled consonant dropped. Loans that look native
// (gamen, managen) are rows.
std::optional<std::string> english_stem(std::string_view b) {
    const std::size_t n = b.size();
    if (n < 3 || utf8::ends_with(b, "er")) return std::nullopt;
    for (char c : b) {
        if (c < 'a' || c > 'z') return std::nullopt;
    }
    const char last = b[n - 1], before = b[n - 2];
    const bool consonant_l = last == 'l' && !plain_vowel(before) && before != 'l' && before != 'r' &&
                             before != 'w' && before != 'y' && before != 'j';
    bool loan = last == 'c' || utf8::ends_with(b, "dg") || consonant_l;
    // be- and ge- before a vowel are no loan (beamen, geademd).
    const std::size_t from = utf8::starts_with(b, "be") || utf8::starts_with(b, "ge") ? 2 : 0;
    for (std::size_t i = from; i < n && !loan; ++i) {
        const std::string_view two = b.substr(i, 2);
        loan = two == "ea" || two == "oa" || two == "ow" || (b[i] == 'y' && (i == 0 || b[i - 1] != 'i'));
    }
    if (!loan) return std::nullopt;
    // A doubled final consonant is written single, as in native verbs
    // (babysitten: babysit, gymmen: gym).
    if (last == before) return std::string(b.substr(0, n - 1));
    std::string stem(b);
    const bool vowel_last = plain_vowel(last) || last == 'y';
    const bool single = (plain_vowel(before) && before != 'e') || before == 'y';
    const bool after_single = single && (n < 3 || (!plain_vowel(b[n - 3]) && b[n - 3] != 'y'));
    if (last == 'c' || utf8::ends_with(b, "dg") || consonant_l ||
        (!vowel_last && after_single && last != 'w' && last != 'x') ||
        (last == 's' && (plain_vowel(before) || before == 'w')))
        stem += 'e';
    return stem;
}

struct RuleStem {
    std::string stem;
    bool voiceless;
};

// The present stem of an infinitive in -en, from the base before "en".
RuleStem rule_stem(std::string_view base) {
    if (auto loan = english_stem(base)) return {std::move(*loan), voiceless_final(base) || base.back() == 'c'};
    // -iëren and -eëren: the loans' stressed -eer after a vowel (definieer,
    // creëer).
    if (utf8::ends_with(base, "i\xC3\xABr") || utf8::ends_with(base, "e\xC3\xABr")) {
        std::string stem(base.substr(0, base.size() - 3));
        stem += base[base.size() - 4] == 'e' ? "\xC3\xAB" "er" : "eer";
        return {std::move(stem), false};
    }
    const std::u32string b = utf8::code_points(base);
    const std::size_t n = b.size();
    const char32_t last = b[n - 1];

    // Voicing is read before the final z or v is devoiced.
    bool voiceless = false;
    if (last != 'v' && last != 'z') voiceless = voiceless_final(base);

    if (n >= 2 && b[n - 2] == last && !is_vowel(last)) {
        return {std::string(utf8::drop_last_chars(base, 1)), voiceless};  // bakken: bak
    }

    std::u32string s = b;
    if (!is_vowel(last) && n >= 2) {
        const char32_t v = b[n - 2];
        // A vowel before x or w is never doubled (faxen: fax, telexen:
        // telex, duwen: duw).
        bool open = is_vowel(v) && (n < 3 || !is_vowel_pair(b[n - 3], v)) && is_doubled_vowel(v) && last != 'x' &&
                    last != 'w';
        if (open && last == 'r' && unstressed_er(b)) open = false;  // luister, twitter
        // The loans' -tor and -sor after a syllable of the verb's own are
        // unstressed (sponsoren: sponsor, monitoren: monitor; not verhoren,
        // ringeloren, stukadoren).
        if (open && last == 'r' && v == 'o' && n >= 3 && (b[n - 3] == 't' || b[n - 3] == 's') &&
            vowel_groups(without_unstressed(b, 1)) >= 2)
            open = false;
        if (open && (last == 'l' || last == 'm' || last == 'n') && v == 'e') {
            // An unstressed final -el, -em, -en keeps its single e (wandel);
            // the vowel of an unstressed prefix does not count (beween,
            // versteen).
            const std::size_t from =  // herverdelen: her-, ver-, deel
                unstressed_part(b, true, [](std::u32string_view r) { return r.size() > 2; });
            for (std::size_t i = from; i + 2 < n; ++i) {
                if (is_vowel(b[i])) {
                    open = false;
                    break;
                }
            }
        }
        if (open) s.insert(s.begin() + static_cast<std::ptrdiff_t>(n - 1), v);  // maken: maak
    }
    if (s.back() == 'z') s.back() = 's';
    else if (s.back() == 'v') s.back() = 'f';

    std::string out;
    out.reserve(base.size() + 2);
    for (char32_t c : s) utf8::append(out, c);
    return {std::move(out), voiceless};
}

bool allowed_char(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    if (c >= 0xAA) return c == 0x2019 || unicode::is_alphabetic(c);
    return c == '-' || c == '\'';
}

bool word_start(std::string_view rest, bool head);

// Whether a row is a particle verb's (optreden: trad op).
bool separable_row(const LexEntry& e) {
    return e.past_singular && e.past_singular->find(' ') != std::string_view::npos;
}

// Whether the participle takes no "ge": the lemma ends in "en" and starts with
// an unstressed prefix before a word of more than three characters, one that
// begins as a word can and has a vowel before -en (not be + rsten, ge + spen,
// ge + kscheren: geborsten, gegespt, gegekscheerd).
bool unstressed_prefix(std::string_view lemma) {
    if (!utf8::ends_with(lemma, "en")) return false;
    for (const Unstressed& u : UNSTRESSED) {
        if (!utf8::starts_with(lemma, u.text)) continue;
        const std::string_view rest = lemma.substr(u.text.size());
        if (utf8::length(rest) <= 3 || !word_start(rest, false)) continue;
        if (u.text == "er" && plain_vowel(rest[0])) continue;  // eroderen: geërodeerd
        // A vowel that makes one sound with the prefix's e is no prefix's
        // (beuken, beunen, geuren, beitsen: gebeukt); a prefix is written
        // apart from it (beëindigen, beïnvloeden), and ij is a letter of its
        // own (beijveren: beijverd).
        const auto first = static_cast<unsigned char>(rest[0]);
        if (!utf8::starts_with(rest, "ij") && is_vowel_pair(static_cast<unsigned char>(u.text.back()), first)) continue;
        for (char32_t c : utf8::chars(rest.substr(0, rest.size() - 2))) {
            if (is_vowel(c)) return true;
        }
    }
    return false;
}

// "ge" before a stem. A stem that begins with e, i or u would run into the
// e of ge- and be read as one vowel (ee, ei, eu): the diaeresis keeps them
// apart (geëist, geïnformeerd, geüpload), except before ij and ui (geijkt,
// geuit); a stem that begins with a letter and a hyphen takes "ge-"
// (ge-e-maild).
std::string with_ge(std::string_view stem) {
    std::string out = "ge";
    const char c = stem.empty() ? '\0' : stem[0];
    const char next = stem.size() > 1 ? stem[1] : '\0';
    if ((c == 'e' || c == 'i' || c == 'u') && next == '-') {
        out += '-';
    } else if (c == 'e') {
        out += "\xC3\xAB";  // ë
        stem.remove_prefix(1);
    } else if (c == 'i' && next != 'j') {
        out += "\xC3\xAF";  // ï
        stem.remove_prefix(1);
    } else if (c == 'u' && next != 'i') {
        out += "\xC3\xBC";  // ü
        stem.remove_prefix(1);
    }
    out += stem;
    return out;
}

// Separable particles, as Dutch grammars list them: before a verb that has no
// row of its own they are split off (aanmaken: maak aan, aangemaakt). door,
// om, onder, over, voor and achter can also be inseparable; an unlisted verb
// gets the separable reading, and the inseparable ones are rows (overleven,
// ondernemen). Longest first, so that "voorbij" is tried before "voor".
constexpr std::string_view PARTICLES[] = {
    "tegemoet", "achteruit", "tegenover", "vooruit", "voorbij", "achterna", "bekend", "terecht", "teloor", "teweeg",
    "omhoog", "omlaag", "vooraf",
    "achter", "binnen", "buiten", "overeen", "samen", "terug", "tegen", "thuis", "dicht", "langs", "onder",
    "omver", "bijeen", "uiteen", "dooreen", "overhoop", "kapot", "klaar", "schoon", "voort", "kwijt", "bloot", "gade", "deel",
    "door", "over", "voor", "open", "rond", "ineen", "heen", "neer", "vast", "goed", "stil", "dood", "lief", "mede", "stuk",
    "aan", "bij", "los", "mee", "toe", "uit", "weg", "af", "in", "na", "om", "op",
};

// Adjectives, adverbs, adverb groups and nouns that stand before a verb as
// its separable part (vrijkomen: kom vrij, vrijgekomen; eruitzien: zie eruit;
// stopzetten: zet stop, stopgezet), split off as the particles are, but only
// before a verb: not before a loan or a stressed -eren that is none
// (volleyen, voltigeren). vol- also begins inseparable verbs (volbrengen,
// voleindigen): those are rows.
constexpr std::string_view HEADS[] = {
    "schadeloos", "onschadelijk", "achterover", "ervandoor", "openbaar", "schuldig", "tevreden", "achterop",
    "onderuit", "voorover", "lastig", "beneden", "gebruik", "tentoon", "kenbaar", "geheim", "gelijk", "gereed",
    "gerust", "gewaar", "heilig", "scherp", "teleur", "tekort", "terneer", "tewerk", "tussen", "bewust", "aaneen",
    "teniet", "tekeer", "rechtop", "voorop", "verder", "wakker", "schuil", "scheel", "gevangen", "kennis", "veilig",
    "boven", "droog", "flauw", "groot", "recht", "strak", "zwart", "opeen", "opzij", "ruzie", "scheef", "zeker",
    "bezig", "feest", "adem", "buit", "glad", "fijn", "gaar", "hard", "hoog", "kaal", "leeg", "plat", "stop", "vlot",
    "vrij", "vuil", "warm", "wijs", "zoek", "beet", "nat", "vol", "wit", "proef", "plaats", "dienst", "weder",
    "neder", "toneel", "piano", "viool", "kaart", "schaak", "tanden", "bloem", "actie", "puin", "hout", "post",
    "vet",
};

// Words that are separable before a listed verb only, since before others
// they also begin inseparable verbs or words of their own (weerspiegelen,
// blinddoeken, dwarsbomen, dubbelklikken, kortwieken, waarschuwen,
// huisvesten, lammeren): nouns used as the separable part of a verb
// (leidinggeven: geef leiding, leidinggegeven), weer-, blind-, dwars-,
// dubbel-, krom-, kort-, waar-, huis-, diep- and lam-.
constexpr std::string_view LISTED_HEADS[] = {
    "televisie", "paardje", "leiding", "school", "honger", "handel", "koffie", "blind", "paard", "weer", "acht",
    "file", "klem", "prijs", "stand", "vorm", "les", "lip", "dwars", "dubbel", "krom", "kort", "dank", "kwaad",
    "waar", "huis", "diep", "lam", "auto", "boek", "thee", "kuit", "laag", "wacht", "schaatsen", "fiets",
};

// mis- is stressed and separable where it means "miss the mark", before the
// verbs of going, throwing, hitting and guessing (misgooien: gooit mis,
// misgegooid; misgaan: ging mis); before every other verb it is unstressed
// and takes no ge- (mishagen: mishaagd, miskennen: miskend).
constexpr std::string_view MISSED[] = {"gaan", "lopen", "stappen", "gooien", "schieten", "slaan", "kleunen",
                                       "gokken"};

// Particle groups: er- before a particle (eruitzien: zie eruit, eruitgezien),
// her- before in, op and uit (heruitgeven: geef heruit, heruitgegeven;
// heronderhandelen is inseparable).
constexpr std::string_view HER_PARTICLES[] = {"uit", "in", "op"};
constexpr std::pair<std::string_view, std::span<const std::string_view>> GROUPS[] = {
    {"her", HER_PARTICLES},
    {"er", PARTICLES},
};

// The verb after a separable particle: a lexicon verb, or a word the rules can
// read as an infinitive, of five letters or more, whose stem has a vowel
// (not op + enen).
// Whether `rest` begins as a Dutch word can: consonants only as an onset
// the language has (not toe + rnooien, na + tspuiten, vol + ksdansen), and
// after a head with a consonant (not nat + ionaliseren).
bool word_start(std::string_view rest, bool head) {
    // cl, cr and sh begin the loans (terugclaimen, rondcrossen, rondshoppen).
    static constexpr std::string_view ONSETS[] = {"bl", "br", "ch", "cl", "cr", "dr", "dw", "fl", "fr", "gl", "gr",
                                                  "kl", "kn", "kr", "kw", "pl", "pr", "sc", "sh", "sj", "sk", "sl",
                                                  "sm", "sn", "sp", "st", "sw", "tr", "tw", "vl", "vr", "wr", "zw"};
    // chr begins the Greek loans (verchromen, verchristelijken: verchroomd).
    static constexpr std::string_view ONSETS3[] = {"sch", "spl", "spr", "str", "skr", "scr", "chr"};
    auto consonant = [&](std::size_t i) {
        const char c = rest[i];
        return !plain_vowel(c) && c != 'y' && c != 'j' && static_cast<unsigned char>(c) < 0x80;
    };
    if (rest.size() < 3) return false;
    if (!consonant(0)) return !head;
    if (!consonant(1)) return true;
    if (std::find(std::begin(ONSETS), std::end(ONSETS), rest.substr(0, 2)) == std::end(ONSETS)) return false;
    return !consonant(2) || std::find(std::begin(ONSETS3), std::end(ONSETS3), rest.substr(0, 3)) != std::end(ONSETS3);
}

// The verb after a separable part `particle` (its last particle); a head
// (an adjective or adverb) takes a rest that the rules read only where the
// rest begins as a word can, and some parts take a listed verb only.
bool separable_base(std::string_view particle, std::string_view rest, bool head, bool listed_only) {
    const std::optional<LexEntry> entry = find_entry(rest);
    // A word that splits only before a listed verb does not split before one
    // that begins with a vowel (lamenteren is no lam + enteren: lamenteert),
    // unless that verb is a particle verb (televisieoptreden: treedt op
    // televisie).
    if (listed_only && !rest.empty() && plain_vowel(rest[0]))
        return entry && separable_row(*entry);
    if (entry) return true;
    if (listed_only || !word_start(rest, head)) return false;
    if (utf8::length(rest) < 5 || !utf8::ends_with(rest, "en")) return false;
    // in-, op- and na- also begin loans that are no particle verbs
    // (informeren, opereren, navigeren, interviewen), and a head before a
    // word that is no verb makes one (voltigeren, volleyen): an unlisted
    // rest in a stressed -eren of more than one syllable, after a head one
    // that the spelling shows as a loan, and after in- one in ter-, is not
    // split off.
    const std::string_view base = rest.substr(0, rest.size() - 2);
    if (particle == "in" || particle == "op" || particle == "na" || head) {
        // (not voeren, vieren: voer-en, whose e belongs to the vowel before;
        // nor smeren, keren: a verb of one syllable, but instrueren)
        const char32_t before = utf8::ends_with(rest, "eren") ? last_char(rest.substr(0, rest.size() - 4)) : 0;
        if (before != 0 && !is_vowel_pair(before, 'e')) {
            const std::u32string b = utf8::code_points(base);
            if ((vowel_groups(b) >= 2 || is_vowel(before)) && !unstressed_er(b)) return false;  // opluisteren splits
        }
        if (particle == "in" && rest.substr(0, 3) == "ter") return false;
        if (head && english_stem(base)) return false;
    }
    for (char32_t c : utf8::chars(rest.substr(0, rest.size() - 2))) {
        if (is_vowel(c)) return true;
    }
    return false;
}

}  // namespace

constexpr auto opt = lex::unless_dash;

// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find_entry(std::string_view lemma) {
    auto line = data::table::nld.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<8>(*line);
    LexEntry e;
    e.stem = opt(c.or_dash(1));
    e.present = lex::forms<6>(c.or_dash(2));  // any count but six: derive the present
    e.past_singular = opt(c.or_dash(3));
    e.past_plural = opt(c.or_dash(4));
    e.past_participle = opt(c.or_dash(5));
    e.imperative = opt(c.or_dash(6));
    e.present_participle = opt(c.or_dash(7));
    return e;
}

namespace {

// The analysis of a checked, lower-case word, with at most `parts` separable
// parts split off: two at the top (voor + aan + melden), so that a word of
// stacked particles costs no more than two levels of candidates.
Expected<Verb, Error> analyse(std::string_view w, int parts);

// The verb behind a separable part of `w` (a particle, a head or a particle
// group): the longest that stands before a listed verb (natrekken: na +
// trekken, not nat + rekken), else the longest that stands before a verb the
// rules read; none if there is none. A particle before a particle verb makes
// one separable part with its particle (vooraanmelden: meld vooraan,
// vooraangemeld); a hyphen after the part is no part of the verb
// (toe-eigenen: eigen toe, toegeëigend).
std::optional<Verb> split_separable(std::string_view w, int levels) {
    struct Part {
        std::size_t size;        // bytes of the whole separable part
        std::string_view inner;  // its last particle
        bool head;
        bool listed_only;
    };
    std::array<Part, 24> parts{};
    std::size_t count = 0;
    auto add = [&](std::size_t size, std::string_view inner, bool head, bool listed_only) {
        if (size < w.size() && count < parts.size()) parts[count++] = {size, inner, head, listed_only};
    };
    for (std::string_view p : PARTICLES) {
        if (utf8::starts_with(w, p)) add(p.size(), p, false, false);
    }
    for (std::string_view p : HEADS) {
        if (utf8::starts_with(w, p)) add(p.size(), p, true, false);
    }
    for (std::string_view p : LISTED_HEADS) {
        if (utf8::starts_with(w, p)) add(p.size(), p, true, true);
    }
    if (utf8::starts_with(w, "mis")) {
        const std::string_view rest = w.substr(3);
        if (std::find(std::begin(MISSED), std::end(MISSED), rest) != std::end(MISSED)) add(3, "mis", false, false);
    }
    for (auto [g, particles] : GROUPS) {
        if (!utf8::starts_with(w, g)) continue;
        for (std::string_view p : particles) {
            if (utf8::starts_with(w.substr(g.size()), p)) add(g.size() + p.size(), p, false, false);
        }
    }
    std::stable_sort(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(count),
                     [](const Part& a, const Part& b) { return a.size > b.size; });
    std::optional<Verb> by_rule;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t size = parts[i].size;
        if (w[size] == '-') ++size;  // toe-eigenen
        const std::string_view rest = w.substr(size);
        if (!separable_base(parts[i].inner, rest, parts[i].head, parts[i].listed_only)) continue;
        auto base = analyse(rest, parts[i].head ? 0 : levels - 1);
        if (!base) continue;
        const bool listed = base->entry.has_value();
        if (!listed && by_rule) continue;
        base->lemma = std::string(w);
        base->particle = size + base->particle;
        if (listed) return std::move(*base);
        by_rule = std::move(*base);
    }
    return by_rule;
}

// The verb behind an unstressed prefix of `w` whose rest is a listed verb of
// one word (herbegraven: her + begraven, herdoen: her + doen, misprijzen:
// mis + prijzen); none if there is none.
std::optional<Verb> split_prefix(std::string_view w) {
    // The auxiliaries and modals have look-alikes (ontmoeten is no ont +
    // moeten).
    static constexpr std::string_view NO_BASE[] = {"zijn", "hebben", "kunnen", "mogen", "moeten", "willen", "zullen"};
    for (const Unstressed& u : UNSTRESSED) {
        const std::string_view p = u.text;
        if (!u.before_listed || !utf8::starts_with(w, p) || utf8::length(w.substr(p.size())) < 4) continue;
        const std::string_view rest = w.substr(p.size());
        if (std::find(std::begin(NO_BASE), std::end(NO_BASE), rest) != std::end(NO_BASE)) continue;
        auto entry = find_entry(rest);
        if (entry && separable_row(*entry)) continue;
        auto base = analyse(rest, 0);
        // The rest is listed, or a prefix before a listed verb (herbegraven:
        // her + be + graven).
        if (!base || (!base->entry && base->prefix == 0)) continue;
        base->lemma = std::string(w);
        base->prefix += p.size();  // herbegraven: the forms of graven behind herbe-
        return std::move(*base);
    }
    return std::nullopt;
}

// A verb in -ën after a vowel (waterskiën, judoën, bobsleeën): the stem is
// the word without -ën, voiced; a final i is written ie and a single final a,
// o or u doubled before the endings that close the syllable (skiet, kanoot,
// gekanood), and i also before -de (skiede).
std::optional<Verb> diaeresis_verb(std::string_view w) {
    if (!utf8::ends_with(w, "\xC3\xABn") || w.size() < 5) return std::nullopt;
    const std::string_view s = w.substr(0, w.size() - 3);
    const char last = s.back();
    if (!plain_vowel(last)) return std::nullopt;
    Verb verb;
    verb.lemma = std::string(w);
    verb.stem = std::string(s);
    const bool pair = s.size() >= 2 && plain_vowel(s[s.size() - 2]);
    if (!pair && last == 'i') verb.long_stem = join(s, "e");
    else if (!pair && last != 'e') verb.long_stem = join(s, std::string_view(&last, 1));
    return verb;
}

Expected<Verb, Error> analyse(std::string_view w, int parts) {
    auto entry = find_entry(w);
    if (!entry && parts > 0) {
        if (auto verb = split_separable(w, parts)) return std::move(*verb);
    }
    if (!entry) {
        // A prefix also under a particle (doorverwijzen: door + ver + wijzen).
        if (auto verb = split_prefix(w)) return std::move(*verb);
        if (auto verb = diaeresis_verb(w)) return std::move(*verb);
    }
    std::optional<RuleStem> rule;
    if (w.size() > 2 && utf8::ends_with(w, "en")) rule = rule_stem(w.substr(0, w.size() - 2));

    Verb verb;
    if (entry && entry->stem) {
        verb.stem = std::string(*entry->stem);
        verb.voiceless = voiceless_final(verb.stem);
    } else if (rule) {
        verb.stem = std::move(rule->stem);
        verb.voiceless = rule->voiceless;
    } else if (entry) {
        verb.stem = std::string(w);
        verb.voiceless = true;
    } else {
        return fail(Error{});
    }
    verb.lemma = std::string(w);
    verb.entry = entry;
    return verb;
}

}  // namespace

constexpr std::string_view INFINITIVE_ENDINGS[] = {"en", "n"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-'\u2019", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error{});
    std::string word = unicode::to_lower(unicode::trim(text));
    std::string_view w = word;
    if (w.size() >= 3 && w.substr(0, 3) == "te ") w = unicode::trim(w.substr(3));
    if (w.empty()) return fail(Error{});
    for (char32_t c : utf8::chars(w)) {
        if (unicode::is_white_space(c) || !allowed_char(c)) return fail(Error{});
    }
    return analyse(w, 2);
}

std::size_t Verb::part() const { return particle != 0 ? particle : prefix; }

Verb Verb::inner() const {
    Verb base = *this;
    base.lemma.erase(0, part());
    (particle != 0 ? base.particle : base.prefix) = 0;
    return base;
}

// A finite form of the inner verb with the part put back: a separable
// particle follows it (maak aan), prefixes stand before it (herbegraaf). An
// empty form (a modal's imperative) stays empty.
std::string Verb::wrap(std::string form) const {
    if (form.empty()) return form;
    if (particle != 0) {
        form += ' ';
        form += particle_text();
    } else {
        form.insert(0, lemma, 0, prefix);
    }
    return form;
}

std::string_view Verb::particle_text() const {
    std::string_view p = std::string_view(lemma).substr(0, particle);
    if (utf8::ends_with(p, "-")) p.remove_suffix(1);
    return p;
}

std::string Verb::present(std::size_t person, bool plural) const {
    if (part() != 0) return wrap(inner().present(person, plural));
    const std::size_t slot = person + (plural ? 3 : 0);
    if (entry && entry->present) return std::string((*entry->present)[slot]);
    if (plural) return lemma;
    if (person == 0 || utf8::ends_with(stem, "t")) return stem;
    return join(long_stem.empty() ? stem : long_stem, "t");
}

namespace {

// A participle without its ge- (gedaan: daan, geëindigd: eindigd), for a
// verb behind an unstressed prefix.
std::string without_ge(const std::string& pp) {
    std::string_view v = pp;
    if (!utf8::starts_with(v, "ge")) return pp;
    v.remove_prefix(2);
    if (utf8::starts_with(v, "-")) return std::string(v.substr(1));
    for (auto [marked, plain] : {std::pair{"\xC3\xAB", "e"}, std::pair{"\xC3\xAF", "i"}, std::pair{"\xC3\xBC", "u"}}) {
        if (utf8::starts_with(v, marked)) return join(plain, v.substr(2));
    }
    return std::string(v);
}

}  // namespace

Table Table::build(const Verb& verb) {
    if (verb.part() != 0) {
        // The inner verb's forms with the part put back; before the
        // participles a particle (aangemaakt, aanmakend) or the prefixes,
        // where the participle loses the ge- it takes (herdoen: herdaan,
        // ontgelden: ontgolden) but not the ge- of a verb that has no other
        // (hergebruiken: hergebruikt).
        const Verb base = verb.inner();
        Table t = build(base);
        t.infinitive = verb.lemma;
        for (std::string& f : t.present) f = verb.wrap(std::move(f));
        for (std::string& f : t.past) f = verb.wrap(std::move(f));
        t.imperative = verb.wrap(std::move(t.imperative));
        std::string& pp = t.past_participle;
        if (!pp.empty() && verb.particle != 0) {
            pp.insert(0, verb.particle_text());  // ge- keeps the vowels apart where a hyphen did (toegeëigend)
        } else if (!pp.empty()) {
            if (!utf8::starts_with(base.lemma, "ge") || utf8::starts_with(pp, "geg")) pp = without_ge(pp);
            pp.insert(0, verb.lemma, 0, verb.prefix);
        }
        t.present_participle.insert(0, verb.lemma, 0, verb.part());
        return t;
    }
    const LexEntry* e = verb.entry ? &*verb.entry : nullptr;
    auto given = [e](Cell LexEntry::*field) -> Cell { return e != nullptr ? e->*field : std::nullopt; };

    Table t;
    t.infinitive = verb.lemma;
    for (std::size_t i = 0; i < 6; ++i) t.present[i] = verb.present(i % 3, i >= 3);

    // Before -de the long stem is written only where it is no doubled vowel
    // (skiede, but kanode).
    const std::string& closed = verb.long_stem.empty() ? verb.stem : verb.long_stem;
    const std::size_t m = closed.size();
    const bool doubled = !verb.long_stem.empty() && m >= 2 && closed[m - 1] == closed[m - 2];
    if (Cell c = given(&LexEntry::past_singular)) t.past[0] = std::string(*c);
    else t.past[0] = join(doubled ? verb.stem : closed, verb.voiceless ? "te" : "de");
    if (Cell c = given(&LexEntry::past_plural)) t.past[1] = std::string(*c);
    else t.past[1] = join(t.past[0], "n");

    if (Cell c = given(&LexEntry::imperative)) t.imperative = std::string(*c);
    else t.imperative = verb.stem;

    if (Cell c = given(&LexEntry::present_participle)) t.present_participle = std::string(*c);
    else t.present_participle = join(verb.lemma, "d");

    if (Cell c = given(&LexEntry::past_participle)) {
        t.past_participle = std::string(*c);
    } else {
        std::string& pp = t.past_participle;
        // her- before the loans' stressed -eer and -ier keeps the ge-
        // (herstructureren: geherstructureerd, herdefiniëren: geherdefinieerd,
        // herfinancieren: geherfinancierd).
        const bool her_loan = utf8::starts_with(verb.lemma, "her") &&
                              (utf8::ends_with(closed, "eer") || utf8::ends_with(closed, "ier") ||
                               utf8::ends_with(closed, "\xC3\xAB" "er"));
        if (unstressed_prefix(verb.lemma) && !her_loan) pp = closed;
        else pp = with_ge(closed);
        if (!utf8::ends_with(closed, "t") && !utf8::ends_with(closed, "d")) pp += verb.voiceless ? "t" : "d";
    }
    return t;
}

}  // namespace velnor::nld
