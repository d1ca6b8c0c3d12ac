// Drives the Turkish harmony helpers, lexicon parse and forms from
// tests/test_tur.py on lexicon texts that the test writes. Each argument is
// "op:text" and gives one output line:
//   two:TEXT / four:TEXT  the harmony vowel of TEXT
//   join:BASE             add_vowel(BASE, ı, "m") and add_vowel_stem(BASE, ı, "m")
//   row:LEMMA             the eight cells of LEMMA's row ("~" for none), or NOROW
//   form:WORD             OK when Verb::form gives the table's every slot, else
//                         the first differing slot; FAIL when not a verb
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "check.hpp"
#include "tur.hpp"
#include "utf8.hpp"

using check::opt;

int main(int argc, char** argv) {
    using namespace velnor::tur;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::size_t colon = arg.find(':');
        std::string_view op = arg.substr(0, colon);
        std::string_view text = arg.substr(colon + 1);
        if (op == "two" || op == "four") {
            std::cout << velnor::utf8::encode(op == "two" ? two(text) : four(text)) << '\n';
        } else if (op == "join") {
            std::cout << add_vowel(text, U'ı', "m") << '\t' << add_vowel_stem(text, U'ı', "m") << '\n';
        } else if (op == "row") {
            auto r = rows::find(text);
            if (!r) {
                std::cout << "NOROW\n";
                continue;
            }
            std::cout << opt(r->aorist) << '\t' << opt(r->progressive) << '\t' << opt(r->future) << '\t'
                      << opt(r->past) << '\t' << opt(r->evidential) << '\t' << opt(r->necessitative) << '\t'
                      << opt(r->imp_sg) << '\t' << opt(r->imp_pl) << '\n';
        } else if (op == "form") {
            auto verb = Verb::from_infinitive(text);
            if (!verb) {
                std::cout << "FAIL\n";
                continue;
            }
            Table t = Table::build(*verb);
            const Row6* rows6[] = {&t.aorist, &t.progressive, &t.future, &t.past, &t.evidential, &t.necessitative};
            std::string verdict = "OK";
            for (int tense = 0; tense < 6 && verdict == "OK"; ++tense)
                for (int slot = 0; slot < 6; ++slot) {
                    auto got = verb->form(static_cast<Tense>(tense), static_cast<Person>(slot % 3),
                                          static_cast<Number>(slot / 3));
                    if (got != (*rows6[tense])[slot]) {
                        verdict = std::to_string(tense) + "/" + std::to_string(slot) + " " + got;
                        break;
                    }
                }
            std::cout << verdict << '\n';
        }
    }
    return 0;
}
