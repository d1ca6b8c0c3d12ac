#include "ita.hpp"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fatal.hpp"
#include "lexicon_table.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::ita {

using text::join;
namespace {

// ---- lexicon lookups ----
//
// Every lookup gives the row that a scan in text order would give (longest
// match first, the earlier row of equal matches).

struct IrregularMatch {
    std::string_view row;
    std::size_t base_length;  // bytes of the infinitive covered by the lemma
};

// A lemma with a trailing "+" is a base that also ends longer words;
// without it the lemma matches only the whole word.
std::optional<IrregularMatch> find_irregular(std::string_view inf) {
    const lex::Table& t = data::table::ita_irregular;
    // The word with a "+" after it, made once: every ending of it is the
    // base key of that ending of the word.
    std::string keyed;
    keyed.reserve(inf.size() + 1);
    keyed.assign(inf);
    keyed += '+';
    const std::string_view plus(keyed);
    // A match that covers the whole word: the exact lemma or a base equal to
    // the word, the earlier row winning.
    std::optional<std::string_view> whole = t.first(inf);
    if (auto b = t.first(plus); b && (!whole || b->data() < whole->data())) whole = b;
    if (whole) return IrregularMatch{*whole, inf.size()};
    // The longest base that is a proper ending of the word: the longest
    // lemma that ends the keyed word less its first letter.
    auto any = [](std::string_view) { return true; };
    if (auto m = lex::longest_suffix(t, plus.substr(1), any); m && m->at + 1 < inf.size())
        return IrregularMatch{m->line, inf.size() - 1 - m->at};
    return std::nullopt;
}

// The class of the lemma's first row (none for an unknown class text).
// Every row has its class cell (checked at build time).
std::optional<Class> find_class(std::string_view inf) {
    auto line = data::table::ita_classes.first(inf);
    if (!line || line->find('\t') == std::string_view::npos) return std::nullopt;
    std::string_view text = lex::cell_at(*line, 1);
    if (text == "plain") return Class::Plain;
    if (text == "ii") return Class::Ii;
    if (text == "etti") return Class::Etti;
    return std::nullopt;
}

// The longest lemma that ends the word (the whole word included), its first
// row (every row has its three cells, checked at build time).
std::optional<Strong> find_strong(std::string_view inf) {
    auto three = [](std::string_view line) { return lex::split<3>(line).count >= 3; };
    auto m = lex::longest_suffix(data::table::ita_strong, inf, three);
    if (!m) return std::nullopt;
    auto c = lex::split<3>(m->line);
    std::string_view prefix = inf.substr(0, m->at);
    auto with_prefix = [&](std::string_view form) {
        // "-" (and an empty cell) gives no form: never the bare prefix. "—"
        // says that the verb has no such form and takes no prefix either.
        if (form == lex::kNoForm) return std::string(form);
        return form == "-" || form.empty() ? std::string() : std::string(prefix) + std::string(form);
    };
    return Strong{with_prefix(c[1]), with_prefix(c[2])};
}

std::optional<std::string> optional_cell(std::string_view cell) { return text::own(lex::optional_cell(cell)); }

LexEntry parse_lex(std::string_view row) {
    auto c = lex::split<14>(row);
    if (c.count < 9) fatal("Italian irregular row without its nine required cells");
    LexEntry e;
    for (std::size_t i = 0; i < 6; ++i) e.pres[i] = std::string(c[1 + i]);
    e.subj6 = parse_lex_six(c[7]);
    e.pr6 = parse_lex_six(c[8]);
    e.fut_stem = optional_cell(c[9]);
    e.pp = optional_cell(c[10]);
    if (c[11].size() > 0 && c[11] != "-") e.impf6 = parse_lex_six(c[11]);
    e.ger = optional_cell(c[12]);
    e.imp2 = optional_cell(c[13]);
    return e;
}

// ---- endings ----

using Endings = std::array<std::string_view, 6>;

constexpr Endings PRESENT[3] = {
    {"o", "i", "a", "iamo", "ate", "ano"},
    {"o", "i", "e", "iamo", "ete", "ono"},
    {"isco", "isci", "isce", "iamo", "ite", "iscono"},
};
constexpr Endings PRESENT_IRE_PLAIN = {"o", "i", "e", "iamo", "ite", "ono"};
constexpr Endings IMPERFECT[3] = {
    {"avo", "avi", "ava", "avamo", "avate", "avano"},
    {"evo", "evi", "eva", "evamo", "evate", "evano"},
    {"ivo", "ivi", "iva", "ivamo", "ivate", "ivano"},
};
constexpr Endings PAST_HISTORIC[3] = {
    {"ai", "asti", "ò", "ammo", "aste", "arono"},
    {"ei", "esti", "é", "emmo", "este", "erono"},
    {"ii", "isti", "ì", "immo", "iste", "irono"},
};
constexpr Endings PAST_HISTORIC_ETTI = {"etti", "esti", "ette", "emmo", "este", "ettero"};
constexpr Endings SUBJUNCTIVE[3] = {
    {"i", "i", "i", "iamo", "iate", "ino"},
    {"a", "a", "a", "iamo", "iate", "ano"},
    {"isca", "isca", "isca", "iamo", "iate", "iscano"},
};
constexpr Endings SUBJUNCTIVE_IRE_PLAIN = {"a", "a", "a", "iamo", "iate", "ano"};
constexpr Endings SUBJUNCTIVE_IMPERFECT[3] = {
    {"assi", "assi", "asse", "assimo", "aste", "assero"},
    {"essi", "essi", "esse", "essimo", "este", "essero"},
    {"issi", "issi", "isse", "issimo", "iste", "issero"},
};
constexpr Endings FUTURE = {"ò", "ai", "à", "emo", "ete", "anno"};
constexpr Endings CONDITIONAL = {"ei", "esti", "ebbe", "emmo", "este", "ebbero"};
constexpr Endings IMPERFECT_SUBJUNCTIVE_TAIL = {"ssi", "ssi", "sse", "ssimo", "ste", "ssero"};

const Endings& endings(Tense tense, std::uint8_t conj, std::optional<Class> cls) {
    bool plain = cls == Class::Plain;
    switch (tense) {
        case Tense::Present: return conj == 2 && plain ? PRESENT_IRE_PLAIN : PRESENT[conj];
        case Tense::Imperfect: return IMPERFECT[conj];
        case Tense::PastHistoric: return conj == 1 && cls == Class::Etti ? PAST_HISTORIC_ETTI : PAST_HISTORIC[conj];
        case Tense::Future: return FUTURE;
        case Tense::Conditional: return CONDITIONAL;
        case Tense::SubjunctivePresent: return conj == 2 && plain ? SUBJUNCTIVE_IRE_PLAIN : SUBJUNCTIVE[conj];
        case Tense::SubjunctiveImperfect: return SUBJUNCTIVE_IMPERFECT[conj];
    }
    return PRESENT[conj];
}

bool is_stem_vowel(char32_t c) {
    switch (c) {
        case U'a': case U'e': case U'i': case U'o': case U'u':
        case U'à': case U'è': case U'é': case U'ì': case U'í': case U'ò': case U'ó': case U'ù': case U'ú':
            return true;
        default:
            return false;
    }
}

constexpr std::size_t slot(Person p, Number n) {
    return static_cast<std::size_t>(p) + 3 * static_cast<std::size_t>(n);
}

}  // namespace

Six parse_lex_six(std::string_view cell) {
    auto forms = lex::required_forms<6>(cell);
    Six out;
    for (std::size_t i = 0; i < 6; ++i) out[i] = std::string(forms[i]);
    return out;
}

std::string_view auxiliary(std::string_view infinitive) {
    // The last row of the lemma that has a TAB; "avere" without one.
    std::string_view aux = "avere";
    for (std::string_view line : data::table::ita_aux.rows(infinitive))
        if (line.find('\t') != std::string_view::npos) aux = lex::cell_at(line, 1);
    return aux;
}

namespace {

// A compound of fare that the lexicon does not list (confare, benfare,
// malfare, disassuefare, riconfare): "fare" after the Latin -e- of
// liquefare and its kin (arefare, tepefare), or after a chain of fare's
// prefixes (ri-, re-, then con-, dis-, s-, stra-, mal-, ben- and the doubled
// f of contraffare and sopraffare). Every other -fare verb is regular,
// whatever letter comes before: the Greek -grafare verbs (fotografare,
// telegrafare), parafare, tifare, schifare, trionfare, ronfare, tuffare,
// stufare, ingolfare.
bool is_fare_compound(std::string_view inf) {
    if (inf.size() <= 4 || !utf8::ends_with(inf, "fare")) return false;
    std::string_view p = inf.substr(0, inf.size() - 4);
    if (p.back() == 'e') return true;
    while (utf8::starts_with(p, "ri") || utf8::starts_with(p, "re")) p.remove_prefix(2);
    static constexpr std::string_view PREFIXES[] = {"", "con", "dis", "s", "stra", "mal", "ben",
                                                    "soddis", "contraf", "sopraf"};
    return std::find(std::begin(PREFIXES), std::end(PREFIXES), p) != std::end(PREFIXES);
}

}  // namespace

constexpr std::string_view INFINITIVE_ENDINGS[] = {"re", "are", "ere", "ire", "rre", "rsi", "arsi", "ersi", "irsi"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"", false, INFINITIVE_ENDINGS};

velnor::Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto word = unicode::word_of(text, SPELLING);
    if (!word) return velnor::fail(Error::NotAVerb);
    const std::string lower = unicode::to_lower(*word);
    const std::string_view inf = lower;
    // Digits, punctuation and symbols make no Italian infinitive ("x1are",
    // "a-b-are" would otherwise pass as -are verbs).
    for (char32_t c : utf8::chars(inf)) {
        if (!unicode::is_alphabetic(c)) return velnor::fail(Error::NotAVerb);
    }

    Verb v;
    v.infinitive = std::string(inf);
    std::optional<IrregularMatch> match = find_irregular(inf);
    bool fare_compound = false;
    if (!match && is_fare_compound(inf)) {
        match = find_irregular("fare");
        if (match) match->base_length = 4;
        fare_compound = true;
    }
    if (match) {
        v.prefix = std::string(inf.substr(0, inf.size() - match->base_length));
    }

    std::string_view ending = inf.size() >= 3 ? inf.substr(inf.size() - 3) : std::string_view();
    if (ending == "are" || ending == "ere" || ending == "ire") {
        v.conjugation = ending == "are" ? 0 : ending == "ere" ? 1 : 2;
        v.stem = std::string(inf.substr(0, inf.size() - 3));
    } else if (match) {
        v.conjugation = 1;
    } else {
        return velnor::fail(Error::Unsupported);
    }

    if (match) {
        v.lex = parse_lex(match->row);
        if (fare_compound) {
            // The compounds stress the last syllable: confà, confai.
            v.lex->pres[2] = "fà";
            v.lex->imp2 = "fai";
        }
        return v;
    }
    if (v.stem.empty()) return velnor::fail(Error::NotAVerb);
    bool vowel = false;
    for (char32_t c : utf8::chars(v.stem)) {
        if (is_stem_vowel(c)) {
            vowel = true;
            break;
        }
    }
    if (!vowel) return velnor::fail(Error::NotAVerb);
    v.cls = find_class(inf);
    // A verb made with ri- takes the class of its listed base (rieseguire:
    // riesèguo like eseguo).
    if (!v.cls && utf8::starts_with(inf, "ri") && inf.size() > 6) v.cls = find_class(inf.substr(2));
    v.strong = find_strong(inf);
    return v;
}

std::string Verb::attach(std::uint8_t conjugation, std::optional<Class> cls, std::string_view stem,
                         std::string_view ending) {
    std::string out;
    out.reserve(stem.size() + ending.size() + 1);
    out.append(stem);
    char32_t first = utf8::first(ending);
    if (conjugation == 0 && !ending.empty() && !out.empty() &&
        (first == U'e' || first == U'è' || first == U'é' || first == U'i') &&
        (out.back() == 'c' || out.back() == 'g')) {
        out.push_back('h');
    }
    if (first == U'i' && !out.empty() && out.back() == 'i' &&
        !(cls == Class::Ii && (ending == "i" || ending == "ino"))) {
        ending.remove_prefix(1);
    }
    out.append(ending);
    return out;
}

std::string Verb::future_stem() const {
    if (conjugation == 1) return join(stem, "er");
    if (conjugation == 2) return join(stem, "ir");
    std::string s = stem;
    if (!s.empty() && (s.back() == 'c' || s.back() == 'g')) {
        s.push_back('h');
    } else if ((utf8::ends_with(s, "ci") || utf8::ends_with(s, "gi")) && cls != Class::Ii) {
        // The i of "mangi-", "lasci-" only softens the consonant; the
        // stressed i of a verb like "sciare" stays (scierò).
        s.pop_back();
    }
    s.append("er");
    return s;
}

std::string Verb::conjugate(Tense tense, Person person, Number number) const {
    const std::size_t s = slot(person, number);
    if (lex) {
        switch (tense) {
            case Tense::Present: return join(prefix, lex->pres[s]);
            case Tense::Imperfect:
                if (lex->impf6) return join(prefix, (*lex->impf6)[s]);
                return attach(conjugation, cls, stem, IMPERFECT[conjugation][s]);
            case Tense::PastHistoric: return join(prefix, lex->pr6[s]);
            case Tense::Future:
            case Tense::Conditional: {
                const Endings& e = tense == Tense::Future ? FUTURE : CONDITIONAL;
                if (lex->fut_stem) return join(prefix, *lex->fut_stem, e[s]);
                return join(future_stem(), e[s]);
            }
            case Tense::SubjunctivePresent: return join(prefix, lex->subj6[s]);
            case Tense::SubjunctiveImperfect: {
                std::string_view base = lex->pr6[1];
                if (utf8::ends_with(base, "sti")) base.remove_suffix(3);
                return join(prefix, base, IMPERFECT_SUBJUNCTIVE_TAIL[s]);
            }
        }
    }
    if (tense == Tense::PastHistoric && strong && !strong->past.empty() && (s == 0 || s == 2 || s == 5)) {
        if (s == 0) return strong->past;
        std::string_view base = strong->past;
        if (base.back() == 'i') base.remove_suffix(1);
        return join(base, s == 2 ? "e" : "ero");
    }
    if (tense == Tense::Future) return join(future_stem(), FUTURE[s]);
    if (tense == Tense::Conditional) return join(future_stem(), CONDITIONAL[s]);
    return attach(conjugation, cls, stem, endings(tense, conjugation, cls)[s]);
}

std::string Verb::past_participle() const {
    if (lex && lex->pp) return join(prefix, *lex->pp);
    if (strong && !strong->participle.empty()) return strong->participle;
    static constexpr std::string_view PP[3] = {"ato", "uto", "ito"};
    return attach(conjugation, cls, stem, PP[conjugation]);
}

namespace {

struct AuxRows {
    Six rows[6];
};

const AuxRows AVERE = {{
    {"ho", "hai", "ha", "abbiamo", "avete", "hanno"},
    {"avevo", "avevi", "aveva", "avevamo", "avevate", "avevano"},
    {"avrò", "avrai", "avrà", "avremo", "avrete", "avranno"},
    {"avrei", "avresti", "avrebbe", "avremmo", "avreste", "avrebbero"},
    {"abbia", "abbia", "abbia", "abbiamo", "abbiate", "abbiano"},
    {"avessi", "avessi", "avesse", "avessimo", "aveste", "avessero"},
}};
const AuxRows ESSERE = {{
    {"sono", "sei", "è", "siamo", "siete", "sono"},
    {"ero", "eri", "era", "eravamo", "eravate", "erano"},
    {"sarò", "sarai", "sarà", "saremo", "sarete", "saranno"},
    {"sarei", "saresti", "sarebbe", "saremmo", "sareste", "sarebbero"},
    {"sia", "sia", "sia", "siamo", "siate", "siano"},
    {"fossi", "fossi", "fosse", "fossimo", "foste", "fossero"},
}};

// Present participles in -iente among the -ire verbs.
constexpr std::string_view IENTE[] = {"obbedire", "ubbidire", "disobbedire", "disubbidire", "dormire",
                                      "nutrire",  "esordire", "partorire",   "venire"};

Six row_of(const Verb& v, Tense t) {
    Six out;
    for (std::size_t s = 0; s < 6; ++s) {
        out[s] = v.conjugate(t, static_cast<Person>(s % 3), static_cast<Number>(s / 3));
    }
    return out;
}

}  // namespace

Table Table::build(const Verb& v) {
    Table t;
    t.infinitive = v.infinitive;
    t.auxiliary = std::string(ita::auxiliary(v.infinitive));
    const bool with_essere = utf8::starts_with(t.auxiliary, "essere");

    t.present = row_of(v, Tense::Present);
    t.imperfect = row_of(v, Tense::Imperfect);
    t.past_historic = row_of(v, Tense::PastHistoric);
    t.future = row_of(v, Tense::Future);
    t.conditional = row_of(v, Tense::Conditional);
    t.subjunctive_present = row_of(v, Tense::SubjunctivePresent);
    t.subjunctive_imperfect = row_of(v, Tense::SubjunctiveImperfect);

    t.past_participle = v.past_participle();

    if (v.lex && v.lex->ger) {
        t.gerund = join(v.prefix, *v.lex->ger);
        std::string_view g = *v.lex->ger;
        if (utf8::ends_with(g, "endo")) g.remove_suffix(4);
        t.present_participle = join(v.prefix, g, "ente");
    } else {
        t.gerund = join(v.stem, v.conjugation == 0 ? "ando" : "endo");
        std::string_view tail = v.conjugation == 0 ? "ante" : "ente";
        if (v.conjugation == 2 && utf8::ends_with_one_of(v.infinitive, IENTE)) tail = "iente";
        t.present_participle = join(v.stem, tail);
    }

    // Imperative [tu, Lei, noi, voi, Loro].
    if (v.lex && v.lex->imp2) {
        t.imperative[0] = join(v.prefix, *v.lex->imp2);
    } else if (v.conjugation == 0) {
        t.imperative[0] = Verb::attach(0, v.cls, v.stem, "a");
    } else {
        t.imperative[0] = t.present[1];
    }
    t.imperative[1] = t.subjunctive_present[2];
    t.imperative[2] = t.present[3];
    if (v.lex && (utf8::ends_with(v.infinitive, "essere") || utf8::ends_with(v.infinitive, "avere") ||
                  utf8::ends_with(v.infinitive, "sapere"))) {
        t.imperative[3] = join(v.prefix, v.lex->subj6[4]);
    } else {
        t.imperative[3] = t.present[4];
    }
    t.imperative[4] = t.subjunctive_present[5];

    // Compound tenses: the auxiliary's row and the participle, agreed in
    // number (masculine) with essere.
    const AuxRows& aux = with_essere ? ESSERE : AVERE;
    std::string plural = t.past_participle;
    if (with_essere && !plural.empty() && plural.back() == 'o') plural.back() = 'i';
    Six* compound[6] = {&t.passato_prossimo,     &t.trapassato_prossimo, &t.futuro_anteriore,
                        &t.condizionale_passato, &t.congiuntivo_passato, &t.congiuntivo_trapassato};
    for (std::size_t k = 0; k < 6; ++k) {
        for (std::size_t s = 0; s < 6; ++s) {
            // A verb without a participle (competere, vigere) has no compound tenses.
            (*compound[k])[s] = t.past_participle == lex::kNoForm
                                    ? std::string(lex::kNoForm)
                                    : join(aux.rows[k][s], " ", s < 3 ? t.past_participle : plural);
        }
    }
    return t;
}

}  // namespace velnor::ita
