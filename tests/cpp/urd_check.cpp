// Drives the Urdu analysis, the lexicon parse and the Perso-Arabic
// normalisation from tests/test_urd.py on a lexicon text that the test
// writes. Each argument is "op:text" and gives one output line:
//   verb:TEXT   prefix, infinitive, stem, vowel_final (0/1), and the three
//               lexicon groups ("~" absent, NOROW without a row), tab-separated,
//               forms of a group joined by commas; FAIL when not an infinitive
//   norm<bits>:TEXT  normalize_with, the four switches given as 0/1 digits
//               (e.g. norm1010:TEXT), the result in hex code points
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "check.hpp"
#include "perso_arabic.hpp"
#include "urd.hpp"
#include "utf8.hpp"

using check::group;

int main(int argc, char** argv) {
    using namespace velnor::urd;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::size_t colon = arg.find(':');
        std::string_view op = arg.substr(0, colon);
        std::string_view text = arg.substr(colon + 1);
        if (op.substr(0, 4) == "norm") {
            auto on = [&](int k) { return op[4 + k] == '1'; };
            std::string n = velnor::perso_arabic::normalize_with(text, on(0), on(1), on(2), on(3));
            bool first = true;
            for (char32_t c : velnor::utf8::chars(n)) {
                char buf[16];
                std::snprintf(buf, sizeof buf, "%s%X", first ? "" : " ", static_cast<unsigned>(c));
                std::cout << buf;
                first = false;
            }
            std::cout << '\n';
            continue;
        }
        auto verb = Verb::from_infinitive(text);
        if (!verb) {
            std::cout << "FAIL\n";
            continue;
        }
        const Verb& v = *verb;
        std::cout << '[' << v.prefix << "]\t" << v.infinitive << '\t' << v.stem << '\t' << v.vowel_final;
        if (!v.lex) {
            std::cout << "\tNOROW\n";
        } else {
            std::cout << '\t' << group(v.lex->pfv) << '\t' << group(v.lex->subj) << '\t' << group(v.lex->imp)
                      << '\n';
        }
    }
}
