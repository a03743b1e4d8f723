#pragma once

#include <filesystem>
#include <string>

namespace palmora {

class Dialogues;

// Opening a document (a page, a PDF) with the program the system associates with its type.
class OuvreurDocuments {
public:
    virtual ~OuvreurDocuments() = default;
    // False when nothing could open it.
    virtual bool ouvrir(const std::filesystem::path& document) = 0;
};

// Opens the document; when nothing opens it, a message titled `titre` gives its path so that
// the organiser can open it himself.
void montrerDocument(const std::filesystem::path& document, const std::string& titre,
                     OuvreurDocuments& ouvreur, Dialogues& dialogues);

} // namespace palmora
