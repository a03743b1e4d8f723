#include "registration/import_inscriptions.h"

#include "data/competition.h"
#include "data/controle_naissances.h"
#include "platform/dialogues.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace palmora {

namespace {

constexpr std::string_view kTitre = "Importer des inscriptions";

// The competition file held in memory, grown team by team as `SauverEquipe` grows it.
struct FichierEnMemoire {
    std::string contenu;
    Enregistrement lire(std::int64_t n) const {
        const auto debut = static_cast<std::size_t>(n - 1) * kTailleEnreg;
        if (debut >= contenu.size()) return {};
        return Enregistrement(std::string_view(contenu).substr(debut));
    }
    void ecrire(std::int64_t n, const Enregistrement& e) {
        const auto debut = static_cast<std::size_t>(n - 1) * kTailleEnreg;
        if (contenu.size() < debut + kTailleEnreg) contenu.resize(debut + kTailleEnreg, kNul);
        std::memcpy(contenu.data() + debut, e.data(), kTailleEnreg);
    }
};

// Runs of lines with the same team name and town, in file order.
std::vector<EquipeImport> grouper(const std::vector<LigneImport>& lignes,
                                  std::vector<Probleme>& problemes) {
    std::vector<EquipeImport> equipes;
    for (const LigneImport& l : lignes) {
        if (equipes.empty() || l.NomEquip != equipes.back().equipe.NomEquip ||
            l.Ville != equipes.back().equipe.Ville)
            equipes.push_back({{l.NomEquip, l.Ville, {}}, {}, {}});
        EquipeImport& e = equipes.back();
        e.equipe.lignes.push_back(l.gymnaste);
        e.lignes.push_back(l.numero);
        if (e.refus.empty() && !l.refus.empty())
            e.refus = "ligne " + std::to_string(l.numero) + " : " + l.refus;
    }
    for (EquipeImport& e : equipes) {
        const int premiere = e.lignes.front();
        if (couper(e.equipe.NomEquip, 15))
            problemes.push_back(
                {premiere, "nom d'équipe coupé à 15 caractères : « " + e.equipe.NomEquip + " »"});
        if (couper(e.equipe.Ville, 20))
            problemes.push_back(
                {premiere, "ville coupée à 20 caractères : « " + e.equipe.Ville + " »"});
    }
    return equipes;
}

// The reason the team cannot be registered, its gymnasts' refusals aside.
std::string refusEquipe(EquipeImport& e, const Competition& compet,
                        const BornesCategories& BornesAges) {
    const int effectif = compet.EffectEquip();
    if (static_cast<int>(e.lignes.size()) > effectif)
        return std::to_string(e.lignes.size()) + " gymnastes pour des équipes de " +
               std::to_string(effectif);
    const ControleNaissances controle =
        verifierNaissances(compet.FichierCompet(), BornesAges, naissancesAControler(e.equipe));
    if (controle.ok()) return {};
    const std::string ligne =
        " (ligne " + std::to_string(e.lignes[static_cast<std::size_t>(controle.ligne)]) + ")";
    if (controle.erreur == ErreurNaissance::NonSaisie)
        return "Année de naissance non saisie" + ligne;
    return "Année de naissance incompatible avec la catégorie" + ligne;
}

} // namespace

int PlanImport::nbAcceptees() const {
    return static_cast<int>(std::ranges::count_if(equipes, &EquipeImport::acceptee));
}

PlanImport preparerImport(const Competition& compet, const BornesCategories& BornesAges,
                          std::string_view entreesRegistre, std::string_view octets) {
    PlanImport plan;
    const TableauCsv tableau = lireCsv(octets);
    const auto colonnes =
        tableau.lignes.empty() ? std::nullopt : trouverColonnes(tableau.lignes.front().champs);
    if (!colonnes) {
        plan.erreur = "Ce fichier n'a pas les colonnes attendues.\n\nSa première ligne doit "
                      "nommer les colonnes :\n" +
                      std::string(kEntetesCherches) + ".";
        return plan;
    }
    std::vector<LigneImport> lignes;
    for (std::size_t k = 1; k < tableau.lignes.size(); ++k)
        if (auto l = lireLigneImport(tableau.lignes[k], *colonnes, entreesRegistre, plan.problemes))
            lignes.push_back(std::move(*l));
    plan.equipes = grouper(lignes, plan.problemes);

    FichierEnMemoire fichier{compet.contenu()};
    const LecteurEnreg lire = [&fichier](std::int64_t n) { return fichier.lire(n); };
    const int effectif = compet.EffectEquip();
    std::int64_t nbEquipes = compet.nbEquipes();
    for (EquipeImport& e : plan.equipes) {
        if (e.refus.empty()) e.refus = refusEquipe(e, compet, BornesAges);
        if (e.refus.empty() && equipeEnDouble(lire, effectif, nbEquipes, nbEquipes + 1, e.equipe))
            e.refus = "existe déjà dans ce fichier";
        if (!e.acceptee()) continue;
        // The next team goes after the last one, the first over the placeholder record.
        const std::int64_t premier = effectif * nbEquipes + 1;
        const std::vector<Enregistrement> enregs =
            composerEquipe(lire, premier, effectif, compet.BlocConfig(), e.equipe);
        for (std::size_t i = 0; i < enregs.size(); ++i)
            fichier.ecrire(premier + static_cast<std::int64_t>(i), enregs[i]);
        ++nbEquipes;
    }
    plan.contenu = contenuTrie(fichier.contenu);
    return plan;
}

std::string libelleEquipe(const EquipeImport& e) {
    std::string texte = e.equipe.NomEquip + " (" + e.equipe.Ville + ") :";
    for (const LigneGymnaste& g : e.equipe.lignes) {
        texte += (&g == &e.equipe.lignes.front() ? " " : ", ") + g.Nom;
        for (const std::string* champ : {&g.Prénom, &g.Naissance, &g.SurCl, &g.NoLic})
            if (!champ->empty()) texte += " " + *champ;
    }
    return texte + " : " + (e.acceptee() ? "sera ajoutée" : "refusée, " + e.refus);
}

std::string libelleProbleme(const Probleme& p) {
    return "Ligne " + std::to_string(p.ligne) + " : " + p.texte;
}

bool ImporterInscriptions(Competition& compet, const PlanImport& plan, Dialogues& dialogues) {
    if (plan.nbAcceptees() == 0) return false;
    compet.sauvegarder(true, dialogues);
    if (!compet.Remplacer(FichierTempo, plan.contenu, dialogues)) return false;
    std::string bilan = std::to_string(plan.nbAcceptees()) + " équipe(s) ajoutée(s)";
    if (plan.nbAcceptees() < static_cast<int>(plan.equipes.size())) {
        bilan += "\n\nA saisir à la main :";
        for (const EquipeImport& e : plan.equipes)
            if (!e.acceptee())
                bilan += "\n" + e.equipe.NomEquip + " (" + e.equipe.Ville + ") : " + e.refus;
    }
    dialogues.message({bilan, std::string(kTitre), Icone::Information});
    return true;
}

void EcrireModele(const std::filesystem::path& dossier, Dialogues& dialogues) {
    const std::filesystem::path chemin = dossier / kFichierModele;
    std::error_code erreur;
    if (std::filesystem::exists(chemin, erreur) &&
        dialogues.message({"Le fichier\n" + chemin.string() + "\nexiste déjà. Le remplacer ?",
                           std::string(kTitre), Icone::Question, Boutons::OuiNon, Reponse::Non}) !=
            Reponse::Oui)
        return;
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f << kEntetesModele;
    f.close();
    if (!f) {
        signalerFichierNonEcrit(chemin, std::string(kTitre), dialogues);
        return;
    }
    dialogues.message({"Le modèle vide\n" + chemin.string() +
                           "\na été écrit : les clubs le remplissent, une ligne par gymnaste.",
                       std::string(kTitre), Icone::Information});
}

} // namespace palmora
