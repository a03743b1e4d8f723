# Helpers of the acceptance run, sourced by acceptance.sh (which sets SORTIE, CAPTURES, TRAVAIL
# and PROG_PID): steps, the X server, windows, keys, screenshots, checks of the files written.

TAB=$'\t' # the column separator of the tables
DELAI=${PALMORA_DELAI:-25} # seconds a window may take to appear (the machine may be busy)
NUMERO_ETAPE=0
NOM_ETAPE="préparation"
NUMERO_CAPTURE=0
PRINCIPALE="" # the main window, once it is shown
FEN=""        # the window found by the last attendre_fenetre
XVFB_PID=""
PROG_PID=""

etape() {
    NUMERO_ETAPE=$((NUMERO_ETAPE + 1))
    NOM_ETAPE=$1
    printf '[%3ds] Étape %d : %s\n' "$SECONDS" "$NUMERO_ETAPE" "$NOM_ETAPE"
}

# Inside a command substitution the subshell only ends; the command around it fails in turn
# and is reported from the main shell.
erreur_inattendue() {
    if [ "$BASHPID" = "$$" ]; then echec "commande en erreur (ligne $1) : $2"; fi
}

echec() {
    trap - ERR
    printf 'ÉCHEC étape %d (%s) : %s\n' "$NUMERO_ETAPE" "$NOM_ETAPE" "$1" >&2
    if [ -n "${DISPLAY:-}" ]; then # what was on the screen says more than any message
        import -window root "$CAPTURES/echec-etape-$NUMERO_ETAPE.png" 2>/dev/null &&
            printf '       écran : %s\n' "$CAPTURES/echec-etape-$NUMERO_ETAPE.png" >&2
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
            printf '       fenêtre %s « %s »\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)" >&2
        done
    fi
    exit 1
}

# attendre DELAI COMMANDE...: true as soon as the command succeeds, false after DELAI seconds.
attendre() {
    local fin=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$fin" ] || return 1
        sleep 0.1
    done
}

programme_vivant() { [ -n "$PROG_PID" ] && kill -0 "$PROG_PID" 2>/dev/null; }
programme_termine() { ! programme_vivant; }

# Xvfb picks a free display itself (-displayfd): a stale lock or a display in use never fails
# the run. Ctrl+Alt+F-keys would otherwise switch consoles and never reach the program.
demarrer_xvfb() {
    local numero="$TRAVAIL/affichage"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp \
        3>"$numero" >"$SORTIE/xvfb.log" 2>&1 &
    XVFB_PID=$!
    attendre 15 test -s "$numero" || echec "Xvfb n'a pas démarré (voir $SORTIE/xvfb.log)"
    DISPLAY=":$(head -n 1 "$numero")"
    export DISPLAY
    setxkbmap -layout us -option srvrkeys:none || echec "setxkbmap a échoué"
    ajouter_lettres_accentuees
}

# xdotool types a character missing from the keymap by remapping a spare key for an instant;
# the program may read the keymap back after the key is restored and lose the letter. The
# accented letters get keys of their own for the whole run, in place of unused media keys.
ajouter_lettres_accentuees() {
    local carte=$TRAVAIL/clavier.xkb lettres='' i=240 l
    for l in eacute,Eacute egrave,Egrave agrave,Agrave ccedilla,Ccedilla \
        ecircumflex,Ecircumflex idiaeresis,Idiaeresis ocircumflex,Ocircumflex ugrave,Ugrave; do
        lettres+="    key <I$i> { [ ${l/,/, } ] };"$'\n'
        i=$((i + 1))
    done
    xkbcomp -w 0 -xkb "$DISPLAY" "$carte" || echec "lecture de la carte du clavier impossible"
    awk -v lettres="${lettres%$'\n'}" '
        /^xkb_symbols/ { symboles = 1 }
        symboles && /^    key <I24[0-7]> .*};$/ { next }
        symboles && /^};/ { print lettres; symboles = 0 }
        { print }' "$carte" >"$carte.accents"
    xkbcomp -w 0 "$carte.accents" "$DISPLAY" || echec "chargement de la carte du clavier impossible"
    xkbcomp -w 0 -xkb "$DISPLAY" - | grep idiaeresis >/dev/null ||
        echec "les lettres accentuées manquent à la carte du clavier"
}

# grep reads its whole input ("grep -q" would stop early and, with pipefail, fail the pipeline).
fenetre_fermee() { ! xwininfo -id "$1" 2>/dev/null | grep 'Map State: IsViewable' >/dev/null; }

# attendre_fenetre MOTIF [SAUF]: a visible window whose title matches MOTIF, other than SAUF,
# into FEN.
attendre_fenetre() {
    local fin=$((SECONDS + DELAI)) id
    FEN=""
    while :; do
        for id in $(timeout 2 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null || true); do
            if [ "$id" != "${2:-}" ]; then
                FEN=$id
                return 0
            fi
        done
        programme_vivant || echec "le programme s'est arrêté alors que la fenêtre « $1 » était attendue"
        [ "$SECONDS" -lt "$fin" ] || echec "la fenêtre « $1 » n'est pas apparue"
        sleep 0.1
    done
}

attendre_fermeture() {
    attendre "$DELAI" fenetre_fermee "$1" || echec "la fenêtre « $2 » ne s'est pas fermée"
}

# Without a window manager nothing gives the focus to a new window, and it goes back to the
# root window when a dialog closes: every window is focused before keys are sent.
focaliser() {
    timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null ||
        echec "impossible de donner le focus à la fenêtre $1 « $(xdotool getwindowname "$1" 2>/dev/null) »"
}

revenir_principale() { if [ -n "$PRINCIPALE" ]; then focaliser "$PRINCIPALE"; fi; }

# ouvrir_fenetre MOTIF TOUCHE...: keys in the main window, then the window they open, focused.
ouvrir_fenetre() {
    local motif=$1
    shift
    revenir_principale
    touche "$@"
    attendre_fenetre "$motif"
    focaliser "$FEN"
}

# repondre MOTIF TOUCHE [CAPTURE]: answers a message box with a key, then back to the main window.
repondre() {
    local id
    attendre_fenetre "$1"
    id=$FEN
    focaliser "$id"
    [ -z "${3:-}" ] || capture "$3" "$id"
    touche "$2"
    attendre_fermeture "$id" "$1"
    revenir_principale
}

# fermer_fenetre ID NOM TOUCHE: closes a dialog with a key, then back to the main window.
fermer_fenetre() {
    focaliser "$1"
    touche "$3"
    attendre_fermeture "$1" "$2"
    revenir_principale
}

touche() { xdotool key --delay 40 "$@" || echec "xdotool key $* a échoué"; }
# Typed key by key, as the program's key filters expect it.
taper() { xdotool type --delay 15 "$1" || echec "xdotool type « $1 » a échoué"; }
# The text then Enter (a newline typed by xdotool is a line feed, which Qt does not take for
# Enter); Enter moves to the next box in Palmora's forms.
saisir() {
    if [ -n "$1" ]; then taper "$1"; fi
    touche Return
}

# capture NOM [FENETRE]: a PNG of the window (the whole screen by default), numbered in the
# order taken. A screenshot that fails does not fail the run.
capture() {
    local fichier
    NUMERO_CAPTURE=$((NUMERO_CAPTURE + 1))
    fichier=$(printf '%s/%02d-%s.png' "$CAPTURES" "$NUMERO_CAPTURE" "$1")
    sleep 0.3 # the window has painted what the last keys changed
    import -window "${2:-root}" "$fichier" 2>/dev/null || printf '       (capture %s impossible)\n' "$fichier" >&2
}

verifier_fichier() { [ -s "$1" ] || echec "le fichier « $1 » n'a pas été écrit"; }
taille() { stat -c %s "$1" 2>/dev/null || echo 0; }
taille_vaut() { [ "$(taille "$1")" = "$2" ]; }
verifier_taille() { taille_vaut "$1" "$2" || echec "« $(basename "$1") » fait $(taille "$1") octets, $2 attendus"; }

# attendre_taille FICHIER OCTETS MESSAGE: the program writes in its own time.
attendre_taille() {
    attendre "$DELAI" taille_vaut "$1" "$2" ||
        echec "$3 (« $(basename "$1") » fait $(taille "$1") octets, $2 attendus)"
}

# A Windows-1252 file as UTF-8; the pages' non-breaking spaces read as plain ones.
en_utf8() {
    iconv -f WINDOWS-1252 -t UTF-8 "$1" | sed 's/\xc2\xa0/ /g' ||
        echec "« $1 » n'est pas lisible en Windows-1252"
}

# contient FICHIER TEXTE...: each text occurs in the Windows-1252 file.
contient() {
    local fichier=$1 texte contenu
    shift
    contenu=$(en_utf8 "$fichier")
    for texte in "$@"; do
        grep -qF -- "$texte" <<<"$contenu" || echec "« $(basename "$fichier") » ne contient pas « $texte »"
    done
}

# ligne_contient FICHIER NUMERO TEXTE...: each text occurs on that line of the file.
ligne_contient() {
    local fichier=$1 numero=$2 texte ligne
    shift 2
    ligne=$(en_utf8 "$fichier" | sed -n "${numero}p")
    for texte in "$@"; do
        grep -qF -- "$texte" <<<"$ligne" ||
            echec "la ligne $numero de « $(basename "$fichier") » ne contient pas « $texte » : « $ligne »"
    done
}

# verifier_champ FICHIER ENREG POSITION LONGUEUR ATTENDU DESCRIPTION: a field of a 300-byte
# record, positions from 1, in UTF-8, NUL shown as "@" and code 160 (empty slot, protection
# mark) as "#".
verifier_champ() {
    local lu
    lu=$(dd if="$1" bs=1 skip=$((($2 - 1) * 300 + $3 - 1)) count="$4" status=none |
        LC_ALL=C tr '\000\240' '@#' | iconv -f WINDOWS-1252 -t UTF-8 || true)
    [ "$lu" = "$5" ] || echec "$(basename "$1"), enregistrement $2, $6 (position $3) : « $lu » au lieu de « $5 »"
}

verifier_pdf() { # FICHIER PAGES TEXTE...
    local fichier=$1 pages=$2 lues texte contenu
    shift 2
    verifier_fichier "$fichier"
    lues=$(pdfinfo "$fichier" 2>/dev/null | sed -n 's/^Pages: *//p' || true)
    [ "$lues" = "$pages" ] || echec "« $(basename "$fichier") » a ${lues:-?} page(s), $pages attendue(s)"
    contenu=$(pdftotext -layout "$fichier" - 2>/dev/null || true)
    for texte in "$@"; do
        grep -qF -- "$texte" <<<"$contenu" ||
            echec "le texte du PDF « $(basename "$fichier") » ne contient pas « $texte »"
    done
}

# The program opens every document through xdg-open, whose stand-in writes down each URL: the
# last one, decoded ("%C3%A9" back to "é"), must be the given file.
derniere_ouverture() {
    local url
    url=$(tail -n 1 "$PALMORA_DOCUMENTS_OUVERTS" 2>/dev/null) || return 0
    printf '%b' "${url//%/\\x}"
}
derniere_ouverture_est() { [ "$(derniere_ouverture)" = "file://$1" ]; }
attendre_ouverture() {
    attendre "$DELAI" derniere_ouverture_est "$1" ||
        echec "« $1 » n'a pas été ouvert (dernier document ouvert : « $(derniere_ouverture) »)"
}

LICENCES_TAPEES=() # every licence number typed, for the registry check

# inscrire_equipe FICHIER EFFECTIF NUMERO NOM VILLE GYMNASTE...: one team typed into "Saisie
# des équipes", its name box focused; a gymnast is "SURNAME first-name year moved-up licence",
# "-" leaving the moved-up box to its default (N).
inscrire_equipe() {
    local fichier=$1 effectif=$2 numero=$3 gymnaste nom prenom annee surcl licence champ
    saisir "$4"
    saisir "$5"
    shift 5
    for gymnaste in "$@"; do
        read -r nom prenom annee surcl licence <<<"$gymnaste"
        if [ "$surcl" = - ]; then surcl=""; fi
        for champ in "$nom" "$prenom" "$annee" "$surcl" "$licence"; do saisir "$champ"; done
        LICENCES_TAPEES+=("$licence")
    done
    # Enter in the last licence box validates a full team; a team with an empty place, its button.
    if [ $# -lt "$effectif" ]; then touche alt+v; fi
    attendre_taille "$fichier" $((numero * effectif * 300)) "l'équipe $numero n'a pas été enregistrée"
}

# noter_agres CAPTURE TOUCHE EQUIPE...: the score entry of one apparatus, every team's marks,
# Page Down to the next team, then "Terminé". A team is its gymnasts separated by ";", each
# the judges' marks as typed and, after "/", a deduction.
noter_agres() {
    local nom_capture=$1 cle=$2 saisie equipe gymnaste note deduction numero=0
    local -a gymnastes
    shift 2
    ouvrir_fenetre '^Saisie des notes - ' "$cle"
    saisie=$FEN
    for equipe in "$@"; do
        numero=$((numero + 1))
        if [ "$numero" -gt 1 ]; then touche Next; fi
        IFS=';' read -ra gymnastes <<<"$equipe"
        for gymnaste in "${gymnastes[@]}"; do
            deduction=""
            if [[ $gymnaste == */* ]]; then deduction=${gymnaste#*/}; fi
            for note in ${gymnaste%%/*}; do saisir "$note"; done
            # Enter in the deduction box: the next gymnast, or the team validated after the last.
            saisir "$deduction"
        done
        # The first and the last team, their scores and total computed.
        if [ "$numero" -eq 1 ] || [ "$numero" -eq $# ]; then
            capture "$nom_capture-equipe$numero" "$saisie"
        fi
    done
    fermer_fenetre "$saisie" "Saisie des notes" alt+t
}

# voir_page CLE TITRE FICHIER [CAPTURE]: a "Voir" command writes its page, announces it in a
# message box, and once that is closed the page goes to the browser.
voir_page() {
    revenir_principale
    rm -f "$3"
    touche "$1"
    repondre "^$2\$" Return "${4:-}"
    attendre_ouverture "$3"
    verifier_fichier "$3"
}

# imprimer CLE FICHIER_PDF [CAPTURE]: a printed ranking asks first (Oui), then, without a
# printer, writes a PDF, says where and opens it.
imprimer() {
    revenir_principale
    rm -f "$2"
    touche "$1"
    repondre '^Impression$' alt+o "${3:+$3-question}"
    repondre '^Impression$' Return "${3:+$3-pdf-enregistre}"
    attendre_ouverture "$2"
}
