"""Reads a report workbook back with openpyxl and prints what a test checks, as JSON.

Usage: /usr/bin/python3 read_workbook.py FILE.xlsx
"""
import html
import json
import re
import sys
import zipfile

import openpyxl


def raw_footer(path):
    # openpyxl splits the footer into parts and drops codes it does not know; the file's
    # own text is what a spreadsheet application reads.
    with zipfile.ZipFile(path) as z:
        xml = z.read("xl/worksheets/sheet1.xml").decode("utf-8")
    found = re.search(r"<oddFooter>(.*?)</oddFooter>", xml, re.S)
    return html.unescape(found.group(1)) if found else None


def main(path):
    wb = openpyxl.load_workbook(path)
    ws = wb.worksheets[0]
    cells = {}
    fonts = set()
    for row in ws.iter_rows():
        for cell in row:
            if cell.value is not None:
                cells[cell.coordinate] = {"value": cell.value, "number_format": cell.number_format,
                                          "bold": bool(cell.font.b),
                                          "align": cell.alignment.horizontal}
                fonts.add("%s %s" % (cell.font.name, cell.font.sz))
    facts = {
        "sheets": wb.sheetnames,
        "cells": cells,
        "fonts": sorted(fonts),
        "widths": {letter: dim.width for letter, dim in ws.column_dimensions.items()},
        "default_row_height": ws.sheet_format.defaultRowHeight,
        "row4_bold": bool(ws.row_dimensions[4].font and ws.row_dimensions[4].font.b),
        "print_area": ",".join(ws.print_area) if isinstance(ws.print_area, list)
        else ws.print_area,
        "print_title_rows": ws.print_title_rows,
        "print_gridlines": bool(ws.print_options.gridLines),
        "orientation": ws.page_setup.orientation,
        "paper": ws.page_setup.paperSize,
        "fit_to_page": bool(ws.sheet_properties.pageSetUpPr
                            and ws.sheet_properties.pageSetUpPr.fitToPage),
        # An absent count is the format's default of 1.
        "fit_width": 1 if ws.page_setup.fitToWidth is None else int(ws.page_setup.fitToWidth),
        "fit_height": 1 if ws.page_setup.fitToHeight is None else int(ws.page_setup.fitToHeight),
        "margins": {side: getattr(ws.page_margins, side)
                    for side in ("left", "right", "top", "bottom", "header", "footer")},
        "footer": raw_footer(path),
        "images": [{"col": i.anchor._from.col, "row": i.anchor._from.row, "width": i.width}
                   for i in ws._images],
        "selection": ws.sheet_view.selection[0].activeCell if ws.sheet_view.selection else None,
    }
    json.dump(facts, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
