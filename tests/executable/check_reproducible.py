#!/usr/bin/env python3
"""Builds the installer again from copies of the sources in two other folders
and checks that all three builds are the same to the byte."""

import argparse
import pathlib
import shutil
import subprocess
import sys


def build_copy(source, toolchain, folder):
    shutil.rmtree(folder, ignore_errors=True)
    copy = folder / "src"
    shutil.copytree(source, copy, ignore=shutil.ignore_patterns("build", ".git"))
    build = folder / "build"
    for command in (["cmake", "-S", copy, "-B", build, "-DCMAKE_BUILD_TYPE=MinSizeRel",
                     "-DCMAKE_TOOLCHAIN_FILE=" + str(copy / "cmake" / toolchain)],
                    ["cmake", "--build", build, "--target", "qorxpinst"]):
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    return (build / "qorxpinst.exe").read_bytes()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("executable", type=pathlib.Path)
    parser.add_argument("--source", type=pathlib.Path, required=True)
    parser.add_argument("--work", type=pathlib.Path, required=True)
    parser.add_argument("--toolchain", required=True, help="the toolchain file's name in cmake/")
    args = parser.parse_args()
    reference = args.executable.read_bytes()
    folders = [args.work / "a", args.work / "a-longer-folder-name"]
    differing = [f for f in folders if build_copy(args.source, args.toolchain, f) != reference]
    for folder in differing:
        print("%s: the build in %s differs from %s" % (args.executable, folder, args.executable))
    if differing:
        return 1
    print("%s: the same %d bytes from %d folders" % (args.executable, len(reference),
                                                    len(folders) + 1))
    shutil.rmtree(args.work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
