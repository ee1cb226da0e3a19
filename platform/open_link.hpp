// platform/open_link.hpp — opening a link or a link file with the desktop's own handler.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The target of an Internet shortcut's text: the rest of its first "URL=" line; empty when it
// has none.
std::string ShortcutUrl(std::string_view text);

// Starts the desktop's opener (xdg-open) on the target without a shell in between and without
// waiting for it. A ".url" file (any letter case) opens the URL its "URL=" line names. False,
// with the reason in *error when given, when there is nothing to open or nothing could be
// started; the game goes on either way.
bool OpenLink(const std::string& target, std::string* error = nullptr);

// The program OpenLink starts instead of xdg-open (tests, headless runs). Empty restores it.
void SetLinkOpener(std::string program);

}  // namespace platform
