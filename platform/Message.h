#pragma once

#include <cstdint>

namespace Platform
{

// The window handle the engine keeps; 0 means no window.
using WindowHandle = std::uint32_t;

// One window message. The codes keep the numbers the engine and game compare against.
struct Message
{
    WindowHandle window = 0;
    std::uint32_t code = 0;
    std::uintptr_t first = 0;
    std::intptr_t second = 0;
};

namespace MessageCode
{
inline constexpr std::uint32_t Create = 1;
inline constexpr std::uint32_t Destroy = 2;
inline constexpr std::uint32_t Activate = 6;
inline constexpr std::uint32_t KillFocus = 8;
inline constexpr std::uint32_t Paint = 15;
inline constexpr std::uint32_t Close = 0x10;
inline constexpr std::uint32_t Quit = 0x12;
inline constexpr std::uint32_t ActivateApp = 28;
inline constexpr std::uint32_t SetCursor = 32;
inline constexpr std::uint32_t KeyDown = 0x100;
inline constexpr std::uint32_t KeyUp = 0x101;
inline constexpr std::uint32_t Char = 0x102;
inline constexpr std::uint32_t SysCommand = 0x112;
} // namespace MessageCode

// First parameter of the activate message.
namespace ActivateState
{
inline constexpr std::uintptr_t Inactive = 0;
inline constexpr std::uintptr_t Active = 1;
} // namespace ActivateState

// First parameter of the system-command message.
namespace SysCommandCode
{
inline constexpr std::uintptr_t Minimize = 0xF020;
inline constexpr std::uintptr_t KeyMenu = 0xF100;
inline constexpr std::uintptr_t Restore = 0xF120;
// Second parameter of KeyMenu when Alt+Enter was pressed.
inline constexpr std::intptr_t AltEnter = 13;
} // namespace SysCommandCode

// Low word of the set-cursor message's second parameter when the pointer is over the client area.
inline constexpr std::intptr_t HitClient = 1;
// ... and when it is over no part of the window.
inline constexpr std::intptr_t HitNowhere = 0;

// Window styles the engine uses.
namespace WindowStyle
{
inline constexpr std::uint32_t Caption = 0x00C00000;
inline constexpr std::uint32_t Overlapped = 0x10CA0000; // visible, caption, system menu, minimise box
inline constexpr std::uint32_t FullScreen = 0x06000000; // clip siblings and children, no frame
} // namespace WindowStyle

// Buttons of the message box.
namespace DialogButton
{
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
} // namespace DialogButton

} // namespace Platform
