// Drives the Danish list parsers from tests/test_dan.py: for each lemma on
// the command line prints one line
//   lemma <tab> present <tab> past <tab> past participle <tab> imperative
//         <tab> present participle <tab> past passive <tab> no-imperative flag
//         <tab> auxiliary
// with "~" for an absent value and "NOROW" in place of the six parts and the
// flag when the principal-parts list has no row.
#include <iostream>
#include <optional>
#include <string>

#include "check.hpp"
#include "dan.hpp"

using check::opt;

int main(int argc, char** argv) {
    using namespace velnor::dan;
    for (int i = 1; i < argc; ++i) {
        std::string lemma = argv[i];
        std::cout << lemma;
        if (auto p = parts(lemma)) {
            for (const auto* f : {&p->present, &p->past, &p->past_participle, &p->imperative,
                                  &p->present_participle, &p->past_passive})
                std::cout << '\t' << opt(*f);
            std::cout << '\t' << (p->no_imperative ? "1" : "0");
        } else {
            std::cout << "\tNOROW";
        }
        std::cout << '\t' << opt(auxiliary(lemma)) << '\n';
    }
    return 0;
}
