"""The footprint of a silent installation with every option: the registry values and the
files it adds or changes are exactly the ones it is meant to write, nothing missing and
nothing extra. The expected lists are built here from the installer's rules, written out
independently of the program's own tables, so that a slip in either shows."""

import zipfile

from scenario import ScenarioCase, main
from winebox import required_env

FOLDER = "C:\\Program Files\\Lumetra\\"
EXE = FOLDER + "lu_main64.exe"
OPEN_COMMAND = f'"{EXE}" "%1"'
BROWSE_CAPTION = "Durchsuchen mit &Lumetra"
OPTIONS = f'/silent /folder="{FOLDER[:-1]}" /group=1 /desktop=1 /thumbs=1 /allusers=1 /assoc=2'

SZ, DWORD = 1, 4

# Every extension of the file-type table: extension, ProgID suffix, icon ("file" for the
# file itself, else the icon index in the viewer).
EXTENSIONS = """
ani ani file | b3d b3d 0 | bmp bmp 0 | dib bmp 0 | clp clp 0 | crw crw 0 | cr2 cr2 0 | cr3 cr3 0
cur cur file | dcm dcm 0 | acr dcm 0 | ima dcm 0 | dcx dcx 0 | dds dds 0 | djvu djvu 0 | iw44 djvu 0
dxf dxf 0 | ecw ecw 0 | emf emf 0 | eps eps 0 | ps eps 0 | exr exr 0 | g3 g3 0 | gif gif 0
hdp hdp 0 | jxr hdp 0 | wdp hdp 0 | heic heic 0 | ico ico file | iff iff 0 | lbm iff 0 | jls jls 0
jp2 jp2 0 | jpc jp2 0 | j2k jp2 0 | jpg jpg 0 | jpeg jpg 0 | jfif jpg 0 | jpe jpg 0 | jpm jpm 0
jxl jxl 0 | mng mng 0 | jng jng 0 | pbm pbm 0 | pcd pcd 0 | pcx pcx 0 | pgm pgm 0 | png png 0
ppm ppm 0 | psd psd 0 | psp psp 0 | ras ras 0 | sun ras 0 | raw raw 0 | rle rle 0 | sff sff 0
sgi sgi 0 | rgb sgi 0 | sid sid 0 | tga tga 0 | tif tif 0 | tiff tif 0 | wbmp wbmp 0 | webp webp 0
wmf wmf 0 | xbm xbm 0 | xpm xpm 0 | swf swf 0 | flv flv 0 | ttf ttf 0 | asf asf 9 | avi avi 9
mpg mpg 9 | mpe mpe 9 | mpeg mpg 9 | mov mov 9 | wmv wmv 9 | aif aif 8 | mid mid 8 | rmi rmi 8
mp3 mp3 8 | ogg ogg 8 | au au 8 | snd au 8 | wav wav 8 | wma wma 8
"""

STORE_APP_CLASSES = ["AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg", "AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
                     "AppX43hnxtbyyps62jhe9sqpdzxn1790zetc", "AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
                     "AppX6eg8h5sxqq90pv53845wmnbewywdqq5h"]

# What Wine changes by itself: its display driver registers the display adapter and the
# monitor class again every time a wineserver starts (a new driver date, the class keys
# rewritten without their default values).
WINE_DEVICE_CLASSES = "system\\currentcontrolset\\control\\class\\"


def extensions():
    items = [item.split() for line in EXTENSIONS.strip().splitlines() for item in line.split("|")]
    assert len(items) == 86
    return items


class Expected:
    """{hive: {(key lower-case, value name lower-case or None): (type, data)}}"""

    def __init__(self):
        self.values = {"HKLM": {}, "HKCU": {}}

    def add(self, hive, key, name, data, kind=SZ):
        self.values[hive][(key.lower(), name.lower() if name else None)] = (kind, data)


def expected_registry(windows8_or_later):
    e = Expected()
    # Shell verbs for folders and drives, with the thumbnails option.
    for browsable in ("Directory", "Drive"):
        verb = f"Software\\Classes\\{browsable}\\shell\\{BROWSE_CAPTION}"
        e.add("HKLM", verb, None, BROWSE_CAPTION)
        e.add("HKLM", verb + "\\command", None, f'"{EXE}" "%1" /thumbs')
    # The viewer's class (whose DefaultIcon is removed) and its Applications entry.
    e.add("HKLM", "Software\\Classes\\Lumetra", None, "Lumetra")
    e.add("HKLM", "Software\\Classes\\Lumetra\\shell\\open\\command", None, OPEN_COMMAND)
    e.add("HKLM", "Software\\Classes\\Applications\\lu_main64.exe\\shell\\open\\command", None, OPEN_COMMAND)
    e.add("HKLM", "Software\\Classes\\Applications\\lu_main64.exe", "FriendlyAppName", "Lumetra 64-bit")
    # The uninstall entry.
    uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumetra64"
    for name, data, kind in [(None, "", SZ), ("DisplayName", "Lumetra 4.59 (64-bit)", SZ),
                             ("UninstallString", f'"{FOLDER}lm_uninstall.exe"', SZ), ("Publisher", "Kerbridge", SZ),
                             ("InstallLocation", FOLDER, SZ), ("DisplayVersion", "4.59", SZ),
                             ("DisplayIcon", EXE + ",0", SZ), ("VersionMajor", 4, DWORD),
                             ("VersionMinor", 59, DWORD), ("EstimatedSize", 7168, DWORD)]:
        e.add("HKLM", uninstall, name, data, kind)
    # The application key, its capabilities and its registered-applications entry.
    e.add("HKLM", "Software\\Lumetra\\shell\\open\\command", None, f'"{EXE}"')
    e.add("HKLM", "Software\\Lumetra\\Capabilities", "ApplicationDescription",
          "Picture viewer, editor and converter - one of the most popular viewers worldwide")
    e.add("HKLM", "Software\\RegisteredApplications", "Lumetra", "SOFTWARE\\Lumetra\\Capabilities")
    # Every extension: its class, its capability value and, all rows being selected, the
    # extension's default and the user's choice.
    for extension, suffix, icon in extensions():
        progid = f"Lumetra.{suffix}"
        key = f"Software\\Classes\\{progid}"
        e.add("HKLM", key, None, f"Lumetra {suffix.upper()} File")
        e.add("HKLM", key + "\\shell\\open\\command", None, OPEN_COMMAND)
        e.add("HKLM", key + "\\DefaultIcon", None, "%1" if icon == "file" else f"{EXE},{icon}")
        e.add("HKLM", "Software\\Lumetra\\Capabilities\\FileAssociations", f".{extension}", progid)
        e.add("HKLM", f"Software\\Classes\\.{extension}", None, progid)
        e.add("HKCU", f"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.{extension}\\UserChoice",
              "Progid", progid)
    # Packaged apps kept out of the Open-with list, from Windows 8 on.
    if windows8_or_later:
        for app_class in STORE_APP_CLASSES:
            e.add("HKCU", f"Software\\Classes\\{app_class}", "NoOpenWith", "")
    return e.values


def expected_files(user, windows8_or_later):
    files = {FOLDER, FOLDER + "lu_main64.ini"}
    with zipfile.ZipFile(required_env("LUMETRA_PAYLOAD_ARCHIVE")) as archive:
        files |= {FOLDER + name.replace("/", "\\") for name in archive.namelist()}
    settings = f"C:\\users\\{user}\\AppData\\Roaming\\Lumetra\\"
    files |= {settings, settings + "lu_main64.ini"}
    group = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Lumetra\\"
    links = ["Lumetra 64 4.59.lnk", "Lumetra - Thumbnails.lnk", "Über Lumetra.lnk", "Was ist neu.lnk",
             "Kommandozeilen-Optionen.lnk", "Verfügbare PlugIns.lnk", "Verfügbare Sprachen.lnk", "Lumetra Hilfe.lnk"]
    if not windows8_or_later:
        links.append("Lumetra deinstallieren.lnk")
    files |= {group} | {group + name for name in links}
    files |= {"C:\\users\\Public\\Desktop\\Lumetra 64.lnk", "C:\\users\\Public\\Desktop\\Lumetra 64 Thumbnails.lnk"}
    return files


def as_comparable(flat):
    """The values of a Registry.flat() snapshot as {(key, name): (type, data)}."""
    return {(key, name): (value.type, value.data) for (key, name, kind), value in flat.items() if kind == "<value>"}


class FootprintChecks:
    windows8_or_later = False

    def test_footprint_of_an_installation_with_every_option(self):
        # On Windows the registered-applications list exists; a fresh Wine prefix lacks it.
        self.box.wine("reg", "add", "HKLM\\Software\\RegisteredApplications", "/f")
        before_registry = self.box.registry()
        before_files = self.box.tree()

        self.assertEqual(self.run_setup(OPTIONS), 0)

        after_registry = self.box.registry()
        self.assertEqual(self.box.tree() - before_files, expected_files(self.box.user, self.windows8_or_later))
        self.assertEqual(before_files - self.box.tree(), set(), "the installation removed files")

        expected = expected_registry(self.windows8_or_later)
        for hive in ("HKLM", "HKCU"):
            before = as_comparable(before_registry.flat(hive))
            after = as_comparable(after_registry.flat(hive))
            written = {k: v for k, v in after.items() if before.get(k) != v and not k[0].startswith(WINE_DEVICE_CLASSES)}
            removed = {k for k in before if k not in after and not k[0].startswith(WINE_DEVICE_CLASSES)}
            self.assertEqual(removed, set(), f"{hive}: values removed")
            missing = sorted(k for k in expected[hive] if k not in written)
            extra = sorted(k for k in written if k not in expected[hive])
            wrong = sorted(k for k in expected[hive] if k in written and written[k] != expected[hive][k])
            self.assertEqual(missing, [], f"{hive}: expected values not written")
            self.assertEqual(extra, [], f"{hive}: values written beyond the rules")
            self.assertEqual(wrong, [], f"{hive}: values with other data: " +
                             "; ".join(f"{k}: {written[k]} != {expected[hive][k]}" for k in wrong[:5]))
        # The viewer's class carries no icon of its own.
        self.assertFalse(after_registry.key_exists("HKLM\\Software\\Classes\\Lumetra\\DefaultIcon"))


class FootprintWindows10(FootprintChecks, ScenarioCase):
    windows_version = "win10"
    windows8_or_later = True


class FootprintWindows7(FootprintChecks, ScenarioCase):
    windows_version = "win7"


if __name__ == "__main__":
    main()
