"""Starts the program on Wayland, deals through the open-game dialog and plays
a whole game to its result dialog and winning show, all through AT-SPI
actions (run by wayland_test.sh inside a private
session bus), declines the next game and leaves through Exit."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

program, log = sys.argv[1], sys.argv[2]
CARD = re.compile(r"^(Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King)"
                  r" of (hearts|diamonds|clubs|spades)$")
FACE_DOWN = re.compile(r"^Face-down card, row \d+, column \d+$")


grid = None


def fail(why):
    if grid is not None:
        try:
            why += "; the table: " + " | ".join(
                grid.getChildAtIndex(i).name for i in range(grid.childCount))
        except Exception:  # the table gone
            pass
    print("FAIL: " + why, file=sys.stderr)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        pump()
        try:
            found = probe()
        except Exception:  # an object gone while it was read
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("no " + what)


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and "brindlewick" in (a.name or "").lower():
            return a
    return None


def find(role, name):
    a = app()
    return a and pyatspi.findDescendant(
        a, lambda o: o.getRoleName() == role and o.name == name)


def press(obj):
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names and "press" not in names:
        fail("'%s' offers no press action: %s" % (obj.name, names))
    action.doAction(names.index("Press") if "Press" in names else names.index("press"))


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


with open(log, "w") as out:
    game = subprocess.Popen([program], stdout=out, stderr=subprocess.STDOUT)
try:
    wait_for("open-game dialog", lambda: find("dialog", "Open a game"))
    dialog = find("dialog", "Open a game")
    press(pyatspi.findDescendant(dialog, lambda o: o.getRoleName() == "push button"
                                 and o.name == "OK"))
    grid = wait_for("card table", lambda: find("list", "Card table"))

    def name(i):
        return children(grid)[i].name or ""

    def status():
        return children(grid)[-1].name or ""

    # Turn two cards at a time, remembering what misses showed, until a pair.
    # What a press turned is read from the status line: a missed pair turns
    # back sooner than its places can be read.
    wait_for("a dealt grid", lambda: len(children(grid)) > 12 and FACE_DOWN.match(name(0)))
    places = len(children(grid)) - 1

    def turn(place):
        before = status()
        press(children(grid)[place])
        said = wait_for("what place %d shows" % place,
                        lambda: status() != before and (CARD.match(status().split(". ")[0])
                                                        or "won" in status()) and status())
        return said.split(". ")[0], said

    def shot():  # the compositor's picture (weston runs with --debug)
        if os.environ.get("BW_SCREENSHOT_DIR"):
            subprocess.run(["weston-screenshooter"], cwd=os.environ["BW_SCREENSHOT_DIR"],
                           timeout=30)

    # The whole game, as a perfect memory plays it: a known pair first, else
    # an unseen card and then its partner if it was seen.
    known = {}  # place -> card name
    taken = set()
    said = ""
    while "won" not in said:
        byname = {}
        for place, card in known.items():
            if place not in taken:
                byname.setdefault(card, []).append(place)
        pair = next((p for p in byname.values() if len(p) == 2), None)
        if pair:
            first = pair[0]
        else:
            first = next(p for p in range(places) if p not in known and p not in taken)
        card, said = turn(first)
        known[first] = card
        if "won" in said:
            break
        if not pair:
            mates = [p for p, c in known.items() if c == card and p != first and p not in taken]
            pair = [first, mates[0] if mates else
                    next(p for p in range(places) if p not in known and p not in taken)]
        second = pair[1]
        other, said = turn(second)
        known[second] = other
        print("turned %d '%s' and %d '%s': '%s'" % (first, card, second, other, said), flush=True)
        if "Pair found" in said or "won" in said:
            taken.update((first, second))
        if len(taken) == 2:
            shot()
        if "won" not in said:
            wait_for("the missed cards turned back" if "Pair found" not in said else
                     "the pair taken",
                     lambda: not CARD.match(name(first)) and not CARD.match(name(second)), 20)

    # The result dialog, once; the winning show after it, then the next game
    # is offered.
    def showing(role, title):
        a = app()
        return a and pyatspi.findDescendant(
            a, lambda o: o.getRoleName() == role and o.name == title
            and o.getState().contains(pyatspi.STATE_SHOWING))

    def ok_of(dialog):
        return pyatspi.findDescendant(dialog, lambda o: o.getRoleName() == "push button"
                                      and (o.name or "").replace("&", "") == "OK")
    result = wait_for("the result dialog", lambda: showing("dialog", "Game Won"), 20)
    shot()
    press(ok_of(result))
    time.sleep(1)
    shot()  # the show
    offer = wait_for("the next game offered after the show",
                     lambda: showing("dialog", "Open a game"), 60)
    press(pyatspi.findDescendant(offer, lambda o: o.getRoleName() == "push button"
                                 and (o.name or "").replace("&", "") == "Cancel"))

    def exit_control():
        a = app()
        return a and pyatspi.findDescendant(
            a, lambda o: (o.name or "").replace("&", "") == "Exit" and o.queryAction().nActions)
    control = wait_for("Exit in the menu or on the toolbar", exit_control, 20)
    print("leaving through the %s '%s'" % (control.getRoleName(), control.name))
    press(control)
    try:
        game.wait(30)
    except subprocess.TimeoutExpired:
        fail("the program did not end after Exit")
    print("the program ended with %d" % game.returncode)
finally:
    if game.poll() is None:
        game.terminate()
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()
