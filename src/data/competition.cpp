#include "data/competition.h"

#include "data/cp1252.h"
#include "data/nom_compet.h"
#include "data/remplacement.h"
#include "data/tri_intervalles.h"
#include "platform/dialogues.h"

#include <cstdlib>
#include <cstring>
#include <numeric>
#include <vector>

namespace palmora {

char EtatCompet::niveau() const {
    return caractereNom(FichierCompet, 3);
}

bool EtatCompet::aDesEquipes() const {
    if (fichier.longueur() > kTailleEnreg) return true;
    Enregistrement premier;
    return fichier.lire(1, premier) && !estProvisoire(premier);
}

std::int64_t EtatCompet::nbEquipes() const {
    if (EffectEquip <= 0 || !aDesEquipes()) return 0;
    return fichier.nombre() / EffectEquip;
}

void signalerModificationInterdite(Dialogues& dialogues) {
    dialogues.arreterProgramme(
        {"Modification interdite.", "Compétition terminée", Icone::Critique});
}

void FermerCompet(EtatCompet& etat) {
    etat.fichier.fermer();
    etat.FichierCompet.clear();
    etat.Protege = false;
    etat.NbEnreg = 0;
}

namespace {

void lireReglages(EtatCompet& etat, const Enregistrement& premier) {
    const auto chiffre = [&](int position) {
        return static_cast<int>(premier.nombre({position, 1}));
    };
    etat.EffectEquip = chiffre(50);
    etat.CalcEquip = chiffre(51);
    etat.JugesAnneaux = chiffre(52);
    etat.JugesArcons = chiffre(53);
    etat.JugesFixe = chiffre(54);
    etat.JugesBarres = chiffre(55);
    etat.JugesSaut = chiffre(56);
    etat.JugesSol = chiffre(57);
    etat.JugesPoutre = chiffre(58);
    etat.BlocConfig = std::string(premier.lire(champs::BlocConfig));
}

bool porteMarque(std::string_view contenu) {
    const std::size_t n = contenu.size() / kTailleEnreg;
    for (std::size_t k = 0; k < n; ++k)
        if (contenu[k * kTailleEnreg + kTailleEnreg - 1] == kCode160) return true;
    return false;
}

std::string cleEquipe(std::string_view texte, std::size_t largeur) {
    const auto debut = texte.find_first_not_of(' ');
    const auto fin = texte.find_last_not_of(' ');
    std::string cle =
        versCp1252(debut == std::string_view::npos ? std::string_view{}
                                                   : texte.substr(debut, fin - debut + 1));
    cle.resize(largeur, ' ');
    return cle;
}

// A full disk or an I/O error: the organiser must not believe the change made.
void signalerEchecEcriture(const EtatCompet& etat, Dialogues& dialogues) {
    dialogues.message({"Le fichier\n" + etat.chemin().string() + "\nne peut pas être écrit.",
                       etat.FichierCompet, Icone::Critique});
}

} // namespace

bool RemplacerCompet(EtatCompet& etat, std::string_view temporaire, std::string_view contenu,
                     Dialogues& dialogues) {
    if (etat.fichier.lectureSeule()) signalerModificationInterdite(dialogues);
    etat.fichier.fermer();
    const Ecriture resultat =
        remplacerFichier(etat.chemin(), etat.DossierTravail / temporaire, contenu);
    etat.fichier.ouvrir(etat.chemin());
    etat.NbEnreg = etat.fichier.nombre();
    if (resultat == Ecriture::Interdite) signalerModificationInterdite(dialogues);
    if (resultat == Ecriture::Echec) signalerEchecEcriture(etat, dialogues);
    return resultat == Ecriture::Reussie;
}

bool OuvrirCompet(EtatCompet& etat, Dialogues& dialogues) {
    etat.fichier.fermer();
    etat.Protege = false;
    if (etat.FichierCompet.empty()) return false;
    if (!etat.fichier.ouvrir(etat.chemin())) {
        dialogues.message({"Le fichier\n" + etat.chemin().string() + "\nne peut pas être ouvert.",
                           etat.FichierCompet, Icone::Critique});
        FermerCompet(etat);
        return false;
    }
    const std::string contenu = etat.fichier.contenu();
    if (porteMarque(contenu)) {
        etat.Protege = true;
        dialogues.message({"     Fichier protégé.\n\nUtilisation possible mais\n  modifications "
                           "interdites.",
                           etat.FichierCompet, Icone::Exclamation});
    }
    const std::string& nom = etat.FichierCompet;
    etat.CodeSexe = etat.niveau() == 'E' ? 'F' : caractereNom(nom, 1);
    etat.CodeAgres = etat.CodeSexe == 'M' ? 'M' : 'F';
    etat.DescriptionCompet = DecrireCompet(nom);
    etat.CodeAppart = caractereNom(nom, 6);
    lireReglages(etat, Enregistrement(contenu));
    etat.NbEnreg = static_cast<std::int64_t>(contenu.size() / kTailleEnreg);
    return true;
}

bool LireEnreg(EtatCompet& etat, std::int64_t n) {
    return etat.fichier.lire(n, etat.Enreg);
}

Ecriture EcrireEnreg(EtatCompet& etat, std::int64_t n, Dialogues& dialogues) {
    const Ecriture resultat = etat.fichier.ecrire(n, etat.Enreg);
    if (resultat == Ecriture::Interdite) signalerModificationInterdite(dialogues);
    if (resultat == Ecriture::Echec) signalerEchecEcriture(etat, dialogues);
    return resultat;
}

void TrierFichier(EtatCompet& etat, Dialogues& dialogues) {
    if (!etat.fichier.ouvert()) return;
    const std::string contenu = etat.fichier.contenu();
    const std::size_t n = contenu.size() / kTailleEnreg;

    // Key: team name, town, the rest of the record up to the town, then what follows it.
    std::string cles(n * kTailleEnreg, '\0');
    for (std::size_t k = 0; k < n; ++k) {
        const std::string_view r(contenu.data() + k * kTailleEnreg, kTailleEnreg);
        std::string_view morceaux[] = {r.substr(0, 15), r.substr(230, 20), r.substr(15, 215),
                                       r.substr(250, 50)};
        std::size_t pos = k * kTailleEnreg;
        for (std::string_view m : morceaux) {
            std::memcpy(cles.data() + pos, m.data(), m.size());
            pos += m.size();
        }
    }
    std::vector<std::size_t> ordre(n);
    std::iota(ordre.begin(), ordre.end(), 0);
    const auto cle = [&](std::ptrdiff_t i) { return cles.data() + ordre[i] * kTailleEnreg; };
    trierParIntervalles(
        static_cast<std::ptrdiff_t>(n),
        // Identical records stop the walk: the same file results, without a walk over every
        // one of a run of them.
        [&](std::ptrdiff_t a, std::ptrdiff_t b) {
            return std::memcmp(cle(a), cle(b), kTailleEnreg) <= 0;
        },
        [&](std::ptrdiff_t a, std::ptrdiff_t b) { std::swap(ordre[a], ordre[b]); });

    std::string trie;
    trie.reserve(n * kTailleEnreg);
    for (std::size_t k : ordre)
        trie.append(contenu, k * kTailleEnreg, kTailleEnreg);
    RemplacerCompet(etat, FichierTempo, trie, dialogues);
}

bool RetirerEquipe(EtatCompet& etat, std::string_view nomEquipe, std::string_view ville,
                   Dialogues& dialogues) {
    if (!etat.fichier.ouvert()) return false;
    if (etat.fichier.lectureSeule()) signalerModificationInterdite(dialogues);
    const std::string cle = cleEquipe(nomEquipe, 15) + cleEquipe(ville, 20);
    const std::string contenu = etat.fichier.contenu();
    const std::size_t n = contenu.size() / kTailleEnreg;
    std::string reste;
    for (std::size_t k = 0; k < n; ++k) {
        const std::string_view r(contenu.data() + k * kTailleEnreg, kTailleEnreg);
        if (std::string(r.substr(0, 15)) + std::string(r.substr(230, 20)) != cle) reste.append(r);
    }
    if (!reste.empty()) {
        RemplacerCompet(etat, FichierProvi, reste, dialogues);
        return false;
    }
    etat.fichier.fermer();
    std::error_code erreur;
    std::filesystem::remove(etat.chemin(), erreur);
    if (erreur && ecritureDepuisErreur(erreur.value()) == Ecriture::Interdite)
        signalerModificationInterdite(dialogues);
    FermerCompet(etat);
    return true;
}

void MarquerProtection(EtatCompet& etat, char marque, Dialogues& dialogues) {
    if (!etat.fichier.ouvert()) return;
    std::string contenu = etat.fichier.contenu();
    const std::size_t n = contenu.size() / kTailleEnreg;
    for (std::size_t k = 0; k < n; ++k)
        contenu[k * kTailleEnreg + kTailleEnreg - 1] = marque;
    if (RemplacerCompet(etat, FichierTempo, contenu, dialogues)) etat.Protege = marque == kCode160;
}

} // namespace palmora
