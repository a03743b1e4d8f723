#include "data/copie_compet.h"

#include "data/competition.h"
#include "data/nom_compet.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>

namespace palmora {

namespace {

std::string heureLocale(std::filesystem::file_time_type quand) {
    const std::time_t t =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(quand));
    std::tm local{};
    localtime_r(&t, &local);
    char texte[32];
    std::strftime(texte, sizeof texte, "%Y-%m-%dT%H:%M:%S", &local);
    return texte;
}

} // namespace

int CopieCompet::EffectEquip() const {
    return chiffreReglage(premier().lire(champs::BlocConfig), champs::EffectEquip);
}

std::int64_t CopieCompet::nbEquipes() const {
    return nombreEquipes(contenu.size(), premier());
}

char CopieCompet::CodeSexe() const {
    return codeSexe(FichierCompet);
}

std::string CopieCompet::DescriptionCompet() const {
    return DecrireCompet(FichierCompet);
}

std::optional<CopieCompet> LireCopie(const std::filesystem::path& dossier, std::string_view nom) {
    const std::filesystem::path chemin = dossier / nom;
    std::error_code erreur;
    const auto quand = std::filesystem::last_write_time(chemin, erreur);
    std::ifstream flux(chemin, std::ios::binary);
    if (erreur || !flux) return std::nullopt;
    CopieCompet copie{std::string(nom), {}, heureLocale(quand)};
    copie.contenu.assign(std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>());
    if (flux.bad()) return std::nullopt;
    return copie;
}

} // namespace palmora
