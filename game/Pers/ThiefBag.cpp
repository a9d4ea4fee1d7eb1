#include "game/Pers/ThiefBag.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/LevelLookup.h"
#include "game/GUI/AchievementSystem.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Util/InputLocks.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr std::uint32_t kLandingSequence = 40;
constexpr std::uint32_t kFallingAchievement = 11;
// The bottom of the virtual screen.
constexpr float kScreenBottom = 768.0f;
// The bag's picture stands this far above the floor line it lands on.
constexpr float kBagFoot = 46.0f;
// The part of the picture a click takes.
constexpr float kBoxTop = 22.0f;
constexpr float kBoxWidth = 60.0f;
constexpr float kBoxBottom = 64.0f;
constexpr float kThrowOffset = 30.0f;
constexpr Korrin::Colour kBonusColour{1.0f, 0.7960784f, 0.4f, 1.0f};
constexpr Korrin::Colour kWhite{1.0f, 1.0f, 1.0f, 1.0f};

bool IsLanded(const ThiefBag::Bag& bag)
{
    return bag.speed == ThiefBag::kLanded;
}

} // namespace

ThiefBag::ThiefBag() : mField(LevelLookup::Field())
{
    mType = kType;
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}

ThiefBag::~ThiefBag()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek(); sprites != nullptr && mSprite)
    {
        sprites->DeleteSprite(mSprite);
    }
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Unregister(this);
    }
}

void ThiefBag::Init()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        sprites->DeleteSprite(mSprite);
        mSprite = sprites->LoadAnimatedSprite("ThiefBag", "thieflist.lua");
    }
    const auto steps = static_cast<std::int32_t>(GameTables::Frames(kLandingSequence).Size());
    mLastStep = steps > 0 ? steps - 1 : 0;
}

void ThiefBag::AddBag(float x, float y)
{
    mBags.push_back({0, kThrowSpeed, x - kThrowOffset, y - kThrowOffset, 0.0f, 0.0f});
}

bool ThiefBag::Update(float dt)
{
    for (auto bag = mBags.begin(); bag != mBags.end();)
    {
        bag = UpdateBag(*bag, dt) ? mBags.erase(bag) : std::next(bag);
    }
    return true;
}

bool ThiefBag::UpdateBag(Bag& bag, float dt)
{
    if (!IsLanded(bag))
    {
        bag.speed += kGravity * dt;
        bag.y += std::min(bag.speed * dt, kMaxFall);
        if (bag.speed >= 0.0f)
        {
            const auto I = static_cast<std::int32_t>(bag.x / FieldGeometry::kCellWidth);
            const auto J = static_cast<std::int32_t>((bag.y + kBagFoot - FieldGeometry::kOriginY) /
                                                     FieldGeometry::kCellHeight);
            const int walk = mField != nullptr ? mField->GetWalkKind(I, J) : 0;
            if (walk >= 1 && walk <= 3)
            {
                bag.y =
                    static_cast<float>(J) * FieldGeometry::kCellHeight + FieldGeometry::kOriginY - kBagFoot;
                bag.speed = kLanded;
            }
        }
        // A bag that finds no floor would fall for ever and stay in every save: it goes below the screen.
        return !IsLanded(bag) && bag.y > kScreenBottom;
    }
    bag.step += kStepsPerSecond * dt;
    if (bag.step <= static_cast<float>(mLastStep))
    {
        return false;
    }
    bag.step = static_cast<float>(mLastStep);
    bag.age += dt;
    return bag.age > kLyingTime;
}

std::uint16_t ThiefBag::FrameOf(const Bag& bag) const
{
    const Korrin::Array<std::uint8_t>& sequence = GameTables::Frames(kLandingSequence);
    if (sequence.Size() == 0)
    {
        return 0;
    }
    const auto step = std::clamp(static_cast<std::size_t>(std::max(bag.step, 0.0f)), std::size_t{0},
                                 static_cast<std::size_t>(sequence.Size() - 1));
    const std::uint8_t number = sequence[static_cast<std::uint32_t>(step)];
    return number > 0 ? static_cast<std::uint16_t>(number - 1) : 0;
}

float ThiefBag::AlphaOf(const Bag& bag)
{
    return bag.age > kBlinkTime ? 10.0f * std::sin(20.0f * bag.age) : 1.0f;
}

void ThiefBag::Draw()
{
    if (mSprite == nullptr)
    {
        return;
    }
    for (const Bag& bag : mBags)
    {
        mSprite->SetColour(1.0f, 1.0f, 1.0f, std::clamp(AlphaOf(bag), 0.0f, 1.0f));
        const std::uint16_t frame = FrameOf(bag);
        const int x = static_cast<int>(bag.x);
        const int y = static_cast<int>(bag.y);
        mSprite->SetBlendMode(Korrin::RenderData::kBlendAlpha);
        mSprite->DrawFrame(frame, x, y);
        if (bag.hovered != 0)
        {
            mSprite->SetBlendMode(Korrin::RenderData::kBlendAdd);
            mSprite->DrawFrame(frame, x, y);
            mSprite->SetBlendMode(Korrin::RenderData::kBlendAlpha);
        }
    }
    mSprite->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
}

void ThiefBag::ClearHover()
{
    mHover = kNone;
    for (Bag& bag : mBags)
    {
        bag.hovered = 0;
    }
}

bool ThiefBag::IsPointInside(const Korrin::Vector2& point)
{
    for (Bag& bag : mBags)
    {
        const bool catchable = bag.speed > 0.0f || IsLanded(bag);
        if (catchable && point.x >= bag.x && point.x <= bag.x + kBoxWidth && point.y >= bag.y + kBoxTop &&
            point.y <= bag.y + kBoxBottom)
        {
            bag.hovered = 1;
        }
    }
    return false;
}

bool ThiefBag::TryClick()
{
    if (!LeftButtonWentDown() || InputLocks::second || InputLocks::third)
    {
        return false;
    }
    for (auto bag = mBags.begin(); bag != mBags.end();)
    {
        if (bag->hovered == 0)
        {
            ++bag;
            continue;
        }
        Collect(*bag);
        bag = mBags.erase(bag);
    }
    return false;
}

void ThiefBag::Collect(const Bag& bag)
{
    const bool falling = !IsLanded(bag);
    if (falling)
    {
        if (AchievementSystem* achievements = AchievementSystem::Peek())
        {
            achievements->AddProgress(kFallingAchievement, 1);
        }
    }
    if (LevelTaskInfo* task = LevelTaskInfo::Peek())
    {
        task->AddMoney(falling ? kFallingValue : kLandedValue);
    }
    if (GameParticleManager* particles = GameParticleManager::Peek())
    {
        particles->AddParticleToDQ(kParticleBagBlast, {bag.x + 30.0f, bag.y + 35.0f});
    }
    const Level* level = Level::Peek();
    if (MoneyAnimatedSprite* figures = level != nullptr ? level->GetMoneyAnimation() : nullptr)
    {
        figures->Add(0.0f, std::to_string(kLandedValue), bag.x, bag.y + 35.0f, kWhite);
        if (falling)
        {
            figures->Add(0.2f, "+" + std::to_string(kFallingValue - kLandedValue), bag.x - 5.0f,
                         bag.y + 35.0f, kBonusColour);
        }
    }
    Korrin::PlaySoundOnce("Money");
}

void ThiefBag::Save(Korrin::BinaryWriter& out)
{
    out.WriteU32(static_cast<std::uint32_t>(mBags.size()));
    for (const Bag& bag : mBags)
    {
        out.WriteU8(bag.hovered);
        out.WriteF32(bag.speed);
        out.WriteF32(bag.x);
        out.WriteF32(bag.y);
        out.WriteF32(bag.step);
        out.WriteF32(bag.age);
    }
}

void ThiefBag::Load(Korrin::BinaryReader& in)
{
    const std::int32_t count = in.ReadI32();
    if (!in.Ok() || count < 0 || !in.CheckCount(static_cast<std::uint32_t>(count), 21, kMaxBags))
    {
        in.Fail();
        return;
    }
    std::list<Bag> bags;
    for (std::int32_t n = 0; n < count; ++n)
    {
        Bag bag;
        bag.hovered = in.ReadU8();
        bag.speed = in.ReadF32();
        bag.x = in.ReadF32();
        bag.y = in.ReadF32();
        bag.step = in.ReadF32();
        bag.age = in.ReadF32();
        if (!in.Ok() || !std::isfinite(bag.speed) || !std::isfinite(bag.x) || !std::isfinite(bag.y) ||
            !std::isfinite(bag.step) || !std::isfinite(bag.age))
        {
            in.Fail();
            return;
        }
        bags.push_back(bag);
    }
    mBags = std::move(bags);
}
