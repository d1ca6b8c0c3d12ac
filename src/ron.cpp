#include "ron.hpp"

#include <algorithm>

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::ron {

using text::join;
using utf8::ends_with;
namespace {

using namespace std::string_view_literals;

constexpr std::string_view REDUCTION_VOWELS = "aăâeiîou";
constexpr std::string_view SCAN_STOPS = "aăâîiu";
constexpr std::string_view IMPERFECT_VOWELS = "aeiouăâî";
// Stem-final vowels after which -esc/-ește/-ească take a glide i (locuiesc,
// trăiește); after i itself nothing is inserted (pustiesc).
constexpr std::string_view GLIDE_VOWELS = "aeouăâî";

bool contains(std::string_view set, char32_t c) noexcept {
    for (char32_t v : utf8::chars(set))
        if (v == c) return true;
    return false;
}

std::string_view drop_bytes(std::string_view s, std::size_t n) noexcept {
    return s.substr(0, s.size() >= n ? s.size() - n : 0);
}

// Replaces a final `from` by `to` (the caller has checked that it is there).
std::string replace_end(std::string_view s, std::string_view from, std::string_view to) {
    return join(drop_bytes(s, from.size()), to);
}

// The e of the syllable before a last stem vowel ă (legăn, semăn); an e
// after another vowel (pieptăn) does not count. npos when there is none.
std::size_t e_before_a_breve(std::string_view stem) {
    std::size_t end = stem.size();
    bool breve = false;
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(stem, end);
        std::size_t at = end - d.len;
        if (!breve) {
            if (d.cp == U'ă')
                breve = true;
            else if (contains(REDUCTION_VOWELS, d.cp))
                return std::string_view::npos;
        } else if (contains(REDUCTION_VOWELS, d.cp)) {
            if (d.cp != U'e' || at == 0 || contains(REDUCTION_VOWELS, utf8::decode_last(stem, at).cp))
                return std::string_view::npos;
            return at;
        }
        end = at;
    }
    return std::string_view::npos;
}

std::string open_e_at(std::string_view stem, std::size_t at) {
    return join(stem.substr(0, at), "ea", stem.substr(at + 1));
}

// Diphthongisation of the last stem vowel; `open_e` says whether an e may
// become ea.
std::string diphthong(std::string_view stem, bool open_e) {
    std::size_t end = stem.size();
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(stem, end);
        std::size_t at = end - d.len;
        if (d.cp == U'e') {
            if (!open_e) break;
            return join(stem.substr(0, at), "ea", stem.substr(end));
        }
        if (d.cp == U'o') return join(stem.substr(0, at), "oa", stem.substr(end));
        if (contains(SCAN_STOPS, d.cp)) break;
        end = at;
    }
    return std::string(stem);
}

// Verbs whose pluperfect keeps the old -se- perfect that their simple
// perfect has lost: fusesem, avusesem, vrusesem (not avusem).
std::optional<std::string_view> pluperfect_stem(std::string_view infinitive) noexcept {
    if (infinitive == "fi") return "fusese"sv;
    if (infinitive == "avea") return "avusese"sv;
    if (infinitive == "vrea") return "vrusese"sv;
    return std::nullopt;
}

constexpr std::array<std::string_view, 6> PERFECT_AUX = {"am", "ai", "a", "am", "ați", "au"};
constexpr std::array<std::string_view, 6> FUTURE_AUX = {"voi", "vei", "va", "vom", "veți", "vor"};
constexpr std::array<std::string_view, 6> CONDITIONAL_AUX = {"aș", "ai", "ar", "am", "ați", "ar"};

}  // namespace

std::optional<Class> class_of_code(std::string_view code) noexcept {
    static constexpr std::array<std::string_view, 8> CODES = {"a-ez", "a-bare", "ea",     "e",
                                                              "i-esc", "i-bare", "ih-asc", "ih-bare"};
    // Indexed by Class: the index of the code found is the class.
    static_assert(CODES[static_cast<std::size_t>(Class::AEz)] == "a-ez" &&
                  CODES[static_cast<std::size_t>(Class::ABare)] == "a-bare" &&
                  CODES[static_cast<std::size_t>(Class::Ea)] == "ea" && CODES[static_cast<std::size_t>(Class::E)] == "e" &&
                  CODES[static_cast<std::size_t>(Class::IEsc)] == "i-esc" &&
                  CODES[static_cast<std::size_t>(Class::IBare)] == "i-bare" &&
                  CODES[static_cast<std::size_t>(Class::IhAsc)] == "ih-asc" &&
                  CODES[static_cast<std::size_t>(Class::IhBare)] == "ih-bare");
    for (std::size_t i = 0; i < CODES.size(); ++i)
        if (CODES[i] == code) return static_cast<Class>(i);
    return std::nullopt;
}

std::pair<std::string_view, Row> parse_row(std::string_view line) {
    auto cells = lex::split<13>(line);
    Row row;
    auto cell = [&](std::size_t i) -> std::optional<std::string_view> {
        std::string_view c = cells[i];
        if (c.empty() || c == "-") return std::nullopt;
        return c;
    };
    for (std::size_t i = 0; i < 6; ++i) row.present[i] = cell(1 + i);
    row.sbjv3 = cell(7);
    row.imp2sg = cell(8);
    row.ptcp = cell(9);
    row.ger = cell(10);
    row.ipfv1sg = cell(11);
    row.pfv3sg = cell(12);
    return {cells[0], row};
}

// A later line for a lemma wins (a class line only when its code is known).
std::optional<Class> listed_class(std::string_view lemma) {
    return lex::last_read(data::table::ron_classes, lemma, [](std::string_view line) -> std::optional<Class> {
        std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return std::nullopt;
        std::string_view rest = line.substr(tab + 1);
        return class_of_code(rest.substr(0, rest.find('\t')));
    });
}

std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::ron_overrides.last(lemma);
    if (!line) return std::nullopt;
    return parse_row(*line).second;
}

std::string palatalize(std::string_view stem) {
    if (stem.empty()) return {};
    if (ends_with(stem, "st")) return replace_end(stem, "st", "șt");
    switch (stem.back()) {
        case 'd': return replace_end(stem, "d", "z");
        case 's': return replace_end(stem, "s", "ș");
        case 't': return replace_end(stem, "t", "ț");
        default: return std::string(stem);
    }
}

std::string diphthongize(std::string_view stem) { return diphthong(stem, true); }

std::string diphthongize_before(std::string_view stem, std::string_view ending) {
    return diphthong(stem, !utf8::starts_with(ending, "e"));
}

std::string Verb::reduce(std::string_view form) {
    if (form.size() < 2 || !ends_with(form, "se")) return std::string(form);
    std::string_view body = form.substr(0, form.size() - 2);
    // The last reduction vowel, then the run of reduction vowels ending there.
    std::size_t end = body.size();
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(body, end);
        if (contains(REDUCTION_VOWELS, d.cp)) break;
        end -= d.len;
    }
    if (end == 0) return std::string(form);
    std::size_t start = end;
    while (start > 0) {
        utf8::Decoded d = utf8::decode_last(body, start);
        if (!contains(REDUCTION_VOWELS, d.cp)) break;
        start -= d.len;
    }
    if (start == 0) return std::string(form);
    std::string_view nucleus = body.substr(start, end - start);
    std::string_view replacement;
    if (nucleus == "oa")
        replacement = "o";
    else if (nucleus == "a")
        replacement = "ă";
    else
        return std::string(form);
    std::string out(body.substr(0, start));
    out.append(replacement);
    out.append(body.substr(end));
    out.append("se");
    return out;
}

namespace {

// Prefixes of Romanian verbs, longest first within a shared beginning.
constexpr std::string_view PREFIXES[] = {
    "contra", "supra", "inter", "trans", "între", "auto", "stră", "răs", "răz", "des", "dez", "pre", "pro", "sub",
    "con",    "com",   "dis",   "par",   "sur",   "ex",   "im",  "re",  "ne",  "de",  "în",  "îm",  "a",   "e",
};

// Prefixes that keep the class of a native -a verb (reafla, descânta,
// dezlega, autoproclama). Borrowed -a verbs with other prefixes take -ez
// whatever verb they seem to end in (deturna, subordona, concerta,
// încununa).
constexpr std::string_view A_PREFIXES[] = {"răs", "răz", "des", "dez", "re", "auto"};

// The one-letter prefixes, only before a verb of the third conjugation
// (aține, aduce; erupe, emerge): before the other endings they would split
// unrelated verbs.
bool e_verb_prefix(std::string_view p) { return p == "a" || p == "e"; }

// The longest end of `w` after one of the prefixes for which `is_base`
// holds; bases of fewer than four bytes (da, sta, fi, lua) are too short to
// be told from the ends of unrelated verbs, but for bea: -ea after a
// consonant ends no verb but the second conjugation's (rebea).
template <class IsBase>
std::optional<std::string_view> base_after_prefix(std::string_view w, IsBase is_base) {
    std::optional<std::string_view> best;
    bool a_verb = utf8::last(w) == U'a' && !ends_with(w, "ea");
    bool e_verb = utf8::last(w) == U'e';
    for (std::string_view p : PREFIXES) {
        if (a_verb && std::find(std::begin(A_PREFIXES), std::end(A_PREFIXES), p) == std::end(A_PREFIXES)) continue;
        if (!e_verb && e_verb_prefix(p)) continue;
        if (w.size() < p.size() + (ends_with(w, "ea") ? 3 : 4) || !utf8::starts_with(w, p)) continue;
        std::string_view rest = w.substr(p.size());
        if ((!best || rest.size() > best->size()) && is_base(rest)) best = rest;
    }
    return best;
}

// The listed verb that ends `w` after one of the prefixes.
std::optional<std::string_view> listed_base(std::string_view w) {
    return base_after_prefix(w, [](std::string_view rest) { return listed_class(rest) || find_row(rest); });
}

}  // namespace

std::string Verb::cell(std::string_view form) const { return join(prefix_, form); }

// Indexed by Ending: the longest that ends a verb is its ending.
constexpr std::string_view INFINITIVE_ENDINGS[] = {"a", "ea", "e", "i", "î"};
static_assert(std::size(INFINITIVE_ENDINGS) == 5 && INFINITIVE_ENDINGS[static_cast<std::size_t>(Ending::A)] == "a" &&
              INFINITIVE_ENDINGS[static_cast<std::size_t>(Ending::Ea)] == "ea" &&
              INFINITIVE_ENDINGS[static_cast<std::size_t>(Ending::E)] == "e" &&
              INFINITIVE_ENDINGS[static_cast<std::size_t>(Ending::I)] == "i" &&
              INFINITIVE_ENDINGS[static_cast<std::size_t>(Ending::Ih)] == "î");
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error{});
    std::string lowered = unicode::to_lower(text);
    std::string_view w = unicode::trim(lowered);
    if (utf8::starts_with(w, "a ")) w = unicode::trim(w.substr(2));
    if (w.empty()) return fail(Error{});
    if (!unicode::is_letters_or_hyphens(w)) return fail(Error{});

    Verb verb;
    std::size_t ending = utf8::longest_ending(w, INFINITIVE_ENDINGS);
    if (ending == std::size(INFINITIVE_ENDINGS)) return fail(Error{});
    verb.ending_ = static_cast<Ending>(ending);

    // An unlisted verb takes the class and the overrides of the listed verb
    // that it prefixes (reafla from afla, reface from face).
    std::optional<Class> listed = listed_class(w);
    std::optional<Row> row = find_row(w);
    if (!listed && !row) {
        if (auto b = listed_base(w)) {
            verb.prefix_.assign(w.substr(0, w.size() - b->size()));
            listed = listed_class(*b);
            row = find_row(*b);
        }
    }
    if (listed) {
        verb.class_ = *listed;
    } else if (verb.ending_ == Ending::A && ends_with(w, "ifica")) {
        // The -ifica verbs have no -ez: clasific, nazifică.
        verb.class_ = Class::ABare;
    } else {
        // Indexed by Ending.
        static constexpr std::array<Class, 5> DEFAULTS = {Class::AEz, Class::Ea, Class::E, Class::IEsc,
                                                          Class::IhAsc};
        static_assert(DEFAULTS.size() == std::size(INFINITIVE_ENDINGS) &&
                      DEFAULTS[static_cast<std::size_t>(Ending::Ea)] == Class::Ea &&
                      DEFAULTS[static_cast<std::size_t>(Ending::E)] == Class::E);
        verb.class_ = DEFAULTS[static_cast<std::size_t>(verb.ending_)];
    }
    if (row) verb.row_ = *row;
    // After ch and gh the e only keeps the consonant soft: the verb is of
    // the first conjugation with -ez (urechea: urechez, urecheat); a row
    // still gives the forms that differ (deochea: deochi, deoache).
    verb.soft_ea_ = verb.ending_ == Ending::Ea && verb.class_ == Class::Ea &&
                    (ends_with(w, "chea") || ends_with(w, "ghea"));
    verb.infinitive_.assign(w);
    return verb;
}

std::string_view Verb::stem() const noexcept {
    return drop_bytes(infinitive_, INFINITIVE_ENDINGS[static_cast<std::size_t>(ending_)].size());
}

std::string Verb::present(int person, int number) const {
    int slot = person + 3 * number;
    if (const auto& c = row_.present[static_cast<std::size_t>(slot)]) return cell(*c);
    std::string_view s = stem();
    char32_t last = utf8::last(s);
    if (soft_ea_) {
        static constexpr std::array<std::string_view, 6> SOFT = {"ez", "ezi", "ează", "em", "eați", "ează"};
        return join(s, SOFT[static_cast<std::size_t>(slot)]);
    }
    switch (class_) {
        case Class::AEz: {
            std::string s1(s);
            if (!s.empty() && (s.back() == 'c' || s.back() == 'g')) s1 += 'h';
            // After a stem-final i the -ează endings lose their e: studiază.
            std::string_view third = last == U'i' ? "ază"sv : "ează"sv;
            switch (slot) {
                case 0: return join(s1, "ez");
                case 1: return join(s1, "ezi");
                case 3: return join(s, last == U'i' ? "em"sv : "ăm"sv);
                case 4: return join(s, "ați");
                default: return join(s1, third);
            }
        }
        case Class::ABare:
            switch (slot) {
                case 0: {
                    // An e that opens to ea before the unstressed ă of the
                    // third person (leagănă, seamănă) opens in the first too:
                    // leagăn, seamăn, freamăt (not revărs: revarsă).
                    std::size_t at = e_before_a_breve(s);
                    if (at == std::string_view::npos) return std::string(s);
                    std::string open = open_e_at(s, at);
                    return present(2, 0) == join(open, "ă") ? open : std::string(s);
                }
                case 1: return join(palatalize(s), "i");
                case 3: return join(s, last == U'i' ? "em"sv : "ăm"sv);
                case 4: return join(s, "ați");
                default: return join(diphthongize_before(s, "ă"), "ă");
            }
        case Class::Ea:
        case Class::E:
            switch (slot) {
                case 0: return std::string(s);
                case 1: return join(palatalize(s), "i");
                case 2: return join(s, "e");
                case 3: return join(s, "em");
                case 4: return join(s, "eți");
                default: return std::string(s);
            }
        case Class::IEsc: {
            // A vowel-final stem takes a glide before the -esc endings.
            std::string_view glide = contains(GLIDE_VOWELS, last) && !s.empty() ? "i"sv : ""sv;
            switch (slot) {
                case 0:
                case 5: return join(s, glide, "esc");
                case 1: return join(s, glide, "ești");
                case 2: return join(s, glide, "ește");
                case 3: return join(s, "im");
                default: return join(s, "iți");
            }
        }
        case Class::IBare:
            switch (slot) {
                case 0:
                case 5: return std::string(s);
                case 1: return join(palatalize(s), "i");
                case 2: return join(diphthongize_before(s, "e"), "e");
                case 3: return join(s, "im");
                default: return join(s, "iți");
            }
        case Class::IhAsc:
            switch (slot) {
                case 0:
                case 5: return join(s, "ăsc");
                case 1: return join(s, "ăști");
                case 2: return join(s, "ăște");
                case 3: return join(s, "âm");
                default: return join(s, "âți");
            }
        case Class::IhBare:
            switch (slot) {
                case 0: return std::string(s);
                case 1: return join(palatalize(s), "i");
                case 3: return join(s, "âm");
                case 4: return join(s, "âți");
                default: return join(diphthongize_before(s, "ă"), "ă");
            }
    }
    return std::string(s);
}

std::string Verb::subjunctive(int person, int number) const {
    if (infinitive_ == "fi") {
        static constexpr std::array<std::string_view, 6> FI = {"fiu", "fii", "fie", "fim", "fiți", "fie"};
        return std::string(FI[static_cast<std::size_t>(person + 3 * number)]);
    }
    if (person != 2) return present(person, number);
    if (row_.sbjv3) return cell(*row_.sbjv3);
    std::string_view s = stem();
    if (soft_ea_) return join(s, "eze");
    switch (class_) {
        case Class::AEz: {
            std::string s1(s);
            if (!s.empty() && (s.back() == 'c' || s.back() == 'g')) s1 += 'h';
            return join(s1, "eze");
        }
        case Class::ABare:
        case Class::IhBare: return join(diphthongize_before(s, "e"), "e");
        case Class::IEsc: {
            // After a vowel the glide takes the place of the e: locuiască;
            // after i the i itself is the glide: pustiască, priască.
            if (s.empty()) return join(s, "ească");
            char32_t last = utf8::last(s);
            if (last == U'i') return join(s, "ască");
            return join(s, contains(GLIDE_VOWELS, last) ? "iască"sv : "ească"sv);
        }
        case Class::IhAsc: return join(s, "ască");
        default: return join(diphthongize_before(s, "ă"), "ă");
    }
}

std::string Verb::imperative(int number) const {
    if (infinitive_ == "fi") return number == 0 ? "fii" : "fiți";
    // "—" in the imp2sg cell: the verb has no imperative (putea, vrea, trebui).
    if (row_.imp2sg && *row_.imp2sg == lex::kNoForm) return std::string(lex::kNoForm);
    if (number == 0) {
        if (row_.imp2sg) return cell(*row_.imp2sg);
        // A listed compound takes the short imperative of its base: previno,
        // convino, contrafă, dezi.
        if (prefix_.empty()) {
            auto base = base_after_prefix(infinitive_, [](std::string_view rest) {
                auto r = find_row(rest);
                return r && r->imp2sg && *r->imp2sg != lex::kNoForm;
            });
            if (base) {
                // Only a short imperative of its own (vino, fă, zi, du), not
                // one of the base's present forms (treci: întrece).
                std::string_view prefix = std::string_view(infinitive_).substr(0, infinitive_.size() - base->size());
                auto b = from_infinitive(*base);
                if (b && present(2, 0) == join(prefix, b->present(2, 0))) {
                    std::string own = b->imperative(0);
                    if (own != b->present(1, 0) && own != b->present(2, 0)) return join(prefix, own);
                }
            }
        }
        // The verbs of the second conjugation take the second person of the
        // present (taci, pari, apari, încapi, vezi); the -ea verbs of the
        // first conjugation (creează, deoache) the third.
        std::string third = present(2, 0);
        if (ending_ == Ending::Ea && !soft_ea_ && !ends_with(third, "ează") && !ends_with(stem(), "ch") &&
            !ends_with(stem(), "gh"))
            return present(1, 0);
        return third;
    }
    return present(1, 1);
}

std::string Verb::participle() const {
    if (row_.ptcp) return cell(*row_.ptcp);
    if (soft_ea_) return join(infinitive_, "t");
    switch (ending_) {
        case Ending::A:
        case Ending::I: return join(infinitive_, "t");
        case Ending::Ea:
        case Ending::E:
            // The -nge verbs have a participle in -ns (stins, ajuns, întins),
            // but for frânge and its kin (frânt, frânse: rows).
            if (ending_ == Ending::E && class_ == Class::E && ends_with(infinitive_, "nge") &&
                !ends_with(infinitive_, "frânge"))
                return join(drop_bytes(infinitive_, 2), "s");
            // The -mite verbs likewise: trimis, admis, comis.
            if (mite_verb()) return join(drop_bytes(infinitive_, 2), "s");
            return join(stem(), "ut");
        case Ending::Ih: return join(stem(), "ât");
    }
    return {};
}

bool Verb::mite_verb() const noexcept {
    return ending_ == Ending::E && class_ == Class::E && ends_with(infinitive_, "mite");
}

std::string Verb::gerund() const {
    if (row_.ger) return cell(*row_.ger);
    if (mite_verb()) return join(drop_bytes(infinitive_, 2), "țând");
    if (ending_ == Ending::I) return join(infinitive_, "nd");
    if (soft_ea_) return join(stem(), "ind");
    std::string_view s = stem();
    if (!s.empty() && s.back() == 'i') {
        // After a vowel the i is a glide and takes -nd alone: tăind, înapoind.
        std::string_view body = drop_bytes(s, 1);
        bool glide = !body.empty() && contains(REDUCTION_VOWELS, utf8::last(body));
        return join(s, glide ? "nd"sv : "ind"sv);
    }
    return join(s, "ând");
}

std::string Verb::perfect_base() const {
    std::string c;
    if (row_.pfv3sg) {
        c = cell(*row_.pfv3sg);
    } else {
        std::string p = participle();
        if (ends_with(p, "t")) {
            // Only a whole "at" is cut for the -a verbs (cântat → cântă); any
            // other participle loses just its t, so no letter is split.
            if (ending_ == Ending::A && ends_with(p, "at"))
                c = replace_end(p, "at", "ă");
            else
                c = std::string(drop_bytes(p, 1));
        } else {
            c = join(p, "e");
        }
    }
    if (ends_with(c, "ă")) return replace_end(c, "ă", "a");
    if (ends_with(c, "se")) return c;
    if (ends_with(c, "che") || ends_with(c, "ghe")) return join(c, "a");
    if ((ending_ == Ending::A || ending_ == Ending::Ea) && ends_with(c, "e")) return replace_end(c, "e", "a");
    if (ends_with(c, "î")) return replace_end(c, "î", "â");
    return c;
}

std::string Verb::indicative(int tense, int person, int number) const {
    int slot = person + 3 * number;
    if (tense == 1) {
        std::string base;
        if (row_.ipfv1sg) {
            std::string full = cell(*row_.ipfv1sg);
            base.assign(ends_with(full, "m") ? drop_bytes(full, 1) : std::string_view(full));
        } else {
            std::string_view s = stem();
            switch (ending_) {
                case Ending::A:
                case Ending::Ea: {
                    std::string_view w = infinitive_;
                    while (!w.empty() && w.back() == 'a') w.remove_suffix(1);
                    base = join(w, "a");
                    break;
                }
                case Ending::E:
                case Ending::I:
                    if (!s.empty() && contains(IMPERFECT_VOWELS, utf8::last(s))) {
                        std::string_view w = infinitive_;
                        while (!w.empty() && w.back() == 'e') w.remove_suffix(1);
                        if (ends_with(w, "ii")) w.remove_suffix(1);
                        base = join(w, "a");
                    } else {
                        base = join(s, "ea");
                    }
                    break;
                case Ending::Ih: base = join(s, "a"); break;
            }
        }
        static constexpr std::array<std::string_view, 6> IMPERFECT = {"m", "i", "", "m", "ți", "u"};
        return join(base, IMPERFECT[static_cast<std::size_t>(slot)]);
    }
    std::string p = perfect_base();
    if (tense == 2) {
        switch (slot) {
            case 0: return join(reduce(p), "i");
            case 1: return join(reduce(p), "și");
            case 2:
                if (row_.pfv3sg) return cell(*row_.pfv3sg);
                if (soft_ea_) return join(stem(), "e");
                if (ending_ == Ending::Ih) return join(stem(), "î");
                if (ending_ == Ending::A && ends_with(p, "a")) {
                    std::string_view body = drop_bytes(p, 1);
                    // After i the ending is e: studie, tăie.
                    return join(body, ends_with(body, "i") ? "e"sv : "ă"sv);
                }
                return p;
            case 3: return join(p, "răm");
            case 4: return join(p, "răți");
            default: return join(p, "ră");
        }
    }
    std::string q = join(reduce(p), "se");
    if (auto stem = pluperfect_stem(infinitive_)) q.assign(*stem);
    static constexpr std::array<std::string_view, 6> PLUPERFECT = {"m", "și", "", "răm", "răți", "ră"};
    return join(q, PLUPERFECT[static_cast<std::size_t>(slot)]);
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.infinitive();
    t.gerund = verb.gerund();
    t.participle = verb.participle();
    t.imperative = {verb.imperative(0), verb.imperative(1)};
    for (int slot = 0; slot < 6; ++slot) {
        int person = slot % 3, number = slot / 3;
        std::size_t i = static_cast<std::size_t>(slot);
        t.present[i] = verb.present(person, number);
        t.imperfect[i] = verb.indicative(1, person, number);
        t.simple_perfect[i] = verb.indicative(2, person, number);
        t.pluperfect[i] = verb.indicative(3, person, number);
        t.subjunctive[i] = verb.subjunctive(person, number);
        t.perfect_compus[i] = join(PERFECT_AUX[i], " ", t.participle);
        t.viitor[i] = join(FUTURE_AUX[i], " ", t.infinitive);
        t.conditional_prezent[i] = join(CONDITIONAL_AUX[i], " ", t.infinitive);
        t.subjunctive_perfect[i] = join("fi ", t.participle);
        t.conditional_perfect[i] = join(CONDITIONAL_AUX[i], " fi ", t.participle);
        t.viitor_anterior[i] = join(FUTURE_AUX[i], " fi ", t.participle);
    }
    return t;
}

}  // namespace velnor::ron
