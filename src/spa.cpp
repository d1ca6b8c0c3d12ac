#include "spa.hpp"

#include <algorithm>
#include <utility>

#include "fatal.hpp"
#include "lexicon_text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::spa {

namespace {

// Suffix and prefix tests against literals, inlined (they run for every form).
template <std::size_t N>
inline bool ends_with(std::string_view s, const char (&lit)[N]) noexcept {
    constexpr std::size_t n = N - 1;
    if (s.size() < n) return false;
    const char* p = s.data() + s.size() - n;
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] != lit[i]) return false;
    }
    return true;
}

template <std::size_t N>
inline bool starts_with(std::string_view s, const char (&lit)[N]) noexcept {
    constexpr std::size_t n = N - 1;
    if (s.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        if (s[i] != lit[i]) return false;
    }
    return true;
}

inline bool starts_with(std::string_view s, std::string_view p) noexcept { return s.substr(0, p.size()) == p; }

// ---------------------------------------------------------------- lexicons

// Bases that match only the whole infinitive, never as the end of a longer
// verb (toser is not ser, mandar is not andar).
constexpr std::string_view EXACT_ONLY[] = {"ir", "ser", "dar", "ver", "asir", "estar", "rever", "haber", "andar"};

bool exact_only(std::string_view lemma) {
    for (std::string_view e : EXACT_ONLY) {
        if (e == lemma) return true;
    }
    return false;
}

using lex::optional_cell;

// The irregular lexicon. Lookup tries the suffixes of the infinitive from
// the longest down, which picks the same row as walking the rows and keeping
// the longest matching base (for a repeated lemma the first row, as a walk
// in file order would).
struct Match {
    LexEntry entry;
    std::size_t prefix_len;
};

std::optional<Match> find_irregular(std::string_view infinitive) {
    auto m = lex::longest_suffix(data::table::spa_irregular, infinitive, [](std::string_view line) {
        return !exact_only(line.substr(0, line.find('\t')));
    });
    if (!m) return std::nullopt;
    return Match{parse_lex(m->line), m->at};
}

std::optional<StemClass> class_of(std::string_view text) {
    if (text == "ie") return StemClass::Ie;
    if (text == "ue") return StemClass::Ue;
    if (text == "ei") return StemClass::Ei;
    if (text == "acc-i") return StemClass::AccI;
    if (text == "acc-u") return StemClass::AccU;
    if (text == "ien") return StemClass::Ien;
    return std::nullopt;
}

// The stem-class list: the class of a lemma's first row (none when its
// class text is unknown). Every row has its TAB (checked at build time).
std::optional<std::optional<StemClass>> listed_stem_class(std::string_view lemma) {
    auto line = data::table::spa_stem_classes.first(lemma);
    if (!line) return std::nullopt;
    std::size_t tab = line->find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    return class_of(line->substr(tab + 1));
}

// ---------------------------------------------------------------- letters

bool is_strong(char32_t c) {
    switch (c) {
        case U'a': case U'e': case U'o': case U'á': case U'é': case U'ó': case U'í': case U'ú':
            return true;
        default:
            return false;
    }
}

bool is_accented(char32_t c) {
    return c == U'á' || c == U'é' || c == U'í' || c == U'ó' || c == U'ú';
}

// The accented form of a plain vowel; any other letter stays.
char32_t accented(char32_t c) {
    switch (c) {
        case U'a': return U'á';
        case U'e': return U'é';
        case U'i': return U'í';
        case U'o': return U'ó';
        case U'u': return U'ú';
        default: return c;
    }
}

bool has_vowel(std::string_view s) {
    for (char32_t c : utf8::chars(s)) {
        if (is_vowel(c)) return true;
    }
    return false;
}

bool has_accent(std::string_view s) {
    for (char32_t c : utf8::chars(s)) {
        if (is_accented(c)) return true;
    }
    return false;
}

// Whether the word ends in a vowel, "n" or "s": words so ending are stressed
// on the second-to-last nucleus unless an accent says otherwise.
bool ends_like_llana(std::string_view s) {
    char32_t c = utf8::last(s);
    return is_vowel(c) || c == U'n' || c == U's';
}

// The text with the character at byte `pos` replaced by its accented form.
std::string accent_at(std::string_view text, std::size_t pos) {
    auto d = utf8::decode(text, pos);
    std::string out(text.substr(0, pos));
    utf8::append(out, accented(d.cp));
    out.append(text.substr(pos + d.len));
    return out;
}

// The stressed nucleus by the default rule, ignoring written accents.
const encliticize::Nucleus* default_stress(std::string_view word, const std::vector<encliticize::Nucleus>& n) {
    if (n.empty()) return nullptr;
    if (n.size() >= 2 && ends_like_llana(word)) return &n[n.size() - 2];
    return &n.back();
}

// A lexicon form with the prefix of a derived verb in front. A form of one
// syllable that ends in a vowel, "n" or "s" becomes the stressed last
// syllable of a longer word and so takes a written accent (reír: rio, riais;
// sonreír: sonrió, sonriáis); a prefix without a vowel adds no syllable
// (freír: frio). A stressed i or u behind a silent h would otherwise read
// as one syllable with the prefix's last vowel: it takes the accent that
// marks the hiatus (rehacer: rehíce, rehízo).
std::string with_prefix(std::string_view prefix, std::string_view form) {
    std::string out(prefix);
    if (!prefix.empty() && is_strong(utf8::last(prefix)) && form.size() > 2 && form[0] == 'h' &&
        (form[1] == 'i' || form[1] == 'u') && !has_accent(form)) {
        std::string_view rest = form.substr(1);
        auto n = encliticize::nuclei(rest);
        const encliticize::Nucleus* stressed = default_stress(rest, n);
        if (stressed != nullptr && stressed->pos == 0) {
            out.append(accent_at(form, 1));
            return out;
        }
    }
    if (prefix.empty() || !has_vowel(prefix) || form.empty() || has_accent(form) || !ends_like_llana(form)) {
        out.append(form);
        return out;
    }
    auto n = encliticize::nuclei(form);
    if (n.size() != 1) {
        out.append(form);
        return out;
    }
    out.append(accent_at(form, n[0].pos));
    return out;
}

// A combining acute, diaeresis or tilde joins the plain letter before it
// (á, ü, ñ written as two code points, as some keyboards and file systems
// hand them over).
constexpr unicode::Composition ACCENTS[] = {
    {'a', 0x0301, U'á'}, {'e', 0x0301, U'é'}, {'i', 0x0301, U'í'}, {'o', 0x0301, U'ó'},
    {'u', 0x0301, U'ú'}, {'u', 0x0308, U'ü'}, {'n', 0x0303, U'ñ'},
};

// ---------------------------------------------------------------- endings

constexpr std::string_view PRONOUNS[6] = {"me", "te", "se", "nos", "os", "se"};

using Row = std::array<std::string_view, 6>;

constexpr Row PRESENT[3] = {
    {"o", "as", "a", "amos", "áis", "an"},
    {"o", "es", "e", "emos", "éis", "en"},
    {"o", "es", "e", "imos", "ís", "en"},
};
constexpr Row IMPERFECT[2] = {
    {"aba", "abas", "aba", "ábamos", "abais", "aban"},
    {"ía", "ías", "ía", "íamos", "íais", "ían"},
};
constexpr Row PRETERITE[2] = {
    {"é", "aste", "ó", "amos", "asteis", "aron"},
    {"í", "iste", "ió", "imos", "isteis", "ieron"},
};
constexpr Row FUTURE = {"é", "ás", "á", "emos", "éis", "án"};
constexpr Row CONDITIONAL = {"ía", "ías", "ía", "íamos", "íais", "ían"};
constexpr Row SUBJ_PRESENT[2] = {
    {"e", "es", "e", "emos", "éis", "en"},
    {"a", "as", "a", "amos", "áis", "an"},
};
constexpr Row SUBJ_IMPERFECT[2] = {
    {"ara", "aras", "ara", "áramos", "arais", "aran"},
    {"iera", "ieras", "iera", "iéramos", "ierais", "ieran"},
};
constexpr Row SUBJ_FUTURE[2] = {
    {"are", "ares", "are", "áremos", "areis", "aren"},
    {"iere", "ieres", "iere", "iéremos", "iereis", "ieren"},
};

std::string_view ending_of(Tense tense, std::uint8_t conjugation, int slot) {
    int g = conjugation == 0 ? 0 : 1;
    switch (tense) {
        case Tense::Present: return PRESENT[conjugation][slot];
        case Tense::Imperfect: return IMPERFECT[g][slot];
        case Tense::Preterite: return PRETERITE[g][slot];
        case Tense::Future: return FUTURE[slot];
        case Tense::Conditional: return CONDITIONAL[slot];
        case Tense::SubjunctivePresent: return SUBJ_PRESENT[g][slot];
        case Tense::SubjunctiveImperfect: return SUBJ_IMPERFECT[g][slot];
        case Tense::SubjunctiveFuture: return SUBJ_FUTURE[g][slot];
    }
    return {};
}

// Endings whose "i" turns into "y" after a vowel (leyó, leyeron, leyendo,
// leyera, leyere) or is swallowed after ñ and ll (tañó, bullendo).
constexpr std::string_view GLIDE_ENDINGS[] = {"ió", "ieron", "iendo", "iera", "iéra", "iere", "iére"};

bool glide_ending(std::string_view ending) {
    for (std::string_view e : GLIDE_ENDINGS) {
        if (starts_with(ending, e)) return true;
    }
    return false;
}

bool front_ending(std::string_view e) { return starts_with(e, "e") || starts_with(e, "é"); }
bool back_ending(std::string_view e) { return starts_with(e, "a") || starts_with(e, "á") || starts_with(e, "o"); }

// The strong preterite row from its first person ("tuve").
std::string strong_preterite(std::string_view pret1, int slot) {
    std::string_view root = ends_with(pret1, "e") ? pret1.substr(0, pret1.size() - 1) : pret1;
    std::string out(root);
    switch (slot) {
        case 0: return std::string(pret1);
        case 1: out += "iste"; break;
        case 2: out += "o"; break;
        case 3: out += "imos"; break;
        case 4: out += "isteis"; break;
        default: out += ends_with(root, "j") ? "eron" : "ieron"; break;
    }
    return out;
}

// The -ra and -re subjunctives from the third person plural preterite.
std::string subjunctive_from(std::string_view pret3pl, Tense tense, int slot) {
    std::string_view base = ends_with(pret3pl, "on") ? pret3pl.substr(0, pret3pl.size() - 2) : pret3pl;
    bool ra = tense == Tense::SubjunctiveImperfect;
    std::string out;
    if (slot == 3) {
        out = replace_last(base, U"e", "é");
        out += ra ? "amos" : "emos";
        return out;
    }
    out = base;
    static constexpr std::string_view RA[6] = {"a", "as", "a", "", "ais", "an"};
    static constexpr std::string_view RE[6] = {"e", "es", "e", "", "eis", "en"};
    out += ra ? RA[slot] : RE[slot];
    return out;
}

Person person_of(int slot) { return static_cast<Person>(slot % 3); }
Number number_of(int slot) { return static_cast<Number>(slot / 3); }

constexpr Tense COMPOUND_AUX[7] = {Tense::Present,     Tense::Imperfect,          Tense::Preterite,
                                   Tense::Future,      Tense::Conditional,        Tense::SubjunctivePresent,
                                   Tense::SubjunctiveImperfect};

// The auxiliary of the compound tenses, analysed once.
const Verb& haber() {
    static const Verb verb = [] {
        auto v = Verb::from_infinitive("haber");
        if (!v) fatal("haber conjugates");
        return std::move(*v);
    }();
    return verb;
}

// Its forms for the seven compound tenses, worked out once.
const std::array<std::array<std::string, 6>, 7>& haber_forms() {
    static const auto forms = [] {
        std::array<std::array<std::string, 6>, 7> f;
        for (int t = 0; t < 7; ++t) {
            for (int s = 0; s < 6; ++s) f[t][s] = haber().conjugate(COMPOUND_AUX[t], person_of(s), number_of(s));
        }
        return f;
    }();
    return forms;
}

}  // namespace

// ---------------------------------------------------------------- helpers

bool is_vowel(char32_t c) noexcept {
    switch (c) {
        case U'a': case U'e': case U'i': case U'o': case U'u':
        case U'á': case U'é': case U'í': case U'ó': case U'ú': case U'ü':
            return true;
        default:
            return false;
    }
}

std::string replace_last(std::string_view text, std::u32string_view chars, std::string_view replacement) {
    std::size_t at = std::string_view::npos;
    std::size_t len = 0;
    for (auto it = utf8::chars(text).begin(); it != utf8::chars(text).end(); ++it) {
        if (chars.find(*it) != std::u32string_view::npos) {
            at = it.position();
            len = utf8::decode(text, at).len;
        }
    }
    if (at == std::string_view::npos) return std::string(text);
    std::string out(text.substr(0, at));
    out.append(replacement);
    out.append(text.substr(at + len));
    return out;
}

LexEntry parse_lex(std::string_view line) {
    auto c = lex::split<16>(line);
    if (c.count < 11) fatal("Spanish irregular lexicon: a row has fewer than 11 cells");
    LexEntry e;
    for (int i = 0; i < 6; ++i) e.pres[i] = c[1 + i];
    e.subj = c[7];
    if (e.subj.find(',') != std::string_view::npos) {
        e.subj6 = lex::required_forms<6>(e.subj);
        e.subj_split = true;
    }
    e.pret1 = optional_cell(c[8]);
    e.fut_stem = optional_cell(c[9]);
    e.pp = c[10];
    if (auto impf = optional_cell(c[11])) e.impf6 = lex::required_forms<6>(*impf);
    e.ger = optional_cell(c[12]);
    e.imp2sg = optional_cell(c[13]);
    if (auto pret = optional_cell(c[14])) e.pret6 = lex::required_forms<6>(*pret);
    return e;
}

namespace encliticize {

std::vector<Nucleus> nuclei(std::string_view word) {
    std::vector<Nucleus> out;
    std::vector<Nucleus> run;
    auto flush = [&] {
        if (run.empty()) return;
        std::size_t strong = 0;
        for (const Nucleus& n : run) strong += is_strong(n.vowel) ? 1 : 0;
        if (strong == 0) {
            out.push_back(run.back());
        } else {
            for (const Nucleus& n : run) {
                if (is_strong(n.vowel)) out.push_back(n);
            }
        }
        run.clear();
    };
    for (auto it = utf8::chars(word).begin(); it != utf8::chars(word).end(); ++it) {
        if (is_vowel(*it)) {
            run.push_back({it.position(), *it});
        } else {
            flush();
        }
    }
    flush();
    return out;
}

std::string join(std::string_view bare, std::string_view joined) {
    auto fn = nuclei(bare);
    const Nucleus* stressed = nullptr;
    for (const Nucleus& n : fn) {
        if (is_accented(n.vowel)) stressed = &n;
    }
    if (stressed != nullptr) return std::string(joined);
    stressed = default_stress(bare, fn);
    auto jn = nuclei(joined);
    const Nucleus* fall = default_stress(joined, jn);
    if (stressed == nullptr || fall == nullptr || fall->pos == stressed->pos) return std::string(joined);
    if (stressed->pos >= joined.size()) return std::string(joined);
    return accent_at(joined, stressed->pos);
}

}  // namespace encliticize

// ---------------------------------------------------------------- analysis

// The endings of the three conjugations in their order, -ír and -ir both of the third. "ir" is a verb of its
// own, not an ending to cut off: the spelling's list stops before it.
constexpr std::string_view INFINITIVE_ENDINGS[] = {"ar", "er", "ír", "ir"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, std::span(INFINITIVE_ENDINGS).first<3>()};
static_assert(std::size(INFINITIVE_ENDINGS) == 4 && INFINITIVE_ENDINGS[3] == "ir");

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error::NotAVerb);
    std::string lower = unicode::compose(unicode::to_lower(text), ACCENTS);
    std::string_view word = unicode::trim(lower);

    bool reflexive = false;
    if (word.size() >= 4 && ends_with(word, "se")) {
        std::string_view before = word.substr(0, word.size() - 2);
        if (utf8::ends_with_one_of(before, INFINITIVE_ENDINGS)) {
            word = before;
            reflexive = true;
        }
    }
    for (char32_t c : utf8::chars(word)) {
        if (c == U'\'' || unicode::is_white_space(c)) return fail(Error::NotAVerb);
    }
    if (word.size() < 2) return fail(Error::Unsupported);

    std::size_t ending = utf8::longest_ending(word, INFINITIVE_ENDINGS);
    if (ending == std::size(INFINITIVE_ENDINGS)) return fail(Error::Unsupported);

    Verb v;
    v.infinitive = std::string(word);
    v.stem = std::string(word.substr(0, word.size() - INFINITIVE_ENDINGS[ending].size()));
    v.reflexive = reflexive;
    v.conjugation = static_cast<std::uint8_t>(std::min<std::size_t>(ending, 2));
    if (auto m = find_irregular(word)) {
        v.prefix = std::string(word.substr(0, m->prefix_len));
        v.lex = std::move(m->entry);
    } else {
        if (v.stem.empty() || !has_vowel(v.stem)) return fail(Error::NotAVerb);
        if (auto listed = listed_stem_class(word)) v.stem_class = *listed;
    }
    v.stressed_ = v.compute_stressed_stem();
    v.raised_ = v.compute_raised_stem();
    // The future and conditional attach to the infinitive, written without
    // the accent of -ír (oiré, reiría).
    v.future_base_.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (i + 1 < word.size() && word[i] == '\xC3' && word[i + 1] == '\xAD') {
            v.future_base_ += 'i';
            ++i;
        } else {
            v.future_base_ += word[i];
        }
    }
    return v;
}

// ---------------------------------------------------------------- stems

std::string Verb::compute_stressed_stem() const {
    std::string s;
    if (!stem_class) {
        s = stem;
    } else {
        switch (*stem_class) {
            case StemClass::Ie:
            case StemClass::Ien:
                s = replace_last(stem, U"ei", "ie");
                break;
            case StemClass::Ue: {
                std::size_t at = stem.find_last_of("ou");
                if (at == std::string::npos) {
                    s = stem;
                } else {
                    bool after_g = at > 0 && stem[at - 1] == 'g';
                    s = stem.substr(0, at);
                    s += after_g ? "üe" : "ue";
                    s += stem.substr(at + 1);
                }
                break;
            }
            case StemClass::Ei: {
                // A stressed i behind a silent h after a vowel is written í,
                // else it would read as a diphthong (rehenchir: rehíncho).
                std::size_t at = stem.rfind('e');
                bool hiatus = at != std::string::npos && at >= 2 && stem[at - 1] == 'h' &&
                              is_strong(utf8::last(std::string_view(stem).substr(0, at - 1)));
                s = hiatus ? stem.substr(0, at) + "í" + stem.substr(at + 1) : replace_last(stem, U"e", "i");
                break;
            }
            case StemClass::AccI:
                s = replace_last(stem, U"i", "í");
                break;
            case StemClass::AccU:
                s = replace_last(stem, U"u", "ú");
                break;
        }
    }
    if (starts_with(s, "ie")) {
        s.replace(0, 2, "ye");
    } else if (starts_with(s, "ue")) {
        s.replace(0, 2, "hue");
    }
    return s;
}

std::string Verb::compute_raised_stem() const {
    if (conjugation != 2 || !stem_class) return stem;
    // The last vowel, passing over the silent u of gu and qu.
    char32_t vowel = 0;
    std::size_t end = stem.size();
    while (end > 0) {
        auto d = utf8::decode_last(stem, end);
        std::size_t start = end - d.len;
        if (is_vowel(d.cp)) {
            bool silent = d.cp == U'u' && start > 0 && (stem[start - 1] == 'q' || stem[start - 1] == 'g');
            if (!silent) {
                vowel = d.cp;
                break;
            }
        }
        end = start;
    }
    if (vowel == U'e' && (*stem_class == StemClass::Ie || *stem_class == StemClass::Ei)) {
        return replace_last(stem, U"e", "i");
    }
    if (vowel == U'o' && *stem_class == StemClass::Ue) return replace_last(stem, U"o", "u");
    return stem;
}

std::string Verb::attach_stem(std::string_view stem_in, std::string_view ending) const {
    std::string s;
    s.reserve(stem_in.size() + ending.size() + 2);
    s.append(stem_in);
    if (conjugation == 0) {
        if (front_ending(ending)) {
            if (ends_with(s, "gu")) {
                s.pop_back();
                s += "ü";
            } else if (ends_with(s, "z")) {
                s.back() = 'c';
            } else if (ends_with(s, "g")) {
                s += 'u';
            } else if (ends_with(s, "c")) {
                s.back() = 'q';
                s += 'u';
            }
        }
        return s.append(ending);
    }

    if (back_ending(ending)) {
        if (ends_with(s, "gu")) {
            s.pop_back();
        } else if (ends_with(s, "qu")) {
            s.resize(s.size() - 2);
            s += 'c';
        } else if (ends_with(s, "g")) {
            s.back() = 'j';
        } else if (ends_with(s, "c")) {
            bool plain_z = infinitive == "mecer" || infinitive == "remecer" || ends_with(infinitive, "cocer");
            if (!plain_z) {
                std::string_view before(s.data(), s.size() - 1);
                plain_z = before.empty() || !is_vowel(utf8::last(before));
            }
            s.back() = 'z';
            if (!plain_z) s += 'c';
        }
    }

    auto glide = [&](std::string_view with) {
        std::string e(with);
        e.append(ending.substr(1));
        return e;
    };

    bool own_u = ends_with(stem, "ü") ||
                 (ends_with(stem, "u") && !ends_with(stem, "gu") && !ends_with(stem, "qu"));
    if (conjugation == 2 && own_u && (ends_with(s, "u") || ends_with(s, "ü") || ends_with(s, "ú"))) {
        std::string e = glide_ending(ending) ? glide("y") : std::string(ending);
        if (starts_with(e, "y") && ends_with(s, "ü")) {
            s.resize(s.size() - 2);
            s += 'u';
        }
        if (back_ending(ending) || front_ending(ending)) {
            if (ends_with(s, "ü")) {
                s.resize(s.size() - 2);
                s += 'u';
            }
            s += 'y';
        }
        return s.append(e);
    }

    if (ends_with(s, "a") || ends_with(s, "e") || ends_with(s, "o")) {
        std::string e = glide_ending(ending) ? glide("y") : std::string(ending);
        if (e == "ido") e = "ído";
        else if (e == "iste") e = "íste";
        else if (e == "imos") e = "ímos";
        else if (e == "isteis") e = "ísteis";
        return s.append(e);
    }

    if (ends_with(s, "ñ") || ends_with(s, "ll")) {
        if (glide_ending(ending)) return s.append(ending.substr(1));
    }
    return s.append(ending);
}

std::string Verb::attach_slot(Tense tense, int slot, std::string_view ending) const {
    bool strong_slot = slot != 3 && slot != 4;
    switch (tense) {
        case Tense::Present:
            return attach_stem(strong_slot ? stressed_ : stem, ending);
        case Tense::SubjunctivePresent:
            return attach_stem(strong_slot ? stressed_ : raised_, ending);
        case Tense::Preterite:
            return attach_stem(slot == 2 || slot == 5 ? raised_ : stem, ending);
        case Tense::SubjunctiveImperfect:
        case Tense::SubjunctiveFuture:
            return attach_stem(raised_, ending);
        default:
            return attach_stem(stem, ending);
    }
}

// ---------------------------------------------------------------- tenses

std::string Verb::regular_form(Tense tense, int slot) const {
    std::string_view ending = ending_of(tense, conjugation, slot);
    switch (tense) {
        case Tense::Present:
        case Tense::Preterite:
        case Tense::SubjunctivePresent:
            return attach_slot(tense, slot, ending);
        case Tense::Imperfect:
            return attach_stem(stem, ending);
        case Tense::SubjunctiveImperfect:
        case Tense::SubjunctiveFuture:
            return attach_stem(raised_, ending);
        case Tense::Future:
        case Tense::Conditional: {
            std::string out;
            out.reserve(future_base_.size() + ending.size());
            out.append(future_base_);
            return out.append(ending);
        }
    }
    return {};
}

std::string Verb::plain_slot(Tense tense, int slot) const {
    if (!lex) return regular_form(tense, slot);
    const LexEntry& e = *lex;
    switch (tense) {
        case Tense::Present:
            return with_prefix(prefix, e.pres[slot]);
        case Tense::Imperfect:
            if (e.impf6) return with_prefix(prefix, (*e.impf6)[slot]);
            return regular_form(tense, slot);
        case Tense::Preterite:
            if (e.pret6) return with_prefix(prefix, (*e.pret6)[slot]);
            if (e.pret1) return with_prefix(prefix, strong_preterite(*e.pret1, slot));
            return regular_form(tense, slot);
        case Tense::Future:
        case Tense::Conditional: {
            if (!e.fut_stem) return regular_form(tense, slot);
            std::string out = prefix;
            out.append(*e.fut_stem);
            out.append(tense == Tense::Future ? FUTURE[slot] : CONDITIONAL[slot]);
            return out;
        }
        case Tense::SubjunctivePresent: {
            if (e.subj_split) return with_prefix(prefix, e.subj6[slot]);
            std::string form(e.subj);
            form.append(SUBJ_PRESENT[conjugation == 0 ? 0 : 1][slot]);
            return with_prefix(prefix, form);
        }
        case Tense::SubjunctiveImperfect:
        case Tense::SubjunctiveFuture: {
            std::string p3;
            if (e.pret6) {
                p3 = (*e.pret6)[5];
            } else if (e.pret1) {
                p3 = strong_preterite(*e.pret1, 5);
            } else {
                return regular_form(tense, slot);
            }
            return with_prefix(prefix, subjunctive_from(p3, tense, slot));
        }
    }
    return {};
}

std::string Verb::plain(Tense tense, Person person, Number number) const {
    return plain_slot(tense, slot_of(person, number));
}

namespace {

// -ir verbs used only where the ending begins with i (desvaímos, garantía,
// aterido): they have no 1sg, 2sg, 3sg and 3pl present, no present
// subjunctive and only the vosotros imperative (garantid). The other forms
// are made with another verb, or not at all.
bool only_i_forms(std::string_view infinitive) {
    for (std::string_view v : {"desvaír", "garantir", "aterir"})
        if (infinitive == v) return true;
    return false;
}

// balbucir lacks only the forms that would take zc: the 1sg present and the
// present subjunctive, with the imperatives made of it (balbuceo, balbucee
// come from balbucear); balbuces, balbuce, balbucen are in use.
bool no_zc_forms(std::string_view infinitive) { return infinitive == "balbucir"; }

}  // namespace

std::string Verb::conjugate(Tense tense, Person person, Number number) const {
    // soler has no future, conditional or future subjunctive.
    if (infinitive == "soler" &&
        (tense == Tense::Future || tense == Tense::Conditional || tense == Tense::SubjunctiveFuture)) {
        return "—";
    }
    int slot = slot_of(person, number);
    if (only_i_forms(infinitive) &&
        (tense == Tense::SubjunctivePresent || (tense == Tense::Present && slot != 3 && slot != 4))) {
        return "—";
    }
    if (no_zc_forms(infinitive) && (tense == Tense::SubjunctivePresent || (tense == Tense::Present && slot == 0)))
        return "—";
    std::string form = plain_slot(tense, slot);
    if (!reflexive) return form;
    std::string out;
    out.reserve(PRONOUNS[slot].size() + 1 + form.size());
    out.append(PRONOUNS[slot]);
    out += ' ';
    return out.append(form);
}

// ---------------------------------------------------------------- non-finite forms

std::string Verb::past_participle() const {
    if (lex) return with_prefix(prefix, lex->pp);
    std::string_view inf = infinitive;
    auto cut = [&](std::size_t n, std::string_view tail) {
        std::string out(inf.substr(0, inf.size() - n));
        return out.append(tail);
    };
    if (ends_with(inf, "brir")) return cut(4, "bierto");
    if (ends_with(inf, "cribir")) return cut(6, "crito");
    if (ends_with(inf, "olver")) return cut(5, "uelto");
    if (ends_with(inf, "morir")) return cut(5, "muerto");
    if (inf == "romper") return "roto";
    if (inf == "pudrir") return "podrido";
    return attach(conjugation == 0 ? "ado" : "ido");
}

std::string Verb::gerund() const {
    if (lex && lex->ger) return with_prefix(prefix, *lex->ger);
    if (conjugation == 0) return attach("ando");
    return attach_stem(raised_, "iendo");
}

std::optional<std::string> Verb::imperative(Person person, Number number) const {
    if (infinitive == "soler") return std::nullopt;
    std::string form;
    bool vosotros = person == Person::Second && number == Number::Plural;
    if (only_i_forms(infinitive) && !vosotros) return std::nullopt;
    if (no_zc_forms(infinitive) && person != Person::Second) return std::nullopt;
    if (person == Person::Second && number == Number::Singular) {
        if (lex && lex->imp2sg) {
            std::string_view cell = *lex->imp2sg;
            if (!prefix.empty() && cell == "di") {
                form = plain_slot(Tense::Present, 2);
            } else if (!prefix.empty() && (cell == "pon" || cell == "ten" || cell == "ven")) {
                form = prefix;
                form.append(accent_at(cell, 1));
            } else {
                form = with_prefix(prefix, cell);
            }
        } else {
            form = plain_slot(Tense::Present, 2);
        }
    } else if (person == Person::Third) {
        form = plain_slot(Tense::SubjunctivePresent, slot_of(person, number));
    } else if (person == Person::First && number == Number::Plural) {
        form = plain_slot(Tense::SubjunctivePresent, 3);
    } else if (vosotros) {
        form = stem;
        if (conjugation == 0) {
            form += "ad";
        } else if (conjugation == 1) {
            form += "ed";
        } else {
            bool vowel_stem = ends_with(stem, "a") || ends_with(stem, "e") || ends_with(stem, "o");
            form += vowel_stem ? "íd" : "id";
        }
    } else {
        return std::nullopt;
    }
    if (!reflexive) return form;

    static constexpr std::string_view CLITIC[2][3] = {{"", "te", "se"}, {"nos", "os", "se"}};
    std::string joined = form;
    if (person == Person::First && number == Number::Plural && ends_with(joined, "s")) {
        joined.pop_back();
    } else if (vosotros && infinitive != "ir") {
        // The d goes before os (lavaos, vestíos); irse alone keeps it: idos.
        if (ends_with(joined, "d")) joined.pop_back();
        if (ends_with(joined, "i")) {
            joined.pop_back();
            joined += "í";
        }
    }
    joined.append(CLITIC[static_cast<int>(number)][static_cast<int>(person)]);
    return encliticize::join(form, joined);
}

// ---------------------------------------------------------------- table

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.infinitive;
    if (verb.reflexive) t.infinitive += "se";
    t.gerund = verb.gerund();
    t.past_participle = verb.past_participle();

    std::array<std::string, 6>* simple[8] = {&t.present,     &t.imperfect,           &t.preterite,
                                             &t.future,      &t.conditional,         &t.subjunctive_present,
                                             &t.subjunctive_imperfect, &t.subjunctive_future};
    for (int tense = 0; tense < 8; ++tense) {
        for (int s = 0; s < 6; ++s) {
            (*simple[tense])[s] = verb.conjugate(static_cast<Tense>(tense), person_of(s), number_of(s));
        }
    }

    std::array<std::string, 6>* compound[7] = {&t.perfecto_compuesto,   &t.pluscuamperfecto,
                                               &t.preterito_anterior,   &t.futuro_perfecto,
                                               &t.condicional_perfecto, &t.subjuntivo_perfecto,
                                               &t.subjuntivo_pluscuamperfecto};
    const auto& aux = haber_forms();
    for (int c = 0; c < 7; ++c) {
        for (int s = 0; s < 6; ++s) {
            std::string& out = (*compound[c])[s];
            out.reserve((verb.reflexive ? PRONOUNS[s].size() + 1 : 0) + aux[c][s].size() + 1 +
                        t.past_participle.size());
            if (verb.reflexive) {
                out = PRONOUNS[s];
                out += ' ';
            }
            out.append(aux[c][s]);
            out += ' ';
            out.append(t.past_participle);
        }
    }

    t.imperative[0] = verb.imperative(Person::Second, Number::Singular);
    t.imperative[1] = verb.imperative(Person::Third, Number::Singular);
    t.imperative[2] = verb.imperative(Person::First, Number::Plural);
    t.imperative[3] = verb.imperative(Person::Second, Number::Plural);
    t.imperative[4] = verb.imperative(Person::Third, Number::Plural);
    return t;
}

}  // namespace velnor::spa
