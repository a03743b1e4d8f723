#pragma once

#include <filesystem>
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
    // Ends the program: its windows close, then `dernier` is shown (when it has a text), then
    // `FinProgramme` unwinds the command.
    [[noreturn]] void arreterProgramme(const Message& dernier);

protected:
    // The windows close, then `dernier` is shown when it has a text.
    virtual void avantFin(const Message& dernier) = 0;
};

// How the program ends from deep inside a command: it unwinds the command to the event loop,
// which then ends, and `main` returns `statut`.
struct FinProgramme {
    int statut = 1;
};

// "Le fichier\n<chemin>\nne peut pas être écrit.": a file that could not be written for
// another reason than a refusal (a full disk, an I/O error); the program goes on.
inline void signalerFichierNonEcrit(const std::filesystem::path& chemin, const std::string& titre,
                                    Dialogues& dialogues) {
    dialogues.message(
        {"Le fichier\n" + chemin.string() + "\nne peut pas être écrit.", titre, Icone::Critique});
}

inline void Dialogues::arreterProgramme(const Message& dernier) {
    avantFin(dernier);
    throw FinProgramme{};
}

} // namespace palmora
