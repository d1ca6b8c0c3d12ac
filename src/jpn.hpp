// Japanese conjugation: the dictionary form is looked up in the built-in
// lexicon, which gives its inflection class; the six base forms (the
// katsuyou-kei and the plain past) follow from the class.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "expected.hpp"

namespace velnor::jpn {

// Why a text is refused: NotAVerb (1) for an empty text or one holding white
// space, Unknown (0) for a word the lexicon does not classify.
enum class Error : std::uint8_t { Unknown = 0, NotAVerb = 1 };

// Inflection classes, numbered as in the lexicon's class codes.
enum class Class : std::uint8_t { Ichidan = 0, Godan, GodanIku, GodanU, RSpecial, Suru, Zuru, Kuru };

// The class of a lexicon class code, or false when the code is not one of
// the eight.
bool class_of_code(std::string_view code, Class& out) noexcept;

// The text without its last character, and that character.
std::pair<std::string_view, std::string_view> split_last(std::string_view text) noexcept;

// What a lexicon row's third cell says beyond the class: "sa", a one-kanji
// する verb whose irrealis and imperative are those of its godan twin in す
// (愛する: 愛さ, 愛せ); "noimp", a verb without an imperative in use (関する,
// できる). Seyo, by rule, a one-kanji する verb written with its kanji, whose
// imperative is the written せよ (発せよ, 察せよ); a kana spelling takes its
// listed verb's "sa" or "noimp".
enum class Mark : std::uint8_t { None = 0, Sa, NoImperative, Seyo };

// The forms, in table order.
enum class Form : std::uint8_t { Terminal = 0, Continuative, Irrealis, Hypothetical, Imperative, Past };

struct Verb {
    std::string lemma;
    Class cls;
    Mark mark = Mark::None;

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // One base form; never fails for a verb that from_infinitive accepted.
    std::string form(Form which) const;
};

struct Table {
    std::string terminal;
    std::string continuative;
    std::string irrealis;
    std::string hypothetical;
    std::string imperative;
    std::string past;

    static Table build(const Verb& verb);
};

}  // namespace velnor::jpn
