#pragma once

#include "platform/dialogues.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace palmora::test {

// Thrown where the program ends, so that a test can see it happen.
using ProgrammeArrete = FinProgramme;

// Records every message and answers from a script; a message without a scripted answer
// gets its default button, an input box without one is cancelled ("").
class DialoguesScriptes : public Dialogues {
public:
    std::vector<Message> messages;
    std::deque<Reponse> reponses;
    std::deque<std::string> saisies;
    std::vector<std::string> invites;
    int bips = 0;

    Reponse message(const Message& m) override;
    std::string saisie(const std::string& invite, const std::string& titre,
                       const std::string& defaut) override;
    void bip() override { ++bips; }

protected:
    void avantFin(const Message& dernier) override {
        if (!dernier.texte.empty()) messages.push_back(dernier);
    }
};

// A message as the tests compare it: "title [icon buttons default] text", the default button
// named only when there is a choice.
std::string vu(const Message& m);

} // namespace palmora::test
