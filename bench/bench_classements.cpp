// Rankings and result pages of a full competition: 16 383 records, every mark entered.
// Run on demand: build with -DPALMORA_BENCH=ON, then ./bench/bench_classements.
#include "competition_bench.h"
#include "data/competition.h"
#include "data/nombres.h"
#include "dialogues_muets.h"
#include "platform/dialogues.h"
#include "reports/classement_equipes.h"
#include "reports/classement_indiv.h"
#include "reports/voir_pages.h"
#include "scoring/calcul_notes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

using namespace palmora;
using palmora::bench::DialoguesMuets;
namespace fs = std::filesystem;

namespace {

// Best of a few runs, in wall-clock and in processor milliseconds (the second tells what the
// work costs when other programs share the machine).
struct Duree {
    double murale = 1e9;
    double processeur = 1e9;
};

template <class F> Duree mesurer(F f, int tours = 5) {
    Duree meilleure;
    for (int t = 0; t < tours; ++t) {
        const auto debut = std::chrono::steady_clock::now();
        const std::clock_t debutProcesseur = std::clock();
        f();
        const double processeur =
            1000.0 * static_cast<double>(std::clock() - debutProcesseur) / CLOCKS_PER_SEC;
        const double murale =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                .count();
        meilleure.murale = std::min(meilleure.murale, murale);
        meilleure.processeur = std::min(meilleure.processeur, processeur);
    }
    return meilleure;
}

} // namespace

int main() {
    const fs::path dossier = fs::temp_directory_path() / "palmora-bench-classements";
    fs::create_directories(dossier);
    std::ofstream(dossier / "F_H_PS00.PLM", std::ios::binary) << competition();

    DialoguesMuets dialogues;
    Competition etat;
    etat.changerDossier(dossier);
    etat.Ouvrir("F_H_PS00.PLM", dialogues);
    const TextesPage textes{"Féminines Honneur . 9-10 ans",
                            {"Coupe", "Vienne"},
                            {"05", " décembre ", "2026"},
                            "Palmora - Version 1.00"};
    // The first run brings scores and totals up to date, as any earlier ranking would have.
    EcrireVoirNotes(etat, textes, dialogues);

    const Duree pages = mesurer([&] {
        EcrireClIndiv(etat, textes, dialogues);
        EcrireClEquip(etat, textes, dialogues);
        EcrireVoirNotes(etat, textes, dialogues);
    });
    const ClassementIndiv indiv = ClasserIndiv(etat);
    const ClassementEquipes equipes = ClasserEquipes(etat, true);
    const Duree triIndiv = mesurer([&] {
        ClassementIndiv copie = indiv;
        OrdonnerIndiv(copie);
    });
    const Duree copieIndiv = mesurer([&] { ClassementIndiv copie = indiv; });
    const Duree triEquipes = mesurer([&] {
        std::vector<EntreeEquipe> copie = equipes.TabEquipes;
        OrdonnerEquipes(copie);
    });
    // The pages rank the individuals twice (individual page, listing) and the teams twice.
    const double indivSeul = triIndiv.murale - copieIndiv.murale;
    const double tris = 2 * indivSeul + 2 * triEquipes.murale;
    std::printf("%d records: pages %.1f ms (%.1f ms of processor; goal < 100)\n", kEnregistrements,
                pages.murale, pages.processeur);
    std::printf("  sorts %.1f ms (%.1f %% of the pages; goal < 10 %%): individual %.2f ms, "
                "team %.2f ms\n",
                tris, 100 * tris / pages.murale, indivSeul, triEquipes.murale);

    etat.Fermer();
    fs::remove_all(dossier);
    return 0;
}
