#include "scoring/saisie_notes.h"

#include "data/competition.h"
#include "data/cp1252.h"
#include "scoring/boites_notes.h"
#include "scoring/calcul_notes.h"

#include <algorithm>

namespace palmora {

namespace {

bool toutNul(std::string_view champ) {
    return champ.find_first_not_of('\0') == std::string_view::npos;
}

bool vide(std::string_view champ) {
    return champ.find_first_not_of(std::string_view(" \0", 2)) == std::string_view::npos;
}

// A field shown with a comma after its first `avant` characters ("950" gives "9,50").
std::string avecVirgule(std::string_view champ, std::size_t avant) {
    return depuisCp1252(std::string(champ.substr(0, avant)) + "," +
                        std::string(champ.substr(avant)));
}

std::string texteNote(std::string_view champ) {
    return toutNul(champ) ? std::string() : std::string(rogner(avecVirgule(champ, 1)));
}

std::string texteScore(std::string_view champ) {
    if (toutNul(champ)) return {};
    return champ == kChampDix ? "10,00" : avecVirgule(champ, 1);
}

// The stored deduction as its box shows it (" 0,50"), `aucune` when none was entered.
std::string texteDeduc(std::string_view champ, std::string_view aucune) {
    return vide(champ) ? std::string(aucune) : avecVirgule(champ, 2);
}

// The stored form of a box: "9,50" gives "950", " 0,50" gives " 050".
std::string sansVirgule(std::string_view texte, std::size_t avant) {
    std::string champ(texte.substr(0, avant));
    if (texte.size() > avant + 1) champ += texte.substr(avant + 1, 2);
    return champ;
}

} // namespace

const Agres* agresSaisissable(const Competition& etat, std::string_view libelle) {
    if (!etat.ouvert() || etat.Protege()) return nullptr;
    for (const Agres& agres : agresDe(etat.CodeAgres()))
        if (agres.libelle == libelle) return &agres;
    return nullptr;
}

SaisieNotes::SaisieNotes(Competition& etat, Dialogues& dialogues, const Agres& agres)
    : etat_(etat), dialogues_(dialogues), agres_(agres) {
    const int juges[] = {etat.juges(champs::JugesSlot(1)), etat.juges(champs::JugesSlot(2)),
                         etat.juges(champs::JugesSlot(3)), etat.juges(champs::JugesSlot(4)),
                         etat.juges(champs::JugesSlot(5)), etat.juges(champs::JugesSlot(6))};
    const bool poutre = etat.CodeSexe() == 'F' || etat.niveau() == 'E';
    NbJuges_ = agres.slot == 3 && poutre ? etat.juges(champs::JugesPoutre) : juges[agres.slot - 1];
    NbJuges_ = std::clamp(NbJuges_, 0, kJugesSaisie);
}

std::string SaisieNotes::titre() const {
    return "Saisie des notes - " + etat_.DescriptionCompet();
}

std::string SaisieNotes::NomAppareil() const {
    return "Notes " + std::string(agres_.phrase);
}

std::int64_t SaisieNotes::nbEquipes() const {
    return etat_.EffectEquip() > 0 ? etat_.NbEnreg() / etat_.EffectEquip() : 0;
}

EquipeNotee SaisieNotes::ChargerEquipe(std::int64_t t) {
    EquipeCourante_ = t;
    const int s = agres_.slot;
    const std::int64_t premier = etat_.premierEnregEquipe(t);
    Enregistrement e = etat_.LireEnreg(premier);
    const std::string nomEquipe(e.lire(champs::NomEquip));
    EquipeNotee equipe;
    equipe.Ekip = "Equipe : " + std::string(rogner(depuisCp1252(nomEquipe))) + " (" +
                  std::to_string(t) + "/" + std::to_string(nbEquipes()) + ")";
    equipe.totalVisible = !equipeIndividuelle(nomEquipe);
    equipe.Avant = t >= 2;
    equipe.Après = t < nbEquipes();
    for (int i = 0; i < etat_.EffectEquip(); ++i) {
        e = etat_.LireEnreg(premier + i);
        LigneSaisie ligne;
        ligne.Nom = rogner(depuisCp1252(e.lire(champs::Nom)));
        ligne.Prénom = rogner(depuisCp1252(e.lire(champs::Prénom)));
        ligne.visible = !placeVide(e);
        ligne.horsConcours = e[champs::SurCl.position] == 'H';
        for (int j = 1; j <= NbJuges_; ++j)
            ligne.textes.notes[j - 1] =
                texteNote(ligne.horsConcours ? "000" : e.lire(champs::Notes(s, j)));
        ligne.textes.Déd = texteDeduc(e.lire(champs::Deduc(s)), "");
        ligne.Défin = texteScore(e.lire(champs::NoteAgres(s)));
        equipe.lignes.push_back(std::move(ligne));
    }
    // The total is read from the team's last record.
    if (e.nombre(champs::NoteEquipe(s)) != 0)
        equipe.Totéq = avecVirgule(e.lire(champs::NoteEquipe(s)), 2);
    return equipe;
}

void SaisieNotes::EnregistrerEquipe(const std::vector<TextesLigne>& lignes) {
    const int s = agres_.slot;
    const std::int64_t premier = etat_.premierEnregEquipe(EquipeCourante_);
    std::vector<Enregistrement> enregs;
    for (int i = 0; i < etat_.EffectEquip(); ++i) {
        Enregistrement& e = enregs.emplace_back(etat_.LireEnreg(premier + i));
        const bool sansTextes = placeVide(e) || i >= std::ssize(lignes);
        const TextesLigne textes = sansTextes ? TextesLigne{} : lignes[static_cast<size_t>(i)];
        for (int j = 1; j <= kJugesSaisie; ++j) {
            const std::string note(rogner(textes.notes[j - 1]));
            if (note.empty())
                e.poser(champs::Notes(s, j), "", kNul);
            else
                e.poser(champs::Notes(s, j), sansVirgule(note, 1));
        }
        e.poser(champs::Deduc(s), sansVirgule(textes.Déd, 2));
    }
    // The whole team or nothing of it, with one message when the file refuses it.
    etat_.EcrireEnregs(premier, enregs, dialogues_);
}

EquipeRafraichie SaisieNotes::RafraichirEquipe() {
    const int s = agres_.slot;
    const std::int64_t premier = etat_.premierEnregEquipe(EquipeCourante_);
    EquipeRafraichie equipe;
    for (int i = 0; i < etat_.EffectEquip(); ++i) {
        const Enregistrement e = etat_.LireEnreg(premier + i);
        equipe.Défin.push_back(texteScore(e.lire(champs::NoteAgres(s))));
        equipe.Déd.push_back(texteDeduc(e.lire(champs::Deduc(s)), " 0,00"));
    }
    equipe.Totéq = TotalEquipeAgres(etat_, EquipeCourante_, s);
    return equipe;
}

EquipeRafraichie SaisieNotes::Valider(const std::vector<TextesLigne>& lignes) {
    // Without teams there is nothing on screen to save, and no record to write.
    if (EquipeCourante_ > nbEquipes()) return {};
    EnregistrerEquipe(lignes);
    CalculNotes(etat_);
    return RafraichirEquipe();
}

} // namespace palmora
