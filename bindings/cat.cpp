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
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, imperfect, ""),
    VELNOR_ATTR(Table, preterite, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, conditional, ""),
    VELNOR_ATTR(Table, subjunctive_present, ""),
    VELNOR_ATTR(Table, subjunctive_imperfect, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Catalan infinitive";

PyObject* conjugate(std::string_view word) {
    auto verb = cat::Verb::from_infinitive(word);
    if (!verb) {
        return value_error(verb.error() == cat::Error::NotAVerb ? REFUSAL
                                                                : "not a supported Catalan verb");
    }
    return CLASS.wrap(cat::Table::build(*verb));
}

}  // namespace

extern const Language cat{[] { return CLASS.type(); }, "CatalanConjugation", &conjugate, REFUSAL};

}  // namespace velnor::py
