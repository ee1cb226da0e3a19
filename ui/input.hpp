// ui/input.hpp — mouse buttons, shift states and key codes as the host passes them to the
// interface engine.
#pragma once

#include <cstdint>

namespace ui {

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// The keys and mouse buttons held during an event. NOTE: on a mouse-down the host includes the
// pressed button itself (ssLeft for a left press), and ssDouble on the second press of a
// double click; edits and sliders rely on both.
using TShiftState = uint8_t;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16,
                             ssMiddle = 32, ssDouble = 64;

// Key codes of KeyDown and KeyUp: the classic desktop virtual-key numbers, which the platform
// layer maps its keys to. KeyPress receives characters instead.
inline constexpr uint16_t kKeyBack = 8, kKeyTab = 9, kKeyPageUp = 33, kKeyPageDown = 34,
                          kKeyEnd = 35, kKeyHome = 36, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39,
                          kKeyDown = 40, kKeyDelete = 46;

}  // namespace ui
