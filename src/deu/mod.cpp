#include "mod.hpp"

#include <algorithm>
#include <array>

#include "../fatal.hpp"
#include "orthography.hpp"
#include "prefix.hpp"
#include "../text.hpp"
#include "../unicode.hpp"
#include "../utf8.hpp"

namespace velnor::deu {

using text::join;

using features::Number;
using features::Person;
using orthography::attach;
using prefix::Separability;

namespace {

constexpr std::array<std::string_view, 6> PRESENT_ENDINGS{"e", "st", "t", "en", "t", "en"};
constexpr std::array<std::string_view, 6> WEAK_PRETERITE_ENDINGS{"te", "test", "te", "ten", "tet", "ten"};
constexpr std::array<std::string_view, 6> STRONG_PRETERITE_ENDINGS{"", "st", "", "en", "t", "en"};
constexpr std::array<std::string_view, 6> KONJUNKTIV1_ENDINGS{"e", "est", "e", "en", "et", "en"};
constexpr std::array<std::string_view, 6> REFLEXIVE_PRONOUNS{"mich", "dich", "sich", "uns", "euch", "sich"};

// How many analyses one input may nest (a prefix split, a dual-override
// rest, the tail of a multi-word text, the re-reading of a "zu" infix).
// Real verbs stay far below; without a bound, a word made of thousands of
// stacked prefixes would nest that deep and copy its rest at every level.
constexpr int MAX_DEPTH = 16;

// Particles that join a following separable particle into one word
// (her + aus, vor + an, da + bei); every other first element (wieder, mit,
// an adjective or noun) stays a word of its own: wieder her, mit an.
constexpr std::array<std::string_view, 25> JOINING_PARTICLES{
    "ab",  "an",  "auf", "aus",   "bei",  "da",   "dar",  "durch", "ein",   "her",   "hin",   "nach",  "um",
    "vor", "zu",  "ran", "rauf",  "raus", "rein", "rum",  "runter", "rüber", "drauf", "dran", "drin",
};

bool joins(std::string_view particle) noexcept {
    for (std::string_view p : JOINING_PARTICLES) {
        if (p == particle) return true;
    }
    return false;
}

bool is_sibilant(char32_t c) noexcept { return c == U's' || c == U'x' || c == U'z' || c == U'ß'; }

bool ascii_iequals(std::string_view a, std::string_view lower) noexcept {
    if (a.size() != lower.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lower[i]) return false;
    }
    return true;
}

// du form of a lexicon present stem: fähr → fährst, iss → isst, hältst stays.
std::string du_rule(std::string_view p) {
    if (utf8::ends_with(p, "st")) return std::string(p);
    if (!p.empty() && is_sibilant(utf8::last(p))) return join(p, "t");
    return join(p, "st");
}

// er form of a lexicon present stem: fähr → fährt, hält stays.
std::string er_rule(std::string_view p) {
    if (utf8::ends_with(p, "t") || utf8::ends_with(p, "th")) return std::string(p);
    return join(p, "t");
}

Verb from_parts(std::string_view word, const WeakParts& w) {
    Verb v;
    v.infinitive = std::string(word);
    v.stem = std::string(w.stem);
    v.eln_ern = w.eln_ern;
    v.ieren = w.ieren;
    v.bare_n = w.bare_n;
    return v;
}

Expected<Verb, Error> reject(std::string_view word) { return fail(Error{Error::InvalidInfinitive, std::string(word)}); }

struct Analyser {
    bool too_deep = false;

    Expected<Verb, Error> deeper() {
        too_deep = true;
        return fail(Error{});
    }

    // The whole text: white space, a leading "zu", multi-word verbs.
    Expected<Verb, Error> text(std::string_view input, int depth) {
        if (depth > MAX_DEPTH) return deeper();
        std::string collapsed;
        std::string_view t = input;
        if (!unicode::is_collapsed(t)) {
            collapsed = unicode::collapse_white_space(t);
            t = collapsed;
        }
        if (utf8::starts_with(t, "zu ") || utf8::starts_with(t, "Zu ")) t.remove_prefix(3);
        std::size_t space = t.rfind(' ');
        if (space == std::string_view::npos) return word(t, depth);

        std::string_view head = t.substr(0, space);
        std::string_view tail = t.substr(space + 1);
        if (utf8::ends_with(head, " zu")) head.remove_suffix(3);
        if (ascii_iequals(head, "zu")) return word(tail, depth + 1);
        Prefix pre = ascii_iequals(head, "sich") ? Prefix{"sich", Separability::Reflexive}
                                                 : Prefix{std::string(head), Separability::Detached};
        auto base = word(tail, depth + 1);
        if (!base) return base;
        Verb v;
        v.infinitive = join(pre.text, " ", base->infinitive);
        v.prefix = std::move(pre);
        v.base = std::make_unique<Verb>(std::move(*base));
        return v;
    }

    // One word (no white space in it).
    Expected<Verb, Error> word(std::string_view input, int depth) {
        if (depth > MAX_DEPTH) return deeper();
        std::string lowered;
        std::string_view w = input;
        if (unicode::has_upper(w)) {
            lowered = unicode::to_lower(w);
            w = lowered;
        }
        if (const suppletive::SuppletiveVerb* s = suppletive::find(w)) {
            Verb v;
            v.klass = VerbClass::Suppletive;
            v.table = s;
            v.infinitive = std::string(w);
            v.stem = std::string(w.substr(0, w.size() - 1));
            return v;
        }
        if (auto e = lexicon::lookup(w)) {
            auto v = Verb::weak(w);
            if (!v) return v;
            v->klass = VerbClass::Entry;
            v->entry = e;
            return v;
        }
        if (lexicon::is_forced_weak(w)) return Verb::weak(w);

        std::string_view pre;
        Separability sep;
        std::optional<std::string_view> part2;
        std::optional<Expected<Verb, Error>> base;
        if (auto d = lexicon::dual_override(w)) {
            pre = d->prefix;
            sep = d->separability;
            part2 = d->part2;
            std::string_view rest = w.substr(pre.size());
            if (d->weak) {
                base.emplace(Verb::weak(rest));
            } else {
                base.emplace(word(rest, depth + 1));
            }
        } else if (auto s = prefix::split(w)) {
            pre = s->prefix;
            sep = s->separability;
            base.emplace(word(s->rest, depth + 1));
        } else {
            return Verb::weak(w);
        }
        if (!*base) return std::move(*base);
        Verb b = std::move(**base);

        // Stacked prefixes that behave as one: vor + an → voran; wieder + her
        // → wieder her, a group written apart after the verb.
        std::string prefix_text(pre);
        std::size_t apart = 0;
        if (b.prefix) {
            Separability s2 = b.prefix->separability;
            bool merge = (s2 == Separability::Separable &&
                          (sep == Separability::Separable || sep == Separability::Inseparable ||
                           sep == Separability::Fused)) ||
                         (s2 != Separability::Separable && sep == Separability::Inseparable);
            if (merge) {
                if (!b.base) fatal("prefixed");
                if (sep == Separability::Separable && s2 == Separability::Separable) {
                    if (!joins(pre)) {
                        apart = pre.size();
                    } else if (b.prefix->apart) {
                        apart = pre.size() + b.prefix->apart;
                    }
                }
                prefix_text += b.prefix->text;
                std::unique_ptr<Verb> inner = std::move(b.base);
                b = std::move(*inner);
            }
        }

        // A "zu" infix (anzufangen) is the verb without it (anfangen).
        if ((sep == Separability::Separable || sep == Separability::Fused) && prefix_text.size() >= 3 &&
            utf8::ends_with(prefix_text, "zu") && prefix_text != "dazu" && prefix_text != "hinzu") {
            std::string plain = join(std::string_view(prefix_text).substr(0, prefix_text.size() - 2), b.infinitive);
            return word(plain, depth + 1);
        }

        Verb v;
        v.infinitive = join(prefix_text, b.infinitive);
        v.prefix = Prefix{std::move(prefix_text), sep, apart};
        v.part2_override = part2;
        v.base = std::make_unique<Verb>(std::move(b));
        return v;
    }
};

// The word a failure reports when the input nests too deep: the lower-cased
// last word of the normalised text.
std::string last_word(std::string_view input) {
    std::string collapsed = unicode::collapse_white_space(input);
    std::string_view t = collapsed;
    std::size_t space = t.rfind(' ');
    if (space != std::string_view::npos) t = t.substr(space + 1);
    return unicode::to_lower(t);
}

// Finite forms of the auxiliaries haben, sein and werden, made once per
// process: [tense][mood][slot].
struct AuxiliaryForms {
    std::array<std::array<std::array<std::string, 6>, 3>, 2> forms;
    std::string_view at(Tense t, Mood m, std::size_t slot) const {
        return forms[static_cast<std::size_t>(t)][static_cast<std::size_t>(m)][slot];
    }
};

AuxiliaryForms make_auxiliary_forms(std::string_view infinitive) {
    auto v = Verb::from_infinitive(infinitive);
    if (!v) fatal("auxiliary");
    AuxiliaryForms f;
    for (std::size_t t = 0; t < 2; ++t) {
        for (std::size_t m = 0; m < 3; ++m) {
            for (std::size_t s = 0; s < 6; ++s) {
                f.forms[t][m][s] = v->conjugate(static_cast<Tense>(t), static_cast<Mood>(m), features::person_of(s),
                                                features::number_of(s));
            }
        }
    }
    return f;
}

const AuxiliaryForms& auxiliary_forms(Auxiliary a) {
    static const AuxiliaryForms HABEN = make_auxiliary_forms("haben");
    static const AuxiliaryForms SEIN = make_auxiliary_forms("sein");
    return a == Auxiliary::Sein ? SEIN : HABEN;
}

const AuxiliaryForms& werden_forms() {
    static const AuxiliaryForms WERDEN = make_auxiliary_forms("werden");
    return WERDEN;
}

}  // namespace

std::optional<WeakParts> weak_parts(std::string_view word) noexcept {
    const std::size_t n = word.size();
    if (n < 3) return std::nullopt;
    WeakParts p;
    bool done = false;
    if (utf8::ends_with(word, "ien") && n > 3) {
        if (!is_vowel(utf8::decode_last(word, n - 3).cp)) {
            p.stem = word.substr(0, n - 1);
            p.bare_n = true;
            done = true;
        }
    } else if (utf8::ends_with(word, "eln") || utf8::ends_with(word, "ern")) {
        p.stem = word.substr(0, n - 1);
        p.eln_ern = true;
        done = true;
    }
    if (!done) {
        if (!utf8::ends_with(word, "en")) return std::nullopt;
        p.stem = word.substr(0, n - 2);
    }
    std::string_view before;
    bool has_ending = false;
    if (n >= 5 && utf8::ends_with(word, "ieren")) {
        before = word.substr(0, n - 5);
        has_ending = true;
    } else if (n >= 4 && utf8::ends_with(word, "iren")) {
        before = word.substr(0, n - 4);
        has_ending = true;
    }
    if (has_ending) {
        for (char32_t c : utf8::chars(before)) {
            if (is_vowel(c)) {
                p.ieren = true;
                break;
            }
        }
    }
    return p;
}

std::string insert_after_finite(std::string_view form, std::string_view word) {
    std::size_t space = form.find(' ');
    std::string s;
    s.reserve(form.size() + word.size() + 1);
    if (space == std::string_view::npos) {
        s.append(form);
        s.push_back(' ');
        s.append(word);
    } else {
        s.append(form.substr(0, space));
        s.push_back(' ');
        s.append(word);
        s.append(form.substr(space));
    }
    return s;
}

// Nouns that stand before a verb as its separable part: written apart they
// keep the capital of a noun (fährt Probe, steht Schlange, fährt Rad), while
// the parts whose noun sense the standard no longer writes (eislaufen: läuft
// eis; teilnehmen: nimmt teil; kopfstehen: steht kopf) stay small.
std::string Prefix::detached() const {
    if (prefix::is_noun(text)) {
        std::string noun = text;
        noun[0] = static_cast<char>(noun[0] - 'a' + 'A');
        return noun;
    }
    if (apart == 0 || apart >= text.size()) return text;
    return join(std::string_view(text).substr(0, apart), " ", std::string_view(text).substr(apart));
}

// ---- Verb: construction ----

constexpr std::string_view INFINITIVE_ENDINGS[] = {"en", "n"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", true, INFINITIVE_ENDINGS, U"\u0308"};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) {
        return fail(Error{Error::InvalidInfinitive, unicode::to_lower(unicode::collapse_white_space(text))});
    }
    Analyser a;
    auto v = a.text(text, 0);
    if (!v && a.too_deep) return fail(Error{Error::InvalidInfinitive, last_word(text)});
    return v;
}

Expected<Verb, Error> Verb::weak(std::string_view word) {
    std::optional<WeakParts> w = weak_parts(word);
    if (!w) return reject(word);
    return from_parts(word, *w);
}

const Verb& Verb::base_verb() const {
    if (!base) fatal("prefixed verb has a base");
    return *base;
}

// ---- finite forms ----

std::string Verb::conjugate(Tense tense, Mood mood, Person person, Number number) const {
    const std::size_t slot = features::slot(person, number);
    if (prefix) {
        std::string f = base_verb().conjugate(tense, mood, person, number);
        switch (prefix->separability) {
            case Separability::Separable:
            case Separability::Detached:
                return join(f, " ", prefix->detached());
            case Separability::Inseparable:
            case Separability::Fused:
                return join(prefix->text, f);
            case Separability::Reflexive:
                return insert_after_finite(f, REFLEXIVE_PRONOUNS[slot]);
        }
    }
    if (klass == VerbClass::Suppletive) {
        switch (mood) {
            case Mood::Konjunktiv1:
                return std::string(table->konjunktiv1[slot]);
            case Mood::Konjunktiv2:
                return std::string(table->konjunktiv2[slot]);
            case Mood::Indicative:
                break;
        }
        return std::string(tense == Tense::Present ? table->present[slot] : table->preterite[slot]);
    }
    switch (mood) {
        case Mood::Konjunktiv1:
            return konjunktiv1_rule(slot);
        case Mood::Konjunktiv2:
            return konjunktiv2_rule(slot);
        case Mood::Indicative:
            break;
    }
    return tense == Tense::Preterite ? preterite_indicative(slot) : present_rule(slot);
}

std::string Verb::present_rule(std::size_t slot) const {
    if (klass == VerbClass::Entry && entry->pres) {
        std::string_view p = *entry->pres;
        if (entry->klass == lexicon::LexClass::PreteritePresent) {
            if (slot == 0 || slot == 2) return std::string(p);
            if (slot == 1) return du_rule(p);
        } else {
            if (slot == 1) return du_rule(p);
            if (slot == 2) return er_rule(p);
        }
    }
    if (slot == 3 || slot == 5) return infinitive;
    return attach(stem, PRESENT_ENDINGS[slot], eln_ern, bare_n);
}

std::string Verb::konjunktiv1_rule(std::size_t slot) const {
    if (slot == 3 || slot == 5) return infinitive;
    return attach(stem, KONJUNKTIV1_ENDINGS[slot], eln_ern, bare_n);
}

std::string Verb::konjunktiv2_rule(std::size_t slot) const {
    // No e-elision here: a stem in -ie keeps the ending's e (schriee, spieen),
    // which is what tells it from the preterite (schrie, spien).
    if (klass == VerbClass::Entry) return attach(entry->konj2, KONJUNKTIV1_ENDINGS[slot], false, false);
    return preterite_indicative(slot);
}

std::string Verb::preterite_indicative(std::size_t slot) const {
    switch (klass) {
        case VerbClass::Rule:
            return attach(stem, WEAK_PRETERITE_ENDINGS[slot], eln_ern, bare_n);
        case VerbClass::Entry:
            if (entry->klass != lexicon::LexClass::Strong) {
                return attach(entry->pret, KONJUNKTIV1_ENDINGS[slot], false, true);
            }
            if (slot == 1 && !entry->pret.empty() && is_sibilant(utf8::last(entry->pret))) {
                return join(entry->pret, "est");
            }
            return attach(entry->pret, STRONG_PRETERITE_ENDINGS[slot], false, true);
        case VerbClass::Suppletive:
            break;
    }
    fatal("internal error: entered unreachable code");
}

// ---- non-finite forms ----

std::string Verb::past_participle() const {
    if (part2_override) return std::string(*part2_override);
    if (prefix) {
        std::string p = base_verb().past_participle();
        switch (prefix->separability) {
            case Separability::Separable:
            case Separability::Fused:
                return join(prefix->text, p);
            case Separability::Inseparable: {
                std::string_view q = p;
                if (utf8::starts_with(q, "ge")) q.remove_prefix(2);
                return join(prefix->text, q);
            }
            case Separability::Detached:
            case Separability::Reflexive:
                return join(prefix->text, " ", p);
        }
    }
    switch (klass) {
        case VerbClass::Entry:
            return std::string(entry->part2);
        case VerbClass::Suppletive:
            return std::string(table->past_participle);
        case VerbClass::Rule:
            break;
    }
    std::string a = attach(stem, "t", eln_ern, bare_n);
    return ieren ? a : join("ge", a);
}

std::string Verb::present_participle() const {
    if (klass == VerbClass::Suppletive) return std::string(table->present_participle);
    // Built on the base so that a prefix before tun or sein gives wehtuend,
    // daseiend; for every other base this is the infinitive plus "d".
    if (prefix) {
        std::string p = base_verb().present_participle();
        switch (prefix->separability) {
            case Separability::Separable:
            case Separability::Inseparable:
            case Separability::Fused:
                return join(prefix->text, p);
            case Separability::Detached:
            case Separability::Reflexive:
                return join(prefix->text, " ", p);
        }
    }
    return join(infinitive, "d");
}

std::string Verb::zu_infinitive() const {
    if (!prefix || prefix->separability == Separability::Inseparable) return join("zu ", infinitive);
    switch (prefix->separability) {
        case Separability::Separable:
        case Separability::Fused:
            return join(prefix->text, "zu", base_verb().infinitive);
        default:
            // A separate word or "sich" stands before the base's own
            // zu-infinitive: sich zu waschen, Rad zu fahren, sich anzuziehen.
            return join(prefix->text, " ", base_verb().zu_infinitive());
    }
}

std::string Verb::perfect_infinitive() const { return join(past_participle(), " ", text(auxiliary())); }

Auxiliary Verb::auxiliary() const {
    if (auto a = lexicon::aux_override(infinitive)) return *a;
    // Reflexive verbs form their perfect with haben (sich verlaufen: habe
    // mich verlaufen), whatever the base alone takes.
    if (prefix && prefix->separability == Separability::Reflexive) return Auxiliary::Haben;
    if (prefix) return base_verb().auxiliary();
    switch (klass) {
        case VerbClass::Entry:
            return entry->aux;
        case VerbClass::Suppletive:
            return table->auxiliary;
        case VerbClass::Rule:
            break;
    }
    return Auxiliary::Haben;
}

// ---- imperative ----

std::optional<std::string> Verb::imperative(int which) const {
    if (prefix) {
        std::optional<std::string> i = base_verb().imperative(which);
        if (!i) return std::nullopt;
        switch (prefix->separability) {
            case Separability::Separable:
            case Separability::Detached:
                return join(*i, " ", prefix->detached());
            case Separability::Inseparable:
            case Separability::Fused:
                return join(prefix->text, *i);
            case Separability::Reflexive:
                return insert_after_finite(*i, which == 0 ? "dich" : "euch");
        }
    }
    switch (klass) {
        case VerbClass::Suppletive:
            return std::string(table->imperative[which == 0 ? 0 : 1]);
        case VerbClass::Entry: {
            bool modal = entry->klass == lexicon::LexClass::PreteritePresent && !entry->imp;
            if (modal) return std::nullopt;
            if (which == 0) return entry->imp ? std::string(*entry->imp) : imperative_sg_default();
            break;
        }
        case VerbClass::Rule:
            if (which == 0) return imperative_sg_default();
            break;
    }
    return conjugate(Tense::Present, Mood::Indicative, Person::Second, Number::Plural);
}

std::string Verb::imperative_sg_default() const {
    if (auto o = lexicon::weak_imp_override(infinitive)) return std::string(*o);
    if (!eln_ern && !ieren && !utf8::ends_with(infinitive, "igen") && !orthography::needs_epenthesis(stem)) {
        return stem;
    }
    return attach(stem, "e", eln_ern, bare_n);
}

std::string Verb::imperative_with_pronoun(std::string_view pronoun, Person person) const {
    // The subjunctive plural (seien wir, gehen Sie), but tun's is its
    // indicative: tun wir, tun Sie (tuen is the subjunctive alone).
    const Verb* root = this;
    while (root->prefix) root = &root->base_verb();
    Mood mood = root->table == &suppletive::TUN ? Mood::Indicative : Mood::Konjunktiv1;
    return insert_after_finite(conjugate(Tense::Present, mood, person, Number::Plural), pronoun);
}

// ---- analytic forms ----

std::string Verb::analytic(Compound compound, Mood mood, std::size_t slot, Auxiliary aux,
                           std::string_view participle) const {
    const Person person = features::person_of(slot);
    const Number number = features::number_of(slot);
    switch (compound) {
        case Compound::Perfect:
        case Compound::Pluperfect: {
            Tense t = compound == Compound::Perfect ? Tense::Present : Tense::Preterite;
            return join(auxiliary_forms(aux).at(t, mood, slot), " ", agree_reflexive(participle, person, number));
        }
        case Compound::Future1:
            return join(werden_forms().at(Tense::Present, mood, slot), " ",
                          agree_reflexive(infinitive, person, number));
        case Compound::Future2: {
            std::string s = join(werden_forms().at(Tense::Present, mood, slot), " ",
                                   agree_reflexive(participle, person, number));
            s.push_back(' ');
            s.append(text(aux));
            return s;
        }
    }
    fatal("auxiliary");
}

std::string Verb::agree_reflexive(std::string_view t, Person person, Number number) const {
    if (prefix && prefix->separability == Separability::Reflexive && t.size() >= 5 && utf8::starts_with(t, "sich ")) {
        return join(REFLEXIVE_PRONOUNS[features::slot(person, number)], " ", t.substr(5));
    }
    return std::string(t);
}

}  // namespace velnor::deu
