// The data layer's two windows: what the acceptance run does not see (beeps, refusals, colours,
// hidden options, the keys and buttons it does not press, Annuler).
#include "data/Ages.h"
#include "data/Nouvo.h"
#include "platform/DialoguesQt.h"

#include "cas.h"
#include "support/compet_ouverte.h"
#include "support/pilote_modal.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

using namespace palmora;
using namespace palmora::test;

namespace {

struct Fenetres : CompetOuverte {
    BornesCategories bornes;
    Fenetres() { etat.changerDossier(dossier.chemin()); }
};

// A check of cas/nouvo_fenetre.txt: an option's state, a label's text, or the window's.
std::string vu(Nouvo& n, const std::string& cle) {
    auto* o = n.findChild<QRadioButton*>(QString::fromStdString(cle.substr(cle.find(':') + 1)));
    if (cle == "cree") return std::to_string(n.cree());
    if (cle == "visible") return std::to_string(n.isVisible());
    if (cle.starts_with("vu:"))
        return std::to_string(
            !n.findChild<QWidget*>(QString::fromStdString(cle.substr(3)))->isHidden());
    if (o)
        return std::string(o->isChecked() ? "x" : "-") +
               (o->palette().color(QPalette::WindowText) == Qt::red ? "r" : "-");
    return n.findChild<QLabel*>(QString::fromStdString(cle))->text().toStdString();
}

} // namespace

TEST_F(Fenetres, AgesShowsTheStoredYearsBeepsOnRefusalsAndAnnulerWritesNothingOrEnds) {
    const std::string table = "97989596939491929798959693949192";
    ecrireFichier(dossier / "AGE.AGE", table);
    Ages gardee(etat, dossier.chemin(), bornes, dialogues);
    gardee.show();
    QString lus;
    for (QLineEdit* b : gardee.findChildren<QLineEdit*>())
        lus += b->text();
    EXPECT_EQ(lus.toStdString(), table);
    auto* boite = gardee.findChild<QLineEdit*>("Fin1");
    boite->clear();
    QTest::keyClick(boite, 'a');
    QGuiApplication::clipboard()->setText(QStringLiteral("9x")); // taken whole or not at all
    QTest::keySequence(boite, QKeySequence::Paste);
    QTest::keyClick(boite, '&');
    EXPECT_EQ(boite->text(), "1");
    EXPECT_EQ(dialogues.bips, 2);
    cliquer(gardee, "Annuler");
    EXPECT_EQ(lireFichier(dossier / "AGE.AGE"), table);
    EXPECT_TRUE(dialogues.messages.empty());

    // Without a usable table the window closes before the message, then the program ends.
    std::filesystem::remove(dossier / "AGE.AGE");
    DialoguesQt qt;
    Ages a(etat, dossier.chemin(), bornes, qt);
    a.show();
    QString vus;
    piloterModal<QMessageBox>([&](QMessageBox& m) {
        vus = QString::number(a.isVisible()) + " " + m.text() + " / " + m.windowTitle();
    });
    EXPECT_THROW(cliquer(a, "Annuler"), FinProgramme);
    EXPECT_EQ(vus, "0 Années non saisies / Sortie du programme");
}

TEST_F(Fenetres, NouvoShowsItsRulesThroughItsOptionsKeysAndButtons) {
    std::unique_ptr<Nouvo> n;
    for (const Cas& c : lireCas("nouvo_fenetre.txt")) {
        for (const std::string& a : mots(c[0])) {
            const auto avec = [&](char m, Qt::KeyboardModifier k) {
                return a.find(m) != a.npos ? k : Qt::NoModifier;
            };
            auto* option = n ? n->findChild<QRadioButton*>(QString::fromStdString(a)) : nullptr;
            if (a == "nouvelle") {
                n = std::make_unique<Nouvo>(etat, dialogues,
                                            [](const PanneauJuges& p) { return p; });
                n->show();
            } else if (a[0] == '@') {
                cliquer(*n, a.c_str() + 1);
            } else if (option) {
                option->click();
            } else { // a key typed on an option
                QTest::keyClick(n->findChild<QRadioButton*>("Niveau0"),
                                a.back() == '+'   ? Qt::Key_Plus
                                : a.back() == '-' ? Qt::Key_Minus
                                                  : Qt::Key_Return,
                                avec('K', Qt::KeypadModifier) | avec('C', Qt::ControlModifier) |
                                    avec('S', Qt::ShiftModifier));
            }
        }
        for (std::size_t k = 1; k < c.size(); ++k) {
            const std::size_t egal = c[k].find('=');
            EXPECT_EQ(c[k].substr(0, egal + 1) + vu(*n, c[k].substr(0, egal)), c[k]) << c.ligne;
        }
    }
}
