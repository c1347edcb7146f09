"""Silent start-up: the refusals, the running-viewer check and a valid target folder."""

import time

from scenario import (STRING_5, STRING_10, STRING_11, ScenarioCase, main, tool)
from wizard import start_wizard


class SilentStart(ScenarioCase):
    def test_empty_folder_is_refused(self):
        before = self.box.tree()
        self.assertEqual(self.run_setup("/silent /folder="), 3)
        self.assertLogIsExactly(STRING_5 + ": ")
        self.assertEqual(self.box.tree() - before, {f"{self.downloads}\\Lumetra_Install.log"})

    def test_folder_on_a_missing_drive_cannot_be_made(self):
        self.assertEqual(self.run_setup("/silent /folder=Q:\\Bilder\\Lumetra /group=1"), 4)
        self.assertLogIsExactly(STRING_11 + ": Q:\\Bilder\\Lumetra\\")

    def test_running_viewer_stops_the_installation(self):
        viewer = self.box.start(tool("fake_viewer.exe"), ["60"])
        self.addCleanup(viewer.kill)
        time.sleep(1.0)  # let the window appear
        target = "C:\\Lumetra-Test"
        before = self.box.tree()
        self.assertEqual(self.run_setup(f"/silent /folder={target}"), 2)
        self.assertLogIsExactly(STRING_10)
        self.assertEqual(self.box.tree() - before, {f"{self.downloads}\\Lumetra_Install.log"})

    def test_valid_folder_is_created_with_its_plugins_folder(self):
        self.assertEqual(self.run_setup('/silent /folder="C:\\Programme Neu\\Lumetra" /desktop=0'), 0)
        self.assertTrue(self.box.unix("C:\\Programme Neu\\Lumetra\\Plugins").is_dir())
        self.assertIsNone(self.log_bytes())

    def test_log_goes_to_the_folder_the_setup_was_started_in(self):
        start_folder = "C:\\Deploy"
        self.box.unix(start_folder).mkdir()
        self.assertEqual(self.run_setup("/silent /folder=", folder=start_folder), 3)
        self.assertLogIsExactly(STRING_5 + ": ", folder=start_folder)
        self.assertIsNone(self.log_bytes())

    def test_two_failed_runs_append_two_entries(self):
        self.assertEqual(self.run_setup("/silent /folder="), 3)
        self.assertEqual(self.run_setup("/silent /folder=Q:\\x"), 4)
        self.assertLogIsExactly(STRING_5 + ": ", STRING_11 + ": Q:\\x\\")

    def test_capitals_do_not_select_the_silent_path(self):
        before = self.box.tree()
        wizard = start_wizard(self, "/SILENT /folder=C:\\Caps")
        self.assertEqual(wizard.text(1000), "C:\\Program Files\\Lumetra", "the wizard ignores /folder=")
        wizard.press("cancel")
        self.assertEqual(wizard.message_box().text, "Installation beenden?")
        wizard.answer("yes")
        self.assertEqual(wizard.wait_exit(), 1)
        self.assertFalse(self.box.unix("C:\\Caps").exists())
        self.assertEqual(self.box.tree() - before, set())


if __name__ == "__main__":
    main()
