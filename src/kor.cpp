#include "kor.hpp"

#include <utility>

#include "lexicon_text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::kor {
namespace {

constexpr char32_t kFirstSyllable = 0xAC00;
constexpr char32_t kLastSyllable = 0xD7A3;

// Jamo indices used below (Unicode Hangul syllable order).
constexpr int kL_H = 18;                                  // ㅎ
constexpr int kV_A = 0, kV_AE = 1, kV_YA = 2, kV_YAE = 3, kV_EO = 4, kV_E = 5, kV_YEO = 6, kV_YE = 7,
              kV_O = 8, kV_WA = 9, kV_WAE = 10, kV_OE = 11, kV_U = 13, kV_WEO = 14, kV_EU = 18, kV_I = 20;
constexpr int kT_None = 0, kT_N = 4, kT_L = 8, kT_LB = 11, kT_B = 17, kT_H = 27;

bool is_syllable(char32_t c) noexcept { return c >= kFirstSyllable && c <= kLastSyllable; }

// The final an ㅂ-irregular stem keeps where the ㅂ drops: none (추워), or the ㄹ of ㄼ (섧다 → 설워).
int without_b(int t) noexcept { return t == kT_LB ? kT_L : kT_None; }

// "아" after a bright vowel (ㅏ, ㅑ, ㅗ: 잡아, 얇아, 놓아), "어" otherwise.
const char* a_or_eo(int v) noexcept { return (v == kV_A || v == kV_YA || v == kV_O) ? "아" : "어"; }

std::string syl(std::string_view rest, int l, int v, int t) {
    std::string out(rest);
    append_syllable(out, l, v, t);
    return out;
}

// The vowel of an ㅎ-irregular stem's intimate form, the final ㅎ dropped:
// ㅏ → ㅐ (빨갛다 → 빨개), ㅑ → ㅒ (하얗다 → 하얘), ㅓ → ㅔ (누렇다 → 누레),
// ㅕ → ㅖ (허옇다 → 허예). The demonstratives, contracted from 그러하다 and the
// like, take ㅐ (그렇다 → 그래, 어떻다 → 어때).
int h_vowel(std::string_view stem, int v) noexcept {
    static constexpr std::string_view kDemonstratives[] = {"이렇", "그렇", "저렇", "요렇", "고렇",
                                                           "조렇", "어떻", "아무렇"};
    for (std::string_view d : kDemonstratives)
        if (stem == d) return kV_AE;
    switch (v) {
    case kV_A: return kV_AE;
    case kV_YA: return kV_YAE;
    case kV_EO: return kV_E;
    case kV_YEO: return kV_YE;
    default: return v;
    }
}

std::string make_intimate(const Verb& verb, const Syllable& s) {
    const auto [rest, l, v, t] = s;
    if (l == kL_H && v == kV_A && t == kT_None) return std::string(rest) + "해";
    switch (verb.cls) {
    case BIrregular: {
        // 돕다 and 곱다 take 와, and so do their compounds (곱디곱다 → 곱디고와).
        static constexpr std::string_view kWa[] = {"돕", "곱"};
        return syl(rest, l, v, without_b(t)) + (utf8::ends_with_one_of(verb.stem, kWa) ? "와" : "워");
    }
    case DIrregular:
        return syl(rest, l, v, kT_L) + a_or_eo(v);
    case SIrregular:
        return syl(rest, l, v, kT_None) + a_or_eo(v);
    case ReuIrregular: {
        auto before = last_syllable(rest);
        if (!before) return verb.stem;
        return syl(before->rest, before->l, before->v, kT_L) +
               ((before->v == kV_A || before->v == kV_O) ? "라" : "러");
    }
    case ReoIrregular:
        return verb.stem + "러";
    case UIrregular:
        return syl(rest, l, kV_EO, kT_None);
    case HIrregular:
        return syl(rest, l, h_vowel(verb.stem, v), kT_None);
    case EoToAe:
        return syl(rest, l, kV_AE, kT_None);
    default:
        break;
    }
    if (t != kT_None) return syl(rest, l, v, t) + a_or_eo(v);
    switch (v) {
    case kV_A: case kV_AE: case kV_EO: case kV_E: case kV_YEO:
        return syl(rest, l, v, kT_None);
    case kV_O: return syl(rest, l, kV_WA, kT_None);
    case kV_OE: return syl(rest, l, kV_WAE, kT_None);
    case kV_U: return syl(rest, l, kV_WEO, kT_None);
    case kV_I: return syl(rest, l, kV_YEO, kT_None);
    case kV_EU: {
        auto before = last_syllable(rest);
        // 아파, 가냘파 after a bright vowel; 기뻐, 써 otherwise.
        bool bright = before && std::string_view(a_or_eo(before->v)) == "아";
        return syl(rest, l, bright ? kV_A : kV_EO, kT_None);
    }
    default:
        return syl(rest, l, v, kT_None) + "어";
    }
}

std::string make_connective_ni(const Verb& verb, const Syllable& s) {
    const auto [rest, l, v, t] = s;
    switch (verb.cls) {
    case BIrregular: return syl(rest, l, v, without_b(t)) + "우니";
    case DIrregular: return syl(rest, l, v, kT_L) + "으니";
    case SIrregular: return syl(rest, l, v, kT_None) + "으니";
    case HIrregular: return syl(rest, l, v, kT_None) + "니";
    default: break;
    }
    if (t == kT_None || t == kT_L) return syl(rest, l, v, kT_None) + "니";
    return syl(rest, l, v, t) + "으니";
}

std::string make_adnominal_present(const Verb& verb, const Syllable& s) {
    const auto [rest, l, v, t] = s;
    if (!verb.adjective) return syl(rest, l, v, t == kT_L ? kT_None : t) + "는";
    // Adjectives take -(으)ㄴ: 큰, 긴, 좋은, 추운, 나은, 빨간.
    switch (verb.cls) {
    case BIrregular: return syl(rest, l, v, without_b(t)) + "운";
    case SIrregular: return syl(rest, l, v, kT_None) + "은";
    case DIrregular: return syl(rest, l, v, kT_L) + "은";
    case HIrregular: return syl(rest, l, v, kT_N);
    default: break;
    }
    if (t == kT_None || t == kT_L) return syl(rest, l, v, kT_N);
    return syl(rest, l, v, t) + "은";
}

// The adjective endings that are always ㅂ-irregular after another syllable:
// -롭다 (새롭다), -럽다 (자연스럽다, 매끄럽다), -답다 (아름답다, 정답다), -갑다
// (따갑다), -겁다 (버겁다), -겹다 (힘겹다), -렵다 (어렵다, 마렵다), -껍다
// (두껍다, 기껍다), -깝다 (가깝다, 고깝다), -섭다 (무섭다, 매섭다) and -엽다
// (귀엽다, 노엽다).
bool b_adjective_ending(std::string_view stem) {
    static constexpr std::string_view kEndings[] = {"롭", "럽", "답", "갑", "겁", "겹", "렵", "껍", "깝", "섭", "엽"};
    return utf8::length(stem) > 1 && utf8::ends_with_one_of(stem, kEndings);
}

// Whether an unlisted stem is ㅎ-irregular: a final ㅎ after ㅏ, ㅑ, ㅓ or ㅕ
// in a stem of two syllables or more (뽀얗다, 시커멓다, 동그랗다, 요렇다),
// unless the last syllable is one of the verbs 넣다, 닿다, 쌓다, 낳다, 빻다,
// 땋다 (집어넣다, 맞닿다, 둘러쌓다). 좋다 and 놓다 have ㅗ.
bool h_irregular_shape(std::string_view stem) {
    static constexpr std::string_view kVerbs[] = {"넣", "닿", "쌓", "낳", "빻", "땋"};
    auto s = last_syllable(stem);
    if (!s || s->rest.empty() || s->t != kT_H) return false;
    if (s->v != kV_A && s->v != kV_YA && s->v != kV_EO && s->v != kV_YEO) return false;
    return !utf8::ends_with_one_of(stem, kVerbs);
}

// Whether an ㅂ-irregular stem is an adjective: all are but the verbs 돕다,
// 눕다, 줍다, 굽다 "roast", 깁다, 여쭙다 and their compounds (드러눕다).
bool b_adjective(std::string_view stem) {
    static constexpr std::string_view kVerbs[] = {"돕", "눕", "줍", "굽", "깁", "쭙"};
    return !utf8::ends_with_one_of(stem, kVerbs);
}

// Whether the stem ends in an adjective suffix that no verb has: X같다
// (똑같다), X세다 (드세다, 억세다), -찮다/-잖다 (귀찮다, 점잖다), -쩍다
// (멋쩍다), -궂다 (짓궂다), -스름하다 (불그스름하다), and the ㅡ-stems -프다,
// -쁘다 (아프다, 서글프다, 기쁘다, 어여쁘다).
bool adjective_ending(std::string_view stem) {
    static constexpr std::string_view kAfterRoot[] = {"같", "세"};
    static constexpr std::string_view kEndings[] = {"찮", "잖", "쩍", "궂", "스름하", "프", "쁘"};
    return (utf8::length(stem) > 1 && utf8::ends_with_one_of(stem, kAfterRoot)) ||
           utf8::ends_with_one_of(stem, kEndings);
}

std::string make_formal_present(const Syllable& s) {
    const auto [rest, l, v, t] = s;
    if (t == kT_None || t == kT_L) return syl(rest, l, v, kT_B) + "니다";
    return syl(rest, l, v, t) + "습니다";
}

}  // namespace

constexpr std::string_view INFINITIVE_ENDINGS[] = {"다"};

int class_of_code(std::string_view code) noexcept {
    static constexpr std::pair<std::string_view, int> kCodes[] = {
        {"b", BIrregular},   {"d", DIrregular},   {"s", SIrregular},  {"reu", ReuIrregular},
        {"reo", ReoIrregular}, {"u", UIrregular}, {"h", HIrregular},  {"eae", EoToAe},
        {"short", Shortened},
    };
    for (const auto& [name, cls] : kCodes)
        if (name == code) return cls;
    return Regular;
}

Irregularity irregularity(std::string_view lemma) {
    Irregularity out;
    auto match = lex::longest_suffix(data::table::kor, lemma, [](std::string_view) { return true; });
    if (!match) return out;
    auto c = lex::split<3>(match->line);
    out.listed = true;
    out.cls = c.count > 1 ? class_of_code(c[1]) : Regular;
    if (out.cls != Shortened) return out;
    if (utf8::length(c[2]) > 1 && utf8::ends_with_one_of(c[2], INFINITIVE_ENDINGS)) {
        out.full = std::string(lemma.substr(0, match->at));
        out.full += utf8::drop_last_chars(c[2], 1);
    } else {
        out.cls = Regular;
    }
    return out;
}

std::optional<bool> listed_adjective(std::string_view lemma) {
    // Only longer adjectives end compounds: a 하다 adjective with a
    // one-syllable root (진하다, 장하다) or one in 되다 (참되다) is the end of
    // many verbs (전진하다, 주장하다, 보고되다), and a row marked "=" ends
    // none (시다 ends 마시다).
    auto open = [](std::string_view line) {
        auto c = lex::split<2>(line);
        if (c[1] == "=") return false;
        if (utf8::ends_with(c[0], "되다")) return false;
        return !(utf8::ends_with(c[0], "하다") && utf8::length(c[0]) <= 3);
    };
    auto match = lex::longest_suffix(data::table::kor_adjectives, lemma, open);
    if (!match) return std::nullopt;
    auto c = lex::split<2>(match->line);
    return c[1] != "verb";
}

std::optional<Syllable> last_syllable(std::string_view text) noexcept {
    if (text.empty()) return std::nullopt;
    char32_t c = utf8::last(text);
    if (!is_syllable(c)) return std::nullopt;
    int i = static_cast<int>(c - kFirstSyllable);
    return Syllable{utf8::drop_last_chars(text, 1), i / 588, (i % 588) / 28, i % 28};
}

void append_syllable(std::string& out, int l, int v, int t) {
    bool valid = l >= 0 && l < 19 && v >= 0 && v < 21 && t >= 0 && t < 28;
    utf8::append(out, valid ? kFirstSyllable + static_cast<char32_t>((l * 21 + v) * 28 + t) : U'\uFFFD');
}

constexpr unicode::Spelling SPELLING{unicode::Script::Hangul, U"", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto written = unicode::word_of(text, SPELLING);
    if (!written) return fail(Error{});
    const std::string_view word = *written;
    if (!utf8::ends_with_one_of(word, INFINITIVE_ENDINGS)) return fail(Error{});
    std::string_view stem = utf8::drop_last_chars(word, 1);
    if (stem.empty()) return fail(Error{});
    for (char32_t c : utf8::chars(stem))
        if (!is_syllable(c)) return fail(Error{});
    Irregularity irr = irregularity(word);
    Verb v;
    v.infinitive = std::string(word);
    v.stem = std::string(stem);
    v.cls = irr.cls;
    v.full_stem = std::move(irr.full);
    if (!irr.listed && b_adjective_ending(stem)) v.cls = BIrregular;
    if (!irr.listed && h_irregular_shape(stem)) v.cls = HIrregular;
    // The list decides where it has a row for the word or its last part;
    // otherwise every ㅎ-irregular stem is an adjective (빨갛다, 그렇다), and
    // so is every ㅂ-irregular one but a few verbs, every 러-irregular one
    // but 이르다 "arrive" (푸르다, 노르다, 검푸르다), and a stem with an
    // adjective suffix.
    static constexpr std::string_view kArrive[] = {"이르"};
    auto listed = listed_adjective(word);
    v.adjective = listed ? *listed
                         : v.cls == HIrregular || (v.cls == BIrregular && b_adjective(stem)) ||
                               (v.cls == ReoIrregular && !utf8::ends_with_one_of(stem, kArrive)) ||
                               adjective_ending(stem);
    return v;
}

Table Table::build(const Verb& verb) {
    Table table;
    table.infinitive = verb.infinitive;
    // A stem that passed the analysis ends in a syllable.
    auto s = last_syllable(verb.stem);
    table.intimate = make_intimate(verb, *s);
    table.connective_ni = make_connective_ni(verb, *s);
    if (verb.cls == Shortened) {
        // Before a vowel the full stem stands: 가져, 가지니 (갖다), 머물러 (머물다);
        // -니 follows an ㄹ without one (머무니).
        auto full = Verb::from_infinitive(verb.full_stem + "다");
        if (full && full->cls != Shortened) {
            Table long_forms = build(*full);
            table.intimate = std::move(long_forms.intimate);
            if (s->t != kT_L) table.connective_ni = std::move(long_forms.connective_ni);
        }
    }
    table.adnominal_present = make_adnominal_present(verb, *s);
    table.formal_present = make_formal_present(*s);
    return table;
}

}  // namespace velnor::kor
