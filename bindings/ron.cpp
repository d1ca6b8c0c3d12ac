// RomanianConjugation: the result class of the Romanian engine.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/ron.hpp"

namespace velnor::py {
namespace {

using ron::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Romanian verb. Rows are\n[eu, tu, el/ea, noi, voi, ei/ele].";

const ResultClass<Table, 15> CLASS{"RomanianConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, gerund, ""),
    VELNOR_ATTR(Table, participle, ""),
    VELNOR_ATTR(Table, imperative, "[tu, voi]"),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, imperfect, ""),
    VELNOR_ATTR(Table, simple_perfect, ""),
    VELNOR_ATTR(Table, pluperfect, ""),
    VELNOR_ATTR(Table, subjunctive, ""),
    VELNOR_ATTR(Table, perfect_compus, ""),
    VELNOR_ATTR(Table, viitor, ""),
    VELNOR_ATTR(Table, conditional_prezent, ""),
    VELNOR_ATTR(Table, subjunctive_perfect, ""),
    VELNOR_ATTR(Table, conditional_perfect, ""),
    VELNOR_ATTR(Table, viitor_anterior, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Romanian infinitive";

}  // namespace

extern const Language ron{[] { return CLASS.type(); }, "RomanianConjugation",
                          &conjugate_infinitive<ron::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
