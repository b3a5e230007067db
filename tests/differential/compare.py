#!/usr/bin/python3
"""Names the reports that two builds of vantrel-translate translate differently.

    compare.py REPORTS DIR SHOWN

REPORTS holds the reports, one a line. DIR holds what each build wrote for them, as
{old,new}.{text,json}.{out,err,status}, the new build's --json objects without the "unread"
member that 1.0.0 does not write. Prints the number of reports
whose lines or error differ, in text or in --json, and the first SHOWN of them with both outputs;
then any difference of standard error or exit status. Exits 1 when anything differs.
"""

import json
import sys


def text_blocks(path, objects, many):
    """The text output of each report: its header and lines, found from its --json object."""
    with open(path, encoding="utf-8", errors="surrogateescape") as text:
        for obj in objects:
            if "lines" not in obj:
                yield ""
                continue
            count = len(obj["lines"]) + (1 if many else 0)
            block = [text.readline() for _ in range(count)]
            yield "".join(block)
            if many:
                text.readline()  # the empty line between blocks (none after the last)


def read_json(path):
    with open(path, encoding="utf-8", errors="surrogateescape") as lines:
        return [line.rstrip("\n") for line in lines]


def main():
    reports_path, folder, shown = sys.argv[1], sys.argv[2], int(sys.argv[3])
    with open(reports_path, encoding="utf-8", errors="surrogateescape") as f:
        reports = [line.rstrip("\n") for line in f]
    old_json, new_json = read_json(f"{folder}/old.json.out"), read_json(f"{folder}/new.json.out")
    if len(old_json) != len(reports) or len(new_json) != len(reports):
        print(f"one JSON object per report expected: {len(reports)} reports, "
              f"{len(old_json)} objects from 1.0.0, {len(new_json)} from the current build")
        return 1
    old_objects = [json.loads(line) for line in old_json]
    new_objects = [json.loads(line) for line in new_json]
    many = len(reports) > 1
    old_text = text_blocks(f"{folder}/old.text.out", old_objects, many)
    new_text = text_blocks(f"{folder}/new.text.out", new_objects, many)

    differing = []
    for i, (report, old, new, old_t, new_t) in enumerate(
            zip(reports, old_json, new_json, old_text, new_text)):
        if old != new or old_t != new_t:
            differing.append((i, report, old, new, old_t, new_t))
    print(f"{len(differing)} of {len(reports)} reports differ")
    for i, report, old, new, old_t, new_t in differing[:shown]:
        print(f"\nreport {i + 1}: {report!r}")
        if old != new:
            print(f"  1.0.0 --json:   {old}\n  current --json: {new}")
        else:
            print("  1.0.0 text:\n" + "".join(f"    {l!r}\n" for l in old_t.splitlines()))
            print("  current text:\n" + "".join(f"    {l!r}\n" for l in new_t.splitlines()))

    failed = bool(differing)
    for mode in ("text", "json"):
        for stream in ("err", "status"):
            with open(f"{folder}/old.{mode}.{stream}", "rb") as a, \
                    open(f"{folder}/new.{mode}.{stream}", "rb") as b:
                old_bytes, new_bytes = a.read(), b.read()
            if old_bytes != new_bytes:
                failed = True
                print(f"\n{mode} mode: {'standard error' if stream == 'err' else 'exit status'} "
                      f"differs:\n  1.0.0:   {old_bytes[:300]!r}\n  current: {new_bytes[:300]!r}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
