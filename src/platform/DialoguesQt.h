#pragma once

#include "platform/dialogues.h"

namespace palmora {

// Message and input boxes on Qt, with French button texts whatever the system's language.
class DialoguesQt final : public Dialogues {
public:
    Reponse message(const Message& m) override;
    std::string saisie(const std::string& invite, const std::string& titre,
                       const std::string& defaut) override;
    void bip() override;
    void avantFin(const Message& dernier) override;
};

} // namespace palmora
