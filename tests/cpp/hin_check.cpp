// Drives the Hindi analysis and lexicon parse from tests/test_hin.py on a
// lexicon text that the test writes. Each argument is "op:text" and gives
// one output line:
//   verb:TEXT   prefix, infinitive, stem, vowel_final (0/1), and the three
//               lexicon groups ("~" absent, NOROW without a row), tab-separated,
//               forms of a group joined by commas; FAIL when not an infinitive
//   table:TEXT  every form of the table, tab-separated
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "check.hpp"
#include "hin.hpp"

using check::group;

int main(int argc, char** argv) {
    using namespace velnor::hin;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::size_t colon = arg.find(':');
        std::string_view op = arg.substr(0, colon);
        std::string_view text = arg.substr(colon + 1);
        auto verb = Verb::from_infinitive(text);
        if (!verb) {
            std::cout << "FAIL\n";
            continue;
        }
        const Verb& v = *verb;
        if (op == "verb") {
            std::cout << '[' << v.prefix << "]\t" << v.infinitive << '\t' << v.stem << '\t' << v.vowel_final;
            if (!v.lex) {
                std::cout << "\tNOROW\n";
            } else {
                std::cout << '\t' << group(v.lex->pfv) << '\t' << group(v.lex->subj) << '\t' << group(v.lex->imp)
                          << '\n';
            }
        } else {
            Table t = Table::build(v);
            std::cout << t.infinitive << '\t' << t.oblique_infinitive;
            if (t.imperative)
                for (const auto& f : *t.imperative) std::cout << '\t' << f;
            else
                std::cout << "\t~\t~\t~";
            for (const auto* row : {&t.imperfective, &t.perfective})
                for (const auto& f : *row) std::cout << '\t' << f;
            for (const auto* row : {&t.subjunctive, &t.future_masculine, &t.future_feminine})
                for (const auto& f : *row) std::cout << '\t' << f;
            std::cout << '\n';
        }
    }
}
