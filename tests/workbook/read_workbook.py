"""Reads a workbook file back with xlrd, independently of our writer, and
prints what it found as JSON on standard output, with whatever xlrd
complained about under "log".

  read_workbook.py cells <file>    sheets with their cell values
  read_workbook.py streams <file>  the streams of the compound file
"""
import hashlib
import io
import json
import sys

import xlrd
from xlrd import compdoc


def cells(path, log):
    # Reading the formatting too makes xlrd check the fonts and XF records.
    book = xlrd.open_workbook(path, formatting_info=True, logfile=log)
    sheets = []
    for sheet in book.sheets():
        rows = []
        for rowx in range(sheet.nrows):
            row = []
            for cell in sheet.row(rowx):
                if cell.ctype == xlrd.XL_CELL_EMPTY:
                    row.append(None)
                elif cell.ctype in (xlrd.XL_CELL_TEXT, xlrd.XL_CELL_NUMBER):
                    row.append(cell.value)
                else:
                    row.append({"unexpected cell type": cell.ctype})
            rows.append(row)
        bold = [[rowx, colx] for rowx in range(sheet.nrows) for colx in range(sheet.ncols)
                if sheet.cell_type(rowx, colx) not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK)
                and book.font_list[book.xf_list[sheet.cell_xf_index(rowx, colx)].font_index].bold]
        sheets.append({"name": sheet.name, "rows": rows, "bold": bold})
    return {"biffVersion": book.biff_version, "codepage": book.codepage, "sheets": sheets}


def streams(path, log):
    with open(path, "rb") as f:
        document = compdoc.CompDoc(f.read(), logfile=log)
    found = {}
    for entry in document.dirlist:
        if entry.etype == 2:
            data = document.get_named_stream(entry.name)
            found[entry.name] = {"size": len(data), "sha1": hashlib.sha1(data).hexdigest()}
    return {"root": document.dirlist[0].name, "streams": found}


if __name__ == "__main__":
    mode, path = sys.argv[1], sys.argv[2]
    log = io.StringIO()
    found = {"cells": cells, "streams": streams}[mode](path, log)
    found["log"] = log.getvalue()
    json.dump(found, sys.stdout)
