#include "app/Commandes.h"
#include "platform/ApplicationPalmora.h"

#include "app/Akeuil.h"
#include "app/DialogueDirect.h"
#include "app/Restaurer.h"
#include "app/ServeurDirect.h"
#include "app/Titre.h"
#include "app/adresses_direct.h"
#include "app/boutons.h"
#include "app/liste_compet.h"
#include "app/reglages_compet.h"
#include "data/Ages.h"
#include "data/Nouvo.h"
#include "data/echange_licences.h"
#include "data/registre_licences.h"
#include "platform/SurfaceQt.h"
#include "platform/dialogues.h"
#include "platform/documents.h"
#include "platform/horloge.h"
#include "registration/ImportInscriptions.h"
#include "registration/Noms.h"
#include "reports/F_Match.h"
#include "reports/feuilles_match.h"
#include "reports/imprim_classements.h"
#include "reports/voir_pages.h"
#include "scoring/Juges.h"
#include "scoring/ModiJuge.h"
#include "scoring/Saisie.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QNetworkInterface>
#include <QShortcut>
#include <QStatusBar>

namespace palmora {

namespace {

struct Touche {
    QList<QKeySequence> touches;
    Commande commande;
    const char* agres;
};

// Linux keeps Ctrl+Alt+F-keys for its consoles: those commands answer to Ctrl+Shift too.
const QList<Touche>& touches() {
    static const QList<Touche> kTouches = {
        {{Qt::ALT | Qt::Key_N}, Commande::Nouveau, ""},
        {{Qt::ALT | Qt::Key_P}, Commande::Proteger, ""},
        {{Qt::ALT | Qt::Key_Q}, Commande::Quitter, ""},
        {{Qt::ALT | Qt::Key_T}, Commande::Titre, ""},
        {{Qt::ALT | Qt::Key_I}, Commande::Inscrire, ""},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_S}, Commande::Saisie, "Saut"},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_O}, Commande::Saisie, "Sol"},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_B}, Commande::Saisie, "Barres"},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_P}, Commande::Saisie, "Poutre"},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_L}, Commande::Saisie, "Parallèles"},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_N}, Commande::Saisie, "Anneaux"},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_R}, Commande::Saisie, "Arçons"},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_F}, Commande::Saisie, "Fixe"},
        {{Qt::CTRL | Qt::Key_V}, Commande::VoirIndiv, ""},
        {{Qt::CTRL | Qt::Key_E}, Commande::VoirEquip, ""},
        {{Qt::CTRL | Qt::Key_S}, Commande::VoirNotes, ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_V}, Commande::ImprimIndiv, ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_E}, Commande::ImprimEquip, ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_M}, Commande::ImprimMatch, ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_F2, Qt::CTRL | Qt::SHIFT | Qt::Key_F2},
         Commande::ModiJuge,
         ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_F9, Qt::CTRL | Qt::SHIFT | Qt::Key_F9},
         Commande::EffectifEquipe,
         ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_F11, Qt::CTRL | Qt::SHIFT | Qt::Key_F11},
         Commande::NotesRetenues,
         ""},
        {{Qt::CTRL | Qt::Key_F10}, Commande::Ages, ""},
        {{Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_F9}, Commande::Deproteger, ""},
        {{Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_X}, Commande::ExporterRegistre, ""},
        {{Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_I}, Commande::ImporterRegistre, ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_S}, Commande::Restaurer, ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_R}, Commande::ImporterInscriptions, ""},
        {{Qt::CTRL | Qt::ALT | Qt::Key_D}, Commande::Direct, ""},
    };
    return kTouches;
}

// The hourglass while a long operation runs.
struct Sablier {
    Sablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { QApplication::restoreOverrideCursor(); }
};

} // namespace

Commandes::Commandes(Akeuil& fenetre, Dialogues& dialogues, const Horloge& horloge,
                     OuvreurDocuments& ouvreur, LecteurA& lecteur)
    : QObject(&fenetre), fenetre_(fenetre), dialogues_(dialogues), horloge_(horloge),
      ouvreur_(ouvreur), lecteur_(lecteur) {
    installerTouches();
    connect(&fenetre_, &Akeuil::commandeChoisie, this, [this](const QString& cle) {
        if (const auto demande = demandeDeCle(cle.toStdString())) executer(*demande);
    });
    qApp->installEventFilter(this);
}

Commandes::~Commandes() = default;

void Commandes::installerTouches() {
    for (const Touche& t : touches()) {
        auto* raccourci = new QShortcut(&fenetre_);
        raccourci->setKeys(t.touches);
        const Demande demande{t.commande, t.agres, false};
        connect(raccourci, &QShortcut::activated, this, [this, demande] { executer(demande); });
    }
}

bool Commandes::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress) {
        auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->key() == Qt::Key_F1 && touche->modifiers() == Qt::NoModifier) {
            aide();
            return true;
        }
        if (touche->text() == QLatin1String("?") && objet->isWidgetType() &&
            static_cast<QWidget*>(objet)->window() == &fenetre_ &&
            !QApplication::activeModalWidget()) {
            executer({Commande::APropos, "", false});
            return true;
        }
    }
    return QObject::eventFilter(objet, evenement);
}

void Commandes::executer(const Demande& demande) {
    EtatAppli& etat = fenetre_.etat();
    const bool fichiers = !fenetre_.fichiers().empty();
    if (!commandePermise(demande, etat.compet, visibiliteBoutons(etat.compet, fichiers),
                         horloge_.maintenant()))
        return;
    fenetre_.cacherListe();
    lancer(demande);
}

void Commandes::lancer(const Demande& demande) {
    EtatAppli& etat = fenetre_.etat();
    Competition& compet = etat.compet;
    switch (demande.commande) {
    case Commande::Nouveau:
        lancerNouvo(
            compet, dialogues_,
            [this](const PanneauJuges& depart) { return Juges::demander(depart, &fenetre_); },
            &fenetre_);
        fenetre_.RafraichirListe();
        break;
    case Commande::Proteger:
        ProtegerCompet(compet, dialogues_);
        break;
    case Commande::Quitter:
        quitter();
        return;
    case Commande::Titre:
        executerModal(Titre(etat, dialogues_, fenetre_.titreCompet(), &fenetre_));
        return;
    case Commande::Inscrire:
        inscrire();
        break;
    case Commande::Saisie:
        lancerSaisie(compet, dialogues_, demande.agres, &fenetre_);
        break;
    case Commande::VoirIndiv:
        VoirClIndiv(compet, textesPage(etat), dialogues_, ouvreur_);
        break;
    case Commande::VoirEquip:
        VoirClEquip(compet, textesPage(etat), dialogues_, ouvreur_);
        break;
    case Commande::VoirNotes:
        VoirNotes(compet, textesPage(etat), dialogues_, ouvreur_);
        break;
    case Commande::ImprimIndiv: {
        SurfaceQt surface(dialogues_, ouvreur_);
        (compet.CodeAgres() == 'M' ? ImprimClIndivM : ImprimClIndivF)(compet, textesPage(etat),
                                                                      dialogues_, surface);
        break;
    }
    case Commande::ImprimEquip: {
        SurfaceQt surface(dialogues_, ouvreur_);
        ImprimClEquip(compet, textesPage(etat), dialogues_, surface);
        break;
    }
    case Commande::ImprimMatch: {
        SurfaceQt surface(dialogues_, ouvreur_);
        ChoixFeuilles choix;
        executerModal(F_Match(compet, etat.titre, choix, surface, &fenetre_));
        break;
    }
    case Commande::APropos:
        fenetre_.aPropos();
        return;
    case Commande::ModiJuge:
        lancerModiJuge(compet, dialogues_, &fenetre_);
        break;
    case Commande::EffectifEquipe:
        DemanderEffectifEquipe(compet, dialogues_);
        break;
    case Commande::NotesRetenues:
        DemanderNotesRetenues(compet, dialogues_);
        break;
    case Commande::Ages:
        executerModal(Ages(compet, etat.dossierProgramme, etat.BornesAges, dialogues_, &fenetre_));
        break;
    case Commande::Deproteger:
        MarquerProtection(compet, kNul, dialogues_);
        break;
    case Commande::ExporterRegistre: {
        Sablier sablier;
        ExporterRegistre(compet, etat.dossierProgramme, lecteur_, dialogues_);
        break;
    }
    case Commande::ImporterRegistre: {
        Sablier sablier;
        ImporterRegistre(compet, etat.dossierProgramme, lecteur_, dialogues_);
        break;
    }
    case Commande::Restaurer:
        executerModal(Restaurer(compet, fenetre_.sauvegardes(), dialogues_, &fenetre_));
        break;
    case Commande::ImporterInscriptions:
        importerInscriptions();
        break;
    case Commande::Direct:
        resultatsDirect();
        return;
    }
    fenetre_.afficherCompetition();
}

void Commandes::inscrire() {
    Noms noms(fenetre_.etat().compet, fenetre_.etat().BornesAges, fenetre_.etat().dossierProgramme,
              dialogues_, &fenetre_);
    connect(&noms, &Noms::equipeEnregistree, &fenetre_, &Akeuil::majBoutons);
    const int resultat = executerModal(noms);
    // Deleting the last team deletes the file.
    if (!fenetre_.etat().compet.ouvert()) fenetre_.RafraichirListe();
    if (resultat == Noms::kImporter) importerInscriptions();
}

void Commandes::importerInscriptions() {
    EtatAppli& etat = fenetre_.etat();
    lancerImportInscriptions(etat.compet, etat.BornesAges, etat.dossierProgramme, dialogues_,
                             &fenetre_);
}

void Commandes::quitter() {
    const Reponse r = dialogues_.message(
        {"Quitter Palmora ", "Sortie du logiciel", Icone::Question, Boutons::OuiNon, Reponse::Oui});
    if (r != Reponse::Oui) return;
    {
        Sablier sablier;
        fenetre_.RafraichirListe();
        ReconstruireRegistre(fenetre_.etat().compet, fenetre_.etat().dossierProgramme,
                             fenetre_.fichiers(), dialogues_);
    }
    // The rebuild closed the competition: the About window shows over a window that says so.
    fenetre_.afficherCompetition();
    fenetre_.close();
}

void Commandes::resultatsDirect() {
    if (!direct_) {
        direct_ = std::make_unique<ServeurDirect>([this] {
            const EtatAppli& etat = fenetre_.etat();
            const std::filesystem::path dossier = etat.compet.DossierTravail();
            return SourceDirect{dossier, etat.titre, listerCompetitions(dossier)};
        });
        if (direct_->demarrer() == 0) {
            direct_.reset();
            dialogues_.message({"Aucun port libre pour les résultats en direct\n(de 8080 à 8089).",
                                "Résultats en direct", Icone::Exclamation});
            return;
        }
    }
    std::vector<std::string> ips;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        ips.push_back(a.toString().toStdString());
    std::vector<std::string> adresses;
    for (const std::string& ip : ordonnerAdresses(ips))
        adresses.push_back(adresseDirect(ip, direct_->port()));
    if (!etatDirect_) {
        etatDirect_ = new QLabel(fenetre_.statusBar());
        etatDirect_->setObjectName(QStringLiteral("direct"));
        fenetre_.statusBar()->addWidget(etatDirect_);
    }
    etatDirect_->setText(QStringLiteral("Résultats en direct : ") +
                         QString::fromStdString(adresses.empty()
                                                    ? adresseDirect("127.0.0.1", direct_->port())
                                                    : adresses.front()));
    etatDirect_->show();

    DialogueDirect dialogue(adresses, &fenetre_);
    executerModal(dialogue);
    if (!dialogue.arreter()) return;
    direct_.reset();
    etatDirect_->hide();
}

void Commandes::aide() {
    montrerDocument(fenetre_.fichierAide(), "Aide", ouvreur_, dialogues_);
}

} // namespace palmora
