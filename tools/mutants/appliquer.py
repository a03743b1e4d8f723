# appliquer.py <mutants.tsv> <tree> <id> apply|restore: puts one fault in, or takes it out.
# Exits 1 when the line is not as expected (the source moved on since the list was made).
import sys, pathlib
liste, arbre, ident, action = sys.argv[1:5]
def unesc(t):
    out, i = [], 0
    while i < len(t):
        if t[i] == '\\' and i + 1 < len(t):
            out.append({'n': '\n', 't': '\t', '\\': '\\'}.get(t[i+1], '\\' + t[i+1])); i += 2
        else:
            out.append(t[i]); i += 1
    return ''.join(out)
for l in open(liste):
    c = l.rstrip('\n').split('\t')
    if c[0] != ident: continue
    f = pathlib.Path(arbre) / c[1]; n = int(c[2]) - 1
    orig, mut = unesc(c[4]), unesc(c[5])
    lignes = f.read_text().splitlines(keepends=True)
    de, vers = (orig, mut) if action == 'apply' else (mut, orig)
    if n >= len(lignes) or lignes[n] != de:
        sys.exit(1)
    lignes[n] = vers
    f.write_text(''.join(lignes))
    sys.exit(0)
sys.exit(1)
