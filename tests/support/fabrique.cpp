#include "support/fabrique.h"

#include "data/cp1252.h"

namespace palmora::test {

namespace {
Enregistrement debutEquipe(std::string_view equipe, std::string_view ville, std::string_view bloc) {
    Enregistrement e;
    e.poser(champs::NomEquip, versCp1252(equipe));
    e.poser(champs::Ville, versCp1252(ville));
    e.poser(champs::BlocConfig, bloc);
    e.poser(champs::NoLic, "0000000000");
    return e;
}
} // namespace

Enregistrement gymnaste(std::string_view equipe, std::string_view ville, std::string_view nom,
                        std::string_view bloc) {
    Enregistrement e = debutEquipe(equipe, ville, bloc);
    e.poser(champs::Nom, versCp1252(nom));
    e.poser(champs::Prénom, "Anne");
    e.poser(champs::Naissance, "95");
    e.poser(champs::SurCl, "N");
    return e;
}

Enregistrement slotLibre(std::string_view equipe, std::string_view ville, std::string_view bloc) {
    Enregistrement e = debutEquipe(equipe, ville, bloc);
    e.poser(champs::Nom, std::string(1, kCode160));
    e.poser(champs::Prénom, "");
    e.poser(champs::Naissance, "");
    e.poser(champs::SurCl, " ");
    return e;
}

Enregistrement licencie(std::string_view equipe, std::string_view ville, std::string_view nom,
                        std::string_view licence) {
    Enregistrement e = gymnaste(equipe, ville, nom);
    e.poser(champs::NoLic, licence);
    return e;
}

std::string entreeNue(std::string_view licence, std::string_view nom) {
    std::string e = std::string(licence) + std::string(nom);
    e.resize(100, ' ');
    return e;
}

std::string fichier(std::initializer_list<Enregistrement> enregistrements) {
    std::string contenu;
    for (const Enregistrement& e : enregistrements)
        contenu += e.octets();
    return contenu;
}

} // namespace palmora::test
