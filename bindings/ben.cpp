// BengaliConjugation: the Bengali result class and the Bengali conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/ben.hpp"

namespace velnor::py {
namespace {

using ben::Table;

constexpr const char DOC[] =
    "The conjugation of one Bengali verb (see `velnor::ben`). Every\n"
    "person row is [আমি, তুই, তুমি, সে, আপনি] — first, second intimate,\n"
    "second familiar, third ordinary, honorific.";

const ResultClass<Table, 14> CLASS{"BengaliConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, verbal_infinitive, ""),
    VELNOR_ATTR(Table, perfective, ""),
    VELNOR_ATTR(Table, habitual_participle, ""),
    VELNOR_ATTR(Table, progressive_participle, ""),
    VELNOR_ATTR(Table, conditional, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, past, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, habitual, ""),
    VELNOR_ATTR(Table, present_progressive, ""),
    VELNOR_ATTR(Table, past_progressive, ""),
    VELNOR_ATTR(Table, present_perfect, ""),
    VELNOR_ATTR(Table, past_perfect, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not a Bengali verb";

}  // namespace

extern const Language ben{[] { return CLASS.type(); }, "BengaliConjugation",
                          &conjugate_infinitive<ben::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
