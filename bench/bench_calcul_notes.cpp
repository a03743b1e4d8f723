// What one "Valider" of score entry costs on a large competition: the team saved and flushed to
// the disk, the recalculation of every score, the team total; against reading and writing the
// same file once, and against the bare flush of one record.
//
//   bench_calcul_notes [folder]   (default: the system's temporary folder)
#include "data/competition.h"
#include "data/nombres.h"
#include "dialogues_muets.h"
#include "platform/dialogues.h"
#include "scoring/calcul_notes.h"
#include "scoring/saisie_notes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace palmora;
using palmora::bench::DialoguesMuets;
namespace fs = std::filesystem;

namespace {

constexpr int kEnregistrements = 2000;
constexpr int kTours = 200;
constexpr char kNom[] = "M_1_NS00.PLM";

// Teams of six, six judges on each men's apparatus, every mark and deduction entered.
std::string competition() {
    std::mt19937 alea(2026);
    std::uniform_int_distribution<int> note(700, 999);
    std::uniform_int_distribution<int> deduc(0, 60);
    std::string contenu;
    for (int k = 0; k < kEnregistrements; ++k) {
        Enregistrement e;
        e.poser(champs::NomEquip, "EQUIPE " + std::to_string(k / 6));
        e.poser(champs::Nom, "GYMNASTE " + std::to_string(k));
        e.poser(champs::BlocConfig, "0656666660");
        for (int s = 1; s <= 6; ++s) {
            for (int j = 1; j <= 6; ++j)
                e.poser(champs::Notes(s, j), chiffres(note(alea), 3));
            e.poser(champs::Deduc(s), " " + chiffres(deduc(alea), 3));
        }
        contenu += e.octets();
    }
    return contenu;
}

double microsecondes(const std::function<void()>& travail) {
    const auto debut = std::chrono::steady_clock::now();
    travail();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut)
        .count();
}

struct Mesure {
    double mediane;
    double pire;
};

Mesure mesurer(const std::function<void()>& avant, const std::function<void()>& travail) {
    std::vector<double> temps;
    for (int k = 0; k < kTours; ++k) {
        avant();
        temps.push_back(microsecondes(travail));
    }
    std::sort(temps.begin(), temps.end());
    return {temps[temps.size() / 2], temps.back()};
}

// Reads the whole file and writes it back, once.
void lireEtEcrire(const fs::path& chemin) {
    const int fd = ::open(chemin.c_str(), O_RDWR);
    std::string tout(static_cast<std::size_t>(kEnregistrements) * kTailleEnreg, '\0');
    const bool ok = ::pread(fd, tout.data(), tout.size(), 0) == static_cast<ssize_t>(tout.size()) &&
                    ::pwrite(fd, tout.data(), tout.size(), 0) == static_cast<ssize_t>(tout.size());
    ::close(fd);
    if (!ok) std::exit(1);
}

} // namespace

int main(int argc, char** argv) {
    const fs::path dossier =
        (argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path()) / "palmora-bench";
    fs::create_directories(dossier);
    const fs::path chemin = dossier / kNom;
    {
        std::FILE* f = std::fopen(chemin.c_str(), "wb");
        const std::string contenu = competition();
        std::fwrite(contenu.data(), 1, contenu.size(), f);
        std::fclose(f);
    }
    DialoguesMuets dialogues;
    Competition etat;
    etat.changerDossier(dossier);
    if (!etat.Ouvrir(kNom, dialogues)) return 1;

    const Mesure fichier = mesurer([] {}, [&] { lireEtEcrire(chemin); });
    // What the flush that ends every save costs by itself: one record written, then fdatasync.
    const Mesure vidage = mesurer([] {},
                                  [&] {
                                      const int fd = ::open(chemin.c_str(), O_RDWR);
                                      Enregistrement e;
                                      const bool ok =
                                          ::pread(fd, e.data(), kTailleEnreg, 0) == kTailleEnreg &&
                                          ::pwrite(fd, e.data(), kTailleEnreg, 0) == kTailleEnreg &&
                                          ::fdatasync(fd) == 0;
                                      ::close(fd);
                                      if (!ok) std::exit(1);
                                  });

    // A typical recalculation: one gymnast's mark changed since the last one.
    int tour = 0;
    const auto changerUneNote = [&] {
        Enregistrement premier = etat.LireEnreg(1);
        premier.poser(champs::Notes(6, 1), chiffres(800 + tour++ % 100, 3));
        etat.EcrireEnreg(1, premier, dialogues);
    };
    const auto recalculer = [&] {
        CalculNotes(etat);
        TotalEquipeAgres(etat, 1, 6);
    };
    const Mesure calcul = mesurer(changerUneNote, recalculer);

    // A whole Valider of score entry: the team's six rows saved, the file recomputed, the
    // team's scores and total read back.
    SaisieNotes saisie(etat, dialogues, agresDe('M')[0]);
    saisie.ChargerEquipe(1);
    std::vector<TextesLigne> lignes(
        6, TextesLigne{{"9,00", "8,50", "8,70", "9,10", "8,90", "8,80"}, " 0,30"});
    const Mesure valider = mesurer([&] { lignes[0].notes[0] = "9," + chiffres(tour++ % 100, 2); },
                                   [&] { saisie.Valider(lignes); });

    // The worst case: every score of the file changes (a judge count was just changed).
    const auto effacerLesNotes = [&] {
        std::string contenu = etat.contenu();
        for (int k = 0; k < kEnregistrements; ++k)
            for (int s = 1; s <= 6; ++s)
                contenu.replace(static_cast<std::size_t>(k) * kTailleEnreg +
                                    champs::NoteAgres(s).position - 1,
                                3, "000");
        const int fd = ::open(chemin.c_str(), O_WRONLY);
        const bool ok =
            ::pwrite(fd, contenu.data(), contenu.size(), 0) == static_cast<ssize_t>(contenu.size());
        ::close(fd);
        if (!ok) std::exit(1);
    };
    const Mesure pire = mesurer(effacerLesNotes, recalculer);

    std::printf("%d records, 6 apparatus x 6 judges, %d runs each (median / worst, in ms)\n",
                kEnregistrements, kTours);
    const auto ligne = [&](const char* quoi, const Mesure& m) {
        std::printf("  %-46s %8.3f / %8.3f  (%.2f x the file at once)\n", quoi, m.mediane / 1000,
                    m.pire / 1000, m.mediane / fichier.mediane);
    };
    ligne("file read + written at once", fichier);
    ligne("one record written + fdatasync", vidage);
    ligne("CalculNotes + TotalEquipeAgres, one mark new", calcul);
    ligne("Valider (save, CalculNotes, read back, total)", valider);
    ligne("CalculNotes + TotalEquipeAgres, every score new", pire);
    etat.Fermer();
    fs::remove_all(dossier);
    return 0;
}
