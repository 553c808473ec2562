"""Prints the pages of a PDF written by LibreOffice as JSON: each page's size and its text.

Usage: /usr/bin/python3 read_pdf_pages.py FILE.pdf

Only what LibreOffice's export uses is read: plain objects (no object streams), Flate
streams, fonts with ToUnicode maps, and text shown with Tj and TJ.
"""
import json
import re
import sys
import zlib

OBJECT = re.compile(rb"(\d+) 0 obj(.*?)endobj", re.S)
REF = rb"(\d+) 0 R"


def read_objects(data):
    objects = {}
    for match in OBJECT.finditer(data):
        body = match.group(2)
        stream = None
        found = re.search(rb"stream\r?\n(.*?)\r?\nendstream", body, re.S)
        if found:
            stream = found.group(1)
            if b"/FlateDecode" in body[:found.start()]:
                stream = zlib.decompress(stream)
            body = body[:found.start()]
        objects[int(match.group(1))] = (body, stream)
    return objects


def ref(body, key):
    found = re.search(rb"/" + key + rb"\s*" + REF, body)
    return int(found.group(1)) if found else None


def cmap_of(stream):
    """Code (bytes) to text, and the code length in bytes."""
    codes = {}
    length = 1
    for block in re.findall(rb"beginbfchar(.*?)endbfchar", stream, re.S):
        for src, dst in re.findall(rb"<([0-9A-Fa-f]+)>\s*<([0-9A-Fa-f]+)>", block):
            codes[bytes.fromhex(src.decode())] = bytes.fromhex(dst.decode()).decode("utf-16-be")
            length = len(src) // 2
    for block in re.findall(rb"beginbfrange(.*?)endbfrange", stream, re.S):
        for lo, hi, dst in re.findall(rb"<([0-9A-Fa-f]+)>\s*<([0-9A-Fa-f]+)>\s*<([0-9A-Fa-f]+)>",
                                      block):
            length = len(lo) // 2
            first = int(dst, 16)
            for n, code in enumerate(range(int(lo, 16), int(hi, 16) + 1)):
                codes[code.to_bytes(length, "big")] = chr(first + n)
    return codes, length


def fonts_of(objects, page_body):
    resources = objects[ref(page_body, b"Resources")][0]
    font_dict = re.search(rb"/Font\s*<<(.*?)>>", resources, re.S)
    if not font_dict:
        font_ref = ref(resources, b"Font")
        font_dict = re.search(rb"<<(.*)>>", objects[font_ref][0], re.S)
    fonts = {}
    for name, number in re.findall(rb"/(\w+)\s*" + REF, font_dict.group(1)):
        unicode_ref = ref(objects[int(number)][0], b"ToUnicode")
        fonts[name] = cmap_of(objects[unicode_ref][1]) if unicode_ref else ({}, 1)
    return fonts


def decode(hex_text, font):
    codes, length = font
    raw = bytes.fromhex(re.sub(rb"\s", b"", hex_text).decode())
    return "".join(codes.get(raw[i:i + length], "?") for i in range(0, len(raw), length))


def page_text(content, fonts):
    text = []
    font = ({}, 1)
    for token in re.finditer(rb"/(\w+)\s+[\d.]+\s+Tf|\[(.*?)\]\s*TJ|<([0-9A-Fa-f\s]*)>\s*Tj|ET",
                             content, re.S):
        if token.group(1):
            font = fonts.get(token.group(1), ({}, 1))
        elif token.group(2) is not None:
            text.append("".join(decode(h, font) for h in re.findall(rb"<([0-9A-Fa-f\s]*)>",
                                                                      token.group(2))))
        elif token.group(3) is not None:
            text.append(decode(token.group(3), font))
        else:
            text.append("\n")
    return " ".join(text)


def pages_in(objects, number):
    body = objects[number][0]
    if re.search(rb"/Type\s*/Pages\b", body):
        kids = re.search(rb"/Kids\s*\[(.*?)\]", body, re.S).group(1)
        return [page for kid in re.findall(REF, kids) for page in pages_in(objects, int(kid))]
    return [number]


def main(path):
    objects = read_objects(open(path, "rb").read())
    catalog = next(body for body, _ in objects.values() if re.search(rb"/Type\s*/Catalog", body))
    pages = []
    for number in pages_in(objects, ref(catalog, b"Pages")):
        body = objects[number][0]
        box = [float(v) for v in re.search(rb"/MediaBox\s*\[([^\]]*)\]", body).group(1).split()]
        contents = objects[ref(body, b"Contents")][1]
        pages.append({"width": round(box[2] - box[0]), "height": round(box[3] - box[1]),
                      "text": page_text(contents, fonts_of(objects, body))})
    json.dump(pages, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
