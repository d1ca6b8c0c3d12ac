#include "lexicon_text.hpp"

namespace velnor::lex {

std::string_view cell_at(std::string_view line, std::size_t index) noexcept {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) return {};
        start = tab + 1;
    }
    std::size_t tab = line.find('\t', start);
    return line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
}

}  // namespace velnor::lex
