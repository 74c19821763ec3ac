#!/usr/bin/env python3
"""Build Data/Properties.csv, the second data file, from the curated tables in data/.

    gen_properties.py                      writes Data/Properties.csv
    gen_properties.py --check FILE         exit status 1 when FILE differs from what would be written
    gen_properties.py --crosscheck         the curated values against the second reference set
                                           (Markdown, for data/SOURCES.md)
    gen_properties.py --import-reference   makes data/properties.csv and
                                           data/ionisation-energies.csv from the mendeleev
                                           database export (refuses to overwrite them)

Inputs: data/properties.csv (one row per element, a source column beside every value),
data/ionisation-energies.csv (every successive ionisation energy), data/property-notes.csv
(condition notes per element and property), data/sources.csv (the source codes).

The output is UTF-8 CSV, one row per element 1 to 109; each property has three columns:
`key [unit]`, `key_src` (a code of data/sources.csv) and `key_note`. An empty value is a
value no reliable source gives. Standard library only.
"""

import argparse
import csv
import io
import os
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REFERENCE = os.environ.get("FERROVA_REFERENCE", "/work/shared/reference")
TABLE = os.path.join(ROOT, "data", "properties.csv")
IONISATION = os.path.join(ROOT, "data", "ionisation-energies.csv")
NOTES = os.path.join(ROOT, "data", "property-notes.csv")
SOURCES = os.path.join(ROOT, "data", "sources.csv")
OUTPUT = os.path.join(ROOT, "Data", "Properties.csv")

ELEMENT_COUNT = 109

# Output columns in order: key, unit ("" for none), kind. "text" values are written as
# they are; "number" values are checked to be numbers; "list" is the ionisation energies.
COLUMNS = [
    ("group", "", "number"),
    ("period", "", "number"),
    ("block", "", "text"),
    ("category", "", "text"),
    ("electronegativity", "", "number"),
    ("ionisation_energies", "eV", "list"),
    ("specific_heat", "J/(g·K)", "number"),
    ("molar_heat", "J/(mol·K)", "number"),
    ("thermal_conductivity", "W/(m·K)", "number"),
    ("resistivity", "nΩ·m", "number"),
    ("crystal_structure", "", "text"),
    ("lattice_constant", "pm", "number"),
    ("vdw_radius", "pm", "number"),
    ("metallic_radius", "pm", "number"),
    ("critical_temperature", "K", "number"),
    ("critical_pressure", "MPa", "number"),
    ("abundance_crust", "mg/kg", "number"),
    ("abundance_sea", "mg/L", "number"),
    ("discovery_year", "", "number"),
    ("cas", "", "text"),
]

# The lattice codes of the compilation, in the words of a Chinese crystallography text.
# HEX does not tell hexagonal close packing from the other hexagonal lattices (Se, Te, the
# double close packing of La to Pm), so the import writes "六方"; the curated table names
# the close-packed ones from a second source (data/SOURCES.md).
LATTICE_ZH = {
    "BCC": "体心立方",
    "FCC": "面心立方",
    "HEX": "六方",
    "DIA": "金刚石型",
    "ORC": "正交",
    "RHL": "菱方",
    "TET": "四方",
    "CUB": "立方",
    "MCL": "单斜",
    "SC": "简单立方",
}

METALLOIDS = {5, 14, 32, 33, 51, 52}
OTHER_METALS = {13, 31, 49, 50, 81, 82, 83, 84}
HALOGENS = {9, 17, 35, 53, 85}
NOBLE_GASES = {2, 10, 18, 36, 54, 86}


class TableError(Exception):
    pass


def category(z, group):
    """The usual textbook division by place in the table (data/SOURCES.md)."""
    if 57 <= z <= 71:
        return "镧系元素"
    if 89 <= z <= 103:
        return "锕系元素"
    if z in NOBLE_GASES:
        return "稀有气体"
    if z in HALOGENS:
        return "卤素"
    if z in METALLOIDS:
        return "类金属"
    if z in OTHER_METALS:
        return "其他金属"
    if group == 1 and z != 1:
        return "碱金属"
    if group == 2:
        return "碱土金属"
    if 3 <= group <= 12:
        return "过渡金属"
    return "非金属"


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def number(text, where):
    try:
        float(text)
    except ValueError:
        raise TableError(f"{where}: '{text}' is not a number") from None
    return text


def trim(text):
    """A number of the export as short as it was published: 110.00000000000001 -> 110."""
    if text == "":
        return ""
    value = float(text)
    return f"{value:.10g}"


def ionisation_lists(path, codes):
    lists = {}
    sources = {}
    for line_no, row in enumerate(read_csv(path), start=2):
        where = f"{os.path.basename(path)} line {line_no}"
        z, n = int(row["Z"]), int(row["n"])
        got = lists.setdefault(z, [])
        if n != len(got) + 1:
            raise TableError(f"{where}: ionisation {n} of element {z} out of order")
        got.append(number(row["eV"], where))
        if row["src"] not in codes:
            raise TableError(f"{where}: source '{row['src']}' is not in data/sources.csv")
        sources.setdefault(z, [])
        if row["src"] not in sources[z]:
            sources[z].append(row["src"])
    return lists, sources


def notes_by_value(path):
    notes = {}
    keys = {key for key, _, _ in COLUMNS}
    for line_no, row in enumerate(read_csv(path), start=2):
        if row["key"] not in keys:
            raise TableError(f"property-notes.csv line {line_no}: no property '{row['key']}'")
        notes.setdefault((int(row["Z"]), row["key"]), []).append(row["text"])
    return notes


def header():
    names = ["Z", "symbol"]
    for key, unit, _ in COLUMNS:
        names += [f"{key} [{unit}]" if unit else key, f"{key}_src", f"{key}_note"]
    return names


def generate(table=TABLE, ionisation=IONISATION, notes_path=NOTES, sources=SOURCES):
    codes = {s["code"] for s in read_csv(sources)}
    rows = read_csv(table)
    if [int(r["Z"]) for r in rows] != list(range(1, ELEMENT_COUNT + 1)):
        raise TableError("properties.csv: one row per element 1 to 109, in order")
    energies, energy_sources = ionisation_lists(ionisation, codes)
    notes = notes_by_value(notes_path)
    out = io.StringIO()
    writer = csv.writer(out, lineterminator="\n")
    writer.writerow(header())
    for line_no, row in enumerate(rows, start=2):
        z = int(row["Z"])
        line = [z, row["symbol"]]
        for key, _, kind in COLUMNS:
            where = f"properties.csv line {line_no}, {key}"
            if kind == "list":
                value = " ".join(energies.get(z, []))
                source = "+".join(energy_sources.get(z, []))
            else:
                value, source = row[key], row[key + "_src"]
                if kind == "number" and value:
                    number(value, where)
            for code in filter(None, source.split("+")):
                if code not in codes:
                    raise TableError(f"{where}: source '{code}' is not in data/sources.csv")
            if bool(value) != bool(source):
                raise TableError(f"{where}: a value needs a source and a source a value")
            line += [value, source, "；".join(notes.get((z, key), []))]
        writer.writerow(line)
    return out.getvalue()


# --- first import from the reference export -------------------------------------------

IMPORTED = [
    # (key, column of elements-extra.csv, source code, scale)
    ("electronegativity", "en_pauling", "MDB-CRC", 1),
    ("specific_heat", "specific_heat_capacity", "MDB-CRC", 1),
    ("molar_heat", "molar_heat_capacity", "MDB-CRC", 1),
    ("thermal_conductivity", "thermal_conductivity", "MDB", 1),
    ("lattice_constant", "lattice_constant", "MDB", 100),
    ("vdw_radius", "vdw_radius", "MDB-CRC", 1),
    ("metallic_radius", "metallic_radius", "MDB-KL", 1),
    ("abundance_crust", "abundance_crust", "MDB-CRC", 1),
    ("abundance_sea", "abundance_sea", "MDB-CRC", 1),
    ("discovery_year", "discovery_year", "MDB", 1),
    ("cas", "cas", "MDB", 1),
]


def scaled(text, scale):
    try:
        return trim(repr(round(float(text) * scale, 6)))
    except ValueError:
        return text  # empty, or a CAS number


def import_reference(reference):
    db = os.path.join(reference, "mendeleev-db")
    extra = read_csv(os.path.join(db, "elements-extra.csv"))[:ELEMENT_COUNT]
    phases = {}
    for p in read_csv(os.path.join(db, "phase-transitions.csv")):
        if p["critical_temperature"] or p["critical_pressure"]:
            phases.setdefault(int(p["atomic_number"]), p)
    fields = ["Z", "symbol"]
    for key, _, kind in COLUMNS:
        if kind != "list":
            fields += [key, key + "_src"]
    rows = []
    for e in extra:
        z = int(e["atomic_number"])
        group = int(e["group_id"]) if e["group_id"] else 0
        row = {"Z": z, "symbol": e["symbol"],
               "group": e["group_id"], "group_src": "MDB" if e["group_id"] else "",
               "period": e["period"], "period_src": "MDB",
               "block": e["block"], "block_src": "MDB",
               "category": category(z, group), "category_src": "Rule",
               "resistivity": "", "resistivity_src": ""}
        for key, column, code, scale in IMPORTED:
            value = scaled(e[column], scale)
            row[key], row[key + "_src"] = value, code if value else ""
        lattice = LATTICE_ZH.get(e["lattice_structure"], "")
        row["crystal_structure"], row["crystal_structure_src"] = lattice, "MDB" if lattice else ""
        p = phases.get(z, {})
        for key in ("critical_temperature", "critical_pressure"):
            value = trim(p.get(key, ""))
            row[key], row[key + "_src"] = value, "MDB-CRC97" if value else ""
        rows.append(row)
    write_new(TABLE, fields, rows)
    energies = []
    for r in read_csv(os.path.join(db, "ionization-energies.csv")):
        z = int(r["atomic_number"])
        if z <= ELEMENT_COUNT and r["energy_eV"]:
            energies.append({"Z": z, "n": int(r["ion_charge"]) + 1, "eV": trim(r["energy_eV"]),
                             "src": "MDB-NIST",
                             "how": "theoretical" if r["is_theoretical"] == "1" else
                             "semi-empirical" if r["is_semi_empirical"] == "1" else ""})
    energies.sort(key=lambda r: (r["Z"], r["n"]))
    write_new(IONISATION, ["Z", "n", "eV", "src", "how"], energies)


def write_new(path, fields, rows):
    if os.path.exists(path):
        raise TableError(f"{path} exists: the curated table is edited by hand now")
    with open(path, "w", newline="", encoding="utf-8") as f:
        writer = csv.DictWriter(f, fieldnames=fields, lineterminator="\n")
        writer.writeheader()
        writer.writerows(rows)


# --- cross-check against the Blue Obelisk list ----------------------------------------

CML = "{http://www.xml-cml.org/schema}"


def bodr_values(reference):
    root = ET.parse(os.path.join(reference, "bodr-elements.xml")).getroot()
    values = {}
    for atom in root:
        got = {}
        for child in atom:
            ref = child.get("dictRef", "")
            if ref in ("bo:atomicNumber", "bo:electronegativityPauling", "bo:ionization",
                       "bo:radiusVDW", "bo:discoveryDate", "bo:period"):
                got[ref[3:]] = (child.text or "").strip()
        if got.get("atomicNumber", "").isdigit():
            values[int(got["atomicNumber"])] = got
    return values


def crosscheck(reference, limit):
    table = {int(r["Z"]): r for r in read_csv(TABLE)}
    first = {int(r["Z"]): float(r["eV"]) for r in read_csv(IONISATION) if r["n"] == "1"}
    bodr = bodr_values(reference)
    pairs = [("electronegativity", "electronegativityPauling", 1),
             ("vdw_radius", "radiusVDW", 100), ("discovery_year", "discoveryDate", 1),
             ("period", "period", 1)]
    lines = ["| Z | el | property | table | bodr |", "|---|---|---|---|---|"]
    compared = 0
    for z in range(1, ELEMENT_COUNT + 1):
        b = bodr.get(z, {})
        checks = [(key, table[z][key], b.get(ref, ""), scale) for key, ref, scale in pairs]
        checks.append(("ionisation_1 (eV)", str(first.get(z, "")), b.get("ionization", ""), 1))
        for key, ours, theirs, scale in checks:
            try:
                a, t = float(ours), float(theirs) * scale
            except ValueError:
                continue
            if t == 0 or a == 0:
                continue
            compared += 1
            if abs(a - t) / abs(t) * 100 > limit:
                lines.append(f"| {z} | {table[z]['symbol']} | {key} | {ours} | {t:g} |")
    lines.append(f"\n{compared} values compared; {len(lines) - 2} differ by more than {limit} %.")
    return "\n".join(lines)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", metavar="FILE")
    parser.add_argument("--crosscheck", action="store_true")
    parser.add_argument("--import-reference", action="store_true")
    parser.add_argument("--limit", type=float, default=2.0)
    parser.add_argument("--reference", default=REFERENCE)
    args = parser.parse_args(argv)
    try:
        if args.import_reference:
            import_reference(args.reference)
            return 0
        if args.crosscheck:
            print(crosscheck(args.reference, args.limit))
            return 0
        text = generate()
    except TableError as e:
        print(f"gen_properties: {e}", file=sys.stderr)
        return 1
    if args.check:
        with open(args.check, encoding="utf-8") as f:
            if f.read() != text:
                print(f"gen_properties: {args.check} is not what data/ makes; run the generator",
                      file=sys.stderr)
                return 1
        return 0
    with open(OUTPUT, "w", encoding="utf-8", newline="") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
