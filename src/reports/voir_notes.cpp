#include "reports/voir_notes.h"

#include "data/cp1252.h"
#include "data/nombres.h"
#include "reports/classement_indiv.h"

#include <algorithm>
#include <span>
#include <utility>

namespace palmora {

namespace {

std::string enTete(bool hommes) {
    std::string tete = "<NOBR>" + nb(2) + "Equipe" + nb(8) + "Ville" + nb(16) + "Nom" + nb(13) +
                       versCp1252("Prénom") + nb(11);
    if (hommes)
        tete += "Sol" + nb(3) + versCp1252("Arç") + nb(3) + "Ann" + nb(3) + "Sau" + nb(3) + "Par" +
                nb(3) + "Fix";
    else
        tete += "Sau" + nb(3) + "Bar" + nb(3) + "Pou" + nb(3) + "Sol";
    return tete + nb(5) + "TOTAL";
}

std::string tete(const TextesPage& textes, bool hommes) {
    const std::string centre(kCentre);
    const std::string description = donneeHtml(textes.DescriptionCompet);
    std::string t;
    ligne(t, "<HTML>");
    ligne(t, "<TITLE>" + description + versCp1252(" - Notes (en-tête)</TITLE>"));
    ligne(t, "<BODY BGCOLOR=\"#FFFFE0\">");
    ligne(t, centre + "<B>");
    ligne(t, "<span style='font-size=14.0pt;color:red'>" + donneeHtml(textes.titre.ligne1) +
                 "</span>");
    ligne(t, "<span style='font-size=14.0pt;color:red'>" + donneeHtml(textes.titre.ligne2) +
                 "</span>");
    ligne(t, centre);
    ligne(t, "<span style='font-size=14.0pt;color:blue'>" + description + "</span>");
    ligne(t, "<p class=MsoNormal align=left style='tab-interval:30.0pt' >");
    ligne(t, "<Font FACE=\"Courier New\" SIZE=\"3\">");
    ligne(t, std::string(kParagraphe) + spanCourier("10.0"));
    ligne(t, enTete(hommes) + "</NOBR></span>");
    return t;
}

// A 6-character cell: " 9,50 ", "10,00 ", or " ---- " when no score was given.
void ajouterCellule(std::string& tampon, std::string_view note) {
    if (note == kChampDix) {
        tampon += "10,00 ";
    } else if (sansNote(note)) {
        tampon += " ---- ";
    } else {
        tampon += ' ';
        tampon += note[0];
        tampon += ',';
        tampon += note.substr(1, 2);
        tampon += ' ';
    }
}

// One gymnast's line, composed in `tampon` (reused from line to line) and appended to the page.
void ajouterGymnaste(std::string& page, std::string& tampon, const Enregistrement& e,
                     std::span<const int> slots) {
    tampon.clear();
    for (auto [champ, largeur] : {std::pair{champs::NomEquip, 15}, std::pair{champs::Ville, 20},
                                  std::pair{champs::Nom, 15}, std::pair{champs::Prénom, 15}}) {
        ajouterCadre(tampon, e.lire(champ), static_cast<std::size_t>(largeur), ' ');
        tampon += '-';
    }
    for (int s : slots)
        ajouterCellule(tampon, e.lire(champs::NoteAgres(s)));
    tampon += "   ";
    tampon += totalAffiche(totalIndiv(e), ' ');
    if (porteEtoile(e)) tampon += '*';
    std::ranges::replace(tampon, ' ', NB);
    ajouterHtml(page, tampon);
    page += "<BR>";
    page += kFinLigne;
}

std::string ligneEquipe(const Enregistrement& e, long total) {
    std::string l =
        "<NOBR>" + nb(9) + "T O T A L" + nb(3) + "D E" + nb(3) + "L ' E Q U I P E" + nb(2);
    ajouterHtml(l, e.lire(champs::NomEquip).substr(0, 12));
    l += " de ";
    ajouterHtml(l, e.lire(champs::Ville));
    return l + " : ------> " + decimalSimple(total) + "<BR><BR>";
}

} // namespace

std::string decimalSimple(long centiemes) {
    const long valeur = std::labs(centiemes);
    std::string texte = std::to_string(valeur / 100);
    if (valeur % 100 != 0) {
        std::string decimales = chiffres(valeur % 100, 2);
        if (decimales.back() == '0') decimales.pop_back();
        texte += "," + decimales;
    }
    return centiemes < 0 ? "-" + texte : texte;
}

std::vector<GroupeNotes> grouperNotes(const ClassementEquipes& cl, int EffectEquip) {
    std::vector<GroupeNotes> groupes;
    std::int64_t equipeEnCours = 0;
    for (std::size_t k = 0; k < cl.TabEnreg.size(); ++k) {
        const Enregistrement& e = cl.TabEnreg[k];
        if (gymnasteVide(e) || e.lire(champs::SurCl) == "H") continue;
        const std::int64_t t = EffectEquip > 0 ? static_cast<std::int64_t>(k) / EffectEquip + 1 : 1;
        if (t != equipeEnCours) {
            equipeEnCours = t;
            groupes.push_back({&e, std::nullopt, {}});
            // A trailing incomplete team has no entry in the table: its record tells its total.
            const auto ut = static_cast<std::size_t>(t);
            if (!porteEtoile(e))
                groupes.back().total =
                    ut <= cl.TabEquipes.size() ? cl.TabEquipes[ut - 1].TotalEquipe : totalEquipe(e);
        }
        groupes.back().gymnastes.push_back(&e);
    }
    return groupes;
}

std::string composerVoirNotes(const ClassementEquipes& cl, int EffectEquip, char CodeAgres,
                              const TextesPage& textes) {
    const bool hommes = CodeAgres == 'M';
    const std::span<const int> slots = slotsAffiches(hommes);
    std::string page = tete(textes, hommes);
    page.reserve(page.size() + cl.TabEnreg.size() * 170);
    std::string ligneCourante;
    for (const GroupeNotes& groupe : grouperNotes(cl, EffectEquip)) {
        ligne(page,
              std::string(kParagraphe) + spanCourier("10.0") + std::string(120, '_') + "<BR>");
        if (groupe.total) ligne(page, ligneEquipe(*groupe.premier, *groupe.total));
        for (const Enregistrement* e : groupe.gymnastes)
            ajouterGymnaste(page, ligneCourante, *e, slots);
    }
    ligne(page, "</NOBR></body></html>");
    return page;
}

} // namespace palmora
