#include "support/dialogues_scriptes.h"

namespace palmora::test {

Reponse DialoguesScriptes::message(const Message& m) {
    messages.push_back(m);
    if (reponses.empty()) return m.defaut;
    const Reponse r = reponses.front();
    reponses.pop_front();
    return r;
}

std::string DialoguesScriptes::saisie(const std::string& invite, const std::string& titre,
                                      const std::string&) {
    invites.push_back(titre + ": " + invite);
    if (saisies.empty()) return "";
    std::string texte = saisies.front();
    saisies.pop_front();
    return texte;
}

std::string vu(const Message& m) {
    static const char* icones[] = {"", "critique", "exclamation", "question", "information"};
    static const char* boutons[] = {"", " oui-non", " oui-non-annuler", " réessayer-annuler"};
    static const char* defauts[] = {"", " oui", " non", " annuler", " réessayer"};
    return m.titre + " [" + icones[int(m.icone)] + boutons[int(m.boutons)] +
           defauts[int(m.defaut)] + "] " + m.texte;
}

} // namespace palmora::test
