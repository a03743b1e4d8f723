#include "registration/saisie_noms.h"

#include "data/cp1252.h"
#include "data/nombres.h"
#include "data/registre_licences.h"
#include "data/textes.h"

namespace palmora {

namespace {

unsigned char majuscule(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

unsigned char minuscule(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

template <class Changer> void changer(std::string& octets, std::size_t k, Changer f) {
    octets[k] = static_cast<char>(f(static_cast<unsigned char>(octets[k])));
}

bool lettre(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool vide(std::string_view texte) {
    return rogner(texte).empty();
}

// Base letters of the Windows-1252 codes 0xC0 to 0xFF; '*' for a letter of two, ' ' for a
// character that is not an accented letter.
constexpr std::string_view kBases = "AAAAAA*CEEEEIIIIDNOOOOO OUUUUY *"
                                    "aaaaaa*ceeeeiiiidnooooo ouuuuy y";

std::string_view base(unsigned char c) {
    switch (c) {
    case 0x8A:
        return "S";
    case 0x8C:
        return "OE";
    case 0x8E:
        return "Z";
    case 0x9A:
        return "s";
    case 0x9C:
        return "oe";
    case 0x9E:
        return "z";
    case 0x9F:
        return "Y";
    case 0xC6:
        return "AE";
    case 0xDF:
        return "ss";
    case 0xE6:
        return "ae";
    default:
        break;
    }
    if (c >= 0xC0 && kBases[c - 0xC0] != ' ') return kBases.substr(c - 0xC0, 1);
    return {};
}

} // namespace

std::string sansAccents(std::string_view texte) {
    std::string sortie;
    for (char octet : versCp1252(texte)) {
        const std::string_view b = base(static_cast<unsigned char>(octet));
        sortie += b.empty() ? depuisCp1252(std::string_view(&octet, 1)) : std::string(b);
    }
    return sortie;
}

std::string majuscules(std::string_view texte) {
    std::string octets = versCp1252(texte);
    for (std::size_t k = 0; k < octets.size(); ++k)
        changer(octets, k, majuscule);
    return depuisCp1252(octets);
}

std::string capitaliserPrénom(std::string_view texte) {
    std::string octets = versCp1252(texte);
    for (std::size_t k = 0; k < octets.size(); ++k)
        changer(octets, k, k == 0 ? majuscule : minuscule);
    for (std::size_t k = 0; k < 14 && k + 1 < octets.size(); ++k)
        if (octets[k] == '-' || octets[k] == ' ') changer(octets, k + 1, majuscule);
    return depuisCp1252(octets);
}

std::optional<std::string> toucheNom(std::string_view caractere) {
    if (caractere.size() == 1 &&
        (lettre(caractere[0]) || caractere == " " || caractere == "'" || caractere == "-"))
        return std::string(caractere);
    return std::nullopt;
}

std::optional<std::string> touchePrénom(std::string_view caractere) {
    if (auto simple = toucheNom(caractere)) return simple;
    // à (224) to ü (252), the division sign excepted.
    const std::string octet = versCp1252(caractere);
    const auto code = octet.size() == 1 ? static_cast<unsigned char>(octet[0]) : 0;
    if (code >= 0xE0 && code <= 0xFC && code != 0xF7 && depuisCp1252(octet) == caractere)
        return std::string(caractere);
    return std::nullopt;
}

std::optional<std::string> toucheSurCl(std::string_view caractere) {
    const std::string lettre = majuscules(caractere);
    if (lettre == "N" || lettre == "O" || lettre == "H") return lettre;
    return std::nullopt;
}

std::optional<Place> entrerBoite(EquipeSaisie& equipe, Place place) {
    switch (place.boite) {
    case Boite::NomEquip:
    case Boite::NoLic:
        return std::nullopt;
    case Boite::Ville:
        if (vide(equipe.NomEquip)) return Place{Boite::NomEquip};
        equipe.NomEquip = majuscules(equipe.NomEquip);
        return std::nullopt;
    default:
        break;
    }
    LigneGymnaste& l = equipe.lignes.at(static_cast<std::size_t>(place.ligne));
    const Place nom{Boite::Nom, place.ligne};
    switch (place.boite) {
    case Boite::Nom:
        if (place.ligne != 0) return std::nullopt;
        equipe.NomEquip = majuscules(equipe.NomEquip);
        equipe.Ville = majuscules(equipe.Ville);
        if (vide(equipe.Ville)) return Place{Boite::Ville};
        return std::nullopt;
    case Boite::Prénom:
        l.Nom = majuscules(l.Nom);
        if (vide(l.Nom)) return nom;
        return std::nullopt;
    case Boite::Naissance:
        if (vide(l.Nom)) return nom;
        l.Nom = majuscules(l.Nom);
        l.Prénom = capitaliserPrénom(l.Prénom);
        return std::nullopt;
    default: // the moved-up box
        if (vide(l.Nom)) return nom;
        if (vide(l.Naissance)) return Place{Boite::Naissance, place.ligne};
        if (l.SurCl.empty()) l.SurCl = 'N';
        return std::nullopt;
    }
}

std::optional<Place> toucheEntree(const std::filesystem::path& dossierProgramme,
                                  EquipeSaisie& equipe, Place place) {
    const int ligne = place.ligne;
    switch (place.boite) {
    case Boite::NomEquip:
        return Place{Boite::Ville};
    case Boite::Ville:
        return Place{Boite::Nom, 0};
    case Boite::Nom:
        return Place{Boite::Prénom, ligne};
    case Boite::Prénom:
        return Place{Boite::Naissance, ligne};
    case Boite::Naissance:
        return Place{Boite::SurCl, ligne};
    case Boite::SurCl:
        return Place{Boite::NoLic, ligne};
    case Boite::NoLic:
        break;
    }
    LigneGymnaste& l = equipe.lignes.at(static_cast<std::size_t>(ligne));
    if (vide(l.Nom)) {
        if (!vide(l.NoLic)) {
            if (auto entree = ChercherLicence(dossierProgramme, lireNombre(l.NoLic))) {
                l = {entree->Nom, entree->Prénom, entree->Naissance, entree->SurCl,
                     std::to_string(lireNombre(entree->NoLic))};
            } else {
                l.NoLic.clear();
            }
        }
        return Place{Boite::Nom, ligne};
    }
    if (ligne + 1 < static_cast<int>(equipe.lignes.size())) return Place{Boite::Nom, ligne + 1};
    return std::nullopt;
}

} // namespace palmora
