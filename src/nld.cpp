#include "nld.hpp"

#include <string>

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
    if (utf8::ends_with(s, "ch")) return true;
    if (s.empty()) return false;
    switch (s.back()) {
        case 'f': case 'k': case 'p': case 's': case 't': case 'x': return true;
        default: return false;
    }
}

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
    std::u32string_view core = b;
    for (std::u32string_view p : {U"ver", U"be", U"ge", U"ont", U"her"}) {
        if (core.substr(0, p.size()) == p && vowel_groups(core.substr(p.size())) >= 2) {
            core.remove_prefix(p.size());
            break;
        }
    }
    if (vowel_groups(core) != 2) return false;
    std::u32string_view c = core.substr(0, core.size() - 2);
    const std::size_t m = c.size();
    if (m >= 2 && c[m - 1] == c[m - 2] && c[m - 1] != 's' && c[m - 1] != 'l' && c[m - 1] != 'r') return true;
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

struct RuleStem {
    std::string stem;
    bool voiceless;
};

// The present stem of an infinitive in -en, from the base before "en".
RuleStem rule_stem(std::string_view base) {
    std::u32string b;
    for (char32_t c : utf8::chars(base)) b.push_back(c);
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
        bool open = is_vowel(v) && (n < 3 || !is_vowel_pair(b[n - 3], v)) && is_doubled_vowel(v);
        if (open && last == 'r' && unstressed_er(b)) open = false;  // luister, twitter
        if (open && (last == 'l' || last == 'm' || last == 'n') && v == 'e') {
            // An unstressed final -el, -em, -en keeps its single e (wandel).
            for (std::size_t i = 0; i + 2 < n; ++i) {
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

// Whether the participle takes no "ge": the lemma ends in "en" and starts with
// an unstressed prefix followed by more than three characters.
bool unstressed_prefix(std::string_view lemma) {
    if (!utf8::ends_with(lemma, "en")) return false;
    for (std::string_view p : {"be", "ge", "her", "ont", "ver"}) {
        if (lemma.size() >= p.size() + 2 && utf8::starts_with(lemma, p) &&
            utf8::length(lemma.substr(p.size())) > 3)
            return true;
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
    "omver", "bijeen", "uiteen", "kapot", "klaar", "schoon", "voort", "kwijt", "bloot", "gade", "deel",
    "door", "over", "voor", "open", "rond", "ineen", "heen", "neer", "vast", "goed", "stil", "dood", "lief", "mede", "stuk",
    "aan", "bij", "los", "mee", "toe", "uit", "weg", "af", "in", "na", "om", "op",
};

// The verb after a separable particle: a lexicon verb, or a word the rules can
// read as an infinitive, of five letters or more, whose stem has a vowel
// (not op + enen).
bool separable_base(std::string_view particle, std::string_view rest) {
    if (find_entry(rest).has_value()) return true;
    if (utf8::length(rest) < 5 || !utf8::ends_with(rest, "en")) return false;
    // in-, op- and na- also begin loans that are no particle verbs
    // (informeren, opereren, navigeren, interviewen): an unlisted rest in a
    // stressed -eren, or after in- one in ter-, is not split off.
    if (particle == "in" || particle == "op" || particle == "na") {
        if (utf8::ends_with(rest, "eren")) {
            std::u32string b;
            for (char32_t c : utf8::chars(rest.substr(0, rest.size() - 2))) b.push_back(c);
            if (!unstressed_er(b)) return false;  // opluisteren, influisteren still split
        }
        if (particle == "in" && rest.substr(0, 3) == "ter") return false;
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

// The analysis of a checked, lower-case word. A particle is split off only
// once: the verb after it is read whole (no verb stacks two particles here).
Expected<Verb, Error> analyse(std::string_view w, bool split) {
    auto entry = find_entry(w);
    if (!entry && split) {
        for (std::string_view p : PARTICLES) {
            if (w.size() <= p.size() || w.substr(0, p.size()) != p) continue;
            if (!separable_base(p, w.substr(p.size()))) continue;
            auto base = analyse(w.substr(p.size()), false);
            if (!base) continue;
            base->lemma = std::string(w);
            base->particle = p.size();
            return base;
        }
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
    return analyse(w, true);
}

// A finite form of a separable verb: the particle follows it (maak aan).
// An empty form (a modal's imperative) stays empty.
std::string Verb::place_particle(std::string form) const {
    if (particle == 0 || form.empty()) return form;
    form += ' ';
    form.append(lemma, 0, particle);
    return form;
}

std::string Verb::present(std::size_t person, bool plural) const {
    if (particle != 0) {
        Verb base = *this;
        base.lemma.erase(0, particle);
        base.particle = 0;
        return place_particle(base.present(person, plural));
    }
    const std::size_t slot = person + (plural ? 3 : 0);
    if (entry && entry->present) return std::string((*entry->present)[slot]);
    if (plural) return lemma;
    if (person == 0 || utf8::ends_with(stem, "t")) return stem;
    return join(stem, "t");
}

Table Table::build(const Verb& verb) {
    if (verb.particle != 0) {
        // The base verb's forms, with the particle after the finite ones and
        // in front of the participles (aangemaakt, aanmakend).
        Verb base = verb;
        base.lemma.erase(0, verb.particle);
        base.particle = 0;
        Table t = build(base);
        const std::string_view p = std::string_view(verb.lemma).substr(0, verb.particle);
        t.infinitive = verb.lemma;
        for (std::string& f : t.present) f = verb.place_particle(std::move(f));
        for (std::string& f : t.past) f = verb.place_particle(std::move(f));
        t.imperative = verb.place_particle(std::move(t.imperative));
        if (!t.past_participle.empty()) t.past_participle.insert(0, p);
        t.present_participle.insert(0, p);
        return t;
    }
    const LexEntry* e = verb.entry ? &*verb.entry : nullptr;
    auto given = [e](Cell LexEntry::*field) -> Cell { return e != nullptr ? e->*field : std::nullopt; };

    Table t;
    t.infinitive = verb.lemma;
    for (std::size_t i = 0; i < 6; ++i) t.present[i] = verb.present(i % 3, i >= 3);

    if (Cell c = given(&LexEntry::past_singular)) t.past[0] = std::string(*c);
    else t.past[0] = join(verb.stem, verb.voiceless ? "te" : "de");
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
        if (unstressed_prefix(verb.lemma)) pp = verb.stem;
        else pp = with_ge(verb.stem);
        if (!utf8::ends_with(verb.stem, "t") && !utf8::ends_with(verb.stem, "d")) pp += verb.voiceless ? "t" : "d";
    }
    return t;
}

}  // namespace velnor::nld
