#!/usr/bin/env python3
"""Writes Data/Isotopes.csv, every known ground-state nuclide of elements 1 to 109, from the
isotope tables of the mendeleev compilation (isotopes.csv and isotope-decay-modes.csv).

    gen_isotopes.py REFERENCE_DIR               write <repo>/Data/Isotopes.csv
    gen_isotopes.py REFERENCE_DIR -o FILE       write FILE instead
    gen_isotopes.py REFERENCE_DIR --check FILE  exit status 1 when FILE differs

Columns (units in the names; the half-life's unit is per row):
    Z, symbol, mass_number, mass_u, mass_uncertainty_u, abundance_percent,
    abundance_uncertainty_percent, half_life, half_life_uncertainty, half_life_unit,
    spin_parity, decay_modes
half_life is a number, "stable", or empty when the compilation gives no figure.
decay_modes is a ';'-separated list, main mode first, each MODE followed by one of
"=x", "~x", "<x", ">x" (branching in percent), "<<" (a trace: see below), "?" (allowed but
not observed) or nothing (observed, branching unknown). Standard library only.
"""

import argparse
import csv
import io
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CHINESE = os.path.join(ROOT, "data", "chinese-names.csv")
DEFAULT_OUTPUT = os.path.join(ROOT, "Data", "Isotopes.csv")
ELEMENT_COUNT = 109

HEADER = ["Z", "symbol", "mass_number", "mass_u", "mass_uncertainty_u", "abundance_percent",
          "abundance_uncertainty_percent", "half_life", "half_life_uncertainty",
          "half_life_unit", "spin_parity", "decay_modes"]

# The compilation's unit names, shortened; "y" is the year of 365.2422 days.
UNITS = {
    "ysec": "ys", "zsec": "zs", "asec": "as", "psec": "ps", "nsec": "ns", "usec": "us",
    "msec": "ms", "sec": "s", "minute": "min", "hour": "h", "day": "d", "year": "y",
    "kyear": "ky", "Myear": "My", "Gyear": "Gy", "Tyear": "Ty", "Pyear": "Py",
    "Eyear": "Ey", "Zyear": "Zy", "Yyear": "Yy",
}
RELATIONS = {"=", "~", "<", ">"}
# A nuclide's main branch at 100 % leaves less than half a percent to the others; a larger
# figure beside it is one whose power of ten the compilation dropped (uranium-238's
# spontaneous fission reads 5.44 there), so it is written as a trace ("<<").
FULL_BRANCH = 100.0
ROUNDING = 0.5


class TableError(Exception):
    pass


def read_rows(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def number(text):
    """The compilation's figure without float noise (0.0078000000000000005 -> 0.0078)."""
    if text == "":
        return ""
    return f"{float(text):.15g}"


# After a beta branch the compilation writes beta-delayed multi-particle emission without
# its beta (NUBASE's B-2n, B+2p appear as 2n, 2p); the beta is put back.
DELAYED_AFTER = {"B-": {"2n", "3n", "4n"}, "B+": {"2p", "3p"}}
# Positron emission and electron capture are the two ways of a beta-plus branch.
BETA_PLUS_PARTS = {"e+", "EC"}
BETA_PLUS = {"B+", "EC"}


def restore_beta(modes):
    """The modes with delayed emissions named as such; "part" marks a share of another
    branch (delayed emissions, e+ and EC within beta-plus), which may add up past 100 %."""
    seen = set()
    restored = []
    for m in modes:
        m = dict(m)
        for beta, delayed in DELAYED_AFTER.items():
            if beta in seen and m["mode"] in delayed:
                m["mode"] = beta + m["mode"]
        mode = m["mode"]
        m["part"] = (len(mode) > 2 and mode[:2] in ("B-", "B+", "EC")) or \
            (mode in BETA_PLUS_PARTS and bool(seen & BETA_PLUS))
        seen.add(mode)
        restored.append(m)
    return restored


def is_lost_exponent(m, full):
    """Beside a main branch of 100 %, a figure or bound of half a percent or more has lost its
    power of ten."""
    return full and not m["part"] and m["relation"].strip() in ("=", "~", "<") and \
        float(m["intensity_percent"]) >= ROUNDING


def decay_field(modes, where):
    modes = restore_beta(modes)
    full = modes and modes[0]["relation"] == "=" and modes[0]["intensity_percent"] != "" and \
        float(modes[0]["intensity_percent"]) >= FULL_BRANCH
    parts = []
    for i, m in enumerate(modes):
        mode, relation, value = m["mode"], m["relation"].strip(), m["intensity_percent"]
        if m["is_allowed_not_observed"] == "1":
            parts.append(mode + "?")
        elif not value:
            parts.append(mode)
        elif relation not in RELATIONS:
            raise TableError(f"{where}: decay mode {mode} has relation '{relation}'")
        elif i > 0 and is_lost_exponent(m, full):
            parts.append(mode + "<<")
        else:
            parts.append(mode + relation + number(value))
    return ";".join(parts)


def half_life_fields(row, where):
    value, unit = row["half_life"], row["half_life_unit"]
    if row["is_radioactive"] == "0" and row["abundance_percent"] and not value:
        return ["stable", "", ""]
    if not value:
        return ["", "", ""]
    if unit not in UNITS:
        raise TableError(f"{where}: unknown half-life unit '{unit}'")
    return [number(value), number(row["half_life_uncertainty"]), UNITS[unit]]


def generate(reference):
    symbols = {int(r["atomic_number"]): r["symbol"] for r in read_rows(CHINESE)}
    modes = {}
    for m in read_rows(os.path.join(reference, "isotope-decay-modes.csv")):
        modes.setdefault((int(m["atomic_number"]), int(m["mass_number"])), []).append(m)
    rows = [r for r in read_rows(os.path.join(reference, "isotopes.csv"))
            if 1 <= int(r["atomic_number"]) <= ELEMENT_COUNT]
    rows.sort(key=lambda r: (int(r["atomic_number"]), int(r["mass_number"])))
    out = io.StringIO()
    writer = csv.writer(out, lineterminator="\n")
    writer.writerow(HEADER)
    for r in rows:
        z, a = int(r["atomic_number"]), int(r["mass_number"])
        where = f"Z={z} A={a}"
        writer.writerow([z, symbols[z], a, number(r["mass_Da"]), number(r["mass_uncertainty_Da"]),
                         number(r["abundance_percent"]),
                         number(r["abundance_uncertainty_percent"])]
                        + half_life_fields(r, where)
                        + [r["spin"] + r["parity"], decay_field(modes.get((z, a), []), where)])
    missing = set(range(1, ELEMENT_COUNT + 1)) - {int(r["atomic_number"]) for r in rows}
    if missing:
        raise TableError(f"no nuclides for elements {sorted(missing)}")
    return out.getvalue()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("reference", help="folder with isotopes.csv and isotope-decay-modes.csv")
    parser.add_argument("-o", "--output", default=DEFAULT_OUTPUT)
    parser.add_argument("--check", metavar="FILE")
    args = parser.parse_args()
    try:
        text = generate(args.reference)
    except (TableError, OSError, KeyError, ValueError) as e:
        print(f"gen_isotopes: {e}", file=sys.stderr)
        return 2
    if args.check:
        with open(args.check, encoding="utf-8", newline="") as f:
            if f.read() != text:
                print(f"gen_isotopes: {args.check} is not what the tables generate", file=sys.stderr)
                return 1
        return 0
    with open(args.output, "w", encoding="utf-8", newline="") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
