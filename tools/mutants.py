#!/usr/bin/env python3
"""Puts single-line faults into the program one at a time and runs the tests that should catch
each, to show what the suite catches. Run it in a checkout whose build folders are built
(make build); it restores every file it touches, also when interrupted, and keeps each run's
test output in build/mutants/<id>.log.

Usage: tools/mutants.py [MUTANTS_FILE] [--only ID ...]

The mutants file (tools/mutants.txt by default) holds blocks separated by blank lines:
    id: scheduler-lead
    file: timetable/TaskScheduler.cpp
    from: <text that occurs exactly once in the file; \n stands for a line break>
    to: <what it becomes>
    tests: host | <CTest regular expression for the Windows build>
"""
import argparse
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
NO_CLOCK = ["setpriv", "--bounding-set", "-sys_time", "--inh-caps", "-sys_time"]


def read_mutants(path):
    mutants, block = [], {}
    for line in open(path, encoding="utf-8").read().splitlines() + [""]:
        if not line.strip():
            if block:
                mutants.append(block)
                block = {}
            continue
        if line.startswith("#"):
            continue
        key, _, value = line.partition(": ")
        block[key.strip()] = value.replace("\\n", "\n")
    return mutants


def run(command):
    result = subprocess.run(command, cwd=ROOT, capture_output=True, text=True, errors="replace")
    return result.returncode, result.stdout + result.stderr


def failing_cases(output):
    cases = sorted(set(c for c in re.findall(r"\[  FAILED  \] ([\w/.]+)", output) if not c.isdigit()))
    cases += sorted(set(re.findall(r"\d+ - (\S+) \(Failed\)", output)) - {c.split(".")[0] for c in cases})
    return cases


def try_mutant(mutant):
    path = os.path.join(ROOT, mutant["file"])
    original = open(path, encoding="utf-8").read()
    if original.count(mutant["from"]) != 1:
        return "NOT APPLIED (the text is not there exactly once)"
    try:
        open(path, "w", encoding="utf-8").write(original.replace(mutant["from"], mutant["to"]))
        if mutant["tests"] == "host":
            status, output = run(["cmake", "--build", "build/host", "-j2"])
            if status != 0:
                return "does not build"
            status, output = run(NO_CLOCK + ["ctest", "--test-dir", "build/host", "--output-on-failure"])
        else:
            status, output = run(["cmake", "--build", "build/windows", "-j2"])
            if status != 0:
                return "does not build"
            status, output = run(["tools/wine-session.sh", "build/windows", "ctest", "--test-dir", "build/windows",
                                  "--output-on-failure", "-R", mutant["tests"]])
        log = os.path.join(ROOT, "build", "mutants", mutant["id"] + ".log")
        os.makedirs(os.path.dirname(log), exist_ok=True)
        open(log, "w", encoding="utf-8").write(output)
        return "caught by " + ", ".join(failing_cases(output) or ["(a failure)"]) if status != 0 else "SURVIVED"
    finally:
        open(path, "w", encoding="utf-8").write(original)


def main(argv):
    parser = argparse.ArgumentParser(description="Single-line faults, one at a time.")
    parser.add_argument("mutants", nargs="?", default=os.path.join(ROOT, "tools/mutants.txt"))
    parser.add_argument("--only", nargs="*", default=[])
    options = parser.parse_args(argv)
    survived = 0
    for mutant in read_mutants(options.mutants):
        if options.only and mutant["id"] not in options.only:
            continue
        verdict = try_mutant(mutant)
        survived += not verdict.startswith("caught")
        print(f"{mutant['id']}: {verdict}", flush=True)
    # Put the builds back to the program as it is.
    run(["cmake", "--build", "build/host", "-j2"])
    run(["cmake", "--build", "build/windows", "-j2"])
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
