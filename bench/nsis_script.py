"""The script of the benchmark's peer installer: a script for NSIS (makensis) that does
silently what a silent installation of ours does, from what that installation is made
of, not from a copy of it:

- the files: every entry of the same payload archive, unpacked into a staging folder,
  in the archive's order (folders made as the archive lists them);
- the viewer's settings files, as our own code writes them (record_installation.exe);
- the shortcuts, as our own code makes them (read back with read_links.exe);
- the registry values, as our own registration writes them (recorded by
  record_installation.exe from the file-type table and the registration's data);
- with file associations, the same notices to the shell at the end.

Kept free of Wine and of makensis, so that it can be tested on its own.
"""

import posixpath
from pathlib import PureWindowsPath

COMPRESSORS = {
    # NSIS's zlib: every file compressed on its own, like the members of a ZIP archive.
    "zlib": "SetCompressor zlib",
    # Its LZMA in solid mode: all data in one stream, the smallest installer.
    "lzma": "SetCompressor /SOLID lzma",
}

# What our association step tells the shell at its end: icons changed (SPI_SETICONS with
# SPIF_UPDATEINIFILE | SPIF_SENDCHANGE), associations changed (SHCNE_ASSOCCHANGED with
# SHCNF_FLUSH | SHCNF_FLUSHNOWAIT).
SHELL_NOTICES = [
    "System::Call 'user32::SystemParametersInfoW(i 0x58, i 0, p 0, i 3)'",
    "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0x3000, p 0, p 0)'",
]


def quoted(text):
    """text as a double-quoted NSIS string: $ doubled, quotes and control characters
    escaped (NSIS knows no backslash escapes)."""
    text = str(text).replace("$", "$$").replace('"', '$\\"')
    text = text.replace("\r", "$\\r").replace("\n", "$\\n").replace("\t", "$\\t")
    return f'"{text}"'


def windows_join(folder, relative):
    return str(PureWindowsPath(folder, *relative.split("/")))


def file_lines(target_folder, entries, staging):
    """entries: [(archive name, is folder)] in archive order; staging: the local folder
    where the files lie under their archive names."""
    lines, current = [], None
    for name, is_folder in entries:
        if is_folder:
            lines.append(f"CreateDirectory {quoted(windows_join(target_folder, name.rstrip('/')))}")
            continue
        folder = windows_join(target_folder, posixpath.dirname(name))
        if folder != current:
            lines.append(f"SetOutPath {quoted(folder)}")
            current = folder
        lines.append(f"File {quoted(posixpath.join(staging, name))}")
    return lines


def settings_lines(settings):
    """settings: [(Windows path of the file, local copy of its bytes)]."""
    lines = []
    for path, local in settings:
        windows = PureWindowsPath(path)
        lines.append(f"SetOutPath {quoted(str(windows.parent))}")
        lines.append(f"File {quoted('/oname=' + windows.name)} {quoted(local)}")
    return lines


def link_lines(links):
    """links: {Windows path of the .lnk: properties as read_links.exe prints them}.
    Links get no working folder, as ours: NSIS takes it from $OUTDIR."""
    lines = ['StrCpy $OUTDIR ""']
    made = set()
    for path, link in links.items():
        folder = str(PureWindowsPath(path).parent)
        if folder.lower() not in made:
            lines.append(f"CreateDirectory {quoted(folder)}")
            made.add(folder.lower())
        show = {1: "SW_SHOWNORMAL", 3: "SW_SHOWMAXIMIZED", 7: "SW_SHOWMINIMIZED"}.get(link["show_command"],
                                                                                   "SW_SHOWNORMAL")
        lines.append("CreateShortcut " + " ".join(quoted(part) for part in (
            path, link["target"], link["arguments"], link["icon_path"])) +
            f" {int(link['icon_index'])} {show} \"\" {quoted(link['description'])}")
    return lines


def registry_lines(registry):
    """registry: the entries record_installation.exe printed, in its order."""
    lines = []
    for entry in registry:
        root, key, name = entry["root"], quoted(entry["key"]), quoted(entry["name"] or "")
        if entry["type"] == "sz":
            lines.append(f"WriteRegStr {root} {key} {name} {quoted(entry['data'])}")
        elif entry["type"] == "expand_sz":
            lines.append(f"WriteRegExpandStr {root} {key} {name} {quoted(entry['data'])}")
        elif entry["type"] == "dword":
            lines.append(f"WriteRegDWORD {root} {key} {name} {int(entry['data'])}")
        elif entry["type"] == "key":
            # NSIS creates a key only with a value: write one and take it away again.
            lines.append(f'WriteRegStr {root} {key} "" ""')
            lines.append(f'DeleteRegValue {root} {key} ""')
        else:
            raise ValueError(f"unknown registry entry type {entry['type']!r}")
    return lines


def nsis_script(compressor, out_file, target_folder, entries, staging, settings, links, registry,
                notify_shell):
    """The whole script, as text (write it as UTF-8 with a byte-order mark)."""
    header = [
        "; The benchmark's peer installer, generated by bench/nsis_script.py.",
        "Unicode true",
        "Target amd64-unicode",
        COMPRESSORS[compressor],
        'Name "Lumetra 4.59"',
        f"OutFile {quoted(out_file)}",
        f"InstallDir {quoted(target_folder.rstrip(chr(92)))}",
        "RequestExecutionLevel highest",
        "ShowInstDetails nevershow",
        "",
        "Section",
    ]
    body = file_lines(target_folder, entries, staging)
    body += settings_lines(settings)
    body += link_lines(links)
    body += registry_lines(registry)
    if notify_shell:
        body += SHELL_NOTICES
    return "\n".join(header + ["    " + line for line in body] + ["SectionEnd", ""])
