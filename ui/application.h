#pragma once

// Names the application to Qt and the desktop: name, version "1.00", the
// desktop entry it belongs to, and the window icon.
void describeApplication();
