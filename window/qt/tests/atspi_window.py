"""Looks at Quillfold's window as a screen reader does, through AT-SPI.

Usage: atspi_window.py frame             the top-level is a frame named by
                                         its caption, where Label1 labels
                                         the folder list
       atspi_window.py toggle 1|2        runs Check1's or Check2's Toggle
       atspi_window.py expect on|off on|off
                                         waits until the filter and the
                                         paging controls show as given
Exits 1, saying what differs, when the window does not look as expected.
"""
import re
import sys
import time

import pyatspi

CAPTION = re.compile(r"^Quillfold( from .+)?$")
FILTER_CAPTIONS = {
    True: "type file type in box below, for example, .html or .txt or .doc",
    False: "tick here if you want to choose a specific file type",
}
# What shows with each option, by its accessible name.
FILTER_CONTROLS = ["Filter text"]
PAGING_CONTROLS = ["Create", "Links per page", "links per page"]


def fail(message):
    print("atspi: " + message, file=sys.stderr)
    sys.exit(1)


def window():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            for top in app or []:
                if top is not None and CAPTION.match(top.name or ""):
                    return top
        time.sleep(0.1)
    fail("no Quillfold window on the accessibility bus")


def controls(top):
    return [child for child in top if child is not None]


def check_boxes(top):
    return [c for c in controls(top) if c.getRole() == pyatspi.ROLE_CHECK_BOX]


def showing(control):
    return control.getState().contains(pyatspi.STATE_SHOWING)


def differences(top, filter_on, paging_on):
    """How the window differs from showing the filter and paging as given."""
    caption = check_boxes(top)[0].name
    shown = {c.name: showing(c) for c in controls(top)}
    found = []
    if caption != FILTER_CAPTIONS[filter_on]:
        found.append("Check1 says %r" % caption)
    for names, on in ((FILTER_CONTROLS, filter_on), (PAGING_CONTROLS, paging_on)):
        for name in names:
            if shown.get(name) != on:
                found.append("%s is %s" % (name, "shown" if shown.get(name) else "hidden"))
    return found


def main(args):
    top = window()
    if args == ["frame"]:
        if top.getRole() != pyatspi.ROLE_FRAME:
            fail("the window's role is %s, not frame" % top.getRoleName())
        label = next(c for c in controls(top) if c.name == "Step 1: choose a folder")
        labelled = [r.getTarget(0) for r in label.getRelationSet()
                    if r.getRelationType() == pyatspi.RELATION_LABEL_FOR]
        if [(c.name, c.getRole()) for c in labelled] != [("Folders", pyatspi.ROLE_LIST)]:
            fail("Label1 labels %s, not the folder list" % [c.name for c in labelled])
    elif len(args) == 2 and args[0] == "toggle":
        box = check_boxes(top)[int(args[1]) - 1]
        actions = box.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if "Toggle" not in names:
            fail("Check%s offers %s, no Toggle" % (args[1], names))
        actions.doAction(names.index("Toggle"))
    elif len(args) == 3 and args[0] == "expect":
        filter_on, paging_on = (arg == "on" for arg in args[1:])
        for _ in range(50):
            found = differences(top, filter_on, paging_on)
            if not found:
                return
            time.sleep(0.1)
        fail("with the filter %s and paging %s: %s" % (args[1], args[2], "; ".join(found)))
    else:
        fail("usage: atspi_window.py frame | toggle 1|2 | expect on|off on|off")


main(sys.argv[1:])
