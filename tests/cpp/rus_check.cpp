// Drives the Russian analysis from tests/test_rus.py on a lexicon text that
// the test writes. Each argument is a word and gives one output line: FAIL,
// or the prefix, class, the three lexicon groups ("~" for an absent group,
// "-" for no entry), then the twelve forms of the table, tab-separated.
#include <iostream>
#include <string>

#include "rus.hpp"

namespace {

template <class A>
std::string join(const std::optional<A>& group) {
    if (!group) return "~";
    std::string out;
    for (const auto& s : *group) {
        if (!out.empty()) out += ',';
        out += s;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velnor::rus;
    for (int i = 1; i < argc; ++i) {
        auto verb = Verb::from_infinitive(argv[i]);
        if (!verb) {
            std::cout << "FAIL\n";
            continue;
        }
        std::cout << verb->prefix << '\t' << int(verb->cls);
        if (verb->entry)
            std::cout << '\t' << join(verb->entry->non_past) << '\t' << join(verb->entry->past) << '\t'
                      << join(verb->entry->imperative);
        else
            std::cout << "\t-\t-\t-";
        Table t = Table::build(*verb);
        for (const auto& s : t.non_past) std::cout << '\t' << s;
        for (const auto& s : t.past_singular) std::cout << '\t' << s;
        std::cout << '\t' << t.past_plural;
        for (const auto& s : t.imperative) std::cout << '\t' << s;
        std::cout << '\n';
    }
}
