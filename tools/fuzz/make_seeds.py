#!/usr/bin/env python3
"""Writes the seed files of the settings fuzzer into the folder given:
records files as the game writes them and as people leave them, in both
encodings (Shift_JIS, UTF-8 after a byte-order mark), with quotes, commas,
short files, missing line ends and long lines."""
import os
import sys

BOM = b"\xef\xbb\xbf"


def sjis(text):
    return text.encode("shift_jis")


def utf8(text):
    return BOM + text.encode("utf-8")


def lines(values, end="\r\n"):
    return end.join(values) + end


def main(out):
    os.makedirs(out, exist_ok=True)
    default = ["Morel", "", " 400", "A選手", "B選手", "C選手", "D選手"]
    seeds = {
        "default_sjis": sjis(lines(default)),
        "default_utf8": utf8(lines(default)),
        "record_fraction": sjis(lines(["大河原翔", "", " 512.5", "太郎", "花子", "ｹｿﾞﾗ", "D選手"])),
        "spaces_round_record": sjis(lines(["ミサキ", " 17 ", " 455.3 ", "  まえ", "たろう", "C選手", "D選手"])),
        "quoted_fields": sjis(lines(['"引用"の人', '"x",y', ' "1.5"', '"A,B"', 'C",D', '""', '"'])),
        "commas": sjis(lines(["A,B", "1,2", " 400,5", "a,b,c", ",", ",,", "D"])),
        "negative_and_exponent": sjis(lines(["n", "-3", "-1.25e2", "a", "b", "c", "d"])),
        "huge_record": sjis(lines(["h", "", " 1" + "0" * 300, "a", "b", "c", "d"])),
        "tiny_record": sjis(lines(["t", "", " 0.00000000001", "a", "b", "c", "d"])),
        "not_a_number": sjis(lines(["x", "", "abc", "a", "b", "c", "d"])),
        "three_lines": sjis(lines(["大河原翔", "", " 512.5"])),
        "no_last_line_end": sjis("\r\n".join(default)),
        "lf_only": sjis(lines(default, "\n")),
        "cr_only": sjis(lines(default, "\r")),
        "empty": b"",
        "one_line": b"Morel",
        "bom_only": BOM,
        "astral_utf8": utf8(lines(["𠮷田😀", "", " 600", "A選手", "𠮷", "😀😀", "D"])),
        "long_lines": sjis(lines(["長" * 4000, "s" * 3000, " 400", "あ" * 5000, "b" * 10000, "c", "d"])),
        "extra_lines": sjis(lines(default + ["余分", "もう一行"])),
        "half_sjis": sjis(lines(default))[:-9] + b"\x82",
        "bad_utf8": BOM + b"Mo\xc3(rel\r\n\r\n 400\r\n\xff\xfe\r\nB\r\nC\r\nD\r\n",
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "corpus")
