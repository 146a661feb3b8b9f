"""What a screen reader finds in the running quiz, read through the real accessibility bus.

Usage: screen_reader_check.py PID. Plays one answer through accessibility actions only (as a
switch or a screen reader would) and checks that every control says what it shows, and that
the mark of the answer is said in words; that after Accept pressed from the keyboard the
only focus event is on Next question, which carries the verdict. Then, with About open, that pressing the main
window's menu items (which a disabled window does not stop) changes nothing.
"""
import subprocess
import sys

import pyatspi
from gi.repository import GLib

from atspi import application, check, find, finish, question_frames, showing, wait_until


def press(node, until):
    node.queryAction().doAction(0)
    return wait_until(until)


def first_slot():
    return [t.name for t in find(app, pyatspi.ROLE_TEXT) if t.name.startswith("Отговор 1")]


app = application(int(sys.argv[1]))
buttons = {b.name for b in find(app, pyatspi.ROLE_PUSH_BUTTON)}
for name in ("Нов тест", "Приеми отговора", "Следващ въпрос", "Изход"):
    check(name in buttons, "no push button named %r" % name)
menu_items = {m.name for m in find(app, pyatspi.ROLE_MENU_ITEM)}
for name in ("Тест", "за Zelvarin"):
    check(name in menu_items, "no menu item named %r" % name)
for k in range(1, 8):
    check(find(app, pyatspi.ROLE_TEXT, "Отговор %d" % k), "result slot %d is not named" % k)

press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Нов тест")[0], until=lambda: question_frames(app, 1))
frames = question_frames(app, 1)
check(len(frames) == 1, "exactly one question should be on view, found %d" % len(frames))
if frames:
    frame = frames[0]
    options = find(frame, pyatspi.ROLE_RADIO_BUTTON, visible=False)
    check(len(options) == 3, "the question should offer 3 answers, found %d" % len(options))
    check(all(len(o.name) > 5 for o in options), "an answer has no readable name")
    pictures = find(frame, pyatspi.ROLE_IMAGE, visible=False)
    check(any(p.name == "Екранна снимка към въпроса" and len(p.description) > 20
              for p in pictures), "the screenshot is not named and described")
    check(not find(frame, pyatspi.ROLE_TEXT, visible=False),
          "the hidden key box is exposed")

    chosen = options[0]
    check(press(chosen, until=lambda: chosen.getState().contains(pyatspi.STATE_CHECKED)),
          "the chosen answer is not checked")
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Приеми отговора")[0],
          until=lambda: first_slot() != ["Отговор 1"])

    slot = first_slot()
    verdict = frame.description
    right = verdict == "Верен отговор."
    check(right or verdict.startswith("Грешен отговор. Верният отговор е: "),
          "the question does not say how it went: %r" % verdict)
    check(slot == ["Отговор 1: " + ("Правилен" if right else "Грешен")],
          "the result slot does not say the result: %r" % slot)
    check(chosen.description == ("верен отговор" if right else "грешен отговор"),
          "the chosen answer does not say its mark: %r" % chosen.description)
    if not right and ": " in verdict:
        named = verdict.split(": ", 1)[1]
        check(named in [o.name for o in options], "the right answer named is not an answer")


    # The focus after Accept, as a screen reader hears it: the keyboard takes the second
    # question's Accept, and Space goes straight to Next question, which says the verdict.
    second = press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Следващ въпрос")[0],
                   until=lambda: question_frames(app, 2))[0]
    answer = find(second, pyatspi.ROLE_RADIO_BUTTON, visible=False)[1]
    press(answer, until=lambda: answer.getState().contains(pyatspi.STATE_CHECKED))
    accept = find(app, pyatspi.ROLE_PUSH_BUTTON, "Приеми отговора")[0]
    new_test = find(app, pyatspi.ROLE_PUSH_BUTTON, "Нов тест")[0]
    heard, pressed = [], []

    # The quiz learns of a listener from the registry's signal and sends focus events only
    # after that. It handles the focus given to Accept through the bus after the signal, so
    # Space is pressed once that focus is heard. The focus then given to New test through the
    # bus, which the quiz handles after the key, marks the end of what Space brought.
    def focused(event):
        if event.detail1 != 1:
            return
        if not pressed:
            if event.source.name == "Приеми отговора":
                pressed.append("space")
                subprocess.run(["xdotool", "key", "space"], check=True)
        elif heard and event.source.name == "Нов тест":
            pyatspi.Registry.stop()
        else:
            heard.append((event.source.name, event.source.description))
            if len(heard) == 1:
                new_test.queryComponent().grabFocus()

    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    accept.queryComponent().grabFocus()
    # A bound for a quiz that stops answering; the events end the wait otherwise.
    GLib.timeout_add_seconds(20, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(focused, "object:state-changed:focused")
    verdict = second.description
    check(verdict == "Верен отговор." or verdict.startswith("Грешен отговор. Верният отговор е: "),
          "the second question does not say how it went: %r" % verdict)
    check(heard == [("Следващ въпрос", verdict)],
          "after Accept a screen reader should hear only Next question with the verdict, "
          "heard %r" % heard)


def about_windows():
    return [w for w in app if w is not None and w.name == "About Zelvarin" and showing(w)]


slot_before = first_slot()
check(press(find(app, pyatspi.ROLE_MENU_ITEM, "за Zelvarin")[0],
            until=lambda: len(about_windows()) == 1), "the About window did not open")
for name in ("Нов тест", "за Zelvarin"):
    find(app, pyatspi.ROLE_MENU_ITEM, name, visible=False)[0].queryAction().doAction(0)
check(len(about_windows()) == 1, "a second About window opened: %d" % len(about_windows()))
check(first_slot() == slot_before, "the test changed while About was open: %r" % first_slot())
if about_windows():
    ok = find(about_windows()[0], pyatspi.ROLE_PUSH_BUTTON, "OK", visible=False)
    check(ok and press(ok[0], until=lambda: not about_windows()), "OK did not close About")
check(first_slot() == slot_before, "the test changed when About closed: %r" % first_slot())

finish()
