// Drives the Romanian stem helpers, lexicon parsers and past-tense rules from
// tests/test_ron.py. Each argument is "op:text" and gives one output line:
//   pal:STEM   palatalize(STEM)
//   diph:STEM  diphthongize(STEM)
//   red:FORM   Verb::reduce(FORM)
//   class:LEMMA  the class-list code of LEMMA, or NONE
//   row:LEMMA    the twelve override cells of LEMMA ("~" for none), or NOROW
//   conj:WORD    participle, gerund, then the simple perfect and pluperfect
//                rows of WORD, tab-separated, or FAIL
#include <array>
#include <iostream>
#include <string>
#include <string_view>

#include "check.hpp"
#include "ron.hpp"

namespace {

constexpr std::array<const char*, 8> CODES = {"a-ez", "a-bare", "ea", "e", "i-esc", "i-bare", "ih-asc", "ih-bare"};
using check::opt;

}  // namespace

int main(int argc, char** argv) {
    using namespace velnor::ron;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::size_t colon = arg.find(':');
        std::string_view op = arg.substr(0, colon);
        std::string_view text = colon == std::string_view::npos ? std::string_view{} : arg.substr(colon + 1);
        if (op == "pal") {
            std::cout << palatalize(text);
        } else if (op == "diph") {
            std::cout << diphthongize(text);
        } else if (op == "red") {
            std::cout << Verb::reduce(text);
        } else if (op == "class") {
            auto c = listed_class(text);
            std::cout << (!c ? "NONE" : CODES[static_cast<std::size_t>(*c)]);
        } else if (op == "row") {
            auto row = find_row(text);
            if (!row) {
                std::cout << "NOROW";
            } else {
                const Row& r = *row;
                for (const auto& c : r.present) std::cout << opt(c) << '\t';
                std::cout << opt(r.sbjv3) << '\t' << opt(r.imp2sg) << '\t' << opt(r.ptcp) << '\t'
                          << opt(r.ger) << '\t' << opt(r.ipfv1sg) << '\t' << opt(r.pfv3sg);
            }
        } else if (op == "conj") {
            auto verb = Verb::from_infinitive(text);
            if (!verb) {
                std::cout << "FAIL";
            } else {
                Table t = Table::build(*verb);
                std::cout << t.participle << '\t' << t.gerund;
                for (const auto& f : t.simple_perfect) std::cout << '\t' << f;
                for (const auto& f : t.pluperfect) std::cout << '\t' << f;
            }
        }
        std::cout << '\n';
    }
    return 0;
}
