/* The eyes of bench/startup.sh: watches an X display and prints, stamped
 * with the wall clock in microseconds (the script's $EPOCHREALTIME):
 *
 *   ready <us>                          the watch is set up
 *   map   <us> <window> <w> <h> <name>  a top-level window was mapped
 *   draw  <us> <window> <x> <y> <w> <h> something was drawn into one
 *   key   <us> <window> <keycode>       a key went down in one
 *
 * Drawing is seen through the DAMAGE extension, so every copy to the
 * window counts, whether or not it changed a pixel; no screen is grabbed
 * and the watched program keeps its cores. Runs until killed. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static long long Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return (long long)t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

static void Watch(Display* dpy, Window w) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy, w, &a)) return;
    char* name = NULL;
    XFetchName(dpy, w, &name);
    printf("map %lld 0x%lx %d %d %s\n", Now(), (unsigned long)w, a.width, a.height,
           name ? name : "");
    if (name) XFree(name);
    XDamageCreate(dpy, w, XDamageReportRawRectangles);
    XSelectInput(dpy, w, KeyPressMask | StructureNotifyMask);
}

/* A window may go before it is looked at. */
static int IgnoreErrors(Display* dpy, XErrorEvent* e) {
    (void)dpy;
    (void)e;
    return 0;
}

int main(void) {
    setvbuf(stdout, NULL, _IOLBF, 0);
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xwatch: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        fprintf(stderr, "xwatch: the display has no DAMAGE extension\n");
        return 1;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);
    printf("ready %lld\n", Now());
    for (;;) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type == MapNotify && e.xmap.event == DefaultRootWindow(dpy)) {
            Watch(dpy, e.xmap.window);
        } else if (e.type == KeyPress) {
            printf("key %lld 0x%lx %u\n", Now(), (unsigned long)e.xkey.window, e.xkey.keycode);
        } else if (e.type == damageEvent + XDamageNotify) {
            const XDamageNotifyEvent* d = (const XDamageNotifyEvent*)&e;
            printf("draw %lld 0x%lx %d %d %d %d\n", Now(), (unsigned long)d->drawable, d->area.x,
                   d->area.y, d->area.width, d->area.height);
        }
    }
}
