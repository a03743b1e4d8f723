#include "app/A_Prop.h"

#include "app/DessinsAkeuil.h"
#include "app/a_propos.h"
#include "platform/version.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace palmora {

A_Prop::A_Prop(const QString& e1, QWidget* parent) : QDialog(parent) {
    setObjectName("A_Prop");
    setWindowTitle(QString::fromStdString(legendeVersion()));
    setModal(true);

    auto* image = new QLabel(this);
    image->setObjectName("Picture2");
    image->setPixmap(emblème(96));

    auto* aide = new QLabel(QString::fromUtf8(kTexteAide), this);
    aide->setObjectName("aide");

    auto* message = new QLabel(e1, this);
    message->setObjectName("E1");

    auto* vu = new QPushButton("&Vu", this);
    vu->setObjectName("Vu");
    vu->setDefault(true);
    connect(vu, &QPushButton::clicked, this, &QDialog::accept);

    auto* textes = new QVBoxLayout;
    textes->addWidget(aide);
    textes->addSpacing(12);
    textes->addWidget(message);
    textes->addStretch();

    auto* haut = new QHBoxLayout;
    haut->addWidget(image, 0, Qt::AlignTop);
    haut->addSpacing(16);
    haut->addLayout(textes);

    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(vu, 0, Qt::AlignRight);
}

} // namespace palmora
