// Drives the Slovenian analysis and table from tests/test_slv.py on lexicon
// texts that the test writes. Each argument is a word; each output line is
// FAIL or: lemma, class number, then the nine present forms, the five
// imperatives, the nine participles and the supine, tab-separated.
#include <iostream>
#include <string_view>

#include "slv.hpp"

int main(int argc, char** argv) {
    using namespace velnor::slv;
    for (int i = 1; i < argc; ++i) {
        auto verb = Verb::from_infinitive(argv[i]);
        if (!verb) {
            std::cout << "FAIL\n";
            continue;
        }
        Table t = Table::build(*verb);
        std::cout << t.infinitive << '\t' << static_cast<int>(verb->cls);
        for (const auto& f : t.present) std::cout << '\t' << f;
        for (const auto& f : t.imperative) std::cout << '\t' << (f ? *f : "~");
        for (const auto& f : t.participle) std::cout << '\t' << f;
        std::cout << '\t' << t.supine << '\n';
    }
    return 0;
}
