#include "scoring/calcul_notes.h"

#include "data/competition.h"
#include "data/copie_compet.h"
#include "data/nombres.h"
#include "data/panneau_juges.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <numeric>
#include <vector>

namespace palmora {

namespace {

// The nearest whole number, halves to the even one, as the processor rounds a sum: exact for
// anything below 2^22, far beyond any score, and quicker than a library call per score.
float entierPair(float note) {
    constexpr float kDecaleur = 12582912.0F; // 1.5 x 2^23
    return (note + kDecaleur) - kDecaleur;
}

// The nearest whole number (halves to even), divided by 5 with the remainder dropped.
long cinquiemes(float note) {
    return static_cast<long>(entierPair(note)) / 5;
}

// The hundredths a score is stored as: a multiple of 5 up to 995, or kNoteDix.
long arrondi(float note) {
    if (note > 995) return kNoteDix;
    if (note == 0) return 0;
    // Adding 0 changes nothing; choosing the addend rather than branching keeps the loop over
    // the whole file free of unpredictable jumps.
    const double ajout = note / 5 != static_cast<float>(cinquiemes(note)) ? 4.999 : 0.0;
    note = static_cast<float>(static_cast<double>(note) + ajout);
    // A score just under 9,95 can be raised twice, to 1000: it still means 10,00.
    return std::min(cinquiemes(note) * 5, static_cast<long>(kNoteDix));
}

void poserNote(char* champ, long centiemes) {
    if (centiemes >= kNoteDix) {
        std::memcpy(champ, kChampDix.data(), kChampDix.size());
        return;
    }
    champ[0] = static_cast<char>('0' + centiemes / 100);
    champ[1] = static_cast<char>('0' + centiemes / 10 % 10);
    champ[2] = static_cast<char>('0' + centiemes % 10);
}

// A mark ("950") or a deduction (" 050", "-050") read as every number of a record is read;
// the usual three plain digits are read at once, since the whole file is read at each save.
inline int valeur(const char* champ, int longueur) {
    const char* chiffres = champ + longueur - 3;
    const auto chiffre = [](char x) { return static_cast<unsigned>(x - '0'); };
    const unsigned a = chiffre(chiffres[0]), b = chiffre(chiffres[1]), d = chiffre(chiffres[2]);
    const bool signe = chiffres != champ;
    if (a < 10 && b < 10 && d < 10 && (!signe || champ[0] == ' ' || champ[0] == '-')) {
        const int v = static_cast<int>(a * 100 + b * 10 + d);
        return signe && champ[0] == '-' ? -v : v;
    }
    return static_cast<int>(lireNombre({champ, static_cast<std::size_t>(longueur)}));
}

// The judges' marks as one raw score: the mean of all but the highest and the lowest mark
// from three judges on; exactly one of each is dropped even when several are equal.
template <int N> float noteBrute(const int (&notes)[N]) {
    if constexpr (N == 1) return static_cast<float>(notes[0]);
    if constexpr (N == 2) return static_cast<float>(notes[0] + notes[1]) / 2;
    int somme = 0;
    int basse = 1000;
    int haute = 0;
    for (int note : notes) {
        somme += note;
        basse = std::min(basse, note);
        haute = std::max(haute, note);
    }
    return static_cast<float>(somme - haute - basse) / static_cast<float>(N - 2);
}

constexpr int kLongueurNotesAgres = 3 * 6;

// Slot s marked by N judges, for every record of `contenu`: the score goes into that record's
// 18 characters of apparatus scores in `notesAgres`. One pass per apparatus, with the number
// of judges fixed, keeps the loop short.
template <int N> void noterAgres(std::string_view contenu, int s, char* notesAgres) {
    const std::size_t premiereNote = champs::Notes(s, 1).position - 1;
    const std::size_t deduc = champs::Deduc(s).position - 1;
    const std::size_t nombre = contenu.size() / kTailleEnreg;
    for (std::size_t k = 0; k < nombre; ++k) {
        const char* enreg = contenu.data() + k * kTailleEnreg;
        char* champ = notesAgres + k * kLongueurNotesAgres + 3 * (s - 1);
        // Without the first judge's mark the gymnast has not performed yet.
        if (N >= 2 && std::memcmp(enreg + premiereNote, "\0\0\0", 3) == 0) {
            std::memset(champ, kNul, 3);
            continue;
        }
        int notes[N];
        for (int j = 0; j < N; ++j)
            notes[j] = valeur(enreg + premiereNote + 3 * j, 3);
        const float note = noteBrute(notes) - static_cast<float>(valeur(enreg + deduc, 4));
        poserNote(champ, arrondi(std::max(note, 0.0F)));
    }
}

void noterAgres(std::string_view contenu, int s, int n, char* notesAgres) {
    switch (n) {
    case 1:
        return noterAgres<1>(contenu, s, notesAgres);
    case 2:
        return noterAgres<2>(contenu, s, notesAgres);
    case 3:
        return noterAgres<3>(contenu, s, notesAgres);
    case 4:
        return noterAgres<4>(contenu, s, notesAgres);
    case 5:
        return noterAgres<5>(contenu, s, notesAgres);
    case 6:
        return noterAgres<6>(contenu, s, notesAgres);
    default:
        return; // an apparatus without judges keeps what it has
    }
}

} // namespace

std::string ArrondiNote(float note) {
    std::string champ(3, '0');
    poserNote(champ.data(), arrondi(note));
    return champ;
}

void CalculNotes(Competition& etat) {
    const std::string contenu = etat.lireSuite(1, std::numeric_limits<std::int64_t>::max());
    etat.ecrireDerives(ChangementsNotes(contenu, etat.BlocConfig())); // failures left untold
}

void CalculNotes(CopieCompet& copie) {
    ChangementsNotes(copie.contenu, copie.premier().lire(champs::BlocConfig))
        .appliquer(copie.contenu);
}

ChangementsEnreg ChangementsNotes(std::string_view contenu, std::string_view BlocConfig) {
    const std::size_t nombre = contenu.size() / kTailleEnreg;
    const Champ scores{champs::NoteAgres(1).position, kLongueurNotesAgres};

    std::string notesAgres(nombre * kLongueurNotesAgres, kNul);
    for (std::size_t k = 0; k < nombre; ++k)
        contenu.copy(notesAgres.data() + k * kLongueurNotesAgres, kLongueurNotesAgres,
                     k * kTailleEnreg + scores.position - 1);
    for (const LigneJuges& agres : kLignes)
        noterAgres(contenu, agres.slot, chiffreReglage(BlocConfig, agres.juges), notesAgres.data());

    std::vector<std::size_t> modifies;
    for (std::size_t k = 0; k < nombre; ++k)
        if (contenu.substr(k * kTailleEnreg + scores.position - 1, kLongueurNotesAgres) !=
            std::string_view(notesAgres).substr(k * kLongueurNotesAgres, kLongueurNotesAgres))
            modifies.push_back(k);
    ChangementsEnreg changements(modifies.size());
    for (std::size_t k : modifies) {
        const std::string_view avant(contenu.data() + k * kTailleEnreg, kTailleEnreg);
        Enregistrement e(avant);
        e.poser(scores,
                std::string_view(notesAgres).substr(k * kLongueurNotesAgres, kLongueurNotesAgres));
        changements.ajouter(static_cast<std::int64_t>(k) + 1, e.octets(), avant);
    }
    return changements;
}

std::optional<std::string> TotalEquipeAgres(Competition& etat, std::int64_t t, int s) {
    const std::int64_t premier = etat.premierEnregEquipe(t);
    const std::string anciens = etat.lireSuite(premier, etat.EffectEquip());
    if (equipeIndividuelle(Enregistrement(anciens).lire(champs::NomEquip))) return std::nullopt;

    std::vector<long long> notes;
    for (std::size_t k = 0; k < anciens.size(); k += kTailleEnreg) {
        const Enregistrement e(std::string_view(anciens).substr(k, kTailleEnreg));
        const Champ note = champs::NoteAgres(s);
        notes.push_back(centiemesScore(e.lire(note)));
    }
    std::sort(notes.begin(), notes.end(), std::greater<>());
    const auto retenues = std::clamp<std::ptrdiff_t>(etat.CalcEquip(), 0, std::ssize(notes));
    const long long total = std::accumulate(notes.begin(), notes.begin() + retenues, 0LL);

    const long long points = total / 100;
    const long long centiemes = total % 100;
    const std::string stocke = chiffres(points, 2) + chiffres(centiemes, 2);
    ChangementsEnreg changements;
    for (std::size_t k = 0; k < anciens.size(); k += kTailleEnreg) {
        const std::string_view avant = std::string_view(anciens).substr(k, kTailleEnreg);
        Enregistrement e(avant);
        e.poser(champs::NoteEquipe(s), stocke);
        changements.ajouter(premier + static_cast<std::int64_t>(k / kTailleEnreg), e.octets(),
                            avant);
    }
    etat.ecrireDerives(changements);
    return std::to_string(points) + "," + chiffres(centiemes, 2);
}

} // namespace palmora
