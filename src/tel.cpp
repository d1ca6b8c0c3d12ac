#include "tel.hpp"

#include <cstddef>

#include "brahmic.hpp"
#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::tel {

using text::join;
namespace {

constexpr std::string_view U = "ు";

// A missing cell counts as "-".
std::string_view cell(const lex::Cells<8>& c, std::size_t i) { return i < c.count ? c[i] : std::string_view("-"); }

// The future 3sg non-masculine form built on a future stem: తా becomes తుంది.
std::string fut_nonmasc(std::string_view fut_stem) { return join(utf8::drop_last_chars(fut_stem, 1), "ుంది"); }

bool consonant(char32_t c) { return c >= 0x0C15 && c <= 0x0C39; }

// A vowel: a vowel sign or an independent vowel letter.
bool is_vowel(char32_t c) { return (c >= 0x0C3E && c <= 0x0C4C) || (c >= 0x0C05 && c <= 0x0C14); }

// Whether a character closes a short syllable: a short vowel, a short vowel
// sign, or a consonant with its inherent అ.
bool short_syllable_end(char32_t c) {
    switch (c) {
        case 0x0C05: case 0x0C07: case 0x0C09: case 0x0C0E: case 0x0C12:  // అ ఇ ఉ ఎ ఒ
        case 0x0C3F: case 0x0C41: case 0x0C46: case 0x0C4A:              // ి ు ె ొ
            return true;
        default:
            return consonant(c);
    }
}

// Whether a root ends in two syllables of a single consonant with ు after a
// syllable with a short vowel (అడుగు, తుడుచు, వెతుకు, కదులు). Such roots turn
// that ు to ి in the past (తుడిచ, వెతిక) and drop it in the plural
// imperative (తుడవండి, వెతకండి).
bool u_u_root(const std::u32string& c) {
    const std::size_t n = c.size();
    return n >= 5 && c[n - 1] == 0x0C41 && c[n - 3] == 0x0C41 && consonant(c[n - 2]) && consonant(c[n - 4]) &&
           short_syllable_end(c[n - 5]);
}

// Whether a root is the spelling with అ of such a root in చు (తెరచు, మరచు,
// అమలుపరచు, for తెరుచు ...): it conjugates like it (తెరిచ, తెరుస్తా, తెరవండి).
bool a_chu_root(const std::u32string& c) {
    const std::size_t n = c.size();
    return n >= 4 && c[n - 1] == 0x0C41 && c[n - 2] == 0x0C1A && consonant(c[n - 3]) && short_syllable_end(c[n - 4]);
}

// The singular imperative of a root in యు after a long vowel: ే, ీ, ో or ూ
// shortens and the glide doubles (చేయు → చెయ్యి, తీయు → తియ్యి), ా keeps
// a single one (రాయు → రాయి); S is the root less యు. After a short vowel
// or a cluster (తెలియు, కలయు) the imperative is the root.
std::string yu_imperative(std::string_view root, std::string_view s) {
    const char32_t c = utf8::last(s);
    std::string_view head = utf8::drop_last_chars(s, 1);
    switch (c) {
        case 0x0C47: return join(head, "ెయ్యి");
        case 0x0C40: return join(head, "ియ్యి");
        case 0x0C4B: return join(head, "ొయ్యి");
        case 0x0C42: return join(head, "ుయ్యి");
        case 0x0C0F: return join(head, "ఎయ్యి");
        case 0x0C08: return join(head, "ఇయ్యి");
        case 0x0C13: return join(head, "ఒయ్యి");
        case 0x0C3E: case 0x0C06: return join(s, "యి");
        default: return std::string(root);
    }
}

// Whether a root is one short syllable followed by ను (అను, కను, తిను, విను).
bool short_nasal_root(const std::u32string& c) {
    const std::size_t n = c.size();
    if (n == 3) return c[0] == 0x0C05 || c[0] == 0x0C07 || c[0] == 0x0C09 || c[0] == 0x0C0E || c[0] == 0x0C12 || consonant(c[0]);
    if (n == 4) return consonant(c[0]) && (c[1] == 0x0C3F || c[1] == 0x0C41 || c[1] == 0x0C46 || c[1] == 0x0C4A);
    return false;
}

}  // namespace

std::optional<std::string> opt(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return std::string(c);
}

namespace lexicon {
// A later row with the same lemma replaces an earlier one.
std::optional<LexEntry> find(std::string_view root) {
    auto line = data::table::tel.last(root);
    if (!line) return std::nullopt;
    auto c = lex::split<8>(*line);
    return LexEntry{opt(cell(c, 1)), opt(cell(c, 2)), opt(cell(c, 3)), opt(cell(c, 4)),
                    opt(cell(c, 5)), opt(cell(c, 6)), opt(cell(c, 7))};
}
}  // namespace lexicon

constexpr unicode::Spelling SPELLING{unicode::Script::Telugu};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    const auto word = unicode::word_of(text, SPELLING);
    if (!word) return fail(Error{});
    const std::string_view root = *word;
    if (root.size() < 3 || !root.ends_with(U)) return fail(Error{});
    std::string_view r = utf8::drop_last_chars(root, 1);
    if (!brahmic::well_formed(root) || !brahmic::ends_in_consonant(r)) return fail(Error{});

    Verb v;
    v.root = std::string(root);
    v.imp_sg = std::string(root);
    v.imp_pl = join(r, "ండి");
    const std::u32string cps = utf8::code_points(root);
    const std::size_t n = cps.size();
    if (n > 4 && (root.ends_with("ుకొను") || root.ends_with("క్కొను") || root.ends_with("చొను"))) {
        // The reflexive compounds in కొను (and కూర్చొను) contract to -కుంట-,
        // -కున్న and -కో, -కోండి: తీసుకొను → తీసుకుంటా, తీసుకున్న, తీసుకో.
        // Other compounds of కొను do not (ఎదుర్కొను, నెలకొను: ఎదుర్కొన్నారు).
        std::string_view s = utf8::drop_last_chars(root, 3);
        v.past_stem = join(s, "ున్న");
        v.past_3sg_nonmasc = join(v.past_stem, "ది");
        v.prs_stem = join(s, "ుంటున్న");
        v.fut_stem = join(s, "ుంటా");
        v.imp_sg = join(s, "ో");
        v.imp_pl = join(s, "ోండి");
    } else if (root.size() >= 6 && root.ends_with("ను") && !root.ends_with("న్ను")) {
        // Nasal roots assimilate the past marker: కను → కన్న (a root in న్ను
        // has its న్న already and is regular: దున్నాను, దున్నింది). A one-syllable
        // nasal root (కను, తిను, విను, అను), and the compounds of కొను that
        // do not contract (కనుగొను, ఎదుర్కొను), also fuse with -తు-/-తా:
        // కంటున్న, కంటా, కనుగొంటా, ఎదుర్కొంటా.
        v.past_stem = join(r, "్న");
        v.past_3sg_nonmasc = join(v.past_stem, "ది");
        if (short_nasal_root(cps) || root.ends_with("గొను") || root.ends_with("కొను")) {
            std::string_view s = utf8::drop_last_chars(root, 2);
            v.prs_stem = join(s, "ంటున్న");
            v.fut_stem = join(s, "ంటా");
        } else {
            v.prs_stem = join(root, "తున్న");
            v.fut_stem = join(root, "తా");
        }
    } else if (root.size() >= 6 && root.ends_with("యు")) {
        // చేయు: past చేశ-, other tenses on చేస్-, imperative చెయ్యి.
        std::string_view s = utf8::drop_last_chars(root, 2);
        v.imp_sg = yu_imperative(root, s);
        v.past_stem = join(s, "శ");
        v.past_3sg_nonmasc = join(s, "సింది");
        // After a short ి the present and the future take ు (కలియు: కలిశాను,
        // కలుస్తాను; తెలియు: తెలుస్తుంది).
        std::string_view t = s;
        std::string_view u;
        if (cps[n - 3] == 0x0C3F && n >= 4 && consonant(cps[n - 4])) t = utf8::drop_last_chars(s, 1), u = "ు";
        v.prs_stem = join(t, u, "స్తున్న");
        v.fut_stem = join(t, u, "స్తా");
    } else if (root == "అవు" || (n >= 4 && root.ends_with("మవు"))) {
        // అవు 'become' and its compounds after a noun in -ము (సిద్ధమవు,
        // ప్రారంభమవు): అయ్య- in the past (అయ్యాను, సిద్ధమయ్యాడు, అయింది).
        std::string_view s = utf8::drop_last_chars(root, 2);
        v.past_stem = join(s, "య్య");
        v.past_3sg_nonmasc = join(s, "యింది");
        v.prs_stem = join(root, "తున్న");
        v.fut_stem = join(root, "తా");
    } else if (root.ends_with("పోవు")) {
        // పోవు and its compounds (నిద్రపోవు): పోయ-, పోతా, పో, పోండి.
        std::string_view s = utf8::drop_last_chars(root, 2);
        v.imp_sg = std::string(s);
        v.past_stem = join(s, "య");
        v.past_3sg_nonmasc = join(v.past_stem, "ింది");
        v.prs_stem = join(s, "తున్న");
        v.fut_stem = join(s, "తా");
        v.imp_pl = join(s, "ండి");
    } else if (root.ends_with("ఉండు") || (n >= 6 && root.ends_with("ుండు") && !root.ends_with("పుండు") &&
                                           (!root.ends_with("గుండు") || root.ends_with("బాగుండు")))) {
        // ఉండు and its compounds (కూర్చుండు, బాగుండు): ఉన్న-, ఉంటున్న, ఉంటా.
        // The nouns in -పుండు 'sore' and -గుండు 'ball' are none.
        std::string_view s = utf8::drop_last_chars(root, 3);
        v.past_stem = join(s, "న్న");
        v.past_3sg_nonmasc = join(v.past_stem, "ది");
        v.prs_stem = join(s, "ంటున్న");
        v.fut_stem = join(s, "ంటా");
    } else if (root.ends_with("పడు") || root.ends_with("బడు")) {
        // పడు and its compounds (ఇష్టపడు, భయపడు, నిలబడు, the passives in
        // -బడు) double the డ in the past: పడ్డాను, నిలబడ్డాను, చేయబడ్డాడు;
        // the neuter keeps పడింది.
        v.past_stem = join(utf8::drop_last_chars(root, 2), "డ్డ");
        v.past_3sg_nonmasc = join(r, "ింది");
        v.prs_stem = join(root, "తున్న");
        v.fut_stem = join(root, "తా");
    } else if (u_u_root(cps) || a_chu_root(cps)) {
        std::string_view x = utf8::drop_last_chars(root, u_u_root(cps) ? 3 : 2);
        std::string_view c3 = utf8::drop_last_chars(utf8::last_chars(root, 2), 1);
        v.past_stem = join(x, "ి", c3);
        v.past_3sg_nonmasc = join(v.past_stem, "ింది");
        if (c3 == "చ") {
            // తుడుచు → తుడుస్తా, తుడువు, తుడవండి. The spelling with అ
            // (తెరచు, పొందుపరచు) keeps its imperatives on the root, and so
            // does the singular of the compounds in -పరుచు and of -పడుచు.
            v.prs_stem = join(x, "ుస్తున్న");
            v.fut_stem = join(x, "ుస్తా");
            if (u_u_root(cps)) {
                if (!root.ends_with("పరుచు") && !root.ends_with("పడుచు")) v.imp_sg = join(x, "ువు");
                v.imp_pl = join(x, "వండి");
            }
        } else {
            v.prs_stem = join(root, "తున్న");
            v.fut_stem = join(root, "తా");
            v.imp_pl = join(x, c3, "ండి");
        }
    } else {
        v.past_stem = std::string(r);
        v.past_3sg_nonmasc = join(r, "ింది");
        if (root.size() >= 12 && root.ends_with("ించు")) {
            // Causatives: నడిపించు → నడిపిస్తున్న, నడిపిస్తా.
            std::string_view s = utf8::drop_last_chars(root, 3);
            v.prs_stem = join(s, "స్తున్న");
            v.fut_stem = join(s, "స్తా");
        } else if (root.ends_with("వచ్చు")) {
            // వచ్చు and its compounds: వస్తా, and the imperatives of రా; an
            // infinitive before it (చెప్పవచ్చు 'may tell') is no coming, and
            // keeps the root.
            std::string_view s = utf8::drop_last_chars(root, 5);
            v.prs_stem = join(s, "వస్తున్న");
            v.fut_stem = join(s, "వస్తా");
            if (s.empty() || !consonant(utf8::last(s))) v.imp_sg = join(s, "రా");
            v.imp_pl = join(s, "రండి");
        } else if (root.ends_with("ఇచ్చు")) {
            std::string_view s = utf8::drop_last_chars(root, 5);
            v.prs_stem = join(s, "ఇస్తున్న");
            v.fut_stem = join(s, "ఇస్తా");
            v.imp_sg = join(s, "ఇవ్వు");
            v.imp_pl = join(s, "ఇవ్వండి");
        } else if (cps.size() >= 3 && root.ends_with("చు") &&                    (is_vowel(cps[n - 3]) || (cps[n - 3] == 0x0C4D && cps[n - 4] != 0x0C1A))) {
            // చ after a vowel becomes స before -తు-/-తా (లేచు → లేస్తా,
            // దాచు → దాస్తా); after a consonant it takes ు as well
            // (ఏడ్చు → ఏడుస్తా, మార్చు → మారుస్తా).
            std::string_view s = utf8::drop_last_chars(root, cps[n - 3] == 0x0C4D ? 3 : 2);
            std::string_view u = cps[n - 3] == 0x0C4D ? "ు" : "";
            v.prs_stem = join(s, u, "స్తున్న");
            v.fut_stem = join(s, u, "స్తా");
        } else if (root.ends_with("ట్టు")) {
            // ట్ట becomes డ before the present and future markers (కొట్టు:
            // కొడుతున్న, కొడతా, కొడుతుంది; the past keeps కొట్ట-).
            std::string_view s = utf8::drop_last_chars(root, 4);
            v.prs_stem = join(s, "డుతున్న");
            v.fut_stem = join(s, "డతా");
        } else {
            v.prs_stem = join(root, "తున్న");
            v.fut_stem = join(root, "తా");
        }
    }
    v.fut_3sg_nonmasc = fut_nonmasc(v.fut_stem);
    if (v.fut_stem.ends_with("డతా")) v.fut_3sg_nonmasc = join(utf8::drop_last_chars(v.fut_stem, 2), "ుతుంది");

    if (auto e = lexicon::find(root)) {
        if (e->past_stem) v.past_stem = *e->past_stem;
        if (e->past_3sg_nonmasc) v.past_3sg_nonmasc = *e->past_3sg_nonmasc;
        else if (e->past_stem) v.past_3sg_nonmasc = join(*e->past_stem, "ింది");
        if (e->prs_stem) v.prs_stem = *e->prs_stem;
        if (e->fut_stem) v.fut_stem = *e->fut_stem;
        if (e->fut_3sg_nonmasc) v.fut_3sg_nonmasc = *e->fut_3sg_nonmasc;
        else if (e->fut_stem) v.fut_3sg_nonmasc = fut_nonmasc(*e->fut_stem);
        if (e->imp_sg) v.imp_sg = *e->imp_sg;
        if (e->imp_pl) v.imp_pl = *e->imp_pl;
    }
    return v;
}

std::string Verb::form(int tense, Person person, Number number, Gender gender) const {
    bool plural = number == Number::Plural;
    int slot;
    switch (person) {
        case Person::First: slot = plural ? 4 : 0; break;
        case Person::Second: slot = plural ? 5 : 1; break;
        default:
            slot = (plural ? 6 : 2) + (gender == Gender::NonMasculine ? 1 : 0);
            break;
    }
    if (slot == 3) {
        if (tense == 0) return past_3sg_nonmasc;
        if (tense == 1) return join(prs_stem, "ది");
        return fut_3sg_nonmasc;
    }
    // Endings by slot; the past and the present durative share the long-vowel set.
    static constexpr std::string_view LONG[8] = {"ాను", "ావు", "ాడు", "", "ాము", "ారు", "ారు", "ారు"};
    static constexpr std::string_view SHORT[8] = {"ను", "వు", "డు", "", "ము", "రు", "రు", "రు"};
    if (tense == 0) return join(past_stem, LONG[slot]);
    if (tense == 1) return join(prs_stem, LONG[slot]);
    return join(fut_stem, SHORT[slot]);
}

Table Table::build(const Verb& v) {
    static constexpr struct {
        Person p;
        Number n;
        Gender g;
    } SLOTS[8] = {
        {Person::First, Number::Singular, Gender::Masculine},  {Person::Second, Number::Singular, Gender::Masculine},
        {Person::Third, Number::Singular, Gender::Masculine},  {Person::Third, Number::Singular, Gender::NonMasculine},
        {Person::First, Number::Plural, Gender::Masculine},    {Person::Second, Number::Plural, Gender::Masculine},
        {Person::Third, Number::Plural, Gender::Masculine},    {Person::Third, Number::Plural, Gender::NonMasculine},
    };
    Table t;
    t.infinitive = v.root;
    for (int i = 0; i < 8; ++i) {
        t.past[i] = v.form(0, SLOTS[i].p, SLOTS[i].n, SLOTS[i].g);
        t.present_durative[i] = v.form(1, SLOTS[i].p, SLOTS[i].n, SLOTS[i].g);
        t.future[i] = v.form(2, SLOTS[i].p, SLOTS[i].n, SLOTS[i].g);
    }
    t.imperative = {v.imp_sg, v.imp_pl};
    return t;
}

}  // namespace velnor::tel
