"""Tagalog conjugation: analysis of the root, the affix-class lexicon, the
voice and aspect forms and the TagalogConjugation class."""
import os
import re
import subprocess

import pytest

import velnor
from conftest import build_cpp_tool, needs, read_test_data

pytestmark = needs("tgl")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "tgl.tsv")
COLUMNS = "# root\tactor\tpatient\th\tpfv_ag\tipfv_ag\tcont_ag\tpfv_pf\tipfv_pf\tcont_pf"
VOWEL = re.compile("[aeiouAEIOU]")


def conj(word):
    return velnor.conjugate(word, lang="tgl")


def lexicon_rows():
    with open(DATA, encoding="utf-8", newline="") as f:
        text = f.read()
    lines = text.split("\n")
    assert lines[-1] == "", "the lexicon ends with a line feed"
    return lines[:-1]


def known_forms():
    rows = []
    for line in read_test_data("tgl_forms.tsv").splitlines():
        if line and not line.startswith("#"):
            rows.append(line.split("\t"))
    return rows


# -- the lexicon text -------------------------------------------------------

def test_lexicon_header():
    lines = lexicon_rows()
    assert lines[0] == "# Tagalog verb lexicon: the lexical affix class of each root,"
    assert all(line.startswith("# ") for line in lines[:4])
    assert lines[4] == COLUMNS
    assert not any(line.startswith("#") for line in lines[5:])


def test_every_lexicon_row_has_its_shape_and_conjugates():
    roots = []
    for line in lexicon_rows()[5:]:
        cells = line.split("\t")
        assert len(cells) == 10, line
        root, actor, patient, h = cells[:4]
        assert root == root.lower() and root.strip() == root and " " not in root, line
        assert actor in ("um", "mag", "ma", "mang"), line
        assert patient in ("in", "an", "i", "-"), line
        assert h in ("0", "1"), line
        assert all(c == "-" or (c and "\t" not in c) for c in cells[4:]), line
        roots.append(root)
        r = conj(root)
        assert r.infinitive == root
        assert all(r.actor), line
        # every stored override shows through in its slot
        for i, stored in enumerate(cells[4:]):
            if stored != "-":
                assert (r.actor + r.patient)[i] == stored, (line, i)
        if patient == "-":
            assert r.patient == ["", "", ""]
        else:
            assert all(r.patient), line
        if actor == "um" and cells[4] == "-":
            assert "um" in r.actor[0]
        if actor == "mag" and cells[4] == "-":
            assert r.actor[0].startswith("nag") and r.actor[2].startswith("mag")
    assert roots == sorted(roots), "rows are sorted by root"
    assert len(set(roots)) == len(roots), "no repeated root"


def test_h_clear_rows():
    rows = [line.split("\t") for line in lexicon_rows()[5:]]
    assert [r[0] for r in rows if r[3] == "0"] == ["akala", "alaga", "bati", "bawi", "buo", "hati", "kuha", "likha", "luto", "maneho", "ngiti", "pili", "sira", "suri", "trabaho"]


# -- common verbs, slot by slot ----------------------------------------------

KNOWN = known_forms()


def test_known_table_is_large():
    assert len(KNOWN) >= 100


@pytest.mark.parametrize("row", KNOWN, ids=[r[0] for r in KNOWN])
def test_common_verbs(row):
    root, expected = row[0], row[1:]
    r = conj(root)
    got = r.actor + r.patient
    for slot, (want, have) in enumerate(zip(expected, got)):
        if want != "*":
            assert have == want, (root, slot)


# -- analysis of the input ---------------------------------------------------

@pytest.mark.parametrize("text", ["", "   ", "\t\n", "dating rating", "kain\tkain", "ka in", "kain\u00a0x"])
def test_refused_inputs(text):
    with pytest.raises(ValueError, match="^not a Tagalog verb root$"):
        conj(text)


@pytest.mark.parametrize("text", [" kain ", "KAIN", "\u3000Kain\n", "kAiN"])
def test_trimmed_and_lower_cased(text):
    r = conj(text)
    assert r.infinitive == "kain"
    assert r.actor == ["kumain", "kumakain", "kakain"]


def test_unlisted_roots_take_um_and_in_with_h():
    assert conj("putol").actor == ["pumutol", "pumuputol", "puputol"]
    assert conj("putol").patient == ["pinutol", "pinuputol", "puputulin"]
    r = conj("xyz1")
    assert r.infinitive == "xyz1"
    assert r.actor == ["xumyz1", "xumyz1", "xyz1"]   # no vowel: nothing to copy
    assert r.patient == ["xinyz1", "xinyz1", "xyz1in"]


def test_apostrophe_root_is_its_own_entry():
    plain, glottal = conj("alaga"), conj("alaga'")
    assert plain.patient == ["inalagaan", "inaalagaan", "aalagaan"]       # an, h clear
    assert glottal.patient == ["inalaga'", "inaalaga'", "aalaga'in"]      # in; "'" is no vowel
    assert glottal.actor == ["nag-alaga'", "nag-aalaga'", "mag-aalaga'"]


# -- the rules ---------------------------------------------------------------

def test_d_to_r_variant_is_dropped_from_the_table():
    r = conj("dating")
    assert r.actor == ["dumating", "dumarating", "darating"]
    assert conj("dala").actor[1] == "nagdadala"


def test_overrides_replace_single_slots():
    r = conj("kita")
    assert r.actor == ["nagpakita", "kumikita", "kikita"]
    assert r.patient == ["ipinakita", "ipinapakita", "ipapakita"]
    assert conj("inis").actor == ["nainis", "naiinis", "maiinis"]


def test_h_flag_only_before_a_final_vowel():
    assert conj("basa").patient[2] == "babasahin"
    assert conj("akala'").patient[2] == "aakala'in"   # "'" is no vowel
    assert conj("akala").patient[2] == "aakalain"     # h clear
    assert conj("kain").patient[2] == "kakainin"      # consonant: no h


@pytest.mark.parametrize("root,actor", [
    ("takot", ["nanakot", "nananakot", "mananakot"]),     # t -> n
    ("tukso", ["nanukso", "nanunukso", "manunukso"]),
    ("kulam", ["nangulam", "nangungulam", "mangungulam"]),  # k -> ng
    ("galit", ["nanggalit", "nanggagalit", "manggagalit"]),  # other consonant keeps it
    ("hiram", ["nanghiram", "nanghihiram", "manghihiram"]),
])
def test_mang_nasal_assimilation(root, actor):
    assert conj(root).actor == actor
    assert "-" not in "".join(conj(root).actor)


def test_o_raised_before_an_in_every_aspect():
    assert conj("tulog").patient == ["tinulugan", "tinutulugan", "tutulugan"]
    # without a suffix the o stays
    assert conj("sagot").patient == ["sinagot", "sinasagot", "sasagutin"]


def test_accented_letters_are_vowels():
    # the copied syllable takes the plain vowel, the accent stays in place
    assert conj("tákot").actor == ["natákot", "natatákot", "matatákot"]
    assert conj("tákot").patient == ["tinákot", "tinatákot", "tatákutin"]


def test_non_latin_roots_do_not_break_the_rules():
    for word in ["日本", "ñoño", "a", "é", "'", "x"]:
        r = conj(word)
        assert len(r.actor) == 3 and len(r.patient) == 3
    assert conj("a").actor == ["uma", "umaa", "aa"]


# -- the class ---------------------------------------------------------------

def test_class_shape_and_repr():
    r = conj("kain")
    assert type(r).__name__ == "TagalogConjugation"
    assert repr(r) == 'TagalogConjugation("kain")'
    assert type(r).__doc__ == (
        "The conjugation of one Tagalog verb (see `velnor::tgl`). Each voice\n"
        "row is [perfective, imperfective, contemplated]; `patient` holds\n"
        "empty strings when the root takes no patient voice.")
    with pytest.raises(TypeError):
        type(r)()
    with pytest.raises(AttributeError):
        r.actor = []
    first = r.actor
    first.append("x")
    assert r.actor == ["kumain", "kumakain", "kakain"]
    assert r.actor is not r.actor


# -- the engine's own lists (variants and "ni" forms), on a test lexicon ----

@pytest.fixture(scope="module")
def checker(tmp_path_factory):
    src = tmp_path_factory.mktemp("tgl_data")
    (src / "tgl.tsv").write_bytes((
        "# test lexicon\r\n"
        "\n"
        "dating\tum\tin\t1\r\n"
        "dala\tmag\tin\t1\n"
        "tulog\tma\tx\t1\n"
        "short\tmag\tan\n"
        "dup\tmag\tan\t1\n"
        "dup\tma\ti\t0\t-\t\tna-dup\t-\t-\t-\textra\n"
        "kita\tzzz\ti\t1\tnagpakita\n"
        "sulat\tum\tan\t1\n"
        "bili\tmang\tin\t1\n"
        "dasal\tmang\tin\t1\n"
        "aral\tmang\tan\t1\n").encode("utf-8"))
    exe = build_cpp_tool(tmp_path_factory.mktemp("tgl_tool"), "tgl_check.cpp",
                         ["tgl.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(src / "tgl.tsv")])

    def run(*roots):
        p = subprocess.run([exe, *roots], capture_output=True, text=True, encoding="utf-8", check=True)
        return {line.split("\t")[0]: line.split("\t")[1:] for line in p.stdout.splitlines()}

    return run


def test_lexicon_parse(checker):
    out = checker("dating", "tulog", "short", "dup", "kita", "unknown", "dating rating", " ")
    assert out["dating"][:3] == ["0", "0", "1"]
    assert out["tulog"][:3] == ["3", "255", "1"]         # unknown patient cell: no patient voice
    assert out["tulog"][6:] == ["", "", ""]
    assert out["short"][:3] == ["0", "0", "1"]           # fewer than four cells: skipped
    assert out["dup"][:3] == ["3", "2", "0"]             # the later row wins
    assert out["dup"][3:6] == ["nadup|narup", "nadudup|narudup", "na-dup"]  # "" and "-" leave the rule
    assert out["kita"][:4] == ["0", "2", "1", "nagpakita"]     # unknown actor cell: um
    assert out["dating rating"] == ["NONE"] and out[" "] == ["NONE"]


def test_variants_and_ni_forms(checker):
    out = checker("dating", "dala", "kain", "sulat", "inom")
    assert out["dating"][3:] == ["dumating", "dumadating|dumarating", "dadating|darating",
                                 "dinating|nidating", "dinadating|dinarating|nidadating", "dadatingin|daratingin"]
    assert out["dala"][4] == "nagdadala|nagdarala"
    assert out["kain"][6:] == ["kinain|nikain", "kinakain|nikakain", "kakainin"]
    assert out["sulat"][6:] == ["sinulatan|nisulatan", "sinusulatan|nisusulatan", "susulatan"]
    assert out["inom"][6:] == ["ininom", "iniinom", "iinumin"]   # vowel-initial: no "ni" form


def test_mang_other_onsets(checker):
    out = checker("bili", "dasal", "aral")
    assert out["bili"][3:6] == ["nambili", "nambibili", "mambibili"]   # b keeps its consonant
    assert out["dasal"][3:6] == ["nandasal", "nandadasal|nandarasal", "mandadasal|mandarasal"]
    assert out["aral"][3:6] == ["nang-aral", "nang-aaral", "mang-aaral"]


@pytest.mark.parametrize("root, actor, patient", [
    ("laro", ["naglaro", "naglalaro", "maglalaro"], ["nilaro", "nilalaro", "lalaruin"]),
    ("linis", ["naglinis", "naglilinis", "maglilinis"], ["nilinis", "nililinis", "lilinisin"]),
    ("salita", ["nagsalita", "nagsasalita", "magsasalita"], None),
    ("sunod", ["sumunod", "sumusunod", "susunod"], ["sinunod", "sinusunod", "susundin"]),
    ("dala", ["nagdala", "nagdadala", "magdadala"], ["dinala", "dinadala", "dadalhin"]),
])
def test_common_roots_regressions(root, actor, patient):
    r = conj(root)
    assert r.actor == actor
    if patient is not None:
        assert r.patient == patient
