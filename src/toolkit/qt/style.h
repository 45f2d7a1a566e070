// The widget style of the program's windows.
#pragma once

class QStyle;

namespace tk::qt {

// Fusion, with the one standard icon the windows can show (the menu bar's
// overflow arrow) drawn in code: loading it from an image file would bring in
// every image format plugin at start-up for an arrow that two menu commands
// never need.
QStyle* program_style();

} // namespace tk::qt
