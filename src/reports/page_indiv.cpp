#include "reports/page_indiv.h"

#include "data/cp1252.h"

#include <algorithm>
#include <span>

namespace palmora {

namespace {

// After each score cell, and between the last one and the total.
constexpr std::string_view kTiret = "\xA0-\xA0";

std::string enTete(bool hommes) {
    std::string tete = nb(hommes ? 4 : 10) + "<B>NOM" + nb(13) + versCp1252("Prénom") + nb(11) +
                       "AN" + nb(2) + "EQUIPE" + nb(10) + "VILLE" + nb(17);
    if (hommes)
        tete += "Sol" + nb(5) + versCp1252("Arç") + nb(5) + "Ann" + nb(5) + "Sau" + nb(5) + "Par" +
                nb(5) + "Fix" + nb(6);
    else
        tete += "Saut" + nb(3) + "Barres" + nb(2) + "Poutre" + nb(3) + "Sol" + nb(7);
    return tete + "Total<BR><BR></NOBR></B>";
}

std::string enTeteTable(bool hommes) {
    return std::string("\tNom\tPrénom\tAN\tClub\tVille\t") +
           (hommes ? "Sol\tArçons\tAnneaux\tSaut\tParallèles\tFixe\tTotal"
                   : "Saut\tBarres\tPoutre\tSol\tTotal");
}

std::string horsConcoursPage(bool hommes) {
    if (hommes) return nb(2) + "------------- H O R S" + nb(4) + "C O N C O U R S --------------";
    return nb(2) + "----- " + NB + "H O R S" + nb(3) + "C O N C O U R S " + NB + "-----";
}

std::string_view horsConcoursTable(bool hommes) {
    return hommes ? "\t----\tHORS\t \t \tCONC \tOURS\t----" : "\t-----\tHORS\t\t CONC\tOURS\t----";
}

// Columns 4 to 77 of a row: from after the place to just before the end of the town.
constexpr std::size_t kDebutIdentite = 3;
constexpr std::size_t kLongueurIdentite = 74;

// One gymnast's row of the page and of the table, composed into buffers reused from row to
// row: a large ranking would otherwise spend its time allocating.
struct Rangee {
    std::string page;
    std::string table;
    std::string horsConcours;

    void composer(const Enregistrement& e, int total, const PlacesIndiv::Place& place,
                  std::span<const int> slots, bool hommes) {
        page.clear();
        table.clear();
        const std::string numero = std::to_string(place.numero);
        page += place.exAequo ? nb(3) : aDroite(numero, 3, NB);
        page += NB;
        ajouterCadre(page, e.lire(champs::Nom), 16, NB);
        ajouterCadre(page, e.lire(champs::Prénom), 17, NB);
        page += e.lire(champs::Naissance);
        page += nb(2);
        ajouterCadre(page, e.lire(champs::NomEquip), 16, NB);
        ajouterCadre(page, e.lire(champs::Ville), 21, NB);

        table += place.exAequo ? "   " : aDroite(numero, 3, ' ');
        table += '\t';
        ajouterCadre(table, e.lire(champs::Nom), 15, ' ');
        table += '\t';
        ajouterCadre(table, e.lire(champs::Prénom), 16, ' ');
        table += '\t';
        table += e.lire(champs::Naissance);
        table += " \t";
        ajouterCadre(table, e.lire(champs::NomEquip), 15, ' ');
        table += '\t';
        ajouterCadre(table, e.lire(champs::Ville), 20, ' ');
        table += '\t';

        for (int s : slots) {
            const std::string_view note = e.lire(champs::NoteAgres(s));
            ajouterNote(page, note, NB);
            page += kTiret;
            ajouterNote(table, note, '0');
            table += '\t';
        }
        const std::string t = totalAffiche(total, NB);
        page += kTiret;
        page += t;
        table += t;
        if (porteEtoile(e)) {
            page += '*';
            table += "\t*";
        }
        std::ranges::replace(page, ' ', NB);
        std::ranges::replace(table, NB, ' ');
        if (place.horsConcours) {
            horsConcours = nb(2) + "-";
            horsConcours += std::string_view(page).substr(kDebutIdentite, kLongueurIdentite);
            page = horsConcours + horsConcoursPage(hommes);
            horsConcours = " ";
            horsConcours += std::string_view(table).substr(kDebutIdentite, kLongueurIdentite);
            table = horsConcours + std::string(horsConcoursTable(hommes));
        }
    }
};

} // namespace

PageEtTable composerClIndiv(const ClassementIndiv& cl, char CodeAgres, char CodeSexe,
                            const TextesPage& textes) {
    const bool hommes = CodeAgres == 'M';
    const std::span<const int> slots = slotsAffiches(hommes);
    const std::string retrait = nb(hommes ? 0 : 6);

    PageEtTable sortie;
    sortie.page = teteClassement(textes, " - Classement individuel");
    ligne(sortie.page, "</Font>");
    ligne(sortie.page, std::string(kParagraphe) + spanCourier("9.3") + "<NOBR>" + enTete(hommes));
    ligne(sortie.table, versCp1252(enTeteTable(hommes)));

    sortie.page.reserve(sortie.page.size() + cl.TabEnreg.size() * 200);
    sortie.table.reserve(cl.TabEnreg.size() * 130);
    PlacesIndiv places;
    Rangee r;
    bool etoile = false;
    for (std::size_t i = 0; i < cl.TabEnreg.size(); ++i) {
        const Enregistrement& e = cl.TabEnreg[i];
        etoile = etoile || porteEtoile(e);
        if (gymnasteVide(e)) continue;
        r.composer(e, cl.TotIndiv[i], places.suivante(e, cl.TotIndiv[i]), slots, hommes);
        sortie.page += "<NOBR><B>";
        sortie.page += retrait;
        ajouterHtml(sortie.page, r.page);
        ligne(sortie.page, "</B></NOBR><BR>");
        ligne(sortie.table, r.table);
    }
    if (etoile)
        ligne(sortie.page, "<B><BR>" + nb(hommes ? 29 : 35) +
                               (CodeSexe == 'M' ? "(*) = concurrent individuel"
                                                : "(*) = concurrente individuelle"));
    ligne(sortie.page, "</B><HR><P ALIGN=CENTER>" + pageComposee(textes));
    ligne(sortie.page, "</HTML>");
    return sortie;
}

} // namespace palmora
