# Helpers of the acceptance run: steps and failures, the X server, windows, keys, screenshots
# and checks of the files Palmora writes. Sourced by acceptance.sh, which sets SORTIE, CAPTURES,
# TRAVAIL and PROG_PID.

TAB=$'\t' # the column separator of the tables
DELAI=${PALMORA_DELAI:-25} # seconds a window may take to appear (the machine may be busy)
NUMERO_ETAPE=0
NOM_ETAPE="préparation"
NUMERO_CAPTURE=0
PRINCIPALE="" # the main window, once it is shown
FEN=""        # the window found by the last attendre_fenetre
XVFB_PID=""
PROG_PID=""

# --- Steps and failures -------------------------------------------------------------------

etape() {
    NUMERO_ETAPE=$((NUMERO_ETAPE + 1))
    NOM_ETAPE=$1
    printf '[%3ds] Étape %d : %s\n' "$SECONDS" "$NUMERO_ETAPE" "$NOM_ETAPE"
}

# A command that fails where nothing expected it. Inside a command substitution the subshell
# only ends; the command around it fails in turn and is reported from the main shell.
erreur_inattendue() {
    if [ "$BASHPID" = "$$" ]; then echec "commande en erreur (ligne $1) : $2"; fi
}

echec() {
    trap - ERR
    printf 'ÉCHEC étape %d (%s) : %s\n' "$NUMERO_ETAPE" "$NOM_ETAPE" "$1" >&2
    if [ -n "${DISPLAY:-}" ]; then
        # What was on the screen says more than any message.
        import -window root "$CAPTURES/echec-etape-$NUMERO_ETAPE.png" 2>/dev/null &&
            printf '       écran au moment de l'\''échec : %s\n' \
                "$CAPTURES/echec-etape-$NUMERO_ETAPE.png" >&2
        printf '       fenêtres visibles :\n' >&2
        lister_fenetres >&2
    fi
    exit 1
}

# --- Waiting on a condition ---------------------------------------------------------------

# attendre DELAI COMMANDE...: true as soon as the command succeeds, false after DELAI seconds.
attendre() {
    local delai=$1 fin
    shift
    fin=$((SECONDS + delai))
    until "$@"; do
        [ "$SECONDS" -lt "$fin" ] || return 1
        sleep 0.1
    done
}

programme_vivant() {
    [ -n "$PROG_PID" ] && kill -0 "$PROG_PID" 2>/dev/null
}

programme_termine() {
    ! programme_vivant
}

# --- X server -----------------------------------------------------------------------------

# Xvfb picks a free display number itself (-displayfd), so that a stale lock of an earlier
# server or a display in use never makes the run fail.
demarrer_xvfb() {
    local numero="$TRAVAIL/affichage"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp \
        3>"$numero" >"$SORTIE/xvfb.log" 2>&1 &
    XVFB_PID=$!
    attendre 15 test -s "$numero" || echec "Xvfb n'a pas démarré (voir $SORTIE/xvfb.log)"
    DISPLAY=":$(head -n 1 "$numero")"
    export DISPLAY
    # Ctrl+Alt+F-keys would otherwise switch consoles and never reach the program.
    setxkbmap -layout us -option srvrkeys:none || echec "setxkbmap a échoué"
    ajouter_lettres_accentuees
}

# xdotool types a character missing from the keymap by remapping a spare key for an instant;
# the program may read the keymap back after the key is restored and lose the letter. The
# accented letters typed here get keys of their own for the whole run instead, in place of
# media keys (I240 to I247) that nothing uses.
ajouter_lettres_accentuees() {
    local carte=$TRAVAIL/clavier.xkb lettres
    lettres='    key <I240> { [ eacute, Eacute ] };
    key <I241> { [ egrave, Egrave ] };
    key <I242> { [ agrave, Agrave ] };
    key <I243> { [ ccedilla, Ccedilla ] };
    key <I244> { [ ecircumflex, Ecircumflex ] };
    key <I245> { [ idiaeresis, Idiaeresis ] };
    key <I246> { [ ocircumflex, Ocircumflex ] };
    key <I247> { [ ugrave, Ugrave ] };'
    xkbcomp -w 0 -xkb "$DISPLAY" "$carte" || echec "lecture de la carte du clavier impossible"
    awk -v lettres="$lettres" '
        /^xkb_symbols/ { symboles = 1 }
        symboles && /^    key <I24[0-7]> .*};$/ { next }
        symboles && /^};/ { print lettres; symboles = 0 }
        { print }' "$carte" >"$carte.accents"
    xkbcomp -w 0 "$carte.accents" "$DISPLAY" || echec "chargement de la carte du clavier impossible"
    xkbcomp -w 0 -xkb "$DISPLAY" - | grep idiaeresis >/dev/null ||
        echec "les lettres accentuées manquent à la carte du clavier"
}

# --- Windows ------------------------------------------------------------------------------

lister_fenetres() {
    local id
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
        printf '         %s « %s »\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}

# grep reads its whole input here ("grep -q" would stop early and, with pipefail, fail the
# pipeline when the writer is cut off).
fenetre_visible() {
    xwininfo -id "$1" 2>/dev/null | grep 'Map State: IsViewable' >/dev/null
}

# attendre_fenetre MOTIF [SAUF]: waits for a visible window whose title matches the regular
# expression MOTIF, other than the window SAUF; its id goes into FEN.
attendre_fenetre() {
    local motif=$1 sauf=${2:-} fin=$((SECONDS + DELAI)) id
    FEN=""
    while :; do
        for id in $(timeout 2 xdotool search --sync --onlyvisible --name "$motif" 2>/dev/null ||
            true); do
            if [ "$id" != "$sauf" ]; then
                FEN=$id
                return 0
            fi
        done
        programme_vivant ||
            echec "le programme s'est arrêté alors que la fenêtre « $motif » était attendue"
        [ "$SECONDS" -lt "$fin" ] || echec "la fenêtre « $motif » n'est pas apparue"
        sleep 0.1
    done
}

fenetre_fermee() {
    ! fenetre_visible "$1"
}

attendre_fermeture() {
    attendre "$DELAI" fenetre_fermee "$1" || echec "la fenêtre « $2 » ne s'est pas fermée"
}

# Without a window manager nothing gives the focus to a new window, and it goes back to the
# root window when a dialog closes: every window is focused explicitly before keys are sent.
focaliser() {
    timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null ||
        echec "impossible de donner le focus à la fenêtre $1 « $(xdotool getwindowname "$1" 2>/dev/null) »"
}

revenir_principale() {
    if [ -n "$PRINCIPALE" ]; then focaliser "$PRINCIPALE"; fi
}

# ouvrir_fenetre MOTIF TOUCHE...: keys pressed in the main window, then the window they open,
# focused; its id is in FEN.
ouvrir_fenetre() {
    local motif=$1
    shift
    revenir_principale
    touche "$@"
    attendre_fenetre "$motif"
    focaliser "$FEN"
}

# repondre MOTIF TOUCHE [CAPTURE]: answers a message box with a key, waits until it is gone
# and gives the focus back to the main window.
repondre() {
    local motif=$1 cle=$2 nom_capture=${3:-} id
    attendre_fenetre "$motif"
    id=$FEN
    focaliser "$id"
    [ -z "$nom_capture" ] || capture "$nom_capture" "$id"
    touche "$cle"
    attendre_fermeture "$id" "$motif"
    revenir_principale
}

# fermer_fenetre ID NOM TOUCHE: closes a dialog with a key and focuses the main window again.
fermer_fenetre() {
    focaliser "$1"
    touche "$3"
    attendre_fermeture "$1" "$2"
    revenir_principale
}

# --- Keyboard -----------------------------------------------------------------------------

touche() {
    xdotool key --delay 40 "$@" || echec "xdotool key $* a échoué"
}

# taper TEXTE: typed key by key, as the program's key filters expect it.
taper() {
    xdotool type --delay 15 "$1" || echec "xdotool type « $1 » a échoué"
}

# saisir TEXTE: the text then Enter, which moves to the next box in Palmora's forms. (A
# newline typed by xdotool arrives as a line feed, which Qt does not take for Enter.)
saisir() {
    if [ -n "$1" ]; then taper "$1"; fi
    touche Return
}

# --- Screenshots --------------------------------------------------------------------------

# capture NOM [FENETRE]: a PNG of the window (the whole screen by default) in CAPTURES,
# numbered in the order taken. A screenshot that fails does not fail the run.
capture() {
    local fenetre=${2:-root} fichier
    NUMERO_CAPTURE=$((NUMERO_CAPTURE + 1))
    fichier=$(printf '%s/%02d-%s.png' "$CAPTURES" "$NUMERO_CAPTURE" "$1")
    sleep 0.3 # the window has painted what the last keys changed
    import -window "$fenetre" "$fichier" 2>/dev/null ||
        printf '       (capture %s impossible)\n' "$fichier" >&2
}

# --- Files --------------------------------------------------------------------------------

verifier_fichier() {
    [ -s "$1" ] || echec "le fichier « $1 » n'a pas été écrit"
}

taille() {
    stat -c %s "$1" 2>/dev/null || echo 0
}

verifier_taille() {
    local t
    t=$(taille "$1")
    [ "$t" = "$2" ] || echec "« $(basename "$1") » fait $t octets, $2 attendus"
}

taille_vaut() {
    [ "$(taille "$1")" = "$2" ]
}

# attendre_taille FICHIER OCTETS MESSAGE: the program writes in its own time.
attendre_taille() {
    attendre "$DELAI" taille_vaut "$1" "$2" ||
        echec "$3 (« $(basename "$1") » fait $(taille "$1") octets, $2 attendus)"
}

# A Windows-1252 file as UTF-8 text; the pages pad their columns with non-breaking spaces,
# read here as plain ones.
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
        grep -qF -- "$texte" <<<"$contenu" ||
            echec "« $(basename "$fichier") » ne contient pas « $texte »"
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

# champ FICHIER ENREG POSITION LONGUEUR: a field of a 300-byte record, positions from 1, in
# UTF-8, NUL shown as "@" and code 160 (empty slot, protection mark) as "#".
champ() {
    dd if="$1" bs=1 skip=$((($2 - 1) * 300 + $3 - 1)) count="$4" status=none |
        LC_ALL=C tr '\000\240' '@#' | iconv -f WINDOWS-1252 -t UTF-8
}

# verifier_champ FICHIER ENREG POSITION LONGUEUR ATTENDU DESCRIPTION
verifier_champ() {
    local lu
    lu=$(champ "$1" "$2" "$3" "$4" || true)
    [ "$lu" = "$5" ] ||
        echec "$(basename "$1"), enregistrement $2, $6 (position $3) : « $lu » au lieu de « $5 »"
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

# The last document handed to xdg-open, its URL decoded ("%C3%A9" back to "é").
derniere_ouverture() {
    local url
    url=$(tail -n 1 "$PALMORA_DOCUMENTS_OUVERTS" 2>/dev/null) || return 0
    printf '%b' "${url//%/\\x}"
}

derniere_ouverture_est() {
    [ "$(derniere_ouverture)" = "file://$1" ]
}

# The program opens every page and document through xdg-open, and the stand-in writes down
# each URL: the given file must be the last one.
attendre_ouverture() {
    attendre "$DELAI" derniere_ouverture_est "$1" ||
        echec "« $1 » n'a pas été ouvert (dernier document ouvert : « $(derniere_ouverture) »)"
}

# --- Palmora's forms ----------------------------------------------------------------------

LICENCES_TAPEES=() # every licence number typed, for the registry check

# inscrire_equipe FICHIER EFFECTIF NUMERO NOM VILLE GYMNASTE...: types one team into the
# "Saisie des équipes" window, its name box having the focus; a gymnast is "SURNAME first-name
# year moved-up licence", "-" leaving the moved-up box to its default (N).
inscrire_equipe() {
    local fichier=$1 effectif=$2 numero=$3 gymnaste nom prenom annee surcl licence
    saisir "$4"
    saisir "$5"
    shift 5
    for gymnaste in "$@"; do
        read -r nom prenom annee surcl licence <<<"$gymnaste"
        if [ "$surcl" = - ]; then surcl=""; fi
        saisir "$nom"
        saisir "$prenom"
        saisir "$annee"
        saisir "$surcl"
        saisir "$licence"
        LICENCES_TAPEES+=("$licence")
    done
    # Enter in the licence box of the last row validates a full team; a team with an empty
    # place is validated with its button.
    if [ $# -lt "$effectif" ]; then touche alt+v; fi
    attendre_taille "$fichier" $((numero * effectif * 300)) \
        "l'équipe $numero n'a pas été enregistrée"
}

# noter_agres CAPTURE TOUCHE EQUIPE...: opens the score entry of one apparatus with its key and
# types the marks of every team, going to the next team with Page Down, then "Terminé". A team
# is its gymnasts separated by ";", each the judges' marks as typed and, after "/", a deduction.
noter_agres() {
    local nom_capture=$1 cle=$2 saisie equipe gymnaste note notes deduction numero=0
    local -a gymnastes
    shift 2
    ouvrir_fenetre '^Saisie des notes - ' "$cle"
    saisie=$FEN
    for equipe in "$@"; do
        numero=$((numero + 1))
        if [ "$numero" -gt 1 ]; then touche Next; fi
        IFS=';' read -ra gymnastes <<<"$equipe"
        for gymnaste in "${gymnastes[@]}"; do
            notes=${gymnaste%%/*}
            deduction=""
            if [[ $gymnaste == */* ]]; then deduction=${gymnaste#*/}; fi
            for note in $notes; do
                saisir "$note"
            done
            # Enter in the deduction box goes to the next gymnast, or validates the team
            # after the last one.
            saisir "$deduction"
        done
        # The first and the last team, their scores and total computed.
        if [ "$numero" -eq 1 ] || [ "$numero" -eq $# ]; then
            capture "$nom_capture-equipe$numero" "$saisie"
        fi
    done
    fermer_fenetre "$saisie" "Saisie des notes" alt+t
}

# voir_page CLE TITRE FICHIER [CAPTURE]: a "Voir" command writes its page and announces it in
# a message box; once that is closed, the page goes to the browser.
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
