#!/usr/bin/env python3
"""Checks the shipped installer executable: what Windows 4.0 needs to load it,
what it imports, how it is hardened, its instruction set and its size."""

import argparse
import re
import struct
import subprocess
import sys

MAX_SIZE = 3072

IMAGE_FILE_MACHINE_I386 = 0x014C
IMAGE_FILE_RELOCS_STRIPPED = 0x0001
PE32_MAGIC = 0x010B
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2
DYNAMIC_BASE = 0x0040
NX_COMPAT = 0x0100
NO_SEH = 0x0400
IMAGE_SCN_MEM_EXECUTE = 0x20000000
IMAGE_SCN_MEM_WRITE = 0x80000000
IMPORT_DIRECTORY, BASE_RELOC_DIRECTORY, DEBUG_DIRECTORY, TLS_DIRECTORY = 1, 5, 6, 9
LOAD_CONFIG_DIRECTORY, BOUND_IMPORT_DIRECTORY, DELAY_IMPORT_DIRECTORY = 10, 11, 13

EXPECTED_IMPORTS = {
    "KERNEL32.DLL": {"ExitProcess", "GetCommandLineA", "GetModuleHandleA",
                     "GetSystemDirectoryA", "IsDBCSLeadByte"},
    "IMM32.DLL": {"ImmInstallIMEA"},
}

# Instructions a 386 does not have: 486 and later, x87 of the P6, MMX and SSE.
NOT_ON_A_386 = re.compile(
    r"\t(cmov\w*|fcmov\w*|f[u]?comip?|bswap|cmpxchg\w*|xadd|invd|wbinvd|invlpg|cpuid|rdtsc\w*|"
    r"rdmsr|wrmsr|sysenter|sysexit|movbe|popcnt|lzcnt|tzcnt|endbr32|ud2|\w*fence)\b"
    r"|%[xyz]?mm\d")


class PeImage:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, sections, self.timestamp, _, _, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        self.entry = struct.unpack_from("<I", data, opt + 16)[0]
        self.os_version = struct.unpack_from("<HH", data, opt + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, opt + 48)
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", data, opt + 68)
        count = struct.unpack_from("<I", data, opt + 92)[0]
        self.directories = [struct.unpack_from("<II", data, opt + 96 + 8 * i) for i in range(count)]
        self.sections = []
        for i in range(sections):
            at = opt + optional_size + 40 * i
            name = data[at:at + 8].rstrip(b"\0").decode("ascii")
            vsize, rva, raw_size, raw_at = struct.unpack_from("<IIII", data, at + 8)
            flags = struct.unpack_from("<I", data, at + 36)[0]
            self.sections.append((name, rva, max(vsize, raw_size), raw_at, flags))

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def offset(self, rva):
        for _, start, size, raw_at, _ in self.sections:
            if start <= rva < start + size:
                return raw_at + rva - start
        raise ValueError("RVA %#x is in no section" % rva)

    def string(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def imports(self):
        result = {}
        rva = self.directory(IMPORT_DIRECTORY)[0]
        while True:
            lookup, _, _, name, thunks = struct.unpack_from("<IIIII", self.data, self.offset(rva))
            if name == 0:
                return result
            functions = result.setdefault(self.string(name).upper(), set())
            at = self.offset(lookup or thunks)
            while True:
                entry = struct.unpack_from("<I", self.data, at)[0]
                if entry == 0:
                    break
                functions.add("#%d" % (entry & 0xFFFF) if entry & 0x80000000
                              else self.string(entry + 2))
                at += 4
            rva += 20


def check(path, objdump, forbidden_paths):
    data = open(path, "rb").read()
    image = PeImage(data)
    problems = []

    def expect(condition, what):
        if not condition:
            problems.append(what)

    expect(len(data) <= MAX_SIZE, "size %d bytes, more than %d" % (len(data), MAX_SIZE))
    expect(image.machine == IMAGE_FILE_MACHINE_I386, "machine %#x, not i386" % image.machine)
    expect(image.magic == PE32_MAGIC, "optional header magic %#x, not PE32" % image.magic)
    expect(image.subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI, "subsystem %d, not Windows GUI"
           % image.subsystem)
    expect(image.os_version == (4, 0), "OS version %d.%d, not 4.0" % image.os_version)
    expect(image.subsystem_version == (4, 0), "subsystem version %d.%d, not 4.0"
           % image.subsystem_version)
    for flag, name in ((DYNAMIC_BASE, "DYNAMIC_BASE"), (NX_COMPAT, "NX_COMPAT"),
                       (NO_SEH, "NO_SEH")):
        expect(image.dll_characteristics & flag, name + " not set")
    expect(image.directory(BASE_RELOC_DIRECTORY)[1] > 0
           and not image.characteristics & IMAGE_FILE_RELOCS_STRIPPED,
           "no base relocations, so DYNAMIC_BASE cannot take effect")
    expect(image.timestamp == 0, "PE timestamp %#x, not 0" % image.timestamp)
    for index, name in ((TLS_DIRECTORY, "TLS"), (DELAY_IMPORT_DIRECTORY, "delay import"),
                        (BOUND_IMPORT_DIRECTORY, "bound import"), (DEBUG_DIRECTORY, "debug"),
                        (LOAD_CONFIG_DIRECTORY, "load configuration")):
        expect(image.directory(index) == (0, 0), "has a %s directory" % name)
    for name, _, _, _, flags in image.sections:
        expect(not (flags & IMAGE_SCN_MEM_WRITE and flags & IMAGE_SCN_MEM_EXECUTE),
               "section %s is writable and executable" % name)
    code = [s for s in image.sections if s[4] & IMAGE_SCN_MEM_EXECUTE]
    expect(any(rva <= image.entry < rva + size for _, rva, size, _, _ in code),
           "entry point %#x is not in executable code" % image.entry)
    imports = image.imports()
    expect(imports == EXPECTED_IMPORTS, "imports %s, not %s" % (
        {dll: sorted(f) for dll, f in imports.items()},
        {dll: sorted(f) for dll, f in EXPECTED_IMPORTS.items()}))
    for forbidden in forbidden_paths:
        expect(forbidden.encode() not in data, "the image holds the path %s" % forbidden)

    listing = subprocess.run([objdump, "-d", path], check=True, capture_output=True,
                             text=True).stdout
    instructions = [line for line in listing.splitlines() if re.match(r"\s+[0-9a-f]+:\t", line)]
    expect(len(instructions) > 20, "the disassembly shows no code")
    for line in instructions:
        expect(not NOT_ON_A_386.search(line), "not an i386 instruction: " + line.strip())
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("executable")
    parser.add_argument("--objdump", default="i686-w64-mingw32-objdump")
    parser.add_argument("--forbid-path", action="append", default=[],
                        help="a folder whose name must not appear in the image")
    args = parser.parse_args()
    problems = check(args.executable, args.objdump, args.forbid_path)
    for problem in problems:
        print("%s: %s" % (args.executable, problem))
    if problems:
        return 1
    print("%s: PE32 i386 GUI 4.0, hardened, i386 code, imports as expected, %d bytes"
          % (args.executable, len(open(args.executable, "rb").read())))
    return 0


if __name__ == "__main__":
    sys.exit(main())
