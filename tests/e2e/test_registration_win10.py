"""The system registration of a silent installation on Windows 10: eight links in the
Start-menu group (no uninstall link), Open-with marks with associations."""

from registration_checks import RegistrationChecks
from scenario import ScenarioCase, main


class RegistrationOnWindows10(RegistrationChecks, ScenarioCase):
    windows_version = "win10"
    windows8_or_later = True


if __name__ == "__main__":
    main()
