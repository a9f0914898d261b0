#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zq {

// The classes a control of the main window can have.
enum class ControlClass : std::uint8_t { DrawPanel, Label, Button, HyperLinker, Timer };

// Client-area pixels of the main window; the size includes the control's own border.
struct ControlRect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;
};

struct ControlSpec {
  std::string_view name;  // UTF-8; handlers address controls by it
  ControlClass cls;
  std::optional<ControlRect> rect;  // timers have no place on screen
  bool visible;
  bool enabled;
  bool tabStop;
  std::int32_t tabOrder;
};

// Control names, as handlers write them.
namespace names {
inline constexpr std::string_view kLinker1 = "超级链接框1";
inline constexpr std::string_view kTimer = "时钟";
inline constexpr std::string_view kLabel1 = "标签1";
inline constexpr std::string_view kButton1 = "按钮1";
inline constexpr std::string_view kTimer8 = "时钟8";
inline constexpr std::string_view kPanel1 = "画板1";
inline constexpr std::string_view kPanel2 = "画板2";
inline constexpr std::string_view kPanel3 = "画板3";
inline constexpr std::string_view kPanel4 = "画板4";
inline constexpr std::string_view kPanel5 = "画板5";
inline constexpr std::string_view kPanel6 = "画板6";
inline constexpr std::string_view kPanel7 = "画板7";
inline constexpr std::string_view kPanel8 = "画板8";
inline constexpr std::string_view kPanel9 = "画板9";
}  // namespace names

inline constexpr std::size_t kControlCount = 14;

// Every control of the main window, in stacking order: the first row lies on top.
// The state columns are the start-up state.
// clang-format off
inline constexpr std::array<ControlSpec, kControlCount> kControls{{
    // name           class                      rect: left, top, width, height   visible enabled tabstop order
    {names::kLinker1,  ControlClass::HyperLinker, ControlRect{284, 224, 180,  24}, true , true , false, 0},
    {names::kTimer,    ControlClass::Timer,       std::nullopt                   , false, true , false, 0},
    {names::kLabel1,   ControlClass::Label,       ControlRect{268,  20, 212, 116}, true , true , false, 0},
    {names::kButton1,  ControlClass::Button,      ControlRect{284, 148, 180,  52}, true , true , true , 0},
    {names::kPanel9,   ControlClass::DrawPanel,   ControlRect{110, 101,  54,  59}, true , false, false, 0},
    {names::kPanel7,   ControlClass::DrawPanel,   ControlRect{ 28, 180,  54,  59}, true , false, false, 0},
    {names::kTimer8,   ControlClass::Timer,       std::nullopt                   , false, true , false, 0},
    {names::kPanel5,   ControlClass::DrawPanel,   ControlRect{192, 180,  54,  59}, true , false, false, 0},
    {names::kPanel3,   ControlClass::DrawPanel,   ControlRect{192,  20,  54,  59}, true , false, false, 0},
    {names::kPanel6,   ControlClass::DrawPanel,   ControlRect{110, 180,  54,  59}, true , false, false, 0},
    {names::kPanel8,   ControlClass::DrawPanel,   ControlRect{ 28, 101,  54,  59}, true , false, false, 0},
    {names::kPanel4,   ControlClass::DrawPanel,   ControlRect{192, 101,  54,  59}, true , false, false, 0},
    {names::kPanel2,   ControlClass::DrawPanel,   ControlRect{110,  20,  54,  59}, true , false, false, 0},
    {names::kPanel1,   ControlClass::DrawPanel,   ControlRect{ 28,  20,  54,  59}, true , false, false, 0},
}};
// clang-format on

// The eight outer panels, clockwise from the top-left cell.
inline constexpr std::array<std::string_view, 8> kRing{
    names::kPanel1, names::kPanel2, names::kPanel3, names::kPanel4,
    names::kPanel5, names::kPanel6, names::kPanel7, names::kPanel8,
};

// Index of the control called `name` in kControls, if there is one. Allocates nothing.
constexpr std::optional<std::size_t> findControl(std::string_view name) noexcept {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (kControls[i].name == name) {
      return i;
    }
  }
  return std::nullopt;
}

// The controls that take the keyboard focus (shown, enabled, tab stop), in the order Tab
// visits them: ascending tab order, and among equal tab orders the one nearer the end of the
// table first. The first entry gets the focus when the window is first activated.
std::vector<std::size_t> focusChain(std::span<const ControlSpec> table);

}  // namespace zq
