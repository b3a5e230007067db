"""python3 -m vantrel: translates the reports given as arguments, or standard input's lines."""

import argparse
import collections
import json
import sys

import vantrel


def _threads(text):
    if not text.isdigit() or int(text) < 1:
        raise argparse.ArgumentTypeError(f"N must be a whole number, 1 or more, not {text!r}")
    return int(text)


def main(argv=None):
    parser = argparse.ArgumentParser(
        prog="python3 -m vantrel",
        description="Translates METAR reports into plain English: each argument is one report; "
        "without any, each line of standard input is one.",
        epilog='Example: python3 -m vantrel "EGLL 051020Z 24015G25KT 9999 FEW020 12/08 Q1015"',
    )
    parser.add_argument("reports", nargs="*", metavar="REPORT", help="a METAR report")
    parser.add_argument("--full", action="store_true", help="the full reading (remarks too)")
    parser.add_argument("--lang", choices=("en", "fr"), default="en",
                        help="the language of the sentences: en (English) or fr (French)")
    parser.add_argument("--json", action="store_true",
                        help="one JSON object a report: report, lines, unread (or error)")
    parser.add_argument("--explain", action="store_true",
                        help="with --json: the groups of each sentence, and its decoded value")
    parser.add_argument("-j", "--jobs", type=_threads, default=None, metavar="N",
                        help="translate in N threads (default: one a processor)")
    parser.add_argument("--version", action="version", version=f"vantrel {vantrel.__version__}")
    args = parser.parse_args(argv)

    reports = args.reports or (line.rstrip("\r\n") for line in sys.stdin)
    status = 0
    for number, (report, t) in enumerate(_paired(reports, args), start=1):
        if t.refused:
            status = 1
            where = "argument" if args.reports else "line"
            print(f"vantrel: {where} {number}: {t.message}", file=sys.stderr)
            if args.json:
                print(json.dumps({"report": report, "error": t.message}, ensure_ascii=False))
        elif args.json:
            record = {"report": report, "lines": t.lines, "unread": t.unread}
            if args.explain:
                record["groups"] = t.pieces
            print(json.dumps(record, ensure_ascii=False))
        else:
            print("\n".join(t.lines))
    return status


def _paired(reports, args):
    reading = "full" if args.full else "classic"
    pending = collections.deque()

    def kept():
        for report in reports:
            pending.append(report)
            yield report

    for t in vantrel.translate_iter(kept(), reading=reading, lang=args.lang,
                                   explain=args.explain, jobs=args.jobs):
        yield pending.popleft(), t


if __name__ == "__main__":
    sys.exit(main())
