#include "game/MainLoadScreen.h"

#include "engine/Render/RenderSystem.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/LoadingFrame.h"

#include <algorithm>

MainLoadScreen::~MainLoadScreen()
{
    Release();
}

void MainLoadScreen::Load()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mBackground = sprites->LoadSprite("Background", kScript);
    mBar = sprites->LoadSprite("Progressbar", kScript);
    mFrame = sprites->LoadSprite("ProgressbarPanel", kScript);
}

void MainLoadScreen::Release()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (Korrin::Sprite** sprite : {&mBackground, &mBar, &mFrame})
    {
        if (sprites != nullptr && *sprite != nullptr)
        {
            sprites->DeleteSprite(*sprite);
        }
        *sprite = nullptr;
    }
}

void MainLoadScreen::ShowProgress(float progress)
{
    progress = std::clamp(progress, 0.0f, 1.0f);
    if (progress == 0.0f)
    {
        mPrevious = 0.0f;
        mCurrent = 0.0f;
        mShown = 0.0f;
        return;
    }
    mPrevious = mCurrent;
    mCurrent = progress;
    LoadingFrame frame;
    do
    {
        frame.BeginPass();
        mShown = mPrevious + (mCurrent - mPrevious) * frame.GetElapsed() / LoadingFrame::kStepSeconds;
        PlaceBar(mShown);
        DrawSprites();
        frame.Present();
    } while (!frame.IsLastPass());
    mPasses = frame.GetPasses();
}

void MainLoadScreen::PlaceBar(float shown)
{
    if (mBar == nullptr)
    {
        return;
    }
    if (!mBarMeasured)
    {
        const Korrin::Rect& source = mBar->GetSrcRect();
        mBarLeft = source.left;
        mBarTop = source.top;
        mBarRight = source.right;
        mBarBottom = source.bottom;
        mBarX = mBar->GetPosition().x;
        mBarY = mBar->GetPosition().y;
        mBarMeasured = true;
    }
    // The bar shows the right-hand part of its picture, growing to the right as the progress rises.
    mBar->SetSrcRectF(
        Korrin::Rect{mBarRight - (mBarRight - mBarLeft - kBarInset) * shown, mBarTop, mBarRight, mBarBottom});
    mBar->SetPosition(Korrin::Vector2{mBarX + kBarInset, mBarY});
}

void MainLoadScreen::DrawSprites()
{
    for (Korrin::Sprite* sprite : {mBackground, mBar, mFrame})
    {
        if (sprite != nullptr)
        {
            sprite->Draw(Korrin::CheckedInteger<int>(sprite->GetPosition().x),
                         Korrin::CheckedInteger<int>(sprite->GetPosition().y));
        }
    }
}
