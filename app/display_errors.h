#pragma once

// Errors the display reports about our requests. A preview's host may destroy its
// window at any moment, and drawing to it afterwards is answered with errors; they must
// not end the process with Xlib's default status 1. Win32 reports such failures
// through return values, so there it does nothing.
void installDisplayErrorHandler();
