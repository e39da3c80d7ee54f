#pragma once

#include <string>

// Rules that make the desktop's chooser behave like the one the program was
// designed for.

// Turns a "text|pattern|...||" filter into a wxWidgets wildcard that the GTK
// chooser matches the intended way: letters match either case ("*.avi" shows
// MOVIE.AVI) and "*.*" matches every name, also one without a dot.
std::string ToChooserWildcard(const std::string& filter);

// `path` with ".ext" added when its file name has no extension; `ext` empty
// leaves it alone.
std::string AddDefaultExtension(const std::string& path, const std::string& ext);
