#include "platform/documents.h"

#include "platform/dialogues.h"

namespace palmora {

void montrerDocument(const std::filesystem::path& document, const std::string& titre,
                     OuvreurDocuments& ouvreur, Dialogues& dialogues) {
    if (ouvreur.ouvrir(document)) return;
    dialogues.message(
        {"Aucun programme n'a pu ouvrir le document.\nIl se trouve ici :\n" + document.string(),
         titre, Icone::Exclamation});
}

} // namespace palmora
