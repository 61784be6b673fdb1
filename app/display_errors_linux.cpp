#include "app/display_errors.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

// An error that reaches us (the library and the host-window queries catch the ones they
// expect) about a window or drawable means the preview's host destroyed its window under
// us, which ends the saver anyway. End now, with status 0: the GL driver would otherwise
// go on with a drawable of garbage size (we saw 1.4 GB and seconds of work), and a
// normal exit could wait on the driver's locks that we are called under.
int onDisplayError(Display*, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        std::fflush(nullptr);
        std::_Exit(0);
    }
    return 0;  // anything else is not worth ending a screensaver for
}

}  // namespace

void installDisplayErrorHandler() { XSetErrorHandler(onDisplayError); }
