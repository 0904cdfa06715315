#!/usr/bin/env python3
"""Runs the built installer with /Install in a private Wine prefix under the
build folder and prints the keyboard layouts the input method manager
recorded for qorxp.IME. The prefix is kept: each run adds one more layout,
as it would on Windows."""

import argparse
import pathlib
import sys

import wine_session


def ime_layouts(session, reader):
    code, out = session.run(reader)
    if code != 0:
        raise wine_session.WineError("the layout reader failed with exit code %d" % code)
    lines = out.decode("utf-8").splitlines()
    layouts = [line.split("\t") for line in lines[1:]]
    return [layout for layout in layouts if layout[1].lower().endswith("\\qorxp.ime")]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True, type=pathlib.Path)
    args = parser.parse_args()
    tool, reader = args.build / "qorxpinst.exe", args.build / "layouts.exe"
    session = wine_session.WineSession(args.build / "wine")
    try:
        print("== Preparing the Wine prefix %s (the first time takes about 15 s)" % session.prefix)
        session.start(fresh=False)
        before = {layout[0] for layout in ime_layouts(session, reader)}
        print("== Running qorxpinst.exe /Install (code page 936)")
        code, _ = session.run(tool, ["/Install"])
        print("   exit code %d" % code)
        layouts = ime_layouts(session, reader)
    except wine_session.WineError as error:
        print("Wine could not run the step: %s" % error, file=sys.stderr)
        print("To start again with a new prefix: rm -rf %s" % session.folder, file=sys.stderr)
        return 1
    finally:
        session.stop()

    print("== Keyboard layouts for qorxp.IME under "
          "HKLM\\System\\CurrentControlSet\\Control\\Keyboard Layouts")
    for key, module, text in layouts:
        print("   %s  Ime File %s  Layout Text %s%s"
              % (key, module, text, "   (new)" if key not in before else ""))
    added = [layout for layout in layouts if layout[0] not in before]
    if code != 0 or len(added) != 1:
        print("The installer should have added exactly one layout and exited with 0.",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
