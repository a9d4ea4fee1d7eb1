#include "platform/ScriptedInput.h"

#include "platform/KeyText.h"
#include "platform/MouseState.h"
#include "platform/Utf8.h"
#include "platform/VirtualKey.h"
#include "platform/WindowSystem.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace Platform
{

namespace
{

constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;
constexpr int kMaxWheelNotches = 1000;
constexpr float kMaxCoordinate = 100000.0f;

struct KeyName
{
    const char* name;
    std::uint8_t virtualKey;
};

constexpr KeyName kKeyNames[] = {
    {"back", VirtualKey::Back},       {"backspace", VirtualKey::Back}, {"tab", VirtualKey::Tab},
    {"return", VirtualKey::Return},   {"enter", VirtualKey::Return},   {"shift", VirtualKey::Shift},
    {"control", VirtualKey::Control}, {"ctrl", VirtualKey::Control},   {"alt", VirtualKey::Menu},
    {"pause", VirtualKey::Pause},     {"escape", VirtualKey::Escape},  {"esc", VirtualKey::Escape},
    {"space", VirtualKey::Space},     {"pageup", VirtualKey::Prior},   {"pagedown", VirtualKey::Next},
    {"end", VirtualKey::End},         {"home", VirtualKey::Home},      {"left", VirtualKey::Left},
    {"up", VirtualKey::Up},           {"right", VirtualKey::Right},    {"down", VirtualKey::Down},
    {"insert", VirtualKey::Insert},   {"delete", VirtualKey::Delete},
};

std::string Lower(std::string text)
{
    for (char& c : text)
    {
        if (c >= 'A' && c <= 'Z')
        {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

template <typename Number>
bool ParseWhole(const std::string& text, Number& value, int base = 10)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
    {
        ++begin;
    }
    const auto [stop, error] = std::from_chars(begin, end, value, base);
    return error == std::errc() && stop == end && begin != end;
}

bool ParseCoordinate(const std::string& text, float& value)
{
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    stream >> value;
    return !stream.fail() && stream.eof() && std::isfinite(value) && std::fabs(value) <= kMaxCoordinate;
}

bool ParseKey(const std::string& text, std::uint8_t& key)
{
    const std::string name = Lower(text);
    if (name.size() == 1 && ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= '0' && name[0] <= '9')))
    {
        key = static_cast<std::uint8_t>(name[0] >= 'a' ? VirtualKey::LetterA + (name[0] - 'a')
                                                       : VirtualKey::Digit0 + (name[0] - '0'));
        return true;
    }
    if (name.size() >= 2 && name[0] == 'f')
    {
        int number = 0;
        if (ParseWhole(name.substr(1), number) && number >= 1 && number <= 12)
        {
            key = static_cast<std::uint8_t>(VirtualKey::F1 + number - 1);
            return true;
        }
    }
    for (const KeyName& entry : kKeyNames)
    {
        if (name == entry.name)
        {
            key = entry.virtualKey;
            return true;
        }
    }
    unsigned int number = 0;
    const bool parsed =
        name.rfind("0x", 0) == 0 ? ParseWhole(name.substr(2), number, 16) : ParseWhole(name, number);
    if (parsed && number >= 1 && number <= 255)
    {
        key = static_cast<std::uint8_t>(number);
        return true;
    }
    return false;
}

bool ParseButton(const std::string& text, int& button)
{
    const std::string name = Lower(text);
    if (name == "left")
    {
        button = 0;
    }
    else if (name == "right")
    {
        button = 1;
    }
    else if (name == "middle")
    {
        button = 2;
    }
    else
    {
        return false;
    }
    return true;
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream stream(line);
    std::string word;
    while (stream >> word)
    {
        words.push_back(word);
    }
    return words;
}

} // namespace

bool ScriptedInput::LoadFile(const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        error = "cannot read the input script '" + path + "'";
        return false;
    }
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0)
    {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxFileBytes)
        {
            error = "the input script '" + path + "' is too long";
            return false;
        }
    }
    if (!Parse(text, error))
    {
        error = path + ":" + error;
        return false;
    }
    return true;
}

bool ScriptedInput::Parse(const std::string& text, std::string& error)
{
    mEvents.clear();
    mNext = 0;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
        {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        ++lineNumber;
        if (!ParseLine(line, lineNumber, error))
        {
            mEvents.clear();
            return false;
        }
        if (mEvents.size() > kMaxEvents)
        {
            error = std::to_string(lineNumber) + ": more than " + std::to_string(kMaxEvents) + " events";
            mEvents.clear();
            return false;
        }
        start = end + 1;
    }
    std::stable_sort(mEvents.begin(), mEvents.end(),
                     [](const Event& a, const Event& b) { return a.frame < b.frame; });
    return true;
}

bool ScriptedInput::ParseLine(const std::string& line, std::size_t lineNumber, std::string& error)
{
    const std::string where = std::to_string(lineNumber) + ": ";
    // The text of "type" runs to the end of the line, '#' included; elsewhere '#' starts a comment.
    const std::vector<std::string> head = Words(line.substr(0, line.find('#')));
    if (head.empty())
    {
        return true;
    }
    Event event;
    if (!ParseWhole(head[0], event.frame) || event.frame == 0 || event.frame > kMaxFrame)
    {
        error = where + "a line starts with its frame, a whole number from 1 to " +
                std::to_string(kMaxFrame) + ", not '" + head[0] + "'";
        return false;
    }
    const std::string command = head.size() > 1 ? Lower(head[1]) : std::string();
    if (command == "type")
    {
        const std::size_t at = line.find(head[1], line.find(head[0]) + head[0].size()) + head[1].size();
        const std::u16string typed = Utf8ToUtf16(at < line.size() ? line.substr(at + 1) : std::string());
        if (typed.empty())
        {
            error = where + "type needs the text to type";
            return false;
        }
        std::uint64_t frame = event.frame;
        for (const char16_t character : typed)
        {
            const KeyText::KeyStroke stroke = KeyText::StrokeFor(character);
            if (stroke.shift)
            {
                Add({frame, Kind::Key, 0, 0, VirtualKey::Shift, true, 0});
            }
            Add({frame, Kind::Character, 0, 0, stroke.virtualKey, false, character});
            Add({frame, Kind::Key, 0, 0, stroke.virtualKey, true, 0});
            Add({frame + 1, Kind::Key, 0, 0, stroke.virtualKey, false, 0});
            if (stroke.shift)
            {
                Add({frame + 1, Kind::Key, 0, 0, VirtualKey::Shift, false, 0});
            }
            frame += 2;
        }
        return true;
    }
    const std::size_t arguments = head.size() - 2;
    auto needs = [&](std::size_t count, const char* form)
    {
        if (head.size() < 2 || arguments != count)
        {
            error = where + "write " + form;
            return false;
        }
        return true;
    };
    if (command == "move")
    {
        if (!needs(2, "FRAME move X Y") || !ParseCoordinate(head[2], event.x) ||
            !ParseCoordinate(head[3], event.y))
        {
            error = where + "write FRAME move X Y, with X and Y numbers of virtual-screen pixels";
            return false;
        }
        event.kind = Kind::Move;
        Add(event);
    }
    else if (command == "press" || command == "release" || command == "click")
    {
        if (!needs(1, "FRAME press|release|click left|right|middle") || !ParseButton(head[2], event.value))
        {
            error = where + "the buttons are left, right and middle";
            return false;
        }
        event.kind = Kind::Button;
        event.down = command != "release";
        Add(event);
        if (command == "click")
        {
            event.down = false;
            ++event.frame;
            Add(event);
        }
    }
    else if (command == "wheel")
    {
        if (!needs(1, "FRAME wheel NOTCHES") || !ParseWhole(head[2], event.value) || event.value == 0 ||
            std::abs(event.value) > kMaxWheelNotches)
        {
            error = where + "write FRAME wheel NOTCHES, a whole number from -1000 to 1000 other than 0";
            return false;
        }
        event.kind = Kind::Wheel;
        Add(event);
    }
    else if (command == "keydown" || command == "keyup" || command == "key")
    {
        std::uint8_t key = 0;
        if (!needs(1, "FRAME keydown|keyup|key KEY") || !ParseKey(head[2], key))
        {
            error = where + "unknown key '" + (head.size() > 2 ? head[2] : std::string()) + "'";
            return false;
        }
        event.kind = Kind::Key;
        event.value = key;
        event.down = command != "keyup";
        Add(event);
        if (command == "key")
        {
            event.down = false;
            ++event.frame;
            Add(event);
        }
    }
    else if (command == "focus")
    {
        const std::string state = head.size() > 2 ? Lower(head[2]) : std::string();
        if (!needs(1, "FRAME focus lost|gained") || (state != "lost" && state != "gained"))
        {
            error = where + "write FRAME focus lost or FRAME focus gained";
            return false;
        }
        event.kind = Kind::Focus;
        event.down = state == "gained";
        Add(event);
    }
    else if (command == "close")
    {
        if (!needs(0, "FRAME close"))
        {
            return false;
        }
        event.kind = Kind::Close;
        Add(event);
    }
    else
    {
        error = where + "unknown command '" + command + "'";
        return false;
    }
    return true;
}

void ScriptedInput::Add(const Event& event)
{
    mEvents.push_back(event);
}

void ScriptedInput::SetVirtualSize(int width, int height)
{
    mVirtualWidth = width > 0 ? width : 1;
    mVirtualHeight = height > 0 ? height : 1;
}

void ScriptedInput::VirtualToClient(float x, float y, int virtualWidth, int virtualHeight,
                                    const WindowRect& client, bool fullScreen, int& clientX, int& clientY)
{
    const float vw = static_cast<float>(virtualWidth);
    const float vh = static_cast<float>(virtualHeight);
    const float cw = static_cast<float>(client.width);
    const float ch = static_cast<float>(client.height);
    float borderX = 0.0f;
    float borderY = 0.0f;
    if (fullScreen && cw > 0.0f && ch > 0.0f)
    {
        // The frame is letterboxed to keep its shape on a screen of another shape.
        if (vw / vh < cw / ch)
        {
            borderX = (cw - vw * ch / vh) * 0.5f;
        }
        else
        {
            borderY = (ch - vh * cw / vw) * 0.5f;
        }
    }
    clientX = static_cast<int>(std::lround(borderX + x * (cw - 2.0f * borderX) / vw));
    clientY = static_cast<int>(std::lround(borderY + y * (ch - 2.0f * borderY) / vh));
}

void ScriptedInput::Play(std::uint64_t frame, WindowSystem& windows)
{
    for (; mNext < mEvents.size() && mEvents[mNext].frame <= frame; ++mNext)
    {
        const Event& event = mEvents[mNext];
        switch (event.kind)
        {
        case Kind::Move:
        {
            const bool fullScreen = (windows.Style() & WindowStyle::Caption) != WindowStyle::Caption;
            CursorPoint point;
            VirtualToClient(event.x, event.y, mVirtualWidth, mVirtualHeight, windows.ClientRect(), fullScreen,
                            point.x, point.y);
            windows.MoveCursor(point);
            break;
        }
        case Kind::Button:
            windows.PressMouseButton(event.value, event.down);
            break;
        case Kind::Wheel:
            windows.Mouse().TurnWheel(event.value * kWheelUnitsPerNotch);
            break;
        case Kind::Key:
            windows.PressKey(static_cast<std::uint8_t>(event.value), event.down);
            break;
        case Kind::Character:
            windows.TypeCharacter(static_cast<std::uint8_t>(event.value), event.text);
            break;
        case Kind::Focus:
            windows.NotifyFocus(event.down);
            break;
        case Kind::Close:
            windows.RequestClose();
            break;
        }
    }
}

} // namespace Platform
