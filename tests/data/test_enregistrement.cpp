#include "data/enregistrement.h"
#include "data/nom_compet.h"

#include "cas.h"

using namespace palmora;
using namespace palmora::test;

TEST(NomCompet, DescriptionTableCharactersInUpperCaseExtensionInAnyCase) {
    for (const Cas& c : lireCas("noms_compet.txt"))
        EXPECT_EQ(DecrireCompet(c[0]), c[1]) << c.ligne;
    EXPECT_EQ(caractereNom("f_e_ns00.plm", 1), 'F');
    EXPECT_EQ(caractereNom("F_E", 5), ' ');
    EXPECT_TRUE(estNomCompetition("F_1_NS00.PLM"));
    EXPECT_TRUE(estNomCompetition("essai.Plm"));
    EXPECT_FALSE(estNomCompetition("F_1_NS00.PLM.txt"));
    EXPECT_FALSE(estNomCompetition("plm"));
}

TEST(Enregistrement, FieldsLandAtTheirPositionsCutOrPadded) {
    // Field, text, where it must land (0-based) and how long it is there.
    const struct {
        Champ champ;
        const char* texte;
        std::size_t debut, longueur;
    } kChamps[] = {{champs::NomEquip, "ALPHA", 0, 15},
                   {champs::Nom, "DUPONT", 15, 15},
                   {champs::Prénom, "Jean-Pierre", 30, 15},
                   {champs::Naissance, "95", 45, 2},
                   {champs::SurCl, "N", 47, 1},
                   {champs::BlocConfig, "S654402340", 48, 10},
                   {champs::Notes(1, 1), "950", 58, 3},
                   {champs::Notes(6, 6), "123", 163, 3},
                   {champs::NoteAgres(6), "999", 181, 3},
                   {champs::TotalIndiv, "2850", 184, 4},
                   {champs::NoLic, "0000000123", 188, 10},
                   {champs::Deduc(1), " 050", 200, 4},
                   {champs::Deduc(6), "-100", 225, 4},
                   {champs::Ville, "75 PARIS", 230, 20},
                   {champs::NoteEquipe(6), "2815", 270, 4},
                   {champs::TotalEquipe, "02815", 274, 5}};
    Enregistrement e;
    for (const auto& c : kChamps)
        e.poser(c.champ, c.texte);
    e[300] = kCode160;
    for (const auto& c : kChamps) {
        std::string attendu = c.texte;
        attendu.resize(c.longueur, ' ');
        EXPECT_EQ(e.octets().substr(c.debut, c.longueur), attendu) << c.texte;
        EXPECT_EQ(e.lire(c.champ), attendu);
    }
    EXPECT_EQ(e.octets()[299], kCode160);
    EXPECT_EQ(e.octets()[198], kNul);
    EXPECT_EQ(e.octets()[204], kNul); // fifth character of a deduction group
    EXPECT_EQ(e.nombre(champs::Deduc(1)), 50);
    EXPECT_EQ(e.nombre(champs::Deduc(6)), -100);
    EXPECT_EQ(e.nombre(champs::Notes(2, 1)), 0); // NULs read as 0
    EXPECT_EQ(e.nombre(champs::JugesSlot(1)), 4);
    EXPECT_EQ(e.nombre(champs::JugesSlot(4)), 2);
    EXPECT_EQ(e.nombre(champs::JugesPoutre), 0);

    e.poser(champs::NomEquip, "UNE EQUIPE TROP LONGUE");
    EXPECT_EQ(e.lire(champs::NomEquip), "UNE EQUIPE TROP");
    EXPECT_EQ(e[16], 'D');
    e.poser(champs::Notes(1, 1), "", kNul);
    EXPECT_EQ(e.lire(champs::Notes(1, 1)), std::string(3, '\0'));
    EXPECT_EQ(Enregistrement(std::string_view("ABC")).octets().substr(0, 4),
              std::string_view("ABC\0", 4));
}

TEST(Enregistrement, PlaceholderHoldsBlanksTheSettingsAndNuls) {
    const Enregistrement e = enregistrementProvisoire("S654402340");
    EXPECT_EQ(e.octets(), std::string(48, ' ') + "S654402340" + std::string(242, '\0'));
    EXPECT_FALSE(slotVide(e));
}

TEST(Agres, MenOffersSixApparatusAndWomenFourInTheirOrder) {
    std::string ordre;
    for (char sexe : {'M', 'F'})
        for (const Agres& a : agresDe(sexe))
            ordre += std::string(a.libelle) + std::to_string(a.slot) +
                     std::to_string(a.juges.position) + " ";
    EXPECT_EQ(ordre, "Sol657 Arçons253 Anneaux152 Saut556 Parallèles455 Fixe354 "
                     "Saut556 Barres455 Poutre358 Sol657 ");
}
