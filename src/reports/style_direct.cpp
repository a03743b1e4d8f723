// The style and the script every live-results page loads from the server itself: the page's
// security policy allows nothing inline and nothing from elsewhere.
#include "reports/pages_direct.h"

namespace palmora {

const std::string_view kStyleDirect = R"(
:root { --fond: #f6f7fb; --carte: #fff; --texte: #1a1d29; --doux: #5b6173; --accent: #0b5cad;
  --ligne: #e1e4ec; --or: #b8860b; }
* { box-sizing: border-box; }
body { margin: 0; font: 18px/1.4 "DejaVu Sans", "Liberation Sans", Arial, sans-serif;
  background: var(--fond); color: var(--texte); }
header { background: var(--accent); color: #fff; padding: .8em 1em; text-align: center; }
h1 { margin: 0; font-size: 1.5em; }
.lieu { margin: .1em 0 .4em; opacity: .9; }
h2 { margin: .3em 0; font-size: 1.2em; font-weight: normal; }
h2 .quoi { display: block; font-weight: bold; }
nav { display: flex; flex-wrap: wrap; justify-content: center; gap: .4em; margin-top: .5em; }
nav a, .liens a { color: #fff; background: rgba(255,255,255,.18); padding: .35em .8em;
  border-radius: 1em; text-decoration: none; }
main { padding: .8em; max-width: 1400px; margin: 0 auto; }
footer { text-align: center; color: var(--doux); font-size: .85em; padding: 1em; }
table.classement { width: 100%; border-collapse: collapse; background: var(--carte);
  box-shadow: 0 1px 3px rgba(0,0,0,.12); border-radius: .4em; overflow: hidden; }
th { background: #e8edf6; text-align: left; padding: .45em .5em; font-size: .9em; }
td { padding: .45em .5em; border-top: 1px solid var(--ligne); }
td.note, th.note, td.total, th.total, td.place, th.place, td.an { text-align: right;
  font-variant-numeric: tabular-nums; white-space: nowrap; }
td.total { font-weight: bold; font-size: 1.1em; }
td.place { font-weight: bold; color: var(--accent); width: 2.5em; }
td.nom { font-weight: bold; }
.prenom { font-weight: normal; }
tr.hc td { color: var(--doux); font-style: italic; }
td.horsconcours { text-align: center; letter-spacing: .2em; }
tbody tr:nth-child(even) { background: #fafbfd; }
.groupe h3 { margin: 1.2em 0 .4em; color: var(--accent); }
.legende { color: var(--doux); }
ul.competitions { list-style: none; padding: 0; }
ul.competitions li { background: var(--carte); margin: .6em 0; padding: .8em; border-radius: .4em;
  box-shadow: 0 1px 3px rgba(0,0,0,.12); display: flex; flex-wrap: wrap; gap: .6em;
  align-items: center; justify-content: space-between; }
.description { font-weight: bold; }
.liens { display: flex; gap: .4em; flex-wrap: wrap; }
.liens a { background: var(--accent); }
.accueil h2 { font-weight: bold; }
p.ecran { text-align: center; }
p.ecran a { color: var(--accent); }
/* A phone held upright: one card per row, the marks under the name, labelled. */
@media (max-width: 760px) {
  body { font-size: 17px; }
  main { padding: .4em; }
  table.classement, table.classement tbody { display: block; background: none; box-shadow: none; }
  table.classement thead { display: none; }
  table.classement tr { display: flex; flex-wrap: wrap; align-items: baseline; gap: .1em .7em;
    background: var(--carte); margin: .5em 0; padding: .5em .6em; border-radius: .4em;
    box-shadow: 0 1px 3px rgba(0,0,0,.12); }
  table.classement td { border: 0; padding: .1em 0; }
  td.place { order: -3; font-size: 1.3em; min-width: 1.4em; }
  td.nom { order: -2; flex: 1 1 auto; }
  td.total { order: -1; font-size: 1.25em; }
  td.an { display: none; }
  td.club, td.ville, td.horsconcours { flex-basis: 100%; color: var(--doux); text-align: left;
    font-size: .9em; }
  td.note { text-align: left; font-size: .92em; }
  td.note::before { content: attr(data-agres) " "; color: var(--doux); font-size: .85em; }
}
/* The projector: large type, nothing to click. */
body.ecran { font-size: 2.1vw; }
body.ecran nav, body.ecran footer { display: none; }
body.ecran main { max-width: none; }
body.ecran h2 { font-size: 1.3em; text-align: center; color: var(--accent); }
)";

const std::string_view kScriptDirect = R"('use strict';
(() => {
  const periode = 3000;
  let etiquette = null;
  const pause = (ms) => new Promise((r) => setTimeout(r, ms));

  // The page again, unless it has not changed since the last answer (304).
  async function demander(chemin, suivre) {
    const entetes = suivre && etiquette ? { 'If-None-Match': etiquette } : {};
    const reponse = await fetch(chemin, { cache: 'no-store', headers: entetes });
    if (reponse.status === 304) return null;
    if (!reponse.ok) throw new Error(String(reponse.status));
    if (suivre) etiquette = reponse.headers.get('ETag');
    return new DOMParser().parseFromString(await reponse.text(), 'text/html');
  }

  // New rows in place, without a reload and without moving the reader.
  function remplacer(doc) {
    const x = window.scrollX, y = window.scrollY;
    for (const choix of ['#contenu', 'footer']) {
      const ancien = document.querySelector(choix), neuf = doc.querySelector(choix);
      if (ancien && neuf) ancien.replaceWith(document.adoptNode(neuf));
    }
    window.scrollTo(x, y);
  }

  async function suivre() {
    try {
      const doc = await demander(location.pathname, true);
      if (doc) remplacer(doc);
    } catch (e) { /* the program may be closed for a moment: try again later */ }
    setTimeout(suivre, periode);
  }

  // The projector: each ranking in turn, scrolled slowly from top to bottom.
  async function defiler(bloc) {
    const contenu = document.getElementById('contenu');
    let pages = bloc.dataset.pages.split(' ').filter(Boolean);
    for (let i = 0; ; ++i) {
      if (pages.length === 0) { await pause(periode); location.reload(); return; }
      try {
        const doc = await demander(pages[i % pages.length], false);
        const titre = doc.querySelector('h2'), neuf = doc.querySelector('#contenu');
        contenu.replaceChildren(...[titre, ...neuf.childNodes].filter(Boolean)
          .map((n) => document.adoptNode(n)));
      } catch (e) { await pause(periode); continue; }
      window.scrollTo(0, 0);
      await pause(4000);
      let avant = -1;
      while (window.scrollY !== avant) {
        avant = window.scrollY;
        window.scrollBy(0, 2);
        await pause(30);
      }
      await pause(4000);
      if ((i + 1) % pages.length === 0) {
        try {
          const liste = (await demander('/ecran', false)).getElementById('defilement');
          pages = liste.dataset.pages.split(' ').filter(Boolean);
        } catch (e) { /* keep the former list */ }
      }
    }
  }

  const bloc = document.getElementById('defilement');
  if (bloc) defiler(bloc); else setTimeout(suivre, periode);
})();
)";

} // namespace palmora
