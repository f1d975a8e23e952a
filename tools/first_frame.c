/* Waits until a pixel of the X screen shows a colour, then prints the steady
 * clock (CLOCK_MONOTONIC, nanoseconds) at that moment: the benchmark's way to
 * see a program's first frame arrive in its window.
 *   first_frame X Y RRGGBB TIMEOUT_MS
 * Prints "ready" once it is watching; exits 1 when the timeout passes. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static long long Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

int main(int argc, char** argv) {
  if (argc != 5) {
    fprintf(stderr, "usage: first_frame X Y RRGGBB TIMEOUT_MS\n");
    return 2;
  }
  const int x = atoi(argv[1]), y = atoi(argv[2]);
  const unsigned long want = strtoul(argv[3], NULL, 16);
  const long long end = Now() + atoll(argv[4]) * 1000000LL;
  Display* display = XOpenDisplay(NULL);
  if (!display) return 2;
  const Window root = DefaultRootWindow(display);
  printf("ready\n");
  fflush(stdout);
  while (Now() < end) {
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image) {
      const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
      XDestroyImage(image);
      if (pixel == want) {
        printf("%lld\n", Now());
        return 0;
      }
    }
    const struct timespec pause = {0, 500000};
    nanosleep(&pause, NULL);
  }
  return 1;
}
