#!/usr/bin/env python3
"""Writes the seed corpora in corpus/<name>/ from the test data (run from anywhere)."""
import hashlib, pathlib, re, struct

here = pathlib.Path(__file__).resolve().parent
root = here.parent


def put(name, data):
    folder = here / "corpus" / name
    folder.mkdir(parents=True, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    (folder / hashlib.sha1(data).hexdigest()[:16]).write_bytes(data)


rtf_files = sorted(root.glob("tests/*/data/**/*.rtf")) + [root / "examples/demo/demo.rtf"]
for f in rtf_files:
    put("rtf", f.read_bytes())
put("rtf", r"{\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}"
           r"\f0\fs24 a\b b\b0\cf1 c\par\trowd\cellx100 x\cell y\cell\row\u228?\'e4{\*\x y}}")

lessons = [f.read_text(encoding="utf-8") for f in sorted(root.glob("tests/*/data/**/*.expected.txt"))]
lessons.append("#01, Einleitung;hafen.jpg, hafen.mp3\r\nWillkommen!\r\n#02, Übung\r\n"
               "Das Schiff liegt im [Hafen]. 3 + 0,5 = [3.5]\r\nIch wohne in einem [Haus\\Heim].\r\n"
               "§\r\n#00\r\n")
lessons.append("#_01, Test!\r\n[a] [b] [+]\r\n$&\r\n#02 Lesen\r\nµ text\r\n#03;x.jpg\r\n"
               "?3\r\nFrage [1]\r\n@\r\n#00\r\n")
lessons.append("eins.rsd\r\nzwei.rsd\r\n")
for text in lessons:
    put("lesson", text.replace("\r\n", "\n").replace("\n", "\r\n"))

formulas = [l for l in (root / "bench/data/formulas.txt").read_text().splitlines()
            if l and not l.startswith("#")]
formulas += ["atan(atan(1E308))", "ATAN(z--228-48)", "asin(0.5)", "fak(150)", "-2^2", "2*--3",
             "deg(1E308)", "((((((1))))))", "1E-308*x", "round(2.5)+trunc(-0.5)"]
for i, f in enumerate(formulas):
    put("eval", bytes([i * 7 % 256]) + f.encode())

calc_lines = ["a=2\na*3\nqua(1,-3,2)", "x=1e308\natan(x)\nsqrt(-1)", "nul(x^2-2,0,3)",
              "int(sin(x),0,180)", "pri(360)", "ggt(12,18)\nkgv(4,6)", "1/0\n2+3*4\nb=a+1"]
for text in calc_lines:
    put("calc", text)

# Archives: eight directory records, then the data area.
DIRECTORY = 672224


def record(name, size, position, comment=b""):
    raw = name.encode("latin-1")  # the bytes as stored
    return (bytes([len(raw)]) + raw.ljust(32, b"\0") + bytes([len(comment)]) +
            comment.ljust(184, b"\0") + struct.pack("<qq", size, position))


def archive(members):
    head, data = b"", b""
    for name, body in members:
        head += record(name, len(body), DIRECTORY + len(data))
        data += body
    return head.ljust(8 * 234, b"\0") + data


put("archive", archive([("demo.rtf", b"{\\rtf1 #01 A\\par [x]\\par #00}"), ("b.txt", b"hallo")]))
put("archive", archive([("../up.txt", b"x"), ("a\x9d.txt", b"y"), ("titel.jpg", b"z"),
                        ("c.rsd", b"w" * 40)]))
put("archive", archive([("big", b"q" * 10)])[:-5])  # a member reaching past the end

# Little-endian ELF files: header, program headers and a little body.
def elf64(phdrs, shoff=0, shnum=0, body=b""):
    phoff = 64
    header = (b"\x7fELF\x02\x01\x01" + b"\0" * 9 + struct.pack("<HHIQQQIHHHHHH", 2, 62, 1, 0,
              phoff, shoff, 0, 64, 56, len(phdrs), 64, shnum, 0))
    table = b"".join(struct.pack("<IIQQQQQQ", 1, 5, off, 0, 0, size, size, 0x1000)
                     for off, size in phdrs)
    return header + table + body


def elf32(phdrs, body=b""):
    header = (b"\x7fELF\x01\x01\x01" + b"\0" * 9 +
              struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, 0, 52, 0, 0, 52, 32, len(phdrs), 40, 0, 0))
    table = b"".join(struct.pack("<IIIIIIII", 1, off, 0, 0, size, size, 5, 0x1000)
                     for off, size in phdrs)
    return header + table + body


put("elf", elf64([(0, 240)], body=b"\x90" * 120))
put("elf", elf64([(0, 176), (176, 64)], body=b"\xcc" * 64))
put("elf", elf64([(2**64 - 16, 32)], body=b"\0" * 64))
put("elf", elf64([(0, 120)], shoff=2**64 - 64, shnum=1, body=b"\0" * 8))
put("elf", elf32([(0, 120)], body=b"\0" * 36))
