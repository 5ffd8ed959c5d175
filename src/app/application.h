#pragma once

namespace stagepath {
// Creates the application and the window, runs the event loop, returns its exit code.
int runApplication(int argc, char *argv[]);
}
