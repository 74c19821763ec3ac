#!/usr/bin/env python3
"""Writes Data/Elements.prn from the curated table data/elements.csv.

    gen_elements.py                 write <repo>/Data/Elements.prn and the program's table
                                    of value sources and notes, src/elements/ValueSourcesTable.inc
                                    (from data/elements.csv, data/sources.csv and
                                    data/value-notes.csv)
    gen_elements.py -o FILE         write FILE instead of Elements.prn (no sources table)
    gen_elements.py --check FILE    generate into a temporary file and compare it with
                                    FILE, and the sources table with the committed one;
                                    exit status 1 when they differ

The output is deterministic: the same table always gives the same bytes. Every value is
checked on the way (number syntax, at most seven significant digits, since the program
reads numbers as single precision, no characters that would break the quoted tail).
Standard library only.
"""

import argparse
import csv
import os
import sys
import tempfile
from decimal import Decimal, InvalidOperation

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_TABLE = os.path.join(ROOT, "data", "elements.csv")
DEFAULT_OUTPUT = os.path.join(ROOT, "Data", "Elements.prn")
DEFAULT_SOURCES = os.path.join(ROOT, "data", "sources.csv")
DEFAULT_NOTES = os.path.join(ROOT, "data", "value-notes.csv")
SOURCES_OUTPUT = os.path.join(ROOT, "src", "elements", "ValueSourcesTable.inc")

ELEMENT_COUNT = 109

# The 15 numbers of a record, in file order: (table column, whole number?)
NUMBER_COLUMNS = [
    ("Z", True),
    ("atomic_weight", False),
    ("boiling_point_K", False),
    ("melting_point_K", False),
    ("density_g_cm3", False),
    ("group", True),
    ("count1", True),
    ("count2", True),
    ("count3", True),
    ("count4", True),
    ("atomic_radius_A", False),
    ("covalent_radius_A", False),
    ("electron_affinity_kJ_mol", False),
    ("fusion_kJ_mol", False),
    ("vaporisation_kJ_mol", False),
]

# The ten TAB-separated fields of the quoted tail, in file order.
TAIL_COLUMNS = [
    "stable_oxidation_states",
    "other_oxidation_states",
    "config1",
    "config2",
    "config3",
    "config4",
    "name_en",
    "phase",
    "symbol",
    "name_zh",
]

PHASES = {"S", "L", "G", "Y"}

# Every sourced value of a record: (value column, source column, ValueSources::Field), in the
# order of the program's enum.
VALUE_FIELDS = [
    ("atomic_weight", "atomic_weight_src", "AtomicWeight"),
    ("boiling_point_K", "boiling_point_src", "BoilingPoint"),
    ("melting_point_K", "melting_point_src", "MeltingPoint"),
    ("density_g_cm3", "density_src", "Density"),
    ("atomic_radius_A", "atomic_radius_src", "AtomicRadius"),
    ("covalent_radius_A", "covalent_radius_src", "CovalentRadius"),
    ("electron_affinity_kJ_mol", "electron_affinity_src", "ElectronAffinity"),
    ("fusion_kJ_mol", "fusion_src", "FusionEnthalpy"),
    ("vaporisation_kJ_mol", "vaporisation_src", "VaporisationEnthalpy"),
    ("stable_oxidation_states", "stable_oxidation_src", "StableOxidationStates"),
    ("other_oxidation_states", "other_oxidation_src", "OtherOxidationStates"),
    ("config1", "config_src", "Configuration"),
]

# The kinds a condition note of data/value-notes.csv may name, and ValueSources::NoteKind.
NOTE_KINDS = {
    "sublimes": "Sublimes",
    "triple_point": "TriplePoint",
    "gas_stp": "GasAtStp",
    "allotrope": "Allotrope",
    "predicted": "Predicted",
    "per_molecule": "PerMolecule",
    "disputed": "Disputed",
    "no_value": "NoValue",
}


class TableError(Exception):
    pass


def format_number(text, whole, where):
    """The number as it goes into the file: plain decimal, no exponent, no trailing zeros."""
    try:
        value = Decimal(text.strip())
    except InvalidOperation:
        raise TableError(f"{where}: '{text}' is not a number")
    if not value.is_finite():
        raise TableError(f"{where}: '{text}' is not a finite number")
    if value < 0:
        raise TableError(f"{where}: negative value {text}")
    if value == 0:
        return "0"
    value = value.normalize()
    if whole:
        if value != value.to_integral_value():
            raise TableError(f"{where}: '{text}' is not a whole number")
        if value > 32767:
            raise TableError(f"{where}: {text} does not fit a 16-bit integer")
        return str(int(value))
    if len(value.as_tuple().digits) > 7:
        raise TableError(f"{where}: '{text}' has more than 7 significant digits")
    return format(value, "f")


def check_tail_field(text, where):
    for bad, name in (("\t", "TAB"), ('"', "double quote"), ("\r", "CR"), ("\n", "LF")):
        if bad in text:
            raise TableError(f"{where}: {name} not allowed in '{text}'")
    if text == "":
        raise TableError(f"{where}: empty text")
    return text


def check_oxidation_states(text, where):
    if text == "-":
        return
    for part in text.split("#"):
        if len(part) < 2 or part[0] not in "+-" or not part[1:].isdigit():
            raise TableError(f"{where}: '{part}' is not a signed oxidation state")


def read_table(path):
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    if not rows:
        raise TableError(f"{path}: no rows")
    missing = [c for c, _ in NUMBER_COLUMNS if c not in rows[0]] + [
        c for c in TAIL_COLUMNS if c not in rows[0]
    ]
    if missing:
        raise TableError(f"{path}: missing columns {', '.join(missing)}")
    return rows


# The details panel shows both lists on one line over the symbol, centred by an estimate of
# 60 twips a character; beyond about 17 characters the line runs past the panel's edge.
PANEL_OXIDATION_CHARS = 17


def panel_other_states(stable, other):
    """The other states that fit the panel's line beside the main ones, as a field.

    Positive states come first (the negative states of metals are rare), then those nearest
    the main states; what fits is written in ascending order, with a leading "#" that the
    panel shows as the comma after the main states. The full list stays in the table.
    """
    if other == "-":
        return "-"
    if stable == "-":
        return other
    main = [int(s) for s in stable.split("#")]
    low, high = min(main), max(main)

    def rank(state):
        distance = low - state if state < low else state - high
        return (state < 0, distance, state)

    kept = []
    for state in sorted((int(s) for s in other.split("#")), key=rank):
        field = "#" + "#".join(f"{s:+d}" for s in sorted(kept + [state]))
        if len(stable) + len(field) > PANEL_OXIDATION_CHARS:
            break
        kept.append(state)
    return "#" + "#".join(f"{s:+d}" for s in sorted(kept)) if kept else "-"


def record_line(row, line_no):
    where = f"elements.csv line {line_no}"
    numbers = [
        format_number(row[col], whole, f"{where}, {col}") for col, whole in NUMBER_COLUMNS
    ]
    tail = [check_tail_field(row[col], f"{where}, {col}") for col in TAIL_COLUMNS]
    if row["phase"] not in PHASES:
        raise TableError(f"{where}: phase '{row['phase']}' is not one of S, L, G, Y")
    check_oxidation_states(row["stable_oxidation_states"], f"{where}, stable_oxidation_states")
    check_oxidation_states(row["other_oxidation_states"], f"{where}, other_oxidation_states")
    for i in range(1, 5):
        empty = row[f"config{i}"] == "0"
        if empty != (row[f"count{i}"].strip() == "0"):
            raise TableError(f"{where}: config{i} and count{i} must be empty (0) together")
    other = TAIL_COLUMNS.index("other_oxidation_states")
    tail[other] = panel_other_states(row["stable_oxidation_states"], tail[other])
    return ",".join(numbers) + ',"' + "\t".join(tail) + '"\r\n'


def generate(table_path):
    rows = read_table(table_path)
    seen = set()
    lines = []
    for line_no, row in enumerate(rows, start=2):
        z = int(row["Z"])
        if z in seen:
            raise TableError(f"elements.csv line {line_no}: element {z} twice")
        seen.add(z)
        lines.append((z, record_line(row, line_no)))
    expected = set(range(1, ELEMENT_COUNT + 1))
    if seen != expected:
        raise TableError(
            "elements.csv: missing "
            + str(sorted(expected - seen))
            + ", unexpected "
            + str(sorted(seen - expected))
        )
    lines.sort()
    return "".join(text for _, text in lines).encode("utf-8")


def read_csv(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def cpp_string(text):
    """A C++ string literal of UTF-8 text (the compiler reads the sources as UTF-8)."""
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def sources_table(table_path, sources_path, notes_path):
    """src/elements/ValueSourcesTable.inc: the source of every value and the condition notes."""
    rows = sorted(read_table(table_path), key=lambda r: int(r["Z"]))
    columns = {column: field for column, _, field in VALUE_FIELDS}
    out = ["// Generated by tools/gen_elements.py from data/elements.csv, data/sources.csv and",
           "// data/value-notes.csv: edit those and run the generator, not this file.",
           "", "const SourceEntry kSources[] = {"]
    for s in read_csv(sources_path):
        out.append(f"    {{{cpp_string(s['code'])}, {cpp_string(s['short_zh'])},")
        out.append(f"     {cpp_string(s['name_zh'])}}},")
    out += ["};", "", "// Per element 1..109, the source code of each field in Field order.",
            "const char *const kValueSources[][kFieldCount] = {"]
    for r in rows:
        codes = ", ".join(cpp_string(r[src] or "-") for _, src, _ in VALUE_FIELDS)
        out.append(f"    {{{codes}}},  // {r['Z']} {r['symbol']}")
    out += ["};", "", "const NoteEntry kNotes[] = {"]
    for line_no, n in enumerate(read_csv(notes_path), start=2):
        where = f"value-notes.csv line {line_no}"
        if n["kind"] not in NOTE_KINDS:
            raise TableError(f"{where}: '{n['kind']}' is not a kind of note")
        if n["field"] not in columns:
            raise TableError(f"{where}: '{n['field']}' is not a sourced field")
        out.append(f"    {{{int(n['Z'])}, Field::{columns[n['field']]}, "
                   f"NoteKind::{NOTE_KINDS[n['kind']]},")
        out.append(f"     {cpp_string(n['text'])}}},")
    out += ["};", ""]
    return "\n".join(out).encode("utf-8")


def first_difference(a, b):
    la, lb = a.split(b"\n"), b.split(b"\n")
    for i, (x, y) in enumerate(zip(la, lb), start=1):
        if x != y:
            return i, x, y
    return min(len(la), len(lb)) + 1, b"", b""


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--table", default=DEFAULT_TABLE, help="curated table (CSV)")
    group = parser.add_mutually_exclusive_group()
    group.add_argument("-o", "--output", default=None, help="file to write")
    group.add_argument("--check", metavar="FILE", help="compare a fresh generation with FILE")
    parser.add_argument("--sources", default=DEFAULT_SOURCES, help="source definitions (CSV)")
    parser.add_argument("--notes", default=DEFAULT_NOTES, help="condition notes (CSV)")
    args = parser.parse_args(argv)

    try:
        data = generate(args.table)
        sources = sources_table(args.table, args.sources, args.notes)
    except (TableError, OSError, KeyError, ValueError) as e:
        print(f"gen_elements: {e}", file=sys.stderr)
        return 2

    if args.check:
        with tempfile.TemporaryDirectory() as tmp:
            fresh = os.path.join(tmp, "Elements.prn")
            with open(fresh, "wb") as f:
                f.write(data)
            with open(fresh, "rb") as f:
                regenerated = f.read()
        try:
            with open(args.check, "rb") as f:
                committed = f.read()
        except OSError as e:
            print(f"gen_elements: {e}", file=sys.stderr)
            return 2
        if regenerated != committed:
            line, new, old = first_difference(regenerated, committed)
            print(f"{args.check} is not what {args.table} generates; first difference on line {line}:")
            print("  generated: " + new.decode("utf-8", "replace").rstrip("\r"))
            print("  in file:   " + old.decode("utf-8", "replace").rstrip("\r"))
            print("Run tools/gen_elements.py to regenerate it.")
            return 1
        with open(SOURCES_OUTPUT, "rb") as f:
            if f.read() != sources:
                print(f"{SOURCES_OUTPUT} is out of date. Run tools/gen_elements.py to regenerate it.")
                return 1
        print(f"{args.check} and {SOURCES_OUTPUT} match {args.table}")
        return 0

    with open(args.output or DEFAULT_OUTPUT, "wb") as f:
        f.write(data)
    if not args.output:
        with open(SOURCES_OUTPUT, "wb") as f:
            f.write(sources)
    return 0


if __name__ == "__main__":
    sys.exit(main())
