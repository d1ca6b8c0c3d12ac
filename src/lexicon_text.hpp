// Scanning of the built-in lexicon texts: rows are lines ending at LF (a CR
// before the LF is dropped); empty lines and lines whose first byte is '#'
// are skipped; cells are separated by single tabs.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "fatal.hpp"

namespace velnor::lex {

// A cell that says the verb has no such form (U+2014 EM DASH), as against
// "-", which leaves the form to the rules.
inline constexpr std::string_view kNoForm = "\u2014";

// The cells of one line. `count` is the true number of cells in the line;
// only the first N are stored.
template <std::size_t N>
struct Cells {
    std::array<std::string_view, N> cell{};
    std::size_t count = 0;
    std::string_view operator[](std::size_t i) const noexcept { return i < N && i < count ? cell[i] : std::string_view{}; }
    // Cell i, or "-" (no value) where the line is shorter.
    std::string_view or_dash(std::size_t i) const noexcept { return i < count ? (*this)[i] : std::string_view("-"); }
};

template <std::size_t N>
Cells<N> split(std::string_view line) noexcept {
    Cells<N> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        std::string_view c = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (out.count < N) out.cell[out.count] = c;
        ++out.count;
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return out;
}

// A cell as the lexicon gives it: none for "-"; anything else, the empty
// cell included, is the form itself.
inline std::optional<std::string_view> unless_dash(std::string_view cell) noexcept {
    if (cell == "-") return std::nullopt;
    return cell;
}

// A cell holding at most one form: none for "-" or an empty cell.
inline std::optional<std::string_view> optional_cell(std::string_view cell) noexcept {
    if (cell.empty() || cell == "-") return std::nullopt;
    return cell;
}

// Cells 1 to N of a line as owned forms; none where a cell is "-", empty or
// missing.
template <std::size_t N>
std::array<std::optional<std::string>, N> optional_cells(std::string_view line) {
    auto c = split<N + 1>(line);
    std::array<std::optional<std::string>, N> out;
    for (std::size_t i = 0; i < N; ++i)
        if (auto v = optional_cell(c[i + 1])) out[i] = std::string(*v);
    return out;
}

// A cell holding a comma-separated group of exactly N forms; none for "-"
// or any other number of forms.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> forms(std::string_view cell) noexcept {
    if (cell == "-") return std::nullopt;
    std::array<std::string_view, N> out{};
    std::size_t count = 0, start = 0;
    for (;;) {
        std::size_t comma = cell.find(',', start);
        std::string_view part = cell.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (count < N) out[count] = part;
        ++count;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (count != N) return std::nullopt;
    return out;
}

// The same group as owned strings.
template <std::size_t N>
std::optional<std::array<std::string, N>> owned_forms(std::string_view cell) {
    auto views = forms<N>(cell);
    if (!views) return std::nullopt;
    std::array<std::string, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = std::string((*views)[i]);
    return out;
}

// A cell that must hold a group of exactly N forms (the build-time data check
// makes sure); anything else is an internal error.
template <std::size_t N>
std::array<std::string_view, N> required_forms(std::string_view cell) {
    auto views = forms<N>(cell);
    if (!views) fatal("a lexicon cell without its " + std::to_string(N) + " comma-separated forms");
    return *views;
}

// The cell at `index` (0-based) of a line, without splitting the rest.
std::string_view cell_at(std::string_view line, std::size_t index) noexcept;

// What `read(line)` gives for the first row of a lexicon text, in text
// order, for which it gives anything (a search by a cell other than the
// first; the texts so searched are small).
template <class Read>
auto first_read(std::string_view text, Read read) -> decltype(read(std::string_view{})) {
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        if (auto found = read(line)) return found;
    }
    return {};
}

}  // namespace velnor::lex
