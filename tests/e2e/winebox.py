"""A throwaway Wine prefix for scenarios: clone the template, run Windows programs in it
with a home folder of its own, read back its files and registry, remove it.

Used by the end-to-end scenarios and by the README's demonstration command.
"""

import os
import re
import shutil
import subprocess
import tempfile
import time
from pathlib import Path, PureWindowsPath

SOURCE_DIR = Path(os.environ.get("LUMETRA_SOURCE_DIR", Path(__file__).resolve().parents[2]))
WINE_DIR = SOURCE_DIR / "tests" / "wine"

# Files that Wine rewrites in place; a clone owns copies of them (see common.sh).
_OWNED_FILES = ["system.reg", "user.reg", "userdef.reg", ".update-timestamp",
                "drive_c/windows/win.ini", "drive_c/windows/system.ini"]

WINDOWS_VERSIONS = {"win7": "win7", "win10": "win10", "win8": "win8", "vista": "vista"}


def required_env(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set; run the scenarios through ctest")
    return value


class WineBox:
    """One fresh prefix. Use as a context manager; everything is removed on exit unless
    LUMETRA_KEEP_PREFIX is set."""

    def __init__(self, template=None, windows_version=None):
        self.template = Path(template or required_env("LUMETRA_WINE_TEMPLATE"))
        self.root = Path(tempfile.mkdtemp(prefix="lumetra-box."))
        self.prefix = self.root / "prefix"
        self.home = self.root / "home"
        self.home.mkdir()
        subprocess.run(["cp", "-al", str(self.template), str(self.prefix)], check=True)
        for name in _OWNED_FILES:
            source = self.template / name
            if source.exists():
                target = self.prefix / name
                target.unlink()
                shutil.copy2(source, target)
        self.env = dict(os.environ)
        self.env.update({
            "WINEPREFIX": str(self.prefix),
            "HOME": str(self.home),
            "WINEDEBUG": os.environ.get("LUMETRA_WINEDEBUG", "-all"),
            "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
            "WINEARCH": "win64",
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        })
        for name in ("DISPLAY", "WAYLAND_DISPLAY"):
            self.env.pop(name, None)
        self._server_started = False
        self.user = self._find_user()
        if windows_version:
            self.set_windows_version(windows_version)

    # -- lifetime -----------------------------------------------------------------

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _ensure_server(self):
        if self._server_started:
            return
        # A persistent server warmed up by a first process keeps Wine's background
        # processes off our pipes.
        subprocess.run(["wineserver", "-p"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        subprocess.run(["wine", "cmd", "/c", "exit"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        self._server_started = True

    def stop(self):
        """Ends every process of the prefix; the registry is then on disk."""
        if not self._server_started:
            return
        # A program that was still starting when its server was ended brings up a new
        # server, and waiting for the prefix to go idle would then wait for that program:
        # end the prefix again until it is idle.
        for _ in range(3):
            subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=False)
            try:
                subprocess.run(["wineserver", "-w"], env=self.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, check=False, timeout=20)
                break
            except subprocess.TimeoutExpired:
                continue
        self._server_started = False

    def close(self):
        self.stop()
        self._forget_server_dir()
        if os.environ.get("LUMETRA_KEEP_PREFIX"):
            print(f"prefix kept: {self.root}")
        else:
            shutil.rmtree(self.root, ignore_errors=True)

    def _forget_server_dir(self):
        marker = self.prefix / "wineserver"
        if not marker.exists():
            return
        base = Path(os.environ.get("TMPDIR", "/tmp")) / marker.read_text().strip()
        info = self.prefix.stat()
        shutil.rmtree(base / f"server-{info.st_dev:x}-{info.st_ino:x}", ignore_errors=True)

    # -- paths --------------------------------------------------------------------

    def _find_user(self):
        users = self.prefix / "drive_c" / "users"
        names = sorted(p.name for p in users.iterdir() if p.is_dir() and p.name != "Public")
        return names[0]

    def unix(self, windows_path):
        """The Linux path of a path on the prefix's drive C:."""
        path = PureWindowsPath(windows_path)
        if path.drive.upper() != "C:":
            raise ValueError(f"not on drive C: {windows_path}")
        return self.prefix.joinpath("drive_c", *path.parts[1:])

    def find(self, windows_path):
        """Like unix(), but matching each component without regard to case, as Windows
        does. Returns None when the path does not exist."""
        path = PureWindowsPath(windows_path)
        current = self.prefix / "drive_c"
        for part in path.parts[1:]:
            if not current.is_dir():
                return None
            matches = [c for c in current.iterdir() if c.name.lower() == part.lower()]
            if not matches:
                return None
            current = matches[0]
        return current

    @staticmethod
    def windows(unix_path):
        """The Z: path under which Wine sees a Linux path."""
        return "Z:" + str(Path(unix_path).resolve()).replace("/", "\\")

    @property
    def user_dir(self):
        return f"C:\\users\\{self.user}"

    # -- running programs ---------------------------------------------------------

    def _launch(self, program, command_tail, folder, extra_env=None):
        """The launcher's command and environment for '"program" tail' in folder."""
        self._ensure_server()
        tools = Path(required_env("LUMETRA_TOOLS_DIR"))
        program_path = program if re.match(r"^[A-Za-z]:\\", str(program)) else self.windows(program)
        env = dict(self.env)
        env["LUMETRA_LAUNCH_COMMAND_LINE"] = f'"{program_path}" {command_tail}'.rstrip()
        if folder:
            env["LUMETRA_LAUNCH_FOLDER"] = folder
        if extra_env:
            env.update(extra_env)
        return ["wine", str(tools / "launch.exe")], env

    def run(self, program, command_tail="", folder=None, timeout=120, extra_env=None):
        """Runs a Windows program with the exact command line '"program" tail' and the
        given working folder (a Windows path); returns the exit code."""
        command, env = self._launch(program, command_tail, folder, extra_env)
        result = subprocess.run(command, env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout, check=False)
        return result.returncode

    def start_command_line(self, program, command_tail="", folder=None):
        """Like run(), but in the background: returns the Popen object of the launcher,
        whose return code becomes the program's exit code."""
        command, env = self._launch(program, command_tail, folder)
        return subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def start(self, program, args=()):
        """Starts a Windows program in the background; returns the Popen object."""
        self._ensure_server()
        return subprocess.Popen(["wine", str(program), *args], env=self.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def run_command_line(self, command_line, folder=None, timeout=120):
        """Runs an exact Windows command line, as the shell runs a registered command
        such as an uninstall entry's, in the given working folder; returns the exit code."""
        self._ensure_server()
        env = dict(self.env, LUMETRA_LAUNCH_COMMAND_LINE=command_line)
        if folder:
            env["LUMETRA_LAUNCH_FOLDER"] = folder
        launcher = Path(required_env("LUMETRA_TOOLS_DIR")) / "launch.exe"
        result = subprocess.run(["wine", str(launcher)], env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout, check=False)
        return result.returncode

    def wine(self, *args, timeout=60):
        """Runs a Wine command (such as 'reg') and returns its completed process. Output
        goes through files, not pipes: a program that makes the first window of the
        prefix starts Wine's desktop process, which inherits and keeps the output
        handles, so reading a pipe to its end would wait for the desktop to end."""
        self._ensure_server()
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.run(["wine", *args], env=self.env, stdin=subprocess.DEVNULL, stdout=out,
                                     stderr=err, timeout=timeout, check=False)
            out.seek(0)
            err.seek(0)
            return subprocess.CompletedProcess(process.args, process.returncode, out.read(), err.read())

    def set_windows_version(self, version):
        """Makes the prefix report another Windows version (win7, win8, win10, vista)."""
        self.wine("reg", "add", "HKCU\\Software\\Wine", "/v", "Version", "/d", WINDOWS_VERSIONS[version], "/f")

    def wait_for(self, predicate, timeout=20.0, interval=0.1):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if predicate():
                return True
            time.sleep(interval)
        return predicate()

    # -- reading the prefix ---------------------------------------------------------

    def tree(self):
        """Every file and folder below drive_c, as Windows paths relative to C:."""
        base = self.prefix / "drive_c"
        entries = set()
        for dirpath, dirnames, filenames in os.walk(base):
            rel = Path(dirpath).relative_to(base)
            for name in dirnames:
                entries.add("C:\\" + str(rel / name).replace("/", "\\").lstrip(".\\") + "\\")
            for name in filenames:
                entries.add("C:\\" + str(rel / name).replace("/", "\\").lstrip(".\\"))
        return {e.replace("C:\\.\\", "C:\\") for e in entries}

    def registry(self):
        """The prefix's registry as a Registry object. Stops the prefix's processes first
        so that Wine has written it to disk."""
        self.stop()
        return Registry(self.prefix)


# -- Wine's registry files -------------------------------------------------------------

_ESCAPES = {"\\": "\\", '"': '"', "n": "\n", "r": "\r", "t": "\t", "0": "\0", "a": "\a", "b": "\b",
            "e": "\x1b", "f": "\f", "v": "\v"}


def _unescape(text):
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c != "\\":
            out.append(c)
            i += 1
            continue
        nxt = text[i + 1] if i + 1 < len(text) else ""
        if nxt == "x":
            m = re.match(r"[0-9a-fA-F]{1,4}", text[i + 2:])
            out.append(chr(int(m.group(0), 16)))
            i += 2 + len(m.group(0))
        elif nxt in "01234567" and re.match(r"[0-7]{1,3}", text[i + 1:]).group(0) != "0":
            m = re.match(r"[0-7]{1,3}", text[i + 1:])
            out.append(chr(int(m.group(0), 8)))
            i += 1 + len(m.group(0))
        else:
            out.append(_ESCAPES.get(nxt, nxt))
            i += 2
    return "".join(out)


def _split_quoted(line):
    """Splits '"name"=rest' or '@=rest' into (name, rest); name None for the default."""
    if line.startswith("@="):
        return None, line[2:]
    assert line.startswith('"'), line
    i = 1
    while line[i] != '"':
        i += 2 if line[i] == "\\" else 1
    return _unescape(line[1:i]), line[i + 2:]


class RegValue:
    REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ = 1, 2, 3, 4, 7

    def __init__(self, kind, data):
        self.type = kind
        self.data = data  # str for strings, int for DWORD, bytes otherwise

    def __repr__(self):
        return f"RegValue({self.type}, {self.data!r})"


def _parse_data(raw):
    if raw.startswith('"'):
        return RegValue(RegValue.REG_SZ, _unescape(raw[1:raw.rindex('"')]))
    if raw.startswith("str(2):"):
        return RegValue(RegValue.REG_EXPAND_SZ, _unescape(raw[8:raw.rindex('"')]))
    if raw.startswith("str(7):"):
        return RegValue(RegValue.REG_MULTI_SZ, _unescape(raw[8:raw.rindex('"')]))
    if raw.startswith("dword:"):
        return RegValue(RegValue.REG_DWORD, int(raw[6:], 16))
    m = re.match(r"hex(?:\(([0-9a-fA-F]+)\))?:(.*)", raw)
    if m:
        kind = int(m.group(1), 16) if m.group(1) else RegValue.REG_BINARY
        data = bytes(int(b, 16) for b in m.group(2).replace(" ", "").split(",") if b)
        return RegValue(kind, data)
    raise ValueError(f"unknown registry data: {raw[:40]}")


def parse_reg_file(path):
    """{key path (original case): {value name or None: RegValue}} of one Wine registry
    file; key paths are relative to the file's root."""
    keys = {}
    current = None
    pending = ""
    with open(path, encoding="utf-8", errors="surrogateescape") as f:
        for raw_line in f:
            line = raw_line.rstrip("\n")
            if pending:
                line = pending + line.lstrip()
                pending = ""
            if line.endswith("\\") and not line.startswith("["):
                # continuation of hex data
                if re.search(r"(hex(\([0-9a-f]+\))?:|,)\\$", line):
                    pending = line[:-1]
                    continue
            if line.startswith("["):
                end = line.rindex("]")
                current = _unescape(line[1:end])
                keys.setdefault(current, {})
            elif current is not None and (line.startswith('"') or line.startswith("@=")):
                name, rest = _split_quoted(line)
                keys[current][name] = _parse_data(rest)
    return keys


class Registry:
    """HKLM, HKCU and the merged HKCR view of a stopped prefix. Lookups ignore case."""

    def __init__(self, prefix):
        self.machine = parse_reg_file(Path(prefix) / "system.reg")
        self.user = parse_reg_file(Path(prefix) / "user.reg")
        self._machine_lc = {k.lower(): k for k in self.machine}
        self._user_lc = {k.lower(): k for k in self.user}

    def _hive(self, root):
        root = root.upper()
        if root in ("HKLM", "HKEY_LOCAL_MACHINE"):
            return self.machine, self._machine_lc, ""
        if root in ("HKCU", "HKEY_CURRENT_USER"):
            return self.user, self._user_lc, ""
        raise ValueError(root)

    def _resolve(self, path):
        root, _, rest = path.partition("\\")
        if root.upper() in ("HKCR", "HKEY_CLASSES_ROOT"):
            # Wine merges the user's classes over the machine's; the setup writes the
            # machine's, so look there first.
            for candidate in (f"HKLM\\Software\\Classes\\{rest}", f"HKCU\\Software\\Classes\\{rest}"):
                found = self._resolve(candidate)
                if found is not None:
                    return found
            return None
        keys, lc, _ = self._hive(root)
        name = lc.get(rest.lower())
        return None if name is None else keys[name]

    def key_exists(self, path):
        return self._resolve(path) is not None

    def values(self, path):
        key = self._resolve(path)
        return {} if key is None else key

    def value(self, path, name=None):
        """The RegValue of a value (name None: the default value), or None."""
        key = self._resolve(path)
        if key is None:
            return None
        if name is None:
            return key.get(None)
        for value_name, value in key.items():
            if value_name is not None and value_name.lower() == name.lower():
                return value
        return None

    def subkeys(self, path):
        """Names of the direct subkeys of a key."""
        root, _, rest = path.partition("\\")
        keys, _, _ = self._hive(root)
        prefix = rest.lower() + "\\" if rest else ""
        names = set()
        for k in keys:
            if k.lower().startswith(prefix):
                names.add(k[len(prefix):].split("\\")[0])
        return sorted(names)

    def flat(self, root):
        """{(key lower-case, value name lower-case or None): RegValue} of a hive, for
        comparing snapshots."""
        keys, _, _ = self._hive(root)
        out = {}
        for key, values in keys.items():
            out[(key.lower(), None, "<key>")] = None
            for name, value in values.items():
                out[(key.lower(), name.lower() if name is not None else None, "<value>")] = value
        return out
