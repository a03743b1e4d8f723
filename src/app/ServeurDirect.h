#pragma once

#include "reports/site_direct.h"

#include <QAbstractHttpServer>
#include <QHostAddress>

#include <functional>
#include <future>
#include <map>
#include <string>

namespace palmora {

class ServeurTcpBorne;

// The live results on the local network: answers GET and HEAD on the event loop, from pages
// kept with their entity tags. A page whose files changed is answered as it was while a worker
// thread builds it anew, so that a large competition never holds up the organiser.
class ServeurDirect : public QAbstractHttpServer {
    Q_OBJECT
public:
    // `source` tells, at each request, the working folder, its title and its competitions.
    explicit ServeurDirect(std::function<SourceDirect()> source, QObject* parent = nullptr);
    ~ServeurDirect() override;

    // Listens on `adresse`, at the port of PALMORA_PORT_DIRECT or the first free one from 8080
    // to 8089; returns the port, 0 when none could be taken.
    quint16 demarrer(const QHostAddress& adresse = QHostAddress::Any);
    quint16 port() const { return port_; }

protected:
    bool handleRequest(const QHttpServerRequest& requete, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& requete, QTcpSocket* socket) override;

private:
    // Kept as Qt buffers: every answer shares them instead of copying a large page.
    struct Page {
        std::string etiquette;
        QByteArray type;
        QByteArray corps;
        QByteArray compresse; // "deflate" (zlib) form of corps, for the browsers that take it
    };
    struct Travail {
        RouteDirect route;
        SourceDirect source;
        std::string etiquette;
    };
    static Page enPage(const std::string& etiquette, const ContenuDirect& contenu);
    void refaire(const std::string& chemin, Travail travail);
    void lancerSuivant();

    std::function<SourceDirect()> source_;
    ServeurTcpBorne* ecoute_ = nullptr;
    quint16 port_ = 0;
    std::map<std::string, Page> pages_; // by path
    std::map<std::string, Travail> aRefaire_;
    std::future<void> travail_;
    bool enCours_ = false;
    std::string cheminEnCours_; // the page being built, if any
};

} // namespace palmora
