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

} // namespace palmora::test
