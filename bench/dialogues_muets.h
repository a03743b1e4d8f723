#pragma once

#include "platform/dialogues.h"

#include <stdexcept>
#include <string>

namespace palmora::bench {

// No prompt is expected while a benchmark runs; one is a failure of the run.
class DialoguesMuets final : public Dialogues {
public:
    Reponse message(const Message& m) override { throw std::runtime_error(m.texte); }
    std::string saisie(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    void bip() override {}

protected:
    void avantFin(const Message&) override {}
};

} // namespace palmora::bench
