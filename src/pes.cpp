#include "pes.hpp"

#include "lexicon_text.hpp"
#include "perso_arabic.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::pes {
namespace {

constexpr std::string_view NUN = "\u0646";            // ن
constexpr std::string_view YEH_DAL_NUN = "\u06CC\u062F\u0646";  // یدن
constexpr std::string_view ALEF_MADDA = "\u0622";     // آ
constexpr std::string_view ALEF = "\u0627";           // ا
constexpr std::string_view MI = "می";
constexpr std::string_view NONE_FORM = "—";  // a form the verb does not have

constexpr std::string_view PRESENT_END[6] = {"م", "ی", "د", "یم", "ید", "ند"};
constexpr std::string_view PAST_END[6] = {"م", "ی", "", "یم", "ید", "ند"};
constexpr std::string_view PERFECT_END[6] = {"ام", "ای", " است", "ایم", "اید", "اند"};

constexpr std::string_view PREVERBS[6] = {"بر", "در", "وا", "ور", "باز", "فرو"};

// True when the head, split at white space, is one of the six preverbs alone.
bool lone_preverb(std::string_view head) {
    std::string_view word;
    std::size_t words = 0, i = 0;
    while (i < head.size()) {
        while (i < head.size() && unicode::is_white_space(utf8::decode(head, i).cp)) i += utf8::decode(head, i).len;
        std::size_t start = i;
        while (i < head.size() && !unicode::is_white_space(utf8::decode(head, i).cp)) i += utf8::decode(head, i).len;
        if (i > start) {
            ++words;
            word = head.substr(start, i - start);
        }
    }
    if (words != 1) return false;
    for (std::string_view p : PREVERBS)
        if (word == p) return true;
    return false;
}

}  // namespace

// The last row of the infinitive that gives a present stem. Lemmas carry no
// surrounding white space (checked at build time), so the key is the lemma.
std::optional<LexEntry> lexicon::find(std::string_view infinitive) {
    return lex::last_read(data::table::pes, infinitive, [](std::string_view line) -> std::optional<LexEntry> {
        if (unicode::trim(line).empty()) return std::nullopt;
        auto c = lex::split<3>(line);
        if (c.count < 2) return std::nullopt;  // a row without a present stem says nothing
        LexEntry e;
        e.present_stem = unicode::trim(c[1]);
        if (c.count >= 3) {
            std::string_view imp = unicode::trim(c[2]);
            if (!imp.empty() && imp != "-") e.imperative_override = imp;
        }
        return e;
    });
}

namespace {

// Preverbs written as one word with their verb, longest first so that فرو
// is not read as ف + رو.
constexpr std::string_view JOINED_PREVERBS[] = {"فرو", "فرا", "باز", "بر", "در", "ور", "وا"};

// پس ("back") before a verb is an adverb, the head of a compound, written
// solid or with a joiner: پسراندن, پس‌انداختن are پس میرانم, پس میاندازم.
constexpr std::string_view PAS = "پس";

// The present stem that the ending of an unlisted verb decides, with the
// imperative where the stem's last letter drops in it: -یدن (خریدن, خر),
// -ندن (چرخاندن, چرخان; افکندن, افکن), -ودن (پالودن, پالای, بپالا), a vowel
// before -ختن (سپوختن, سپوز), -اشتن (گماشتن, گمار) and -اردن (گماردن,
// گمار). Verbs that break
// the rule of their ending are listed (شناختن, شنودن, غنودن).
struct RuleStem {
    std::string present;
    std::optional<std::string> imperative;
};

std::optional<RuleStem> stem_by_ending(std::string_view proper) {
    auto cut = [&](std::string_view end, std::string_view add) {
        return text::join(proper.substr(0, proper.size() - end.size()), add);
    };
    const std::size_t chars = utf8::length(proper);
    if (chars >= 4 && proper.ends_with(YEH_DAL_NUN)) return RuleStem{cut(YEH_DAL_NUN, ""), std::nullopt};
    if (chars >= 4 && proper.ends_with("ندن")) return RuleStem{cut("دن", ""), std::nullopt};
    // بودن (باش) and the words that end in it (منتظربودن) keep to their own.
    if (chars >= 4 && proper.ends_with("ودن") && !proper.ends_with("بودن"))
        return RuleStem{cut("ودن", "ای"), be_prefix(cut("ودن", "ا"))};
    constexpr std::string_view KHTAN[] = {"اختن", "وختن", "یختن"};
    if (chars >= 5 && utf8::ends_with_one_of(proper, KHTAN)) return RuleStem{cut("ختن", "ز"), std::nullopt};
    if (chars >= 5 && proper.ends_with("اشتن")) return RuleStem{cut("شتن", "ر"), std::nullopt};
    if (chars >= 5 && proper.ends_with("اردن")) return RuleStem{cut("دن", ""), std::nullopt};
    return std::nullopt;
}

// The present stem and listed imperative of a verb proper that carries no
// preverb: the list, else the rule of its ending, else the past stem.
void stems(Verb& v, std::string_view proper, const LexEntry* row) {
    v.past_stem = std::string(proper.substr(0, proper.size() - NUN.size()));
    if (row) {
        v.present_stem = std::string(row->present_stem);
        if (row->imperative_override) v.imperative_override = std::string(*row->imperative_override);
    } else if (auto rule = stem_by_ending(proper)) {
        v.present_stem = std::move(rule->present);
        v.imperative_override = std::move(rule->imperative);
    } else {
        v.present_stem = v.past_stem;
    }
}

// The last word of the head (the head without its trailing space).
std::string_view last_word(std::string_view head) {
    head = unicode::trim(head);
    std::size_t space = head.rfind(' ');
    return space == std::string_view::npos ? head : head.substr(space + 1);
}

// What the engine reads a verb proper as: its row, or a preverb written as
// one word with a base that is listed (برگشتن, درآمدن) or whose ending gives
// its stem, of five letters or more (فرارسیدن, بازگرداندن, برافراختن,
// بازماندن). Simple verbs that only look like such a compound (درخشیدن,
// پسندیدن, برازیدن) are listed.
struct Reading {
    std::string_view preverb;
    std::string_view base;
    std::optional<LexEntry> row;
};

Reading read_verb(std::string_view proper) {
    Reading out{{}, proper, lexicon::find(proper)};
    if (out.row) return out;
    for (std::string_view pv : JOINED_PREVERBS) {
        if (!proper.starts_with(pv)) continue;
        std::string_view rest = proper.substr(pv.size());
        auto r = lexicon::find(rest);
        if (r || (utf8::length(rest) >= 5 && stem_by_ending(rest))) out = Reading{pv, rest, r};
        break;
    }
    return out;
}

// A word the engine reads as a verb of its own: listed, a preverb verb, or
// one of five letters or more whose ending gives its stem.
bool known_verb(std::string_view word) {
    const Reading r = read_verb(word);
    return r.row || !r.preverb.empty() || (utf8::length(word) >= 5 && stem_by_ending(word));
}

// The verbs that stand behind a noun or adjective as the verb of a compound
// (قرار دادن, نگه داشتن, منتظر بودن). Written as one word with a head that
// is no preverb (نگهداشتن, آزاردادن, منتظربودن), such a compound is the
// head and the verb apart: نگه میدارم, not مینگهدارم. -دیدن and -چیدن are
// not among them, nor -ماندن: they end simple verbs too (خندیدن, پیچیدن,
// فهماندن).
constexpr std::string_view COMPOUND_VERBS[] = {
    "کردن", "شدن", "داشتن", "دادن", "زدن", "گرفتن", "آمدن", "آوردن", "ساختن", "نمودن", "گذاشتن",
    "گذاردن", "گزاردن", "یافتن", "خوردن", "رفتن", "بردن", "انداختن", "افتادن", "بودن", "کشیدن",
    "خواندن", "گفتن", "دانستن", "بستن", "پختن", "ایستادن"};

// The length in bytes of the head of a compound written as one word, or 0:
// the longest of COMPOUND_VERBS that ends the word, behind a head of two
// letters or more that is no preverb, when no listed verb that reaches two
// letters or more into that head ends the word (پذیرفتن is no پذی + رفتن;
// ربودن reaches one letter into منتظربودن).
std::size_t compound_head(std::string_view proper) {
    const std::size_t i = utf8::longest_ending(proper, COMPOUND_VERBS);
    if (i == std::size(COMPOUND_VERBS)) return 0;
    const std::string_view head = proper.substr(0, proper.size() - COMPOUND_VERBS[i].size());
    if (utf8::length(head) < 2) return 0;
    for (std::string_view pv : JOINED_PREVERBS)
        if (head == pv) return 0;
    for (std::size_t at = head.size(), letters = 0; at > 0; ++letters) {
        at -= utf8::decode_last(head, at).len;
        if (letters >= 1 && lexicon::find(proper.substr(at))) return 0;
    }
    return head.size();
}

// A compound verb is often written with a zero-width non-joiner between its
// head and its verb (نگه‌داشتن): that joiner stands for the space of
// "نگه داشتن" when what follows it is a verb the engine knows (listed, a
// preverb verb, or one whose ending gives its stem) and what precedes it is
// no preverb. Any other joiner is only a joiner and normalising drops it:
// بر‌گشتن is برگشتن, خوا‌ستن is خواستن.
std::string zwnj_as_space(std::string_view text) {
    constexpr std::string_view ZWNJ = "\u200C";
    const std::size_t at = text.rfind(ZWNJ);
    if (at == std::string_view::npos || at == 0) return std::string(text);
    const std::size_t space = text.rfind(' ');
    if (space != std::string_view::npos && space > at) return std::string(text);
    const std::string rest = perso_arabic::normalize(text.substr(at + ZWNJ.size()));
    const std::string before = perso_arabic::normalize(text.substr(0, at));
    const std::string_view last = last_word(before);
    // باز and وا are adjectives too: with a joiner before کردن and شدن
    // ("open") they are the head (باز‌کردن is باز کردن, باز میکنم), not a
    // preverb (بازمیکنم).
    const bool head = (last == "باز" || last == "وا") && (rest == "کردن" || rest == "شدن");
    for (std::string_view pv : JOINED_PREVERBS)
        if (last == pv && !head) return std::string(text);
    if (!known_verb(rest)) return std::string(text);
    return text::join(text.substr(0, at), " ", text.substr(at + ZWNJ.size()));
}

// A negative infinitive: ن before a verb the engine reads (نکردن, نرسیدن,
// نخواندن), نی before one in ا or آ (نیانداختن, نیامدن, نیفتادن), or
// either behind a preverb (برنگشتن, درنیامدن). A listed verb is no
// negative (نشستن, نوشتن, نگریستن, نهشتن), nor is ن before an unlisted
// verb in ا or آ (نامیدن, نالیدن), before a preverb verb (نورافشاندن: ن and ورافشاندن) or as the
// start of a compound's head (نوساختن). The verbs whose ن belongs to the
// root and whose rest reads as a verb are listed (نوشیدن, نواختن, نشاندن).
// نیازداشتن is نیاز داشتن, not نی + ازداشتن.
bool negative_here(std::string_view word) {
    if (!word.starts_with(NUN) || lexicon::find(word)) return false;
    const std::string_view rest = word.substr(NUN.size());
    // ن before a verb in ا or آ is a misspelt negative only where that verb
    // is listed (نانداختن, نآمدن); نامیدن and نالیدن are verbs of their own.
    if (rest.starts_with(ALEF) || rest.starts_with(ALEF_MADDA)) return lexicon::find(rest).has_value();
    if (rest.starts_with("ی")) {
        const std::string_view base = rest.substr(std::string_view("ی").size());
        // نی + انداختن, نی + امدن for آمدن; the alef of افتادن and
        // انداختن is often not written after نی (نیفتادن, نینداختن).
        if (base.starts_with(ALEF) && compound_head(base) == 0 &&
            (known_verb(base) || lexicon::find(text::join(ALEF_MADDA, base.substr(ALEF.size())))))
            return true;
        if ((base.starts_with("ف") || base.starts_with("ن")) && known_verb(text::join(ALEF, base))) return true;
    }
    if (!known_verb(rest) || !read_verb(rest).preverb.empty()) return false;
    return compound_head(word) == 0;
}

// The heads with which داشتن means "keep, hold, state" and takes می and
// ب like any verb: the formal compounds of stating (اظهار, بیان, اعلام,
// ابراز, مقرر, مرقوم: اظهار میدارد), of keeping, holding and honouring
// (روا, معذور, عزیز, گرامی, پاس, بزرگ, برپا, پنهان, محفوظ: روا میدارند,
// گرامی میداریم, معذور بدار) and of giving and turning (مبذول, معطوف,
// دریغ, ارزانی, تقدیم, عرضه). Behind any other head داشتن is "have"
// and stative: دوست دارم, وجود دارد, نیاز دارم, قصد داشتم.
constexpr std::string_view DYNAMIC_DASHTAN_HEADS[] = {
    "اظهار", "بیان", "اعلام", "ابراز", "مقرر", "مرقوم", "معروض", "ارسال", "روا", "معذور", "معاف",
    "عزیز", "گرامی", "پاس", "بزرگ", "برپا", "زنده", "پنهان", "نهان", "مخفی", "مکتوم", "مستور",
    "محفوظ", "مصون", "دور", "مشغول", "مقدم", "معمول", "مرعی", "مبذول", "معطوف", "دریغ", "ارزانی",
    "تقدیم", "عرضه"};

bool dynamic_dashtan(std::string_view head) {
    for (std::string_view h : DYNAMIC_DASHTAN_HEADS)
        if (head == h) return true;
    return false;
}

bool negative(std::string_view proper) {
    if (negative_here(proper)) return true;
    for (std::string_view pv : JOINED_PREVERBS)
        if (proper.starts_with(pv)) return negative_here(proper.substr(pv.size()));
    return false;
}

// A negative after a joiner (دست‌نیافتن, کار‌نکردن) is refused as the
// spaced one is; otherwise normalising would glue its ن to the head.
bool negative_after_joiner(std::string_view text) {
    constexpr std::string_view ZWNJ = "\u200C";
    const std::size_t at = text.rfind(ZWNJ);
    if (at == std::string_view::npos) return false;
    const std::string rest = perso_arabic::normalize(unicode::trim(text.substr(at + ZWNJ.size())));
    return !read_verb(rest).row && negative(rest);
}

}  // namespace

constexpr std::string_view INFINITIVE_ENDINGS[] = {"ن", "دن", "تن", "یدن"};
constexpr unicode::Spelling SPELLING{unicode::Script::Arabic, U"\u061c\u200e\u200f", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING) || negative_after_joiner(unicode::trim(text))) return fail(Error{});
    Verb v;
    // Trimmed again after normalising: a bidi mark or joiner at either end
    // would otherwise leave the white space beside it on every form.
    v.infinitive = std::string(unicode::trim(perso_arabic::normalize(zwnj_as_space(unicode::trim(text)))));
    if (v.infinitive.empty()) return fail(Error{});
    std::string_view whole = v.infinitive;
    std::size_t space = whole.rfind(' ');
    std::string_view proper = whole;
    if (space != std::string_view::npos) {
        v.prefix = std::string(whole.substr(0, space + 1));
        proper = whole.substr(space + 1);
    }
    if (proper.size() < 2 || !proper.ends_with(NUN) || utf8::length(proper) < 3) return fail(Error{});
    Reading reading = read_verb(proper);
    // A negative infinitive (نکردن, نرسیدن, برنگشتن) is no citation form;
    // the table holds a verb's affirmative forms, and taken for a verb of
    // its own it gave مینرفتم, میبرنگشتم.
    if (!reading.row && negative(proper)) return fail(Error{});
    if (!reading.row) {
        std::size_t head = compound_head(proper);
        if (!head && proper.starts_with(PAS) && known_verb(proper.substr(PAS.size()))) head = PAS.size();
        if (head) {
            // The head and its verb apart in every form, as if written with a
            // space; the infinitive stays as it was written.
            v.prefix = text::join(v.prefix, proper.substr(0, head), " ");
            proper = proper.substr(head);
            reading = read_verb(proper);
        }
    }
    v.preverb = std::string(reading.preverb);
    stems(v, reading.base, reading.row ? &*reading.row : nullptr);
    if (v.prefix.empty() || lone_preverb(v.prefix)) v.light = false;
    else v.light = proper == "شدن" || proper == "کردن";
    if (proper == "بودن") {
        v.stative = Stative::Budan;
    } else if (proper == "داشتن") {
        // نگه داشتن and a preverb head (بر داشتن) are "keep", "take":
        // they conjugate like any verb (نگه میدارم, نگه دارم, نگه دار), and
        // so do the compounds of keeping and stating (اظهار میدارم, روا
        // میداشت, معذور بدار).
        const std::string_view head = last_word(v.prefix);
        const bool keep = head == "نگه" || head == "نگاه";
        const bool formal = dynamic_dashtan(head);
        if (keep) v.light = true;
        if (keep || lone_preverb(v.prefix) || formal)
            v.imperative_override.reset();
        else
            v.stative = Stative::Dashtan;
        // The formal compounds have no progressive ("دارم اظهار میدارم" is
        // not said): it is their present and imperfect, as with دانستن.
        if (formal) v.defect = Defect::NoProgressive;
    } else if (v.preverb.empty() && (proper == "بایستن" || proper == "شایستن")) {
        v.defect = Defect::Impersonal;
    } else if (v.preverb.empty() && proper == "توانستن") {
        v.defect = Defect::NoProgressiveNoImperative;
    } else if (v.preverb.empty() && proper == "دانستن") {
        v.defect = Defect::NoProgressive;
    }
    if (!v.preverb.empty() && v.imperative_override) {
        // The preverb takes the place of the imperative's ب: بازگفتن, بازگو.
        // A stem in آ or ا keeps its vowel whole: برآمدن, برآی.
        const std::string& imp = *v.imperative_override;
        if (imp.starts_with("ب") && !v.present_stem.starts_with(ALEF_MADDA) && !v.present_stem.starts_with(ALEF))
            v.imperative_override = v.preverb + imp.substr(std::string_view("ب").size());
        else
            v.imperative_override.reset();
    }
    return v;
}

std::string be_prefix(std::string_view stem) {
    std::string out;
    if (stem.starts_with(ALEF_MADDA)) out.append("بیا").append(stem.substr(ALEF_MADDA.size()));
    // ایست keeps its alef after the prefix (بایستم); writing بی + یست would
    // double the yeh.
    else if (stem.starts_with("ای")) out.append("ب").append(stem);
    else if (stem.starts_with(ALEF)) out.append("بی").append(stem.substr(ALEF.size()));
    else out.append("ب").append(stem);
    return out;
}

std::string Verb::form(int tense, Person person, Number number, bool negative) const {
    const int slot = static_cast<int>(person) + (number == Number::Plural ? 3 : 0);
    const std::string_view neg = negative ? NUN : std::string_view{};
    const std::string_view P = present_stem;
    const std::string_view S = past_stem;
    const std::string_view E = PRESENT_END[slot];
    // The progressives of a stative verb are its plain present and past:
    // "دارم دارم" and "دارم هستم" are not said; nor "دارم میتوانم": those
    // of توانستن and دانستن are their present and imperfect.
    if (stative != Stative::None && tense == 9) return form(1, person, number, false);
    if (stative != Stative::None && tense == 10) return form(3, person, number, false);
    if (defect == Defect::NoProgressive || defect == Defect::NoProgressiveNoImperative) {
        if (tense == 9) return form(1, person, number, false);
        if (tense == 10) return form(4, person, number, false);
    }
    if (defect == Defect::Impersonal) {
        // The same form for every person (باید بروم, باید بروی), and no
        // other tense: aorist and present باید, past بایست, imperfect
        // میبایست.
        const bool said = tense == 0 || tense == 1 || tense == 3 || tense == 4;
        if (!said) return std::string(NONE_FORM);
        const std::string_view stem = tense <= 1 ? P : S;
        return text::join(prefix, neg, tense == 4 ? MI : std::string_view{}, stem, tense <= 1 ? "د" : "");
    }
    if (tense == 9 || tense == 10) {
        // The auxiliary comes first, then the compound head and the verb:
        // دارم کار میکنم, داشت فکر میکرد; a preverb stays on its verb
        // (دارم برمیگردم).
        std::string out = tense == 9 ? text::join("دار", E, " ") : text::join("داشت", PAST_END[slot], " ");
        return out.append(prefix).append(preverb).append(MI).append(tense == 9 ? P : S)
            .append(tense == 9 ? E : PAST_END[slot]);
    }
    std::string out = prefix;
    if (tense == 1 && stative == Stative::Budan) {
        // هستم .. هستند, with است for the third person singular.
        if (negative) return out.append("نیست").append(PAST_END[slot]);
        return slot == 2 ? out.append("است") : out.append("هست").append(E);
    }
    out.append(preverb);
    switch (tense) {
    case 0: out.append(neg).append(P).append(E); break;
    case 1:
        out.append(neg);
        if (stative != Stative::Dashtan) out.append(MI);
        out.append(P).append(E);
        break;
    case 2:
        if (stative == Stative::Dashtan) out.append(neg).append(S).append("ه باش");
        else if (negative) out.append(NUN).append(P);
        else if (light || !preverb.empty() || stative == Stative::Budan) out.append(P);
        else out.append(be_prefix(P));
        out.append(E);
        break;
    case 3: out.append(neg).append(S).append(PAST_END[slot]); break;
    case 4:
        out.append(neg);
        if (stative == Stative::None) out.append(MI);
        out.append(S).append(PAST_END[slot]);
        break;
    case 5: out.append(neg).append(S).append("ه").append(PERFECT_END[slot]); break;
    case 6: out.append(S).append("ه ").append(neg).append("بود").append(PAST_END[slot]); break;
    case 7: out.append(neg).append("خواه").append(E).append(" ").append(S); break;
    default: out.append(S).append("ه ").append(neg).append("باش").append(E); break;
    }
    return out;
}

Table Table::build(const Verb& v) {
    Table t;
    t.infinitive = v.infinitive;
    Row6* rows[11] = {&t.aorist, &t.present, &t.subjunctive, &t.past, &t.imperfect, &t.perfect,
                      &t.pluperfect, &t.future, &t.perfect_subjunctive, &t.present_progressive,
                      &t.past_progressive};
    for (int tense = 0; tense < 11; ++tense)
        for (int slot = 0; slot < 6; ++slot)
            (*rows[tense])[slot] = v.form(tense, static_cast<Person>(slot % 3),
                                          slot < 3 ? Number::Singular : Number::Plural, false);
    std::string base = v.imperative_override                              ? *v.imperative_override
                       : v.light || !v.preverb.empty() || v.stative != Verb::Stative::None
                           ? v.preverb + v.present_stem
                           : be_prefix(v.present_stem);
    t.imperative[0] = v.prefix + base;
    // A listed imperative that ends in a vowel letter (بیا, بگو) is the short
    // stem: its plural takes a glide, بیایید and بگویید, not بیاید (which is
    // the third person subjunctive).
    const bool glide = v.imperative_override && (base.ends_with("ا") || base.ends_with("و"));
    t.imperative[1] = v.prefix + base + (glide ? "یید" : "ید");
    t.past_participle = v.prefix + v.preverb + v.past_stem + "ه";
    t.present_participle = v.prefix + v.preverb + v.present_stem + "نده";
    // Forms a verb lacks are "—": the imperative of توانستن ("بتوان" is
    // not said), and the imperative and present participle of the modals
    // (بایسته and شایسته are their adjectives).
    if (v.defect == Verb::Defect::Impersonal || v.defect == Verb::Defect::NoProgressiveNoImperative)
        t.imperative = {std::string(NONE_FORM), std::string(NONE_FORM)};
    if (v.defect == Verb::Defect::Impersonal) t.present_participle = NONE_FORM;
    return t;
}

}  // namespace velnor::pes
