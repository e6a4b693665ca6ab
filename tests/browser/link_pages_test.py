#!/usr/bin/env python3
"""Hostile file names through the real quillfold-cli, read back in Chromium.

A static server that sends `Content-Type: text/html` without a charset (the
default of Python's http.server, nginx and Apache) leaves the browser to
decode the pages as windows-1252. This test writes pages for a folder of
hostile names, serves them that way on 127.0.0.1, loads every page in
headless Chromium over the DevTools protocol and checks, from the rendered
text (innerText, after the browser's white-space collapsing), that each link
shows its file's name as names are shown and that its resolved address
fetches exactly that file's bytes.

Usage: link_pages_test.py --cli PATH/TO/quillfold-cli [--chromium PATH]
Exit status: 0 passed, 1 failed, 77 Chromium is not installed (skipped).
"""

import argparse
import contextlib
import fcntl
import http.server
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import urllib.error
import urllib.parse
import urllib.request

SKIPPED = 77
LINKS_PER_PAGE = 3
# Every wait on Chromium or the server ends after this long with a failure
# naming what was awaited, instead of running into ctest's timeout.
WAIT_SECONDS = 30

NAMES = [
    # Characters outside ASCII, up to the last code point.
    "Müller.pdf".encode(),
    "日本語.txt".encode(),
    "😀 smile.png".encode(),
    "e\u0301 combining accent.txt".encode(),
    "no\u00a0break space.txt".encode(),
    "\ufeffbyte order mark.txt".encode(),
    "\ufffd a real replacement character.txt".encode(),
    "\U0010ffff last code point.txt".encode(),
    # C1 controls, which no reference shows: they show by their code.
    "next\u0085line \u0080 \u009f.txt".encode(),
    # Names that would read as other names: reordered, invisible, blank.
    "invoice\u202efdp.exe".encode(),
    "photo\u202egpj.sh".encode(),
    "\u202elmth.1xedni".encode(),
    "index1\u200b.html".encode(),
    "\u2066isolate\u2069 \u200e\u200f\u061c.txt".encode(),
    "soft\u00adhyphen \u2060joiner.txt".encode(),
    b" ",
    b"  ",
    b" leading and trailing ",
    b"two  blanks.txt",
    # Markup, and text that looks like a reference but must stay text.
    'café & <tags> "q".html'.encode(),
    b"<img src=x onerror=alert(1)>",
    b"&#233; &amp; literal.txt",
    # What a URL would read as a fragment, a query, an escape or a scheme.
    b"a#b%c?d.txt",
    b"100%20.txt",
    b"with space.txt",
    b"javascript:alert(1)",
    b"'single' quotes.txt",
    b".hidden",
    # Control bytes: shown by their code.
    b"tab\there.txt",
    b"new\nline.txt",
    b"carriage\rreturn.txt",
    b"escape\x1b[31m.txt",
    b"delete\x7f.txt",
    # Not UTF-8: each byte of an ill-formed sequence shows as U+FFFD.
    b"\xff\xfe latin1 \xe9.txt",
    b"lone \x80 continuation.txt",
    b"\xc0\xaf.txt",  # an overlong "/"
    b"\xed\xa0\x80.txt",  # a surrogate
    b"truncated \xe6\x97.txt",  # the first two bytes of a three-byte sequence
    b"\xf4\x90\x80\x80 past the last code point.txt",
    b"\xf8\x88\x80\x80\x80 five bytes.txt",
]


# The characters a name shows by its code, as <U+202E>: controls,
# direction controls and characters drawn as nothing.
SHOWN_BY_CODE = [
    (0x00, 0x1F), (0x7F, 0x9F), (0xAD, 0xAD), (0x61C, 0x61C), (0x180E, 0x180E),
    (0x200B, 0x200F), (0x2028, 0x202E), (0x2060, 0x206F), (0xFEFF, 0xFEFF),
    (0xFFF9, 0xFFFB), (0xE0000, 0xE007F),
]


def shown_text(name):
    """The text a page must show for the name: each well-formed UTF-8
    sequence is its character, or its code for the characters above, each
    other byte one U+FFFD; each blank that a browser would collapse (at
    either end, or after another blank) a no-break space.

    Python's own errors="replace" would not do: it replaces a truncated
    sequence such as E6 97 with a single U+FFFD, while a page writes one
    per byte. UTF-8 is prefix-free, so at most one length decodes strictly
    to exactly one character, and the strict decoder alone decides what is
    well-formed (no overlong forms, surrogates or code points past
    U+10FFFF)."""
    text = []
    at = 0
    while at < len(name):
        for length in range(1, 5):
            try:
                decoded = name[at:at + length].decode("utf-8")
            except UnicodeDecodeError:
                continue
            if len(decoded) == 1:
                code = ord(decoded)
                by_code = any(low <= code <= high for low, high in SHOWN_BY_CODE)
                text.append(f"<U+{code:04X}>" if by_code else decoded)
                at += length
                break
        else:
            text.append("\ufffd")
            at += 1
    shown = "".join(text)
    return "".join("\u00a0" if c == " " and (i == 0 or i == len(shown) - 1 or shown[i - 1] == " ")
                   else c for i, c in enumerate(shown))


def check_shown_text():
    # The rule above against hand-made answers, so that a mistake in the
    # expectation cannot pass as a page fault or hide one.
    cases = {
        b"plain.txt": "plain.txt",
        "Müller 日本 😀".encode(): "Müller 日本 😀",
        b"\xe6\x97x": "\ufffd\ufffdx",
        b"\xc0\xaf": "\ufffd\ufffd",
        b"\xed\xa0\x80": "\ufffd\ufffd\ufffd",
        b"\xf4\x90\x80\x80": "\ufffd\ufffd\ufffd\ufffd",
        b"\x80\xc3\xa9\xc3": "\ufffd\u00e9\ufffd",
        b"a\tb\n": "a<U+0009>b<U+000A>",
        "a\u202eb\u00a0\u200b".encode(): "a<U+202E>b\u00a0<U+200B>",
        b" a  b ": "\u00a0a \u00a0b\u00a0",
        b"  ": "\u00a0\u00a0",
    }
    for name, expected in cases.items():
        got = shown_text(name)
        if got != expected:
            raise AssertionError(f"shown_text({name!r}) is {got!r}, expected {expected!r}")


def content_of(index, name):
    # Distinct for every file, so a fetched body names the file it came from.
    return b"quillfold browser test file %d: " % index + name + b"\n"


class ByteNameHandler(http.server.SimpleHTTPRequestHandler):
    """Python's static file handler, with the address decoded to the name's
    bytes. The stock one decodes %XX escapes as UTF-8 and so cannot serve a
    name that is not UTF-8 (nginx and Apache can). Everything else, the
    Content-Type without a charset included, is the stock handler's."""

    def translate_path(self, path):
        path = path.split("?", 1)[0].split("#", 1)[0]
        raw = urllib.parse.unquote_to_bytes(path)
        parts = [part for part in raw.split(b"/") if part not in (b"", b".", b"..")]
        return os.path.join(self.directory, *[os.fsdecode(part) for part in parts])

    def log_message(self, format, *args):
        pass  # Quiet: a failure is reported by what the test checks.


class DevTools:
    """A DevTools protocol client over --remote-debugging-pipe: Chromium
    reads NUL-terminated JSON messages on fd 3 and writes them on fd 4."""

    def __init__(self, chromium, profile):
        to_browser_read, self._to_browser = os.pipe()
        self._from_browser, from_browser_write = os.pipe()
        # The child's ends first move to fd 10 or above, so that putting
        # them on 3 and 4 cannot overwrite one with the other.
        to_browser_read = self._moved_high(to_browser_read)
        from_browser_write = self._moved_high(from_browser_write)
        args = [
            chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
            "--no-first-run", "--disable-background-networking", "--disable-component-update",
            "--disable-sync", "--user-data-dir=" + profile, "--remote-debugging-pipe",
            "--lang=en-US", "about:blank",
        ]
        # The locale picks the default encoding of an undeclared page; en-US
        # is the common case, windows-1252.
        env = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
        env["LANG"] = "C.UTF-8"
        # bash (dash takes no fd above 9) moves the pipe ends to the numbers
        # Chromium expects.
        shell = 'exec "$@" 3<&%d 4>&%d %d<&- %d>&-' % (
            to_browser_read, from_browser_write, to_browser_read, from_browser_write)
        self.log_path = os.path.join(os.path.dirname(profile), "chromium.log")
        self._log = open(self.log_path, "wb")
        self.process = subprocess.Popen(
            ["/bin/bash", "-c", shell, "bash"] + args,
            pass_fds=(to_browser_read, from_browser_write),
            stdin=subprocess.DEVNULL, stdout=self._log, stderr=self._log,
            env=env, start_new_session=True)
        os.close(to_browser_read)
        os.close(from_browser_write)
        self._buffer = b""
        self._next_id = 0
        self._events = []

    @staticmethod
    def _moved_high(fd):
        moved = fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10)
        os.close(fd)
        return moved

    def close(self):
        with contextlib.suppress(OSError):
            os.close(self._to_browser)
        with contextlib.suppress(OSError):
            os.close(self._from_browser)
        # Chromium's helpers share its process group (a new session).
        if self.process.poll() is None:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                pass
        with contextlib.suppress(ProcessLookupError):
            os.killpg(self.process.pid, signal.SIGKILL)
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.process.wait(5)
        self._log.close()

    def log_tail(self):
        self._log.flush()
        with open(self.log_path, "rb") as log:
            return log.read()[-2000:].decode(errors="replace")

    def _receive(self, deadline, what):
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._from_browser], [], [], left)[0]:
                raise TestFailure(f"Chromium did not answer in {WAIT_SECONDS} s while waiting for {what}")
            data = os.read(self._from_browser, 1 << 16)
            if not data:
                raise TestFailure(f"Chromium closed its DevTools pipe while waiting for {what}"
                                  f" (exit status {self.process.poll()}); its output ends:\n"
                                  + self.log_tail())
            self._buffer += data
        message, _, self._buffer = self._buffer.partition(b"\0")
        return json.loads(message)

    def call(self, method, params=None, session=None):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + WAIT_SECONDS
        while True:
            reply = self._receive(deadline, method)
            if reply.get("id") == self._next_id:
                if "error" in reply:
                    raise TestFailure(f"{method} failed: {reply['error']}")
                return reply["result"]
            if "method" in reply:
                self._events.append(reply)

    def wait_event(self, method, session):
        deadline = time.monotonic() + WAIT_SECONDS
        while True:
            for event in self._events:
                if event["method"] == method and event.get("sessionId") == session:
                    self._events.remove(event)
                    return event
            self._events.append(self._receive(deadline, method))


class TestFailure(Exception):
    pass


# Read from the DOM once the page has loaded. A resolved href is the
# address the browser would follow.
PAGE_STATE = """(() => {
  const navigation = performance.getEntriesByType('navigation')[0];
  return {
    url: location.href,
    status: navigation ? navigation.responseStatus : null,
    characterSet: document.characterSet,
    contentType: document.contentType,
    elements: [...new Set(Array.from(document.querySelectorAll('*'), e => e.localName))],
    links: Array.from(document.querySelectorAll('a'), a => ({text: a.innerText, href: a.href})),
  };
})()"""


class Browser:
    def __init__(self, devtools):
        self._devtools = devtools
        target = devtools.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self._session = devtools.call(
            "Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        devtools.call("Page.enable", session=self._session)

    def load(self, url):
        result = self._devtools.call("Page.navigate", {"url": url}, session=self._session)
        if result.get("errorText"):
            raise TestFailure(f"Chromium could not load {url}: {result['errorText']}")
        self._devtools.wait_event("Page.loadEventFired", self._session)
        result = self._devtools.call(
            "Runtime.evaluate", {"expression": PAGE_STATE, "returnByValue": True},
            session=self._session)
        if "exceptionDetails" in result:
            raise TestFailure(f"reading {url} failed: {result['exceptionDetails']}")
        return result["result"]["value"]


def fetch(url):
    """The status, Content-Type and body the server gives for the URL."""
    try:
        with urllib.request.urlopen(url, timeout=WAIT_SECONDS) as response:
            return response.status, response.headers.get("Content-Type"), response.read()
    except urllib.error.HTTPError as error:
        return error.code, error.headers.get("Content-Type"), b""


def run_cli(cli, options, folder):
    result = subprocess.run([cli, *options, folder], capture_output=True, timeout=WAIT_SECONDS)
    if result.returncode != 0:
        raise TestFailure(f"quillfold-cli {' '.join(options)} failed with {result.returncode}:"
                          f" {result.stderr.decode(errors='replace')}")


class Checker:
    def __init__(self, files):
        self.failures = []
        self._files = files  # content -> name

    def fail(self, message):
        self.failures.append(message)

    def check_page(self, state, label):
        """A page as loaded: served, decoded as windows-1252 (no charset
        came with it) and holding nothing but the record markup."""
        if state["status"] != 200:
            self.fail(f"{label}: HTTP status {state['status']}")
        if state["characterSet"] != "windows-1252":
            self.fail(f"{label}: Chromium decoded the page as {state['characterSet']}, not"
                      " windows-1252, so this run does not show how an undeclared page reads")
        if state["contentType"] != "text/html":
            self.fail(f"{label}: document.contentType is {state['contentType']!r}")
        extra = set(state["elements"]) - {"html", "head", "body", "p", "a"}
        if extra:
            self.fail(f"{label}: a name became markup: elements {sorted(extra)}")

    def check_links(self, links, label):
        """Each link must fetch one file's exact bytes and show that file's
        name; every file must be linked exactly once."""
        linked = {}
        for link in links:
            status, _, body = fetch(link["href"])
            name = self._files.get(body) if status == 200 else None
            if name is None:
                self.fail(f"{label}: the link showing {ascii(link['text'])} goes to {link['href']},"
                          f" which is {'HTTP %d' % status if status != 200 else 'no file of the folder'}")
                continue
            linked[name] = linked.get(name, 0) + 1
            if link["text"] != shown_text(name):
                self.fail(f"{label}: the link to {name!r} shows {ascii(link['text'])},"
                          f" expected {ascii(shown_text(name))}")
        for name in self._files.values():
            if linked.get(name, 0) != 1:
                self.fail(f"{label}: {name!r} is linked {linked.get(name, 0)} times, expected once")
        shown = sorted(link["text"] for link in links)
        expected = sorted(shown_text(name) for name in self._files.values())
        if shown != expected:
            self.fail(f"{label}: the shown names differ from the folder's:"
                      f" only shown {ascii(sorted(set(shown) - set(expected)))},"
                      f" never shown {ascii(sorted(set(expected) - set(shown)))}")


def make_folder(path):
    os.mkdir(path)
    files = {}
    for index, name in enumerate(NAMES):
        content = content_of(index, name)
        with open(os.path.join(os.fsencode(path), name), "wb") as file:
            file.write(content)
        files[content] = name
    return files


def check_header(base, page, checker):
    # The pages must come without a charset, or the browser is told the
    # encoding and the case this test is about never arises.
    status, content_type, _ = fetch(base + page)
    if status != 200 or content_type != "text/html":
        checker.fail(f"{page}: the server answered {status} with Content-Type {content_type!r};"
                     " this test needs exactly 'text/html', without a charset")


def run(cli, chromium, root):
    plain = os.path.join(root, "plain")
    paged = os.path.join(root, "paged")
    files = make_folder(plain)
    if make_folder(paged) != files:
        raise TestFailure("the two folders differ")
    run_cli(cli, [], plain)
    run_cli(cli, ["--paging", "--links-per-page", str(LINKS_PER_PAGE)], paged)

    pages = -(-len(NAMES) // LINKS_PER_PAGE)
    expected_paged = {"index.html"} | {f"index{n}.html" for n in range(1, pages + 1)}
    written = set(os.listdir(paged)) - {os.fsdecode(name) for name in NAMES}
    if written != expected_paged:
        raise TestFailure(f"the paged run wrote {sorted(written)}, expected {sorted(expected_paged)}")

    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), lambda *a, **k: ByteNameHandler(*a, directory=root, **k))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    profile = os.path.join(root, "profile")
    os.mkdir(profile)
    devtools = None
    try:
        base = "http://127.0.0.1:%d/" % server.server_address[1]
        checker = Checker(files)
        check_header(base, "plain/index1.html", checker)
        check_header(base, "paged/index.html", checker)
        check_header(base, "paged/index1.html", checker)
        if checker.failures:
            return checker.failures

        devtools = DevTools(chromium, profile)
        browser = Browser(devtools)

        state = browser.load(base + "plain/index1.html")
        checker.check_page(state, "plain/index1.html")
        checker.check_links(state["links"], "plain/index1.html")

        # The master index, and each page reached through its link.
        state = browser.load(base + "paged/index.html")
        checker.check_page(state, "paged/index.html")
        master_links = state["links"]
        shown_pages = sorted(link["text"] for link in master_links)
        if shown_pages != sorted(expected_paged - {"index.html"}):
            checker.fail(f"paged/index.html lists {shown_pages}")
        links = []
        for link in master_links:
            page = link["text"]
            status, _, body = fetch(link["href"])
            with open(os.path.join(paged, page), "rb") as file:
                if status != 200 or body != file.read():
                    checker.fail(f"paged/index.html: the link to {page} goes to {link['href']},"
                                 f" which does not return that page")
                    continue
            state = browser.load(link["href"])
            checker.check_page(state, "paged/" + page)
            if len(state["links"]) > LINKS_PER_PAGE:
                checker.fail(f"paged/{page} holds {len(state['links'])} links")
            links += state["links"]
        checker.check_links(links, "paged/index*.html")
        return checker.failures
    finally:
        if devtools:
            devtools.close()
        server.shutdown()
        server.server_close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", required=True, help="the quillfold-cli to test")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    args = parser.parse_args()
    if not os.access(args.chromium, os.X_OK):
        print(f"SKIPPED: {args.chromium} is not installed")
        return SKIPPED
    # ctest's timeout sends SIGTERM: leave through the clean-up all the same.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    check_shown_text()

    root = tempfile.mkdtemp(prefix="quillfold-browser-")
    try:
        failures = run(os.path.abspath(args.cli), args.chromium, root)
    except TestFailure as failure:
        failures = [str(failure)]
    finally:
        shutil.rmtree(root, ignore_errors=True)
    if failures:
        print(f"FAILED: {len(failures)} problem(s) with the pages of {args.cli}:")
        for failure in failures:
            print("  " + failure)
        return 1
    print(f"passed: {len(NAMES)} names on one page and on {-(-len(NAMES) // LINKS_PER_PAGE)}"
          f" pages of {LINKS_PER_PAGE}, each shown as its own text in Chromium (windows-1252)"
          " and reaching its file")
    return 0


if __name__ == "__main__":
    sys.exit(main())
