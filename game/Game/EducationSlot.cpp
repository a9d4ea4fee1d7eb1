#include "game/Game/EducationSlot.h"

#include "game/Game/Education.h"

EducationSlot::EducationSlot() = default;

EducationSlot::~EducationSlot() = default;

void EducationSlot::Start(const std::string& scriptFile, std::uint32_t screenIndex, bool run)
{
    mScreenIndex = screenIndex;
    mEducation.reset();
    mEducation = std::make_unique<Education>(scriptFile);
    mEducation->SetLevelRoutines(screenIndex == kLevelScreen);
    mEducation->Reset();
    mEducation->Init();
    mEducation->SetRunning(run);
    if (!run)
    {
        Education::HideCurrentHint();
    }
}

void EducationSlot::Clear()
{
    mEducation.reset();
}

bool EducationSlot::IsEventActive()
{
    if (mEducation == nullptr)
    {
        return false;
    }
    const Education::TipEvent* event = mEducation->GetCurrentEvent();
    return event != nullptr && event->timer >= 0.0f;
}

void EducationSlot::Update(std::uint32_t currentScreen, float dt)
{
    if (mEnabled != 0 && mScreenIndex == currentScreen && mEducation != nullptr)
    {
        mEducation->Update(dt);
    }
}
