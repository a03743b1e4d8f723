#include "data/ecriture_signalee.h"

#include "data/remplacement.h"
#include "platform/dialogues.h"

namespace palmora {

bool remplacerOuSignaler(const std::filesystem::path& cible, std::string_view temporaire,
                         std::string_view contenu, const std::string& titre, Dialogues& dialogues) {
    if (remplacerFichier(cible, cible.parent_path() / temporaire, contenu) == Ecriture::Reussie)
        return true;
    signalerFichierNonEcrit(cible, titre, dialogues);
    return false;
}

} // namespace palmora
