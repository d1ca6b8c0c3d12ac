// Checks the Gujarati engine below the Python layer. Each argument is a
// request; each prints one tab-separated line:
//   one:CELL / five:CELL / four:CELL  the parsed cell, "~" for none
//   verb:TEXT   [head], infinitive, stem, V or C (vowel-final), then the
//               row's fields or NOROW; FAIL on failure
#include <cstdio>
#include <string>
#include <string_view>

#include "check.hpp"
#include "guj.hpp"

using namespace velnor::guj;

namespace {
using check::opt;

template <class A>
std::string list(const std::optional<A>& a) { return check::group(a); }
void line(const std::string& s) { std::printf("%s\n", s.c_str()); }
}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        std::string_view cmd = a.substr(0, a.find(':'));
        std::string_view arg = a.substr(a.find(':') + 1);
        if (cmd == "one") {
            line(opt(one(arg)));
        } else if (cmd == "five") {
            line(list(five(arg)));
        } else if (cmd == "four") {
            line(list(four(arg)));
        } else {
            auto v = Verb::from_infinitive(arg);
            if (!v) { line("FAIL"); continue; }
            std::string s = "[" + v->head + "]\t" + v->infinitive + "\t" + v->stem + "\t" + (v->vowel_final ? "V" : "C");
            if (!v->lex) s += "\tNOROW";
            else {
                const LexEntry& e = *v->lex;
                for (auto f : {list(e.present), list(e.future), list(e.perfective), list(e.imperative), opt(e.conjunctive)})
                    s += "\t" + f;
            }
            line(s);
        }
    }
}
