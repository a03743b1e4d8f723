#include "app/Akeuil.h"
#include "platform/DialoguesQt.h"
#include "platform/horloge.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt's own texts (standard dialogs, context menus) in French, whatever the system says.
    QTranslator traduction;
    if (traduction.load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    palmora::HorlogeSysteme horloge;
    palmora::DialoguesQt dialogues;
    palmora::Akeuil akeuil(dialogues, horloge,
                           QCoreApplication::applicationDirPath().toStdString());
    if (!akeuil.demarrer()) return 0;
    akeuil.show();
    return QApplication::exec();
}
