#include "reports/mise_en_page.h"

#include "data/cp1252.h"
#include "data/enregistrement.h"
#include "data/nombres.h"

#include <array>

namespace palmora {

std::string nb(std::size_t n) {
    return std::string(n, NB);
}

void ajouterCadre(std::string& sortie, std::string_view texte, std::size_t largeur,
                  char remplissage) {
    const std::string_view rogne = rogner(texte);
    sortie += rogne;
    if (rogne.size() < largeur) sortie.append(largeur - rogne.size(), remplissage);
}

std::string aDroite(std::string_view texte, std::size_t largeur, char remplissage) {
    std::string cadre(texte);
    if (cadre.size() < largeur) cadre.insert(0, largeur - cadre.size(), remplissage);
    return cadre;
}

void ajouterHtml(std::string& sortie, std::string_view texte) {
    std::size_t debut = 0;
    for (std::size_t k = 0; k < texte.size(); ++k) {
        const char c = texte[k];
        if (c != '&' && c != '<' && c != '>') continue;
        sortie += texte.substr(debut, k - debut);
        sortie += c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&gt;";
        debut = k + 1;
    }
    sortie += texte.substr(debut);
}

std::string donneeHtml(std::string_view utf8) {
    std::string html;
    ajouterHtml(html, versCp1252(utf8));
    return html;
}

void ligne(std::string& sortie, std::string_view texte) {
    sortie += texte;
    sortie += kFinLigne;
}

std::string teteClassement(const TextesPage& textes, std::string_view titrePage) {
    const std::string centre(kCentre);
    const std::string description = donneeHtml(textes.DescriptionCompet);
    std::string tete;
    ligne(tete, "<HTML>");
    ligne(tete, "<TITLE>" + description + versCp1252(titrePage) + "</TITLE>");
    ligne(tete, "<BODY BGCOLOR=\"#FFFFE0\">");
    ligne(tete, centre);
    ligne(tete,
          "<B><span style='font-size=14.0pt;color:black'>" + donneeHtml(kLigneEntete) + "</span>");
    ligne(tete, centre);
    ligne(tete, "<B><span style='font-size=14.0pt;color:red'>" + donneeHtml(textes.titre.ligne1) +
                    "</span>");
    ligne(tete, centre);
    ligne(tete, "<span style='font-size=14.0pt;color:red'>" + donneeHtml(textes.titre.ligne2) +
                    "</span>");
    ligne(tete, centre);
    ligne(tete, "<span style='font-size=14.0pt;color:blue'>" + description + "</span></B><HR>");
    return tete;
}

std::span<const int> slotsAffiches(bool hommes) {
    static constexpr std::array kHommes = {6, 2, 1, 5, 4, 3};
    static constexpr std::array kFemmes = {5, 4, 3, 6};
    return hommes ? std::span<const int>(kHommes) : std::span<const int>(kFemmes);
}

bool sansNote(std::string_view note) {
    return note == "   " || note == std::string_view("\0\0\0", 3);
}

void ajouterNote(std::string& sortie, std::string_view note, char avant) {
    if (note == kChampDix) {
        sortie += "10,00";
    } else if (sansNote(note)) {
        sortie += "-----";
    } else {
        sortie += avant;
        sortie += note[0];
        sortie += ',';
        sortie += note.substr(1, 2);
    }
}

std::string totalAffiche(int total, char blanc) {
    std::string texte = chiffres(total, 4);
    texte.insert(2, ",");
    if (texte[0] == '0') texte[0] = blanc;
    return texte;
}

std::string pageComposee(const TextesPage& textes) {
    const TextesDate& d = textes.dates;
    return versCp1252("Page composée le " + d.jour + d.mois + d.annee + " par " +
                      textes.legendeVersion + " - © " + std::string(kMentionLegale));
}

std::string spanCourier(std::string_view taille) {
    return "<span style='font-family:\"Courier New\";font-size=" + std::string(taille) +
           "pt; Color: black '>";
}

} // namespace palmora
