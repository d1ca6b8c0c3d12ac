// Checks the Marathi engine below the Python layer. Each argument is a
// request; each prints one tab-separated line:
//   join:BASE|SUFFIX  the joined text
//   one:CELL / five:CELL  the parsed cell, "~" for none
//   verb:TEXT         [head], infinitive, stem, then the row's fields or NOROW; FAIL on failure
//   table:TEXT        every form of the table in field order
#include <cstdio>
#include <string>
#include <string_view>

#include "check.hpp"
#include "mar.hpp"

using namespace velnor::mar;

namespace {
using check::opt;

template <class A>
std::string list(const std::optional<A>& a) { return check::group(a); }
void line(std::string s) { std::printf("%s\n", s.c_str()); }
}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        std::string_view cmd = a.substr(0, a.find(':'));
        std::string_view arg = a.substr(a.find(':') + 1);
        if (cmd == "join") {
            auto bar = arg.find('|');
            line(join(arg.substr(0, bar), arg.substr(bar + 1)));
        } else if (cmd == "one") {
            line(opt(one(arg)));
        } else if (cmd == "five") {
            line(list(five(arg)));
        } else {
            auto v = Verb::from_infinitive(arg);
            if (!v) { line("FAIL"); continue; }
            if (cmd == "verb") {
                std::string s = "[" + v->head + "]\t" + v->infinitive + "\t" + v->stem;
                if (!v->lex) s += "\tNOROW";
                else {
                    const LexEntry& e = *v->lex;
                    for (auto f : {opt(e.present), opt(e.perfective), opt(e.subjunctive), list(e.future),
                                   list(e.imperative), opt(e.completive), opt(e.purposive), opt(e.prospective)})
                        s += "\t" + f;
                }
                line(s);
            } else {
                Table t = Table::build(*v);
                std::string s = t.infinitive + "\t" + t.completive + "\t" + t.purposive + "\t" + t.prospective;
                for (const auto* row : {&t.present_masculine, &t.present_feminine, &t.perfective_masculine,
                                        &t.perfective_feminine, &t.subjunctive, &t.future})
                    for (const auto& f : *row) s += "\t" + f;
                for (const auto& f : t.imperative) s += "\t" + f;
                line(s);
            }
        }
    }
}
