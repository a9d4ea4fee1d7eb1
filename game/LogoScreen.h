#pragma once

#include "game/Util/Blank.h"

#include <cstdint>
#include <vector>

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The logo pictures shown one after another before anything else is loaded: each is black for a
// second, fades in, stays, fades out by its fourth second; a click goes on to the next at once.
class LogoScreen : public Blank
{
public:
    static constexpr int kMostLogos = 4;

    LogoScreen();
    ~LogoScreen() override;

    void Init() override;
    void Reset() override {}
    // False once the last logo has ended.
    bool Update(float dt) override;
    void Draw() override;

    bool IsRunning() const { return mRunning; }
    int GetIndex() const { return mIndex; }
    float GetAlpha() const { return mAlpha; }
    float GetTime() const { return mTime; }
    std::size_t GetLogoCount() const { return mLogos.size(); }

private:
    void NextLogo();
    bool HasCurrentLogo() const { return mIndex >= 0 && static_cast<std::size_t>(mIndex) < mLogos.size(); }

    std::vector<Korrin::Sprite*> mLogos;
    int mIndex = -1;
    float mTime = 0.0f;
    float mAlpha = 0.0f;
    bool mRunning = true;
};
