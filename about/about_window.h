#pragma once

// The window shown for the configuration switch: caption, picture, the maker's notice and
// a button that opens the maker's web page. The constructor runs the window's message
// loop and returns once the window has closed. `instance` is the program's instance
// handle (null on Linux), `showCommand` the show state the program was started with.
class AboutWindow {
public:
    AboutWindow(void* instance, int showCommand);
};
