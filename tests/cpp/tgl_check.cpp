// Drives the Tagalog engine from tests/test_tgl.py: for each root on the
// command line prints one line
//   root <tab> actor class <tab> patient class <tab> h <tab> six slots
// where each slot is the full list of forms of one voice and aspect
// (actor perfective, imperfective, contemplated, then patient), joined by
// "|"; "NONE" stands for an input the analysis refuses.
#include <iostream>
#include <string>

#include "tgl.hpp"

int main(int argc, char** argv) {
    using namespace velnor::tgl;
    for (int i = 1; i < argc; ++i) {
        auto verb = Verb::from_infinitive(argv[i]);
        std::cout << argv[i];
        if (!verb) {
            std::cout << "\tNONE\n";
            continue;
        }
        std::cout << '\t' << static_cast<int>(verb->actor) << '\t' << static_cast<int>(verb->patient) << '\t'
                  << (verb->h ? 1 : 0);
        for (Voice voice : {Voice::Actor, Voice::Patient}) {
            for (Aspect aspect : {Aspect::Perfective, Aspect::Imperfective, Aspect::Contemplated}) {
                std::cout << '\t';
                bool first = true;
                for (const auto& f : verb->forms(voice, aspect)) {
                    if (!first) std::cout << '|';
                    std::cout << f;
                    first = false;
                }
            }
        }
        std::cout << '\n';
    }
}
