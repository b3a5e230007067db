#!/usr/bin/python3
"""Counts the reports whose full reading says something their groups do not mean.

    bench/meaning_review.py [CORPUS] [PROGRAM]

Runs PROGRAM (default build/release/src/cli/vantrel-translate) with --full --json over CORPUS
(default ../shared/corpus/real_metars.txt beside the project) and, for each kind of wrong or
misleading sentence found once in real traffic, counts the reports where it shows and prints one
of them. Every count is 0 when the full reading reads as it should; a kind whose groups it leaves
unread counts nothing, since an unread group misleads no one.
"""

import json
import os
import re
import subprocess
import sys

HHMM = r"(?:[01]\d|2[0-4])[0-5]\d"
COLOURS = r"(?:BLU|WHT|GRN|YLO\d?|AMB|RED)"
TREND = {"BECMG", "TEMPO", "INTER", "PROB30", "PROB40"}
HEADINGS = ("BECOMING:", "TEMPORARY:", "INTERMITTENT", "PROBABILITY", "FROM ")


def body_of(groups):
    """The groups before the trend and the remarks."""
    out = []
    for g in groups:
        if g in TREND or g in ("RMK", "RMKS") or re.fullmatch(r"FM\d{4}", g):
            break
        out.append(g)
    return out


def kinds(report, lines, unread):
    groups = report.split()
    text = "\n".join(lines)
    before_remarks = groups[:groups.index("RMK")] if "RMK" in groups else groups
    read = lambda g: g not in unread
    found = []

    # Australian sections: INTER and the hhmm/hhmm period begin a section of their own (after RMK
    # they are left to the remarks).
    if any(not read(g) and (g == "INTER" or re.fullmatch(HHMM + "/" + HHMM, g)) for g in before_remarks):
        found.append("INTER or TEMPO hhmm/hhmm not read as a section")
    # A time written apart from FM, TL or AT is no visibility.
    for i, g in enumerate(groups[:-1]):
        if g in ("FM", "TL", "AT") and re.fullmatch(HHMM, groups[i + 1]):
            if re.search(r"[Vv]isibility is " + groups[i + 1], text):
                found.append("time written apart read as a visibility")
                break
    # Four figures away from the prevailing visibility are no minimum visibility.
    observation = "\n".join(l for l in lines if not l.startswith("Remarks: "))
    for m in re.finditer(r"Minimum visibility is (\d{4}) metres\. ", observation):
        at = [i for i, g in enumerate(before_remarks) if g == m.group(1)]
        if at and not any(i > 0 and re.fullmatch(r"\d{4}(NDV|M)?|CAVOK|\d{4}[NESW]{1,2}", before_remarks[i - 1]) for i in at):
            found.append("four figures out of place read as the minimum visibility")
            break
    # ///// or // is never both not reported and a temperature.
    if "Temperature is not reported" in text and re.search(r"Temperature is -?\d", text):
        found.append("a temperature both given and not reported")
    # The groups after a colour state of the body are a forecast.
    body = body_of(groups)
    for i, g in enumerate(body):
        if re.fullmatch(COLOURS, g) and any(re.fullmatch(r"(\d{3}|VRB)\d{2,3}(G\d{2,3})?KT", x) for x in body[i + 1:]):
            wind_line = lines[1] if len(lines) > 1 else ""
            if len(re.findall(r"Wind blowing|Variable direction wind", wind_line)) > 1:
                found.append("a second observation after the colour state")
            break
    # A second report on one line is not the first station's weather.
    for i in range(1, len(groups) - 2):
        if groups[i] in ("METAR", "SPECI") and len(groups[i + 1]) == 4 and re.fullmatch(r"\d{6}Z", groups[i + 2]):
            if any(read(g) for g in groups[i:]):
                found.append("a second report read as the first")
            break
    # The body's supplementary groups are written before the trend.
    heading = next((k for k, l in enumerate(lines) if l.startswith(HEADINGS)), None)
    if heading is not None:
        supplementary = re.compile(r"^(Recent |Wind shear|Runway (?!Visual)|All runways|Military colour|Sea surface|The aerodrome is closed)")
        if any(supplementary.match(l) for l in lines[heading:]) and not any(
                re.match(r"(RE|WS$|R\d\d|\d{8}$|W\d|" + COLOURS + ")", g) for g in groups[groups.index(next(g for g in groups if g in TREND or re.fullmatch(r"FM\d{4}", g))):]
                if g not in ("RMK",)):
            found.append("supplementary groups written after the trend")
    # TL in a BECMG section is the end of the change.
    for block in re.split(r"\n\n", text):
        if block.startswith("BECOMING:") and "Until " in block:
            found.append("TL of a BECMG section worded as until")
            break
    # Sentences the full reading words for what the code means.
    for sentence, kind in (("clear of clouds below 5000 feet", "SKC worded as clear below 5000 feet"),
                           ("no fog and no clouds below 5000 ft", "CAVOK worded as the classic reading does"),
                           ("too dense fog", "VV/// worded as dense fog"),
                           ("fog (visibility inferior or equal to 1/2 Miles) patches", "BCFG worded with the fog's visibility"),
                           ("shallow fog (visibility", "MIFG worded with the fog's visibility")):
        if sentence in text:
            found.append(kind)
    # Remarks.
    remarks = groups[groups.index("RMK") + 1:] if "RMK" in groups else []
    rtext = next((l for l in lines if l.startswith("Remarks: ")), "")
    for i, g in enumerate(remarks[:-1]):
        if g in ("VIS", "CIG") and i + 2 < len(remarks) and re.fullmatch(r"(N|NE|E|SE|S|SW|W|NW|NORTH|EAST|SOUTH|WEST|RWY\d\d[LCR]?)", remarks[i + 2]) and read(remarks[i + 2]) is False and read(g):
            found.append("remark visibility or ceiling without its place")
            break
    if re.search(r"QFE\d{3}\b", " ".join(remarks)) and re.search(r"QFE(?:8|9|10)\d\d", " ".join(remarks)) and "millimetres of mercury" in rtext:
        found.append("QFE in hectopascals read as millimetres of mercury")
    if report.split()[0:2] and any(x.startswith("MM") and len(x) == 4 for x in groups[:2]) and re.search(r"\binches\b.*precipitation|precipitation.*\binches\b", rtext) and any(re.fullmatch(r"6\d{4}", g) for g in remarks):
        found.append("Mexican 6-group read as precipitation in inches")
    if "APRNT" in remarks and "FROPA" in remarks and "Apparent" not in rtext and read("APRNT") is not False:
        found.append("APRNT FROPA without its qualifier")
    return found


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    corpus = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "..", "shared", "corpus", "real_metars.txt")
    program = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "build", "release", "src", "cli", "vantrel-translate")
    with open(corpus, "rb") as f:
        out = subprocess.run([program, "--full", "--json"], stdin=f, capture_output=True).stdout
    counts, examples = {}, {}
    for line in out.decode("utf-8", "replace").splitlines():
        record = json.loads(line)
        if "lines" not in record:
            continue
        for kind in kinds(record["report"], record["lines"], set(record["unread"])):
            counts[kind] = counts.get(kind, 0) + 1
            examples.setdefault(kind, record["report"])
    if not counts:
        print("no report shows any of the kinds")
    for kind in sorted(counts, key=lambda k: -counts[k]):
        print(f"{counts[kind]:7d}  {kind}\n         {examples[kind][:150]}")


if __name__ == "__main__":
    main()
