#!/usr/bin/env python3
"""Runs the built installer with /Install in a private Wine prefix under the
build folder and prints the keyboard layouts the input method manager
recorded for qorxp.IME. The prefix is kept: each run adds one more layout,
as it would on Windows."""

import argparse
import pathlib
import sys

import wine_session


def qorxp_layouts(session, reader):
    """The recorded layouts whose module is qorxp.IME, as {key: (Ime File, Layout Text)}."""
    _, layouts = session.keyboard_layouts(reader)
    return {key: layout for key, layout in layouts.items()
            if layout[0].lower().endswith("\\qorxp.ime")}


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True, type=pathlib.Path)
    args = parser.parse_args()
    tool, reader = args.build / "qorxpinst.exe", args.build / "layouts.exe"
    session = wine_session.WineSession(args.build / "wine")
    try:
        print("== Preparing the Wine prefix %s (the first time takes about 15 s)" % session.prefix)
        session.start(fresh=False)
        before = qorxp_layouts(session, reader)
        print("== Running qorxpinst.exe /Install (code page 936)")
        code, _ = session.run(tool, ["/Install"])
        print("   exit code %d" % code)
        layouts = qorxp_layouts(session, reader)
    except wine_session.WineError as error:
        print("Wine could not run the step: %s" % error, file=sys.stderr)
        print("To start again with a new prefix: rm -rf %s" % session.folder, file=sys.stderr)
        return 1
    finally:
        session.stop()

    print("== Keyboard layouts for qorxp.IME under "
          "HKLM\\System\\CurrentControlSet\\Control\\Keyboard Layouts")
    for key, (module, text) in layouts.items():
        print("   %s  Ime File %s  Layout Text %s%s"
              % (key, module, text, "   (new)" if key not in before else ""))
    added = [key for key in layouts if key not in before]
    if code != 0 or len(added) != 1:
        print("The installer should have added exactly one layout and exited with 0.",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
