/* Counts how often the X screen changes, as a viewer would see it: damage
   reports on the root window, those less than 2 ms apart taken as one update.
   Usage: damagecount SECONDS [SKIP_SECONDS]; prints "updates/s N".
   Outside the program on purpose: it sees what reaches the display server. */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/select.h>
#include <time.h>

static double now_s(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

int main(int argc, char **argv) {
    const double seconds = argc > 1 ? atof(argv[1]) : 3.0;
    const double skip = argc > 2 ? atof(argv[2]) : 0.0;
    Display *dpy = XOpenDisplay(NULL);
    int event_base, error_base;
    if (!dpy || !XDamageQueryExtension(dpy, &event_base, &error_base)) {
        fprintf(stderr, "no display with the DAMAGE extension\n");
        return 1;
    }
    Window root = DefaultRootWindow(dpy);
    Damage damage = XDamageCreate(dpy, root, XDamageReportNonEmpty);
    XSync(dpy, False);
    const double start = now_s() + skip, end = start + seconds;
    double last = 0;
    long updates = 0;
    int fd = ConnectionNumber(dpy);
    while (now_s() < end) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == event_base + XDamageNotify) {
                XDamageSubtract(dpy, damage, None, None);
                const double t = now_s();
                if (t >= start && t - last > 0.002)
                    ++updates;
                last = t;
            }
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        struct timeval tv = {0, 1000};
        select(fd + 1, &set, NULL, NULL, &tv);
    }
    printf("updates/s %.1f\n", updates / seconds);
    return 0;
}
