#include "data/table_ages.h"

#include "data/cp1252.h"
#include "data/ecriture_signalee.h"
#include "data/nombres.h"
#include "platform/dialogues.h"

#include <fstream>
#include <sstream>

namespace palmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaireAges = "AGE.TMP";
constexpr std::string_view kTitreAges = "Années de naissance";

struct Saison {
    int avant; // first month ("yyyymm") the table no longer applies to
    std::string_view table;
};
constexpr std::array<Saison, 4> kSaisons = {{
    {200309, "94959293909188899495929390918889"},
    {200409, "95969394919289909596939491928990"},
    {200509, "96979495929390919697949592939091"},
    {200609, "97989596939491929798959693949192"},
}};

int moisCourant(const DateHeure& date) {
    return date.annee * 100 + date.mois;
}

// The table is created empty when missing, as the original program opened it for writing.
std::string lireTable(const fs::path& dossierProgramme) {
    const fs::path chemin = dossierProgramme / kFichierAges;
    std::error_code erreur;
    if (!fs::exists(chemin, erreur)) std::ofstream{chemin, std::ios::binary};
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << f.rdbuf();
    return contenu.str();
}

// Bounds of one sex from its four bands b0 (7-8 ans) to b3 (13-14 ans).
std::array<Bornes, 6> bornesSexe(const AnneesAges& annees, std::size_t premiereRangee) {
    std::array<Bornes, 4> b;
    for (std::size_t r = 0; r < b.size(); ++r)
        b[r] = {elargirAnnee(annees[2 * (premiereRangee + r)]),
                elargirAnnee(annees[2 * (premiereRangee + r) + 1])};
    return {{
        b[0],                           // N: 7-8 ans
        b[1],                           // P: 9-10 ans
        {b[2].premiere, b[1].derniere}, // B: 9-12 ans
        {b[3].premiere, b[1].derniere}, // M: 9-14 ans
        {b[3].premiere, b[2].derniere}, // J: 11-14 ans
        {0, b[1].premiere - 1},         // T: born before the 9-10 ans band
    }};
}

} // namespace

const Bornes* BornesCategories::de(char sexe, char categorie) const {
    const std::size_t k = kCategoriesAges.find(categorie);
    if (k == std::string_view::npos) return nullptr;
    if (sexe == 'F') return &feminines[k];
    if (sexe == 'M') return &masculins[k];
    return nullptr;
}

int elargirAnnee(long long annee) {
    return static_cast<int>(annee <= 50 ? 2000 + annee : 1900 + annee);
}

AnneesAges anneesDeTable(std::string_view table) {
    AnneesAges annees{};
    for (std::size_t k = 0; k < annees.size() && 2 * k < table.size(); ++k)
        annees[k] = lireNombre(table.substr(2 * k, 2));
    return annees;
}

BornesCategories deriverBornes(const AnneesAges& annees) {
    return {bornesSexe(annees, 0), bornesSexe(annees, 4)};
}

std::string_view tableDeSaison(const DateHeure& date) {
    for (const Saison& s : kSaisons)
        if (moisCourant(date) < s.avant) return s.table;
    return {};
}

bool saisieAgesObligatoire(const DateHeure& date) {
    return moisCourant(date) >= 200609;
}

bool saisieAgesPermise(const DateHeure& date) {
    return moisCourant(date) > 200609;
}

bool ChargerAges(const fs::path& dossierProgramme, const DateHeure& date,
                 BornesCategories& BornesAges, Dialogues& dialogues) {
    const std::string_view saison = tableDeSaison(date);
    const std::string stockee = lireTable(dossierProgramme);
    if (stockee.size() != kTailleTableAges || saisieAgesObligatoire(date)) return false;
    if (stockee != saison)
        remplacerOuSignaler(dossierProgramme / kFichierAges, kTemporaireAges, saison,
                            std::string(kTitreAges), dialogues);
    BornesAges = deriverBornes(anneesDeTable(saison));
    return true;
}

TextesAges lireTextesAges(const fs::path& dossierProgramme) {
    const std::string stockee = lireTable(dossierProgramme);
    TextesAges textes;
    if (stockee.size() != kTailleTableAges) return textes;
    for (std::size_t k = 0; k < textes.size(); ++k)
        textes[k] = depuisCp1252(std::string_view(stockee).substr(2 * k, 2));
    return textes;
}

BornesCategories EnregistrerAges(const fs::path& dossierProgramme, const TextesAges& textes,
                                 Dialogues& dialogues) {
    std::string table;
    AnneesAges annees{};
    for (std::size_t k = 0; k < textes.size(); ++k) {
        table += textes[k];
        annees[k] = lireNombre(textes[k]);
    }
    table = versCp1252(table);
    table.resize(kTailleTableAges, ' ');
    remplacerOuSignaler(dossierProgramme / kFichierAges, kTemporaireAges, table,
                        std::string(kTitreAges), dialogues);
    return deriverBornes(annees);
}

void AbandonnerAges(const fs::path& dossierProgramme, Dialogues& dialogues) {
    if (lireTable(dossierProgramme).size() >= 12) return;
    dialogues.arreterProgramme({"Années non saisies", "Sortie du programme", Icone::Critique});
}

} // namespace palmora
