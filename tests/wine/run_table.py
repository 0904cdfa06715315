#!/usr/bin/env python3
"""The installer under Wine: real command lines through CreateProcessA, a real
input method manager and a real registry, in a private prefix made anew.

Each case checks the exit code and the keyboard layouts before and after:
exactly one new layout with the module path and display name for /Install,
none for every other command tail."""

import argparse
import os
import pathlib
import re
import shutil
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
import wine_session  # noqa: E402

SKIPPED = 77
DISPLAY_NAME = "\u96c1\u6c40\u5b57"
# The six GBK bytes of the display name read as code page 1252.
DISPLAY_NAME_AS_1252 = "\u00d1\u00e3\u00cd\u00a1\u00d7\u00d6"

PLAIN = "C:\\qorxpinst.exe"
WITH_BLANKS = "C:\\Program Files\\IME Setup\\qorxpinst.exe"
GBK = "C:\\输入法\\安装.exe"
GBK_WITH_BLANK = "C:\\输入 法\\安装程序.exe"

# name, where the installer is, its command line (GBK), whether it registers
CASES = [
    ("one blank", PLAIN, PLAIN + " /Install", True),
    ("quoted name with blanks", WITH_BLANKS, '"%s" /Install' % WITH_BLANKS, True),
    ("blanks and tabs", PLAIN, PLAIN + " \t  \t/Install", True),
    ("GBK name", GBK, GBK + " /Install", True),
    ("quoted GBK name with blank", GBK_WITH_BLANK, '"%s" /Install' % GBK_WITH_BLANK, True),
    ("30000 tabs", PLAIN, PLAIN + "\t" * 30000 + "/Install", True),
    ("trailing blank", PLAIN, PLAIN + " /Install ", False),
    ("further words", PLAIN, PLAIN + " /Install now", False),
    ("lowercase", PLAIN, PLAIN + " /install", False),
    ("uppercase", PLAIN, PLAIN + " /INSTALL", False),
    ("quoted command", PLAIN, PLAIN + ' "/Install"', False),
    ("no argument", PLAIN, PLAIN, False),
    ("unclosed quote", WITH_BLANKS, '"%s /Install' % WITH_BLANKS, False),
    ("no blank after closing quote", PLAIN, '"%s"/Install' % PLAIN, False),
    ("GBK name, further words", GBK, GBK + " /Install /Quiet", False),
]


def gbk(text):
    return text if isinstance(text, bytes) else text.encode("gbk")


class Table:
    def __init__(self, session, tool, launcher, reader):
        self.session, self.tool, self.launcher, self.reader = session, tool, launcher, reader
        self.failures = []
        system, self.layouts = session.keyboard_layouts(reader)
        self.module_path = system + "\\qorxp.IME"

    def place(self, windows_path):
        target = self.session.drive_c(windows_path)
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(self.tool, target)

    def run(self, name, location, command_line, registers, locale=wine_session.CHINESE,
            layout_text=DISPLAY_NAME, language="0804"):
        self.place(location)
        case_file = self.session.folder / "case"
        case_file.write_bytes(gbk(location) + b"\0" + gbk(command_line))
        code, out = self.session.run(self.launcher, [self.session.windows_path(case_file)],
                                     locale=locale)
        before = self.layouts
        _, self.layouts = self.session.keyboard_layouts(self.reader, locale)
        added = {k: v for k, v in self.layouts.items() if k not in before}
        problems = []
        if out.strip() != b"exit code 0" or code != 0:
            problems.append("launcher exit %d, said %r" % (code, out.strip()))
        if not registers and added:
            problems.append("new layouts %r, expected none" % added)
        if registers:
            if list(added.values()) != [(self.module_path, layout_text)]:
                problems.append("new layouts %r, expected one with %r"
                                % (added, (self.module_path, layout_text)))
            elif not re.fullmatch("e0[0-9a-f]{2}" + language, next(iter(added))):
                problems.append("new layout key %s is not e0..%s" % (next(iter(added)), language))
        status = "ok  " if not problems else "FAIL"
        print("%s %s" % (status, name) + "".join("\n     " + p for p in problems))
        if problems:
            self.failures.append(name)


def skip_or_fail(reason):
    if os.environ.get("CI") == "true":
        print("FAIL: the Wine tests cannot run: %s" % reason)
        return 1
    print("SKIPPED: the Wine tests cannot run: %s (scripts/test installs it)" % reason)
    return SKIPPED


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--tool", required=True, type=pathlib.Path)
    parser.add_argument("--launcher", required=True, type=pathlib.Path)
    parser.add_argument("--reader", required=True, type=pathlib.Path)
    parser.add_argument("--work", required=True, type=pathlib.Path)
    args = parser.parse_args()
    missing = wine_session.missing_tools()
    if missing:
        return skip_or_fail("missing " + ", ".join(missing))

    session = wine_session.WineSession(args.work)
    started = time.monotonic()
    try:
        session.start(fresh=True)
        booted = time.monotonic()
        table = Table(session, args.tool, args.launcher, args.reader)
        for case in CASES:
            table.run(*case)
        table.run("code page 1252 passes the bytes unchanged", PLAIN, PLAIN + " /Install", True,
                  locale=wine_session.ENGLISH, layout_text=DISPLAY_NAME_AS_1252, language="0409")
    except wine_session.WineError as error:
        print("FAIL: %s" % error)
        return 1
    finally:
        session.stop()
    total = len(CASES) + 1
    print("%d passed, %d failed (prefix %.0f s, table %.0f s)" % (
        total - len(table.failures), len(table.failures), booted - started,
        time.monotonic() - booted))
    return 1 if table.failures else 0


if __name__ == "__main__":
    sys.exit(main())
