#include "game/LogoScreen.h"

#include "engine/App/InputManager.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"

#include <algorithm>
#include <string>

LogoScreen::LogoScreen()
{
    mActive = true;
}

LogoScreen::~LogoScreen() = default;

void LogoScreen::Init()
{
    mLogos.clear();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (int number = 1; sprites != nullptr && number <= kMostLogos; ++number)
    {
        Korrin::Sprite* logo = sprites->CreateSprite("logo" + std::to_string(number) + ".jpg");
        if (logo != nullptr && logo->GetTexture() != nullptr)
        {
            mLogos.push_back(logo);
        }
    }
    if (mLogos.empty())
    {
        mRunning = false;
    }
    else
    {
        mIndex = 0;
    }
}

void LogoScreen::NextLogo()
{
    ++mIndex;
    mTime = 0.0f;
    if (static_cast<std::size_t>(mIndex) >= mLogos.size())
    {
        mRunning = false;
    }
}

bool LogoScreen::Update(float dt)
{
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    if (input != nullptr && input->IsButtonPressed(Korrin::InputManager::kLeftButton))
    {
        NextLogo();
        mAlpha = 0.0f;
    }
    mTime += dt;
    if (mTime >= 1.0f && mTime < 3.0f)
    {
        mAlpha = std::min(mAlpha + dt, 1.0f);
    }
    if (mTime > 3.0f && mTime < 4.0f)
    {
        mAlpha = std::max(mAlpha - dt, 0.0f);
    }
    if (mTime > 4.0f)
    {
        NextLogo();
        if (!mRunning)
        {
            return false;
        }
    }
    if (mRunning && HasCurrentLogo())
    {
        mLogos[static_cast<std::size_t>(mIndex)]->SetColour(1.0f, 1.0f, 1.0f, mAlpha);
    }
    return true;
}

void LogoScreen::Draw()
{
    if (mRunning && HasCurrentLogo())
    {
        mLogos[static_cast<std::size_t>(mIndex)]->Draw(0, 0);
    }
}
