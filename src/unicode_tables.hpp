// Layout of the generated Unicode tables (src/unicode_tables.cpp).
#pragma once
#include <cstddef>
#include <cstdint>

namespace velnor::unicode::tables {

struct CategoryRun {
    char32_t start;     // first code point of the run
    std::uint8_t category;  // index into velnor::unicode::Category
};

struct Range {
    char32_t first;
    char32_t last;  // inclusive
};

// A run of code points that belong to the same scripts: bits in the order of
// velnor::unicode::Script.
struct ScriptRange {
    char32_t first;
    char32_t last;  // inclusive
    std::uint16_t scripts;
};

struct CaseMapping {
    char32_t cp;
    char32_t to[3];  // unused trailing entries are 0
};

extern const char* const VERSION;
extern const CategoryRun CATEGORY_RUNS[];
extern const std::size_t CATEGORY_RUN_COUNT;
extern const Range GRAPHEME_EXTEND[];
extern const std::size_t GRAPHEME_EXTEND_COUNT;
extern const Range WHITE_SPACE[];
extern const std::size_t WHITE_SPACE_COUNT;
extern const Range ALPHABETIC[];
extern const std::size_t ALPHABETIC_COUNT;
extern const Range UPPERCASE[];
extern const std::size_t UPPERCASE_COUNT;
extern const Range LOWERCASE[];
extern const std::size_t LOWERCASE_COUNT;
extern const ScriptRange SCRIPT_RANGES[];
extern const std::size_t SCRIPT_RANGE_COUNT;
extern const CaseMapping LOWER[];
extern const std::size_t LOWER_COUNT;
extern const CaseMapping UPPER[];
extern const std::size_t UPPER_COUNT;

}  // namespace velnor::unicode::tables
