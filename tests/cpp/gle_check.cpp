// Prints the analysis and the table of each argument, one tab-separated line
// per verb: lemma, stem, class, verbal noun, verbal adjective, then the seven
// rows with their slots joined by '|' ("None" for an absent slot).
#include <cstdio>
#include <string>

#include "gle.hpp"

int main(int argc, char** argv) {
    using namespace velnor::gle;
    for (int i = 1; i < argc; ++i) {
        auto verb = Verb::from_infinitive(argv[i]);
        if (!verb) {
            std::printf("FAIL\n");
            continue;
        }
        Table t = Table::build(*verb);
        std::string line = verb->lemma + "\t" + verb->stem + "\t" + std::to_string(verb->cls) + "\t" + t.verbal_noun +
                           "\t" + t.verbal_adjective;
        for (const Row7* row : {&t.present, &t.past, &t.past_habitual, &t.future, &t.conditional, &t.imperative,
                                &t.subjunctive}) {
            line += "\t";
            for (std::size_t k = 0; k < row->size(); ++k) {
                if (k) line += "|";
                line += (*row)[k] ? *(*row)[k] : std::string("None");
            }
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
