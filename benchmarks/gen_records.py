#!/usr/bin/env python3
"""Deterministic synthetic address records for the label-printing benchmark.

Each record has four lines: name, street, "ZIP City", country.
Writes the same records twice:
  <out>.csv  - comma-separated, no key line
  <out>.txt  - plain text, 4 lines per record, records separated by one empty line

Usage: gen_records.py N OUTPREFIX [--seed S]
"""
import argparse
import csv
import random

FIRST = ["Anna", "Ben", "Chloé", "David", "Elif", "François", "Grete", "Hiro",
         "Ines", "Jonas", "Katarzyna", "Lars", "María", "Noah", "Olga",
         "Pedro", "Quentin", "Rūta", "Søren", "Tomasz", "Ute", "Vikram",
         "Wiebke", "Xavier", "Yusuf", "Zoë", "Maximilian-Alexander"]
LAST = ["Andersson", "Bauer", "Castillo", "Dąbrowski", "Eriksen", "Fischer",
        "García", "Hoffmann", "Ivanova", "Jääskeläinen", "Kowalski", "Lefèvre",
        "Müller", "Nakamura", "O'Brien", "Petrović", "Quispe", "Rossi",
        "Schmidt", "Taylor", "Umarov", "Van der Berg", "Wójcik", "Yılmaz",
        "Zimmermann-Leutheusser"]
STREET = ["Main Street", "Hauptstraße", "Rue de la Paix", "Calle Mayor",
          "Via Roma", "Long Acre", "Kungsgatan", "Ulica Długa",
          "Bahnhofstraße", "Oak Avenue", "Avenida da Liberdade",
          "Sankt-Johannis-Kirchplatz", "Boulevard Saint-Germain"]
CITY = ["Berlin", "Paris", "Madrid", "Roma", "London", "Stockholm", "Gdańsk",
        "Zürich", "Lisboa", "Springfield", "København", "Wien", "Kraków",
        "Garmisch-Partenkirchen", "Llanfairpwllgwyngyll"]
COUNTRY = ["Germany", "France", "Spain", "Italy", "United Kingdom", "Sweden",
           "Poland", "Switzerland", "Portugal", "United States", "Denmark",
           "Österreich", "Polska"]


def make_records(n, seed=5160):
    """Return n records, each a tuple of 4 non-empty strings without commas,
    double quotes or line breaks (so the CSV needs no quoting)."""
    rng = random.Random(seed)
    recs = []
    for i in range(n):
        name = f"{rng.choice(FIRST)} {rng.choice(LAST)}"
        street = f"{rng.choice(STREET)} {rng.randint(1, 999)}"
        city = f"{rng.randint(10000, 99999)} {rng.choice(CITY)}"
        country = rng.choice(COUNTRY)
        # Unique, searchable tag in line 1 so renders can be checked per record.
        recs.append((f"{name} #{i + 1}", street, city, country))
    return recs


def write_csv(recs, path):
    with open(path, "w", encoding="utf-8", newline="") as f:
        w = csv.writer(f, lineterminator="\n", quoting=csv.QUOTE_MINIMAL)
        w.writerows(recs)


def write_txt(recs, path):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n\n".join("\n".join(r) for r in recs))
        if recs:
            f.write("\n")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("n", type=int)
    ap.add_argument("outprefix")
    ap.add_argument("--seed", type=int, default=5160)
    a = ap.parse_args()
    recs = make_records(a.n, a.seed)
    write_csv(recs, a.outprefix + ".csv")
    write_txt(recs, a.outprefix + ".txt")


if __name__ == "__main__":
    main()
