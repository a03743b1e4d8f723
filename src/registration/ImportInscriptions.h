#pragma once

#include <QDialog>

#include <filesystem>
#include <optional>

class QWidget;

namespace palmora {

class Competition;
class Dialogues;
struct BornesCategories;
struct PlanImport;

// "Importer des inscriptions": what a registration file would add to the open competition,
// team by team, and its problems line by line. "&Importer" writes every accepted team at
// once; "A&nnuler" writes nothing.
class ImportInscriptions : public QDialog {
    Q_OBJECT
public:
    ImportInscriptions(Competition& compet, const PlanImport& plan, Dialogues& dialogues,
                       QWidget* parent = nullptr);

private:
    void importer();

    Competition& compet_;
    const PlanImport& plan_;
    Dialogues& dialogues_;
};

// Qt's own file dialog (the desktop's may not take a typed path), in `dossier`, on the
// "*.csv *.txt" files; nothing when it is left without a file.
std::optional<std::filesystem::path>
choisirFichierInscriptions(const std::filesystem::path& dossier, QWidget* parent);

// The import command: a file chosen, read and checked, then the window. Returns whether teams
// were added.
bool lancerImportInscriptions(Competition& compet, const BornesCategories& BornesAges,
                              const std::filesystem::path& dossierProgramme, Dialogues& dialogues,
                              QWidget* parent);

} // namespace palmora
