// Read-only lexicon tables made when the module is built: for every lexicon
// text, its rows sorted by their first cell (byte order; rows with the same
// first cell keep their text order), as offsets into the text. A lookup is a
// binary search over constant data: nothing is built at run time and nothing
// is copied to the heap.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velnor::lex {

// One row: where its line starts in the text, the byte length of its first
// cell and of the whole line (carriage return excluded).
struct Entry {
    std::uint32_t at;
    std::uint32_t key;
    std::uint32_t size;
};

class Table {
public:
    constexpr Table(std::string_view text, const Entry* entries, std::size_t count, std::size_t longest) noexcept
        : text_(text), entries_(entries), count_(count), longest_(longest) {}

    // The rows whose first cell is `key`, in text order.
    class Range {
    public:
        Range(const Table* t, const Entry* b, const Entry* e) noexcept : table_(t), begin_(b), end_(e) {}
        class iterator {
        public:
            iterator(const Table* t, const Entry* e) noexcept : table_(t), e_(e) {}
            std::string_view operator*() const noexcept { return table_->line(*e_); }
            iterator& operator++() noexcept { ++e_; return *this; }
            bool operator!=(const iterator& o) const noexcept { return e_ != o.e_; }
            bool operator==(const iterator& o) const noexcept { return e_ == o.e_; }
        private:
            const Table* table_;
            const Entry* e_;
        };
        iterator begin() const noexcept { return {table_, begin_}; }
        iterator end() const noexcept { return {table_, end_}; }
        bool empty() const noexcept { return begin_ == end_; }
        std::size_t size() const noexcept { return static_cast<std::size_t>(end_ - begin_); }
        std::string_view front() const noexcept { return table_->line(*begin_); }
        std::string_view back() const noexcept { return table_->line(end_[-1]); }
    private:
        const Table* table_;
        const Entry* begin_;
        const Entry* end_;
    };

    Range rows(std::string_view key) const noexcept {
        const Entry* b = entries_;
        const Entry* e = entries_ + count_;
        auto lo = std::lower_bound(b, e, key, [this](const Entry& x, std::string_view k) { return this->key(x) < k; });
        auto hi = std::upper_bound(lo, e, key, [this](std::string_view k, const Entry& x) { return k < this->key(x); });
        return {this, lo, hi};
    }

    // The first (or last) row in text order whose first cell is `key`.
    std::optional<std::string_view> first(std::string_view key) const noexcept {
        Range r = rows(key);
        if (r.empty()) return std::nullopt;
        return r.front();
    }
    std::optional<std::string_view> last(std::string_view key) const noexcept {
        Range r = rows(key);
        if (r.empty()) return std::nullopt;
        return r.back();
    }

    std::size_t size() const noexcept { return count_; }
    // Bytes of the longest first cell.
    std::size_t longest() const noexcept { return longest_; }
    std::string_view text() const noexcept { return text_; }

private:
    std::string_view key(const Entry& x) const noexcept { return text_.substr(x.at, x.key); }
    std::string_view line(const Entry& x) const noexcept { return text_.substr(x.at, x.size); }

    std::string_view text_;
    const Entry* entries_;
    std::size_t count_;
    std::size_t longest_;
};

// Where the longest lemma that ends a word begins in it, and its row.
struct SuffixMatch {
    std::string_view line;
    std::size_t at;
};

// The row of the longest lemma that ends `word` (the whole word included).
// For the whole word the lemma's first row in text order is taken; for a
// proper ending, its first row for which `open(line)` holds (rows that
// match only the whole word fail it). Endings are tried from the longest
// down, so the first hit wins.
template <class Open>
std::optional<SuffixMatch> longest_suffix(const Table& table, std::string_view word, Open open) {
    std::size_t from = word.size() > table.longest() ? word.size() - table.longest() : 0;
    for (std::size_t at = from; at <= word.size(); ++at) {
        if (at < word.size() && (static_cast<unsigned char>(word[at]) & 0xC0) == 0x80) continue;
        for (std::string_view line : table.rows(word.substr(at)))
            if (at == 0 || open(line)) return SuffixMatch{line, at};
    }
    return std::nullopt;
}

}  // namespace velnor::lex
