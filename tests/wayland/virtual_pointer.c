// virtual_pointer WIDTH HEIGHT: one pointer on a wlroots compositor's seat (labwc, sway) for as
// long as it runs, clicking where lines on standard input say: "click X Y" moves it to X, Y of an
// output layout of WIDTH x HEIGHT pixels and presses and releases the left button there. It
// says "ready" on standard output once the compositor has the pointer, and ends at the end of
// its input. wlrctl makes a pointer for each call, and the seat's pointer comes and goes with
// it, so a program can lose the click to the race between the device coming and the program
// taking the seat's new pointer; a pointer that stays is what a real mouse is.
//
// Debian 12 ships no description of the wlr virtual-pointer protocol for wayland-scanner, so
// its two interfaces are written out here as the scanner would write them.
#define _POSIX_C_SOURCE 200809L
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static const struct wl_interface *const no_types[5] = {NULL};

enum { MOTION_ABSOLUTE = 1, BUTTON = 2, FRAME = 4 };
static const struct wl_message pointer_requests[] = {
    {"motion", "uff", (const struct wl_interface **)no_types},
    {"motion_absolute", "uuuuu", (const struct wl_interface **)no_types},
    {"button", "uuu", (const struct wl_interface **)no_types},
    {"axis", "uuf", (const struct wl_interface **)no_types},
    {"frame", "", (const struct wl_interface **)no_types},
    {"axis_source", "u", (const struct wl_interface **)no_types},
    {"axis_stop", "uu", (const struct wl_interface **)no_types},
    {"axis_discrete", "uufi", (const struct wl_interface **)no_types},
    {"destroy", "", (const struct wl_interface **)no_types},
};
static const struct wl_interface pointer_interface = {"zwlr_virtual_pointer_v1", 1, 9,
                                                      pointer_requests,          0, NULL};

enum { CREATE_VIRTUAL_POINTER = 0 };
static const struct wl_interface *create_types[] = {&wl_seat_interface, &pointer_interface};
static const struct wl_message manager_requests[] = {
    {"create_virtual_pointer", "?on", create_types},
    {"destroy", "", (const struct wl_interface **)no_types},
};
static const struct wl_interface manager_interface = {
    "zwlr_virtual_pointer_manager_v1", 1, 2, manager_requests, 0, NULL};

struct globals
{
    struct wl_proxy *manager;
    struct wl_seat *seat;
};

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                   uint32_t version)
{
    (void)version;
    struct globals *globals = data;
    if (strcmp(interface, manager_interface.name) == 0)
        globals->manager = wl_registry_bind(registry, name, &manager_interface, 1);
    else if (strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == NULL)
        globals->seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

static uint32_t now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static void button(struct wl_proxy *pointer, uint32_t state)
{
    wl_proxy_marshal_flags(pointer, BUTTON, NULL, 1, 0, now_ms(), BTN_LEFT, state);
    wl_proxy_marshal_flags(pointer, FRAME, NULL, 1, 0);
}

int main(int argc, char **argv)
{
    unsigned width = 0, height = 0;
    if (argc != 3 || sscanf(argv[1], "%u", &width) != 1 || sscanf(argv[2], "%u", &height) != 1) {
        fprintf(stderr, "usage: virtual_pointer WIDTH HEIGHT\n");
        return 2;
    }
    struct wl_display *display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "virtual_pointer: no Wayland compositor to connect to\n");
        return 1;
    }
    struct globals globals = {NULL, NULL};
    static const struct wl_registry_listener listener = {global, global_remove};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &globals);
    wl_display_roundtrip(display);
    if (globals.manager == NULL || globals.seat == NULL) {
        fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    struct wl_proxy *pointer = wl_proxy_marshal_flags(globals.manager, CREATE_VIRTUAL_POINTER,
                                                      &pointer_interface, 1, 0, globals.seat, NULL);
    if (wl_display_roundtrip(display) < 0)
        return 1;
    printf("ready\n");
    fflush(stdout);

    char line[64];
    unsigned x = 0, y = 0;
    while (fgets(line, sizeof line, stdin) != NULL) {
        if (sscanf(line, "click %u %u", &x, &y) != 2) {
            fprintf(stderr, "virtual_pointer: unknown command %s", line);
            return 2;
        }
        wl_proxy_marshal_flags(pointer, MOTION_ABSOLUTE, NULL, 1, 0, now_ms(), x, y, width, height);
        wl_proxy_marshal_flags(pointer, FRAME, NULL, 1, 0);
        button(pointer, WL_POINTER_BUTTON_STATE_PRESSED);
        button(pointer, WL_POINTER_BUTTON_STATE_RELEASED);
        if (wl_display_roundtrip(display) < 0)
            return 1;
    }
    wl_display_disconnect(display);
    return 0;
}
