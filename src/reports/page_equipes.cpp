#include "reports/page_equipes.h"

#include "data/cp1252.h"
#include "data/nombres.h"

#include <span>

namespace palmora {

namespace {

std::string enTete(bool hommes) {
    if (hommes)
        return "<B>" + nb(17) + "Equipe" + nb(15) + "Ville" + nb(15) + "Sol" + nb(2) +
               versCp1252("Arçons") + nb(1) + "Anneaux" + nb(1) + "Saut" + nb(2) + "Parall." +
               nb(1) + "Fixe" + nb(6) + "Total</B><BR><BR>";
    return "<B>" + nb(23) + "Equipe" + nb(15) + "Ville" + nb(14) + "Saut" + nb(2) + "Barres" +
           nb(3) + "Poutre" + nb(3) + "Sol" + nb(5) + "Total</B><BR><HR>";
}

std::string enTeteTable(bool hommes) {
    return versCp1252(std::string(" \tEquipe\tVille\t") +
                      (hommes ? "Sol\tArçons\tAnneaux\tSaut\tParall.\tFixe\tTotal"
                              : "Saut\tBarres\tPoutre\tSol\tTotal"));
}

// The total divided by 100 in the pattern "###.00", with a decimal comma: 50 gives ",50".
std::string totalFormate(long total) {
    const long points = total / 100;
    return (points == 0 ? "" : std::to_string(points)) + "," + chiffres(std::labs(total % 100), 2);
}

struct Colonne {
    int slot;
    std::string_view apres; // what follows the score on the page
};

// Women's scores are parted by " - ", men's by two non-breaking spaces.
constexpr Colonne kColonnesHommes[] = {{6, "\xA0\xA0"}, {2, "\xA0\xA0"}, {1, "\xA0\xA0"},
                                       {5, "\xA0\xA0"}, {4, "\xA0\xA0"}, {3, " --"}};
constexpr Colonne kColonnesFemmes[] = {{5, " - "}, {4, " - "}, {3, " - "}, {6, " --"}};

} // namespace

std::string notePage(std::string_view note) {
    return std::string(note.substr(0, 2)) + "," + std::string(note.substr(2, 2));
}

std::string totalEquipePage(long total) {
    if (total == 0) return nb(3) + "0";
    if (total >= 10000) return nb(1) + totalFormate(total);
    if (total >= 1000) return nb(2) + totalFormate(total);
    if (total >= 100) return nb(3) + totalFormate(total);
    return nb(3) + "0" + totalFormate(total);
}

PageEtTable composerClEquip(const ClassementEquipes& cl, char CodeAgres, const TextesPage& textes) {
    const bool hommes = CodeAgres == 'M';
    const std::string retrait = nb(hommes ? 13 : 18);

    PageEtTable sortie;
    sortie.page = teteClassement(textes, " - Classement par équipe");
    // In today's browsers the <HR> of the women's header closes the fixed-pitch span: it is
    // opened again so that the columns stay aligned.
    const std::string span = spanCourier("10.0");
    ligne(sortie.page, "</Font>" + std::string(kParagraphe) + span + "<NOBR>" + enTete(hommes) +
                           "</NOBR>" + (hommes ? "" : span));
    ligne(sortie.table, enTeteTable(hommes));

    PlacesEquipes places;
    std::string page;
    for (const EntreeEquipe& equipe : cl.TabEquipes) {
        const std::optional<PlacesEquipes::Place> place = places.suivante(equipe);
        if (!place) continue;
        const std::string numero = std::to_string(place->numero);
        page = place->exAequo ? nb(3) : aDroite(numero, 3, NB);
        page += NB;
        ajouterCadre(page, equipe.NomEquip, 17, NB);
        page += NB;
        ajouterCadre(page, equipe.Ville, 22, NB);
        std::string table;
        ajouterCadre(table, place->exAequo ? "" : numero, 3, ' ');
        table += '\t';
        table += rogner(equipe.NomEquip);
        table += '\t';
        table += rogner(equipe.Ville);
        table += '\t';
        for (const Colonne& c : hommes ? std::span<const Colonne>(kColonnesHommes)
                                       : std::span<const Colonne>(kColonnesFemmes)) {
            const std::string note = notePage(equipe.note(c.slot));
            page += note;
            page += c.apres;
            table += note + "\t";
        }
        page += totalEquipePage(equipe.TotalEquipe);
        table += totalFormate(equipe.TotalEquipe);
        sortie.page += "<NOBR><B>";
        sortie.page += retrait;
        ajouterHtml(sortie.page, page);
        ligne(sortie.page, "</B></NOBR><BR>");
        ligne(sortie.table, table);
    }
    ligne(sortie.page, "</Font>");
    ligne(sortie.page, "<HR><P ALIGN=CENTER>" + pageComposee(textes));
    ligne(sortie.page, "</HTML>");
    return sortie;
}

} // namespace palmora
