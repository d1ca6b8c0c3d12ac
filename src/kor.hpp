// Korean conjugation: analysis of a dictionary form (stem + 다), the lexicon
// of irregular stems, and the four whole-word surface forms built by Hangul
// syllable arithmetic.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::kor {

// Irregularity classes; the lexicon codes are in brackets.
enum Class : std::uint8_t {
    Regular = 0,
    BIrregular = 1,    // "b": ㅂ-irregular (돕다 → 도와)
    DIrregular = 2,    // "d": ㄷ-irregular (듣다 → 들어)
    SIrregular = 3,    // "s": ㅅ-irregular (낫다 → 나아)
    ReuIrregular = 4,  // "reu": 르-irregular (모르다 → 몰라)
    ReoIrregular = 5,  // "reo": 러-irregular (이르다 → 이르러)
    UIrregular = 6,    // "u": 우-irregular (푸다 → 퍼)
    HIrregular = 7,    // "h": ㅎ-irregular (파랗다 → 파래)
    EoToAe = 8,        // "eae": vowel ㅓ becomes ㅐ (그러다 → 그래)
    Shortened = 9,     // "short": a shortened stem, its full form in the next cell (갖다 → 가지다)
};

// The class of a lexicon code; unknown codes are regular.
int class_of_code(std::string_view code) noexcept;

// The irregularity of a dictionary form: its own row, or else the row of the
// longest listed word that ends it (a compound follows its last part:
// 손쉽다 as 쉽다, 내딛다 as 딛다); `full` is then the full form of a shortened
// stem with the compound's front (내디디다), and empty otherwise.
struct Irregularity {
    int cls = Regular;
    bool listed = false;
    std::string full;
};
Irregularity irregularity(std::string_view lemma);

// Whether the built-in list of adjectives makes a dictionary form an
// adjective (true) or a verb (false): its own row, or else the row of the
// longest listed word that ends it and may end compounds (사이좋다 as 좋다,
// 불완전하다 as 완전하다); none when no row applies.
std::optional<bool> listed_adjective(std::string_view lemma);

// A Hangul syllable split into its jamo indices, with the text before it.
struct Syllable {
    std::string_view rest;
    int l;
    int v;
    int t;
};

// The last character of `text` split, when it is a precomposed syllable.
std::optional<Syllable> last_syllable(std::string_view text) noexcept;

// Appends the syllable with jamo indices (l, v, t); U+FFFD when out of range.
void append_syllable(std::string& out, int l, int v, int t);

// Failure of the analysis: the text is not a Korean dictionary form.
struct Error {};

struct Verb {
    std::string infinitive;
    std::string stem;
    int cls = 0;
    // A descriptive verb (좋다, 춥다): its adnominal present is -(으)ㄴ.
    bool adjective = false;
    // The full stem of a shortened one (갖 → 가지, 머물 → 머무르), which the
    // endings that begin with a vowel take; empty for other stems.
    std::string full_stem;

    static Expected<Verb, Error> from_infinitive(std::string_view text);
};

struct Table {
    std::string infinitive;
    std::string intimate;
    std::string connective_ni;
    std::string adnominal_present;
    std::string formal_present;

    static Table build(const Verb& verb);
};

}  // namespace velnor::kor
