#!/usr/bin/python3
"""Reads Clipwright's windows as a screen reader does, through AT-SPI, and checks one view.

    screen_reader_tree.py main|editor|options|progress [clip path]

main      the main window: a frame that cannot be resized, every control named, nothing
          hidden in the tree, the preview position read with its value, the focus on one
          control
editor    an open time editor of the source list is in the tree, named and focused
options   the Options dialog: a dialog, its editable custom profile box's text field named
progress  the progress dialog: a dialog, its bars with values, the file being converted
          read by its path

Prints what it found wrong and exits 1; exits 0 when the view holds.
"""
import re
import sys
import time

import pyatspi

CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_COLUMN_HEADER,
    pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_SLIDER,
}
TIME = re.compile(r"^\d\d:\d\d:\d\d$")
problems = []


def application(name="Clipwright", seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.3)
    sys.exit("no application named %s on the accessibility bus" % name)


def walk(node, path=()):
    """Every object under node, with the names of its ancestors."""
    yield node, path
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, path + (node.name or node.getRoleName(),))


def has(node, state):
    return node.getState().contains(state)


def where(node, path):
    return "%s \"%s\" in %s" % (node.getRoleName(), node.name, " > ".join(path))


def top_window(app, role, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.getRole() == role and has(window, pyatspi.STATE_SHOWING):
                return window
        time.sleep(0.3)
    sys.exit("no showing %s among the program's windows" % pyatspi.Role(role).__str__())


def value_of(node):
    try:
        return node.queryValue().currentValue
    except NotImplementedError:
        return None


def check_controls_named(window):
    for node, path in walk(window):
        if not has(node, pyatspi.STATE_SHOWING):
            continue
        if node.getRole() in CONTROL_ROLES and not node.name.strip():
            problems.append("no name: " + where(node, path))


def check_main(app):
    frame = top_window(app, pyatspi.ROLE_FRAME)
    if has(frame, pyatspi.STATE_RESIZABLE):
        problems.append("the fixed-size main window says it can be resized")
    check_controls_named(frame)
    # What is not on screen is not in the tree: the window's own controls all show.
    for i in range(frame.childCount):
        child = frame.getChildAtIndex(i)
        if child.getRole() == pyatspi.ROLE_PUSH_BUTTON and not has(child, pyatspi.STATE_SHOWING):
            problems.append("a hidden button is in the tree: " + child.name)
    labels = [node for node, _ in walk(frame) if node.getRole() == pyatspi.ROLE_LABEL]
    position = [l for l in labels if l.description == "Preview position"]
    if len(position) != 1 or not TIME.match(position[0].name):
        problems.append("the preview position is not read with its value: %s"
                        % [(l.name, l.description) for l in position])
    focused = [where(n, p) for n, p in walk(frame) if has(n, pyatspi.STATE_FOCUSED)]
    if not focused:
        problems.append("nothing in the main window has the focus")
    names = {node.name for node, _ in walk(frame)}
    for expected in ("Convert", "Add Files", "Source files", "Start Time", "End Time", "Size limit"):
        if expected not in names:
            problems.append("nothing named %r" % expected)


def check_editor(app):
    frame = top_window(app, pyatspi.ROLE_FRAME)
    editors = [(n, p) for n, p in walk(frame)
               if n.getRole() == pyatspi.ROLE_TEXT and has(n, pyatspi.STATE_FOCUSED)]
    if len(editors) != 1:
        problems.append("no focused text field for the open time editor")
        return
    editor, path = editors[0]
    if editor.name != "Start Time":
        problems.append("the time editor is named %r, not 'Start Time'" % editor.name)
    text = editor.queryText().getText(0, -1)
    if not TIME.match(text):
        problems.append("the time editor's text is %r" % text)


def check_options(app):
    dialog = top_window(app, pyatspi.ROLE_DIALOG)
    check_controls_named(dialog)
    fields = [n for n, p in walk(dialog)
              if n.getRole() == pyatspi.ROLE_TEXT and "Custom Profile" in p]
    if [f.name for f in fields] != ["Custom Profile"]:
        problems.append("the custom profile's text field: %s" % [f.name for f in fields])


def check_progress(app, clip):
    dialog = top_window(app, pyatspi.ROLE_DIALOG)
    check_controls_named(dialog)
    bars = [n for n, _ in walk(dialog)
            if n.getRole() == pyatspi.ROLE_PROGRESS_BAR and has(n, pyatspi.STATE_SHOWING)]
    if not bars:
        problems.append("no progress bar in the progress dialog")
    for bar in bars:
        value = value_of(bar)
        if value is None or not 0 <= value <= 100:
            problems.append("the bar %r has no value from 0 to 100: %r" % (bar.name, value))
    files = [n for n, _ in walk(dialog) if n.getRole() == pyatspi.ROLE_LABEL and n.name == clip]
    if not files or files[0].description != "Current Convert File":
        problems.append("the file being converted is not read by its path")


def main():
    view = sys.argv[1]
    checks = {
        "main": check_main,
        "editor": check_editor,
        "options": check_options,
        "progress": lambda app: check_progress(app, sys.argv[2]),
    }
    if view not in checks:
        sys.exit("unknown view " + view)
    app = application()
    # The window may still be settling (an editor opening, a job starting): the view is
    # read again until it holds or 20 seconds have passed.
    end = time.time() + 20
    while True:
        problems.clear()
        checks[view](app)
        if not problems or time.time() > end:
            break
        time.sleep(0.5)
    for problem in problems:
        print("%s: %s" % (view, problem))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
