"""Runs one silent installation in a throwaway Wine prefix and prints what it did."""

import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from winebox import WineBox  # noqa: E402

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


def main():
    options = sys.argv[1] if len(sys.argv) > 1 else "/silent"
    setup = Path(os.environ["LUMETRA_SETUP_EXE"])
    with WineBox() as box:
        downloads = f"{box.user_dir}\\Downloads"
        before = box.tree()
        print(f"Setup:    {setup.name} ({setup.stat().st_size // 1024} KiB)")
        print(f"Command:  {setup.name} {options}")
        print(f"Started in {downloads} of a fresh Wine prefix")
        code = box.run(setup, options, folder=downloads, timeout=300)
        box.stop()
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
    return 0


if __name__ == "__main__":
    sys.exit(main())
