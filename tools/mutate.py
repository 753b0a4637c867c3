#!/usr/bin/env python3
"""Mutation check of the core: plants one small fault at a time in src/core and runs the quick
tests against it. A mutant is killed when a test fails, crashes or times out; it survives when
every test passes. The mutants are drawn with a seed, so a run can be repeated exactly.

Usage: tools/mutate.py [--count N] [--seed S] [--build-dir DIR] [--tests a,b,...]
                       [--timeout SEC] [--files GLOB] [--report FILE] [--list]

Each mutant is an in-place edit of one line, restored before the next one and on any exit
(Ctrl-C included). The build dir is configured without the GUI; ninja rebuilds only the mutated
file and relinks the tests. Mutants are visited file by file to keep the rebuilds small.
"""
import argparse
import fnmatch
import os
import random
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEFAULT_TESTS = "core_text_tests,core_qm_tests,core_files_tests,core_geometry_tests," \
                "core_granice_tests,cli_tests,fuzz_*_replay"

# Binary operators are written with spaces around them (clang-format), which tells them apart
# from template brackets, shifts and unary uses.
SWAPS = [
    (" <= ", " < "), (" < ", " <= "), (" >= ", " > "), (" > ", " >= "),
    (" == ", " != "), (" != ", " == "), (" && ", " || "), (" || ", " && "),
    (" + 1", " - 1"), (" - 1", " + 1"),
]
WORDS = [("true", "false"), ("false", "true")]
INT_LITERAL = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
NOT = re.compile(r"!(?!=)")


def code_mask(line):
    """Positions of the line that are code: string and char literals and // comments are not."""
    mask = [True] * len(line)
    i, quote = 0, None
    while i < len(line):
        c = line[i]
        if quote:
            mask[i] = False
            if c == "\\":
                if i + 1 < len(line):
                    mask[i + 1] = False
                i += 2
                continue
            if c == quote:
                quote = None
        elif c in "\"'" and not (c == "'" and i > 0 and line[i - 1].isalnum()):
            quote = c
            mask[i] = False
        elif line.startswith("//", i):
            for j in range(i, len(line)):
                mask[j] = False
            break
        i += 1
    return mask


def sites_in(path):
    rel = path.relative_to(ROOT)
    out = []
    in_block = False
    for no, line in enumerate(path.read_text(encoding="utf-8").splitlines(keepends=True), 1):
        s = line.strip()
        if in_block:
            if "*/" in s:
                in_block = False
            continue
        if s.startswith("/*"):
            in_block = "*/" not in s
            continue
        if not s or s.startswith(("#", "//", "static_assert")):
            continue
        mask = code_mask(line)

        def add(col, old, new):
            if all(mask[col:col + len(old)]):
                out.append((str(rel), no, col, old, new))

        for old, new in SWAPS:
            for m in re.finditer(re.escape(old), line):
                # " < " must not be part of " << " and " > " not of " >> " or "->".
                if old.strip() in "<>" and line[m.start() - 1:m.start()] in "<>-=":
                    continue
                if old.endswith("1") and line[m.end():m.end() + 1].isalnum():
                    continue
                add(m.start(), old, new)
        for old, new in WORDS:
            for m in re.finditer(r"\b%s\b" % old, line):
                add(m.start(), old, new)
        for m in INT_LITERAL.finditer(line):
            n = int(m.group(1))
            add(m.start(), m.group(1), str(n + 1) if n == 0 or m.start() % 2 else str(n - 1))
        for m in NOT.finditer(line):
            add(m.start(), "!", "")
    return out


def all_sites(pattern):
    files = sorted(p for p in (ROOT / "src/core").rglob("*.cpp")
                   if fnmatch.fnmatch(str(p.relative_to(ROOT)), pattern))
    return [s for f in files for s in sites_in(f)]


def sh(cmd, timeout=None, env=None):
    try:
        r = subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout, env=env)
        return r.returncode, r.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return "timeout", ""


def test_binaries(build, names):
    found = []
    for name in names:
        hits = sorted(p for p in build.rglob(name) if p.is_file() and os.access(p, os.X_OK))
        found += [h for h in hits if h not in found]
    return found


def run_tests(binaries, timeout):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", VYN_TEST_SZYBKO="1")
    for b in binaries:
        args = [str(b)]
        if b.name.startswith("fuzz_") and b.name.endswith("_replay"):  # fuzz_<name>_replay
            args.append(str(ROOT / "fuzz/corpus" / b.name[len("fuzz_"):-len("_replay")]))
        else:
            args += ["--gtest_fail_fast", "--gtest_brief=1"]
        rc, _ = sh(args, timeout=timeout, env=env)
        if rc != 0:
            return "killed (%s%s)" % (b.name, ", timeout" if rc == "timeout" else "")
    return None


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--count", type=int, default=60)
    ap.add_argument("--seed", type=int, default=13)
    ap.add_argument("--build-dir", default="build-mutate")
    ap.add_argument("--tests", default=DEFAULT_TESTS,
                    help="test executables (names or globs) run against each mutant")
    ap.add_argument("--timeout", type=float, default=60, help="seconds per test executable")
    ap.add_argument("--files", default="src/core/*", help="glob of the files to mutate")
    ap.add_argument("--report", help="also write the report to this file")
    ap.add_argument("--list", action="store_true", help="only print the chosen mutants")
    a = ap.parse_args()

    sites = all_sites(a.files)
    chosen = random.Random(a.seed).sample(sites, min(a.count, len(sites)))
    chosen.sort(key=lambda s: (s[0], s[1], s[2]))
    if a.list:
        for f, no, col, old, new in chosen:
            print("%s:%d:%d %r -> %r" % (f, no, col + 1, old, new))
        return 0

    in_git = sh(["git", "rev-parse", "--is-inside-work-tree"])[0] == 0
    if in_git and sh(["git", "diff", "--quiet", "--", "src/core"])[0] != 0:
        print("mutate: src/core has uncommitted changes; commit or stash them first")
        return 2
    build = ROOT / a.build_dir
    if not (build / "build.ninja").exists():
        rc, out = sh(["cmake", "-S", ".", "-B", str(build), "-G", "Ninja",
                      "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DVYN_BUILD_GUI=OFF",
                      "-DVYN_BUILD_BENCH=OFF"])
        if rc != 0:
            print(out)
            return 2
    names = [n.strip() for n in a.tests.split(",") if n.strip()]
    targets = [n for n in names if "*" not in n]
    replay = [n for n in names if "*" in n]

    def build_tests():
        cmd = ["cmake", "--build", str(build), "-j2", "--target"] + targets
        rc, out = sh(cmd)
        if rc == 0 and replay:  # the replay drivers build under the default target
            rc, out = sh(["cmake", "--build", str(build), "-j2"])
        return rc, out

    rc, out = build_tests()
    binaries = test_binaries(build, names)
    if rc != 0 or not binaries:
        print(out[-3000:] or "mutate: no test executables found")
        return 2
    clean = run_tests(binaries, a.timeout * 3)
    if clean:
        print("mutate: the unmutated tests fail: " + clean)
        return 2
    print("mutate: seed %d, %d of %d sites, tests: %s" %
          (a.seed, len(chosen), len(sites), " ".join(b.name for b in binaries)), flush=True)

    # Ctrl-C or a kill ends the run through the finally below, which restores the file.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    results = []
    start = time.time()
    for i, (f, no, col, old, new) in enumerate(chosen, 1):
        path = ROOT / f
        original = path.read_bytes()
        lines = original.decode("utf-8").splitlines(keepends=True)
        line = lines[no - 1]
        assert line[col:col + len(old)] == old
        lines[no - 1] = line[:col] + new + line[col + len(old):]
        try:
            path.write_bytes("".join(lines).encode("utf-8"))
            rc, _ = build_tests()
            verdict = "not compiling" if rc != 0 else (run_tests(binaries, a.timeout) or
                                                        "SURVIVED")
        finally:
            path.write_bytes(original)
        results.append((verdict, f, no, line.strip(), lines[no - 1].strip()))
        print("[%d/%d %4.0fs] %-28s %s:%d  %s" % (i, len(chosen), time.time() - start,
                                                  verdict, f, no, lines[no - 1].strip()),
              flush=True)
    sh(["cmake", "--build", str(build), "-j2"])  # leave the build dir matching the sources

    killed = sum(r[0].startswith("killed") for r in results)
    dead = sum(r[0] == "not compiling" for r in results)
    survived = [r for r in results if r[0] == "SURVIVED"]
    valid = killed + len(survived)
    report = ["Mutation check: seed %d, %d mutants of %d sites" % (a.seed, len(results),
                                                                   len(sites)),
              "killed %d, survived %d, not compiling %d; score %d/%d = %.1f%%" %
              (killed, len(survived), dead, killed, valid, 100.0 * killed / max(valid, 1))]
    if survived:
        report.append("Survivors:")
        for _, f, no, before, after in survived:
            report += ["  %s:%d" % (f, no), "    - " + before, "    + " + after]
    text = "\n".join(report)
    print(text)
    if a.report:
        Path(a.report).write_text(text + "\n", encoding="utf-8")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        print("\nmutate: interrupted; the mutated file was restored")
        sys.exit(130)
