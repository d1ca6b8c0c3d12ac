#include "lexicon.hpp"

#include <string>

#include "../lexicon_text.hpp"
#include "velnor_data.hpp"

namespace velnor::deu::lexicon {

namespace {

constexpr auto opt = lex::unless_dash;

}  // namespace

// The built-in text is checked when the module is built (tools/check_data.py),
// so its rows are read here without further checks. For an
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
