#include "engine/Log/LogManager.h"
#include "game/Game/Level.h"
#include "game/Game/LevelFile.h"
#include "platform/Message.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

#include <cstdint>
#include <span>
#include <string>

namespace
{

// The level's reports of incomplete levels are answered OK and the breakpoint passed, as a debugger
// going on would: the build must go on safely from each.
void AnswerReportsWithOk()
{
    Platform::MessageBox::SetHandler([](const std::string&, const std::string&, std::uint32_t)
                                     { return Platform::DialogButton::Ok; });
    Platform::Process::SetBreakHandler([] {});
}

} // namespace

// Reads any bytes as a level file and, when they are read, builds the level from them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Korrin::LogManager log;
    static const bool answered = (AnswerReportsWithOk(), true);
    (void)answered;
    LevelFile file;
    if (file.Parse(std::span(data, size), "fuzz.lev"))
    {
        Level level;
        level.Build(file);
        level.Reset();
    }
    return 0;
}
