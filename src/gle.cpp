#include "gle.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::gle {

using text::join;
using utf8::ends_with;
namespace {

using Set = std::array<std::string_view, 5>;  // one ending per class 0..4

// Class ending sets.
constexpr Set PRESENT_BASE{"ann", "eann", "aíonn", "íonn", "nn"};
constexpr Set SG1{"aim", "im", "aím", "ím", "im"};
constexpr Set PRESENT_1PL{"aimid", "imid", "aímid", "ímid", "imid"};
constexpr Set PRESENT_AUTO{"tar", "tear", "aítear", "ítear", "itear"};
constexpr Set PAST_SUFFIX{"", "", "aigh", "igh", ""};  // class 4 uses the lemma
constexpr Set PAST_1PL{"amar", "eamar", "aíomar", "íomar", "mar"};
constexpr Set PAST_3PL{"adar", "eadar", "aíodar", "íodar", "dar"};
constexpr Set ADH{"adh", "eadh", "aíodh", "íodh", "dh"};
constexpr Set HABITUAL_1SG{"ainn", "inn", "aínn", "ínn", "inn"};
constexpr Set AIMIS{"aimis", "imis", "aímis", "ímis", "imis"};
constexpr Set AIDIS{"aidís", "idís", "aídís", "ídís", "idís"};
constexpr Set FUTURE{"faidh", "fidh", "óidh", "eoidh", "faidh"};
constexpr Set IMPERATIVE_2PL{"aigí", "igí", "aígí", "ígí", "igí"};
constexpr Set SUBJUNCTIVE{"a", "e", "aí", "í", ""};
constexpr Set VERBAL_NOUN{"adh", "eadh", "ú", "iú", "dh"};
constexpr Set VERBAL_ADJECTIVE{"ta", "te", "aithe", "ithe", "ite"};

struct IrregularPast {
    std::string_view lemma;
    std::string_view stem;
};
constexpr IrregularPast IRREGULAR_PAST[] = {
    {"tar", "tánga"}, {"clois", "cuala"}, {"cluin", "cuala"}, {"abair", "dúra"}, {"téigh", "cua"},
};

// Finished slot forms of the irregular verbs that neither the class endings
// nor a lexicon row can give (they are final: no lenition is applied).
struct Fixed {
    std::string_view lemma;
    int tense;
    int person;
    std::string_view form;
};
constexpr Fixed FIXED[] = {
    {"bí", Past, Autonomous, "bhíothas"},
    {"bí", Conditional, Base, "bheadh"},
    {"bí", Subjunctive, Base, "raibh"},
    {"bí", Subjunctive, Autonomous, "rabhthar"},
    {"téigh", Past, Autonomous, "chuathas"},
    {"tar", Past, Autonomous, "thángthas"},
    {"clois", Past, Autonomous, "chualathas"},
    {"cluin", Past, Autonomous, "chualathas"},
    {"feic", Past, Autonomous, "chonacthas"},
    {"faigh", Past, Autonomous, "fuarthas"},
    {"déan", Past, Pl1, "rinneamar"},
    {"déan", Past, Pl3, "rinneadar"},
    {"déan", Past, Autonomous, "rinneadh"},
    {"abair", Imperative, Base, "abradh"},
    {"abair", Imperative, Sg1, "abraim"},
    {"abair", Imperative, Pl1, "abraimis"},
    {"abair", Imperative, Pl3, "abraidís"},
    {"abair", Imperative, Autonomous, "abairtear"},
};

std::optional<std::string_view> fixed_form(std::string_view lemma, int tense, int person) {
    for (const Fixed& f : FIXED) {
        if (f.lemma == lemma && f.tense == tense && f.person == person) return f.form;
    }
    return std::nullopt;
}

std::optional<std::string_view> cell(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return c;
}

std::string_view cut(std::string_view s, std::string_view suffix) {
    return ends_with(s, suffix) ? s.substr(0, s.size() - suffix.size()) : s;
}

bool is_lemma_char(char32_t c) { return c == U'-' || c == U'\'' || unicode::is_lemma_letter(c); }

bool is_irish_vowel(char32_t c) {
    switch (c) {
        case U'a': case U'e': case U'i': case U'o': case U'u':
        case U'á': case U'é': case U'í': case U'ó': case U'ú':
            return true;
        default:
            return false;
    }
}

// A cut future base in -bh loses it before an ending in f: geobh- + -fá gives geofá.
std::string_view drop_bh(std::string_view cut_base) {
    return cut_base.size() >= 2 && ends_with(cut_base, "bh") ? cut_base.substr(0, cut_base.size() - 2) : cut_base;
}

std::optional<std::string_view> irregular_past_stem(std::string_view lemma) {
    for (const IrregularPast& p : IRREGULAR_PAST) {
        if (p.lemma == lemma) return p.stem;
    }
    return std::nullopt;
}

// Tenses whose forms take lenition: past, past habitual, conditional.
bool lenited_tense(int tense) { return tense == Past || tense == PastHabitual || tense == Conditional; }

// Irish leaves some irregular forms unlenited: every form of "abair"
// (dúirt, deireadh, déarfadh) and the past of "faigh" (fuair).
bool lenites(std::string_view lemma, int tense) {
    if (!lenited_tense(tense)) return false;
    if (lemma == "abair") return false;
    if (lemma == "faigh" && tense == Past) return false;
    return true;
}

}  // namespace

// A later row with the same lemma replaces an earlier one.
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::gle.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<9>(*line);
    return Row{cell(c[1]), cell(c[2]), cell(c[3]), cell(c[4]), cell(c[5]), cell(c[6]), cell(c[7]), cell(c[8])};
}

bool broad_final(std::string_view word) noexcept {
    std::size_t end = word.size();
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(word, end);
        end -= d.len;
        switch (d.cp) {
            case U'a': case U'o': case U'u': case U'á': case U'ó': case U'ú':
                return true;
            case U'e': case U'i': case U'é': case U'í':
                return false;
            default:
                break;
        }
    }
    return true;
}

constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-'"};

namespace {

// Verbs that are never the base of a compound: the irregular verbs, whose
// forms are their own, and lámhaigh and tarlaigh, whose look-alikes are verbs
// of their own (forlámhaigh, comhtharlaigh).
constexpr std::string_view NO_BASE[] = {"abair", "beir", "bí",   "clois",   "cluin",   "déan",    "faigh",
                                        "feic",  "ith",  "tabhair", "tar", "téigh", "lámhaigh", "tarlaigh"};

// Prefixes before a listed verb, and whether they lenite it (athdhéan, dícheangail,
// clóchuir). A hyphen may stand between a prefix and its verb (dí-adhlaic).
struct Prefix {
    std::string_view text;
    bool lenites;
};
constexpr Prefix PREFIXES[] = {
    {"ath", true}, {"fo", true},  {"im", true},    {"dí", true},  {"idir", true}, {"frith", true},
    {"cló", true}, {"ais", true}, {"comh", true},  {"réamh", true}, {"for", true},
    {"ró", true},  {"sár", true}, {"tras", false}, {"droch", true},
};

// The consonants that lenition writes with an h after them.
bool lenitable(char32_t c) {
    return c == U'b' || c == U'c' || c == U'd' || c == U'f' || c == U'g' || c == U'm' || c == U'p' || c == U's' ||
           c == U't';
}

// The row's cell as the compound writes it: behind the prefix, lenited when
// the compound lenites its base (ath + déanann > athdhéanann).
std::optional<std::string> compound_cell(const std::optional<std::string_view>& c, std::string_view prefix,
                                         bool lenited, char initial) {
    if (!c) return std::nullopt;
    if (lenited && !c->empty() && c->front() == initial) return join(prefix, c->substr(0, 1), "h", c->substr(1));
    return join(prefix, *c);
}

Parts owned(const Row& r, std::string_view prefix = {}, bool lenited = false, char initial = 0) {
    return Parts{compound_cell(r.prs_base, prefix, lenited, initial), compound_cell(r.pst_base, prefix, lenited, initial),
                 compound_cell(r.fut_base, prefix, lenited, initial), compound_cell(r.vn, prefix, lenited, initial),
                 compound_cell(r.ptcp, prefix, lenited, initial),     compound_cell(r.imp2sg, prefix, lenited, initial),
                 compound_cell(r.imp2pl, prefix, lenited, initial),   compound_cell(r.prs_auto, prefix, lenited, initial)};
}

// A compound of a known prefix and a listed verb takes the verb's parts:
// atóg (ath + tóg, the t shared) atógann, atógáil; folean foleanúint;
// athdhéan from déan.
std::optional<Parts> compound_parts(std::string_view lemma) {
    auto try_base = [&](std::string_view prefix, std::string_view rest, bool lenites) -> std::optional<Parts> {
        if (utf8::length(rest) < 2) return std::nullopt;
        const bool lenited = lenites && rest.size() > 2 && rest[1] == 'h' && lenitable(rest[0]);
        const std::string base = lenited ? join(rest.substr(0, 1), rest.substr(2)) : std::string(rest);
        if (std::find(std::begin(NO_BASE), std::end(NO_BASE), base) != std::end(NO_BASE)) return std::nullopt;
        auto row = find_row(base);
        if (!row) return std::nullopt;
        return owned(*row, prefix, lenited, base.front());
    };
    // ath- before t is written a- (atóg, atarraing).
    if (lemma.size() > 3 && lemma[0] == 'a' && lemma[1] == 't') {
        if (auto p = try_base("a", lemma.substr(1), false)) return p;
    }
    for (const Prefix& p : PREFIXES) {
        if (lemma.size() > p.text.size() && lemma.substr(0, p.text.size()) == p.text) {
            std::size_t end = p.text.size();
            if (lemma[end] == '-') ++end;
            if (auto parts = try_base(lemma.substr(0, end), lemma.substr(end), p.lenites)) return parts;
        }
    }
    // Any other word before a hyphen (mí-, neamh-, do-) leaves the verb behind
    // it to give the parts, a listed verb or a compound (mí-bain, mí-atóg).
    const std::size_t hyphen = lemma.rfind('-');
    if (hyphen != std::string_view::npos && hyphen > 0) {
        const std::string_view head = lemma.substr(0, hyphen + 1);
        if (auto parts = try_base(head, lemma.substr(hyphen + 1), false)) return parts;
        if (auto inner = compound_parts(lemma.substr(hyphen + 1))) {
            for (auto* f : {&inner->prs_base, &inner->pst_base, &inner->fut_base, &inner->vn, &inner->ptcp,
                            &inner->imp2sg, &inner->imp2pl, &inner->prs_auto})
                if (*f) f->emplace(join(head, **f));
            return inner;
        }
    }
    return std::nullopt;
}

// The last group of vowels of a word: its start and its end (bytes).
struct VowelGroup {
    std::size_t start = 0;
    std::size_t end = 0;
    bool found = false;
};
VowelGroup last_vowel_group(std::string_view w) {
    VowelGroup g;
    std::size_t at = w.size();
    while (at > 0) {
        utf8::Decoded d = utf8::decode_last(w, at);
        std::size_t before = at - d.len;
        if (is_irish_vowel(d.cp)) {
            if (!g.found) g.end = at;
            g.found = true;
            g.start = before;
        } else if (g.found) {
            break;
        }
        at = before;
    }
    return g;
}

// The parts and class a lemma without a row takes from its shape.
//  - -áil (-eáil, -uáil): broad before the endings, slender in the past, the
//    verbal noun and the autonomous (adharcáil: adharcálann, adharcáil,
//    adharcáiltear; baiceáil: baiceálann);
//  - two syllables in a short (a)i before l, n, r: the second conjugation
//    with the second syllable syncopated (aifir: aifríonn, aifrím; oscail:
//    osclaíonn), past base the lemma, verbal noun in -t;
//  - -úil, -óil: broadened (barúil: barúlann; diúil: diúlann, diúlta), past
//    base the lemma;
//  - a long vowel (á, ó, ú, ao, eo, ua) + igh: vowel-final (breoigh: breonn);
//  - one syllable in -igh, -ígh: as nigh (blíonn, blífidh, blite).
void shape_class(Verb& verb) {
    const std::string_view lemma = verb.lemma;
    const VowelGroup g = last_vowel_group(lemma);
    if (!g.found || g.start == 0) return;
    const std::string_view group = lemma.substr(g.start, g.end - g.start);
    const std::string_view coda = lemma.substr(g.end);
    const std::string_view front = lemma.substr(0, g.start);
    // the syllables of the verb behind a hyphen (mí-bain is bain: bainfidh)
    const std::size_t hyphen = front.rfind('-');
    const bool polysyllabic =
        last_vowel_group(hyphen == std::string_view::npos ? front : front.substr(hyphen + 1)).found;
    Parts& p = verb.row;
    // One syllable of consonants and i or í before gh (bligh, dligh, fígh,
    // rígh, as nigh): a long í before the endings and in the future and
    // verbal noun, a short i before -te and -tear (blíonn, blífidh, dlí,
    // blite, blitear).
    if (coda == "gh" && !polysyllabic && !front.empty() && (group == "i" || group == "í")) {
        verb.stem = std::string(front);
        verb.cls = 3;
        p.fut_base = join(front, "ífidh");
        p.vn = join(front, "í");
        p.ptcp = join(front, "ite");
        p.prs_auto = join(front, "itear");
        return;
    }
    if (coda == "gh" && lemma.size() > 3 && ends_with(lemma, "igh")) {
        const std::string_view v = group.substr(0, group.size() - 1);  // the vowels before the i
        if (v == "á" || v == "ó" || v == "ú" || v == "ao" || v == "eo" || v == "ua") {
            verb.stem = std::string(cut(lemma, "igh"));
            verb.cls = 4;
        }
        return;
    }
    if ((group == "ái" || group == "eái" || group == "uái") && coda == "l" && polysyllabic) {
        verb.stem = join(front, group.substr(0, group.size() - 1), "l");  // baiceáil: baiceál-
        verb.cls = 0;
        p.pst_base = std::string(lemma);
        p.vn = std::string(lemma);
        p.ptcp = join(lemma, "te");
        p.prs_auto = join(lemma, "tear");
        return;
    }
    if ((group == "ai" || group == "i") && (coda == "l" || coda == "n" || coda == "r") && polysyllabic &&
        !front.empty() && !is_irish_vowel(utf8::last(front))) {
        const bool broad = group == "ai";
        verb.stem = join(front, coda);
        verb.cls = broad ? 2 : 3;
        p.pst_base = std::string(lemma);
        p.vn = join(lemma, "t");
        if (coda == "r") p.ptcp = join(front, broad ? "artha" : "eartha");
        else if (coda == "n") p.ptcp = join(front, broad ? "anta" : "eanta");
        else p.ptcp = join(lemma, "te");  // -l: oscailte, cuimilte
        return;
    }
    if ((ends_with(group, "úi") || ends_with(group, "ói")) && coda == "l") {
        verb.stem = join(front, group.substr(0, group.size() - 1), coda);
        verb.cls = 0;
        p.pst_base = std::string(lemma);
    }
}

// The verbal adjective of the first conjugation by the stem's last letters:
// -tha/-the after b, c, g, m, p, r (glactha, oirthe), -fa/-fe for -bh, -mh
// (scríofa, leafa), a stem in -t or -th takes only the vowel (dochta, caite).
std::string first_verbal_adjective(std::string_view stem, bool broad) {
    const std::string_view a = broad ? "a" : "e";
    if (ends_with(stem, "bh") || ends_with(stem, "mh")) return join(stem.substr(0, stem.size() - 2), "f", a);
    if (ends_with(stem, "th")) return join(stem.substr(0, stem.size() - 1), a);
    const char last = stem.empty() ? '\0' : stem.back();
    if (last == 't') return join(stem, a);
    if (last == 'b' || last == 'c' || last == 'g' || last == 'm' || last == 'p' || last == 'r')
        return join(stem, "t", "h", a);
    return join(stem, "t", a);
}

}  // namespace

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    auto lower = unicode::lower_word_of(text, SPELLING, is_lemma_char);
    if (!lower) return fail(Error{});
    Verb verb;
    verb.lemma = std::move(*lower);
    const std::string_view lemma = verb.lemma;
    bool listed = false;
    if (auto row = find_row(lemma)) {
        verb.row = owned(*row);
        listed = true;
    } else if (auto parts = compound_parts(lemma)) {
        verb.row = std::move(*parts);
        listed = true;
    }

    std::string base;
    if (verb.row.prs_base) {
        base = *verb.row.prs_base;
    } else if (lemma.size() >= 4 && ends_with(lemma, "aigh")) {
        base = join(cut(lemma, "aigh"), "aíonn");
    } else if (lemma.size() >= 3 && ends_with(lemma, "igh")) {
        base = join(cut(lemma, "igh"), "íonn");
    } else {
        base = join(lemma, broad_final(lemma) ? "ann" : "eann");
    }

    std::string_view b = base;
    if (lemma.size() >= 5 && ends_with(lemma, "éigh")) {
        verb.stem = join(cut(lemma, "éigh"), "é");
        verb.cls = 4;
    } else if (ends_with(b, "aíonn")) {
        verb.stem = std::string(cut(b, "aíonn"));
        verb.cls = 2;
    } else if (ends_with(b, "íonn")) {
        verb.stem = std::string(cut(b, "íonn"));
        verb.cls = 3;
    } else if (ends_with(b, "eann")) {
        verb.stem = std::string(cut(b, "eann"));
        verb.cls = 1;
    } else if (ends_with(b, "ann")) {
        verb.stem = std::string(cut(b, "ann"));
        verb.cls = 0;
    } else if (b.size() > 2 && ends_with(b, "nn") &&
               [](char32_t c) {
                   return c == U'o' || c == U'e' || c == U'á' || c == U'é' || c == U'í' || c == U'ó' || c == U'ú';
               }(utf8::last(b.substr(0, b.size() - 2)))) {
        verb.stem = std::string(cut(b, "nn"));
        verb.cls = 4;
    } else {
        verb.stem = base;
        verb.cls = broad_final(b) ? 0 : 1;
    }
    if (!listed) shape_class(verb);
    if (verb.cls <= 1) {
        if (!verb.row.ptcp) verb.row.ptcp = first_verbal_adjective(verb.stem, verb.cls == 0);
        // A stem in -t or -th takes the autonomous -ar/-ear (nochtar, caitear).
        if (!verb.row.prs_auto && (ends_with(verb.stem, "t") || ends_with(verb.stem, "th")))
            verb.row.prs_auto = join(cut(verb.stem, "h"), verb.cls == 0 ? "ar" : "ear");
    }
    return verb;
}

std::optional<std::string> Verb::form(int tense, int person) const {
    const std::size_t k = static_cast<std::size_t>(cls);
    auto with = [&](const Set& set) { return join(stem, set[k]); };
    // Class 4 stems in -é (léigh, téigh) take a broad -adh.
    const bool e_stem = cls == 4 && ends_with(stem, "é");

    const std::string pa = row.prs_auto ? std::string(*row.prs_auto) : with(PRESENT_AUTO);

    switch (tense) {
        case Present:
            switch (person) {
                case Base: return row.prs_base ? std::string(*row.prs_base) : with(PRESENT_BASE);
                case Sg1: return with(SG1);
                case Pl1: return with(PRESENT_1PL);
                case Autonomous: return pa;
                default: return std::nullopt;
            }
        case Past: {
            const std::string pb = row.pst_base ? std::string(*row.pst_base)
                                   : cls == 4   ? lemma
                                                : with(PAST_SUFFIX);
            if (person == Base) return pb;
            if (person != Pl1 && person != Pl3 && person != Autonomous) return std::nullopt;
            const auto irregular = irregular_past_stem(lemma);
            const bool special = row.pst_base && !ends_with(pb, "igh") && pb != lemma && !pb.empty() &&
                                 !is_irish_vowel(utf8::last(pb));
            const bool broad = broad_final(pb);
            if (person == Autonomous) {
                if (lemma == "téigh") return std::string("cuathas");
                if (lemma == "abair") return std::string("dúradh");
                if (lemma == "tar") return std::string("tángthas");
                if (irregular) return join(*irregular, "thas");
                if (special) return join(pb, broad ? "adh" : "eadh");
                if (e_stem) return join(stem, "adh");
                return with(ADH);
            }
            const bool first = person == Pl1;
            if (irregular) return join(*irregular, first ? "mar" : "dar");
            if (special) return join(pb, first ? (broad ? "amar" : "eamar") : (broad ? "adar" : "eadar"));
            if (e_stem) return join(stem, first ? "amar" : "adar");
            return with(first ? PAST_1PL : PAST_3PL);
        }
        case PastHabitual: {
            const std::string_view as = cut(pa, "ar");
            switch (person) {
                case Base: return e_stem ? join(stem, "adh") : with(ADH);
                case Sg1: return with(HABITUAL_1SG);
                case Sg2: return join(as, "á");
                case Pl1: return with(AIMIS);
                case Pl3: return with(AIDIS);
                case Autonomous:
                    if (ends_with(as, "e")) return join(cut(as, "e"), "í");
                    // A stem in -eá would double its vowel: it takes -í like a slender one.
                    if (ends_with(as, "eá")) return join(cut(as, "á"), "í");
                    return join(as, "aí");
                default: return std::nullopt;
            }
        }
        case Future:
        case Conditional: {
            const std::string fb = row.fut_base ? std::string(*row.fut_base) : with(FUTURE);
            const std::string_view f = fb;
            const bool long5 = f.size() >= 5;
            if (tense == Future) {
                switch (person) {
                    case Base: return fb;
                    case Pl1: return join(cut(f, "idh"), "imid");
                    case Autonomous: {
                        // The same cuts as the conditional below: molf-ar, ceannó-far,
                        // brisf-ear, and with an f after the bare stems rach-far,
                        // gheo(bh)-far, bei-fear.
                        if (long5 && ends_with(f, "faidh")) return join(cut(f, "aidh"), "ar");
                        if (long5 && (ends_with(f, "óidh") || ends_with(f, "eoidh"))) return join(cut(f, "idh"), "far");
                        if (long5 && ends_with(f, "fidh")) return join(cut(f, "idh"), "ear");
                        if (ends_with(f, "aidh")) return join(drop_bh(cut(f, "aidh")), "far");
                        if (ends_with(f, "idh")) return join(drop_bh(cut(f, "dh")), "fear");
                        return std::nullopt;
                    }
                    default: return std::nullopt;
                }
            }
            if (person == Base) {
                if (long5 && (ends_with(f, "faidh") || ends_with(f, "óidh") || ends_with(f, "eoidh")))
                    return join(cut(f, "idh"), "dh");
                if (ends_with(f, "fidh")) return join(cut(f, "fidh"), "feadh");
                if (ends_with(f, "idh")) return join(cut(f, "idh"), "dh");
                return join(f, "dh");
            }
            // Cut from the future base and the endings 1sg, 2sg, 1pl, 3pl, autonomous.
            std::string_view stem_c;
            std::array<std::string_view, 5> endings;
            if (long5 && ends_with(f, "faidh")) {
                stem_c = cut(f, "aidh");
                endings = {"ainn", "á", "aimis", "aidís", "aí"};
            } else if (long5 && (ends_with(f, "óidh") || ends_with(f, "eoidh"))) {
                stem_c = cut(f, "idh");
                endings = {"inn", "fá", "imis", "idís", "faí"};
            } else if (long5 && ends_with(f, "fidh")) {
                stem_c = cut(f, "idh");
                endings = {"inn", "eá", "imis", "idís", "í"};
            } else if (ends_with(f, "aidh")) {
                stem_c = cut(f, "aidh");
                endings = {"ainn", "fá", "aimis", "aidís", "faí"};
            } else if (ends_with(f, "idh")) {
                stem_c = cut(f, "dh");
                endings = {"nn", "feá", "mis", "dís", "fí"};
            } else {
                return std::nullopt;
            }
            std::size_t slot;
            switch (person) {
                case Sg1: slot = 0; break;
                case Sg2: slot = 1; break;
                case Pl1: slot = 2; break;
                case Pl3: slot = 3; break;
                case Autonomous: slot = 4; break;
                default: return std::nullopt;
            }
            const std::string_view ending = endings[slot];
            return join(ending.front() == 'f' ? drop_bh(stem_c) : stem_c, ending);
        }
        case Imperative:
            switch (person) {
                case Base: return e_stem ? join(stem, "adh") : with(ADH);
                case Sg1: return with(SG1);
                case Sg2: return row.imp2sg ? std::string(*row.imp2sg) : lemma;
                case Pl1: return with(AIMIS);
                case Pl2: return row.imp2pl ? std::string(*row.imp2pl) : with(IMPERATIVE_2PL);
                case Pl3: return with(AIDIS);
                case Autonomous: return pa;
                default: return std::nullopt;
            }
        case Subjunctive:
            switch (person) {
                case Base: return with(SUBJUNCTIVE);
                case Autonomous: return pa;
                default: return std::nullopt;
            }
        default:
            return std::nullopt;
    }
}

std::string Verb::lenite(std::string_view word) {
    if (word.empty()) return {};
    const utf8::Decoded d = utf8::decode(word, 0);
    const std::string_view rest = word.substr(d.len);
    const char32_t c = d.cp;
    // A consonant already followed by h is lenited (gheobhaidh): never twice.
    if (lenitable(c) && !rest.empty() && rest.front() == 'h') return std::string(word);
    if (is_irish_vowel(c)) return join("d'", word);
    if (c == U'b' || c == U'c' || c == U'd' || c == U'g' || c == U'm' || c == U'p' || c == U't') {
        std::string out;
        out.reserve(word.size() + 1);
        out.append(word.substr(0, d.len));
        out.push_back('h');
        out.append(rest);
        return out;
    }
    if (c == U'f') return join("d'fh", rest);
    if (c == U's' && !rest.empty()) {
        const char32_t n = utf8::first(rest);
        switch (n) {
            case U'a': case U'e': case U'i': case U'o': case U'u':
            case U'á': case U'é': case U'í': case U'ó': case U'ú':
            case U'l': case U'n': case U'r':
                return join("sh", rest);
            default:
                break;
        }
    }
    return std::string(word);
}

Row7 Table::row(const Verb& verb, int tense) {
    static constexpr const char* PRONOUN[] = {"", "mé", "tú", "muid", "sibh", "siad"};
    const bool len = lenites(verb.lemma, tense);
    auto slot = [&](int person) -> std::optional<std::string> {
        if (auto f = fixed_form(verb.lemma, tense, person)) return std::string(*f);
        auto f = verb.form(tense, person);
        if (f && len && (person != Autonomous || tense != Past)) return Verb::lenite(*f);
        return f;
    };
    const std::optional<std::string> base = slot(Base);
    auto analytic = [&](std::string_view pronoun) -> std::optional<std::string> {
        if (!base) return std::nullopt;
        std::string out = *base;
        out.push_back(' ');
        out.append(pronoun);
        return out;
    };
    Row7 r;
    const int persons[] = {Sg1, Sg2, Pl1, Pl2, Pl3};
    const std::size_t at[] = {0, 1, 3, 4, 5};
    for (std::size_t i = 0; i < 5; ++i) {
        auto f = slot(persons[i]);
        r[at[i]] = f ? std::move(f) : analytic(PRONOUN[persons[i]]);
    }
    r[2] = analytic("sé/sí");
    r[6] = slot(Autonomous);
    return r;
}

Table Table::build(const Verb& verb) {
    const std::size_t k = static_cast<std::size_t>(verb.cls);
    Table t;
    t.lemma = verb.lemma;
    t.verbal_noun = verb.row.vn ? std::string(*verb.row.vn) : join(verb.stem, VERBAL_NOUN[k]);
    t.verbal_adjective = verb.row.ptcp ? std::string(*verb.row.ptcp) : join(verb.stem, VERBAL_ADJECTIVE[k]);
    t.present = row(verb, Present);
    t.past = row(verb, Past);
    t.past_habitual = row(verb, PastHabitual);
    t.future = row(verb, Future);
    t.conditional = row(verb, Conditional);
    t.imperative = row(verb, Imperative);
    t.subjunctive = row(verb, Subjunctive);
    return t;
}

}  // namespace velnor::gle
