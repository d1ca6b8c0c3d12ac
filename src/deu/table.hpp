// The full German paradigm of one verb.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "features.hpp"
#include "mod.hpp"

namespace velnor::deu::table {

using Row = std::array<std::string, 6>;

// Maps the six slots (ich … sie) through f(person, number).
template <class F>
Row row(F&& f) {
    using features::Number;
    using features::Person;
    return Row{f(Person::First, Number::Singular),  f(Person::Second, Number::Singular),
               f(Person::Third, Number::Singular),  f(Person::First, Number::Plural),
               f(Person::Second, Number::Plural),   f(Person::Third, Number::Plural)};
}

struct Table {
    std::string infinitive;
    std::string zu_infinitive;
    std::string perfect_infinitive;
    std::string auxiliary;
    std::string present_participle;
    std::string past_participle;
    std::array<std::optional<std::string>, 2> imperative;  // [2sg, 2pl]
    std::array<std::string, 2> imperative_extended;        // [wir, Sie]
    Row present;
    Row preterite;
    Row konjunktiv1;
    Row konjunktiv2;
    Row perfect;
    Row pluperfect;
    Row future1;
    Row future2;
    Row wuerde;
    Row konj1_perfect;
    Row konj1_future;
    Row konj2_pluperfect;
    Row konj2_future2;

    static Table build(const Verb& verb);
};

}  // namespace velnor::deu::table
