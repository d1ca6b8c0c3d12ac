#include "ben.hpp"

#include <cstddef>

#include "brahmic.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::ben {

using text::join;
namespace {

constexpr std::string_view ANO = "ানো";   // causative ending
constexpr std::string_view ONO = "োনো";   // its spoken form (এগোনো)
constexpr std::string_view O_SIGN = "ো";
constexpr std::string_view O_YA = "োয়া";   // ধোয়া: a root in ো before য়া
constexpr std::string_view ON_YA = "োঁয়া";
constexpr std::string_view YA = "য়া";
constexpr std::string_view OYA = "ওয়া";  // vowel-final roots (য + nukta)
constexpr std::string_view AA_LETTER = "আ";
constexpr std::string_view AA_SIGN = "া";
constexpr std::string_view E_LETTER = "এ";
constexpr std::string_view E_SIGN = "ে";
constexpr std::string_view I_SIGN = "ি";

// The default perfect: the last া of the stem fronts to ে (থাম → থেম), else
// its last আ to এ (আন → এন), then ে is added (করে, থেমে, এনে).
std::string default_perfect(std::string_view high) {
    std::string s(high);
    std::size_t at = s.rfind(AA_SIGN);
    if (at != std::string::npos) {
        s.replace(at, AA_SIGN.size(), E_SIGN);
    } else if ((at = s.rfind(AA_LETTER)) != std::string::npos) {
        s.replace(at, AA_LETTER.size(), E_LETTER);
    }
    s.append(E_SIGN);
    return s;
}

// A stem that ends in a vowel: a vowel sign, a vowel letter, or a
// consonant with its inherent vowel (হ of হওয়া) counts when it is not
// followed by a virama. The raised grade of such a stem turns a final ো
// into ু and ে into ি (শো → শু, দে → দি); া and the rest stay.
std::string raised_vowel(std::string_view stem) {
    std::string s(stem);
    std::string_view tail = s;
    std::size_t cut = 0;
    if (tail.ends_with("ঁ")) cut = std::string_view("ঁ").size();  // a candrabindu stays after the vowel
    std::string_view body = tail.substr(0, tail.size() - cut);
    if (body.ends_with("ো")) s.replace(body.size() - 3, 3, "ু");
    else if (body.ends_with("ে")) s.replace(body.size() - 3, 3, "ি");
    return s;
}

// The stems of an unlisted vowel-final root (the -ওয়া verbs: ধোওয়া,
// নাওয়া, বওয়া), after the listed ones: a root in ো or ে raises in the
// past, the perfect, the progressive and the আমি/তুই present (ধুলাম,
// ধুয়ে, ধুচ্ছি, ধুই but ধোয়); a root in া takes ই in the past (নাইলাম)
// and fronts to ে in the perfect (নেয়ে), as গাওয়া does; a root in a bare
// consonant takes ই in the past, the future and the progressive (বইলাম,
// বইবো, বইছি, বয়ে).
void vowel_final_grades(Verb& v, std::string_view stem) {
    const bool bare = brahmic::ends_in_consonant(stem);
    const bool aa = stem.ends_with(AA_SIGN);
    const std::string raised = raised_vowel(stem);
    const std::string past = bare || aa ? join(stem, "ই") : raised;
    v.base = std::string(stem);
    v.high = bare ? past : std::string(stem);  // the future: বইবো, but ধোবো, নাবো
    v.past_stem = v.habitual_stem = v.nonfinite_stem = past;
    v.perfect = join(aa ? join(stem.substr(0, stem.size() - AA_SIGN.size()), E_SIGN) : raised, "য়ে");
    v.perfective = v.perfect;
    v.progressive = bare ? join(past, "ছ") : join(raised, "চ্ছ");
    v.present = Row5{join(raised, "ই"), join(raised, "স"), join(stem, "ও"), join(stem, "য়"), join(stem, "ন")};
}

// ধোয়া, ছোঁয়া: one consonant, ো (with its candrabindu), then য়া. Longer
// words in -োয়া are nouns and adjectives (ঘরোয়া, পরোয়া).
bool one_consonant_o_ya(std::string_view word) {
    std::string_view onset;
    if (word.ends_with(O_YA)) onset = word.substr(0, word.size() - O_YA.size());
    else if (word.ends_with(ON_YA)) onset = word.substr(0, word.size() - ON_YA.size());
    else return false;
    if (onset.ends_with("\u09BC")) onset.remove_suffix(std::string_view("\u09BC").size());
    return utf8::length(onset) == 1 && brahmic::ends_in_consonant(onset);
}

std::string value_or(const std::optional<std::string>& field, std::string_view rule) {
    return field ? *field : std::string(rule);
}

// Endings of the tenses 1 to 7, by person.
constexpr std::string_view ENDINGS[7][5] = {
    {"লাম", "লি", "লে", "লো", "লেন"},
    {"বো", "বি", "বে", "বে", "বেন"},
    {"তাম", "তিস", "তে", "তো", "তেন"},
    {"ি", "িস", "ো", "ে", "েন"},
    {"িলাম", "িলি", "িলে", "িলো", "িলেন"},
    {"ছি", "ছিস", "ছো", "ছে", "ছেন"},
    {"ছিলাম", "ছিলি", "ছিলে", "ছিলো", "ছিলেন"},
};

}  // namespace

std::optional<std::string> opt(std::string_view c) { return text::own(lex::optional_cell(c)); }

std::optional<Row5> five(std::string_view c) { return lex::owned_forms<5>(c); }

namespace lexicon {
// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find(std::string_view lemma) {
    auto line = data::table::ben.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<9>(*line);
    return LexEntry{opt(c.or_dash(1)), opt(c.or_dash(2)), opt(c.or_dash(3)), opt(c.or_dash(4)),
                    opt(c.or_dash(5)), opt(c.or_dash(6)), opt(c.or_dash(7)), five(c.or_dash(8))};
}
}  // namespace lexicon

constexpr std::string_view INFINITIVE_ENDINGS[] = {AA_SIGN, ANO, ONO};
constexpr unicode::Spelling SPELLING{unicode::Script::Bengali, U"", true, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto trimmed = unicode::word_of(text, SPELLING);
    if (!trimmed) return fail(Error{});
    auto [head, word] = text::split_head(*trimmed);
    if (!brahmic::well_formed(word)) return fail(Error{});
    auto found = lexicon::find(word);
    const LexEntry* lex = found ? &*found : nullptr;

    Verb v;
    // The verbal nouns in -োনো (এগোনো, বেরোনো, ঘুমোনো) are the -ানো verbs
    // of the spoken standard: ো stands wherever -ানো has া (এগোই, এগোলাম,
    // এগোচ্ছি), and the participle fronts the same way (এগিয়ে). Their root
    // has two letters at least: কোনো and শোনো are no verbal nouns.
    const bool ono = word.ends_with(ONO) && utf8::length(word) - 3 >= 2;
    if ((word.size() >= ANO.size() && word.ends_with(ANO)) || ono) {
        std::string_view root = word.substr(0, word.size() - ANO.size());
        if (root.empty() || !brahmic::ends_in_consonant(root)) return fail(Error{});
        std::string a = join(root, ono ? O_SIGN : AA_SIGN);
        // The participle raises the root vowel as the plain verb does
        // (শেখানো: শিখিয়ে, বোঝানো: বুঝিয়ে), taking the raised grade of the
        // plain verb's row when it has one. A vowel-final root takes ই, not
        // a second vowel sign: খাওয়ানো → খাইয়ে, শোওয়ানো → শুইয়ে.
        std::string plain = join(root, AA_SIGN);
        auto raising = lexicon::find(plain);
        std::string_view high = raising && raising->high ? std::string_view(*raising->high) : root;
        if (!raising && plain.ends_with(OYA)) high = std::string_view(plain).substr(0, plain.size() - OYA.size());
        else if (!raising && one_consonant_o_ya(plain))
            high = std::string_view(plain).substr(0, plain.size() - YA.size());
        std::string r = brahmic::ends_in_consonant(high) ? join(high, I_SIGN) : join(raised_vowel(high), "ই");
        v.head = std::string(head);
        v.infinitive = std::string(word);
        v.base = v.high = v.past_stem = v.habitual_stem = v.nonfinite_stem = a;
        // The perfective participle of a causative is the fronted form
        // (করিয়ে, বানিয়ে); করায় is the third-person present, not a participle.
        v.perfect = join(r, "য়ে");
        v.perfective = v.perfect;
        v.progressive = join(a, "চ্ছ");
        v.present = Row5{join(a, "ই"), join(a, "স"), join(a, "ও"), join(a, "য়"), join(a, "ন")};
        return v;
    }

    std::string_view stem;
    // A root in ো may be written with য়া alone, as ধোয়া beside ধোওয়া
    // (রোয়া, খোয়া, নোয়া): the same vowel-final root.
    const bool o_ya = !lex && one_consonant_o_ya(word);
    const bool vowel_final = (word.size() >= OYA.size() && word.ends_with(OYA)) || o_ya;
    if (o_ya) {
        stem = word.substr(0, word.size() - YA.size());
    } else if (vowel_final) {
        stem = word.substr(0, word.size() - OYA.size());
    } else if (word.size() >= 3 && (word.ends_with(AA_LETTER) || word.ends_with(AA_SIGN))) {
        stem = word.substr(0, word.size() - 3);
    } else {
        return fail(Error{});
    }
    if (stem.empty()) return fail(Error{});
    // The endings open with vowel signs: a stem must end in a consonant
    // (or, before ওয়া, in a vowel).
    if (!vowel_final && !lex && !brahmic::ends_in_consonant(stem)) return fail(Error{});
    if (vowel_final && utf8::last(stem) == 0x09CD) return fail(Error{});

    v.head = std::string(head);
    v.infinitive = std::string(word);
    if (vowel_final && !lex) {
        vowel_final_grades(v, stem);
        return v;
    }
    v.base = lex ? value_or(lex->base, stem) : std::string(stem);
    v.high = lex ? value_or(lex->high, stem) : std::string(stem);
    v.past_stem = lex ? value_or(lex->past_stem, v.high) : v.high;
    v.habitual_stem = lex ? value_or(lex->habitual_stem, v.high) : v.high;
    v.nonfinite_stem = lex ? value_or(lex->nonfinite_stem, v.high) : v.high;
    v.perfect = lex && lex->perfect ? *lex->perfect : default_perfect(v.high);
    v.perfective = v.perfect;
    v.progressive = lex && lex->progressive ? *lex->progressive : join(v.high, "ছ");
    if (lex) v.present = lex->present;
    return v;
}

std::string Verb::finite(int tense, Person person) const {
    const auto p = static_cast<std::size_t>(person);
    if (tense == 0) {
        if (present) return join(head, (*present)[p]);
        switch (person) {
            case Person::Ami: return join(head, high, "ি");
            case Person::Tui: return join(head, high, "িস");
            case Person::Tumi: return join(head, base, "ো");
            case Person::Se: return join(head, base, "ে");
            case Person::Apni: return join(head, base, "েন");
        }
        return head;
    }
    if (tense < 1 || tense > 7 || p > 4) return head;
    std::string_view ending = ENDINGS[tense - 1][p];
    std::string_view grade;
    switch (tense) {
        case 1: grade = past_stem; break;
        case 2: grade = high; break;
        case 3: grade = habitual_stem; break;
        case 4:
        case 5: grade = progressive; break;
        default: grade = perfect; break;
    }
    // A stem in ল takes the ল endings plainly, as standard spelling writes
    // them: বললাম, খেললাম (not বল্লাম).
    return join(head, grade, ending);
}

std::string Verb::verbal_infinitive() const { return join(head, nonfinite_stem, "তে"); }

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = join(verb.head, verb.infinitive);
    t.verbal_infinitive = verb.verbal_infinitive();
    t.perfective = join(verb.head, verb.perfective);
    t.habitual_participle = t.perfective;
    t.progressive_participle = t.verbal_infinitive;
    t.conditional = join(verb.head, verb.past_stem, "লে");
    Row5* rows[8] = {&t.present,          &t.past,           &t.future,          &t.habitual,
                     &t.present_progressive, &t.past_progressive, &t.present_perfect, &t.past_perfect};
    for (int tense = 0; tense < 8; ++tense)
        for (int p = 0; p < 5; ++p) (*rows[tense])[p] = verb.finite(tense, static_cast<Person>(p));
    return t;
}

}  // namespace velnor::ben
