// Drives the Swahili engine from tests/test_swa.py, against whatever lexicon
// text it was built with. Each argument gives one output line:
//
//   verb:WORD              stem, inf, long_stem, short_stem, subj_stem,
//                          imp_sg, imp_pl (an absent value as '~'), mono
//                          flag; "REFUSED" for a refused word
//   form:WORD:T:S:N        Verb::form with tense number T, subject S (1s, 2s,
//                          1p, 2p or a class number) and N = 0 or 1
//   stems:WORD             long stem, subjunctive stem, imperative sg and pl
//   concord:PREFIX:STEM    the concord join
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check.hpp"
#include "swa.hpp"

using namespace velnor::swa;

namespace {

using check::opt;

Subject subject(std::string_view s) {
    if (s == "1s") return Subject::first(false);
    if (s == "2s") return Subject::second(false);
    if (s == "1p") return Subject::first(true);
    if (s == "2p") return Subject::second(true);
    return Subject::of_class(std::stoi(std::string(s)));
}

std::vector<std::string> fields(std::string_view arg) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t colon = arg.find(':', start);
        out.emplace_back(arg.substr(start, colon == std::string_view::npos ? colon : colon - start));
        if (colon == std::string_view::npos) return out;
        start = colon + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        auto f = fields(argv[i]);
        if (f[0] == "concord") {
            std::cout << concord(f[1], f[2]) << '\n';
            continue;
        }
        auto verb = Verb::from_infinitive(f[1]);
        if (!verb) {
            std::cout << "REFUSED\n";
            continue;
        }
        const Verb& v = *verb;
        if (f[0] == "verb") {
            std::cout << v.stem << '\t' << opt(v.inf) << '\t' << opt(v.long_stem_override) << '\t'
                      << opt(v.short_stem_override) << '\t' << opt(v.subj_stem) << '\t' << opt(v.imp_sg) << '\t'
                      << opt(v.imp_pl) << '\t' << int(v.mono) << '\n';
        } else if (f[0] == "form") {
            std::cout << v.form(static_cast<Tense>(std::stoi(f[2])), subject(f[3]), f[4] == "1") << '\n';
        } else if (f[0] == "stems") {
            std::cout << v.long_stem() << '\t' << v.subjunctive_stem() << '\t' << v.imperative(false) << '\t'
                      << v.imperative(true) << '\n';
        }
    }
    return 0;
}
