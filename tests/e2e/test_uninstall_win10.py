"""lm_uninstall.exe on Windows 10: the full removal (see uninstall_checks.py); what belongs
to the user stays; a running viewer stops it; the question and its answers."""

import json

from scenario import ScenarioCase, main, tool
from uninstall_checks import (CAPTION, EVERY_OPTION, FOLDER, STRING_QUESTION, STRING_REMOVED,
                              STRING_VIEWER_RUNNING, UNINSTALL_KEY, UNINSTALLER, UninstallChecks,
                              registry_differences)

USER_CHOICE = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.{}\\UserChoice"
IDOK, IDYES, IDNO = 1, 6, 7


class UninstallOnWindows10(UninstallChecks, ScenarioCase):
    windows_version = "win10"
    windows8_or_later = True

    def answer(self, button):
        """Answers the uninstaller's next message box; returns its text and the button that
        Enter would press."""
        result = self.box.wine(str(tool("answer_message_box.exe")), CAPTION, "30", str(button))
        self.assertEqual(result.returncode, 0, "no message box appeared")
        return json.loads(result.stdout.decode("utf-8"))

    def test_files_and_defaults_of_others_stay(self):
        self.install(EVERY_OPTION)
        notes = FOLDER + "Meine Notizen.txt"
        self.box.unix(notes).write_text("meins")
        plugin = FOLDER + "Plugins\\Fremd.dll"
        self.box.unix(plugin).write_bytes(b"not from the payload")
        # After the installation the user gave .png and .gif to another program.
        self.box.wine("reg", "add", "HKLM\\Software\\Classes\\.png", "/ve", "/d", "Andere.png", "/f")
        self.box.wine("reg", "add", USER_CHOICE.format("gif"), "/v", "Progid", "/d", "Andere.gif", "/f")

        self.assertEqual(self.uninstall("/silent"), 0)
        inside = {p for p in self.box.tree() if p.lower().startswith(FOLDER.lower())}
        self.assertEqual(inside, {FOLDER, notes, FOLDER + "Plugins\\", plugin})
        registry = self.box.registry()
        self.assertEqual(registry.value("HKLM\\Software\\Classes\\.png").data, "Andere.png")
        self.assertEqual(registry.value(USER_CHOICE.format("gif"), "Progid").data, "Andere.gif")
        # What was still the viewer's is gone.
        self.assertFalse(registry.key_exists("HKLM\\Software\\Classes\\.jpg"))
        self.assertFalse(registry.key_exists(USER_CHOICE.format("jpg")))
        self.assertFalse(registry.key_exists(UNINSTALL_KEY))
        self.assertIsNone(self.log_bytes())

    def test_running_viewer_stops_the_removal_with_nothing_removed(self):
        self.install(EVERY_OPTION)
        registry_before = self.box.registry()
        viewer = self.box.start(tool("fake_viewer.exe"), ["60"])
        self.addCleanup(viewer.kill)
        self.assertEqual(self.box.wine(str(tool("wait_for_window.exe")), "Lumetra", "30").returncode, 0)
        files_before = self.box.tree()

        self.assertEqual(self.uninstall("/silent"), 2)
        self.assertLogIsExactly(STRING_VIEWER_RUNNING)
        self.assertEqual(self.box.tree() ^ files_before, {f"{self.downloads}\\Lumetra_Install.log"})
        registry_after = self.box.registry()
        for hive in ("HKLM", "HKCU"):
            self.assertEqual(registry_differences(registry_before.flat(hive), registry_after.flat(hive)), [], hive)

    def test_the_question_defaults_to_no_and_yes_removes(self):
        self.install(EVERY_OPTION)
        before = self.box.tree()
        uninstaller = self.box.start(UNINSTALLER)
        question = self.answer(IDNO)
        self.assertEqual(question, {"text": STRING_QUESTION, "focus": IDNO})
        self.assertEqual(uninstaller.wait(timeout=30), 1)
        self.assertEqual(self.box.tree(), before)

        uninstaller = self.box.start(UNINSTALLER)
        self.answer(IDYES)
        self.assertEqual(self.answer(IDOK)["text"], STRING_REMOVED)
        self.assertEqual(uninstaller.wait(timeout=30), 0)
        self.wait_for_helper()
        self.assertIsNone(self.box.find(FOLDER))


if __name__ == "__main__":
    main()
