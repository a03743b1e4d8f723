#include "platform/OuvreurQt.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace palmora {

bool OuvreurQt::ouvrir(const std::filesystem::path& document) {
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(document.string())));
}

} // namespace palmora
