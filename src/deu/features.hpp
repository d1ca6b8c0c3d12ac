// Small value types shared by the German engine: person and number of a
// row slot, the perfect auxiliary, tense, mood, compound tense and the
// separability of the word that stands before a base verb.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velnor::deu {

namespace features {

enum class Person : std::uint8_t { First = 0, Second = 1, Third = 2 };
enum class Number : std::uint8_t { Singular = 0, Plural = 1 };

// Row slot of a person and number: ich, du, er/sie/es, wir, ihr, sie.
constexpr std::size_t slot(Person p, Number n) noexcept {
    return static_cast<std::size_t>(p) + 3 * static_cast<std::size_t>(n);
}
constexpr Person person_of(std::size_t slot) noexcept { return static_cast<Person>(slot % 3); }
constexpr Number number_of(std::size_t slot) noexcept { return static_cast<Number>(slot / 3); }

}  // namespace features

enum class Auxiliary : std::uint8_t { Haben = 0, Sein = 1 };

constexpr std::string_view text(Auxiliary a) noexcept { return a == Auxiliary::Sein ? "sein" : "haben"; }

enum class Tense : std::uint8_t { Present = 0, Preterite = 1 };
enum class Mood : std::uint8_t { Indicative = 0, Konjunktiv1 = 1, Konjunktiv2 = 2 };
enum class Compound : std::uint8_t { Perfect = 0, Pluperfect = 1, Future1 = 2, Future2 = 3 };

namespace prefix {

// Where the word before a base verb goes in each form:
//   Separable   stehe auf / aufgestanden / aufzustehen
//   Inseparable verstehe / verstanden / zu verstehen
//   Detached    fahre Rad / Rad gefahren / Rad zu fahren
//   Fused       lobsinge / lobgesungen / lobzusingen
//   Reflexive   wasche mich / sich gewaschen / sich zu waschen
enum class Separability : std::uint8_t { Separable = 0, Inseparable = 1, Detached = 2, Fused = 3, Reflexive = 4 };

}  // namespace prefix

}  // namespace velnor::deu
