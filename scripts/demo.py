"""Runs one silent installation in a throwaway Wine prefix and prints what it did."""

import json
import os
import re
import sys
import textwrap
from pathlib import Path, PureWindowsPath

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from winebox import RegValue, WineBox  # noqa: E402

EXIT_CODES = {
    0: "installation finished",
    1: "wizard left without an installation",
    2: "the viewer is running; nothing installed",
    3: "invalid (empty) target folder",
    4: "target folder cannot be created",
    5: "payload could not be unpacked",
}


def section(title):
    print()
    print(title)
    print("-" * len(title))


# Families of registry entries that the installation writes many of: each is shown as a
# count, one member in full and the list of the members' names, instead of a line each.
#   (title, hive, pattern of the lower-case key path whose group 1 names the member)
# A pattern without a group makes each value of the key a member.
FAMILIES = [
    ("file classes, each with type name, open command and icon", "HKLM",
     r"software\\classes\\(lumetra\.[^\\]+)(?:\\.*)?"),
    ("extension defaults", "HKLM", r"software\\classes\\(\.[^\\]+)"),
    ("capability values", "HKLM", r"software\\lumetra\\capabilities\\fileassociations"),
    ("Explorer choices of the user", "HKCU",
     r"software\\microsoft\\windows\\currentversion\\explorer\\fileexts\\(\.[^\\]+)(?:\\userchoice)?"),
]


# Keys that Wine itself rewrites while a program runs (its device data, refreshed at
# start-up); shown apart from what the installation wrote.
WINE_OWN = [r"system\\currentcontrolset\\control\\class\\.*"]


def shown(value):
    if value.type == RegValue.REG_DWORD:
        return f"dword {value.data}"
    if isinstance(value.data, str):
        return value.data if value.data else "(empty string)"
    return value.data.hex(" ")


def registry_changes(before, after):
    """{hive: {key path: {value name: RegValue}}} of the keys and values that are new or
    changed; a new key without values of its own maps to {}."""
    changes = {}
    for hive, old_hive, new_hive in (("HKLM", before.machine, after.machine), ("HKCU", before.user, after.user)):
        old_keys = {key.lower(): values for key, values in old_hive.items()}
        # Wine saves only keys that hold values or nothing at all: a key existed before
        # when it or one of its descendants was saved.
        existed = {"\\".join(key.split("\\")[:depth]) for key in old_keys for depth in range(1, key.count("\\") + 2)}
        hive_changes = {}
        for key, values in new_hive.items():
            old = old_keys.get(key.lower(), {})
            changed = {name: value for name, value in values.items()
                       if name not in old or (old[name].type, old[name].data) != (value.type, value.data)}
            if changed or key.lower() not in existed:
                hive_changes[key] = changed
        changes[hive] = hive_changes
    return changes


def print_entries(hive, key, values):
    print(f"    {hive}\\{key}")
    for name, value in values.items():
        print(f"        {name or '@'} = {shown(value)}")


def print_family(title, hive, pattern, keys):
    """Prints and removes from keys the members of one family."""
    matching = {key: keys.pop(key) for key in list(keys) if re.fullmatch(pattern, key, re.IGNORECASE)}
    members = {}  # member name -> {key: values}
    for key, values in matching.items():
        match = re.fullmatch(pattern, key, re.IGNORECASE)
        if match.groups():
            members.setdefault(match.group(1), {})[key] = values
        else:
            for name, value in values.items():
                members.setdefault(name, {})[key] = {name: value}
    if not members:
        return
    names = sorted(members)
    example = next((name for name in names if "jpg" in name.lower()), names[0])
    print(f"  {hive}: {len(names)} {title}; for example:")
    for key, values in sorted(members[example].items()):
        if values:
            print_entries(hive, key, values)
    print(textwrap.fill(" ".join(names), width=96, initial_indent="    all: ", subsequent_indent="         "))


def print_registry_changes(changes):
    remaining = {hive: dict(keys) for hive, keys in changes.items()}
    for title, hive, pattern in FAMILIES:
        print_family(title, hive, pattern, remaining[hive])
    wine_own = {hive: {key: keys.pop(key) for key in list(keys)
                       if any(re.fullmatch(p, key, re.IGNORECASE) for p in WINE_OWN)}
                for hive, keys in remaining.items()}
    print("  The other keys, in full:")
    print_keys(remaining)
    if any(wine_own.values()):
        print("  Changed by Wine itself, not by the installation:")
        print_keys(wine_own)


def print_keys(changes):
    for hive, keys in changes.items():
        for key in sorted(keys, key=str.lower):
            values = keys[key]
            # A new key without values is shown only when nothing below it is.
            if values or not any(other.lower().startswith(key.lower() + "\\") for other in keys):
                print_entries(hive, key, values)


def print_links(box, new_files):
    links = sorted(path for path in new_files if path.lower().endswith(".lnk"))
    if not links:
        print("  (none)")
        return
    folders = sorted({str(PureWindowsPath(path).parent) for path in links})
    result = box.wine(str(Path(os.environ["LUMETRA_TOOLS_DIR"]) / "read_links.exe"), *folders)
    read = {path.lower(): props for path, props in json.loads(result.stdout.decode("ascii") or "{}").items()}
    for path in links:
        props = read.get(path.lower())
        print(f"  {path}")
        if not props:
            print("      (not readable as a link)")
            continue
        target = props["target"] + (f" {props['arguments']}" if props["arguments"] else "")
        print(f"      -> {target}")
        if props["icon_path"]:
            print(f"      icon {props['icon_path']},{props['icon_index']}")
        if props["description"]:
            print(f"      \"{props['description']}\"")


def main():
    options = sys.argv[1] if len(sys.argv) > 1 else "/silent"
    setup = Path(os.environ["LUMETRA_SETUP_EXE"])
    with WineBox() as box:
        downloads = f"{box.user_dir}\\Downloads"
        before = box.tree()
        registry_before = box.registry()
        print(f"Setup:    {setup.name} ({setup.stat().st_size // 1024} KiB)")
        print(f"Command:  {setup.name} {options}")
        print(f"Started in {downloads} of a fresh Wine prefix")
        code = box.run(setup, options, folder=downloads, timeout=300)
        registry_after = box.registry()  # stops the prefix's processes first
        after = box.tree()

        section("Exit code")
        print(f"{code}: {EXIT_CODES.get(code, 'unknown')}")

        section("Install log")
        log = box.unix(f"{downloads}\\Lumetra_Install.log")
        if log.exists():
            print(log.read_bytes().decode("latin-1").replace("\r\n", "\n").rstrip())
        else:
            print("(none written: nothing went wrong)")

        section("Folders and files made")
        made = sorted(after - before)
        folders = [p for p in made if p.endswith("\\")]
        files = [p for p in made if not p.endswith("\\")]
        for path in folders:
            print(f"  {path}")
        print(f"  ... {len(folders)} folders, {len(files)} files")
        for path in files:
            print(f"  {path}")

        section("Shortcuts created (read back through the shell's link object)")
        print_links(box, set(files))

        section("Registry keys and values written")
        print_registry_changes(registry_changes(registry_before, registry_after))
    return 0


if __name__ == "__main__":
    sys.exit(main())
