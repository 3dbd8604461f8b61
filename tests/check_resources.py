#!/usr/bin/python3
"""Reads the resources of a built tervalo.exe from the file itself and checks
them: language, strings, menu, accelerators, icon, About box template; with
--shipped also the PE header of the 32-bit program (machine, format,
subsystem, the Windows versions it asks for, no time stamp) and its imports,
each among those of shipped-imports.txt beside this file.

    check_resources.py PROGRAM.exe [--shipped]
"""
import os
import struct
import sys

import pefile

FRENCH = 0x040C
RT_ICON, RT_MENU, RT_DIALOG, RT_STRING, RT_ACCELERATOR, RT_GROUP_ICON = 3, 4, 5, 6, 9, 14
failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got!r}, expected {wanted!r}")


def resources(pe):
    """{(type, name): (language, bytes)}"""
    found = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                entry = language.data.struct
                data = pe.get_data(entry.OffsetToData, entry.Size)
                found[(kind.id, name.id)] = (language.id, data)
    return found


def read_string(data, offset):
    """A NUL-terminated UTF-16 string, or an ordinal after 0xFFFF."""
    if struct.unpack_from("<H", data, offset)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    end = offset
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def check_strings(found):
    language, data = found[(RT_STRING, 106 // 16 + 1)]
    expect("string table language", language, FRENCH)
    strings, offset = {}, 0
    for index in range(16):
        length = struct.unpack_from("<H", data, offset)[0]
        strings[(106 // 16) * 16 + index] = data[offset + 2:offset + 2 + 2 * length].decode("utf-16-le")
        offset += 2 + 2 * length
    expect("string 106 (Windows-1252 bytes)", strings[106].encode("cp1252"),
           b"Cl\xe9 N\xb0 S\xe9curit\xe9 Sociale")
    expect("string 109", strings[109].encode("cp1252"), b"TERVALO")


def check_menu(found):
    language, data = found[(RT_MENU, 109)]
    expect("menu language", language, FRENCH)
    expect("menu header", struct.unpack_from("<HH", data, 0), (0, 0))
    items, offset = [], 4
    while offset < len(data):
        flags = struct.unpack_from("<H", data, offset)[0]
        offset += 2
        command = None
        if not flags & 0x10:  # MF_POPUP items have no id
            command = struct.unpack_from("<H", data, offset)[0]
            offset += 2
        text, offset = read_string(data, offset)
        items.append((bool(flags & 0x10), text, command))
    expect("menu items", items, [(True, "&File", None), (False, "E&xit", 105),
                                 (True, "&Help", None), (False, "&About ...", 104)])


def check_accelerators(found):
    language, data = found[(RT_ACCELERATOR, 109)]
    expect("accelerator language", language, FRENCH)
    entries = [struct.unpack_from("<HHHH", data, offset) for offset in range(0, len(data), 8)]
    # FALT (0x10) alone: character accelerators, not virtual keys; 0x80 ends the table.
    expect("accelerators", [(flags & 0x7F, chr(key), command) for flags, key, command, _ in entries],
           [(0x10, "?", 104), (0x10, "/", 104)])
    expect("accelerator table end", entries[-1][0] & 0x80, 0x80)


def check_icon(found):
    language, data = found[(RT_GROUP_ICON, 107)]
    expect("icon language", language, FRENCH)
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    expect("icon images", (kind, count), (1, 1))
    width, height, _, _, _, bits, _, image = struct.unpack_from("<BBBBHHIH", data, 6)
    expect("icon image", (width, height, bits), (32, 32, 24))
    header = found[(RT_ICON, image)][1]
    expect("icon bitmap", struct.unpack_from("<IiiHH", header, 0), (40, 32, 64, 1, 24))


def check_dialog(found):
    language, data = found[(RT_DIALOG, 103)]
    expect("dialog language", language, FRENCH)
    style, ex_style, count, x, y, cx, cy = struct.unpack_from("<IIHhhhh", data, 0)
    expect("dialog style", hex(style), hex(0x00C800C0))
    expect("dialog extended style", ex_style, 0)
    expect("dialog geometry", (count, x, y, cx, cy), (4, 22, 17, 230, 75))
    menu, offset = read_string(data, 18)
    window_class, offset = read_string(data, offset)
    caption, offset = read_string(data, offset)
    expect("dialog menu, class, caption", (menu, window_class, caption), ("", "", "About"))
    points = struct.unpack_from("<H", data, offset)[0]
    face, offset = read_string(data, offset + 2)
    expect("dialog font", (points, face), (8, "System"))
    controls = []
    for _ in range(count):
        offset = (offset + 3) & ~3
        style, ex_style, x, y, cx, cy, ident = struct.unpack_from("<IIhhhhH", data, offset)
        control_class, offset = read_string(data, offset + 18)
        text, offset = read_string(data, offset)
        extra = struct.unpack_from("<H", data, offset)[0]
        offset += 2 + extra
        if isinstance(text, str):
            text = text.encode("cp1252")
        # The class by name or by its predefined ordinal: the same class.
        control_class = {"STATIC": 0x82, "BUTTON": 0x80}.get(str(control_class).upper(), control_class)
        controls.append((control_class, text, ident, (x, y, cx, cy), hex(style), ex_style))
    static, button = 0x82, 0x80
    expect("dialog controls", controls, [
        (static, 107, 2, (14, 9, 16, 16), hex(0x50000003), 0),
        (static, b"Tervalo Version 1.0", 0xFFFF, (49, 10, 119, 8), hex(0x50020080), 0),
        (static, b"\xa9 2026 Dr Quenmar", 0xFFFF, (49, 20, 119, 8), hex(0x50020000), 0),
        (button, b"OK", 1, (195, 6, 30, 11), hex(0x50030001), 0),
    ])


def check_shipped(pe):
    expect("machine", hex(pe.FILE_HEADER.Machine), hex(0x14C))
    expect("PE format", hex(pe.OPTIONAL_HEADER.Magic), hex(0x10B))
    expect("subsystem", pe.OPTIONAL_HEADER.Subsystem, 2)
    header = pe.OPTIONAL_HEADER
    # Windows 98 and 2000 load a program that asks for 4.0; a later linker's
    # default, 5.1 or 6.0, they refuse.
    expect("operating-system version", (header.MajorOperatingSystemVersion, header.MinorOperatingSystemVersion),
           (4, 0))
    expect("subsystem version", (header.MajorSubsystemVersion, header.MinorSubsystemVersion), (4, 0))
    expect("time stamp (the same sources make the same file)", pe.FILE_HEADER.TimeDateStamp, 0)
    system = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "MSVCRT.DLL"}
    imports = {entry.dll.decode().upper() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    expect("imports beyond the system DLLs", sorted(imports - system), [])
    listed = os.path.join(os.path.dirname(os.path.abspath(__file__)), "shipped-imports.txt")
    with open(listed, encoding="ascii") as lines:
        allowed = {tuple(line.split()) for line in lines if line.strip() and not line.startswith("#")}
    for entry in pe.DIRECTORY_ENTRY_IMPORT:
        for function in entry.imports:
            name = function.name.decode() if function.name else f"ordinal {function.ordinal}"
            if (entry.dll.decode().upper(), name) not in allowed:
                failures.append(f"imports {entry.dll.decode()} {name}, which {listed} does not list")


def main():
    pe = pefile.PE(sys.argv[1])
    found = resources(pe)
    expect("resources", sorted(found), sorted([
        (RT_ICON, 1), (RT_GROUP_ICON, 107), (RT_STRING, 7), (RT_MENU, 109),
        (RT_ACCELERATOR, 109), (RT_DIALOG, 103)]))
    for check in (check_strings, check_menu, check_accelerators, check_icon, check_dialog):
        try:
            check(found)
        except (KeyError, struct.error) as error:
            failures.append(f"{check.__name__}: missing or short: {error!r}")
    if "--shipped" in sys.argv:
        check_shipped(pe)
    for failure in failures:
        print(f"{sys.argv[1]}: {failure}")
    print(f"{sys.argv[1]}: {'FAILED' if failures else 'resources as designed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
