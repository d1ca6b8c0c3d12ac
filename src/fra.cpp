#include "fra.hpp"

#include <algorithm>

#include "fatal.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::fra {

using text::join;
using utf8::ends_with;
namespace {

using namespace std::string_view_literals;

constexpr std::string_view DASH = "—";  // U+2014: the form does not exist

// A present cell "—" followed by a form: that present form does not exist,
// but the other tenses still stand on it (clore: nous clorons, no *closons).
bool present_only_missing(std::string_view cell) noexcept {
    return cell.size() > DASH.size() && cell.substr(0, DASH.size()) == DASH;
}

std::string_view present_stem_form(std::string_view cell) noexcept {
    return present_only_missing(cell) ? cell.substr(DASH.size()) : cell;
}
constexpr std::string_view FRENCH_VOWELS = "aeiouyàâéèêëîïôûü";

constexpr std::array<std::string_view, 26> THIRD_GROUP_IR_ENDINGS = {
    "oir",     "partir",   "sortir",   "dormir",  "servir",   "mentir",   "sentir",   "repentir", "tenir",
    "venir",   "courir",   "mourir",   "ouvrir",  "couvrir",  "offrir",   "souffrir", "cueillir", "saillir",
    "faillir", "bouillir", "fuir",     "vêtir",   "quérir",   "gésir",    "férir",    "issir",
};

constexpr std::array<std::string_view, 7> SECOND_GROUP_EXCEPTIONS = {
    "asservir", "assortir", "rassortir", "réassortir", "répartir", "impartir", "épaissir",
};

constexpr std::array<std::string_view, 17> MUTE_E_VERBS = {
    "geler",  "peler",    "celer",    "harceler", "ciseler", "démanteler", "écarteler", "marteler",  "modeler",
    "acheter", "corseter", "crocheter", "fureter", "fileter", "haleter",    "craqueter", "paqueter",
};

// recon- and pré- as in recongeler and préacheter, which take è like
// congeler and acheter.
constexpr std::array<std::string_view, 11> MUTE_E_PREFIXES = {
    "", "r", "em", "re", "dé", "con", "sur", "ré", "décon", "recon", "pré",
};

constexpr std::array<std::string_view, 16> ASPIRATE_H_VERBS = {
    "haïr",     "hacher", "haleter", "hanter", "happer",    "harceler", "harnacher", "hausser",
    "hâter",    "héler",  "hennir",  "hérisser", "heurter", "hisser",   "hocher",    "hurler",
};

constexpr std::array<std::string_view, 37> ETRE_VERBS = {
    "aller",    "arriver",   "venir",      "devenir",     "redevenir", "revenir",   "parvenir",
    "survenir", "advenir",   "intervenir", "provenir",    "obvenir",   "bienvenir", "entrer",
    "rentrer",  "sortir",    "ressortir",  "partir",      "repartir",  "monter",    "remonter",
    "descendre", "redescendre", "rester",  "retourner",   "tomber",    "retomber",  "passer",
    "naître",   "renaître",  "mourir",     "remourir",    "décéder",   "apparaître", "réapparaître",
    "échoir",   "éclore",
};

using Endings = std::array<std::string_view, 6>;
constexpr Endings PRESENT_FIRST = {"e", "es", "e", "ons", "ez", "ent"};
constexpr Endings PRESENT_SECOND = {"is", "is", "it", "issons", "issez", "issent"};
constexpr Endings PRESENT_RE = {"s", "s", "", "ons", "ez", "ent"};
constexpr Endings IMPERFECT = {"ais", "ais", "ait", "ions", "iez", "aient"};
constexpr Endings IMPERFECT_SECOND = {"issais", "issais", "issait", "issions", "issiez", "issaient"};
constexpr Endings PAST_A = {"ai", "as", "a", "âmes", "âtes", "èrent"};
constexpr Endings PAST_I = {"is", "is", "it", "îmes", "îtes", "irent"};
constexpr Endings FUTURE = {"ai", "as", "a", "ons", "ez", "ont"};
constexpr Endings SUBJ = {"e", "es", "e", "ions", "iez", "ent"};
constexpr Endings SUBJ_SECOND = {"isse", "isses", "isse", "issions", "issiez", "issent"};
constexpr Endings SUBJ_IMPF_A = {"asse", "asses", "ât", "assions", "assiez", "assent"};
constexpr Endings SUBJ_IMPF_I = {"isse", "isses", "ît", "issions", "issiez", "issent"};

constexpr std::array<std::string_view, 6> PRONOUNS = {"me", "te", "se", "nous", "vous", "se"};

constexpr int slot_of(Person p, Number n) noexcept { return static_cast<int>(p) + 3 * static_cast<int>(n); }
constexpr Person person_of(int slot) noexcept { return static_cast<Person>(slot % 3); }
constexpr Number number_of(int slot) noexcept { return static_cast<Number>(slot / 3); }

bool ends_with_any(std::string_view s, auto const& list) noexcept {
    return std::any_of(list.begin(), list.end(), [&](std::string_view e) { return ends_with(s, e); });
}

bool is_vowel(char32_t c) noexcept {
    for (char32_t v : utf8::chars(FRENCH_VOWELS))
        if (v == c) return true;
    return false;
}

std::string_view drop_suffix(std::string_view s, std::string_view suffix) noexcept {
    return ends_with(s, suffix) ? s.substr(0, s.size() - suffix.size()) : s;
}

// Splits a comma cell into exactly N forms; fatal otherwise.
// The circumflexed stem of the 1p/2p past historic: the last plain vowel
// takes a circumflex, unless a circumflexed or diaeresised one comes first.
std::string circumflex(std::string_view b) {
    std::size_t end = b.size();
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(b, end);
        std::size_t start = end - d.len;
        std::string_view hat;
        switch (d.cp) {
            case U'â': case U'ê': case U'î': case U'ï': case U'ô': case U'û': return std::string(b);
            case U'a': hat = "â"; break;
            case U'e': hat = "ê"; break;
            case U'i': hat = "î"; break;
            case U'o': hat = "ô"; break;
            case U'u': hat = "û"; break;
            default: end = start; continue;
        }
        return join(b.substr(0, start), hat, b.substr(end));
    }
    return std::string(b);
}

// Letters a French word may bring with a separate combining accent.
constexpr unicode::Composition ACCENTS[] = {
    {'a', 0x0300, U'à'}, {'e', 0x0300, U'è'}, {'u', 0x0300, U'ù'}, {'e', 0x0301, U'é'},
    {'a', 0x0302, U'â'}, {'e', 0x0302, U'ê'}, {'i', 0x0302, U'î'}, {'o', 0x0302, U'ô'},
    {'u', 0x0302, U'û'}, {'e', 0x0308, U'ë'}, {'i', 0x0308, U'ï'}, {'u', 0x0308, U'ü'},
    {'c', 0x0327, U'ç'},
};

bool has_white_space(std::string_view s) noexcept {
    for (char32_t c : utf8::chars(s))
        if (unicode::is_white_space(c)) return true;
    return false;
}

bool has_vowel(std::string_view s) noexcept {
    for (char32_t c : utf8::chars(s))
        if (is_vowel(c)) return true;
    return false;
}

// ---- the lexicon ----

// The lexicon parsed once: base -> its rows in text order. Looking up every
// suffix of a word from the longest down gives the same match as a scan of
// the text that keeps the longest base (rows of one base stay in order).
// The seven simple rows of an auxiliary, worked out once.
using AuxRows = std::array<std::array<std::string, 6>, 7>;

AuxRows auxiliary_rows(std::string_view infinitive) {
    auto v = Verb::from_infinitive(infinitive);
    if (!v) fatal("auxiliary conjugates");
    AuxRows rows;
    for (int t = 0; t < 7; ++t)
        for (int s = 0; s < 6; ++s) rows[t][s] = v->conjugate(static_cast<Tense>(t), person_of(s), number_of(s));
    return rows;
}

const AuxRows& aux_rows(bool etre) {
    static const AuxRows etre_rows = auxiliary_rows("être");
    static const AuxRows avoir_rows = auxiliary_rows("avoir");
    return etre ? etre_rows : avoir_rows;
}

}  // namespace

LexEntry parse_entry(const std::string_view* cells, std::size_t count) {
    if (count < 12) fatal("French lexicon row with fewer than 12 cells");
    LexEntry e;
    for (int i = 0; i < 6; ++i) e.pres[i] = cells[1 + i];
    e.subj_sg = cells[7];
    e.subj_pl = cells[8];
    e.ps1 = cells[9];
    e.fut_stem = cells[10];
    e.pp = cells[11];
    auto optional = [&](std::size_t i) -> std::optional<std::string_view> {
        if (i >= count || cells[i] == "-") return std::nullopt;
        return cells[i];
    };
    e.impf_stem = optional(12);
    e.prsp = optional(13);
    if (auto c = optional(14)) e.subj6 = lex::required_forms<6>(*c);
    if (auto c = optional(15)) e.imp3 = lex::required_forms<3>(*c);
    return e;
}

std::optional<LexMatch> lexical(std::string_view word) {
    const lex::Table& t = data::table::fra_irregular;
    // No base is exact-only; the base's rows are taken all, in text order.
    auto found = lex::longest_suffix(t, word, [](std::string_view) { return true; });
    if (!found || found->at == word.size()) return std::nullopt;
    LexMatch m{word.substr(0, found->at), {}};
    for (std::string_view line : t.rows(word.substr(found->at))) {
        auto cells = lex::split<16>(line);
        m.rows.push_back(parse_entry(cells.cell.data(), std::min<std::size_t>(cells.count, 16)));
    }
    return m;
}

// ---- analysis ----

constexpr std::string_view INFINITIVE_ENDINGS[] = {"er", "ir", "re", "ïr"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-'\u2019", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error::NotAVerb);
    std::string lowered = unicode::to_lower(text);
    std::string composed = unicode::compose(unicode::trim(lowered), ACCENTS);
    std::string_view w = composed;

    bool reflexive = false;
    for (std::string_view pronoun : {"s'"sv, "s’"sv, "se "sv}) {
        if (utf8::starts_with(w, pronoun)) {
            w = unicode::trim(w.substr(pronoun.size()));
            reflexive = true;
            break;
        }
    }
    // A bare "se" is the pronoun with nothing after it ("se " is trimmed to
    // it before the pronoun is looked for): not an infinitive.
    if (w.empty() || (!reflexive && w == "se")) return fail(Error::NotAVerb);
    if (has_white_space(w) || w.find('\'') != std::string_view::npos || w.find("’") != std::string_view::npos)
        return fail(Error::NotAVerb);

    Verb verb;
    verb.reflexive_ = reflexive;
    verb.infinitive_ = std::string(w);
    verb.etre_ = reflexive || std::find(ETRE_VERBS.begin(), ETRE_VERBS.end(), w) != ETRE_VERBS.end();

    auto irregular = [&](const std::optional<LexMatch>& m) -> Expected<Verb, Error> {
        if (!m) return fail(Error::Unsupported);
        verb.group_ = Group::Irregular;
        verb.prefix_ = std::string(m->prefix);
        verb.rows_ = m->rows;
        return std::move(verb);
    };

    if (ends_with(w, "er")) {
        if (w == "aller" || w == "raller" || ends_with(w, "envoyer")) return irregular(lexical(w));
        verb.group_ = Group::First;
        verb.stem_ = std::string(w.substr(0, w.size() - 2));
    } else if (ends_with(w, "ir")) {
        if (!ends_with_any(w, SECOND_GROUP_EXCEPTIONS) && ends_with_any(w, THIRD_GROUP_IR_ENDINGS))
            return irregular(lexical(w));
        verb.group_ = Group::Second;
        verb.stem_ = std::string(w.substr(0, w.size() - 2));
    } else {
        if (auto m = lexical(w)) return irregular(m);
        if (!ends_with(w, "dre") || ends_with(w, "oudre")) return fail(Error::Unsupported);
        verb.group_ = Group::Re;
        verb.stem_ = std::string(w.substr(0, w.size() - 2));
    }
    if (!has_vowel(verb.stem_)) return fail(Error::NotAVerb);
    if (verb.group_ == Group::First) {
        verb.mute_ = verb.compute_mute_stem(false);
        verb.mute_future_ = verb.compute_mute_stem(true);
    }
    return verb;
}

const std::vector<LexEntry>& Verb::rows() const noexcept { return rows_; }

// ---- spelling helpers ----

std::string Verb::attach(std::string_view stem, std::string_view ending) {
    bool back_vowel = ending.starts_with('a') || ending.starts_with('o') || ending.starts_with("â");
    if (back_vowel && !stem.empty()) {
        // A doubled g is hard, as in the borrowed jogger, blogger: joggons.
        if (stem.back() == 'g' && !stem.ends_with("gg")) return join(stem, "e", ending);
        if (stem.back() == 'c') return join(stem.substr(0, stem.size() - 1), "ç", ending);
    }
    return join(stem, ending);
}

std::string Verb::mute_stem(bool future) const {
    return group_ == Group::First ? (future ? mute_future_ : mute_) : compute_mute_stem(future);
}

std::string Verb::compute_mute_stem(bool future) const {
    std::string_view s = stem_;
    // nettoyer, essuyer, payer: y turns to i before a mute e.
    if (ends_with(s, "y") && s.size() >= 2) {
        char before = s[s.size() - 2];
        if (before == 'a' || before == 'o' || before == 'u') return join(s.substr(0, s.size() - 1), "i");
    }
    // A stem whose last e is the second of a double ee (tweet, geek, speed,
    // squeez: loans from English) keeps it unchanged: tweete, geeke.
    auto after_e = [&](std::size_t at) { return at > 0 && s[at - 1] == 'e'; };
    if (ends_with(s, "el") || ends_with(s, "et")) {
        if (after_e(s.size() - 2)) return std::string(s);
        bool mute_e = false;
        for (std::string_view verb : MUTE_E_VERBS) {
            if (!ends_with(infinitive_, verb)) continue;
            std::string_view prefix = std::string_view(infinitive_).substr(0, infinitive_.size() - verb.size());
            if (std::find(MUTE_E_PREFIXES.begin(), MUTE_E_PREFIXES.end(), prefix) != MUTE_E_PREFIXES.end()) {
                mute_e = true;
                break;
            }
        }
        if (!mute_e) return join(s, s.substr(s.size() - 1));  // appelle, jette
    }

    // Collect the consonant units between the end and the last vowel.
    std::array<std::string_view, 3> units{};
    std::size_t n_units = 0;
    std::size_t end = s.size();
    std::size_t vowel_at = std::string_view::npos;
    char32_t vowel = 0;
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(s, end);
        std::size_t start = end - d.len;
        char32_t c = d.cp;
        std::size_t unit_start = start;
        if (!is_vowel(c)) {
            if (start > 0) {
                char prev = s[start - 1];
                if ((c == U'h' && (prev == 'c' || prev == 'p' || prev == 't')) || (c == U'n' && prev == 'g'))
                    unit_start = start - 1;
            }
        } else if (c == U'u' && n_units == 0 && start > 0) {
            utf8::Decoded p = utf8::decode_last(s, start);
            if (p.cp != U'q' && p.cp != U'g') return std::string(s);
            unit_start = start - p.len;
        } else {
            vowel_at = start;
            vowel = c;
            break;
        }
        if (n_units == units.size()) return std::string(s);  // more than two units
        units[n_units++] = s.substr(unit_start, end - unit_start);
        end = unit_start;
    }
    if (n_units == 0 || n_units > 2 || vowel_at == std::string_view::npos) return std::string(s);
    for (std::size_t i = 0; i < n_units; ++i) {
        std::string_view u = units[i];
        if (u.find_first_of("'-fwx") != std::string_view::npos || u.find("ç") != std::string_view::npos)
            return std::string(s);
    }
    auto liquid = [](std::string_view u) { return u == "r" || u == "l"; };
    if (n_units == 2 && (!liquid(units[0]) || (liquid(units[0]) && liquid(units[1])))) return std::string(s);
    if (vowel == U'e' && after_e(vowel_at)) return std::string(s);
    if (vowel == U'e' || (vowel == U'é' && !future)) {
        std::size_t vlen = vowel == U'e' ? 1 : 2;
        return join(s.substr(0, vowel_at), "è", s.substr(vowel_at + vlen));
    }
    return std::string(s);
}

bool Verb::elides(std::string_view lemma, std::string_view word) noexcept {
    if (word.empty()) return false;
    char32_t c = utf8::first(word);
    switch (c) {
        case U'a': case U'e': case U'i': case U'o': case U'u': case U'y': case U'à': case U'â':
        case U'è': case U'é': case U'ê': case U'î': case U'ô': case U'û':
            return true;
        case U'h':
            return !(lemma.size() >= 5 && ends_with_any(lemma, ASPIRATE_H_VERBS));
        default:
            return false;
    }
}

std::string Verb::cliticize(std::string form, Person person, Number number) const {
    if (!reflexive_ || form == DASH) return form;
    std::string_view pronoun = PRONOUNS[slot_of(person, number)];
    if (pronoun.size() == 2 && elides(infinitive_, form)) return join(pronoun.substr(0, 1), "'", form);
    return join(pronoun, " ", form);
}

// ---- simple tenses ----

std::string_view Verb::imperfect_stem() const noexcept {
    const LexEntry& r = row();
    if (r.impf_stem) return *r.impf_stem;
    return drop_suffix(present_stem_form(r.pres[3]), "ons");
}

std::string Verb::irregular(Tense tense, int slot) const {
    const LexEntry& r = row();
    if (r.pres[slot] == DASH) return std::string(DASH);
    std::string form;
    switch (tense) {
        case Tense::Present:
            if (present_only_missing(r.pres[slot])) return std::string(DASH);
            form = r.pres[slot];
            break;
        case Tense::Imperfect:
            // A defective verb marks its missing imperfect by its stem (clore).
            if (imperfect_stem() == DASH) return std::string(DASH);
            form = join(imperfect_stem(), IMPERFECT[slot]);
            break;
        case Tense::Future:
        case Tense::Conditional:
            if (r.fut_stem == DASH) return std::string(DASH);
            form = join(r.fut_stem, (tense == Tense::Future ? FUTURE : IMPERFECT)[slot]);
            break;
        case Tense::PastHistoric:
        case Tense::SubjunctiveImperfect: {
            if (r.ps1 == DASH) return std::string(DASH);
            bool past = tense == Tense::PastHistoric;
            if (ends_with(r.ps1, "ai")) {
                form = join(r.ps1.substr(0, r.ps1.size() - 2), (past ? PAST_A : SUBJ_IMPF_A)[slot]);
                break;
            }
            std::string_view b = drop_suffix(r.ps1, "s");
            if (past) {
                switch (slot) {
                    case 0: case 1: form = r.ps1; break;
                    case 2: form = join(b, "t"); break;
                    case 3: form = join(circumflex(b), "mes"); break;
                    case 4: form = join(circumflex(b), "tes"); break;
                    default: form = join(b, "rent"); break;
                }
            } else {
                static constexpr std::array<std::string_view, 6> tails = {"se", "ses", "", "sions", "siez", "sent"};
                form = slot == 2 ? join(circumflex(b), "t") : join(r.ps1, tails[slot]);
            }
            break;
        }
        case Tense::SubjunctivePresent:
            if (r.subj6) form = (*r.subj6)[slot];
            else form = join(slot == 3 || slot == 4 ? r.subj_pl : r.subj_sg, SUBJ[slot]);
            break;
    }
    if (form == DASH) return form;
    return join(prefix_, form);
}

std::string Verb::simple_bare(Tense tense, int slot) const {
    const std::string& st = stem_;
    switch (group_) {
        case Group::First: {
            switch (tense) {
                case Tense::Present:
                case Tense::SubjunctivePresent: {
                    const Endings& e = tense == Tense::Present ? PRESENT_FIRST : SUBJ;
                    bool mute = slot != 3 && slot != 4;
                    return attach(mute ? mute_ : st, e[slot]);
                }
                case Tense::Imperfect: return attach(st, IMPERFECT[slot]);
                case Tense::PastHistoric: return attach(st, PAST_A[slot]);
                case Tense::SubjunctiveImperfect: return attach(st, SUBJ_IMPF_A[slot]);
                case Tense::Future: return join(mute_future_, "er", FUTURE[slot]);
                case Tense::Conditional: return join(mute_future_, "er", IMPERFECT[slot]);
            }
            break;
        }
        case Group::Second: {
            switch (tense) {
                case Tense::Present: return join(st, PRESENT_SECOND[slot]);
                case Tense::Imperfect: return join(st, IMPERFECT_SECOND[slot]);
                case Tense::PastHistoric: return join(st, PAST_I[slot]);
                case Tense::Future: return join(infinitive_, FUTURE[slot]);
                case Tense::Conditional: return join(infinitive_, IMPERFECT[slot]);
                case Tense::SubjunctivePresent: return join(st, SUBJ_SECOND[slot]);
                case Tense::SubjunctiveImperfect: return join(st, SUBJ_IMPF_I[slot]);
            }
            break;
        }
        case Group::Re: {
            std::string_view fut = utf8::drop_last_chars(infinitive_, 1);
            switch (tense) {
                case Tense::Present: return join(st, PRESENT_RE[slot]);
                case Tense::Imperfect: return join(st, IMPERFECT[slot]);
                case Tense::PastHistoric: return join(st, PAST_I[slot]);
                case Tense::Future: return join(fut, FUTURE[slot]);
                case Tense::Conditional: return join(fut, IMPERFECT[slot]);
                case Tense::SubjunctivePresent: return join(st, SUBJ[slot]);
                case Tense::SubjunctiveImperfect: return join(st, SUBJ_IMPF_I[slot]);
            }
            break;
        }
        case Group::Irregular:
            return irregular(tense, slot);
    }
    return std::string(DASH);
}

std::string Verb::conjugate(Tense tense, Person person, Number number) const {
    return cliticize(simple_bare(tense, slot_of(person, number)), person, number);
}

// ---- participles, imperative, compound tenses ----

std::string Verb::past_participle() const {
    switch (group_) {
        case Group::First: return join(stem_, "é");
        case Group::Second: return join(stem_, "i");
        case Group::Re: return join(stem_, "u");
        case Group::Irregular: break;
    }
    const LexEntry& r = row();
    if (r.pp == DASH) return std::string(DASH);
    return join(prefix_, r.pp);
}

std::string Verb::present_participle() const {
    std::string p;
    switch (group_) {
        case Group::First: p = attach(stem_, "ant"); break;
        case Group::Second: p = join(stem_, "issant"); break;
        case Group::Re: p = join(stem_, "ant"); break;
        case Group::Irregular:
            if (row().prsp == DASH) return std::string(DASH);  // frire has none
            p = row().prsp ? join(prefix_, *row().prsp) : join(prefix_, imperfect_stem(), "ant");
            break;
    }
    if (!reflexive_) return p;
    return elides(infinitive_, p) ? join("s'", p) : join("se ", p);
}

std::optional<std::string> Verb::imperative_bare(Person person, Number number) const {
    int slot = slot_of(person, number);
    int which = slot == 1 ? 0 : slot == 3 ? 1 : slot == 4 ? 2 : -1;
    if (which < 0) return std::nullopt;
    static constexpr std::array<std::string_view, 3> first = {"e", "ons", "ez"};
    static constexpr std::array<std::string_view, 3> second = {"is", "issons", "issez"};
    static constexpr std::array<std::string_view, 3> re = {"s", "ons", "ez"};
    switch (group_) {
        case Group::First: return attach(which == 0 ? mute_ : stem_, first[which]);
        case Group::Second: return join(stem_, second[which]);
        case Group::Re: return join(stem_, re[which]);
        case Group::Irregular: break;
    }
    const LexEntry& r = row();
    std::string_view form;
    if (r.imp3) {
        form = (*r.imp3)[which];
    } else if (which == 0) {
        form = r.pres[1];
        if (form == "vas") form = "va";
        else if (ends_with(form, "es")) form.remove_suffix(1);
    } else {
        form = r.pres[which == 1 ? 3 : 4];
    }
    if (present_only_missing(form)) return std::nullopt;
    if (form == DASH) return std::nullopt;
    return join(prefix_, form);
}

std::optional<std::string> Verb::imperative(Person person, Number number) const {
    auto bare = imperative_bare(person, number);
    if (!reflexive_ || !bare) return bare;
    static constexpr std::array<std::string_view, 6> pronouns = {"", "-toi", "", "-nous", "-vous", ""};
    bare->append(pronouns[slot_of(person, number)]);
    return bare;
}

bool Verb::present_masked(int slot) const noexcept {
    return group_ == Group::Irregular && row().pres[slot] == DASH;
}

// One compound form from the auxiliary's form; pp is the past participle.
std::string Verb::compound(std::string_view aux_form, const std::string& pp, int slot) const {
    if (pp == DASH || present_masked(slot)) return std::string(DASH);
    bool agree = etre_ && slot >= 3 && !ends_with(pp, "s");
    std::string form;
    form.reserve(aux_form.size() + pp.size() + 2);
    form.append(aux_form).append(" ").append(pp);
    if (agree) form.push_back('s');
    return cliticize(std::move(form), person_of(slot), number_of(slot));
}

// ---- the table ----

Table Table::build(const Verb& verb) {
    Table t;
    const std::string& inf = verb.infinitive();
    if (!verb.reflexive()) t.infinitive = inf;
    else t.infinitive = Verb::elides(inf, inf) ? join("s'", inf) : join("se ", inf);
    t.auxiliary = verb.takes_etre() ? "être" : "avoir";
    const AuxRows& aux = aux_rows(verb.takes_etre());
    t.present_participle = verb.present_participle();
    t.past_participle = verb.past_participle();
    t.imperative = {verb.imperative(Person::Second, Number::Singular), verb.imperative(Person::First, Number::Plural),
                    verb.imperative(Person::Second, Number::Plural)};

    std::array<Row*, 7> simple = {&t.present, &t.imperfect, &t.past_historic, &t.future,
                                  &t.conditional, &t.subjunctive_present, &t.subjunctive_imperfect};
    std::array<Row*, 7> compound = {&t.passe_compose, &t.plus_que_parfait, &t.passe_anterieur, &t.futur_anterieur,
                                    &t.conditionnel_passe, &t.subjonctif_passe, &t.subjonctif_plus_que_parfait};
    for (int tense = 0; tense < 7; ++tense) {
        for (int slot = 0; slot < 6; ++slot) {
            (*simple[tense])[slot] = verb.conjugate(static_cast<Tense>(tense), person_of(slot), number_of(slot));
            (*compound[tense])[slot] = verb.compound(aux[tense][slot], t.past_participle, slot);
        }
    }
    return t;
}

}  // namespace velnor::fra
