#include "game/GUI/GameWindowFrame.h"

#include "engine/Gui/GuiManager.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"

#include <algorithm>

GameWindowFrame::GameWindowFrame(const std::string& name, const std::string& layoutFile)
    : Korrin::GuiContainer(name, layoutFile)
{
    // The layout's place is where the window rests; it comes in from the upper left and leaves to the
    // upper right.
    mTarget = mPosition;
    mStart = Korrin::Vector2{mTarget.x - 100.0f, mTarget.y - 50.0f};
    mEnd = Korrin::Vector2{mTarget.x + 100.0f, mTarget.y - 50.0f};
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mDimmer = sprites->CreateSprite(Korrin::Sprite::kNoImage);
        mDimmer->SetColour(0.0f, 0.0f, 0.0f, kDimming);
    }
}

GameWindowFrame::~GameWindowFrame()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
        sprites != nullptr && mDimmer != nullptr)
    {
        sprites->DeleteSprite(mDimmer);
    }
}

GameWindowFrame* GameWindowFrame::Create(const std::string& name, const std::string& layoutFile)
{
    Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    if (manager == nullptr)
    {
        return nullptr;
    }
    auto* frame = new GameWindowFrame(name, layoutFile);
    manager->AddContainer(frame);
    return frame;
}

Korrin::Vector2 GameWindowFrame::GetPlace() const
{
    // The absolute position is the anchored one; the slide works on the place before anchoring, as the
    // layout gives it.
    Korrin::Vector2 place = mPosition;
    GetAnchorPos(place);
    return place;
}

void GameWindowFrame::Show()
{
    UpdatePosition(mStart);
    mProgress = 0.0f;
    mState = kOpening;
    // Enabling clears every widget's pressed, over and mouse state.
    SetDisabled(false);
    GuiContainer::Update();
    Korrin::PlaySoundOnce("show_window");
}

void GameWindowFrame::Hide()
{
    mState = kClosing;
    Korrin::PlaySoundOnce("hide_window");
}

void GameWindowFrame::MoveTowards(Korrin::Vector2& p, const Korrin::Vector2& goal, float step)
{
    Korrin::Vector2 direction{goal.x - p.x, goal.y - p.y};
    direction.Normalize();
    p.x += direction.x * step;
    p.y += direction.y * step;
}

void GameWindowFrame::UpdateAnimation(float dt)
{
    Korrin::Vector2 p = GetPlace();
    switch (mState)
    {
    case kOpening:
        mProgress = std::min(mProgress + mFactor * dt, 1.0f);
        MoveTowards(p, mTarget, mSpeed * dt);
        // The slide goes right and down: past the place on both axes, it rests there.
        if (p.x > mTarget.x && p.y > mTarget.y)
        {
            p = mTarget;
        }
        break;
    case kClosing:
        mProgress -= 2.0f * mFactor * dt;
        if (mProgress <= 0.0f)
        {
            mProgress = 0.0f;
            GuiContainer::SetAlpha(0.0f);
            SetDisabled(true);
        }
        MoveTowards(p, mEnd, mSpeed * dt);
        // The slide goes right and up.
        if (p.x > mEnd.x && p.y < mEnd.y)
        {
            p = mEnd;
        }
        break;
    default:
        return;
    }
    SetAlpha(mProgress);
    UpdatePosition(p);
}

void GameWindowFrame::Draw()
{
    if (mDimmer != nullptr)
    {
        mDimmer->SetColour(0.0f, 0.0f, 0.0f, kDimming * mProgress);
        mDimmer->DrawScale(0, 0, 1024, 768);
    }
    GuiContainer::Draw();
}
