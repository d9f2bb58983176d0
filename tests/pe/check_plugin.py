#!/usr/bin/env python3
"""Checks the built plug-in file the way a host and a loader see it.

Exactly the eight entry points exported by their plain names; imports from
Windows system DLLs only (nothing of the MinGW runtime); ASLR, DEP and no-SEH
in DllCharacteristics; relocations present; a VERSIONINFO resource; no build
timestamp. On a 32-bit file, the disassembly of each entry point shows the
callee popping exactly its stack arguments (4 bytes for nbInitPlugIn and
nbRegisterPlugIn, none for the others).
"""
import re
import subprocess
import sys

import pefile

ENTRY_POINTS = {
    "nbInitPlugIn": 4, "nbRegisterPlugIn": 4, "nbRegisterScriptProcessor": 0,
    "nbRegisterInterfaceAccess": 0, "nbEditAction": 0, "nbExecAction": 0,
    "nbMessage": 0, "nbAbout": 0,
}
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "comctl32.dll",
    "advapi32.dll", "msvcrt.dll", "shell32.dll", "ole32.dll", "uxtheme.dll",
    "msimg32.dll", "version.dll",
}
DYNAMIC_BASE, NX_COMPAT, NO_SEH = 0x40, 0x100, 0x400

failures = []
checks = 0


def check(condition, message):
    global checks
    checks += 1
    print(("ok    " if condition else "FAIL  ") + message)
    if not condition:
        failures.append(message)


def stack_pops(path, name):
    """The operands of every ret in the entry point's code, from objdump."""
    out = subprocess.run(["i686-w64-mingw32-objdump", "-d", "--no-show-raw-insn", path],
                         capture_output=True, text=True, check=True).stdout
    body = re.search(r"<_?%s@\d+>:\n(.*?)(?:\n\n|\Z)" % name, out, re.S)
    if not body:
        return None
    pops = set()
    for line in body.group(1).splitlines():
        m = re.search(r"\sret\s*(\$0x([0-9a-f]+))?\s*$", line)
        if m:
            pops.add(int(m.group(2), 16) if m.group(2) else 0)
    return pops


def main(path):
    pe = pefile.PE(path)
    exports = sorted(e.name.decode() for e in pe.DIRECTORY_ENTRY_EXPORT.symbols if e.name)
    check(exports == sorted(ENTRY_POINTS), "exports exactly the eight entry points: %s" % exports)
    imports = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    check(set(imports) <= SYSTEM_DLLS, "imports system DLLs only: %s" % imports)
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    is32 = pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"]
    wanted = DYNAMIC_BASE | NX_COMPAT | (NO_SEH if is32 else 0)
    check(flags & wanted == wanted, "DllCharacteristics 0x%04x has DYNAMIC_BASE, NX_COMPAT%s" %
          (flags, ", NO_SEH" if is32 else ""))
    relocs = pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]]
    check(relocs.Size > 0, "relocations present (%d bytes)" % relocs.Size)
    check(pe.FILE_HEADER.TimeDateStamp == 0, "no build timestamp")
    resources = pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []
    check(any(r.id == pefile.RESOURCE_TYPE["RT_VERSION"] for r in resources), "VERSIONINFO resource present")
    if is32:
        for name, pop in ENTRY_POINTS.items():
            pops = stack_pops(path, name)
            check(pops == {pop}, "%s pops %d stack bytes on every return (found %s)" % (name, pop, pops))
    print("%d passed, %d failed" % (checks - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
