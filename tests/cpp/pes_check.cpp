// Prints the analysis and the negative forms of Persian verbs, for
// tests/test_pes.py. "verb:TEXT" prints prefix, past stem, present stem,
// imperative override (or ~) and the light flag; "neg:TEXT" prints the
// negative 1sg and 3sg of the eleven tenses; "bad" is printed on failure.
#include <cstdio>
#include <string>

#include "pes.hpp"

using namespace velnor::pes;

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool neg = arg.rfind("neg:", 0) == 0;
        std::string text = arg.substr(arg.find(':') + 1);
        auto v = Verb::from_infinitive(text);
        if (!v) {
            std::puts("bad");
            continue;
        }
        std::string out;
        if (neg) {
            for (int t = 0; t < 11; ++t) {
                out += v->form(t, Person::First, Number::Singular, true) + "\t";
                out += v->form(t, Person::Third, Number::Singular, true) + (t < 10 ? "\t" : "");
            }
        } else {
            out = "[" + v->prefix + "]\t" + v->past_stem + "\t" + v->present_stem + "\t" +
                  (v->imperative_override ? *v->imperative_override : "~") + "\t" + (v->light ? "1" : "0");
        }
        std::puts(out.c_str());
    }
}
