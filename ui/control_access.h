#pragma once

#include <cstdint>
#include <string_view>

#include "ui/owned_text.h"

namespace zq {

// The properties handlers read and write, grouped by the type of their value so that a value
// of the wrong type does not compile.
enum class BoolProperty : std::uint8_t { Visible };
enum class IntProperty : std::uint8_t { Period };
enum class TextProperty : std::uint8_t { Caption };

// Uniform access to the main window's controls by name.
//
// Visible applies to every control (timers are never shown: they read false and ignore
// writes), Caption to buttons, Period to timers. A name that is no control, a property the
// control does not have, or a call while no window is up reads as false, 0 or no text and
// writes nothing; no other control is touched.
//
// Texts are GBK bytes. A read hands out an owned NUL-terminated copy, or no text when the text
// is empty. A write copies the caller's bytes up to their NUL; nullptr stands for the empty
// text. Writes take effect before they return; the screen follows at the next repaint.
bool GetControlProperty(std::string_view control, BoolProperty property);
std::int32_t GetControlProperty(std::string_view control, IntProperty property);
OwnedText GetControlProperty(std::string_view control, TextProperty property);

void SetControlProperty(std::string_view control, BoolProperty property, bool value);
void SetControlProperty(std::string_view control, IntProperty property, std::int32_t value);
void SetControlProperty(std::string_view control, TextProperty property, const char* gbk);

// Releases a copy handed out by GetControlProperty. Taking it by rvalue leaves the caller's
// variable empty, so the same copy cannot be released twice.
void ReleaseText(OwnedText&& text) noexcept;

}  // namespace zq
