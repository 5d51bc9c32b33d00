#!/usr/bin/env python3
"""Makes a delay-load import library from a MinGW-w64 import library: the same functions from the
same libraries, each library loaded when the program first calls one of its functions instead of
with the program. An import library may name several libraries (runtimeobject names the API sets
of the Windows Runtime); its members say which library each function comes from.

make-delay-library.py TOOL_PREFIX IMPORT_LIBRARY OUTPUT
  make-delay-library.py x86_64-w64-mingw32- /usr/.../libversion.a build/late/libversion.a
"""
import os
import re
import subprocess
import sys


def run(*command, cwd=None):
    return subprocess.run(command, check=True, capture_output=True, text=True, cwd=cwd).stdout


def main(prefix, import_library, output):
    # VERSION.dll; WINSPOOL.DRV; api-ms-win-core-winrt-l1-1-0.dll ...
    libraries = run(prefix + "dlltool", "--identify", import_library).split()
    functions = {library: set() for library in libraries}
    by_stem = {os.path.splitext(library)[0].lower(): library for library in libraries}
    symbols = run(prefix + "nm", "-A", "-g", "--defined-only", import_library)
    # ".../libversion.a:libversions00018.o:0000000000000000 I __imp_VerQueryValueW": each
    # member is named after its library, where the import library names several.
    for member, name in re.findall(r":lib(.+?)s\d+\.o:\S+ I __imp_(\S+)$", symbols, re.M):
        library = libraries[0] if len(libraries) == 1 else by_stem[member.lower()]
        functions[library].add(name)
    # dlltool names its symbols after the file it writes: it writes into the output's folder,
    # under names that do not depend on where that is, so that a build is the same anywhere.
    folder, name = os.path.split(os.path.abspath(output))
    stem = os.path.splitext(name)[0]
    parts = []
    for i, library in enumerate(libraries):
        definition = f"{stem}-{i}.def"
        with open(os.path.join(folder, definition), "w") as out:
            out.write(f"LIBRARY {library}\nEXPORTS\n")
            out.writelines(f"{function}\n" for function in sorted(functions[library]))
        parts.append(f"{stem}-{i}.a")
        run(prefix + "dlltool", "--input-def", definition, "--output-delaylib", parts[-1], cwd=folder)
    if os.path.exists(output):
        os.remove(output)
    script = "".join(f"ADDLIB {part}\n" for part in parts)
    subprocess.run([prefix + "ar", "-M"], input=f"CREATE {name}\n{script}SAVE\nEND\n", cwd=folder,
                   check=True, capture_output=True, text=True)
    for part in parts:
        os.remove(os.path.join(folder, part))

if __name__ == "__main__":
    main(*sys.argv[1:])
