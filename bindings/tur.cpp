// TurkishConjugation: the Turkish result class and the Turkish conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/tur.hpp"

namespace velnor::py {
namespace {

using tur::Table;

constexpr const char DOC[] =
    "The conjugation of one Turkish verb (see `velnor::tur`). Person rows\n"
    "are [ben, sen, o, biz, siz, onlar]; the imperative is\n"
    "[2sg, 2pl]. Rows are affirmative.";

const ResultClass<Table, 8> CLASS{"TurkishConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, aorist, ""),
    VELNOR_ATTR(Table, progressive, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, evidential, ""),
    VELNOR_ATTR(Table, necessitative, ""),
    VELNOR_ATTR(Table, imperative, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Turkish infinitive";

}  // namespace

extern const Language tur{[] { return CLASS.type(); }, "TurkishConjugation",
                          &conjugate_infinitive<tur::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
