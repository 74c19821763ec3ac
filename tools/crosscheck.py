#!/usr/bin/env python3
"""Compares the two reference data sets and summarises the curated table.

    crosscheck.py              disagreements above 2 % between the mendeleev and bodr
                               reference sets, elements 1..109, with the value the curated
                               table holds (groups are not compared: bodr numbers them 1-8)
    crosscheck.py --stats      per column of data/elements.csv: how many values came
                               from each source and how many are 0
    crosscheck.py --notes      the table's per-element notes (values changed or filled)
    crosscheck.py --limit 5    another threshold, in percent

Markdown output, for pasting into data/SOURCES.md. Standard library only.
"""

import argparse
import csv
import os
import re
import sys
import xml.etree.ElementTree as ET
from collections import Counter

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REFERENCE = os.environ.get("FERROVA_REFERENCE", "/work/shared/reference")
TABLE = os.path.join(ROOT, "data", "elements.csv")
LAST = 109
EV_KJ = 96.485

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

STAT_COLUMNS = [
    ("atomic_weight", "atomic_weight_src"),
    ("boiling_point_K", "boiling_point_src"),
    ("melting_point_K", "melting_point_src"),
    ("density_g_cm3", "density_src"),
    ("atomic_radius_A", "atomic_radius_src"),
    ("covalent_radius_A", "covalent_radius_src"),
    ("electron_affinity_kJ_mol", "electron_affinity_src"),
    ("fusion_kJ_mol", "fusion_src"),
    ("vaporisation_kJ_mol", "vaporisation_src"),
    ("stable_oxidation_states", "stable_oxidation_src"),
    ("other_oxidation_states", "other_oxidation_src"),
    ("config1", "config_src"),
]


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


def disagreements(men, bodr, table, limit):
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
                rows.append((z, men[z]["symbol"], a, b, diff, kept))
        lines.append(f"\n### {title}: {len(rows)} above {limit:g} %\n")
        if not rows:
            continue
        lines.append("| Z | el | mendeleev | bodr | diff % | table |")
        lines.append("|---|---|---|---|---|---|")
        for z, sym, a, b, diff, kept in rows:
            lines.append(f"| {z} | {sym} | {a:.6g} | {b:.6g} | {diff:.1f} | {kept} |")

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
    parser.add_argument("--limit", type=float, default=2.0, help="threshold in percent")
    parser.add_argument("--reference", default=REFERENCE, help="folder of the reference files")
    parser.add_argument("--table", default=TABLE)
    args = parser.parse_args(argv)

    table = read_table(args.table) if os.path.exists(args.table) else None
    if args.stats or args.notes:
        if table is None:
            print(f"crosscheck: {args.table} not found", file=sys.stderr)
            return 2
        print(stats(table) if args.stats else notes(table))
        return 0
    men = read_mendeleev(os.path.join(args.reference, "elements-mendeleev.csv"))
    bodr = read_bodr(os.path.join(args.reference, "bodr-elements.xml"))
    print(disagreements(men, bodr, table, args.limit))
    return 0


if __name__ == "__main__":
    sys.exit(main())
