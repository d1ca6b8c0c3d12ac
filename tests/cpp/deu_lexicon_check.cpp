// Drives the German lexicon lookups from tests/test_deu.py.
//
//   deu_lexicon_check builtin   WORD...  the built-in table's lookups
#include <iostream>
#include <string>

#include "deu/lexicon.hpp"
#include "fatal.hpp"
#include "velnor_data.hpp"

using namespace velnor::deu;
using namespace velnor::deu::lexicon;

namespace {

const char* class_name(LexClass c) {
    switch (c) {
        case LexClass::Strong: return "s";
        case LexClass::Mixed: return "m";
        case LexClass::PreteritePresent: return "p";
    }
    return "?";
}

const char* sep_name(prefix::Separability s) {
    switch (s) {
        case prefix::Separability::Separable: return "Separable";
        case prefix::Separability::Inseparable: return "Inseparable";
        case prefix::Separability::Fused: return "Fused";
        default: return "?";
    }
}

std::string opt(const std::optional<std::string_view>& v) { return v ? "=" + std::string(*v) : "-"; }
const char* aux(Auxiliary a) { return a == Auxiliary::Sein ? "s" : "h"; }

void entry(std::string_view inf, const LexEntry& e) {
    std::cout << "E\t" << inf << '\t' << class_name(e.klass) << '\t' << opt(e.pres) << '\t' << e.pret << '\t'
              << e.konj2 << '\t' << e.part2 << '\t' << opt(e.imp) << '\t' << aux(e.aux) << '\n';
}

void dual(std::string_view inf, const DualOverride& d) {
    std::cout << "D\t" << inf << '\t' << d.prefix << '\t' << sep_name(d.separability) << '\t' << (d.weak ? 1 : 0)
              << '\t' << opt(d.part2) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    try {
        if (mode == "builtin") {
            for (int i = 2; i < argc; ++i) {
                std::string_view w = argv[i];
                std::cout << "Q\t" << w << '\n';
                if (auto e = lookup(w)) entry(w, *e);
                if (is_forced_weak(w)) std::cout << "W\t" << w << '\n';
                if (auto d = dual_override(w)) dual(w, *d);
                if (auto a = aux_override(w)) std::cout << "A\t" << w << '\t' << aux(*a) << '\n';
                if (auto m = weak_imp_override(w)) std::cout << "I\t" << w << '\t' << *m << '\n';
            }
        } else {
            std::cerr << "usage: deu_lexicon_check builtin WORD...\n";
            return 2;
        }
    } catch (const velnor::FatalError& e) {
        std::cout << "FATAL\t" << e.what() << '\n';
        return 3;
    }
    return 0;
}
