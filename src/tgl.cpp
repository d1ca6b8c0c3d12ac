#include "tgl.hpp"

#include <cstddef>

#include "lexicon_text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::tgl {
namespace lexicon {
namespace {

std::optional<std::string> stored(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return std::string(c);
}

ActorClass actor_class(std::string_view c) {
    if (c == "ma") return ActorClass::Ma;
    if (c == "mag") return ActorClass::Mag;
    if (c == "mang") return ActorClass::Mang;
    return ActorClass::Um;
}

PatientClass patient_class(std::string_view c) {
    if (c == "in") return PatientClass::In;
    if (c == "an") return PatientClass::An;
    if (c == "i") return PatientClass::I;
    return PatientClass::None;
}

}  // namespace

// The last row of a root that has its class cells.
std::optional<LexEntry> find(std::string_view root) {
    return lex::last_read(data::table::tgl, root, [](std::string_view line) -> std::optional<LexEntry> {
        auto c = lex::split<10>(line);
        if (c.count < 4) return std::nullopt;
        LexEntry e;
        e.actor = actor_class(c[1]);
        e.patient = patient_class(c[2]);
        e.h = c[3] == "1";
        for (std::size_t i = 0; i < 6; ++i) e.overrides[i] = stored(c[4 + i]);
        return e;
    });
}

}  // namespace lexicon

namespace {

// The plain vowel of a vowel letter, accented (á, à, â) or not; 0 for any
// other character. An accent marks stress or a glottal stop on the vowel:
// the analysis writes a root without it, and the rules still read an accented
// vowel as a vowel.
char plain_vowel(char32_t c) {
    switch (c) {
        case 'a': case 'e': case 'i': case 'o': case 'u': return static_cast<char>(c);
        case 'A': case 'E': case 'I': case 'O': case 'U': return static_cast<char>(c - 'A' + 'a');
        case U'á': case U'à': case U'â': case U'Á': case U'À': case U'Â': return 'a';
        case U'é': case U'è': case U'ê': case U'É': case U'È': case U'Ê': return 'e';
        case U'í': case U'ì': case U'î': case U'Í': case U'Ì': case U'Î': return 'i';
        case U'ó': case U'ò': case U'ô': case U'Ó': case U'Ò': case U'Ô': return 'o';
        case U'ú': case U'ù': case U'û': case U'Ú': case U'Ù': case U'Û': return 'u';
        default: return 0;
    }
}

bool is_vowel(char32_t c) { return plain_vowel(c) != 0; }

// The letters that open the first syllable: "ng", and the "ch" and "sh" of a
// borrowing, before a vowel count as one consonant (ngiti: ngumiti,
// ngingiti; share: shinare); otherwise the first character.
std::size_t onset_len(std::string_view s) {
    if (s.size() > 2) {
        char a = static_cast<char>(s[0] | 0x20), b = static_cast<char>(s[1] | 0x20);
        if (((a == 'n' && b == 'g') || ((a == 'c' || a == 's') && b == 'h')) && is_vowel(utf8::decode(s, 2).cp))
            return 2;
    }
    return s.empty() ? 0 : utf8::decode(s, 0).len;
}

// The stem with the o of its last syllable written "u": the vowel that is no
// longer final once a suffix follows (sagot: sagutin). An o before the last
// syllable stays (order: oorderin, kopya: kokopyahin).
std::string raise_last_o(std::string s) {
    for (std::size_t end = s.size(); end > 0;) {
        auto d = utf8::decode_last(s, end);
        end -= d.len;
        if (!is_vowel(d.cp)) continue;
        if (d.cp == 'o') s[end] = 'u';
        break;
    }
    return s;
}

// What the spelling of a root tells of a borrowing: a letter that native
// roots lack (c, f, j, q, v, x, z, ñ), or two consonants before the first
// vowel or after the last (ng counts as one consonant: plano, kwento,
// trabaho, post); and, apart, three consonants in a row (kontrol). A text
// without a vowel is an abbreviation and tells nothing.
struct Shape {
    bool borrowed = false;
    bool inner_cluster = false;
};

Shape shape_of(std::string_view root) {
    Shape out;
    bool vowel = false, onset = true, foreign = false;
    std::size_t run = 0;
    char prev = 0;
    // The plain spelling is ASCII but for a few letters: ñ (C3 B1) counts as
    // a foreign consonant, any other as a break in the consonants.
    for (std::size_t i = 0; i < root.size(); ++i) {
        char c = root[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            if (c == '\xC3' && i + 1 < root.size() && root[i + 1] == '\xB1') {
                foreign = true;
                ++run;
                ++i;
            } else {
                run = 0;
            }
            prev = 0;
            continue;
        }
        switch (c) {
            case 'a': case 'e': case 'i': case 'o': case 'u':
                vowel = true;
                onset = false;
                run = 0;
                break;
            case 'c': case 'f': case 'j': case 'q': case 'v': case 'x': case 'z':
                foreign = true;
                ++run;
                break;
            default:
                if (c >= 'a' && c <= 'z') {
                    if (!(c == 'g' && prev == 'n')) ++run;
                } else {
                    run = 0;
                }
                break;
        }
        if (run >= 2 && onset) out.borrowed = true;
        if (run >= 3) out.inner_cluster = true;
        prev = c;
    }
    if (!vowel) return {};
    out.borrowed = out.borrowed || foreign || run >= 2;
    return out;
}

// Whether the last vowel of a root is o with a consonant after it (kontrol,
// sagot): the o that a suffix may raise. `long_o` tells whether another o
// stands right before it (loob, nood).
bool closed_by_o(std::string_view root, bool* long_o = nullptr) {
    for (std::size_t end = root.size(); end > 0; --end) {
        switch (root[end - 1]) {
            case 'a': case 'e': case 'i': case 'u': return false;
            case 'o':
                if (long_o) *long_o = end > 1 && root[end - 2] == 'o';
                return end < root.size();
            default: break;
        }
    }
    return false;
}

// The stem before -in or -an: the o of the last syllable raised unless the
// root keeps it, a final d after a vowel written r (lakad: lalakarin, bayad:
// binayaran), and "h" after a final vowel when the flag is set (basa:
// babasahin).
std::string suffix_stem(std::string s, bool h, bool keeps_o) {
    if (!keeps_o) s = raise_last_o(std::move(s));
    if (s.size() > 1 && s.back() == 'd' && is_vowel(static_cast<unsigned char>(s[s.size() - 2]))) s.back() = 'r';
    if (h && !s.empty() && is_vowel(utf8::last(s))) s.push_back('h');
    return s;
}

// Byte length of the first character of a non-empty text.
std::size_t first_len(std::string_view s) { return s.empty() ? 0 : utf8::decode(s, 0).len; }

char32_t first_char(std::string_view s) { return s.empty() ? 0 : utf8::decode(s, 0).cp; }

// "-" between a prefix and a stem that begins with a vowel.
std::string_view hyphen(std::string_view stem) {
    return !stem.empty() && is_vowel(first_char(stem)) ? "-" : "";
}

std::string cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto p : parts) out.append(p);
    return out;
}

std::string actor_form(const Verb& v, Aspect aspect) {
    std::string_view root = v.root;
    switch (v.actor) {
        case ActorClass::Um:
            switch (aspect) {
                case Aspect::Perfective: return infix(root, "um");
                case Aspect::Imperfective: return infix(reduplicate(root), "um");
                case Aspect::Contemplated: return reduplicate(root);
            }
            break;
        case ActorClass::Mag:
            switch (aspect) {
                case Aspect::Perfective: return cat({"nag", hyphen(root), root});
                case Aspect::Imperfective: return cat({"nag", hyphen(root), reduplicate(root)});
                case Aspect::Contemplated: return cat({"mag", hyphen(root), reduplicate(root)});
            }
            break;
        case ActorClass::Ma:
            switch (aspect) {
                case Aspect::Perfective: return cat({"na", root});
                case Aspect::Imperfective: return cat({"na", reduplicate(root)});
                case Aspect::Contemplated: return cat({"ma", reduplicate(root)});
            }
            break;
        case ActorClass::Mang: {
            // Nasal assimilation: k, p, s, t are replaced by the nasal; d, l,
            // n and r keep their consonant after "n" (nanloko), b after "m";
            // anything else takes "ng".
            std::string_view stem = root;
            std::string_view nasal = "ng";
            bool replaced = false;
            if (!root.empty()) {
                switch (first_char(root)) {
                    case 'k': stem = root.substr(1); nasal = "ng"; replaced = true; break;
                    case 'p': stem = root.substr(1); nasal = "m"; replaced = true; break;
                    case 's': case 't': stem = root.substr(1); nasal = "n"; replaced = true; break;
                    case 'd': case 'l': case 'n': case 'r': nasal = "n"; break;
                    case 'b': nasal = "m"; break;
                    default: break;
                }
            }
            std::string_view mood = aspect == Aspect::Contemplated ? "ma" : "na";
            if (replaced && is_vowel(first_char(stem))) {
                // The nasal has taken the consonant's place and opens the
                // first syllable, so the syllable copied is nasal + vowel:
                // manakot, nananakot, mananakot; manguha, nangunguha.
                if (aspect == Aspect::Perfective) return cat({mood, nasal, stem});
                const char copy[2] = {plain_vowel(first_char(stem)), 0};
                return cat({mood, nasal, copy, nasal, stem});
            }
            // A vowel-initial root keeps its vowel apart: mang-aral.
            std::string_view dash = stem == root ? hyphen(stem) : "";
            if (aspect == Aspect::Perfective) return cat({mood, nasal, dash, stem});
            return cat({mood, nasal, dash, reduplicate(stem)});
        }
    }
    return {};
}

std::string patient_form(const Verb& v, Aspect aspect) {
    std::string_view root = v.root;
    switch (v.patient) {
        case PatientClass::In:
            switch (aspect) {
                case Aspect::Perfective: return infix(root, "in");
                case Aspect::Imperfective: return infix(reduplicate(root), "in");
                case Aspect::Contemplated: return suffix_stem(reduplicate(root), v.h, v.keeps_o) + "in";
            }
            break;
        case PatientClass::An:
            // Every aspect takes the suffix, so every stem takes its changes:
            // tinulungan, pinuntahan, binayaran.
            switch (aspect) {
                case Aspect::Perfective: return suffix_stem(infix(root, "in"), v.h, v.keeps_o) + "an";
                case Aspect::Imperfective: return suffix_stem(infix(reduplicate(root), "in"), v.h, v.keeps_o) + "an";
                case Aspect::Contemplated: return suffix_stem(reduplicate(root), v.h, v.keeps_o) + "an";
            }
            break;
        case PatientClass::I: {
            // Before a vowel or h the infix is written as the prefix ini-
            // (iniabot, inihanda); otherwise i- + the -in- form (ibinigay).
            bool ini = !root.empty() && (is_vowel(first_char(root)) || root[0] == 'h');
            auto stem = [&](std::string_view s) { return ini ? cat({"ini", s}) : cat({"i", infix(s, "in")}); };
            switch (aspect) {
                case Aspect::Perfective: return stem(root);
                case Aspect::Imperfective: return stem(reduplicate(root));
                case Aspect::Contemplated: return cat({"i", reduplicate(root)});
            }
            break;
        }
        case PatientClass::None:
            break;
    }
    return {};
}

}  // namespace

std::string infix(std::string_view word, std::string_view affix) {
    if (word.empty()) return std::string(affix);
    if (is_vowel(first_char(word))) return cat({affix, word});
    // -in- before l, r and y is written as the prefix ni- (niluto, nilinis,
    // niyakap, nirespeto).
    if (affix == "in" && (word[0] == 'l' || word[0] == 'r' || word[0] == 'y')) return cat({"ni", word});
    std::size_t n = onset_len(word);
    return cat({word.substr(0, n), affix, word.substr(n)});
}

std::string reduplicate(std::string_view word) {
    std::size_t pos = 0;
    while (pos < word.size()) {
        std::string_view rest = word.substr(pos);
        std::size_t n = first_len(rest);
        if (n == 0) break;
        char32_t c = first_char(rest);
        if (is_vowel(c)) {
            // The copied syllable takes the plain vowel; a w after the first
            // consonant stands for the u of the full spelling (kwento,
            // kuwento), so that u is copied: nagkukwento, ikukwento.
            char vowel = plain_vowel(c);
            if (pos == 2 && (word[1] == 'w' || word[1] == 'W') && !is_vowel(static_cast<unsigned char>(word[0])))
                vowel = 'u';
            const char v[2] = {vowel, 0};
            if (pos == 0) return cat({v, word});
            return cat({word.substr(0, onset_len(word)), v, word});
        }
        pos += n;
    }
    return std::string(word);
}

std::vector<std::string> push_variants(std::string form, std::string_view root) {
    std::vector<std::string> out;
    bool d_root = !root.empty() && root.front() == 'd';
    std::string variant;
    if (d_root) {
        // Characters from the second to the second-to-last: a "d" between two
        // vowels is also written "r" (dumadating, dumarating).
        std::string_view f = form;
        char32_t prev = 0;
        std::size_t pos = 0;
        std::size_t index = 0;
        while (pos < f.size()) {
            std::size_t n = first_len(f.substr(pos));
            if (n == 0) break;
            char32_t c = first_char(f.substr(pos));
            std::size_t next = pos + n;
            if (index >= 1 && c == 'd' && next < f.size() && is_vowel(prev) &&
                is_vowel(first_char(f.substr(next)))) {
                variant = form;
                variant[pos] = 'r';
                break;
            }
            prev = c;
            pos = next;
            ++index;
        }
    }
    out.push_back(std::move(form));
    if (!variant.empty()) out.push_back(std::move(variant));
    return out;
}

constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-'"};

namespace {

// The root in its plain spelling: dictionaries mark stress and a final glottal
// stop with accents (hatíd, walâ, pasò) or a final apostrophe (wala'), which
// are spelling, not part of the root. Sets `glottal` when the spelling marks a
// final glottal stop: the apostrophe, or a grave or circumflex final vowel.
std::string plain_spelling(std::string_view text, bool& glottal) {
    std::string out;
    glottal = false;
    for (char32_t c : utf8::chars(text)) {
        bool combining = c == 0x300 || c == 0x301 || c == 0x302;
        if (combining && !out.empty() && is_vowel(static_cast<unsigned char>(out.back()))) {
            glottal = c != 0x301;
            continue;
        }
        if (char v = plain_vowel(c); v && c > 0x7f) {
            out.push_back(v);
            glottal = c != U'á' && c != U'é' && c != U'í' && c != U'ó' && c != U'ú';
            continue;
        }
        glottal = false;
        utf8::append(out, c);
    }
    while (!out.empty() && out.back() == '\'') {
        out.pop_back();
        glottal = true;
    }
    return out;
}

}  // namespace

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto word = unicode::word_of(text, SPELLING);
    if (!word) return fail(Error{});
    const std::string written = unicode::to_lower(*word);
    bool glottal = false;
    std::string root = plain_spelling(written, glottal);
    if (root.empty()) return fail(Error{});
    Verb v;
    auto e = lexicon::find(root);
    const bool listed = e.has_value();
    if (e) {
        v.overrides = e->overrides;
        v.h = e->h;
        v.actor = e->actor;
        v.patient = e->patient;
    }
    // A borrowing that no row lists takes mag- (nag-text, nagplano); one
    // closed by o and a consonant keeps its o before a suffix (kontrol:
    // kokontrolin), where a native root raises it (sagot: sasagutin); so
    // does a long oo (loob: loloobin, nood: panoorin).
    std::optional<Shape> shape;
    if (!listed) {
        shape = shape_of(root);
        if (shape->borrowed) v.actor = ActorClass::Mag;
    }
    bool long_o = false;
    if (closed_by_o(root, &long_o)) {
        if (!shape) shape = shape_of(root);
        v.keeps_o = long_o || shape->borrowed || shape->inner_cluster;
    }
    // A vowel closed by a glottal stop takes the suffix without h (pili': pipiliin).
    if (glottal) v.h = false;
    v.root = std::move(root);
    return v;
}

std::vector<std::string> Verb::forms(Voice voice, Aspect aspect) const {
    std::size_t slot = static_cast<std::size_t>(aspect) + (voice == Voice::Patient ? 3 : 0);
    if (overrides[slot]) return {*overrides[slot]};
    if (voice == Voice::Actor) return push_variants(actor_form(*this, aspect), root);
    if (patient == PatientClass::None) return {};
    auto out = push_variants(patient_form(*this, aspect), root);
    // The "ni" form of consonant-initial roots (nikain, nikakain).
    if ((patient == PatientClass::In || patient == PatientClass::An) && aspect != Aspect::Contemplated &&
        !root.empty() && !is_vowel(first_char(root)) && !out.front().starts_with("ni")) {
        std::string base = aspect == Aspect::Perfective ? root : reduplicate(root);
        out.push_back(patient == PatientClass::An ? "ni" + suffix_stem(base, h, keeps_o) + "an" : "ni" + base);
    }
    return out;
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.root;
    for (std::size_t a = 0; a < 3; ++a) {
        auto aspect = static_cast<Aspect>(a);
        auto act = verb.forms(Voice::Actor, aspect);
        if (!act.empty()) t.actor[a] = std::move(act.front());
        auto pat = verb.forms(Voice::Patient, aspect);
        if (!pat.empty()) t.patient[a] = std::move(pat.front());
    }
    return t;
}

}  // namespace velnor::tgl
