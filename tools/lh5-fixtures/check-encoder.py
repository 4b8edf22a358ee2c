#!/usr/bin/env python3
"""Development check of our lh5 encoder against a decoder we did not write (lhasa).

Builds a small driver around lh5Encode from an existing build's kanavo_core, encodes a
set of inputs (and any files named on the command line), wraps each bit stream into a
level-0 and a level-2 .lzh archive and asks lhasa to expand them. lhasa checks the data
CRC; we also compare the bytes. Needs: Debian packages lhasa and g++.

Note that `lha` on Debian may be jlha (the alternatives link); this calls `lhasa`.

    tools/lh5-fixtures/check-encoder.py [--build /work/build-lh5] [FILE...]
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lzh  # noqa: E402
import samples  # noqa: E402

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

DRIVER = r"""
#include "schedule/Lh5Encoder.h"
#include <cstdio>
#include <iterator>
#include <vector>
int main() {
    std::vector<std::uint8_t> in;
    for (int c; (c = std::getchar()) != EOF;) in.push_back(static_cast<std::uint8_t>(c));
    const auto out = kanavo::lh5Encode(in);
    std::fwrite(out.data(), 1, out.size(), stdout);
}
"""


def build_driver(build_dir: str, work: str) -> str:
    library = os.path.join(build_dir, "src", "core", "libkanavo_core.a")
    if not os.path.exists(library):
        sys.exit("no %s; build the kanavo_core target first" % library)
    source = os.path.join(work, "encode.cpp")
    binary = os.path.join(work, "encode")
    with open(source, "w") as f:
        f.write(DRIVER)
    subprocess.run(["g++", "-std=c++20", "-O2", "-I", os.path.join(REPO, "src", "core"), source, library,
                    "-o", binary], check=True)
    return binary


def check(name: str, data: bytes, encoder: str, work: str) -> bool:
    packed = subprocess.run([encoder], input=data, stdout=subprocess.PIPE, check=True).stdout
    ok = True
    for level, make in (("0", lzh.level0_entry), ("2", lzh.level2_entry)):
        path = os.path.join(work, "check%s.lzh" % level)
        with open(path, "wb") as f:
            f.write(lzh.archive([make(b"data.bin", lzh.LH5, packed, data)]))
        result = subprocess.run(["lhasa", "-pq", path], stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        good = result.returncode == 0 and result.stdout == data and not result.stderr
        ok = ok and good
        if not good:
            print("FAIL %s (level %s): lhasa rc=%d, %d of %d bytes back, %s" % (
                name, level, result.returncode, len(result.stdout), len(data),
                result.stderr.decode(errors="replace").strip()))
    if ok:
        print("ok   %-28s %8d -> %8d bytes" % (name, len(data), len(packed)))
    return ok


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="/work/build-lh5", help="build directory holding kanavo_core")
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()

    rng = random.Random(5)
    inputs = dict(samples.encoder_inputs(rng))
    for path in args.files:
        with open(path, "rb") as f:
            inputs[os.path.basename(path)] = f.read()

    with tempfile.TemporaryDirectory() as work:
        encoder = build_driver(args.build, work)
        results = [check(name, data, encoder, work) for name, data in inputs.items()]
    print("%d of %d inputs expand correctly" % (sum(results), len(results)))
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
