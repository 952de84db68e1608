#!/usr/bin/python3
"""Writes the widths of the fonts of a search result as two C++ headers.

    apt-get install python3-fonttools fonts-liberation2 fonts-dejavu-core \
        fonts-dejavu-extra fonts-noto-cjk
    tools/font_advances.py            # writes them into src/text/

Browsers draw a search result in Arial, which fontconfig maps to Liberation
Sans. LiberationSansAdvances.h has the advance of every code point that font
maps and its kerning pairs: the pair adjustments of its GPOS "kern" feature
for Latin, Greek and Cyrillic (the legacy kern table holds the same pairs;
HarfBuzz applies GPOS). Its Hebrew pairs are left out.

A character Liberation Sans lacks is drawn from the first font of
fontconfig's fallback list that has it: on Debian 12 DejaVu Sans, DejaVu Math
TeX Gyre, DejaVu Sans Mono, DejaVu Serif, Liberation Mono, Liberation Serif,
then Noto Sans CJK JP for CJK, kana and Hangul (`fc-match -s sans-serif`, in
regular style, with the packages below). FallbackAdvances.h has their
advances for those code points, converted to Liberation Sans's units, as runs
of equal advance (the ideographs are one run of 1 em, the Hangul syllables one
of 0.92 em); the kerning pairs of the CJK font among the characters it draws
(kana mostly); and the CJK font's opening and closing punctuation, which
browsers set half as wide next to other punctuation.

Format characters (the soft hyphen among them) are written as 0: browsers
draw none of them, a soft hyphen only at a line break.
"""

import os
import sys
import textwrap
import unicodedata

try:
    from fontTools.ttLib import TTCollection, TTFont
except ImportError:
    sys.exit("font_advances.py needs fontTools: apt-get install python3-fonttools")

LIBERATION = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"
FALLBACKS = [  # (file, package), in fontconfig's order
    ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "fonts-dejavu-core"),
    ("/usr/share/fonts/truetype/dejavu/DejaVuMathTeXGyre.ttf", "fonts-dejavu-extra"),
    ("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", "fonts-dejavu-core"),
    ("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf", "fonts-dejavu-core"),
    ("/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf", "fonts-liberation2"),
    ("/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf", "fonts-liberation2"),
    ("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", "fonts-noto-cjk"),  # JP first
]
PER_LINE = 16
MISSING = 0xFFFF
CJK_DOTS = "\u3001\u3002\uFF0C\uFF0E"  # set like closing punctuation
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "text")


def drawn(code_point):
    return unicodedata.category(chr(code_point)) != "Cf"


def advances(font):
    """{code point: advance in font units}"""
    metrics = font["hmtx"]
    return {code_point: metrics[glyph][0] if drawn(code_point) else 0
            for code_point, glyph in font.getBestCmap().items()}


def runs(code_points):
    """[first, last, offset] for each run of consecutive code points."""
    result = []
    for offset, code_point in enumerate(code_points):
        if result and result[-1][1] + 1 == code_point:
            result[-1][1] = code_point
        else:
            result.append([code_point, code_point, offset])
    return result


def x_advance(*values):
    return sum(getattr(value, "XAdvance", 0) or 0 for value in values if value)


def kerning_pairs(font, script_tag, code_points):
    """{(left, right): adjustment} of the kern feature for `script_tag`, among
    `code_points`."""
    gpos = font["GPOS"].table
    script = next(record.Script for record in gpos.ScriptList.ScriptRecord
                  if record.ScriptTag == script_tag)
    lookups = [index for feature in script.DefaultLangSys.FeatureIndex
               if gpos.FeatureList.FeatureRecord[feature].FeatureTag == "kern"
               for index in gpos.FeatureList.FeatureRecord[feature].Feature.LookupListIndex]
    of_glyph = {}
    for code_point, glyph in font.getBestCmap().items():
        if code_point in code_points and drawn(code_point):
            of_glyph.setdefault(glyph, []).append(code_point)
    pairs = {}

    def add(first, second, value):
        for left in of_glyph.get(first, []):
            for right in of_glyph.get(second, []):
                pairs.setdefault((left, right), value)

    for index in lookups:
        for table in gpos.LookupList.Lookup[index].SubTable:
            if table.Format == 1:
                for first, pair_set in zip(table.Coverage.glyphs, table.PairSet):
                    for record in pair_set.PairValueRecord:
                        add(first, record.SecondGlyph, x_advance(record.Value1, record.Value2))
                continue
            seconds = table.ClassDef2.classDefs
            for first in table.Coverage.glyphs:
                if first not in of_glyph:
                    continue
                row = table.Class1Record[table.ClassDef1.classDefs.get(first, 0)]
                for second, second_class in seconds.items():
                    record = row.Class2Record[second_class]
                    add(first, second, x_advance(record.Value1, record.Value2))
    return {pair: value for pair, value in pairs.items() if value}


def number_lines(numbers, per_line=PER_LINE):
    return "".join("    " + ", ".join(numbers[at:at + per_line]) + ",\n"
                   for at in range(0, len(numbers), per_line))


def kerning_tables(pairs):
    """The C++ arrays kernedLefts and pairs of `pairs`."""
    if max(max(pair) for pair in pairs) > 0xFFFF:
        sys.exit("a kerning pair outside the BMP")
    ordered = sorted(pairs)
    offsets = {}
    for offset, (left, _) in enumerate(ordered):
        offsets.setdefault(left, offset)
    return ("inline constexpr std::array<KernedLeft, %d> kernedLefts = {{\n" % len(offsets)
            + number_lines(["{0x%04X, %d}" % (left, offsets[left]) for left in sorted(offsets)], 6)
            + "}};\n\n"
            + "inline constexpr std::array<KerningPair, %d> pairs = {{\n" % len(ordered)
            + number_lines(["{0x%04X, %d}" % (right, pairs[(left, right)])
                            for left, right in ordered], 6)
            + "}};\n")


def liberation_header(font):
    widths = advances(font)
    code_points = sorted(widths)
    all_runs = runs(code_points)
    return "".join([
        "// Advance widths and kerning pairs of Liberation Sans Regular (%s),\n"
        "// in font units. Generated by tools/font_advances.py; do not edit.\n\n"
        % font["name"].getDebugName(5),
        "#pragma once\n\n#include <array>\n#include <cstdint>\n\n",
        "namespace velko::liberationSans {\n\n",
        "inline constexpr int unitsPerEm = %d;\n" % font["head"].unitsPerEm,
        "inline constexpr int averageAdvance = %d; // OS/2 xAvgCharWidth\n\n"
        % font["OS/2"].xAvgCharWidth,
        "// Code points first to last have their advances at advances[offset] on.\n",
        "struct AdvanceRun {\n    char32_t first;\n    char32_t last;\n",
        "    std::uint16_t offset;\n};\n\n",
        "// A character that kerns with those after it: its pairs are\n",
        "// pairs[offset] up to the next left's offset, sorted by right.\n",
        "struct KernedLeft {\n    char16_t left;\n    std::uint16_t offset;\n};\n\n",
        "struct KerningPair {\n    char16_t right;\n    std::int16_t adjustment;\n};\n\n",
        "// clang-format off\n",
        "inline constexpr std::array<AdvanceRun, %d> runs = {{\n" % len(all_runs),
        "".join("    {0x%04X, 0x%04X, %d},\n" % tuple(run) for run in all_runs),
        "}};\n\n",
        "inline constexpr std::array<std::uint16_t, %d> advances = {\n" % len(widths),
        number_lines([str(widths[c]) for c in code_points]),
        "};\n\n",
        kerning_tables(kerning_pairs(font, "latn", widths)),
        "// clang-format on\n\n} // namespace velko::liberationSans\n"])


def punctuation(code_points, closing):
    """The code points drawn an em wide that open (or close) a phrase."""
    def wide(c):
        return unicodedata.east_asian_width(chr(c)) in "WF"
    if closing:
        return sorted(c for c in code_points
                      if wide(c) and (unicodedata.category(chr(c)) == "Pe" or chr(c) in CJK_DOTS))
    return sorted(c for c in code_points if wide(c) and unicodedata.category(chr(c)) == "Ps")


def fallback_header(primary, fallbacks, cjk):
    """The advances of the code points `primary` lacks, from the first of
    `fallbacks` that has each, as runs of equal advance; the kerning and the
    punctuation of the characters `cjk` draws."""
    scale = primary["head"].unitsPerEm
    covered = primary.getBestCmap()
    widths = {}
    from_cjk = set()
    for font in fallbacks:
        units = font["head"].unitsPerEm
        for code_point, advance in advances(font).items():
            if code_point not in covered and code_point not in widths:
                widths[code_point] = round(advance * scale / units)
                if font is cjk:
                    from_cjk.add(code_point)
    # The code points the primary font has are looked up there, so they join
    # whichever run they stand in.
    rows = []  # [first, advance]
    for code_point in range(max(widths) + 2):
        if code_point in covered:
            continue
        advance = widths.get(code_point, MISSING)
        if not rows or rows[-1][1] != advance:
            rows.append([code_point, advance])
    # A gap between runs of one advance, such as the ideographs a font leaves
    # out of a block, takes that advance.
    filled = []
    for at, row in enumerate(rows):
        if (row[1] == MISSING and 0 < at < len(rows) - 1
                and rows[at - 1][1] == rows[at + 1][1]):
            continue
        if not filled or filled[-1][1] != row[1]:
            filled.append(row)
    cjk_units = cjk["head"].unitsPerEm
    pairs = {pair: round(value * scale / cjk_units)
             for pair, value in kerning_pairs(cjk, "hani", from_cjk).items()}
    opening = punctuation(from_cjk, closing=False)
    closing = punctuation(from_cjk, closing=True)
    names = ", ".join("%s %s" % (font["name"].getDebugName(4),
                                font["name"].getDebugName(5).split(";")[0].replace("Version ", ""))
                      for font in fallbacks)
    return "".join([
        "// Advance widths of the characters Liberation Sans lacks, in its font units,\n",
        "// from the fonts browsers fall back to, the first that has each:\n%s.\n"
        % textwrap.fill(names, 97, initial_indent="// ", subsequent_indent="// "),
        "// Generated by tools/font_advances.py; do not edit.\n\n",
        "#pragma once\n\n#include \"text/LiberationSansAdvances.h\"\n\n",
        "#include <array>\n#include <cstdint>\n\n",
        "namespace velko::fallbackFonts {\n\n",
        "using liberationSans::KernedLeft;\nusing liberationSans::KerningPair;\n\n",
        "// No font has the code points of a run of this advance.\n",
        "inline constexpr std::uint16_t missing = 0x%04X;\n\n" % MISSING,
        "// The code points from starts[i] up to starts[i + 1] have advance\n",
        "// advances[i].\n",
        "// clang-format off\n",
        "inline constexpr std::array<char32_t, %d> starts = {\n" % len(filled),
        number_lines(["0x%04X" % first for first, _ in filled], 10),
        "};\n\n",
        "inline constexpr std::array<std::uint16_t, %d> advances = {\n" % len(filled),
        number_lines([str(advance) for _, advance in filled], 12),
        "};\n\n",
        "// The kerning pairs of %s.\n" % cjk["name"].getDebugName(4),
        kerning_tables(pairs),
        "\n// Its punctuation that opens a phrase, and that closes one (with the\n",
        "// ideographic comma and full stops).\n",
        "inline constexpr std::array<char16_t, %d> opening = {\n" % len(opening),
        number_lines(["0x%04X" % c for c in opening], 10),
        "};\n\n",
        "inline constexpr std::array<char16_t, %d> closing = {\n" % len(closing),
        number_lines(["0x%04X" % c for c in closing], 10),
        "};\n// clang-format on\n\n} // namespace velko::fallbackFonts\n"])


def open_font(path, package):
    if not os.path.exists(path):
        sys.exit("font_advances.py needs %s: apt-get install %s" % (path, package))
    return TTCollection(path).fonts[0] if path.endswith(".ttc") else TTFont(path)


def main():
    liberation = open_font(LIBERATION, "fonts-liberation2")
    fallbacks = [open_font(path, package) for path, package in FALLBACKS]
    cjk = fallbacks[-1]
    for name, text in (("LiberationSansAdvances.h", liberation_header(liberation)),
                       ("FallbackAdvances.h", fallback_header(liberation, fallbacks, cjk))):
        with open(os.path.join(OUT, name), "w", encoding="utf-8") as out:
            out.write(text)


main()
