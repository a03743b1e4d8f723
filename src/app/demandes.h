#pragma once

#include "platform/horloge.h"

#include <optional>
#include <string>
#include <string_view>

namespace palmora {

class Competition;
struct VisibiliteBoutons;

// Every command of the main window, whether it comes from a key, a button or a menu entry.
enum class Commande {
    Nouveau,
    Proteger,
    Quitter,
    Titre,
    Inscrire,
    Saisie, // with the apparatus of the "Note" menu
    VoirIndiv,
    VoirEquip,
    VoirNotes,
    ImprimIndiv,
    ImprimEquip,
    ImprimMatch,
    APropos,
    ModiJuge,
    EffectifEquipe,
    NotesRetenues,
    Ages,
    Deproteger,
    ExporterRegistre,
    ImporterRegistre,
    Restaurer,
    ImporterInscriptions, // registrations from the clubs' spreadsheets
    Direct,               // the live results on the local network
};

struct Demande {
    Commande commande;
    std::string agres;    // menu key of the apparatus, for Saisie
    bool parMenu = false; // a click on the toolbar or its menus rather than a key
};

// The command of a toolbar button or menu entry, by its key ("Voir_Cl_Indiv", "Sol").
std::optional<Demande> demandeDeCle(std::string_view cle);

// Whether the command may run now: an open competition, not protected, the button shown, the
// apparatus in the open competition's menu, the date for the age table. Menu clicks skip the
// "open" test: their menus exist only while a competition is open.
bool commandePermise(const Demande& demande, const Competition& etat,
                     const VisibiliteBoutons& boutons, const DateHeure& maintenant);

} // namespace palmora
