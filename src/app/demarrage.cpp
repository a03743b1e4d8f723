#include "app/demarrage.h"

#include "data/dates.h"
#include "platform/dialogues.h"

namespace palmora {

namespace fs = std::filesystem;

namespace {

bool rendreCourant(const fs::path& dossier) {
    std::error_code erreur;
    fs::current_path(dossier, erreur);
    return !erreur;
}

} // namespace

DossierDuJour preparerDossierDuJour(const fs::path& dossierProgramme, const DateHeure& date,
                                    Dialogues& dialogues) {
    const fs::path candidat = dossierProgramme / nomDossierDuJour(date);
    std::error_code erreur;
    if (fs::is_directory(candidat, erreur) && rendreCourant(candidat))
        return {IssueDossier::Pret, candidat};

    if (!fs::exists(candidat, erreur)) {
        const Reponse r = dialogues.message(
            {"Le dossier \n" + candidat.string() + "\nn'existe pas.\n\nSouhaitez-vous le créer ?",
             "Dossier de travail", Icone::Question, Boutons::OuiNonAnnuler, Reponse::Non});
        if (r == Reponse::Annuler) return {IssueDossier::Quitter, candidat};
        if (r == Reponse::Non) return {IssueDossier::ChoisirDossier, candidat};
    }
    fs::create_directories(candidat, erreur);
    if (fs::is_directory(candidat, erreur) && rendreCourant(candidat))
        return {IssueDossier::Pret, candidat};
    // A program folder that refuses writing (an installed program): let the organiser
    // choose a folder rather than work in one that does not exist.
    dialogues.message({"Le dossier \n" + candidat.string() + "\nne peut pas être créé.",
                       "Dossier de travail", Icone::Critique});
    return {IssueDossier::ChoisirDossier, candidat};
}

bool accepterDossierTravail(const fs::path& choisi, const fs::path& dossierProgramme,
                            Dialogues& dialogues) {
    std::error_code e1, e2;
    if (fs::weakly_canonical(choisi, e1) == fs::weakly_canonical(dossierProgramme, e2)) {
        dialogues.message({"Le dossier de travail doit être\ndifférent du dossier programme.",
                           "Choix incorrect", Icone::Critique});
        return false;
    }
    if (!rendreCourant(choisi)) {
        dialogues.message({"Le dossier \n" + choisi.string() + "\nne peut pas être ouvert.",
                           "Dossier de travail", Icone::Critique});
        return false;
    }
    return true;
}

} // namespace palmora
