#include "data/cp1252.h"
#include "registration/lecture_csv.h"

#include "support/dossier_temporaire.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

std::string fixture(std::string_view nom) {
    return lireFichier(std::filesystem::path(PALMORA_DONNEES_TEST) / "inscriptions" / nom);
}

struct CasCsv {
    const char* fichier;
    char separateur;
    std::vector<LigneCsv> lignes;
};

} // namespace

// Excel's UTF-8 with its byte order mark, LibreOffice's Windows-1252 with Tab, and a bare
// comma file: the separator comes from the header, the rows keep the line they start on.
TEST(LectureCsv, ReadsTheSpreadsheetsFormats) {
    const CasCsv cas[] = {
        {"excel-utf8-bom.csv",
         ';',
         {{1, {"Equipe", "Ville", "Nom", "Prénom", "Année", "Surcl.", "N° licence", "Remarques"}},
          {2, {"GYM CLUB", "01 Bourg", "Dupont", "jean-pierre", "2015", "", "", ""}},
          {3,
           {"GYM CLUB", "01 Bourg", "Lefèvre", "Anne", "15", "n", "123",
            "allergie; \"pollen\"\r\nà signaler"}},
          {6, {"Les Étoiles", "69 Lyon", "Martin", "Léa", "2016", "O", "", ""}}}},
        {"libreoffice-cp1252-tab.txt",
         '\t',
         {{1, {"Club", "Ville", "Nom", "Prenom", "Ne(e) en", "Licence"}},
          {2, {"Étoile Sportive", "38 Vienne", "Bérard", "Élodie", "2015", ""}}}},
        {"minimal-virgules.csv",
         ',',
         {{1, {"equipe", "VILLE", "nom"}}, {2, {"Alpha, Beta", "01 Bourg", "Durand"}}}},
    };
    for (const CasCsv& c : cas) {
        const TableauCsv t = lireCsv(fixture(c.fichier));
        EXPECT_EQ(t.separateur, c.separateur) << c.fichier;
        EXPECT_EQ(t.lignes, c.lignes) << c.fichier;
    }
}

TEST(LectureCsv, LastRowWithoutLineEndAndBlankRowsAreHandled) {
    const TableauCsv t = lireCsv("a;b\n ; \n\n\"x\";y");
    ASSERT_EQ(t.lignes.size(), 2u);
    EXPECT_EQ(t.lignes[1], (LigneCsv{4, {"x", "y"}}));
}

TEST(DecoderTexte, UnknownEncodingIsFoundFromTheBytes) {
    EXPECT_EQ(decoderTexte("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"), "été");
    EXPECT_EQ(decoderTexte("\xC3\xA9t\xC3\xA9"), "été");
    EXPECT_EQ(decoderTexte("\xE9t\xE9"), "été");             // Windows-1252
    EXPECT_EQ(decoderTexte("\xC3\xA9t\xE9"), "Ã©té");        // one bad byte: all Windows-1252
    EXPECT_EQ(decoderTexte("\xEF\xBF\xBD"), "\xEF\xBF\xBD"); // a real U+FFFD stays UTF-8
}
