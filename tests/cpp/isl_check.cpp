// Reads one word per line on stdin and prints, tab-separated, what the
// Icelandic engine makes of it: "fail", or the prefix, the stem, whether a
// lexicon entry governs it, the present row, the past row, the supine and the
// two imperatives. Built against a test lexicon to check the row reading.
#include <iostream>
#include <string>

#include "isl.hpp"

namespace {
std::string row(const velnor::isl::Six& six) {
    std::string out;
    for (std::size_t i = 0; i < six.size(); ++i) {
        if (i) out += ',';
        out += six[i];
    }
    return out;
}
}  // namespace

int main() {
    std::string word;
    while (std::getline(std::cin, word)) {
        auto verb = velnor::isl::Verb::from_infinitive(word);
        if (!verb) {
            std::cout << "fail\n";
            continue;
        }
        auto t = velnor::isl::Table::build(*verb);
        std::cout << "[" << verb->prefix << "]\t" << verb->stem << '\t' << (verb->entry ? "entry" : "rules") << '\t'
                  << row(t.present) << '\t' << row(t.past) << '\t' << t.supine << '\t' << *t.imperative[0] << '\t'
                  << *t.imperative[1] << '\n';
    }
}
