#!/usr/bin/env python3
"""Our setup against its peer, an NSIS installer doing the same work, on the same files
under Wine; with a native unzip and a plain xcopy of the unpacked tree for reference.
Run through bench/run.sh, which builds what this needs; writes bench/RESULTS.md.

Every Wine contender runs in a fresh prefix per run. The prefix is started and warmed
first (wineserver, the desktop process, the COM service: warm_up.exe), then only the
contender's own process is timed, from its start to its exit, with its peak resident
memory and CPU time taken from the kernel (wait4). Each round runs every contender once,
in an order that rotates from round to round, so that a change in the machine's load
falls on all of them alike.
"""

import argparse
import datetime
import json
import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path, PureWindowsPath

HERE = Path(__file__).resolve().parent
SOURCE = HERE.parent
sys.path.insert(0, str(SOURCE / "tests" / "e2e"))
sys.path.insert(0, str(HERE))
import nsis_script  # noqa: E402
from winebox import WineBox  # noqa: E402

MIB = 1024 * 1024
KIB = 1024

# A complete installation: files, Start-menu group, both desktop links, the browse verbs,
# the image formats associated.
OPTIONS = ["/silent", "/group=1", "/desktop=1", "/thumbs=1", "/assoc=1"]
NOTIFY_SHELL = any(o.startswith("/assoc=") and o != "/assoc=0" for o in OPTIONS)

OURS, NSIS_ZLIB, NSIS_LZMA, XCOPY, UNZIP, EMPTY = (
    "ours", "NSIS zlib", "NSIS LZMA solid", "xcopy (floor)", "unzip on Linux", "empty program")


def setup_file_name():
    text = (SOURCE / "app" / "build_constants.h").read_text()
    return re.search(r'#define LUMETRA_SETUP_FILE_NAME "(.*)"', text).group(1)


class Build:
    """A bench build folder: our setup with one payload, and the tools."""

    def __init__(self, root):
        self.root = Path(root).resolve()
        self.setup = self.root / setup_file_name()
        self.archive = self.root / "data" / "payload.zip"
        self.read_links = self.root / "tests" / "tools" / "read_links.exe"
        tools = self.root / "bench" / "tools"
        self.record_installation = tools / "record_installation.exe"
        self.warm_up = tools / "warm_up.exe"
        self.empty_program = tools / "empty_program.exe"
        self.link_map = self.root / "maps" / (self.setup.name + ".map")


class Payload:
    """One payload: its archive, unpacked into a staging folder for the peer and xcopy."""

    def __init__(self, name, build, work):
        self.name = name
        self.build = build
        self.archive = build.archive
        self.staging = work / name / "files"
        with zipfile.ZipFile(self.archive) as archive:
            infos = archive.infolist()
            self.entries = [(info.filename, info.is_dir()) for info in infos]
            self.files = {info.filename: info.file_size for info in infos if not info.is_dir()}
            self.compressed = sum(info.compress_size for info in infos)
            if self.staging.exists():
                shutil.rmtree(self.staging)
            for info in infos:
                archive.extract(info, self.staging)
                if not info.is_dir():
                    stamp = time.mktime(info.date_time + (0, 0, -1))  # DOS times are local
                    os.utime(self.staging / info.filename, (stamp, stamp))
        self.size = sum(self.files.values())
        self.archive_size = self.archive.stat().st_size
        self.installers = {}  # contender -> Path
        self.makensis = {}  # contender -> sizes makensis reported


# -- recording what our installation does ------------------------------------------------

def warm(box, build):
    box._ensure_server()
    result = box.wine(str(build.warm_up), timeout=120)
    if result.returncode != 0:
        raise RuntimeError(f"warm_up.exe failed: {result.returncode}")


def record(build, template, work):
    """The registry values, links and settings files of our installation, made by our own
    code in a throwaway prefix."""
    folder = work / "record"
    folder.mkdir(parents=True, exist_ok=True)
    with WineBox(template=template) as box:
        warm(box, build)
        before = box.tree()
        result = box.wine(str(build.record_installation), *OPTIONS, timeout=300)
        if result.returncode != 0:
            raise RuntimeError(f"record_installation.exe failed ({result.returncode}): {result.stderr[-2000:]}")
        recorded = json.loads(result.stdout.decode("ascii"))
        new_links = sorted(p for p in box.tree() - before if p.lower().endswith(".lnk"))
        folders = sorted({str(PureWindowsPath(p).parent) for p in new_links})
        read = box.wine(str(build.read_links), *folders)
        found = json.loads(read.stdout.decode("ascii"))
        wanted = {p.lower() for p in new_links}
        links = {path: props for path, props in found.items() if path.lower() in wanted and props}
        if len(links) != len(new_links):
            raise RuntimeError(f"links not readable: {sorted(wanted - {p.lower() for p in links})}")
        settings = []
        for i, path in enumerate(recorded["settings_files"]):
            local = folder / f"settings_{i}.ini"
            shutil.copyfile(box.find(path), local)
            settings.append((path, str(local)))
    (folder / "record.json").write_text(json.dumps({"record": recorded, "links": links}, indent=1))
    return recorded, links, settings


# -- the peer ------------------------------------------------------------------------------

def parse_makensis(output):
    sizes = {}
    for label in ("EXE header size", "Install code", "Install data", "Compressed data"):
        m = re.search(rf"^{label}:\s+(?:(\d+) / )?\(?(\d+)\)? bytes", output, re.MULTILINE)
        if m:
            sizes[label] = (int(m.group(1)) if m.group(1) else None, int(m.group(2)))
    return sizes


def make_peer(payload, compressor, recorded, links, settings, work):
    contender = NSIS_ZLIB if compressor == "zlib" else NSIS_LZMA
    out = work / payload.name / f"nsis-{compressor}-setup.exe"
    script = nsis_script.nsis_script(compressor, str(out), recorded["target_folder"], payload.entries,
                                     str(payload.staging), settings, links, recorded["registry"], NOTIFY_SHELL)
    script_path = work / payload.name / f"nsis-{compressor}.nsi"
    script_path.write_text("\ufeff" + script, encoding="utf-8")
    result = subprocess.run(["makensis", "-V4", "-INPUTCHARSET", "UTF8", str(script_path)],
                            capture_output=True, text=True, check=False)
    (work / payload.name / f"nsis-{compressor}.log").write_text(result.stdout + result.stderr)
    if result.returncode != 0:
        raise RuntimeError(f"makensis failed for {script_path}:\n{result.stdout[-3000:]}{result.stderr[-3000:]}")
    payload.installers[contender] = out
    payload.makensis[contender] = parse_makensis(result.stdout)


def peer_overhead(payload, contender):
    """Bytes of the NSIS installer beyond its compressed copy of the payload's files.
    makensis reports the compressed size of the whole data block, which holds besides
    the files the plug-in it extracts (System.dll) and, in solid mode, the script; the
    files' share of it is taken in proportion to their uncompressed size."""
    sizes = payload.makensis[contender]
    exe = payload.installers[contender].stat().st_size
    if "Compressed data" in sizes:  # solid: code and data in one stream
        compressed, raw = sizes["Compressed data"]
        raw_total = sizes["Install code"][1] + sizes["Install data"][1]
    else:
        compressed, raw_total = sizes["Install data"]
    share = payload.size / raw_total
    return exe - int(compressed * share)


# -- running the contenders -------------------------------------------------------------

class Measurement:
    def __init__(self, wall, peak, cpu):
        self.wall = wall  # seconds
        self.peak = peak  # bytes of resident memory at the peak
        self.cpu = cpu  # seconds of user and system time of the process


def timed_process(argv, env, cwd):
    """Runs argv to its end; its wall time, peak resident memory and CPU time. Under Wine
    the process started as `wine program` is the program's own process.

    The peak comes from GNU time, which starts the program from its own small process:
    the kernel's high-water mark of a process starts at the size of the process that
    forked it, which for a child of this script would be the script's own size."""
    with tempfile.NamedTemporaryFile(mode="r", suffix=".time") as report:
        start = time.perf_counter()
        process = subprocess.Popen(["/usr/bin/time", "-q", "-f", "%M", "-o", report.name, *argv], env=env, cwd=cwd,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.perf_counter() - start
        process.returncode = os.waitstatus_to_exitcode(status)
        peak_kib = int(report.read().split()[-1])
    return process.returncode, Measurement(wall, peak_kib * KIB, usage.ru_utime + usage.ru_stime)


def check_files(payload, root):
    """Every file of the payload below root with its size."""
    missing = [name for name, size in payload.files.items()
               if not (root / name).is_file() or (root / name).stat().st_size != size]
    if missing:
        raise RuntimeError(f"{len(missing)} files missing or wrong below {root}, e.g. {missing[:3]}")


def check_installation(box, recorded, links):
    """The links and every recorded registry value, as the registration made them."""
    for path in links:
        if box.find(path) is None:
            raise RuntimeError(f"link missing: {path}")
    registry = box.registry()
    wrong = []
    for entry in recorded["registry"]:
        if entry["type"] == "key":
            continue
        value = registry.value(f"{entry['root']}\\{entry['key']}", entry["name"])
        if value is None or value.data != entry["data"]:
            wrong.append((entry["root"], entry["key"], entry["name"], value))
    if wrong:
        raise RuntimeError(f"{len(wrong)} registry values missing or wrong, e.g. {wrong[:3]}")


def run_in_wine(contender, payload, template, recorded, links):
    build = payload.build
    target = recorded["target_folder"].rstrip("\\")
    with WineBox(template=template) as box:
        warm(box, build)
        if contender == OURS:
            argv = ["wine", str(build.setup), *OPTIONS]
        elif contender == XCOPY:
            argv = ["wine", "xcopy", "/E", "/I", "/Q", "/Y", box.windows(payload.staging), target]
        elif contender == EMPTY:
            argv = ["wine", str(build.empty_program)]
        else:
            argv = ["wine", str(payload.installers[contender]), "/S"]
        downloads = box.unix(f"{box.user_dir}\\Downloads")
        code, measurement = timed_process(argv, box.env, downloads)
        if code != 0:
            raise RuntimeError(f"{contender} exited with {code}")
        if contender != EMPTY:
            check_files(payload, box.unix(target))
        if contender in (OURS, NSIS_ZLIB, NSIS_LZMA):
            check_installation(box, recorded, links)
    return measurement


def run_unzip(payload, work):
    target = Path(tempfile.mkdtemp(prefix="unzip.", dir=work))
    try:
        code, measurement = timed_process(["unzip", "-q", "-o", str(payload.archive), "-d", str(target)],
                                          dict(os.environ), str(work))
        if code != 0:
            raise RuntimeError(f"unzip exited with {code}")
        check_files(payload, target)
    finally:
        shutil.rmtree(target, ignore_errors=True)
    return measurement


def run_rounds(payloads, template, recorded, links, rounds, work):
    """{payload name: {contender: [Measurement per round]}}."""
    results = {p.name: {} for p in payloads}
    contenders = [OURS, NSIS_ZLIB, NSIS_LZMA, XCOPY, UNZIP, EMPTY]
    for r in range(rounds):
        for payload in payloads:
            shift = r % len(contenders)
            for contender in contenders[shift:] + contenders[:shift]:
                if contender == UNZIP:
                    m = run_unzip(payload, work)
                else:
                    m = run_in_wine(contender, payload, template, recorded, links)
                results[payload.name].setdefault(contender, []).append(m)
                print(f"round {r + 1}/{rounds} {payload.name:8} {contender:16} {m.wall:7.3f} s "
                      f"{m.peak / MIB:6.1f} MiB peak", flush=True)
    return results


# -- the executable's bytes ---------------------------------------------------------------

def section_sizes(exe):
    out = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", str(exe)], capture_output=True, text=True,
                         check=True).stdout
    sections = {}
    for line in out.splitlines():
        m = re.match(r"\s*\d+\s+(\S+)\s+([0-9a-f]+)\s", line)
        if m:
            sections[m.group(1)] = int(m.group(2), 16)
    return sections


def map_contributions(link_map):
    """{input (archive or object): bytes} of the sections kept in the executable, from the
    linker's map."""
    if not link_map.exists():
        return {}
    text = link_map.read_text(errors="replace")
    start = text.find("Linker script and memory map")
    sizes = {}
    pattern = re.compile(r"^ (\.[\w.$]+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
    for line in text[start:].splitlines():
        m = pattern.match(line)
        if not m or m.group(4).startswith("0x"):
            continue
        size = int(m.group(3), 16)
        if size == 0 or int(m.group(2), 16) == 0:
            continue
        source = m.group(4).strip()
        archive = re.match(r"(.*?)\((.*)\)$", source)
        if archive:
            library, member = Path(archive.group(1)).name, archive.group(2)
            if library == "liblumetra_core.a":
                name = "lumetra_core: " + member.replace(".cpp.obj", ".cpp")
            elif library == "objects.a":  # the executable's own objects, resources among them
                name = re.sub(r"\.rc\.res(\.obj)?$", ".rc (resources)", member.replace(".cpp.obj", ".cpp"))
            else:
                name = library
        else:
            name = Path(source).name.replace(".cpp.obj", ".cpp").replace(".c.obj", ".c")
        sizes[name] = sizes.get(name, 0) + size
    return sizes


# -- the report -----------------------------------------------------------------------------

def median(values):
    return statistics.median(values)


def machine_lines():
    cpu = "unknown CPU"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    memory = int(re.search(r"MemTotal:\s+(\d+)", Path("/proc/meminfo").read_text()).group(1)) * KIB
    os_name = "Linux"
    if Path("/etc/os-release").exists():
        m = re.search(r'PRETTY_NAME="(.*)"', Path("/etc/os-release").read_text())
        os_name = m.group(1) if m else os_name
    wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()
    nsis = subprocess.run(["makensis", "-VERSION"], capture_output=True, text=True).stdout.strip()
    return [f"{cpu}, {os.cpu_count()} cores, {memory / 2**30:.0f} GiB; {os_name}, kernel {platform.release()}; "
            f"{wine}; makensis {nsis}"]


def fmt_time(seconds):
    return f"{seconds:.3f} s"


def ratio_to_ours(results, contender):
    """Median of the per-round ratios contender / ours: each round's pair ran back to
    back, so a change of load between rounds cancels out."""
    return median([c.wall / o.wall for c, o in zip(results[contender], results[OURS])])


def payload_table(payload, results):
    ours = results[OURS]
    rows = ["| Contender | Wall time (median) | Ratio to ours | Throughput | CPU time | Peak memory "
            "| Executable | Overhead beyond payload |",
            "|---|---:|---:|---:|---:|---:|---:|---:|"]
    for contender in (OURS, NSIS_ZLIB, NSIS_LZMA, XCOPY, UNZIP, EMPTY):
        ms = results[contender]
        wall = median([m.wall for m in ms])
        ratio = "1.00" if contender == OURS else f"{ratio_to_ours(results, contender):.2f}"
        throughput = "" if contender == EMPTY else f"{payload.size / MIB / wall:.1f} MiB/s"
        if contender == OURS:
            exe = payload.build.setup.stat().st_size
            size, overhead = f"{exe / KIB:,.0f} KiB", f"{(exe - payload.archive_size) / KIB:,.0f} KiB"
        elif contender in (NSIS_ZLIB, NSIS_LZMA):
            exe = payload.installers[contender].stat().st_size
            size, overhead = f"{exe / KIB:,.0f} KiB", f"≈ {peer_overhead(payload, contender) / KIB:,.0f} KiB"
        else:
            size = overhead = ""
        rows.append(f"| {contender} | {fmt_time(wall)} | {ratio} | {throughput} | "
                    f"{fmt_time(median([m.cpu for m in ms]))} | {median([m.peak for m in ms]) / MIB:.1f} MiB | "
                    f"{size} | {overhead} |")
    del ours
    return rows


def verdict(met):
    return "**met**" if met else "**missed**"


def targets(payloads, results):
    lines = []
    large = next(p for p in payloads if p.name == "large")
    standard = next(p for p in payloads if p.name == "standard")
    lr, sr = results["large"], results["standard"]
    zlib = 1 / ratio_to_ours(lr, NSIS_ZLIB)
    floor = 1 / ratio_to_ours(lr, XCOPY)
    lines.append(f"- Large payload, ours against NSIS zlib: ratio {zlib:.2f} (target ≤ 1.00): {verdict(zlib <= 1.0)}")
    lines.append(f"- Large payload, ours against the xcopy floor: ratio {floor:.2f} (target ≤ 2.00): "
                 f"{verdict(floor <= 2.0)}")
    for contender in (NSIS_ZLIB, NSIS_LZMA):
        r = 1 / ratio_to_ours(sr, contender)
        lines.append(f"- Standard payload, ours against {contender}: ratio {r:.2f} (target ≤ 1.00): "
                     f"{verdict(r <= 1.0)}")
    for payload in (standard, large):
        overhead = payload.build.setup.stat().st_size - payload.archive_size
        lines.append(f"- Overhead of our executable ({payload.name} build): {overhead / KIB:,.0f} KiB "
                     f"(target ≤ 300 KiB): {verdict(overhead <= 300 * KIB)}")
    empty = median([m.peak for m in lr[EMPTY]])
    for payload in (standard, large):
        peak = median([m.peak for m in results[payload.name][OURS]])
        limit = payload.archive_size + 16 * MIB
        lines.append(f"- Peak memory, {payload.name} payload: {peak / MIB:.1f} MiB resident at the peak, of which "
                     f"{empty / MIB:.1f} MiB is Wine's own (an empty program's peak); "
                     f"{(peak - empty) / MIB:.1f} MiB above it, against a limit of the embedded archive "
                     f"({payload.archive_size / MIB:.1f} MiB) + 16 MiB = {limit / MIB:.1f} MiB: "
                     f"{verdict(peak - empty <= limit)} (counting Wine's own share too: "
                     f"{verdict(peak <= limit)})")
    return lines


def bytes_section(build, archive_size):
    lines = []
    sections = section_sizes(build.setup)
    lines.append(f"Sections of `{build.setup.name}` (virtual sizes; `.rsrc` holds the payload):")
    lines.append("")
    lines.append("| Section | Bytes |")
    lines.append("|---|---:|")
    for name, size in sections.items():
        shown = f"{size:,}"
        if name == ".rsrc":
            shown += f" ({size - archive_size:,} without the payload)"
        lines.append(f"| `{name}` | {shown} |")
    contributions = map_contributions(build.link_map)
    if contributions:
        lines.append("")
        lines.append("The largest inputs, from the linker's map (static run-time libraries by archive, "
                     "our code by file):")
        lines.append("")
        lines.append("| Input | Bytes |")
        lines.append("|---|---:|")
        ranked = sorted(contributions.items(), key=lambda item: -item[1])
        for name, size in ranked[:20]:
            if name.endswith("(resources)"):
                name += f", {archive_size:,} of them the payload"
            lines.append(f"| {name} | {size:,} |")
        lines.append(f"| (all {len(ranked)} inputs) | {sum(contributions.values()):,} |")
    return lines


def write_report(path, payloads, results, rounds, command, started, load_before, load_after):
    lines = [
        "# Benchmark: our setup against an NSIS installer of the same files",
        "",
        f"Produced by `{command}` on {started:%Y-%m-%d %H:%M} (UTC{started:%z}).",
        "",
        f"Machine: {machine_lines()[0]}. Load average before: {load_before}; after: {load_after} "
        "(the machine is shared with other work, so single runs vary).",
        "",
        f"Installation: `{' '.join(OPTIONS)}` (the default folder `C:\\Program Files\\Lumetra`); each "
        f"figure is the median of {rounds} runs, each in a fresh Wine prefix that was started and "
        "warmed up before the timed process (see bench/benchmark.py). The peer does the same work: the "
        "same files in the same order, the settings files, the links and every registry value that "
        "our registration writes, and the same notices to the shell; every run is checked for all of "
        "them.",
        "",
        "- Wall time: from the start of the contender's process to its exit, Wine's process start "
        "included (the empty program's row shows that share); the ratio is the median of each "
        "round's contender/ours.",
        "- Throughput: the uncompressed payload divided by the wall time.",
        "- CPU time: user and system time of the process itself (Wine's server not included).",
        "- Peak memory: the process's peak resident set (the kernel's high-water mark, what Windows "
        "calls the peak working set), Wine's own libraries included.",
        "- Overhead: the executable's size minus the compressed payload it carries (ours: minus the "
        "embedded ZIP archive; NSIS: minus the files' share of its compressed data, estimated).",
        "",
        "Our executable is built as the product is: sections at page-aligned file offsets "
        "(`-Wl,--file-alignment,0x1000`, so that Wine maps the payload resource as it is read instead "
        "of reading the whole executable into memory at start), the setup's logic and minizip "
        "compiled with `-Os`, the run-time library's verbose terminate handler left out "
        "(`app/quiet_terminate.cpp`); minizip reads the archive through a 64 KiB read-ahead "
        "(`payload/buffered_archive_file.cpp`). NSIS runs with its defaults (its CRC check of the installer "
        "included) and its System plug-in for the shell notices.",
        "",
    ]
    for payload in payloads:
        lines.append(f"## {payload.name.capitalize()} payload: {len(payload.files)} files, "
                     f"{payload.size / MIB:.1f} MiB, as ZIP {payload.archive_size / MIB:.1f} MiB")
        lines.append("")
        lines += payload_table(payload, results[payload.name])
        lines.append("")
    lines.append("## Targets")
    lines.append("")
    lines += targets(payloads, results)
    lines.append("")
    lines.append("## Where the bytes of our executable go")
    lines.append("")
    standard = next(p for p in payloads if p.name == "standard")
    lines += bytes_section(standard.build, standard.archive_size)
    lines.append("")
    Path(path).write_text("\n".join(lines))


def load_average():
    return " ".join(Path("/proc/loadavg").read_text().split()[:3])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--standard-build", required=True)
    parser.add_argument("--large-build", required=True)
    parser.add_argument("--template", required=True, help="template Wine prefix")
    parser.add_argument("--work", required=True, help="folder for staging, peer installers and scratch")
    parser.add_argument("--rounds", type=int, default=9)
    parser.add_argument("--out", required=True, help="Markdown report to write")
    parser.add_argument("--command", default="bash bench/run.sh", help="command shown in the report")
    args = parser.parse_args()

    started = datetime.datetime.now().astimezone()
    load_before = load_average()
    work = Path(args.work).resolve()
    work.mkdir(parents=True, exist_ok=True)
    builds = {"standard": Build(args.standard_build), "large": Build(args.large_build)}
    payloads = [Payload(name, build, work) for name, build in builds.items()]

    print("recording the installation's registry values, links and settings", flush=True)
    recorded, links, settings = record(builds["standard"], args.template, work)
    print(f"  {len(recorded['registry'])} registry entries, {len(links)} links, {len(settings)} settings files")
    for payload in payloads:
        for compressor in ("zlib", "lzma"):
            print(f"making the NSIS {compressor} installer of the {payload.name} payload", flush=True)
            make_peer(payload, compressor, recorded, links, settings, work)

    results = run_rounds(payloads, args.template, recorded, links, args.rounds, work)
    write_report(args.out, payloads, results, args.rounds, args.command, started, load_before, load_average())
    print(f"wrote {args.out}")


if __name__ == "__main__":
    main()
