"""Checks that the version written once in CMakeLists.txt reaches version.h, app.manifest and
the VERSIONINFO blocks, as cmake/version.cmake writes them.

Run: python3 -m unittest discover -s resources -p "test_*.py"
"""

import os
from pathlib import Path
import re
import shutil
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
WINDRES = shutil.which("x86_64-w64-mingw32-windres")


def project_version():
    text = Path(os.path.join(ROOT, "CMakeLists.txt")).read_text()
    return re.search(r"project\(Quorvex VERSION (\d+)\.(\d+)\.(\d+)", text).groups()


def macros(folder):
    text = Path(os.path.join(folder, "version.h")).read_text()
    return dict(re.findall(r"^#define[ \t]+(QVX_\w+)[ \t]+(.+?)[ \t]*$", text, re.M))


class VersionTest(unittest.TestCase):
    def setUp(self):
        self.out = tempfile.TemporaryDirectory()
        self.addCleanup(self.out.cleanup)
        self.generated = self.out.name
        version = project_version()
        subprocess.run(["cmake", "-DVERSION=" + ".".join(version), "-DOUT=" + self.generated,
                        "-P", os.path.join(ROOT, "cmake", "version.cmake")], check=True, capture_output=True)
        m = macros(self.generated)
        self.m = m
        self.major, self.minor, self.rev = (int(m["QVX_VERSION_" + k]) for k in ("MAJOR", "MINOR", "REVISION"))
        self.assertEqual((self.major, self.minor, self.rev), tuple(int(v) for v in version))

    def test_strings_follow_numbers(self):
        self.assertEqual(self.m["QVX_FILE_VERSION_STR"],
                         '"%d.%02d.%04d"' % (self.major, self.minor, self.rev))
        self.assertEqual(self.m["QVX_PRODUCT_VERSION_STR"],
                         '"%d.%d.%d"' % (self.major, self.minor, self.rev))

    def test_manifest(self):
        root = ET.parse(os.path.join(self.generated, "app.manifest")).getroot()
        ns = "{urn:schemas-microsoft-com:asm.v1}"
        ident = root.find(ns + "assemblyIdentity")
        self.assertEqual(ident.get("version"), "%d.%d.%d.0" % (self.major, self.minor, self.rev))
        deps = [e.get("name") + " " + e.get("version") for e in root.iter(ns + "assemblyIdentity")]
        self.assertIn("Microsoft.Windows.Common-Controls 6.0.0.0", deps)
        text = {e.tag.split("}")[1]: (e.text or "").strip() or e.get("level") for e in root.iter()}
        self.assertEqual(text["requestedExecutionLevel"], "asInvoker")
        self.assertTrue(text["dpiAwareness"].startswith("PerMonitorV2"))
        self.assertEqual(text["dpiAware"], "true/pm")

    @unittest.skipIf(WINDRES is None, "x86_64-w64-mingw32-windres not installed")
    def test_versioninfo_compiles_with_expected_values(self):
        for rc, exe, desc in (("version_quorv114.rc", "Quorv114.exe", "Quorvex"),
                              ("version_qvxmulti.rc", "QVXMulti.exe", "Quorvex Multi-Instance Creator")):
            out = subprocess.run([WINDRES, "-I", self.generated, "-I", HERE, os.path.join(HERE, rc), "-O", "rc"],
                                 capture_output=True, text=True, check=True).stdout
            nums = "%d, %d, %d, 0" % (self.major, self.minor, self.rev)
            self.assertIn("FILEVERSION " + nums, out)
            self.assertIn("PRODUCTVERSION " + nums, out)
            for key, value in (("OriginalFilename", exe), ("FileDescription", desc),
                               ("FileVersion", self.m["QVX_FILE_VERSION_STR"].strip('"')),
                               ("LegalCopyright", self.m["QVX_COPYRIGHT_STR"].strip('"'))):
                self.assertIn('VALUE "%s", "%s"' % (key, value), out, rc)
            self.assertIn('VALUE "Translation", 0x409, 1200', out)


if __name__ == "__main__":
    unittest.main()
