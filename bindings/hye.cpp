// ArmenianConjugation: the Eastern Armenian result class and the Armenian
// conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/hye.hpp"

namespace velnor::py {
namespace {

using hye::Table;

constexpr const char DOC[] =
    "The conjugation of one Eastern Armenian verb (see `velnor::hye`).\n"
    "Person rows are [ես, դու, նա, մենք, դուք, նրանք]; the analytic\n"
    "tenses are spelled out (`գրում եմ`), the imperative is\n"
    "[singular, plural].";

const ResultClass<Table, 22> CLASS{"ArmenianConjugation", DOC, {
    VELNOR_ATTR(Table, infinitive, ""),
    VELNOR_ATTR(Table, present, ""),
    VELNOR_ATTR(Table, imperfect, ""),
    VELNOR_ATTR(Table, aorist, ""),
    VELNOR_ATTR(Table, perfect, ""),
    VELNOR_ATTR(Table, pluperfect, ""),
    VELNOR_ATTR(Table, future, ""),
    VELNOR_ATTR(Table, future_in_past, ""),
    VELNOR_ATTR(Table, subjunctive_future, ""),
    VELNOR_ATTR(Table, subjunctive_past, ""),
    VELNOR_ATTR(Table, conditional, ""),
    VELNOR_ATTR(Table, conditional_past, ""),
    VELNOR_ATTR(Table, imperative, ""),
    VELNOR_ATTR(Table, converb_imperfective, ""),
    VELNOR_ATTR(Table, converb_perfective, ""),
    VELNOR_ATTR(Table, converb_future, ""),
    VELNOR_ATTR(Table, converb_simultaneous, ""),
    VELNOR_ATTR(Table, connegative, ""),
    VELNOR_ATTR(Table, participle_subject, ""),
    VELNOR_ATTR(Table, participle_resultative, ""),
    VELNOR_ATTR(Table, passive, ""),
    VELNOR_ATTR(Table, causative, ""),
}, [](const Table& t) -> std::string_view { return t.infinitive; }};

constexpr const char REFUSAL[] = "not an Armenian infinitive";

}  // namespace

extern const Language hye{[] { return CLASS.type(); }, "ArmenianConjugation",
                          &conjugate_infinitive<hye::Verb, CLASS, REFUSAL>, REFUSAL};

}  // namespace velnor::py
