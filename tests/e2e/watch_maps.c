/* Prints a line for every window that the X server maps, until it is killed: whether a program
 * ever showed a window, however briefly. Prints "ready" once it watches.
 * With the argument "sync" it only marks the root window: a watcher prints "sync" once it has
 * printed every map that came before the mark. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "watch_maps: no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const Atom mark = XInternAtom(display, "WATCH_MAPS_SYNC", False);
    if (argc == 2 && strcmp(argv[1], "sync") == 0) {
        const unsigned char value = 1;
        XChangeProperty(display, root, mark, XA_INTEGER, 8, PropModeReplace, &value, 1);
        XSync(display, False);
        XCloseDisplay(display);
        return 0;
    }
    XSelectInput(display, root, SubstructureNotifyMask | PropertyChangeMask);
    XSync(display, False);
    printf("ready\n");
    fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            printf("map 0x%lx\n", (unsigned long)event.xmap.window);
            fflush(stdout);
        } else if (event.type == PropertyNotify && event.xproperty.atom == mark) {
            printf("sync\n");
            fflush(stdout);
        }
    }
}
