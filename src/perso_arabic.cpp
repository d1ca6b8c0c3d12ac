#include "perso_arabic.hpp"

#include "utf8.hpp"

namespace velnor::perso_arabic {

std::string normalize_with(std::string_view text, bool strip_bidi_marks, bool strip_joiners,
                           bool strip_diacritics, bool fold_letters) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        // ASCII passes through untouched: nothing below U+0080 is dropped or folded.
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            out.push_back(text[pos++]);
            continue;
        }
        utf8::Decoded d = utf8::decode(text, pos);
        std::string_view bytes = text.substr(pos, d.len);
        pos += d.len;
        char32_t c = d.cp;
        if (strip_bidi_marks && (c == 0x061C || c == 0x200E || c == 0x200F)) continue;
        if (strip_joiners && (c == 0x200C || c == 0x200D)) continue;
        if (strip_diacritics && ((c >= 0x064B && c <= 0x0652) || c == 0x0640 || c == 0x0658 || c == 0x0670)) continue;
        if (fold_letters) {
            switch (c) {
                case 0x0623: case 0x0625: case 0x0671: out.append("\u0627"); continue;
                case 0x0629: out.append("\u0647"); continue;
                case 0x0643: out.append("\u06A9"); continue;
                case 0x0649: case 0x064A: out.append("\u06CC"); continue;
                default: break;
            }
        }
        // The original bytes, so that a kept character is never re-encoded; a
        // malformed byte becomes U+FFFD, so the result is always valid UTF-8.
        if (c == 0xFFFD) out.append("\uFFFD");
        else out.append(bytes);
    }
    return out;
}

std::string normalize(std::string_view text) { return normalize_with(text, true, true, true, true); }

}  // namespace velnor::perso_arabic
