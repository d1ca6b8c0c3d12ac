#include "por.hpp"

#include <vector>

#include "fatal.hpp"
#include "lexicon_text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::por {
namespace {

using std::string;
using std::string_view;

// ---- lexicons ----

// Bases that may end a longer infinitive (desfazer, compor, produzir);
// every other irregular base matches only the whole word.
constexpr std::array<string_view, 18> SUFFIX_BASES = {
    "por",   "roer",  "moer",  "doer",  "fazer", "dizer",  "duzir",  "luzir",  "valer",
    "pedir", "medir", "ouvir", "polir", "jazer", "trazer", "prazer", "querer", "arguir",
};

std::optional<string_view> derive_cell(const lex::Cells<16>& c, std::size_t i) {
    if (i >= c.count) return std::nullopt;
    string_view v = c[i];
    if (v == "-") return std::nullopt;
    return v;
}

LexEntry parse_entry(string_view line) {
    auto c = lex::split<16>(line);
    if (c.count < 9) fatal("por_irregular: row with fewer than 9 cells");
    LexEntry e;
    for (std::size_t i = 0; i < 6; ++i) e.pres[i] = c[1 + i];
    e.subj6 = parse_lex::six(c[7]);
    e.pret6 = parse_lex::six(c[8]);
    e.fut_stem = derive_cell(c, 9);
    e.pp = derive_cell(c, 10);
    if (auto impf = derive_cell(c, 11)) e.impf6 = parse_lex::six(*impf);
    e.ger = derive_cell(c, 12);
    e.imp2sg = derive_cell(c, 13);
    e.inf_base = derive_cell(c, 14);
    return e;
}

// ---- endings ----

using Endings = std::array<string_view, 6>;

constexpr Endings PRESENT[3] = {
    {"o", "as", "a", "amos", "ais", "am"},
    {"o", "es", "e", "emos", "eis", "em"},
    {"o", "es", "e", "imos", "is", "em"},
};
constexpr Endings PRESENT_VOWEL = {"o", "is", "i", "ímos", "ís", "em"};
constexpr Endings IMPERFECT[3] = {
    {"ava", "avas", "ava", "ávamos", "áveis", "avam"},
    {"ia", "ias", "ia", "íamos", "íeis", "iam"},
    {"ia", "ias", "ia", "íamos", "íeis", "iam"},
};
constexpr Endings PRETERITE[3] = {
    {"ei", "aste", "ou", "ámos", "astes", "aram"},
    {"i", "este", "eu", "emos", "estes", "eram"},
    {"i", "iste", "iu", "imos", "istes", "iram"},
};
constexpr Endings PLUPERFECT[3] = {
    {"ara", "aras", "ara", "áramos", "áreis", "aram"},
    {"era", "eras", "era", "êramos", "êreis", "eram"},
    {"ira", "iras", "ira", "íramos", "íreis", "iram"},
};
constexpr Endings FUTURE = {"ei", "ás", "á", "emos", "eis", "ão"};
constexpr Endings CONDITIONAL = {"ia", "ias", "ia", "íamos", "íeis", "iam"};
constexpr Endings SUBJ_PRESENT[3] = {
    {"e", "es", "e", "emos", "eis", "em"},
    {"a", "as", "a", "amos", "ais", "am"},
    {"a", "as", "a", "amos", "ais", "am"},
};
constexpr Endings SUBJ_IMPERFECT[3] = {
    {"asse", "asses", "asse", "ássemos", "ásseis", "assem"},
    {"esse", "esses", "esse", "êssemos", "êsseis", "essem"},
    {"isse", "isses", "isse", "íssemos", "ísseis", "issem"},
};
constexpr Endings SUBJ_FUTURE[3] = {
    {"ar", "ares", "ar", "armos", "ardes", "arem"},
    {"er", "eres", "er", "ermos", "erdes", "erem"},
    {"ir", "ires", "ir", "irmos", "irdes", "irem"},
};

// Endings that take the hiatus accent after a vowel (saíste, roí, possuímos).
constexpr std::array<std::pair<string_view, string_view>, 17> HIATUS = {{
    {"iste", "íste"}, {"istes", "ístes"}, {"imos", "ímos"}, {"ido", "ído"}, {"i", "í"},
    {"is", "ís"},     {"ia", "ía"},       {"ias", "ías"},   {"iam", "íam"}, {"isse", "ísse"},
    {"isses", "ísses"}, {"issem", "íssem"}, {"ira", "íra"}, {"iras", "íras"}, {"iram", "íram"},
    {"ires", "íres"}, {"irem", "írem"},
}};

constexpr std::array<std::array<string_view, 6>, 6> TER_FORMS = {{
    {"tenho", "tens", "tem", "temos", "tendes", "têm"},
    {"tinha", "tinhas", "tinha", "tínhamos", "tínheis", "tinham"},
    {"terei", "terás", "terá", "teremos", "tereis", "terão"},
    {"teria", "terias", "teria", "teríamos", "teríeis", "teriam"},
    {"tenha", "tenhas", "tenha", "tenhamos", "tenhais", "tenham"},
    {"tivesse", "tivesses", "tivesse", "tivéssemos", "tivésseis", "tivessem"},
}};

bool ends(string_view s, string_view suffix) { return utf8::ends_with(s, suffix); }

bool ends_gu_qu(string_view s) { return ends(s, "gu") || ends(s, "qu"); }

string cat(string_view a, string_view b) {
    string out;
    out.reserve(a.size() + b.size());
    out.append(a);
    out.append(b);
    return out;
}

string cat(string_view a, string_view b, string_view c) {
    string out;
    out.reserve(a.size() + b.size() + c.size());
    out.append(a);
    out.append(b);
    out.append(c);
    return out;
}

// The base with its last plain vowel given the stress accent
// (tiver → tivér, for → fôr, perder → perdêr).
string accented(string_view base, string_view e_accent) {
    for (std::size_t i = base.size(); i-- > 0;) {
        string_view rep;
        switch (base[i]) {
            case 'a': rep = "á"; break;
            case 'e': rep = e_accent; break;
            case 'i': rep = "í"; break;
            case 'o': rep = "ô"; break;
            case 'u': rep = "ú"; break;
            default: continue;
        }
        return cat(base.substr(0, i), rep, base.substr(i + 1));
    }
    return string(base);
}

int slot_of(Person p, Number n) { return static_cast<int>(p) + 3 * static_cast<int>(n); }

// A decomposed accent (c + U+0327, o + U+0302) joins its letter, so that the
// spelling rules see "ç" and "ô" as they do in precomposed input.
constexpr unicode::Composition ACCENTS[] = {
    {'a', 0x0300, U'à'}, {'a', 0x0301, U'á'}, {'e', 0x0301, U'é'}, {'i', 0x0301, U'í'},
    {'o', 0x0301, U'ó'}, {'u', 0x0301, U'ú'}, {'a', 0x0302, U'â'}, {'e', 0x0302, U'ê'},
    {'o', 0x0302, U'ô'}, {'a', 0x0303, U'ã'}, {'o', 0x0303, U'õ'}, {'u', 0x0308, U'ü'},
    {'c', 0x0327, U'ç'},
};

}  // namespace

// ---- lexicon interfaces ----

Six parse_lex::six(string_view cell) { return lex::required_forms<6>(cell); }

std::optional<StemClass> stem_class_from_text(string_view text) noexcept {
    if (text == "ei") return StemClass::Ei;
    if (text == "i") return StemClass::I;
    if (text == "u") return StemClass::U;
    if (text == "uo") return StemClass::Uo;
    if (text == "iw") return StemClass::Iw;
    if (text == "acc-i") return StemClass::AccI;
    if (text == "acc-u") return StemClass::AccU;
    if (text == "oi") return StemClass::Oi;
    return std::nullopt;
}

// The first row of a lemma is the one a file-order scan keeps.
std::optional<LexMatch> find_irregular(string_view infinitive) {
    const lex::Table& t = data::table::por_irregular;
    std::optional<string_view> best = t.first(infinitive);
    std::size_t best_len = best ? infinitive.size() : 0;
    for (string_view base : SUFFIX_BASES) {
        if (base.size() <= best_len || !ends(infinitive, base)) continue;
        if (auto row = t.first(base)) {
            best = row;
            best_len = base.size();
        }
    }
    if (!best) return std::nullopt;
    return LexMatch{parse_entry(*best), infinitive.substr(0, infinitive.size() - best_len)};
}

// The class of a lemma's first row, when its class text names one. Every
// row has its TAB (checked at build time).
std::optional<StemClass> find_stem_class(string_view infinitive) {
    auto line = data::table::por_stem_classes.first(infinitive);
    if (!line) return std::nullopt;
    std::size_t tab = line->find('\t');
    if (tab == string_view::npos) return std::nullopt;
    return stem_class_from_text(line->substr(tab + 1));
}

string replace_last(string_view text, string_view character, string_view replacement) {
    std::size_t pos = text.rfind(character);
    if (pos == string_view::npos) return string(text);
    return cat(text.substr(0, pos), replacement, text.substr(pos + character.size()));
}

// ---- compounds without a row ----

namespace {

// Prefixes that form compounds of ter, vir, ver and estar (contravir,
// reobter, desconvir, sobrestar).
constexpr string_view COMPOUND_PREFIXES[] = {
    "contra", "entre", "sobre", "super", "inter", "retro", "trans", "ante", "auto", "des", "pre", "pro",
    "com",    "con",   "sub",   "mal",   "re",    "co",    "sobr",
};

string_view drop(string_view form, std::size_t n) { return form.substr(n); }

LexEntry without_prefix(const LexEntry& e, std::size_t n) {
    LexEntry out = e;
    for (auto* six : {&out.pres, &out.subj6, &out.pret6})
        for (auto& f : *six) f = drop(f, n);
    if (out.impf6)
        for (auto& f : *out.impf6) f = drop(f, n);
    for (auto* cell : {&out.fut_stem, &out.pp, &out.ger, &out.imp2sg, &out.inf_base})
        if (*cell) *cell = drop(**cell, n);
    return out;
}

// A compound of ter or vir stresses its last syllable where the simple verb
// is a monosyllable (contém, convéns): the forms of a listed compound
// (deter, advir) without its two-letter prefix.
// The row of `lemma` itself (not of a base inside it), which the engine
// cannot do without.
LexEntry required_row(string_view lemma) {
    auto m = find_irregular(lemma);
    if (!m || !m->prefix.empty()) fatal("por_irregular: no row for " + string(lemma));
    return std::move(m->entry);
}

const LexEntry* compound_row(string_view base) {
    static const LexEntry ter = without_prefix(required_row("deter"), 2);
    static const LexEntry vir = without_prefix(required_row("advir"), 2);
    return base == "ter" ? &ter : &vir;
}

bool in_family(string_view word) {
    return ends(word, "ter") || ends(word, "vir") || ends(word, "ver") || word == "estar";
}

// The row of a compound that the lexicon does not list: a prefix in front
// of ter, vir, ver, estar or one of their listed compounds.
std::optional<LexMatch> find_compound(string_view word) {
    for (string_view p : COMPOUND_PREFIXES) {
        if (word.size() <= p.size() || word.substr(0, p.size()) != p) continue;
        string_view rest = word.substr(p.size());
        if (!in_family(rest) || (p == "sobr") != (rest == "estar")) continue;
        if (rest == "ter" || rest == "vir") return LexMatch{*compound_row(rest), p};
        auto m = find_irregular(rest);
        if (m && m->prefix.empty()) return LexMatch{std::move(m->entry), p};
    }
    return std::nullopt;
}

}  // namespace

// ---- analysis ----

// The endings of pôr and its compounds (of the second conjugation, with no stem of their own), then those of the
// three conjugations in their order. "ir" is a verb of its own, not an ending to cut off: the spelling's list stops
// before it.
constexpr std::string_view INFINITIVE_ENDINGS[] = {"or", "ôr", "ar", "er", "ir"};
constexpr std::size_t POR_ENDINGS = 2;
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, std::span(INFINITIVE_ENDINGS).first<4>()};
static_assert(std::size(INFINITIVE_ENDINGS) == 5 && INFINITIVE_ENDINGS[POR_ENDINGS] == "ar" &&
              INFINITIVE_ENDINGS[POR_ENDINGS + 1] == "er" && INFINITIVE_ENDINGS[4] == "ir");

Expected<Verb, Error> Verb::from_infinitive(string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error::NotAVerb);
    string lowered = unicode::to_lower(text);
    string_view word = unicode::trim(lowered);
    // The accents used here (U+0300-U+0327) all start with the byte 0xCC.
    if (word.find('\xCC') != string_view::npos) {
        lowered = unicode::compose(word, ACCENTS);
        word = lowered;
    }
    for (char32_t c : utf8::chars(word))
        if (unicode::is_white_space(c) || c == U'\'') return fail(Error::NotAVerb);
    if (word.size() == 1) return fail(Error::Unsupported);

    std::size_t ending = utf8::longest_ending(word, INFINITIVE_ENDINGS);
    if (ending == std::size(INFINITIVE_ENDINGS)) return fail(Error::Unsupported);
    Verb v;
    if (ending < POR_ENDINGS) {
        v.conjugation = 1;
    } else {
        v.conjugation = static_cast<std::uint8_t>(ending - POR_ENDINGS);
        v.stem = word.substr(0, word.size() - INFINITIVE_ENDINGS[ending].size());
    }
    v.infinitive = string(word);

    auto m = find_irregular(word);
    if (!m) m = find_compound(word);
    if (m) {
        v.lex = std::move(m->entry);
        v.prefix = string(m->prefix);
        return v;
    }
    if (v.stem.empty()) return fail(Error::NotAVerb);
    static constexpr string_view VOWELS[] = {"a", "e", "i", "o", "u", "á", "é", "í", "ó", "ú", "â", "ê", "ô", "ã", "õ", "ü"};
    bool has_vowel = false;
    for (string_view vowel : VOWELS)
        if (v.stem.find(vowel) != string::npos) {
            has_vowel = true;
            break;
        }
    if (!has_vowel) return fail(Error::NotAVerb);
    v.stem_class = find_stem_class(word);
    return v;
}

// ---- stems and attachment ----

string Verb::present_stem(int slot, bool subjunctive) const {
    bool plural12 = slot == 3 || slot == 4;
    if (conjugation == 0 && !stem.empty() && stem.back() == 'e' && !plural12) return cat(stem, "i");
    if (stem_class) {
        switch (*stem_class) {
            case StemClass::Ei:
                if (!plural12 && !stem.empty() && stem.back() == 'i')
                    return cat(string_view(stem).substr(0, stem.size() - 1), "ei");
                break;
            case StemClass::I:
                if (slot == 0 || subjunctive) return replace_last(stem, "e", "i");
                break;
            case StemClass::U:
                if (slot == 0 || subjunctive) return replace_last(stem, "o", "u");
                break;
            case StemClass::Uo:
                if (!subjunctive && (slot == 1 || slot == 2 || slot == 5)) return replace_last(stem, "u", "o");
                break;
            case StemClass::Iw:
                if (subjunctive || !plural12) return replace_last(stem, "e", "i");
                break;
            case StemClass::AccI:
                // The stressed i is the last one before the stem's last
                // letter: proíbo, enraízo, mobílio.
                if (!plural12 && !stem.empty())
                    return cat(replace_last(string_view(stem).substr(0, stem.size() - 1), "i", "í"),
                               string_view(stem).substr(stem.size() - 1));
                break;
            case StemClass::AccU:
                if (!plural12) return replace_last(stem, "u", "ú");
                break;
            case StemClass::Oi:  // the endings change, not the stem (conjugate_regular)
                break;
        }
    } else if (conjugation == 0 && !plural12 && stem.size() >= 3 && ends(stem, "iz")) {
        // The suffix -iz- after a vowel stands in hiatus and carries the
        // stress: homogeneízo, europeízas, enraíza, ajuízam.
        string_view before = string_view(stem).substr(0, stem.size() - 2);
        char v = before.back();
        if ((v == 'a' || v == 'e' || v == 'o' || v == 'u') && !ends_gu_qu(before))
            return cat(before, "íz");
    }
    return stem;
}

string Verb::attach(std::uint8_t conjugation, string_view stem, string_view ending) {
    char32_t first = utf8::first(ending);
    bool front = first == U'e' || first == U'é' || first == U'ê';
    bool back = first == U'a' || first == U'o' || first == U'á' || first == U'â';
    string s(stem);
    if (conjugation == 0) {
        if (front && !s.empty()) {
            if (ends(s, "g")) s += "u";
            else if (ends(s, "c")) s.replace(s.size() - 1, 1, "qu");
            else if (ends(s, "ç")) s.replace(s.size() - 2, 2, "c");
        }
        return cat(s, ending);
    }
    if (back) {
        // The u of gu is dropped (distingo); qu keeps its u (extorquo,
        // delinquo).
        if (ends(s, "gu")) s.pop_back();
        else if (ends(s, "g")) s.back() = 'j';
        else if (ends(s, "c")) s.replace(s.size() - 1, 1, "ç");
    }
    if (!s.empty()) {
        char l = s.back();
        if ((l == 'a' || l == 'e' || l == 'o' || l == 'u') && (s.size() == 1 || !ends_gu_qu(s))) {
            for (const auto& [plain, acc] : HIATUS)
                if (ending == plain) return cat(s, acc);
        }
    }
    return cat(s, ending);
}

// ---- simple tenses ----

string Verb::conjugate(Tense tense, Person person, Number number) const {
    return conjugate(tense, slot_of(person, number));
}

string Verb::conjugate(Tense tense, int slot) const {
    return lex ? conjugate_lex(tense, slot) : conjugate_regular(tense, slot);
}

string Verb::conjugate_regular(Tense tense, int slot) const {
    const int c = conjugation;
    switch (tense) {
        case Tense::Present: {
            string ps = present_stem(slot, false);
            // construir, destruir: the stressed u of the 2sg, 3sg and 3pl is an
            // open o (constróis, constrói, constroem).
            if (stem_class == StemClass::Oi && c == 2 && ends(ps, "u") && (slot == 1 || slot == 2 || slot == 5)) {
                static constexpr string_view OI[6] = {"", "óis", "ói", "", "", "oem"};
                return cat(string_view(ps).substr(0, ps.size() - 1), OI[slot]);
            }
            if (c == 2 && (ends(ps, "u") || ends(ps, "a")) && (ps.size() < 2 || !ends_gu_qu(ps))) {
                if (slot == 0 && ends(ps, "a")) return cat(ps, "io");
                return cat(ps, PRESENT_VOWEL[slot]);
            }
            return attach(conjugation, ps, PRESENT[c][slot]);
        }
        case Tense::Imperfect: return attach(conjugation, stem, IMPERFECT[c][slot]);
        case Tense::Preterite: return attach(conjugation, stem, PRETERITE[c][slot]);
        case Tense::Pluperfect: return attach(conjugation, stem, PLUPERFECT[c][slot]);
        case Tense::Future: return cat(infinitive, FUTURE[slot]);
        case Tense::Conditional: return cat(infinitive, CONDITIONAL[slot]);
        case Tense::SubjunctivePresent: {
            string ps = present_stem(slot, true);
            if (c == 2 && ends(ps, "a")) return cat(ps, "i", SUBJ_PRESENT[2][slot]);
            return attach(conjugation, ps, SUBJ_PRESENT[c][slot]);
        }
        case Tense::SubjunctiveImperfect: return attach(conjugation, stem, SUBJ_IMPERFECT[c][slot]);
        case Tense::SubjunctiveFuture: return attach(conjugation, stem, SUBJ_FUTURE[c][slot]);
    }
    return {};
}

string Verb::conjugate_lex(Tense tense, int slot) const {
    const LexEntry& e = *lex;
    string_view b = e.pret6[5];
    if (ends(b, "am")) b.remove_suffix(2);
    string_view e_accent = (conjugation == 1 && (ends(e.pret6[0], "i") || ends(e.pret6[0], "í"))) ? "ê" : "é";
    static constexpr Endings PLUP_TAIL = {"a", "as", "a", "amos", "eis", "am"};
    static constexpr Endings SUBJ_IMPF_TAIL = {"sse", "sses", "sse", "ssemos", "sseis", "ssem"};
    static constexpr Endings SUBJ_FUT_TAIL = {"", "es", "", "mos", "des", "em"};
    switch (tense) {
        case Tense::Present: return cat(prefix, e.pres[slot]);
        case Tense::Imperfect:
            if (e.impf6) return cat(prefix, (*e.impf6)[slot]);
            return attach(conjugation, stem, IMPERFECT[conjugation][slot]);
        case Tense::Preterite: return cat(prefix, e.pret6[slot]);
        case Tense::Pluperfect:
            if (slot == 3 || slot == 4) return cat(prefix, accented(b, e_accent), PLUP_TAIL[slot]);
            return cat(prefix, b, PLUP_TAIL[slot]);
        case Tense::Future:
        case Tense::Conditional: {
            string base = e.fut_stem ? cat(prefix, *e.fut_stem) : e.inf_base ? cat(prefix, *e.inf_base) : infinitive;
            return cat(base, (tense == Tense::Future ? FUTURE : CONDITIONAL)[slot]);
        }
        case Tense::SubjunctivePresent: return cat(prefix, e.subj6[slot]);
        case Tense::SubjunctiveImperfect: {
            string_view b2 = b;
            if (ends(b2, "r")) b2.remove_suffix(1);
            if (slot == 3 || slot == 4) return cat(prefix, accented(b2, e_accent), SUBJ_IMPF_TAIL[slot]);
            return cat(prefix, b2, SUBJ_IMPF_TAIL[slot]);
        }
        case Tense::SubjunctiveFuture: return cat(prefix, b, SUBJ_FUT_TAIL[slot]);
    }
    return {};
}

// ---- non-finite forms ----

string Verb::past_participle() const {
    if (lex && lex->pp) return cat(prefix, *lex->pp);
    string_view inf = infinitive;
    if (ends(inf, "abrir")) return cat(inf.substr(0, inf.size() - 5), "aberto");
    if (ends(inf, "cobrir")) return cat(inf.substr(0, inf.size() - 6), "coberto");
    if (ends(inf, "crever")) return cat(inf.substr(0, inf.size() - 6), "crito");
    return attach(conjugation, stem, conjugation == 0 ? "ado" : "ido");
}

string Verb::personal_infinitive(Person person, Number number) const {
    return personal_infinitive(slot_of(person, number));
}

string Verb::personal_infinitive(int slot) const {
    if (slot == 0 || slot == 2) return infinitive;
    string base = (lex && lex->inf_base) ? cat(prefix, *lex->inf_base) : infinitive;
    if ((slot == 1 || slot == 5) && (ends(base, "air") || ends(base, "uir")) &&
        (base.size() == 3 || !(ends(base, "guir") || ends(base, "quir")))) {
        return cat(string_view(base).substr(0, base.size() - 2), slot == 1 ? "íres" : "írem");
    }
    static constexpr Endings TAIL = {"", "es", "", "mos", "des", "em"};
    return cat(base, TAIL[slot]);
}

string Verb::gerund() const {
    if (lex && lex->ger) return cat(prefix, *lex->ger);
    static constexpr string_view GER[3] = {"ando", "endo", "indo"};
    return cat(stem, GER[conjugation]);
}

// ---- the table ----

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.infinitive;
    t.gerund = verb.gerund();
    t.past_participle = verb.past_participle();

    Row* simple[9] = {&t.present,     &t.imperfect,           &t.preterite,
                      &t.pluperfect,  &t.future,              &t.conditional,
                      &t.subjunctive_present, &t.subjunctive_imperfect, &t.subjunctive_future};
    for (int tense = 0; tense < 9; ++tense)
        for (int slot = 0; slot < 6; ++slot) (*simple[tense])[slot] = verb.conjugate(static_cast<Tense>(tense), slot);
    for (int slot = 0; slot < 6; ++slot) t.personal_infinitive[slot] = verb.personal_infinitive(slot);

    const LexEntry* e = verb.lex ? &*verb.lex : nullptr;
    t.imperative[0] = (e && e->imp2sg) ? cat(verb.prefix, *e->imp2sg) : t.present[2];
    t.imperative[1] = t.subjunctive_present[2];
    t.imperative[2] = t.subjunctive_present[3];
    if (e) {
        if (verb.infinitive == "ser") {
            t.imperative[3] = "sede";
        } else {
            string vos = cat(verb.prefix, e->pres[4]);
            if (!vos.empty() && vos.back() == 's') vos.pop_back();
            t.imperative[3] = std::move(vos);
        }
    } else {
        static constexpr string_view VOS[3] = {"ai", "ei", "i"};
        t.imperative[3] = Verb::attach(verb.conjugation, verb.stem, VOS[verb.conjugation]);
    }
    t.imperative[4] = t.subjunctive_present[5];

    Row* compound[6] = {&t.perfeito_composto,    &t.mais_que_perfeito_composto, &t.futuro_composto,
                        &t.condicional_composto, &t.conjuntivo_perfeito,        &t.conjuntivo_mais_que_perfeito};
    for (int r = 0; r < 6; ++r)
        for (int slot = 0; slot < 6; ++slot) (*compound[r])[slot] = cat(TER_FORMS[r][slot], " ", t.past_participle);
    return t;
}

}  // namespace velnor::por
