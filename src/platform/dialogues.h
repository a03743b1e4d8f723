#pragma once

#include <string>

namespace palmora {

enum class Icone { Aucune, Critique, Exclamation, Question, Information };
enum class Boutons { Ok, OuiNon, OuiNonAnnuler, ReessayerAnnuler };
enum class Reponse { Ok, Oui, Non, Annuler, Reessayer };

// A message box: text with "\n" line breaks, title, icon, buttons and default button.
struct Message {
    std::string texte;
    std::string titre;
    Icone icone = Icone::Information;
    Boutons boutons = Boutons::Ok;
    Reponse defaut = Reponse::Ok;
};

// Every prompt of the program goes through this seam, so that logic never opens a window
// and tests answer from a script.
class Dialogues {
public:
    virtual ~Dialogues() = default;
    // Shows the box and returns the button pressed.
    virtual Reponse message(const Message& m) = 0;
    // Input box: returns the text typed, "" when cancelled.
    virtual std::string saisie(const std::string& invite, const std::string& titre,
                               const std::string& defaut) = 0;
    virtual void bip() = 0;
    // Ends the program at once (after a fatal message); never returns.
    [[noreturn]] virtual void arreterProgramme() = 0;
};

} // namespace palmora
