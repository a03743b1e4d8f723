#include "reports/GroupeOptions.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace palmora {

GroupeOptions::GroupeOptions(const QString& nom, const QStringList& libelles,
                             std::function<void(int)> choisi, QWidget* parent)
    : QGroupBox(parent), choisi_(std::move(choisi)) {
    setObjectName(nom);
    auto* disposition = new QVBoxLayout(this);
    for (int i = 0; i < libelles.size(); ++i) {
        auto* option = new QRadioButton(libelles[i], this);
        option->setObjectName(nom + QString::number(i));
        disposition->addWidget(option);
        options_.append(option);
        connect(option, &QRadioButton::toggled, this, [this, i](bool actif) {
            if (!actif) return;
            choisi_(i);
            colorer();
        });
    }
}

void GroupeOptions::choisir(int i) {
    if (options_[i]->isChecked()) {
        choisi_(i);
        colorer();
    }
    options_[i]->setChecked(true);
}

void GroupeOptions::colorer() {
    for (QRadioButton* option : options_) {
        QPalette palette = option->palette();
        const QColor couleur = option->isChecked() ? Qt::red : Qt::black;
        palette.setColor(QPalette::WindowText, couleur);
        palette.setColor(QPalette::ButtonText, couleur);
        option->setPalette(palette);
    }
}

} // namespace palmora
