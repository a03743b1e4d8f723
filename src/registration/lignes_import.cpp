#include "registration/lignes_import.h"

#include "data/cp1252.h"
#include "data/nombres.h"
#include "data/registre_licences.h"
#include "data/textes.h"
#include "registration/saisie_noms.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace palmora {

namespace {

// A header as compared: letters and digits only, without accents, in lower case.
std::string cleEntete(std::string_view entete) {
    std::string cle;
    for (char c : sansAccents(entete))
        if (std::isalnum(static_cast<unsigned char>(c)))
            cle += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return cle;
}

std::optional<Colonne> colonneDe(std::string_view entete) {
    static const std::pair<std::string_view, Colonne> kNoms[] = {
        {"equipe", Colonne::Equipe},       {"club", Colonne::Equipe},
        {"ville", Colonne::Ville},         {"nom", Colonne::Nom},
        {"prenom", Colonne::Prénom},       {"annee", Colonne::Naissance},
        {"naissance", Colonne::Naissance}, {"neeen", Colonne::Naissance},
        {"an", Colonne::Naissance},        {"surcl", Colonne::SurCl},
        {"surclassement", Colonne::SurCl}, {"licence", Colonne::NoLic},
        {"nlicence", Colonne::NoLic},      {"nolicence", Colonne::NoLic},
    };
    const std::string cle = cleEntete(entete);
    for (const auto& [nom, colonne] : kNoms)
        if (nom == cle) return colonne;
    return std::nullopt;
}

bool chiffres(std::string_view texte) {
    return std::ranges::all_of(texte, [](char c) { return c >= '0' && c <= '9'; });
}

std::string guillemets(std::string_view texte) {
    return "« " + std::string(texte) + " »";
}

// The surname as the box takes it: accents dropped, then only what the box accepts.
std::string reglerNom(std::string& nom) {
    nom = sansAccents(nom);
    for (char octet : versCp1252(nom)) {
        const std::string caractere = depuisCp1252(std::string_view(&octet, 1));
        if (!toucheNom(caractere))
            return "caractère " + guillemets(caractere) + " refusé dans le nom";
    }
    nom = majuscules(nom);
    return {};
}

// Fills from the registry what the line leaves empty; the line wins where they differ.
void completer(LigneImport& l, const EntreeLicence& entree, std::vector<Probleme>& problemes) {
    const std::pair<std::string*, std::pair<const std::string*, std::string_view>> champs[] = {
        {&l.gymnaste.Nom, {&entree.Nom, "nom"}},
        {&l.gymnaste.Prénom, {&entree.Prénom, "prénom"}},
        {&l.gymnaste.Naissance, {&entree.Naissance, "année de naissance"}},
        {&l.gymnaste.SurCl, {&entree.SurCl, "surclassement"}},
    };
    for (const auto& [ligne, registre] : champs) {
        const auto& [valeur, nom] = registre;
        if (ligne->empty())
            *ligne = *valeur;
        else if (*ligne != *valeur)
            problemes.push_back({l.numero, std::string(nom) + " " + guillemets(*ligne) +
                                               ", le registre des licences donne " +
                                               guillemets(*valeur)});
    }
}

} // namespace

bool couper(std::string& texte, std::size_t largeur) {
    const std::string octets = versCp1252(texte);
    if (octets.size() <= largeur) return false;
    texte = depuisCp1252(octets.substr(0, largeur));
    return true;
}

std::optional<Colonnes> trouverColonnes(const std::vector<std::string>& entete) {
    Colonnes colonnes;
    for (std::size_t k = 0; k < entete.size(); ++k)
        if (const auto c = colonneDe(entete[k]); c && !colonnes[static_cast<std::size_t>(*c)])
            colonnes[static_cast<std::size_t>(*c)] = k;
    for (Colonne requise : {Colonne::Equipe, Colonne::Ville, Colonne::Nom})
        if (!colonnes[static_cast<std::size_t>(requise)]) return std::nullopt;
    return colonnes;
}

std::optional<LigneImport> lireLigneImport(const LigneCsv& ligne, const Colonnes& colonnes,
                                           std::string_view entrees,
                                           std::vector<Probleme>& problemes) {
    const auto champ = [&](Colonne c) {
        const auto k = colonnes[static_cast<std::size_t>(c)];
        return k && *k < ligne.champs.size() ? std::string(rogner(ligne.champs[*k], " \t\r\n"))
                                             : std::string();
    };
    const auto signaler = [&](std::string texte) {
        problemes.push_back({ligne.numero, std::move(texte)});
    };
    LigneImport l{ligne.numero,
                  majuscules(champ(Colonne::Equipe)),
                  majuscules(champ(Colonne::Ville)),
                  {champ(Colonne::Nom), champ(Colonne::Prénom), champ(Colonne::Naissance),
                   majuscules(champ(Colonne::SurCl)), champ(Colonne::NoLic)},
                  {}};
    LigneGymnaste& g = l.gymnaste;
    if (!g.Nom.empty()) l.refus = reglerNom(g.Nom);
    g.Prénom = capitaliserPrénom(g.Prénom);
    if (!chiffres(g.Naissance)) {
        signaler("année de naissance " + guillemets(g.Naissance) + " illisible");
        g.Naissance.clear();
    } else if (g.Naissance.size() > 2) {
        g.Naissance = g.Naissance.substr(g.Naissance.size() - 2);
    }
    if (!g.SurCl.empty() && !toucheSurCl(g.SurCl) && l.refus.empty())
        l.refus = "surclassement " + guillemets(g.SurCl) + " refusé (N, O ou H)";
    if (!chiffres(g.NoLic) || g.NoLic.size() > 10) {
        if (l.refus.empty()) l.refus = "n° de licence " + guillemets(g.NoLic) + " refusé";
    } else if (const long long numero = lireNombre(g.NoLic); numero != 0) {
        if (const auto entree = chercherLicence(entrees, numero)) completer(l, *entree, problemes);
    }
    if (l.NomEquip.empty() || l.Ville.empty() || g.Nom.empty()) {
        signaler("équipe, ville ou nom manquant : ligne ignorée");
        return std::nullopt;
    }
    if (g.SurCl.empty()) g.SurCl = "N";
    for (auto [texte, nom] : {std::pair{&g.Nom, "nom"}, std::pair{&g.Prénom, "prénom"}})
        if (couper(*texte, 15))
            signaler(std::string(nom) + " coupé à 15 caractères : " + guillemets(*texte));
    return l;
}

} // namespace palmora
