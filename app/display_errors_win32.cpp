#include "app/display_errors.h"

void installDisplayErrorHandler() {}
