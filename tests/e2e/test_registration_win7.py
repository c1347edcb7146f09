"""The system registration of a silent installation on Windows 7: nine links in the
Start-menu group, no Open-with marks."""

from registration_checks import RegistrationChecks
from scenario import ScenarioCase, main


class RegistrationOnWindows7(RegistrationChecks, ScenarioCase):
    windows_version = "win7"
    windows8_or_later = False


if __name__ == "__main__":
    main()
