#include "platform/SurfaceQt.h"

#include "platform/dialogues.h"
#include "platform/documents.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace palmora {

namespace {

QString qt(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

SurfaceQt::SurfaceQt(Dialogues& dialogues, OuvreurDocuments& ouvreur)
    : dialogues_(dialogues), ouvreur_(ouvreur), police_(QStringLiteral("Arial")) {
    police_.setPointSizeF(12);
}

SurfaceQt::~SurfaceQt() {
    if (peintre_.isActive()) peintre_.end();
}

void SurfaceQt::commencer(const std::filesystem::path& pdf) {
    pdf_ = pdf;
    imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    enPdf_ = QPrinterInfo::defaultPrinter().isNull();
    if (enPdf_) {
        imprimante_->setOutputFormat(QPrinter::PdfFormat);
        imprimante_->setOutputFileName(QString::fromStdString(pdf.string()));
    }
    // The layouts reach 196 mm across and 267.5 mm down.
    imprimante_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(7, 10, 6, 10), QPageLayout::Millimeter));
    imprimante_->setDocName(QString::fromStdString(pdf.stem().string()));
    k_ = imprimante_->resolution() / 25.4;
    pageAttendue_ = false;
    echec_ = false;
}

bool SurfaceQt::pret() {
    if (echec_) return false;
    if (!peintre_.isActive()) {
        if (!peintre_.begin(imprimante_.get())) {
            echec_ = true;
            signalerFichierNonEcrit(pdf_, "Impression", dialogues_);
            return false;
        }
        pageAttendue_ = false;
        majPinceau();
    } else if (pageAttendue_) {
        imprimante_->newPage();
        pageAttendue_ = false;
    }
    return true;
}

void SurfaceQt::majPinceau() {
    if (!peintre_.isActive()) return;
    QPen pinceau(couleur_);
    pinceau.setWidthF(versPoints(epaisseur_));
    peintre_.setPen(pinceau);
    peintre_.setBrush(Qt::NoBrush);
    peintre_.setFont(QFont(police_, imprimante_.get()));
}

void SurfaceQt::taille(double points) {
    police_.setPointSizeF(points);
    majPinceau();
}

void SurfaceQt::gras(bool actif) {
    police_.setBold(actif);
    majPinceau();
}

void SurfaceQt::souligne(bool actif) {
    police_.setUnderline(actif);
    majPinceau();
}

void SurfaceQt::couleur(Couleur c) {
    couleur_ = QColor(c.r, c.g, c.b);
    majPinceau();
}

void SurfaceQt::epaisseur(double mm) {
    epaisseur_ = mm;
    majPinceau();
}

void SurfaceQt::texte(double x, double y, const std::string& texte) {
    if (!pret()) return;
    const QFontMetricsF mesures(police_, imprimante_.get());
    peintre_.drawText(QPointF(versPoints(x), versPoints(y) + mesures.ascent()), qt(texte));
}

double SurfaceQt::largeur(const std::string& texte) {
    return QFontMetricsF(police_, imprimante_.get()).horizontalAdvance(qt(texte)) / k_;
}

double SurfaceQt::hauteur(const std::string&) {
    return QFontMetricsF(police_, imprimante_.get()).height() / k_;
}

void SurfaceQt::ligne(double x1, double y1, double x2, double y2) {
    if (pret())
        peintre_.drawLine(QPointF(versPoints(x1), versPoints(y1)),
                          QPointF(versPoints(x2), versPoints(y2)));
}

void SurfaceQt::rectangle(double x1, double y1, double x2, double y2) {
    if (pret())
        peintre_.drawRect(QRectF(QPointF(versPoints(x1), versPoints(y1)),
                                 QPointF(versPoints(x2), versPoints(y2))));
}

void SurfaceQt::nouvellePage() {
    pageAttendue_ = true;
}

void SurfaceQt::terminer() {
    // Nothing drawn: no sheet leaves the printer, no PDF is written.
    if (!peintre_.isActive()) return;
    peintre_.end();
    if (!enPdf_) return;
    dialogues_.message(
        {"Aucune imprimante n'est installée : le document est enregistré ici :\n" + pdf_.string(),
         "Impression", Icone::Information});
    montrerDocument(pdf_, "Impression", ouvreur_, dialogues_);
}

} // namespace palmora
