#include "registration/inscription.h"

#include "data/competition.h"
#include "data/cp1252.h"
#include "data/nombres.h"
#include "data/textes.h"
#include "platform/dialogues.h"
#include "registration/saisie_noms.h"

#include <algorithm>

namespace palmora {

namespace {

// A field as a box shows it: up to its first NUL, without surrounding spaces.
std::string texteChamp(const Enregistrement& e, Champ c) {
    std::string_view champ = e.lire(c);
    champ = champ.substr(0, champ.find('\0'));
    return depuisCp1252(rogner(champ));
}

// The text as stored: Windows-1252, cut or padded with spaces.
std::string champ(std::string_view utf8, std::size_t largeur) {
    std::string octets = versCp1252(rogner(utf8));
    octets.resize(largeur, ' ');
    return octets;
}

// Steps a to e of the save for one slot: the record read is the tail a gymnast keeps.
Enregistrement composer(const Enregistrement& lu, LigneGymnaste& l, std::string_view nomEquip,
                        std::string_view ville, std::string_view blocConfig) {
    l.Nom = majuscules(rogner(l.Nom));
    const bool vide = l.Nom.empty();
    Enregistrement r = vide ? Enregistrement() : lu;
    if (vide) {
        l.Prénom.clear();
        l.Naissance.clear();
        l.NoLic.clear();
    } else {
        l.Prénom = capitaliserPrénom(rogner(l.Prénom));
        if (rogner(l.SurCl).empty()) l.SurCl = "N";
    }
    r.poser(champs::NomEquip, nomEquip);
    r.poser(champs::Nom, vide ? std::string(1, kCode160) : champ(l.Nom, 15));
    r.poser(champs::Prénom, champ(l.Prénom, 15));
    r.poser(champs::Naissance, champ(l.Naissance, 2));
    r.poser(champs::SurCl, vide ? " " : champ(l.SurCl, 1));
    r.poser(champs::BlocConfig, blocConfig);
    r.poser(champs::NoLic, chiffres(lireNombre(l.NoLic), 10));
    r.poser(champs::Ville, ville);
    return r;
}

std::string nomStocke(const EquipeSaisie& equipe) {
    return champ(equipe.NomEquip, 15);
}

std::string villeStockee(const EquipeSaisie& equipe) {
    return champ(majuscules(equipe.Ville), 20);
}

} // namespace

std::vector<Enregistrement> composerEquipe(const LecteurEnreg& lire, std::int64_t premier,
                                           int effectEquip, std::string_view blocConfig,
                                           EquipeSaisie& equipe) {
    const std::string nomEquip = nomStocke(equipe);
    const std::string ville = villeStockee(equipe);
    std::vector<Enregistrement> enregs;
    for (int i = 0; i < effectEquip; ++i) {
        LigneGymnaste sansLigne; // slots beyond the shown rows stay empty
        LigneGymnaste& l = static_cast<std::size_t>(i) < equipe.lignes.size()
                               ? equipe.lignes[static_cast<std::size_t>(i)]
                               : sansLigne;
        enregs.push_back(composer(lire(premier + i), l, nomEquip, ville, blocConfig));
    }
    return enregs;
}

bool equipeEnDouble(const LecteurEnreg& lire, int effectEquip, std::int64_t nbEquipes,
                    std::int64_t numero, const EquipeSaisie& equipe) {
    const std::string nomEquip = nomStocke(equipe);
    const std::string ville = villeStockee(equipe);
    for (std::int64_t t = 1; t <= nbEquipes; ++t) {
        if (t == numero) continue;
        const Enregistrement e = lire(effectEquip * (t - 1) + 1);
        if (e.lire(champs::NomEquip) == nomEquip && e.lire(champs::Ville) == ville) return true;
    }
    return false;
}

std::vector<LigneNaissance> naissancesAControler(EquipeSaisie& equipe) {
    std::vector<LigneNaissance> naissances;
    for (LigneGymnaste& l : equipe.lignes) {
        if (!rogner(l.Nom).empty() && rogner(l.SurCl).empty()) l.SurCl = "N";
        naissances.push_back({l.Nom, l.Naissance, l.SurCl});
    }
    return naissances;
}

std::string libelleNombreEquipes(std::int64_t n) {
    return std::to_string(n) + (n > 1 ? " équipes" : " équipe");
}

int lignesAffichees(const Competition& etat) {
    return std::clamp(etat.EffectEquip(), 0, 6);
}

EquipeSaisie lireEquipe(Competition& etat, std::int64_t numero) {
    EquipeSaisie equipe;
    equipe.lignes.resize(static_cast<std::size_t>(lignesAffichees(etat)));
    if (numero < 1 || numero > etat.nbEquipes()) return equipe;
    const std::int64_t premier = etat.premierEnregEquipe(numero);
    const Enregistrement premiere = etat.LireEnreg(premier);
    equipe.NomEquip = texteChamp(premiere, champs::NomEquip);
    equipe.Ville = texteChamp(premiere, champs::Ville);
    for (std::size_t i = 0; i < equipe.lignes.size(); ++i) {
        const Enregistrement e = etat.LireEnreg(premier + static_cast<std::int64_t>(i));
        LigneGymnaste& l = equipe.lignes[i];
        l.Nom = slotVide(e) ? "" : texteChamp(e, champs::Nom);
        l.Prénom = texteChamp(e, champs::Prénom);
        l.Naissance = texteChamp(e, champs::Naissance);
        l.SurCl = texteChamp(e, champs::SurCl);
        const long long licence = e.nombre(champs::NoLic);
        l.NoLic = licence == 0 ? "" : std::to_string(licence);
    }
    return equipe;
}

Sauvegarde SauverEquipe(Competition& etat, std::int64_t numero, EquipeSaisie& equipe,
                        Dialogues& dialogues) {
    if (rogner(equipe.NomEquip).empty() || rogner(equipe.Ville).empty())
        return Sauvegarde::Incomplete;
    const LecteurEnreg lire = [&etat](std::int64_t n) { return etat.LireEnreg(n); };
    if (equipeEnDouble(lire, etat.EffectEquip(), etat.nbEquipes(), numero, equipe)) {
        dialogues.message({"L'équipe " + std::string(rogner(equipe.NomEquip)) + " de " +
                               std::string(rogner(majuscules(equipe.Ville))) +
                               "\nexiste déjà dans ce fichier.\n\nChangez son nom ou sa ville.",
                           "Equipe en double", Icone::Critique});
        return Sauvegarde::Refusee;
    }
    const std::int64_t premier = etat.premierEnregEquipe(numero);
    // A record that cannot be read is all NULs.
    const std::vector<Enregistrement> enregs =
        composerEquipe(lire, premier, etat.EffectEquip(), etat.BlocConfig(), equipe);
    // The whole team or nothing of it.
    return etat.EcrireEnregs(premier, enregs, dialogues) == Ecriture::Reussie ? Sauvegarde::Ecrite
                                                                              : Sauvegarde::Refusee;
}

Sauvegarde ValiderEquipe(Competition& etat, const BornesCategories& BornesAges, std::int64_t numero,
                         EquipeSaisie& equipe, Dialogues& dialogues,
                         const std::function<void(int)>& placerFocus) {
    if (!ControlerNaissances(etat.FichierCompet(), BornesAges, naissancesAControler(equipe),
                             dialogues, placerFocus)
             .ok())
        return Sauvegarde::Refusee;
    return SauverEquipe(etat, numero, equipe, dialogues);
}

bool EffacerEquipe(Competition& etat, std::string_view nomEquip, std::string_view ville,
                   Dialogues& dialogues) {
    const Reponse reponse =
        dialogues.message({"Etes-vous sûr de vouloir effacer l'équipe\n\n" +
                               std::string(rogner(nomEquip)) + " de " + std::string(rogner(ville)),
                           "Effacer l'équipe", Icone::Question, Boutons::OuiNon, Reponse::Non});
    if (reponse != Reponse::Oui) return false;
    const std::string fichier = etat.FichierCompet();
    if (RetirerEquipe(etat, nomEquip, ville, dialogues))
        dialogues.message({"Le fichier " + fichier + " vide\na été supprimé.", "Equipe effacée",
                           Icone::Information});
    return true;
}

} // namespace palmora
