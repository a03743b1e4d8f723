#include "data/enregistrement.h"

#include <gtest/gtest.h>

using namespace palmora;

namespace {
// The byte at a 1-based position of the record.
char octet(const Enregistrement& e, int position) {
    return e.octets()[static_cast<std::size_t>(position - 1)];
}
} // namespace

TEST(Enregistrement, FieldsLandAtTheirPositions) {
    Enregistrement e;
    e.poser(champs::NomEquip, "ALPHA");
    e.poser(champs::Nom, "DUPONT");
    e.poser(champs::Prénom, "Jean-Pierre");
    e.poser(champs::Naissance, "95");
    e.poser(champs::SurCl, "N");
    e.poser(champs::BlocConfig, "S654402340");
    e.poser(champs::Notes(1, 1), "950");
    e.poser(champs::Notes(6, 6), "123");
    e.poser(champs::NoteAgres(6), "999");
    e.poser(champs::TotalIndiv, "2850");
    e.poser(champs::NoLic, "0000000123");
    e.poser(champs::Deduc(1), " 050");
    e.poser(champs::Deduc(6), "-100");
    e.poser(champs::Ville, "75 PARIS");
    e.poser(champs::NoteEquipe(6), "2815");
    e.poser(champs::TotalEquipe, "02815");
    e[300] = kCode160;

    const std::string_view b = e.octets();
    EXPECT_EQ(b.substr(0, 15), "ALPHA          ");
    EXPECT_EQ(b.substr(15, 15), "DUPONT         ");
    EXPECT_EQ(b.substr(30, 15), "Jean-Pierre    ");
    EXPECT_EQ(b.substr(45, 3), "95N");
    EXPECT_EQ(b.substr(48, 10), "S654402340");
    EXPECT_EQ(b.substr(58, 3), "950");   // slot 1, judge 1 at 59
    EXPECT_EQ(b.substr(163, 3), "123");  // slot 6, judge 6 at 59 + 90 + 15 = 164
    EXPECT_EQ(b.substr(181, 3), "999");  // score of slot 6 at 182
    EXPECT_EQ(b.substr(184, 4), "2850"); // 185
    EXPECT_EQ(b.substr(188, 10), "0000000123");
    EXPECT_EQ(b.substr(200, 4), " 050"); // 201
    EXPECT_EQ(b.substr(225, 4), "-100"); // 226
    EXPECT_EQ(b.substr(230, 20), "75 PARIS            ");
    EXPECT_EQ(b.substr(270, 4), "2815"); // 271
    EXPECT_EQ(b.substr(274, 5), "02815");
    EXPECT_EQ(octet(e, 300), kCode160);
    EXPECT_EQ(octet(e, 199), kNul);
    EXPECT_EQ(octet(e, 205), kNul); // fifth character of a deduction group

    EXPECT_EQ(e.nombre(champs::Deduc(1)), 50);
    EXPECT_EQ(e.nombre(champs::Deduc(6)), -100);
    EXPECT_EQ(e.nombre(champs::Notes(2, 1)), 0); // NULs read as 0
    EXPECT_EQ(e.nombre(champs::JugesSlot(1)), 4);
    EXPECT_EQ(e.nombre(champs::JugesSlot(4)), 2);
    EXPECT_EQ(e.nombre(champs::JugesPoutre), 0);
}

TEST(Enregistrement, TextsAreCutOrPaddedToTheirField) {
    Enregistrement e;
    e.poser(champs::NomEquip, "UNE EQUIPE TROP LONGUE");
    EXPECT_EQ(e.lire(champs::NomEquip), "UNE EQUIPE TROP");
    EXPECT_EQ(e[16], kNul);
    e.poser(champs::Notes(1, 1), "", kNul);
    EXPECT_EQ(e.lire(champs::Notes(1, 1)), std::string(3, '\0'));
}

TEST(Enregistrement, PlaceholderHoldsBlanksTheSettingsAndNuls) {
    const Enregistrement e = enregistrementProvisoire("S654402340");
    const std::string attendu = std::string(48, ' ') + "S654402340" + std::string(242, '\0');
    ASSERT_EQ(attendu.size(), 300u);
    EXPECT_EQ(e.octets(), attendu);
    EXPECT_FALSE(slotVide(e));
}

TEST(Enregistrement, ShortInputReadsAsNulsBeyondItsEnd) {
    const Enregistrement e(std::string_view("ABC"));
    EXPECT_EQ(e.octets().substr(0, 4), std::string_view("ABC\0", 4));
}

TEST(Agres, MenOffersSixApparatusAndWomenFourInTheirOrder) {
    std::string ordre;
    for (const Agres& a : agresDe('M'))
        ordre += std::string(a.libelle) + std::to_string(a.slot) + " ";
    EXPECT_EQ(ordre, "Sol6 Arçons2 Anneaux1 Saut5 Parallèles4 Fixe3 ");
    ordre.clear();
    for (const Agres& a : agresDe('F'))
        ordre += std::string(a.libelle) + std::to_string(a.slot) +
                 std::to_string(a.juges.position) + " ";
    EXPECT_EQ(ordre, "Saut556 Barres455 Poutre358 Sol657 ");
}
