#pragma once

#include <QTcpServer>

namespace palmora {

// A listening socket that keeps its clients in bounds, for a server on a shared network: at
// most kConnexions connections at once (more are closed at once), a connection silent for
// kInactivite is closed, and one that sends more than kOctetsParRequete before it is answered
// (oversized headers or a body) is cut off.
class ServeurTcpBorne : public QTcpServer {
    Q_OBJECT
public:
    static constexpr int kConnexions = 256;
    static constexpr int kInactiviteMs = 5000;
    static constexpr qint64 kOctetsParRequete = 16 * 1024;

    using QTcpServer::QTcpServer;
    int connexions() const { return connexions_; }

protected:
    void incomingConnection(qintptr descripteur) override;

private:
    int connexions_ = 0;
};

} // namespace palmora
