"""METAR aviation weather reports in plain English.

    >>> import vantrel
    >>> t = vantrel.translate("EGLL 051020Z 24015G25KT 9999 FEW020 12/08 Q1015")
    >>> t.lines[1]
    'Wind blowing from 240 degree at 15 knots with gusts at 25 knots.'

translate() reads one report; translate_many() a list of them, in several threads;
translate_iter() a stream of them (a file's lines), a chunk at a time. Each gives a Translation,
a read-only value: ``lines`` and ``unread`` (the groups that gave no text), tuples of str,
``refused`` and ``message``, and with
``explain=True`` the ``pieces``: which groups gave which sentence, and in the full reading each
sentence's decoded value, as the command line's ``--json --explain`` writes them.

Two readings: "classic" (the default) reads a report in the usual METAR order; "full"
recognises every group by its form, with the supplementary groups and the common remarks.

One line end at the end of a report ("\\n" or "\\r\\n") is not part of it, so the lines of a file
can be given as they are read. Vantrel is for learning and curiosity, not for real aviation.
"""

import itertools
import os
from collections.abc import Iterable, Iterator

from vantrel._vantrel import NOT_VALID_METAR, Translation, __version__
from vantrel import _vantrel

__all__ = [
    "NOT_VALID_METAR",
    "Translation",
    "translate",
    "translate_iter",
    "translate_many",
]


def _full(reading):
    if not isinstance(reading, str):
        raise TypeError(f"reading must be 'classic' or 'full', not a {type(reading).__name__}")
    if reading not in ("classic", "full"):
        raise ValueError(f"reading must be 'classic' or 'full', not {reading!r}")
    return reading == "full"


def _french(lang):
    if not isinstance(lang, str):
        raise TypeError(f"lang must be 'en' or 'fr', not a {type(lang).__name__}")
    if lang not in ("en", "fr"):
        raise ValueError(f"lang must be 'en' or 'fr', not {lang!r}")
    return lang == "fr"


def _jobs(jobs):
    if jobs is None:
        return os.cpu_count() or 1
    if isinstance(jobs, bool) or not isinstance(jobs, int):
        raise TypeError(f"jobs must be an int or None, not a {type(jobs).__name__}")
    if jobs < 1:
        raise ValueError(f"jobs must be 1 or more, not {jobs}")
    return min(jobs, 1024)


def _iterable(reports, name):
    if isinstance(reports, (str, bytes)):
        raise TypeError(f"{name} takes an iterable of str, not a {type(reports).__name__}: "
                        "for one report, use translate()")
    try:
        return iter(reports)
    except TypeError:
        raise TypeError(f"{name} takes an iterable of str, not a {type(reports).__name__}") from None


def translate(report: str, reading: str = "classic", lang: str = "en",
              explain: bool = False) -> Translation:
    """    Translates one METAR report into English (or French) lines.

    reading  "classic" (the usual METAR order) or "full" (every group by its form, remarks too).
    lang     "en" (English) or "fr" (French): the same groups are read in both, remarks
             and forecasts included; the messages stay in English.
    explain  also give t.pieces: one dict a sentence, {"groups", "at", "line", "text"} and in the
             full reading "value", the decoded value as a dict (or None); an unread group is a
             piece with line and text None. "at" counts bytes of the report in UTF-8, as the
             command line's JSON does (for an ASCII report, the index in the str).

    A report that cannot be read gives refused True and a message. A forecast (TAF) is read by
    the forecast reader whatever the reading, its pieces with their values.
    Raises TypeError when report is not a str, ValueError for an unknown reading or language.
    """
    if not isinstance(report, str):
        hint = " (decode it first)" if isinstance(report, (bytes, bytearray)) else ""
        raise TypeError(f"report must be a str, not a {type(report).__name__}{hint}")
    full = _full(reading)
    french = _french(lang)
    return _vantrel.translate_one(report, full, french, bool(explain))


def translate_many(reports: Iterable[str], reading: str = "classic", lang: str = "en",
                   explain: bool = False, jobs: int | None = None) -> list[Translation]:
    """    Translates every report of `reports` (any iterable of str) and returns their Translations, in
    the same order, as translate() would give them one by one.

    The reports are translated with the interpreter lock released, in `jobs` threads (None: one a
    processor, os.cpu_count()), so other Python threads run meanwhile.
    Raises TypeError naming the first report that is not a str.
    """
    full = _full(reading)
    french = _french(lang)
    jobs = _jobs(jobs)
    # A list of our own: the reports are read without the lock, while another thread could
    # change the caller's list.
    reports = list(_iterable(reports, "translate_many"))
    return _vantrel.translate_many(reports, full, french, bool(explain), jobs, 0)


def translate_iter(reports: Iterable[str], reading: str = "classic", lang: str = "en",
                   explain: bool = False, jobs: int | None = None,
                   chunk: int = 8192) -> Iterator[Translation]:
    """    The generator form of translate_many(), for streams too long to hold: takes `chunk` reports
    at a time from `reports` (an open file gives its lines), translates them as translate_many()
    does, and yields their Translations in order.

        with open("archive.txt", encoding="utf-8") as f:
            for t in vantrel.translate_iter(f, reading="full"):
                ...

    The arguments are checked at once; a report that is not a str raises TypeError when reached.
    """
    full = _full(reading)
    french = _french(lang)
    jobs = _jobs(jobs)
    if isinstance(chunk, bool) or not isinstance(chunk, int):
        raise TypeError(f"chunk must be an int, not a {type(chunk).__name__}")
    if chunk < 1:
        raise ValueError(f"chunk must be 1 or more, not {chunk}")
    return _chunks(_iterable(reports, "translate_iter"), full, french, bool(explain), jobs, chunk)


def _chunks(reports, full, french, explain, jobs, chunk):
    first = 0
    while True:
        batch = list(itertools.islice(reports, chunk))
        if not batch:
            return
        yield from _vantrel.translate_many(batch, full, french, explain, jobs, first)
        first += len(batch)
