// Prints the parsed lexicon row of each "row:LEMMA" argument: the eight
// cells (ipfv perf aor imp_sg imp_pl sub pass caus, "~" for an absent one)
// and the aorist set, or NOROW.
#include <cstdio>
#include <string>
#include <string_view>

#include "hye.hpp"

int main(int argc, char** argv) {
    using namespace velnor::hye;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.substr(0, 4) != "row:") return 2;
        auto e = lexicon::find(arg.substr(4));
        if (!e) {
            std::puts("NOROW");
            continue;
        }
        std::string out;
        for (const auto* c : {&e->ipfv, &e->perf, &e->aor, &e->imp_sg, &e->imp_pl, &e->sub, &e->pass, &e->caus}) {
            out += *c ? std::string(**c) : std::string("~");
            out += '\t';
        }
        out += std::to_string(e->aorset);
        std::puts(out.c_str());
    }
    return 0;
}
