/* How long after a command the X screen stops changing: the time from the
   command to the last damage report on the root window before QUIET_MS of
   stillness. The command is a key sent as a keyboard would (XTest), or a
   POST to the remote control on 127.0.0.1, both sent from here so that
   neither pays for starting a program.
   Usage: settletime key KEYSYM [QUIET_MS]
          settletime post PORT PATH KEY [QUIET_MS]
   Prints "settle_ms N" (and for a POST "answer_ms N", when its first bytes
   came back); exits 2 when the screen was still before the command. */
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* Takes the damage reports that have arrived; returns how many. */
static int take_damage(Display *dpy, int event_base, Damage damage) {
    int seen = 0;
    while (XPending(dpy)) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == event_base + XDamageNotify) {
            XDamageSubtract(dpy, damage, None, None);
            ++seen;
        }
    }
    return seen;
}

static void wait_input(int fd1, int fd2, long microseconds) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd1, &set);
    if (fd2 >= 0)
        FD_SET(fd2, &set);
    struct timeval tv = {0, microseconds};
    select((fd1 > fd2 ? fd1 : fd2) + 1, &set, NULL, NULL, &tv);
}

/* Loopback only: the remote control of the program on this machine. */
static int post(int port, const char *path, const char *key) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    struct sockaddr_in to = {0};
    to.sin_family = AF_INET;
    to.sin_port = htons((unsigned short)port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || connect(fd, (struct sockaddr *)&to, sizeof to) != 0)
        return -1;
    char request[512];
    int n = snprintf(request, sizeof request,
                     "POST %s HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nAuthorization: Bearer %s\r\n"
                     "Content-Length: 0\r\nConnection: close\r\n\r\n",
                     path, port, key);
    if (write(fd, request, (size_t)n) != n)
        return -1;
    return fd;
}

int main(int argc, char **argv) {
    const int is_key = argc >= 3 && strcmp(argv[1], "key") == 0;
    const int is_post = argc >= 5 && strcmp(argv[1], "post") == 0;
    if (!is_key && !is_post) {
        fprintf(stderr, "usage: settletime key KEYSYM [QUIET_MS] | post PORT PATH KEY [QUIET_MS]\n");
        return 1;
    }
    const int quiet_arg = is_key ? 3 : 5;
    const double quiet = argc > quiet_arg ? atof(argv[quiet_arg]) : 250.0;
    Display *dpy = XOpenDisplay(NULL);
    int event_base, error_base, a, b, c, d;
    if (!dpy || !XDamageQueryExtension(dpy, &event_base, &error_base) ||
        !XTestQueryExtension(dpy, &a, &b, &c, &d)) {
        fprintf(stderr, "no display with the DAMAGE and XTEST extensions\n");
        return 1;
    }
    const KeyCode keycode = is_key ? XKeysymToKeycode(dpy, XStringToKeysym(argv[2])) : 0;
    Damage damage = XDamageCreate(dpy, DefaultRootWindow(dpy), XDamageReportNonEmpty);
    XSync(dpy, False);
    const int xfd = ConnectionNumber(dpy);
    /* The screen must be moving: a few updates within a second. */
    int updates = 0;
    for (double end = now_ms() + 1000; updates < 3 && now_ms() < end;) {
        updates += take_damage(dpy, event_base, damage);
        wait_input(xfd, -1, 2000);
    }
    if (updates < 3) {
        printf("still\n");
        return 2;
    }
    XSync(dpy, False);
    take_damage(dpy, event_base, damage);
    const double t0 = now_ms();
    int sock = -1;
    if (is_key) {
        XTestFakeKeyEvent(dpy, keycode, True, CurrentTime);
        XTestFakeKeyEvent(dpy, keycode, False, CurrentTime);
        XFlush(dpy);
    } else if ((sock = post(atoi(argv[2]), argv[3], argv[4])) < 0) {
        fprintf(stderr, "could not reach 127.0.0.1:%s\n", argv[2]);
        return 1;
    }
    double last = t0, answer = -1;
    while (now_ms() - last < quiet && now_ms() - t0 < 5000) {
        if (take_damage(dpy, event_base, damage) > 0)
            last = now_ms();
        if (sock >= 0) {
            char buffer[4096];
            fd_set set;
            FD_ZERO(&set);
            FD_SET(sock, &set);
            struct timeval zero = {0, 0};
            if (select(sock + 1, &set, NULL, NULL, &zero) > 0) {
                if (read(sock, buffer, sizeof buffer) > 0) {
                    if (answer < 0)
                        answer = now_ms() - t0;
                } else {
                    close(sock); /* answered and closed */
                    sock = -1;
                }
            }
        }
        wait_input(xfd, sock, 1000);
    }
    printf("settle_ms %.1f", last - t0);
    if (is_post)
        printf(" answer_ms %.1f", answer);
    printf("\n");
    if (sock >= 0)
        close(sock);
    XCloseDisplay(dpy);
    return 0;
}
