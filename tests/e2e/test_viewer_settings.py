"""Silent installations and the viewer's settings file: where it lives, what it holds and
its UTF-16LE form. The scenarios look only at the settings, not at the unpacked files."""

from scenario import ScenarioCase, main

SETTINGS = "lu_main64.ini"
TEMPORARY = "lu_main64.ini_temp"
DEFAULT_FOLDER = "C:\\Program Files\\Lumetra"
MARK = b"\xff\xfe"
HEADER = "; UNICODE FILE - edit with care ;-)\r\n\r\n"


def utf16(text):
    return text.encode("utf-16-le")


def unicode_form(text):
    """The bytes of a settings file rewritten by the setup."""
    return MARK + utf16(HEADER + text)


def parse_ini(text):
    """[(section, key, value)] in file order."""
    entries = []
    section = None
    for line in text.split("\r\n"):
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        elif "=" in line and not line.startswith(";"):
            key, _, value = line.partition("=")
            entries.append((section, key, value))
    return entries


class ViewerSettings(ScenarioCase):
    def setUp(self):
        super().setUp()
        self.app_data = f"{self.box.user_dir}\\AppData\\Roaming\\Lumetra"

    def settings_file(self, folder):
        return self.box.unix(f"{folder}\\{SETTINGS}")

    def write_settings(self, folder, data):
        path = self.settings_file(folder)
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)

    def assertNoTemporaryFile(self, *folders):
        for folder in folders:
            self.assertFalse(self.box.unix(f"{folder}\\{TEMPORARY}").exists(), f"stray temporary file in {folder}")

    def unicode_entries(self, folder):
        """The entries of a settings file that must be in the setup's Unicode form."""
        data = self.settings_file(folder).read_bytes()
        self.assertTrue(data.startswith(MARK + utf16(HEADER)), data[:100])
        return parse_ini(data[2:].decode("utf-16-le"))

    def test_fresh_installation_keeps_the_settings_in_the_application_data_folder(self):
        self.assertEqual(self.run_setup("/silent"), 0)
        self.assertEqual(self.settings_file(DEFAULT_FOLDER).read_bytes(),
                         b"[Others]\r\nINI_Folder=%APPDATA%\\Lumetra\r\n")
        self.assertEqual(self.settings_file(self.app_data).read_bytes(), unicode_form(
            "[Language]\r\nDLL=DEUTSCH.DLL\r\nLang=Deutsch\r\n"
            "[Toolbar]\r\nSkin=Falcon_24.png\r\nSize=24\r\n"))  # the null driver's 1024x768 screen
        self.assertNoTemporaryFile(DEFAULT_FOLDER, self.app_data)
        self.assertIsNone(self.log_bytes())

    def test_reinstallation_elsewhere_keeps_the_settings_in_the_program_folder(self):
        folder = "C:\\Werkzeuge\\Lumetra"
        result = self.box.wine("reg", "add", "HKLM\\SOFTWARE\\Classes\\Lumetra\\shell\\open\\command", "/ve",
                               "/d", f'"{folder}\\lu_main64.exe" "%1"', "/f")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.write_settings(folder, b"[Others]\r\nINI_Folder=%APPDATA%\\Lumetra\r\nLastDir=C:\\Bilder\\M\xfcnchen\r\n")

        self.assertEqual(self.run_setup("/silent"), 0)
        self.assertEqual(self.unicode_entries(folder), [
            ("Others", "LastDir", "C:\\Bilder\\München"),
            ("Language", "DLL", "DEUTSCH.DLL"),
            ("Language", "Lang", "Deutsch"),
            ("Toolbar", "Skin", "Falcon_24.png"),
            ("Toolbar", "Size", "24"),
        ])
        self.assertFalse(self.box.unix(self.app_data).exists())
        self.assertFalse(self.settings_file(DEFAULT_FOLDER).exists())

    def test_toolbar_skin_already_chosen_is_kept(self):
        self.write_settings(self.app_data, b"[Toolbar]\r\nSkin=Heron_16.png\r\nSize=16\r\n")
        self.assertEqual(self.run_setup("/silent"), 0)
        self.assertEqual(sorted(self.unicode_entries(self.app_data)), [
            ("Language", "DLL", "DEUTSCH.DLL"),
            ("Language", "Lang", "Deutsch"),
            ("Toolbar", "Size", "16"),
            ("Toolbar", "Skin", "Heron_16.png"),
        ])

    def test_file_in_utf16_is_not_rewritten(self):
        self.write_settings(self.app_data, MARK + utf16("[Others]\r\nName=Jürgen Łukasz\r\n"))
        self.assertEqual(self.run_setup("/silent"), 0)
        data = self.settings_file(self.app_data).read_bytes()
        self.assertTrue(data.startswith(MARK + utf16("[Others]\r\n")), data[:60])
        self.assertNotIn(utf16(HEADER), data)
        self.assertEqual(sorted(parse_ini(data[2:].decode("utf-16-le"))), [
            ("Language", "DLL", "DEUTSCH.DLL"),
            ("Language", "Lang", "Deutsch"),
            ("Others", "Name", "Jürgen Łukasz"),
            ("Toolbar", "Size", "24"),
            ("Toolbar", "Skin", "Falcon_24.png"),
        ])
        self.assertNoTemporaryFile(self.app_data)

    def test_portable_folder_gets_the_defaults_in_the_program_folder(self):
        stick = "C:\\Stick\\Lumetra64_App"
        self.assertEqual(self.run_setup(f"/silent /ini={stick}"), 0)
        self.assertEqual(self.settings_file(DEFAULT_FOLDER).read_bytes(),
                         b"[Others]\r\nINI_Folder=C:\\Stick\\Lumetra64_App\r\n"
                         b"[Language]\r\nDefaultLang=DEUTSCH.DLL\r\nLang=Deutsch\r\n"
                         b"[Toolbar]\r\nSkin=Falcon_24.png\r\nSize=24\r\n")
        self.assertEqual(self.settings_file(stick).read_bytes(), unicode_form(
            "[Language]\r\nDLL=DEUTSCH.DLL\r\nLang=Deutsch\r\n"
            "[Toolbar]\r\nSkin=Falcon_24.png\r\nSize=24\r\n"))
        self.assertFalse(self.box.unix(self.app_data).exists())

    def test_settings_folder_of_an_unset_variable_stays_in_the_program_folder(self):
        self.assertEqual(self.run_setup("/silent /ini=%LUMETRA_NOT_SET%"), 0)
        self.assertEqual(self.settings_file(DEFAULT_FOLDER).read_bytes(), unicode_form(
            "[Language]\r\nDLL=DEUTSCH.DLL\r\nLang=Deutsch\r\n"
            "[Toolbar]\r\nSkin=Falcon_24.png\r\nSize=24\r\n"))
        self.assertIsNone(self.box.find(f"C:\\windows\\{SETTINGS}"))


if __name__ == "__main__":
    main()
