// The live results under load: 200 clients on 127.0.0.1 each ask for a page every 2 seconds
// (with the tag of what they hold, as the pages' script does) while the organiser types, and
// a mark is saved every 2 seconds, on a competition of 16 383 records. Measured for 30 seconds,
// after 6 seconds in which every page is built once and every client comes in.
// Run on demand: build with -DPALMORA_BENCH=ON, then ./bench/bench_direct.
#include "app/ServeurDirect.h"
#include "competition_bench.h"
#include "data/competition.h"
#include "dialogues_muets.h"
#include "platform/dialogues.h"

#include <QCoreApplication>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace palmora;
using palmora::bench::DialoguesMuets;
using Horloge = std::chrono::steady_clock;

namespace {

constexpr int kClients = 200;
constexpr auto kPeriode = std::chrono::seconds(2);
constexpr auto kDuree = std::chrono::seconds(30);
constexpr auto kChauffe = std::chrono::seconds(6);
constexpr const char* kChemins[] = {"/F_H_PS00/individuel", "/F_H_PS00/equipes", "/F_H_PS00/notes",
                                    "/F_H_PS00/classement.json", "/"};

double centile(std::vector<double> v, double c) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(c * static_cast<double>(v.size())))];
}

// One client: a kept-alive connection, one request at a time.
struct Client {
    int fd = -1;
    Horloge::time_point prochaine, envoi;
    bool attend = false;
    std::string recu;
    std::string etiquettes[std::size(kChemins)];
    std::size_t chemin = 0;
};

int connecter(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The whole answer is in: its status and tag are kept, the rest dropped.
bool complete(Client& c, int& statut) {
    const auto fin = c.recu.find("\r\n\r\n");
    if (fin == std::string::npos) return false;
    const auto longueur = c.recu.find("Content-Length: ");
    const std::size_t corps = longueur < fin ? std::stoul(c.recu.substr(longueur + 16, 12)) : 0;
    if (c.recu.size() < fin + 4 + corps) return false;
    statut = std::stoi(c.recu.substr(9, 3));
    const auto tag = c.recu.find("ETag: ");
    if (tag < fin)
        c.etiquettes[c.chemin] = c.recu.substr(tag + 6, c.recu.find("\r\n", tag) - tag - 6);
    c.recu.erase(0, fin + 4 + corps);
    return true;
}

struct Mesures {
    std::vector<double> pages;
    int n304 = 0, erreurs = 0;
};

// The clients run from now to `fin`; the answers to requests sent from `mesure` on are counted.
void charger(quint16 port, Horloge::time_point mesure, Horloge::time_point fin, Mesures& m) {
    std::vector<Client> clients(kClients);
    const auto debut = Horloge::now();
    for (int i = 0; i < kClients; ++i) {
        clients[i].prochaine = debut + kPeriode * i / kClients;
        clients[i].chemin = static_cast<std::size_t>(i) % std::size(kChemins);
    }
    std::vector<pollfd> attente;
    char tampon[65536];
    while (Horloge::now() < fin) {
        const auto maintenant = Horloge::now();
        for (Client& c : clients) {
            if (c.attend || maintenant < c.prochaine) continue;
            if (c.fd < 0) c.fd = connecter(port);
            if (c.fd < 0) {
                ++m.erreurs;
                c.prochaine += kPeriode;
                continue;
            }
            const std::string requete = std::string("GET ") + kChemins[c.chemin] +
                                        " HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept-Encoding: gzip, "
                                        "deflate\r\nIf-None-Match: " +
                                        c.etiquettes[c.chemin] + "\r\n\r\n";
            c.envoi = Horloge::now();
            if (::send(c.fd, requete.data(), requete.size(), MSG_NOSIGNAL) < 0) {
                ::close(c.fd);
                c.fd = -1;
                continue;
            }
            c.attend = true;
            c.prochaine += kPeriode;
        }
        attente.clear();
        for (const Client& c : clients)
            if (c.attend) attente.push_back({c.fd, POLLIN, 0});
        ::poll(attente.data(), attente.size(), 5);
        for (Client& c : clients) {
            if (!c.attend) continue;
            const ssize_t n = ::recv(c.fd, tampon, sizeof tampon, MSG_DONTWAIT);
            if (n == 0 || (n < 0 && errno != EAGAIN)) { // closed: try again at once
                ::close(c.fd);
                c.fd = -1;
                c.attend = false;
                c.recu.clear();
                c.prochaine = Horloge::now();
                continue;
            }
            if (n > 0) c.recu.append(tampon, static_cast<std::size_t>(n));
            int statut = 0;
            if (n > 0 && complete(c, statut)) {
                if (c.envoi >= mesure) {
                    m.pages.push_back(
                        std::chrono::duration<double, std::milli>(Horloge::now() - c.envoi)
                            .count());
                    m.n304 += statut == 304;
                    m.erreurs += statut != 200 && statut != 304;
                }
                c.attend = false;
                c.chemin = (c.chemin + 1) % std::size(kChemins);
            }
        }
    }
    for (Client& c : clients)
        if (c.fd >= 0) ::close(c.fd);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const std::filesystem::path dossier =
        std::filesystem::temp_directory_path() / "palmora-bench-direct";
    std::filesystem::create_directories(dossier);
    std::ofstream(dossier / "F_H_PS00.PLM", std::ios::binary) << competition();
    // On the day the file has long been on the disk: the first save must not flush 5 MB.
    const int fd = ::open((dossier / "F_H_PS00.PLM").c_str(), O_RDONLY);
    ::fsync(fd);
    ::close(fd);

    DialoguesMuets dialogues;
    Competition etat;
    etat.changerDossier(dossier);
    etat.Ouvrir("F_H_PS00.PLM", dialogues);
    qputenv("PALMORA_PORT_DIRECT", qgetenv("PALMORA_PORT_DIRECT").isEmpty()
                                       ? QByteArray("18080")
                                       : qgetenv("PALMORA_PORT_DIRECT"));
    ServeurDirect serveur([&] {
        return SourceDirect{dossier, {"Coupe", "Salle"}, {"F_H_PS00.PLM"}};
    });
    const quint16 port = serveur.demarrer(QHostAddress::LocalHost);
    if (port == 0) return 1;

    // The organiser: a key every 50 ms, a mark saved at every 40th.
    std::vector<double> touches;
    // The first key comes with the measure.
    auto due = Horloge::now() + kChauffe;
    int frappes = 0;
    std::function<void()> toucher = [&] {
        if (++frappes % 40 == 0) {
            const std::int64_t n = 1 + frappes % kEnregistrements;
            Enregistrement e = etat.LireEnreg(n);
            e.poser(champs::Notes(5, 1), chiffres(600 + frappes % 400, 3));
            etat.EcrireEnreg(n, e, dialogues);
        }
        touches.push_back(std::chrono::duration<double, std::milli>(Horloge::now() - due).count());
        due += std::chrono::milliseconds(50);
        const auto attente =
            std::chrono::duration_cast<std::chrono::milliseconds>(due - Horloge::now());
        QTimer::singleShot(std::max<int>(0, static_cast<int>(attente.count())), Qt::PreciseTimer,
                           toucher);
    };

    Mesures mesures;
    // The first seconds build every page and bring every client in: the measure starts after.
    const auto mesure = Horloge::now() + kChauffe;
    const auto fin = mesure + kDuree;
    std::thread clients([&] {
        charger(port, mesure, fin, mesures);
        QMetaObject::invokeMethod(&application, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    QTimer::singleShot(static_cast<int>(kChauffe.count() * 1000), Qt::PreciseTimer, toucher);
    application.exec();
    clients.join();
    touches.erase(touches.begin(), touches.begin() + std::min<std::size_t>(touches.size(), 1));

    std::printf("%d records, %d clients every %lld s, %lld s:\n", kEnregistrements, kClients,
                static_cast<long long>(kPeriode.count()), static_cast<long long>(kDuree.count()));
    std::printf(
        "  key handled: p50 %.1f ms, p99 %.1f ms, max %.1f ms over %zu keys (goal p99 < 50)\n",
        centile(touches, 0.5), centile(touches, 0.99), centile(touches, 1.0), touches.size());
    std::printf(
        "  pages: p50 %.1f ms, p99 %.1f ms, max %.1f ms over %zu answers, %d unchanged (304), "
        "%d errors (goal p99 < 100)\n",
        centile(mesures.pages, 0.5), centile(mesures.pages, 0.99), centile(mesures.pages, 1.0),
        mesures.pages.size(), mesures.n304, mesures.erreurs);
    etat.Fermer();
    std::filesystem::remove_all(dossier);
    return 0;
}
