"""Scenarios of the system registration, shared by the Windows 7 and Windows 10 runs: the
links of a silent installation read back through the shell's link object, the browse
verbs, the uninstall entry and the Open-with marks. The payload plays no part: links may
point to files that are not there."""

import json

from scenario import tool

FOLDER = "C:\\Program Files\\Lumetra\\"  # the default folder of a fresh prefix
EXE = FOLDER + "lu_main64.exe"
UNINSTALL_KEY = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumetra64"
BROWSE_CAPTION = "Durchsuchen mit &Lumetra"
BROWSE_COMMAND = f'"{EXE}" "%1" /thumbs'
OPEN_COMMAND = f'"{EXE}" "%1"'
STORE_APP_CLASSES = [
    "AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg",
    "AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
    "AppX43hnxtbyyps62jhe9sqpdzxn1790zetc",
    "AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
    "AppX6eg8h5sxqq90pv53845wmnbewywdqq5h",
]


def link(target, arguments="", icon_path="", icon_index=0, description=""):
    return {"target": target, "arguments": arguments, "description": description, "icon_path": icon_path,
            "icon_index": icon_index, "working_folder": "", "hotkey": 0, "show_command": 1}


def group_links(with_uninstall_link):
    links = {
        "Lumetra 64 4.59.lnk": link(EXE),
        "Lumetra - Thumbnails.lnk": link(EXE, "/thumbs", EXE, 7),
        "Über Lumetra.lnk": link(FOLDER + "l_about.txt"),
        "Was ist neu.lnk": link(FOLDER + "l_changes.txt"),
        "Kommandozeilen-Optionen.lnk": link(FOLDER + "l_options.txt"),
        "Verfügbare PlugIns.lnk": link(FOLDER + "l_plugins.txt"),
        "Verfügbare Sprachen.lnk": link(FOLDER + "l_languages.txt"),
        "Lumetra Hilfe.lnk": link(FOLDER + "help\\lu_main32_deutsch.chm"),
    }
    if with_uninstall_link:
        links["Lumetra deinstallieren.lnk"] = link(FOLDER + "lm_uninstall.exe")
    return links


DESKTOP_LINKS = {
    "Lumetra 64.lnk": link(EXE, description="Lumetra 64 - Bildbetrachter"),
    "Lumetra 64 Thumbnails.lnk": link(EXE, "/thumbs", EXE, 7, "Lumetra - Thumbnails"),
}


class RegistrationChecks:
    """Mixed into a ScenarioCase whose windows_version is set; windows8_or_later says
    what that version is."""

    windows8_or_later = False

    def setUp(self):
        super().setUp()
        user = self.box.user_dir
        self.folders = {
            "user desktop": f"{user}\\Desktop",
            "user group": f"{user}\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Lumetra",
            "common desktop": "C:\\users\\Public\\Desktop",
            "common group": "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Lumetra",
        }

    # -- helpers ----------------------------------------------------------------------

    def install(self, options):
        self.assertEqual(self.run_setup(f"/silent {options}"), 0)

    def links(self):
        """{place: {link file name: properties or None}} of the four link folders."""
        result = self.box.wine(str(tool("read_links.exe")), *self.folders.values())
        self.assertEqual(result.returncode, 0, result.stderr)
        found = json.loads(result.stdout.decode("ascii"))
        by_place = {place: {} for place in self.folders}
        for path, properties in found.items():
            folder, _, name = path.rpartition("\\")
            place = next(p for p, f in self.folders.items() if f.lower() == folder.lower())
            by_place[place][name] = properties
        return by_place

    def make_old_group_links(self, place):
        group = self.box.unix(self.folders[place])
        group.mkdir(parents=True, exist_ok=True)
        for version in ("4.58", "4.57", "4.56"):
            (group / f"Lumetra 64 {version}.lnk").write_bytes(b"link of an older version")

    def assertLinks(self, links, **expected):
        for place in self.folders:
            self.assertEqual(links[place], expected.get(place, {}), place)

    def assertBrowseVerbs(self, registry, present):
        for browsable in ("Directory", "Drive"):
            verb = f"HKLM\\Software\\Classes\\{browsable}\\shell\\{BROWSE_CAPTION}"
            if not present:
                self.assertFalse(registry.key_exists(verb), verb)
                continue
            self.assertEqual(registry.value(verb).data, BROWSE_CAPTION)
            self.assertEqual(registry.value(verb + "\\command").data, BROWSE_COMMAND)

    def assertUninstallEntry(self, registry):
        values = {name: (value.type, value.data) for name, value in registry.values(UNINSTALL_KEY).items()}
        sz, dword = 1, 4
        self.assertEqual(values, {
            None: (sz, ""),
            "DisplayName": (sz, "Lumetra 4.59 (64-bit)"),
            "UninstallString": (sz, f'"{FOLDER}lm_uninstall.exe"'),
            "Publisher": (sz, "Kerbridge"),
            "InstallLocation": (sz, FOLDER),
            "DisplayVersion": (sz, "4.59"),
            "DisplayIcon": (sz, EXE + ",0"),
            "VersionMajor": (dword, 4),
            "VersionMinor": (dword, 59),
            "EstimatedSize": (dword, 7168),
        })
        self.assertTrue(values["InstallLocation"][1].endswith("\\"))

    # -- scenarios ----------------------------------------------------------------------

    def test_links_for_the_current_user(self):
        self.make_old_group_links("user group")
        self.install("/group=1 /desktop=1 /thumbs=1")
        links = self.links()
        old = links["user group"].pop("Lumetra 64 4.56.lnk", "missing")
        self.assertIsNone(old, "the 4.56 link stays as it was (not a readable link)")
        self.assertLinks(links, **{"user group": group_links(not self.windows8_or_later),
                                   "user desktop": DESKTOP_LINKS})

        registry = self.box.registry()
        self.assertBrowseVerbs(registry, present=True)
        self.assertUninstallEntry(registry)
        self.assertEqual(registry.value("HKCR\\Applications\\lu_main64.exe", "FriendlyAppName").data, "Lumetra 64-bit")
        self.assertEqual(registry.value("HKLM\\Software\\Classes\\Lumetra\\shell\\open\\command").data, OPEN_COMMAND)
        # Not created where Windows keeps no such list.
        self.assertFalse(registry.key_exists("HKLM\\Software\\RegisteredApplications"))

    def test_links_for_all_users(self):
        self.make_old_group_links("common group")
        self.box.wine("reg", "add", "HKLM\\Software\\RegisteredApplications", "/f")
        self.install("/group=1 /desktop=1 /thumbs=1 /allusers=1")
        links = self.links()
        self.assertIsNone(links["common group"].pop("Lumetra 64 4.56.lnk", "missing"))
        self.assertLinks(links, **{"common group": group_links(not self.windows8_or_later),
                                   "common desktop": DESKTOP_LINKS})

        registry = self.box.registry()
        self.assertBrowseVerbs(registry, present=True)
        self.assertUninstallEntry(registry)
        self.assertEqual(registry.value("HKLM\\Software\\RegisteredApplications", "Lumetra").data,
                         "SOFTWARE\\Lumetra\\Capabilities")

    def test_no_browse_verbs_and_no_marks_without_their_options(self):
        self.install("/group=1 /desktop=1")
        links = self.links()
        self.assertEqual(set(links["user desktop"]), {"Lumetra 64.lnk"})
        registry = self.box.registry()
        self.assertBrowseVerbs(registry, present=False)
        self.assertUninstallEntry(registry)
        for app_class in STORE_APP_CLASSES:
            self.assertFalse(registry.key_exists(f"HKCU\\Software\\Classes\\{app_class}"), app_class)
        # Without associations only jpg, png and tif point to the viewer.
        self.assertEqual(registry.value("HKLM\\Software\\Classes\\.jpg").data, "Lumetra.jpg")
        self.assertIsNone(registry.value("HKLM\\Software\\Classes\\.jpeg"))

    def test_open_with_marks_follow_the_windows_version(self):
        self.install("/assoc=1")
        registry = self.box.registry()
        for app_class in STORE_APP_CLASSES:
            mark = registry.value(f"HKCU\\Software\\Classes\\{app_class}", "NoOpenWith")
            if self.windows8_or_later:
                self.assertEqual((mark.type, mark.data), (1, ""), app_class)
            else:
                self.assertIsNone(mark, app_class)
        self.assertEqual(registry.value("HKLM\\Software\\Classes\\.jpeg").data, "Lumetra.jpg")
        user_choice = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.jpeg\\UserChoice"
        self.assertEqual(registry.value(user_choice, "Progid").data, "Lumetra.jpg")
        self.assertIsNone(registry.value("HKLM\\Software\\Classes\\.mp3"))  # not an image row
