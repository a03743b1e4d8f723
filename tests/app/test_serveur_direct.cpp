// The live results served for real on 127.0.0.1, at a port of the test's own.
#include "app/ServeurDirect.h"

#include "data/competition.h"
#include "reports/direct_outils.h"
#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QtEndian>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace palmora::test {

namespace {

struct Reponse {
    int statut = 0;
    std::string entetes, corps;
    std::string entete(const std::string& nom) const {
        const auto debut = entetes.find("\r\n" + nom + ": ");
        if (debut == std::string::npos) return "";
        const auto valeur = debut + nom.size() + 4;
        return entetes.substr(valeur, entetes.find("\r\n", valeur) - valeur);
    }
};

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

    // One raw request on its own connection, asked again while the page is being built (503).
    Reponse demander(const std::string& ligne, const std::string& entetes = "") {
        Reponse r;
        for (int essai = 0; essai < 100 && (essai == 0 || r.statut == 503); ++essai) {
            if (essai > 0) {
                EXPECT_EQ(r.entete("Retry-After"), "1");
            }
            QTcpSocket client;
            client.connectToHost(QHostAddress::LocalHost, port);
            client.write(QByteArray::fromStdString(ligne + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                                                   entetes + "Connection: close\r\n\r\n"));
            std::string recu;
            r = {};
            (void)QTest::qWaitFor(
                [&] {
                    recu += client.readAll().toStdString();
                    const auto fin = recu.find("\r\n\r\n");
                    if (fin == std::string::npos) return false;
                    r = {std::atoi(recu.substr(9, 3).c_str()), recu.substr(0, fin + 2),
                         recu.substr(fin + 4)};
                    const auto longueur = r.entete("Content-Length");
                    return ligne.starts_with("HEAD") || r.corps.size() >= std::stoul(longueur);
                },
                2000);
        }
        return r;
    }
};

} // namespace

TEST_F(ServeurEnDirect, ServesEveryPathWithItsSafetyHeadersAndWritesNothing) {
    const std::string avant = lireFichier(dossier / nom);
    for (const std::string chemin :
         {"/", "/ecran", "/direct.css", "/direct.js", "/F_2_PS00/individuel", "/F_2_PS00/equipes",
          "/F_2_PS00/notes", "/F_2_PS00/classement.json"}) {
        SCOPED_TRACE(chemin);
        const Reponse r = demander("GET " + chemin);
        EXPECT_EQ(r.statut, 200);
        EXPECT_NE(r.entete("Content-Type").find("charset=utf-8"), std::string::npos);
        EXPECT_EQ(r.entete("X-Content-Type-Options") + "|" + r.entete("Cache-Control"),
                  "nosniff|no-cache");
        EXPECT_NE(r.entete("Content-Security-Policy").find("default-src 'none'"),
                  std::string::npos);
        EXPECT_FALSE(r.corps.empty());
        const Reponse encore =
            demander("GET " + chemin, "If-None-Match: " + r.entete("ETag") + "\r\n");
        EXPECT_EQ(encore.statut, 304);
        EXPECT_TRUE(encore.corps.empty());
        // zlib's stream without the length qCompress puts before it.
        const Reponse compresse = demander("GET " + chemin, "Accept-Encoding: gzip, deflate\r\n");
        EXPECT_EQ(compresse.entete("Content-Encoding"), "deflate");
        QByteArray flux = QByteArray(4, '\0') + QByteArray::fromStdString(compresse.corps);
        qToBigEndian<quint32>(static_cast<quint32>(r.corps.size()), flux.data());
        EXPECT_EQ(qUncompress(flux).toStdString(), r.corps);
    }
    const Reponse tete = demander("HEAD /F_2_PS00/individuel");
    EXPECT_EQ(tete.statut, 200);
    EXPECT_TRUE(tete.corps.empty());
    EXPECT_EQ(lireFichier(dossier / nom), avant);
}

TEST_F(ServeurEnDirect, TheJsonHoldsTheRankingAndFollowsASavedMark) {
    // The ranking is built away from the event loop: asked again until `pret` holds.
    const auto json = [&](auto pret) {
        nlohmann::json j;
        for (int essai = 0; essai < 50; ++essai, QTest::qWait(100))
            if (pret(j = nlohmann::json::parse(demander("GET /F_2_PS00/classement.json").corps)))
                break;
        return j;
    };
    std::string servies;
    const auto avant = json([](const auto& j) { return !j["individuel"].empty(); });
    for (const auto& l : avant["individuel"])
        servies += l["place"].get<std::string>() + " " + l["nom"].get<std::string>() + " " +
                   (l["hors_concours"].get<bool>() ? "HC" : l["total"].get<std::string>()) + "|";
    // Worked out from the vault marks saved (the only apparatus marked, four equal marks each):
    // HORS, hors concours, uses up place 1; MARTIN and ZOLA tie, the name orders them and the
    // tie shows no place.
    EXPECT_EQ(servies,
              " HORS HC|2 MARTIN 9,50| ZOLA 9,50|4 DURAND 8,00|5 ARNAUD 7,00|6 SOLO 6,00|");

    DialoguesScriptes dialogues;
    Competition etat;
    etat.changerDossier(dossier.chemin());
    ASSERT_TRUE(etat.Ouvrir(nom, dialogues));
    etat.EcrireEnreg(6, auSaut(etat.LireEnreg(6), 995), dialogues); // ARNAUD gets 9,95
    etat.Fermer();
    const auto apres = json([](const auto& j) { return j["individuel"][0]["nom"] == "ARNAUD"; });
    EXPECT_EQ(apres["individuel"][0]["total"], "9,95");
    EXPECT_NE(demander("GET /F_2_PS00/individuel").corps.find("9,95"), std::string::npos);
}

TEST_F(ServeurEnDirect, RefusesOtherMethodsPathsAndCompetitions) {
    const Reponse post = demander("POST /F_2_PS00/individuel", "Content-Length: 0\r\n");
    EXPECT_EQ(post.statut, 405);
    EXPECT_EQ(post.entete("Allow"), "GET, HEAD");
    for (const std::string chemin : {"/../F_2_PS00.PLM", "/F_2_PS00.PLM", "/F_9_PS00/individuel"})
        EXPECT_EQ(demander("GET " + chemin).statut, 404) << chemin;
    EXPECT_EQ(demander("GET /", "X-Trop: " + std::string(40000, 'x') + "\r\n").statut, 0);
}

} // namespace palmora::test
