#pragma once

namespace mossaline {

/// Connects to the desktop's session bus, where the desktop has one, and keeps the connection
/// for the toolkit: its accessibility bridge waits for it when the first control gets its text.
/// Safe on any thread once the application object exists. One definition per platform.
void reach_desktop_bus();

} // namespace mossaline
