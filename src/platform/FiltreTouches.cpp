#include "platform/FiltreTouches.h"

#include "platform/dialogues.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace palmora {

namespace {

class FiltreTouches final : public QObject {
public:
    FiltreTouches(QLineEdit& boite, RegleTouche regle, Dialogues& dialogues)
        : QObject(&boite), boite_(boite), regle_(std::move(regle)), dialogues_(dialogues) {}

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (objet != &boite_ || evenement->type() != QEvent::KeyPress) return false;
        const auto* touche = static_cast<const QKeyEvent*>(evenement);
        const bool collage = touche->matches(QKeySequence::Paste);
        const QString tape = collage ? QGuiApplication::clipboard()->text() : touche->text();
        if (!collage && (tape.isEmpty() || estCommande(tape))) return false;
        const std::optional<QString> recu = appliquer(tape);
        if (!recu) {
            dialogues_.bip();
            return true;
        }
        if (!collage && *recu == tape) return false;
        boite_.insert(*recu);
        return true;
    }

private:
    // Backspace, Tab, Enter, Escape and Ctrl shortcuts carry a control character.
    static bool estCommande(const QString& texte) {
        return texte.size() == 1 && (texte[0].unicode() < 0x20 || texte[0].unicode() == 0x7F);
    }

    std::optional<QString> appliquer(const QString& texte) const {
        QString recu;
        for (const QChar c : texte) {
            const std::optional<std::string> r = regle_(QString(c).toStdString());
            if (!r) return std::nullopt;
            recu += QString::fromStdString(*r);
        }
        return recu;
    }

    QLineEdit& boite_;
    RegleTouche regle_;
    Dialogues& dialogues_;
};

} // namespace

void filtrerTouches(QLineEdit& boite, RegleTouche regle, Dialogues& dialogues) {
    boite.installEventFilter(new FiltreTouches(boite, std::move(regle), dialogues));
    boite.setAcceptDrops(false);
    boite.setContextMenuPolicy(Qt::NoContextMenu);
}

} // namespace palmora
