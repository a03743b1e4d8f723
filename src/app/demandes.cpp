#include "app/demandes.h"

#include "app/boutons.h"
#include "data/competition.h"
#include "data/table_ages.h"

#include <algorithm>
#include <array>
#include <utility>

namespace palmora {

std::optional<Demande> demandeDeCle(std::string_view cle) {
    static constexpr std::array<std::pair<std::string_view, Commande>, 14> kCles = {{
        {"Nouveau", Commande::Nouveau},
        {"protege", Commande::Proteger},
        {"partir", Commande::Quitter},
        {"titre", Commande::Titre},
        {"inscrire", Commande::Inscrire},
        {"Aide", Commande::APropos},
        {"Voir_Cl_Indiv", Commande::VoirIndiv},
        {"Voir_Cl_Equip", Commande::VoirEquip},
        {"Voir_Notes", Commande::VoirNotes},
        {"Direct", Commande::Direct},
        {"Imprim_Cl_Indiv", Commande::ImprimIndiv},
        {"Imprim_Cl_Equip", Commande::ImprimEquip},
        {"Imprim_Match", Commande::ImprimMatch},
        {"Restaurer", Commande::Restaurer},
    }};
    for (const auto& [nom, commande] : kCles)
        if (nom == cle) return Demande{commande, "", true};
    for (char sexe : {'M', 'F'})
        for (const Agres& agres : agresDe(sexe))
            if (agres.libelle == cle) return Demande{Commande::Saisie, std::string(cle), true};
    return std::nullopt;
}

bool commandePermise(const Demande& demande, const Competition& etat,
                     const VisibiliteBoutons& boutons, const DateHeure& maintenant) {
    const bool ouvert = demande.parMenu || etat.ouvert();
    switch (demande.commande) {
    case Commande::Proteger:
        return boutons.protege;
    case Commande::Inscrire:
    case Commande::Restaurer:
    case Commande::ImporterInscriptions:
        return etat.ouvert() && !etat.Protege();
    case Commande::Saisie: {
        if (!ouvert || !etat.ouvert() || etat.Protege()) return false;
        const auto offerts = agresDe(etat.CodeAgres());
        return std::any_of(offerts.begin(), offerts.end(),
                           [&](const Agres& a) { return a.libelle == demande.agres; });
    }
    case Commande::VoirIndiv:
    case Commande::VoirEquip:
    case Commande::VoirNotes:
    case Commande::ImprimIndiv:
    case Commande::ImprimEquip:
    case Commande::ImprimMatch:
        return ouvert;
    case Commande::ModiJuge:
    case Commande::EffectifEquipe:
    case Commande::NotesRetenues:
    case Commande::Deproteger:
        return etat.ouvert();
    case Commande::Ages:
        return saisieAgesPermise(maintenant);
    default:
        return true;
    }
}

} // namespace palmora
