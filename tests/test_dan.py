"""Danish: the two list parsers, run on lists of our own (C++)."""
import subprocess

from conftest import cpp_tool, needs

pytestmark = needs("dan")

# The files carry the built-in names, so that they take the built-in lists' places.
TOOL = cpp_tool("dan_check.cpp", ["dan.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                texts={"dan.tsv": "# header\r\n\r\n"
                                  "gå\t-\tgik\t-\t-\t-\tgikkes\r\n"
                                  "se\t-\tså\t-\tse\tseende\n"
                                  "gå\t-\tging\t\n"                  # a later row replaces an earlier one
                                  "fem\t1\t2\t3\t4\t5\t6\t7\t8\n"    # cells after the seventh are ignored
                                  "kort\n"
                                  "kan\tkan\t-\t-\t\u2014\t-\n"      # no imperative
                                  "mig\t-\t\u2014\t-\t-\t-\n"        # the mark counts in the imperative cell only
                                  "#skip\t-\tx\n"
                                  "tom\t\t-\t\t-\t\t-",              # no final line feed
                       "dan_aux.tsv": "# lemma\tauxiliary\r\n"
                                      "abe\thar\r\n"
                                      "gå\ter\textra\n"
                                      "notab\n"
                                      "arve\ter/har\n"
                                      "abe\ter\n"
                                      "tom\t\n"})


def test_parsers():
    p = subprocess.run([TOOL.result(), "gå", "se", "fem", "kort", "tom", "kan", "mig", "abe", "arve", "notab",
                        "#skip", "x"], capture_output=True, text=True, encoding="utf-8", check=True)
    out = {row[0]: row[1:] for row in (line.split("\t") for line in p.stdout.splitlines())}
    assert out["gå"] == ["~", "ging", "~", "~", "~", "~", "0", "er"]
    assert out["se"] == ["~", "så", "~", "se", "seende", "~", "0", "~"]
    assert out["fem"] == ["1", "2", "3", "4", "5", "6", "0", "~"]
    assert out["kort"] == ["~"] * 6 + ["0", "~"]
    assert out["tom"] == ["~"] * 6 + ["0", ""]
    assert out["kan"] == ["kan", "~", "~", "~", "~", "~", "1", "~"]
    assert out["mig"] == ["~", "\u2014", "~", "~", "~", "~", "0", "~"]
    assert out["abe"] == ["NOROW", "er"]
    assert out["arve"] == ["NOROW", "er/har"]
    assert out["notab"] == ["NOROW", "~"]
    assert out["#skip"] == ["NOROW", "~"]
    assert out["x"] == ["NOROW", "~"]
