#!/usr/bin/env python3
"""Writes data/cat.tsv, the Catalan lexicon of irregular base verbs.

The rows are written here by hand, verb by verb, in a compact form: a verb
family shares a helper (the velar preterite of prendre, aprendre, comprendre;
the -eix- present of the inchoative -ir verbs), and a derivative is its base
with a prefix plus the few forms where the accent moves (prèn / aprèn).
Orthography is the traditional one with diacritic accents (sóc, véns, vénen,
dóna). The rows come out in the order written: the most common verbs first.

Usage: python3 scripts/cat/mine_verbs.py [OUT]   (default data/cat.tsv)
"""
import os
import sys

HEADER = [
    "# Catalan irregular verbs — mined from FreeLing gold. Base lemmas;",
    "# prefixed derivatives match by suffix unless the base is exact (col 10).",
    "# Regenerate: python3 scripts/cat/mine_verbs.py",
    "# lemma\tpres\timpf\tpret\tsubjpres\tsubjimpf\tfut_stem\tpp\tger\timp2\texact\tppf\timp2pl",
]

VOWELS = set("aeiouàéèíïòóúü")


def hiatus(stem):
    """Whether an unstressed i after this stem is written ï."""
    return stem[-1:] in VOWELS and stem[-2:] not in ("gu", "qu", "gü", "qü")


def with_i(stem, endings):
    return [stem + ("ï" + e[1:] if e.startswith("i") and hiatus(stem) else e) for e in endings]


def impf_a(s):
    return [s + e for e in ("ava", "aves", "ava", "àvem", "àveu", "aven")]


def impf_e(s):
    return with_i(s, ["ia", "ies", "ia", "íem", "íeu", "ien"])


def impf_ei(s):
    """creia, creies, creia, crèiem, crèieu, creien (s = 'cr')."""
    return [s + e for e in ("eia", "eies", "eia", "èiem", "èieu", "eien")]


def pret_a(s):
    return [s + e for e in ("í", "ares", "à", "àrem", "àreu", "aren")]


def pret_e(s):
    return [s + e for e in ("í", "eres", "é", "érem", "éreu", "eren")]


def pret_i(s):
    return with_i(s, ["í", "ires", "í", "írem", "íreu", "iren"])


def subj_e(s):
    return with_i(s, ["i", "is", "i", "em", "eu", "in"])


def subj_i(s):
    return with_i(s, ["i", "is", "i", "im", "iu", "in"])


def simpf_e(s):
    return [s + e for e in ("és", "essis", "és", "éssim", "éssiu", "essin")]


def simpf_i(s):
    return with_i(s, ["ís", "issis", "ís", "íssim", "íssiu", "issin"])


ROWS = []
SEEN = set()
# While set, the next row is written under this lemma: a variant infinitive
# (tindre, vindre, valdre) takes the whole paradigm of its standard form.
AS_LEMMA = []


def cell(v):
    if v is None:
        return "-"
    if isinstance(v, (list, tuple)):
        assert len(v) == 6, v
        return ",".join(v)
    return v


def row(lemma, pres=None, impf=None, pret=None, subjpres=None, subjimpf=None, fut=None, pp=None, ger=None,
        imp2=None, ppf=None, imp2pl=None, exact=False):
    if AS_LEMMA:
        lemma = AS_LEMMA.pop()
    assert lemma not in SEEN, lemma
    SEEN.add(lemma)
    if isinstance(pres, str) and "," in pres:
        pres = pres.split(",")
    ROWS.append([lemma, cell(pres), cell(impf), cell(pret), cell(subjpres), cell(subjimpf), cell(fut), cell(pp),
                 cell(ger), cell(imp2), "1" if exact else "-", cell(ppf), cell(imp2pl)])


def velar(lemma, pres, impf, g, fut, pp, ppf, ger, imp2, imp2pl, exact=False, subj=None, simpf=None, pret=None):
    """Second-conjugation verbs whose preterite and subjunctives take a velar
    stem g ('prengu', 'visqu')."""
    row(lemma, pres, impf, pret or pret_e(g), subj or subj_e(g), simpf or simpf_e(g), fut, pp, ger, imp2, ppf, imp2pl,
        exact)


def inchoative(lemma, pp=None, ppf=None, exact=False):
    """A third-conjugation verb with -eix-, written out in full."""
    s = lemma[:-2]
    pres = [s + e for e in ("eixo", "eixes", "eix")] + with_i(s, ["im", "iu"]) + [s + "eixen"]
    subj = [s + e for e in ("eixi", "eixis", "eixi")] + with_i(s, ["im", "iu"]) + [s + "eixin"]
    if pp is None:
        pp = s + ("ït" if hiatus(s) else "it")
        ppf = pp[:-1] + "da" if ppf is None else ppf
    row(lemma, pres, impf_e(s), pret_i(s), subj, simpf_i(s), lemma, pp, s + "int", s + "eix", ppf,
        with_i(s, ["iu"])[0], exact)


def attach_a(stem, ending):
    """First conjugation: c/qu, g/gu, ç/c, j/g, gu/gü, qu/qü before e and i."""
    if ending[:1] in ("e", "i", "é", "è", "í"):
        for a, b in (("gu", "gü"), ("qu", "qü"), ("c", "qu"), ("g", "gu"), ("ç", "c"), ("j", "g")):
            if stem.endswith(a) and (len(a) == 1 or len(stem) > 2):
                stem = stem[:-len(a)] + b
                break
    return with_i(stem, [ending])[0]


def first(lemma, subj=None, exact=False, pres=None, lemma_as=None):
    """A first-conjugation verb written out in full."""
    s = lemma[:-2]
    pres = pres or [attach_a(s, e) for e in ("o", "es", "a", "em", "eu", "en")]
    pret = [attach_a(s, e) for e in ("í", "ares", "à", "àrem", "àreu", "aren")]
    if s[-2:-1] in VOWELS and s.endswith("i"):
        pret[0] = s[:-1] + "í"      # remeiar: remeí
    row(lemma_as or lemma, pres, impf_a(s), pret,
        subj or [attach_a(s, e) for e in ("i", "is", "i", "em", "eu", "in")],
        [attach_a(s, e) for e in ("és", "essis", "és", "éssim", "éssiu", "essin")], lemma, s + "at", s + "ant",
        pres[2], s + "ada", pres[4], exact)


# ---------------------------------------------------------------- families
# Each family helper takes the prefix p and writes the verb p + base.

def tenir(p, exact=False):
    acc = bool(p)  # manté, mantén: the compound is stressed on its last syllable
    velar(p + "tenir", [p + "tinc", p + "tens", p + "té", p + "tenim", p + "teniu", p + "tenen"],
          impf_e(p + "ten"), p + "tingu", p + "tindr", p + "tingut", p + "tinguda", p + "tenint",
          p + ("tén" if acc else "ten"), p + "teniu", exact)


def venir(p, exact=False):
    if p:
        pres = [p + "vinc", p + "vens", p + "vé", p + "venim", p + "veniu", p + "venen"]
        imp2 = p + "vén"
    else:
        pres = ["vinc", "véns", "ve", "venim", "veniu", "vénen"]
        imp2 = "vine"
    velar(p + "venir", pres, impf_e(p + "ven"), p + "vingu", p + "vindr", p + "vingut", p + "vinguda",
          p + "venint", imp2, p + "veniu", exact)


def endre(lemma, exact=False):
    """entendre, defendre...: entenc, entens, entén, entenem; entès."""
    s = lemma[:-3]          # 'enten', 'defen'
    third = s[:-2] + ("é" if lemma in ACUTE else "è") + "n"
    velar(lemma, [s + "c", s + "s", third, s + "em", s + "eu", s + "en"], impf_e(s), s + "gu", lemma[:-1],
          s[:-2] + "ès", s[:-2] + "esa", s + "ent", third, s + "eu", exact)


ACUTE = {"entendre", "atendre", "estendre", "pretendre", "encendre", "contendre", "distendre", "sobreentendre",
         "malentendre", "desentendre"}


def ondre(lemma, pp, exact=False):
    """respondre, fondre, pondre: responc, respons, respon."""
    s = lemma[:-3]
    velar(lemma, [s + "c", s + "s", s, s + "em", s + "eu", s + "en"], impf_e(s), s + "gu", lemma[:-1], pp,
          pp.replace("ó", "o") + "a", s + "ent", s, s + "eu", exact)


def oldre(lemma, pp, exact=False):
    """resoldre, doldre: resolc, resols, resol."""
    s = lemma[:-3]
    velar(lemma, [s + "c", s + "s", s, s + "em", s + "eu", s + "en"], impf_e(s), s + "gu", lemma[:-1], pp,
          pp[:-1] + "da" if pp.endswith("ut") else pp + "a", s + "ent", s, s + "eu", exact)


def metre(lemma, exact=False):
    s = lemma[:-2]  # 'admet'
    pp = s[:-3] + ("mès" if s[:-3] else "mes")
    row(lemma, [s + "o", s + "s", s, s + "em", s + "eu", s + "en"], impf_e(s), pret_e(s), subj_e(s), simpf_e(s),
        lemma[:-1], pp, s + "ent", s, s[:-3] + "mesa", s + "eu", exact)


def dir(p, exact=False):
    velar(p + "dir", [p + "dic", p + "dius", p + "diu", p + "diem", p + "dieu", p + "diuen"], impf_ei(p + "d"),
          p + "digu", p + "dir", p + "dit", p + "dita", p + "dient", p + "digues", p + "digueu", exact)


def fer(p, exact=False):
    acc = bool(p)
    pres = [p + "faig", p + ("fàs" if acc else "fas"), p + ("fà" if acc else "fa"), p + "fem", p + "feu",
            p + ("fan")]
    row(p + "fer", pres, impf_ei(p + "f"),
        [p + "fiu", p + "feres", p + "féu", p + "férem", p + "féreu", p + "feren"],
        [p + "faci", p + "facis", p + "faci", p + "fem", p + "feu", p + "facin"],
        [p + ("fés" if acc else "fes"), p + "fessis", p + ("fés" if acc else "fes"), p + "féssim", p + "féssiu",
         p + "fessin"],
        p + "far", p + "fet", p + "fent", p + ("fés" if acc else "fes"), p + "feta", p + "feu", exact)


def treure(p, exact=False):
    velar(p + "treure", [p + "trec", p + "treus", p + "treu", p + "traiem", p + "traieu", p + "treuen"],
          impf_ei(p + "tr"), p + "tragu", p + "traur", p + "tret", p + "treta", p + "traient", p + "treu",
          p + "traieu", exact,
          subj=[p + "tregui", p + "treguis", p + "tregui", p + "traguem", p + "tragueu", p + "treguin"])


def prendre(p, exact=False):
    acc = bool(p)
    third = p + ("prèn" if acc else "pren")
    velar(p + "prendre", [p + "prenc", p + "prens", third, p + "prenem", p + "preneu", p + "prenen"],
          impf_e(p + "pren"), p + "prengu", p + "prendr", p + ("près" if acc else "pres"), p + "presa",
          p + "prenent", third, p + "preneu", exact)


def escriure(p, exact=False):
    b = p + ("escri" if p in ("", "re", "sobre", "sota", "co") else "scri")
    row(b + "ure", [b + "c", b + "us", b + "u", b + "vim", b + "viu", b + "uen"], impf_e(b + "v"), pret_i(b + "v"),
        subj_e(b + "gu"), simpf_i(b + "v"), b + "ur", b + "t", b + "vint", b + "u", b + "ta", b + "viu", exact)


def viure(p, exact=False):
    velar(p + "viure", [p + "visc", p + "vius", p + "viu", p + "vivim", p + "viviu", p + "viuen"],
          impf_e(p + "viv"), p + "visqu", p + "viur", p + "viscut", p + "viscuda", p + "vivint", p + "viu",
          p + "viviu", exact)


def riure(p, exact=False):
    velar(p + "riure", [p + "ric", p + "rius", p + "riu", p + "riem", p + "rieu", p + "riuen"], impf_ei(p + "r"),
          p + "rigu", p + "riur", p + "rigut", p + "riguda", p + "rient", p + "riu", p + "rieu", exact)


def moure(p, exact=False):
    velar(p + "moure", [p + "moc", p + "mous", p + "mou", p + "movem", p + "moveu", p + "mouen"],
          impf_e(p + "mov"), p + "mogu", p + "mour", p + "mogut", p + "moguda", p + "movent", p + "mou",
          p + "moveu", exact)


def beure(p, exact=False):
    velar(p + "beure", [p + "bec", p + "beus", p + "beu", p + "bevem", p + "beveu", p + "beuen"],
          impf_e(p + "bev"), p + "begu", p + "beur", p + "begut", p + "beguda", p + "bevent", p + "beu",
          p + "beveu", exact)


def veure(p, exact=False):
    velar(p + "veure", [p + "veig", p + "veus", p + "veu", p + "veiem", p + "veieu", p + "veuen"],
          impf_ei(p + "v"), None, p + "veur", p + "vist", p + "vista", p + "veient", p + "veges", p + "vegeu",
          exact, subj=subj_e(p + "veg"), simpf=simpf_e(p + "vei"),
          pret=[p + "viu", p + "veieres", p + "veié", p + "veiérem", p + "veiéreu", p + "veieren"])


def cloure(p, exact=False):
    velar(p + "cloure", [p + "cloc", p + "clous", p + "clou", p + "cloem", p + "cloeu", p + "clouen"],
          impf_e(p + "clo"), p + "clogu", p + "clour", p + ("clòs" if p else "clos"), p + "closa", p + "cloent",
          p + "clou",
          p + "cloeu", exact)


def plaure(p, exact=False):
    velar(p + "plaure", [p + "plac", p + "plaus", p + "plau", p + "plaem", p + "plaeu", p + "plauen"],
          impf_e(p + "pla"), p + "plagu", p + "plaur", p + "plagut", p + "plaguda", p + "plaent", p + "plau",
          p + "plaeu", exact)


def correr(p, exact=False):
    s = p + "corr"
    row(p + "córrer", [s + "o", s + "es", s + "e", s + "em", s + "eu", s + "en"], impf_e(s), pret_e(s + "egu"),
        subj_e(s), simpf_e(s + "egu"), s + "er", s + "egut", s + "ent", s + "e", s + "eguda", s + "eu", exact)


def coneixer(p, exact=False):
    s = p + "coneix"
    velar(p + "conèixer", [p + "conec", s + "es", s, s + "em", s + "eu", s + "en"], impf_e(s), p + "conegu",
          s + "er", p + "conegut", p + "coneguda", s + "ent", s, s + "eu", exact)


def neixer(p, exact=False):
    n, a = p + "neix", p + "naix"
    row(p + "néixer", [n + "o", n + "es", n, a + "em", a + "eu", n + "en"], impf_e(a),
        pret_e(p + "nasqu"), [n + "i", n + "is", n + "i", a + "em", a + "eu", n + "in"], simpf_e(p + "nasqu"),
        a + "er", p + "nascut", a + "ent", n, p + "nascuda", a + "eu", exact)


def eixer_sc(lemma, exact=False):
    """créixer, merèixer: creixo, creixes, creix; crescut."""
    s = lemma[:-2].replace("è", "e").replace("é", "e")  # 'creix'
    sc = s[:-2] + "sc"                                   # 'cresc'
    row(lemma, [s + "o", s + "es", s, s + "em", s + "eu", s + "en"], impf_e(s), pret_e(sc[:-1] + "qu"),
        subj_e(s), simpf_e(sc[:-1] + "qu"), s + "er", sc + "ut", s + "ent", s, sc + "uda", s + "eu", exact)


def vencer(lemma, pp, exact=False):
    """vèncer, tòrcer: venço, vences, venç."""
    s = lemma[:-2].replace("è", "e").replace("ò", "o")  # 'venc'
    z = s[:-1] + "ç"
    row(lemma, [z + "o", s + "es", z, s + "em", s + "eu", s + "en"], impf_e(s), pret_e(s), subj_e(s),
        simpf_e(s), s + "er", pp, s + "ent", z, pp[:-1] + "da" if pp.endswith("ut") else pp + "a", s + "eu",
        exact)


def enyer(lemma, pp, ppf, exact=False):
    """estrènyer, empènyer, pertànyer: estrenyo, estrenys, estreny."""
    s = lemma[:-2].replace("è", "e").replace("à", "a")
    row(lemma, [s + "o", s + "s", s, s + "em", s + "eu", s + "en"], impf_e(s), pret_e(s), subj_e(s), simpf_e(s),
        s + "er", pp, s + "ent", s, ppf, s + "eu", exact)


def emer(lemma, exact=False):
    """témer, prémer: temo, tems, tem."""
    s = lemma[:-2].replace("é", "e")
    row(lemma, [s + "o", s + "s", s, s + "em", s + "eu", s + "en"], impf_e(s), pret_e(s), subj_e(s), simpf_e(s),
        s + "er", s + "ut", s + "ent", s, s + "uda", s + "eu", exact)


def ebre(lemma, exact=False):
    """rebre, percebre: rebo, reps, rep."""
    s = lemma[:-2]       # 'reb'
    u = s[:-1] + "p"
    row(lemma, [s + "o", u + "s", u, s + "em", s + "eu", s + "en"], impf_e(s), pret_e(s), subj_e(s), simpf_e(s),
        s + "r", s + "ut", s + "ent", u, s + "uda", s + "eu", exact)


def caure(p, exact=False):
    velar(p + "caure", [p + "caic", p + "caus", p + "cau", p + "caiem", p + "caieu", p + "cauen"],
          impf_ei(p + "qu"), p + "caigu", p + "caur", p + "caigut", p + "caiguda", p + "caient", p + "cau",
          p + "caieu", exact)


def pure(lemma, pres3, pp=None, ppf=None, imp2=None, exact=False):
    """A pure -ir verb whose stressed stem changes vowel: cuso, cuses, cus
    (pres3 = the first three present forms)."""
    s = lemma[:-2]
    w = pres3[0][:-1]   # 'cus'
    pres = list(pres3) + [s + "im", s + "iu", pres3[0][:-1] + "en"]
    subj = [w + "i", w + "is", w + "i", s + "im", s + "iu", w + "in"]
    pp = pp or s + "it"
    row(lemma, pres, impf_e(s), pret_i(s), subj, simpf_i(s), lemma, pp, s + "int", imp2 or pres3[2],
        ppf or pp[:-1] + ("da" if pp.endswith("it") else "ta"), s + "iu", exact)


def seure(p, exact=False):
    velar(p + "seure", [p + "sec", p + "seus", p + "seu", p + "seiem", p + "seieu", p + "seuen"], impf_ei(p + "s"),
          p + "segu", p + "seur", p + "segut", p + "seguda", p + "seient", p + "seu", p + "seieu", exact)


def eixir(p, exact=False):
    """eixir, reeixir: ixo, ixes, ix with the stressed stem; ï after a vowel."""
    x = p + ("ïx" if p else "ix")
    e = p + "eix"
    row(p + "eixir", [x + "o", x + "es", x, e + "im", e + "iu", x + "en"], impf_e(e), pret_i(e),
        [x + "i", x + "is", x + "i", e + "im", e + "iu", x + "in"], simpf_i(e), p + "eixir", e + "it", e + "int", x,
        e + "ida", e + "iu", exact)


def fugir(p):
    row(p + "fugir", [p + "fujo", p + "fuges", p + "fuig", p + "fugim", p + "fugiu", p + "fugen"], impf_e(p + "fug"),
        pret_i(p + "fug"), subj_i(p + "fug"), simpf_i(p + "fug"), p + "fugir", p + "fugit", p + "fugint", p + "fuig",
        p + "fugida", p + "fugiu")


def sortir(p, exact=False):
    s, u = p + "sort", p + "surt"
    row(p + "sortir", [u + "o", u + "s", u, s + "im", s + "iu", u + "en"], impf_e(s), pret_i(s),
        [u + "i", u + "is", u + "i", s + "im", s + "iu", u + "in"], simpf_i(s), p + "sortir", s + "it", s + "int", u,
        s + "ida", s + "iu", exact)


# ---------------------------------------------------------------- the rows
# The very common verbs first.

row("ésser", "sóc,ets,és,som,sou,són", ["era", "eres", "era", "érem", "éreu", "eren"],
    ["fui", "fores", "fou", "fórem", "fóreu", "foren"], ["sigui", "siguis", "sigui", "siguem", "sigueu", "siguin"],
    ["fos", "fossis", "fos", "fóssim", "fóssiu", "fossin"], "ser", "estat", "essent", "sigues", "estada", "sigueu",
    exact=True)
row("ser", "sóc,ets,és,som,sou,són", ["era", "eres", "era", "érem", "éreu", "eren"],
    ["fui", "fores", "fou", "fórem", "fóreu", "foren"], ["sigui", "siguis", "sigui", "siguem", "sigueu", "siguin"],
    ["fos", "fossis", "fos", "fóssim", "fóssiu", "fossin"], "ser", "estat", "sent", "sigues", "estada", "sigueu",
    exact=True)
row("estar", "estic,estàs,està,estem,esteu,estan", impf_a("est"), pret_e("estigu"), subj_e("estigu"),
    simpf_e("estigu"), "estar", "estat", "estant", "estigues", "estada", "estigueu", exact=True)
row("haver", "he,has,ha,havem,haveu,han", impf_e("hav"), pret_e("hagu"),
    ["hagi", "hagis", "hagi", "hàgim", "hàgiu", "hagin"], simpf_e("hagu"), "haur", "hagut", "havent", None,
    "haguda", "haveu")
fer("", exact=True)
row("anar", "vaig,vas,va,anem,aneu,van", impf_a("an"), pret_a("an"),
    ["vagi", "vagis", "vagi", "anem", "aneu", "vagin"], simpf_e("an"), "anir", "anat", "anant", "vés", "anada",
    "aneu", exact=True)
tenir("", exact=True)
velar("poder", "puc,pots,pot,podem,podeu,poden", impf_e("pod"), "pogu", "podr", "pogut", "poguda", "podent",
      "pugues", "pugueu", subj=subj_e("pugu"))
dir("", exact=True)
velar("voler", "vull,vols,vol,volem,voleu,volen", impf_e("vol"), "volgu", "voldr", "volgut", "volguda", "volent",
      "vulgues", "vulgueu", subj=subj_e("vulgu"))
row("saber", "sé,saps,sap,sabem,sabeu,saben", impf_e("sab"), pret_e("sab"),
    ["sàpiga", "sàpigues", "sàpiga", "sapiguem", "sapigueu", "sàpiguen"], simpf_e("sab"), "sabr", "sabut",
    "sabent", "sàpigues", "sabuda", "sapigueu")
veure("", exact=True)
first("donar", pres=["dono", "dónes", "dóna", "donem", "doneu", "donen"], exact=True)
venir("", exact=True)
sortir("", exact=True)
prendre("", exact=True)
velar("creure", "crec,creus,creu,creiem,creieu,creuen", impf_ei("cr"), "cregu", "creur", "cregut", "creguda",
      "creient", "creu", "creieu", exact=True)
escriure("", exact=True)
coneixer("", exact=True)
viure("", exact=True)
endre("entendre", exact=True)
prendre("a")
prendre("com")
correr("", exact=True)
caure("")
treure("", exact=True)
# dur (portar) and endur-se'n: the only verbs in -ur.
velar("dur", "duc,duus,duu,duem,dueu,duen", ["duia", "duies", "duia", "dúiem", "dúieu", "duien"], "dugu", "dur", "dut",
      "duta", "duent", "duu", "dueu")
row("deure", "dec,deus,deu,devem,deveu,deuen", impf_e("dev"), pret_e("degu"), subj_e("degu"), simpf_e("degu"),
    "deur", "degut", "devent", "deu", "deguda", "deveu")
ebre("rebre")
row("obrir", "obro,obres,obre,obrim,obriu,obren", impf_e("obr"), pret_i("obr"), subj_i("obr"), simpf_i("obr"),
    "obrir", "obert", "obrint", "obre", "oberta", "obriu", exact=True)
row("morir", "moro,mors,mor,morim,moriu,moren", impf_e("mor"), pret_i("mor"), subj_i("mor"), simpf_i("mor"),
    "morir", "mort", "morint", "mor", "morta", "moriu", exact=True)
neixer("", exact=True)
beure("", exact=True)
ondre("respondre", "respost")
tenir("man")
tenir("con")
tenir("ob")
tenir("re")
tenir("de")
tenir("sos")
tenir("entre")
tenir("abs")
tenir("a")
inchoative("seguir", exact=True)
row("collir", "cullo,culls,cull,collim,colliu,cullen", impf_e("coll"), pret_i("coll"),
    ["culli", "cullis", "culli", "collim", "colliu", "cullin"], simpf_i("coll"), "collir", "collit", "collint",
    "cull", "collida", "colliu", exact=True)
moure("", exact=True)
riure("", exact=True)
seure("", exact=True)
seure("as")
velar("valer", "valc,vals,val,valem,valeu,valen", impf_e("val"), "valgu", "valdr", "valgut", "valguda", "valent",
      "val", "valeu", exact=True)
row("vendre", "venc,vens,ven,venem,veneu,venen", impf_e("ven"), pret_e("vengu"), subj_e("vengu"),
    simpf_e("vengu"), "vendr", "venut", "venent", "ven", "venuda", "veneu", exact=True)
first("creuar", subj=["creui", "creuis", "creui", "creuem", "creueu", "creuin"], exact=True)
row("omplir", "omplo,omples,omple,omplim,ompliu,omplen", impf_e("ompl"), pret_i("ompl"), subj_i("ompl"),
    simpf_i("ompl"), "omplir", "omplert", "omplint", "omple", "omplerta", "ompliu", exact=True)
inchoative("complir", pp="complert", ppf="complerta", exact=True)
row("fugir", "fujo,fuges,fuig,fugim,fugiu,fugen", impf_e("fug"), pret_i("fug"), subj_i("fug"), simpf_i("fug"),
    "fugir", "fugit", "fugint", "fuig", "fugida", "fugiu", exact=True)
inchoative("cobrir", pp="cobert", ppf="coberta", exact=True)
inchoative("descobrir", pp="descobert", ppf="descoberta")
inchoative("recobrir", pp="recobert", ppf="recoberta")
inchoative("encobrir", pp="encobert", ppf="encoberta")
inchoative("oferir", pp="ofert", ppf="oferta")
inchoative("sofrir", pp="sofert", ppf="soferta")
inchoative("establir", pp="establert", ppf="establerta")
inchoative("restablir", pp="restablert", ppf="restablerta")
inchoative("acomplir", pp="acomplert", ppf="acomplerta")
inchoative("incomplir", pp="incomplert", ppf="incomplerta")
inchoative("imprimir", pp="imprès", ppf="impresa", exact=True)
inchoative("reimprimir", pp="reimprès", ppf="reimpresa", exact=True)
dir("pre")
dir("contra")
dir("des")
dir("inter")
dir("re", exact=True)
fer("des")
fer("re")
fer("satis")
fer("contra")
fer("estra")
venir("pre")
venir("inter")
venir("pro")
venir("sobre")
venir("esde")
venir("contra")
venir("con", exact=True)
venir("a", exact=True)
venir("re", exact=True)
prendre("em")
prendre("sor")
prendre("des")
prendre("re", exact=True)
endre("atendre")
endre("estendre")
endre("pretendre")
endre("encendre")
endre("defendre")
endre("ofendre")
endre("dependre")
endre("despendre")
endre("suspendre")
row("fendre", "fenc,fens,fen,fenem,feneu,fenen", impf_e("fen"), pret_e("fengu"), subj_e("fengu"),
    simpf_e("fengu"), "fendr", "fes", "fenent", "fen", "fesa", "feneu", exact=True)
row("revendre", "revenc,revens,revèn,revenem,reveneu,revenen", impf_e("reven"), pret_e("revengu"),
    subj_e("revengu"), simpf_e("revengu"), "revendr", "revenut", "revenent", "revèn", "revenuda", "reveneu")
ondre("fondre", "fos", exact=True)
ondre("confondre", "confós")
ondre("difondre", "difós")
ondre("refondre", "refós")
ondre("infondre", "infós")
ondre("pondre", "post", exact=True)
ondre("compondre", "compost")
ondre("tondre", "tos", exact=True)
oldre("resoldre", "resolt")
oldre("dissoldre", "dissolt")
oldre("absoldre", "absolt", exact=True)
oldre("doldre", "dolgut", exact=True)
oldre("oldre", "olgut", exact=True)
oldre("moldre", "mòlt")
velar("soler", "solc,sols,sol,solem,soleu,solen", impf_e("sol"), "solgu", "soldr", "solgut", "solguda", "solent",
      "sol", "soleu")
velar("caldre", "calc,cals,cal,calem,caleu,calen", impf_e("cal"), "calgu", "caldr", "calgut", "calguda", "calent",
      "cal", "caleu")
row("cabre", "quep,caps,cap,cabem,cabeu,caben", impf_e("cab"), pret_e("cab"),
    ["càpiga", "càpigues", "càpiga", "capiguem", "capigueu", "càpiguen"], simpf_e("cab"), "cabr", "cabut",
    "cabent", "cap", "cabuda", "cabeu")
metre("metre", exact=True)
metre("emetre", exact=True)
metre("remetre", exact=True)
metre("transmetre", exact=True)
metre("ometre")
metre("admetre")
metre("permetre")
metre("sotmetre")
metre("trametre")
metre("malmetre")
metre("entremetre")
metre("retransmetre")
treure("abs")
treure("a")
treure("con")
treure("dis")
treure("ex")
treure("re")
treure("sos")
treure("bes")
escriure("re", exact=True)
escriure("in")
escriure("de")
escriure("pre")
escriure("sub")
escriure("tran")
escriure("circum")
escriure("pro")
escriure("ad")
viure("con")
viure("re")
viure("sobre")
riure("som")
moure("com")
moure("pro")
moure("re")
beure("em")
veure("pre")
veure("entre")
veure("re", exact=True)
velar("descreure", "descrec,descreus,descreu,descreiem,descreieu,descreuen", impf_ei("descr"), "descregu",
      "descreur", "descregut", "descreguda", "descreient", "descreu", "descreieu")
cloure("", exact=True)
cloure("con")
cloure("in")
cloure("ex")
cloure("re")
cloure("o")
plaure("", exact=True)
plaure("com", exact=True)
plaure("des")
row("ploure", "ploc,plous,plou,plovem,ploveu,plouen", impf_e("plov"), pret_e("plogu"), subj_e("plogu"),
    simpf_e("plogu"), "plour", "plogut", "plovent", "plou", "ploguda", "ploveu", exact=True)
row("coure", "coc,cous,cou,coem,coeu,couen", impf_e("co"), pret_e("cogu"), subj_e("cogu"), simpf_e("cogu"),
    "cour", "cuit", "coent", "cou", "cuita", "coeu", exact=True)
row("raure", "rac,raus,rau,raem,raeu,rauen", impf_e("ra"), pret_e("ragu"), subj_e("ragu"), simpf_e("ragu"),
    "raur", "ragut", "raent", "rau", "raguda", "raeu", exact=True)
row("jeure", "jec,jeus,jeu,jaiem,jaieu,jeuen", impf_ei("j"), pret_e("jagu"),
    ["jegui", "jeguis", "jegui", "jaguem", "jagueu", "jeguin"], simpf_e("jagu"), "jaur", "jagut", "jaient", "jeu",
    "jaguda", "jaieu")
caure("re")
caure("de")
correr("re")
correr("dis")
correr("con")
correr("in")
correr("o")
correr("so")
correr("trans")
correr("es", exact=True)
coneixer("re")
coneixer("des")
neixer("re", exact=True)
row("parèixer", "parec,pareixes,pareix,pareixem,pareixeu,pareixen", impf_e("pareix"), pret_e("paregu"),
    subj_e("paregu"), simpf_e("paregu"), "pareixer", "paregut", "pareixent", "pareix", "pareguda", "pareixeu")
eixer_sc("créixer")
eixer_sc("decréixer")
eixer_sc("merèixer")
vencer("vèncer", "vençut", exact=True)
vencer("convèncer", "convençut")
vencer("tòrcer", "tort", exact=True)
vencer("retòrcer", "retort")
enyer("estrènyer", "estret", "estreta", exact=True)
enyer("constrènyer", "constret", "constreta")
enyer("restrènyer", "restret", "restreta")
enyer("atènyer", "atès", "atesa")
enyer("empènyer", "empès", "empesa")
enyer("pertànyer", "pertangut", "pertanguda")
enyer("plànyer", "plangut", "planguda", exact=True)
emer("témer")
emer("prémer")
emer("esprémer")
ebre("percebre")
ebre("concebre")
ebre("decebre")
velar("equivaler", "equivalc,equivals,equival,equivalem,equivaleu,equivalen", impf_e("equival"), "equivalgu",
      "equivaldr", "equivalgut", "equivalguda", "equivalent", "equival", "equivaleu")
velar("prevaler", "prevalc,prevals,preval,prevalem,prevaleu,prevalen", impf_e("preval"), "prevalgu",
      "prevaldr", "prevalgut", "prevalguda", "prevalent", "preval", "prevaleu")
for lemma, ex in (("acollir", True), ("recollir", False), ("escollir", False)):
    p = lemma[:-6]
    row(lemma, [p + "cullo", p + "culls", p + "cull", p + "collim", p + "colliu", p + "cullen"],
        impf_e(p + "coll"), pret_i(p + "coll"),
        [p + "culli", p + "cullis", p + "culli", p + "collim", p + "colliu", p + "cullin"], simpf_i(p + "coll"),
        lemma, p + "collit", p + "collint", p + "cull", p + "collida", p + "colliu", ex)
pure("cosir", ["cuso", "cuses", "cus"], exact=True)
pure("punyir", ["punyo", "punys", "puny"], exact=True)
pure("tossir", ["tusso", "tusses", "tus"])
pure("escopir", ["escupo", "escups", "escup"])
pure("pudir", ["pudo", "puts", "put"], imp2="put")
eixir("", exact=True)
row("reobrir", "reobro,reobres,reobre,reobrim,reobriu,reobren", impf_e("reobr"), pret_i("reobr"),
    subj_i("reobr"), simpf_i("reobr"), "reobrir", "reobert", "reobrint", "reobre", "reoberta", "reobriu",
    exact=True)
row("entreobrir", "entreobro,entreobres,entreobre,entreobrim,entreobriu,entreobren", impf_e("entreobr"),
    pret_i("entreobr"), subj_i("entreobr"), simpf_i("entreobr"), "entreobrir", "entreobert", "entreobrint",
    "entreobre", "entreoberta", "entreobriu")
row("reomplir", "reomplo,reomples,reomple,reomplim,reompliu,reomplen", impf_e("reompl"), pret_i("reompl"),
    subj_i("reompl"), simpf_i("reompl"), "reomplir", "reomplert", "reomplint", "reomple", "reomplerta",
    "reompliu")
row("cruixir", "cruixo,cruixes,cruix,cruixim,cruixiu,cruixen", impf_e("cruix"), pret_i("cruix"),
    subj_i("cruix"), simpf_i("cruix"), "cruixir", "cruixit", "cruixint", "cruix", "cruixida", "cruixiu",
    exact=True)
row("oir", "oeixo,oeixes,oeix,oïm,oïu,oeixen", impf_e("o"), pret_i("o"),
    ["oeixi", "oeixis", "oeixi", "oïm", "oïu", "oeixin"], simpf_i("o"), "oir", "oït", "oint", "oeix", "oïda",
    "oïu", exact=True)
row("argüir", "argüeixo,argüeixes,argüeix,arguïm,arguïu,argüeixen",
    ["arguïa", "arguïes", "arguïa", "argüíem", "argüíeu", "arguïen"],
    ["argüí", "arguïres", "argüí", "argüírem", "argüíreu", "arguïren"],
    ["argüeixi", "argüeixis", "argüeixi", "arguïm", "arguïu", "argüeixin"],
    ["argüís", "arguïssis", "argüís", "argüíssim", "argüíssiu", "arguïssin"], "argüir", "arguït", "argüint",
    "argüeix", "arguïda", "arguïu", exact=True)
for v in ("afegir", "agrair", "atapeir", "conduir", "constituir", "construir", "corregir", "destruir",
          "dirigir", "distingir", "eduir", "empobrir", "encongir", "endolcir", "enlletgir", "erigir", "fluir",
          "fregir", "lluir", "maleir", "marcir", "musteir", "obeir", "obstruir", "pair", "regir",
          "traduir", "urgir"):
    inchoative(v, exact=True)
row("adir", "adic,adius,adiu,adiem,adieu,adiuen", impf_ei("ad"), pret_e("adigu"), subj_e("adigu"),
    simpf_e("adigu"), "adir", "adit", "adient", "adigues", "adita", "adigueu", exact=True)
first("encreuar", subj=["encreui", "encreuis", "encreui", "encreuem", "encreueu", "encreuin"], exact=True)
first("pouar", subj=["poui", "pouis", "poui", "pouem", "poueu", "pouin"], exact=True)
first("boiar", subj=["boï", "boïs", "boï", "boiem", "boieu", "boïn"], exact=True)
first("oiar", subj=["oï", "oïs", "oï", "oiem", "oieu", "oïn"], exact=True)
# The old infinitive dar takes the forms of donar.
first("donar", pres=["dono", "dónes", "dóna", "donem", "doneu", "donen"], exact=True, lemma_as="dar")
first("remeiar", subj=["remeï", "remeïs", "remeï", "remeiem", "remeieu", "remeïn"])
first("esglaiar", subj=["esglaï", "esglaïs", "esglaï", "esglaiem", "esglaieu", "esglaïn"])
first("aguar", subj=["agüi", "agüis", "agüi", "agüem", "agüeu", "agüin"],
      pres=["aguo", "agües", "agua", "agüem", "agüeu", "agüen"])
# Less common derivatives and the rest of the irregular families.
fer("per")
fer("rare")
venir("desa")
venir("sub")
escriure("sobre")
endre("contendre")
endre("distendre")
endre("sobreentendre")
endre("malentendre")
velar("romandre", "romanc,romans,roman,romanem,romaneu,romanen", impf_e("roman"), "romangu", "romandr", "romàs",
      "romasa", "romanent", "roman", "romaneu")
oldre("condoldre", "condolgut")
eixer_sc("acréixer")
enyer("complànyer", "complangut", "complanguda")
inchoative("assortir")
inchoative("reblir", pp="reblert", ppf="reblerta")
first("desmaiar", subj=["desmaï", "desmaïs", "desmaï", "desmaiem", "desmaieu", "desmaïn"])
first("esplaiar", subj=["esplaï", "esplaïs", "esplaï", "esplaiem", "esplaieu", "esplaïn"])
eixir("sobre")
eixir("re")
# Found by conjugating every verb of the Catalan spelling dictionary and
# comparing with a morphological generator: derivatives and look-alikes that
# the rules or the suffix match get wrong.
pure("descosir", ["descuso", "descuses", "descús"])
first("aboiar", subj=["aboï", "aboïs", "aboï", "aboiem", "aboieu", "aboïn"])
first("enjoiar", subj=["enjoï", "enjoïs", "enjoï", "enjoiem", "enjoieu", "enjoïn"])
first("atalaiar", subj=["atalaï", "atalaïs", "atalaï", "atalaiem", "atalaieu", "atalaïn"])
first("entrecreuar", subj=["entrecreui", "entrecreuis", "entrecreui", "entrecreuem", "entrecreueu", "entrecreuin"])
fugir("de")
sortir("sobre")
inchoative("assentir")     # not the pure sentir
inchoative("dissentir")
inchoative("atemorir")     # not morir
inchoative("proferir")     # not oferir: proferit
inchoative("suplir", pp="suplert", ppf="suplerta")
tenir("menys")
venir("ad")
prendre("cor")
endre("desentendre")
endre("aprehendre")
endre("expendre")
row("malvendre", "malvenc,malvens,malvèn,malvenem,malveneu,malvenen", impf_e("malven"), pret_e("malvengu"),
    subj_e("malvengu"), simpf_e("malvengu"), "malvendr", "malvenut", "malvenent", "malvèn", "malvenuda",
    "malveneu")
metre("arremetre")
viure("mal")
viure("des")
viure("per")
treure("retro")
seure("sobre")
cloure("des")
correr("des")
# Rows with no form at all: the engine refuses these verbs rather than guess
# their paradigm by rule (it would give tosss, engrosss).
for v in ("tosser", "engrosser", "enrosser", "espesser"):
    row(v)


def variant(lemma, make, *args, **kw):
    """Writes the row of `make(*args)` under the variant infinitive `lemma`."""
    AS_LEMMA.append(lemma)
    make(*args, **kw)
    assert not AS_LEMMA


# Variant infinitives (Valencian and Balearic) conjugated with the paradigm
# of the standard verb: tindre is tenir, vindre venir, valdre valer, esser
# ésser; and derivatives that the rules or the suffix match got wrong.
variant("esser", row, "ésser", "sóc,ets,és,som,sou,són", ["era", "eres", "era", "érem", "éreu", "eren"],
        ["fui", "fores", "fou", "fórem", "fóreu", "foren"], ["sigui", "siguis", "sigui", "siguem", "sigueu", "siguin"],
        ["fos", "fossis", "fos", "fóssim", "fóssiu", "fossin"], "ser", "estat", "essent", "sigues", "estada", "sigueu",
        exact=True)
variant("tindre", tenir, "", exact=True)
for p in ("abs", "a", "cap", "car", "con", "de", "entre", "man", "menys", "ob", "re", "sos", "vil"):
    variant(p + "tindre", tenir, p)
for p in ("cap", "car", "vil"):
    tenir(p)
variant("vindre", venir, "", exact=True)
for p in ("ad", "a", "contra", "con", "desa", "descon", "entre", "esde", "inter", "ob", "per", "pre", "pro", "recon",
          "re", "sobre", "sub"):
    variant(p + "vindre", venir, p)
for p in ("descon", "entre", "ob", "per", "recon"):
    venir(p)
variant("valdre", velar, "valer", "valc,vals,val,valem,valeu,valen", impf_e("val"), "valgu", "valdr", "valgut",
        "valguda", "valent", "val", "valeu", exact=True)
for p in ("equi", "pre", "sobre"):
    variant(p + "valdre", velar, p + "valer", f"{p}valc,{p}vals,{p}val,{p}valem,{p}valeu,{p}valen",
            impf_e(p + "val"), p + "valgu", p + "valdr", p + "valgut", p + "valguda", p + "valent", p + "val",
            p + "valeu")
velar("sobrevaler", "sobrevalc,sobrevals,sobreval,sobrevalem,sobrevaleu,sobrevalen", impf_e("sobreval"),
      "sobrevalgu", "sobrevaldr", "sobrevalgut", "sobrevalguda", "sobrevalent", "sobreval", "sobrevaleu")
variant("caler", velar, "caldre", "calc,cals,cal,calem,caleu,calen", impf_e("cal"), "calgu", "caldr", "calgut",
        "calguda", "calent", "cal", "caleu")
variant("doler", oldre, "doldre", "dolgut")
for p in ("ull", "sal", "sobre", "mal", "mam"):
    prendre(p)
for lemma, pp in (("corfondre", "corfós"), ("marfondre", "marfós"), ("perfondre", "perfós"),
                  ("transfondre", "transfós"), ("despondre", "despost"), ("traspondre", "traspost")):
    ondre(lemma, pp)
oldre("reabsoldre", "reabsolt")
oldre("exsoldre", "exsolt")
for lemma in ("carvendre", "retrovendre"):
    p = lemma[:-6]
    row(lemma, [p + "venc", p + "vens", p + "vèn", p + "venem", p + "veneu", p + "venen"], impf_e(p + "ven"),
        pret_e(p + "vengu"), subj_e(p + "vengu"), simpf_e(p + "vengu"), p + "vendr", p + "venut", p + "venent",
        p + "vèn", p + "venuda", p + "veneu")
beure("re")
seure("res")
velar("menyscreure", "menyscrec,menyscreus,menyscreu,menyscreiem,menyscreieu,menyscreuen", impf_ei("menyscr"),
      "menyscregu", "menyscreur", "menyscregut", "menyscreguda", "menyscreient", "menyscreu", "menyscreieu")
veure("mal")
veure("ben")
row("entreploure", "entreploc,entreplous,entreplou,entreplovem,entreploveu,entreplouen", impf_e("entreplov"),
    pret_e("entreplogu"), subj_e("entreplogu"), simpf_e("entreplogu"), "entreplour", "entreplogut", "entreplovent",
    "entreplou", "entreploguda", "entreploveu")
row("recoure", "recoc,recous,recou,recoem,recoeu,recouen", impf_e("reco"), pret_e("recogu"), subj_e("recogu"),
    simpf_e("recogu"), "recour", "recuit", "recoent", "recou", "recuita", "recoeu")
moure("so")
escriure("sota")
escriure("co")
cloure("en")
plaure("descom")
treure("de")
dir("mal")
dir("entre")
fer("liqüe")
fugir("con")
fugir("en")
row("desacollir", ["desacullo", "desaculls", "desacull", "desacollim", "desacolliu", "desacullen"],
    impf_e("desacoll"), pret_i("desacoll"),
    ["desaculli", "desacullis", "desaculli", "desacollim", "desacolliu", "desacullin"], simpf_i("desacoll"),
    "desacollir", "desacollit", "desacollint", "desacull", "desacollida", "desacolliu")
inchoative("encollir")      # not the pure collir
inchoative("desencollir")
inchoative("desempobrir")   # not obrir
inchoative("eixobrir")
inchoative("recomplir", pp="recomplert", ppf="recomplerta")   # not omplir
pure("recosir", ["recuso", "recuses", "recús"])
sortir("res")
row("premorir", "premoro,premors,premor,premorim,premoriu,premoren", impf_e("premor"), pret_i("premor"),
    subj_i("premor"), simpf_i("premor"), "premorir", "premort", "premorint", "premor", "premorta", "premoriu")
inchoative("sobreimprimir", pp="sobreimprès", ppf="sobreimpresa")
metre("reemetre")
metre("manumetre")
metre("demetre")
correr("a")
correr("de")
correr("en")
neixer("sobre")
vencer("contòrcer", "contort")
vencer("estòrcer", "estort")
vencer("colltòrcer", "colltort")
enyer("destrènyer", "destret", "destreta")
vencer("destòrcer", "destorçut")   # not estòrcer
variant("caber", row, "cabre", "quep,caps,cap,cabem,cabeu,caben", impf_e("cab"), pret_e("cab"),
        ["càpiga", "càpigues", "càpiga", "capiguem", "capigueu", "càpiguen"], simpf_e("cab"), "cabr", "cabut",
        "cabent", "cap", "cabuda", "cabeu")
for lemma, pres3 in (("munyir", ["munyo", "munys", "muny"]), ("funyir", ["funyo", "funys", "funy"]),
                     ("retrunyir", ["retrunyo", "retrunys", "retruny"]),
                     ("escruixir", ["escruixo", "escruixes", "escruix"])):
    pure(lemma, pres3)
row("pellobrir", "pellobro,pellobres,pellobre,pellobrim,pellobriu,pellobren", impf_e("pellobr"), pret_i("pellobr"),
    subj_i("pellobr"), simpf_i("pellobr"), "pellobrir", "pellobert", "pellobrint", "pellobre", "pelloberta",
    "pellobriu")
row("redargüir", "redargüeixo,redargüeixes,redargüeix,redarguïm,redarguïu,redargüeixen",
    ["redarguïa", "redarguïes", "redarguïa", "redargüíem", "redargüíeu", "redarguïen"],
    ["redargüí", "redarguïres", "redargüí", "redargüírem", "redargüíreu", "redarguïren"],
    ["redargüeixi", "redargüeixis", "redargüeixi", "redarguïm", "redarguïu", "redargüeixin"],
    ["redargüís", "redarguïssis", "redargüís", "redargüíssim", "redargüíssiu", "redarguïssin"], "redargüir",
    "redarguït", "redargüint", "redargüeix", "redarguïda", "redarguïu")

# Verbs the rules cannot conjugate and that had no row: the variant infinitives
# traure (treure), jaure (jeure), nàixer (néixer), and heure, lleure, cerndre,
# irèixer and the compounds of tondre and fondre.
velar("traure", "trac,traus,trau,traiem,traieu,trauen", impf_ei("tr"), "tragu", "traur", "tret", "treta",
      "traient", "trau", "traieu")
variant("jaure", row, "jeure", "jec,jeus,jeu,jaiem,jaieu,jeuen", impf_ei("j"), pret_e("jagu"),
        ["jegui", "jeguis", "jegui", "jaguem", "jagueu", "jeguin"], simpf_e("jagu"), "jaur", "jagut", "jaient",
        "jeu", "jaguda", "jaieu")
row("nàixer", "naixo,naixes,naix,naixem,naixeu,naixen", impf_e("naix"), pret_e("nasqu"), subj_e("naix"),
    simpf_e("nasqu"), "naixer", "nascut", "naixent", "naix", "nascuda", "naixeu")
row("heure", "hec,heus,heu,havem,haveu,heuen", impf_e("hav"), pret_e("hagu"),
    ["hagi", "hagis", "hagi", "hàgim", "hàgiu", "hagin"], simpf_e("hagu"), "haur", "hagut", "havent", "heu",
    "haguda", "haveu")
velar("lleure", "llec,lleus,lleu,lleiem,lleieu,lleuen", impf_ei("ll"), "llegu", "lleur", "llegut", "lleguda",
      "lleient", "lleu", "lleieu")
row("cerndre", "cerno,cerns,cern,cernem,cerneu,cernen", impf_e("cern"), pret_e("cern"), subj_e("cern"),
    simpf_e("cern"), "cerndr", "cernut", "cernent", "cern", "cernuda", "cerneu")
eixer_sc("irèixer")
ondre("retondre", "retós")
velar("enfondre", "enfonc,enfons,enfon,enfonem,enfoneu,enfonen", impf_e("enfon"), "enfongu", "enfondr", "enfús",
      "enfusa", "enfonent", "enfon", "enfoneu")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "data",
                                                               "cat.tsv")
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        for line in HEADER:
            f.write(line + "\n")
        for r in ROWS:
            f.write("\t".join(r) + "\n")
    print(len(ROWS), "rows,", sum(r[10] == "1" for r in ROWS), "exact-only")


if __name__ == "__main__":
    main()
