#include "lexicon.hpp"

#include <string>

#include "../fatal.hpp"
#include "../lexicon_text.hpp"
#include "velnor_data.hpp"

namespace velnor::deu::lexicon {

namespace {

constexpr auto opt = lex::unless_dash;

[[noreturn]] void bad_line(const char* what, std::string_view line) {
    fatal(std::string(what) + std::string(line));
}

}  // namespace

Lexicon parse(std::string_view text) {
    using prefix::Separability;
    Lexicon lex;
    for (std::string_view line : velnor::lex::Lines(text)) {
        auto c = velnor::lex::split<8>(line);
        if (c.count != 8) {
            fatal("malformed lexicon line: " + std::string(line) + " (" + std::to_string(c.count) +
                  " cells, expected 8)");
        }
        std::string_view infinitive = c[0];
        std::string_view klass = c[1];
        if (klass == "s" || klass == "m" || klass == "p") {
            std::string_view aux = c[7];
            if (aux != "h" && aux != "s") {
                fatal("unknown auxiliary " + std::string(aux) + " in lexicon line: " + std::string(line));
            }
            LexEntry e{klass == "s"   ? LexClass::Strong
                       : klass == "m" ? LexClass::Mixed
                                      : LexClass::PreteritePresent,
                       opt(c[2]),
                       c[3],
                       c[4],
                       c[5],
                       opt(c[6]),
                       aux == "s" ? Auxiliary::Sein : Auxiliary::Haben};
            lex.entries.insert_or_assign(infinitive, e);
        } else if (klass == "w") {
            lex.forced_weak.insert(infinitive);
            if (c[6] != "-") lex.weak_imp_overrides.insert_or_assign(infinitive, c[6]);
        } else if (klass == "a") {
            lex.aux_overrides.insert_or_assign(infinitive, c[7] == "s" ? Auxiliary::Sein : Auxiliary::Haben);
        } else if (klass == "x" || klass == "xw" || klass == "i" || klass == "iw" || klass == "f") {
            std::string_view pre = c[2] == "-" ? std::string_view{} : c[2];
            Separability sep = klass[0] == 'x'   ? Separability::Separable
                               : klass[0] == 'i' ? Separability::Inseparable
                                                 : Separability::Fused;
            bool weak = klass.back() == 'w';
            // Without a prefix only the weak classes make sense: the rest
            // would be the whole word and the analysis would come back here.
            if (pre.empty() && !weak) bad_line("dual override without prefix: ", line);
            if (infinitive.substr(0, pre.size()) != pre) bad_line("dual override prefix mismatch: ", line);
            lex.dual_overrides.insert_or_assign(infinitive, DualOverride{pre, sep, weak, opt(c[5])});
        } else {
            fatal("unknown class " + std::string(klass) + " in lexicon line: " + std::string(line));
        }
    }
    return lex;
}

// The built-in text is checked when the module is built (the rules of
// `parse` above), so its rows are read here without further checks. For an
// infinitive, each kind of row keeps the last row of that kind.
namespace {

bool is_entry(std::string_view k) { return k == "s" || k == "m" || k == "p"; }
bool is_dual(std::string_view k) { return k == "x" || k == "xw" || k == "i" || k == "iw" || k == "f"; }

template <class Want>
std::optional<velnor::lex::Cells<8>> last_row(std::string_view infinitive, Want want) {
    return velnor::lex::last_read(velnor::data::table::deu, infinitive,
                                  [&](std::string_view line) -> std::optional<velnor::lex::Cells<8>> {
                                      auto c = velnor::lex::split<8>(line);
                                      if (!want(c)) return std::nullopt;
                                      return c;
                                  });
}

}  // namespace

std::optional<LexEntry> lookup(std::string_view infinitive) {
    auto c = last_row(infinitive, [](const auto& c) { return is_entry(c[1]); });
    if (!c) return std::nullopt;
    std::string_view klass = (*c)[1];
    return LexEntry{klass == "s"   ? LexClass::Strong
                    : klass == "m" ? LexClass::Mixed
                                   : LexClass::PreteritePresent,
                    opt((*c)[2]), (*c)[3], (*c)[4], (*c)[5], opt((*c)[6]),
                    (*c)[7] == "s" ? Auxiliary::Sein : Auxiliary::Haben};
}

bool is_forced_weak(std::string_view infinitive) {
    return last_row(infinitive, [](const auto& c) { return c[1] == "w"; }).has_value();
}

std::optional<DualOverride> dual_override(std::string_view infinitive) {
    auto c = last_row(infinitive, [](const auto& c) { return is_dual(c[1]); });
    if (!c) return std::nullopt;
    std::string_view klass = (*c)[1];
    using prefix::Separability;
    Separability sep = klass[0] == 'x'   ? Separability::Separable
                       : klass[0] == 'i' ? Separability::Inseparable
                                         : Separability::Fused;
    return DualOverride{(*c)[2] == "-" ? std::string_view{} : (*c)[2], sep, klass.back() == 'w', opt((*c)[5])};
}

std::optional<Auxiliary> aux_override(std::string_view infinitive) {
    auto c = last_row(infinitive, [](const auto& c) { return c[1] == "a"; });
    if (!c) return std::nullopt;
    return (*c)[7] == "s" ? Auxiliary::Sein : Auxiliary::Haben;
}

std::optional<std::string_view> weak_imp_override(std::string_view infinitive) {
    auto c = last_row(infinitive, [](const auto& c) { return c[1] == "w" && c[6] != "-"; });
    if (!c) return std::nullopt;
    return (*c)[6];
}

}  // namespace velnor::deu::lexicon
