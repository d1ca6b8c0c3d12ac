// FinnishConjugation: the Finnish result class and the Finnish conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/fin.hpp"

namespace velnor::py {
namespace {

using fin::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Finnish verb. Six-slot rows run\n"
    "[minä, sinä, hän, me, te, he].";

const ResultClass<Table, 17> CLASS{"FinnishConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, conditional, ""),
    VELNOR_ATTR(Table, potential, ""),
    VELNOR_ATTR(Table, imperative, "[2sg, 3sg, 1pl, 2pl, 3pl]"),
    VELNOR_ATTR(Table, present_passive, ""),
    VELNOR_ATTR(Table, past_passive, ""),
    VELNOR_ATTR(Table, conditional_passive, ""),
    VELNOR_ATTR(Table, potential_passive, ""),
    VELNOR_ATTR(Table, imperative_passive, ""),
    VELNOR_ATTR(Table, present_participle, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, present_passive_participle, ""),
    VELNOR_ATTR(Table, past_passive_participle, ""),
    VELNOR_ATTR(Table, perfekti, ""),
    VELNOR_ATTR(Table, pluskvamperfekti, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Finnish infinitive";

}  // namespace

extern const Language fin{[] { return CLASS.type(); }, "FinnishConjugation",
                          &conjugate_infinitive<fin::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
