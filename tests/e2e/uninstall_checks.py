"""Scenarios of lm_uninstall.exe shared by the Windows 7 and Windows 10 runs: a silent
installation with every option, followed by a silent removal, leaves the registry and the
prefix's files as they were before, apart from the differences listed here with their
reasons."""

import json
import re

from scenario import tool

FOLDER = "C:\\Program Files\\Lumetra\\"  # the default folder of a fresh prefix
UNINSTALLER = FOLDER + "lm_uninstall.exe"
UNINSTALL_KEY = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumetra64"
EVERY_OPTION = "/silent /group=1 /desktop=1 /thumbs=1 /assoc=2"

# Keys whose content may differ after any run: Wine's graphics driver registers the
# display adapter and monitor device classes again whenever a program with windows starts
# (it rewrites DriverDateData and drops the classes' names); nothing of ours is there.
WINE_REWRITTEN_KEYS = (
    "system\\currentcontrolset\\control\\class\\{4d36e968-e325-11ce-bfc1-08002be10318}",
    "system\\currentcontrolset\\control\\class\\{4d36e96e-e325-11ce-bfc1-08002be10318}",
)

# The temporary copy that does the work; it is gone when its work is done.
HELPER_COPY = re.compile(r"\\lmu[0-9A-F]{1,4}\.tmp$", re.IGNORECASE)

STRING_VIEWER_RUNNING = ("Warnung: Lumetra läuft!\nBeenden Sie bitte Lumetra und starten Sie die Deinstallation "
                         "danach erneut.")
STRING_NOT_INSTALLED = "Lumetra ist in diesem Verzeichnis nicht installiert, es wurde nichts entfernt: "
STRING_QUESTION = ("Soll Lumetra 4.59 von Ihrem Computer entfernt werden?\n\nIhre Einstellungen und Dateien, die "
                   "Sie selbst im Programmverzeichnis abgelegt haben, bleiben erhalten.")
STRING_REMOVED = "Lumetra 4.59 wurde von Ihrem Computer entfernt."
CAPTION = "Lumetra 64-bit Setup"


def registry_differences(before, after):
    """Lines for every key or value added, removed or changed between two flat hives,
    leaving out the keys Wine rewrites by itself."""
    lines = []
    for key in sorted(set(before) | set(after), key=repr):
        if any(key[0] == k or key[0].startswith(k + "\\") for k in WINE_REWRITTEN_KEYS):
            continue
        if key not in after:
            lines.append(f"removed {key}")
        elif key not in before:
            lines.append(f"added {key} = {after[key]!r}")
        elif repr(before[key]) != repr(after[key]):
            lines.append(f"changed {key}: {before[key]!r} -> {after[key]!r}")
    return lines


class UninstallChecks:
    """Mixed into a ScenarioCase whose windows_version is set; windows8_or_later says
    what that version is."""

    windows8_or_later = False

    # -- helpers ----------------------------------------------------------------------

    def snapshot(self):
        registry = self.box.registry()
        return registry.flat("HKLM"), registry.flat("HKCU"), self.box.tree()

    def install(self, options):
        self.assertEqual(self.run_setup(options), 0)
        self.assertIsNotNone(self.box.find(FOLDER + "lu_main64.exe"))

    def wait_for_helper(self):
        """The started uninstaller ends as soon as the helper has its result; the helper
        then removes the uninstaller's file and the folder, and its own copy goes when
        it ends."""
        done = self.box.wait_for(lambda: not any(HELPER_COPY.search(p) for p in self.box.tree()), timeout=60)
        self.assertTrue(done, "the uninstaller's temporary copy is still there")

    def uninstall(self, tail="/silent", command_line=None):
        line = command_line or f'"{UNINSTALLER}" {tail}'
        code = self.box.run_command_line(line, folder=self.downloads)
        self.wait_for_helper()
        return code

    def settings_in_application_data(self):
        """The viewer's settings in the user's application-data folder: the user's, kept."""
        folder = f"{self.box.user_dir}\\AppData\\Roaming\\Lumetra\\"
        return {folder, folder + "lu_main64.ini"}

    def assertSameAsBefore(self, before, after, kept_files=()):
        (machine0, user0, files0), (machine1, user1, files1) = before, after
        self.assertEqual(registry_differences(machine0, machine1), [], "HKEY_LOCAL_MACHINE")
        self.assertEqual(registry_differences(user0, user1), [], "HKEY_CURRENT_USER")
        self.assertEqual(sorted(files0 - files1), [], "files and folders that were there before")
        self.assertEqual(sorted(files1 - files0), sorted(kept_files), "files and folders left behind")

    def group_links(self, group):
        result = self.box.wine(str(tool("read_links.exe")), group)
        self.assertEqual(result.returncode, 0, result.stderr)
        return {path.rpartition("\\")[2]: link for path, link in json.loads(result.stdout.decode("ascii")).items()}

    # -- scenarios ----------------------------------------------------------------------

    def test_silent_removal_for_the_current_user_leaves_the_prefix_as_it_was(self):
        before = self.snapshot()
        self.install(EVERY_OPTION + " /allusers=0")
        group = f"{self.box.user_dir}\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Lumetra"
        links = self.group_links(group)
        if self.windows8_or_later:
            self.assertNotIn("Lumetra deinstallieren.lnk", links)
        else:
            # The group's uninstall link leads to the installed uninstaller.
            self.assertEqual(links["Lumetra deinstallieren.lnk"]["target"], UNINSTALLER)
            self.assertTrue(self.box.find(UNINSTALLER).is_file())

        self.assertEqual(self.uninstall("/silent"), 0)
        self.assertSameAsBefore(before, self.snapshot(), self.settings_in_application_data())

    def test_silent_removal_for_all_users_through_the_uninstall_entry(self):
        # Windows keeps a list of registered applications; the viewer joins it.
        self.box.wine("reg", "add", "HKLM\\Software\\RegisteredApplications", "/f")
        before = self.snapshot()
        self.install(EVERY_OPTION + " /allusers=1")
        registry = self.box.registry()
        self.assertEqual(registry.value("HKLM\\Software\\RegisteredApplications", "Lumetra").data,
                         "SOFTWARE\\Lumetra\\Capabilities")
        uninstall_string = registry.value(UNINSTALL_KEY, "UninstallString").data
        self.assertEqual(uninstall_string, f'"{UNINSTALLER}"')

        # The entry's command line, as Programs and Features runs it, with "/silent".
        self.assertEqual(self.uninstall(command_line=uninstall_string + " /silent"), 0)
        self.assertSameAsBefore(before, self.snapshot(), self.settings_in_application_data())
