#include "quote.hpp"

#include "unicode.hpp"
#include "utf8.hpp"

namespace velnor {

namespace {

bool printable(char32_t cp) {
    using unicode::Category;
    switch (unicode::category(cp)) {
        case Category::Cc:
        case Category::Cf:
        case Category::Cs:
        case Category::Co:
        case Category::Cn:
        case Category::Zl:
        case Category::Zp:
            return false;
        case Category::Zs:
            return cp == U' ';
        default:
            return true;
    }
}

void append_hex_escape(std::string& out, char32_t cp) {
    static constexpr char HEX[] = "0123456789abcdef";
    out += "\\u{";
    char digits[8];
    int n = 0;
    do {
        digits[n++] = HEX[cp & 0xF];
        cp >>= 4;
    } while (cp != 0);
    while (n > 0) out += digits[--n];
    out += '}';
}

}  // namespace

std::string quote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    std::size_t pos = 0;
    while (pos < text.size()) {
        utf8::Decoded d = utf8::decode(text, pos);
        char32_t cp = d.cp;
        switch (cp) {
            case 0: out += "\\0"; break;
            case U'\t': out += "\\t"; break;
            case U'\n': out += "\\n"; break;
            case U'\r': out += "\\r"; break;
            case U'\\': out += "\\\\"; break;
            case U'"': out += "\\\""; break;
            default:
                if (unicode::is_grapheme_extend(cp) || !printable(cp)) {
                    append_hex_escape(out, cp);
                } else {
                    out.append(text.substr(pos, d.len));
                }
        }
        pos += d.len;
    }
    out += '"';
    return out;
}

}  // namespace velnor
