"""Reads a PDF back for the print tests.

Prints one JSON object: the page count, the document's print scaling preference and title, and
for the first page its size, straight segments, axis-aligned rectangles and text runs, in points
measured from the page's top-left corner, y downwards; "pageList" holds the same for every page.
Colours are 0x00BBGGRR integers (-1 when not a plain RGB or grey colour).
"""

import json
import math
import sys

from pdfminer.converter import PDFPageAggregator
from pdfminer.layout import LAParams
from pdfminer.pdfdocument import PDFDocument
from pdfminer.pdfinterp import PDFPageInterpreter, PDFResourceManager
from pdfminer.pdfpage import PDFPage
from pdfminer.pdfparser import PDFParser
from pdfminer.pdftypes import resolve1
from pdfminer.psparser import PSLiteral
from pdfminer.utils import apply_matrix_pt, decode_text


def colour(value):
    if value is None:
        return -1
    if isinstance(value, (int, float)):
        value = (value, value, value)
    value = list(value)
    if len(value) == 1:
        value = value * 3
    if len(value) != 3 or not all(isinstance(c, (int, float)) for c in value):
        return -1
    r, g, b = (max(0, min(255, round(c * 255))) for c in value)
    return r | (g << 8) | (b << 16)


class Collector(PDFPageAggregator):
    def __init__(self, rsrcmgr):
        super().__init__(rsrcmgr, laparams=LAParams())
        self.page_height = 0.0
        self.lines = []
        self.rects = []
        self.others = 0
        self.texts = []

    def scale(self):
        a, b, c, d, _, _ = self.ctm
        return math.sqrt(abs(a * d - b * c))

    def point(self, x, y):
        px, py = apply_matrix_pt(self.ctm, (x, y))
        return px, self.page_height - py

    def paint_path(self, gstate, stroke, fill, evenodd, path):
        width = gstate.linewidth * self.scale() if stroke else 0.0
        stroke_colour = colour(gstate.scolor) if stroke else -1
        fill_colour = colour(gstate.ncolor) if fill else -1
        subpaths, current = [], []
        for segment in path:
            if segment[0] == "m" and current:
                subpaths.append(current)
                current = []
            current.append(segment)
        if current:
            subpaths.append(current)
        for sub in subpaths:
            ops = "".join(s[0] for s in sub)
            pts = [self.point(s[-2], s[-1]) for s in sub if s[0] in "ml"]
            if ops == "ml":
                (x1, y1), (x2, y2) = pts
                self.lines.append({"x1": x1, "y1": y1, "x2": x2, "y2": y2, "width": width,
                                   "colour": stroke_colour, "cap": gstate.linecap or 0})
            elif ops in ("mlllh", "mllll", "mlll") and self.axis_aligned(pts):
                xs = [p[0] for p in pts]
                ys = [p[1] for p in pts]
                self.rects.append({"left": min(xs), "top": min(ys), "right": max(xs),
                                   "bottom": max(ys), "stroked": bool(stroke),
                                   "filled": bool(fill), "width": width,
                                   "strokeColour": stroke_colour, "fillColour": fill_colour,
                                   "join": gstate.linejoin or 0})
            else:
                self.others += 1

    @staticmethod
    def axis_aligned(pts):
        pts = pts[:4]
        for i in range(4):
            (ax, ay), (bx, by) = pts[i], pts[(i + 1) % 4]
            if abs(ax - bx) > 1e-6 and abs(ay - by) > 1e-6:
                return False
        return True

    def render_char(self, matrix, font, fontsize, scaling, rise, cid, ncs, graphicstate):
        advance = super().render_char(matrix, font, fontsize, scaling, rise, cid, ncs, graphicstate)
        char = self.cur_item._objs[-1]
        a, b, c, d, e, f = matrix
        size = fontsize * math.sqrt(abs(a * d - b * c))
        baseline = self.page_height - (f + rise * d)
        top = baseline - font.get_ascent() * fontsize * d
        text_colour = colour(graphicstate.ncolor)
        # Where the glyph sits on its baseline, page y downwards: a turned text runs along it.
        ox, oy = apply_matrix_pt(char.matrix, (0, rise))
        ex, ey = apply_matrix_pt(char.matrix, (char.adv, rise))
        oy, ey = self.page_height - oy, self.page_height - ey
        angle = math.degrees(math.atan2(ey - oy, ex - ox))
        # Glyphs are placed one by one; a run goes on while the next glyph starts where the last
        # one ended, on the same baseline, in the same font and colour.
        run = self.texts[-1] if self.texts else None
        if run is not None and abs(angle) > 1e-6:
            continues = (abs(run["angle"] - angle) < 0.01 and abs(run["points"] - size) < 0.01
                         and run["colour"] == text_colour
                         and math.hypot(run["x1"] - ox, run["y1"] - oy) < 0.02 * size)
        else:
            continues = (run is not None and abs(run["angle"]) <= 1e-6
                         and abs(run["baseline"] - baseline) < 0.01
                         and abs(run["points"] - size) < 0.01 and run["colour"] == text_colour
                         and abs(run["right"] - char.x0) < 0.02 * size)
        if not continues:
            run = {"text": "", "left": char.x0, "right": char.x0, "top": top, "baseline": baseline,
                   "points": size, "font": font.fontname if isinstance(font.fontname, str) else "",
                   "colour": text_colour, "angle": angle, "x0": ox, "y0": oy}
            self.texts.append(run)
        # The space glyph's reverse mapping can come out as a tab.
        run["text"] += " " if char.get_text() == "\t" else char.get_text()
        run["right"] = char.x1
        run["x1"], run["y1"] = ex, ey
        return advance


def text_of(value):
    value = resolve1(value)
    if isinstance(value, bytes):
        return decode_text(value)
    if isinstance(value, PSLiteral):
        return value.name
    return "" if value is None else str(value)


def document_entries(document):
    """The catalog's print scaling preference and the document information, as a reader sees them
    after every incremental update."""
    preferences = resolve1(document.catalog.get("ViewerPreferences")) or {}
    info = document.info[0] if document.info else {}
    return {"printScaling": text_of(preferences.get("PrintScaling")),
            "title": text_of(info.get("Title")), "creator": text_of(info.get("Creator"))}


def main(path):
    rsrcmgr = PDFResourceManager()
    pages = []
    with open(path, "rb") as stream:
        document = PDFDocument(PDFParser(stream))
        entries = document_entries(document)
        for page in PDFPage.create_pages(document):
            collector = Collector(rsrcmgr)
            interpreter = PDFPageInterpreter(rsrcmgr, collector)
            x0, y0, x1, y1 = page.mediabox
            collector.page_height = y1
            interpreter.process_page(page)
            pages.append({"width": x1 - x0, "height": y1 - y0, "lines": collector.lines,
                          "rects": collector.rects, "texts": collector.texts,
                          "otherPaths": collector.others})
    result = dict(pages[0]) if pages else {"lines": [], "rects": [], "texts": [], "otherPaths": 0}
    result.update(entries)
    result["pages"] = len(pages)
    result["pageList"] = pages
    json.dump(result, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
