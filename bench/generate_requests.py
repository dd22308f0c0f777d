#!/usr/bin/env python3
"""Writes N varied batch requests (JSON Lines) to standard output, from a fixed seed."""
import json
import random
import sys

CODES = ["813", "634", "999", "703", "734", "822", "817", "672", "667", "664", "738", "987", "684", "715", "710",
         "733", "779", "633", "996"]


def request(rng):
    r = {"docente": "Docente %d" % rng.randrange(100000)}
    mode = rng.random()
    if mode < 0.6:
        r["categoria"] = "cargo"
        r["codigo"] = rng.choice(CODES)
    else:
        r["categoria"] = "horasmedio" if mode < 0.8 else "horassup"
        key = "numerohorasmed" if r["categoria"] == "horasmedio" else "numerohorassup"
        r[key] = str(rng.randrange(1, 45))
        for k in ("numhorascod06", "numhorasincen", "numhorascod113"):
            r[k] = "%d,%d" % (rng.randrange(0, 40), rng.randrange(10))
    r["tramoantig"] = rng.randrange(13)
    r["zona"] = rng.randrange(-1, 5)
    r["opincentivo"] = rng.random() < 0.8
    if rng.random() < 0.3:
        r["transporte"] = True
        r["cantkm"] = str(rng.randrange(0, 400))
    if rng.random() < 0.2:
        r["inasist"] = True
        r["dinasist"] = str(rng.randrange(0, 6))
    if rng.random() < 0.4:
        r["hijos"] = True
        r["cantidadhijos"] = str(rng.randrange(0, 6))
    r["conyuge"] = rng.random() < 0.3
    for k in ("Iosper", "Osplad", "APORTEJUB", "Ley4035", "ZELAN", "cajacomp", "Seguro3011"):
        r[k] = rng.random() < 0.5
    return r


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
    rng = random.Random(2008)
    out = sys.stdout
    for _ in range(n):
        out.write(json.dumps(r := request(rng), ensure_ascii=False))
        out.write("\n")


if __name__ == "__main__":
    main()
