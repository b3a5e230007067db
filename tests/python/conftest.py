# Where the tests find the command line, the corpus and the conformance files: ctest sets these
# (tests/python/CMakeLists.txt); a test whose file is missing is skipped and says so.
import json
import os
import pathlib
import subprocess

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CORPUS = pathlib.Path(os.environ.get("VANTREL_CORPUS", ROOT.parent / "shared/corpus/real_metars.txt"))
CONFORMANCE = pathlib.Path(os.environ.get("VANTREL_CONFORMANCE", ROOT.parent / "shared/conformance"))


@pytest.fixture(scope="session")
def corpus():
    if not CORPUS.is_file():
        pytest.skip(f"the corpus is not at {CORPUS} (set VANTREL_CORPUS)")
    return CORPUS


def cli_records(path, *options):
    """The command line's --json records for the lines of `path`."""
    cli = os.environ.get("VANTREL_TRANSLATE")
    if not cli:
        pytest.skip("VANTREL_TRANSLATE does not name vantrel-translate")
    with open(path, "rb") as f:
        run = subprocess.run([cli, "--json", *options], stdin=f, capture_output=True, check=False)
    assert run.returncode in (0, 1), run.stderr[-500:]
    return [json.loads(line) for line in run.stdout.splitlines()]


def as_record(report, t, explain=False):
    """A Translation as the command line writes it with --json."""
    if t.refused:
        return {"report": report, "error": t.message}
    record = {"report": report, "lines": list(t.lines), "unread": list(t.unread)}
    if explain:
        record["groups"] = t.pieces
    return record
