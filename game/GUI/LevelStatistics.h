#pragma once

#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"
#include "game/GUI/TextButton.h"
#include "game/GUI/WindowDialog.h"
#include "game/Game/LevelPassType.h"
#include "game/Util/Blank.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class AniMeshContainer;

namespace Korrin
{
class ParticleSystem;
class Text;
} // namespace Korrin

// The end-of-level statistics (window 2), shown a second after every goal is met: a timed show of the
// level number, its time, the score, the cup won (by the time against the level's two limits) with its
// effects, the cup's bonus counted into the score, the best time and its holder, and a link to the
// achievements completed during the level. OK during the show skips it; OK after it banks the score,
// completes the level, goes to the map and saves the player; the first win of the last level ends the
// game instead.
class LevelStatistics : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 2;
    static constexpr const char* kLayout = "LevelStatistics.lua";
    static constexpr const char* kOkButton = "LEV_STAT_OK_BUTTON";
    // The cup won: an index into the cups and their effects.
    static constexpr std::uint32_t kNormalCup = 0;
    static constexpr std::uint32_t kGoldCup = 1;
    static constexpr std::uint32_t kSilverCup = 2;
    static constexpr float kLevelTimeAt = 1.0f;
    static constexpr float kScoreAt = 2.0f;
    static constexpr float kCupAt = 3.0f;
    static constexpr float kCupEffectAt = 4.0f;
    static constexpr float kBonusFigureAt = 4.3f;
    static constexpr float kCountingAt = 5.2f;
    static constexpr float kBestTimeAfterScore = 0.5f;
    static constexpr float kLinkAfterScore = 1.5f;
    static constexpr float kAddScoreEvery = 0.5f;

    LevelStatistics();
    ~LevelStatistics() override;

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // The cup of a pass type (the level's stored result): gold 1, silver 2, normal 0.
    static std::uint32_t CupOf(LevelPassType pass);

    // What OK does: skips the show while it runs, else leaves (false: the level was left).
    bool ClickOk();
    // What the achievements link does.
    void ClickLink();

    float GetTime() const { return mTime; }
    float GetScore() const { return mScore; }
    std::uint32_t GetTotalScore() const { return mTotalScore; }
    float GetBonusLeft() const { return mBonusLeft; }
    float GetAddScoreTimer() const { return mAddScoreTimer; }
    std::uint32_t GetResult() const { return mResult; }
    bool IsScoreDone() const { return mScoreDone != 0; }
    bool IsSkipped() const { return mSkipped != 0; }
    bool IsExtraPointsShown() const { return mExtraPointsShown != 0; }
    std::uint32_t GetLevelNumber() const { return mLevelNumber; }
    const std::array<std::int32_t, 2>& GetLevelTime() const { return mLevelTime; }
    const std::array<std::uint8_t, 2>& GetBestTime() const { return mBestTime; }
    const std::u16string& GetBestName() const { return mBestName; }
    const TextButton& GetLink() const { return mAchievementsLink; }
    std::uint32_t GetAchievementCount() const { return mAchievementCount; }
    WindowDialog& GetDialog() { return mDialog; }

private:
    void ComputeResult();
    void RestartShow();
    void Skip();
    bool Leave();
    void CountBonus(float dt);
    void RunShow(float dt);
    void SetLinkText(std::uint32_t count);
    void SetElementText(const char* name, const std::u16string& text);
    void ShowElements(std::initializer_list<const char*> names, bool visible);
    void PlayOnce(std::uint8_t& flag, const char* sound);
    void BankScore();
    void DrawLink(const Korrin::Vector2& anchor, float alpha);
    Korrin::Vector2 Anchor() const;
    static void UpdateEffect(Korrin::ParticleSystem* effect, float dt);
    static void DrawEffect(Korrin::ParticleSystem* effect, const Korrin::Vector2& offset);

    WindowDialog mDialog;
    // The particle manager's.
    Korrin::ParticleSystem* mLevelTimeEffect = nullptr;
    Korrin::ParticleSystem* mScoreEffect = nullptr;
    Korrin::ParticleSystem* mTapeEffect = nullptr;
    Korrin::ParticleSystem* mCupEffect = nullptr;
    Korrin::ParticleSystem* mExtraPointsEffect = nullptr;
    Korrin::ParticleSystem* mBestTimeEffect = nullptr;
    Korrin::ParticleSystem* mAchievementsEffect = nullptr;
    std::uint8_t mLevelTimeShown = 0;
    std::uint8_t mBestTimeShown = 0;
    std::uint8_t mBonusShown = 0;
    std::uint8_t mCupShown = 0;
    float mAddScoreTimer = kAddScoreEvery;
    std::array<std::unique_ptr<AniMeshContainer>, 3> mCups;
    std::uint8_t mExtraPointsShown = 0;
    std::unique_ptr<Korrin::Text> mExtraPointsText;
    std::array<Korrin::ParticleSystem*, 3> mCupEffects{};
    Korrin::Rect mLinkRect;
    std::string mLinkFontName;
    std::array<std::int32_t, 2> mLevelTime{};
    std::uint32_t mLevelNumber = 1;
    float mScore = 0.0f;
    std::uint32_t mTotalScore = 0;
    std::uint32_t mAchievementCount = 0;
    float mBonusLeft = 0.0f;
    float mBonusSpeed = 0.0f;
    std::array<std::uint8_t, 2> mBestTime{};
    std::uint32_t mResult = kNormalCup;
    std::u16string mBestName;
    float mTime = 0.0f;
    float mTimeAfterScore = 0.0f;
    std::uint8_t mScoreDone = 0;
    std::uint8_t mSkipped = 0;
    TextButton mAchievementsLink;
};
