#include "data/creation.h"

#include "data/competition.h"
#include "data/nombres.h"
#include "platform/dialogues.h"

#include <optional>
#include <set>

namespace palmora {

using namespace nouveau;

namespace {

constexpr std::string_view kCodesNiveau = "12EC3HPSXU";
constexpr std::string_view kLettresCatégorie = "PBMJTN";

// Categories as sets of bits, one per option.
constexpr unsigned P = 1u << Ans9_10;
constexpr unsigned B = 1u << Ans9_12;
constexpr unsigned M = 1u << Ans9_14;
constexpr unsigned J = 1u << Ans11_14;
constexpr unsigned T = 1u << Toutes;
constexpr unsigned N = 1u << Ans7_8;

// The categories a level offers when it is chosen; every other one is hidden.
unsigned catégoriesDuNiveau(int niveau, bool hommes) {
    switch (niveau) {
    case Niveau1:
    case Niveau2:
        return P | B | M | T | N;
    case MiniEnchainement:
        return P | B | N;
    case CircuitPreparatoire:
        return P | B;
    case Niveau3:
    case Criterium:
        return P | B | M | T;
    case Honneur:
    case Promotion:
        return hommes ? M | T : J | T;
    case Espoir:
        return hommes ? M | T : T;
    default:
        return T;
    }
}

// Choosing the sex offers the categories again for the selected level, from its own table:
// `montre` shown, `cache` hidden, the others as they were.
struct Reaffichage {
    unsigned montre;
    unsigned cache;
};

Reaffichage catégoriesDuSexe(int niveau, bool hommes) {
    switch (niveau) {
    case Niveau1:
    case Niveau2:
    case Niveau3:
        return {P | B | M | T, J};
    case MiniEnchainement:
    case CircuitPreparatoire:
        return {P | B, M | J | T};
    case Honneur:
        return {J | T, P | B | M};
    case Promotion:
        return {B | M, P | J};
    case Espoir:
        return hommes ? Reaffichage{J | T, P | B | M} : Reaffichage{T, P | B | M | J};
    case Excellence:
        return {T, P | B | M | J};
    default:
        return {0, 0};
    }
}

struct Equipe {
    int effectif;
    int retenues;
};

// The team size and retained count a level sets; Mini-enchaînement and Circuit préparatoire
// keep those already chosen.
std::optional<Equipe> equipeDuNiveau(int niveau, bool hommes) {
    switch (niveau) {
    case Niveau1:
    case Niveau2:
        return Equipe{6, hommes ? 4 : 5};
    case Niveau3:
    case Criterium:
        return Equipe{6, 5};
    case Promotion:
        return Equipe{5, 4};
    case Honneur:
    case Espoir:
    case Excellence:
        return Equipe{4, 3};
    default:
        return std::nullopt;
    }
}

} // namespace

ChoixNouveau::ChoixNouveau() {
    niveauVisible.fill(true);
    catégorieVisible.fill(true);
    choisirSexe(Feminines);
    choisirNiveau(Niveau1);
    choisirCatégorie(Ans7_8);
    choisirAppartenance(Simple);
}

void ChoixNouveau::choisirSexe(int choisi) {
    sexe = choisi;
    const bool hommes = sexe == Masculins;
    retenues = hommes ? 4 : 5;
    CodeSexe = hommes ? 'M' : 'F';
    const Reaffichage r = catégoriesDuSexe(niveau, hommes);
    for (int c = 0; c < kCategories; ++c) {
        if (r.montre & (1u << c)) catégorieVisible[c] = true;
        if (r.cache & (1u << c)) catégorieVisible[c] = false;
    }
    niveauVisible[Niveau3] = !hommes;
    niveauVisible[Criterium] = !hommes;
    niveauVisible[CircuitPreparatoire] = hommes;
    NomNouveau[0] = CodeSexe;
    // The level just before a level the sex no longer offers is always offered.
    if (!niveauVisible[niveau]) choisirNiveau(niveau - 1);
    garderCatégorie();
}

void ChoixNouveau::choisirNiveau(int choisi) {
    niveau = choisi;
    const bool hommes = sexe == Masculins;
    const unsigned offertes = catégoriesDuNiveau(niveau, hommes);
    for (int c = 0; c < kCategories; ++c)
        catégorieVisible[c] = (offertes & (1u << c)) != 0;
    if (const auto equipe = equipeDuNiveau(niveau, hommes)) {
        effectif = equipe->effectif;
        retenues = equipe->retenues;
    }
    if (niveau == MiniEnchainement) choisirCatégorie(Ans7_8);
    NomNouveau[2] = kCodesNiveau[static_cast<std::size_t>(niveau)];
    garderCatégorie();
}

void ChoixNouveau::choisirCatégorie(int choisie) {
    catégorie = choisie;
    NomNouveau[4] = kLettresCatégorie[static_cast<std::size_t>(catégorie)];
}

void ChoixNouveau::choisirAppartenance(int choisie) {
    appartenance = choisie;
    CodeAppart = appartenance == Double ? 'D' : 'S';
    NomNouveau[5] = CodeAppart;
}

void ChoixNouveau::garderCatégorie() {
    if (catégorieVisible[catégorie]) return;
    for (int c = 0; c < kCategories; ++c)
        if (catégorieVisible[c]) return choisirCatégorie(c);
}

void ChoixNouveau::changerEffectif(int sens) {
    if (sens > 0 && effectif < 6) ++effectif;
    if (sens < 0 && effectif > 1) {
        --effectif;
        if (effectif < retenues) --retenues;
    }
}

void ChoixNouveau::changerRetenues(int sens) {
    if (sens > 0 && retenues < effectif) ++retenues;
    if (sens < 0 && retenues > 1) --retenues;
}

bool ChoixNouveau::cadreAppartenance() const {
    return !(niveau == Niveau1 || niveau == Niveau2 || niveau == Excellence ||
             (niveau == Niveau3 && catégorie == Ans9_10));
}

std::string_view ChoixNouveau::legendeEffectif() const {
    return sexe == Masculins ? "Concurrents par équipe" : "Concurrentes par équipe";
}

namespace {

std::string majuscules(std::string texte) {
    for (char& c : texte)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return texte;
}

// The first of prefix + "00" … "99" that names no file of the folder. Names are compared
// without case, so that a file copied from another system is never overwritten.
std::optional<std::string> premierNomLibre(const std::filesystem::path& dossier,
                                           const std::string& prefixe) {
    std::set<std::string> pris;
    std::error_code erreur;
    for (std::filesystem::directory_iterator it(dossier, erreur), fin; !erreur && it != fin;
         it.increment(erreur))
        pris.insert(majuscules(it->path().filename().string()));
    for (int plateau = 0; plateau <= 99; ++plateau) {
        std::string candidat = prefixe + chiffres(plateau, 2);
        if (!pris.contains(majuscules(candidat) + ".PLM")) return candidat;
    }
    return std::nullopt;
}

std::string blocProvisoire(const ChoixNouveau& choix, const NbJuges& juges) {
    std::string bloc{choix.CodeAppart, static_cast<char>('0' + choix.effectif),
                     static_cast<char>('0' + choix.retenues)};
    for (int compte : juges)
        bloc += static_cast<char>('0' + compte);
    return bloc;
}

} // namespace

bool CreerCompetition(Competition& etat, ChoixNouveau& choix, const DemandeJuges& demanderJuges,
                      Dialogues& dialogues) {
    if (!choix.cadreAppartenance()) {
        choix.CodeAppart = '0';
        choix.NomNouveau[5] = '0';
    }
    const PanneauJuges juges = demanderJuges(panneauNouveau(choix.CodeSexe, choix.NomNouveau[2]));
    etat.Fermer();
    if (juges.JugesAnnule) return false;

    const std::string prefixe = choix.NomNouveau.substr(0, 6);
    const std::optional<std::string> nom = premierNomLibre(etat.DossierTravail(), prefixe);
    if (!nom) {
        dialogues.message({"Les numéros de plateau 00 à 99 sont tous pris pour " + prefixe +
                               ".\nAucun fichier n'a été créé.",
                           "Nouveau fichier", Icone::Critique});
        return false;
    }
    choix.NomNouveau = *nom;
    const Enregistrement provisoire =
        enregistrementProvisoire(blocProvisoire(choix, juges.comptes()));
    return etat.Creer(*nom + ".PLM", provisoire.octets(), dialogues);
}

} // namespace palmora
