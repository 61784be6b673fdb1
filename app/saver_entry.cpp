#include "app/saver_entry.h"

#include "about/about_window.h"
#include "app/launch_options.h"
#include "app/saver_app.h"

int runSaverEntry(const char* commandLine, void* instance, int showCommand) {
    launchOptions = new LaunchOptions(commandLine);  // lives until the process ends
    const LaunchMode mode = launchOptions->mode;

    // A full-screen run with /s neither checks nor takes the guard.
    if ((mode == LaunchMode::Preview || mode == LaunchMode::None) && !launchOptions->claimSingleInstance()) {
        return 0;
    }
    if (mode == LaunchMode::Configure) {
        AboutWindow about(instance, showCommand);  // returns once the window has closed
        return 0;
    }
    saverApp = new SaverApp(launchOptions);  // lives until the process ends
    saverApp->run();
    return 0;
}
