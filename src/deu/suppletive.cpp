#include "suppletive.hpp"

namespace velnor::deu::suppletive {

const SuppletiveVerb SEIN{
    "sein",
    {"bin", "bist", "ist", "sind", "seid", "sind"},
    {"war", "warst", "war", "waren", "wart", "waren"},
    {"sei", "seist", "sei", "seien", "seiet", "seien"},
    {"wäre", "wärest", "wäre", "wären", "wäret", "wären"},
    "seiend",
    "gewesen",
    {"sei", "seid"},
    Auxiliary::Sein,
};

const SuppletiveVerb WERDEN{
    "werden",
    {"werde", "wirst", "wird", "werden", "werdet", "werden"},
    {"wurde", "wurdest", "wurde", "wurden", "wurdet", "wurden"},
    {"werde", "werdest", "werde", "werden", "werdet", "werden"},
    {"würde", "würdest", "würde", "würden", "würdet", "würden"},
    "werdend",
    "geworden",
    {"werde", "werdet"},
    Auxiliary::Sein,
};

const SuppletiveVerb TUN{
    "tun",
    {"tue", "tust", "tut", "tun", "tut", "tun"},
    {"tat", "tatest", "tat", "taten", "tatet", "taten"},
    {"tue", "tuest", "tue", "tuen", "tuet", "tuen"},
    {"täte", "tätest", "täte", "täten", "tätet", "täten"},
    "tuend",
    "getan",
    {"tu", "tut"},
    Auxiliary::Haben,
};

const SuppletiveVerb* find(std::string_view infinitive) noexcept {
    if (infinitive == "sein") return &SEIN;
    if (infinitive == "werden") return &WERDEN;
    if (infinitive == "tun") return &TUN;
    return nullptr;
}

}  // namespace velnor::deu::suppletive
