#include "lang.hpp"

#include <array>
#include <cstring>

namespace velnor {

namespace {

struct Code {
    std::string_view text;
    Lang lang;
};

// Every accepted code and name, in lower case.
constexpr Code CODES[] = {
    {"de", Lang::Deu}, {"deu", Lang::Deu}, {"ger", Lang::Deu}, {"german", Lang::Deu},
    {"ca", Lang::Cat}, {"cat", Lang::Cat}, {"catalan", Lang::Cat}, {"català", Lang::Cat},
    {"cs", Lang::Ces}, {"ces", Lang::Ces}, {"cze", Lang::Ces}, {"czech", Lang::Ces},
    {"da", Lang::Dan}, {"dan", Lang::Dan}, {"danish", Lang::Dan},
    {"en", Lang::Eng}, {"eng", Lang::Eng}, {"english", Lang::Eng},
    {"et", Lang::Est}, {"est", Lang::Est}, {"estonian", Lang::Est},
    {"fi", Lang::Fin}, {"fin", Lang::Fin}, {"finnish", Lang::Fin},
    {"fr", Lang::Fra}, {"fra", Lang::Fra}, {"fre", Lang::Fra}, {"french", Lang::Fra},
    {"sl", Lang::Slv}, {"slv", Lang::Slv}, {"slovene", Lang::Slv}, {"slovenian", Lang::Slv},
    {"es", Lang::Spa}, {"spa", Lang::Spa}, {"spanish", Lang::Spa},
    {"pt", Lang::Por}, {"por", Lang::Por}, {"portuguese", Lang::Por},
    {"ga", Lang::Gle}, {"gle", Lang::Gle}, {"irish", Lang::Gle},
    {"hy", Lang::Hye}, {"hye", Lang::Hye}, {"arm", Lang::Hye}, {"armenian", Lang::Hye},
    {"is", Lang::Isl}, {"isl", Lang::Isl}, {"ice", Lang::Isl}, {"icelandic", Lang::Isl},
    {"it", Lang::Ita}, {"ita", Lang::Ita}, {"italian", Lang::Ita},
    {"ko", Lang::Kor}, {"kor", Lang::Kor}, {"korean", Lang::Kor},
    {"ru", Lang::Rus}, {"rus", Lang::Rus}, {"russian", Lang::Rus},
    {"nl", Lang::Nld}, {"nld", Lang::Nld}, {"dutch", Lang::Nld},
    {"ro", Lang::Ron}, {"ron", Lang::Ron}, {"rum", Lang::Ron}, {"romanian", Lang::Ron},
    {"sv", Lang::Swe}, {"swe", Lang::Swe}, {"swedish", Lang::Swe},
    {"uk", Lang::Ukr}, {"ukr", Lang::Ukr}, {"ukrainian", Lang::Ukr},
    {"ja", Lang::Jpn}, {"jpn", Lang::Jpn}, {"japanese", Lang::Jpn},
    {"tr", Lang::Tur}, {"tur", Lang::Tur}, {"turkish", Lang::Tur}, {"türkçe", Lang::Tur},
    {"hi", Lang::Hin}, {"hin", Lang::Hin}, {"hindi", Lang::Hin},
    {"sw", Lang::Swa}, {"swa", Lang::Swa}, {"swahili", Lang::Swa}, {"kiswahili", Lang::Swa},
    {"ta", Lang::Tam}, {"tam", Lang::Tam}, {"tamil", Lang::Tam},
    {"te", Lang::Tel}, {"tel", Lang::Tel}, {"telugu", Lang::Tel},
    {"tl", Lang::Tgl}, {"tgl", Lang::Tgl}, {"tagalog", Lang::Tgl}, {"filipino", Lang::Tgl},
    {"fa", Lang::Pes}, {"pes", Lang::Pes}, {"per", Lang::Pes}, {"fas", Lang::Pes},
    {"persian", Lang::Pes}, {"farsi", Lang::Pes},
    {"kn", Lang::Kan}, {"kan", Lang::Kan}, {"kannada", Lang::Kan},
    {"gu", Lang::Guj}, {"guj", Lang::Guj}, {"gujarati", Lang::Guj}, {"gujrati", Lang::Guj},
    {"ur", Lang::Urd}, {"urd", Lang::Urd}, {"urdu", Lang::Urd},
    {"bn", Lang::Ben}, {"ben", Lang::Ben}, {"bengali", Lang::Ben}, {"bangla", Lang::Ben},
    {"mr", Lang::Mar}, {"mar", Lang::Mar}, {"marathi", Lang::Mar}, {"मराठी", Lang::Mar},
};
static_assert(std::size(CODES) == 119);

constexpr std::size_t MAX_CODE = 15;

constexpr const char* NAMES[LANG_COUNT] = {
    "German",  "Catalan", "Czech",   "Danish",  "English",  "Estonian", "Finnish", "French",   "Slovenian",
    "Spanish", "Portuguese", "Irish", "Eastern Armenian", "Icelandic", "Italian", "Korean", "Russian", "Dutch",
    "Romanian", "Swedish", "Ukrainian", "Japanese", "Turkish", "Hindi", "Swahili", "Tamil", "Telugu", "Tagalog",
    "Persian", "Kannada", "Gujarati", "Urdu", "Bengali", "Marathi",
};

}  // namespace

std::optional<Lang> lang_from_code(std::string_view code) noexcept {
    if (code.size() < 2 || code.size() > MAX_CODE) return std::nullopt;
    char folded[MAX_CODE];
    for (std::size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        folded[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    std::string_view key(folded, code.size());
    for (const Code& c : CODES) {
        if (c.text == key) return c.lang;
    }
    return std::nullopt;
}

const char* lang_name(Lang lang) noexcept { return NAMES[static_cast<int>(lang)]; }

}  // namespace velnor
