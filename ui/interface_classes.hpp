// ui/interface_classes.hpp — makes the toolkit's classes known by name to interface files.
#pragma once

namespace ui {

// Registers the font and every interface class with the global class registry; safe to call
// more than once. The interface engine calls it when it is created.
void RegisterInterfaceClasses();

}  // namespace ui
