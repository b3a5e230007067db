#!/usr/bin/python3
"""Writes METAR-like reports, one a line, for the differential run of the classic reading.

    generate.py COUNT SEED > reports.txt

Every report is built from the group forms the classic reading knows, in their usual order
(header, wind, variation, visibility or CAVOK, runway visual range, present weather, sky,
temperature, pressure, NOSIG, BECMG and TEMPO sections), then mutated the way real and careless
input is: letter case, a group one character shorter or longer, a missing, doubled or swapped
group, doubled spaces, a non-ASCII character inside a group, a trailing "=", a section keyword
with a suffix, real-world groups out of place (AUTO, A2992, RMK ...). The same COUNT and SEED
always give the same reports. Output is UTF-8; a report never holds a line end.
"""

import multiprocessing
import os
import random
import sys

PHENOMENA = ["RA", "DZ", "SN", "PE", "SG", "IC", "UP", "GR", "GS", "SQ", "FG", "BR", "FU", "DU",
             "SA", "HZ", "PY", "VA", "SS", "DS", "FC"]
DESCRIPTORS = ["TS", "DR", "SH", "FZ", "MI", "BC", "BL"]
# The 468 weather forms: PP, -PP, +PP and DDPP, -DDPP, +DDPP (SH only with RA to GS).
WEATHER = [s + p for s in ("", "-", "+") for p in PHENOMENA] + [
    s + d + p for s in ("", "-", "+") for d in DESCRIPTORS
    for p in (PHENOMENA[:9] if d == "SH" else PHENOMENA)]
# Weather that real reports carry and the classic reading does not know.
OTHER_WEATHER = ["VCSH", "RERA", "TSRAGR", "-SHRASN", "+TSRAGS", "VCFG", "BCFG", "NSW", "//",
                 "-RADZ", "SHRASN", "VCTS", "REDZ", "FZRA", "+FC", "MIFG", "PRFG"]
NON_ASCII = ["é", "°", "ß", "Ø", "µ", "€", "中", "я", "\u00a0", "\u2013", "😀", "ç", "Å"]
# Characters that stand in for a digit or letter: near misses of every positional test.
NEAR = ["0", "9", "/", "V", "G", "M", "Q", "K", "T", "P", "H", "R", "X", "-", "+", "=", "a", "z"]
RANDOM_CHARS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz/+-=$.,:\t"
REAL_WORLD = ["AUTO", "COR", "A2992", "A3012", "RMK", "AO2", "SLP199", "T00281089", "NSC", "NCD",
              "$", "WS", "R27/CLRD70", "R24/290050", "RESHRA", "BLU", "WHT", "NIL", "P6SM",
              "1/2SM", "10SM", "M1/4SM", "4000NE", "FM1100", "TL1200", "AT1800", "PROB30",
              "PROB40", "INTER", "FM", "1100", "SPECI", "METAR", "CAVOK", "NOSIG", "BECMG", "TEMPO"]


class Generator:
    def __init__(self, seed):
        self.r = random.Random(seed)
        self.care = 0.9

    def digits(self, n):
        return f"{self.r.randrange(10 ** n):0{n}d}"

    def pick(self, *options):
        return self.r.choice(options)

    def chance(self, p):
        return self.r.random() < p

    def usual(self):
        """True when a group takes one of its ordinary forms (most of a careful report's groups)."""
        return self.r.random() < self.care

    # --- groups, each in one of its forms: an ordinary one, or any of its odd ones -------------

    def station(self):
        letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
        if self.usual():
            return "".join(self.r.choice(letters) for _ in range(4))
        return self.pick("1234", "lfpg", "".join(self.r.choice(letters) for _ in range(self.r.randint(3, 5))))

    def time(self):
        d = self.digits(7)
        if self.usual():
            return f"{self.r.randint(1, 31):02d}{d[:4]}Z"
        day = self.pick(f"{self.r.randint(0, 39):02d}", d[:2], "0" + self.r.choice("0123456789xA"),
                        d[2] + self.r.choice("0123456789AZ"))
        hm = d[3:]
        return self.pick(day + hm + "Z", day + hm + "z", hm + "Z", day + hm, day + hm + "ZZ")

    def speed(self):
        d = self.digits(3)
        return d[:2] if self.usual() else self.pick(d, "//", "P9", d[0])

    def wind(self):
        unit = self.pick("KT", "KT", "KPH") if self.usual() else self.pick("kt", "kph", "MPS", "KMH", "Kt")
        ddd = self.digits(3) if self.usual() else self.pick("000", "///", "vrb", "VRB")
        base = self.pick(ddd + self.speed(), ddd + self.speed(), "00000", "VRB" + self.speed())
        if self.chance(0.25):
            base += (self.pick("G", "g", "X") if not self.usual() else "G") + self.speed()
        return base + unit

    def variation(self):
        return self.digits(3) + ("V" if self.usual() else self.pick("v", "X", "/")) + self.digits(3)

    def visibility(self):
        d = self.digits(4)
        if self.usual():
            return self.pick("9999", "0000", d, d, "CAVOK")
        return self.pick("cavok", "10SM", "1/2SM", "4000NE", "////", "P6SM", "SHRA", d[:3], d + "0")

    def runway(self):
        d = self.digits(10)
        rr = d[:2] + self.pick("", "L", "R", "C")
        if self.usual():
            return "R" + rr + "/" + d[2:6]
        value = self.pick("P" + d[2:6], "M" + d[2:6], d[2:6] + self.pick("U", "D", "N"),
                          d[2:6] + "V" + d[6:])
        return self.pick("R", "r", "X") + rr + "/" + value

    def weather(self):
        return self.r.choice(WEATHER) if self.usual() else self.r.choice(OTHER_WEATHER)

    def sky(self):
        d = self.digits(4)
        if self.usual():
            height = self.pick(d[:3], "0" + d[:2], "00" + d[0])
            return self.pick("FEW", "SCT", "BKN", "OVC", "FEW", "SCT", "BKN", "OVC", "VV") + height
        height = self.pick(d[:3], "000", "///", d[:2], d)
        layer = self.pick("FEW", "SCT", "BKN", "OVC", "few", "sct", "bkn", "ovc", "vv", "VV") + height
        return self.pick(layer, layer + self.pick("CB", "TCU", "///"), "VV///", "SKC", "CLR", "clr",
                         "CLRX", "NSC", "NCD")

    def temperature(self):
        td = self.digits(4)
        t, d = td[:2], td[2:]
        if self.usual():
            return self.pick(f"{t}/{d}", f"M{t}/{d}", f"{t}/M{d}", f"M{t}/M{d}")
        m = self.pick("M", "m")
        return self.pick(f"{m}{t}/{d}", f"{t}/{m}{d}", f"{m}{t}/{m}{d}", f"{t}///", f"{t}/{d}{d}",
                         f"{t}{d}")

    def pressure(self):
        d = self.digits(4)
        if self.usual():
            return "Q" + d
        return self.pick("q" + d, "A" + d, "Q" + d[:3], "Q////")

    def keyword(self, word):
        if not self.usual():
            return word + self.pick("1", "X", "S", "é", "=", "/")
        return self.pick(word, word, word.lower(), word.capitalize())

    def section(self, word):
        groups = [self.keyword(word)]
        if self.chance(0.2):
            groups.append(self.pick("FM" + self.digits(4), "TL" + self.digits(4), "AT" + self.digits(4),
                                    "PROB30"))
        if self.chance(0.6):
            groups.append(self.wind())
        if self.chance(0.15):
            groups.append(self.variation())
        if self.chance(0.5):
            groups.append(self.visibility())
        if self.chance(0.15):
            groups.append(self.runway())
        groups += [self.weather() for _ in range(self.pick(0, 0, 1, 1, 2))]
        if self.chance(0.1):
            groups.append("NSW")
        groups += [self.sky() for _ in range(self.pick(0, 1, 1, 2, 3))]
        if self.chance(0.1):
            groups.append(self.temperature())
        if self.chance(0.1):
            groups.append(self.pressure())
        return groups

    def report(self):
        self.care = self.pick(0.97, 0.9, 0.6)
        g = []
        if self.chance(0.8):
            g.append("METAR" if self.usual() else self.pick("metar", "Metar", "SPECI", "METAR1"))
        g.append(self.station())
        g.append(self.time())
        if self.chance(0.1):
            g.append(self.pick("AUTO", "COR"))
        g.append(self.wind())
        if self.chance(0.3):
            g.append(self.variation())
        g.append(self.visibility())
        g += [self.runway() for _ in range(self.pick(0, 0, 0, 1, 1, 2))]
        g += [self.weather() for _ in range(self.pick(0, 0, 1, 1, 2, 3))]
        g += [self.sky() for _ in range(self.pick(0, 1, 1, 2, 3, 4, 5))]
        g.append(self.temperature())
        g.append(self.pressure())
        if self.chance(0.3):
            g.append(self.keyword("NOSIG"))
        if self.chance(0.35):
            g += self.section("BECMG")
        if self.chance(0.45):
            g += self.section("TEMPO")
        if self.chance(0.1):
            g += self.section(self.pick("BECMG", "TEMPO"))
        if self.chance(0.15):
            g += ["RMK"] + [self.r.choice(REAL_WORLD) for _ in range(self.r.randint(0, 4))]
        return g

    # --- mutations ----------------------------------------------------------------------------

    def mutate_group(self, group):
        kind = self.r.randrange(9)
        if kind == 0:
            return group.lower()
        if kind == 1:
            return "".join(c.lower() if self.chance(0.5) else c for c in group)
        if kind == 2 and group:  # one character shorter
            i = self.r.randrange(len(group))
            return group[:i] + group[i + 1:]
        if kind == 3:  # one character longer
            i = self.r.randint(0, len(group))
            return group[:i] + self.r.choice(NEAR) + group[i:]
        if kind == 4 and group:  # a non-ASCII character in place of one
            i = self.r.randrange(len(group))
            return group[:i] + self.r.choice(NON_ASCII) + group[i + 1:]
        if kind == 5:  # a non-ASCII character inserted
            i = self.r.randint(0, len(group))
            return group[:i] + self.r.choice(NON_ASCII) + group[i:]
        if kind == 6 and group:  # one character changed to a near miss
            i = self.r.randrange(len(group))
            return group[:i] + self.r.choice(NEAR) + group[i + 1:]
        if kind == 7:
            return group + "="
        return "".join(self.r.choice(RANDOM_CHARS) for _ in range(self.r.randint(1, 12)))

    def mutate(self, groups):
        g = list(groups)
        for _ in range(self.pick(0, 0, 0, 1, 1, 2, 3, 5)):
            if not g:
                break
            i = self.r.randrange(len(g))
            kind = self.r.randrange(8)
            if kind < 3:
                g[i] = self.mutate_group(g[i])
            elif kind == 3:
                del g[i]
            elif kind == 4:
                g.insert(i, g[i])
            elif kind == 5 and i + 1 < len(g):
                g[i], g[i + 1] = g[i + 1], g[i]
            elif kind == 6:
                g.insert(i, self.r.choice(REAL_WORLD))
            else:
                g.insert(i, "")  # a doubled space
        text = " ".join(g)
        if self.chance(0.05):
            text += "="
        if self.chance(0.03):
            text = " " + text
        if self.chance(0.03):
            text += " " * self.r.randint(1, 3)
        return text

    def line(self):
        while True:
            if self.chance(0.01):  # anything at all
                text = "".join(self.r.choice(RANDOM_CHARS + "".join(NON_ASCII) + " ")
                               for _ in range(self.r.randint(0, 60)))
            else:
                text = self.mutate(self.report())
            # A forecast is named as one, not read: it says nothing of the classic reading.
            if not is_forecast(text):
                return text


def is_forecast(text):
    """A forecast as the program tells one, written apart from it: TAF first, or a station, an
    issue time ddhhmmZ and a validity period (ddhh/ddhh or ddhhhh, days 01-31, hours 00-24)."""
    groups = text.split()
    if not groups:
        return False
    if groups[0].upper() == "TAF":
        return True
    if len(groups) < 3 or len(groups[0]) != 4 or groups[0].upper() == "AUTO":
        return False
    time, validity = groups[1], groups[2]
    if len(time) != 7 or time[6] not in "Zz" or not time[:6].isdigit() or not time[:6].isascii():
        return False

    def day_hour(s):
        return (s.isascii() and s.isdigit() and 1 <= int(s[:2]) <= 31 and int(s[2:]) <= 24)

    if len(validity) == 9 and validity[4] == "/":
        return day_hour(validity[:4]) and day_hour(validity[5:])
    return len(validity) == 6 and day_hour(validity[:4]) and validity[4:].isascii() and \
        validity[4:].isdigit() and int(validity[4:]) <= 24


CHUNK = 25000


def chunk(args):
    """The reports of one chunk: its own generator, seeded by the run's seed and its index."""
    seed, index, count = args
    gen = Generator(f"{seed}:{index}")
    return "".join(gen.line() + "\n" for _ in range(count))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: generate.py COUNT SEED")
    count, seed = int(sys.argv[1]), int(sys.argv[2])
    chunks = [(seed, i, min(CHUNK, count - i * CHUNK)) for i in range((count + CHUNK - 1) // CHUNK)]
    # The chunks are the same whatever the number of processes, and written in their order.
    with multiprocessing.Pool(min(len(os.sched_getaffinity(0)), 4)) as pool:
        for text in pool.imap(chunk, chunks):
            sys.stdout.write(text)


if __name__ == "__main__":
    main()
