#pragma once

#include "engine/Util/Colour.h"
#include "engine/Util/Singleton.h"
#include "engine/Util/Vector2.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Hint;

// Owns every hint pop-up by name and decides which one is on screen. A caller requests a hint each
// frame while its cause lasts; a requested hint waits its delay, then fades in; a frame without a
// request hides it at once. A request of higher priority replaces a shown hint of lower priority.
class HintManager : public Korrin::Singleton<HintManager>
{
public:
    // The priority that skips most of the wait (tutorial tips).
    static constexpr std::uint32_t kUrgent = 2;
    static constexpr float kUrgentTime = 1.1f;
    static constexpr float kFadeSpeed = 10.0f;
    static constexpr float kOpaqueTime = 3.0f;

    struct HintRecord
    {
        std::unique_ptr<Hint> hint;
        float time = 0.0f;
        std::uint8_t pending = 0;
    };

    HintManager();
    ~HintManager();

    static HintManager* GetInstance()
    {
        return CheckedInstance("HintManager::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\Util\\HintManager", 20);
    }

    // "GameHint.lua", "CharacterHint.lua" (the portrait hints, in file order) and "MapHint.lua".
    void Load();
    void LoadFile(const std::string& file, bool isCharacterList);
    // The record of that name; null (reported) when there is none.
    HintRecord* GetByName(const std::string& name);
    void Show(const std::string& name, std::uint32_t priority, const Korrin::Vector2& anchor);
    void Update(float dt);
    // Hides the shown hint at once and forgets it; the next request starts its wait afresh.
    void DropCurrent();
    // The shown hint in its fade colour, when there is one.
    void Draw();

    HintRecord* GetCurrent() const { return mCurrent; }
    std::uint32_t GetPriority() const { return mPriority; }
    const std::vector<std::string>& GetCharacterNames() const { return mCharacterNames; }
    std::size_t Count() const { return mHints.size(); }
    // Back to the idle state: nothing shown, nothing requested, the lowest priority.
    void ResetState();
    // The colour a hint is drawn in at this time of its record.
    static Korrin::Colour FadeColour(float time);

private:
    std::map<std::string, HintRecord> mHints;
    HintRecord* mCurrent = nullptr;
    std::uint8_t mRequested = 0;
    std::vector<std::string> mCharacterNames;
    std::uint32_t mPriority = 1;
};
