// SwedishConjugation: the Swedish result class and the Swedish conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/swe.hpp"

namespace velnor::py {
namespace {

using swe::Table;

constexpr const char DOC[] = "The principal parts of one Swedish verb.";

const ResultClass<Table, 16> CLASS{"SwedishConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, supine, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, infinitive_passive, ""),
    VELNOR_ATTR(Table, present_passive, ""),
    VELNOR_ATTR(Table, past_passive, ""),
    VELNOR_ATTR(Table, supine_passive, ""),
    VELNOR_ATTR(Table, subjunctive_past, ""),
    VELNOR_ATTR(Table, presens_row, ""),
    VELNOR_ATTR(Table, preteritum_row, ""),
    VELNOR_ATTR(Table, perfekt_row, ""),
    VELNOR_ATTR(Table, pluskvamperfekt_row, ""),
    VELNOR_ATTR(Table, futurum_row, ""),
    VELNOR_ATTR(Table, konditionalis_row, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Swedish infinitive";

}  // namespace

extern const Language swe{[] { return CLASS.type(); }, "SwedishConjugation",
                          &conjugate_infinitive<swe::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
