#include "ces.hpp"

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::ces {

using text::join;
using text::own;
using utf8::ends_with;
namespace {

constexpr std::string_view kVowels = "aeiouyáéíóúůý";

bool is_vowel(char32_t c) noexcept {
    for (std::size_t i = 0; i < kVowels.size();) {
        auto d = utf8::decode(kVowels, i);
        if (d.cp == c) return true;
        i += d.len;
    }
    return false;
}

// Czech writes "ě" only after b, p, v, f, m, d, t and n; after every other
// consonant the same ending is spelt with a plain "e" (prose, uče, mysleme).
std::string_view e_after(std::string_view stem) noexcept {
    if (stem.empty()) return "ě";
    switch (utf8::last(stem)) {
        case U'b': case U'p': case U'v': case U'f': case U'm': case U'd': case U't': case U'n':
            return "ě";
        default:
            return "e";
    }
}

// The vowel of the -et/-ět classes' endings follows the lemma's own spelling:
// umět, umějí; sázet, sázejí.
std::string_view et_vowel(std::string_view lemma) noexcept { return ends_with(lemma, "ět") ? "ě" : "e"; }

// Whether a stem ends in two consonants that do not close a syllable of
// their own. "ch" counts as one consonant, and r or l standing between
// consonants (or first before one) is a syllable peak, not part of a cluster.
bool ends_in_cluster(std::string_view stem) noexcept {
    // the last four letters are all that matter
    char32_t cs[4] = {0, 0, 0, 0};
    std::size_t n = 0;
    for (std::size_t i = 0; i < stem.size();) {
        auto d = utf8::decode(stem, i);
        if (n == 4) {
            cs[0] = cs[1], cs[1] = cs[2], cs[2] = cs[3];
            n = 3;
        }
        cs[n++] = d.cp;
        i += d.len;
    }
    auto vowel = [](char32_t c) { return c == U'ě' || is_vowel(c); };
    if (n == 0 || vowel(cs[n - 1])) return false;
    std::size_t k = n - 1;  // index of the last consonant unit's first letter
    if (cs[k] == U'h' && k > 0 && cs[k - 1] == U'c') --k;
    if (k == 0 || vowel(cs[k - 1])) return false;
    char32_t before = cs[k - 1];
    char32_t final = cs[n - 1];
    // půjč: j closes the syllable like a vowel before č, but not before any
    // other consonant (zveřejni, ozřejmi, konejši)
    if (before == U'j') return final != U'č';
    if (before == U'r' || before == U'l') {
        // an r or l at the start of the stem opens a syllable of its own (lpi)
        if (k < 2) return true;
        // tvrď, plň, drž: r or l between consonants is the syllable's vowel,
        // and what follows it is a single consonant; chrli: not so when that
        // consonant is itself r or l
        if (!vowel(cs[k - 2])) return final == U'r' || final == U'l';
    }
    return true;
}

// The vowel set of the rules plus ě.
bool any_vowel(char32_t c) noexcept { return c == U'ě' || is_vowel(c); }

// The bare 2sg imperative shortens the long vowel of its last syllable
// (zářit zař, toužit tuž, půlit pul, ustálit ustal); before j it stays
// (půjč). Gives the stem unchanged when there is nothing to shorten.
std::string shorten_last(std::string_view stem) {
    std::size_t end = stem.size();
    while (end > 0) {
        auto d = utf8::decode_last(stem, end);
        if (any_vowel(d.cp)) break;
        end -= d.len;
    }
    if (end == 0) return std::string(stem);
    auto v = utf8::decode_last(stem, end);
    std::size_t start = end - v.len;
    std::string_view tail = stem.substr(end);
    if (!tail.empty() && tail[0] == 'j') return std::string(stem);
    std::string_view head = stem.substr(0, start);
    switch (v.cp) {
        case U'á': return join(head, "a", tail);
        case U'í': return join(head, "i", tail);
        case U'ý': return join(head, "y", tail);
        case U'é': return join(head, "e", tail);
        case U'ú': case U'ů': return join(head, "u", tail);
        case U'u': {
            // ou is one vowel unless a prefix ends in the o (douč, pouč)
            if (!ends_with(head, "o")) return std::string(stem);
            std::string_view before = head;
            if (before.substr(0, 2) == "ne") before.remove_prefix(2);
            if (before == "o" || before == "do" || before == "po" || before == "pro") return std::string(stem);
            return join(head.substr(0, head.size() - 1), "u", tail);
        }
        default: return std::string(stem);
    }
}

// Czech verbal prefixes, the vowel forms first where both exist, and the
// negation ne-, which a verb takes the same way.
constexpr std::string_view kPrefixes[] = {
    "ne",  "přede", "před", "roze", "nade", "pode", "obe", "ode", "vze", "pře", "při", "pro",
    "roz", "nad", "pod", "ob", "od", "do", "na", "po", "za", "vy", "vz", "se", "ve", "ze",
    "o",   "s",   "u",   "v",   "z"};

// Each character soft before the endings -e and -íc of the transgressive
// (mažou: maže, mažíc; berou: bera, berouc).
bool soft_consonant(char32_t c) noexcept {
    switch (c) {
        case U'č': case U'ž': case U'š': case U'ř': case U'c': case U'j':
            return true;
        default:
            return false;
    }
}

std::optional<Class> parse_class(std::string_view code) noexcept {
    if (code == "uje") return Class::Uje;
    if (code == "a") return Class::A;
    if (code == "i") return Class::I;
    if (code == "et-i") return Class::EtI;
    if (code == "et-eji") return Class::EtEji;
    if (code == "ne") return Class::Ne;
    return std::nullopt;
}

std::optional<std::string_view> cell(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return c;
}

bool lemma_char(char32_t c) noexcept {
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'-') return true;
    return c >= 0xAA && unicode::is_alphabetic(c);
}

Class class_by_ending(std::string_view l) noexcept {
    if (l.size() >= 4 && ends_with(l, "ovat")) return Class::Uje;
    if (ends_with(l, "nout")) return Class::Ne;
    if (l.size() == 1) return Class::I;
    if (ends_with(l, "it")) return Class::I;
    if (ends_with(l, "et")) return Class::EtEji;
    if (l.size() >= 3 && ends_with(l, "ět")) return Class::EtEji;
    if (ends_with(l, "at") || ends_with(l, "át")) return Class::A;
    return Class::I;
}

// The passive participle of an -it verb: the stem's final consonant softens
// before -en (prosit prošen, platit placen, chodit chozen, čistit čištěn,
// honit honěn), but a d or t after another consonant stays (brzdit brzděn,
// jezdit jezděn, šlechtit šlechtěn, křivdit křivděn, fintit fintěn) unless
// that is an r or l, the syllable's vowel or its edge (tvrdit tvrzen,
// usmrtit usmrcen); other stems take -en unchanged (učen, koupen).
std::string i_passive(std::string_view stem) {
    if (ends_with(stem, "st")) return join(stem.substr(0, stem.size() - 2), "št", "ěn");
    if ((ends_with(stem, "d") || ends_with(stem, "t")) && stem.size() >= 2) {
        char32_t before = utf8::last(stem.substr(0, stem.size() - 1));
        if (!any_vowel(before) && before != U'r' && before != U'l') return join(stem, "ěn");
    }
    if (ends_with(stem, "s")) return join(stem.substr(0, stem.size() - 1), "š", "en");
    if (ends_with(stem, "z")) return join(stem.substr(0, stem.size() - 1), "ž", "en");
    if (ends_with(stem, "t")) return join(stem.substr(0, stem.size() - 1), "c", "en");
    if (ends_with(stem, "d")) return join(stem.substr(0, stem.size() - 1), "z", "en");
    if (ends_with(stem, "n")) return join(stem, "ěn");
    return join(stem, "en");
}

constexpr std::array<std::string_view, 6> kPresentEndings[6] = {
    {"uji", "uješ", "uje", "ujeme", "ujete", "ují"},   // uje
    {"ám", "áš", "á", "áme", "áte", "ají"},             // a
    {"ím", "íš", "í", "íme", "íte", "í"},               // i
    {"ím", "íš", "í", "íme", "íte", "í"},               // et-i
    {"ím", "íš", "í", "íme", "íte", "ějí"},             // et-eji
    {"nu", "neš", "ne", "neme", "nete", "nou"},         // ne
};

}  // namespace

std::string_view class_code(Class c) noexcept {
    switch (c) {
        case Class::Uje: return "uje";
        case Class::A: return "a";
        case Class::I: return "i";
        case Class::EtI: return "et-i";
        case Class::EtEji: return "et-eji";
        case Class::Ne: return "ne";
    }
    return "i";
}

// For a lemma listed more than once the last row that the reader accepts
// wins: a class row needs a known code, an aspect row three cells.
std::optional<Class> listed_class(std::string_view lemma) {
    return lex::last_read(data::table::ces_classes, lemma, [](std::string_view line) -> std::optional<Class> {
        std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return std::nullopt;
        std::string_view rest = line.substr(tab + 1);
        return parse_class(rest.substr(0, rest.find('\t')));
    });
}

std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::ces_rows.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<Row::kColumns + 1>(*line);
    Row row;
    for (std::size_t i = 0; i < Row::kColumns; ++i) row.cells[i] = cell(c[i + 1]);
    return row;
}

std::optional<AspectEntry> find_aspect(std::string_view lemma) {
    return lex::last_read(data::table::ces_aspect, lemma, [](std::string_view line) -> std::optional<AspectEntry> {
        std::size_t t1 = line.find('\t');
        if (t1 == std::string_view::npos) return std::nullopt;
        std::size_t t2 = line.find('\t', t1 + 1);
        if (t2 == std::string_view::npos) return std::nullopt;
        std::string_view aspect = line.substr(t1 + 1, t2 - t1 - 1);
        std::string_view partners = line.substr(t2 + 1);
        partners = partners.substr(0, partners.find('\t'));
        std::string_view first = partners.substr(0, partners.find(','));
        return AspectEntry{aspect == "impf" ? "imperfective" : "perfective", first};
    });
}

namespace {

// The infinitive ending that a class cuts off (the short -it and -at).
std::string_view class_ending(std::string_view lemma, Class c) noexcept {
    switch (c) {
        case Class::Uje: return "ovat";
        case Class::A: return "at";
        case Class::I: return "it";
        case Class::EtI:
        case Class::EtEji: return ends_with(lemma, "ět") ? "ět" : "et";
        case Class::Ne: return "nout";
    }
    return "it";
}

bool carries_ending(std::string_view lemma, Class c) noexcept {
    std::string_view e = class_ending(lemma, c);
    return lemma.size() > e.size() && ends_with(lemma, e);
}

// Whether a word begins with two consonants ("ch" counting as one) or j.
bool before_cluster_or_j(std::string_view w) noexcept {
    if (w.empty()) return false;
    auto a = utf8::decode(w, 0);
    if (a.cp == U'j') return true;
    std::size_t i = a.len;
    if (a.cp == U'c' && i < w.size() && w[i] == 'h') ++i;
    if (any_vowel(a.cp) || i >= w.size()) return false;
    return !any_vowel(utf8::decode(w, i).cp);
}

// What the lexicons give a word: its own row, or the row of a verb it is
// built on with a verbal prefix or the negation ne- (nejsem, zneužiji,
// pronajmu, vyvstanu), and the nearest class entry on the way.
struct Known {
    std::optional<Class> cls;
    std::optional<Row> row;
    std::string base;       // the word whose row it is
    std::string head;       // what stands before every form of the row
    bool prefixed = false;  // a verbal prefix stands in the head (not only ne-)
    bool no_passive = false;  // the verb has no personal passive (a "—" cell)
};

// Bases whose prefixed verbs stay without a passive as they do: the
// intransitive vstát, schnout and jet and their compounds (vyvstat,
// oschnout, poodjet; the transitive objet, přejet have rows) and ptát se,
// whose compounds are reflexive (zeptat se, optat se; poptat, which is not,
// has a row).
bool prefixes_keep_no_passive(std::string_view base) noexcept {
    for (std::string_view b : {"vstát", "ptát", "schnout", "jet"})
        if (ends_with(base, b)) return true;
    return false;
}

// Bases whose passive their prefixed verbs do not share: vodit is voděn,
// but odvodit, vyvodit, navodit take the rule's odvozen, vyvozen, navozen.
bool passive_is_own(std::string_view base) noexcept { return base == "vodit"; }

// What may be taken off the front of a word next: a verbal prefix and the
// negation take turns (ne-vy-užít, z-ne-užít), so that no verb is read into
// a word by peeling prefix after prefix (zazdít is no za-z-dít).
enum Strip : unsigned { kNothing = 0, kNegation = 1, kPrefix = 2, kBoth = 3 };

std::optional<Known> known(std::string_view word, unsigned strip) {
    auto cls = listed_class(word);
    // A passive cell "—": the verb has no personal passive (padnout, sedět,
    // vypadat: intransitive), nor has it behind ne-. A verbal prefix in front
    // may make it transitive (napadnout: napaden), and the verb takes its other
    // forms as it would without the row (dospět: the row of spět).
    bool no_passive = false;
    if (auto row = find_row(word)) {
        if (row->cells[10] == lex::kNoForm) {
            row->cells[10].reset();
            no_passive = true;
        }
        bool empty = true;
        for (const auto& c : row->cells) empty = empty && !c;
        if (!empty) return Known{cls, std::move(row), std::string(word), {}, false, no_passive};
    }
    for (std::string_view p : kPrefixes) {
        bool negation = p == "ne";
        if (!(strip & (negation ? kNegation : kPrefix))) continue;
        // the rest is a verb of at least three characters
        if (word.size() < p.size() + 3 || word.substr(0, p.size()) != p) continue;
        std::string_view rest = word.substr(p.size());
        // the vowel forms stand before two consonants or j (odeslat, sebrat,
        // odejít; not nade-chovat, se-kat)
        if (!negation && p != "pře" && p.back() == 'e' && !before_cluster_or_j(rest)) continue;
        // nor does a prefix that ends in a consonant come before a vowel (zorat)
        if (!any_vowel(utf8::last(p)) && any_vowel(utf8::decode(rest, 0).cp)) continue;
        // a verb of the class list is a verb in its own right and may be
        // built on another in turn (pře-vychovat, vy-chovat)
        unsigned next = negation ? kPrefix : kNegation;
        if (listed_class(rest)) next = kBoth;
        auto k = known(rest, next);
        // behind a verbal prefix a verb that only carries the passive mark is
        // no verb of the lexicons (napadnout is read as it was before the mark)
        if (k && !negation && !k->row && !k->cls) k.reset();
        // a prefix or ne- shortens the -át of a one-syllable verb (vydat,
        // vecpat, vyvstat, nebrat) that begins with two consonants or is
        // dát (not se-kat: kát); -stat itself is the stanu verb, not stát
        std::string longer;
        if (!k && ends_with(rest, "at") && rest != "stat" && (before_cluster_or_j(rest) || rest == "dat")) {
            longer = join(rest.substr(0, rest.size() - 2), "át");
            k = known(longer, kNothing);
        }
        if (!k) continue;
        // a word with a class entry of its own is taken for the verb behind
        // its prefix only when the two are of one class (odmyslet, myslet;
        // but svědět is no s-vědět)
        if (cls && *cls != (k->cls ? *k->cls : class_by_ending(k->base))) continue;
        k->head.insert(0, p);
        if (!negation) {
            k->prefixed = true;
            k->no_passive = false;
        }
        if (cls) k->cls = cls;
        if (no_passive) k->no_passive = true;
        return k;
    }
    if (cls || no_passive) return Known{cls, std::nullopt, std::string(word), {}, false, no_passive};
    return std::nullopt;
}

}  // namespace

constexpr std::string_view INFINITIVE_ENDINGS[] = {"t", "ti", "ct", "ci"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, INFINITIVE_ENDINGS, U"", true};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    auto lower = unicode::lower_word_of(text, SPELLING, lemma_char);
    if (!lower) return fail(Error{});
    Verb verb;
    verb.lemma = std::move(*lower);
    const std::string_view lemma = verb.lemma;
    auto k = known(lemma, kBoth);
    verb.no_passive = k && k->no_passive;
    verb.cls = k && k->cls ? *k->cls : class_by_ending(lemma);
    // A verb built on a row that the rules leave alone (vstát: no passive)
    // is left alone as well where the prefix shortened the ending (vyvstat).
    if (k && k->row && !carries_ending(k->base, k->cls ? *k->cls : class_by_ending(k->base)) &&
        carries_ending(lemma, verb.cls))
        for (Class c : {Class::I, Class::A, Class::Ne})
            if (!carries_ending(lemma, c)) {
                verb.cls = c;
                break;
            }
    // A verbal prefix may make a verb transitive that has no passive of its
    // own (zanedbat: zanedbán, posrat, vyzvědět: vyzvěděn; not ne-: nedbat);
    // where the rules give the base no forms but the prefixed verb has a
    // regular ending, it takes the passive that ending gives.
    bool own_passive = k && k->row && k->prefixed && !k->row->cells[10] &&
                       !carries_ending(k->base, k->cls ? *k->cls : class_by_ending(k->base)) &&
                       carries_ending(lemma, class_by_ending(lemma)) && !prefixes_keep_no_passive(k->base);
    if (own_passive) {
        Verb plain;
        plain.lemma = verb.lemma;
        plain.cls = class_by_ending(lemma);
        verb.passive_override = plain.passive_participle(MascAnimate, 0);
    }
    if (k && k->row) {
        const auto& c = k->row->cells;
        const std::string& head = k->head;
        auto take = [&head](const std::optional<std::string_view>& cell) -> std::optional<std::string> {
            if (!cell) return std::nullopt;
            return join(head, *cell);
        };
        for (std::size_t i = 0; i < 6; ++i) verb.present_override[i] = take(c[i]);
        // není, the negated je
        if (k->base == "být" && ends_with(head, "ne") && c[2] == std::optional<std::string_view>("je"))
            verb.present_override[2] = join(head, "ní");
        for (std::size_t i = 0; i < 3; ++i) verb.imperative_override[i] = take(c[6 + i]);
        verb.l_participle_override = take(c[9]);
        if (!own_passive && !(k->prefixed && passive_is_own(k->base))) verb.passive_override = take(c[10]);
        verb.transgressive_m_override = take(c[11]);
        verb.transgressive_fn_override = take(c[12]);
        verb.l_participle_fem_override = take(c[13]);
    } else {
        verb.long_ending = (verb.cls == Class::I && ends_with(lemma, "ít")) ||
                           (verb.cls == Class::A && ends_with(lemma, "át"));
    }
    return verb;
}

std::string_view Verb::stem() const noexcept {
    std::string_view l = lemma;
    std::string_view ending = class_ending(l, cls);
    if (long_ending) ending = cls == Class::A ? "át" : "ít";
    if (ends_with(l, ending)) return l.substr(0, l.size() - ending.size());
    return l;
}

std::optional<std::string> Verb::imperative(int person, int number) const {
    if (person == 0 && number == 0) return std::nullopt;
    if (number == 0 && imperative_override[0]) return imperative_override[0];
    if (number == 1 && person == 0 && imperative_override[1]) return imperative_override[1];
    if (number == 1 && person == 1 && imperative_override[2]) return imperative_override[2];
    std::string base;
    if (imperative_override[0]) {
        base = *imperative_override[0];
    } else if (has_stem()) {
        std::string_view s = stem();
        switch (cls) {
            case Class::Uje: base = join(s, "uj"); break;
            case Class::A: base = join(s, "ej"); break;
            case Class::EtEji: base = join(s, et_vowel(lemma), "j"); break;
            case Class::Ne: {
                // a vowel before -nout keeps the n soft and bare (miň, posuň,
                // zapomeň), and so does an r or l that is the syllable's
                // vowel (hrň, zahrň; but přilni)
                bool bare = s.empty() || is_vowel(utf8::last(s));
                if (!bare && (utf8::last(s) == U'r' || utf8::last(s) == U'l') && s.size() >= 2) {
                    char32_t before = utf8::decode_last(s, s.size() - 1).cp;
                    bare = !any_vowel(before);
                }
                base = join(s, bare ? "ň" : "ni");
                break;
            }
            case Class::I:
            case Class::EtI: {
                // After a cluster no Czech word ends in the bare stem takes -i:
                // urči, ušetři, modli, jezdi, čisti (but tvrď, plň, drž, where
                // r or l between consonants is itself the vowel).
                // The -et verbs keep st and št bare (pišť, šusť).
                bool st = cls == Class::EtI && (ends_with(s, "st") || ends_with(s, "št"));
                if (!st && ends_in_cluster(s)) {
                    base = join(s, "i");
                    break;
                }
                std::string bare = cls == Class::I ? shorten_last(s) : std::string(s);
                char32_t last = bare.empty() ? 0 : utf8::last(bare);
                std::string_view soft = last == U'd' ? "ď" : last == U'n' ? "ň" : last == U't' ? "ť" : "";
                base = soft.empty() ? bare : join(std::string_view(bare).substr(0, bare.size() - 1), soft);
                break;
            }
        }
    } else {
        return std::nullopt;
    }
    // A lemma that is nothing but its class ending ("it") leaves no base.
    if (base.empty()) return std::nullopt;
    if (number == 0) return base;
    std::string_view b = base;
    std::string plural_stem;
    if (ends_with(b, "i") && b.size() >= 2 && !is_vowel(utf8::last(b.substr(0, b.size() - 1)))) {
        std::string_view before = b.substr(0, b.size() - 1);
        plural_stem = join(before, e_after(before));
    } else {
        plural_stem = base;
    }
    return join(plural_stem, person == 0 ? "me" : "te");
}

std::string Verb::inflect_ptcp(std::string_view form, int gender, int number) {
    std::string_view ending;
    if (number == 0) {
        ending = gender == Feminine ? "a" : gender == Neuter ? "o" : "";
    } else {
        ending = gender == MascAnimate ? "i" : gender == Neuter ? "a" : "y";
    }
    return join(form, ending);
}

std::string Verb::past_participle(int gender, int number) const {
    bool masc_sg = number == 0 && (gender == MascAnimate || gender == MascInanimate);
    if (!masc_sg && l_participle_fem_override) {
        std::string_view f = *l_participle_fem_override;
        if (ends_with(f, "a")) f.remove_suffix(1);
        std::string joined = join(f, "#", inflect_ptcp("", gender, number));
        std::string out;
        out.reserve(joined.size());
        for (char ch : joined)
            if (ch != '#') out.push_back(ch);
        return out;
    }
    std::string masc;
    if (l_participle_override) {
        masc = *l_participle_override;
    } else if (long_ending) {
        masc = join(stem(), cls == Class::I ? "il" : "al");
    } else {
        std::string_view l = lemma;
        if (l.size() < 4) {
            masc = join(utf8::drop_last_chars(l, 1), "l");
        } else if (ends_with(l, "nout")) {
            // consonant stems lose the -nu- (tiskl, stárl), but not after a
            // vowel, after l or after an r that is the syllable's vowel
            // (minul, přilnul, hrnul)
            std::string_view rest = l.substr(0, l.size() - 4);
            char32_t last = utf8::last(rest);
            bool syllabic_r = last == U'r' && rest.size() >= 2 && !any_vowel(utf8::decode_last(rest, rest.size() - 1).cp);
            bool keep = rest.empty() || is_vowel(last) || last == U'l' || syllabic_r;
            masc = join(rest, keep ? "nul" : "l");
        } else {
            masc = join(utf8::drop_last_chars(l, 1), "l");
        }
    }
    return inflect_ptcp(masc, gender, number);
}

std::optional<std::string> Verb::passive_participle(int gender, int number) const {
    std::string masc;
    if (no_passive) return std::nullopt;
    if (passive_override) {
        masc = *passive_override;
    } else if (has_stem()) {
        std::string_view l = lemma;
        std::string_view s = stem();
        if (long_ending) {
            // mstěn, zazděn, but pohřben, zasklen; dbán
            char32_t last = utf8::last(s);
            if (cls == Class::A) masc = join(s, "án");
            else masc = join(s, last == U't' || last == U'd' || last == U'n' ? "ěn" : "en");
        } else if (l.size() >= 4 && ends_with(l, "ovat")) {
            masc = join(s, "ován");
        } else if (ends_with(l, "nout")) {
            masc = join(l.substr(0, l.size() - 4), "nut");
        } else if (l.size() >= 2 && ends_with(l, "at")) {
            masc = join(s, "án");
        } else if (cls == Class::I && ends_with(l, "it")) {
            masc = i_passive(s);
        } else if (cls == Class::EtI || cls == Class::EtEji) {
            masc = join(s, et_vowel(l), "n");
        } else {
            masc = join(s, "en");
        }
    } else {
        return std::nullopt;
    }
    return inflect_ptcp(masc, gender, number);
}

std::optional<std::string> Verb::transgressive(int slot) const {
    std::optional<std::string> form;
    bool masculine = slot == 0;
    if (masculine ? transgressive_m_override.has_value() : transgressive_fn_override.has_value()) {
        form = masculine ? transgressive_m_override : transgressive_fn_override;
    } else if (has_stem() && present_override[5] && ends_with(*present_override[5], "ou")) {
        // A present in -ou gives the transgressive of its own stem (vecpou:
        // vecpa, vecpouc; mažou: maže, mažíc).
        std::string_view p = *present_override[5];
        p.remove_suffix(2);
        char32_t last = utf8::last(p);
        if (last == U'ň' || last == U'ď' || last == U'ť') {
            // stůňou: stůně, stůníc (ň, ď, ť are written n, d, t before ě and í)
            std::string_view hard = last == U'ň' ? "n" : last == U'ď' ? "d" : "t";
            form = join(utf8::drop_last_chars(p, 1), hard, masculine ? "ě" : "íc");
        } else if (soft_consonant(last)) {
            form = join(p, masculine ? "e" : "íc");
        } else {
            form = join(p, masculine ? "a" : "ouc");
        }
    } else if (has_stem()) {
        std::string_view s = stem();
        switch (cls) {
            case Class::Uje: form = join(s, masculine ? "uje" : "ujíc"); break;
            case Class::A: form = join(s, masculine ? "aje" : "ajíc"); break;
            case Class::I: form = masculine ? join(s, e_after(s)) : join(s, "íc"); break;
            case Class::EtI: form = masculine ? join(s, et_vowel(lemma)) : join(s, "íc"); break;
            case Class::EtEji: form = join(s, et_vowel(lemma), masculine ? "je" : "jíc"); break;
            case Class::Ne: form = join(s, masculine ? "na" : "nouc"); break;
        }
    }
    if (slot == 2 && form) form->push_back('e');
    return form;
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    if (auto entry = find_aspect(verb.lemma)) {
        t.aspect = std::string(entry->first);
        if (!entry->second.empty()) t.aspect_partner = std::string(entry->second);
    }
    std::string_view stem = verb.stem();
    const auto& endings = kPresentEndings[static_cast<int>(verb.cls)];
    for (std::size_t p = 0; p < 6; ++p) {
        if (verb.present_override[p]) {
            t.present[p] = *verb.present_override[p];
        } else if (verb.cls == Class::EtEji && p == 5) {
            t.present[p] = join(stem, et_vowel(verb.lemma), "jí");
        } else {
            t.present[p] = join(stem, endings[p]);
        }
    }
    t.imperative = {verb.imperative(1, 0), verb.imperative(0, 1), verb.imperative(1, 1)};
    static constexpr std::array<std::pair<int, int>, 6> kSlots = {{
        {MascAnimate, 0}, {Feminine, 0}, {Neuter, 0}, {MascAnimate, 1}, {Feminine, 1}, {Neuter, 1}}};
    for (std::size_t i = 0; i < 6; ++i) t.past_participle[i] = verb.past_participle(kSlots[i].first, kSlots[i].second);
    const std::string& sg = t.past_participle[0];
    const std::string& pl = t.past_participle[3];
    t.minuly_cas = {sg + " jsem", sg + " jsi", sg, pl + " jsme", pl + " jste", pl};
    t.kondicional = {sg + " bych", sg + " bys", sg + " by", pl + " bychom", pl + " byste", pl + " by"};
    if (verb.passive_participle(MascAnimate, 0)) {
        Row6 passive;
        for (std::size_t i = 0; i < 6; ++i)
            passive[i] = verb.passive_participle(kSlots[i].first, kSlots[i].second).value_or(std::string());
        t.passive_participle = std::move(passive);
    }
    t.transgressive = {verb.transgressive(0), verb.transgressive(1), verb.transgressive(2)};
    return t;
}

}  // namespace velnor::ces
