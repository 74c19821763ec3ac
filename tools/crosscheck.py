#!/usr/bin/env python3
"""Compares the two reference data sets and summarises the curated table.

    crosscheck.py              disagreements above 2 % between the mendeleev and bodr
                               reference sets, elements 1..109, with the value the curated
                               table holds (groups are not compared: bodr numbers them 1-8)
    crosscheck.py --stats      per column of data/elements.csv: how many values came
                               from each source and how many are 0
    crosscheck.py --notes      the table's per-element notes (values changed or filled)
    crosscheck.py --current    the table against data/current-values.csv (current handbook
                               and IUPAC figures); exit status 1 when a value is out of date
    crosscheck.py --sources    the source codes of data/sources.csv as a Markdown table
    crosscheck.py --check-sources
                               every value has a source, every source code is defined in
                               data/sources.csv, every note of data/value-notes.csv names a
                               known kind (a disputed one its range), and the values pass
                               the consistency rules of tools/consistency.py against the
                               second reference; exit status 1 if not (warnings do not fail)
    crosscheck.py --extract-second-reference
                               write data/second-reference.csv from the mendeleev database
                               export in <reference>/mendeleev-db
    crosscheck.py --limit 5    another threshold, in percent

The disagreement tables carry a third value column, the current source's figure where
data/current-values.csv has one.

Markdown output, for pasting into data/SOURCES.md. Standard library only.
"""

import argparse
import csv
import os
import re
import sys
import xml.etree.ElementTree as ET
from collections import Counter
from decimal import Decimal

import consistency
import gen_elements

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REFERENCE = os.environ.get("FERROVA_REFERENCE", "/work/shared/reference")
TABLE = os.path.join(ROOT, "data", "elements.csv")
CURRENT = os.path.join(ROOT, "data", "current-values.csv")
SOURCES = os.path.join(ROOT, "data", "sources.csv")
NOTES = os.path.join(ROOT, "data", "value-notes.csv")
SECOND_REFERENCE = os.path.join(ROOT, "data", "second-reference.csv")
LAST = 109
EV_KJ = 96.485

# The file is read in single precision: atomic weights are kept to seven significant digits
# and must match the current value in every one of them. Other values are taken over from
# the current source when they differ by more than this.
WEIGHT_DIGITS = 7
CURRENT_TOLERANCE_PERCENT = 2.0

CML = "{http://www.xml-cml.org/schema}"

# Quantity, mendeleev column, bodr dictRef, factor to the table's unit, table column.
PAIRS = [
    ("atomic weight", "atomic_weight", "bo:mass", 1.0, 1.0, "atomic_weight"),
    ("melting point (K)", "melting_point_K", "bo:meltingpoint", 1.0, 1.0, "melting_point_K"),
    ("boiling point (K)", "boiling_point_K", "bo:boilingpoint", 1.0, 1.0, "boiling_point_K"),
    ("electron affinity (kJ/mol)", "electron_affinity_eV", "bo:electronAffinity", EV_KJ, EV_KJ,
     "electron_affinity_kJ_mol"),
    # bodr's covalent radii are an older compilation than Pyykko and Atsumi's: the list shows
    # how far the two definitions differ rather than faults.
    ("covalent radius (A), Pyykko vs bodr", "covalent_radius_pm_pyykko", "bo:radiusCovalent", 0.01,
     1.0, "covalent_radius_A"),
]

STAT_COLUMNS = [(column, source) for column, source, _ in gen_elements.VALUE_FIELDS]

# Empty values: 0 for numbers, "-" for the oxidation state lists.
NO_VALUE = ("0", "-")
NO_SOURCE = ("", "-")
# A disputed value's note gives the range of the figures in dispute, e.g. "568–619".
RANGE = re.compile(r"\d\s*[–-]\s*\d")


def read_mendeleev(path):
    with open(path, encoding="utf-8", newline="") as f:
        return {int(r["atomic_number"]): r for r in csv.DictReader(f)}


def read_bodr(path):
    """{Z: {dictRef: text}} for every atom of the repository."""
    out = {}
    for atom in ET.parse(path).getroot().iter(CML + "atom"):
        values = {}
        for child in atom:
            ref = child.get("dictRef")
            if ref is None:
                continue
            values[ref] = child.get("value") if child.tag == CML + "label" else (child.text or "")
        z = int(values["bo:atomicNumber"])
        out[z] = values
    return out


def number(text):
    try:
        return float(text)
    except (TypeError, ValueError):
        return None


def normalise_config(text):
    """'[Ar] 3d6 4s2', 'Ar 3d6 4s2', 'He 2s1' -> ('Ar', {'3d': 6, '4s': 2})."""
    text = text.replace("[", "").replace("]", "").strip()
    core = ""
    parts = text.split()
    if parts and re.fullmatch(r"[A-Z][a-z]?", parts[0]):
        core = parts.pop(0)
    shells = {}
    for p in parts:
        m = re.fullmatch(r"(\d[spdfg])(\d*)", p)
        if not m:
            return text, None
        shells[m.group(1)] = int(m.group(2) or 1)
    return core, shells


def read_table(path):
    with open(path, encoding="utf-8", newline="") as f:
        return {int(r["Z"]): r for r in csv.DictReader(f)}


def read_current(path):
    """{(Z, table column): row} of the current-source figures."""
    with open(path, encoding="utf-8", newline="") as f:
        return {(int(r["Z"]), r["column"]): r for r in csv.DictReader(f)}


def weight_in_file(text):
    """An atomic weight as the table keeps it: seven significant digits, no trailing zeros."""
    value = Decimal(text)
    places = WEIGHT_DIGITS - value.adjusted() - 1
    return value.quantize(Decimal(1).scaleb(-places)).normalize()


def agrees(column, table_text, current_text):
    """Whether the table's value is the current one within the table's rules."""
    if column == "atomic_weight":
        return Decimal(table_text).normalize() == weight_in_file(current_text)
    table_value, current_value = float(table_text), float(current_text)
    return abs(table_value - current_value) <= abs(current_value) * CURRENT_TOLERANCE_PERCENT / 100


def current_cell(current, z, column):
    row = current.get((z, column)) if current else None
    return f"{row['value']} ({row['source']})" if row else "-"


def current_report(table, current):
    """Every current figure beside the table's value; the number of values out of date."""
    lines = ["| Z | el | column | table | current | source | diff % | |",
             "|---|---|---|---|---|---|---|---|"]
    stale = 0
    for (z, column), row in sorted(current.items()):
        kept = table[z][column]
        diff = abs(float(kept) - float(row["value"])) / float(row["value"]) * 100
        ok = agrees(column, kept, row["value"])
        stale += not ok
        lines.append(f"| {z} | {row['symbol']} | {column} | {kept} | {row['value']} | "
                     f"{row['source']} | {diff:.1f} | {'' if ok else 'OUT OF DATE'} |")
    return "\n".join(lines), stale


def disagreements(men, bodr, table, limit, current=None):
    lines = []
    for title, mcol, bref, mfac, bfac, tcol in PAIRS:
        rows = []
        for z in range(1, LAST + 1):
            a = number(men[z].get(mcol))
            b = number(bodr.get(z, {}).get(bref))
            if a is None or b is None:
                continue
            a *= mfac
            b *= bfac
            ref = max(abs(a), abs(b))
            if ref == 0:
                continue
            diff = abs(a - b) / ref * 100
            if diff > limit:
                kept = table[z][tcol] if table and tcol else ""
                rows.append((z, men[z]["symbol"], a, b, diff, kept, current_cell(current, z, tcol)))
        lines.append(f"\n### {title}: {len(rows)} above {limit:g} %\n")
        if not rows:
            continue
        lines.append("| Z | el | mendeleev | bodr | current | diff % | table |")
        lines.append("|---|---|---|---|---|---|---|")
        for z, sym, a, b, diff, kept, now in rows:
            lines.append(f"| {z} | {sym} | {a:.6g} | {b:.6g} | {now} | {diff:.1f} | {kept} |")

    rows = []
    for z in range(1, LAST + 1):
        mtext = men[z].get("electronic_configuration", "")
        btext = bodr.get(z, {}).get("bo:electronicConfiguration")
        if not btext:
            rows.append((z, men[z]["symbol"], mtext, "(none)"))
            continue
        if normalise_config(mtext) != normalise_config(btext):
            rows.append((z, men[z]["symbol"], mtext, btext))
    lines.append(f"\n### electron configuration: {len(rows)} differ or missing in bodr\n")
    if rows:
        lines.append("| Z | el | mendeleev | bodr |")
        lines.append("|---|---|---|---|")
        for z, sym, a, b in rows:
            lines.append(f"| {z} | {sym} | {a} | {b} |")

    return "\n".join(lines)


def stats(table):
    lines = ["| column | " + "sources (count) | zero / none |", "|---|---|---|"]
    for col, srccol in STAT_COLUMNS:
        sources = Counter()
        zero = 0
        for z in sorted(table):
            row = table[z]
            value = row[col]
            empty = value in ("0", "-")
            if empty:
                zero += 1
            else:
                sources[row[srccol]] += 1
        text = ", ".join(f"{s} {n}" for s, n in sorted(sources.items(), key=lambda kv: (-kv[1], kv[0])))
        lines.append(f"| {col} | {text} | {zero} |")
    return "\n".join(lines)


def source_problems(table, sources, notes):
    """Why the table's sources or notes cannot be shown to a user, one line per fault."""
    problems = []
    for z in sorted(table):
        row = table[z]
        for column, source_column in STAT_COLUMNS:
            value, source = row[column], row[source_column]
            where = f"{row['symbol']} {column}"
            if value not in NO_VALUE and source in NO_SOURCE:
                problems.append(f"{where}: value {value} has no source")
            elif source not in NO_SOURCE and source not in sources:
                problems.append(f"{where}: source {source} is not defined in sources.csv")
    fields = dict(STAT_COLUMNS)
    for n in notes:
        where = f"note {n['Z']} {n['field']}"
        if n["kind"] not in gen_elements.NOTE_KINDS:
            problems.append(f"{where}: '{n['kind']}' is not a known kind of note")
        if n["field"] not in fields or int(n["Z"]) not in table:
            problems.append(f"{where}: no such value")
        if n["kind"] == "disputed" and not RANGE.search(n["text"]) \
                and consistency.NOT_READ not in n["text"]:
            problems.append(f"{where}: a disputed value's note names no range")
    return problems


def sources_markdown(sources):
    lines = ["| code | shown as | source |", "|---|---|---|"]
    for code, s in sources.items():
        lines.append(f"| {code} | {s['short_zh']} | {s['definition']} |")
    return "\n".join(lines)


def notes(table):
    lines = ["| Z | el | note |", "|---|---|---|"]
    for z in sorted(table):
        if table[z]["note"]:
            lines.append(f"| {z} | {table[z]['symbol']} | {table[z]['note']} |")
    return "\n".join(lines)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--stats", action="store_true", help="source and zero counts of the table")
    parser.add_argument("--notes", action="store_true", help="per-element notes of the table")
    parser.add_argument("--current", action="store_true",
                        help="the table against the current handbook and IUPAC figures")
    parser.add_argument("--sources", action="store_true", help="source codes as a table")
    parser.add_argument("--check-sources", action="store_true",
                        help="every value sourced, every code defined, every note of a known kind")
    parser.add_argument("--extract-second-reference", action="store_true",
                        help="write data/second-reference.csv from the mendeleev database")
    parser.add_argument("--limit", type=float, default=2.0, help="threshold in percent")
    parser.add_argument("--reference", default=REFERENCE, help="folder of the reference files")
    parser.add_argument("--table", default=TABLE)
    parser.add_argument("--current-values", default=CURRENT)
    args = parser.parse_args(argv)

    table = read_table(args.table) if os.path.exists(args.table) else None
    current = read_current(args.current_values) if os.path.exists(args.current_values) else None
    if args.sources or args.check_sources:
        sources = {s["code"]: s for s in gen_elements.read_csv(SOURCES)}
        if args.sources:
            print(sources_markdown(sources))
            return 0
        value_notes = gen_elements.read_csv(NOTES)
        problems = source_problems(table, sources, value_notes)
        errors, warnings = consistency.check(table, value_notes,
                                             consistency.read_second_reference(SECOND_REFERENCE))
        problems += errors
        print("\n".join(problems) or "every value has a defined source; every note a known kind; "
              "the values pass the consistency rules")
        print("\n".join(f"warning: {w}" for w in warnings) or "no warnings")
        return 1 if problems else 0
    if args.extract_second_reference:
        rows = consistency.extract_rows(os.path.join(args.reference, "mendeleev-db"))
        with open(SECOND_REFERENCE, "w", encoding="utf-8", newline="") as f:
            csv.writer(f, lineterminator="\n").writerows(rows)
        return 0
    if args.current:
        if table is None or current is None:
            print("crosscheck: table or current values not found", file=sys.stderr)
            return 2
        report, stale = current_report(table, current)
        print(report)
        return 1 if stale else 0
    if args.stats or args.notes:
        if table is None:
            print(f"crosscheck: {args.table} not found", file=sys.stderr)
            return 2
        print(stats(table) if args.stats else notes(table))
        return 0
    men = read_mendeleev(os.path.join(args.reference, "elements-mendeleev.csv"))
    bodr = read_bodr(os.path.join(args.reference, "bodr-elements.xml"))
    print(disagreements(men, bodr, table, args.limit, current))
    return 0


if __name__ == "__main__":
    sys.exit(main())
