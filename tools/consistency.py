"""Rules that catch element values which cannot all be right together.

Each rule looks at one element's row of data/elements.csv, the condition notes of
data/value-notes.csv and the second reference (data/second-reference.csv, an extract of the
mendeleev database made by `crosscheck.py --extract-second-reference`). A rule returns
errors, which fail `crosscheck.py --check-sources`, and warnings, which only report:
Trouton's rule is a rule of thumb, so it never fails the data and never corrects a value.
Standard library only.
"""

import csv
import os
import re

EV_KJ = 96.485

MELTING = "melting_point_K"
BOILING = "boiling_point_K"
FUSION = "fusion_kJ_mol"
VAPORISATION = "vaporisation_kJ_mol"
AFFINITY = "electron_affinity_kJ_mol"
BULK_FIELDS = (MELTING, BOILING, "density_g_cm3", FUSION, VAPORISATION)

# More than this fraction away from the second reference needs a disputed note naming both.
REFERENCE_LIMIT = 0.10
# A disputed range "a–b" covers a figure within this fraction of its ends (rounding).
RANGE_SLACK = 0.05

# Trouton's ratio ΔvapH/Tb in J/(mol·K) of most liquids boiling to a vapour of single atoms
# or of the molecules the value is counted in (H₂ about 45, refractory metals up to 190).
TROUTON_LOW, TROUTON_HIGH = 40.0, 200.0
# Counted per atom of a vapour of molecules, the ratio is that band divided by the atoms per
# molecule: at this or above, a per-atom value looks like one per mole of molecules.
TROUTON_PER_ATOM_HIGH = 50.0

# Never made in weighable amounts (At, Fr, Fm–Mt): every bulk value is an estimate.
NO_BULK_SAMPLE = {85, 87} | set(range(100, 110))
# Values no measurement exists for although the element has been studied: each must say so.
NOT_MEASURED = {
    (43, AFFINITY): "Tc: no Tc⁻ has been observed",
    (76, FUSION): "Os: estimated from the entropies of fusion of the platinum metals",
    (84, AFFINITY): "Po: calculated",
    (87, AFFINITY): "Fr: calculated",
    (88, AFFINITY): "Ra: calculated",
    (89, AFFINITY): "Ac: calculated",
    (89, BOILING): "Ac: estimated",
    (91, BOILING): "Pa: estimated",
}

RANGE = re.compile(r"(\d+(?:\.\d+)?)\s*[–-]\s*(\d+(?:\.\d+)?)")
# How a note of kind per_molecule says what the value is counted in.
BASIS = re.compile(r"按每摩尔\s*\S*?\s*(原子|分子)计")
BASIS_UNKNOWN = "未注明"
VAPOUR = "蒸气"
# A disputed note that cannot give the other figure says it could not be read.
NOT_READ = "未能读到"
# A value kept above the vaporisation bound (nothing better could be read) says so in its
# disputed note, so the bound is shown to the user rather than silently broken.
ABOVE_BOUND = "上限"


def number(text):
    try:
        return float(text)
    except (TypeError, ValueError):
        return 0.0


def index_notes(notes):
    """{(Z, field): [note, ...]} of data/value-notes.csv."""
    out = {}
    for n in notes:
        out.setdefault((int(n["Z"]), n["field"]), []).append(n)
    return out


def figures(text, factor=1.0):
    """The ';'-separated figures of one cell (one per allotrope), scaled to the table's unit."""
    return [float(v) * factor for v in text.split(";") if v]


def read_second_reference(path):
    """{Z: {field: [values in the table's unit], "gas_formation": kJ/mol or None}}."""
    out = {}
    with open(path, encoding="utf-8", newline="") as f:
        for r in csv.DictReader(f):
            out[int(r["Z"])] = {
                MELTING: figures(r["melting_point_K"]),
                BOILING: figures(r["boiling_point_K"]),
                AFFINITY: figures(r["electron_affinity_eV"], EV_KJ),
                "gas_formation": number(r["gas_formation_kJ_mol"]) or None,
            }
    return out


class Element:
    """One row of the table with its notes, for the rules below."""

    def __init__(self, row, notes):
        self.row, self.z, self.symbol = row, int(row["Z"]), row["symbol"]
        self.notes = notes

    def value(self, field):
        return number(self.row[field])

    def kinds(self, field):
        return {n["kind"] for n in self.notes.get((self.z, field), [])}

    def texts(self, field, kind):
        return [n["text"] for n in self.notes.get((self.z, field), []) if n["kind"] == kind]


def vaporisation_bound(e, second):
    """Evaporating the liquid cannot take more than making the gas from the solid at 298 K
    less melting it: ΔvapH ≤ ΔfH°(gas) − ΔfusH (the enthalpy falls as the temperature rises)."""
    vap, formation = e.value(VAPORISATION), (second.get(e.z) or {}).get("gas_formation")
    if not vap or not formation or "per_molecule" in e.kinds(VAPORISATION) | e.kinds(FUSION):
        return [], []
    sublimes = "sublimes" in e.kinds(VAPORISATION)
    bound = formation if sublimes else formation - e.value(FUSION)
    if vap > bound + 1e-9 and not any(ABOVE_BOUND in t for t in e.texts(VAPORISATION, "disputed")):
        return [f"{e.symbol} vaporisation {vap:g} kJ/mol is above ΔfH(gas) {formation:g}"
                f"{'' if sublimes else f' − fusion {e.value(FUSION):g}'} = {bound:g}"], []
    return [], []


def melting_below_boiling(e, second):
    """Only a sublimation point or a triple point under pressure lets melting reach boiling."""
    melting, boiling = e.value(MELTING), e.value(BOILING)
    if not melting or not boiling or melting < boiling:
        return [], []
    if "triple_point" in e.kinds(MELTING) or "sublimes" in e.kinds(BOILING):
        return [], []
    return [f"{e.symbol} melting point {melting:g} K is not below the boiling point {boiling:g} K "
            "and no sublimation or triple-point note says why"], []


def enthalpy_basis(e, second):
    """A per-atom or per-molecule note says which it is; Trouton's rule warns when the value
    does not look like what the note says."""
    errors = []
    for field in (FUSION, VAPORISATION):
        for text in e.texts(field, "per_molecule"):
            if BASIS_UNKNOWN in text:
                if "disputed" not in e.kinds(field):
                    errors.append(f"{e.symbol} {field}: the basis is unknown but no disputed note")
            elif not BASIS.search(text):
                errors.append(f"{e.symbol} {field}: the per-molecule note says neither per atom "
                              "nor per molecule (按每摩尔 … 原子计 / 分子计)")
            elif field == VAPORISATION and "原子" == BASIS.search(text).group(1) \
                    and VAPOUR not in text:
                errors.append(f"{e.symbol} {field}: counted per atom but the note does not say "
                              "what the vapour is")
    return errors, trouton_warnings(e)


def trouton_warnings(e):
    vap, boiling = e.value(VAPORISATION), e.value(BOILING)
    if not vap or not boiling:
        return []
    ratio = vap * 1000 / boiling
    texts = e.texts(VAPORISATION, "per_molecule")
    if any(BASIS_UNKNOWN in t for t in texts):
        return []
    per_atom = any((m := BASIS.search(t)) and m.group(1) == "原子" for t in texts)
    if per_atom and ratio >= TROUTON_PER_ATOM_HIGH:
        return [f"{e.symbol} vaporisation {vap:g} per atom: Trouton ratio {ratio:.0f} J/(mol·K) "
                "is that of a value per mole of vapour molecules"]
    if not per_atom and not TROUTON_LOW <= ratio <= TROUTON_HIGH:
        return [f"{e.symbol} vaporisation {vap:g}: Trouton ratio {ratio:.0f} J/(mol·K) is outside "
                f"{TROUTON_LOW:g}–{TROUTON_HIGH:g}"]
    return []


def estimates_marked(e, second):
    """An estimate shown as a measurement misleads: each must carry a 'predicted' note."""
    fields = [f for f in BULK_FIELDS if e.z in NO_BULK_SAMPLE]
    fields += [f for (z, f) in NOT_MEASURED if z == e.z]
    return [f"{e.symbol} {field} {e.value(field):g} is an estimate without a 'predicted' note"
            for field in fields if e.value(field) and "predicted" not in e.kinds(field)], []


def covers(text, values):
    """Whether a range "a–b" of the note holds every one of the values."""
    for m in RANGE.finditer(text):
        low, high = sorted((float(m.group(1)), float(m.group(2))))
        if all(low * (1 - RANGE_SLACK) <= abs(v) <= high * (1 + RANGE_SLACK) for v in values):
            return True
    return False


def near_second_reference(e, second):
    """A value far from the second reference is either a fault or a dispute to show."""
    errors = []
    for field in (MELTING, BOILING, AFFINITY):
        value, theirs = e.value(field), [r for r in (second.get(e.z) or {}).get(field, []) if r]
        if not value or not theirs:
            continue
        nearest = min(theirs, key=lambda r: abs(value - r))
        off = abs(value - nearest) / abs(nearest)
        if off <= REFERENCE_LIMIT:
            continue
        disputes = e.texts(field, "disputed")
        if not any(covers(t, [value, nearest]) or NOT_READ in t for t in disputes):
            errors.append(f"{e.symbol} {field} {value:g} is {off * 100:.0f} % from the second "
                          f"reference's {nearest:.4g} without a disputed note naming both")
    return errors, []


RULES = (vaporisation_bound, melting_below_boiling, enthalpy_basis, estimates_marked,
         near_second_reference)


def check(table, notes, second):
    """(errors, warnings) of every rule over the table {Z: row}."""
    index = index_notes(notes)
    errors, warnings = [], []
    for z in sorted(table):
        e = Element(table[z], index)
        for rule in RULES:
            found_errors, found_warnings = rule(e, second)
            errors += found_errors
            warnings += found_warnings
    return errors, warnings


def extract_rows(folder):
    """The second reference's figures the rules use, from the mendeleev database export."""
    with open(os.path.join(folder, "elements-extra.csv"), encoding="utf-8", newline="") as f:
        extra = {int(r["atomic_number"]): r for r in csv.DictReader(f)}
    phases = {}
    with open(os.path.join(folder, "phase-transitions.csv"), encoding="utf-8", newline="") as f:
        for r in csv.DictReader(f):
            phases.setdefault(int(r["atomic_number"]), []).append(r)

    def joined(rows, column, skip_transitions=False):
        seen = []
        for r in rows:
            if r[column] and not (skip_transitions and r["is_transition"] == "1"):
                text = f"{float(r[column]):.7g}"
                if text not in seen:
                    seen.append(text)
        return ";".join(seen)

    out = [["Z", "symbol", "melting_point_K", "boiling_point_K", "electron_affinity_eV",
            "gas_formation_kJ_mol"]]
    for z in range(1, 110):
        rows = phases.get(z, [])
        ea, formation = extra[z]["electron_affinity"], extra[z]["heat_of_formation"]
        out.append([str(z), extra[z]["symbol"], joined(rows, "melting_point", True),
                    joined(rows, "boiling_point"), f"{float(ea):.7g}" if ea else "",
                    f"{float(formation):.7g}" if formation else ""])
    return out
