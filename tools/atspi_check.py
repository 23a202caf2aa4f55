#!/usr/bin/env python3
"""Walks the program's windows over the Linux accessibility bridge (AT-SPI) and checks what a
screen reader gets from them: the names of text boxes, lists, buttons, labels and menu items,
the result labels after a comparison, and that each described control's description is its
object name.

Run it through tools/atspi_check.sh, which provides a private D-Bus session. This script starts
Xvfb, the accessibility bus and the program itself (with a throw-away home folder), and stops
all three at the end. Exit status: 0 when every check holds, 1 when some fail, 2 when the
check could not run.
"""

import argparse
import atexit
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import warnings
from dataclasses import dataclass, field
from pathlib import Path

TITLE = "Vevi Razo ro. Vozo Veri Vevirazedo"
BURNER_EFFICIENCY = 0.92  # output = input x efficiency; the results must agree with it

# Roles whose controls are named in the window code and so must carry a description, and the
# object-name prefixes a description may have for each role (the naming habit of the code).
DESCRIPTION_PREFIXES = {
    "text": ("txt",),
    "entry": ("txt",),
    "password text": ("txt",),
    "push button": ("cmd", "Cmd_"),
    "list": ("lst",),
    "list box": ("lst",),
    "label": ("lbl", "Lbl_", "Label"),
    "image": ("Pic_", "img", "Image"),
    "popup menu": ("mnu",),
    "menu bar": ("menuBar",),
}
MUST_BE_DESCRIBED = {"text", "entry", "password text", "push button", "list", "list box",
                     "popup menu"}
TEXT_ROLES = {"text", "entry", "password text"}
LIST_ROLES = {"list", "list box"}
BUTTON_ROLES = {"push button", "toggle button"}
IDENTIFIER = re.compile(r"^[A-Za-z][A-Za-z0-9_]*$")
# A name that is an object name rather than words: "txtElevation", "lst_State", "Text1".
OBJECT_NAME_LIKE = re.compile(r"^(?:(?:txt|lst|lbl|cmd|frm|mnu)[A-Z_]\w*|\w*_\w*|[A-Za-z]+\d+)$")

# The result labels a comparison writes into the main window (Details view), per arrangement.
RESULT_NUMBERS = ("InletCFM", "DisCFM", "SpaceCFM", "BTUIn", "BTUOut", "BTUAirLoad", "BTUNet")
RESULT_TEMPERATURES = ("InletTemp", "DisTemp", "SpaceTemp")
ARRANGEMENTS = (("lblDrawThru", "Draw Thru"), ("lblBloThru", "Blow Thru"))

# ---------------------------------------------------------------------------------------------
# Processes this script starts; each gets its own process group so that its children go too.


class Processes:
    def __init__(self, logdir):
        self.logdir = logdir
        self.started = []  # (name, Popen, log path)

    def start(self, name, argv, env, **kwargs):
        log = os.path.join(self.logdir, name + ".log")
        with open(log, "wb") as out:
            proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                    stderr=subprocess.STDOUT, start_new_session=True, **kwargs)
        self.started.append((name, proc, log))
        return proc

    def log_tail(self, name, lines=15):
        for n, _, log in self.started:
            if n == name and os.path.exists(log):
                with open(log, errors="replace") as f:
                    return "".join(f.readlines()[-lines:])
        return ""

    def stop_all(self):
        for _, proc, _ in reversed(self.started):
            if proc.poll() is None:
                try:
                    os.killpg(proc.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + 5
        for _, proc, _ in reversed(self.started):
            try:
                proc.wait(timeout=max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                proc.wait()
        self.started.clear()


def start_xvfb(procs, env):
    """Starts Xvfb on a free display and returns its name (":N")."""
    read_end, write_end = os.pipe()
    proc = procs.start("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                "1280x1024x24", "-nolisten", "tcp"], env, pass_fds=(write_end,))
    os.close(write_end)
    ready, _, _ = select.select([read_end], [], [], 15)
    number = os.read(read_end, 32).decode().strip() if ready else ""
    os.close(read_end)
    if not number or proc.poll() is not None:
        raise SetupError("Xvfb did not start:\n" + procs.log_tail("xvfb"))
    return ":" + number


def bus_launcher():
    for path in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"):
        if os.access(path, os.X_OK):
            return path
    raise SetupError("at-spi-bus-launcher not found (Debian package at-spi2-core)")


def wait_for_accessibility_bus(timeout):
    """Waits until the session bus answers for org.a11y.Bus with an address."""
    from gi.repository import Gio, GLib
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    deadline = time.monotonic() + timeout
    while True:
        try:
            reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                      "GetAddress", None, GLib.VariantType("(s)"),
                                      Gio.DBusCallFlags.NO_AUTO_START, 2000, None)
            if reply.unpack()[0]:
                return
        except GLib.Error:
            pass
        if time.monotonic() > deadline:
            raise SetupError("the accessibility bus did not come up")
        time.sleep(0.2)


class SetupError(Exception):
    pass


# ---------------------------------------------------------------------------------------------
# Reading the accessible tree.

Atspi = None  # imported once the buses are up


@dataclass
class Node:
    acc: object
    role: str
    name: str
    desc: str
    states: set
    actions: list
    value: str | None
    path: str
    children: list = field(default_factory=list)

    @property
    def showing(self):
        return "showing" in self.states

    def walk(self):
        yield self
        for c in self.children:
            yield from c.walk()

    def find(self, desc=None, role=None, name=None):
        for n in self.walk():
            if ((desc is None or n.desc == desc) and (role is None or n.role == role)
                    and (name is None or n.name == name)):
                return n
        return None


STATE_NAMES = {"showing": "SHOWING", "visible": "VISIBLE", "focused": "FOCUSED",
               "sensitive": "SENSITIVE", "checked": "CHECKED"}


def snapshot(acc, path=""):
    role = acc.get_role_name()
    name = acc.get_name() or ""
    desc = acc.get_description() or ""
    state_set = acc.get_state_set()
    states = {k for k, v in STATE_NAMES.items()
              if state_set.contains(getattr(Atspi.StateType, v))}
    actions = []
    try:
        for i in range(Atspi.Action.get_n_actions(acc)):
            actions.append(Atspi.Action.get_action_name(acc, i))
    except Exception:  # no Action interface
        pass
    value = None
    if role in TEXT_ROLES:
        try:
            value = Atspi.Text.get_text(acc, 0, -1)
        except Exception:
            value = None
    here = f"{path}/{desc or name or role}"
    node = Node(acc, role, name, desc, states, actions, value, here)
    for i in range(acc.get_child_count()):
        child = acc.get_child_at_index(i)
        if child is not None:
            node.children.append(snapshot(child, here))
    return node


def find_application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def top_windows(app_acc):
    """The application's top-level windows as snapshots, keyed by their description."""
    windows = {}
    for i in range(app_acc.get_child_count()):
        child = app_acc.get_child_at_index(i)
        if child is not None:
            node = snapshot(child)
            windows[node.desc or node.name] = node
    return windows


def wait_until(what, condition, timeout):
    """Polls condition() until it returns something true; returns it, or None on timeout."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = condition()
        except SetupError:
            raise
        except Exception:  # a window not there yet, or an object gone while being read
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            return None
        time.sleep(0.2)


def press(node):
    """Runs the node's press action ("Press" or "click") through the bridge."""
    for i, action in enumerate(node.actions):
        if action.lower() in ("press", "click"):
            return bool(Atspi.Action.do_action(node.acc, i))
    return False


# ---------------------------------------------------------------------------------------------
# Expectations read from the window code: the captions and accessible names it gives.


def c_string(literal):
    return literal.encode("latin-1", "backslashreplace").decode("unicode_escape")


def read_layout(source):
    """Main-window controls from the layout tables: {objectName: (kind, text)}. Each row's
    first line holds the object name, then the caption (a box: its accessible name)."""
    path = source / "main_window" / "main_layout.cpp"
    if not path.exists():
        return {}
    text = path.read_text(encoding="utf-8")
    controls = {}
    for table, kind in (("Labels", "label"), ("Boxes", "text"), ("Buttons", "button")):
        body = re.search(table + r"\(\)\s*\{.*?=\s*\{(.*?)\n\s*\};", text, re.S)
        if not body:
            continue
        for row in re.finditer(r'^\s*(?:\{|Small\()(.*)$', body.group(1), re.M):
            strings = [c_string(s) for s in re.findall(r'"((?:[^"\\]|\\.)*)"', row.group(1))]
            if len(strings) > 1:
                controls[strings[0]] = (kind, strings[1])
    return controls


def read_menu_captions(source):
    """Menu captions from the main window's menu code, with the mnemonic marks taken out."""
    path = source / "main_window" / "frm_halvex_build.cpp"
    if not path.exists():
        return {}
    text = path.read_text(encoding="utf-8")
    captions = {}
    for m in re.finditer(r'(?:Item|Submenu)\(\w+,\s*"(mnu\w+)",\s*"((?:[^"\\]|\\.)*)"\)', text):
        caption = re.sub(r"&(.)", r"\1", c_string(m.group(2)))
        captions[m.group(1)] = caption
    return captions


# ---------------------------------------------------------------------------------------------
# Checks and the report.


class Report:
    def __init__(self):
        self.failures = []
        self.notes = []

    def fail(self, text):
        self.failures.append(text)

    def note(self, text):
        self.notes.append(text)

    @staticmethod
    def line(text=""):
        print(text)

    @staticmethod
    def heading(text):
        print()
        print(text)
        print("-" * len(text))


def q(text):
    return '"' + text + '"'


def check_descriptions(window, where, report):
    """Each description is an object name: an identifier of the right kind, once per window."""
    seen = {}
    for n in window.walk():
        if n.desc:
            seen.setdefault(n.desc, []).append(n)
            if not IDENTIFIER.match(n.desc):
                report.fail(f"{where}: {n.role} {q(n.name)} has the description {q(n.desc)}, "
                            "which is not an object name")
                continue
            prefixes = DESCRIPTION_PREFIXES.get(n.role)
            if n is window:
                prefixes = ("frm",)
            if prefixes and not n.desc.startswith(prefixes):
                report.fail(f"{where}: {n.role} {q(n.name)} is described {q(n.desc)}; a "
                            f"{n.role} is named {' or '.join(p + '...' for p in prefixes)}")
        elif n.role in MUST_BE_DESCRIBED or n is window:
            report.fail(f"{where}: {n.role} {q(n.name)} has no description (no object name)")
    for desc, nodes in seen.items():
        if len(nodes) > 1:
            report.fail(f"{where}: {len(nodes)} objects share the description {q(desc)}")


def check_names(window, where, report):
    """Text boxes and lists say what they hold; buttons and menu items read their captions."""
    for n in window.walk():
        if n.role in TEXT_ROLES | LIST_ROLES:
            if not n.name.strip():
                report.fail(f"{where}: {n.role} {n.desc or n.path} has no accessible name")
            elif n.name == n.desc or OBJECT_NAME_LIKE.match(n.name):
                report.fail(f"{where}: {n.role} {n.desc} is named {q(n.name)}, an object name "
                            "rather than what it holds")
        elif n.role in BUTTON_ROLES or n.role == "menu item":
            if not n.name.strip():
                report.fail(f"{where}: {n.role} {n.desc or n.path} has no accessible name")
        elif n.role == "image" and not n.name.strip():
            report.note(f"{where}: the picture {n.desc or n.path} has no accessible name; a "
                        "screen reader announces only \"image\"")


def print_controls(window, report, described_labels_only=False):
    """The window's controls as a screen reader meets them, grouped by kind."""
    groups = (("Text boxes (name / text / description)", TEXT_ROLES),
              ("Lists (name / items / description)", LIST_ROLES),
              ("Buttons (name / description)", BUTTON_ROLES),
              ("Labels (name / description)", {"label"}),
              ("Pictures (name / description)", {"image"}))
    for title, roles in groups:
        nodes = [n for n in window.walk() if n.role in roles
                 and not (described_labels_only and n.role == "label" and not n.desc)]
        if not nodes:
            continue
        report.line(f"  {title}:")
        for n in nodes:
            hidden = "" if n.showing else "   [hidden]"
            disabled = "" if "sensitive" in n.states else "   [disabled]"
            if n.role in TEXT_ROLES:
                report.line(f"    {q(n.name):52} text {q(n.value or ''):9} {n.desc}"
                            f"{disabled}{hidden}")
            elif n.role in LIST_ROLES:
                items = [c.name for c in n.children if c.role == "list item"]
                shown = ", ".join(items[:3]) + (", ..." if len(items) > 3 else "")
                report.line(f"    {q(n.name):30} {len(items)} items ({shown})  {n.desc}{hidden}")
            else:
                report.line(f"    {q(n.name):52} {n.desc or '(no description)'}"
                            f"{disabled}{hidden}")


def menu_lines(node, depth=0):
    for c in node.children:
        if c.role == "menu item":
            sub = next((g for g in c.children if g.role == "popup menu"), None)
            described = f"  (menu {sub.desc})" if sub and sub.desc else ""
            disabled = "" if "sensitive" in c.states else "  [disabled]"
            checked = "  [checked]" if "checked" in c.states else ""
            yield f"    {'  ' * depth}{c.name}{described}{disabled}{checked}"
            if sub:
                yield from menu_lines(sub, depth + 1)
        elif c.role == "popup menu":
            yield from menu_lines(c, depth)


def number(text):
    m = re.search(r"-?[\d,]*\.?\d+", text)
    return float(m.group(0).replace(",", "")) if m else None


# ---------------------------------------------------------------------------------------------


def run(args, report):
    global Atspi
    procs = Processes(tempfile.mkdtemp(prefix="atspi-check-logs-"))
    home = tempfile.mkdtemp(prefix="atspi-check-home-")
    atexit.register(shutil.rmtree, procs.logdir, True)
    atexit.register(shutil.rmtree, home, True)
    atexit.register(procs.stop_all)
    for sig in (signal.SIGINT, signal.SIGTERM):
        signal.signal(sig, lambda *_: sys.exit(2))

    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        raise SetupError("no D-Bus session: run tools/atspi_check.sh")
    app_path = Path(args.app).resolve()
    if not os.access(app_path, os.X_OK):
        raise SetupError(f"{app_path} is not built (make, or cmake --build build)")

    import gi
    gi.require_version("Atspi", "2.0")
    gi.require_version("Gio", "2.0")

    env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["DISPLAY"] = start_xvfb(procs, env)
    os.environ["DISPLAY"] = env["DISPLAY"]
    procs.start("at-spi-bus", [bus_launcher(), "--launch-immediately"], env)
    wait_for_accessibility_bus(args.timeout)

    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700)
    app_env = dict(env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    app = procs.start("app", [str(app_path)], app_env)

    from gi.repository import Atspi as atspi_module
    Atspi = atspi_module
    Atspi.set_timeout(5000, 15000)

    def main_window_up():
        if app.poll() is not None:
            raise SetupError(f"the program exited ({app.returncode}):\n" + procs.log_tail("app"))
        acc = find_application(app.pid)
        if acc is None:
            return None
        windows = top_windows(acc)
        main = windows.get("frmHalvex")
        return (acc, main) if main is not None and main.showing else None

    found = wait_until("the main window", main_window_up, args.timeout)
    if not found:
        raise SetupError(f"the program did not appear on the accessibility bus within "
                         f"{args.timeout:.0f} s:\n" + procs.log_tail("app"))
    app_acc, main = found

    print(f"Accessibility check over AT-SPI: {app_path}")
    print(f"(Xvfb {env['DISPLAY']}, private D-Bus session, Qt accessibility bridge; "
          f"application {q(app_acc.get_name())}, process {app.pid})")

    layout = read_layout(Path(args.source))
    menus = read_menu_captions(Path(args.source))
    if not layout:
        report.note("main_window/main_layout.cpp not read: main-window captions compared "
                    "for presence only")

    # ---- The main window before a comparison.
    report.heading(f"Main window: {main.role} {q(main.name)}, description {q(main.desc)}")
    if main.name != TITLE:
        report.fail(f"main window is named {q(main.name)}, not {q(TITLE)}")
    print_controls(main, report)
    menubar = main.find(role="menu bar")
    report.line("  Menus:")
    if menubar is None:
        report.fail("main window: no menu bar on the bridge")
    else:
        for line in menu_lines(menubar):
            report.line(line)
    check_descriptions(main, "main window", report)
    check_names(main, "main window", report)

    for desc, (kind, text) in layout.items():
        n = main.find(desc=desc)
        if n is None:
            report.fail(f"main window: {desc} is not on the bridge (no such description)")
        elif kind == "text" and (n.role not in TEXT_ROLES or n.name != text):
            report.fail(f"main window: {desc} reads as {n.role} {q(n.name)}, "
                        f"not a text box {q(text)}")
        elif kind == "button" and (n.role not in BUTTON_ROLES or n.name != text):
            report.fail(f"main window: {desc} reads as {n.role} {q(n.name)}, "
                        f"not a button {q(text)}")
        elif kind == "label" and n.role != "label":
            report.fail(f"main window: {desc} reads as {n.role}, not a label")
        elif kind == "label" and not desc.startswith("lbl") and n.name != text:
            # Captions read their own text; the value labels are checked after a comparison.
            report.fail(f"main window: caption {desc} reads {q(n.name)}, not {q(text)}")
    if menubar is not None:
        heard = {n.name for n in menubar.walk() if n.role == "menu item"}
        for obj, caption in menus.items():
            if caption not in heard:
                report.fail(f"main window: menu {obj} should read {q(caption)}; the bridge has "
                            "no menu item of that name")

    # ---- Start a comparison through the bridge.
    go = main.find(desc="cmdGo")
    report.heading(f"Pressing {q(go.name) if go else 'cmdGo'} (cmdGo) through its AT-SPI action")
    if go is None or not press(go):
        report.fail("cmdGo could not be pressed through AT-SPI (no Press/click action)")
        return

    def results_up():
        m = top_windows(app_acc)["frmHalvex"]
        shown = [m.find(desc=d) for d in ("lblDrawThruInletCFM", "cmdShowFormulas")]
        return m if all(n is not None and n.showing for n in shown) else None

    main = wait_until("the results", results_up, args.timeout)
    if main is None:
        report.fail("after pressing cmdGo no results appeared within "
                    f"{args.timeout:.0f} s (lblDrawThruInletCFM stayed hidden)")
        return
    report.line(f"  The button now reads {q(main.find(desc='cmdGo').name)}.")

    values = {}
    for prefix, caption in ARRANGEMENTS:
        report.line(f"  {caption}:")
        for suffix in RESULT_NUMBERS + RESULT_TEMPERATURES:
            desc = prefix + suffix
            n = main.find(desc=desc)
            if n is None:
                report.fail(f"result {desc} is not on the bridge")
                continue
            report.line(f"    {desc:24} {q(n.name)}")
            if not n.showing:
                report.fail(f"result {desc} is hidden after the comparison")
            elif not re.search(r"\d", n.name):
                report.fail(f"result {desc} reads {q(n.name)}, not a value")
            values[desc] = number(n.name)
        for n in main.walk():
            if n.role == "label" and n.desc.startswith(prefix) and n.showing and not n.name:
                report.note(f"main window: {n.desc} is showing but empty after a comparison; "
                            "a screen reader passes over it")
        # What the results say must hang together, or the bridge reads stale texts.
        b_in, b_out = values.get(prefix + "BTUIn"), values.get(prefix + "BTUOut")
        load, net = values.get(prefix + "BTUAirLoad"), values.get(prefix + "BTUNet")
        if None not in (b_in, b_out) and abs(b_in * BURNER_EFFICIENCY - b_out) > 1:
            report.fail(f"{caption}: input {b_in:g} x {BURNER_EFFICIENCY} is not output "
                        f"{b_out:g}")
        if None not in (b_out, load, net) and abs(b_out - load - net) > 1:
            report.fail(f"{caption}: output {b_out:g} - air load {load:g} is not net {net:g}")

    # A screen reader's review reads the showing labels in tree order: the numbers with no tie
    # to their captions but the order.
    reading = [n.name.strip() for n in main.walk()
               if n.role == "label" and n.showing and n.name.strip()]
    start = reading.index("Draw Thru System") if "Draw Thru System" in reading else 0
    end = reading.index("Blow Thru System") if "Blow Thru System" in reading else len(reading)
    report.line("  Read in order (Draw Thru band): " + " | ".join(reading[start:end]))
    # A value label says what it is in its name ("Draw Thru inlet airflow 8,070 cfm"), or is
    # tied to its caption by a relation; otherwise the reader hears the bare value.
    unrelated = [n.desc for n in main.walk() if n.role == "label" and n.desc.startswith("lbl")
                 and n.showing and n.name and not re.search(r"[A-Za-z]{4,}", n.name)
                 and not list(n.acc.get_relation_set() or [])]
    if unrelated:
        report.note(f"main window: {len(unrelated)} showing result labels have no labelled-by "
                    "relation to their captions; a screen reader hears the bare value and must "
                    "infer its meaning from the labels read around it")
    check_descriptions(main, "main window after the comparison", report)

    # ---- The formulas window.
    show = main.find(desc="cmdShowFormulas")
    report.heading(f"Pressing {q(show.name)} (cmdShowFormulas): the formulas window")
    formulas = open_window(app_acc, show, "frmFormulas", "the formulas window",
                           "pressing cmdShowFormulas", args, report)
    if formulas:
        report.line(f"  {formulas.role} {q(formulas.name)}, description {q(formulas.desc)}")
        if formulas.role not in ("frame", "window", "dialog"):
            report.note(f"formulas window: exposed with the role {q(formulas.role)}, not as a "
                        "frame or window (it is frameless); a screen reader may not announce "
                        "it as a window")
        print_controls(formulas, report, described_labels_only=True)
        fixed = [n.name.strip() for n in formulas.walk() if n.role == "label" and not n.desc]
        report.line(f"  and {len(fixed)} labels without object names for the fixed formula "
                    "texts, e.g. " + " | ".join(q(t) for t in fixed[1:5]))
        check_descriptions(formulas, "formulas window", report)
        check_names(formulas, "formulas window", report)
        for prefix, caption in ARRANGEMENTS:
            for suffix in ("InletCFM", "SpaceCFM"):
                a, b = main.find(desc=prefix + suffix), formulas.find(desc=prefix + suffix)
                if a and b and number(a.name) != number(b.name):
                    report.fail(f"{caption}: the formulas window reads {q(b.name)} for "
                                f"{prefix + suffix}, the main window {q(a.name)}")
        if sum(1 for n in formulas.walk() if n.role == "label" and n.name == "p"):
            report.note("formulas window: the density symbol is a label reading \"p\"; a screen "
                        "reader says \"p\", not \"rho\"")
        close_window(app_acc, formulas, "cmdShowGraphics", "frmFormulas", "the formulas window",
                     args, report)

    # ---- The About box, through the Help menu's action.
    report.heading("Help > About through the menu item's AT-SPI action: the About box")
    main = top_windows(app_acc)["frmHalvex"]
    about_item = main.find(role="menu item", name=menus.get("mnuAbout", "About"))
    about = open_window(app_acc, about_item, "frmAbout", "the About box",
                        "pressing its menu item", args, report)
    if about:
        report.line(f"  {about.role} {q(about.name)}, description {q(about.desc)}")
        print_controls(about, report)
        check_descriptions(about, "About box", report)
        check_names(about, "About box", report)
        close_window(app_acc, about, "Cmd_OK", "frmAbout", "the About box", args, report)

    # ---- The location dialog.
    main = top_windows(app_acc)["frmHalvex"]
    city = main.find(desc="cmdSelectCity")
    report.heading(f"Pressing {q(city.name) if city else 'cmdSelectCity'} (cmdSelectCity): "
                   "the location dialog")
    cities = open_window(app_acc, city, "frmCities", "the location dialog",
                         "pressing cmdSelectCity", args, report)
    if cities:
        report.line(f"  {cities.role} {q(cities.name)}, description {q(cities.desc)}")
        if cities.name != "Select a City":
            report.fail(f"location dialog is named {q(cities.name)}, not \"Select a City\"")
        print_controls(cities, report)
        check_descriptions(cities, "location dialog", report)
        check_names(cities, "location dialog", report)
        for desc in ("lstState", "lstCities"):
            n = cities.find(desc=desc)
            if n is None or n.role not in LIST_ROLES:
                report.fail(f"location dialog: no list described {desc}")
            elif not any(c.role == "list item" and c.name for c in n.children):
                report.fail(f"location dialog: the list {desc} reads no items")
        close_window(app_acc, cities, "cmdCancel", "frmCities", "the location dialog", args,
                     report)

    if app.poll() is not None:
        report.fail(f"the program exited during the check ({app.returncode})")


def open_window(app_acc, trigger, desc, what, how, args, report):
    """Presses `trigger` and gives the top window described `desc` once it shows, or None."""
    if trigger is None or not press(trigger):
        report.fail(f"{what}: {how} failed through AT-SPI")
        return None
    windows = wait_until(what, lambda: (
        lambda w: w if w.get(desc) and w[desc].showing else None)(top_windows(app_acc)),
        args.timeout)
    if not windows:
        report.fail(f"{what} did not appear after {how}")
        return None
    return windows[desc]


def close_window(app_acc, window, button, desc, what, args, report):
    """Presses the window's own closing button, then checks where the focus went."""
    node = window.find(desc=button)
    if node is None or not press(node):
        report.fail(f"{what}: {button} could not be pressed")
    elif not wait_until(f"{what} to close",
                        lambda: not top_windows(app_acc)[desc].showing, args.timeout):
        report.fail(f"{what}: still showing after {button}")
    else:
        check_focus_returns(app_acc, what, args, report)


def check_focus_returns(app_acc, closed, args, report):
    """Closing a secondary window puts the focus back on "Select a City" for the reader."""
    def focused():
        m = top_windows(app_acc)["frmHalvex"]
        n = m.find(desc="cmdSelectCity")
        return n if n is not None and "focused" in n.states else None
    n = wait_until("the focus on cmdSelectCity", focused, args.timeout)
    if n is None:
        report.fail(f"after closing {closed} the focus is not on cmdSelectCity")
    else:
        report.line(f"  Closed; the focus is back on {q(n.name)} (cmdSelectCity).")


def main():
    repo = Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--app", default=str(repo / "build" / "app" / "vevi"),
                        help="the program to check (default: build/app/vevi)")
    parser.add_argument("--source", default=str(repo), help="the source tree")
    parser.add_argument("--timeout", type=float, default=20,
                        help="seconds to wait for each window or result (default 20)")
    args = parser.parse_args()
    warnings.simplefilter("ignore", DeprecationWarning)

    report = Report()
    try:
        run(args, report)
    except SetupError as e:
        print(f"\nThe check could not run: {e}", file=sys.stderr)
        return 2

    if report.notes:
        report.heading("Notes (not failures)")
        for n in report.notes:
            report.line("  - " + n)
    report.heading("Result")
    if report.failures:
        report.line(f"  {len(report.failures)} check(s) failed:")
        for f in report.failures:
            report.line("  - " + f)
        return 1
    report.line("  All checks hold: text boxes and lists are named for what they hold, buttons "
                "and menu items read their captions, results read their values, and every "
                "description is an object name.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
