// Which of Qt's platforms shows the game window on a Wayland desktop.
// Through XWayland the desktop draws the title bar, places the window where
// it was designed to be and offers no maximise on a window of fixed size;
// Qt's own Wayland title bar always offers maximise. So X11 comes first
// where there is an X display, native Wayland only when X11 cannot start.
#pragma once

namespace platformchoice {
// Sets the choice unless the user made one (QT_QPA_PLATFORM); true if set.
bool preferX11();
} // namespace platformchoice
