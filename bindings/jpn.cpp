// JapaneseConjugation: the Japanese result class and the Japanese conjugate step.
#include "language.hpp"
#include "result_class.hpp"
#include "../src/jpn.hpp"

namespace velnor::py {
namespace {

using jpn::Table;

constexpr const char DOC[] =
    "The conjugation of one Japanese verb: the katsuyou-kei (活用形) plus\nthe plain past た-form.";

const ResultClass<Table, 6> CLASS{"JapaneseConjugation", DOC, {
    VELNOR_ATTR(Table, terminal, "終止形 — dictionary form."),
    VELNOR_ATTR(Table, continuative, "連用形 — continuative / masu-stem."),
    VELNOR_ATTR(Table, irrealis, "未然形 — irrealis."),
    VELNOR_ATTR(Table, hypothetical, "仮定形 — hypothetical."),
    VELNOR_ATTR(Table, imperative, "命令形 — imperative."),
    VELNOR_ATTR(Table, past, "Plain past — た/だ-form."),
}, [](const Table& t) -> std::string_view { return t.terminal; }};

constexpr const char REFUSAL[] = "not a Japanese verb";

constexpr const char UNKNOWN[] = "not a known Japanese verb";

}  // namespace

extern const Language jpn{[] { return CLASS.type(); }, "JapaneseConjugation",
                          &conjugate_infinitive<jpn::Verb, CLASS, REFUSAL, UNKNOWN>, REFUSAL};

}  // namespace velnor::py
