#include "rus.hpp"

#include <cstddef>
#include <vector>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::rus {

using text::join;
namespace {

bool is_vowel(char32_t c) {
    switch (c) {
        case U'а': case U'е': case U'ё': case U'и': case U'о':
        case U'у': case U'ы': case U'э': case U'ю': case U'я': return true;
        default: return false;
    }
}

bool is_husher(char32_t c) { return c == U'ж' || c == U'ш' || c == U'ч' || c == U'щ'; }

bool ends(std::string_view s, std::string_view suffix) { return utf8::ends_with(s, suffix); }

Class class_of(std::string_view base) {
    std::size_t len = utf8::length(base);
    if ((ends(base, "овать") || ends(base, "евать")) && len >= 7) return 0;
    if (ends(base, "нуть") && len >= 5) return 1;
    if (ends(base, "ить") && len >= 5) return 2;
    if (ends(base, "ть")) return 3;
    return 4;
}

// First person singular of a second-conjugation (-ить) stem: the stem's
// final consonant alternates (ст→щ, зд→зж, labial+л, г/д/з→ж, к/т→ч,
// с/х→ш), then -у after a husher, -ю otherwise.
std::string first_singular_it(std::string_view stem) {
    std::string out;
    if (stem.size() >= 4 && ends(stem, "ст")) {
        out = join(stem.substr(0, stem.size() - 4), "щ");
    } else if (stem.size() >= 4 && ends(stem, "зд")) {
        out = join(stem.substr(0, stem.size() - 4), "зж");
    } else {
        char32_t last = utf8::last(stem);
        std::string_view head = utf8::drop_last_chars(stem, 1);
        switch (last) {
            case U'б': case U'в': case U'м': case U'п': case U'ф':
                out = join(stem, "лю");
                return out;
            case U'г': case U'д': case U'з': out = join(head, "ж"); break;
            case U'к': case U'т': out = join(head, "ч"); break;
            case U'с': case U'х': out = join(head, "ш"); break;
            default: out = std::string(stem); break;
        }
    }
    out += ends_with_husher(out) ? "у" : "ю";
    return out;
}

}  // namespace

std::string drop_last(std::string_view text, std::size_t n) { return std::string(utf8::drop_last_chars(text, n)); }

bool ends_with_husher(std::string_view text) { return is_husher(utf8::last(text)); }

namespace {

// A letter of the Cyrillic blocks (U+0400 to U+052F).
bool cyrillic_letter(char32_t c) {
    if (c < 0x0400 || c > 0x052F) return false;
    const unicode::Category cat = unicode::category(c);
    return cat == unicode::Category::Ll || cat == unicode::Category::Lu || cat == unicode::Category::Lt ||
           cat == unicode::Category::Lm || cat == unicode::Category::Lo;
}

}  // namespace

constexpr std::string_view INFINITIVE_ENDINGS[] = {"ть", "ти", "чь", "ться", "тись", "чься"};
constexpr unicode::Spelling SPELLING{unicode::Script::Cyrillic, U"", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    // An infinitive is written in Cyrillic letters only.
    auto lowered = unicode::lower_word_of(text, SPELLING, cyrillic_letter);
    if (!lowered) return fail(Error{});
    std::string lower = std::move(*lowered);

    Verb v;
    v.reflexive = lower.size() >= 4 && (ends(lower, "ся") || ends(lower, "сь"));
    std::string_view base = v.reflexive ? std::string_view(lower).substr(0, lower.size() - 4) : std::string_view(lower);
    // A bare ending (ть, ти, чь) is no verb: at least one letter must stand
    // in front of it, or the rules would build endings without a stem.
    if (base.size() < 4 || !(ends(base, "ть") || ends(base, "ти") || ends(base, "чь")) || utf8::length(base) < 3)
        return fail(Error{});
    v.cls = class_of(base);

    // The longest lemma that ends the base wins (its first row); an
    // exact-only lemma (cell 4 "1") must be the whole base.
    auto match = lex::longest_suffix(data::table::rus, base,
                                     [](std::string_view line) { return lex::cell_at(line, 4) != "1"; });
    if (match) {
        auto c = lex::split<4>(match->line);
        v.prefix = std::string(base.substr(0, match->at));
        v.entry = LexEntry{lex::owned_forms<6>(c[1]), lex::owned_forms<4>(c[2]), lex::owned_forms<2>(c[3])};
    }
    v.base = std::string(base);
    v.infinitive = std::move(lower);
    return v;
}

std::string Verb::combine(std::string_view form) const {
    if (prefix.size() >= 4 && ends(prefix, "вы") && !ends(base, "авать")) {
        std::string out = prefix;
        for (std::size_t at = 0; at < form.size();) {
            std::size_t len = utf8::decode(form, at).len;
            std::string_view ch = form.substr(at, len ? len : 1);
            out.append(ch == "ё" ? std::string_view("е") : ch);
            at += ch.size();
        }
        return out;
    }
    return join(prefix, form);
}

std::string Verb::lexical(std::string_view form) const {
    if (form == NO_FORM) return std::string(form);
    return reflexivize(reflexive, combine(form));
}

std::string Verb::reflexivize(bool reflexive, std::string form) {
    if (!reflexive) return form;
    form += is_vowel(utf8::last(form)) ? "сь" : "ся";
    return form;
}

std::string Verb::ova_stem(std::string_view base) {
    std::string_view rest = utf8::drop_last_chars(base, 5);
    bool soft = ends(base, "евать") && is_vowel(utf8::last(rest));
    return join(rest, soft ? "ю" : "у");
}

std::string Verb::non_past(int person, bool plural) const {
    std::size_t index = static_cast<std::size_t>(person) + (plural ? 3 : 0);
    if (entry && entry->non_past) return lexical((*entry->non_past)[index]);
    static constexpr std::string_view first[6] = {"ю", "ешь", "ет", "ем", "ете", "ют"};
    static constexpr std::string_view nu[6] = {"у", "ешь", "ет", "ем", "ете", "ут"};
    static constexpr std::string_view second[5] = {"ишь", "ит", "им", "ите", "ят"};
    std::string form;
    switch (cls) {
        case 0: form = join(ova_stem(base), first[index]); break;
        case 1: form = join(utf8::drop_last_chars(base, 3), nu[index]); break;
        case 2: {
            std::string_view stem = utf8::drop_last_chars(base, 3);
            if (index == 0) form = first_singular_it(stem);
            else if (index == 5) form = join(stem, ends_with_husher(stem) ? "ат" : "ят");
            else form = join(stem, second[index - 1]);
            break;
        }
        default: form = join(utf8::drop_last_chars(base, 2), first[index]); break;
    }
    return reflexivize(reflexive, std::move(form));
}

std::string Verb::past(int gender, bool plural) const {
    std::size_t index = plural ? 3 : static_cast<std::size_t>(gender);
    if (entry && entry->past) return lexical((*entry->past)[index]);
    static constexpr std::string_view endings[4] = {"л", "ла", "ло", "ли"};
    return reflexivize(reflexive, join(utf8::drop_last_chars(base, 2), endings[index]));
}

std::string Verb::imperative(bool plural) const {
    if (entry && entry->imperative) return lexical((*entry->imperative)[plural ? 1 : 0]);
    std::string form;
    switch (cls) {
        case 0: form = ova_stem(base) + "й"; break;
        case 1: case 2: form = join(utf8::drop_last_chars(base, 3), "и"); break;
        default: form = join(utf8::drop_last_chars(base, 2), "й"); break;
    }
    if (plural) form += "те";
    return reflexivize(reflexive, std::move(form));
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.infinitive;
    for (int i = 0; i < 6; ++i) t.non_past[static_cast<std::size_t>(i)] = verb.non_past(i % 3, i >= 3);
    for (int g = 0; g < 3; ++g) t.past_singular[static_cast<std::size_t>(g)] = verb.past(g, false);
    t.past_plural = verb.past(0, true);
    t.imperative = {verb.imperative(false), verb.imperative(true)};
    return t;
}

}  // namespace velnor::rus
