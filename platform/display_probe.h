#pragma once
// Whether a graphical display can be reached, asked before the toolkit tries and fails.
namespace platform {

// True when DISPLAY names an X server that accepts a connection, or WAYLAND_DISPLAY names a
// Wayland socket that does. The toolkit's own platform choice (QT_QPA_PLATFORM) is respected
// by the caller, not here.
bool DisplayAvailable();

}  // namespace platform
