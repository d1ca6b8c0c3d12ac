#!/usr/bin/env python3
"""Morphological cross-check with an Apertium analyser: every single-word form of each verb is analysed; a form
that the analyser knows but never as a form of this verb (another lemma or not a verb) is a lead for a wrong
class that a spell check cannot see (ravvisto is a word, but of ravvisare). Unknown forms are counted apart.
usage: python3 scripts/morph_check.py LANG AUTOMORF.bin VERBLIST(jsonl of the long-tail scan, or one verb a line)
  e.g. ita /usr/share/apertium/apertium-cat-ita/ita-cat.automorf.bin out/ita.jsonl
       ron /usr/share/apertium/apertium-es-ro/ro-es.automorf.bin verbs.txt
Prints one line per verb with such forms, most first, and a summary on standard error."""
import sys, json, subprocess, re, collections
import velnor
lang, fst, src = sys.argv[1:4]
verbs = []
for line in open(src, encoding='utf-8'):
    line = line.strip()
    if not line: continue
    verbs.append(json.loads(line)['verb'] if line.startswith('{') else line.split('\t')[0])
SKIP = ('passato', 'trapassato', 'futuro_', 'condizionale_', 'congiuntivo_', 'auxiliary', 'infinitive', 'perfect_compus',
        'viitor', 'conditional_p', 'subjunctive_perfect', 'pluperfect_c', 'imperative_negative', 'present_participle')
forms = {}
for v in verbs:
    try: t = velnor.conjugate(v, lang=lang)
    except ValueError: continue
    fs = []
    for a in dir(t):
        if a.startswith('_') or a.startswith(SKIP): continue
        x = getattr(t, a)
        for f in (x if isinstance(x, list) else [x]):
            if isinstance(f, str) and f and ' ' not in f and "'" not in f: fs.append((a, f))
    forms[v] = fs
allf = sorted({f for fs in forms.values() for a, f in fs})
out = subprocess.run(['lt-proc', '-z', fst], input='\n'.join(allf) + '\n', capture_output=True, text=True).stdout
ana = {}
for m in re.finditer(r'\^([^/$]*)/([^$]*)\$', out):
    ana[m.group(1)] = m.group(2).split('/')
lemma_of = lambda r: r.split('<')[0]
res = collections.Counter()
lines = []
for v, fs in forms.items():
    foreign, unknown = [], []
    for a, f in fs:
        rs = ana.get(f) or ana.get(f.lower())
        if rs is None or rs[0].startswith('*'): unknown.append(f); continue
        if not any(lemma_of(r) == v and '<vb' in r for r in rs):
            foreign.append(f'{f}[{lemma_of(rs[0])}]')
    known_verb = len(unknown) < len(fs)
    res['verbs'] += 1
    if foreign: res['with_foreign'] += 1; lines.append((len(foreign), v, foreign, len(unknown)))
    if not unknown and not foreign: res['all_confirmed'] += 1
for n, v, fr, un in sorted(lines, reverse=True):
    print(v, n, 'unknown', un, ' '.join(sorted(set(fr))[:10]))
print(dict(res), file=sys.stderr)
