#pragma once

#include "platform/dialogues.h"
#include "platform/surface_impression.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace palmora::fuzz {

// Thrown where the program ends; the target catches it, as the user would see the program
// stop after its message.
using ProgrammeArrete = FinProgramme;

// Every message gets its default button, every input box is cancelled.
class DialoguesMuets final : public Dialogues {
public:
    Reponse message(const Message& m) override { return m.defaut; }
    std::string saisie(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    void bip() override {}

protected:
    void avantFin(const Message&) override {}
};

// Draws nowhere, with a plausible metric so that the layout code runs its real paths.
class SurfaceMuette final : public SurfaceImpression {
public:
    void commencer(const std::filesystem::path&) override {}
    void taille(double points) override { points_ = points; }
    void gras(bool) override {}
    void souligne(bool) override {}
    void couleur(Couleur) override {}
    void epaisseur(double) override {}
    void texte(double, double, const std::string&) override {}
    double largeur(const std::string& t) override {
        return static_cast<double>(t.size()) * points_ * 0.2;
    }
    double hauteur(const std::string&) override { return points_ * 0.4; }
    void ligne(double, double, double, double) override {}
    void rectangle(double, double, double, double) override {}
    void nouvellePage() override {}
    void terminer() override {}

private:
    double points_ = 12;
};

// A folder of the process's own, made once, left behind for a look after a crash.
const std::filesystem::path& dossierFuzz();

void ecrireOctets(const std::filesystem::path& chemin, std::string_view octets);

inline std::string_view enTexte(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace palmora::fuzz
