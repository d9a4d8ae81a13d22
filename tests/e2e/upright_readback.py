"""Reads the first page of a printed PDF back as the page was drawn, for the end-to-end tests.

A print queue prints a landscape page by turning it a quarter onto a portrait sheet. This reads
such a sheet turned back (the content is taken as if the sheet carried /Rotate 90), so positions
come out in the landscape page's own frame. Each text object is a run of its own: the numbers of
a dense scale touch, and glued together they could not be told apart. Prints the JSON of
pdf_readback.py, plus "turned".
"""

import json
import os
import sys

from pdfminer.pdfinterp import PDFPageInterpreter, PDFResourceManager
from pdfminer.pdfpage import PDFPage

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from pdf_readback import Collector  # noqa: E402


class TextObjectCollector(Collector):
    def __init__(self, rsrcmgr):
        super().__init__(rsrcmgr)
        self.text_object_begun = False

    def render_char(self, *args):
        if not self.text_object_begun:
            return super().render_char(*args)
        self.text_object_begun = False
        # No run to go on with: the glyph starts a run of its own.
        self.texts.append(None)
        try:
            return super().render_char(*args)
        finally:
            self.texts.remove(None)


class TextObjectInterpreter(PDFPageInterpreter):
    def do_BT(self):
        super().do_BT()
        self.device.text_object_begun = True


def main(path):
    rsrcmgr = PDFResourceManager()
    collector = TextObjectCollector(rsrcmgr)
    interpreter = TextObjectInterpreter(rsrcmgr, collector)
    result = {"pages": 0, "turned": False}
    with open(path, "rb") as stream:
        for number, page in enumerate(PDFPage.get_pages(stream)):
            result["pages"] = number + 1
            if number > 0:
                continue
            x0, y0, x1, y1 = page.mediabox
            turned = page.rotate % 360 == 0 and (x1 - x0) < (y1 - y0)
            if turned:
                # The sheet's left edge is the page's top edge: read it a quarter turn clockwise.
                page.rotate = 90
                result["width"], result["height"] = y1 - y0, x1 - x0
                collector.page_height = x1 - x0
            else:
                result["width"], result["height"] = x1 - x0, y1 - y0
                collector.page_height = y1
            result["turned"] = turned
            interpreter.process_page(page)
    result["lines"] = collector.lines
    result["rects"] = collector.rects
    result["texts"] = collector.texts
    result["otherPaths"] = collector.others
    json.dump(result, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
