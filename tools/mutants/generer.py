#!/usr/bin/env python3
"""A fixed, seeded set of single-line faults in the logic files of Palmora.
   generer.py <repository> <faults per 100 lines>  ->  mutants.tsv on standard output:
   id, file, line (from 1), kind, original line, faulty line (tabs and line ends escaped)."""
import random, re, sys, pathlib

racine = pathlib.Path(sys.argv[1])
# The logic files: those built into palmora_core (lower-case names), but for the system seams.
fichiers = sorted(
    str(p.relative_to(racine)) for p in (racine / "src").glob("*/*.cpp")
    if p.name[0].islower() and p.name not in ("main.cpp", "systeme_fichiers.cpp", "horloge_systeme.cpp", "a_propos.cpp"))
par_fichier = float(sys.argv[2])
rng = random.Random(20261207)

OPS = [
    ("rel", r" < ", " <= "), ("rel", r" <= ", " < "), ("rel", r" > ", " >= "),
    ("rel", r" >= ", " > "), ("eq", r" == ", " != "), ("eq", r" != ", " == "),
    ("log", r" && ", " || "), ("log", r" \|\| ", " && "),
    ("arith", r" \+ ", " - "), ("arith", r" - ", " + "), ("arith", r" \* ", " / "),
    ("arith", r" / ", " * "), ("arith", r" % ", " / "),
    ("incr", r"\+\+", "--"),
    ("bool", r"\btrue\b", "false"), ("bool", r"\bfalse\b", "true"),
    ("not", r"\(!", "("),
]

def hors_chaine(ligne, debut):
    # True when position debut is outside a string or char literal.
    dans, q = False, None
    i = 0
    while i < debut:
        c = ligne[i]
        if dans:
            if c == "\\": i += 1
            elif c == q: dans = False
        elif c in "\"'": dans, q = True, c
        i += 1
    return not dans

def candidats(lignes):
    out = []
    for n, l in enumerate(lignes):
        s = l.strip()
        if not s or s.startswith(("#", "//", "*", "/*")) or "static_assert" in s:
            continue
        code = l.split("//")[0] if "\"" not in l else l
        for kind, motif, rempl in OPS:
            for m in re.finditer(motif, code):
                if hors_chaine(l, m.start()):
                    out.append((n, kind, l[:m.start()] + rempl + l[m.end():]))
        for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.])", code):
            if hors_chaine(l, m.start()):
                v = int(m.group(1))
                out.append((n, "const", l[:m.start()] + str(v + 1) + l[m.end():]))
                if v > 0:
                    out.append((n, "const", l[:m.start()] + str(v - 1) + l[m.end():]))
        # a string literal with a letter changed (message and output texts)
        for m in re.finditer(r'"((?:[^"\\]|\\.){4,})"', l):
            lit = m.group(1)
            pos = [i for i, c in enumerate(lit) if c.isalpha() and c.isascii()]
            if pos:
                i = pos[len(pos) // 2]
                c = lit[i]
                nouveau = lit[:i] + (c.upper() if c.islower() else c.lower()) + lit[i + 1:]
                out.append((n, "texte", l[:m.start(1)] + nouveau + l[m.end(1):]))
        m = re.match(r"^(\s*(?:\} else )?(?:if|while) \()(.*)(\) \{|\) [^{}]*;|\))\s*$", l.rstrip("\n"))
        if m and m.group(2).count("(") == m.group(2).count(")"):
            out.append((n, "neg", m.group(1) + "!(" + m.group(2) + ")" + m.group(3) + "\n"))
        # a call statement removed
        if re.match(r"^\s+[\w:.\->\[\]]+\(.*\);\s*$", l) and not s.startswith("return"):
            out.append((n, "suppr", re.match(r"^\s*", l).group(0) + ";\n"))
    return out

def esc(t):
    return t.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")

ident = 0
if True:
    sortie = sys.stdout
    for f in fichiers:
        lignes = (racine / f).read_text().splitlines(keepends=True)
        c = candidats(lignes)
        rng.shuffle(c)
        groupes = {}
        for x in c: groupes.setdefault(x[1], []).append(x)
        ordre = sorted(groupes); rng.shuffle(ordre)
        choisis = []
        while any(groupes.values()):
            for g in ordre:
                if groupes[g]: choisis.append(groupes[g].pop())
        k = max(1, round(par_fichier * len(lignes) / 100))
        for n, kind, mutee in choisis[:k]:
            ident += 1
            sortie.write(f"{ident}\t{f}\t{n+1}\t{kind}\t{esc(lignes[n])}\t{esc(mutee)}\n")
print(ident, "mutants", file=sys.stderr)
