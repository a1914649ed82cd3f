// A seat for a headless weston, for tests: the headless backend has no input
// devices, so this module gives the compositor a pointer and a keyboard that
// a test drives by writing lines to the FIFO named by SKY_WESTON_INPUT:
//   move X Y          the pointer to a point of the desktop, in logical pixels
//   button CODE 0|1   a pointer button released or pressed (272 is the left one)
//   key CODE 0|1      a key released or pressed (Linux codes: 28 Return, 57 Space)
// The compositor delivers them as it would a real seat's: focus, activation,
// pop-up grabs. Loaded with weston --modules=PATH.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" {
#include <libweston/libweston.h>
#include <wayland-server.h>

// From libweston's backend header, which its development package does not
// ship; the last argument of notify_key is weston_key_state_update.
void weston_seat_init(weston_seat* seat, weston_compositor* compositor, const char* name);
int weston_seat_init_pointer(weston_seat* seat);
int weston_seat_init_keyboard(weston_seat* seat, xkb_keymap* keymap);
void notify_motion_absolute(weston_seat* seat, const timespec* time, double x, double y);
void notify_button(weston_seat* seat, const timespec* time, int32_t button, wl_pointer_button_state state);
void notify_pointer_frame(weston_seat* seat);
void notify_key(weston_seat* seat, const timespec* time, uint32_t key, wl_keyboard_key_state state, int update);

WL_EXPORT int wet_module_init(weston_compositor* compositor, int* argc, char* argv[]);
}

namespace {

constexpr int UpdateKeyStateAutomatically = 0;

weston_seat seat;
std::string pending;

void Run(const std::string& line) {
    timespec now;
    weston_compositor_get_time(&now);
    char what[16];
    double a = 0, b = 0;
    if (std::sscanf(line.c_str(), "%15s %lf %lf", what, &a, &b) != 3) {
        std::fprintf(stderr, "weston seat module: cannot read '%s'\n", line.c_str());
        return;
    }
    const std::string command = what;
    if (command == "move") {
        notify_motion_absolute(&seat, &now, a, b);
        notify_pointer_frame(&seat);
    } else if (command == "button") {
        notify_button(&seat, &now, static_cast<int32_t>(a),
                      b != 0 ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        notify_pointer_frame(&seat);
    } else if (command == "key") {
        notify_key(&seat, &now, static_cast<uint32_t>(a),
                   b != 0 ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED,
                   UpdateKeyStateAutomatically);
    } else {
        std::fprintf(stderr, "weston seat module: no command '%s'\n", what);
    }
}

int Readable(int fd, uint32_t, void*) {
    char buffer[512];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return 0;
    pending.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1))
        Run(pending.substr(0, end));
    return 0;
}

}  // namespace

WL_EXPORT int wet_module_init(weston_compositor* compositor, int*, char*[]) {
    const char* path = std::getenv("SKY_WESTON_INPUT");
    if (!path) {
        std::fprintf(stderr, "weston seat module: SKY_WESTON_INPUT names no FIFO\n");
        return -1;
    }
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    // Held open for writing too, so that a test closing its end is no end of input.
    if (fd < 0 || open(path, O_WRONLY | O_CLOEXEC) < 0) {
        std::perror("weston seat module");
        return -1;
    }
    weston_seat_init(&seat, compositor, "test-seat");
    weston_seat_init_pointer(&seat);
    weston_seat_init_keyboard(&seat, nullptr);
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), fd, WL_EVENT_READABLE, Readable, nullptr);
    return 0;
}
