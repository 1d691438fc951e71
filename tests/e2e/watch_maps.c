/* Prints a line for every window that the X server maps, until it is killed: whether a program
 * ever showed a window, however briefly. Prints "ready" once it watches. */
#include <X11/Xlib.h>
#include <stdio.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "watch_maps: no display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    printf("ready\n");
    fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            printf("map 0x%lx\n", (unsigned long)event.xmap.window);
            fflush(stdout);
        }
    }
}
