#!/usr/bin/env python3
"""Writes src/storage/nearest_letters.cpp: for each character Windows-1252
cannot hold, the letters it holds that come nearest (the character without
its accents). Run from the repository's top folder:
    python3 tools/make-nearest-letters.py > src/storage/nearest_letters.cpp
"""
import unicodedata

# Letters whose accent is part of the shape, so decomposition leaves them whole.
EXTRA = {
    "ł": "l", "Ł": "L", "đ": "d", "Đ": "D", "ħ": "h", "Ħ": "H", "ı": "i",
    "ŀ": "l", "Ŀ": "L", "ŧ": "t", "Ŧ": "T", "ƀ": "b", "Ɨ": "I", "ƚ": "l",
    "ȼ": "c", "Ȼ": "C", "ɇ": "e", "Ɇ": "E", "ɉ": "j", "Ɉ": "J", "ɍ": "r",
    "Ɍ": "R", "ɏ": "y", "Ɏ": "Y", "ĸ": "k", "ŉ": "'n", "ſ": "s",
    "ǝ": "e", "Ǝ": "E", "ȿ": "s", "ɀ": "z", "ƶ": "z", "Ƶ": "Z",
    "ǥ": "g", "Ǥ": "G", "ɨ": "i", "ʉ": "u", "Ʉ": "U",
    "‐": "-", "‑": "-", "‒": "-", "−": "-", "′": "'", "″": '"',
    "\u00a0": " ", "\u2009": " ", "\u202f": " ", "\u2002": " ", "\u2003": " ",
}

RANGES = [(0x00A0, 0x0250), (0x1E00, 0x1F00), (0x2000, 0x2070), (0xFB00, 0xFB07)]


def cp1252(text):
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError:
        return None


def nearest(ch):
    if ch in EXTRA:
        return EXTRA[ch].encode("cp1252")
    for form in ("NFD", "NFKD"):
        base = "".join(c for c in unicodedata.normalize(form, ch) if not unicodedata.combining(c))
        if base and base != ch:
            out = cp1252(base)
            if out is None:
                out = cp1252("".join(EXTRA.get(c, c) for c in base))
            if out is not None and len(out) <= 3:
                return out
    return None


def main():
    rows = []
    for lo, hi in RANGES:
        for cp in range(lo, hi):
            ch = chr(cp)
            if cp1252(ch) is not None:
                continue
            out = nearest(ch)
            if out:
                rows.append((cp, out))
    for ch in EXTRA:
        cp = ord(ch)
        if not any(lo <= cp < hi for lo, hi in RANGES):
            rows.append((cp, EXTRA[ch].encode("cp1252")))
    rows.sort()
    print("// Made by tools/make-nearest-letters.py (Unicode " + unicodedata.unidata_version + "); do not edit.")
    print('#include "storage/nearest_letters.h"\n')
    print("#include <algorithm>")
    print("#include <array>\n")
    print("namespace vorlane {\n")
    print("namespace {")
    print("struct NearestLetter {")
    print("    char32_t character;")
    print("    const char* letters;  // Windows-1252")
    print("};\n")
    print(f"constexpr std::array<NearestLetter, {len(rows)}> kNearestLetters = {{{{")
    for cp, out in rows:
        text = ""
        for i, b in enumerate(out):
            if b >= 0x80 or b < 0x20 or b in (0x22, 0x5C, 0x3F):
                text += f"\\x{b:02X}"
                # A hex escape runs on into a following hex digit: close the literal.
                if i + 1 < len(out):
                    text += '" "'
            else:
                text += chr(b)
        print(f'    {{U\'\\x{cp:04X}\', "{text}"}},')
    print("}};")
    print("}  // namespace\n")
    print("std::string_view NearestLetters(char32_t character) {")
    print("    auto it = std::lower_bound(kNearestLetters.begin(), kNearestLetters.end(), character,")
    print("                               [](const NearestLetter& e, char32_t c) { return e.character < c; });")
    print("    if (it == kNearestLetters.end() || it->character != character) return {};")
    print("    return it->letters;")
    print("}\n")
    print("}  // namespace vorlane")


main()
