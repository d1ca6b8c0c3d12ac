import gc
import inspect
import os
import subprocess
import sys
import textwrap

import pytest

import velnor
from conftest import AVAILABLE, LANGUAGES, REGISTRATION_ORDER, ROOT, cpp_module, cpp_tool, read_test_data

CODES = {line.split("\t")[0]: line.split("\t")[1].split(" ")
         for line in read_test_data("language_codes.tsv").splitlines() if not line.startswith("#")}
ALL_CODES = [(code, lang) for lang, codes in CODES.items() for code in codes]


def resolved_language(code):
    """Which language a code reaches, judged by what the call does with it."""
    try:
        result = velnor.conjugate("\u2603", lang=code)  # a snowman is no verb anywhere
    except NotImplementedError as e:
        names = [lang for lang, info in LANGUAGES.items() if str(e) == f"{info[0]} conjugation is not available yet"]
        return names[0] if names else None
    except ValueError as e:
        msg = str(e)
        assert not msg.startswith("unknown language"), msg
        for lang, info in LANGUAGES.items():
            if any(msg == m or (m.endswith(": ") and msg.startswith(m)) for m in info[2]):
                return lang
        return None
    return next(lang for lang, info in LANGUAGES.items() if type(result).__name__ == info[1])


def test_all_119_codes_resolve_to_their_language():
    assert len(ALL_CODES) == 119
    assert len({c for c, _ in ALL_CODES}) == 119
    for code, lang in ALL_CODES:
        assert resolved_language(code) == lang, code


def test_readme_lists_the_accepted_codes():
    """The README's language table names exactly the accepted codes and names of each language."""
    with open(os.path.join(ROOT, "README.md"), encoding="utf-8") as f:
        rows = [line.split("|")[1:-1] for line in f if line.startswith("| ") and line.count("|") == 5]
    listed = {}
    for code, also, _language, _class in rows[1:]:
        listed[code.strip()] = [code.strip(), *[c.strip() for c in also.split(",")]]
    assert {lang: sorted(codes) for lang, codes in listed.items()} == {
        lang: sorted(codes) for lang, codes in CODES.items()}


@pytest.mark.parametrize("code,lang", [("DE", "deu"), ("Deu", "deu"), ("GERMAN", "deu"), ("FRE", "fra"),
                                       ("French", "fra"), ("Català", "cat"), ("Türkçe", "tur"), ("FAS", "pes"),
                                       ("Slovene", "slv"), ("KiSwAhIlI", "swa")])
def test_ascii_case_is_folded(code, lang):
    assert resolved_language(code) == lang


@pytest.mark.parametrize("code", ["", "d", "de ", " de", "de-DE", "pt_BR", "dut", "nb", "CATALÀ", "TÜRKÇE",
                                  "x" * 16, "portuguese" * 2, "german\0", "मराठी ", "e\u0301s", "deutsch",
                                  "Eastern Armenian", "eastern_armenian", "Armenian (Eastern)", "hye-AM"])
def test_unknown_codes_are_reported_as_passed(code):
    with pytest.raises(ValueError) as e:
        velnor.conjugate("gehen", lang=code)
    assert e.value.args == ("unknown language: " + code,)


@pytest.mark.parametrize("code,named", [
    ("x" * 50, "x" * 50),
    ("x" * 51, "x" * 50 + "\u2026"),
    ("ü" * 60, "ü" * 50 + "\u2026"),
    ("ab" + "\U0001F600" * 100, "ab" + "\U0001F600" * 48 + "\u2026"),
    ("de" * 500_000, "de" * 25 + "\u2026"),
])
def test_long_unknown_codes_are_named_by_their_start(code, named):
    with pytest.raises(ValueError) as e:
        velnor.conjugate("gehen", lang=code)
    assert e.value.args == ("unknown language: " + named,)


def test_code_is_resolved_before_the_word():
    with pytest.raises(ValueError, match="^unknown language: xx$"):
        velnor.conjugate("", "xx")


@pytest.mark.parametrize(
    "args,kwargs,message",
    [
        ((), {}, "conjugate() missing 1 required positional argument: 'infinitive'"),
        (("a", "b", "c"), {}, "conjugate() takes from 1 to 2 positional arguments but 3 were given"),
        (("a", "de", 3, 4), {}, "conjugate() takes from 1 to 2 positional arguments but 4 were given"),
        (("a", "de", 3), {"bogus": 1}, "conjugate() takes from 1 to 2 positional arguments but 3 were given"),
        (("gehen",), {"language": "deu"}, "conjugate() got an unexpected keyword argument 'language'"),
        (("gehen",), {"infinitive": "gehen"}, "conjugate() got multiple values for argument 'infinitive'"),
        (("gehen", "de"), {"lang": "de"}, "conjugate() got multiple values for argument 'lang'"),
        ((), {"lang": "de"}, "conjugate() missing 1 required positional argument: 'infinitive'"),
        ((), {"lang": 5, "x": 1}, "conjugate() got an unexpected keyword argument 'x'"),
        ((b"gehen",), {}, "argument 'infinitive': 'bytes' object cannot be converted to 'PyString'"),
        ((5,), {"lang": 5}, "argument 'infinitive': 'int' object cannot be converted to 'PyString'"),
        (("gehen",), {"lang": None}, "argument 'lang': 'NoneType' object cannot be converted to 'PyString'"),
        (("gehen", b"de"), {}, "argument 'lang': 'bytes' object cannot be converted to 'PyString'"),
        ((["gehen"],), {}, "argument 'infinitive': 'list' object cannot be converted to 'PyString'"),
        ((inspect.Parameter.empty,), {}, "argument 'infinitive': 'type' object cannot be converted to 'PyString'"),
    ],
)
def test_argument_errors_in_order(args, kwargs, message):
    with pytest.raises(TypeError) as e:
        velnor.conjugate(*args, **kwargs)
    assert str(e.value) == message


def test_nested_type_qualname_in_message():
    class Outer:
        class Inner:
            pass

    with pytest.raises(TypeError, match=r"^argument 'infinitive': 'test_nested_type_qualname_in_message."
                                        r"<locals>.Outer.Inner' object"):
        velnor.conjugate(Outer.Inner())


def test_str_subclasses_are_accepted():
    class S(str):
        pass

    with pytest.raises(ValueError, match="^unknown language: xx$"):
        velnor.conjugate(S("gehen"), lang=S("xx"))


def test_lone_surrogate_in_the_word_raises_unicode_encode_error():
    with pytest.raises(UnicodeEncodeError):
        velnor.conjugate(infinitive="\ud800")


@pytest.mark.parametrize("code,named", [("d\udc00", "d\udc00"), ("\ud800" * 60, "\ud800" * 50 + "\u2026")])
def test_lone_surrogate_in_the_code_is_an_unknown_language(code, named):
    with pytest.raises(ValueError) as e:
        velnor.conjugate("gehen", lang=code)
    assert type(e.value) is ValueError and e.value.args == ("unknown language: " + named,)


def test_module_attributes():
    assert velnor.__doc__ == ""
    registered = [name for name in REGISTRATION_ORDER if hasattr(velnor, name)]
    assert velnor.__all__ == registered + ["conjugate"]
    for name in registered:
        assert isinstance(getattr(velnor, name), type)
    missing = [name for name in REGISTRATION_ORDER if name not in registered]
    assert len(registered) + len(missing) == 34


def test_conjugate_function_record():
    f = velnor.conjugate
    assert str(inspect.signature(f)) == "(infinitive, lang='deu')"
    assert f.__text_signature__ == '(infinitive, lang="deu")'
    assert f.__name__ == "conjugate" and f.__module__ == "velnor" and f.__self__ is velnor
    assert f.__doc__ == (
        'Conjugate an infinitive: `velnor.conjugate("aufstehen").present[0]`\n'
        '\u2192 "stehe auf", `velnor.conjugate("parler", lang="fra").present[0]`\n'
        '\u2192 "parle". Raises ValueError for unknown languages and for strings\n'
        "that are not infinitives of the requested language."
    )


def test_reimport_returns_the_same_module():
    first = sys.modules.pop("velnor")
    try:
        import velnor as again

        assert again is first
    finally:
        sys.modules["velnor"] = first


SECOND_INTERPRETER = textwrap.dedent(
    """
    import velnor
    # An interpreter that shares the first one's lock, so that the import reaches the module's own check (an
    # isolated one refuses a single-phase module before the module runs).
    try:
        import _interpreters as interpreters  # 3.13 on
        interp = interpreters.create("legacy")
        failure = interpreters.run_string(interp, "import velnor")
        print(failure.formatted if failure else "imported")
    except ImportError:
        import _xxsubinterpreters as interpreters  # 3.11, 3.12
        interp = interpreters.create(isolated=False)
        try:
            interpreters.run_string(interp, "import velnor")
            print("imported")
        except interpreters.RunFailedError as e:
            print(e)
    interpreters.destroy(interp)
    import velnor as again
    print(again is velnor)
    """
)


def test_second_interpreter_is_refused():
    proc = subprocess.run([sys.executable, "-c", SECOND_INTERPRETER], capture_output=True, text=True)
    assert proc.returncode == 0, proc.stderr[-2000:]
    refusal, same = proc.stdout.splitlines()
    assert "ImportError" in refusal and refusal.endswith(
        ": velnor does not support subinterpreters: it can only be imported in one interpreter per process")
    assert same == "True"


def test_unavailable_languages_say_so():
    for lang, info in LANGUAGES.items():
        if lang in AVAILABLE:
            continue
        with pytest.raises(NotImplementedError, match=f"^{info[0]} conjugation is not available yet$"):
            velnor.conjugate(info[3], lang=lang)


# ---- result classes, for every language built in ----

def sample(lang):
    return velnor.conjugate(LANGUAGES[lang][3], lang=lang)


def class_docs():
    """code -> [(attribute or "" for the class, docstring)] from tests/data/classes.tsv."""
    docs = {}
    for line in read_test_data("classes.tsv").splitlines():
        if line and not line.startswith("#"):
            code, attr, doc = line.split("\t")
            docs.setdefault(code, []).append((attr, doc.replace("\\n", "\n")))
    return docs


CLASS_DOCS = class_docs()


@pytest.mark.parametrize("lang", AVAILABLE)
def test_result_class_machinery(lang):
    name = LANGUAGES[lang][1]
    obj = sample(lang)
    cls = type(obj)
    assert cls is getattr(velnor, name)
    assert cls.__name__ == cls.__qualname__ == name and cls.__module__ == "builtins"
    attrs = [k for k, v in vars(cls).items() if inspect.isgetsetdescriptor(v)]
    documented = [("", cls.__doc__)] + [(attr, getattr(cls, attr).__doc__ or "") for attr in attrs]
    assert documented == CLASS_DOCS[lang]
    assert [k for k in dir(cls) if not k.startswith("_")] == sorted(attrs)
    with pytest.raises(TypeError, match=f"^No constructor defined for {name}$"):
        cls()
    with pytest.raises(TypeError):
        type("Sub", (cls,), {})
    for attr in attrs:
        with pytest.raises(AttributeError):
            setattr(obj, attr, "x")
        with pytest.raises(AttributeError):
            delattr(obj, attr)
        first, second = getattr(obj, attr), getattr(obj, attr)
        assert first == second
        if isinstance(first, list):
            assert first is not second
            first.append("changed")
            assert getattr(obj, attr) == second
    with pytest.raises(AttributeError):
        obj.no_such_attribute = 1
    assert repr(obj).startswith(name + '("')
    assert obj == obj and obj != sample(lang)


@pytest.mark.parametrize("lang", AVAILABLE)
def test_results_are_released(lang):
    word = LANGUAGES[lang][3]
    for _ in range(200):
        velnor.conjugate(word, lang=lang)
    gc.collect()
    before = sys.getallocatedblocks()
    for _ in range(500):  # one object kept per call would show as 500 blocks
        obj = velnor.conjugate(word, lang=lang)
        for attr in dir(obj):
            getattr(obj, attr)
        del obj
    gc.collect()
    assert sys.getallocatedblocks() - before < 100


# ---- the quoted form of __repr__ ----

QUOTE_TOOL = cpp_tool("quote_check.cpp", ["quote.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp"])


@pytest.fixture(scope="module")
def quote():
    def run(*texts):
        out = subprocess.run([QUOTE_TOOL.result()], input="\x1e".join(texts).encode(), capture_output=True,
                             check=True).stdout
        return out.decode().split("\n")[: len(texts)]

    return run


def test_quoting_rules(quote):
    cases = {
        'say "hi"\\\n': '"say \\"hi\\"\\\\\\n"',
        "\0\t\r": '"\\0\\t\\r"',
        "l'été": '"l\'été"',
        "e\u0301": '"e\\u{301}"',
        "\u200b\u00a0\u007f": '"\\u{200b}\\u{a0}\\u{7f}"',
        "\u0941\u0915": '"\\u{941}क"',
        "a b\u3000c\u2028": '"a b\\u{3000}c\\u{2028}"',
        "\ue000\U000e0001\U0010ffff": '"\\u{e000}\\u{e0001}\\u{10ffff}"',
        "\u0378": '"\\u{378}"',  # unassigned
        "日本語 😀": '"日本語 😀"',
        "": '""',
    }
    assert quote(*cases) == list(cases.values())


# A module whose two result classes share one table type (tests/cpp/shared_table.cpp): each repr names its own
# class and reads its own fields.
SHARED_TABLE = cpp_module(["../tests/cpp/shared_table.cpp"],
                          ["hin.cpp", "brahmic.cpp", "lexicon_text.cpp", "unicode.cpp", "unicode_tables.cpp",
                           "utf8.cpp", "quote.cpp"], data=[f"{ROOT}/data/hin.tsv"])


def test_repr_of_classes_sharing_a_table_type():
    module = SHARED_TABLE.result()
    code = "import velnor; print(repr(velnor.conjugate('करना', lang='hin')), repr(velnor.conjugate('करना', lang='urd')))"
    proc = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                          cwd=os.path.dirname(module), env=dict(os.environ, PYTHONPATH=os.path.dirname(module)))
    assert proc.returncode == 0, proc.stderr[-2000:]
    assert proc.stdout.split() == ['FirstConjugation("करना")', 'SecondConjugation("करन\\u{947}",', 'of="करना")']
