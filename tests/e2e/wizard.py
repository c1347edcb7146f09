"""The setup's wizard, started in a scenario's prefix and operated from outside through
tests/tools/wizard_driver.exe, as a person would: buttons, texts, check boxes, message
boxes."""

import subprocess
import tempfile
from dataclasses import dataclass

from scenario import setup_exe, tool

WELCOME, WHATS_NEW, ASSOCIATIONS, READY, FINISH = 101, 108, 104, 109, 110
PAGE_ORDER = [WELCOME, WHATS_NEW, ASSOCIATIONS, READY, FINISH]

BACK, NEXT, CANCEL = 0x3023, 0x3024, 2
CAPTION = "Lumetra 64-bit Setup"
CONFIRM_QUIT = "Installation beenden?"


class DriverError(AssertionError):
    pass


@dataclass
class MessageBox:
    caption: str
    buttons: list
    default: str
    text: str


class Wizard:
    """One running wizard. start() it, operate it, then wait_exit() for its exit code."""

    def __init__(self, box, command_tail="", folder=None):
        self.box = box
        self.command_tail = command_tail
        self.folder = folder
        self.process = None

    def start(self):
        self.process = self.box.start_command_line(setup_exe(), self.command_tail, self.folder)
        self.driver_ok("wait-sheet", "60")
        return self

    def wait_exit(self, timeout=30):
        """The setup's exit code once it has ended."""
        return self.process.wait(timeout=timeout)

    def running(self):
        return self.process.poll() is None

    def reap(self):
        """Collects the launcher once the prefix has been stopped. A launcher that was
        still starting when the prefix stopped brings up a Wine server of its own: that
        one is ended too, so that nothing of the test keeps running."""
        if not self.process:
            return
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            subprocess.run(["wineserver", "-k"], env=self.box.env, stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


    # -- the driver ------------------------------------------------------------------

    def driver(self, *args, timeout=90):
        """(exit code, output) of one driver action."""
        # The output goes through a file, not a pipe: when the driver is the prefix's
        # first program to need the desktop, Wine starts the desktop process from it,
        # and that process would hold a pipe open for good.
        with tempfile.TemporaryFile() as output:
            result = subprocess.run(["wine", str(tool("wizard_driver.exe")), *[str(a) for a in args]],
                                    env=self.box.env, stdin=subprocess.DEVNULL, stdout=output,
                                    stderr=subprocess.DEVNULL, timeout=timeout, check=False)
            output.seek(0)
            return result.returncode, output.read().decode("utf-8")

    def driver_ok(self, *args):
        code, output = self.driver(*args)
        if code != 0:
            raise DriverError(f"wizard_driver {' '.join(map(str, args))} failed with {code}: {output!r}")
        return output[:-1] if output.endswith("\n") else output

    # -- what a person sees and does -------------------------------------------------

    def page(self):
        return int(self.driver_ok("page"))

    def wait_page(self, template_id, seconds=15):
        code, output = self.driver("wait-page", template_id, seconds)
        if code != 0:
            raise DriverError(f"page {template_id} not reached; the wizard shows {output.strip()}")

    def title(self):
        return self.driver_ok("title")

    def press(self, button):
        """Presses back, next or cancel; False when the button is disabled or hidden."""
        code, _ = self.driver("press", button)
        if code not in (0, 4):
            raise DriverError(f"press {button} failed with {code}")
        return code == 0

    def next_to(self, template_id):
        assert self.press("next"), "Next is not usable"
        self.wait_page(template_id)

    def back_to(self, template_id):
        assert self.press("back"), "Back is not usable"
        self.wait_page(template_id)

    def text(self, control_id):
        return self.driver_ok("text", control_id)

    def set_text(self, control_id, text):
        self.driver_ok("set-text", control_id, text)

    def checked(self, control_id):
        return int(self.driver_ok("checked", control_id))

    def click(self, control_id):
        self.driver_ok("click", control_id)

    def enabled(self, control_id):
        return self.driver_ok("enabled", control_id) == "1"

    def visible(self, control_id):
        return self.driver_ok("visible", control_id) == "1"

    def list_rows(self, control_id):
        """[(state image, column texts...)] of a list view."""
        output = self.driver_ok("list-rows", control_id)
        rows = []
        for line in output.splitlines():
            state, *texts = line.split("\t")
            rows.append((int(state), *texts))
        return rows

    def set_row_check(self, control_id, row, checked):
        self.driver_ok("set-row-check", control_id, row, 1 if checked else 0)

    def message_box(self, seconds=10):
        """The message box the setup shows, or None when none appears in time."""
        code, output = self.driver("messagebox", seconds)
        if code == 3:
            return None
        if code != 0:
            raise DriverError(f"messagebox failed with {code}")
        head, _, text = output.partition("text=")
        fields = dict(line.split("=", 1) for line in head.splitlines() if "=" in line)
        return MessageBox(fields.get("caption", ""), fields.get("buttons", "").split(","),
                          fields.get("default", ""), text[:-1] if text.endswith("\n") else text)

    def answer(self, button):
        self.driver_ok("answer", button)

    def close_box(self):
        self.driver_ok("close-box")

    def escape(self):
        self.driver_ok("escape")

    def window_exists(self, class_name):
        return self.driver_ok("window-exists", class_name) == "1"


def start_wizard(case, command_tail=""):
    """Starts the setup without /silent from the case's Downloads folder; when the test
    ends, the prefix is stopped (ending a wizard still open) and the process collected."""
    wizard = Wizard(case.box, command_tail, folder=case.downloads)
    case.addCleanup(wizard.reap)
    case.addCleanup(case.box.stop)
    return wizard.start()
