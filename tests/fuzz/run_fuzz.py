#!/usr/bin/env python3
"""Runs the installer's fuzz target from the seed corpus for a fixed number
of inputs or seconds, in a corpus folder of its own made anew, and says how
many inputs it ran and how long that took."""

import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import time


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--fuzzer", required=True, type=pathlib.Path)
    parser.add_argument("--seeds", required=True, type=pathlib.Path)
    parser.add_argument("--work", required=True, type=pathlib.Path)
    limit = parser.add_mutually_exclusive_group(required=True)
    limit.add_argument("--runs", type=int)
    limit.add_argument("--seconds", type=int)
    args = parser.parse_args()

    shutil.rmtree(args.work, ignore_errors=True)
    corpus = args.work / "corpus"
    corpus.mkdir(parents=True)
    bound = "-runs=%d" % args.runs if args.runs else "-max_total_time=%d" % args.seconds
    command = [str(args.fuzzer), bound, "-seed=1", "-max_len=1024", "-print_final_stats=1",
               "-artifact_prefix=%s/" % args.work, str(corpus), str(args.seeds)]
    log = args.work / "fuzz.log"
    started = time.monotonic()
    with open(log, "wb") as output:
        code = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=output,
                              stderr=subprocess.STDOUT).returncode
    seconds = time.monotonic() - started
    text = log.read_text(errors="replace")
    runs = re.findall(r"stat::number_of_executed_units:\s*(\d+)", text)
    if code != 0:
        print(text[-4000:])
        print("FAIL: the fuzz target failed after %.0f s; the input is in %s" % (seconds, args.work))
        return 1
    print("%s inputs in %.1f s, corpus of %d" % (runs[-1] if runs else "?", seconds,
                                                len(list(corpus.iterdir()))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
