#include "platform/Controles.h"

#include <QLabel>
#include <QPushButton>

namespace palmora {

QPushButton* bouton(const QString& texte, const QString& nom, QWidget* parent) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    return b;
}

QLabel* etiquette(const QString& texte, const QString& nom, QWidget* parent) {
    auto* label = new QLabel(texte, parent);
    label->setObjectName(nom);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace palmora
