#include "ces.hpp"

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::ces {

using text::join;
using text::own;
using utf8::ends_with;
namespace {

constexpr std::string_view kVowels = "aeiouyáéíóúůý";

bool is_vowel(char32_t c) noexcept {
    for (std::size_t i = 0; i < kVowels.size();) {
        auto d = utf8::decode(kVowels, i);
        if (d.cp == c) return true;
        i += d.len;
    }
    return false;
}

// Czech writes "ě" only after b, p, v, f, m, d, t and n; after every other
// consonant the same ending is spelt with a plain "e" (prose, uče, mysleme).
std::string_view e_after(std::string_view stem) noexcept {
    if (stem.empty()) return "ě";
    switch (utf8::last(stem)) {
        case U'b': case U'p': case U'v': case U'f': case U'm': case U'd': case U't': case U'n':
            return "ě";
        default:
            return "e";
    }
}

// The vowel of the -et/-ět classes' endings follows the lemma's own spelling:
// umět, umějí; sázet, sázejí.
std::string_view et_vowel(std::string_view lemma) noexcept { return ends_with(lemma, "ět") ? "ě" : "e"; }

// Whether a stem ends in two consonants that do not close a syllable of
// their own. "ch" counts as one consonant, and r or l standing between
// consonants (or first before one) is a syllable peak, not part of a cluster.
bool ends_in_cluster(std::string_view stem) noexcept {
    // the last four letters are all that matter
    char32_t cs[4] = {0, 0, 0, 0};
    std::size_t n = 0;
    for (std::size_t i = 0; i < stem.size();) {
        auto d = utf8::decode(stem, i);
        if (n == 4) {
            cs[0] = cs[1], cs[1] = cs[2], cs[2] = cs[3];
            n = 3;
        }
        cs[n++] = d.cp;
        i += d.len;
    }
    auto vowel = [](char32_t c) { return c == U'ě' || is_vowel(c); };
    if (n == 0 || vowel(cs[n - 1])) return false;
    std::size_t k = n - 1;  // index of the last consonant unit's first letter
    if (cs[k] == U'h' && k > 0 && cs[k - 1] == U'c') --k;
    if (k == 0 || vowel(cs[k - 1])) return false;
    char32_t before = cs[k - 1];
    if (before == U'j') return false;  // půjč, přijď: j closes the syllable like a vowel
    if ((before == U'r' || before == U'l') && (k < 2 || !vowel(cs[k - 2]))) return false;
    return true;
}

std::optional<Class> parse_class(std::string_view code) noexcept {
    if (code == "uje") return Class::Uje;
    if (code == "a") return Class::A;
    if (code == "i") return Class::I;
    if (code == "et-i") return Class::EtI;
    if (code == "et-eji") return Class::EtEji;
    if (code == "ne") return Class::Ne;
    return std::nullopt;
}

std::optional<std::string_view> cell(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return c;
}

bool lemma_char(char32_t c) noexcept {
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'-') return true;
    return c >= 0xAA && unicode::is_alphabetic(c);
}

Class class_by_ending(std::string_view l) noexcept {
    if (l.size() >= 4 && ends_with(l, "ovat")) return Class::Uje;
    if (ends_with(l, "nout")) return Class::Ne;
    if (l.size() == 1) return Class::I;
    if (ends_with(l, "it")) return Class::I;
    if (ends_with(l, "et")) return Class::EtEji;
    if (l.size() >= 3 && ends_with(l, "ět")) return Class::EtEji;
    if (ends_with(l, "at")) return Class::A;
    return Class::I;
}

// The passive participle of an -it verb: the stem's final consonant softens
// before -en (prosit prošen, platit placen, chodit chozen, čistit čištěn,
// honit honěn), but zd stays (brzdit brzděn, jezdit jezděn, hnízdit
// hnízděn); other stems take -en unchanged (učen, koupen).
std::string i_passive(std::string_view stem) {
    if (ends_with(stem, "st")) return join(stem.substr(0, stem.size() - 2), "št", "ěn");
    if (ends_with(stem, "zd")) return join(stem, "ěn");
    if (ends_with(stem, "s")) return join(stem.substr(0, stem.size() - 1), "š", "en");
    if (ends_with(stem, "z")) return join(stem.substr(0, stem.size() - 1), "ž", "en");
    if (ends_with(stem, "t")) return join(stem.substr(0, stem.size() - 1), "c", "en");
    if (ends_with(stem, "d")) return join(stem.substr(0, stem.size() - 1), "z", "en");
    if (ends_with(stem, "n")) return join(stem, "ěn");
    return join(stem, "en");
}

constexpr std::array<std::string_view, 6> kPresentEndings[6] = {
    {"uji", "uješ", "uje", "ujeme", "ujete", "ují"},   // uje
    {"ám", "áš", "á", "áme", "áte", "ají"},             // a
    {"ím", "íš", "í", "íme", "íte", "í"},               // i
    {"ím", "íš", "í", "íme", "íte", "í"},               // et-i
    {"ím", "íš", "í", "íme", "íte", "ějí"},             // et-eji
    {"nu", "neš", "ne", "neme", "nete", "nou"},         // ne
};

}  // namespace

std::string_view class_code(Class c) noexcept {
    switch (c) {
        case Class::Uje: return "uje";
        case Class::A: return "a";
        case Class::I: return "i";
        case Class::EtI: return "et-i";
        case Class::EtEji: return "et-eji";
        case Class::Ne: return "ne";
    }
    return "i";
}

// For a lemma listed more than once the last row that the reader accepts
// wins: a class row needs a known code, an aspect row three cells.
std::optional<Class> listed_class(std::string_view lemma) {
    return lex::last_read(data::table::ces_classes, lemma, [](std::string_view line) -> std::optional<Class> {
        std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return std::nullopt;
        std::string_view rest = line.substr(tab + 1);
        return parse_class(rest.substr(0, rest.find('\t')));
    });
}

std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::ces_rows.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<Row::kColumns + 1>(*line);
    Row row;
    for (std::size_t i = 0; i < Row::kColumns; ++i) row.cells[i] = cell(c[i + 1]);
    return row;
}

std::optional<AspectEntry> find_aspect(std::string_view lemma) {
    return lex::last_read(data::table::ces_aspect, lemma, [](std::string_view line) -> std::optional<AspectEntry> {
        std::size_t t1 = line.find('\t');
        if (t1 == std::string_view::npos) return std::nullopt;
        std::size_t t2 = line.find('\t', t1 + 1);
        if (t2 == std::string_view::npos) return std::nullopt;
        std::string_view aspect = line.substr(t1 + 1, t2 - t1 - 1);
        std::string_view partners = line.substr(t2 + 1);
        partners = partners.substr(0, partners.find('\t'));
        std::string_view first = partners.substr(0, partners.find(','));
        return AspectEntry{aspect == "impf" ? "imperfective" : "perfective", first};
    });
}

constexpr std::string_view INFINITIVE_ENDINGS[] = {"t", "ti", "ct", "ci"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error{});
    std::string lower = unicode::to_lower(text);
    std::string_view lemma = unicode::trim(lower);
    if (lemma.empty()) return fail(Error{});
    for (std::size_t i = 0; i < lemma.size();) {
        auto d = utf8::decode(lemma, i);
        if (unicode::is_white_space(d.cp) || !lemma_char(d.cp)) return fail(Error{});
        i += d.len;
    }
    Verb verb;
    verb.lemma = std::string(lemma);
    auto listed = listed_class(lemma);
    verb.cls = listed ? *listed : class_by_ending(lemma);
    if (auto row = find_row(lemma)) {
        const auto& c = row->cells;
        for (std::size_t i = 0; i < 6; ++i) verb.present_override[i] = own(c[i]);
        for (std::size_t i = 0; i < 3; ++i) verb.imperative_override[i] = own(c[6 + i]);
        verb.l_participle_override = own(c[9]);
        verb.passive_override = own(c[10]);
        verb.transgressive_m_override = own(c[11]);
        verb.transgressive_fn_override = own(c[12]);
        verb.l_participle_fem_override = own(c[13]);
    }
    return verb;
}

std::string_view Verb::stem() const noexcept {
    std::string_view l = lemma;
    std::string_view ending;
    switch (cls) {
        case Class::Uje: ending = "ovat"; break;
        case Class::A: ending = "at"; break;
        case Class::I: ending = "it"; break;
        case Class::EtI:
        case Class::EtEji: ending = ends_with(l, "ět") ? "ět" : "et"; break;
        case Class::Ne: ending = "nout"; break;
    }
    if (ends_with(l, ending)) return l.substr(0, l.size() - ending.size());
    return l;
}

std::optional<std::string> Verb::imperative(int person, int number) const {
    if (person == 0 && number == 0) return std::nullopt;
    if (number == 0 && imperative_override[0]) return imperative_override[0];
    if (number == 1 && person == 0 && imperative_override[1]) return imperative_override[1];
    if (number == 1 && person == 1 && imperative_override[2]) return imperative_override[2];
    std::string base;
    if (imperative_override[0]) {
        base = *imperative_override[0];
    } else if (has_stem()) {
        std::string_view s = stem();
        switch (cls) {
            case Class::Uje: base = join(s, "uj"); break;
            case Class::A: base = join(s, "ej"); break;
            case Class::EtEji: base = join(s, et_vowel(lemma), "j"); break;
            case Class::Ne:
                // a vowel before -nout keeps the n soft and bare (miň, posuň, zapomeň)
                base = join(s, s.empty() || is_vowel(utf8::last(s)) ? "ň" : "ni");
                break;
            case Class::I:
            case Class::EtI: {
                // After a cluster no Czech word ends in the bare stem takes -i:
                // urči, ušetři, modli, jezdi, čisti (but tvrď, plň, drž, where
                // r or l between consonants is itself the vowel).
                if (ends_in_cluster(s)) {
                    base = join(s, "i");
                    break;
                }
                char32_t last = s.empty() ? 0 : utf8::last(s);
                std::string_view soft = last == U'd' ? "ď" : last == U'n' ? "ň" : last == U't' ? "ť" : "";
                base = soft.empty() ? std::string(s) : join(s.substr(0, s.size() - 1), soft);
                break;
            }
        }
    } else {
        return std::nullopt;
    }
    // A lemma that is nothing but its class ending ("it") leaves no base.
    if (base.empty()) return std::nullopt;
    if (number == 0) return base;
    std::string_view b = base;
    std::string plural_stem;
    if (ends_with(b, "i") && b.size() >= 2 && !is_vowel(utf8::last(b.substr(0, b.size() - 1)))) {
        std::string_view before = b.substr(0, b.size() - 1);
        plural_stem = join(before, e_after(before));
    } else {
        plural_stem = base;
    }
    return join(plural_stem, person == 0 ? "me" : "te");
}

std::string Verb::inflect_ptcp(std::string_view form, int gender, int number) {
    std::string_view ending;
    if (number == 0) {
        ending = gender == Feminine ? "a" : gender == Neuter ? "o" : "";
    } else {
        ending = gender == MascAnimate ? "i" : gender == Neuter ? "a" : "y";
    }
    return join(form, ending);
}

std::string Verb::past_participle(int gender, int number) const {
    bool masc_sg = number == 0 && (gender == MascAnimate || gender == MascInanimate);
    if (!masc_sg && l_participle_fem_override) {
        std::string_view f = *l_participle_fem_override;
        if (ends_with(f, "a")) f.remove_suffix(1);
        std::string joined = join(f, "#", inflect_ptcp("", gender, number));
        std::string out;
        out.reserve(joined.size());
        for (char ch : joined)
            if (ch != '#') out.push_back(ch);
        return out;
    }
    std::string masc;
    if (l_participle_override) {
        masc = *l_participle_override;
    } else {
        std::string_view l = lemma;
        if (l.size() < 4) {
            masc = join(utf8::drop_last_chars(l, 1), "l");
        } else if (ends_with(l, "nout")) {
            std::string_view rest = l.substr(0, l.size() - 4);
            masc = join(rest, rest.empty() || is_vowel(utf8::last(rest)) ? "nul" : "l");
        } else {
            masc = join(utf8::drop_last_chars(l, 1), "l");
        }
    }
    return inflect_ptcp(masc, gender, number);
}

std::optional<std::string> Verb::passive_participle(int gender, int number) const {
    std::string masc;
    if (passive_override) {
        masc = *passive_override;
    } else if (has_stem()) {
        std::string_view l = lemma;
        std::string_view s = stem();
        if (l.size() >= 4 && ends_with(l, "ovat")) {
            masc = join(s, "ován");
        } else if (ends_with(l, "nout")) {
            masc = join(l.substr(0, l.size() - 4), "nut");
        } else if (l.size() >= 2 && ends_with(l, "at")) {
            masc = join(s, "án");
        } else if (cls == Class::I && ends_with(l, "it")) {
            masc = i_passive(s);
        } else if (cls == Class::EtI || cls == Class::EtEji) {
            masc = join(s, et_vowel(l), "n");
        } else {
            masc = join(s, "en");
        }
    } else {
        return std::nullopt;
    }
    return inflect_ptcp(masc, gender, number);
}

std::optional<std::string> Verb::transgressive(int slot) const {
    std::optional<std::string> form;
    bool masculine = slot == 0;
    if (masculine ? transgressive_m_override.has_value() : transgressive_fn_override.has_value()) {
        form = masculine ? transgressive_m_override : transgressive_fn_override;
    } else if (has_stem()) {
        std::string_view s = stem();
        switch (cls) {
            case Class::Uje: form = join(s, masculine ? "uje" : "ujíc"); break;
            case Class::A: form = join(s, masculine ? "aje" : "ajíc"); break;
            case Class::I: form = masculine ? join(s, e_after(s)) : join(s, "íc"); break;
            case Class::EtI: form = masculine ? join(s, et_vowel(lemma)) : join(s, "íc"); break;
            case Class::EtEji: form = join(s, et_vowel(lemma), masculine ? "je" : "jíc"); break;
            case Class::Ne: form = join(s, masculine ? "na" : "nouc"); break;
        }
    }
    if (slot == 2 && form) form->push_back('e');
    return form;
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    if (auto entry = find_aspect(verb.lemma)) {
        t.aspect = std::string(entry->first);
        if (!entry->second.empty()) t.aspect_partner = std::string(entry->second);
    }
    std::string_view stem = verb.stem();
    const auto& endings = kPresentEndings[static_cast<int>(verb.cls)];
    for (std::size_t p = 0; p < 6; ++p) {
        if (verb.present_override[p]) {
            t.present[p] = *verb.present_override[p];
        } else if (verb.cls == Class::EtEji && p == 5) {
            t.present[p] = join(stem, et_vowel(verb.lemma), "jí");
        } else {
            t.present[p] = join(stem, endings[p]);
        }
    }
    t.imperative = {verb.imperative(1, 0), verb.imperative(0, 1), verb.imperative(1, 1)};
    static constexpr std::array<std::pair<int, int>, 6> kSlots = {{
        {MascAnimate, 0}, {Feminine, 0}, {Neuter, 0}, {MascAnimate, 1}, {Feminine, 1}, {Neuter, 1}}};
    for (std::size_t i = 0; i < 6; ++i) t.past_participle[i] = verb.past_participle(kSlots[i].first, kSlots[i].second);
    const std::string& sg = t.past_participle[0];
    const std::string& pl = t.past_participle[3];
    t.minuly_cas = {sg + " jsem", sg + " jsi", sg, pl + " jsme", pl + " jste", pl};
    t.kondicional = {sg + " bych", sg + " bys", sg + " by", pl + " bychom", pl + " byste", pl + " by"};
    if (verb.passive_participle(MascAnimate, 0)) {
        Row6 passive;
        for (std::size_t i = 0; i < 6; ++i)
            passive[i] = verb.passive_participle(kSlots[i].first, kSlots[i].second).value_or(std::string());
        t.passive_participle = std::move(passive);
    }
    t.transgressive = {verb.transgressive(0), verb.transgressive(1), verb.transgressive(2)};
    return t;
}

}  // namespace velnor::ces
