// Language codes accepted by conjugate(..., lang=...).
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace velnor {

enum class Lang : std::uint8_t {
    Deu, Cat, Ces, Dan, Eng, Est, Fin, Fra, Slv, Spa, Por, Gle, Hye, Isl, Ita, Kor, Rus,
    Nld, Ron, Swe, Ukr, Jpn, Tur, Hin, Swa, Tam, Tel, Tgl, Pes, Kan, Guj, Urd, Ben, Mar,
};

inline constexpr int LANG_COUNT = 34;

// Maps a code or name to a language after folding ASCII A-Z to lower case;
// no trimming, no subtags. Empty, too short (< 2 bytes), too long (> 15
// bytes) and unknown codes give no language.
std::optional<Lang> lang_from_code(std::string_view code) noexcept;

// English name of a language ("German").
const char* lang_name(Lang lang) noexcept;

}  // namespace velnor
