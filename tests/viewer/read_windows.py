#!/usr/bin/python3
# Reads the running program's windows through the accessibility bus
# (AT-SPI), as a screen reader does, and checks that every control the
# keyboard reaches has a name that says what it is: the Viewer; a row of its
# list selected, which shows its picture; its status line, announced when it
# changes (a path that does not exist typed in its field, then the opened
# packet's path again); the About window, opened with the
# "Help" button and closed with its own button; the template question and the
# Builder, opened with "Build New Resource Packet ..." and answered No.
# Each window's focusable controls are printed as "role: name" lines.
#
# Nothing here depends on the language the program speaks, except that in
# English (--english) the names must also be the English ones of the tables
# below. Everywhere a field must be named by the label just before it, read
# from the same tree, a row's picture by the row's resource name and the
# picture's size, read from the demo folder's GIF files, and the status line's
# announcement must be the words the line then shows in the tree.
#
# Usage: read_windows.py PROGRAM_PID DEMO_FOLDER [--english]
import os
import re
import sys
import tempfile
import time
import unicodedata

import pyatspi
from gi.repository import GLib

TIMEOUT = 15.0  # seconds to wait for the program or a window

# A window's controls that the keyboard reaches, in the order of its tree
# (the tab order), with their English names. A field's English name is the
# label before it; a trailing colon is not compared.
VIEWER = [
    ("text", "Resource Packet:"),
    ("push button", "Choose the resource packet"),
    ("table", "Resources of the opened packet"),
    ("push button", "Save As ..."),
    ("push button", "Save All ..."),
    ("push button", "Build New Resource Packet ..."),
    ("push button", "Help"),
]
ABOUT = [
    ("push button", "OK"),
    ("text", "How Skinwright is used"),
]
QUESTION = [
    ("label", "Use the opened resource packet as template?"),
    ("push button", "Yes"),
    ("push button", "No"),
]
BUILDER = [
    ("table", "Resources of the new packet"),
    ("push button", "Generate Packet ..."),
    ("text", "Work Folder(where your picture locating):"),
    ("push button", "Choose the work folder"),
    ("text", "Your Comments:"),
    ("push button", "Add Resource ..."),
    ("push button", "Remove"),
    ("push button", "Remove All"),
]

# Where the controls that work the windows stand in those tables.
VIEWER_BUILD, VIEWER_HELP = 5, 6
ABOUT_CLOSE = 0
QUESTION_NO = 2
ROW_TO_PREVIEW = 1  # the second row of the demo packet: a picture wider than high

# Roles whose children are content (rows, cells, lines), not controls.
CONTENT_HOLDERS = {"table", "list", "tree table", "tree", "text"}

failures = []


def fail(message):
    failures.append(message)
    print(f"FAIL: {message}", flush=True)


def wait_for(what, probe, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise SystemExit(f"FAIL: timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)


def state(accessible, which):
    return accessible.getState().contains(which)


def is_said(name):
    """A name says something when it holds a letter or a digit: "?" or "..." does not."""
    return any(unicodedata.category(c)[0] in "LN" for c in name)


def without_colon(text):
    return text.strip().rstrip(":\uff1a").strip()  # ASCII or full-width colon


def program(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def shown_windows(app):
    app.clearCache()
    return [w for w in app if w is not None and state(w, pyatspi.STATE_SHOWING)]


def new_window(app, before):
    """Waits for a shown window of the program that is not among `before`."""
    def probe():
        fresh = [w for w in shown_windows(app) if all(w != b for b in before)]
        return fresh[0] if fresh and fresh[0].childCount > 0 else None
    return probe


def focusable_controls(node):
    """The focusable controls under `node`, in tree order, without going into lists and fields."""
    found = []
    for child in node:
        if child is None:
            continue
        if state(child, pyatspi.STATE_FOCUSABLE):
            found.append(child)
        if child.getRoleName() not in CONTENT_HOLDERS:
            found.extend(focusable_controls(child))
    return found


def labelled_by(control):
    for relation in control.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i) for i in range(relation.getNTargets())]
    return []


def label_before(control):
    """The label just before `control` among its siblings, or None."""
    index = control.getIndexInParent()
    if index <= 0:
        return None
    previous = control.parent[index - 1]
    return previous if previous.getRoleName() == "label" else None


def press(control):
    action = control.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise SystemExit(f"FAIL: '{control.name}' offers no Press action, only {names}")
    action.doAction(names.index("Press"))


def check_window(title, window, expected, english):
    """Prints the window's focusable controls and checks their names. Returns them."""
    controls = focusable_controls(window)
    print(f"== {title}: '{window.name}' ({window.getRoleName()})")
    for control in controls:
        print(f"{control.getRoleName()}: {control.name}")

    for control in controls:
        if not is_said(control.name):
            fail(f"{title}: a {control.getRoleName()} is named '{control.name}', which says nothing")

    roles = [c.getRoleName() for c in controls]
    if roles != [role for role, _ in expected]:
        fail(f"{title}: focusable controls {roles}, expected {[role for role, _ in expected]}")
        return controls

    for control, (role, english_name) in zip(controls, expected):
        if role == "text" and english_name.endswith(":"):
            # A field named by the label before it: the same words, and the
            # relation a screen reader follows from the field to its label.
            label = label_before(control)
            if label is None:
                fail(f"{title}: the field '{control.name}' has no label before it")
            else:
                if without_colon(control.name) != without_colon(label.name):
                    fail(f"{title}: the field is named '{control.name}', its label reads '{label.name}'")
                if not any(target == label for target in labelled_by(control)):
                    fail(f"{title}: the field '{control.name}' is not labelled by '{label.name}'")
            if english and without_colon(control.name) != without_colon(english_name):
                fail(f"{title}: the field is named '{control.name}', expected '{english_name}'")
        elif english and control.name != english_name:
            fail(f"{title}: the {role} is named '{control.name}', expected '{english_name}'")

    # A button whose caption is a sign and a list are named by words.
    for index, (control, (role, _)) in enumerate(zip(controls, expected)):
        after_field = index > 0 and expected[index - 1][0] == "text"
        if (role == "table" or (role == "push button" and after_field)) and len(control.name) <= 3:
            fail(f"{title}: the {role} is named only '{control.name}'")
    return controls


def gif_size(path):
    with open(path, "rb") as gif:
        header = gif.read(10)
    return int.from_bytes(header[6:8], "little"), int.from_bytes(header[8:10], "little")


def check_preview(viewer, controls, demo, english):
    """Selects a row of the Viewer's list: the picture area is named by the row's picture."""
    table = controls[VIEWER.index(("table", "Resources of the opened packet"))]
    before = [(child.getRoleName(), child.name) for child in viewer]
    try:
        table.querySelection()
        print("the list offers the AT-SPI Selection interface")
    except NotImplementedError:
        print("the list offers no AT-SPI Selection interface; selecting its row through the Table interface")
    if not table.queryTable().addRowSelection(ROW_TO_PREVIEW):
        fail("the list refused to select a row through AT-SPI")
        return
    cell = table.queryTable().getAccessibleAt(ROW_TO_PREVIEW, 0)
    resource = cell.name
    picture = wait_for("the picture of the selected row",
                       lambda: next((c for c in viewer if c.getRoleName() == "image"), None), timeout=5)
    index = picture.getIndexInParent()
    print(f"picture area before: {before[index][0]}: {before[index][1]}")
    print(f"picture area after selecting row {ROW_TO_PREVIEW + 1} ({resource}): "
          f"{picture.getRoleName()}: {picture.name}")

    files = [name for name in sorted(os.listdir(demo)) if name.startswith(resource)]
    if len(files) != 1:
        fail(f"no single demo picture for the row '{resource}': {files}")
        return
    width, height = gif_size(os.path.join(demo, files[0]))
    if not is_said(before[index][1]):
        fail(f"the picture area was named '{before[index][1]}' before a picture was shown")
    if english and before[index][1] != "No picture shown":
        fail(f"the picture area was named '{before[index][1]}', expected 'No picture shown'")
    if resource not in picture.name:
        fail(f"the picture area is named '{picture.name}', without the row's name '{resource}'")
    if not re.search(rf"(?<!\d){width}(?!\d).*(?<!\d){height}(?!\d)", picture.name):
        fail(f"the picture area is named '{picture.name}', without its size {width} by {height}")
    if english and not picture.name.startswith("Picture "):
        fail(f"the picture area is named '{picture.name}', expected 'Picture {resource}, ...'")


# The events by which a screen reader learns that a label's words changed.
CHANGE_EVENTS = ["object:property-change:accessible-name", "object:text-changed", "object:visible-data-changed"]


def check_status_announced(viewer, controls):
    """Types a path that does not exist in the path field: the status line's new words are announced."""
    # With a picture shown, the one label that names no control is the status line.
    found = [child for child in viewer if child is not None and child.getRoleName() == "label"
             and not any(child == label for control in controls for label in labelled_by(control))]
    if len(found) != 1:
        fail(f"the Viewer has {len(found)} labels that name no control, expected one status line: "
             f"{[label.name for label in found]}")
        return
    status = found[0]
    loaded = status.name
    print(f"status line: {loaded}")
    if not is_said(loaded):
        fail(f"the status line reads '{loaded}' with the packet opened, which says nothing")
        return

    heard = []  # (event type, the words a screen reader says) of the status line's events

    def listen(event):
        try:
            if event.source != status:
                return
            said = event.any_data if event.type.startswith("object:property-change") else None
            # An event that does not carry the new words: a screen reader reads the label's name.
            heard.append((event.type, said if isinstance(said, str) and said else event.source.name))
        except Exception as error:  # the label gone meanwhile
            heard.append((event.type, f"<unreadable: {error}>"))

    field = controls[VIEWER.index(("text", "Resource Packet:"))]
    editable = field.queryEditableText()
    opened = field.queryText().getText(0, -1)
    context = GLib.MainContext.default()
    pyatspi.Registry.registerEventListener(listen, *CHANGE_EVENTS)
    try:
        with tempfile.TemporaryDirectory() as empty:
            # Registering waited for the registry, which tells the program of the
            # listener before it answers: the program hears of it before this call.
            if not editable.setTextContents(os.path.join(empty, "missing.ezx")):
                fail("the path field refused a text set through AT-SPI")
                return
            changed = wait_for("the status line to change after a path that does not exist was typed",
                               lambda: status.name if status.name != loaded else None, timeout=5)
        deadline = time.monotonic() + 5
        while not any(said == changed for _, said in heard) and time.monotonic() < deadline:
            while context.pending():
                context.iteration(False)
            time.sleep(0.01)
        kinds = sorted({kind for kind, said in heard if said == changed})
        print(f"status line after a path that does not exist: {changed} (announced by {', '.join(kinds) or 'nothing'})")
        if not is_said(changed):
            fail(f"the status line reads '{changed}' for a path that does not exist, which says nothing")
        if not kinds:
            fail(f"the status line changed from '{loaded}' to '{changed}' unannounced; "
                 f"its events said {[said for _, said in heard] or 'nothing'}")
    finally:
        pyatspi.Registry.deregisterEventListener(listen, *CHANGE_EVENTS)
        # The opened packet again, for the Builder, which takes it as template.
        editable.setTextContents(opened)
        wait_for("the status line to read as with the packet opened", lambda: status.name == loaded, timeout=5)


def main():
    pid, demo = int(sys.argv[1]), sys.argv[2]
    english = "--english" in sys.argv[3:]
    started = time.monotonic()

    app = wait_for("the program on the accessibility bus", lambda: program(pid))
    viewer = wait_for("the Viewer", lambda: next((w for w in shown_windows(app) if w.childCount), None))
    controls = check_window("Viewer", viewer, VIEWER, english)
    if len(controls) != len(VIEWER):
        raise SystemExit(1)
    check_preview(viewer, controls, demo, english)
    check_status_announced(viewer, controls)

    # "Help": the About window; its button closes it.
    before = shown_windows(app)
    press(controls[VIEWER_HELP])
    about = wait_for("the About window", new_window(app, before))
    about_controls = check_window("About", about, ABOUT, english)
    if len(about_controls) == len(ABOUT):
        press(about_controls[ABOUT_CLOSE])
        wait_for("the About window to close", lambda: all(w != about for w in shown_windows(app)), timeout=5)

    # "Build New Resource Packet ...": the template question, then the Builder.
    before = shown_windows(app)
    press(controls[VIEWER_BUILD])
    question = wait_for("the template question", new_window(app, before))
    question_controls = check_window("Template question", question, QUESTION, english)
    if len(question_controls) != len(QUESTION):
        raise SystemExit(1)
    press(question_controls[QUESTION_NO])
    wait_for("the template question to close", lambda: all(w != question for w in shown_windows(app)), timeout=5)
    builder = wait_for("the Builder", new_window(app, [w for w in before if w != question]))
    builder_controls = check_window("Builder", builder, BUILDER, english)
    if builder_controls and builder_controls[0].getRoleName() == "table":
        rows = builder_controls[0].queryTable().nRows
        if rows != 0:
            fail(f"the Builder answered No lists {rows} rows; without the packet as template it starts empty")

    print(f"read in {time.monotonic() - started:.1f} s")
    if failures:
        print(f"{len(failures)} fault(s)")
        raise SystemExit(1)
    print("every focusable control of the Viewer, the About window, the template question and the Builder "
          "has a name that says what it is")


if __name__ == "__main__":
    main()
