#include "data/registre_licences.h"

#include "data/competition.h"
#include "data/cp1252.h"
#include "data/ecriture_signalee.h"
#include "data/nombres.h"
#include "data/remplacement.h"
#include "data/tri_intervalles.h"

#include <cstring>
#include <fstream>
#include <numeric>
#include <sstream>

namespace palmora {

namespace fs = std::filesystem;

namespace {

// The registry's whole entries; a trailing partial one is left out.
std::string entreesRegistre(const fs::path& dossierProgramme) {
    std::string contenu = lireTout(dossierProgramme / kFichierRegistre).value_or("");
    contenu.resize(contenu.size() / kTailleEntree * kTailleEntree);
    return contenu;
}

// Opening the registry has always created it when missing.
void creerSiAbsent(const fs::path& chemin) {
    std::error_code erreur;
    if (!fs::exists(chemin, erreur)) std::ofstream{chemin, std::ios::binary};
}

std::string sansBlancsFinaux(std::string_view texte) {
    const auto fin = texte.find_last_not_of(' ');
    return depuisCp1252(fin == std::string_view::npos ? std::string_view{}
                                                      : texte.substr(0, fin + 1));
}

// Sorts whole entries and keeps the first of each run of equal licence numbers, which is
// the smallest entry of that number.
std::string trierSansDoublons(std::string_view entrees) {
    const std::size_t n = entrees.size() / kTailleEntree;
    std::vector<std::size_t> ordre(n);
    std::iota(ordre.begin(), ordre.end(), 0);
    const auto entree = [&](std::ptrdiff_t i) { return entrees.data() + ordre[i] * kTailleEntree; };
    trierParIntervalles(
        static_cast<std::ptrdiff_t>(n),
        [&](std::ptrdiff_t a, std::ptrdiff_t b) {
            return std::memcmp(entree(a), entree(b), kTailleEntree) <= 0;
        },
        [&](std::ptrdiff_t a, std::ptrdiff_t b) { std::swap(ordre[a], ordre[b]); });

    std::string registre;
    std::string_view derniere;
    for (std::size_t k : ordre) {
        const std::string_view e = entrees.substr(k * kTailleEntree, kTailleEntree);
        if (!derniere.empty() && e.substr(0, 10) == derniere.substr(0, 10)) continue;
        registre.append(e);
        derniere = e;
    }
    return registre;
}

} // namespace

std::optional<std::string> entreeDepuisEnreg(const Enregistrement& e) {
    const std::string_view licence = e.lire(champs::NoLic);
    const long long numero = lireNombre(licence);
    if (licence.find_first_not_of(' ') == std::string_view::npos || numero == 0)
        return std::nullopt;
    // The number is written back into its ten positions, as the record field would hold it.
    std::string entree = chiffres(numero, 10).substr(0, 10);
    for (Champ c : {champs::Nom, champs::Prénom, champs::Naissance, champs::Ville, champs::SurCl})
        entree.append(e.lire(c));
    entree.resize(kTailleEntree, ' ');
    return entree;
}

std::optional<std::string> lireFichierRegistre(const fs::path& dossierProgramme) {
    return lireTout(dossierProgramme / kFichierRegistre);
}

bool fusionnerRegistre(const fs::path& dossierProgramme, std::string_view ajouts,
                       const std::string& titre, Dialogues& dialogues) {
    const fs::path registre = dossierProgramme / kFichierRegistre;
    creerSiAbsent(registre);
    const std::string entrees = entreesRegistre(dossierProgramme) + std::string(ajouts);
    if (entrees.empty()) return true;
    return remplacerOuSignaler(registre, kFichierTriRegistre, trierSansDoublons(entrees), titre,
                               dialogues);
}

bool ReconstruireRegistre(Competition& etat, const fs::path& dossierProgramme,
                          const std::vector<std::string>& fichiersCompet, Dialogues& dialogues) {
    etat.Fermer();
    std::string ajouts;
    for (const std::string& nom : fichiersCompet) {
        const std::optional<std::string> contenu = lireTout(etat.DossierTravail() / nom);
        if (!contenu) continue;
        for (std::size_t k = 0; k + kTailleEnreg <= contenu->size(); k += kTailleEnreg)
            if (auto entree = entreeDepuisEnreg(
                    Enregistrement(std::string_view(*contenu).substr(k, kTailleEnreg))))
                ajouts += *entree;
    }
    return fusionnerRegistre(dossierProgramme, ajouts, "Sortie du logiciel", dialogues);
}

std::string EntreesRegistre(const fs::path& dossierProgramme) {
    creerSiAbsent(dossierProgramme / kFichierRegistre);
    return entreesRegistre(dossierProgramme);
}

std::optional<EntreeLicence> chercherLicence(std::string_view entrees, long long numero) {
    for (std::size_t k = 0; k + kTailleEntree <= entrees.size(); k += kTailleEntree) {
        const std::string_view e = entrees.substr(k, kTailleEntree);
        if (lireNombre(e.substr(0, 10)) != numero) continue;
        return EntreeLicence{std::string(e.substr(0, 10)),       sansBlancsFinaux(e.substr(10, 15)),
                             sansBlancsFinaux(e.substr(25, 15)), sansBlancsFinaux(e.substr(40, 2)),
                             sansBlancsFinaux(e.substr(42, 20)), sansBlancsFinaux(e.substr(62, 1))};
    }
    return std::nullopt;
}

std::optional<EntreeLicence> ChercherLicence(const fs::path& dossierProgramme, long long numero) {
    return chercherLicence(EntreesRegistre(dossierProgramme), numero);
}

} // namespace palmora
