#include "scoring/ModiJuge.h"
#include "platform/ApplicationPalmora.h"

#include "data/competition.h"
#include "scoring/modi_juge.h"

#include <QApplication>

namespace palmora {

ModiJuge::ModiJuge(Competition& etat, Dialogues& dialogues, QWidget* parent)
    : Juges(panneauOuvert(etat), parent), etat_(etat), dialogues_(dialogues),
      AncienNbJuges(panneau().comptes()) {
    setObjectName("ModiJuge");
}

void ModiJuge::oui() {
    const NbJuges& nouveaux = panneau().comptes();
    if (ControlerRetraitJuges(etat_, AncienNbJuges, nouveaux, dialogues_)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        modifie_ = EcrireJuges(etat_, nouveaux, dialogues_);
        QApplication::restoreOverrideCursor();
    }
    done(modifie_ ? Accepted : Rejected);
}

bool lancerModiJuge(Competition& etat, Dialogues& dialogues, QWidget* parent) {
    if (!ModiJugePermis(etat, dialogues)) return false;
    ModiJuge dialogue(etat, dialogues, parent);
    executerModal(dialogue);
    return dialogue.modifie();
}

} // namespace palmora
