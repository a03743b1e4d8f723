#!/usr/bin/env bash
# Acceptance run of Palmora: starts the real program from a fresh program folder under Xvfb,
# drives it with keystrokes as an organiser would (start-up, a women's and a men's competition,
# teams, every mark, pages, printouts, match sheets, protection, quitting) and checks the files
# it writes.
#
#   acceptance.sh <palmora executable> <output folder>
#
# The output folder receives captures/ (screenshots numbered in the order taken, and the screen
# at a failure), fichiers/ (the program folder as the program left it: day folder with the
# competition files, pages, tables and PDFs, AGE.AGE, Orvane.lic), palmora.log (the program's
# own output) and documents-ouverts.txt (every URL handed to xdg-open).
#
# Exit status: 0 passed, 1 failed (the failed step is printed), 77 tools missing (skipped).
set -Eeuo pipefail

if [ $# -ne 2 ]; then
    echo "usage : $0 <exécutable palmora> <dossier de sortie>" >&2
    exit 2
fi
ICI=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
EXECUTABLE=$(realpath "$1")
SORTIE=$2
CAPTURES=$SORTIE/captures
DATE_FIGEE='2026-12-06 10:00:00'
JOUR='06 décembre 2026'

for outil in Xvfb xdotool xwininfo setxkbmap import pdfinfo pdftotext faketime iconv; do
    if ! command -v "$outil" >/dev/null; then
        echo "acceptance : « $outil » manque (./tools/install-deps.sh l'installe) : essai sauté" >&2
        exit 77
    fi
done

# xdotool reads the typed text in the locale's encoding, and the program's texts are French.
export LC_ALL=C.UTF-8
# Nothing of the desktop the run was started from: no input method, session or settings.
unset LANGUAGE QT_IM_MODULE XMODIFIERS SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS \
    XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION XDG_CONFIG_HOME XDG_DATA_HOME \
    XDG_CACHE_HOME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE
export QT_QPA_PLATFORM=xcb
# Never the machine's printers: CUPS is asked at a socket that does not exist, so the program
# sees no printer and writes its printouts as PDFs, which the run reads.
export CUPS_SERVER=/nonexistent/palmora-acceptance-cups.sock
unset PRINTER LPDEST

rm -rf "$SORTIE"
mkdir -p "$CAPTURES"
TRAVAIL=$(mktemp -d "${TMPDIR:-/tmp}/palmora-acceptance.XXXXXX")
PROGRAMME=$TRAVAIL/programme # the program folder: executable, help, AGE.AGE, Orvane.lic
JOURNEE=$PROGRAMME/$JOUR     # the day folder the program creates
export PALMORA_DOCUMENTS_OUVERTS=$SORTIE/documents-ouverts.txt

# shellcheck source=fonctions.sh
source "$ICI/fonctions.sh"

arreter_tout() {
    local statut=$?
    trap - ERR EXIT
    if programme_vivant; then
        pkill -P "$PROG_PID" 2>/dev/null || true # palmora itself, child of faketime
        kill "$PROG_PID" 2>/dev/null || true
    fi
    [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    # The files the program wrote stay for whoever looks into a failure.
    mkdir -p "$SORTIE/fichiers"
    find "$PROGRAMME" -mindepth 1 -maxdepth 1 ! -name palmora -exec cp -r {} "$SORTIE/fichiers/" \; \
        2>/dev/null || true
    rm -rf "$TRAVAIL"
    if [ "$statut" -eq 0 ]; then
        printf 'Acceptance réussie en %d s ; captures dans %s\n' "$SECONDS" "$CAPTURES"
    fi
    exit "$statut"
}
trap arreter_tout EXIT
trap 'erreur_inattendue "$LINENO" "$BASH_COMMAND"' ERR

# ==========================================================================================
etape "dossier programme neuf"
mkdir -p "$PROGRAMME" "$TRAVAIL/maison" "$TRAVAIL/execution"
chmod 700 "$TRAVAIL/execution"
cp "$EXECUTABLE" "$PROGRAMME/palmora"
AIDE=$(dirname "$EXECUTABLE")/PALMORA.html
[ -f "$AIDE" ] || AIDE=$ICI/../../docs/PALMORA.html
cp "$AIDE" "$PROGRAMME/PALMORA.html"
: >"$PALMORA_DOCUMENTS_OUVERTS"

etape "serveur X virtuel"
demarrer_xvfb
echo "       affichage $DISPLAY"

etape "démarrage de Palmora au $DATE_FIGEE"
(
    cd "$PROGRAMME"
    exec env HOME="$TRAVAIL/maison" XDG_RUNTIME_DIR="$TRAVAIL/execution" \
        PATH="$ICI/outils:$PATH" BROWSER=true \
        faketime "$DATE_FIGEE" ./palmora
) >"$SORTIE/palmora.log" 2>&1 &
PROG_PID=$!

etape "années de naissance (pas de table AGE.AGE dans un dossier neuf)"
attendre_fenetre '^Années de naissance$'
AGES=$FEN
focaliser "$AGES"
# Eight bands, oldest year first: Féminines 7-8, 9-10, 11-12, 13-14 ans, then Masculins.
for annees in 18 19 16 17 14 15 12 13 18 19 16 17 14 15 12 13; do
    taper "$annees"$'\t'
done
capture annees-de-naissance "$AGES"
touche alt+o
attendre_fermeture "$AGES" "Années de naissance"
verifier_taille "$PROGRAMME/AGE.AGE" 32
[ "$(cat "$PROGRAMME/AGE.AGE")" = 18191617141512131819161714151213 ] ||
    echec "AGE.AGE contient « $(cat "$PROGRAMME/AGE.AGE") »"

etape "dossier du jour « $JOUR » : Oui le crée"
repondre '^Dossier de travail$' alt+o dossier-du-jour
[ -d "$JOURNEE" ] || echec "le dossier « $JOURNEE » n'a pas été créé"

etape "titre de la compétition"
attendre_fenetre '^Donner le titre de la compétition$'
TITRE=$FEN
focaliser "$TITRE"
# "<", ">" and "&" must come out escaped on the pages; the comma is kept inside its field.
taper "Coupe d'hiver <Orvane> & amis"$'\t'
taper "Gymnase Jean-Moulin, Lyon - 6 décembre 2026"
capture titre "$TITRE"
touche alt+t
attendre_fermeture "$TITRE" "Donner le titre de la compétition"
contient "$JOURNEE/TITRE.1" '"Coupe d'\''hiver <Orvane> & amis","Gymnase Jean-Moulin, Lyon - 6 décembre 2026"'

etape "fenêtre principale"
attendre_fenetre '^Palmora - Version '
PRINCIPALE=$FEN
focaliser "$PRINCIPALE"
capture fenetre-principale-vide "$PRINCIPALE"

etape "aide (F1) ouverte dans le navigateur"
touche F1
attendre_ouverture "$PROGRAMME/PALMORA.html"
revenir_principale

# shellcheck source=competition_feminine.sh
source "$ICI/competition_feminine.sh"
# shellcheck source=competition_masculine.sh
source "$ICI/competition_masculine.sh"

# ==========================================================================================
etape "réouverture de la compétition féminine protégée (Alt+O, liste, Entrée)"
revenir_principale
touche alt+o
capture liste-des-competitions "$PRINCIPALE"
# The list is sorted by file name: F_1_N000.PLM comes first and is selected.
touche Return
repondre '^F_1_N000\.PLM$' Return message-fichier-protege
capture fenetre-principale-protegee "$PRINCIPALE"

etape "juges d'une compétition protégée (Ctrl+Alt+F2) : « Fichier protégé »"
touche ctrl+alt+F2
repondre '^Modification interdite$' Return message-modification-interdite

etape "une compétition protégée ne s'inscrit plus (Alt+I ne fait rien)"
touche alt+i
if attendre 2 xdotool search --onlyvisible --name '^Saisie des équipes$' >/dev/null; then
    echec "Alt+I a ouvert l'inscription sur une compétition protégée"
fi

etape "une compétition protégée se consulte encore (Ctrl+V)"
voir_page ctrl+v "Affichage du classement individuel" "$INDIV_F.htm"
ligne_contient "$INDIV_F.txt" 2 "  1${TAB}GARNIER" "36,90"

etape "quitter (Alt+Q) : Non garde le programme ouvert"
touche alt+q
repondre '^Sortie du logiciel$' alt+n
programme_vivant || echec "le programme s'est arrêté après « Non »"
fenetre_fermee "$PRINCIPALE" && echec "la fenêtre principale s'est fermée après « Non »"

etape "quitter (Alt+Q, Oui) : la fenêtre À propos vient en dernier"
touche alt+q
repondre '^Sortie du logiciel$' alt+o sortie-du-logiciel
attendre_fenetre '^Palmora - Version ' "$PRINCIPALE"
A_PROPOS=$FEN
focaliser "$A_PROPOS"
capture a-propos "$A_PROPOS"
touche alt+v
attendre "$DELAI" programme_termine || echec "le programme ne s'est pas terminé après « Vu »"
statut=0
wait "$PROG_PID" || statut=$?
PROG_PID=""
[ "$statut" -eq 0 ] || echec "le programme s'est terminé avec le statut $statut"

etape "registre des licences Orvane.lic reconstruit"
REGISTRE=$PROGRAMME/Orvane.lic
verifier_fichier "$REGISTRE"
# Nine women and eleven men, each with a licence of ten digits, one entry of 100 bytes each.
verifier_taille "$REGISTRE" 2000
LICENCES_LUES=$(fold -b -w 100 "$REGISTRE" | cut -c1-10 | tr '\n' ' ')
LICENCES_ATTENDUES=$(printf '%s\n' "${LICENCES_TAPEES[@]}" | sort | tr '\n' ' ')
[ "$LICENCES_LUES" = "$LICENCES_ATTENDUES" ] ||
    echec "licences du registre : « $LICENCES_LUES » au lieu de « $LICENCES_ATTENDUES »"
ENTREE=$(fold -b -w 100 "$REGISTRE" | grep -a '^3300000002' | iconv -f WINDOWS-1252 -t UTF-8 ||
    true)
[ "${ENTREE:0:63}" = "3300000002BLANC          Léa            1933 BORDEAUX         N" ] ||
    echec "entrée du registre pour 3300000002 : « ${ENTREE:0:63} »"

etape "le fichier protégé est resté intact"
verifier_taille "$FICHIER_F" 2700
for n in 1 2 3 4 5 6 7 8 9; do
    verifier_champ "$FICHIER_F" "$n" 300 1 "#" "marque de protection"
done
