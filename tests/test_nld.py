"""Dutch conjugation: analysis of the input, the spelling rules for the stem
and the 't kofschip choice, the lexicon, the table and DutchConjugation."""
import os

import pytest

import velnor
from conftest import needs, read_test_data

pytestmark = needs("nld")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "nld.tsv")
HEADER = "# lemma\tstem\tpres\tpast_sg\tpast_pl\tpp\timp\tprespart"
ATTRIBUTES = ["infinitive", "present", "past", "imperative", "present_participle", "past_participle"]
DOC = ("The full conjugation table of one Dutch verb. The present row is\n"
       "[ik, jij, hij, wij, jullie, zij]; the past is [singular, plural].")


def conj(word):
    return velnor.conjugate(word, lang="nld")


# verb, ik (also the imperative), jij and hij, past singular, past plural,
# past participle: standard Dutch forms (Woordenlijst spelling).
COMMON = read_test_data("nld_common.txt")
COMMON_ROWS = [tuple(line.split()) for line in COMMON.strip().splitlines()]


def test_common_table_is_large():
    assert len(COMMON_ROWS) >= 100
    assert all(len(row) == 6 for row in COMMON_ROWS)
    assert len({row[0] for row in COMMON_ROWS}) == len(COMMON_ROWS)


@pytest.mark.parametrize("verb,ik,hij,past_sg,past_pl,pp", COMMON_ROWS, ids=[r[0] for r in COMMON_ROWS])
def test_common_verbs_slot_by_slot(verb, ik, hij, past_sg, past_pl, pp):
    r = conj(verb)
    assert r.infinitive == verb
    assert r.present == [ik, hij, hij, verb, verb, verb]
    assert r.past == [past_sg, past_pl]
    assert r.imperative == ik
    assert r.present_participle == verb + "d"
    assert r.past_participle == pp


@pytest.mark.parametrize("verb,present,past,imperative,participle", [
    ("zijn", ["ben", "bent", "is", "zijn", "zijn", "zijn"], ["was", "waren"], "wees", "geweest"),
    ("hebben", ["heb", "hebt", "heeft", "hebben", "hebben", "hebben"], ["had", "hadden"], "heb", "gehad"),
    ("kunnen", ["kan", "kunt", "kan", "kunnen", "kunnen", "kunnen"], ["kon", "konden"], "", "gekund"),
    ("willen", ["wil", "wilt", "wil", "willen", "willen", "willen"], ["wilde", "wilden"], "", "gewild"),
    ("moeten", ["moet"] * 3 + ["moeten"] * 3, ["moest", "moesten"], "", "gemoeten"),
    # mogen and zullen have no imperative, and zullen no participle: the
    # lexicon gives empty forms rather than letting the rules build "mag",
    # "zal" and "gezald".
    ("mogen", ["mag"] * 3 + ["mogen"] * 3, ["mocht", "mochten"], "", "gemogen"),
    ("zullen", ["zal", "zult", "zal", "zullen", "zullen", "zullen"], ["zou", "zouden"], "", ""),
    ("skiën", ["ski", "skiet", "skiet", "skiën", "skiën", "skiën"], ["skiede", "skieden"], "ski", "geskied"),
    ("sms'en", ["sms", "sms't", "sms't", "sms'en", "sms'en", "sms'en"], ["sms'te", "sms'ten"], "sms", "ge-sms't"),
])
def test_irregular_rows(verb, present, past, imperative, participle):
    r = conj(verb)
    assert (r.present, r.past, r.imperative, r.past_participle) == (present, past, imperative, participle)


@pytest.mark.parametrize("verb,present,past,imperative,prespart,pp", [
    ("opstaan", ["sta op", "staat op", "staat op", "staan op", "staan op", "staan op"], ["stond op", "stonden op"],
     "sta op", "opstaand", "opgestaan"),
    ("opbellen", ["bel op", "belt op", "belt op", "bellen op", "bellen op", "bellen op"], ["belde op", "belden op"],
     "bel op", "opbellend", "opgebeld"),
    ("aankomen", ["kom aan", "komt aan", "komt aan", "komen aan", "komen aan", "komen aan"],
     ["kwam aan", "kwamen aan"], "kom aan", "aankomend", "aangekomen"),
    ("uitnodigen", ["nodig uit", "nodigt uit", "nodigt uit", "nodigen uit", "nodigen uit", "nodigen uit"],
     ["nodigde uit", "nodigden uit"], "nodig uit", "uitnodigend", "uitgenodigd"),
    ("voorbereiden", ["bereid voor", "bereidt voor", "bereidt voor", "bereiden voor", "bereiden voor",
                      "bereiden voor"], ["bereidde voor", "bereidden voor"], "bereid voor", "voorbereidend",
     "voorbereid"),
    ("liefhebben", ["heb lief", "hebt lief", "heeft lief", "hebben lief", "hebben lief", "hebben lief"],
     ["had lief", "hadden lief"], "heb lief", "liefhebbend", "liefgehad"),
])
def test_separable_verbs(verb, present, past, imperative, prespart, pp):
    r = conj(verb)
    assert (r.present, r.past, r.imperative, r.present_participle, r.past_participle) == (
        present, past, imperative, prespart, pp)


@pytest.mark.parametrize("verb,stem,past,pp", [
    # Verbs without a lexicon row: stem, past and participle by the rules.
    ("maken", "maak", "maakte", "gemaakt"),        # open syllable: doubled vowel
    ("wonen", "woon", "woonde", "gewoond"),
    ("wandelen", "wandel", "wandelde", "gewandeld"),  # unstressed -el keeps one e
    ("rekenen", "reken", "rekende", "gerekend"),
    ("bakken", "bak", "bakte", "gebakken"),       # (row) degemination
    ("pakken", "pak", "pakte", "gepakt"),          # degemination by rule
    ("leven", "leef", "leefde", "geleefd"),        # voiced past although the stem ends in f
    ("razen", "raas", "raasde", "geraasd"),        # voiced past although the stem ends in s
    ("verven", "verf", "verfde", "geverfd"),       # ver + three letters: not a prefix
    ("vergen", "verg", "vergde", "gevergd"),
    ("veren", "veer", "veerde", "geveerd"),
    ("beven", "beef", "beefde", "gebeefd"),        # be + three letters
    ("beloven", "beloof", "beloofde", "beloofd"),  # be + four letters
    ("gebeuren", "gebeur", "gebeurde", "gebeurd"),
    ("ontdekken", "ontdek", "ontdekte", "ontdekt"),
    ("herstellen", "herstel", "herstelde", "hersteld"),
    ("lachen", "lach", "lachte", "gelachen"),
    ("faxen", "fax", "faxte", "gefaxt"),           # (row) x after a short vowel
    ("huilen", "huil", "huilde", "gehuild"),       # ui: no doubling
    ("praten", "praat", "praatte", "gepraat"),     # stem in t: no suffix, jij/hij = stem
    ("redden", "red", "redde", "gered"),           # stem in d after degemination
    ("branden", "brand", "brandde", "gebrand"),
])
def test_rule_stems(verb, stem, past, pp):
    r = conj(verb)
    assert r.imperative == stem
    assert r.present[0] == stem
    assert r.past[0] == past and r.past[1] == past + "n"
    assert r.past_participle == pp


@pytest.mark.parametrize("verb,ik,hij,past_sg,pp", [
    # Loans that keep their English spelling in the stem.
    ("appen", "app", "appt", "appte", "geappt"),
    ("e-mailen", "e-mail", "e-mailt", "e-mailde", "ge-e-maild"),
    ("liken", "like", "liket", "likete", "geliket"),
    ("skypen", "skype", "skypet", "skypete", "geskypet"),
    ("updaten", "update", "updatet", "updatete", "geüpdatet"),
    ("timen", "time", "timet", "timede", "getimed"),
    ("saven", "save", "savet", "savede", "gesaved"),
    ("crashen", "crash", "crasht", "crashte", "gecrasht"),
    ("barbecueën", "barbecue", "barbecuet", "barbecuede", "gebarbecued"),
    # An unstressed -er- syllable, with and without a prefix.
    ("betoveren", "betover", "betovert", "betoverde", "betoverd"),
    ("vernederen", "verneder", "vernedert", "vernederde", "vernederd"),
    ("hongeren", "honger", "hongert", "hongerde", "gehongerd"),
    ("koesteren", "koester", "koestert", "koesterde", "gekoesterd"),
    # Inseparable prefixes the participle rule does not know.
    ("mislukken", "misluk", "mislukt", "mislukte", "mislukt"),
    ("overstromen", "overstroom", "overstroomt", "overstroomde", "overstroomd"),
    ("doorzoeken", "doorzoek", "doorzoekt", "doorzocht", "doorzocht"),
    # Strong verbs under a prefix.
    ("gedragen", "gedraag", "gedraagt", "gedroeg", "gedragen"),
    ("herdenken", "herdenk", "herdenkt", "herdacht", "herdacht"),
    ("ontspannen", "ontspan", "ontspant", "ontspande", "ontspannen"),
    ("ontsluiten", "ontsluit", "ontsluit", "ontsloot", "ontsloten"),
    ("bestelen", "besteel", "besteelt", "bestal", "bestolen"),
    ("vergelden", "vergeld", "vergeldt", "vergold", "vergolden"),
    ("volstaan", "volsta", "volstaat", "volstond", "volstaan"),
    # Separable verbs.
    ("samenkomen", "kom samen", "komt samen", "kwam samen", "samengekomen"),
    ("weergeven", "geef weer", "geeft weer", "gaf weer", "weergegeven"),
    ("waarnemen", "neem waar", "neemt waar", "nam waar", "waargenomen"),
    ("toevoegen", "voeg toe", "voegt toe", "voegde toe", "toegevoegd"),
    ("instappen", "stap in", "stapt in", "stapte in", "ingestapt"),
    ("aankondigen", "kondig aan", "kondigt aan", "kondigde aan", "aangekondigd"),
    ("terugbetalen", "betaal terug", "betaalt terug", "betaalde terug", "terugbetaald"),
    ("uitlachen", "lach uit", "lacht uit", "lachte uit", "uitgelachen"),
    ("opladen", "laad op", "laadt op", "laadde op", "opgeladen"),
    ("ophelderen", "helder op", "heldert op", "helderde op", "opgehelderd"),
    ("meespelen", "speel mee", "speelt mee", "speelde mee", "meegespeeld"),
    ("inloggen", "log in", "logt in", "logde in", "ingelogd"),
    ("vrijlaten", "laat vrij", "laat vrij", "liet vrij", "vrijgelaten"),
    ("doorverbinden", "verbind door", "verbindt door", "verbond door", "doorverbonden"),
    ("uitwisselen", "wissel uit", "wisselt uit", "wisselde uit", "uitgewisseld"),
    ("verspelen", "verspeel", "verspeelt", "verspeelde", "verspeeld"),
    ("benemen", "beneem", "beneemt", "benam", "benomen"),
    ("kluiven", "kluif", "kluift", "kloof", "gekloven"),
    ("wringen", "wring", "wringt", "wrong", "gewrongen"),
    ("bezinnen", "bezin", "bezint", "bezon", "bezonnen"),
    ("oplossen", "los op", "lost op", "loste op", "opgelost"),
    ("inchecken", "check in", "checkt in", "checkte in", "ingecheckt"),
    ("inenten", "ent in", "ent in", "entte in", "ingeënt"),
    ("uitbreiden", "breid uit", "breidt uit", "breidde uit", "uitgebreid"),
    ("samenwonen", "woon samen", "woont samen", "woonde samen", "samengewoond"),
    ("toevertrouwen", "vertrouw toe", "vertrouwt toe", "vertrouwde toe", "toevertrouwd"),
    ("aanwakkeren", "wakker aan", "wakkert aan", "wakkerde aan", "aangewakkerd"),
    ("invriezen", "vries in", "vriest in", "vroor in", "ingevroren"),
])
def test_verbs_the_rules_got_wrong(verb, ik, hij, past_sg, pp):
    r = conj(verb)
    assert r.present[:3] == [ik, hij, hij]
    assert r.imperative == ik
    assert r.past[0] == past_sg
    assert r.past_participle == pp


@pytest.mark.parametrize("verb,pp", [
    # ge- before a stem in e, i or u takes the diaeresis (verbs without rows).
    ("excuseren", "geëxcuseerd"), ("intimideren", "geïntimideerd"), ("urineren", "geürineerd"),
    ("eisen", "geëist"), ("informeren", "geïnformeerd"), ("euthanaseren", "geëuthanaseerd"),
    # ... but not before ij or ui, nor before other vowels.
    ("ijken", "geijkt"), ("uiten", "geuit"), ("oefenen", "geoefend"), ("ademen", "geademd"),
    # A letter and a hyphen: ge- with a hyphen.
    ("e-mailen", "ge-e-maild"),
    # No ge-, no diaeresis.
    ("beëindigen", "beëindigd"), ("erkennen", "erkend"),
])
def test_participle_diaeresis(verb, pp):
    assert conj(verb).past_participle == pp


def test_stem_in_t_keeps_the_bare_stem():
    r = conj("praten")
    assert r.present[:3] == ["praat", "praat", "praat"]
    assert r.past_participle == "gepraat"


@pytest.mark.parametrize("word,stem,past,pp", [
    # Made-up words that probe the rules only.
    ("bluzzen", "bluz", "bluzde", "gebluzd"),      # zz: loses one letter, not devoiced
    ("kravven", "krav", "kravde", "gekravd"),
    ("snoemen", "snoem", "snoemde", "gesnoemd"),   # oe: no doubling
    ("plémen", "plém", "plémde", "geplémd"),       # accented vowels are never doubled
    ("kaaken", "kaak", "kaakte", "gekaakt"),       # aa: no doubling
    ("tagen", "taag", "taagde", "getaagd"),
])
def test_rule_probes(word, stem, past, pp):
    r = conj(word)
    assert (r.imperative, r.past[0], r.past_participle) == (stem, past, pp)


@pytest.mark.parametrize("text,lemma", [
    ("werken", "werken"),
    ("Werken", "werken"),
    ("WERKEN", "werken"),
    ("te werken", "werken"),
    ("Te werken", "werken"),
    ("  te   werken \t", "werken"),
    ("\u00a0gaan\u2003", "gaan"),
    ("Opstaan", "opstaan"),
    ("SKIËN", "skiën"),
    ("sms\u2019en", "sms\u2019en"),
    ("e-mailen", "e-mailen"),
])
def test_analysis(text, lemma):
    assert conj(text).infinitive == lemma


@pytest.mark.parametrize("text", [
    "", "   ", "te ", "te", " te  ", "en", "werk", "maan", "baan", "blaan",
    "te te werken", "werken lopen", "wer ken", "werk\u00a0en", "werken!", "wer1ken", "werk\u00a8en",
    "werk_en", "werk.en", "werk\u200ben", "werken\u0301",
])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == "not a Dutch infinitive"


def test_letters_of_any_script_pass_the_character_test():
    assert conj("\u0434\u0430en").infinitive == "\u0434\u0430en"


@pytest.mark.parametrize("verb,stem,past,pp", [
    # A single i before one consonant is never doubled: "ii" is no Dutch
    # spelling (these -igen verbs have no lexicon row).
    ("beangstigen", "beangstig", "beangstigde", "beangstigd"),
    ("verhevigen", "verhevig", "verhevigde", "verhevigd"),
    ("ledigen", "ledig", "ledigde", "geledigd"),
    ("tuchtigen", "tuchtig", "tuchtigde", "getuchtigd"),
])
def test_i_is_not_doubled(verb, stem, past, pp):
    r = conj(verb)
    assert (r.imperative, r.present[1], r.past[0], r.past_participle) == (stem, stem + "t", past, pp)


def test_class_shape():
    r = conj("werken")
    cls = type(r)
    assert cls.__name__ == "DutchConjugation"
    assert cls.__doc__ == DOC
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ATTRIBUTES
    assert all((vars(cls)[n].__doc__ or "") == "" for n in names)
    assert isinstance(r.present, list) and len(r.present) == 6
    assert isinstance(r.past, list) and len(r.past) == 2
    r.present.append("x")
    assert len(r.present) == 6  # every read makes a new list
    with pytest.raises(AttributeError):
        r.imperative = "x"
    with pytest.raises(TypeError):
        cls()


@pytest.mark.parametrize("text,shown", [
    ("werken", 'DutchConjugation("werken")'),
    (" Te Gaan ", 'DutchConjugation("gaan")'),
    ("sms'en", 'DutchConjugation("sms\'en")'),
    ("skiën", 'DutchConjugation("skiën")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def read_lexicon():
    with open(DATA, encoding="utf-8") as f:
        text = f.read()
    assert text.endswith("\n")
    lines = text.split("\n")[:-1]
    header = [line for line in lines if line.startswith("#")]
    rows = [line for line in lines if line and not line.startswith("#")]
    return lines, header, rows


def test_lexicon_shape():
    lines, header, rows = read_lexicon()
    assert lines[:5] == header and len(header) == 5
    assert header[4] == HEADER
    lemmas = [row.split("\t")[0] for row in rows]
    assert len(lemmas) == len(set(lemmas))
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 8, row
        assert cells[1] and cells[1] != "-", row
        present = cells[2].split(",")
        assert len(present) == 6 and all(present), row
        assert all(cell == cell.strip() for cell in cells), row
        assert all(c != "-" for c in cells), row
    for quoted in [
        "bedenken\tbedenk\tbedenk,bedenkt,bedenkt,bedenken,bedenken,bedenken\tbedacht\tbedachten\tbedacht\tbedenk"
        "\tbedenkend",
        "ankeren\tanker\tanker,ankert,ankert,ankeren,ankeren,ankeren\tankerde\tankerden\tgeankerd\tanker\tankerend",
        "gaan\tga\tga,gaat,gaat,gaan,gaan,gaan\tging\tgingen\tgegaan\tga\tgaand",
        "skiën\tski\tski,skiet,skiet,skiën,skiën,skiën\tskiede\tskieden\tgeskied\tski\tskiënd",
        "zijn\tben\tben,bent,is,zijn,zijn,zijn\twas\twaren\tgeweest\twees\tzijnd",
    ]:
        assert quoted in rows


def test_every_lexicon_row_conjugates_to_its_cells():
    _, _, rows = read_lexicon()
    for row in rows:
        lemma, _stem, pres, past_sg, past_pl, pp, imp, prespart = row.split("\t")
        r = conj(lemma)
        assert r.infinitive == lemma
        assert r.present == pres.split(","), lemma
        assert r.past == [past_sg, past_pl], lemma
        assert (r.past_participle, r.imperative, r.present_participle) == (pp, imp, prespart), lemma


def test_lexicon_lemmas_take_no_rule_path():
    # Lemmas without -en (gaan, skiën, zijn) exist only through their rows.
    _, _, rows = read_lexicon()
    odd = sorted(row.split("\t")[0] for row in rows if not row.split("\t")[0].endswith("en"))
    assert "gaan" in odd and "skiën" in odd and "zijn" in odd
    assert all(lemma.endswith(("aan", "ën", "zijn")) for lemma in odd)
