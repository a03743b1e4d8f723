#include "data/titre_fichier.h"

#include "data/cp1252.h"
#include "data/ecriture_signalee.h"
#include "data/nombres.h"
#include "data/textes.h"
#include "platform/dialogues.h"

#include <fstream>
#include <sstream>

namespace palmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaireTitre = "TITRE.tmp";
constexpr std::string_view kBlancs = " \t";
constexpr std::string_view kFinsDeChamp = ",\r\n";

// Reads the fields of a text one by one, as they were written.
class LecteurChamps {
public:
    explicit LecteurChamps(std::string_view texte) : texte_(texte) {}

    std::optional<std::string> champ() {
        pos_ = std::min(texte_.find_first_not_of(kBlancs, pos_), texte_.size());
        if (pos_ == texte_.size()) return std::nullopt;
        std::string_view valeur;
        if (texte_[pos_] == '"') {
            const std::size_t fin = std::min(texte_.find('"', pos_ + 1), texte_.size());
            valeur = texte_.substr(pos_ + 1, fin - pos_ - 1);
            pos_ = std::min(texte_.find_first_of(kFinsDeChamp, fin), texte_.size());
        } else {
            const std::size_t fin =
                std::min(texte_.find_first_of(kFinsDeChamp, pos_), texte_.size());
            valeur = rogner(texte_.substr(pos_, fin - pos_), kBlancs);
            pos_ = fin;
        }
        passerSeparateur();
        return std::string(valeur);
    }

private:
    void passerSeparateur() {
        if (pos_ < texte_.size() && texte_[pos_] == ',') {
            ++pos_;
            return;
        }
        if (pos_ < texte_.size() && texte_[pos_] == '\r') ++pos_;
        if (pos_ < texte_.size() && texte_[pos_] == '\n') ++pos_;
    }

    std::string_view texte_;
    std::size_t pos_ = 0;
};

std::size_t nombreCaracteres(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

bool TitreCompet::vide() const {
    return rogner(ligne1 + ligne2, kBlancs).empty();
}

std::optional<TitreCompet> lireChampsTitre(std::string_view texte) {
    LecteurChamps lecteur(texte);
    auto ligne1 = lecteur.champ();
    if (!ligne1) return std::nullopt;
    auto ligne2 = lecteur.champ();
    if (!ligne2) return std::nullopt;
    return TitreCompet{std::move(*ligne1), std::move(*ligne2)};
}

std::optional<TitreCompet> LireTitre(const fs::path& dossier) {
    std::ifstream f(dossier / kFichierTitre, std::ios::binary);
    std::ostringstream contenu;
    if (!f || !(contenu << f.rdbuf())) return std::nullopt;
    return lireChampsTitre(depuisCp1252(contenu.str()));
}

void SauverAncienTitre(const fs::path& dossier) {
    std::error_code erreur;
    if (!fs::exists(dossier / kFichierTitre, erreur)) return;
    for (int n = 0; n <= 999; ++n) {
        const fs::path copie = dossier / ("TITRE." + chiffres(n, 3));
        if (fs::exists(copie, erreur)) continue;
        fs::rename(dossier / kFichierTitre, copie, erreur);
        return;
    }
}

bool TerminerTitre(const fs::path& dossier, std::string_view Titre1, std::string_view LieuDate,
                   TitreCompet& titre, Dialogues& dialogues) {
    titre = {std::string(rogner(Titre1, kBlancs)), std::string(rogner(LieuDate, kBlancs))};
    if (titre.vide()) return false;
    SauverAncienTitre(dossier);
    remplacerOuSignaler(dossier / kFichierTitre, kTemporaireTitre,
                        versCp1252("\"" + titre.ligne1 + "\",\"" + titre.ligne2 + "\"\r\n"),
                        "Titre de la compétition", dialogues);
    return true;
}

void AnnulerTitre(const TitreCompet& titre, Dialogues& dialogues) {
    if (titre.vide()) dialogues.arreterProgramme({});
}

LibelleTitre libelleTitre(const TitreCompet& titre) {
    if (titre.vide()) return {"Entrez le titre de la compétition", 10};
    std::string texte = titre.ligne1 + " - " + titre.ligne2;
    const int taille = nombreCaracteres(texte) > 70 ? 8 : 10;
    return {std::move(texte), taille};
}

std::optional<std::string> toucheTitre(std::string_view caractere) {
    if (caractere == "\"" ||
        (caractere.size() == 1 && static_cast<unsigned char>(caractere[0]) < 0x20))
        return std::nullopt;
    return std::string(caractere);
}

} // namespace palmora
