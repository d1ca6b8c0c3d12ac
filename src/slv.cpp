#include "slv.hpp"

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::slv {

using text::join;
using utf8::ends_with;
namespace {

constexpr std::array<std::string_view, 9> PRESENT_ENDINGS{"m", "š", "", "va", "ta", "ta", "mo", "te", "jo"};
// Indexed like the present slots; the first singular has no imperative.
constexpr std::array<std::string_view, 9> IMPERATIVE_ENDINGS{"", "", "", "va", "ta", "", "mo", "te", ""};
// Indexed gender * 3 + number.
constexpr std::array<std::string_view, 9> PARTICIPLE_ENDINGS{"", "a", "i", "a", "i", "e", "o", "i", "a"};

constexpr std::array<std::string_view, 9> PAST_AUX{"sem", "si", "je", "sva", "sta", "sta", "smo", "ste", "so"};
constexpr std::array<std::string_view, 9> FUTURE_AUX{"bom", "boš", "bo", "bova", "bosta", "bosta", "bomo", "boste", "bodo"};
constexpr std::array<std::string_view, 9> CONDITIONAL_AUX{"bi", "bi", "bi", "bi", "bi", "bi", "bi", "bi", "bi"};

std::string_view drop(std::string_view s, std::size_t n) { return s.substr(0, s.size() - n); }

std::optional<Class> class_word(std::string_view w) {
    if (w == "a") return Class::A;
    if (w == "i") return Class::I;
    if (w == "uje") return Class::Uje;
    if (w == "ne") return Class::Ne;
    return std::nullopt;
}

bool is_lemma_char(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-') return true;
    return c >= 0xAA && unicode::is_alphabetic(c);
}

}  // namespace

// A later row for the same lemma replaces an earlier one (a class row only
// when its class word is known).
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::slv.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<FieldCount + 1>(*line);
    Row row;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        std::string_view v = c[i + 1];  // empty when the line is short
        if (!v.empty() && v != "-") row.form[i] = v;
    }
    return row;
}

std::optional<Class> find_class(std::string_view lemma) {
    return lex::last_read(data::table::slv_classes, lemma, [](std::string_view line) -> std::optional<Class> {
        auto c = lex::split<2>(line);
        if (c.count < 2) return std::nullopt;
        return class_word(c[1]);
    });
}

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    std::string lower = unicode::to_lower(text);
    std::string_view lemma = unicode::trim(lower);
    if (lemma.empty()) return fail(Error{});
    for (char32_t c : utf8::chars(lemma)) {
        if (unicode::is_white_space(c) || !is_lemma_char(c)) return fail(Error{});
    }
    Verb verb;
    verb.lemma = std::string(lemma);
    if (auto cls = find_class(lemma)) {
        verb.cls = *cls;
    } else if (ends_with(lemma, "ovati") || ends_with(lemma, "evati")) {
        verb.cls = Class::Uje;
    } else if (ends_with(lemma, "ati")) {
        verb.cls = Class::A;
    } else {
        verb.cls = Class::I;
    }
    if (auto row = find_row(lemma)) verb.row = *row;
    return verb;
}

std::string Verb::stem() const {
    std::string_view l = lemma;
    switch (cls) {
        case Class::A:
            return std::string(ends_with(l, "ti") ? drop(l, 2) : l);
        case Class::I:
            return std::string(ends_with(l, "iti") || ends_with(l, "eti") ? drop(l, 3) : l);
        case Class::Uje:
            return join(ends_with(l, "ovati") || ends_with(l, "evati") ? drop(l, 5) : l, "uj");
        case Class::Ne:
            return std::string(ends_with(l, "iti") ? drop(l, 3) : l);
    }
    return std::string(l);
}

std::string Verb::present(int person, int number) const {
    std::size_t k = static_cast<std::size_t>(number * 3 + person);
    if (row.form[k]) return std::string(*row.form[k]);
    const auto& sg1 = row.form[Sg1];
    if (sg1 && ends_with(*sg1, "m")) return join(drop(*sg1, 1), PRESENT_ENDINGS[k]);
    std::string theme = stem();
    switch (cls) {
        case Class::A: break;
        case Class::I: theme += 'i'; break;
        case Class::Uje:
        case Class::Ne: theme += 'e'; break;
    }
    return join(theme, PRESENT_ENDINGS[k]);
}

std::optional<std::string> Verb::imperative(int person, int number) const {
    if (person == 0 && number == 0) return std::nullopt;
    std::size_t k = static_cast<std::size_t>(number * 3 + person);
    std::string base;
    if (row.form[Imp2Sg]) {
        base = std::string(*row.form[Imp2Sg]);
    } else {
        base = stem();
        switch (cls) {
            case Class::A: base += 'j'; break;
            case Class::I:
            case Class::Ne: base += 'i'; break;
            case Class::Uje: break;
        }
    }
    return join(base, IMPERATIVE_ENDINGS[k]);
}

std::string Verb::participle(int gender, int number) const {
    std::size_t k = static_cast<std::size_t>(gender * 3 + number);
    if (k != 0 && row.form[LPtcpFem]) {
        std::string_view f = *row.form[LPtcpFem];
        return join(ends_with(f, "a") ? drop(f, 1) : f, PARTICIPLE_ENDINGS[k]);
    }
    if (row.form[LPtcp]) return join(*row.form[LPtcp], PARTICIPLE_ENDINGS[k]);
    std::string_view l = lemma;
    std::string base(ends_with(l, "ti") ? drop(l, 2) : l);
    base += 'l';
    return join(base, PARTICIPLE_ENDINGS[k]);
}

std::string Verb::supine() const {
    if (row.form[Supine]) return std::string(*row.form[Supine]);
    std::string_view l = lemma;
    return std::string(ends_with(l, "i") ? drop(l, 1) : l);
}

Row9 analytic_row(const std::array<std::string_view, 9>& auxiliary, const Verb& verb) {
    const std::array<std::string, 3> masculine{verb.participle(0, 0), verb.participle(0, 1), verb.participle(0, 2)};
    Row9 out;
    for (std::size_t k = 0; k < 9; ++k) {
        const std::string& p = masculine[k / 3];
        out[k].reserve(auxiliary[k].size() + 1 + p.size());
        out[k].append(auxiliary[k]);
        out[k] += ' ';
        out[k].append(p);
    }
    return out;
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    t.supine = verb.supine();
    for (int number = 0; number < 3; ++number)
        for (int person = 0; person < 3; ++person)
            t.present[static_cast<std::size_t>(number * 3 + person)] = verb.present(person, number);
    t.imperative = {verb.imperative(1, 0), verb.imperative(0, 1), verb.imperative(1, 1),
                    verb.imperative(0, 2), verb.imperative(1, 2)};
    for (int gender = 0; gender < 3; ++gender)
        for (int number = 0; number < 3; ++number)
            t.participle[static_cast<std::size_t>(gender * 3 + number)] = verb.participle(gender, number);
    t.preteklik = analytic_row(PAST_AUX, verb);
    // "biti" forms its future with the auxiliary alone (bom, not *bom bil).
    if (verb.lemma == "biti") {
        for (std::size_t k = 0; k < 9; ++k) t.prihodnjik[k] = std::string(FUTURE_AUX[k]);
    } else {
        t.prihodnjik = analytic_row(FUTURE_AUX, verb);
    }
    t.pogojnik = analytic_row(CONDITIONAL_AUX, verb);
    return t;
}

}  // namespace velnor::slv
