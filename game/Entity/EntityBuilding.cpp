#include "game/Entity/EntityBuilding.h"

#include "engine/Gui/FontManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "game/Entity/BuildingKind.h"
#include "game/Entity/BuildingWorker.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityTaskManager.h"
#include "game/Game/Level.h"
#include "game/Game/TableCost.h"
#include "game/Util/HintArrow.h"

#include <cmath>

namespace
{

constexpr const char* kGuiFile = "GuiBuilding.lua";
constexpr float kTaskRowLeft = 120.0f;
constexpr float kTaskRowDown = 18.0f;
// The mirrored building turns about the middle of its four cells, two cells left of its anchor's right.
constexpr float kMirrorShift = 128.0f;
constexpr float kBarRise = 90.0f;
constexpr float kBarRightOfClick = 40.0f;
constexpr float kScreenLeft = 10.0f;
constexpr float kScreenRight = 1014.0f;
constexpr float kEffectLeft = 23.0f;
constexpr float kEffectDown = 21.0f;
// The meshes' end, past any construction animation.
constexpr float kMeshRestTime = 1200.0f;

void Log(const std::string& line)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", line.c_str());
    }
}

// A mesh of an image-list description, at rest at its start.
std::unique_ptr<AniMeshContainer> LoadMesh(const std::string& file)
{
    auto mesh = std::make_unique<AniMeshContainer>();
    mesh->Load(file, true);
    mesh->SetAnimationTime(0.0f);
    return mesh;
}

} // namespace

EntityBuilding::EntityBuilding(std::uint8_t type) : mKind(BuildingKind::Find(type))
{
    mType = type;
    TakeCostRecord();
    mHintArrow = std::make_unique<HintArrow>();
    mHintArrow->Create();
}

EntityBuilding::~EntityBuilding()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (BuildingStruct& level : mLevels)
        {
            sprites->DeleteSprite(level.door);
        }
        for (Korrin::NullSprite* sprite :
             {static_cast<Korrin::NullSprite*>(mBar[0]), static_cast<Korrin::NullSprite*>(mBar[1]),
              static_cast<Korrin::NullSprite*>(mIcons), static_cast<Korrin::NullSprite*>(mSign)})
        {
            sprites->DeleteSprite(sprite);
        }
        for (Korrin::AnimatedSprite* working : mWorking)
        {
            sprites->DeleteSprite(working);
        }
    }
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek(); particles && mCompletion)
    {
        particles->DeleteParticleSystem(mCompletion);
    }
    mIdleSign.Release();
}

std::string EntityBuilding::GetBuildingName(std::uint8_t type)
{
    if (const BuildingKind* kind = BuildingKind::Find(type))
    {
        return kind->name;
    }
    if (type == kRope)
    {
        return "Rope";
    }
    const std::string missing = "Name not found ! (EntitiBuilding)";
    Log(missing);
    return missing;
}

std::uint8_t EntityBuilding::GetProductGoods(std::uint8_t order) const
{
    return mKind != nullptr ? static_cast<std::uint8_t>(mKind->product + order) : 0;
}

std::int32_t EntityBuilding::GetDescriptionNumber(std::int32_t level) const
{
    return mKind != nullptr ? mKind->descriptionBase + level : -1;
}

std::uint16_t EntityBuilding::GetOrderIconFrame() const
{
    return mKind != nullptr ? mKind->orderIconFrame : 0;
}

std::int32_t EntityBuilding::GetMissingInputBubble() const
{
    return mKind != nullptr ? mKind->missingInputBubble : -1;
}

std::uint16_t EntityBuilding::GetBuildingOrdinal() const
{
    return mKind != nullptr ? mKind->ordinal : 0;
}

Korrin::Vector2 EntityBuilding::GetOffseForUpgradePS() const
{
    float left = 0.0f;
    float right = 0.0f;
    switch (mType)
    {
    case 26:
        left = -168.0f, right = -131.0f;
        break;
    case 30:
        left = -149.0f, right = -149.0f;
        break;
    case 34:
    case 38:
        left = -164.0f, right = -134.0f;
        break;
    case 42:
        left = -154.0f, right = -144.0f;
        break;
    case 46:
        left = -154.0f, right = -134.0f;
        break;
    case 50:
        if (mUpgradeLevel == 1)
        {
            left = -154.0f, right = -134.0f;
        }
        else if (mUpgradeLevel == 2)
        {
            left = -164.0f, right = -129.0f;
        }
        break;
    case 54:
        left = -154.0f, right = -139.0f;
        break;
    case 58:
        left = -164.0f, right = -144.0f;
        break;
    case 62:
        left = -164.0f, right = -139.0f;
        break;
    case 66:
        left = -169.0f, right = -139.0f;
        break;
    default:
        break;
    }
    if ((left == 0.0f && right == 0.0f) || mSide > 1)
    {
        Log("! Error in EntityBuilding::GetOffseForUpgradePS()");
        return {};
    }
    return {mSide == 0 ? left : right, 0.0f};
}

void EntityBuilding::Load(const std::string& stem)
{
    mConstruction = LoadMesh(stem + "_up.building");
    Korrin::LuaScript script;
    script.LoadFile(stem + ".lua", Korrin::LuaScript::IfMissing::Report);
    for (std::uint16_t n = 1; n <= kLevels; ++n)
    {
        ReadLevel(script, stem, n);
    }
}

void EntityBuilding::ReadLevel(Korrin::LuaScript& script, const std::string& stem, std::uint16_t n)
{
    Korrin::LuaStackGuard guard(script.GetState());
    const std::string number = std::to_string(n);
    BuildingStruct level;
    level.mesh = LoadMesh(stem + number + ".building");
    if (const LuaValue rect = script.GetGlobal("OffHRect"); rect.IsTable())
    {
        std::array<float, 4> offsets{};
        if (rect.GetFloat4(offsets[0], offsets[1], offsets[2], offsets[3]))
        {
            mHitOffsets = offsets;
        }
        else
        {
            Log("Error " + stem + "OffHRect");
        }
    }
    if (const LuaValue back = script.GetGlobal(("BackIndex" + number).c_str()); back.IsNumber())
    {
        const float count = back.ToFloat();
        level.backCount = count > 0.0f && count < 256.0f ? static_cast<std::uint8_t>(count) : 0;
    }
    if (const LuaValue door = script.GetGlobal(("DoorOff" + number).c_str()); door.IsTable())
    {
        level.doorOffsets.assign(5, 0.0f);
        float* o = level.doorOffsets.data();
        if (!door.GetFloat5(o[0], o[1], o[2], o[3], o[4]))
        {
            Log("Error " + stem + "DoorOff" + number);
        }
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        if (const LuaValue door = script.GetGlobal(("Door" + number).c_str()); door.IsTable())
        {
            level.door = sprites->CreateAnimatedSpriteFromTable(door);
        }
    }
    level.doorPart = static_cast<std::uint8_t>(std::min<std::size_t>(level.mesh->GetEntityCount(), 255));
    for (std::size_t part = 0; part < level.mesh->GetEntityCount(); ++part)
    {
        const AniMeshContainer::Entity* entity = level.mesh->GetEntity(static_cast<int>(part));
        if (entity != nullptr && entity->name == "Door")
        {
            level.doorPart = static_cast<std::uint8_t>(part);
            break;
        }
    }
    mLevels.push_back(std::move(level));
}

void EntityBuilding::Init()
{
    if (mHintArrow)
    {
        mHintArrow->Load();
    }
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek(); particles && !mCompletion)
    {
        mCompletion = particles->CreateParticleSystem("BuildingCompleted.particle", "BuildingCompleted");
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek(); sprites && !mSign)
    {
        mBar[0] = sprites->LoadSprite("Progressbar", kGuiFile);
        mBar[1] = sprites->LoadSprite("Progressbar1", kGuiFile);
        if (mBar[1] != nullptr)
        {
            mFillRect = mBar[1]->GetSrcRect();
        }
        mIcons = sprites->LoadAnimatedSprite("IconsProgressList", kGuiFile);
        mSign = sprites->LoadAnimatedSprite("BuyBuilding", "BuyBuilding.lua");
        if (mSign != nullptr)
        {
            mSignOffset = mSign->GetPosition();
        }
    }
    if (Korrin::FontManager* fonts = Korrin::FontManager::Peek())
    {
        mFont = fonts->GetFont("font01.fnt");
    }
    if (mKind == nullptr)
    {
        Log("Неучтенный параметр в EntityBuilding::Load()");
    }
    else if (mLevels.empty())
    {
        Load(mKind->stem);
        mOrdinal = mKind->ordinal;
        if (mType == 38 || mType == 46 || mType == 50)
        {
            Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
            for (const char* name : {"Working1", "Working2", "Working3"})
            {
                if (sprites != nullptr)
                {
                    mWorking.push_back(sprites->LoadAnimatedSprite(name, std::string(mKind->stem) + ".lua"));
                }
            }
        }
    }
    const bool boyKind = mKind != nullptr && !mKind->fairy;
    mIdleSign.Load(boyKind ? "s_table01.mesh" : "s_table02.mesh", true);
    if (Level* level = Level::Peek(); level && level->GetEntityManager())
    {
        level->GetEntityManager()->AddOverlayEntity(this);
    }
}

void EntityBuilding::Reset()
{
    if (mUpgradeLevel == 0)
    {
        SetTaskLimit(1);
    }
    SetTaskPosition(mX - kTaskRowLeft, mY + kTaskRowDown);
    TakeCostRecord();
    if (EntityTaskManager* tasks = EntityTaskManager::Peek())
    {
        tasks->Register(this);
    }
    if (mSide != 0 && mSide != 1)
    {
        mSide = mWalkI > 8 ? 1 : 0;
    }
    PlaceRectangles();
    for (BuildingStruct& level : mLevels)
    {
        level.mesh->SetAnimationTime(kMeshRestTime);
        level.mesh->SetLoop(0);
    }
    if (mConstruction)
    {
        mConstruction->SetAnimationTime(kMeshRestTime);
        mConstruction->SetLoop(0);
    }
    mSignRect = {mX - 160.0f, mY - 103.0f, mX + 40.0f, mY + 45.0f};
    if (mCompletion != nullptr)
    {
        mCompletion->SetPosition({mBarX + kEffectLeft, mBarY + kEffectDown});
        for (std::size_t i = 0; i < mCompletion->GetEmitterCount(); ++i)
        {
            mCompletion->GetBaseParticleSystem(i)->SetActive(false);
        }
    }
    mDoorRate = -kDoorRate;
    if (mWorker != nullptr && mWorker->IsActive())
    {
        mWorker->SetIJ(mSide == 0 ? mWalkI : mWalkI - 3, mWalkJ);
    }
    mWorkingFrameTime = 0.0f;
}

void EntityBuilding::PlaceRectangles()
{
    const auto [left, top, right, bottom] = mHitOffsets;
    const float halfHeight = std::fabs(bottom - top) * 0.5f;
    Korrin::Rect click;
    if (mSide == 1)
    {
        // Mirrored only once, however often the level restarts.
        if (!mMirrored)
        {
            for (BuildingStruct& level : mLevels)
            {
                level.mesh->FlipHorizontal();
                if (level.door != nullptr)
                {
                    level.door->SetMirrorH(true);
                    level.door->SetSrcRectF(level.door->GetSrcRect());
                }
            }
            if (mConstruction)
            {
                mConstruction->FlipHorizontal();
            }
            mMirrored = true;
        }
        click = {mX - right - kMirrorShift, mY - top, mX + left - kMirrorShift, mY + bottom};
        mBarX = click.right - kBarRightOfClick;
    }
    else
    {
        click = {mX - left, mY - top, mX + right, mY + bottom};
        mBarX = click.left;
    }
    SetRect(click);
    mBarY = mY - halfHeight - kBarRise;
    const float barWidth =
        mBar[0] != nullptr ? mBar[0]->GetSrcRect().right - mBar[0]->GetSrcRect().left : 0.0f;
    if (mBarX < 0.0f)
    {
        mBarX = kScreenLeft;
    }
    if (mBarX + barWidth > kScreenRight)
    {
        mBarX = kScreenRight - barWidth;
    }
}

void EntityBuilding::SetUpgradeLevel(std::uint16_t level)
{
    mUpgradeLevel = level;
    if (level == 1)
    {
        SetTaskLimit(3);
    }
    else if (level == 2)
    {
        SetTaskLimit(5);
    }
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("SetCurrentUpgrade %i", static_cast<int>(level));
    }
}

EntityBuilding::BuildingStruct* EntityBuilding::CurrentLevel()
{
    return mUpgradeLevel < mLevels.size() ? &mLevels[mUpgradeLevel] : nullptr;
}

std::uint16_t EntityBuilding::WorkerHirePrice() const
{
    return CostRecord::GetLevelValue(0, BuildingWorker::GetCost(mWorker));
}

std::uint16_t EntityBuilding::WorkerUpgradePrice() const
{
    return CostRecord::GetLevelValue(static_cast<std::uint16_t>(BuildingWorker::GetUpgradeLevel(mWorker) + 1),
                                     BuildingWorker::GetCost(mWorker));
}
