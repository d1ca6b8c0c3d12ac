#include "table.hpp"

namespace velnor::deu::table {

using features::Number;
using features::Person;

Table Table::build(const Verb& verb) {
    Table t;
    const Auxiliary aux = verb.auxiliary();
    t.infinitive = verb.infinitive;
    t.zu_infinitive = verb.zu_infinitive();
    t.past_participle = verb.past_participle();
    t.perfect_infinitive = t.past_participle + " " + std::string(text(aux));
    t.auxiliary = std::string(text(aux));
    t.present_participle = verb.present_participle();
    t.imperative = {verb.imperative(0), verb.imperative(1)};
    t.imperative_extended = {verb.imperative_with_pronoun("wir", Person::First),
                             verb.imperative_with_pronoun("Sie", Person::Third)};

    auto finite = [&](Tense tense, Mood mood) {
        return row([&](Person p, Number n) { return verb.conjugate(tense, mood, p, n); });
    };
    auto analytic = [&](Compound c, Mood mood) {
        return row([&](Person p, Number n) {
            return verb.analytic(c, mood, features::slot(p, n), aux, t.past_participle);
        });
    };
    t.present = finite(Tense::Present, Mood::Indicative);
    t.preterite = finite(Tense::Preterite, Mood::Indicative);
    t.konjunktiv1 = finite(Tense::Present, Mood::Konjunktiv1);
    t.konjunktiv2 = finite(Tense::Present, Mood::Konjunktiv2);
    t.perfect = analytic(Compound::Perfect, Mood::Indicative);
    t.pluperfect = analytic(Compound::Pluperfect, Mood::Indicative);
    t.future1 = analytic(Compound::Future1, Mood::Indicative);
    t.future2 = analytic(Compound::Future2, Mood::Indicative);
    t.wuerde = analytic(Compound::Future1, Mood::Konjunktiv2);
    t.konj1_perfect = analytic(Compound::Perfect, Mood::Konjunktiv1);
    t.konj1_future = analytic(Compound::Future1, Mood::Konjunktiv1);
    t.konj2_pluperfect = analytic(Compound::Pluperfect, Mood::Konjunktiv2);
    t.konj2_future2 = analytic(Compound::Future2, Mood::Konjunktiv2);
    return t;
}

}  // namespace velnor::deu::table
