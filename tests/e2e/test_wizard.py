"""The wizard operated from outside: page order, title and buttons, the question before
leaving, the release notes and what the last page does."""

import shutil
import stat

from scenario import ScenarioCase, main, tool
from winebox import SOURCE_DIR
from wizard import (ASSOCIATIONS, BACK, CANCEL, CAPTION, CONFIRM_QUIT, FINISH, NEXT, PAGE_ORDER, READY,
                    WELCOME, WHATS_NEW, start_wizard)

TARGET_FOLDER = 1000
RELEASE_NOTES = 1000
SHOW_FAQ, START_VIEWER = 1022, 1020
FAQ_ADDRESS = "https://www.lumetra.example/de/faq.html"


def expected_release_notes():
    """The notes as the page shows them: UTF-16 with its byte-order mark, CR LF line
    ends, everything after the last letter or digit removed."""
    text = "\ufeff" + (SOURCE_DIR / "res" / "text" / "release_notes.txt").read_text(encoding="utf-8")
    text = text.replace("\r\n", "\n").replace("\n", "\r\n")
    while text and not text[-1].isalnum():
        text = text[:-1]
    return text


class WizardCase(ScenarioCase):
    def walk_to(self, wizard, template_id):
        for page in PAGE_ORDER[PAGE_ORDER.index(wizard.page()) + 1:PAGE_ORDER.index(template_id) + 1]:
            wizard.next_to(page)


class PageOrder(WizardCase):
    def test_next_and_back_step_through_the_pages_in_order(self):
        wizard = start_wizard(self)
        self.assertEqual(wizard.page(), WELCOME)
        self.assertEqual(wizard.title(), CAPTION)
        self.assertEqual(wizard.text(CANCEL), "&Beenden")
        self.assertEqual((wizard.text(BACK), wizard.text(NEXT)), ("< &Zurück", "&Weiter >"))
        self.assertFalse(wizard.enabled(BACK))

        for page in [WHATS_NEW, ASSOCIATIONS, READY]:
            wizard.next_to(page)
            self.assertEqual(wizard.title(), CAPTION, f"title on page {page}")
            self.assertTrue(wizard.enabled(BACK))
        for page in [ASSOCIATIONS, WHATS_NEW, WELCOME]:
            wizard.back_to(page)
            self.assertEqual(wizard.title(), CAPTION, f"title on page {page}")
        self.assertFalse(wizard.enabled(BACK), "Back on the Welcome page")
        self.assertEqual(wizard.text(CANCEL), "&Beenden")

        # Next on the Ready page goes on to the last page (installing is not wired in).
        self.walk_to(wizard, FINISH)
        self.assertEqual(wizard.title(), CAPTION)
        self.assertEqual(wizard.text(CANCEL), "&Fertig stellen")
        self.assertFalse(wizard.press("back"))
        self.assertFalse(wizard.press("next"))

    def test_an_empty_folder_keeps_the_welcome_page(self):
        wizard = start_wizard(self)
        self.assertRegex(wizard.text(TARGET_FOLDER), r"^C:\\")
        for folder in ["", "\\\\server\\share\\Lumetra", "Lumetra"]:
            with self.subTest(folder=folder):
                wizard.set_text(TARGET_FOLDER, folder)
                self.assertTrue(wizard.press("next"))
                box = wizard.message_box()
                self.assertEqual((box.caption, box.text), (CAPTION, "Ungültiges Zielverzeichnis!"))
                wizard.answer("ok")
                self.assertEqual(wizard.page(), WELCOME)
        wizard.set_text(TARGET_FOLDER, "D:\\Tools\\Lumetra")
        wizard.next_to(WHATS_NEW)

    def test_release_notes_are_shown_once_without_the_final_line_end(self):
        wizard = start_wizard(self)
        expected = expected_release_notes()
        wizard.next_to(WHATS_NEW)
        self.assertEqual(wizard.text(RELEASE_NOTES), expected)
        wizard.back_to(WELCOME)
        wizard.next_to(WHATS_NEW)
        shown = wizard.text(RELEASE_NOTES)
        self.assertEqual(shown, expected)
        self.assertEqual(shown.count("Was ist neu?"), 1)
        self.assertTrue(shown.endswith("Viel Spaß mit Lumetra"), repr(shown[-40:]))


# The three ways a person asks to leave: they must all ask first.
LEAVE_ACTIONS = {
    "cancel button": lambda wizard: wizard.press("cancel"),
    "escape key": lambda wizard: wizard.escape(),
    "close box": lambda wizard: wizard.close_box(),
}


class LeavingTheWizard(WizardCase):
    def ask_to_leave(self, wizard, how):
        LEAVE_ACTIONS[how](wizard)
        box = wizard.message_box()
        self.assertIsNotNone(box, f"no question after the {how}")
        self.assertEqual((box.caption, box.text), (CAPTION, CONFIRM_QUIT))
        self.assertEqual(box.buttons, ["yes", "no"])
        self.assertEqual(box.default, "no")

    def test_no_keeps_the_page_and_its_entries(self):
        wizard = start_wizard(self)
        wizard.set_text(TARGET_FOLDER, "C:\\Mein Lumetra")
        wizard.next_to(WHATS_NEW)
        for how in LEAVE_ACTIONS:
            with self.subTest(how=how):
                self.ask_to_leave(wizard, how)
                wizard.answer("no")
                self.assertIsNone(wizard.message_box(seconds=1), "a second question")
                self.assertEqual(wizard.page(), WHATS_NEW)
                self.assertTrue(wizard.running())
        wizard.back_to(WELCOME)
        self.assertEqual(wizard.text(TARGET_FOLDER), "C:\\Mein Lumetra")

    def test_yes_ends_the_program_without_installing(self):
        for how, page in [("cancel button", WELCOME), ("escape key", READY), ("close box", ASSOCIATIONS)]:
            with self.subTest(how=how):
                before = self.box.tree()
                wizard = start_wizard(self)
                self.walk_to(wizard, page)
                self.ask_to_leave(wizard, how)
                wizard.answer("yes")
                # A second question (the close box's IDCANCEL seen again) would keep it open.
                self.assertEqual(wizard.wait_exit(), 1)
                self.assertEqual(self.box.tree() - before, set())


class LastPage(WizardCase):
    def setUp(self):
        super().setUp()
        # A stand-in viewer in a folder of its own, and a browser that only notes what
        # it was asked to open.
        viewer = self.box.unix("C:\\Viewer Test\\lu_main64.exe")
        viewer.parent.mkdir()
        shutil.copy(tool("fake_viewer.exe"), viewer)
        self.browser_log = self.box.root / "browser.log"
        browser = self.box.root / "browser.sh"
        browser.write_text(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{self.browser_log}"\n')
        browser.chmod(browser.stat().st_mode | stat.S_IXUSR)
        self.box.wine("reg", "add", "HKCU\\Software\\Wine\\WineBrowser", "/v", "Browsers", "/d", str(browser), "/f")

    def wizard_on_last_page(self, folder):
        wizard = start_wizard(self)
        wizard.set_text(TARGET_FOLDER, folder)
        self.walk_to(wizard, FINISH)
        self.assertEqual((wizard.checked(SHOW_FAQ), wizard.checked(START_VIEWER)), (1, 1))
        return wizard

    def browser_calls(self):
        return self.browser_log.read_text().splitlines() if self.browser_log.exists() else []

    def test_finishing_opens_the_faq_page_and_starts_the_viewer(self):
        wizard = self.wizard_on_last_page("C:\\Viewer Test")
        self.assertTrue(wizard.press("cancel"))
        self.assertIsNone(wizard.message_box(seconds=1), "finishing asks nothing")
        wizard.wait_exit()
        self.assertTrue(self.box.wait_for(lambda: self.browser_calls() == [FAQ_ADDRESS], timeout=10),
                        self.browser_calls())
        self.assertTrue(wizard.window_exists("Lumetra"), "the viewer's window")

    def test_cleared_boxes_start_and_open_nothing(self):
        wizard = self.wizard_on_last_page("C:\\Viewer Test\\")
        wizard.click(SHOW_FAQ)
        wizard.click(START_VIEWER)
        wizard.escape()
        wizard.wait_exit()
        self.assertFalse(wizard.window_exists("Lumetra"))
        self.assertEqual(self.browser_calls(), [])

    def test_close_box_on_the_last_page_leaves_at_once_and_does_nothing(self):
        wizard = self.wizard_on_last_page("C:\\Viewer Test")
        wizard.close_box()
        wizard.wait_exit()
        self.assertFalse(wizard.window_exists("Lumetra"))
        self.assertEqual(self.browser_calls(), [])


if __name__ == "__main__":
    main()
