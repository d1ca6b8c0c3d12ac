#include "prefix.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "../utf8.hpp"
#include "lexicon.hpp"
#include "mod.hpp"
#include "orthography.hpp"

namespace velnor::deu {

namespace prefix {

namespace {

constexpr std::array<std::string_view, 277> SEPARABLE_PREFIXES{
    "auseinander", "entgegen", "gegenüber", "herunter", "herüber", "hinunter", "hinüber", "zusammen",
    "überein", "herauf", "heraus", "herein", "hervor", "hinauf", "hinaus", "hinein", "nieder", "weiter",
    "wieder", "zurück", "durcheinander", "hintereinander", "nebeneinander", "untereinander", "übereinander",
    "aufeinander", "aneinander", "beieinander", "gegeneinander", "ineinander", "umeinander", "voneinander",
    "zueinander", "abhanden", "aufrecht", "beiseite", "hinterher", "vornüber", "vorüber", "zufrieden",
    "zugrunde", "zunichte", "zustande", "zutage", "zuwider", "zupass", "zugute", "dafür", "darüber",
    "daneben", "entzwei", "stehen", "stand", "überhand", "falsch", "übrig", "brach", "näher", "lahm",
    "vonstatten", "stecken", "liegen", "stramm", "blank", "krank", "satt", "inne", "gern", "feil", "leer",
    "kahl", "hier", "rund", "bey", "auß", "mal", "wichtig", "recht", "selig", "übel", "quer", "tief", "weis",
    "schlecht", "schlapp", "stark", "scheckig", "gering", "gesund", "bereit", "sauber", "publik", "locker",
    "besser", "dicht", "glatt", "höher", "kehrt", "mobil", "flach", "klug", "halt", "neu", "alt", "arm",
    "bekannt", "schwarz", "gerade", "gefangen", "fremd", "krumm", "platt", "blau", "dank", "fehl", "frei",
    "kalt", "kund", "rot", "warm", "wund", "bloß", "drauf", "dran", "drin", "spazieren", "verloren",
    "zurecht", "zwischen", "entlang", "hintan", "richtig", "allein", "kennen", "sitzen", "empor", "gleich",
    "sicher", "statt", "fertig", "kaputt", "runter", "rüber", "offen", "schön", "still", "davon", "preis",
    "schief", "weich", "acht", "alle", "durch", "fern", "fest", "fort", "groß", "heim", "heiß", "hoch",
    "irre", "klar", "klein", "kurz", "lang", "lieb", "matt", "nahe", "nass", "raus", "rein", "wach", "wahr",
    "wett", "wohl", "gut", "rum", "los", "mit", "nach", "ran", "teil", "tot", "weg", "weh", "da", "ab", "an",
    "auf", "aus", "bei", "dar", "ein", "her", "hin", "um", "vor", "zu",
    // Adverbs made of two particles, whose split would cut them in the wrong
    // place (dar + insitzen, hin + tenanstehen, dar + unterschreiben).
    "darin", "darunter", "dahinter", "drunter", "drüber", "hintenan", "hintenüber", "obenauf", "vorlieb",
    // voll- is separable but for a handful of verbs with lexicon rows
    // (vollbringen, vollenden, vollführen, vollstrecken, vollziehen).
    "voll",
    // Adjectives, adverbs, nouns and infinitives that stand before a verb
    // as a separable first part (feinschneiden: schnitt fein; hängenbleiben:
    // blieb hängen; abwärtsfahren: fuhr abwärts; haushalten: hielt haus).
    "abwärts", "aufwärts", "vorwärts", "rückwärts", "seitwärts", "heimwärts", "dabei", "dazwischen", "daher",
    "dahin", "dagegen", "gegen", "hierher", "hierhin", "dorthin", "umher", "einher", "nebenher", "zuvor",
    "zunutze", "zuleide", "zuteil", "zuwege", "instand", "geheim", "fein", "ernst", "leicht", "schwer",
    "scharf", "breit", "trocken", "kühl", "dünn", "dick", "hart", "heil", "hohl", "grob", "mies", "madig",
    "dingfest", "kenntlich", "sichtbar", "nutzbar", "geltend", "lächerlich", "wert", "hängen", "bleiben",
    "fallen", "kleben", "gehen", "laufen", "schätzen", "lieben", "flöten", "baden", "haus", "hof", "platz", "schlange", "pleite", "bankrott",
    "hohn", "wunder", "probe", "maschine", "heilig",
};

constexpr std::array<std::string_view, 13> INSEPARABLE_PREFIXES{
    "hinter", "unter", "wider", "miss", "miß", "über", "emp", "ent", "ver", "zer", "be", "er", "ge",
};

// The nouns among the separable prefixes.
constexpr std::array<std::string_view, 5> NOUN_PREFIXES{"probe", "maschine", "schlange", "platz", "hof"};

// Nouns that the standard writes apart before the verbs they go with (Auto
// fahren, Ski laufen, Kegel schieben, Maß nehmen), split off a word that
// joins them to one of those verbs (autofahren: fährt Auto); before any
// other verb a noun begins a word of one piece (maßregeln, handhaben,
// autorennen, the race).
constexpr std::string_view FAHREN[] = {"fahren"};
constexpr std::string_view RAD[] = {"fahren", "schlagen"};
constexpr std::string_view SKI[] = {"fahren", "laufen", "springen", "fliegen"};
constexpr std::string_view LAUFEN[] = {"laufen"};
constexpr std::string_view SCHIEBEN[] = {"schieben"};
constexpr std::string_view NEHMEN[] = {"nehmen"};
constexpr std::string_view GEBEN[] = {"geben"};
constexpr std::string_view TREIBEN[] = {"treiben"};
constexpr std::string_view LESEN[] = {"lesen"};
constexpr std::string_view TRINKEN[] = {"trinken"};
constexpr std::string_view STEHEN[] = {"stehen"};
constexpr std::string_view WACHE[] = {"stehen", "halten"};
constexpr std::string_view SCHLAGEN[] = {"schlagen"};

struct NounVerbs {
    std::string_view noun;
    std::span<const std::string_view> verbs;
};
constexpr std::array<NounVerbs, 30> LISTED_NOUNS{{
    {"auto", FAHREN},      {"bahn", FAHREN},     {"bus", FAHREN},      {"zug", FAHREN},         {"taxi", FAHREN},
    {"boot", FAHREN},      {"kanu", FAHREN},     {"kajak", FAHREN},    {"schlitten", FAHREN},   {"fahrrad", FAHREN},
    {"motorrad", FAHREN},  {"karussell", FAHREN}, {"rad", RAD},        {"ski", SKI},            {"schi", SKI},
    {"schlittschuh", LAUFEN}, {"rollschuh", LAUFEN}, {"kegel", SCHIEBEN}, {"maß", NEHMEN},      {"abschied", NEHMEN},
    {"gas", GEBEN},        {"sport", TREIBEN},   {"korrektur", LESEN}, {"kaffee", TRINKEN},     {"tee", TRINKEN},
    {"modell", STEHEN},    {"pate", STEHEN},     {"wache", WACHE},     {"alarm", SCHLAGEN},     {"krach", SCHLAGEN},
}};

// Whether `verb` is one that `noun` goes with.
bool goes_with(std::string_view noun, std::string_view verb) {
    return std::any_of(LISTED_NOUNS.begin(), LISTED_NOUNS.end(), [&](const NounVerbs& n) {
        return n.noun == noun && std::find(n.verbs.begin(), n.verbs.end(), verb) != n.verbs.end();
    });
}

struct Candidate {
    std::string_view text;
    Separability separability;
    bool noun = false;  // a base only where the rest is a verb it goes with
};

using Candidates =
    std::array<Candidate, SEPARABLE_PREFIXES.size() + INSEPARABLE_PREFIXES.size() + LISTED_NOUNS.size()>;

// Both lists, longest first (entries of equal length keep list order), then
// grouped by first byte without changing that order inside a group: a word
// only ever needs the group of its own first byte.
struct Index {
    Candidates sorted{};
    std::array<std::uint16_t, 257> group{};  // group of byte b: sorted[group[b], group[b + 1])
};

const Index& index() {
    static const Index INDEX = [] {
        Index x;
        std::size_t i = 0;
        for (auto p : SEPARABLE_PREFIXES) x.sorted[i++] = {p, Separability::Separable};
        for (auto p : INSEPARABLE_PREFIXES) x.sorted[i++] = {p, Separability::Inseparable};
        for (const NounVerbs& n : LISTED_NOUNS) x.sorted[i++] = {n.noun, Separability::Separable, true};
        std::stable_sort(x.sorted.begin(), x.sorted.end(),
                         [](const Candidate& a, const Candidate& b) { return a.text.size() > b.text.size(); });
        auto first = [](const Candidate& c) { return static_cast<unsigned char>(c.text.front()); };
        std::stable_sort(x.sorted.begin(), x.sorted.end(),
                         [&](const Candidate& a, const Candidate& b) { return first(a) < first(b); });
        std::size_t k = 0;
        for (std::size_t b = 0; b < 256; ++b) {
            x.group[b] = static_cast<std::uint16_t>(k);
            while (k < x.sorted.size() && first(x.sorted[k]) == b) ++k;
        }
        x.group[256] = static_cast<std::uint16_t>(k);
        return x;
    }();
    return INDEX;
}

}  // namespace


bool is_noun(std::string_view text) noexcept {
    auto in = [text](const auto& list) { return std::find(list.begin(), list.end(), text) != list.end(); };
    return in(NOUN_PREFIXES) || std::any_of(LISTED_NOUNS.begin(), LISTED_NOUNS.end(),
                                            [text](const NounVerbs& n) { return n.noun == text; });
}

std::optional<Split> split(std::string_view word) {
    if (word.empty()) return std::nullopt;
    const Index& x = index();
    const auto b = static_cast<unsigned char>(word.front());
    for (std::size_t k = x.group[b]; k < x.group[b + 1]; ++k) {
        const Candidate& c = x.sorted[k];
        if (!utf8::starts_with(word, c.text)) continue;
        std::string_view rest = word.substr(c.text.size());
        if (c.noun) {
            if (goes_with(c.text, rest)) return Split{c.text, c.separability, rest};
            continue;
        }
        // rein- and ran- before -ieren are the loans' re-in-, ran-
        // (reinstallieren, reintegrieren, randomisieren), not the particles.
        bool ieren_base = c.separability == Separability::Separable && c.text != "rein" && c.text != "ran";
        if (plausible_base(rest, ieren_base)) {
            return Split{c.text, c.separability, rest};
        }
    }
    return std::nullopt;
}

}  // namespace prefix

bool plausible_base(std::string_view rest, bool separable) {
    if (rest == "tun" || rest == "werden" || rest == "sein") return true;
    // "zu" before tun: the weak rule refuses the word, yet it reads as zu + tun,
    // which makes hinzutun and dazutun verbs and lets abzutun or wehzutun be
    // read back as abtun, wehtun (every other "zu" + base ends in -en anyway).
    if (rest == "zutun") return true;
    if (lexicon::lookup(rest)) return true;
    if (lexicon::is_forced_weak(rest)) return true;
    std::optional<WeakParts> w = weak_parts(rest);
    if (!w) return false;
    // A regular -ieren verb is a base only behind a separable element
    // (abtelefonieren, ausprobieren), and only when it begins with a
    // consonant: a loan whose first letters look like a particle begins
    // the rest with a vowel (an|alysieren, ab|onnieren). The few loans that
    // still look separable (absolvieren, datieren) have lexicon rows.
    if (w->ieren) return separable && !is_vowel(utf8::decode(rest, 0).cp);
    std::size_t min_stem = rest.size() > 4 && utf8::ends_with(rest, "ieren") ? 5 : w->eln_ern ? 4 : 3;
    // A stem of 4·min bytes holds at least min characters: no need to count.
    if (w->stem.size() < 4 * min_stem && utf8::length(w->stem) < min_stem) return false;
    std::string_view look = w->eln_ern ? utf8::drop_last_chars(w->stem, 2) : w->stem;
    for (char32_t ch : utf8::chars(look)) {
        if (is_vowel(ch)) return true;
    }
    return false;
}

}  // namespace velnor::deu
