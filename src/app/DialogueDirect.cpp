#include "app/DialogueDirect.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <qrencode.h>

#include <memory>

namespace palmora {

QImage codeQr(const std::string& texte, int pixels) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(
        QRcode_encodeString(texte.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!qr) return {};
    constexpr int kMarge = 4;
    const int cote = (qr->width + 2 * kMarge) * pixels;
    QImage image(cote, cote, QImage::Format_Mono);
    image.fill(1);
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 255, 255));
    for (int y = 0; y < qr->width; ++y)
        for (int x = 0; x < qr->width; ++x)
            if (qr->data[y * qr->width + x] & 1)
                for (int dy = 0; dy < pixels; ++dy)
                    for (int dx = 0; dx < pixels; ++dx)
                        image.setPixel((x + kMarge) * pixels + dx, (y + kMarge) * pixels + dy, 0);
    return image;
}

DialogueDirect::DialogueDirect(const std::vector<std::string>& adresses, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Résultats en direct"));
    auto* colonne = new QVBoxLayout(this);
    auto* explication = new QLabel(
        adresses.empty() ? QStringLiteral("Cet ordinateur n'est relié à aucun réseau.")
                         : QStringLiteral("Les résultats sont diffusés sur le réseau local.\n"
                                          "Sur un téléphone relié au même réseau, tapez :"),
        this);
    colonne->addWidget(explication);
    for (const std::string& a : adresses) {
        auto* adresse = new QLabel(QString::fromStdString(a), this);
        adresse->setObjectName(QStringLiteral("adresse"));
        adresse->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont police = adresse->font();
        police.setPointSizeF(police.pointSizeF() * 1.4);
        police.setBold(true);
        adresse->setFont(police);
        colonne->addWidget(adresse);
    }
    if (!adresses.empty()) {
        auto* qr = new QLabel(this);
        qr->setObjectName(QStringLiteral("codeQr"));
        qr->setPixmap(QPixmap::fromImage(codeQr(adresses.front(), 6)));
        qr->setAlignment(Qt::AlignCenter);
        colonne->addWidget(new QLabel(QStringLiteral("ou photographiez ce code :"), this));
        colonne->addWidget(qr);
    }
    auto* boutons = new QHBoxLayout;
    auto* arreter = new QPushButton(QStringLiteral("&Arrêter la diffusion"), this);
    arreter->setObjectName(QStringLiteral("Arreter"));
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    fermer->setObjectName(QStringLiteral("Fermer"));
    fermer->setDefault(true);
    boutons->addWidget(arreter);
    boutons->addStretch();
    boutons->addWidget(fermer);
    colonne->addLayout(boutons);
    connect(arreter, &QPushButton::clicked, this, [this] {
        arreter_ = true;
        accept();
    });
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace palmora
