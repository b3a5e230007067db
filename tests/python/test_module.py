import json
import subprocess
import sys

import pytest

import vantrel
from conftest import CONFORMANCE, as_record, cli_records

EXAMPLE = "EGLL 051020Z 24015G25KT 9999 FEW020 12/08 Q1015"

# The golden rows: a report and its lines (and unread groups), or the message it is refused with.
ROWS = [(f.name, json.loads(line)) for f in sorted(CONFORMANCE.glob("*.jsonl"))
        for line in f.read_text(encoding="utf-8").splitlines()]


@pytest.mark.skipif(not ROWS, reason=f"no conformance files in {CONFORMANCE}")
def test_conformance_rows():
    ts = vantrel.translate_many([row["report"] for _, row in ROWS], jobs=2)
    for (name, row), t in zip(ROWS, ts):
        got = as_record(row["report"], t)
        if "unread" not in row:
            got.pop("unread", None)
        assert got == row, name


# Each bad call, and what it raises; the good call beside it.
CALLS = [
    (lambda: vantrel.translate(b"EGLL"), TypeError, "decode it first"),
    (lambda: vantrel.translate(None), TypeError, "report must be a str"),
    (lambda: vantrel.translate(EXAMPLE, reading="fast"), ValueError, "'classic' or 'full'"),
    (lambda: vantrel.translate(EXAMPLE, reading=1), TypeError, "'classic' or 'full'"),
    (lambda: vantrel.translate(EXAMPLE, lang="de"), ValueError, "'en' or 'fr'"),
    (lambda: vantrel.translate(EXAMPLE, lang="fr"), None, None),
    (lambda: vantrel.translate("EGLL \ud800"), UnicodeEncodeError, "surrogate"),
    (lambda: vantrel.translate_many(EXAMPLE), TypeError, "use translate()"),
    (lambda: vantrel.translate_many(5), TypeError, "iterable of str"),
    (lambda: vantrel.translate_many([EXAMPLE, 3]), TypeError, "report 1 is a int"),
    (lambda: vantrel.translate_many([EXAMPLE], jobs=0), ValueError, "1 or more"),
    (lambda: vantrel.translate_many([EXAMPLE], jobs="2"), TypeError, "jobs must be an int"),
    (lambda: list(vantrel.translate_iter([EXAMPLE] * 3 + [b"x"], chunk=2)), TypeError, "report 3 is a bytes"),
    (lambda: vantrel.translate_iter([], chunk=0), ValueError, "chunk must be 1 or more"),
    (lambda: vantrel.translate(EXAMPLE, reading="full", lang="en", explain=True), None, None),
    (lambda: vantrel.translate_many(iter([EXAMPLE]), jobs=1), None, None),
]


@pytest.mark.parametrize("call,error,words", CALLS)
def test_calls(call, error, words):
    if error is None:
        call()
    else:
        with pytest.raises(error, match=words):
            call()


def test_french_reads_the_same_groups():
    for reading in ("classic", "full"):
        english = vantrel.translate(EXAMPLE + " XYZ", reading=reading)
        french = vantrel.translate(EXAMPLE + " XYZ", reading=reading, lang="fr")
        assert french.unread == english.unread and len(french.lines) == len(english.lines)
        assert french.lines[0].startswith("Message METAR")
    forecast = vantrel.translate("TAF EGLL 051100Z 0512/0618 24015KT", lang="fr")
    assert forecast.lines[0].startswith("Prévision émise le 5 à 11")


def test_refusals_and_line_ends():
    assert vantrel.translate("TAF EGLL 051100Z 0512/0618 24015KT").lines[0].startswith("Forecast issued")
    assert vantrel.translate("")[2:4] == (True, "It is not a valid METAR.")
    assert vantrel.translate(EXAMPLE + "\r\n") == vantrel.translate(EXAMPLE)
    assert vantrel.translate(EXAMPLE + " \n\n").unread == ("\n",)


@pytest.mark.parametrize("reading", ["classic", "full"])
def test_corpus_as_the_command_line(corpus, reading):
    options = ["--explain"] + (["--full"] if reading == "full" else [])
    expected = cli_records(corpus, *options)
    reports = corpus.read_text(encoding="utf-8").splitlines()
    got = vantrel.translate_many(reports, reading=reading, explain=True)
    assert [as_record(r, t, explain=True) for r, t in zip(reports, got)] == expected
    # The other forms give the same.
    assert list(vantrel.translate_iter(iter(reports[:5000]), reading=reading, jobs=2, chunk=777)) == \
        vantrel.translate_many(reports[:5000], reading=reading, jobs=1)
    assert [vantrel.translate(r, reading) for r in reports[:2000]] == \
        vantrel.translate_many(reports[:2000], reading=reading)


def test_main():
    run = subprocess.run([sys.executable, "-m", "vantrel", "--help"], capture_output=True, text=True)
    assert run.returncode == 0 and "usage: python3 -m vantrel" in run.stdout
    run = subprocess.run([sys.executable, "-m", "vantrel", "--json", "--full"], input=EXAMPLE + "\nXYZ\n",
                         capture_output=True, text=True)
    assert run.returncode == 1 and "line 2: It is not a valid METAR." in run.stderr
    first = json.loads(run.stdout.splitlines()[0])
    assert first["lines"] == list(vantrel.translate(EXAMPLE, "full").lines)
