// TagalogConjugation: the Tagalog result class and the Tagalog conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/tgl.hpp"

namespace velnor::py {
namespace {

using tgl::Table;

constexpr const char DOC[] =
    "The conjugation of one Tagalog verb (see `velnor::tgl`). Each voice\n"
    "row is [perfective, imperfective, contemplated]; `patient` holds\n"
    "empty strings when the root takes no patient voice.";

const ResultClass<Table, 3> CLASS{"TagalogConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, actor, ""),
    VELNOR_ATTR(Table, patient, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Tagalog verb root";

}  // namespace

extern const Language tgl{[] { return CLASS.type(); }, "TagalogConjugation",
                          &conjugate_infinitive<tgl::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
