#pragma once
// A request to end the program from outside (the session ending, Ctrl+C in a terminal)
// handled like closing the window: on the event loop, ending with status 0.
#include <functional>

namespace platform {

// Calls `action` on the event loop when SIGTERM, SIGINT or SIGHUP arrives. Call once.
void OnTerminationRequest(std::function<void()> action);

}  // namespace platform
