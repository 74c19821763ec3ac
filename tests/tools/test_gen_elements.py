"""Tests of tools/gen_elements.py (number formatting, record layout, table checks) and of the
table against the current handbook and IUPAC figures in data/current-values.csv."""

import csv
import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import consistency  # noqa: E402
import crosscheck  # noqa: E402
import gen_elements as gen  # noqa: E402


def shipped_rows():
    with open(gen.DEFAULT_TABLE, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def write_table(rows):
    f = tempfile.NamedTemporaryFile("w", suffix=".csv", delete=False, encoding="utf-8", newline="")
    with f:
        w = csv.DictWriter(f, fieldnames=list(rows[0].keys()), lineterminator="\n")
        w.writeheader()
        w.writerows(rows)
    return f.name


class PanelOtherStates(unittest.TestCase):
    def test_keeps_positive_and_near_states_that_fit(self):
        cases = [
            ("+2#+3", "-2#-1#+1#+4#+5#+6#+7", "#+1#+4#+5#+6"),
            ("+2#+3#+4#+6#+7", "-3#-2#-1#+1#+5", "#+5"),
            ("+3", "+1#+2", "#+1#+2"),
            ("-", "+2", "+2"),    # no main states: no comma in front
            ("+2", "-", "-"),
            ("-1#+1#+3#+5#+7", "-2", "#-2"),
        ]
        for stable, other, expected in cases:
            self.assertEqual(gen.panel_other_states(stable, other), expected, (stable, other))

    def test_every_shipped_line_fits_the_panel(self):
        for row in shipped_rows():
            stable = row["stable_oxidation_states"]
            other = gen.panel_other_states(stable, row["other_oxidation_states"])
            self.assertLessEqual(len(stable) + len(other), max(gen.PANEL_OXIDATION_CHARS, len(stable) + 1),
                                 row["symbol"])


class FormatNumber(unittest.TestCase):
    def test_plain_decimal_without_trailing_zeros(self):
        for text, expected in [("3134.150", "3134.15"), ("8.988e-5", "0.00008988"), ("0.0", "0"),
                               ("1E+1", "10"), ("55.845", "55.845"), ("340", "340")]:
            self.assertEqual(gen.format_number(text, False, "t"), expected)

    def test_seven_significant_digits_at_most(self):
        self.assertEqual(gen.format_number("132.9055", False, "t"), "132.9055")
        with self.assertRaisesRegex(gen.TableError, "7 significant"):
            gen.format_number("132.90545", False, "t")

    def test_rejects_negative_and_garbage(self):
        for text in ["-1", "abc", "", "nan", "inf"]:
            with self.assertRaises(gen.TableError, msg=text):
                gen.format_number(text, False, "t")


class RecordLine(unittest.TestCase):
    def setUp(self):
        self.iron = dict(shipped_rows()[25])

    def test_rejects_characters_that_break_the_tail(self):
        for bad in ["Ir\ton", 'Ir"on', "Iron\r", ""]:
            row = dict(self.iron, name_en=bad)
            with self.assertRaises(gen.TableError, msg=repr(bad)):
                gen.record_line(row, 27)

    def test_rejects_bad_phase_and_states(self):
        with self.assertRaisesRegex(gen.TableError, "phase"):
            gen.record_line(dict(self.iron, phase="s"), 27)
        with self.assertRaisesRegex(gen.TableError, "signed"):
            gen.record_line(dict(self.iron, stable_oxidation_states="2#3"), 27)

    def test_configuration_text_and_count_go_together(self):
        with self.assertRaisesRegex(gen.TableError, "config3"):
            gen.record_line(dict(self.iron, count3="1"), 27)


class Generate(unittest.TestCase):
    def tearDown(self):
        if getattr(self, "path", None):
            os.unlink(self.path)

    def test_output_is_crlf_utf8_and_ends_with_the_last_record(self):
        data = gen.generate(gen.DEFAULT_TABLE)
        self.assertEqual(data.count(b"\r\n"), 109)
        self.assertNotIn(b"\n", data.replace(b"\r\n", b""))
        self.assertTrue(data.endswith(b'\xe9\xbf\x8f"\r\n'))  # Mt's name, then nothing
        self.assertEqual(data, gen.generate(gen.DEFAULT_TABLE))

    def test_missing_and_duplicate_elements(self):
        rows = shipped_rows()
        self.path = write_table(rows[:-1])
        with self.assertRaisesRegex(gen.TableError, r"missing \[109\]"):
            gen.generate(self.path)
        os.unlink(self.path)
        rows[1] = dict(rows[0])
        self.path = write_table(rows)
        with self.assertRaisesRegex(gen.TableError, "element 1 twice"):
            gen.generate(self.path)

    def test_check_mode_reports_a_stale_file(self):
        data = gen.generate(gen.DEFAULT_TABLE)
        with tempfile.TemporaryDirectory() as tmp:
            stale = os.path.join(tmp, "Elements.prn")
            with open(stale, "wb") as f:
                f.write(data.replace(b"55.845", b"55.85"))
            out = io.StringIO()
            old, sys.stdout = sys.stdout, out
            try:
                self.assertEqual(gen.main(["--check", stale]), 1)
            finally:
                sys.stdout = old
            self.assertIn("line 26", out.getvalue())
            with open(stale, "wb") as f:
                f.write(data)
            sys.stdout = io.StringIO()
            try:
                self.assertEqual(gen.main(["--check", stale]), 0)
            finally:
                sys.stdout = old


class CurrentSources(unittest.TestCase):
    """No value in the table is older than the current source recorded for it."""

    # Sources that exist only because a current figure was taken over: each such value
    # must be backed by a row of data/current-values.csv.
    CURRENT_CODES = {"IUPAC2021", "CIAAW2024-news", "NUBASE-WP"}

    @classmethod
    def setUpClass(cls):
        cls.current = crosscheck.read_current(crosscheck.CURRENT)
        cls.table = {int(r["Z"]): r for r in shipped_rows()}

    def test_rules(self):
        cases = [
            ("atomic_weight", "39.948", "39.95", False),   # any digit counts
            ("atomic_weight", "18.9984", "18.998403162", True),  # seven significant digits
            ("atomic_weight", "174.9668", "174.96669", False),
            ("atomic_weight", "266", "266", True),
            ("fusion_kJ_mol", "35", "52.31", False),
            ("vaporisation_kJ_mol", "590", "598", True),   # within 2 %
            ("vaporisation_kJ_mol", "144", "141", False),  # just over 2 %
        ]
        for column, kept, now, expected in cases:
            self.assertEqual(crosscheck.agrees(column, kept, now), expected, (column, kept, now))

    def test_table_holds_every_current_value(self):
        for (z, column), row in self.current.items():
            kept = self.table[z][column]
            message = f"{row['symbol']} {column}: table {kept}, {row['source']} {row['value']}"
            self.assertTrue(crosscheck.agrees(column, kept, row["value"]), message)

    def test_every_standard_atomic_weight_is_covered(self):
        # Whole numbers are mass numbers of elements without a standard atomic weight.
        missing = [r["symbol"] for z, r in self.table.items()
                   if (z, "atomic_weight") not in self.current and "." in r["atomic_weight"]]
        self.assertEqual(missing, [])

    def test_current_source_codes_are_backed(self):
        for z, r in self.table.items():
            for column, source in r.items():
                if not column.endswith("_src") or source not in self.CURRENT_CODES:
                    continue
                value_column = next(c for c in crosscheck.STAT_COLUMNS if c[1] == column)[0]
                row = self.current.get((z, value_column))
                self.assertIsNotNone(row, f"{r['symbol']} {value_column}")
                self.assertEqual(row["source"], source, f"{r['symbol']} {value_column}")


class SourceRules(unittest.TestCase):
    """What the checker refuses before a value's source or note reaches a tooltip."""

    def test_rules(self):
        iron = {"Z": "26", "field": "density_g_cm3"}
        cases = [  # (change to iron's row, note, expected problem or None)
            ({}, dict(iron, kind="allotrope", text="α 铁"), None),
            ({"density_src": "-"}, None, "value 7.874 has no source"),
            ({"density_src": ""}, None, "has no source"),
            ({"density_g_cm3": "0", "density_src": "-"}, None, None),  # no value, no source
            ({"density_src": "CRC"}, None, "CRC is not defined"),
            ({}, dict(iron, kind="sublime", text="x"), "not a known kind"),
            ({}, dict(iron, field="colour", kind="allotrope", text="x"), "no such value"),
            ({}, dict(iron, kind="disputed", text="有争议"), "names no range"),
            ({}, dict(iron, kind="disputed", text="有争议：7.87–7.90"), None),
        ]
        sources = {s["code"]: s for s in gen.read_csv(gen.DEFAULT_SOURCES)}
        for change, note, expected in cases:
            table = {26: dict(shipped_rows()[25], **change)}
            problems = crosscheck.source_problems(table, sources, [note] if note else [])
            if expected is None:
                self.assertEqual(problems, [], (change, note))
            else:
                self.assertEqual(len(problems), 1, (change, note, problems))
                self.assertIn(expected, problems[0])

    def test_shipped_data_passes(self):
        table = {int(r["Z"]): r for r in shipped_rows()}
        sources = {s["code"]: s for s in gen.read_csv(gen.DEFAULT_SOURCES)}
        notes = gen.read_csv(gen.DEFAULT_NOTES)
        self.assertEqual(crosscheck.source_problems(table, sources, notes), [])
        second = consistency.read_second_reference(crosscheck.SECOND_REFERENCE)
        self.assertEqual(consistency.check(table, notes, second)[0], [])


class ConsistencyRules(unittest.TestCase):
    """Made-up records of element 44 against a made-up second reference."""

    SECOND = {"electron_affinity_kJ_mol": [100.0], "gas_formation": 650.0}

    def test_rules(self):
        V, F, EA = "vaporisation_kJ_mol", "fusion_kJ_mol", "electron_affinity_kJ_mol"
        md = {"Z": "101", "symbol": "Md", "melting_point_K": "1100", "boiling_point_K": "0",
              "density_g_cm3": "0"}
        cases = [  # (changes to the record, notes as (field, kind, text), expected error or None)
            ({V: "580", F: "40"}, [], None),
            ({V: "619", F: "40"}, [], "above ΔfH(gas) 650 − fusion 40"),
            ({V: "619", F: "40"}, [(V, "disputed", "有争议：568–619")], "above ΔfH(gas)"),
            ({V: "619", F: "40"}, [(V, "disputed", "有争议：高于上限，未能读到")], None),
            ({V: "640", F: "40"}, [(V, "sublimes", "升华焓")], None),
            ({"melting_point_K": "4400"}, [], "not below the boiling point"),
            ({"melting_point_K": "4400"}, [("boiling_point_K", "sublimes", "升华点")], None),
            ({V: "9"}, [(V, "per_molecule", "另一种说法")], "neither per atom nor per molecule"),
            ({V: "9"}, [(V, "per_molecule", "按每摩尔 X 原子计")], "what the vapour is"),
            ({V: "9"}, [(V, "per_molecule", "按每摩尔 X 原子计，蒸气为 X₈")], None),
            ({V: "9"}, [(V, "per_molecule", "未注明按原子还是分子计")], "no disputed note"),
            ({"Z": "43", "symbol": "Tc", EA: "53.1"}, [], "estimate without a 'predicted'"),
            (md, [], "estimate without"),
            (md, [("melting_point_K", "predicted", "估计值")], None),
            ({EA: "109"}, [], None),
            ({EA: "112"}, [], "12 % from the second reference"),
            ({EA: "112"}, [(EA, "disputed", "有争议：100–112 kJ/mol")], None),
            ({EA: "112"}, [(EA, "disputed", "有争议：90–105 kJ/mol")], "without a disputed note"),
        ]
        base = {"Z": "44", "symbol": "Ru", "melting_point_K": "2600", "boiling_point_K": "4400",
                "fusion_kJ_mol": "0", "vaporisation_kJ_mol": "0", "density_g_cm3": "12",
                EA: "100"}
        for change, notes, expected in cases:
            row = dict(base, **change)
            z = int(row["Z"])
            notes = [{"Z": str(z), "field": f, "kind": k, "text": t} for f, k, t in notes]
            errors, _ = consistency.check({z: row}, notes, {44: self.SECOND})
            if expected is None:
                self.assertEqual(errors, [], (change, notes))
            else:
                self.assertEqual(len(errors), 1, (change, notes, errors))
                self.assertIn(expected, errors[0])

    def test_trouton_only_warns(self):
        row = {"Z": "16", "symbol": "S", "boiling_point_K": "717.76", "melting_point_K": "388.36",
               "vaporisation_kJ_mol": "45", "fusion_kJ_mol": "1.7", "density_g_cm3": "2",
               "electron_affinity_kJ_mol": "0"}
        notes = [{"Z": "16", "field": "vaporisation_kJ_mol", "kind": "per_molecule",
                  "text": "按每摩尔 S 原子计，蒸气为 Sₙ 分子"}]
        errors, warnings = consistency.check({16: row}, notes, {})
        self.assertEqual(errors, [])
        self.assertIn("Trouton ratio 63", warnings[0])


if __name__ == "__main__":
    unittest.main()
