#include "game/LevelLoadScreen.h"

#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/CheckedInteger.h"
#include "engine/Util/Random.h"
#include "game/LoadingFrame.h"

#include <string>

namespace
{
constexpr const char* kPartTables[] = {"Background", "BackgroundFence", "Fence", "Ground",
                                       "Fairy",      "Gardener",        "Girl",  "Boy"};
} // namespace

std::vector<bool>& LevelLoadScreen::ShownSets()
{
    static std::vector<bool> shown;
    return shown;
}

LevelLoadScreen::LevelLoadScreen()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (int part = 0; part < kPartCount; ++part)
        {
            mSprites[static_cast<std::size_t>(part)] = sprites->LoadSprite(kPartTables[part], kScript);
        }
    }
    for (int scene = 0; scene < kSceneCount; ++scene)
    {
        auto container = std::make_unique<AniMeshContainer>();
        container->Load("loading_" + std::to_string(scene + 1) + ".lua", false);
        container->SetAnimationTime(0.0f);
        mScenes[static_cast<std::size_t>(scene)] = std::move(container);
    }
    if (ShownSets().size() < kCharacterSets)
    {
        ShownSets().assign(kCharacterSets, false);
    }
}

LevelLoadScreen::~LevelLoadScreen()
{
    Release();
}

void LevelLoadScreen::Release()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (Korrin::Sprite*& sprite : mSprites)
    {
        if (sprites != nullptr && sprite != nullptr)
        {
            sprites->DeleteSprite(sprite);
        }
        sprite = nullptr;
    }
    for (auto& scene : mScenes)
    {
        scene.reset();
    }
}

void LevelLoadScreen::ChooseCharacterSet()
{
    std::vector<bool>& shown = ShownSets();
    std::vector<int> fresh;
    for (int set = 0; set < kCharacterSets; ++set)
    {
        if (!shown[static_cast<std::size_t>(set)])
        {
            fresh.push_back(set);
        }
    }
    if (fresh.empty())
    {
        shown.assign(kCharacterSets, false);
        mSet = Korrin::Rand() % kCharacterSets;
    }
    else
    {
        mSet = fresh[static_cast<std::size_t>(Korrin::Rand()) % fresh.size()];
    }
    shown[static_cast<std::size_t>(mSet)] = true;
}

void LevelLoadScreen::Draw(float progress)
{
    if (progress == 0.0f)
    {
        mPrevious = 0.0f;
        mCurrent = 0.0f;
        mShown = 0.0f;
        ChooseCharacterSet();
        return;
    }
    mPrevious = mCurrent;
    mCurrent = progress;
    LoadingFrame frame;
    float sceneSeconds = 0.0f;
    bool scenesPlay = false;
    do
    {
        frame.BeginPass();
        mShown = mPrevious + (mCurrent - mPrevious) * frame.GetElapsed() / LoadingFrame::kStepSeconds;
        scenesPlay = DrawPass(mShown, frame.GetDt());
        if (mShown == 1.0f)
        {
            sceneSeconds += frame.GetDt();
        }
        frame.Present();
    } while (!frame.IsLastPass() || (mShown == 1.0f && scenesPlay && sceneSeconds < kMostSceneSeconds &&
                                     frame.GetPasses() < LoadingFrame::kMostPasses * 2));
    mPasses = frame.GetPasses();
}

void LevelLoadScreen::DrawSprite(Part part)
{
    Korrin::Sprite* sprite = mSprites[static_cast<std::size_t>(part)];
    if (sprite != nullptr)
    {
        sprite->Draw(Korrin::CheckedInteger<int>(sprite->GetPosition().x),
                     Korrin::CheckedInteger<int>(sprite->GetPosition().y));
    }
}

void LevelLoadScreen::DrawGrowing(Part part, float shown)
{
    Korrin::Sprite* sprite = mSprites[static_cast<std::size_t>(part)];
    if (sprite == nullptr)
    {
        return;
    }
    const Korrin::Rect& source = sprite->GetSrcRect();
    const float x = static_cast<float>(Korrin::CheckedInteger<int>(sprite->GetPosition().x));
    const float y = static_cast<float>(Korrin::CheckedInteger<int>(sprite->GetPosition().y));
    const Korrin::Rect clip{x, y, x + (source.right - source.left) * shown, y + (source.bottom - source.top)};
    sprite->DrawInRectRestoring(clip, x, y);
    sprite->SetPosition(Korrin::Vector2{x, y});
}

void LevelLoadScreen::MoveSetZeroCharacters()
{
    if (mSetZeroPlaced)
    {
        return;
    }
    mSetZeroPlaced = true;
    // From the first time set 0 is drawn, the two stand closer together.
    if (Korrin::Sprite* fairy = mSprites[kFairy])
    {
        fairy->SetPosition(Korrin::Vector2{fairy->GetPosition().x + 80.0f, fairy->GetPosition().y - 50.0f});
    }
    if (Korrin::Sprite* boy = mSprites[kBoy])
    {
        boy->SetPosition(Korrin::Vector2{boy->GetPosition().x - 80.0f, boy->GetPosition().y - 15.0f});
    }
}

bool LevelLoadScreen::DrawPass(float shown, float dt)
{
    if (mSet == 0)
    {
        MoveSetZeroCharacters();
    }
    DrawSprite(kBackground);
    DrawSprite(kFairy);
    if (mSet == 1)
    {
        DrawSprite(kGirl);
    }
    DrawSprite(kBoy);
    DrawSprite(kBackgroundFence);
    DrawGrowing(kFence, shown);
    if (mSet == 2)
    {
        DrawSprite(kGardener);
    }
    bool playing = false;
    if (shown == 1.0f)
    {
        for (auto& scene : mScenes)
        {
            if (scene && scene->Update(kSceneSpeed * dt))
            {
                playing = true;
            }
        }
        for (auto& scene : mScenes)
        {
            if (scene)
            {
                scene->Draw(0, 0, 0, false);
            }
        }
    }
    DrawGrowing(kGround, shown);
    return playing;
}
