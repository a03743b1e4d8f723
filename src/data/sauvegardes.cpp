#include "data/sauvegardes.h"

#include "data/competition.h"
#include "data/nombres.h"
#include "data/remplacement.h"
#include "platform/dialogues.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace palmora {

namespace fs = std::filesystem;

namespace {

std::string deux(int n) {
    return chiffres(n, 2);
}

std::string sansExtension(std::string_view nom) {
    const auto point = nom.rfind('.');
    return std::string(nom.substr(0, point));
}

std::int64_t secondes(const DateHeure& d) {
    using namespace std::chrono;
    const sys_days jour{year{d.annee} / d.mois / d.jour};
    return jour.time_since_epoch().count() * 86400LL + d.heure * 3600LL + d.minute * 60LL +
           d.seconde;
}

// What a copy's name tells: its date and time ("2026-12-06 10h42") and its rank in the minute.
struct NomLu {
    std::string date;
    int rang = 1;
};

std::optional<NomLu> lireNom(std::string_view nom, std::string_view prefixe) {
    constexpr std::string_view kExtension = ".PLM";
    constexpr std::size_t kDate = 16; // "2026-12-06 10h42"
    if (!nom.starts_with(prefixe) || !nom.ends_with(kExtension)) return std::nullopt;
    nom.remove_prefix(prefixe.size());
    nom.remove_suffix(kExtension.size());
    if (nom.size() < kDate || nom[10] != ' ' || nom[13] != 'h') return std::nullopt;
    NomLu lu{std::string(nom.substr(0, kDate))};
    const std::string_view reste = nom.substr(kDate);
    if (!reste.empty()) {
        if (!reste.starts_with(" (") || !reste.ends_with(")")) return std::nullopt;
        lu.rang = static_cast<int>(lireNombre(reste.substr(2, reste.size() - 3)));
    }
    return lu;
}

CopieSauvegarde decrire(const fs::path& chemin, const NomLu& nom) {
    const std::string& d = nom.date; // "2026-12-06 10h42"
    CopieSauvegarde copie{chemin, d.substr(8, 2) + "/" + d.substr(5, 2) + "/" + d.substr(0, 4) +
                                      " " + d.substr(11, 2) + ":" + d.substr(14, 2)};
    const std::string contenu = lireTout(chemin).value_or("");
    const std::size_t n = contenu.size() / kTailleEnreg;
    const Enregistrement premier(contenu);
    const long long effectif = premier.nombre(champs::EffectEquip);
    if (effectif > 0 && !(n == 1 && estProvisoire(premier)))
        copie.equipes = static_cast<std::int64_t>(n) / effectif;
    for (std::size_t k = 0; k < n; ++k) {
        const Enregistrement e(std::string_view(contenu).substr(k * kTailleEnreg, kTailleEnreg));
        for (int s = 1; s <= 6; ++s)
            for (int j = 1; j <= 6; ++j)
                if (e.nombre(champs::Notes(s, j)) != 0) ++copie.notes;
    }
    return copie;
}

// This competition's copies in the folder, newest first.
std::vector<std::pair<NomLu, fs::path>> copies(const fs::path& dossier,
                                               std::string_view fichierCompet) {
    const std::string prefixe = sansExtension(fichierCompet) + " ";
    std::vector<std::pair<NomLu, fs::path>> trouvees;
    std::error_code erreur;
    for (fs::directory_iterator it(dossier, erreur), fin; !erreur && it != fin;
         it.increment(erreur))
        if (auto lu = lireNom(it->path().filename().string(), prefixe))
            trouvees.emplace_back(*lu, it->path());
    std::sort(trouvees.begin(), trouvees.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.date, a.first.rang) > std::tie(b.first.date, b.first.rang);
    });
    return trouvees;
}

} // namespace

std::string nomSauvegarde(std::string_view fichierCompet, const DateHeure& date, int rang) {
    std::string nom = sansExtension(fichierCompet) + " " + chiffres(date.annee, 4) + "-" +
                      deux(date.mois) + "-" + deux(date.jour) + " " + deux(date.heure) + "h" +
                      deux(date.minute);
    if (rang > 1) nom += " (" + std::to_string(rang) + ")";
    return nom + ".PLM";
}

void Sauvegardes::sauver(const Competition& compet, bool forcee, Dialogues& dialogues) {
    if (!compet.ouvert()) return;
    const DateHeure maintenant = horloge_.maintenant();
    const auto derniere = dernieres_.find(compet.chemin());
    if (!forcee && derniere != dernieres_.end() &&
        (derniere->second.revision == compet.revision() ||
         secondes(maintenant) - secondes(derniere->second.quand) < 60))
        return;

    const fs::path dossier = compet.DossierTravail() / kDossierSauvegardes;
    std::error_code erreur;
    fs::create_directories(dossier, erreur);
    int rang = 1;
    while (fs::exists(dossier / nomSauvegarde(compet.FichierCompet(), maintenant, rang), erreur))
        ++rang;
    const fs::path copie = dossier / nomSauvegarde(compet.FichierCompet(), maintenant, rang);
    if (erreur ||
        remplacerFichier(copie, dossier / FichierTempo, compet.contenu()) != Ecriture::Reussie) {
        // Told once: the command itself is done, and the organiser must not be stopped at
        // every save.
        if (!echecSignale_)
            dialogues.message({"Les sauvegardes automatiques ne peuvent pas être écrites "
                               "dans le dossier\n" +
                                   dossier.string() +
                                   "\n\nLa compétition elle-même est bien enregistrée.",
                               "Sauvegarde", Icone::Exclamation});
        echecSignale_ = true;
        return;
    }
    dernieres_[compet.chemin()] = {maintenant, compet.revision()};
    const auto toutes = copies(dossier, compet.FichierCompet());
    for (std::size_t k = kSauvegardesGardees; k < toutes.size(); ++k)
        fs::remove(toutes[k].second, erreur);
}

std::vector<CopieSauvegarde> Sauvegardes::lister(const Competition& compet) const {
    std::vector<CopieSauvegarde> liste;
    for (const auto& [nom, chemin] :
         copies(compet.DossierTravail() / kDossierSauvegardes, compet.FichierCompet()))
        liste.push_back(decrire(chemin, nom));
    return liste;
}

bool RestaurerSauvegarde(Competition& compet, const fs::path& copie, Dialogues& dialogues) {
    const std::optional<std::string> contenu = lireTout(copie);
    if (!contenu) {
        dialogues.message({"Le fichier\n" + copie.string() + "\nne peut pas être lu.",
                           "Restaurer une sauvegarde", Icone::Critique});
        return false;
    }
    compet.sauvegarder(true, dialogues);
    return compet.Remplacer(FichierTempo, *contenu, dialogues);
}

} // namespace palmora
