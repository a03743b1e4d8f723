#include "reports/voir_pages.h"

#include "data/competition.h"
#include "data/nom_compet.h"
#include "platform/dialogues.h"
#include "platform/documents.h"
#include "reports/page_equipes.h"
#include "reports/page_indiv.h"
#include "reports/voir_notes.h"

#include <fstream>

namespace palmora {

namespace {

constexpr std::string_view kTitreIndiv = "Affichage du classement individuel";
constexpr std::string_view kTitreEquip = "Affichage du classement par équipes";
constexpr std::string_view kTitreNotes = "Affichage des notes";

// A page is composed anew by every command: it is written in place, without the flush to
// disk that the competition file gets, which would cost more than the whole ranking.
bool ecrire(const std::filesystem::path& chemin, std::string_view contenu, std::string_view titre,
            Dialogues& dialogues) {
    std::ofstream sortie(chemin, std::ios::binary | std::ios::trunc);
    sortie.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
    sortie.close();
    if (sortie) return true;
    signalerFichierNonEcrit(chemin, std::string(titre), dialogues);
    return false;
}

std::optional<std::filesystem::path>
ecrirePageEtTable(const std::filesystem::path& page, const std::filesystem::path& table,
                  const PageEtTable& contenus, std::string_view titre, Dialogues& dialogues) {
    const bool pageEcrite = ecrire(page, contenus.page, titre, dialogues);
    ecrire(table, contenus.table, titre, dialogues);
    if (!pageEcrite) return std::nullopt;
    return page;
}

void montrer(const std::optional<std::filesystem::path>& page, std::string_view annonce,
             std::string_view titre, Dialogues& dialogues, OuvreurDocuments& ouvreur) {
    if (!page) return;
    dialogues.message({std::string(annonce) +
                           "\n\n Fermer cette page (Clic sur X ou Alt-F-F)\n          pour revenir "
                           "au logiciel",
                       std::string(titre), Icone::Information});
    montrerDocument(*page, std::string(titre), ouvreur, dialogues);
}

} // namespace

std::filesystem::path cheminClIndiv(const Competition& etat, std::string_view extension) {
    std::string nom = etat.DescriptionCompet();
    const std::string plateau{caractereNom(etat.FichierCompet(), 7),
                              caractereNom(etat.FichierCompet(), 8)};
    if (plateau != "00") nom += " - " + plateau;
    return etat.DossierTravail() / (nom + " (indiv)" + std::string(extension));
}

std::filesystem::path cheminClEquip(const Competition& etat, std::string_view extension) {
    return etat.DossierTravail() /
           (etat.DescriptionCompet() + " (équipe)" + std::string(extension));
}

std::optional<std::filesystem::path> EcrireClIndiv(Competition& etat, const TextesPage& textes,
                                                   Dialogues& dialogues) {
    const PageEtTable contenus =
        composerClIndiv(ClasserIndiv(etat), etat.CodeAgres(), etat.CodeSexe(), textes);
    return ecrirePageEtTable(cheminClIndiv(etat, ".htm"), cheminClIndiv(etat, ".txt"), contenus,
                             kTitreIndiv, dialogues);
}

std::optional<std::filesystem::path> EcrireClEquip(Competition& etat, const TextesPage& textes,
                                                   Dialogues& dialogues) {
    const PageEtTable contenus = composerClEquip(ClasserEquipes(etat), etat.CodeAgres(), textes);
    return ecrirePageEtTable(cheminClEquip(etat, ".htm"), cheminClEquip(etat, ".txt"), contenus,
                             kTitreEquip, dialogues);
}

std::optional<std::filesystem::path> EcrireVoirNotes(Competition& etat, const TextesPage& textes,
                                                     Dialogues& dialogues) {
    ClasserIndiv(etat);
    const std::string page =
        composerVoirNotes(ClasserEquipes(etat, true), etat.EffectEquip(), etat.CodeAgres(), textes);
    const std::filesystem::path chemin = etat.DossierTravail() / "VoirNotes.htm";
    if (!ecrire(chemin, page, kTitreNotes, dialogues)) return std::nullopt;
    return chemin;
}

void VoirClIndiv(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                 OuvreurDocuments& ouvreur) {
    montrer(EcrireClIndiv(etat, textes, dialogues), "   La page de classement va apparaître.",
            kTitreIndiv, dialogues, ouvreur);
}

void VoirClEquip(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                 OuvreurDocuments& ouvreur) {
    montrer(EcrireClEquip(etat, textes, dialogues), "   La page de classement va apparaître.",
            kTitreEquip, dialogues, ouvreur);
}

void VoirNotes(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
               OuvreurDocuments& ouvreur) {
    montrer(EcrireVoirNotes(etat, textes, dialogues), "   La page de notes va apparaître.",
            kTitreNotes, dialogues, ouvreur);
}

} // namespace palmora
