#pragma once

#include "platform/horloge.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

class Competition;
class Dialogues;

// The sub-folder of the working folder that holds the copies; never a competition of the list.
inline constexpr std::string_view kDossierSauvegardes = "Sauvegardes";
// Copies kept for each competition; older ones are deleted.
inline constexpr std::size_t kSauvegardesGardees = 30;

// A copy's name: the competition's name without ".PLM", the date and time, then ".PLM"
// ("F_1_NS00 2026-12-06 10h42.PLM"); `rang` 2, 3… tells copies of the same minute apart.
std::string nomSauvegarde(std::string_view fichierCompet, const DateHeure& date, int rang = 1);

// One copy, as the restore dialog lists it.
struct CopieSauvegarde {
    std::filesystem::path chemin;
    std::string quand; // "06/12/2026 10:42"
    std::int64_t equipes = 0;
    std::int64_t notes = 0; // judges' marks entered
};

// Copies of the open competition, whole, through the safe rewrite: when it is opened and after
// it changed, at most once a minute, and always before what the organiser is about to lose (a
// team deleted, a restore).
class Sauvegardes {
public:
    explicit Sauvegardes(const Horloge& horloge) : horloge_(horloge) {}

    // A copy, unless `forcee` is false and the file has not changed since the last copy or that
    // copy is less than a minute old. A copy that cannot be written is reported once.
    void sauver(const Competition& compet, bool forcee, Dialogues& dialogues);
    // The copies of the open competition, newest first.
    std::vector<CopieSauvegarde> lister(const Competition& compet) const;

private:
    struct Derniere {
        DateHeure quand;
        std::int64_t revision;
    };
    const Horloge& horloge_;
    std::map<std::filesystem::path, Derniere> dernieres_;
    bool echecSignale_ = false;
};

// Puts the copy in place of the open competition: a copy of the file as it is first, then the
// safe rewrite, then the file is opened again. Returns whether it was replaced.
bool RestaurerSauvegarde(Competition& compet, const std::filesystem::path& copie,
                         Dialogues& dialogues);

} // namespace palmora
