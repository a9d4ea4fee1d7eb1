#include "engine/App/WindowPlacement.h"

#include "platform/Message.h"
#include "platform/WindowSystem.h"

namespace Korrin
{

WindowPlacement WindowPlacement::Windowed(std::uint32_t width, std::uint32_t height, std::uint32_t style,
                                          const Platform::DisplayMetrics& metrics)
{
    const auto frame = static_cast<std::uint32_t>(metrics.frameWidth);
    const auto caption = static_cast<std::uint32_t>(metrics.captionHeight);
    const auto workWidth = static_cast<std::uint32_t>(metrics.workArea.width);
    const auto workHeight = static_cast<std::uint32_t>(metrics.workArea.height);

    std::uint32_t clientWidth = width;
    std::uint32_t clientHeight = height;
    if (width + 2 * frame > workWidth || height + caption + frame > workHeight)
    {
        clientHeight = workHeight - caption + frame;
        clientWidth = static_cast<std::uint32_t>(static_cast<float>(width) / static_cast<float>(height) *
                                                 static_cast<float>(clientHeight));
    }

    WindowPlacement placement;
    placement.style = style;
    placement.clientWidth = static_cast<int>(clientWidth);
    placement.clientHeight = static_cast<int>(clientHeight);
    const Platform::WindowRect outer = Platform::WindowSystem::OuterRectForClient(
        metrics, placement.clientWidth, placement.clientHeight, style);
    placement.outer = {metrics.workArea.width / 2 - outer.width / 2,
                       metrics.workArea.height / 2 - outer.height / 2, outer.width, outer.height};
    placement.topmost = false;
    return placement;
}

WindowPlacement WindowPlacement::FullScreen(const Platform::DisplayMetrics& metrics)
{
    WindowPlacement placement;
    placement.style = Platform::WindowStyle::FullScreen;
    placement.outer = {0, 0, metrics.screenWidth, metrics.screenHeight};
    placement.topmost = true;
    placement.clientWidth = metrics.screenWidth;
    placement.clientHeight = metrics.screenHeight;
    return placement;
}

} // namespace Korrin
