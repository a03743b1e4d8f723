#include "data/competition.h"

#include "data/cp1252.h"
#include "data/nom_compet.h"
#include "data/nombres.h"
#include "data/remplacement.h"
#include "data/sauvegardes.h"
#include "data/tri_intervalles.h"
#include "platform/dialogues.h"
#include "platform/systeme_fichiers.h"

#include <cerrno>
#include <cstring>
#include <numeric>
#include <vector>

namespace palmora {

namespace {

bool porteMarque(std::string_view contenu) {
    const std::size_t n = contenu.size() / kTailleEnreg;
    for (std::size_t k = 0; k < n; ++k)
        if (contenu[k * kTailleEnreg + kTailleEnreg - 1] == kCode160) return true;
    return false;
}

} // namespace

void signalerModificationInterdite(Dialogues& dialogues) {
    dialogues.arreterProgramme(
        {"Modification interdite.", "Compétition terminée", Icone::Critique});
}

void Competition::changerDossier(const std::filesystem::path& dossier) {
    Fermer();
    dossier_ = dossier;
}

void Competition::Fermer() {
    fichier_.fermer();
    nom_.clear();
    bloc_.clear();
    protege_ = false;
}

bool Competition::ouvrirFichier() {
    if (!fichier_.ouvrir(chemin())) return false;
    const std::string tout = fichier_.contenu();
    protege_ = porteMarque(tout);
    bloc_ = std::string(Enregistrement(tout).lire(champs::BlocConfig));
    return true;
}

bool Competition::Ouvrir(std::string_view nom, Dialogues& dialogues) {
    Fermer();
    if (nom.empty()) return false;
    nom_ = nom;
    if (!ouvrirFichier()) {
        dialogues.message({"Le fichier\n" + chemin().string() + "\nne peut pas être ouvert.", nom_,
                           Icone::Critique});
        Fermer();
        return false;
    }
    if (protege_)
        dialogues.message({"     Fichier protégé.\n\nUtilisation possible mais\n  modifications "
                           "interdites.",
                           nom_, Icone::Exclamation});
    sauvegarder(false, dialogues);
    return true;
}

void Competition::sauvegarder(bool forcee, Dialogues& dialogues) const {
    if (sauvegardes_ != nullptr) sauvegardes_->sauver(*this, forcee, dialogues);
}

bool Competition::Creer(std::string_view nom, std::string_view contenu, Dialogues& dialogues) {
    Fermer();
    const std::filesystem::path cible = dossier_ / nom;
    const Ecriture resultat = remplacerFichier(cible, dossier_ / FichierTempo, contenu);
    if (resultat == Ecriture::Interdite) signalerModificationInterdite(dialogues);
    if (resultat != Ecriture::Reussie) {
        dialogues.message({"Le fichier\n" + cible.string() + "\nne peut pas être créé.",
                           "Nouveau fichier", Icone::Critique});
        return false;
    }
    return Ouvrir(nom, dialogues);
}

std::string Competition::DescriptionCompet() const {
    return DecrireCompet(nom_);
}

char Competition::CodeSexe() const {
    return codeSexe(nom_);
}

char Competition::CodeAppart() const {
    return caractereNom(nom_, 6);
}

char Competition::niveau() const {
    return caractereNom(nom_, 3);
}

int chiffreReglage(std::string_view bloc, Champ chiffre) {
    const std::size_t k = static_cast<std::size_t>(chiffre.position - champs::BlocConfig.position);
    if (k >= bloc.size()) return 0;
    return static_cast<int>(lireNombre(bloc.substr(k, 1)));
}

bool aDesEquipes(std::uintmax_t longueur, const Enregistrement& premier) {
    if (longueur > kTailleEnreg) return true;
    return longueur == kTailleEnreg && !estProvisoire(premier);
}

std::int64_t nombreEquipes(std::uintmax_t longueur, const Enregistrement& premier) {
    const int effectif = chiffreReglage(premier.lire(champs::BlocConfig), champs::EffectEquip);
    if (effectif <= 0 || !aDesEquipes(longueur, premier)) return 0;
    return static_cast<std::int64_t>(longueur / kTailleEnreg) / effectif;
}

bool Competition::aDesEquipes() const {
    return palmora::aDesEquipes(fichier_.longueur(), LireEnreg(1));
}

std::int64_t Competition::nbEquipes() const {
    return nombreEquipes(fichier_.longueur(), LireEnreg(1));
}

Enregistrement Competition::LireEnreg(std::int64_t n) const {
    Enregistrement e;
    fichier_.lire(n, e);
    return e;
}

Ecriture Competition::EcrireEnregs(std::int64_t premier, std::span<const Enregistrement> enregs,
                                   Dialogues& dialogues) {
    if (fichier_.lectureSeule() || !fichier_.ouvert()) signalerModificationInterdite(dialogues);
    const std::uintmax_t longueur = fichier_.longueur();
    const std::string anciens = fichier_.lireSuite(premier, std::ssize(enregs));
    Ecriture resultat = Ecriture::Reussie;
    std::size_t tentes = 0;
    for (const Enregistrement& e : enregs) {
        ++tentes;
        resultat = fichier_.ecrire(premier + static_cast<std::int64_t>(tentes) - 1, e);
        if (resultat != Ecriture::Reussie) break;
    }
    if (resultat == Ecriture::Reussie) resultat = fichier_.vider();
    if (resultat == Ecriture::Reussie) {
        if (premier == 1 && !enregs.empty())
            bloc_ = std::string(enregs.front().lire(champs::BlocConfig));
        ++revision_;
        sauvegarder(false, dialogues);
        return resultat;
    }
    const std::size_t touches = std::min(anciens.size(), tentes * kTailleEnreg);
    if (!remettre(premier, std::string_view(anciens).substr(0, touches), longueur)) {
        dialogues.message({"Le fichier\n" + chemin().string() +
                               "\nne peut pas être écrit et peut être endommagé.",
                           nom_, Icone::Critique});
        return Ecriture::Echec;
    }
    if (resultat == Ecriture::Interdite) signalerModificationInterdite(dialogues);
    signalerFichierNonEcrit(chemin(), nom_, dialogues);
    return resultat;
}

bool Competition::remettre(std::int64_t premier, std::string_view anciens,
                           std::uintmax_t longueur) {
    const auto position = static_cast<std::uintmax_t>(premier - 1) * kTailleEnreg;
    bool remis = anciens.empty() || fichier_.ecrireOctets(position, anciens) == Ecriture::Reussie;
    if (fichier_.longueur() != longueur)
        remis = fichier_.tronquer(longueur) == Ecriture::Reussie && remis;
    return remis;
}

void Competition::ecrireDerives(const ChangementsEnreg& changements) {
    fichier_.ecrire(changements);
}

bool Competition::Remplacer(std::string_view temporaire, std::string_view contenu,
                            Dialogues& dialogues) {
    if (fichier_.lectureSeule()) signalerModificationInterdite(dialogues);
    fichier_.fermer();
    const Ecriture resultat = remplacerFichier(chemin(), dossier_ / temporaire, contenu);
    ouvrirFichier();
    if (resultat == Ecriture::Interdite) signalerModificationInterdite(dialogues);
    if (resultat == Ecriture::Echec) signalerFichierNonEcrit(chemin(), nom_, dialogues);
    if (resultat != Ecriture::Reussie) return false;
    ++revision_;
    sauvegarder(false, dialogues);
    return true;
}

bool Competition::Supprimer(Dialogues& dialogues) {
    if (systeme::supprimer(chemin().c_str()) != 0) {
        if (ecritureDepuisErreur(errno) == Ecriture::Interdite)
            signalerModificationInterdite(dialogues);
        dialogues.message({"Le fichier\n" + chemin().string() + "\nne peut pas être supprimé.",
                           nom_, Icone::Critique});
        return false;
    }
    Fermer();
    return true;
}

namespace {

std::string cleEquipe(std::string_view texte, std::size_t largeur) {
    const auto debut = texte.find_first_not_of(' ');
    const auto fin = texte.find_last_not_of(' ');
    std::string cle =
        versCp1252(debut == std::string_view::npos ? std::string_view{}
                                                   : texte.substr(debut, fin - debut + 1));
    cle.resize(largeur, ' ');
    return cle;
}

} // namespace

std::string contenuTrie(std::string_view contenu) {
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
        trie.append(contenu.substr(k * kTailleEnreg, kTailleEnreg));
    return trie;
}

void TrierFichier(Competition& compet, Dialogues& dialogues) {
    if (!compet.ouvert()) return;
    compet.Remplacer(FichierTempo, contenuTrie(compet.contenu()), dialogues);
}

bool RetirerEquipe(Competition& compet, std::string_view nomEquipe, std::string_view ville,
                   Dialogues& dialogues) {
    if (!compet.ouvert()) return false;
    if (compet.lectureSeule()) signalerModificationInterdite(dialogues);
    // What the organiser is about to lose is kept first.
    compet.sauvegarder(true, dialogues);
    const std::string cle = cleEquipe(nomEquipe, 15) + cleEquipe(ville, 20);
    const std::string contenu = compet.contenu();
    const std::size_t n = contenu.size() / kTailleEnreg;
    std::string reste;
    for (std::size_t k = 0; k < n; ++k) {
        const std::string_view r(contenu.data() + k * kTailleEnreg, kTailleEnreg);
        if (std::string(r.substr(0, 15)) + std::string(r.substr(230, 20)) != cle) reste.append(r);
    }
    if (!reste.empty()) {
        compet.Remplacer(FichierProvi, reste, dialogues);
        return false;
    }
    return compet.Supprimer(dialogues);
}

void MarquerProtection(Competition& compet, char marque, Dialogues& dialogues) {
    if (!compet.ouvert()) return;
    std::string contenu = compet.contenu();
    const std::size_t n = contenu.size() / kTailleEnreg;
    for (std::size_t k = 0; k < n; ++k)
        contenu[k * kTailleEnreg + kTailleEnreg - 1] = marque;
    compet.Remplacer(FichierTempo, contenu, dialogues);
}

} // namespace palmora
