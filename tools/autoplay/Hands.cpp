#include "tools/autoplay/Hands.h"

#include "platform/ScriptedInput.h"

#include <cstdio>

namespace
{

std::string Number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return text;
}

} // namespace

void Hands::Click(float x, float y)
{
    mQueue.push_back({"move " + Number(x) + " " + Number(y)});
    mQueue.push_back({"press left"});
    mQueue.push_back({"release left"});
}

void Hands::Rest(float x, float y)
{
    mQueue.push_back({"move " + Number(x) + " " + Number(y)});
}

void Hands::Key(const std::string& key)
{
    mQueue.push_back({"keydown " + key});
    mQueue.push_back({"keyup " + key});
}

void Hands::Type(const std::string& text)
{
    // "type" spreads its keys over two frames each: the steps after it stay free of events.
    mQueue.push_back({"type " + text});
    for (std::size_t i = 0; i < text.size() * 2; ++i)
    {
        mQueue.push_back({});
    }
}

void Hands::Wait(int frames)
{
    for (int i = 0; i < frames; ++i)
    {
        mQueue.push_back({});
    }
}

void Hands::PlayInto(std::uint64_t frame)
{
    if (mQueue.empty())
    {
        return;
    }
    const Step step = mQueue.front();
    mQueue.pop_front();
    if (step.command.empty())
    {
        return;
    }
    const std::string line = std::to_string(frame) + " " + step.command;
    mPlayed += line + "\n";
    std::string error;
    // The script's list is replaced: what it held for earlier frames has been played already.
    if (!mScript.Parse(line, error))
    {
        std::fprintf(stderr, "wf_autoplay: bad event '%s': %s\n", step.command.c_str(), error.c_str());
    }
}
