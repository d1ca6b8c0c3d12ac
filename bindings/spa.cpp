// SpanishConjugation: the Spanish table as a read-only Python object.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/spa.hpp"

namespace velnor::py {
namespace {

using spa::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Spanish verb. Rows are\n"
    "[yo, tú, él/ella, nosotros, vosotros, ellos/ellas].";

const ResultClass<Table, 19> CLASS{"SpanishConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, gerund, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, imperative, "[tú, usted, nosotros, vosotros, ustedes]"),
    VELNOR_SIMPLE_TENSES(Table, preterite),
    VELNOR_ATTR(Table, subjunctive_future, ""),
    VELNOR_ATTR(Table, perfecto_compuesto, ""),
    VELNOR_ATTR(Table, pluscuamperfecto, ""),
    VELNOR_ATTR(Table, preterito_anterior, ""),
    VELNOR_ATTR(Table, futuro_perfecto, ""),
    VELNOR_ATTR(Table, condicional_perfecto, ""),
    VELNOR_ATTR(Table, subjuntivo_perfecto, ""),
    VELNOR_ATTR(Table, subjuntivo_pluscuamperfecto, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Spanish infinitive";
constexpr const char UNSUPPORTED[] = "not a supported Spanish verb";

}  // namespace

extern const Language spa{[] { return CLASS.type(); }, "SpanishConjugation",
                          &conjugate_infinitive<spa::Verb, CLASS, REFUSAL, UNSUPPORTED>, REFUSAL};

}  // namespace velnor::py
