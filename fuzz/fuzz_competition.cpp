// An arbitrary competition file, opened, ranked, shown in score entry, written as pages and
// tables, printed and sorted as the organiser's commands would.
#include "outils_fuzz.h"

#include "data/competition.h"
#include "data/titre_fichier.h"
#include "registration/inscription.h"
#include "reports/classement_equipes.h"
#include "reports/classement_indiv.h"
#include "reports/feuilles_match.h"
#include "reports/imprim_classements.h"
#include "reports/mise_en_page.h"
#include "reports/verif_notes.h"
#include "reports/voir_pages.h"
#include "scoring/saisie_notes.h"

using namespace palmora;
using namespace palmora::fuzz;

namespace {

// The name decides sex, level, category and plateau: its eight characters come from the
// input, among those a competition name may hold (and a few it should not).
std::string nomFichier(std::string_view& octets) {
    static constexpr std::string_view kLettres = "FMEH_123456NPBMJTSDX0 9é";
    std::string nom = "F_2_PS00";
    for (std::size_t k = 0; k < nom.size() && !octets.empty(); ++k) {
        nom[k] = kLettres[static_cast<unsigned char>(octets.front()) % (kLettres.size() - 1)];
        octets.remove_prefix(1);
    }
    return nom + ".PLM";
}

void parcourir(Competition& etat, DialoguesMuets& dialogues) {
    const TextesPage textes{
        etat.DescriptionCompet(), {"Titre", "Lieu"}, {"06", " décembre ", "2026"}, "Palmora 1.00"};
    SurfaceMuette surface;
    // The registration window: the first teams read, then saved as read.
    for (std::int64_t t = 1; t <= etat.nbEquipes() + 1 && t <= 3; ++t) {
        EquipeSaisie equipe = lireEquipe(etat, t);
        SauverEquipe(etat, t, equipe, dialogues);
    }
    for (const Agres& agres : agresDe(etat.CodeAgres())) {
        SaisieNotes saisie(etat, dialogues, agres);
        for (std::int64_t t = 1; t <= saisie.nbEquipes() && t <= 3; ++t)
            saisie.ChargerEquipe(t);
    }
    VerifNotes(etat, dialogues);
    imprimerClIndiv(ClasserIndiv(etat), etat.CodeSexe() == 'M', textes, surface);
    imprimerClEquip(ClasserEquipes(etat), etat.CodeSexe() == 'M', textes, surface);
    EcrireClIndiv(etat, textes, dialogues);
    EcrireClEquip(etat, textes, dialogues);
    EcrireVoirNotes(etat, textes, dialogues);
    ImprimerFeuilles(etat, textes.titre, ChoixFeuilles{}, surface);
    TrierFichier(etat, dialogues);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view octets = enTexte(data, size);
    const std::string nom = nomFichier(octets);
    ecrireOctets(dossierFuzz() / nom, octets);
    Competition etat;
    etat.changerDossier(dossierFuzz());
    DialoguesMuets dialogues;
    try {
        if (etat.Ouvrir(nom, dialogues)) parcourir(etat, dialogues);
    } catch (const ProgrammeArrete&) {
    }
    etat.Fermer();
    std::filesystem::remove(dossierFuzz() / nom);
    return 0;
}
