"""Checks the files make_images.py writes: names, formats, pixels, repeatability.

Run: python3 -m unittest discover -s resources -p "test_*.py"
"""

import os
from pathlib import Path
import re
import struct
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, "make_images.py")


def run_script(*args):
    return subprocess.run([sys.executable, SCRIPT, *args], capture_output=True, text=True)


def read_ico(data):
    """Decodes an .ico into [(width, height, bits, rows of (r, g, b, a))]."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1) and count > 0, "not an icon file"
    images = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, off = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        hsize, bw, bh, bplanes, bbits, comp, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, off)
        assert (hsize, bw, bh, bplanes, bbits, comp) == (40, w, 2 * h, 1, bits, 0), "bad header"
        assert planes == 1 and bits in (4, 32), "unexpected format"
        pal_len = 16 if bits == 4 else 0
        assert colours == pal_len and used == pal_len, "colour count"
        stride, mstride = ((w * bits + 31) // 32) * 4, ((w + 31) // 32) * 4
        assert size == 40 + 4 * pal_len + (stride + mstride) * h, "image size"
        assert off + size <= len(data), "image runs past the file end"
        pal = [struct.unpack_from("<BBBB", data, off + 40 + 4 * j) for j in range(pal_len)]
        pix, mask = off + 40 + 4 * pal_len, off + 40 + 4 * pal_len + stride * h
        rows = []
        for y in range(h):
            src = (h - 1 - y)  # bottom-up
            row = []
            for x in range(w):
                clear = (data[mask + mstride * src + (x >> 3)] >> (7 - (x & 7))) & 1
                if bits == 4:
                    byte = data[pix + stride * src + (x >> 1)]
                    b, g, r, _ = pal[(byte >> 4) if x % 2 == 0 else (byte & 15)]
                    row.append((r, g, b, 0 if clear else 255))
                else:
                    b, g, r, a = data[pix + stride * src + 4 * x:pix + stride * src + 4 * x + 4]
                    assert clear == (a == 0), "AND mask disagrees with alpha"
                    row.append((r, g, b, a))
            rows.append(row)
        images.append((w, h, bits, rows))
    return images


class MakeImagesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.out = os.path.join(cls.tmp.name, "images")
        result = run_script(cls.out)
        assert result.returncode == 0, result.stderr
        cls.files = {n: Path(os.path.join(cls.out, n)).read_bytes() for n in os.listdir(cls.out)}

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_names_match_cmake_and_rc_files(self):
        cmake = Path(os.path.join(HERE, "resources.cmake")).read_text()
        listed = re.search(r"set\(QVX_IMAGE_NAMES(.*?)\)", cmake, re.S).group(1).split()
        self.assertEqual(sorted(listed), sorted(self.files))
        used = set()
        for rc in ("images_quorv114.rc", "images_qvxmulti.rc"):
            used |= set(re.findall(r'^\w+\s+(?:ICON|BITMAP)\s+"([^"]+)"',
                                   Path(os.path.join(HERE, rc)).read_text(), re.M))
        self.assertEqual(used, set(self.files))

    def test_same_bytes_every_run(self):
        with tempfile.TemporaryDirectory() as again:
            self.assertEqual(run_script(again).returncode, 0)
            for name, data in self.files.items():
                self.assertEqual(Path(again, name).read_bytes(), data, name)

    def test_tray_icons_are_16_colour_16px_plus_32px(self):
        for n in range(1, 18):
            images = read_ico(self.files["QVX%d.ico" % n])
            self.assertEqual([(w, h, b) for w, h, b, _ in images], [(16, 16, 4), (32, 32, 32)])
            for w, _, _, rows in images:
                self.assertEqual(rows[0][0][3], 0, "corner should be transparent")
                self.assertEqual(rows[w // 2][w // 2][3], 255, "middle should be opaque")

    def test_tray_icons_differ_from_each_other(self):
        def body_colour(n):
            rows = read_ico(self.files["QVX%d.ico" % n])[0][3]
            opaque = [p for row in rows for p in row if p[3]]
            return [sum(p[i] for p in opaque) / len(opaque) for i in range(3)]
        colours = {n: body_colour(n) for n in range(1, 18)}
        for a in range(1, 18):
            for b in range(a + 1, 18):
                dist = sum((x - y) ** 2 for x, y in zip(colours[a], colours[b])) ** 0.5
                self.assertGreater(dist, 20, "QVX%d and QVX%d look alike" % (a, b))

    def test_other_icons(self):
        for name, sizes in (("QVXSPLASH", (16, 32)), ("APPICON", (16, 32, 48)), ("FORMICON", (16, 32, 48))):
            images = read_ico(self.files[name + ".ico"])
            self.assertEqual([(w, b) for w, _, b, _ in images], [(s, 32) for s in sizes], name)
            for w, _, _, rows in images:
                alphas = {p[3] for row in rows for p in row}
                self.assertTrue(0 in alphas and 255 in alphas, name + " needs clear and solid parts")

    def test_logo_bitmap(self):
        data = self.files["QUORVEXPIC.bmp"]
        magic, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
        hsize, w, h, planes, bits, comp, isize = struct.unpack_from("<IiiHHII", data, 14)
        self.assertEqual((magic, size, off), (b"BM", len(data), 54))
        self.assertEqual((hsize, w, h, planes, bits, comp, isize), (40, 100, 100, 1, 24, 0, 30000))
        self.assertGreater(len(set(data[54:54 + 300 * 100:3])), 50, "picture looks flat")


class BadInputTest(unittest.TestCase):
    def test_no_argument_prints_usage(self):
        result = run_script()
        self.assertEqual(result.returncode, 2)
        self.assertIn("usage", result.stderr)

    def test_output_path_is_a_file(self):
        with tempfile.TemporaryDirectory() as tmp:
            blocker = os.path.join(tmp, "not-a-dir")
            with open(blocker, "wb") as f:
                f.write(b"keep me")
            result = run_script(blocker)
            self.assertEqual(result.returncode, 1)
            self.assertIn("cannot write", result.stderr)
            self.assertEqual(Path(blocker).read_bytes(), b"keep me")
            self.assertEqual(os.listdir(tmp), ["not-a-dir"])


if __name__ == "__main__":
    unittest.main()
