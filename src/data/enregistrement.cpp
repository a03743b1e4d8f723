#include "data/enregistrement.h"

#include "data/nombres.h"
#include "data/textes.h"

#include <algorithm>

namespace palmora {

Enregistrement::Enregistrement(std::string_view brut) : Enregistrement() {
    std::copy_n(brut.begin(), std::min<std::size_t>(brut.size(), kTailleEnreg), octets_.begin());
}

void Enregistrement::poser(Champ c, std::string_view valeur, char remplissage) {
    for (int k = 0; k < c.longueur; ++k)
        octets_[c.position - 1 + k] =
            k < static_cast<int>(valeur.size()) ? valeur[static_cast<std::size_t>(k)] : remplissage;
}

long long Enregistrement::nombre(Champ c) const {
    return lireNombre(lire(c));
}

Enregistrement enregistrementProvisoire(std::string_view blocConfig) {
    Enregistrement e;
    e.poser({1, 48}, "");
    e.poser(champs::BlocConfig, blocConfig);
    return e;
}

bool estProvisoire(const Enregistrement& e) {
    return e.lire({1, 48}).find_first_not_of(' ') == std::string_view::npos;
}

bool slotVide(const Enregistrement& e) {
    return e[champs::Nom.position] == kCode160;
}

namespace {

bool blanc(std::string_view champ) {
    return champ.find_first_not_of(std::string_view(" \0", 2)) == std::string_view::npos;
}

} // namespace

bool placeVide(const Enregistrement& e) {
    return blanc(e.lire(champs::Nom)) || slotVide(e);
}

bool gymnasteVide(const Enregistrement& e) {
    const std::string_view nomPrenom = rogner(e.lire({champs::Nom.position, 30}));
    return nomPrenom.empty() || nomPrenom == std::string_view(&kCode160, 1);
}

bool equipeIndividuelle(std::string_view nomEquipe) {
    return nomEquipe.find('*') != std::string_view::npos;
}

bool porteEtoile(const Enregistrement& e) {
    return e.octets().find('*') != std::string_view::npos;
}

int centiemesScore(std::string_view champ) {
    return champ == kChampDix ? kNoteDix : static_cast<int>(lireNombre(champ));
}

namespace {
constexpr Agres kAgresMasculins[] = {
    {6, "Sol", "au sol", champs::JugesSlot(6)},
    {2, "Arçons", "aux arçons", champs::JugesSlot(2)},
    {1, "Anneaux", "aux anneaux", champs::JugesSlot(1)},
    {5, "Saut", "au saut", champs::JugesSlot(5)},
    {4, "Parallèles", "aux parallèles", champs::JugesSlot(4)},
    {3, "Fixe", "à la barre fixe", champs::JugesSlot(3)},
};
constexpr Agres kAgresFeminins[] = {
    {5, "Saut", "au saut", champs::JugesSlot(5)},
    {4, "Barres", "aux barres", champs::JugesSlot(4)},
    {3, "Poutre", "à la poutre", champs::JugesPoutre},
    {6, "Sol", "au sol", champs::JugesSlot(6)},
};
} // namespace

std::span<const Agres> agresDe(char codeAgres) {
    if (codeAgres == 'M') return kAgresMasculins;
    return kAgresFeminins;
}

} // namespace palmora
