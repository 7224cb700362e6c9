#!/usr/bin/python3
"""Checks kelvaro.dll from its file: the image format, the single export,
the exact imports, the string table, and (for i386) that the code needs no
SSE and that the module can neither throw nor catch a C++ exception.

Run: /usr/bin/python3 check_module_image.py --module kelvaro.dll
       --machine i386 --host-definitions libmx.def libmex.def
       --objdump i686-w64-mingw32-objdump --nm i686-w64-mingw32-nm
"""
import argparse
import os
import re
import subprocess
import sys
import unittest

import pefile

MACHINES = {
    "i386": (pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"],
             pefile.OPTIONAL_HEADER_MAGIC_PE),
    "amd64": (pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"],
              pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS),
}
# Besides the host's two libraries, the module may use only the system's.
SYSTEM_LIBRARIES = {"kernel32.dll", "msvcrt.dll"}
STRINGS = {100: "MATLAB R11 native", 101: "not inlined"}
US_ENGLISH = 1033

ARGS = None


def host_operations(definitions):
    """The library name and export names a .def file lists."""
    library, names, in_exports = None, set(), False
    with open(definitions) as lines:
        for line in lines:
            line = line.split(";")[0].strip()
            if not line:
                continue
            if line.startswith("LIBRARY"):
                library = line.split()[1].strip('"').lower()
            elif line == "EXPORTS":
                in_exports = True
            elif in_exports:
                names.add(line.split()[0])
    return library, names


def functions_of(disassembly):
    """Maps each function label of objdump -d output to its instructions."""
    functions, current = {}, None
    for line in disassembly.splitlines():
        label = re.match(r"^[0-9a-f]+ <(.+)>:$", line)
        if label:
            current = functions.setdefault(label.group(1), [])
        elif current is not None and "\t" in line:
            current.append(line.split("\t", 1)[1].strip())
    return functions


class ModuleImage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(ARGS.module)

    def test_format_is_a_dll_for_the_machine(self):
        machine, magic = MACHINES[ARGS.machine]
        self.assertEqual(self.pe.FILE_HEADER.Machine, machine)
        self.assertEqual(self.pe.OPTIONAL_HEADER.Magic, magic)
        self.assertTrue(self.pe.FILE_HEADER.Characteristics
                        & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_DLL"])

    def test_only_export_is_mex_function_at_ordinal_1(self):
        exports = self.pe.DIRECTORY_ENTRY_EXPORT
        self.assertEqual(self.pe.get_string_at_rva(exports.struct.Name),
                         b"kelvaro.dll")
        self.assertEqual(
            [(symbol.name, symbol.ordinal, symbol.forwarder)
             for symbol in exports.symbols],
            [(b"mexFunction", 1, None)])

    def test_imports_only_the_listed_host_operations(self):
        expected = dict(host_operations(path)
                        for path in ARGS.host_definitions)
        imported = {}
        for entry in self.pe.DIRECTORY_ENTRY_IMPORT:
            library = entry.dll.decode().lower()
            self.assertNotIn(library, imported, "imported twice")
            names = set()
            for symbol in entry.imports:
                self.assertIsNotNone(symbol.name,
                                     f"{library} imported by ordinal")
                names.add(symbol.name.decode())
            imported[library] = names
        self.assertEqual(set(imported), set(expected) | SYSTEM_LIBRARIES)
        for library, names in expected.items():
            self.assertEqual(imported[library], names, library)

    def test_string_table_holds_the_two_version_strings(self):
        resources = self.pe.DIRECTORY_ENTRY_RESOURCE.entries
        self.assertEqual([kind.id for kind in resources],
                         [pefile.RESOURCE_TYPE["RT_STRING"]])
        found = {}
        for block in resources[0].directory.entries:
            languages = block.directory.entries
            self.assertEqual([language.id for language in languages],
                             [US_ENGLISH], f"block {block.id}")
            for string_id, text in block.directory.strings.items():
                self.assertNotIn(string_id, found)
                found[string_id] = text
        self.assertEqual(found, STRINGS)

    def test_code_needs_no_sse(self):
        if ARGS.machine != "i386":
            self.skipTest("SSE2 is part of every x86-64 processor")
        disassembly = subprocess.run(
            [ARGS.objdump, "-d", "--no-show-raw-insn", ARGS.module],
            check=True, capture_output=True, text=True).stdout
        functions = functions_of(disassembly)
        self.assertIn("_mexFunction", functions)
        for name, instructions in functions.items():
            for instruction in instructions:
                self.assertNotRegex(instruction, r"%[xy]?mm[0-9]",
                                    f"SSE or MMX register in {name}")
            # The runtime's fenv functions reach MXCSR only after CPUID
            # has shown that the processor has SSE (EDX bit 25).
            if any("mxcsr" in instruction for instruction in instructions):
                self.assertTrue(
                    any(re.search(r"call.*<___mingw_has_sse>|\$0x2000000,",
                                  instruction)
                        for instruction in instructions),
                    f"unguarded MXCSR access in {name}")

    def test_module_can_neither_throw_nor_catch(self):
        symbols = subprocess.run([ARGS.nm, ARGS.module], check=True,
                                 capture_output=True, text=True).stdout
        self.assertRegex(symbols, r"\bT _?mexFunction\b",
                         "the module's symbol table is needed")
        for machinery in ("__cxa_throw", "__cxa_begin_catch",
                          "_Unwind_RaiseException", "__gxx_personality"):
            self.assertNotIn(machinery, symbols)


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--module", required=True)
    parser.add_argument("--machine", choices=sorted(MACHINES), required=True)
    parser.add_argument("--host-definitions", nargs="+", required=True)
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--nm", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], "-v"] + rest)


if __name__ == "__main__":
    main()
