// Persian conjugation: analysis of a Perso-Arabic infinitive (with an
// optional compound head such as "کار " in کار کردن), the present-stem list,
// and the forms built on the past and present stems. Input and output are in
// the normalised spelling of velnor::perso_arabic.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "expected.hpp"

namespace velnor::pes {

// One row of the present-stem list; the views point into the built-in text.
struct LexEntry {
    std::string_view present_stem;
    std::optional<std::string_view> imperative_override;  // 2sg imperative, when the rule is wrong
};

namespace lexicon {
// The row of an infinitive (without compound head), if any.
std::optional<LexEntry> find(std::string_view infinitive);
}  // namespace lexicon

// Failure of the analysis: the text is not a Persian infinitive.
struct Error {};

enum class Person { First = 0, Second = 1, Third = 2 };
enum class Number { Singular = 0, Plural = 1 };

struct Verb {
    std::string infinitive;    // the whole normalised input, head included
    std::string prefix;        // the head up to and including its last space, or empty
    std::string past_stem;     // the verb proper less its final ن
    std::string present_stem;  // from the list, else by rule
    std::optional<std::string> imperative_override;
    bool light = false;  // کردن or شدن behind a head that is not a lone preverb
    // A preverb written as one word with its verb (بر in برگشتن): the stems
    // above are the base verb's, and the preverb stands before every form,
    // before می and in place of the subjunctive ب (برمیگردم, برگردم).
    std::string preverb;
    // بودن, and داشتن in the sense "have": no می, and the subjunctive and
    // imperative without ب (باشم; داشته باشم).
    enum class Stative { None, Budan, Dashtan } stative = Stative::None;
    // Forms a verb lacks. NoProgressive: توانستن, دانستن and the formal
    // داشتن compounds (اظهار داشتن), whose progressives are their plain
    // present and imperfect; توانستن has no
    // imperative either. Impersonal: the modals بایستن and شایستن, one form
    // for every person in the aorist, present, past and imperfect (باید,
    // باید, بایست, میبایست) and none elsewhere. A missing form is "—".
    enum class Defect { None, NoProgressive, NoProgressiveNoImperative, Impersonal } defect = Defect::None;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // One affirmative or negative form, prefix included. Tenses 0..10 in the
    // order of the table rows (aorist .. past progressive).
    std::string form(int tense, Person person, Number number, bool negative) const;
};

// The stem with the subjunctive and imperative prefix ب (بیا.., بی..).
std::string be_prefix(std::string_view stem);

using Row6 = std::array<std::string, 6>;

struct Table {
    std::string infinitive;
    Row6 aorist;
    Row6 present;
    Row6 subjunctive;
    Row6 past;
    Row6 imperfect;
    Row6 perfect;
    Row6 pluperfect;
    Row6 future;
    Row6 perfect_subjunctive;
    Row6 present_progressive;
    Row6 past_progressive;
    std::array<std::string, 2> imperative;  // 2sg, 2pl
    std::string past_participle;
    std::string present_participle;

    static Table build(const Verb& verb);
};

}  // namespace velnor::pes
