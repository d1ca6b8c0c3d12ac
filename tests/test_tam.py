"""Tamil conjugation: root analysis, the stem lexicon, vowel-sign joining,
the finite rows and the TamilConjugation class."""
import os

import pytest

import velnor
from conftest import needs

pytestmark = needs("tam")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "tam.tsv")
ATTRIBUTES = [
    "root", "present", "past", "future", "infinitive", "adverbial", "relative_past", "relative_present",
    "relative_future", "conditional", "imperative",
]
DOC = ("The conjugation of one Tamil verb (see `velnor::tam`). Finite rows\n"
       "are [1sg, 1pl, 2sg, 2pl, 3sg m, 3sg f, 3sg hon, 3sg neut, 3pl epicene,\n"
       "3pl neut]; the imperative is [singular, plural].")
VIRAMA = "\u0bcd"
VOWEL_SIGNS = set(chr(c) for c in range(0x0BBE, 0x0BCD)) | {VIRAMA}


def conj(word):
    return velnor.conjugate(word, lang="tam")


def rows():
    with open(DATA, encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f if line.strip() and not line.startswith("#")]


def test_header():
    with open(DATA, encoding="utf-8") as f:
        head = [next(f).rstrip("\n") for _ in range(10)]
    assert all(line.startswith("#") for line in head)
    assert head[4:7] == [
        "# present is the கிற் stem, past the past stem, future the வ்/ப் stem;",
        "# um is the -உம் form, inf the infinitive, imp_pl the plural imperative.",
        "# A `-` cell falls through to the productive weak rule.",
    ]
    assert head[9] == "\t".join(["# lemma", "present", "past", "future", "um", "inf", "imp_pl"])


def test_every_row_is_well_formed_and_used():
    data = rows()
    lemmas = [r[0] for r in data]
    assert len(lemmas) == len(set(lemmas))
    for r in data:
        assert len(r) == 7 and all(cell and cell != "-" for cell in r), r
        lemma, present, past, future, um, inf, imp_pl = r
        assert present.endswith("கிற்") and future[-2:] in ("வ்", "ப்") and um.endswith("ம்"), r
        assert past.endswith(VIRAMA) and imp_pl.endswith("ங்கள்"), r
        c = conj(lemma)
        assert c.present[0] == present[:-1] + "ேன்"
        assert c.future[7] == um and c.relative_future == um and c.infinitive == inf
        assert c.imperative == [lemma, imp_pl]
        for form in c.present + c.past + c.future + [c.adverbial, c.relative_past, c.conditional]:
            for a, b in zip(form, form[1:]):
                assert not (a in VOWEL_SIGNS and b in VOWEL_SIGNS), (lemma, form)


def test_class_shape():
    c = conj("படி")
    assert type(c).__name__ == "TamilConjugation" and type(c).__doc__ == DOC
    assert [a for a in ATTRIBUTES if hasattr(c, a)] == ATTRIBUTES
    for name in ("present", "past", "future"):
        assert len(getattr(c, name)) == 10
    with pytest.raises(AttributeError):
        c.root = "x"
    assert repr(c) == 'TamilConjugation("படி")'


@pytest.mark.parametrize("text", ["", "   ", "\t\n", "படி படி", "படி\u00a0படி", "படி\u2003x"])
def test_rejects(text):
    with pytest.raises(ValueError, match="not a Tamil verb root"):
        conj(text)


@pytest.mark.parametrize("text", [" படி ", "\tபடி\n", "\u3000படி\u00a0"])
def test_trims_outer_white_space(text):
    c = conj(text)
    assert c.root == "படி" and c.present[0] == "படிக்கிறேன்"


def test_agappadu_full_table():
    c = conj("அகப்படு")
    assert c.past == ["அகப்பட்டேன்", "அகப்பட்டோம்", "அகப்பட்டாய்", "அகப்பட்டீர்கள்", "அகப்பட்டான்",
                      "அகப்பட்டாள்", "அகப்பட்டார்", "அகப்பட்டது", "அகப்பட்டார்கள்", "அகப்பட்டன"]
    assert c.present[9] == "அகப்படுகின்றன" and c.present[7] == "அகப்படுகிறது"
    assert c.future[0] == "அகப்படுவேன்" and c.future[7] == "அகப்படும்"
    assert (c.adverbial, c.relative_past, c.relative_present, c.conditional) == (
        "அகப்பட்டு", "அகப்பட்ட", "அகப்படுகிற", "அகப்பட்டால்")
    assert c.imperative == ["அகப்படு", "அகப்படுங்கள்"]


@pytest.mark.parametrize("root", ["அகற்று", "பேசு", "எழுது", "தூங்கு"])
def test_in_past_class(root):
    # Past stems in -இன்: the neuter forms and the participles take -இய/-இ.
    b = root[:-1]
    c = conj(root)
    assert c.past[0] == b + "ினேன்" and c.past[7] == b + "ியது" and c.past[9] == b + "ின"
    assert c.adverbial == b + "ி" and c.relative_past == b + "ிய" and c.conditional == b + "ினால்"


# root: present 1sg, past 1sg, past 3sg neuter, future 1sg, future 3sg neuter,
# infinitive, adverbial, relative past, plural imperative.
COMMON = [
    ("படி", "படிக்கிறேன்", "படித்தேன்", "படித்தது", "படிப்பேன்", "படிக்கும்", "படிக்க", "படித்து", "படித்த", "படியுங்கள்"),
    ("செய்", "செய்கிறேன்", "செய்தேன்", "செய்தது", "செய்வேன்", "செய்யும்", "செய்ய", "செய்து", "செய்த", "செய்யுங்கள்"),
    ("வா", "வருகிறேன்", "வந்தேன்", "வந்தது", "வருவேன்", "வரும்", "வர", "வந்து", "வந்த", "வாருங்கள்"),
    ("தா", "தருகிறேன்", "தந்தேன்", "தந்தது", "தருவேன்", "தரும்", "தர", "தந்து", "தந்த", "தாருங்கள்"),
    ("இரு", "இருக்கிறேன்", "இருந்தேன்", "இருந்தது", "இருப்பேன்", "இருக்கும்", "இருக்க", "இருந்து", "இருந்த", "இருங்கள்"),
    ("பேசு", "பேசுகிறேன்", "பேசினேன்", "பேசியது", "பேசுவேன்", "பேசும்", "பேச", "பேசி", "பேசிய", "பேசுங்கள்"),
    ("பார்", "பார்க்கிறேன்", "பார்த்தேன்", "பார்த்தது", "பார்ப்பேன்", "பார்க்கும்", "பார்க்க", "பார்த்து", "பார்த்த", "பாருங்கள்"),
    ("கேள்", "கேட்கிறேன்", "கேட்டேன்", "கேட்டது", "கேட்பேன்", "கேட்கும்", "கேட்க", "கேட்டு", "கேட்ட", "கேளுங்கள்"),
    ("கொடு", "கொடுக்கிறேன்", "கொடுத்தேன்", "கொடுத்தது", "கொடுப்பேன்", "கொடுக்கும்", "கொடுக்க", "கொடுத்து", "கொடுத்த", "கொடுங்கள்"),
    ("எடு", "எடுக்கிறேன்", "எடுத்தேன்", "எடுத்தது", "எடுப்பேன்", "எடுக்கும்", "எடுக்க", "எடுத்து", "எடுத்த", "எடுங்கள்"),
    ("சாப்பிடு", "சாப்பிடுகிறேன்", "சாப்பிட்டேன்", "சாப்பிட்டது", "சாப்பிடுவேன்", "சாப்பிடும்", "சாப்பிட", "சாப்பிட்டு", "சாப்பிட்ட", "சாப்பிடுங்கள்"),
    ("குடி", "குடிக்கிறேன்", "குடித்தேன்", "குடித்தது", "குடிப்பேன்", "குடிக்கும்", "குடிக்க", "குடித்து", "குடித்த", "குடியுங்கள்"),
    ("எழுது", "எழுதுகிறேன்", "எழுதினேன்", "எழுதியது", "எழுதுவேன்", "எழுதும்", "எழுத", "எழுதி", "எழுதிய", "எழுதுங்கள்"),
    ("தூங்கு", "தூங்குகிறேன்", "தூங்கினேன்", "தூங்கியது", "தூங்குவேன்", "தூங்கும்", "தூங்க", "தூங்கி", "தூங்கிய", "தூங்குங்கள்"),
    ("வாங்கு", "வாங்குகிறேன்", "வாங்கினேன்", "வாங்கியது", "வாங்குவேன்", "வாங்கும்", "வாங்க", "வாங்கி", "வாங்கிய", "வாங்குங்கள்"),
    ("போடு", "போடுகிறேன்", "போட்டேன்", "போட்டது", "போடுவேன்", "போடும்", "போட", "போட்டு", "போட்ட", "போடுங்கள்"),
    ("விடு", "விடுகிறேன்", "விட்டேன்", "விட்டது", "விடுவேன்", "விடும்", "விட", "விட்டு", "விட்ட", "விடுங்கள்"),
    ("ஓடு", "ஓடுகிறேன்", "ஓடினேன்", "ஓடியது", "ஓடுவேன்", "ஓடும்", "ஓட", "ஓடி", "ஓடிய", "ஓடுங்கள்"),
    ("நில்", "நிற்கிறேன்", "நின்றேன்", "நின்றது", "நிற்பேன்", "நிற்கும்", "நிற்க", "நின்று", "நின்ற", "நில்லுங்கள்"),
    ("வில்", "விற்கிறேன்", "விற்றேன்", "விற்றது", "விற்பேன்", "விற்கும்", "விற்க", "விற்று", "விற்ற", "வில்லுங்கள்"),
    ("தின்", "தின்கிறேன்", "தின்றேன்", "தின்றது", "தின்பேன்", "தின்னும்", "தின்ன", "தின்று", "தின்ற", "தின்னுங்கள்"),
    ("உண்", "உண்கிறேன்", "உண்டேன்", "உண்டது", "உண்பேன்", "உண்ணும்", "உண்ண", "உண்டு", "உண்ட", "உண்ணுங்கள்"),
    ("காண்", "காண்கிறேன்", "கண்டேன்", "கண்டது", "காண்பேன்", "காணும்", "காண", "கண்டு", "கண்ட", "காணுங்கள்"),
    ("கொல்", "கொல்கிறேன்", "கொன்றேன்", "கொன்றது", "கொல்வேன்", "கொல்லும்", "கொல்ல", "கொன்று", "கொன்ற", "கொல்லுங்கள்"),
    ("செல்", "செல்கிறேன்", "சென்றேன்", "சென்றது", "செல்வேன்", "செல்லும்", "செல்ல", "சென்று", "சென்ற", "செல்லுங்கள்"),
    ("கொள்", "கொள்கிறேன்", "கொண்டேன்", "கொண்டது", "கொள்வேன்", "கொள்ளும்", "கொள்ள", "கொண்டு", "கொண்ட", "கொள்ளுங்கள்"),
    ("அறி", "அறிகிறேன்", "அறிந்தேன்", "அறிந்தது", "அறிவேன்", "அறியும்", "அறிய", "அறிந்து", "அறிந்த", "அறியுங்கள்"),
    ("தெரி", "தெரிகிறேன்", "தெரிந்தேன்", "தெரிந்தது", "தெரிவேன்", "தெரியும்", "தெரிய", "தெரிந்து", "தெரிந்த", "தெரியுங்கள்"),
    ("வளர்", "வளர்கிறேன்", "வளர்ந்தேன்", "வளர்ந்தது", "வளர்வேன்", "வளரும்", "வளர", "வளர்ந்து", "வளர்ந்த", "வளருங்கள்"),
    ("உட்கார்", "உட்கார்கிறேன்", "உட்கார்ந்தேன்", "உட்கார்ந்தது", "உட்கார்வேன்", "உட்காரும்", "உட்கார", "உட்கார்ந்து", "உட்கார்ந்த", "உட்காருங்கள்"),
    ("வாழ்", "வாழ்கிறேன்", "வாழ்ந்தேன்", "வாழ்ந்தது", "வாழ்வேன்", "வாழும்", "வாழ", "வாழ்ந்து", "வாழ்ந்த", "வாழுங்கள்"),
    ("விழு", "விழுகிறேன்", "விழுந்தேன்", "விழுந்தது", "விழுவேன்", "விழும்", "விழ", "விழுந்து", "விழுந்த", "விழுங்கள்"),
    ("அழு", "அழுகிறேன்", "அழுதேன்", "அழுதது", "அழுவேன்", "அழும்", "அழ", "அழுது", "அழுத", "அழுங்கள்"),
    ("பெறு", "பெறுகிறேன்", "பெற்றேன்", "பெற்றது", "பெறுவேன்", "பெறும்", "பெற", "பெற்று", "பெற்ற", "பெறுங்கள்"),
    ("வை", "வைக்கிறேன்", "வைத்தேன்", "வைத்தது", "வைப்பேன்", "வைக்கும்", "வைக்க", "வைத்து", "வைத்த", "வையுங்கள்"),
    ("சிரி", "சிரிக்கிறேன்", "சிரித்தேன்", "சிரித்தது", "சிரிப்பேன்", "சிரிக்கும்", "சிரிக்க", "சிரித்து", "சிரித்த", "சிரியுங்கள்"),
    ("விளையாடு", "விளையாடுகிறேன்", "விளையாடினேன்", "விளையாடியது", "விளையாடுவேன்", "விளையாடும்", "விளையாட", "விளையாடி", "விளையாடிய", "விளையாடுங்கள்"),
    ("நினை", "நினைக்கிறேன்", "நினைத்தேன்", "நினைத்தது", "நினைப்பேன்", "நினைக்கும்", "நினைக்க", "நினைத்து", "நினைத்த", "நினையுங்கள்"),
    ("அனுப்பு", "அனுப்புகிறேன்", "அனுப்பினேன்", "அனுப்பியது", "அனுப்புவேன்", "அனுப்பும்", "அனுப்ப", "அனுப்பி", "அனுப்பிய", "அனுப்புங்கள்"),
    ("காட்டு", "காட்டுகிறேன்", "காட்டினேன்", "காட்டியது", "காட்டுவேன்", "காட்டும்", "காட்ட", "காட்டி", "காட்டிய", "காட்டுங்கள்"),
]


@pytest.mark.parametrize("row", COMMON, ids=[r[0] for r in COMMON])
def test_common_verbs(row):
    root, prs1, pst1, pst3n, fut1, fut3n, inf, adv, relp, imp = row
    c = conj(root)
    assert (c.present[0], c.past[0], c.past[7], c.future[0], c.future[7]) == (prs1, pst1, pst3n, fut1, fut3n)
    assert (c.infinitive, c.adverbial, c.relative_past, c.imperative) == (inf, adv, relp, [root, imp])
    # The other slots follow the same stems with the person endings.
    assert c.past[4] == pst1[:-3] + "ான்" and c.present[3] == prs1[:-3] + "ீர்கள்"
    assert c.future[8] == fut1[:-3] + "ார்கள்" and c.conditional == pst1[:-3] + "ால்"


@pytest.mark.parametrize("root, past1, um, inf, adv, imp", [
    # Roots that are not listed take the weak rule, written without a vowel
    # sign next to a virama or another vowel sign.
    ("சொருகு", "சொருகினேன்", "சொருகும்", "சொருக", "சொருகி", "சொருகுங்கள்"),
    ("உயர்", "உயர்ந்தேன்", "உயரும்", "உயர", "உயர்ந்து", "உயருங்கள்"),
    ("கவி", "கவிந்தேன்", "கவியும்", "கவிய", "கவிந்து", "கவியுங்கள்"),
])
def test_unlisted_weak_rule(root, past1, um, inf, adv, imp):
    c = conj(root)
    assert c.present[0] == root + "கிறேன்" and c.future[0] == root + "வேன்"
    assert (c.past[0], c.future[7], c.infinitive, c.adverbial, c.imperative[1]) == (past1, um, inf, adv, imp)


# Verb classes checked by their known pattern: strong -இ/-ஐ verbs
# (படிக்கிறேன், படித்தேன், படிப்பேன்), weak -உ verbs with the -இன் past
# (பேசினேன்), weak vowel verbs with the -ந்த் past (அறிந்தேன்) and the
# -படு compounds (அகப்பட்டேன்).
STRONG = "பிடி அடி குளி துடை கற்பி சிந்தி யோசி நேசி வசி சந்தி கவனி தயாரி அனுபவி மன்னி சேமி கிழி உடை சமை அழை".split()
WEAK_IN = ("மாறு ஏறு இறங்கு பழகு உருவாக்கு பயன்படுத்து நிறுத்து திருத்து மாற்று ஊற்று கூறு தங்கு நீங்கு தாங்கு "
           "வணங்கு சுற்று ஏமாற்று தூக்கு திட்டு தட்டு பூட்டு கொட்டு கட்டு ஓட்டு திரும்பு நம்பு தள்ளு பண்ணு "
           "வெட்டு மூடு கழுவு உதவு தொடங்கு தேடு ஆடு பாடு").split()
WEAK_NTH = "அடை நனை மறை பிரி எரி நுழை வரை புரி".split()
PADU = "பயப்படு கவலைப்படு ஆசைப்படு வருத்தப்படு அகப்படு".split()


@pytest.mark.parametrize("root", STRONG)
def test_strong_class(root):
    c = conj(root)
    assert (c.present[0], c.past[2], c.future[1], c.future[7], c.infinitive, c.adverbial, c.imperative[1]) == (
        root + "க்கிறேன்", root + "த்தாய்", root + "ப்போம்", root + "க்கும்", root + "க்க", root + "த்து",
        root + "யுங்கள்")


@pytest.mark.parametrize("root", WEAK_IN)
def test_weak_in_class(root):
    b = root[:-1]
    c = conj(root)
    assert (c.present[5], c.past[5], c.past[9], c.future[5], c.future[7], c.infinitive, c.relative_past) == (
        root + "கிறாள்", b + "ினாள்", b + "ின", root + "வாள்", root + "ம்", b, b + "ிய")


@pytest.mark.parametrize("root", WEAK_NTH)
def test_weak_nth_class(root):
    c = conj(root)
    assert (c.present[0], c.past[0], c.past[9], c.future[7], c.infinitive, c.imperative[1]) == (
        root + "கிறேன்", root + "ந்தேன்", root + "ந்தன", root + "யும்", root + "ய", root + "யுங்கள்")


@pytest.mark.parametrize("root", PADU)
def test_padu_compounds(root):
    b = root[:-2]
    c = conj(root)
    assert (c.past[6], c.adverbial, c.relative_past, c.infinitive, c.future[7]) == (
        b + "ட்டார்", b + "ட்டு", b + "ட்ட", b + "ட", root + "ம்")


# Everyday verbs that once fell through to the weak rule and came out broken.
@pytest.mark.parametrize("root, past1, past3n, pres1, fut1, um, inf, imp", [
    ("போ", "போனேன்", "போனது", "போகிறேன்", "போவேன்", "போகும்", "போக", "போங்கள்"),
    ("சொல்", "சொன்னேன்", "சொன்னது", "சொல்கிறேன்", "சொல்வேன்", "சொல்லும்", "சொல்ல", "சொல்லுங்கள்"),
    ("ஆகு", "ஆனேன்", "ஆனது", "ஆகிறேன்", "ஆவேன்", "ஆகும்", "ஆக", "ஆகுங்கள்"),
    ("நட", "நடந்தேன்", "நடந்தது", "நடக்கிறேன்", "நடப்பேன்", "நடக்கும்", "நடக்க", "நடவுங்கள்"),
    ("திற", "திறந்தேன்", "திறந்தது", "திறக்கிறேன்", "திறப்பேன்", "திறக்கும்", "திறக்க", "திறவுங்கள்"),
    ("விரும்பு", "விரும்பினேன்", "விரும்பியது", "விரும்புகிறேன்", "விரும்புவேன்", "விரும்பும்", "விரும்ப", "விரும்புங்கள்"),
    ("எழு", "எழுந்தேன்", "எழுந்தது", "எழுகிறேன்", "எழுவேன்", "எழும்", "எழ", "எழுங்கள்"),
    ("உறங்கு", "உறங்கினேன்", "உறங்கியது", "உறங்குகிறேன்", "உறங்குவேன்", "உறங்கும்", "உறங்க", "உறங்குங்கள்"),
    ("நீந்து", "நீந்தினேன்", "நீந்தியது", "நீந்துகிறேன்", "நீந்துவேன்", "நீந்தும்", "நீந்த", "நீந்துங்கள்"),
])
def test_everyday_listed_verbs(root, past1, past3n, pres1, fut1, um, inf, imp):
    c = velnor.conjugate(root, lang="tam")
    assert (c.past[0], c.past[7], c.present[0], c.future[0]) == (past1, past3n, pres1, fut1)
    assert (c.future[7], c.infinitive, c.imperative) == (um, inf, [root, imp])
