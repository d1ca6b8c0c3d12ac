// Tagalog conjugation: analysis of a verb root, the lexicon of affix classes
// and stored stems, the affixation rules of the actor and patient voices, and
// the six-cell table (two voices by three aspects).
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expected.hpp"

namespace velnor::tgl {

// The affix that forms the actor-focus verb.
enum class ActorClass : std::uint8_t { Um = 0, Mag = 1, Mang = 2, Ma = 3 };
// The affix of the patient-focus verb; None: the root has no patient voice.
enum class PatientClass : std::uint8_t { In = 0, An = 1, I = 2, None = 255 };

enum class Aspect : std::uint8_t { Perfective = 0, Imperfective = 1, Contemplated = 2 };
enum class Voice : std::uint8_t { Actor, Patient };

// Stored forms in the order pfv_ag, ipfv_ag, cont_ag, pfv_pf, ipfv_pf, cont_pf.
using Overrides = std::array<std::optional<std::string>, 6>;

// One lexicon row, without its root.
struct LexEntry {
    Overrides overrides;
    bool h = true;  // a vowel-final contemplated patient stem takes "h" before -in/-an
    ActorClass actor = ActorClass::Um;
    PatientClass patient = PatientClass::In;
};

// Failure of the analysis: the text is not a Tagalog verb root.
struct Error {};

struct Verb {
    std::string root;
    Overrides overrides;
    bool h = true;
    ActorClass actor = ActorClass::Um;
    PatientClass patient = PatientClass::In;
    bool keeps_o = false;  // a borrowing's closing o stays before -in/-an (kontrol: kokontrolin)

    static Expected<Verb, Error> from_infinitive(std::string_view text);

    // The variant spellings of one voice and aspect, the main form first.
    std::vector<std::string> forms(Voice voice, Aspect aspect) const;
};

// The word with a two-letter infix ("um" or "in") after its first consonant.
std::string infix(std::string_view word, std::string_view affix);
// The word with its first consonant and first vowel copied in front.
std::string reduplicate(std::string_view word);
// The form, then its d-to-r variant when the root begins with "d".
std::vector<std::string> push_variants(std::string form, std::string_view root);

struct Table {
    std::string infinitive;
    std::array<std::string, 3> actor;    // perfective, imperfective, contemplated
    std::array<std::string, 3> patient;  // the same; empty when there is no patient voice

    static Table build(const Verb& verb);
};

}  // namespace velnor::tgl
