// Drives the Czech engine from tests/test_ces.py, against whatever lexicon
// texts it was built with.
//
//   ces_check WORD...   for each word one line of tab-separated fields:
//                       lemma, class, aspect, partner, present, imperative,
//                       l-participle, passive, transgressive (lists joined
//                       by ',', an absent value as '~'); a refused word
//                       gives "REFUSED".
#include <iostream>
#include <optional>
#include <string>

#include "ces.hpp"

using namespace velnor::ces;

namespace {

std::string opt(const std::optional<std::string>& v) { return v ? *v : "~"; }

template <class List>
std::string join(const List& list) {
    std::string out;
    for (const auto& item : list) {
        if (!out.empty()) out += ',';
        if constexpr (std::is_same_v<std::decay_t<decltype(item)>, std::string>) {
            out += item;
        } else {
            out += opt(item);
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        auto verb = Verb::from_infinitive(argv[i]);
        if (!verb) {
            std::cout << "REFUSED\n";
            continue;
        }
        Table t = Table::build(*verb);
        std::cout << t.infinitive << '\t' << class_code(verb->cls) << '\t' << opt(t.aspect) << '\t'
                  << opt(t.aspect_partner) << '\t' << join(t.present) << '\t' << join(t.imperative) << '\t'
                  << join(t.past_participle) << '\t'
                  << (t.passive_participle ? join(*t.passive_participle) : std::string("~")) << '\t'
                  << join(t.transgressive) << '\n';
    }
    return 0;
}
