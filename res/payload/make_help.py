#!/usr/bin/env python3
"""Compile a help project into a CHM file, reproducibly.

    python3 make_help.py <project folder> <project file .hhp> <output .chm>

The sources are UTF-8. The pages are turned into ASCII with character references (the
help viewer then needs no code page), the project, contents and index files into
Windows-1252, as the help compiler of the platform expects them. chmcmd (Debian package
fp-utils) compiles them in a scratch folder; it stamps the compile time into the file
header and into the #SYSTEM record 10, which this script overwrites with the release
date of the payload (make_payload.py) so that every build gives the same bytes. The projects carry no keyword index (.hhk):
chmcmd writes its index differently on every run.
"""

import calendar
import os
import shutil
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_payload import RELEASE_DATE  # noqa: E402


def convert_sources(source, scratch):
    for name in sorted(os.listdir(source)):
        with open(os.path.join(source, name), encoding="utf-8") as f:
            text = f.read().replace("\r\n", "\n").replace("\n", "\r\n")
        if name.endswith((".htm", ".html")):
            data = text.encode("ascii", "xmlcharrefreplace")
        else:
            data = text.encode("cp1252")
        with open(os.path.join(scratch, name), "wb") as f:
            f.write(data)


def read_encint(data, at):
    """The variable-length integer of the CHM directory: 7 bits a byte, high bit set
    on every byte but the last."""
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def find_section0_file(chm, wanted):
    """(offset, length) of a file stored uncompressed in content section 0."""
    if chm[:4] != b"ITSF":
        raise ValueError("not a CHM file")
    directory_offset = struct.unpack_from("<Q", chm, 0x48)[0]
    content_offset = struct.unpack_from("<Q", chm, 0x58)[0]
    itsp = chm[directory_offset:]
    if itsp[:4] != b"ITSP":
        raise ValueError("CHM directory missing")
    header_length = struct.unpack_from("<I", itsp, 0x08)[0]
    chunk_size = struct.unpack_from("<I", itsp, 0x10)[0]
    chunk_count = struct.unpack_from("<I", itsp, 0x2C)[0]
    for index in range(chunk_count):
        chunk = itsp[header_length + index * chunk_size:header_length + (index + 1) * chunk_size]
        if chunk[:4] != b"PMGL":
            continue
        free_space = struct.unpack_from("<I", chunk, 4)[0]
        at, end = 0x14, chunk_size - free_space
        while at < end:
            length, at = read_encint(chunk, at)
            name = chunk[at:at + length].decode("utf-8")
            at += length
            section, at = read_encint(chunk, at)
            offset, at = read_encint(chunk, at)
            size, at = read_encint(chunk, at)
            if name == wanted and section == 0:
                return content_offset + offset, size
    raise ValueError(f"{wanted} not found in the CHM directory")


def fix_timestamps(chm, unix_time):
    chm = bytearray(chm)
    struct.pack_into(">I", chm, 0x10, unix_time)  # header time stamp
    offset, size = find_section0_file(bytes(chm), "/#SYSTEM")
    at, end = offset + 4, offset + size  # after the version
    while at + 4 <= end:
        code, length = struct.unpack_from("<HH", chm, at)
        if code == 10 and length == 4:
            struct.pack_into("<I", chm, at + 4, unix_time)
        at += 4 + length
    return bytes(chm)


def main(argv):
    if len(argv) != 4:
        sys.exit("usage: make_help.py <project folder> <project.hhp> <output.chm>")
    source, project, output = argv[1], argv[2], argv[3]
    unix_time = calendar.timegm(RELEASE_DATE)
    chmcmd = shutil.which("chmcmd")
    if chmcmd is None:
        sys.exit("chmcmd not found: install Debian's fp-utils (scripts/bootstrap.sh does)")
    with tempfile.TemporaryDirectory(prefix="lumetra-help.") as scratch:
        convert_sources(source, scratch)
        result = subprocess.run([chmcmd, "--no-html-scan", project], cwd=scratch, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True, check=False)
        compiled = os.path.join(scratch, os.path.splitext(project)[0] + ".chm")
        if result.returncode != 0 or not os.path.exists(compiled):
            sys.exit(f"chmcmd failed on {project}:\n{result.stdout}")
        with open(compiled, "rb") as f:
            chm = fix_timestamps(f.read(), unix_time)
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with open(output, "wb") as f:
        f.write(chm)


if __name__ == "__main__":
    main(sys.argv)
