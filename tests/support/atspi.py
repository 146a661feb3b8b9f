"""The running quiz as the accessibility bus (AT-SPI) shows it to a screen reader: what the
checks in tests/a11y share. Their runners put this folder on PYTHONPATH."""
import sys
import time

import pyatspi

failures = []


def check(condition, message):
    """Counts the message as a failure unless condition holds; gives condition back."""
    if not condition:
        failures.append(message)
    return condition


def finish():
    for f in failures:
        print("FAIL:", f)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    sys.exit(1 if failures else 0)


def wait_until(condition, seconds=10):
    """Polls condition until it gives a true value, which it returns, or False after seconds:
    the quiz answers the bus in its own time."""
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return value


def application(pid):
    """The program's application on the bus, once it has a window there."""
    def on_the_bus():
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:  # an application that went away meanwhile
                pass
        return None
    return (wait_until(on_the_bus, 20)
            or sys.exit("the quiz never appeared on the accessibility bus"))


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


# Roles are compared by value: their names change between at-spi2-core releases (2.56 names the
# push button "button").
def find(node, role, name=None, visible=True):
    """The nodes at or below node with that role (and name), shown unless visible is False."""
    return [n for n in walk(node) if n.getRole() == role
            and (name is None or n.name == name) and (not visible or showing(n))]


def question_frames(app, step):
    """The frames on view of the question at that step, named " 2-и   въпрос ..."."""
    return [p for p in find(app, pyatspi.ROLE_PANEL) if p.name.strip().startswith("%d-и" % step)]
