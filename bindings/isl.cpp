// IcelandicConjugation: the Icelandic result class and the Icelandic conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/isl.hpp"

namespace velnor::py {
namespace {

using isl::Table;

constexpr const char DOC[] =
    "The synthetic active paradigm of one Icelandic verb. Person rows are\n"
    "[ég, þú, hann/hún, við, þið, þeir].";

const ResultClass<Table, 8> CLASS{"IcelandicConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, supine, ""),
    VELNOR_ATTR(Table, present_participle, ""),
    VELNOR_ATTR(Table, imperative, "[þú, þið]"),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, subjunctive_present, ""),
    VELNOR_ATTR(Table, subjunctive_past, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not an Icelandic infinitive";

}  // namespace

extern const Language isl{[] { return CLASS.type(); }, "IcelandicConjugation",
                          &conjugate_infinitive<isl::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
