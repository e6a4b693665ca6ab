#!/usr/bin/env python3
"""Checks a read-me page made for one system.

Usage: check_read_me.py linux|windows PAGE

The page must be whole HTML (every element closed, in order; no template
marker or value left), self-contained (every picture and link a file beside
it, each picture as large as the page says), and speak of its own system
only: how that system installs and runs Quillfold, nothing of the other's.
"""
import html.parser
import os
import struct
import sys

# Texts each page must hold, and texts that belong to the other system.
REQUIRED = {
    "linux": ["sudo apt install ./quillfold_", "apt remove quillfold", "quillfold-cli --help",
              "quillfold ~/Pictures", "Open With", "No such file or directory"],
    "windows": ["-setup.exe /S", "/D=C:\\Tools\\Quillfold", "Uninstall.exe",
                "quillfold-cli.exe C:\\Users\\Ann\\Pictures", "quillfold-cli /?",
                "quillfold.exe C:\\Users\\Ann\\Pictures", "Open in Quillfold", "Start menu",
                "-windows-x64.zip", "C:\\Users\\Ann\\Pictrues: "],
}
FORBIDDEN = {
    "linux": [".exe", "C:\\", "Start menu", "Explorer", "/?"],
    "windows": ["apt ", "sudo", "~/", "/home/", "/tmp", "Debian", "LC_NUMERIC", "ulimit",
                "man quillfold"],
}
VOID = {"meta", "img", "br", "hr", "link", "input"}


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.open = []
        self.problems = []
        self.pictures = []
        self.links = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "img":
            self.pictures.append(attrs)
        for name in ("src", "href"):
            if name in attrs:
                self.links.append(attrs[name])
        if tag not in VOID:
            self.open.append(tag)

    def handle_endtag(self, tag):
        if not self.open or self.open[-1] != tag:
            self.problems.append(f"</{tag}> closes {self.open[-1:] or 'nothing'}")
        else:
            self.open.pop()

    def handle_comment(self, data):
        self.problems.append(f"a comment is left: <!--{data}-->")


def png_size(path):
    with open(path, "rb") as picture:
        header = picture.read(24)
    return struct.unpack(">II", header[16:24])


def main():
    system, page_path = sys.argv[1], sys.argv[2]
    folder = os.path.dirname(page_path)
    text = open(page_path, encoding="utf-8").read()
    page = Page()
    page.feed(text)
    page.close()
    problems = list(page.problems)
    if page.open:
        problems.append(f"never closed: {page.open}")
    if "@" in text:
        problems.append("a template value is left (@)")
    for link in page.links:
        if ":" in link or not os.path.isfile(os.path.join(folder, link)):
            problems.append(f"{link} is not a file beside the page")
    for picture in page.pictures:
        path = os.path.join(folder, picture.get("src", ""))
        if os.path.isfile(path):
            size = png_size(path)
            said = (int(picture.get("width", 0)), int(picture.get("height", 0)))
            if said != size:
                problems.append(f"{picture['src']} is {size}, the page says {said}")
    for needed in REQUIRED[system]:
        if needed not in text:
            problems.append(f"no \"{needed}\"")
    for other in FORBIDDEN[system]:
        if other in text:
            problems.append(f"\"{other}\" is not for {system}")
    for problem in problems:
        print(f"check_read_me: {page_path}: {problem}", file=sys.stderr)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
