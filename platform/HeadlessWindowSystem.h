#pragma once

#include "platform/WindowSystem.h"

namespace Platform
{

// No window: the queue is fed by the engine itself, by tests and by scripted input.
class HeadlessWindowSystem : public WindowSystem
{
public:
    // A desktop of a common size, so that the windowed placement has room.
    static DisplayMetrics DefaultMetrics();

    HeadlessWindowSystem();
    explicit HeadlessWindowSystem(const DisplayMetrics& metrics);
    ~HeadlessWindowSystem() override;

    DisplayMetrics Metrics() const override { return mMetrics; }
    void SetMetrics(const DisplayMetrics& metrics) { mMetrics = metrics; }
    void SetArrowCursorVisible(bool visible) override { mArrowVisible = visible; }
    bool IsArrowCursorVisible() const { return mArrowVisible; }
    int RaiseCount() const { return mRaiseCount; }

protected:
    void CreateNative(const std::string& caption, const WindowRect& outer) override;
    void DestroyNative() override {}
    void ShowNative(ShowCommand /*command*/) override {}
    void PlaceNative(std::uint32_t /*style*/, const WindowRect& /*outer*/, bool /*topmost*/) override {}
    void RaiseNative() override { ++mRaiseCount; }
    void PumpEvents() override {}

private:
    DisplayMetrics mMetrics;
    std::string mCaption;
    bool mArrowVisible = true;
    int mRaiseCount = 0;
};

} // namespace Platform
