#!/usr/bin/python3
"""Reads the converter's window through AT-SPI as a screen reader does, and checks what it finds.

    accessibility_client.py OPENED_LOG

OPENED_LOG is where the stand-in browser writes the addresses it is asked to open."""
import sys
import time
import warnings

warnings.simplefilter("ignore", DeprecationWarning)
import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

APPLICATION = "BVN Unit Converter"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def nodes(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child)


def application(timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == APPLICATION:
                return app
        time.sleep(0.1)
    sys.exit(f"{APPLICATION} never appeared on the accessibility bus")


def tree(app, timeout=20):
    """Every node once the window's boxes are there; it registers before its window exists."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            found = list(nodes(app))
            if sum(n.get_role_name() == "text" for n in found) >= 39:
                return found
        except gi.repository.GLib.GError:  # a node went away during the walk
            pass
        if time.monotonic() > deadline:
            sys.exit("the window's 39 boxes never appeared")
        time.sleep(0.1)


def text(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def wait_text(node, wanted, timeout=3):
    deadline = time.monotonic() + timeout
    while text(node) != wanted and time.monotonic() < deadline:
        time.sleep(0.05)
    return text(node)


def labelled_by(node):
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            return [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    return []


def main():
    opened_log = sys.argv[1]
    found = tree(application())
    by_role = {}
    for node in found:
        by_role.setdefault(node.get_role_name(), []).append(node)

    # Nothing a reader stops on without learning what it is.
    unnamed = [role for role in ("frame", "image", "label", "push button", "text",
                                 "link", "panel") for node in by_role.get(role, [])
               if node.get_name() == ""]
    check(not unnamed, f"nothing a reader stops on is without a name: {unnamed}")
    frames = [n.get_name() for n in by_role.get("frame", [])]
    check(len(frames) == 1 and frames[0].startswith("Brelvan, Inc. Unit Converter"),
          f"the window is the only frame: {frames}")

    images = [n.get_name() for n in by_role.get("image", [])]
    check(images == ["Brelvan, Inc logo"], f"the logo is one named image: {images}")

    # The buttons say which units they show.
    descriptions = {n.get_name(): n.get_description() for n in by_role.get("push button", [])}
    for button, units in [("Length", ["yards", "inches"]), ("Time", ["years", "nanoseconds"]),
                          ("Mass", ["long tons", "carats"]),
                          ("Temperature", ["degrees Celsius", "kelvins"]),
                          ("Area", ["acres", "square millimetres"])]:
        said = descriptions.get(button, "")
        check(all(unit in said for unit in units), f"button {button} says {said!r}")

    # Each box has its unit in words as its name and its caption as its label, which says the
    # unit in words too: a reader names the box after its label.
    boxes = {}
    for node in by_role.get("text", []):
        boxes.setdefault(node.get_name(), node)
    mislabelled = [(n.get_name(), labelled_by(n)) for n in by_role.get("text", [])
                   if labelled_by(n) != [n.get_name()]]
    check(not mislabelled, f"every box is labelled by its caption, named as the box: {mislabelled}")

    # A value set through the editable text of the active box (the first, until a key is typed
    # elsewhere) converts into the other boxes.
    Atspi.EditableText.set_text_contents(boxes["yards"], "5")
    for name, wanted in [("yards", "5"), ("metres", "4.572"), ("inches", "179.9999995"),
                         ("miles", "0.0028409")]:
        got = wait_text(boxes[name], wanted)
        check(got == wanted, f"after 5 yards, {name} reads {got!r}")

    # The web address is a link that a reader can activate.
    links = by_role.get("link", [])
    check([n.get_name() for n in links] == ["http://www.brelvan.example/"],
          f"one link, the web address: {[n.get_name() for n in links]}")
    if links:
        link = links[0]
        actions = [Atspi.Action.get_action_name(link, i)
                   for i in range(Atspi.Action.get_n_actions(link))]
        check(len(actions) == 1, f"the link has one action: {actions}")
        Atspi.Action.do_action(link, 0)
        deadline = time.monotonic() + 10
        opened = []
        while not opened and time.monotonic() < deadline:
            try:
                opened = open(opened_log).read().split()
            except FileNotFoundError:
                time.sleep(0.1)
        check(opened == ["http://www.brelvan.example/"], f"activating the link opened {opened}")

    print(f"{len(found)} nodes read; {len(failures)} failures")
    return 1 if failures else 0


sys.exit(main())
