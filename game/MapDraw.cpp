// Drawing the world map: landscape, water, wheels, decorations, buttons and the board shown.
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Butterfly.h"
#include "game/ClipGui.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/ContinueLevelGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/StartNewLevelGui.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/MapShopGui.h"
#include "game/MapWaterShapes.h"
#include "game/Profile.h"
#include "game/Util/AnimatedObject.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "game/Util/RotateMesh.h"

#include <algorithm>
#include <cmath>

namespace
{

const Korrin::Vector2 kWaterWheelOffset{117.0f, 290.0f};

void DrawMesh(Korrin::Mesh* mesh, const Korrin::Vector2& offset)
{
    if (mesh != nullptr)
    {
        mesh->DrawCells(Korrin::CheckedInteger<int>(offset.x), Korrin::CheckedInteger<int>(offset.y),
                        mesh->GetVertexColumns(), mesh->GetVertexRows());
    }
}

} // namespace

// ---- Drawing ----

void Map::Draw()
{
    if (mShop != nullptr && mShop->IsActive())
    {
        DrawAll();
        return;
    }
    if (mSky != nullptr)
    {
        mSky->Draw();
    }
    for (Korrin::Mesh* river : mRivers)
    {
        DrawMesh(river, {});
    }
    DrawMesh(mPond, {});
    if (mBackground != nullptr)
    {
        mBackground->Draw(Korrin::CheckedInteger<int>(mBackground->GetPosition().x),
                          Korrin::CheckedInteger<int>(mBackground->GetPosition().y));
    }
    DrawItems();
    for (std::size_t index = 0; index < mAnimals.GetCount(); ++index)
    {
        if (mAnimals.Get(index)->IsEnabled())
        {
            mAnimals.Get(index)->Draw();
        }
    }
    DrawButtons();
    DrawButterflies(mButterflies);
    if (mMenuButtons != nullptr)
    {
        mMenuButtons->Draw();
    }
    DrawShownBoard();
}

void Map::DrawShownBoard()
{
    mBoards.Draw();
}

void Map::DrawItems()
{
    if (mItemIcons == nullptr || mItemIcons->GetFrameCount() == 0)
    {
        return;
    }
    const Korrin::Colour own = mItemIcons->GetColour();
    const auto lastFrame = static_cast<std::uint32_t>(mItemIcons->GetFrameCount() - 1);
    for (const MapItem* item : mDrawItems)
    {
        if (!item->visible && !item->running)
        {
            continue;
        }
        const auto frame = static_cast<std::uint16_t>(std::min(item->index, lastFrame));
        const int x = Korrin::CheckedInteger<int>(item->pos.x);
        const int y = Korrin::CheckedInteger<int>(item->pos.y);
        float alpha = own.alpha;
        bool drawn = false;
        switch (item->effect)
        {
        case MapItem::kBlink:
            alpha = item->running ? std::fabs(std::sin(item->time * 8.0f)) : own.alpha;
            break;
        case MapItem::kFade:
            alpha = item->FadeAlpha();
            break;
        case MapItem::kSink:
        {
            const Korrin::Rect& source = mItemIcons->GetFrameRect(frame);
            const float w = source.right - source.left;
            const float h = source.bottom - source.top;
            const float top =
                static_cast<float>(y) + h - ((item->timeEffect - item->time) * h) / item->EffectLength();
            mItemIcons->DrawFrameInRect(frame, static_cast<float>(x), static_cast<float>(y),
                                        Korrin::Rect{static_cast<float>(x), top, static_cast<float>(x) + w,
                                                     static_cast<float>(y) + h});
            drawn = true;
            break;
        }
        default:
            break;
        }
        mItemIcons->SetColour(own.red, own.green, own.blue, alpha);
        if (!drawn)
        {
            mItemIcons->DrawFrame(frame, x, y);
        }
        if (item->functional != 0)
        {
            DrawFunctionalItem(*item, own.red, own.green, own.blue, alpha);
        }
        mItemIcons->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    }
}

void Map::DrawFunctionalItem(const MapItem& item, float red, float green, float blue, float alpha)
{
    switch (item.functional)
    {
    case MapItem::kMillWheels:
        for (Korrin::Mesh* wheel : mMillWheels)
        {
            if (wheel != nullptr)
            {
                wheel->SetColour(red, green, blue, alpha);
                DrawMesh(wheel, {});
            }
        }
        break;
    case MapItem::kWaterWheel:
        if (mWaterWheel != nullptr)
        {
            mWaterWheel->SetColour(red, green, blue, alpha);
            DrawMesh(mWaterWheel, kWaterWheelOffset);
        }
        break;
    case MapItem::kWaterWheelGoing:
        if (mWaterWheel != nullptr && !item.visible)
        {
            mWaterWheel->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
            DrawMesh(mWaterWheel, kWaterWheelOffset);
        }
        break;
    default:
        break;
    }
}

void Map::DrawButtons()
{
    if (mButtonIcons == nullptr || mButtonIcons->GetFrameCount() == 0)
    {
        return;
    }
    const std::uint32_t highest = GameInfo::HighestLevelReached();
    const bool finalSeen = FinalClipSeen();
    const auto lastFrame = static_cast<std::int64_t>(mButtonIcons->GetFrameCount() - 1);
    for (std::size_t index = 0; index < mButtons.size(); ++index)
    {
        const MapButton& button = *mButtons[index];
        const bool live = button.state != MapButton::kLocked;
        const float offset = button.mouse == MapButton::kPressed && live ? 5.0f : 0.0f;
        const bool highlighted =
            (button.mouse == MapButton::kHover || button.mouse == MapButton::kPressed) && live;
        const Korrin::Vector2 at{button.pos.x, button.pos.y + offset};
        if (index == highest && !finalSeen && mNextLevelSparkle != nullptr)
        {
            mNextLevelSparkle->Draw(at);
        }
        const std::int64_t frame = std::clamp<std::int64_t>(
            static_cast<std::int64_t>(button.type) * MapButton::kFramesPerType + button.state, 0, lastFrame);
        mButtonIcons->DrawFrame(static_cast<std::uint16_t>(frame), Korrin::CheckedInteger<int>(at.x),
                                Korrin::CheckedInteger<int>(at.y));
        if (button.state == MapButton::kGold && index < mCupSparkles[0].size() &&
            mCupSparkles[0][index].effect != nullptr)
        {
            mCupSparkles[0][index].effect->Draw(at);
        }
        else if (button.state == MapButton::kSilver && index < mCupSparkles[1].size() &&
                 mCupSparkles[1][index].effect != nullptr)
        {
            mCupSparkles[1][index].effect->Draw(at);
        }
        if (highlighted)
        {
            Korrin::Sprite* selection = button.state == MapButton::kGold || button.state == MapButton::kSilver
                                            ? mCupSelection
                                            : mButtonSelection;
            if (selection != nullptr)
            {
                selection->Draw(Korrin::CheckedInteger<int>(at.x), Korrin::CheckedInteger<int>(at.y));
            }
        }
    }
}
