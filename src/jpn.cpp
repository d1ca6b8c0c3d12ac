// Japanese conjugation: lexicon lookup and the six base forms.
#include "jpn.hpp"

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::jpn {

using text::join;
namespace {

// The lemma without `suffix` when it is at least 6 bytes long and ends so;
// the whole lemma otherwise.
std::string_view strip(std::string_view lemma, std::string_view suffix) noexcept {
    if (lemma.size() >= 6 && utf8::ends_with(lemma, suffix)) return lemma.substr(0, lemma.size() - suffix.size());
    return lemma;
}

// Whether the lemma is one kanji and する (発する, 愛する).
bool one_kanji_suru(std::string_view lemma) noexcept {
    std::string_view p = strip(lemma, "する");
    return p != lemma && utf8::length(p) == 1 && unicode::in_script(utf8::first(p), unicode::Script::Han);
}

struct Entry {
    Class cls;
    Mark mark;
};

// The class and mark of a lemma's first row; none when no row has the
// lemma, or its first row has no class cell or an unknown code (such a
// lemma is refused, and no later row can win).
std::optional<Entry> lookup(std::string_view lemma) {
    auto line = data::table::jpn.first(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<3>(*line);
    if (c.count < 2) return std::nullopt;
    Entry e{Class::Ichidan, Mark::None};
    if (!class_of_code(c[1], e.cls)) return std::nullopt;
    if (c.count > 2) e.mark = c[2] == "sa" ? Mark::Sa : c[2] == "noimp" ? Mark::NoImperative : Mark::None;
    if (e.mark == Mark::None && e.cls == Class::Suru && one_kanji_suru(lemma)) e.mark = Mark::Seyo;
    return e;
}

// The class of a kana spelling that is not a row of its own, read through
// the listed verbs it spells (さす: 差す, 指す, 刺す): none when it spells no
// listed verb or verbs of different classes (きる: 切る, 着る). The mark is
// the verbs' own when they agree on it.
std::optional<Entry> kana_entry(std::string_view word) {
    std::optional<Entry> found;
    for (std::string_view line : data::table::jpn_readings.rows(word)) {
        auto e = lookup(lex::split<2>(line)[1]);
        if (!e || (found && found->cls != e->cls)) return std::nullopt;
        // The written せよ belongs to the kanji: a kana spelling is also the
        // spoken word (そうする "do so" beside 奏する), whose imperative is しろ.
        if (e->mark == Mark::Seyo) e->mark = Mark::None;
        if (found && found->mark != e->mark) e->mark = Mark::None;
        found = e;
    }
    return found;
}

constexpr std::string_view GOZARU[] = {"ござる", "御座る"};

struct Kana {
    std::string_view final, a, i, e;
};

constexpr std::array<Kana, 9> GODAN_ROWS{{
    {"う", "わ", "い", "え"}, {"く", "か", "き", "け"}, {"ぐ", "が", "ぎ", "げ"},
    {"す", "さ", "し", "せ"}, {"つ", "た", "ち", "て"}, {"ぬ", "な", "に", "ね"},
    {"ぶ", "ば", "び", "べ"}, {"む", "ま", "み", "め"}, {"る", "ら", "り", "れ"},
}};

enum class Row { A, I, E };

// The a-, i- or e-row kana of a godan final; any other character stays.
std::string_view godan_row(std::string_view k, Row row) noexcept {
    for (const Kana& kana : GODAN_ROWS) {
        if (kana.final == k) return row == Row::A ? kana.a : row == Row::I ? kana.i : kana.e;
    }
    return k;
}

std::string_view past_ending(Class cls, std::string_view k) noexcept {
    if (cls == Class::GodanIku) return "った";
    if (cls == Class::GodanU) return "うた";
    if (k == "く") return "いた";
    if (k == "ぐ") return "いだ";
    if (k == "す") return "した";
    if (k == "ぬ" || k == "ぶ" || k == "む") return "んだ";
    return "った";
}


}  // namespace

bool class_of_code(std::string_view code, Class& out) noexcept {
    static constexpr std::array<std::string_view, 8> CODES{
        "ichidan", "godan", "godan_iku", "godan_u", "rspecial", "suru", "zuru", "kuru"};
    for (std::size_t i = 0; i < CODES.size(); ++i) {
        if (CODES[i] == code) {
            out = static_cast<Class>(i);
            return true;
        }
    }
    return false;
}

std::pair<std::string_view, std::string_view> split_last(std::string_view text) noexcept {
    std::string_view rest = utf8::drop_last_chars(text, 1);
    return {rest, text.substr(rest.size())};
}

constexpr unicode::Spelling SPELLING{unicode::Script::Japanese};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto written = unicode::word_of(text, SPELLING);
    if (!written) return fail(Error::NotAVerb);
    const std::string_view word = *written;
    auto e = lookup(word);
    if (!e) e = kana_entry(word);
    if (!e) return fail(Error::Unknown);
    return Verb{std::string(word), e->cls, e->mark};
}

// The form of a verb without an imperative in use.
constexpr std::string_view NO_FORM = "—";

std::string Verb::form(Form which) const {
    if (which == Form::Terminal) return lemma;
    if (which == Form::Imperative && mark == Mark::NoImperative) return std::string(NO_FORM);
    auto [s, k] = split_last(lemma);
    const int f = static_cast<int>(which);
    switch (cls) {
    case Class::Ichidan: {
        static constexpr std::array<std::string_view, 6> END{"", "", "", "れ", "ろ", "た"};
        // くれる gives the bare stem as its imperative (くれ, never くれろ).
        if (which == Form::Imperative && (lemma == "くれる" || lemma == "呉れる")) return std::string(s);
        return join(s, END[f]);
    }
    case Class::Godan:
    case Class::GodanIku:
    case Class::GodanU:
    case Class::RSpecial:
        switch (which) {
        case Form::Continuative: return join(s, cls == Class::RSpecial ? "い" : godan_row(k, Row::I));
        case Form::Irrealis: return join(s, godan_row(k, Row::A));
        case Form::Hypothetical: return join(s, godan_row(k, Row::E));
        // The honorifics take い: いらっしゃい, ください, おっしゃい, なさい; ござる
        // keeps the e-row (ござれ).
        case Form::Imperative:
            return join(s, cls == Class::RSpecial && !utf8::ends_with_one_of(lemma, GOZARU) ? "い"
                                                                                         : godan_row(k, Row::E));
        default:
            // ゆく, read like 行く, has its past: いった.
            if (cls == Class::GodanIku && utf8::ends_with(s, "ゆ")) return join(utf8::drop_last_chars(s, 1), "いった");
            return join(s, past_ending(cls, k));
        }
    case Class::Suru: {
        static constexpr std::array<std::string_view, 6> END{"", "し", "し", "すれ", "しろ", "した"};
        std::string_view p = strip(lemma, "する");
        // A one-kanji verb keeps the written imperative せよ (発せよ, 察せよ); those
        // marked "sa" take the irrealis and imperative of the godan 〜す (愛さ, 愛せ).
        if (mark == Mark::Sa && which == Form::Irrealis) return join(p, "さ");
        if (mark == Mark::Sa && which == Form::Imperative) return join(p, "せ");
        if (mark == Mark::Seyo && which == Form::Imperative) return join(p, "せよ");
        return join(p, END[f]);
    }
    case Class::Zuru: {
        static constexpr std::array<std::string_view, 6> END{"", "じ", "じ", "ずれ", "じろ", "じた"};
        return join(strip(lemma, "ずる"), END[f]);
    }
    case Class::Kuru:
        if (lemma.size() >= 6 && utf8::ends_with(lemma, "くる")) {
            static constexpr std::array<std::string_view, 6> END{"", "き", "こ", "くれ", "こい", "きた"};
            return join(lemma.substr(0, lemma.size() - 6), END[f]);
        } else {
            static constexpr std::array<std::string_view, 6> END{"", "", "", "れ", "い", "た"};
            return join(s, END[f]);
        }
    }
    return lemma;
}

Table Table::build(const Verb& verb) {
    return Table{verb.form(Form::Terminal), verb.form(Form::Continuative), verb.form(Form::Irrealis),
                 verb.form(Form::Hypothetical), verb.form(Form::Imperative), verb.form(Form::Past)};
}

}  // namespace velnor::jpn
