#include "fin.hpp"

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::fin {

using text::join;
using utf8::ends_with;
namespace {

constexpr std::string_view kNone = "\xE2\x80\x94";  // U+2014: a form the verb lacks

// The text without one final `suffix`, when it ends in it.
std::string_view strip(std::string_view s, std::string_view suffix) {
    return ends_with(s, suffix) ? s.substr(0, s.size() - suffix.size()) : s;
}

std::string_view minus_last(std::string_view s) { return utf8::drop_last_chars(s, 1); }

// Whether the text has at least two characters and its last two are equal.
bool double_end(std::string_view s) {
    if (utf8::length(s) < 2) return false;
    std::string_view two = utf8::last_chars(s, 2);
    return utf8::first(two) == utf8::last(two);
}

bool is_vowel(char32_t c) {
    switch (c) {
    case U'a': case U'e': case U'i': case U'o': case U'u': case U'y': case U'ä': case U'ö': return true;
    default: return false;
    }
}

// The strong grade of an -ella/-ellä stem, where its consonant shows the
// weak one (ajatel: ajattel, kuunnel: kuuntel, ommel: ompel, vältel:
// välttel, kimallel: kimaltel); any other stem is returned unchanged (kysel,
// aavistel, kävel). A k lost in the weak grade (jaella: jakelen) cannot be
// seen and is listed.
std::string ella_strong(std::string_view stem) {
    if (!ends_with(stem, "el")) return std::string(stem);
    std::string_view head = stem.substr(0, stem.size() - 2);
    static constexpr std::pair<std::string_view, std::string_view> PAIRS[] = {
        {"nn", "nt"}, {"mm", "mp"}, {"rr", "rt"}, {"ll", "lt"}, {"ng", "nk"},
        {"hd", "ht"}, {"lt", "ltt"}, {"rt", "rtt"}, {"t", "tt"}, {"k", "kk"},
        {"p", "pp"}, {"d", "t"}};
    for (auto [weak, strong] : PAIRS) {
        if (!ends_with(head, weak)) continue;
        std::string_view before = head.substr(0, head.size() - weak.size());
        if (before.empty() || !is_vowel(utf8::last(before))) return std::string(stem);
        return join(join(before, strong), "el");
    }
    return std::string(stem);
}

// The weak grade of a type-I stem ending in o, u, y, ö, i or e, where the
// consonants before that vowel gradate: nt, lt, rt, mp, nk, ht, tt, kk, pp,
// and a single t or p after a vowel (kaatu: kaadu, käänty: käänny, tapahtu:
// tapahdu, sopi: sovi). A single k, whose weak grade cannot be told, and any
// other stem give the stem unchanged.
std::string type1_weak(std::string_view stem) {
    if (utf8::length(stem) < 3) return std::string(stem);
    const char32_t v = utf8::last(stem);
    if (!is_vowel(v) || v == U'a' || v == U'ä') return std::string(stem);
    std::string_view head = minus_last(stem);
    static constexpr std::pair<std::string_view, std::string_view> PAIRS[] = {
        {"nt", "nn"}, {"lt", "ll"}, {"rt", "rr"}, {"mp", "mm"}, {"nk", "ng"}, {"ht", "hd"},
        {"lp", "lv"}, {"rp", "rv"}, {"lke", "lje"}, {"rke", "rje"},
        {"tt", "t"}, {"kk", "k"}, {"pp", "p"}, {"t", "d"}, {"p", "v"}};
    for (auto [strong, weak] : PAIRS) {
        // lk and rk weaken to lj and rj before e only (kulkea: kuljen).
        const bool with_vowel = strong.size() == 3;
        std::string_view s = with_vowel ? stem : head;
        if (!ends_with(s, strong)) continue;
        std::string_view before = s.substr(0, s.size() - strong.size());
        if (before.empty()) return std::string(stem);
        const char32_t b = utf8::last(before);
        // A double stop may follow a vowel or l, r, n, h, m (karttua: kartun);
        // any other cluster follows a vowel.
        const bool doubled = strong == "tt" || strong == "kk" || strong == "pp";
        if (!is_vowel(b) && !(doubled && (b == U'l' || b == U'r' || b == U'n' || b == U'h' || b == U'm')))
            return std::string(stem);
        return with_vowel ? join(before, weak) : join(before, weak, utf8::last_chars(stem, 1));
    }
    return std::string(stem);
}

// First parts that are no words of their own: a verb compounded with one
// takes the forms of its last part (kaukosäätää: kaukosäädän like säätää;
// salakaupata: salakauppaan; kaukomaistaa: kaukomaistoin like maistoin).
constexpr std::string_view BOUND_PARTS[] = {"epä", "esi", "etä", "kauko", "koe", "liki", "sala", "sisä"};

// Adverbs and other free words before a verb do the same (jälkiasentaa:
// jälkiasennan; uudelleenjakaa: uudelleenjaan, uudelleenjakoi; yliajaa:
// yliajoi), where what follows begins as a word does, not with two
// consonants: alistaa is no ali + staa.
constexpr std::string_view FREE_PARTS[] = {"jälki",  "yli",    "ali",       "alle",    "läpi",     "ulos",
                                           "irti",   "ilmi",   "vasta",     "vastaan", "sisään",   "uudelleen",
                                           "jälleen", "takaisin", "ennakko"};

// The word after its longest first part (and a hyphen), when at least three
// letters follow; else the whole word.
std::string_view last_part(std::string_view word) {
    std::string_view best = word;
    auto after = [&](std::string_view part, bool free) {
        if (!utf8::starts_with(word, part)) return;
        std::string_view last = word.substr(part.size());
        if (utf8::starts_with(last, "-")) last.remove_prefix(1);
        if (utf8::length(last) < 3 || last.size() >= best.size()) return;
        if (free && !is_vowel(utf8::first(last)) && !is_vowel(utf8::first(utf8::drop_first_chars(last, 1)))) return;
        best = last;
    };
    for (std::string_view part : BOUND_PARTS) after(part, false);
    for (std::string_view part : FREE_PARTS) after(part, true);
    return best;
}

// Whether a stem ends in a double t that gradates: after a vowel or l, r,
// n, h, m (kiusoitt, puhdistutt, heitt).
bool weak_tt(std::string_view stem) {
    if (!ends_with(stem, "tt") || stem.size() < 3) return false;
    const char32_t b = utf8::last(stem.substr(0, stem.size() - 2));
    return is_vowel(b) || b == U'l' || b == U'r' || b == U'n' || b == U'h' || b == U'm';
}

// The cells of an unlisted verb whose infinitive the type-I rule alone
// does not give: the conjugation type that the ending determines gives them.
// Gradation is taken where the consonants show it (type I with a stem in
// -o, -u, -i, -e; -ella); verbs whose grade they do not show (a lost k,
// the -aa verbs, the -ata verbs) are listed.
//   vowel + a:        kaatua, oppia, lähteä (kaadun, opin, lähdin); ahmia (ahmin)
//   vowel + da:       saada, voida, juoda (saan, saa, sain, saanut, saatiin)
//   -lla -nna -rra -sta: tulla, mennä, purra, pestä (tulen, tulin, tullut);
//                     ajatella (ajattelen)
//   -ata -ota -uta -ytä -ötä -ätä: halata, haluta (halaan, halasi, halannut)
//   -eta:             vanheta (vanhenen, vanheni, vanhennut)
//   -ita:             tarvita (tarvitsen, tarvitsi, tarvinnut)
std::array<std::optional<std::string>, CellCount> ending_cells(std::string_view lemma) {
    std::array<std::optional<std::string>, CellCount> c;
    if (utf8::length(lemma) < 4) return c;
    const char32_t a = utf8::last(lemma);
    if (a != U'a' && a != U'ä') return c;
    const bool back = a == U'a';
    auto h = [back](std::string_view b, std::string_view f) { return std::string(back ? b : f); };
    const std::string A = h("a", "ä");
    std::string_view rest = utf8::drop_last_chars(lemma, 1);
    const char32_t k = utf8::last(rest);
    if (is_vowel(k)) {
        // Type I. Stems in -o, -u, -i, -e with a gradating consonant before
        // that vowel have the weak grade in the first and second persons,
        // the past but its third person, and the passive (kaatua: kaadun,
        // kaaduin, kaatui, kaadutaan; aktivoitua: aktivoidun; oppia: opin,
        // oppi; lähteä: lähden, lähdin, lähti, lähdetään).
        const std::string weak = type1_weak(rest);
        if (k != a && weak != rest) {
            std::string_view w = weak;
            const bool e = k == U'e';
            c[P1sg] = join(w, "n");
            c[Pst1sg] = e ? join(minus_last(w), "in") : k == U'i' ? join(w, "n") : join(w, "in");
            c[Pst3sg] = e ? join(minus_last(rest), "i") : k == U'i' ? std::string(rest) : join(rest, "i");
            c[PassPrs] = join(w, h("taan", "tään"));
            c[PassPst] = join(w, "ttiin");
            return c;
        }
        // -ia/-iä: the past is the stem itself (ahmin, ahmi).
        if (k == U'i') c[Pst1sg] = join(rest, "n");
        if (k != a && k != U'e') return c;
        // Before the past i, -aa/-ää and -ea/-eä lose their stem vowel, and a
        // two-syllable -aa verb whose first vowel is a, e or i takes -oi
        // (ajoi, kantoi; osti, rakasti), counted after a bound first part
        // (kaukomaistoi); their passive stem ends in e (ostetaan, lasketaan).
        std::string_view bare = minus_last(rest);
        int syllables = 0;
        char32_t first = 0, prev = 0;
        for (char32_t ch : utf8::chars(last_part(lemma))) {
            if (is_vowel(ch) && !is_vowel(prev)) {
                ++syllables;
                if (!first) first = ch;
            }
            prev = ch;
        }
        const bool oi = k == U'a' && syllables == 2 && (first == U'a' || first == U'e' || first == U'i');
        if (k == a && weak_tt(bare)) {
            // -ttaa/-ttää (kiusoittaa, puhdistuttaa, heittää): the weak grade
            // t wherever type I has it, tt in the third persons (kiusoitan,
            // kiusoitin, kiusoitti, kiusoitetaan).
            std::string_view w = minus_last(bare);
            c[P1sg] = join(w, A, "n");
            c[Pst1sg] = join(w, oi ? "oin" : "in");
            c[Pst3sg] = join(bare, oi ? "oi" : "i");
            c[PassPrs] = join(w, "e", h("taan", "tään"));
            c[PassPst] = join(w, "ettiin");
            return c;
        }
        c[Pst1sg] = join(bare, oi ? "oin" : "in");
        std::string passive = k == U'e' ? std::string(rest) : join(bare, "e");
        c[PassPrs] = join(passive, h("taan", "tään"));
        c[PassPst] = join(passive, "ttiin");
        return c;
    }
    std::string_view base = utf8::drop_last_chars(rest, 1);  // before the consonant
    const char32_t v = utf8::last(base);
    if (k == U'd' && is_vowel(v) && utf8::length(base) >= 2 && is_vowel(utf8::last(minus_last(base)))) {
        // Long vowel or diphthong stem.
        std::string stem(base), past;
        std::string_view two = utf8::last_chars(base, 2);
        if (v == U'i') past = stem;
        else if (two == "uo") past = join(utf8::drop_last_chars(base, 2), "oi");
        else if (two == "yö") past = join(utf8::drop_last_chars(base, 2), "öi");
        else if (two == "ie") past = join(utf8::drop_last_chars(base, 2), "ei");
        else if (double_end(base)) past = join(minus_last(base), "i");
        else return c;
        c[P1sg] = join(stem, "n");
        c[P3sg] = stem;
        c[Pst1sg] = join(past, "n");
        c[Nut] = join(stem, h("nut", "nyt"));
        c[PassPrs] = join(lemma, h("an", "än"));
        c[PassPst] = join(stem, "tiin");
        c[P3pl] = join(stem, h("vat", "vät"));
        return c;
    }
    if ((k == U'l' || k == U'n' || k == U'r') && v == k) {
        std::string_view root = minus_last(base);
        if (root.empty() || !is_vowel(utf8::last(root))) return c;
        std::string cc = std::string(base) + std::string(utf8::last_chars(base, 1));  // tull, menn
        // The present and past of -ella/-ellä take the strong grade.
        const std::string strong = k == U'l' ? ella_strong(base) : std::string(base);
        c[P1sg] = join(strong, "en");
        c[P3sg] = join(strong, "ee");
        c[Pst1sg] = join(strong, "in");
        c[Nut] = join(cc, h("ut", "yt"));
        c[PassPrs] = join(lemma, h("an", "än"));
        c[PassPst] = join(base, "tiin");
        return c;
    }
    if (k != U't') return c;
    if (v == U's') {
        std::string_view root = minus_last(base);
        if (root.empty() || !is_vowel(utf8::last(root))) return c;
        c[P1sg] = join(root, "sen");
        c[P3sg] = join(root, "see");
        c[Pst1sg] = join(root, "sin");
        c[Nut] = join(root, h("ssut", "ssyt"));
        c[PassPrs] = join(lemma, h("an", "än"));
        c[PassPst] = join(base, "tiin");
        return c;
    }
    if (!is_vowel(v) || utf8::length(base) < 2) return c;
    c[Nut] = join(base, h("nnut", "nnyt"));
    c[PassPrs] = join(lemma, h("an", "än"));
    c[PassPst] = join(rest, "tiin");
    c[Imp2pl] = join(base, h("tkaa", "tkää"));
    if (v == U'e') {
        c[P1sg] = join(base, "nen");
        c[P3sg] = join(base, "nee");
        c[Pst1sg] = join(base, "nin");
    } else if (v == U'i') {
        c[P1sg] = join(base, "tsen");
        c[P3sg] = join(base, "tsee");
        c[Pst1sg] = join(base, "tsin");
    } else {
        std::string strong = join(base, A);
        c[P1sg] = join(strong, "n");
        c[P3sg] = (v == a) ? strong : join(strong, A);
        c[Pst1sg] = join(base, "sin");
        c[P3pl] = join(strong, h("vat", "vät"));
    }
    return c;
}

int slot(Person person, bool plural) { return static_cast<int>(person) + (plural ? 3 : 0); }

}  // namespace

// A later row with the same lemma replaces an earlier one; the cells are
// copies.
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::fin.last(lemma);
    if (!line) return std::nullopt;
    return Row{lex::optional_cells<CellCount>(*line)};
}

constexpr std::string_view INFINITIVE_ENDINGS[] = {"a", "ä", "da", "dä", "ta", "tä", "la", "lä", "na", "nä", "ra", "rä"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, INFINITIVE_ENDINGS, U"", true};

namespace {

// Every Finnish verb has a vowel before its infinitive's final a or ä, in
// the part after its last hyphen too: "ka" or "vaa-ka" is no verb (it
// would give the bare endings kn, vaa-kn).
bool has_stem_vowel(std::string_view word) {
    const std::size_t hyphen = word.rfind('-');
    std::string_view last = hyphen == std::string_view::npos ? word : word.substr(hyphen + 1);
    last = utf8::drop_last_chars(last, 1);
    for (char32_t c : utf8::chars(last)) {
        switch (c) {
            case U'a': case U'e': case U'i': case U'o': case U'u': case U'y': case U'ä': case U'ö': case U'å':
                return true;
            default: break;
        }
    }
    return false;
}

// A verb with a bound first part and no row of its own: its last part's
// row, with the first part before every cell.
std::optional<Row> compound_row(std::string_view word) {
    std::string_view last = last_part(word);
    if (last.size() == word.size()) return std::nullopt;
    auto row = find_row(last);
    if (!row) return std::nullopt;
    std::string_view head = word.substr(0, word.size() - last.size());
    for (auto& cell : row->cells)
        if (cell && *cell != kNone) cell = join(head, *cell);
    return row;
}

}  // namespace

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto lowered = unicode::lower_word_of(text, SPELLING, unicode::is_letter_or_hyphen);
    if (!lowered) return fail(Error{});
    const std::string_view word = *lowered;
    if (!has_stem_vowel(word)) return fail(Error{});
    Verb verb;
    verb.lemma = std::string(word);
    if (auto row = find_row(verb.lemma)) verb.cells = std::move(row->cells);
    else if (auto compound = compound_row(verb.lemma)) verb.cells = std::move(compound->cells);
    else verb.cells = ending_cells(verb.lemma);
    return verb;
}

// Back or front: a -nut/-nyt participle cell decides first, then the last
// harmonic vowel of the lemma; neutral words take the front form.
std::string Verb::h(std::string_view back, std::string_view front) const {
    if (const auto& n = cell(Nut); n && n->size() >= 2) {
        if (ends_with(*n, "yt")) return std::string(front);
        if (ends_with(*n, "ut")) return std::string(back);
    }
    std::string_view s = lemma;
    std::size_t end = s.size();
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(s, end);
        end -= d.len;
        switch (d.cp) {
        case U'a': case U'o': case U'u': return std::string(back);
        case U'y': case U'ä': case U'ö': return std::string(front);
        default: break;
        }
    }
    return std::string(front);
}

// A suffix on a present or past stem follows the harmonic vowel among the
// stem's final vowels (seistä: seiso-, seisoi-: seisovat, seisoivat,
// seisova); where they have none (teke-, aivopese-, sei-) the verb's
// harmony decides.
std::string Verb::h_of(std::string_view stem, std::string_view back, std::string_view front) const {
    std::size_t end = stem.size();
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(stem, end);
        end -= d.len;
        switch (d.cp) {
        case U'a': case U'o': case U'u': return std::string(back);
        case U'y': case U'ä': case U'ö': return std::string(front);
        case U'e': case U'i': continue;
        default: return h(back, front);
        }
    }
    return h(back, front);
}

std::string Verb::nut() const {
    if (const auto& n = cell(Nut)) return *n;
    return join(minus_last(lemma), h("nut", "nyt"));
}

std::string Verb::weak() const {
    if (const auto& p = cell(P1sg)) return std::string(strip(*p, "n"));
    return std::string(minus_last(lemma));
}

std::string Verb::lengthened() const {
    std::string_view stem = minus_last(lemma);
    if (stem.empty()) return "a";
    return join(stem, utf8::last_chars(stem, 1));
}

std::string Verb::strong() const {
    if (const auto& p = cell(P3pl)) {
        if (p->size() >= 3 && ends_with(*p, "vat")) return p->substr(0, p->size() - 3);
        if (p->size() >= 4 && ends_with(*p, "vät")) return p->substr(0, p->size() - 4);
        return *p;
    }
    return std::string(minus_last(active(Mood::Present, Person::Third, false)));
}

std::string Verb::past_stem() const {
    if (const auto& p = cell(Pst1sg)) return std::string(strip(*p, "n"));
    return join(minus_last(lemma), "i");
}

std::string Verb::conditional_stem() const {
    if (const auto& c = cell(Cond3sg)) return *c;
    std::string s = strong();
    if (ends_with(s, "uo")) s.replace(s.size() - 2, 2, "o");
    if (ends_with(s, "yö")) s.replace(s.size() - 3, 3, "ö");
    if (ends_with(s, "ie")) s.replace(s.size() - 2, 2, "e");
    char32_t last = utf8::last(s);
    if (last == U'e' || last == U'i' || double_end(s)) s = std::string(minus_last(s));
    s += "isi";
    return s;
}

std::string Verb::potential_stem() const {
    if (const auto& p = cell(Pot3sg)) return std::string(strip(*p, "e"));
    return join(utf8::drop_last_chars(nut(), 2), "e");
}

// With a potential cell, the harmony follows the stem's own last harmonic
// vowel (a stem without one takes the front ending), unless the participle
// cell settles it.
std::string Verb::potential_3pl_ending() const {
    if (!cell(Pot3sg)) return h("vat", "vät");
    std::string q = potential_stem();
    std::string_view s = q;
    std::size_t end = s.size();
    while (end > 0) {
        utf8::Decoded d = utf8::decode_last(s, end);
        end -= d.len;
        bool back = d.cp == U'a' || d.cp == U'o' || d.cp == U'u';
        bool front = d.cp == U'y' || d.cp == U'ä' || d.cp == U'ö';
        if (!back && !front) continue;
        if (const auto& n = cell(Nut); n && n->size() >= 2) {
            if (ends_with(*n, "yt")) return "vät";
            if (ends_with(*n, "ut")) return "vat";
        }
        return back ? "vat" : "vät";
    }
    return "vät";
}

std::string Verb::active(Mood mood, Person person, bool plural) const {
    static constexpr std::string_view ENDINGS[6] = {"n", "t", "", "mme", "tte", ""};
    const int i = slot(person, plural);
    switch (mood) {
    case Mood::Present:
        if (i == 2) {
            if (const auto& p = cell(P3sg)) return *p;
            return lengthened();
        }
        if (i == 5) {
            std::string s = strong();
            return join(s, h_of(s, "vat", "vät"));
        }
        return join(weak(), ENDINGS[i]);
    case Mood::Past: {
        if (i == 2 || i == 5) {
            std::string t = cell(Pst3sg) ? *cell(Pst3sg) : past_stem();
            return i == 2 ? t : join(t, h_of(t, "vat", "vät"));
        }
        return join(past_stem(), ENDINGS[i]);
    }
    case Mood::Conditional: {
        std::string c = conditional_stem();
        if (i != 5) return join(c, ENDINGS[i]);
        return join(c, h_of(strip(c, "isi"), "vat", "vät"));
    }
    case Mood::Potential: {
        std::string q = potential_stem();
        if (i == 2) return join(q, "e");
        if (i == 5) return join(q, potential_3pl_ending());
        return join(q, ENDINGS[i]);
    }
    }
    return {};
}

std::string Verb::pass_pst() const {
    if (const auto& p = cell(PassPst)) return *p;
    return join(minus_last(lemma), "ttiin");
}

std::string Verb::pass_base() const {
    std::string p = pass_pst();
    if (p.size() >= 3 && ends_with(p, "iin")) p.resize(p.size() - 3);
    return p;
}

std::string Verb::passive(Mood mood) const {
    switch (mood) {
    case Mood::Present:
        if (const auto& p = cell(PassPrs)) return *p;
        return join(minus_last(lemma), h("taan", "tään"));
    case Mood::Past: return pass_pst();
    case Mood::Conditional: return join(pass_base(), h("aisiin", "äisiin"));
    case Mood::Potential: return join(pass_base(), h("aneen", "äneen"));
    }
    return {};
}

std::string Verb::participle(bool past, bool passive) const {
    if (!past && passive) return join(pass_base(), h("ava", "ävä"));
    if (!past) {
        // A 3pl stem shorter than the weak stem is suppletive ("olla": ovat
        // beside ole-); the participle then rests on the weak stem (oleva).
        std::string s = strong(), w = weak();
        if (utf8::length(s) < utf8::length(w)) s = std::move(w);
        return join(s, h_of(s, "va", "vä"));
    }
    return passive ? join(pass_base(), h("u", "y")) : nut();
}

std::optional<std::string> Verb::imperative(Person person, bool plural) const {
    if (person == Person::Second && !plural) {
        if (const auto& p = cell(Imp2sg)) return *p;
        return weak();
    }
    if (person == Person::First && !plural) return std::nullopt;
    std::string k;
    if (const auto& p = cell(Imp2pl)) {
        if (p->size() >= 3 && ends_with(*p, "kaa")) k = p->substr(0, p->size() - 3);
        else if (p->size() >= 5 && ends_with(*p, "kää")) k = p->substr(0, p->size() - 5);
        else k = *p;
    } else {
        std::string n = nut();
        std::string_view stem = utf8::drop_last_chars(n, 2);
        if (ends_with(stem, "n")) k = std::string(minus_last(stem));
        else if (double_end(stem)) k = std::string(minus_last(stem));
        else k = std::string(stem);
    }
    switch (slot(person, plural)) {
    case 2: return join(k, h("koon", "köön"));
    case 3: return join(k, h("kaamme", "käämme"));
    case 4: return join(k, h("kaa", "kää"));
    default: return join(k, h("koot", "kööt"));
    }
}

Row6 perfect_row(const Row6& aux, const std::string& nut) {
    std::string plural;
    if (utf8::length(nut) >= 3) plural = std::string(utf8::drop_last_chars(nut, 2));
    plural += "eet";
    Row6 out;
    for (std::size_t i = 0; i < 6; ++i) out[i] = join(aux[i], join(" ", i < 3 ? nut : plural));
    return out;
}

namespace {

// A verb of which only a few forms are in use (tuta: the infinitive and the
// present passive tutaan): "—" in every slot but those its row gives, no
// imperative.
Table defective_table(const Verb& verb) {
    const std::string none(kNone);
    const Row6 row{none, none, none, none, none, none};
    Table t;
    t.infinitive = verb.lemma;
    t.present = t.past = t.conditional = t.potential = t.perfekti = t.pluskvamperfekti = row;
    auto given = [&](Cell c) { return verb.cell(c) ? *verb.cell(c) : none; };
    t.present_passive = given(PassPrs);
    t.past_passive = given(PassPst);
    t.conditional_passive = t.potential_passive = t.imperative_passive = none;
    t.present_participle = t.present_passive_participle = t.past_passive_participle = none;
    t.past_participle = given(Nut);
    return t;
}

}  // namespace

bool Verb::defective() const { return cell(P1sg) == kNone; }

Table Table::build(const Verb& verb) {
    static const Row6 OLLA_PRESENT = {"olen", "olet", "on", "olemme", "olette", "ovat"};
    static const Row6 OLLA_PAST = {"olin", "olit", "oli", "olimme", "olitte", "olivat"};
    static constexpr Person PERSONS[3] = {Person::First, Person::Second, Person::Third};

    if (verb.defective()) return defective_table(verb);
    Table t;
    t.infinitive = verb.lemma;
    const std::pair<Mood, Row6*> moods[4] = {
        {Mood::Present, &t.present}, {Mood::Past, &t.past},
        {Mood::Conditional, &t.conditional}, {Mood::Potential, &t.potential}};
    for (auto [mood, row] : moods)
        for (std::size_t i = 0; i < 6; ++i) (*row)[i] = verb.active(mood, PERSONS[i % 3], i >= 3);
    t.imperative = {verb.imperative(Person::Second, false), verb.imperative(Person::Third, false),
                    verb.imperative(Person::First, true), verb.imperative(Person::Second, true),
                    verb.imperative(Person::Third, true)};
    t.present_passive = verb.passive(Mood::Present);
    t.past_passive = verb.pass_pst();
    t.conditional_passive = verb.passive(Mood::Conditional);
    t.potential_passive = verb.passive(Mood::Potential);
    t.imperative_passive = join(verb.pass_base(), verb.h("akoon", "äköön"));
    t.present_participle = verb.participle(false, false);
    t.past_participle = verb.nut();
    t.present_passive_participle = verb.participle(false, true);
    t.past_passive_participle = verb.participle(true, true);
    t.perfekti = perfect_row(OLLA_PRESENT, verb.nut());
    t.pluskvamperfekti = perfect_row(OLLA_PAST, verb.nut());
    return t;
}

}  // namespace velnor::fin
