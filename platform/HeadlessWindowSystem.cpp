#include "platform/HeadlessWindowSystem.h"

namespace Platform
{

DisplayMetrics HeadlessWindowSystem::DefaultMetrics()
{
    DisplayMetrics metrics;
    metrics.screenWidth = 1920;
    metrics.screenHeight = 1080;
    metrics.workArea = {0, 0, 1920, 1040};
    metrics.frameWidth = 4;
    metrics.captionHeight = 23;
    return metrics;
}

HeadlessWindowSystem::HeadlessWindowSystem() : HeadlessWindowSystem(DefaultMetrics()) {}

HeadlessWindowSystem::HeadlessWindowSystem(const DisplayMetrics& metrics) : mMetrics(metrics) {}

HeadlessWindowSystem::~HeadlessWindowSystem() = default;

void HeadlessWindowSystem::CreateNative(const std::string& caption, const WindowRect& /*outer*/)
{
    mCaption = caption;
}

} // namespace Platform
