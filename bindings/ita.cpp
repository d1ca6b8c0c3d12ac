// ItalianConjugation: the Italian table as a read-only Python object.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/ita.hpp"

namespace velnor::py {
namespace {

using ita::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Italian verb. Rows are\n[io, tu, lui/lei, noi, voi, loro].";

const ResultClass<Table, 19> CLASS{"ItalianConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, auxiliary, ""),
    VELNOR_ATTR(Table, gerund, ""),
    VELNOR_ATTR(Table, present_participle, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, imperative, "[tu, Lei, noi, voi, Loro]"),
    VELNOR_SIMPLE_TENSES(Table, past_historic),
    VELNOR_ATTR(Table, passato_prossimo, ""),
    VELNOR_ATTR(Table, trapassato_prossimo, ""),
    VELNOR_ATTR(Table, futuro_anteriore, ""),
    VELNOR_ATTR(Table, condizionale_passato, ""),
    VELNOR_ATTR(Table, congiuntivo_passato, ""),
    VELNOR_ATTR(Table, congiuntivo_trapassato, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not an Italian infinitive";
constexpr const char UNSUPPORTED[] = "not a supported Italian verb";

}  // namespace

extern const Language ita{[] { return CLASS.type(); }, "ItalianConjugation",
                          &conjugate_infinitive<ita::Verb, CLASS, REFUSAL, UNSUPPORTED>, REFUSAL};

}  // namespace velnor::py
