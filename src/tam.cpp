#include "tam.hpp"

#include "brahmic.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::tam {

namespace {

constexpr std::string_view VIRAMA = "\u0BCD";
// ி ன ்: the past stems of the -இன் class.
constexpr std::string_view IN_PAST = "\u0BBF\u0BA9\u0BCD";
constexpr std::string_view NA_VIRAMA = "\u0BA9\u0BCD";  // ன்

constexpr std::array<std::string_view, PNG_COUNT> ENDINGS = {
    "ஏன்", "ஓம்", "ஆய்", "ஈர்கள்", "ஆன்", "ஆள்", "ஆர்", "அது", "ஆர்கள்", "அன",
};

// The vowel sign of an independent vowel: "" for அ (inherent vowel), null
// when the character is not an independent vowel.
const char* vowel_sign(char32_t c) {
    switch (c) {
        case 0x0B85: return "";
        case 0x0B86: return "\u0BBE";
        case 0x0B87: return "\u0BBF";
        case 0x0B88: return "\u0BC0";
        case 0x0B89: return "\u0BC1";
        case 0x0B8A: return "\u0BC2";
        case 0x0B8E: return "\u0BC6";
        case 0x0B8F: return "\u0BC7";
        case 0x0B90: return "\u0BC8";
        case 0x0B92: return "\u0BCA";
        case 0x0B93: return "\u0BCB";
        case 0x0B94: return "\u0BCC";
        default: return nullptr;
    }
}

std::string_view cell(const lex::Cells<7>& c, std::size_t i) { return i < c.count ? c[i] : std::string_view("-"); }

// Whether a past stem belongs to the -இன் class (பேசின், அகற்றின்).
bool in_past(std::string_view s) { return s.size() >= 9 && utf8::ends_with(s, IN_PAST); }

// Whether a past stem is the contracted -இன் past after a long vowel (ஆன்,
// போன், உருவான்).
bool contracted_past(std::string_view s) {
    if (!utf8::ends_with(s, NA_VIRAMA) || s.size() <= NA_VIRAMA.size()) return false;
    const char32_t c = utf8::last(s.substr(0, s.size() - NA_VIRAMA.size()));
    return c == 0x0B86 || c == 0x0B93 || c == 0x0BBE || c == 0x0BCB;  // ஆ ஓ ா ோ
}

// The past stem less its final "ன்".
std::string_view drop_na(std::string_view s) { return s.substr(0, s.size() - NA_VIRAMA.size()); }

// The adverbial participle. A past stem in a bare ன் (போன், சொன்ன், ஆன்)
// is a contraction of the -இன் past, and the participle is built on the
// root instead: a root in ு turns it into ி (ஆகு → ஆகி), a root in a
// consonant doubles it before ி (சொல் → சொல்லி), any other root adds the
// glide ய் (போ → போய்). Every other past stem takes உ (படித்து, வந்து).
std::string adverbial_of(std::string_view root, std::string_view past) {
    if (!utf8::ends_with(past, NA_VIRAMA) || root.empty()) return join(past, "உ");
    const auto end = utf8::decode_last(root, root.size());
    if (end.cp == 0x0BC1) return text::join(root.substr(0, root.size() - end.len), "\u0BBF");
    if (end.cp == 0x0BCD && root.size() > end.len) {
        const auto cons = utf8::decode_last(root, root.size() - end.len);
        if (cons.cp >= 0x0B95 && cons.cp <= 0x0BB9)
            return text::join(root, root.substr(root.size() - end.len - cons.len, cons.len), "\u0BBF");
    }
    if (end.cp == 0x0BCD) return join(past, "உ");
    return text::join(root, "ய்");
}

std::string replace_all(std::string_view s, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = s.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(s.substr(pos, hit - pos)).append(to);
        pos = hit + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

}  // namespace

std::optional<std::string> opt(std::string_view cell) {
    if (cell.empty() || cell == "-") return std::nullopt;
    return std::string(cell);
}

std::string join(std::string_view stem, std::string_view suffix) {
    if (!suffix.empty() && utf8::ends_with(stem, VIRAMA)) {
        auto first = utf8::decode(suffix, 0);
        if (const char* sign = vowel_sign(first.cp)) {
            std::string out;
            out.reserve(stem.size() + suffix.size());
            out.append(stem.substr(0, stem.size() - VIRAMA.size())).append(sign).append(suffix.substr(first.len));
            return out;
        }
    }
    return text::join(stem, suffix);
}

namespace lexicon {
// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find(std::string_view lemma) {
    auto line = data::table::tam.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<7>(*line);
    return LexEntry{opt(cell(c, 1)), opt(cell(c, 2)), opt(cell(c, 3)), opt(cell(c, 4)), opt(cell(c, 5)), opt(cell(c, 6))};
}
std::size_t size() { return data::table::tam.size(); }
}  // namespace lexicon

namespace {

// Whether a root is written in Tamil: a letter, then letters and the vowel
// signs and marks of the script (no digits, numbers or symbols).
bool tamil_root(std::string_view root) {
    bool first = true;
    for (char32_t c : utf8::chars(root)) {
        if (c < 0x0B80 || c > 0x0BFF) return false;
        const unicode::Category cat = unicode::category(c);
        const bool sign = cat == unicode::Category::Mn || cat == unicode::Category::Mc;
        if (!(cat == unicode::Category::Lo || (sign && !first))) return false;
        first = false;
    }
    return true;
}

// The row of `base` with `first` written before every stem; a stem that
// opens with the independent vowel `vowel` takes its sign `sign` instead.
LexEntry behind(std::string_view first, LexEntry base, std::string_view vowel, std::string_view sign) {
    for (auto* field : {&base.present, &base.past, &base.future, &base.um, &base.inf, &base.imp_pl})
        if (*field) *field = brahmic::behind(first, **field, vowel, sign);
    return base;
}

// An unlisted compound takes the row of its last verb behind its first part:
// a listed verb that ends it (நடைபெறு: பெறு, வேலைசெய்: செய், போய்விடு:
// விடு), or ஆகு, ஏல் and, after a first part of two syllables or more, இரு
// written with their vowel sign (நலமாகு: நலமானேன், வரவேல்: வரவேற்கிறேன்,
// எழுந்திரு: எழுந்திருக்க, போலிரு: போலிருக்கிறது).
std::optional<LexEntry> compound(std::string_view root) {
    const std::size_t at = brahmic::listed_tail(root, [](std::string_view t) { return lexicon::find(t).has_value(); },
                                                false, 2);
    if (at > 0) return behind(root.substr(0, at), *lexicon::find(root.substr(at)), "", "");
    static constexpr struct {
        std::string_view base, vowel, sign;
        bool long_first;
    } FUSED[] = {{"ஆகு", "ஆ", "ா", false}, {"ஏல்", "ஏ", "ே", false}, {"இரு", "இ", "ி", true}};
    for (const auto& f : FUSED) {
        const std::string_view rest = f.base.substr(f.vowel.size());
        if (root.size() <= f.sign.size() + rest.size()) continue;
        const std::string_view first = root.substr(0, root.size() - f.sign.size() - rest.size());
        if (!root.ends_with(rest) || root.substr(first.size(), f.sign.size()) != f.sign) continue;
        if (!brahmic::ends_in_consonant(first)) continue;
        if (f.long_first && brahmic::word_starts(first, false).empty()) continue;
        if (auto base = lexicon::find(f.base)) return behind(first, *base, f.vowel, f.sign);
    }
    return std::nullopt;
}

}  // namespace

constexpr unicode::Spelling SPELLING{unicode::Script::Tamil};

Expected<Verb, Error> Verb::from_root(std::string_view text) {
    const auto word = unicode::word_of(text, SPELLING);
    if (!word) return fail(Error{});
    const std::string_view root = *word;
    if (!tamil_root(root) || !brahmic::well_formed(root)) return fail(Error{});

    auto found = lexicon::find(root);
    if (!found) found = compound(root);
    // The weak rule joins its endings to a consonant, a vowel sign or a
    // virama: an unlisted root that ends in anything else is no root.
    const char32_t final = utf8::last(root);
    if (!found && !brahmic::ends_in_consonant(root) && !(final >= 0x0BBE && final <= 0x0BCD)) return fail(Error{});
    const LexEntry* e = found ? &*found : nullptr;
    auto pick = [e](std::optional<std::string> LexEntry::*field, auto rule) -> std::string {
        if (e && (e->*field)) return *(e->*field);
        return rule();
    };
    // The productive weak rule for unlisted roots. It never writes a vowel
    // sign next to a virama or to another vowel sign: a root in ு takes the
    // -இன் past (சொருகு → சொருகின்), a root in a virama the -ந்த் past with
    // the ு of the -உம் form (வளர் → வளர்ந்த், வளரும்), a root in another
    // vowel sign the -ந்த் past with a glide ய் (அறி → அறிந்த், அறியும்).
    const auto end = utf8::decode_last(root, root.size());
    const std::string_view last = root.substr(root.size() - end.len);
    const char32_t lc = end.cp;
    const bool in_u = lc == 0x0BC1;
    const bool in_virama = last == VIRAMA;
    const bool in_sign = !in_u && ((lc >= 0x0BBE && lc <= 0x0BC2) || (lc >= 0x0BC6 && lc <= 0x0BCC));
    const std::string_view bare = (in_u || in_virama) ? root.substr(0, root.size() - last.size()) : root;
    Verb v;
    v.root = std::string(root);
    v.present = pick(&LexEntry::present, [&] { return text::join(root, "கிற்"); });
    v.past = pick(&LexEntry::past, [&] {
        if (in_u) return text::join(bare, IN_PAST);
        // ல் and ள் fuse with the past marker (பயில் → பயின்ற், மருள் → மருண்ட்).
        if (root.ends_with("ல்")) return text::join(utf8::drop_last_chars(root, 2), "ன்ற்");
        if (root.ends_with("ள்")) return text::join(utf8::drop_last_chars(root, 2), "ண்ட்");
        if (in_virama || in_sign) return text::join(root, "ந்த்");
        return join(text::join(root, VIRAMA), "த்");
    });
    v.future = pick(&LexEntry::future, [&] { return text::join(root, "வ்"); });
    v.um = pick(&LexEntry::um, [&] {
        if (in_u) return text::join(root, "ம்");
        if (in_sign) return text::join(root, "யும்");
        return text::join(bare, "\u0BC1ம்");
    });
    v.inf = pick(&LexEntry::inf, [&] {
        // A consonant letter carries the inherent அ already.
        if (in_sign) return text::join(root, "ய");
        if (in_u) return std::string(bare);
        std::string_view b = root;
        while (utf8::ends_with(b, VIRAMA)) b.remove_suffix(VIRAMA.size());
        if (b.size() < root.size() || (lc >= 0x0B95 && lc <= 0x0BB9)) return std::string(b);
        return join(b, "அ");
    });
    v.imp_pl = pick(&LexEntry::imp_pl, [&] {
        if (in_u) return text::join(root, "ங்கள்");
        if (in_sign) return text::join(root, "யுங்கள்");
        return text::join(bare, "\u0BC1ங்கள்");
    });
    return v;
}

std::string Verb::finite(Tense tense, Png png) const {
    const auto slot = static_cast<std::size_t>(png);
    switch (tense) {
        case Tense::Present:
            if (png == Png::P3Neut) return join(replace_all(present, "கிற்", "கின்ற்"), "அன");
            return join(present, ENDINGS[slot]);
        case Tense::Past:
            if (png == Png::S3Neut) return in_past(past) ? text::join(drop_na(past), "யது") : join(past, "அது");
            if (png == Png::P3Neut) {
                if (in_past(past)) return text::join(drop_na(past), "ன");
                // The contracted past of ஆகு and போ (ஆன், போன்) has the full
                // -இன form here: ஆயின, போயின, உருவாயின.
                if (contracted_past(past)) return text::join(drop_na(past), "யின");
                return join(past, "அன");
            }
            return join(past, ENDINGS[slot]);
        case Tense::Future:
            if (png == Png::S3Neut) return um;
            return join(future, ENDINGS[slot]);
    }
    return {};
}

Table Table::build(const Verb& verb) {
    Table t;
    t.root = verb.root;
    for (std::size_t i = 0; i < PNG_COUNT; ++i) {
        const auto png = static_cast<Png>(i);
        t.present[i] = verb.finite(Tense::Present, png);
        t.past[i] = verb.finite(Tense::Past, png);
        t.future[i] = verb.finite(Tense::Future, png);
    }
    t.infinitive = verb.inf;
    const bool in = in_past(verb.past);
    t.adverbial = in ? std::string(drop_na(verb.past)) : adverbial_of(verb.root, verb.past);
    t.relative_past = in ? text::join(drop_na(verb.past), "ய") : join(verb.past, "அ");
    t.relative_present = join(verb.present, "அ");
    t.relative_future = verb.um;
    t.conditional = join(verb.past, "ஆல்");
    t.imperative = {verb.root, verb.imp_pl};
    return t;
}

}  // namespace velnor::tam
