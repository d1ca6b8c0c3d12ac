// SwahiliConjugation: the Swahili result class and the Swahili conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/swa.hpp"

namespace velnor::py {
namespace {

using swa::Table;

constexpr const char DOC[] =
    "The person-core conjugation of one Swahili verb. Six-slot rows run\n"
    "[1sg, 2sg, 3sg (class 1), 1pl, 2pl, 3pl (class 2)]; the full\n"
    "noun-class matrix is reached through the engine's swa::Verb::form interface.";

const ResultClass<Table, 11> CLASS{"SwahiliConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, infinitive_negative, ""),
    VELNOR_ATTR(Table, imperative, "[singular, plural]"),
    VELNOR_ATTR(Table, habitual, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, present_negative, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, perfect, ""),
    VELNOR_ATTR(Table, subjunctive, ""),
    VELNOR_ATTR(Table, gnomic, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Swahili verb";

}  // namespace

extern const Language swa{[] { return CLASS.type(); }, "SwahiliConjugation",
                          &conjugate_infinitive<swa::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
