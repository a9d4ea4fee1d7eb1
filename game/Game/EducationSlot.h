#pragma once

#include <cstdint>
#include <memory>
#include <string>

class Education;

// The running tutorial, held by the screen manager, with the screen it belongs to.
class EducationSlot
{
public:
    // The screen whose tutorials run the levels' routines.
    static constexpr std::uint32_t kLevelScreen = 0;

    EducationSlot();
    ~EducationSlot();
    EducationSlot(const EducationSlot&) = delete;
    EducationSlot& operator=(const EducationSlot&) = delete;

    // Replaces the running tutorial with the script's; a tutorial that does not run keeps the hint
    // manager's shown hint away.
    void Start(const std::string& scriptFile, std::uint32_t screenIndex, bool run);
    // Deletes the running tutorial, if any.
    void Clear();
    // Whether the current tip is armed (counting down or shown); false without a tutorial.
    bool IsEventActive();
    // The tutorial's update, when it belongs to the current screen.
    void Update(std::uint32_t currentScreen, float dt);

    Education* Get() const { return mEducation.get(); }
    std::uint32_t GetScreenIndex() const { return mScreenIndex; }
    // The player's tutorial-tips switch: while it is off the tutorial does not run.
    bool IsEnabled() const { return mEnabled != 0; }
    void SetEnabled(bool enabled) { mEnabled = enabled ? 1 : 0; }

private:
    std::unique_ptr<Education> mEducation;
    std::uint32_t mScreenIndex = 0;
    std::uint32_t mEnabled = 1;
};
