// KoreanConjugation: the Korean result class and the Korean conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/kor.hpp"

namespace velnor::py {
namespace {

using kor::Table;

constexpr const char DOC[] = "The four whole-word surface forms of one Korean verb (see\n`velnor::kor`).";

const ResultClass<Table, 5> CLASS{"KoreanConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, intimate, ""),
    VELNOR_ATTR(Table, connective_ni, ""),
    VELNOR_ATTR(Table, adnominal_present, ""),
    VELNOR_ATTR(Table, formal_present, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Korean verb (must be a 하다-style 다-final stem)";

}  // namespace

extern const Language kor{[] { return CLASS.type(); }, "KoreanConjugation",
                          &conjugate_infinitive<kor::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
