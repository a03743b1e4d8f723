#include "app/Akeuil.h"
#include "app/Commandes.h"
#include "platform/ApplicationPalmora.h"
#include "platform/DialoguesQt.h"
#include "platform/OuvreurQt.h"
#include "platform/horloge.h"
#include "platform/lecteur_a.h"

#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    palmora::ApplicationPalmora application(argc, argv);
    // Qt's own texts (standard dialogs, context menus) in French, whatever the system says.
    QTranslator traduction;
    if (traduction.load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    palmora::HorlogeSysteme horloge;
    palmora::DialoguesQt dialogues;
    palmora::Akeuil akeuil(dialogues, horloge,
                           QCoreApplication::applicationDirPath().toStdString());
    palmora::OuvreurQt ouvreur;
    palmora::LecteurASysteme lecteur;
    palmora::Commandes commandes(akeuil, dialogues, horloge, ouvreur, lecteur);
    try {
        if (!akeuil.demarrer()) return 0;
        akeuil.show();
        return application.executer();
    } catch (const palmora::FinProgramme& fin) {
        return fin.statut;
    }
}
