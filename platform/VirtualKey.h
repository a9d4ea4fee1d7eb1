#pragma once

#include <cstdint>

namespace Platform
{

// Virtual-key codes: indexes into the 256-byte keyboard state.
namespace VirtualKey
{
inline constexpr std::uint8_t LeftButton = 0x01;
inline constexpr std::uint8_t RightButton = 0x02;
inline constexpr std::uint8_t MiddleButton = 0x04;
inline constexpr std::uint8_t ExtraButton = 0x05;
inline constexpr std::uint8_t Back = 0x08;
inline constexpr std::uint8_t Tab = 0x09;
inline constexpr std::uint8_t Return = 0x0D;
inline constexpr std::uint8_t Shift = 0x10;
inline constexpr std::uint8_t Control = 0x11;
inline constexpr std::uint8_t Menu = 0x12; // Alt
inline constexpr std::uint8_t Pause = 0x13;
inline constexpr std::uint8_t Capital = 0x14;
inline constexpr std::uint8_t Escape = 0x1B;
inline constexpr std::uint8_t Space = 0x20;
inline constexpr std::uint8_t Prior = 0x21;
inline constexpr std::uint8_t Next = 0x22;
inline constexpr std::uint8_t End = 0x23;
inline constexpr std::uint8_t Home = 0x24;
inline constexpr std::uint8_t Left = 0x25;
inline constexpr std::uint8_t Up = 0x26;
inline constexpr std::uint8_t Right = 0x27;
inline constexpr std::uint8_t Down = 0x28;
inline constexpr std::uint8_t Insert = 0x2D;
inline constexpr std::uint8_t Delete = 0x2E;
inline constexpr std::uint8_t Digit0 = 0x30;  // '0' to '9' follow
inline constexpr std::uint8_t LetterA = 0x41; // 'A' to 'Z' follow
inline constexpr std::uint8_t Numpad0 = 0x60;
inline constexpr std::uint8_t F1 = 0x70; // F1 to F12 follow
inline constexpr std::uint8_t NumLock = 0x90;
inline constexpr std::uint8_t Scroll = 0x91;
inline constexpr std::uint8_t LeftShift = 0xA0;
inline constexpr std::uint8_t RightShift = 0xA1;
inline constexpr std::uint8_t LeftControl = 0xA2;
inline constexpr std::uint8_t RightControl = 0xA3;
inline constexpr std::uint8_t LeftMenu = 0xA4;
inline constexpr std::uint8_t RightMenu = 0xA5;
// The punctuation keys of the common (US) layout.
inline constexpr std::uint8_t OemSemicolon = 0xBA;
inline constexpr std::uint8_t OemPlus = 0xBB;
inline constexpr std::uint8_t OemComma = 0xBC;
inline constexpr std::uint8_t OemMinus = 0xBD;
inline constexpr std::uint8_t OemPeriod = 0xBE;
inline constexpr std::uint8_t OemSlash = 0xBF;
inline constexpr std::uint8_t OemTilde = 0xC0;
inline constexpr std::uint8_t OemOpenBracket = 0xDB;
inline constexpr std::uint8_t OemBackslash = 0xDC;
inline constexpr std::uint8_t OemCloseBracket = 0xDD;
inline constexpr std::uint8_t OemQuote = 0xDE;
// A key that stands for a character no key of the layout gives.
inline constexpr std::uint8_t Packet = 0xE7;
} // namespace VirtualKey

// Bits of a keyboard-state byte.
inline constexpr std::uint8_t KeyDownBit = 0x80;
inline constexpr std::uint8_t KeyToggleBit = 0x01;

} // namespace Platform
