#include "platform/ApplicationPalmora.h"

#include "platform/dialogues.h"

#include <QDialog>

namespace palmora {

ApplicationPalmora::ApplicationPalmora(int& argc, char** argv) : QApplication(argc, argv) {}

bool ApplicationPalmora::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const FinProgramme& fin) {
        if (!statutFin_) statutFin_ = fin.statut;
        // Every event loop under way ends, and none starts again.
        QCoreApplication::exit(*statutFin_);
        return true;
    }
}

int ApplicationPalmora::executer() {
    if (statutFin_) return *statutFin_;
    const int statut = QApplication::exec();
    return statutFin_.value_or(statut);
}

std::optional<int> ApplicationPalmora::finEnCours() {
    const auto* application = dynamic_cast<ApplicationPalmora*>(QCoreApplication::instance());
    return application != nullptr ? application->statutFin_ : std::nullopt;
}

int executerModal(QDialog& dialogue) {
    const int resultat = dialogue.exec();
    if (const std::optional<int> statut = ApplicationPalmora::finEnCours())
        throw FinProgramme{*statut};
    return resultat;
}

} // namespace palmora
