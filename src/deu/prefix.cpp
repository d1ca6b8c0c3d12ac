#include "prefix.hpp"

#include <algorithm>
#include <array>

#include "../utf8.hpp"
#include "lexicon.hpp"
#include "mod.hpp"
#include "orthography.hpp"

namespace velnor::deu {

namespace prefix {

namespace {

constexpr std::array<std::string_view, 198> SEPARABLE_PREFIXES{
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
};

constexpr std::array<std::string_view, 14> INSEPARABLE_PREFIXES{
    "hinter", "unter", "wider", "miss", "miß", "voll", "über", "emp", "ent", "ver", "zer", "be", "er", "ge",
};

struct Candidate {
    std::string_view text;
    Separability separability;
};

using Candidates = std::array<Candidate, SEPARABLE_PREFIXES.size() + INSEPARABLE_PREFIXES.size()>;

// Both lists, longest first; entries of equal length keep list order.
const Candidates& candidates() {
    static const Candidates SORTED = [] {
        Candidates c{};
        std::size_t i = 0;
        for (auto p : SEPARABLE_PREFIXES) c[i++] = {p, Separability::Separable};
        for (auto p : INSEPARABLE_PREFIXES) c[i++] = {p, Separability::Inseparable};
        std::stable_sort(c.begin(), c.end(),
                         [](const Candidate& a, const Candidate& b) { return a.text.size() > b.text.size(); });
        return c;
    }();
    return SORTED;
}

}  // namespace

std::span<const std::string_view> separable_prefixes() noexcept { return SEPARABLE_PREFIXES; }
std::span<const std::string_view> inseparable_prefixes() noexcept { return INSEPARABLE_PREFIXES; }

std::optional<Split> split(std::string_view word) {
    for (const Candidate& c : candidates()) {
        if (!utf8::starts_with(word, c.text)) continue;
        std::string_view rest = word.substr(c.text.size());
        if (plausible_base(rest)) return Split{c.text, c.separability, rest};
    }
    return std::nullopt;
}

}  // namespace prefix

bool plausible_base(std::string_view rest) {
    if (rest == "tun" || rest == "werden" || rest == "sein") return true;
    if (lexicon::lookup(rest) != nullptr) return true;
    if (lexicon::is_forced_weak(rest)) return true;
    std::optional<WeakParts> w = weak_parts(rest);
    if (!w || w->ieren) return false;
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
