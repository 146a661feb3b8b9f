#!/usr/bin/env python3
"""The Windows program as a school meets it, under Wine on an X server with a window manager.

Installs the setup silently, checks the files, the Start-menu shortcut and the uninstall
entry; starts the installed zelvarin.exe through its shortcut and drives it with real input
at the positions of the layout: F2, Accept without an answer, a whole test, About and System
Info in its three situations; exits, uninstalls silently with the entry's own command and
checks at once that nothing is left. Then the same for the MSI with msiexec, with an upgrade
to a higher version and a refused downgrade in between. Everything is judged by what the X
server shows: window titles and sizes, and the colours of pixels in screenshots.

    gui_scenario.py SETUP_EXE UPGRADE_SETUP MSI UPGRADE_MSI MARKER_EXE ASSETS_DIR LAYOUT
                    [SCREENSHOT_DIR]

UPGRADE_SETUP and UPGRADE_MSI are the same program packed as a higher version; LAYOUT is the
window-layout.json the build wrote (tools/layout). Last, the two
installers meet each other, a running program and an older version of themselves.

Run by scripts/check-windows-gui, which provides the X server (DISPLAY), the window manager
and a fresh Wine prefix (WINEPREFIX, WINE, WINESERVER).
"""

import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

from Xlib import X, Xatom, display as xdisplay, error as xerror

WINE = os.environ["WINE"]
WINESERVER = os.environ["WINESERVER"]
PREFIX = Path(os.environ["WINEPREFIX"])
DRIVE_C = PREFIX / "drive_c"
INSTALL_DIR = DRIVE_C / "Program Files" / "Zelvarin"
SHORTCUT = DRIVE_C / "ProgramData/Microsoft/Windows/Start Menu/Programs/Zelvarin.lnk"
WIN_EXE = r"C:\Program Files\Zelvarin\zelvarin.exe"
UNINSTALL_LIST = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
UNINSTALL_KEY = UNINSTALL_LIST + r"\Zelvarin"
# Run in place and waited for by cmd.exe, which then deletes what it cannot.
QUIET_UNINSTALL = (r'"C:\windows\system32\cmd.exe" /d /s /c '
                   r'""C:\Program Files\Zelvarin\uninstall.exe" /S _?=C:\Program Files\Zelvarin'
                   r'& if not errorlevel 1 del "C:\Program Files\Zelvarin\uninstall.exe"'
                   r'& if not errorlevel 1 rd "C:\Program Files\Zelvarin""')
# The exit codes deployment tools read: failed for good, and try again later.
REFUSED, IN_USE, CANCELLED = 1603, 1618, 1602
# Wine puts the MSI's all-users shortcut into the user's Start menu instead, which Windows
# does not.
WINE_USER_SHORTCUTS = "users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zelvarin.lnk"
TOOL_KEY = r"HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO"
FOLDER_KEY = r"HKLM\SOFTWARE\Microsoft\Shared Tools Location"
# The marker program in a folder whose name has blanks, under a name with a blank too.
MARKER_DIR = DRIVE_C / "zelvarin check" / "sys info tool"
MARKER_WIN = r"C:\zelvarin check\sys info tool\marker tool.exe"

# Where the program puts its controls, as the build read them from the real windows
# (tools/layout): the client area below the menu bar, the buttons, the result slots, the strip's
# labels and, per question, the screenshot's top-left corner and the three answers (left, top,
# width, height), relative to the frame, with the right answer's name.
LAYOUT = json.loads(Path(sys.argv[7]).read_text())
CLIENT_W, CLIENT_H = LAYOUT["client"]
FRAME_X, FRAME_Y, FRAME_W, FRAME_H = LAYOUT["frame"]
CONTROLS = LAYOUT["controls"]
ABOUT_W, ABOUT_H = LAYOUT["about"]["size"]
ABOUT_CONTROLS = LAYOUT["about"]["controls"]


def centre(left, top, width, height):
    return left + width // 2, top + height // 2


def inset(area, left, top, right, bottom):
    x, y, w, h = area
    return x + left, y + top, w - left - right, h - top - bottom


ACCEPT, NEXT, EXIT = (centre(*CONTROLS[f"Command{n}"]) for n in (1, 2, 3))
SYSINFO_BUTTON = centre(*ABOUT_CONTROLS["cmdSysInfo"])
SLOTS = [CONTROLS[f"Box({k})"] for k in range(7)]
RIGHT_SLOT, WRONG_SLOT = (128, 255, 255), (255, 185, 162)
QUESTIONS = [(q["screenshot"], *q["options"]) for q in LAYOUT["questions"]]
OPTION_NAMES = ("aa", "bb", "cc")
QUESTION_KEYS = [q["key"] for q in LAYOUT["questions"]]


class Failure(Exception):
    pass


def step(text):
    print(f"check-windows-gui: {text}", flush=True)


def said(result):
    """What a failed command said: Wine's own tools (reg, msiexec) say it on stdout."""
    return (result.stderr or result.stdout).decode(errors="replace").strip()


def checked(args, result):
    if result.returncode != 0:
        raise Failure(f"{' '.join(map(str, args))} exited with {result.returncode}: "
                      f"{said(result)}")
    return result


def run(args, timeout=120, check=True):
    result = subprocess.run(args, capture_output=True, timeout=timeout, check=False)
    return checked(args, result) if check else result


def wine(*args, timeout=120, check=True):
    return run([WINE, *args], timeout=timeout, check=check)


def wine_starting(*args, timeout=300):
    """A Wine command that starts programs which outlive it: their output goes to a file, as
    a pipe would stay open until the last of them ends."""
    with open(PREFIX.parent / "wine-programs.log", "ab") as log:
        result = subprocess.run([WINE, *args], stdout=log, stderr=log, timeout=timeout,
                                check=False)
    if result.returncode != 0:
        raise Failure(f"wine {' '.join(map(str, args))} exited with {result.returncode}")


def wait_for(what, probe, timeout=60):
    """Polls probe() until it gives a true value, within a bound; never a fixed sleep."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"gave up waiting for {what}")
        time.sleep(0.1)


# --- The X server -------------------------------------------------------------------------

def xdotool(*args):
    return run(["xdotool", *map(str, args)], timeout=30).stdout.decode().split()


X_DISPLAY = xdisplay.Display()
CLIENT_LIST, WM_NAME, UTF8 = (X_DISPLAY.intern_atom(name)
                              for name in ("_NET_CLIENT_LIST", "_NET_WM_NAME", "UTF8_STRING"))


def windows_on_view():
    """(window, title, class) of each window the window manager lists and shows. A window that
    closes while it is read is not on view, and the X server says so with BadWindow (which
    ends `xdotool search` with a failure)."""
    listed = X_DISPLAY.screen().root.get_full_property(CLIENT_LIST, Xatom.WINDOW)
    shown = []
    for wid in listed.value if listed else []:
        window = X_DISPLAY.create_resource_object("window", wid)
        try:
            if window.get_attributes().map_state != X.IsViewable:
                continue
            title = window.get_full_property(WM_NAME, UTF8)
            shown.append((wid, title.value.decode(errors="replace") if title
                          else window.get_wm_name() or "",
                          (window.get_wm_class() or ("", ""))[1]))
        except (xerror.BadWindow, xerror.BadDrawable):
            pass
    return shown


def visible_windows(title=None, wm_class=None):
    """The windows on view whose title or class matches, ignoring case as xdotool does."""
    return [w for w, name, klass in windows_on_view()
            if re.search(title or wm_class, name if title else klass, re.IGNORECASE)]


def geometry(window):
    """Absolute position and size of the window's client area, as xwininfo gives them."""
    text = run(["xwininfo", "-id", str(window)], timeout=30).stdout.decode()
    value = {key: int(re.search(rf"{key}:\s+(-?\d+)", text).group(1))
             for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")}
    return (value["Absolute upper-left X"], value["Absolute upper-left Y"], value["Width"],
            value["Height"])


def frame_geometry(window):
    """Position and size of the window's frame, the window manager's border included."""
    frame_tool = Path(__file__).resolve().parents[2] / "scripts" / "window-frame"
    return tuple(map(int, run([str(frame_tool), str(window)], timeout=30).stdout.split()))


def new_window(what, name_regex, known):
    try:
        return wait_for(what, lambda: [w for w in visible_windows(name_regex)
                                       if w not in known])[0]
    except Failure as failure:
        names = [name for _, name, _ in windows_on_view() if name]
        raise Failure(f"{failure}; windows on view: {names}") from None


def click(x, y):
    xdotool("mousemove", "--sync", x, y, "click", 1)


def key(window, *keys):
    xdotool("windowactivate", "--sync", window)
    xdotool("key", "--clearmodifiers", *keys)


class Image:
    """RGB pixels by ImageMagick: a screenshot of the whole X screen, or a picture file."""

    def __init__(self, path=None):
        command = ["convert", str(path)] if path else ["import", "-silent", "-window", "root"]
        data = run([*command, "-depth", "8", "ppm:-"], timeout=60).stdout
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self.pixels = data[match.end():]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def pixels_in(self, left, top, width, height):
        for y in range(top, top + height):
            for x in range(left, left + width):
                yield self.pixel(x, y)


def wait_for_screen(what, predicate, timeout=60):
    """Takes screenshots until one shows what predicate looks for, and gives that one."""
    def probe():
        screen = Image()
        return screen if predicate(screen) else None
    return wait_for(what, probe, timeout)


def wait_for_drawn(what, areas):
    """A screenshot once the areas show text and two shots in a row agree on them: a window
    is on view a moment before it has painted, the longer the busier the machine."""
    last = [None]

    def settled(screen):
        now = [list(screen.pixels_in(*area)) for area in areas]
        same = now == last[0] and all(len(set(pixels)) > 1 for pixels in now)
        last[0] = now
        return same
    return wait_for_screen(f"{what} drawn", settled)


def screenshot(name, window, shots):
    """Keeps the window with its frame for the documentation, when a folder is given."""
    if not shots:
        return
    x, y, w, h = frame_geometry(window)
    run(["import", "-silent", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage",
         str(Path(shots) / f"{name}.png")])


# --- Reading the main window --------------------------------------------------------------

def is_blue(p):
    return p[2] >= 160 and p[0] <= 100 and p[1] <= 100


def is_red(p):
    return p[0] >= 160 and p[1] <= 100 and p[2] <= 100


class MainWindow:
    def __init__(self, window, bitmaps):
        self.window = window
        self.bitmaps = bitmaps
        x, y, w, h = geometry(window)
        if w != CLIENT_W or not CLIENT_H < h < CLIENT_H + 60:
            raise Failure(f"main window is {w}x{h}, not {CLIENT_W} wide with a menu bar above "
                          f"{CLIENT_H} pixels")
        # The client area of the layout lies below the menu bar.
        self.left, self.top = x, y + h - CLIENT_H

    def at(self, x, y):
        return self.left + x, self.top + y

    def click(self, point):
        click(*self.at(*point))

    def slot_colour(self, screen, k):
        x, y, w, h = inset(SLOTS[k], 3, 3, 3, 3)
        colours = {}
        for p in screen.pixels_in(*self.at(x, y), w, h):
            colours[p] = colours.get(p, 0) + 1
        return max(colours, key=colours.get)

    def frame_shown(self, screen):
        # The frame's white ground, left of everything a frame holds; without a frame the
        # background picture is seen there.
        return all(screen.pixel(*self.at(FRAME_X + 5, FRAME_Y + y)) == (255, 255, 255)
                   for y in (100, 160, 220))

    def question_on_view(self, screen):
        """The question whose screenshot the frame shows, or None."""
        for index, (picture, *_options) in enumerate(QUESTIONS):
            bitmap = self.bitmaps[index]
            left, top = self.at(FRAME_X + picture[0], FRAME_Y + picture[1])
            points = [(bitmap.width * i // 9, bitmap.height * j // 7)
                      for i in range(1, 9) for j in range(1, 7)]
            if all(close(screen.pixel(left + px, top + py), bitmap.pixel(px, py))
                   for px, py in points):
                return index
        return None

    def wait_for_new_question(self, what, seen):
        """The question that comes on view, one not in seen."""
        def probe():
            question = self.question_on_view(Image())
            return None if question is None or question in seen else (question,)
        return wait_for(what, probe)[0]

    def option_marks(self, screen, question):
        """Per answer: 'blue', 'red' or '' by the colour of its caption's pixels."""
        marks = []
        for left, top, width, height in QUESTIONS[question][1:]:
            width = min(width, FRAME_W - left) - 16
            height = min(height, FRAME_H - top)
            x, y = self.at(FRAME_X + left + 16, FRAME_Y + top)
            pixels = list(screen.pixels_in(x, y, width, height))
            blue, red = sum(map(is_blue, pixels)), sum(map(is_red, pixels))
            marks.append("blue" if blue > 30 and blue > red else "red" if red > 30 else "")
        return marks

    def choose(self, question, option):
        left, top, _width, height = QUESTIONS[question][1 + OPTION_NAMES.index(option)]
        self.click((FRAME_X + left + 8, FRAME_Y + top + min(height // 2, 9)))


def close(a, b):
    return all(abs(x - y) <= 12 for x, y in zip(a, b))


# --- The scenario -------------------------------------------------------------------------

def files_below(folder, skip):
    return {str(p.relative_to(folder)) for p in folder.rglob("*")
            if not any(part in skip for part in p.relative_to(folder).parts)}


def registry_values(key):
    result = wine("reg", "query", key, check=False)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.decode("utf-8", errors="replace").replace("\r", "").splitlines():
        match = re.match(r"\s+(\S+)\s+(REG_\w+)\s+(.*)$", line)
        if match:
            values[match.group(1)] = match.group(3)
    return values


def installer_languages(setup, shots):
    """The setup speaks the language of Windows: Bulgarian, or English on any other."""
    for lang, title, shot in (("bg_BG.UTF-8", "Инсталиране на Zelvarin", "setup-bg"),
                              ("en_US.UTF-8", "Zelvarin Setup", "")):
        step(f"the setup's first page under {lang}")
        with open(PREFIX.parent / "wine-programs.log", "ab") as log:
            subprocess.Popen([WINE, setup], stdout=log, stderr=log,
                             env=dict(os.environ, LANG=lang, LC_ALL=lang))
        by_class = "^" + re.escape(Path(setup).name) + "$"
        window = wait_for("the setup's window", lambda: visible_windows(wm_class=by_class))[0]
        name = next(name for w, name, _ in windows_on_view() if w == window).strip()
        if name != title:
            raise Failure(f"the setup under {lang} is titled {name!r}, not {title!r}")
        if shot:
            screenshot(shot, window, shots)
        wine("taskkill", "/f", "/im", Path(setup).name)
        wait_for("the setup to close", lambda: not visible_windows(wm_class=by_class))


def install(setup, version):
    step("installing silently (setup /S)")
    wine_starting(setup, "/S")
    installed = sorted(p.name for p in INSTALL_DIR.iterdir()) if INSTALL_DIR.is_dir() else []
    if installed != ["LICENSE.txt", "uninstall.exe", "zelvarin.exe"]:
        raise Failure(f"installed files are {installed}")
    shipped = Path(setup).with_name("zelvarin.exe")
    if (INSTALL_DIR / "zelvarin.exe").read_bytes() != shipped.read_bytes():
        raise Failure("the installed zelvarin.exe differs from the one built")
    if not SHORTCUT.is_file() or WIN_EXE.encode("utf-16-le") not in SHORTCUT.read_bytes() \
            and WIN_EXE.encode() not in SHORTCUT.read_bytes():
        raise Failure(f"no Start-menu shortcut to {WIN_EXE} at {SHORTCUT}")
    values = registry_values(UNINSTALL_KEY)
    if values is None:
        raise Failure("no entry in the list of installed programs")
    size_kib = sum(p.stat().st_size for p in INSTALL_DIR.iterdir()) // 1024
    expected = {
        "DisplayName": "Zelvarin",
        "DisplayVersion": version,
        "Publisher": "The Zelvarin developers",
        "DisplayIcon": WIN_EXE + ",0",
        "UninstallString": r'"C:\Program Files\Zelvarin\uninstall.exe"',
        "QuietUninstallString": QUIET_UNINSTALL,
    }
    for name, value in expected.items():
        if values.get(name) != value:
            raise Failure(f"uninstall entry {name} is {values.get(name)!r}, not {value!r}")
    estimated = int(values.get("EstimatedSize", "0"), 0)
    if abs(estimated - size_kib) > 1:
        raise Failure(f"uninstall entry EstimatedSize is {estimated} KiB, not {size_kib}")


def start_program(bitmaps, shots, shortcut=SHORTCUT):
    step("starting the installed program through its Start-menu shortcut")
    wine_starting("start", "/unix", str(shortcut))
    main = MainWindow(new_window("the main window 'Zelvarin'", "^Zelvarin$", []), bitmaps)
    screen = wait_for_screen("the main window drawn with seven white result slots",
                             lambda s: all(main.slot_colour(s, k) == (255, 255, 255)
                                           for k in range(7)))
    if main.frame_shown(screen):
        raise Failure("the main window starts with a question on view")
    screenshot("idle", main.window, shots)
    return main


def message_box(what, main, title, with_error_icon, shots, shot_name):
    """Waits for a box over the main window, checks it and closes it with Enter."""
    box = new_window(what, "^" + title + "$", [main.window])
    x, y, w, h = geometry(box)
    if w >= CLIENT_W or h >= CLIENT_H:
        raise Failure(f"{what}: a window of {w}x{h} is no message box")
    # Drawn once its text is there.
    screen = wait_for_screen(f"{what} to be drawn", lambda s: sum(
        max(p) < 80 for p in s.pixels_in(x, y, w, h)) > 50)
    red = sum(map(is_red, screen.pixels_in(x, y, w, h)))
    if with_error_icon != (red > 40):
        raise Failure(f"{what}: {'no' if with_error_icon else 'an'} error icon seen")
    screenshot(shot_name, box, shots)
    key(box, "Return")
    wait_for(f"{what} to close", lambda: box not in visible_windows("^" + title + "$"))


def whole_test(main, shots):
    step("F2, and Accept without an answer")
    key(main.window, "F2")
    wait_for("F2 to show a question", lambda: main.frame_shown(Image()))
    seen = set()
    question = main.wait_for_new_question("the first question", seen)
    screenshot("question", main.window, shots)
    main.click(ACCEPT)
    # The guard box gives no title of its own; Qt puts the program's name there.
    message_box("the guard box", main, "Zelvarin", True, shots, "guard")

    step("a whole test: right answers at steps 1, 3, 5, 7, wrong at 2, 4, 6")
    for k in range(7):
        if k > 0:
            main.click(NEXT)
            question = main.wait_for_new_question(f"question {k + 1}", seen)
        seen.add(question)
        right = QUESTION_KEYS[question]
        chosen = right if k % 2 == 0 else next(o for o in OPTION_NAMES if o != right)
        main.choose(question, chosen)
        main.click(ACCEPT)
        if k == 6:
            break
        expected = RIGHT_SLOT if chosen == right else WRONG_SLOT
        # Marked once the slot has a colour and the right answer is blue.
        screen = wait_for_screen(f"step {k + 1} to be marked", lambda s: main.slot_colour(
            s, k) != (255, 255, 255) and "blue" in main.option_marks(s, question))
        if main.slot_colour(screen, k) != expected:
            raise Failure(f"step {k + 1}, question {question}, {chosen} chosen, {right} right: "
                          f"slot colour {main.slot_colour(screen, k)}, not {expected}")
        marks = main.option_marks(screen, question)
        want = ["blue" if o == right else "red" if o == chosen else "" for o in OPTION_NAMES]
        if marks != want:
            raise Failure(f"step {k + 1}, question {question}: answers marked {marks}, "
                          f"not {want}")
        if k in (0, 1):
            screenshot("right" if chosen == right else "wrong", main.window, shots)

    step("the grade box 'Резултат' after the seventh answer")
    message_box("the grade box", main, "Резултат", False, shots, "grade")
    wait_for_screen("the question to go and the result slots to clear after the grade",
                    lambda s: not main.frame_shown(s) and not {
                        main.slot_colour(s, k) for k in range(7)} & {RIGHT_SLOT, WRONG_SLOT})

    step("F10, Enter, Enter: the menu bar, Тест, Нов тест")
    key(main.window, "F10")
    key(main.window, "Return")
    key(main.window, "Return")
    wait_for("F10, Enter, Enter to start a new test", lambda: main.frame_shown(Image()))


def whole_on_the_screen(window):
    """The window's frame, title bar and borders included, lies inside the X screen."""
    x, y, width, height = frame_geometry(window)
    screen = run(["xdpyinfo"], timeout=30).stdout.decode()
    screen_width, screen_height = map(int, re.search(r"dimensions:\s+(\d+)x(\d+)", screen).groups())
    return x >= 0 and y >= 0 and x + width <= screen_width and y + height <= screen_height


def whole_window_at_every_dpi(main, bitmaps, shots):
    """At 120, 144 and 192 dpi the window is larger than a 1366 x 768 screen: it takes a scale
    at which it fits whole, in its proportions, so that nothing scrolls out of view."""
    width, height = geometry(main.window)[2:]
    exit_program(main)
    for dpi in (120, 144, 192):
        step(f"at {dpi} dpi the whole window is on the screen")
        wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
             "/d", str(dpi), "/f")
        wine_starting("start", "/unix", str(SHORTCUT))
        window = new_window(f"the main window at {dpi} dpi", "^Zelvarin$", [])
        try:
            wait_for(f"the window whole on the screen at {dpi} dpi",
                     lambda: whole_on_the_screen(window), timeout=20)
            w, h = geometry(window)[2:]
            if abs(w / h - width / height) > 0.02:
                raise Failure(f"at {dpi} dpi the window is {w}x{h}, not {width}x{height} "
                              "scaled: its contents scroll")
        finally:
            key(window, "alt+F4")
            wait_for("the main window to close", lambda: window not in visible_windows("^Zelvarin$"))
    wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
         "/d", "96", "/f")
    return start_program(bitmaps, shots)


# What a High Contrast theme writes: black windows, a near-black button face, white text.
HIGH_CONTRAST = {"Window": "0 0 0", "WindowText": "255 255 255", "ButtonFace": "32 32 32",
                 "ButtonText": "255 255 255", "Menu": "0 0 0", "MenuText": "255 255 255",
                 "GrayText": "63 242 63", "Highlight": "26 235 255", "HighlightText": "0 0 0"}
COLOURS_KEY = r"HKCU\Control Panel\Colors"
# Areas holding one text each on its ground: the main window's, as its client area has them
# (the menu bar above it), a marked question's, relative to the frame, and About's. A button's
# text lies inside its border.
MAIN_TEXTS = {"the menu bar": (4, -16, 90, 12), "Въпрос:": CONTROLS["Label3"],
              "Отговор:": CONTROLS["Label2"],
              **{f"Command{n}": inset(CONTROLS[f"Command{n}"], 12, 5, 12, 5) for n in range(1, 5)}}
ABOUT_TEXTS = {name: inset(area, 6, 4, 6, 4) if name.startswith("cmd") else area
               for name, area in ABOUT_CONTROLS.items()}


def text_contrast(screen, left, top, width, height):
    """WCAG's contrast of the commonest colour of the area (the ground) and the one farthest
    from it (the letters' core)."""
    def luminance(p):
        return sum(w * (v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4)
                   for w, v in zip((0.2126, 0.7152, 0.0722), (c / 255 for c in p))) + 0.05
    pixels = list(screen.pixels_in(left, top, width, height))
    ground = luminance(max(set(pixels), key=pixels.count))
    return max(max(luminance(p), ground) / min(luminance(p), ground) for p in pixels)


def readable_in_high_contrast(main, bitmaps, shots):
    """Under High Contrast colours every text keeps 4.5:1 against its ground: the idle main
    window, a wrongly answered question (its caption, answers and slot), About."""
    step("under High Contrast colours, every text at 4.5:1 or more")
    exit_program(main)
    saved = registry_values(COLOURS_KEY) or {}
    for name, value in HIGH_CONTRAST.items():
        wine("reg", "add", COLOURS_KEY, "/v", name, "/t", "REG_SZ", "/d", value, "/f")
    main = start_program(bitmaps, "")
    screen = Image()
    texts = {name: (screen, *main.at(x, y), w, h) for name, (x, y, w, h) in MAIN_TEXTS.items()}
    key(main.window, "F2")
    question = main.wait_for_new_question("a question under High Contrast", set())
    main.choose(question, next(o for o in OPTION_NAMES if o != QUESTION_KEYS[question]))
    main.click(ACCEPT)
    screen = wait_for_screen("the wrong answer marked",
                             lambda s: "red" in main.option_marks(s, question))
    screenshot("high-contrast-marked", main.window, shots)
    x, y, w, h = inset(SLOTS[0], 4, 3, 4, 3)
    texts["the first slot"] = (screen, *main.at(x, y), w, h)
    for name, (x, y, w, h) in [("caption", (10, 2, 60, 14)), *(
            (o, (x + 16, y, min(w, FRAME_W - x) - 16, min(h, FRAME_H - y - 4)))
            for o, (x, y, w, h) in zip(OPTION_NAMES, QUESTIONS[question][1:]))]:
        texts[f"{name} of question {question}"] = (screen, *main.at(FRAME_X + x, FRAME_Y + y), w, h)
    about = open_about(main, "")
    screenshot("high-contrast-about", about, shots)
    left, top, screen = *geometry(about)[:2], Image()
    texts.update({f"About's {name}": (screen, left + x, top + y, w, h)
                  for name, (x, y, w, h) in ABOUT_TEXTS.items()})
    key(about, "Escape")
    wait_for("the About window to close", lambda: not visible_windows("^About Zelvarin$"))
    exit_program(main)
    for name in HIGH_CONTRAST.keys() & saved.keys():
        wine("reg", "add", COLOURS_KEY, "/v", name, "/t", "REG_SZ", "/d", saved[name], "/f")
    faults = [f"{name} has {ratio:.1f}:1" for name, area in texts.items()
              if (ratio := text_contrast(*area)) < 4.5]
    if faults:
        raise Failure("under High Contrast colours: " + "; ".join(faults))
    return start_program(bitmaps, "")


# --- The focus in sight ----------------------------------------------------------------------

def contrast(a, b):
    """WCAG's contrast of two colours."""
    la, lb = (sum(w * (v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4)
                  for w, v in zip((0.2126, 0.7152, 0.0722), (c / 255 for c in p))) + 0.05
              for p in (a, b))
    return max(la, lb) / min(la, lb)


def ring(without, with_, area, width=2):
    """The box (left, top, right, bottom) of what the focus changed in the area, where crossing it
    from each side to the middle meets `width` pixels in a row at 3:1 or more against the same
    pixels unfocused; else None."""
    left, top, width_, height = area
    changed = [(x, y) for y in range(top, top + height) for x in range(left, left + width_)
               if without.pixel(x, y) != with_.pixel(x, y)]
    if not changed:
        return None
    box = (min(x for x, _ in changed), min(y for _, y in changed),
           max(x for x, _ in changed), max(y for _, y in changed))
    middle = ((box[0] + box[2]) // 2, (box[1] + box[3]) // 2)

    def crossing(x, y, dx, dy):
        run = 0
        while (x - dx, y - dy) != middle and run < width:
            run = run + 1 if contrast(with_.pixel(x, y), without.pixel(x, y)) >= 3 else 0
            x, y = x + dx, y + dy
        return run >= width
    sides = ((box[0], middle[1], 1, 0), (box[2], middle[1], -1, 0), (middle[0], box[1], 0, 1),
             (middle[0], box[3], 0, -1))
    return box if all(crossing(*side) for side in sides) else None


def focus_in_sight(main, shots):
    """The focused control shows a ring of 2 px or more at 3:1 against itself unfocused: the
    answers New test gave the focus to, New test and Exit as Shift+Tab moves on, About's OK; and
    F10 highlights the menu title Тест. Each is waited for; a missing ring times the wait out."""
    step("the focus: a ring of 2 px at 3:1 on an answer, New test, Exit and About's OK; F10 on Тест")
    options = QUESTIONS[main.question_on_view(Image())][1:]
    left, top = min(o[0] for o in options), min(o[1] for o in options)
    answers = (*main.at(FRAME_X + left, FRAME_Y + top), FRAME_W - left,
               min(FRAME_H, max(o[1] + o[3] for o in options)) - top)
    new_test, exit_ = ((*main.at(*CONTROLS[n][:2]), *CONTROLS[n][2:])
                       for n in ("Command4", "Command3"))
    x, y, width, height = geometry(main.window)
    menu_bar = (x, y, width, height - CLIENT_H)
    before = wait_for_drawn("the new test", [answers])
    screenshot("focus-answer", main.window, shots)
    for was, now, name in ((answers, new_test, "New test"), (new_test, exit_, "Exit")):
        key(main.window, "shift+Tab")
        before = wait_for_screen(f"Shift+Tab to move the ring to {name}", lambda s, b=before: ring(
            b, s, now) and ring(s, b, was), timeout=20)
    screenshot("focus-exit", main.window, shots)
    key(main.window, "F10")
    wait_for_screen("F10 to highlight Тест, the first menu title", lambda s: (
        box := ring(before, s, menu_bar)) and box[0] < x + 20, timeout=20)
    screenshot("focus-menu", main.window, shots)
    key(main.window, "F10")
    about = open_about(main, "")
    ok = (*(a + b for a, b in zip(geometry(about), ABOUT_CONTROLS["cmdOK"][:2])),
          *ABOUT_CONTROLS["cmdOK"][2:])
    focused = Image()
    key(about, "Tab")
    wait_for_screen("Tab to take the ring from About's OK", lambda s: ring(s, focused, ok),
                    timeout=20)
    key(about, "Escape")
    wait_for("the About window to close", lambda: not visible_windows("^About Zelvarin$"))


def open_about(main, shots):
    step("About, from the menu bar")
    # The menu bar by keyboard: Alt opens it on "Тест", Right moves to "за Zelvarin".
    key(main.window, "alt")
    key(main.window, "Right", "Return")
    about = new_window("the About window", "^About Zelvarin$", [])
    left, top, width, height = geometry(about)
    if (width, height) != (ABOUT_W, ABOUT_H):
        raise Failure(f"the About window is {width}x{height}, not {ABOUT_W}x{ABOUT_H}")
    wait_for_drawn("the About window", [(left + x, top + y, w, h)
                                        for x, y, w, h in ABOUT_TEXTS.values()])
    screenshot("about", about, shots)
    return about


def system_info(main, about, marker, shots):
    x, y, _w, _h = geometry(about)
    button = (x + SYSINFO_BUTTON[0], y + SYSINFO_BUTTON[1])

    step("System Info (a): the registry names our marker program in a folder with blanks")
    MARKER_DIR.mkdir(parents=True)
    shutil.copy(marker, MARKER_DIR / "marker tool.exe")
    wine("reg", "add", TOOL_KEY, "/v", "PATH", "/t", "REG_SZ", "/d", MARKER_WIN, "/f")
    click(*button)
    wait_for("the marker program to run", lambda: (MARKER_DIR / "ran.txt").is_file())
    command_line = (MARKER_DIR / "ran.txt").read_text()
    if command_line != f'"{MARKER_WIN}"':
        raise Failure(f"the marker program was started as {command_line}")
    if (shown := visible_windows("^Zelvarin$")) != [main.window]:
        raise Failure(f"a message box came with the started tool: {shown}, not {main.window}")

    step("System Info (b): nothing registered, Wine's msinfo32.exe in the system folder")
    wine("reg", "delete", TOOL_KEY, "/v", "PATH", "/f")
    if registry_values(FOLDER_KEY) is not None:
        wine("reg", "delete", FOLDER_KEY, "/f")
    click(*button)
    msinfo32 = r"^msinfo32\.exe$"
    tool = wait_for("msinfo32.exe to show its window", lambda: visible_windows(wm_class=msinfo32))
    screenshot("msinfo32", tool[0], shots)
    wine("taskkill", "/f", "/im", "msinfo32.exe", check=False)
    wait_for("msinfo32.exe to close", lambda: not visible_windows(wm_class=msinfo32))

    step("System Info (c): nothing registered and no msinfo32.exe: the message")
    (DRIVE_C / "windows/system32/msinfo32.exe").unlink()
    click(*button)
    message_box("the 'unavailable' box", main, "Zelvarin", False, shots, "unavailable")
    if visible_windows(wm_class=msinfo32):
        raise Failure("a system-information tool started although none is there")

    key(about, "Escape")
    wait_for("the About window to close", lambda: not visible_windows("^About Zelvarin$"))


def program_running():
    """Whether a zelvarin.exe runs under Wine: its window may be gone before the process, and
    until the process has ended Windows lets nobody replace or remove the file."""
    for cmdline in Path("/proc").glob("[0-9]*/cmdline"):
        try:
            if re.search(rb"\\zelvarin\.exe\b", cmdline.read_bytes(), re.IGNORECASE):
                return True
        except OSError:  # the process ended meanwhile
            pass
    return False


def exit_program(main):
    main.click(EXIT)
    wait_for("the main window to close", lambda: main.window not in visible_windows("^Zelvarin$"))
    wait_for("zelvarin.exe to end", lambda: not program_running())


def nothing_left(before, what):
    after = files_below(DRIVE_C, SKIPPED)
    if after != before:
        raise Failure(f"left after {what}: {sorted(after - before)}; "
                      f"gone: {sorted(before - after)}")
    if zelvarin_entries():
        raise Failure(f"entries left after {what}: {zelvarin_entries()}")


def exit_and_uninstall(main, before):
    step("Exit, then uninstalling with the entry's QuietUninstallString")
    exit_program(main)
    shutil.rmtree(DRIVE_C / "zelvarin check")
    # As a deployment tool runs it once the pupil has ended the quiz, then at once the next
    # step, with no waiting for stragglers.
    code = exit_code(registry_values(UNINSTALL_KEY)["QuietUninstallString"])
    if code != 0:
        raise Failure(f"the silent uninstall exited with {code}")
    nothing_left(before, "the silent uninstall")


def exit_code(command, env=None, meanwhile=None):
    """The whole exit code of a command line as cmd.exe runs it, as it stands (wine would quote
    every argument anew); a Unix exit status keeps only its lowest 8 bits (1618 reads 82).
    meanwhile() runs while the command does."""
    batch = DRIVE_C / "zelvarin-command.bat"
    batch.write_bytes(b"@" + command.encode() + b"\r\n@echo exit code %ERRORLEVEL%\r\n")
    with subprocess.Popen([WINE, "cmd", "/c", r"C:\zelvarin-command.bat"], env=env,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL) as process:
        if meanwhile:
            meanwhile()
        output = process.communicate(timeout=300)[0].decode(errors="replace")
    batch.unlink()
    return int(re.search(r"exit code (-?\d+)", output).group(1))


# --- The MSI --------------------------------------------------------------------------------

def zelvarin_entries():
    """The keys of the list of installed programs that name Zelvarin."""
    # The list is always there: a failing reg fails the check with what reg said.
    listing = wine("reg", "query", UNINSTALL_LIST).stdout.decode("utf-8", errors="replace")
    # Its subkeys, by their full names; the key itself is named only when it has values.
    keys = [line.strip() for line in listing.replace("\r", "").splitlines()
            if line.startswith("HKEY_LOCAL_MACHINE") and "\\Uninstall\\" in line]
    return [key.rsplit("\\", 1)[1] for key in keys
            if (registry_values(key) or {}).get("DisplayName") == "Zelvarin"]


def start_menu_shortcuts():
    return [p for p in [SHORTCUT, *DRIVE_C.glob(WINE_USER_SHORTCUTS)] if p.is_file()]


def windows_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def msi_identity(msi):
    """The version and the product code, as msiinfo reads them from the package."""
    table = run(["msiinfo", "export", msi, "Property"]).stdout.decode().replace("\r", "")
    properties = dict(line.split("\t", 1) for line in table.splitlines() if "\t" in line)
    return properties["ProductVersion"], properties["ProductCode"]


def msi_install(msi):
    version, code = msi_identity(msi)
    step(f"installing {Path(msi).name} silently (msiexec /i /qn)")
    wine("msiexec", "/i", windows_path(msi), "/qn", timeout=300)
    installed = sorted(p.name for p in INSTALL_DIR.iterdir()) if INSTALL_DIR.is_dir() else []
    if installed != ["LICENSE.txt", "zelvarin.exe"]:
        raise Failure(f"the MSI installed {installed}")
    shipped = Path(msi).with_name("zelvarin.exe")
    if shipped.is_file() and (INSTALL_DIR / "zelvarin.exe").read_bytes() != shipped.read_bytes():
        raise Failure("the zelvarin.exe the MSI installed differs from the one built")
    shortcuts = start_menu_shortcuts()
    if len(shortcuts) != 1 or WIN_EXE.encode("utf-16-le") not in shortcuts[0].read_bytes() \
            and WIN_EXE.encode() not in shortcuts[0].read_bytes():
        raise Failure(f"not one Start-menu shortcut to {WIN_EXE}: {shortcuts}")
    if zelvarin_entries() != [code]:
        raise Failure(f"the installed programs' entries are {zelvarin_entries()}, not {code}")
    values = registry_values(rf"{UNINSTALL_LIST}\{code}")
    expected = {"DisplayName": "Zelvarin", "DisplayVersion": version,
                "Publisher": "The Zelvarin developers", "NoModify": "0x1", "NoRepair": "0x1"}
    for name, value in expected.items():
        if values.get(name) != value:
            raise Failure(f"the MSI's entry {name} is {values.get(name)!r}, not {value!r}")
    return code, shortcuts[0]


def msi_scenario(msi, upgrade_msi, bitmaps, before):
    _, shortcut = msi_install(msi)
    exit_program(start_program(bitmaps, "", shortcut))
    code, _ = msi_install(upgrade_msi)
    step(f"{Path(msi).name} over the higher version: refused")
    if wine("msiexec", "/i", windows_path(msi), "/qn", check=False).returncode == 0:
        raise Failure("msiexec installed a lower version over a higher one")
    if zelvarin_entries() != [code]:
        raise Failure(f"after the refused downgrade the entries are {zelvarin_entries()}")
    step(f"removing it silently (msiexec /x {code} /qn)")
    wine("msiexec", "/x", code, "/qn", timeout=300)
    nothing_left(before, "msiexec /x")


# --- The two installers meet ------------------------------------------------------------

def installation():
    """An installation: its files with their contents, its shortcuts, its entries' values."""
    files = {p.name: hashlib.sha256(p.read_bytes()).hexdigest()
             for p in INSTALL_DIR.iterdir()} if INSTALL_DIR.is_dir() else {}
    return {"files": files, "shortcuts": sorted(map(str, start_menu_shortcuts())),
            "entries": {key: registry_values(rf"{UNINSTALL_LIST}\{key}")
                        for key in zelvarin_entries()}}


def removal_commands():
    """What a deployment tool runs to remove each installation there is, the MSI's first."""
    entries = zelvarin_entries()
    return [*(f"msiexec /x {entry} /qn" for entry in entries if entry.startswith("{")),
            *(registry_values(UNINSTALL_KEY)["QuietUninstallString"] for entry in entries
              if not entry.startswith("{"))]


def installers_meet(setup, upgrade_setup, msi, upgrade_msi, bitmaps, before, shots):
    """One Zelvarin whichever installer put it there; nothing changed, and an exit code saying
    so, while the program runs, where the other installer or a newer version is there. Every
    fault is collected, so that one run names them all."""
    faults = []

    def expect(what, command, code, changes=False, **kwargs):
        step(f"{what}: exit code {code}{'' if changes else ', nothing changed'}")
        was = installation()
        if (got := exit_code(command, **kwargs)) != code:
            faults.append(f"{what}: exit code {got}, not {code}")
        if not changes and (now := installation()) != was:
            faults.append(f"{what}: its {', '.join(p for p in was if was[p] != now[p])} changed"
                          + f" (versions {versions(was)} -> {versions(now)})")

    def cancel_box(installer, shot):
        """Closes the box saying to close the quiz first; the installer's own window or none is
        a fault. Found by class, as its title follows the language of Windows."""
        by_class = "^" + re.escape(Path(installer).name)
        box = wait_for("the installer's window", lambda: visible_windows(wm_class=by_class))[0]
        screenshot(shot, box, shots)
        if geometry(box)[2] < 480:
            return key(box, "Escape")
        faults.append(f"{Path(installer).name} showed no box to close the quiz first")
        return wine("taskkill", "/f", "/im", Path(installer).name, check=False)

    def versions(installed):
        return {key: values.get("DisplayVersion") for key, values in installed["entries"].items()}

    def silent(installer):
        return (f'"{windows_path(installer)}" /S' if installer.endswith(".exe")
                else f'msiexec /i "{windows_path(installer)}" /qn')

    wipe("before the installers meet", faults)
    expect("the setup", silent(setup), 0, changes=True)
    program = start_program(bitmaps, "")
    expect("the setup's upgrade while the program runs", silent(upgrade_setup), IN_USE)
    expect("the setup's upgrade by hand while the program runs", silent(upgrade_setup)[:-3],
           IN_USE, env=dict(os.environ, LANG="bg_BG.UTF-8", LC_ALL="bg_BG.UTF-8"),
           meanwhile=lambda: cancel_box(upgrade_setup, "setup-program-running"))
    expect("the setup's silent removal while the program runs", removal_commands()[0], IN_USE)
    exit_program(program)
    expect("the setup's upgrade", silent(upgrade_setup), 0, changes=True)
    if registry_values(UNINSTALL_KEY).get("DisplayVersion") != msi_identity(upgrade_msi)[0]:
        faults.append("the setup's upgrade left the version as it was")
    expect("the setup's downgrade", silent(setup), REFUSED)
    expect("the MSI where the setup has installed Zelvarin", silent(msi), REFUSED)
    wipe("after the setup", faults)
    expect("the MSI", silent(msi), 0, changes=True)
    expect("the setup where the MSI has installed Zelvarin", silent(upgrade_setup), REFUSED)
    program = start_program(bitmaps, "", start_menu_shortcuts()[0])
    expect("the MSI's upgrade while the program runs", silent(upgrade_msi), REFUSED)
    expect("the MSI's upgrade by hand while the program runs", silent(upgrade_msi)[:-4],
           CANCELLED, meanwhile=lambda: cancel_box("msiexec.exe", "msi-program-running"))
    expect("the MSI's removal while the program runs", removal_commands()[0], REFUSED)
    exit_program(program)
    wipe("after the MSI", faults)
    nothing_left(before, "the installers' meeting")
    if faults:
        raise Failure(f"{len(faults)} faults where the installers meet:\n  " +
                      "\n  ".join(faults))


def wipe(when, faults):
    """Removes every Zelvarin, each once with the removal its entry names, so that the next
    meeting starts on a clean machine; what a removal fails at or leaves is a fault, and removed
    by hand."""
    step(f"removing every Zelvarin {when}")
    for command in removal_commands():
        if (code := exit_code(command)) != 0:
            faults.append(f"{when}: {command} exited with {code}")
    if any((left := installation()).values()):
        faults.append(f"{when}: left after the removals: {left}")
    for entry in zelvarin_entries():
        wine("reg", "delete", rf"{UNINSTALL_LIST}\{entry}", "/f")
    shutil.rmtree(INSTALL_DIR, ignore_errors=True)
    for shortcut in start_menu_shortcuts():
        shortcut.unlink()


# Wine's own folder and the temporary folders change on their own.
SKIPPED = {"windows", "Temp"}


def main():
    setup, upgrade_setup, msi, upgrade_msi, marker, assets = sys.argv[1:7]
    shots = sys.argv[8] if len(sys.argv) > 8 else ""
    if shots:
        Path(shots).mkdir(parents=True, exist_ok=True)
    version = re.search(r"zelvarin-(.+)-setup\.exe$", setup).group(1)
    bitmaps = [Image(Path(assets) / f"question_{i:02d}.bmp") for i in range(len(QUESTIONS))]

    before = files_below(DRIVE_C, SKIPPED)
    installer_languages(setup, shots)
    install(setup, version)
    main_window = start_program(bitmaps, shots)
    whole_test(main_window, shots)
    focus_in_sight(main_window, shots)
    about = open_about(main_window, shots)
    system_info(main_window, about, marker, shots)
    main_window = whole_window_at_every_dpi(main_window, bitmaps, shots)
    main_window = readable_in_high_contrast(main_window, bitmaps, shots)
    exit_and_uninstall(main_window, before)
    msi_scenario(msi, upgrade_msi, bitmaps, before)
    installers_meet(setup, upgrade_setup, msi, upgrade_msi, bitmaps, before, shots)
    step("passed")


if __name__ == "__main__":
    try:
        main()
    except (Failure, subprocess.TimeoutExpired) as error:
        print(f"check-windows-gui: FAILED: {error}", file=sys.stderr)
        sys.exit(1)
