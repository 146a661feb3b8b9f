"""What Orca says while a pupil plays a test by keys.

Usage: orca_check.py LOG PROGRAM. Orca writes its debug log to LOG a line at a time; this starts
PROGRAM once Orca has started, presses keys as a pupil would and, after each step, waits until
Orca has moved its focus where the keys lead and has said what it says there. What it said is
the SPEECH OUTPUT lines of the log between one step and the next. The questions' texts are read
from the accessibility tree, as the test's seven questions are drawn at random.
"""
import re
import subprocess
import sys
import time

import pyatspi

from atspi import application, check, finish, question_frames, walk

LOG, PROGRAM = sys.argv[1], sys.argv[2]
transcript = []

class Log:
    """Orca's debug log, read as it grows."""

    def __init__(self, path):
        self.path, self.lines, self.offset = path, [], 0

    def read(self):
        try:
            with open(self.path, "rb") as f:
                f.seek(self.offset)
                chunk = f.read()
        except FileNotFoundError:
            return
        end = chunk.rfind(b"\n") + 1  # a line half written is read when it is whole
        self.offset += end
        self.lines += chunk[:end].decode("utf-8", "replace").replace("\r", "").splitlines()

    def wait(self, found, start, seconds=20):
        """The index of the first line from start on for which found holds, or None."""
        deadline = time.monotonic() + seconds
        while True:
            self.read()
            for i in range(start, len(self.lines)):
                if found(self.lines[i]):
                    return i
            if time.monotonic() > deadline or (program and program.poll() is not None):
                return None
            time.sleep(0.05)


SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: ?\{[^{}]*\})?$")
LOCUS = re.compile(r"Changing locusOfFocus from .* to \[(.+?) \| (.*)\]\. Notify")


def said(line):
    m = SPEECH.search(line)
    return m and " ".join(m.group(1).split())


def speak_step(name, keys, role, to=""):
    """Presses keys; waits until Orca's focus is on an object of that role whose name starts
    with to and Orca has said what it says there (its speech ends where the log goes on with
    something else). Returns what Orca said from the keys on, or None if the focus never went
    there."""
    log.read()
    start = len(log.lines)
    for key in keys.split():
        subprocess.run(["xdotool", "key", key], check=True)
    locus = log.wait(lambda l: (m := LOCUS.search(l)) and m.group(1) == role
                     and m.group(2).strip().startswith(to), start)
    heard = None
    if locus is not None:
        first = log.wait(said, locus)
        if first is not None:
            log.wait(lambda l: not said(l), first)
        heard = [s for s in map(said, log.lines[start:]) if s]
    transcript.append((name, heard))
    return heard


def question_on_view(step):
    """The caption, question line, screenshot description and answers of the question on
    view, read from the accessibility tree."""
    for panel in question_frames(app, step):
        nodes = list(walk(panel))
        line = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_LABEL]
        picture = [n.description for n in nodes if n.getRole() == pyatspi.ROLE_IMAGE
                   and n.name == "Екранна снимка към въпроса"]
        answers = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_RADIO_BUTTON]
        caption = "%d-и въпрос" % step
        return caption, " ".join(line[0].split()), " ".join(picture[0].split()), answers
    sys.exit("no question %d on view" % step)


def heard_question(step, heard, how):
    """Entering a question says its caption, its line and its screenshot once, and then the
    focused answer."""
    if not check(heard, "%s Orca said nothing" % how):
        return
    text = " ".join(heard)
    caption, line, picture, answers = question_on_view(step)
    for what, words in (("the step", caption), ("the question line", line),
                        ("what the screenshot shows", picture)):
        check(text.count(words) == 1, "%s Orca should say %s once (%r), said %r"
              % (how, what, words, heard))
    after = text[text.find(picture) + len(picture):] if picture in text else text
    check(any(a in after for a in answers),
          "%s Orca should say the focused answer last, said %r" % (how, heard))


def heard_answer_only(step, heard, how):
    caption, line, picture, answers = question_on_view(step)
    text = " ".join(heard or [])
    check(any(a in text for a in answers) and line not in text and caption not in text,
          "%s Orca should say only the answer, said %r" % (how, heard))


log, program = Log(LOG), None
log.wait(lambda l: said(l) == "Screen reader on.", 0, 60) is not None or sys.exit(
    "Orca did not start:\n" + "\n".join(log.lines[-20:]))
program = subprocess.Popen([PROGRAM], stderr=subprocess.DEVNULL)
try:
    app = application(program.pid)
    speak_step("start", "", "push button", "Изход") or sys.exit("Orca never heard the quiz")

    heard_question(1, speak_step("F2", "F2", "radio button"), "after F2")
    if not transcript[-1][1]:  # the focus stayed behind: Tab on to the answers
        speak_step("Tab", "Tab", "push button", "Нов тест")
        speak_step("Tab", "Tab", "radio button")
    # No answer chosen: Accept answer gives the guard box, and Enter closes it.
    speak_step("Shift+Tab", "shift+Tab shift+Tab", "push button", "Изход")
    speak_step("Shift+Tab", "shift+Tab", "push button", "Приеми отговора")
    heard = speak_step("Accept, no answer", "space", "push button", "OK")
    check(heard and "Не сте отговорили на текущия въпрос!" in " ".join(heard),
          "the guard box should be heard with its text, heard %r" % heard)
    speak_step("Enter", "Return", "push button", "Приеми отговора")
    # Tab back into the question, then an arrow chooses an answer.
    speak_step("Tab", "Tab", "push button", "Изход")
    heard_question(1, speak_step("Tab", "Tab Tab", "radio button"), "after Tab into it")
    heard_answer_only(1, speak_step("Down", "Down", "radio button"), "after Down")
    speak_step("Shift+Tab", "shift+Tab shift+Tab", "push button", "Изход")
    speak_step("Shift+Tab", "shift+Tab", "push button", "Приеми отговора")
    heard = speak_step("Accept", "space", "push button", "Следващ въпрос")
    check(heard and re.search(r"Верен отговор\.|Грешен отговор\. Верният отговор е: \S",
                              " ".join(heard)),
          "after Accept the verdict should be heard, heard %r" % heard)
    heard_question(2, speak_step("Next", "space", "radio button"), "after Next question")
    for step in range(2, 8):
        speak_step("Down", "Down", "radio button")
        speak_step("Shift+Tab", "shift+Tab shift+Tab shift+Tab", "push button",
                   "Приеми отговора")
        if step < 7:
            speak_step("Accept", "space", "push button", "Следващ въпрос")
            speak_step("Next", "space", "radio button")
    heard = speak_step("Accept, the seventh", "space", "push button", "OK")
    check(heard and re.search(r"Резултат.*Отговорихте правилно на \d въпроса и оценката Ви е",
                              " ".join(heard)),
          "the grade box should be heard with its title and text, heard %r" % heard)
    speak_step("Enter", "Return", "push button", "Нов тест")
    heard = speak_step("About", "F10 Right Return", "push button", "OK")
    text = " ".join(heard or [])
    for words in ("About Zelvarin", "Version 1.0.0",
                  "Предназначението на приложението е за развлечение",
                  "Желаем Ви приятна и ползотворна работа!"):
        check(words in text, "About should be heard with %r, heard %r" % (words, heard))
    speak_step("Esc", "Escape", "push button", "Нов тест")
finally:
    program.kill()

for name, heard in transcript:
    print("%-20s %s" % (name, " | ".join(heard) if heard else "(nothing)"))
finish()
