#include "platform/ServeurTcpBorne.h"

#include <QTcpSocket>
#include <QTimer>

namespace palmora {

void ServeurTcpBorne::incomingConnection(qintptr descripteur) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descripteur) || connexions_ >= kConnexions) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++connexions_;
    connect(socket, &QObject::destroyed, this, [this] { --connexions_; });
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);

    auto* inactivite = new QTimer(socket);
    inactivite->setSingleShot(true);
    inactivite->setInterval(kInactiviteMs);
    connect(inactivite, &QTimer::timeout, socket, &QAbstractSocket::abort);
    inactivite->start();

    // Connected before the HTTP server's own reader, so it sees the bytes first.
    auto recus = std::make_shared<qint64>(0);
    connect(socket, &QIODevice::readyRead, socket, [socket, inactivite, recus] {
        inactivite->start();
        *recus += socket->bytesAvailable();
        if (*recus > kOctetsParRequete) socket->abort();
    });
    connect(socket, &QIODevice::bytesWritten, socket, [inactivite, recus] {
        inactivite->start();
        *recus = 0;
    });
    addPendingConnection(socket);
}

} // namespace palmora
