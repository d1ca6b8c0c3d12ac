#include "language.hpp"
#include "result_class.hpp"
#include "../src/cat.hpp"

namespace velnor::py {
namespace {
using cat::Table;

constexpr const char DOC[] =
    "The full conjugation table of one Catalan verb. Rows are\n"
    "[jo, tu, ell/ella, nosaltres, vosaltres, ells/elles].";

const ResultClass<Table, 11> CLASS{"CatalanConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, gerund, ""),
    VELNOR_ATTR(Table, past_participle, ""),
    VELNOR_ATTR(Table, imperative, "[tu, vostè, nosaltres, vosaltres, vostès]"),
    VELNOR_SIMPLE_TENSES(Table, preterite),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Catalan infinitive";
constexpr const char UNSUPPORTED[] = "not a supported Catalan verb";

}  // namespace

extern const Language cat{[] { return CLASS.type(); }, "CatalanConjugation",
                          &conjugate_infinitive<cat::Verb, CLASS, REFUSAL, UNSUPPORTED>, REFUSAL};

}  // namespace velnor::py
