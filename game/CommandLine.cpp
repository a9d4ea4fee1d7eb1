#include "game/CommandLine.h"

#include <charconv>

namespace
{

bool ParseCount(const std::string& text, std::uint64_t& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

} // namespace

const char* CommandLine::Usage()
{
    return "Usage: wrenfold [options]\n"
           "  --windowed            play in a window\n"
           "  --fullscreen          play full screen\n"
           "  --headless            run without a window, sound or input devices (for tests)\n"
           "  --frames N            stop after N frames, as if the window were closed\n"
           "  --fixed-step          every frame lasts exactly 1/60 s\n"
           "  --save-dir DIR        keep players and saves in DIR\n"
           "                        (default: $XDG_DATA_HOME/wrenfold or ~/.local/share/wrenfold)\n"
           "  --data DIR            the folder that holds \"media\" and \"config.cfg\" (default: here)\n"
           "  --input FILE          play the mouse and key events of FILE, frame by frame\n"
           "  --screenshot N:FILE   write the frame N as it was presented to FILE (PNG); repeatable\n"
           "  --renderer NAME       draw with gl (OpenGL 2.1) or software (default: gl in a window when\n"
           "                        it can be had; always software with --headless)\n"
           "  --report-answer A     headless answer to an error report: ok or cancel (default cancel)\n"
           "  --help                show this text\n";
}

std::optional<CommandLine> CommandLine::Parse(const std::vector<std::string>& arguments, std::string& error)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        auto needValue = [&]() -> const std::string*
        {
            if (!hasValue)
            {
                error = argument + " needs a value";
                return nullptr;
            }
            return &arguments[++i];
        };
        if (argument == "--windowed" || argument == "--fullscreen")
        {
            line.windowed = argument == "--windowed";
        }
        else if (argument == "--headless")
        {
            line.headless = true;
        }
        else if (argument == "--fixed-step")
        {
            line.fixedStep = true;
        }
        else if (argument == "--help" || argument == "-h")
        {
            line.help = true;
        }
        else if (argument == "--test-crash")
        {
            line.testCrash = true; // for the tests of the crash report
        }
        else if (argument == "--frames")
        {
            const std::string* value = needValue();
            if (value == nullptr)
            {
                return std::nullopt;
            }
            if (!ParseCount(*value, line.frames) || line.frames == 0)
            {
                error = "--frames needs a whole number above 0, not '" + *value + "'";
                return std::nullopt;
            }
        }
        else if (argument == "--save-dir" || argument == "--data" || argument == "--input")
        {
            const std::string* value = needValue();
            if (value == nullptr)
            {
                return std::nullopt;
            }
            (argument == "--save-dir" ? line.saveDir
             : argument == "--data"   ? line.dataDir
                                      : line.inputFile) = *value;
        }
        else if (argument == "--screenshot")
        {
            const std::string* value = needValue();
            if (value == nullptr)
            {
                return std::nullopt;
            }
            const std::size_t colon = value->find(':');
            Screenshot shot;
            if (colon == std::string::npos || colon + 1 == value->size() ||
                !ParseCount(value->substr(0, colon), shot.frame) || shot.frame == 0)
            {
                error = "--screenshot takes FRAME:FILE.png with a frame above 0, not '" + *value + "'";
                return std::nullopt;
            }
            shot.path = value->substr(colon + 1);
            line.screenshots.push_back(shot);
        }
        else if (argument == "--renderer")
        {
            const std::string* value = needValue();
            if (value == nullptr)
            {
                return std::nullopt;
            }
            if (*value != "software" && *value != "gl")
            {
                error = "--renderer takes software or gl, not '" + *value + "'";
                return std::nullopt;
            }
            line.renderer =
                *value == "gl" ? Platform::RendererChoice::OpenGl : Platform::RendererChoice::Software;
        }
        else if (argument == "--report-answer")
        {
            const std::string* value = needValue();
            if (value == nullptr)
            {
                return std::nullopt;
            }
            if (*value != "ok" && *value != "cancel")
            {
                error = "--report-answer takes ok or cancel, not '" + *value + "'";
                return std::nullopt;
            }
            line.reportAnswer = *value == "ok" ? 1 : 2;
        }
        else
        {
            error = "unknown option '" + argument + "'";
            return std::nullopt;
        }
    }
    if (line.headless && line.renderer == Platform::RendererChoice::OpenGl)
    {
        error = "--renderer gl needs a window; --headless always draws with the software device";
        return std::nullopt;
    }
    return line;
}
