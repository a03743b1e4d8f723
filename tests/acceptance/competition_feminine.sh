# The women's competition of the acceptance run, sourced by acceptance.sh: Féminines Niveau 1,
# 7-8 ans, teams of three whose two best marks count; 3 judges at the vault, 2 on the floor,
# 1 elsewhere. Every expected value below was worked out by hand from the marks typed.
#
# Teams are typed in alphabetical order and so are the gymnasts of a team: the program sorts
# its file that way when registration ends, and the marks follow that order.

FICHIER_F=$JOURNEE/F_1_N000.PLM
DESCRIPTION_F="Féminines Niveau 1 . 7-8 ans"

etape "nouvelle compétition féminine (Alt+N)"
ouvrir_fenetre '^Nouveau fichier$' alt+n
NOUVO=$FEN
# Féminines, Niveau 1 and 7-8 ans are the defaults. Keypad "-" three times: 3 gymnasts a team
# (the retained count follows it down to 3); Ctrl and keypad "-": 2 retained.
touche KP_Subtract KP_Subtract KP_Subtract ctrl+KP_Subtract
capture nouvelle-competition-feminine "$NOUVO"
touche alt+k
attendre_fermeture "$NOUVO" "Nouveau fichier"

etape "juges féminins : 3 au saut (Ctrl+F5 deux fois), 2 au sol (Ctrl+F7)"
attendre_fenetre '^Nombre de juges$'
JUGES=$FEN
focaliser "$JUGES"
touche ctrl+F5 ctrl+F5 ctrl+F7
capture juges-feminins "$JUGES"
fermer_fenetre "$JUGES" "Nombre de juges" alt+o
attendre_taille "$FICHIER_F" 300 "la compétition féminine n'a pas été créée"
# Membership 0 (none at Niveau 1), 3 a team, 2 retained, judges Anneaux Arçons Fixe Barres
# Saut Sol Poutre.
verifier_champ "$FICHIER_F" 1 49 10 0320001321 "réglages de la compétition"
capture fenetre-principale-feminine "$PRINCIPALE"

etape "inscription des trois équipes féminines (Alt+I)"
ouvrir_fenetre '^Saisie des équipes$' alt+i
NOMS=$FEN
inscrire_equipe "$FICHIER_F" 3 1 "Alouettes" "33 Bordeaux" \
    "Arnaud chloé 18 - 3300000001" \
    "Blanc léa 19 - 3300000002" \
    "Caron emma 18 - 3300000003"
capture inscription-premiere-equipe "$NOMS"
touche Next
inscrire_equipe "$FICHIER_F" 3 2 "Beauvoir" "75 Paris" \
    "Dubois inès 19 - 7500000001" \
    "Durand zoé 18 - 7500000002" \
    "Petit manon 19 o 7500000003"
touche Next
inscrire_equipe "$FICHIER_F" 3 3 "Cigales" "13 Marseille" \
    "Garnier jade 18 - 1300000001" \
    "Lefevre anaïs 19 - 1300000002" \
    "Morel lina 18 - 1300000003"
capture inscription-feminine "$NOMS"
fermer_fenetre "$NOMS" "Saisie des équipes" alt+t
verifier_taille "$FICHIER_F" 2700
verifier_champ "$FICHIER_F" 1 1 15 "ALOUETTES      " "nom d'équipe"
verifier_champ "$FICHIER_F" 1 231 20 "33 BORDEAUX         " "ville"
verifier_champ "$FICHIER_F" 2 16 30 "BLANC          Léa            " "nom et prénom"
verifier_champ "$FICHIER_F" 6 46 3 "19O" "naissance et surclassement"
verifier_champ "$FICHIER_F" 8 31 15 "Anaïs          " "prénom accentué"
verifier_champ "$FICHIER_F" 9 189 10 "1300000003" "licence"

etape "notes du saut, 3 juges (Ctrl+Maj+S)"
noter_agres saisie-saut ctrl+shift+s \
    "90 95 85; 88 92 90/010; 80 85 95" \
    "85 86 87; 95 96 97; 70 72 74" \
    "92 93 94; 60 62 64; 65 66 67"
# BLANC: the middle mark 9,00 less 0,10. ALOUETTES: 9,00 + 8,90, the two best of three.
verifier_champ "$FICHIER_F" 2 131 9 "880920900" "notes des 3 juges au saut"
verifier_champ "$FICHIER_F" 2 221 4 " 010" "déduction au saut"
verifier_champ "$FICHIER_F" 2 179 3 "890" "note au saut"
verifier_champ "$FICHIER_F" 1 267 4 "1790" "total de l'équipe au saut"

etape "notes des barres (Ctrl+Maj+B)"
noter_agres saisie-barres ctrl+shift+b "85; 90; 70" "80; 82; 75" "92; 60; 65"
verifier_champ "$FICHIER_F" 3 176 3 "700" "note aux barres"

etape "notes de la poutre, une bonification (+) et une déduction (Ctrl+Maj+P)"
noter_agres saisie-poutre ctrl+shift+p "80; 75/+020; 85" "90; 78; 70/050" "91; 60; 65"
# "+020" is a bonus of 0,20: BLANC gets 7,50 + 0,20.
verifier_champ "$FICHIER_F" 2 211 4 "-020" "bonification à la poutre"
verifier_champ "$FICHIER_F" 2 173 3 "770" "note à la poutre"
verifier_champ "$FICHIER_F" 6 173 3 "650" "note à la poutre après déduction"

etape "notes du sol, 2 juges (Ctrl+Maj+O)"
noter_agres saisie-sol ctrl+shift+o "90 92; 85 87; 80 801" "88 88; 84 86; 70 70" \
    "92 94; 60 60; 65 65"
# CARON: (8,00 + 8,01) / 2 = 8,005, raised to the next multiple of 5 hundredths.
verifier_champ "$FICHIER_F" 3 149 6 "800801" "notes des 2 juges au sol"
verifier_champ "$FICHIER_F" 3 182 3 "805" "note au sol arrondie"

etape "classement individuel féminin (Ctrl+V)"
INDIV_F=$JOURNEE/$DESCRIPTION_F" (indiv)"
voir_page ctrl+v "Affichage du classement individuel" "$INDIV_F.htm" message-page-de-classement
verifier_fichier "$INDIV_F.txt"
# GARNIER 9,30 + 9,20 + 9,10 + 9,30; ARNAUD 9,00 + 8,50 + 8,00 + 9,10.
ligne_contient "$INDIV_F.txt" 2 "  1${TAB}GARNIER" "Jade" "36,90"
ligne_contient "$INDIV_F.txt" 3 "  2${TAB}ARNAUD" "34,60"
ligne_contient "$INDIV_F.txt" 7 "  6${TAB}CARON" "08,05" "32,05"
ligne_contient "$INDIV_F.txt" 10 "  9${TAB}LEFEVRE" "Anaïs" "24,20"
contient "$INDIV_F.htm" "Coupe d'hiver &lt;Orvane&gt; &amp; amis" \
    "Gymnase Jean-Moulin, Lyon - 6 décembre 2026" "1 GARNIER" "36,90"
verifier_champ "$FICHIER_F" 2 185 4 "3420" "total individuel"

etape "classement par équipes féminin (Ctrl+E)"
EQUIPE_F=$JOURNEE/$DESCRIPTION_F" (équipe)"
voir_page ctrl+e "Affichage du classement par équipes" "$EQUIPE_F.htm"
# ALOUETTES: vault 17,90, bars 9,00 + 8,50, beam 8,50 + 8,00, floor 9,10 + 8,60.
ligne_contient "$EQUIPE_F.txt" 2 "1  ${TAB}ALOUETTES${TAB}33 BORDEAUX${TAB}17,90${TAB}17,50${TAB}16,50${TAB}17,70${TAB}69,60"
ligne_contient "$EQUIPE_F.txt" 3 "2  ${TAB}BEAUVOIR" "68,50"
ligne_contient "$EQUIPE_F.txt" 4 "3  ${TAB}CIGALES" "63,00"
contient "$EQUIPE_F.htm" "ALOUETTES" "69,60"
verifier_champ "$FICHIER_F" 1 275 5 "06960" "total de l'équipe"

etape "notes féminines (Ctrl+S)"
voir_page ctrl+s "Affichage des notes" "$JOURNEE/VoirNotes.htm"
contient "$JOURNEE/VoirNotes.htm" "ALOUETTES    de 33 BORDEAUX          : ------> 69,6" \
    "LEFEVRE" "Anaïs"
cp "$JOURNEE/VoirNotes.htm" "$SORTIE/VoirNotes-feminines.htm"

etape "classement individuel féminin imprimé (Ctrl+Alt+V)"
imprimer ctrl+alt+v "$INDIV_F.pdf" impression
verifier_pdf "$INDIV_F.pdf" 1 "Coupe d'hiver <Orvane> & amis" "$DESCRIPTION_F" "GARNIER" \
    "36,90" "LEFEVRE" "24,20"

etape "classement par équipes féminin imprimé (Ctrl+Alt+E)"
imprimer ctrl+alt+e "$EQUIPE_F.pdf"
verifier_pdf "$EQUIPE_F.pdf" 1 "ALOUETTES" "69,60" "CIGALES" "63,00"

etape "feuilles de match féminines, toutes épreuves et toutes équipes (Ctrl+Alt+M)"
FEUILLES=$JOURNEE/"Feuilles de match.pdf"
rm -f "$FEUILLES"
ouvrir_fenetre '^Impression de feuille' ctrl+alt+m
capture feuilles-de-match "$FEN"
touche alt+o
repondre '^Impression$' Return
attendre_ouverture "$FEUILLES"
# Three teams and four apparatus: twelve half-page sheets.
verifier_pdf "$FEUILLES" 6 "Equipe :   ALOUETTES" "Epreuve : Poutre" "ARNAUD Chloé" \
    "3300000001" "CIGALES" "Epreuve : Sol"
cp "$FEUILLES" "$SORTIE/Feuilles de match - féminines.pdf"

etape "protection de la compétition féminine (Alt+P, Oui)"
revenir_principale
touche alt+p
repondre '^Protection du fichier +F_1_N000\.PLM$' alt+o protection
for n in 1 5 9; do
    verifier_champ "$FICHIER_F" "$n" 300 1 "#" "marque de protection"
done
capture fenetre-principale-apres-protection "$PRINCIPALE"
