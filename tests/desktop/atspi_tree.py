"""Starts the program, deals through the open-game dialog and reads the
table through AT-SPI (run by atspi_test.sh inside a private session bus)."""
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


def fail(why):
    print("FAIL: " + why, file=sys.stderr)
    sys.exit(1)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True,
                          timeout=30).stdout.strip()


heard = []  # (event type, source name) as a screen reader hears them


def listen(event):
    try:
        heard.append((event.type, event.source.name or "", event.detail1))
    except Exception:  # a source gone meanwhile
        pass


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        pump()
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("no " + what)


def table():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or "brindlewick" not in (app.name or "").lower():
            continue
        found = pyatspi.findDescendant(
            app, lambda o: o.getRoleName() == "list" and o.name == "Card table")
        if found:
            return found
    return None


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


with open(log, "w") as out:
    game = subprocess.Popen([program], stdout=out, stderr=subprocess.STDOUT)
try:
    dialog = wait_for("open-game dialog",
                      lambda: xdotool("search", "--onlyvisible", "--name", "^Open a game$"))
    xdotool("windowfocus", "--sync", dialog.splitlines()[0])
    xdotool("key", "Return")
    time.sleep(1.5)
    main = wait_for("main window",
                    lambda: xdotool("search", "--onlyvisible", "--name", "^Brindlewick"))
    xdotool("windowfocus", "--sync", main.splitlines()[0])
    time.sleep(0.3)

    grid = wait_for("card table in the AT-SPI tree", table)
    pyatspi.Registry.registerEventListener(
        listen, "object:state-changed:focused", "object:property-change:accessible-name")
    places = children(grid)[:-1]
    status = children(grid)[-1]
    print("tree after the deal: %s '%s', %d places, then %s" %
          (grid.getRoleName(), grid.name, len(places), status.getRoleName()))
    for p in places[:4]:
        print("  %s '%s'" % (p.getRoleName(), p.name))
    if len(places) < 12:
        fail("only %d places listed" % len(places))
    bad = [p.name for p in places if not FACE_DOWN.match(p.name or "")]
    if bad:
        fail("places not named as face-down cards: %s" % bad[:3])

    # The first arrow shows the focus frame, Space turns the card under it.
    xdotool("key", "Right")
    time.sleep(0.5)
    focused = [p for p in children(grid)[:-1]
               if p.getState().contains(pyatspi.STATE_FOCUSED)]
    if len(focused) != 1:
        fail("%d places have the focus after an arrow key" % len(focused))
    where = children(grid).index(focused[0])
    print("focus on place %d: '%s'" % (where, focused[0].name))
    wait_for("focus event for the place", lambda: any(
        t == "object:state-changed:focused" and n == focused[0].name and d == 1
        for t, n, d in heard), 10)
    xdotool("key", "space")

    def turned():
        p = children(grid)[where]
        return p.name if CARD.match(p.name or "") else None
    name = wait_for("card name after turning", turned, 10)
    said = children(grid)[-1].name
    print("after Space: place %d is '%s'; status line '%s'" % (where, name, said))
    if name not in said:
        fail("the status line did not say the card: '%s'" % said)
    wait_for("name-changed events for the card and the status line", lambda: {
        n for t, n, _ in heard if t == "object:property-change:accessible-name"} >= {name, said},
        10)
    print("heard: " + "; ".join("%s '%s'" % (t.split(":")[-1], n) for t, n, _ in heard))
    print("the AT-SPI tree lists the grid's cards and names a turned card")
finally:
    game.terminate()
    try:
        game.wait(10)
    except subprocess.TimeoutExpired:
        game.kill()
