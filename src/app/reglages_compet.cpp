#include "app/reglages_compet.h"

#include "data/competition.h"
#include "data/nombres.h"
#include "platform/dialogues.h"
#include "reports/verif_notes.h"

#include <string>

namespace palmora {

namespace {

void refuser(const char* titre, const char* texte, Dialogues& dialogues) {
    dialogues.message({texte, titre, Icone::Critique});
}

// The input box again and again until `acceptable` holds for its numeric value.
long long demanderJusqua(const std::string& invite, const std::string& titre, int actuel,
                         bool (*acceptable)(long long, const Competition&), const Competition& etat,
                         Dialogues& dialogues) {
    for (;;) {
        const long long valeur =
            lireNombre(dialogues.saisie(invite, titre, std::to_string(actuel)));
        if (acceptable(valeur, etat)) return valeur;
    }
}

} // namespace

bool ProtegerCompet(Competition& etat, Dialogues& dialogues) {
    if (VerifNotes(etat, dialogues, "prot")) {
        refuser("Protection impossible", "La compétition n'est pas terminée", dialogues);
        return false;
    }
    const Reponse r = dialogues.message(
        {"      Attention : plus aucune modification\n                        ne sera possible."
         "\n\nConfirmez-vous la demande de protection ?",
         "Protection du fichier    " + etat.FichierCompet(), Icone::Exclamation, Boutons::OuiNon,
         Reponse::Non});
    if (r != Reponse::Oui) return false;
    MarquerProtection(etat, kCode160, dialogues);
    return etat.Protege();
}

void DemanderNotesRetenues(Competition& etat, Dialogues& dialogues) {
    const std::string contenu = etat.contenu();
    long long somme = 0;
    for (std::size_t k = 0; k + kTailleEnreg <= contenu.size(); k += kTailleEnreg)
        somme += lireNombre(std::string_view(contenu).substr(k + champs::TotalIndiv.position - 1,
                                                             champs::TotalIndiv.longueur));
    if (somme >= 1) {
        refuser("Modification impossible", "Des notes ont déjà été saisies", dialogues);
        return;
    }
    const long long valeur = demanderJusqua(
        "Nombre de notes retenues (1 à " + std::to_string(etat.EffectEquip()) +
            ") :\nActuellement " + std::to_string(etat.CalcEquip()),
        "Classement par équipe", etat.CalcEquip(),
        [](long long v, const Competition& e) { return v >= 1 && v <= 5 && v <= e.EffectEquip(); },
        etat, dialogues);
    if (valeur == etat.CalcEquip()) return;
    std::string modifie = contenu;
    for (std::size_t k = 0; k + kTailleEnreg <= modifie.size(); k += kTailleEnreg)
        modifie[k + champs::CalcEquip.position - 1] = static_cast<char>('0' + valeur);
    etat.Remplacer(FichierTempo, modifie, dialogues);
}

void DemanderEffectifEquipe(Competition& etat, Dialogues& dialogues) {
    if (etat.aDesEquipes()) {
        refuser("Modification impossible", "Des équipes ont déjà été saisies", dialogues);
        return;
    }
    const long long valeur = demanderJusqua(
        "Nombre de concurrent(e)s par équipe :\nActuellement " + std::to_string(etat.EffectEquip()),
        "Concurrent(e)s par équipe", etat.EffectEquip(),
        [](long long v, const Competition&) { return v >= 1 && v <= 6; }, etat, dialogues);
    if (valeur == etat.EffectEquip()) return;
    Enregistrement premier = etat.LireEnreg(1);
    premier[champs::EffectEquip.position] = static_cast<char>('0' + valeur);
    etat.EcrireEnreg(1, premier, dialogues);
}

} // namespace palmora
