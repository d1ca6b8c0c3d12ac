#include "hye.hpp"

#include <cstddef>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::hye {

using text::join;

constexpr auto opt = lex::optional_cell;

// A form the verb does not have, in a lexicon cell and in the table.
constexpr std::string_view NONE = "—";

namespace lexicon {
namespace {

// The aorist set of a cell: "1", "2", "3" give 0, 1, 2; anything else,
// an empty or missing cell included, gives 255 (no set).
std::uint8_t aorset_cell(std::string_view cell) noexcept {
    if (cell.size() == 1 && cell[0] >= '1' && cell[0] <= '3') return static_cast<std::uint8_t>(cell[0] - '1');
    return 255;
}

}  // namespace

// The irregular verbs first, then the added -չել verbs: a lemma of the
// former wins; within a text a later row with the same lemma replaces an
// earlier one, and a missing cell counts as "-".
std::optional<LexEntry> find(std::string_view infinitive) {
    auto line = data::table::hye.last(infinitive);
    if (!line) line = data::table::hye_extra.last(infinitive);
    if (!line) return std::nullopt;
    auto c = lex::split<10>(*line);
    return LexEntry{opt(c[1]), opt(c[2]), opt(c[3]), opt(c[5]), opt(c[6]), opt(c[7]), opt(c[8]), opt(c[9]),
                    aorset_cell(c[4])};
}

}  // namespace lexicon

namespace {

// Preverbs of the compounds that conjugate like their base verb: ներդնել
// like դնել (ներդրեցի), անդրադառնալ like դառնալ (անդրադարձա), համընկնել
// like ընկնել (համընկավ).
constexpr std::string_view PREVERBS[] = {"անդրա", "վերա", "ներ", "համ"};

// The row of the verb, or else the row of a listed verb that it compounds
// with a preverb; in the latter case `preverb` is set to that preverb,
// which stands before every cell of the row.
std::optional<LexEntry> find_row(std::string_view word, std::string_view& preverb) {
    if (auto row = lexicon::find(word)) return row;
    for (std::string_view pv : PREVERBS) {
        if (!word.starts_with(pv)) continue;
        if (auto row = lexicon::find(word.substr(pv.size()))) {
            preverb = pv;
            return row;
        }
    }
    return std::nullopt;
}

// The Armenian vowel letters (ու is ո + ւ; և counts with them).
bool is_vowel_letter(char32_t c) noexcept {
    switch (c) {
        case U'ա': case U'ե': case U'է': case U'ը': case U'ի': case U'ո': case U'օ': case U'ւ': case U'և':
            return true;
        default:
            return false;
    }
}

using Endings = std::array<std::string_view, 6>;

constexpr Endings AORIST_1{"ի", "իր", "", "ինք", "իք", "ին"};
constexpr Endings AORIST_2{"ա", "ար", "ավ", "անք", "աք", "ան"};
constexpr Endings AORIST_3{"ի", "իր", "եց", "ինք", "իք", "ին"};
constexpr Endings SUBJ_E{"եմ", "ես", "ի", "ենք", "եք", "են"};
constexpr Endings SUBJ_PAST_E{"եի", "եիր", "եր", "եինք", "եիք", "եին"};
constexpr Endings SUBJ_A{"ամ", "աս", "ա", "անք", "աք", "ան"};
constexpr Endings SUBJ_PAST_A{"այի", "այիր", "ար", "այինք", "այիք", "ային"};
constexpr Endings AUX_PRESENT{"եմ", "ես", "է", "ենք", "եք", "են"};
constexpr Endings AUX_PAST{"էի", "էիր", "էր", "էինք", "էիք", "էին"};

constexpr std::size_t slot(Person p, Number n) noexcept {
    return static_cast<std::size_t>(p) + 3 * static_cast<std::size_t>(n);
}

// Builds a row by mapping the six persons, in row order, through `form`.
template <class F>
Row6 row(F form) {
    Row6 out;
    for (Number n : {Number::Singular, Number::Plural})
        for (Person p : {Person::First, Person::Second, Person::Third}) out[slot(p, n)] = form(slot(p, n));
    return out;
}

Row6 synthetic(std::string_view prefix, std::string_view base, const Endings& endings) {
    return row([&](std::size_t i) { return join(prefix, base, endings[i]); });
}

Row6 analytic(std::string_view converb, const Endings& aux) {
    return row([&](std::size_t i) { return join(converb, " ", aux[i]); });
}

// գիտենալ and ունենալ take their present and imperfect from the root alone
// (գիտեմ, ունեմ; գիտեի, ունեի), not from the converb in -ում: the root, or
// empty for every other verb.
std::string_view synthetic_present(std::string_view infinitive) {
    for (std::string_view verb : {std::string_view("գիտենալ"), std::string_view("ունենալ")})
        if (infinitive == verb) return utf8::drop_last_chars(verb, 4);
    return {};
}

}  // namespace

// Indexed by Class: the index of the ending found is the verb's class.
constexpr std::string_view INFINITIVE_ENDINGS[] = {"ել", "ալ"};
static_assert(std::size(INFINITIVE_ENDINGS) == 2 && INFINITIVE_ENDINGS[static_cast<std::size_t>(Class::E)] == "ել" &&
              INFINITIVE_ENDINGS[static_cast<std::size_t>(Class::A)] == "ալ");
constexpr unicode::Spelling SPELLING{unicode::Script::Armenian, U"", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto written = unicode::word_of(text, SPELLING);
    if (!written) return fail(Error{});
    const std::string word = unicode::to_lower(*written);
    if (word.size() < 4) return fail(Error{});
    std::size_t ending = utf8::longest_ending(word, INFINITIVE_ENDINGS);
    if (ending == std::size(INFINITIVE_ENDINGS)) return fail(Error{});
    Verb v;
    v.cls = static_cast<Class>(ending);
    std::string_view stem = utf8::drop_last_chars(word, 2);
    if (stem.empty()) return fail(Error{});

    std::string_view preverb;
    auto found = find_row(word, preverb);
    const LexEntry* row = found ? &*found : nullptr;
    // A cell "—" says that the verb has no such form, and the form is "—"
    // (գալ has no passive, տեսնել no causative).
    auto pick = [&](const std::optional<std::string_view>& cell, std::string rule) {
        if (!cell) return rule;
        return *cell == NONE ? std::string(NONE) : join(preverb, *cell);
    };

    // The shape rules: the nasal-stem verbs in -անալ/-ենալ, the other
    // a-verbs, the causatives in -ցնել and the other e-verbs.
    bool nasal = false;
    bool causative = false;
    const std::size_t stem_chars = utf8::length(stem);
    if (v.cls == Class::A) {
        if (stem_chars >= 4 && (utf8::ends_with(stem, "ան") || utf8::ends_with(stem, "են"))) {
            v.perf = join(utf8::drop_last_chars(stem, 2), utf8::ends_with(stem, "ան") ? "աց" : "եց");
            v.aor = v.perf;
            v.aorset = 1;
            nasal = true;
        } else {
            v.perf = join(stem, "աց");
            v.aor = v.perf;
            v.aorset = 0;
        }
    } else if (stem_chars >= 4 && utf8::ends_with(stem, "ցն")) {
        v.perf = join(utf8::drop_last_chars(stem, 2), "ցր");
        v.aor = v.perf;
        v.aorset = 2;
        causative = true;
    } else {
        v.perf = std::string(stem);
        v.aor = join(stem, "եց");
        v.aorset = 0;
    }

    static const LexEntry none{};
    const LexEntry& r = row ? *row : none;
    v.perf = pick(r.perf, std::move(v.perf));
    v.aor = pick(r.aor, std::move(v.aor));
    if (r.aorset != 255) v.aorset = r.aorset;
    // A row with the causatives' aorist is a causative whatever its shape
    // (դարձնել: դարձրի, դարձրու, դարձվել).
    if (v.aorset == 2) causative = true;

    const bool a = v.cls == Class::A;
    v.sub = pick(r.sub, a ? v.perf : std::string(stem));
    // The short imperatives (դիր, բեր) are the simple verb's own: a compound
    // takes its perfective stem's (ներդրիր, վերաբերիր).
    if (!preverb.empty() && r.imp_sg)
        v.imp_sg = join(v.perf, "իր");
    else
        v.imp_sg = pick(r.imp_sg, nasal       ? join(v.perf, "իր")
                                  : causative ? join(v.perf, "ու")
                                  : a         ? join(stem, "ա")
                                              : join(stem, "իր"));
    v.imp_pl = pick(r.imp_pl, join(v.perf, "եք"));
    v.ipfv = pick(r.ipfv, join(stem, "ում"));
    // A -վել verb after a consonant is itself a passive (ծնվել, գրվել): its
    // վ is not doubled. After a vowel the վ is the root's (գովել, խռովել:
    // գովվել, խռովվել).
    const bool passive_shape = !a && utf8::ends_with(stem, "վ") && utf8::length(stem) >= 2 &&
                               !is_vowel_letter(utf8::last(utf8::drop_last_chars(stem, 1)));
    // The inchoatives in -չել, which drop their չ outside the present
    // (փախչել փախա, կպչել կպա), are intransitive: no passive.
    const bool inchoative_ch = !a && utf8::ends_with(stem, "չ") && v.perf == utf8::drop_last_chars(stem, 1);
    if (inchoative_ch && !r.pass)
        v.pass = std::string(NONE);
    else
        v.pass = pick(r.pass, causative       ? join(utf8::drop_last_chars(stem, 1), "վել")
                              : a             ? join(v.perf, "վել")
                              : passive_shape ? std::string(word)
                                              : join(stem, "վել"));
    // Where ն is the present's suffix, which the perfective stem lacks
    // (մտնել մտա, մեռնել մեռա), the causative takes ցնել on that stem:
    // մտցնել, մեռցնել. A ն of the root stays (կանգնել, օգնել: կանգնեցնել,
    // օգնեցնել), and so does the ն of -ցնել (անցնել).
    const bool inchoative = !a && !causative && utf8::ends_with(stem, "ն") && !utf8::ends_with(stem, "ցն") &&
                            v.perf == utf8::drop_last_chars(stem, 1);
    // A causative (ծիծաղեցնել, խորացնել, հասցնել) and a -վել verb, a
    // passive (ծնվել, գրվել), have no causative of their own:
    // ծիծաղեցնեցնել, ծնվեցնել are no words. Nor has a preverb compound whose
    // verb's causative is another root's (համընկնել: ընկնել, գցել). The
    // -վել verbs that are no passive of a verb and have a causative are
    // listed (զզվել, զզվեցնել; կռվել, կռվեցնել).
    const bool other_root = r.caus && !preverb.empty() &&
                            !r.caus->starts_with(word.substr(preverb.size(), utf8::decode(word, preverb.size()).len));
    if (other_root || (!r.caus && (causative || passive_shape)))
        v.caus = std::string(NONE);
    else
        v.caus = pick(r.caus, nasal        ? join(v.perf, "նել")
                              : a          ? join(stem, "ացնել")
                              : inchoative ? join(utf8::drop_last_chars(stem, 1), "ցնել")
                                           : join(stem, "եցնել"));
    v.stem = std::string(stem);
    v.infinitive = std::move(word);
    return v;
}

std::string Verb::converb(const Verb& verb, Converb kind) {
    switch (kind) {
        case Converb::Imperfective: return verb.ipfv;
        case Converb::Perfective: return join(verb.perf, "ել");
        case Converb::Future: return join(verb.infinitive, "ու");
        case Converb::Simultaneous: return join(verb.infinitive, "իս");
        case Converb::Connegative: break;
    }
    return join(verb.stem, verb.cls == Class::A ? "ա" : "ի");
}

std::string Verb::participle(const Verb& verb, bool resultative) {
    return resultative ? join(verb.perf, "ած") : join(verb.sub, "ող");
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.infinitive;
    t.converb_imperfective = Verb::converb(verb, Converb::Imperfective);
    t.converb_perfective = Verb::converb(verb, Converb::Perfective);
    t.converb_future = Verb::converb(verb, Converb::Future);
    t.converb_simultaneous = Verb::converb(verb, Converb::Simultaneous);
    t.connegative = Verb::converb(verb, Converb::Connegative);
    t.participle_subject = Verb::participle(verb, false);
    t.participle_resultative = Verb::participle(verb, true);

    if (const std::string_view root = synthetic_present(verb.infinitive); !root.empty()) {
        // գիտեմ, գիտես, գիտի; ունեի, ուներ: the old present of the root,
        // with the endings of the e-verbs' subjunctive.
        t.present = synthetic("", root, SUBJ_E);
        t.imperfect = synthetic("", root, SUBJ_PAST_E);
    } else {
        t.present = analytic(t.converb_imperfective, AUX_PRESENT);
        t.imperfect = analytic(t.converb_imperfective, AUX_PAST);
    }
    t.aorist = synthetic("", verb.aor, verb.aorset == 2 ? AORIST_3 : verb.aorset == 1 ? AORIST_2 : AORIST_1);
    t.perfect = analytic(t.converb_perfective, AUX_PRESENT);
    t.pluperfect = analytic(t.converb_perfective, AUX_PAST);
    t.future = analytic(t.converb_future, AUX_PRESENT);
    t.future_in_past = analytic(t.converb_future, AUX_PAST);
    const bool a = verb.cls == Class::A;
    const Endings& subj = a ? SUBJ_A : SUBJ_E;
    const Endings& subj_past = a ? SUBJ_PAST_A : SUBJ_PAST_E;
    t.subjunctive_future = synthetic("", verb.stem, subj);
    t.subjunctive_past = synthetic("", verb.stem, subj_past);
    t.conditional = synthetic("կ", verb.stem, subj);
    t.conditional_past = synthetic("կ", verb.stem, subj_past);
    t.imperative = {verb.imp_sg, verb.imp_pl};
    t.passive = verb.pass;
    t.causative = verb.caus;
    return t;
}

}  // namespace velnor::hye
