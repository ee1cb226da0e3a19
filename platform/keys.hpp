// platform/keys.hpp — SDL key codes and the classic desktop virtual-key codes the game and the
// interface toolkit use, both ways.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// 0 for a key the game has no code for.
uint16_t VirtualKeyFromSdl(int32_t sdlKeycode);
// SDLK_UNKNOWN (0) for a code without an SDL key.
int32_t SdlFromVirtualKey(uint16_t virtualKey);

}  // namespace platform

namespace platform {

// SDL's key names ("F2", "Escape", "Space", "A", "Keypad Enter"), as recorded input files
// write them; 0 / empty for a name or code without a key.
uint16_t VirtualKeyFromName(const std::string& name);
std::string KeyNameOf(uint16_t virtualKey);

}  // namespace platform
