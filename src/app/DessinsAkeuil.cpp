#include "app/DessinsAkeuil.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace palmora {

namespace {

constexpr int kCote = 32;
const QColor kBleu(0, 0, 192);
const QColor kOr(214, 160, 30);

QIcon dessiner(const std::function<void(QPainter&)>& trace) {
    QPixmap image(kCote, kCote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBleu, 2));
    trace(p);
    return QIcon(image);
}

void page(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({{7, 3}, {20, 3}, {25, 8}, {25, 29}, {7, 29}}));
}

void texte(QPainter& p, const QString& t, int taille) {
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(taille);
    police.setBold(true);
    p.setFont(police);
    p.drawText(QRect(0, 0, kCote, kCote), Qt::AlignCenter, t);
}

} // namespace

QIcon iconeCommande(const QString& cle) {
    if (cle == QLatin1String("Ouvrir"))
        return dessiner([](QPainter& p) {
            p.setBrush(kOr);
            p.drawPolygon(QPolygon({{3, 8}, {12, 8}, {15, 11}, {28, 11}, {28, 27}, {3, 27}}));
            p.drawLine(3, 15, 28, 15);
        });
    if (cle == QLatin1String("Nouveau"))
        return dessiner([](QPainter& p) {
            page(p);
            p.drawLine(16, 11, 16, 23);
            p.drawLine(10, 17, 22, 17);
        });
    if (cle == QLatin1String("protege"))
        return dessiner([](QPainter& p) {
            p.drawArc(10, 4, 12, 16, 0, 180 * 16);
            p.drawLine(10, 12, 10, 15);
            p.drawLine(22, 12, 22, 15);
            p.setBrush(kOr);
            p.drawRect(7, 15, 18, 13);
        });
    if (cle == QLatin1String("partir"))
        return dessiner([](QPainter& p) {
            p.drawRect(5, 4, 14, 24);
            p.drawLine(14, 16, 28, 16);
            p.drawLine(23, 11, 28, 16);
            p.drawLine(23, 21, 28, 16);
        });
    if (cle == QLatin1String("titre"))
        return dessiner([](QPainter& p) { texte(p, QStringLiteral("T"), 24); });
    if (cle == QLatin1String("inscrire"))
        return dessiner([](QPainter& p) {
            p.drawEllipse(9, 3, 9, 9);
            p.drawLine(13, 12, 13, 22);
            p.drawLine(5, 15, 21, 15);
            p.drawLine(13, 22, 7, 29);
            p.drawLine(13, 22, 19, 29);
            p.drawLine(25, 18, 25, 28);
            p.drawLine(20, 23, 30, 23);
        });
    if (cle == QLatin1String("Note"))
        return dessiner([](QPainter& p) {
            page(p);
            texte(p, QStringLiteral("10"), 11);
        });
    if (cle == QLatin1String("Voir"))
        return dessiner([](QPainter& p) {
            QPainterPath oeil;
            oeil.moveTo(3, 16);
            oeil.quadTo(16, 3, 29, 16);
            oeil.quadTo(16, 29, 3, 16);
            p.drawPath(oeil);
            p.setBrush(kBleu);
            p.drawEllipse(QPoint(16, 16), 4, 4);
        });
    if (cle == QLatin1String("Imprimer"))
        return dessiner([](QPainter& p) {
            p.setBrush(Qt::white);
            p.drawRect(9, 3, 14, 10);
            p.setBrush(kOr);
            p.drawRect(3, 12, 26, 11);
            p.setBrush(Qt::white);
            p.drawRect(9, 19, 14, 10);
        });
    return dessiner([](QPainter& p) {
        p.setBrush(kOr);
        p.drawEllipse(3, 3, 26, 26);
        texte(p, QStringLiteral("?"), 20);
    });
}

QPixmap emblème(int taille) {
    QPixmap image(taille, taille);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / 100.0, taille / 100.0);
    p.setPen(QPen(kBleu, 3));
    p.setBrush(QColor(232, 236, 250));
    p.drawEllipse(3, 3, 94, 94);
    p.setPen(QPen(kBleu, 2));
    p.drawLine(35, 10, 35, 38);
    p.drawLine(65, 10, 65, 38);
    p.setPen(QPen(kOr, 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(35, 48), 10, 10);
    p.drawEllipse(QPoint(65, 48), 10, 10);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(15);
    police.setBold(true);
    p.setFont(police);
    p.setPen(kBleu);
    p.drawText(QRect(0, 64, 100, 20), Qt::AlignCenter, QStringLiteral("Palmora"));
    return image;
}

} // namespace palmora
