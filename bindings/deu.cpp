#include "language.hpp"
#include "result_class.hpp"
#include "../src/deu/mod.hpp"
#include "../src/deu/table.hpp"

namespace velnor::py {
namespace {

using deu::table::Table;

constexpr const char DOC[] =
    "The full conjugation table of one verb. Rows are\n"
    "[ich, du, er/sie/es, wir, ihr, sie]; imperative entries are None for\n"
    "verbs without one (the modals).";

const ResultClass<Table, 21> CLASS{
    "Conjugation",
    DOC,
    {
        VELNOR_ATTR(Table, infinitive, ""),
        VELNOR_ATTR(Table, zu_infinitive, ""),
        VELNOR_ATTR(Table, perfect_infinitive, ""),
        VELNOR_ATTR(Table, auxiliary, ""),
        VELNOR_ATTR(Table, present_participle, ""),
        VELNOR_ATTR(Table, past_participle, ""),
        VELNOR_ATTR(Table, imperative, "[2sg, 2pl]"),
        VELNOR_ATTR(Table, imperative_extended, "[wir, Sie]"),
        VELNOR_ATTR(Table, present, ""),
        VELNOR_ATTR(Table, preterite, ""),
        VELNOR_ATTR(Table, konjunktiv1, ""),
        VELNOR_ATTR(Table, konjunktiv2, ""),
        VELNOR_ATTR(Table, perfect, ""),
        VELNOR_ATTR(Table, pluperfect, ""),
        VELNOR_ATTR(Table, future1, ""),
        VELNOR_ATTR(Table, future2, ""),
        VELNOR_ATTR(Table, wuerde, ""),
        VELNOR_ATTR(Table, konj1_perfect, ""),
        VELNOR_ATTR(Table, konj1_future, ""),
        VELNOR_ATTR(Table, konj2_pluperfect, ""),
        VELNOR_ATTR(Table, konj2_future2, ""),
    },
    [](const Table& t) -> std::string_view { return t.infinitive; },
    "auxiliary",
    [](const Table& t) -> std::string_view { return t.auxiliary; }};

constexpr const char REFUSAL[] = "not a German infinitive: ";

PyObject* conjugate(std::string_view word) {
    auto verb = deu::Verb::from_infinitive(word);
    if (!verb) return value_error_naming(REFUSAL, verb.error().word);
    return CLASS.wrap(Table::build(*verb));
}

}  // namespace

extern const Language deu{[] { return CLASS.type(); }, "Conjugation", &conjugate, REFUSAL, true};

}  // namespace velnor::py
