#!/usr/bin/env python3
"""Lists the libraries that Windows' loader loads with a program file, before the program's first
instruction: its import table, one line "import NAME" for each. (The libraries it imports late
are not among them: GNU ld leaves the delay-import directory empty, and the program's own code
loads them when first called.)

pe_imports.py PROGRAM.exe
"""
import struct
import sys

IMPORT = 1  # the import table's place among the optional header's data directories


def main(path):
    data = open(path, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    assert struct.unpack_from("<H", data, optional)[0] == 0x20B, "not a 64-bit program"
    directories = optional + 112
    table = optional + optional_size
    # Each section's size and address in memory, and its place in the file.
    spans = [struct.unpack_from("<8xIIxxxxI", data, table + 40 * i) for i in range(sections)]

    def offset(rva):  # where a relative virtual address lies in the file
        for size, address, raw in spans:
            if address <= rva < address + size:
                return rva - address + raw
        raise ValueError(f"address {rva:#x} is in no section")

    def name(rva):
        start = offset(rva)
        return data[start:data.index(b"\0", start)].decode("ascii")

    rva, _ = struct.unpack_from("<II", data, directories + 8 * IMPORT)
    while rva:
        at = offset(rva)
        entry = data[at:at + 20]
        if not any(entry):
            break
        print("import", name(struct.unpack_from("<I", entry, 12)[0]))  # the library's name
        rva += 20

if __name__ == "__main__":
    main(sys.argv[1])
