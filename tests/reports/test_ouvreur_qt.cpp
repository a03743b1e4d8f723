#include "platform/OuvreurQt.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

using namespace palmora;

namespace {

// Takes the place of the browser for "file" URLs.
class Navigateur : public QObject {
    Q_OBJECT
public:
    QList<QUrl> recues;
public slots:
    void open(const QUrl& url) { recues.append(url); }
};

} // namespace

TEST(OuvreurQt, APageIsHandedToTheBrowserAsALocalFileWithItsAccents) {
    Navigateur navigateur;
    QDesktopServices::setUrlHandler("file", &navigateur, "open");
    OuvreurQt ouvreur;
    const bool ouvert = ouvreur.ouvrir("/tmp/jour/Féminines Honneur (équipe).htm");
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_TRUE(ouvert);
    ASSERT_EQ(navigateur.recues.size(), 1);
    EXPECT_TRUE(navigateur.recues[0].isLocalFile());
    EXPECT_EQ(navigateur.recues[0].toLocalFile(),
              QString::fromUtf8("/tmp/jour/Féminines Honneur (équipe).htm"));
}

#include "test_ouvreur_qt.moc"
