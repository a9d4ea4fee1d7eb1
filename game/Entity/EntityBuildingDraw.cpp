#include "engine/Gui/Font.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/RenderData.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/BuildingKind.h"
#include "game/Entity/BuildingWorker.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityManager.h"
#include "game/Game/GamePanel.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Util/Hint.h"
#include "game/Util/HintArrow.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "game/Util/TextFormat.h"

#include <array>
#include <cmath>
#include <string>

namespace
{

constexpr float kOffsetX = -249.0f;
constexpr float kMirroredOffsetX = 121.0f;
constexpr float kOffsetY = -174.0f;
constexpr float kIdleSignLeft = 99.0f;
constexpr float kIdleSignRise = 70.0f;
constexpr Korrin::Vector2 kBuildingPageArrow{239.0f, 624.0f};
constexpr Korrin::Vector2 kWorkerPageArrow{580.0f, 662.0f};
constexpr std::uint32_t kCentred = 12;

int Whole(float value)
{
    return static_cast<int>(value);
}

} // namespace

std::uint16_t EntityBuilding::Texture() const
{
    return BuildingWorker::IsActive(mWorker) ? 0 : 1;
}

Korrin::Vector2 EntityBuilding::DrawOrigin() const
{
    return {mX + (mSide == 1 ? kMirroredOffsetX : kOffsetX), mY + kOffsetY};
}

void EntityBuilding::Draw()
{
    const bool highlight = mHover == 1 || mPressed == 1;
    if (IsForSale())
    {
        DrawForSale(highlight);
        return;
    }
    const Korrin::Vector2 origin = DrawOrigin();
    const std::uint16_t texture = Texture();
    BuildingStruct* level = CurrentLevel();
    if (level != nullptr)
    {
        if (AniMeshContainer::Entity* door = level->mesh->GetEntity(level->doorPart))
        {
            door->visible = mDoorFrame <= 0.0f;
        }
    }
    if (mConstructionPlaying != 0 && mConstruction)
    {
        mConstruction->Draw(texture, Whole(origin.x), Whole(origin.y), highlight);
    }
    else if (level != nullptr)
    {
        level->mesh->DrawFirstEntities(texture, Whole(origin.x), Whole(origin.y), level->backCount,
                                       highlight);
        if (!IsWorkerInside())
        {
            DrawExtra();
        }
    }
    if (mDoorFrame > 0.0f && level != nullptr)
    {
        DrawDoor(*level, texture, highlight);
    }
    if (!BuildingWorker::IsActive(mWorker))
    {
        mIdleSign.Draw(0, Whole(mX - kIdleSignLeft), Whole(mY - kIdleSignRise), false);
    }
}

void EntityBuilding::DrawDoor(const BuildingStruct& level, std::uint16_t texture, bool highlight)
{
    if (level.door == nullptr || level.door->GetFrameCount() == 0)
    {
        return;
    }
    const auto frame = static_cast<std::uint16_t>(mDoorFrame);
    Korrin::Vector2 vertex;
    if (AniMeshContainer::Entity* part = level.mesh->GetEntity(level.doorPart); part && part->mesh)
    {
        if (part->mesh->GetVertexCount() > 0)
        {
            const Korrin::Vertex& first = part->mesh->GridVertex(0, 0);
            vertex = {first.x, first.y};
        }
    }
    // A level without door offsets draws every door frame at offset 0.
    const float offset = frame < level.doorOffsets.size() ? level.doorOffsets[frame] : 0.0f;
    const Korrin::Vector2 origin = DrawOrigin();
    const Korrin::Rect& rect = level.door->GetFrameRect(frame);
    const float x =
        mSide == 1 ? origin.x + vertex.x - offset - (rect.right - rect.left) : origin.x + vertex.x + offset;
    const Korrin::Vector2 at{static_cast<float>(Whole(x)), static_cast<float>(Whole(origin.y + vertex.y))};
    Korrin::Texture* look = level.mesh->GetTexture(texture);
    level.door->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    level.door->DrawFrameTexture(at, frame, look);
    if (highlight)
    {
        level.door->SetBlendMode(Korrin::RenderData::kBlendAdd);
        level.door->DrawFrameTexture(at, frame, look);
        level.door->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    }
}

void EntityBuilding::DrawExtra()
{
    const bool highlight = mHover == 1 || mPressed == 1;
    if (BuildingStruct* level = CurrentLevel())
    {
        const Korrin::Vector2 origin = DrawOrigin();
        level->mesh->DrawEntitiesFrom(Texture(), Whole(origin.x), Whole(origin.y), level->backCount,
                                      highlight);
    }
    DrawProgress();
}

void EntityBuilding::DrawProgress()
{
    if (mWorkProgress == 0.0f || mRunsLeft == kNoRun)
    {
        return;
    }
    const float alpha = mWorkProgress;
    if (mBar[0] != nullptr)
    {
        mBar[0]->SetColour(1.0f, 1.0f, 1.0f, alpha);
        mBar[0]->Draw(Whole(mBarX), Whole(mBarY));
    }
    if (mBar[1] != nullptr)
    {
        // The fill rises as the remaining work falls.
        mBar[1]->SetColour(1.0f, 1.0f, 1.0f, alpha);
        mBar[1]->SetSrcRectF(
            {mFillRect.left, mFillRect.top + mRemainingWork, mFillRect.right, mFillRect.bottom});
        mBar[1]->Draw(Whole(mBarX + 9.0f), Whole(mBarY + 31.0f + mRemainingWork));
    }
    if (mCompletion != nullptr)
    {
        for (std::size_t i = 0; i < mCompletion->GetEmitterCount(); ++i)
        {
            mCompletion->GetBaseParticleSystem(i)->Draw({0.0f, 0.0f});
        }
    }
    if (mIcons != nullptr && mIcons->GetFrameCount() > 0 && mKind != nullptr)
    {
        const std::size_t last = mIcons->GetFrameCount() - 1;
        const auto clamp = [last](std::size_t frame)
        { return static_cast<std::uint16_t>(std::min(frame, last)); };
        mIcons->SetColour(1.0f, 1.0f, 1.0f, alpha);
        mIcons->DrawFrame(clamp(static_cast<std::size_t>(mRunsLeft) + mKind->upperIconBase),
                          Whole(mBarX + 8.0f), Whole(mBarY + 7.0f));
        mIcons->DrawFrame(clamp(mKind->lowerIcon), Whole(mBarX + 8.0f), Whole(mBarY + 129.0f));
    }
}

void EntityBuilding::DrawForSale(bool highlight)
{
    if (mSign == nullptr || mSign->GetFrameCount() == 0)
    {
        return;
    }
    const float x = mX + mSignOffset.x;
    const float y = mY + mSignOffset.y;
    mSign->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    mSign->DrawFrame(0, Whole(x), Whole(y));
    if (highlight)
    {
        mSign->SetBlendMode(Korrin::RenderData::kBlendAdd);
        mSign->DrawFrame(0, Whole(x), Whole(y));
        mSign->SetBlendMode(Korrin::RenderData::kBlendAlpha);
    }
    const std::size_t picture = std::min<std::size_t>(GetBuildingOrdinal(), mSign->GetFrameCount() - 1);
    mSign->DrawFrame(static_cast<std::uint16_t>(picture), Whole(x + 60.0f), Whole(y + 20.0f));
    if (mFont != nullptr)
    {
        const Korrin::Colour colour =
            highlight ? Korrin::Colour{0.5f, 0.5f, 0.5f, 0.5f} : Korrin::Colour{1.0f, 1.0f, 1.0f, 1.0f};
        mFont->DrawWrapped({x + 69.0f, y - 1.0f + 61.0f, x + 125.0f, y - 1.0f + 83.0f},
                           TextFormat::Decimal(CostRecord::GetLevelValue(0, mCost)), 1.0f, 1.0f, kCentred,
                           colour, 0.7f, 1.0f);
    }
}

void EntityBuilding::DrawOverlay()
{
    if (IsForSale() || BuildingWorker::IsActive(mWorker) || !IsSelected() || !mHintArrow)
    {
        return;
    }
    if (mPanelMode == kBuildingMode)
    {
        mHintArrow->Draw(kBuildingPageArrow);
    }
    else if (mPanelMode == kWorkerMode)
    {
        mHintArrow->Draw(kWorkerPageArrow);
    }
}
