// Read-only lexicon tables made when the module is built: for every lexicon
// text, its rows sorted by their first cell (byte order; rows with the same
// first cell keep their text order), as offsets into the text, and beside
// them every `kBlock`-th first cell copied into one small block of keys. A
// lookup searches those keys first and then one block of rows, so that a
// cold lookup touches a few pages however large the lexicon: nothing is
// built at run time and nothing is copied to the heap.
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

// A copied first cell: where it stands in the block of keys, and its length.
struct Sample {
    std::uint32_t at;
    std::uint32_t size;
};

inline constexpr std::size_t kBlock = 32;

class Table {
public:
    // `samples` holds the first cell of rows 0, kBlock, 2 kBlock, ... (as
    // many as there are such rows), their bytes in `keys`.
    constexpr Table(std::string_view text, const Entry* entries, std::size_t count, std::size_t longest,
                    const char* keys, const Sample* samples) noexcept
        : text_(text), entries_(entries), count_(count), longest_(longest), keys_(keys), samples_(samples) {}

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
        // Samples before `i` are below the key, so the first row not below it
        // lies after the block of sample i - 1 starts and at or before row
        // i kBlock.
        std::size_t n = (count_ + kBlock - 1) / kBlock;
        const Sample* s = std::lower_bound(samples_, samples_ + n, key, [this](const Sample& x, std::string_view k) {
            return std::string_view(keys_ + x.at, x.size) < k;
        });
        std::size_t i = static_cast<std::size_t>(s - samples_);
        const Entry* b = entries_ + (i == 0 ? 0 : (i - 1) * kBlock);
        const Entry* e = entries_ + std::min(count_, i * kBlock + 1);
        auto lo = std::lower_bound(b, e, key, [this](const Entry& x, std::string_view k) { return this->key(x) < k; });
        const Entry* hi = lo;
        while (hi != entries_ + count_ && this->key(*hi) == key) ++hi;
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
    const char* keys_;
    const Sample* samples_;
};

// What `read(line)` gives (an optional) for the last row of `key`, in text
// order, for which it gives anything: a later row replaces an earlier one,
// and a row that the reader rejects is passed over.
template <class Read>
auto last_read(const Table& table, std::string_view key, Read read) -> decltype(read(std::string_view{})) {
    decltype(read(std::string_view{})) out;
    for (std::string_view line : table.rows(key))
        if (auto v = read(line)) out = std::move(v);
    return out;
}

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
