// Drives the Swedish principal-parts lookup and analysis from
// tests/test_swe.py on a lexicon text that the test writes. Each argument is
// "op:text" and gives one output line:
//   parts:LEMMA  the six cells of LEMMA's row ("~" for none), or NOROW
//   conj:WORD    lemma, present, past, supine, imperative, past passive,
//                subjunctive past ("~" for none), tab-separated, or FAIL
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "check.hpp"
#include "swe.hpp"

using check::opt;

int main(int argc, char** argv) {
    using namespace velnor::swe;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::size_t colon = arg.find(':');
        std::string_view op = arg.substr(0, colon);
        std::string_view text = arg.substr(colon + 1);
        if (op == "parts") {
            auto p = parts(text);
            if (!p) {
                std::cout << "NOROW\n";
                continue;
            }
            std::cout << opt(p->present) << '\t' << opt(p->past) << '\t' << opt(p->supine) << '\t'
                      << opt(p->imperative) << '\t' << opt(p->subjunctive_present) << '\t'
                      << opt(p->subjunctive_past) << '\n';
        } else if (op == "conj") {
            auto verb = Verb::from_infinitive(text);
            if (!verb) {
                std::cout << "FAIL\n";
                continue;
            }
            Table t = Table::build(*verb);
            std::cout << t.infinitive << '\t' << opt(t.present) << '\t' << opt(t.past) << '\t'
                      << opt(t.supine) << '\t' << opt(t.imperative) << '\t' << opt(t.past_passive) << '\t'
                      << opt(t.subjunctive_past) << '\n';
        }
    }
    return 0;
}
