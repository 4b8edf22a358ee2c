#!/usr/bin/env python3
"""Remakes tests/data/lh5/: lh5 payloads made by an encoder we did not write (jlha, the
Java LHA of Debian's jlha-utils), each as NAME.lh5 (4-byte little-endian expanded size,
then the raw bit stream taken out of jlha's archive) with its expected output NAME.out.

Every fixture is checked before it is written: jlha must have chosen -lh5- (it stores
inputs it cannot shrink), lhasa must expand jlha's archive to the input, a plain decoder
here (lh5scan) must agree, and the stream must take the coder paths the fixture is for.
Needs the Debian packages jlha-utils and lhasa.

    tools/lh5-fixtures/make-fixtures.py [--out tests/data/lh5]
"""

import argparse
import os
import random
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lh5scan  # noqa: E402
import lzh  # noqa: E402
import samples  # noqa: E402

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def flat_7bit(rng: random.Random, per_value: int) -> bytes:
    """Values 0..127 exactly `per_value` times each and no 3-byte string twice: no matches,
    and all 128 literals get 7-bit codes, so the code-length table has a single symbol
    (and the position table, with nothing to code, too)."""
    remaining = {v: per_value for v in range(128)}
    seen = set()
    out = bytearray()
    while remaining:
        choices = [v for v in remaining if len(out) < 2 or (out[-2], out[-1], v) not in seen]
        v = rng.choice(choices)
        if len(out) >= 2:
            seen.add((out[-2], out[-1], v))
        out.append(v)
        remaining[v] -= 1
        if remaining[v] == 0:
            del remaining[v]
    return bytes(out)


def every_byte_value(rng: random.Random) -> bytes:
    """All 256 byte values, with repeats of earlier stretches so that it compresses."""
    out = bytearray(range(256))
    while len(out) < 3000:
        start = rng.randrange(len(out) - 16)
        out += out[start:start + rng.randint(4, 40)]
        out.append(rng.randrange(256))
    return bytes(out)


def literals_then_far_repeats(rng: random.Random) -> bytes:
    """About 24 KB: stretches of random Cyrillic letters (literal-heavy, so jlha needs more
    than one block) and copies from 7900..8192 bytes back, across 8192-byte boundaries."""
    letters = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя".encode("cp1251")
    out = bytearray()
    while len(out) < 24000:
        if len(out) > 8300 and rng.random() < 0.3:
            back = rng.randint(7900, 8192)
            out += out[len(out) - back:len(out) - back + rng.randint(3, 200)]
        else:
            out += bytes(rng.choice(letters) for _ in range(rng.randint(20, 200)))
    return bytes(out)


# name -> (input maker, what the stream must show)
FIXTURES = {
    "tiny-text": (lambda rng: "Новости\r\n".encode("cp1251") * 3,
                  lambda st: st["blocks"] == 1),
    "schedule-day": (lambda rng: samples.schedule_text(rng, days=1)[:2500],
                     lambda st: st["zero_runs"] == {0, 1, 2}),
    "run-of-one-byte": (lambda rng: b"\xe0" * 3000,
                        lambda st: "position" in st["single"] and st["max_length"] == 256),
    "flat-7bit": (lambda rng: flat_7bit(rng, 16),
                  lambda st: {"code-length", "position"} <= st["single"] and st["max_length"] == 0),
    "every-byte-value": (every_byte_value, lambda st: st["max_distance"] > 256),
    "far-repeats": (literals_then_far_repeats,
                    lambda st: st["blocks"] >= 2 and st["max_distance"] == 8192),
}


def jlha_stream(data: bytes, work: str):
    source = os.path.join(work, "input.bin")
    archive_path = os.path.join(work, "jlha.lzh")
    with open(source, "wb") as f:
        f.write(data)
    if os.path.exists(archive_path):
        os.remove(archive_path)
    subprocess.run(["jlha", "a", archive_path, "input.bin"], cwd=work, check=True, stdout=subprocess.DEVNULL)
    lhasa = subprocess.run(["lhasa", "-pq", archive_path], stdout=subprocess.PIPE, check=True).stdout
    with open(archive_path, "rb") as f:
        (entry,) = list(lzh.read_entries(f.read()))
    name, method, packed, original_size, crc = entry
    if method != lzh.LH5:
        sys.exit("jlha stored %s with %s; the input does not compress" % (name, method))
    if original_size != len(data) or crc != lzh.crc16(data) or lhasa != data:
        sys.exit("jlha's archive of %s does not expand to the input" % name)
    return packed


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(REPO, "tests", "data", "lh5"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    with tempfile.TemporaryDirectory() as work:
        for name, (make, expect) in FIXTURES.items():
            data = make(random.Random(name))
            packed = jlha_stream(data, work)
            expanded, stats = lh5scan.decode(packed, len(data))
            if expanded != data:
                sys.exit("%s: the stream taken out of jlha's archive does not expand to the input" % name)
            if not expect(stats):
                sys.exit("%s: the stream does not show what the fixture is for: %s" % (name, stats))
            with open(os.path.join(args.out, name + ".lh5"), "wb") as f:
                f.write(struct.pack("<I", len(data)) + packed)
            with open(os.path.join(args.out, name + ".out"), "wb") as f:
                f.write(data)
            print("%-18s %6d -> %6d bytes, %d block(s) of %s symbols, single tables: %s, zero runs: %s, "
                  "longest distance %d" % (name, len(data), len(packed), stats["blocks"], stats["block_symbols"],
                                           ", ".join(sorted(stats["single"])) or "none",
                                           sorted(stats["zero_runs"]), stats["max_distance"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
