#include "lexicon_text.hpp"

namespace velnor::lex {

void Lines::iterator::settle() noexcept {
    while (pos_ < text_.size()) {
        std::size_t lf = text_.find('\n', pos_);
        std::size_t end = lf == std::string_view::npos ? text_.size() : lf;
        next_ = lf == std::string_view::npos ? text_.size() : lf + 1;
        std::string_view line = text_.substr(pos_, end - pos_);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() != '#') {
            line_ = line;
            return;
        }
        pos_ = next_;
    }
    pos_ = text_.size();
    line_ = {};
}

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
