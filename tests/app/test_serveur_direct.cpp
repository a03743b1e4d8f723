// The live results served for real on 127.0.0.1, at a port of the test's own, and opened in a
// headless browser when there is one.
#include "app/ServeurDirect.h"

#include "data/competition.h"
#include "reports/direct_outils.h"
#include "reports/voir_pages.h"
#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace palmora::test {

namespace {

struct Reponse {
    int statut = 0;
    std::string entetes;
    std::string corps;
    std::string entete(const std::string& nom) const {
        const auto debut = entetes.find("\r\n" + nom + ": ");
        if (debut == std::string::npos) return "";
        const auto valeur = debut + nom.size() + 4;
        return entetes.substr(valeur, entetes.find("\r\n", valeur) - valeur);
    }
};

// Waits on the event loop, where the server answers, until `fini` or two seconds.
template <class F> void attendre(F fini) {
    QEventLoop boucle;
    QTimer horloge;
    QObject::connect(&horloge, &QTimer::timeout, &boucle, [&] {
        if (fini()) boucle.quit();
    });
    horloge.start(5);
    QTimer::singleShot(2000, &boucle, &QEventLoop::quit);
    boucle.exec();
}

struct ServeurEnDirect : ::testing::Test {
    DossierTemporaire dossier;
    const std::string nom = "F_2_PS00.PLM";
    quint16 port = 0;
    std::unique_ptr<ServeurDirect> serveur;

    void SetUp() override {
        ecrireFichier(dossier / nom, competitionDirect());
        QTcpServer libre; // a free port, given back at once
        ASSERT_TRUE(libre.listen(QHostAddress::LocalHost));
        port = libre.serverPort();
        libre.close();
        qputenv("PALMORA_PORT_DIRECT", QByteArray::number(port));
        serveur = std::make_unique<ServeurDirect>([this] {
            return SourceDirect{dossier.chemin(), {"Coupe", "Salle"}, {nom}};
        });
        ASSERT_EQ(serveur->demarrer(QHostAddress::LocalHost), port);
    }

    // One request as a browser would make it: asked again, a second later at most, while the
    // page is still being built (503).
    Reponse demander(const std::string& methode, const std::string& chemin,
                     const std::string& entetes = "") {
        Reponse r = demanderUneFois(methode, chemin, entetes);
        for (int essai = 0; r.statut == 503 && essai < 100; ++essai) {
            EXPECT_EQ(r.entete("Retry-After"), "1");
            QTest::qWait(50);
            r = demanderUneFois(methode, chemin, entetes);
        }
        return r;
    }
    // One request as a client sends it, raw; the connection is closed after the answer.
    Reponse demanderUneFois(const std::string& methode, const std::string& chemin,
                            const std::string& entetes) {
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, port);
        const std::string requete = methode + " " + chemin + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                                    entetes + "Connection: close\r\n\r\n";
        client.write(requete.data(), static_cast<qint64>(requete.size()));
        QByteArray recu;
        Reponse r;
        attendre([&] {
            recu += client.readAll();
            const auto fin = recu.indexOf("\r\n\r\n");
            if (fin < 0) return false;
            r.entetes = recu.left(fin + 2).toStdString();
            const long longueur =
                methode == "HEAD" ? 0 : std::atol(r.entete("Content-Length").c_str());
            if (recu.size() - fin - 4 < longueur) return false;
            r.corps = recu.mid(fin + 4, longueur).toStdString();
            return true;
        });
        r.statut = r.entetes.size() > 12 ? std::atoi(r.entetes.substr(9, 3).c_str()) : 0;
        return r;
    }
};

// The rows of the table Ctrl+V writes for a copy of the same file: place, surname, total.
std::vector<std::array<std::string, 3>> tableCtrlV(const std::filesystem::path& fichier) {
    DossierTemporaire copie;
    std::filesystem::copy_file(fichier, copie.chemin() / fichier.filename());
    DialoguesScriptes dialogues;
    Competition etat;
    etat.changerDossier(copie.chemin());
    etat.Ouvrir(fichier.filename().string(), dialogues);
    EcrireClIndiv(etat, {"", {"Coupe", "Salle"}, {"01", " mai ", "2026"}, "v"}, dialogues);
    std::istringstream table(lireFichier(cheminClIndiv(etat, ".txt")));
    std::vector<std::array<std::string, 3>> lignes;
    std::string ligne;
    std::getline(table, ligne); // the header
    const auto rogne = [](std::string t) { return std::string(rogner(rogner(t, "\r"))); };
    while (std::getline(table, ligne)) {
        std::vector<std::string> champs;
        std::istringstream cellules(ligne);
        for (std::string c; std::getline(cellules, c, '\t');)
            champs.push_back(c);
        if (ligne.find("HORS") != std::string::npos) continue;
        lignes.push_back({rogne(champs[0]), rogne(champs[1]), rogne(champs.at(10))});
    }
    return lignes;
}

} // namespace

TEST_F(ServeurEnDirect, ServesEveryPathWithItsSafetyHeadersAndWritesNothing) {
    const std::string avant = lireFichier(dossier / nom);
    for (const char* chemin :
         {"/", "/ecran", "/direct.css", "/direct.js", "/F_2_PS00/individuel", "/F_2_PS00/equipes",
          "/F_2_PS00/notes", "/F_2_PS00/classement.json"}) {
        const Reponse r = demander("GET", chemin);
        EXPECT_EQ(r.statut, 200) << chemin;
        EXPECT_NE(r.entete("Content-Type").find("charset=utf-8"), std::string::npos) << chemin;
        EXPECT_EQ(r.entete("X-Content-Type-Options"), "nosniff");
        EXPECT_NE(r.entete("Content-Security-Policy").find("default-src 'none'"),
                  std::string::npos);
        EXPECT_EQ(r.entete("Cache-Control"), "no-cache");
        EXPECT_FALSE(r.corps.empty()) << chemin;
        // Unchanged: a tag is all it costs.
        const Reponse encore =
            demander("GET", chemin, "If-None-Match: " + r.entete("ETag") + "\r\n");
        EXPECT_EQ(encore.statut, 304) << chemin;
        EXPECT_TRUE(encore.corps.empty());
    }
    const Reponse tete = demander("HEAD", "/F_2_PS00/individuel");
    EXPECT_EQ(tete.statut, 200);
    EXPECT_TRUE(tete.corps.empty());
    EXPECT_EQ(lireFichier(dossier / nom), avant);
}

TEST_F(ServeurEnDirect, TheJsonHoldsTheRankingOfThePagesAndFollowsASavedMark) {
    const auto json = [&] {
        return nlohmann::json::parse(demander("GET", "/F_2_PS00/classement.json").corps);
    };
    std::vector<std::array<std::string, 3>> servies;
    const nlohmann::json avant = json();
    for (const auto& l : avant["individuel"])
        if (!l["hors_concours"].get<bool>()) servies.push_back({l["place"], l["nom"], l["total"]});
    EXPECT_EQ(servies, tableCtrlV(dossier / nom));

    DialoguesScriptes dialogues;
    Competition etat;
    etat.changerDossier(dossier.chemin());
    ASSERT_TRUE(etat.Ouvrir(nom, dialogues));
    etat.EcrireEnreg(6, auSaut(etat.LireEnreg(6), 995), dialogues); // ARNAUD gets 9,95
    etat.Fermer();
    // The page is built again away from the event loop: it follows within a few seconds.
    nlohmann::json apres = json();
    for (int essai = 0; essai < 50 && apres["individuel"][0]["nom"] != "ARNAUD"; ++essai) {
        QTest::qWait(100);
        apres = json();
    }
    EXPECT_EQ(apres["individuel"][0]["total"], "9,95");
    EXPECT_NE(demander("GET", "/F_2_PS00/individuel").corps.find("9,95"), std::string::npos);
}

TEST_F(ServeurEnDirect, RefusesOtherMethodsPathsAndCompetitions) {
    EXPECT_EQ(demander("POST", "/F_2_PS00/individuel", "Content-Length: 0\r\n").statut, 405);
    EXPECT_EQ(demander("GET", "/../F_2_PS00.PLM").statut, 404);
    EXPECT_EQ(demander("GET", "/F_2_PS00.PLM").statut, 404);
    EXPECT_EQ(demander("GET", "/F_9_PS00/individuel").statut, 404);
    EXPECT_EQ(demander("GET", "/", "X-Trop: " + std::string(40000, 'x') + "\r\n").statut, 0);
}

TEST_F(ServeurEnDirect, ABrowserShowsTheRankingOnAPhoneAndAProjector) {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty()) GTEST_SKIP() << "chromium is not installed";
    const auto naviguer = [&](const QStringList& options, const std::string& chemin) {
        DossierTemporaire profil;
        QProcess navigateur;
        navigateur.start(
            chromium, QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                                  "--no-first-run", "--disable-background-networking",
                                  "--disable-component-update", "--disable-sync",
                                  "--user-data-dir=" + QString::fromStdString(profil.chemin())} +
                          options +
                          QStringList{QStringLiteral("http://127.0.0.1:%1").arg(port) +
                                      QString::fromStdString(chemin)});
        QEventLoop boucle;
        QObject::connect(&navigateur, &QProcess::finished, &boucle, &QEventLoop::quit);
        QTimer::singleShot(60000, &boucle, &QEventLoop::quit);
        if (navigateur.state() != QProcess::NotRunning) boucle.exec();
        navigateur.kill();
        navigateur.waitForFinished();
        return navigateur.readAllStandardOutput().toStdString();
    };
    const std::string dom =
        naviguer({"--virtual-time-budget=5000", "--dump-dom"}, "/F_2_PS00/individuel");
    ASSERT_NE(dom.find("MARTIN"), std::string::npos) << dom;
    EXPECT_LT(dom.find("MARTIN"), dom.find("ZOLA"));
    EXPECT_LT(dom.find("ZOLA"), dom.find("ARNAUD"));

    // Kept beside the test for a look: the phone held upright and the projector.
    const std::filesystem::path sortie = PALMORA_CAPTURES;
    std::filesystem::create_directories(sortie);
    for (const auto& [taille, fichier, chemin] :
         {std::tuple{"390,844", "telephone.png", "/F_2_PS00/individuel"},
          std::tuple{"1920,1080", "projecteur.png", "/ecran"}}) {
        std::filesystem::remove(sortie / fichier);
        naviguer({QStringLiteral("--window-size=") + taille, "--hide-scrollbars",
                  "--virtual-time-budget=6000",
                  "--screenshot=" + QString::fromStdString((sortie / fichier).string())},
                 chemin);
        EXPECT_TRUE(std::filesystem::exists(sortie / fichier)) << fichier;
    }
}

} // namespace palmora::test
