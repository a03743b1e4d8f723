#include "data/echange_licences.h"

#include "data/competition.h"
#include "data/registre_licences.h"
#include "platform/dialogues.h"
#include "platform/lecteur_a.h"

#include <cerrno>

namespace palmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNomProduit = "Palmora";
constexpr std::string_view kTitreEchange = "Exportation";

bool reessayer(Dialogues& dialogues, std::string texte) {
    return dialogues.message({std::move(texte), std::string(kTitreEchange), Icone::Critique,
                              Boutons::ReessayerAnnuler, Reponse::Annuler}) == Reponse::Reessayer;
}

void annoncer(Dialogues& dialogues, std::string texte) {
    dialogues.message({std::move(texte), std::string(kNomProduit), Icone::Information});
}

} // namespace

void ExporterRegistre(Competition& etat, const fs::path& dossierProgramme, LecteurA& lecteur,
                      Dialogues& dialogues) {
    etat.Fermer();
    for (;;) {
        const std::optional<std::string> registre = lireFichierRegistre(dossierProgramme);
        if (!registre) {
            dialogues.message({"Le fichier n° de licence\nn'existe pas", std::string(kTitreEchange),
                               Icone::Critique});
            return;
        }
        switch (lecteur.ecrire(kFichierEchange, *registre)) {
        case 0:
            annoncer(dialogues, "Fichier n° de licence copié sur A:");
            return;
        case ENOMEDIUM:
            if (reessayer(dialogues, "Mettre une disquette formatée\ndans le lecteur A")) continue;
            return;
        case EACCES:
        case EPERM:
        case EROFS:
            if (reessayer(dialogues, "Enlever la protection de la disquette\ndans le lecteur A"))
                continue;
            return;
        case ENOSPC:
        case EDQUOT:
            if (reessayer(dialogues,
                          "La disquette dans le lecteur A\nest pleine : changer la disquette"))
                continue;
            return;
        default:
            return;
        }
    }
}

void ImporterRegistre(Competition& etat, const fs::path& dossierProgramme, const LecteurA& lecteur,
                      Dialogues& dialogues) {
    etat.Fermer();
    std::string copie;
    for (;;) {
        const int erreur = lecteur.lire(kFichierEchange, copie);
        if (erreur == 0) break;
        if (erreur == ENOMEDIUM &&
            reessayer(dialogues,
                      "Mettre la disquette contenant le fichier\nn° de licence dans le lecteur A"))
            continue;
        if (erreur == ENOENT)
            dialogues.message({"Le fichier n° de licence\nn'existe pas sur A:",
                               std::string(kTitreEchange), Icone::Critique});
        return;
    }
    copie.resize(copie.size() / kTailleEntree * kTailleEntree);
    if (!fusionnerRegistre(dossierProgramme, copie, std::string(kTitreEchange), dialogues)) return;
    annoncer(dialogues, "Fichier des n° de licence\n    mis à jour.");
}

} // namespace palmora
