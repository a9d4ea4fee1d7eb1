// The production side of EntityBuilding: runs, the worker's planning step, the per-frame update, the
// sale of the worker, buying and upgrading.
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiImage.h"
#include "engine/Log/LogManager.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/BuildingKind.h"
#include "game/Entity/BuildingWorker.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Util/HintArrow.h"
#include "game/Util/RotateMesh.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace
{

constexpr std::array<float, EntityBuilding::kLevels> kRunSpeed{4.0f, 8.0f, 16.0f};
constexpr std::array<float, EntityBuilding::kLevels> kMeshSpeed{0.8f, 1.0f, 1.2f};
// The first goods of each block of three that an order can name.
constexpr std::array<std::uint8_t, 11> kProductBlocks{89, 92, 95, 98, 101, 104, 107, 110, 115, 119, 122};
constexpr float kSalePageStart = 0.13f;
constexpr Korrin::Vector2 kSaleBarPosition{470.0f, 53.0f};
constexpr float kSaleBarRight = 310.0f;
constexpr float kSaleBarWidth = 295.0f;
constexpr float kSaleBarTop = 465.0f;
constexpr float kSaleBarBottom = 504.0f;
constexpr float kJuicerScroll = 0.5f;
constexpr float kWheelSpeed = 1.5f;
constexpr float kWorkingFrames = 7.0f;
constexpr std::uint8_t kSaleEffect = 3;

void Log(const char* line)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", line);
    }
}

EntityManager* Entities()
{
    Level* level = Level::Peek();
    return level != nullptr ? level->GetEntityManager() : nullptr;
}

EntityStorehouse* FindStorehouse()
{
    EntityManager* entities = Entities();
    return entities != nullptr ? dynamic_cast<EntityStorehouse*>(entities->GetEntity(Entity::kStorehouse))
                               : nullptr;
}

// The block of three that holds an order's goods; 0 for goods no order starts a run of.
std::uint8_t BlockStart(std::uint8_t goods)
{
    for (const std::uint8_t first : kProductBlocks)
    {
        if (goods >= first && goods < first + 3)
        {
            return first;
        }
    }
    return 0;
}

// The part of the level mesh whose texture shows the working sprite, by kind and level; -1 for none.
int WorkingPart(std::uint8_t type, std::uint16_t level)
{
    switch (type)
    {
    case 38:
        return 3;
    case 46:
        return level < 2 ? 2 : 0;
    case 50:
        return level == 1 ? 6 : 7;
    default:
        return -1;
    }
}

} // namespace

float EntityBuilding::MeshTime(AniMeshContainer& mesh)
{
    // A still part rests at 0 whatever the time, so the part with the longest animation stands for the
    // mesh: it is the last to stop, and its stop opens the door after a run.
    const Korrin::AnimatedMesh* longest = nullptr;
    float length = 0.0f;
    for (std::size_t index = 0; index < mesh.GetEntityCount(); ++index)
    {
        const AniMeshContainer::Entity* part = mesh.GetEntity(static_cast<int>(index));
        if (part == nullptr || part->mesh == nullptr || part->mesh->GetFrames().empty())
        {
            continue;
        }
        const float partLength = part->mesh->GetFrames().back().time;
        if (partLength > length)
        {
            longest = part->mesh;
            length = partLength;
        }
    }
    return longest != nullptr ? longest->GetTime() : mesh.GetAnimationTime();
}

bool EntityBuilding::RemoveTask(std::uint8_t index, bool refund)
{
    const std::uint8_t goods = index < mTasks.size() ? mTasks[index] : 0;
    const bool idle = mWorkProgress == 0.0f && BuildingWorker::GetCarriedGoods(mWorker) == 0;
    if (mRunsLeft == kNoRun && idle && goods >= 89 && goods <= 124)
    {
        if (const std::uint8_t first = BlockStart(goods); first != 0)
        {
            mRunsLeft = goods - first;
        }
    }
    if (refund && idle)
    {
        mRunsLeft = kNoRun;
    }
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write(" GGG %i", mRunsLeft);
    }
    return EntityTask::RemoveTask(index, refund);
}

bool EntityBuilding::GetWalkTarget(WalkTarget* out, std::uint8_t mode)
{
    if (mode == 0)
    {
        if (out != nullptr)
        {
            *out = {mSide == 0 ? mWalkI : mWalkI - 3, mWalkJ, this};
        }
        return true;
    }
    if (mode != 1 || mWorker == nullptr)
    {
        return false;
    }
    const bool emptyHanded = BuildingWorker::GetCarriedGoods(mWorker) == 0;
    if (!mTasks.empty() && IsDoorOpen() && mRunsLeft == kNoRun && emptyHanded)
    {
        EntityStorehouse* store = FindStorehouse();
        if (store == nullptr)
        {
            return false;
        }
        if (StorehouseHasInputs())
        {
            store->GetWalkTarget(out, 0);
            BuildingWorker::SetDream(mWorker, -1);
            return true;
        }
        BuildingWorker::SetDream(mWorker, GetMissingInputBubble());
        return false;
    }
    if (mTasks.empty() && emptyHanded)
    {
        BuildingWorker::SetDream(mWorker, -1);
    }
    return false;
}

bool EntityBuilding::StorehouseHasInputs() const
{
    EntityStorehouse* store = FindStorehouse();
    if (store == nullptr || mKind == nullptr)
    {
        return false;
    }
    const StoreCellManager& cells = store->GetCells();
    if (!cells.HasGoods(mKind->firstInput))
    {
        return false;
    }
    return mWorker->GetType() != kFairyType || cells.HasGoods(mKind->secondInput);
}

void EntityBuilding::FinishRun()
{
    --mRunsLeft;
    if (mRunsLeft < 0)
    {
        mWorkRate = -1.0f;
        if (mCompletion != nullptr)
        {
            for (std::size_t i = 0; i < mCompletion->GetEmitterCount(); ++i)
            {
                mCompletion->GetBaseParticleSystem(i)->GetSettings().loop = false;
            }
        }
        mRunsLeft = kNoRun;
    }
}

void EntityBuilding::WorkerStep(float dt)
{
    mWorkerStepTimer += dt;
    if (mWorkerStepTimer <= kWorkerStep)
    {
        return;
    }
    mWorkerStepTimer = 0.0f;
    if (!BuildingWorker::IsActive(mWorker) || BuildingWorker::IsBusy(mWorker))
    {
        return;
    }
    WalkTarget door;
    GetWalkTarget(&door, 0);
    if (BuildingWorker::IsFirstVisitPending(mWorker))
    {
        SendWorkerOnFirstVisit(door, dt);
        return;
    }
    const std::uint8_t carried = BuildingWorker::GetCarriedGoods(mWorker);
    if (TakeWorkerIn(door, carried))
    {
        return;
    }
    SendWorkerOnErrand(door, carried, dt);
}

void EntityBuilding::SendWorkerOnFirstVisit(const WalkTarget& door, float dt)
{
    Log("EntityBuilding:: GetFirstBuy (бежим к зданию)");
    Log("EntityBuilding:: Нечего  GetFirstBuy");
    if (BuildingWorker::GoTo(mWorker, door, 0))
    {
        Log("EntityBuilding:: GOOO");
        BuildingWorker::SetDream(mWorker, -1);
        BuildingWorker::SetBusy(mWorker, true);
        return;
    }
    Log("EntityBuilding:: DREAM");
    BuildingWorker::SetDream(mWorker, kNothingToDo);
    BuildingWorker::PlayIdle(mWorker, dt);
}

bool EntityBuilding::TakeWorkerIn(const WalkTarget& door, std::uint8_t carried)
{
    if (mWorkProgress != 1.0f || !IsDoorOpen() || carried != 0)
    {
        return false;
    }
    std::int32_t i = 0;
    std::int32_t j = 0;
    mWorker->GetIJ(i, j);
    if (i != door.I || j != door.J)
    {
        return false;
    }
    Log("EntityBuilding:: бежим в дом");
    BuildingWorker::StartAction(mWorker, 0);
    FinishRun();
    return true;
}

void EntityBuilding::SendWorkerOnErrand(const WalkTarget& door, std::uint8_t carried, float dt)
{
    WalkTarget store;
    if (GetWalkTarget(&store, 1))
    {
        Log("EntityBuilding:: проверяем ест ли задание и че нить на склад");
        if (BuildingWorker::GoTo(mWorker, store, BuildingWorker::IsFairy(mWorker) ? 1 : 0))
        {
            BuildingWorker::SetBusy(mWorker, true);
            return;
        }
        BuildingWorker::SetDream(mWorker, kNothingToDo);
        BuildingWorker::PlayIdle(mWorker, dt);
        return;
    }
    if (carried != 0)
    {
        Log("EntityBuilding:: со склада бежим к зданию");
        if (BuildingWorker::GoTo(mWorker, door, 2))
        {
            BuildingWorker::SetBusy(mWorker, carried != GetProductGoods(0));
            return;
        }
    }
    // Said only when the worker is sent: an idle building writes no line every 0.3 seconds.
    if (BuildingWorker::GoTo(mWorker, door, 0))
    {
        Log("EntityBuilding:: Нечего не далаем (бежим к зданию)");
        BuildingWorker::SetBusy(mWorker, false);
    }
    BuildingWorker::PlayIdle(mWorker, dt);
}

bool EntityBuilding::Update(float dt)
{
    if (!IsForSale() && !BuildingWorker::IsActive(mWorker) && IsSelected() && mHintArrow &&
        mHintArrow->GetContainer() != nullptr)
    {
        mHintArrow->GetContainer()->Update(dt);
    }
    if (mSaleTimer > kNoSale)
    {
        UpdateSale(dt);
    }
    mDoorFrame = std::clamp(mDoorFrame + dt * mDoorRate, 0.0f, kDoorOpen);
    UpdateWork(dt);
    if (mCompletion != nullptr)
    {
        mCompletion->Update(dt);
    }
    UpdateMeshes(dt);
    if (!BuildingWorker::IsActive(mWorker))
    {
        mIdleSign.Update(dt);
    }
    WorkerStep(dt);
    UpdateWorkingLook(dt);
    return true;
}

void EntityBuilding::UpdateSale(float dt)
{
    mSaleTimer += dt * kSaleRate;
    const bool ended = mSaleTimer > 1.0f;
    if (ended)
    {
        EndSale();
    }
    UpdateSalePage(ended);
}

void EntityBuilding::EndSale()
{
    // The goods in the worker's hands go back to the storehouse; inputs that never reached the building
    // cancel their run, so that the next worker can take the next order.
    std::vector<std::uint8_t> goods;
    if (const std::uint8_t carried = BuildingWorker::GetCarriedGoods(mWorker); carried != 0)
    {
        goods.push_back(carried);
        if (BuildingWorker::CarriesBothInputs(mWorker) && mKind != nullptr)
        {
            goods.push_back(mKind->secondInput);
        }
    }
    else if (BuildingWorker::IsBringingOutAUnit(mWorker))
    {
        // FinishRun has already taken this unit off the run: it is the worker's, as if in hand.
        goods.push_back(GetBuildingProduct(mType));
    }
    if (!goods.empty())
    {
        EntityStorehouse* store = FindStorehouse();
        for (const std::uint8_t item : goods)
        {
            if (store == nullptr || !store->GetCells().PutGoodsInstant(item))
            {
                if (Korrin::LogManager* log = Korrin::LogManager::Peek())
                {
                    log->Write("EntityBuilding: no room in the storehouse for goods %u of a sold worker",
                               static_cast<unsigned>(item));
                }
            }
        }
        BuildingWorker::SetCarriedGoods(mWorker, 0);
    }
    if (mRunsLeft != kNoRun && mWorkProgress == 0.0f && mWorkRate == 0.0f)
    {
        RefundCancelledRun();
        mRunsLeft = kNoRun;
    }
    if (mWorker != nullptr)
    {
        mWorker->SetActive(false);
    }
    SetWorkerInside(false);
    mIdleSign.SetAnimationTime(0.0f);
    mDoorRate = -kDoorRate;
    if (LevelTaskInfo* task = LevelTaskInfo::Peek())
    {
        task->AddMoney(WorkerHirePrice() / 2);
    }
    mSaleTimer = kNoSale;
    if (GameParticleManager* effects = GameParticleManager::Peek(); effects && mWorker)
    {
        effects->AddParticleToDQ(static_cast<NameParticles>(kSaleEffect), mWorker->GetPosition());
    }
    Korrin::PlaySoundOnce("sale_character");
}

// A run whose inputs never reached the building is its whole order: its runs left still name the order
// of its block, whose price goes back to the level's money.
void EntityBuilding::RefundCancelledRun()
{
    if (mRunsLeft < 0 || mRunsLeft > 2)
    {
        return;
    }
    const std::uint16_t price = OrderPrice(GetProductGoods(static_cast<std::uint8_t>(mRunsLeft)));
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (price != 0 && task != nullptr)
    {
        task->AddMoney(price);
    }
}

void EntityBuilding::UpdateSalePage(bool ended)
{
    GamePanel* panel = GamePanel::Peek();
    // Only the building whose worker the page shows moves its bar.
    if (panel == nullptr || panel->GetCurrent() != GamePanel::kWorkerPage || panel->GetTabOwner() != this)
    {
        return;
    }
    Korrin::GuiContainer* page = panel->GetPanel(GamePanel::kWorkerPage);
    Korrin::GuiElement* bar = page != nullptr ? page->GetByName("CHAR_CANCEL_PROGRESS") : nullptr;
    if (bar != nullptr && bar->IsVisible())
    {
        if (ended)
        {
            ChangeGui();
        }
        else
        {
            mSaleTimer = std::max(mSaleTimer, kSalePageStart);
            bar->SetLocalPosition(kSaleBarPosition);
            if (auto* image = dynamic_cast<Korrin::GuiImage*>(bar))
            {
                const float left = kSaleBarRight - std::trunc(kSaleBarWidth * mSaleTimer);
                image->SetSrcRect({left, kSaleBarTop, kSaleBarRight, kSaleBarBottom});
            }
        }
    }
    Level* level = Level::Peek();
    if (ended && level != nullptr && level->GetPendingObject() == this)
    {
        panel->SetPanelParam(nullptr, -1, 0, 0, 0);
        panel->SetCurrent(0);
        level->SetPendingObject(nullptr);
        mPressed = kNone;
    }
}

void EntityBuilding::UpdateWork(float dt)
{
    mWorkProgress += mWorkRate * dt;
    if (mWorkProgress < 0.0f)
    {
        mWorkProgress = 0.0f;
        mWorkRate = 0.0f;
        return;
    }
    if (mWorkProgress <= 1.0f)
    {
        return;
    }
    mWorkProgress = 1.0f;
    BuildingStruct* level = CurrentLevel();
    AniMeshContainer* mesh = level != nullptr ? level->mesh.get() : nullptr;
    if (mesh != nullptr && mesh->GetLoop() == 0 && mRemainingWork == kFullWork)
    {
        Log("SetLOOP");
        mesh->SetLoop(1);
    }
    mRemainingWork -= kRunSpeed[std::min<std::uint16_t>(mUpgradeLevel, kLevels - 1)] * dt;
    if (mRemainingWork >= 0.0f)
    {
        return;
    }
    mRemainingWork = 0.0f;
    if (mesh != nullptr && mesh->GetLoop() != 0)
    {
        Log("LOOP");
        mesh->SetLoop(0);
        Korrin::PlaySoundOnce("building_finish_work");
        if (mCompletion != nullptr)
        {
            mCompletion->Restart();
            mCompletion->SetLoop(true);
        }
    }
}

void EntityBuilding::UpdateMeshes(float dt)
{
    if (mConstructionPlaying != 0)
    {
        mDoorFrame = 0.0f;
        if (mConstruction == nullptr || !mConstruction->Update(dt))
        {
            mConstructionPlaying = 0;
        }
        return;
    }
    BuildingStruct* level = CurrentLevel();
    const bool running =
        level != nullptr && level->mesh->Update(dt * kMeshSpeed[std::min<std::uint16_t>(mUpgradeLevel, 2)]);
    if (!running && mRemainingWork == 0.0f && BuildingWorker::IsActive(mWorker) && mDoorRate == -kDoorRate)
    {
        mDoorRate = kDoorRate;
    }
}

std::uint16_t EntityBuilding::WorkingFrame(float frameTime, std::size_t frames)
{
    // A sprite of fewer than two frames has no working frames: it keeps its resting one.
    if (frames < 2 || !(frameTime >= 0.0f))
    {
        return 0;
    }
    const auto clock = static_cast<std::uint16_t>(std::fmod(frameTime, 65536.0f));
    return static_cast<std::uint16_t>(clock % (frames - 1) + 1);
}

void EntityBuilding::UpdateWorkingLook(float dt)
{
    BuildingStruct* level = CurrentLevel();
    if (level == nullptr)
    {
        return;
    }
    AniMeshContainer& mesh = *level->mesh;
    const bool working = mRemainingWork > 0.0f;
    if (working && mType == 30 && mesh.GetEntityCount() > 4)
    {
        if (Korrin::AnimatedMesh* part = mesh.GetEntity(4)->mesh)
        {
            for (const auto& [row, column] : {std::pair{0, 0}, {0, 1}, {1, 0}, {1, 1}})
            {
                part->OffsetVertexUV(static_cast<std::uint16_t>(row), static_cast<std::uint16_t>(column),
                                     0.0f, dt * kJuicerScroll);
            }
        }
    }
    if (working && mType == 26)
    {
        const int wheel = mUpgradeLevel == 0 ? (mesh.GetEntityCount() > 8 ? 8 : -1) : 8 - mUpgradeLevel;
        if (const AniMeshContainer::Entity* part = mesh.GetEntity(wheel); part && part->mesh)
        {
            RotateMesh(*part->mesh, dt, kWheelSpeed, 0.5f, 0.5f);
        }
    }
    const int partIndex = WorkingPart(mType, mUpgradeLevel);
    if (partIndex < 0 || mUpgradeLevel >= mWorking.size() || mWorking[mUpgradeLevel] == nullptr)
    {
        return;
    }
    Korrin::AnimatedSprite& sprite = *mWorking[mUpgradeLevel];
    std::uint16_t frame = 0;
    if (working)
    {
        const std::uint16_t before = WorkingFrame(mWorkingFrameTime, sprite.GetFrameCount());
        mWorkingFrameTime += dt * kWorkingFrames;
        frame = WorkingFrame(mWorkingFrameTime, sprite.GetFrameCount());
        // Written when the frame changes rather than every frame.
        if (mType == 38 && frame != before)
        {
            if (Korrin::LogManager* log = Korrin::LogManager::Peek())
            {
                log->Write("time=%f size=%u current=%u", static_cast<double>(mWorkingFrameTime),
                           static_cast<unsigned>(sprite.GetFrameCount()), static_cast<unsigned>(frame));
            }
        }
    }
    if (sprite.GetFrameCount() > 0)
    {
        const Korrin::Rect& rect = sprite.GetFrameRect(frame);
        mesh.SetEntityTextureRect(partIndex, rect.left, rect.top, rect.right, rect.bottom);
    }
}

void EntityBuilding::Buy()
{
    Korrin::PlaySoundOnce("ConstructionOf");
    mForSale = 0;
    mConstructionPlaying = 1;
    if (mConstruction)
    {
        mConstruction->SetAnimationTime(0.0f);
    }
    mIdleSign.SetAnimationTime(0.0f);
    if (EntityManager* entities = Entities())
    {
        entities->AddBuildingUpPS(mX, mY);
    }
    if (GamePanel* panel = GamePanel::Peek())
    {
        panel->SetCurrentByType(mType);
    }
}

void EntityBuilding::UpgradeBuilding()
{
    const std::uint16_t previous = mUpgradeLevel;
    if (!Upgrade())
    {
        return;
    }
    if (mUpgradeLevel == 1)
    {
        SetTaskLimit(3);
    }
    else if (mUpgradeLevel == 2)
    {
        SetTaskLimit(5);
    }
    if (EntityManager* entities = Entities())
    {
        const Korrin::Vector2 offset = GetOffseForUpgradePS();
        entities->AddUpgradePS(mX + offset.x, mY + offset.y);
    }
    // A running work animation goes on in the new look.
    if (previous < mLevels.size() && mUpgradeLevel < mLevels.size())
    {
        AniMeshContainer& from = *mLevels[previous].mesh;
        AniMeshContainer& to = *mLevels[mUpgradeLevel].mesh;
        to.SetLoop(from.GetLoop());
        to.SetAnimationTime(MeshTime(from));
    }
}
