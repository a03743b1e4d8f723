#include "app/ServeurDirect.h"

#include "platform/ServeurTcpBorne.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>

#include <sys/resource.h>
#include <unistd.h>

namespace palmora {

namespace {

using Statut = QHttpServerResponder::StatusCode;

constexpr quint16 kPremierPort = 8080;
constexpr quint16 kDernierPort = 8089;

// Only the page's own resources, nothing inline, no frames.
constexpr const char* kPolitique = "default-src 'none'; script-src 'self'; style-src 'self'; "
                                   "connect-src 'self'; img-src 'self'; base-uri 'none'; "
                                   "form-action 'none'; frame-ancestors 'none'";

void repondre(const QHttpServerRequest& requete, QHttpServerResponder responder, Statut statut,
              const QByteArray& type, const QByteArray& corps, const std::string& etiquette,
              bool compresse = false) {
    const bool tete = requete.method() == QHttpServerRequest::Method::Head;
    const bool avecCorps = statut != Statut::NotModified;
    responder.writeStatusLine(statut);
    responder.writeHeader("Content-Type", type);
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeHeader("Content-Security-Policy", kPolitique);
    responder.writeHeader("Cache-Control", "no-cache");
    responder.writeHeader("Referrer-Policy", "no-referrer");
    if (statut == Statut::MethodNotAllowed) responder.writeHeader("Allow", "GET, HEAD");
    if (statut == Statut::ServiceUnavailable) responder.writeHeader("Retry-After", "1");
    if (!etiquette.empty()) responder.writeHeader("ETag", QByteArray::fromStdString(etiquette));
    responder.writeHeader("Vary", "Accept-Encoding");
    if (compresse && avecCorps) responder.writeHeader("Content-Encoding", "deflate");
    responder.writeHeader("Content-Length",
                          QByteArray::number(avecCorps ? qsizetype(corps.size()) : 0));
    responder.writeBody(tete || !avecCorps ? QByteArray() : corps);
}

// A page asked for before it was ever built: the browser comes back a second later.
const QByteArray kEnPreparation =
    "<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\">"
    "<meta http-equiv=\"refresh\" content=\"1\"><title>Résultats</title></head>"
    "<body><p>Classement en préparation…</p></body></html>\n";

void refuser(const QHttpServerRequest& requete, QHttpServerResponder responder, Statut statut,
             const std::string& texte) {
    repondre(requete, std::move(responder), statut, "text/plain; charset=utf-8",
             QByteArray::fromStdString(texte + "\n"), "");
}

} // namespace

ServeurDirect::Page ServeurDirect::enPage(const std::string& etiquette,
                                          const ContenuDirect& contenu) {
    QByteArray corps = QByteArray::fromStdString(contenu.corps);
    // A ranking page is mostly the same few words: compressed once here, it leaves the event loop
    // a twentieth of the bytes to send to each reader. qCompress puts the length before the zlib
    // stream that "deflate" means.
    QByteArray compresse = qCompress(corps, 6).mid(4);
    return {etiquette, QByteArray::fromStdString(contenu.type), std::move(corps),
            std::move(compresse)};
}

ServeurDirect::ServeurDirect(std::function<SourceDirect()> source, QObject* parent)
    : QAbstractHttpServer(parent), source_(std::move(source)) {}

ServeurDirect::~ServeurDirect() {
    if (travail_.valid()) travail_.wait(); // its answer is dropped with this object
}

quint16 ServeurDirect::demarrer(const QHostAddress& adresse) {
    const QByteArray impose = qgetenv("PALMORA_PORT_DIRECT");
    const quint16 premier = impose.isEmpty() ? kPremierPort : impose.toUShort();
    const quint16 dernier = impose.isEmpty() ? kDernierPort : premier;
    for (quint16 port = premier; port != 0 && port <= dernier; ++port) {
        auto* ecoute = new ServeurTcpBorne(this);
        if (ecoute->listen(adresse, port)) {
            ecoute_ = ecoute;
            bind(ecoute_);
            port_ = port;
            return port_;
        }
        delete ecoute;
    }
    return 0;
}

bool ServeurDirect::handleRequest(const QHttpServerRequest& requete, QTcpSocket* socket) {
    const auto methode = requete.method();
    if (methode != QHttpServerRequest::Method::Get && methode != QHttpServerRequest::Method::Head) {
        refuser(requete, makeResponder(requete, socket), Statut::MethodNotAllowed,
                "Méthode non permise");
        return true;
    }
    const std::string chemin = requete.url().path().toStdString();
    SourceDirect source = source_();
    const std::optional<RouteDirect> route = routeDirect(chemin, source.competitions);
    if (!route) return false;
    const std::string etiquette = etiquetteDirect(*route, source);

    auto page = pages_.find(chemin);
    if (page == pages_.end()) {
        // Never built: built off the loop like any other, so that the organiser's typing is never
        // held up; the reader is asked to come back in a second.
        if (!aRefaire_.contains(chemin) && chemin != cheminEnCours_)
            refaire(chemin, {*route, std::move(source), etiquette});
        repondre(requete, makeResponder(requete, socket), Statut::ServiceUnavailable,
                 "text/html; charset=utf-8", kEnPreparation, "");
        return true;
    }
    if (page->second.etiquette != etiquette) {
        refaire(chemin, {*route, std::move(source), etiquette});
    }
    const Page& p = page->second;
    const bool inchange = requete.value("If-None-Match").toStdString() == p.etiquette;
    const bool deflate =
        requete.value("Accept-Encoding").contains("deflate") && p.compresse.size() < p.corps.size();
    repondre(requete, makeResponder(requete, socket), inchange ? Statut::NotModified : Statut::Ok,
             p.type, deflate ? p.compresse : p.corps, p.etiquette, deflate);
    return true;
}

void ServeurDirect::missingHandler(const QHttpServerRequest& requete, QTcpSocket* socket) {
    refuser(requete, makeResponder(requete, socket), Statut::NotFound, "Page introuvable");
}

void ServeurDirect::refaire(const std::string& chemin, Travail travail) {
    aRefaire_.insert_or_assign(chemin, std::move(travail));
    if (!enCours_) lancerSuivant();
}

void ServeurDirect::lancerSuivant() {
    if (aRefaire_.empty()) return;
    auto suivant = aRefaire_.extract(aRefaire_.begin());
    enCours_ = true;
    cheminEnCours_ = suivant.key();
    travail_ = std::async(std::launch::async, [this, chemin = std::move(suivant.key()),
                                               t = std::move(suivant.mapped())]() mutable {
        // The organiser's typing comes first: the pages are built at the lowest priority.
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
        const std::optional<ContenuDirect> contenu = construireDirect(t.route, t.source);
        std::optional<Page> page;
        if (contenu) page = enPage(t.etiquette, *contenu);
        QMetaObject::invokeMethod(
            this,
            [this, chemin = std::move(chemin), page = std::move(page)]() mutable {
                if (page)
                    pages_.insert_or_assign(chemin, std::move(*page));
                else
                    pages_.erase(chemin);
                enCours_ = false;
                cheminEnCours_.clear();
                lancerSuivant();
            },
            Qt::QueuedConnection);
    });
}

} // namespace palmora
