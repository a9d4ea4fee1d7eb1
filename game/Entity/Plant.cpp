#include "game/Entity/Plant.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Game/GameTables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
constexpr float kStepsPerSecond = 7.0f;
constexpr float kCountdownRate = 1.5f;
constexpr float kShakeAfterHarvest = 0.2f;
constexpr float kShakeFall = 0.3f;
constexpr float kSwayFrequency = 50.0f;
constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;

// The frame tables of each crop (see GameTables).
constexpr std::uint32_t kCarrotTable = 1;
constexpr std::uint32_t kTomatoGrowing = 4;
constexpr std::uint32_t kTomatoWithering = 7;
constexpr std::uint32_t kTomatoRipe = 8;
constexpr std::uint32_t kPotatoPlant = 9;
constexpr std::uint32_t kPotatoTubers = 12;
constexpr std::uint32_t kSunflowerStalk = 13;
constexpr std::uint32_t kSunflowerHead = 14;
constexpr std::uint32_t kSunflowerWithering = 17;
constexpr std::uint32_t kSunflowerRipe = 18;
constexpr std::uint32_t kSunflowerHeadOffsets = 30;
constexpr std::uint32_t kWheatEar = 19;
constexpr std::uint32_t kWheatPicked = 22;
// The tables of last indexes per crop.
constexpr std::uint32_t kCarrotCaps = 25;
constexpr std::uint32_t kTomatoCaps = 26;
constexpr std::uint32_t kPotatoCaps = 27;
constexpr std::uint32_t kSunflowerCaps = 28;
constexpr std::uint32_t kWheatCaps = 29;
constexpr std::uint32_t kTomatoWitheringCap = 3;
constexpr std::uint32_t kPotatoTuberCap = 3;
constexpr std::uint32_t kSunflowerWitheringCap = 4;
constexpr std::uint32_t kWheatPickedCaps = 3;

// Late fruits start below 0: 42 steps are six seconds.
constexpr std::array<float, 3> kCarrotStarts = {0.0f, -2.0f, -4.0f};
constexpr std::array<float, 3> kLateStarts = {0.0f, -42.0f, -84.0f};

constexpr std::array<const char*, Plant::kSpriteCount> kSpriteTables = {
    "CarrotCenter",  "CarrotRight",  "CarrotLeft",  "Tomato",     "PotatoesCenter",
    "PotatoesRight", "PotatoesLeft", "PotatoesD",   "SunflowerM", "SunflowerF1",
    "SunflowerF3",   "SunflowerF2",  "WheatCenter", "WheatRight", "WheatLeft"};
constexpr std::size_t kTomatoSprite = 3;
constexpr std::size_t kPotatoPlantSprite = 4;
constexpr std::size_t kTuberSprite = 7;
constexpr std::size_t kStalkSprite = 8;
constexpr std::size_t kHeadSprite = 9;
constexpr std::size_t kWheatSprite = 12;

// Where each fruit stands in its bed.
constexpr std::array<std::array<float, 2>, 3> kCarrotPlaces = {{{-5, 5}, {15, 10}, {-8, 15}}};
constexpr std::array<std::array<float, 2>, 3> kPotatoPlaces = {{{-5, -5}, {6, 6}, {-12, 8}}};
constexpr std::array<std::array<float, 2>, 3> kWheatPlaces = {{{-5, -20}, {10, 4}, {-25, -4}}};

// Advances a timer by the step; clamps it to the cap and says whether it had to.
bool AdvanceAndClamp(float& timer, float step, float cap)
{
    timer += step;
    if (timer > cap)
    {
        timer = cap;
        return true;
    }
    return false;
}

bool Clamp(float& timer, float cap)
{
    if (timer > cap)
    {
        timer = cap;
        return true;
    }
    return false;
}

bool IsCrop(std::uint8_t code)
{
    return code == Plant::kEmpty || (code >= Plant::kCarrot && code <= Plant::kWheat);
}

void DrawAt(Korrin::AnimatedSprite* sprite, std::int32_t frame, float x, float y)
{
    if (sprite != nullptr && frame >= 0)
    {
        sprite->DrawFrame(static_cast<std::uint16_t>(frame), static_cast<int>(x), static_cast<int>(y));
    }
}

} // namespace

Plant::Plant() = default;

Plant::~Plant()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (Korrin::AnimatedSprite* sprite : mSprites)
        {
            sprites->DeleteSprite(sprite);
        }
        sprites->DeleteSprite(mSeeds);
    }
}

void Plant::Init()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    for (std::size_t i = 0; i < kSpriteCount; ++i)
    {
        sprites->DeleteSprite(mSprites[i]);
        mSprites[i] = sprites->LoadAnimatedSprite(kSpriteTables[i], "Plants.lua");
    }
    sprites->DeleteSprite(mSeeds);
    mSeeds = sprites->LoadAnimatedSprite("Seeds", "Seeds.lua");
}

std::int32_t Plant::TableFrame(std::uint32_t table, float timer)
{
    const Korrin::Array<std::uint8_t>& entries = GameTables::Frames(table);
    if (entries.Size() == 0)
    {
        return -1;
    }
    const float held = std::clamp(timer, 0.0f, static_cast<float>(entries.Size() - 1));
    return static_cast<std::int32_t>(entries[static_cast<std::uint32_t>(held)]) - 1;
}

float Plant::Cap(std::uint32_t capTable, std::uint32_t index)
{
    const Korrin::Array<float>& caps = GameTables::LastIndexes(capTable);
    return index < caps.Size() ? caps[index] : 0.0f;
}

void Plant::SetType(std::uint8_t crop)
{
    mType = crop;
    mCountdown = kSowingCountdown;
    mShake = 0.0f;
    mFruitCount = 0;
    mStage = kGrowing;
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("Plant::SetType %i", static_cast<int>(crop));
    }
    if (crop == kEmpty)
    {
        mSownMark = 0;
    }
    switch (crop)
    {
    case kCarrot:
        mMain = kCarrotStarts;
        break;
    case kTomato:
        mMain[0] = 0.0f;
        break;
    case kPotatoes:
        mMain = kLateStarts;
        mSecond = {-1.0f, -1.0f, -1.0f};
        break;
    case kSunflower:
        mMain[0] = 0.0f;
        mSecond = {-1.0f, -1.0f, -1.0f};
        break;
    default:
        mStage = kWheatGrowing;
        mMain = kLateStarts;
        break;
    }
}

bool Plant::Update(float dt)
{
    mSway += dt;
    if (mSway > kTwoPi)
    {
        mSway -= kTwoPi;
        if (mSway > kTwoPi)
        {
            mSway = 0.0f;
        }
    }
    if (mType == kEmpty)
    {
        return true;
    }
    if (mFruitCount > 0)
    {
        mCountdown = std::max(0.0f, mCountdown - kCountdownRate * dt);
    }
    // Growth waits for the water: an unwatered bed keeps its countdown.
    if (mCountdown != 0.0f)
    {
        return true;
    }
    const float step = kStepsPerSecond * dt;
    switch (mType)
    {
    case kCarrot:
        UpdateCarrot(step);
        break;
    case kTomato:
        UpdateTomato(dt, step);
        break;
    case kPotatoes:
        UpdatePotatoes(step);
        break;
    case kSunflower:
        UpdateSunflower(dt, step);
        break;
    default:
        UpdateWheat(step);
        break;
    }
    return true;
}

void Plant::UpdateCarrot(float step)
{
    for (std::uint32_t i = 0; i < mFruitCount && i < kMostFruits; ++i)
    {
        AdvanceAndClamp(mMain[i], step, Cap(kCarrotCaps, i));
    }
}

void Plant::UpdateTomato(float dt, float step)
{
    mShake = std::max(0.0f, mShake - kShakeFall * dt);
    if (mStage == kGrowing)
    {
        const std::uint32_t fruits = std::clamp<std::uint32_t>(mFruitCount, 1, kMostFruits);
        if (AdvanceAndClamp(mMain[0], step, Cap(kTomatoCaps, fruits - 1)))
        {
            mStage = kRipe;
        }
    }
    else if (mStage == kWithering)
    {
        if (AdvanceAndClamp(mMain[0], step, Cap(kTomatoCaps, kTomatoWitheringCap)))
        {
            SetType(kEmpty);
        }
    }
}

void Plant::UpdatePotatoes(float step)
{
    constexpr float kTubersStartAfter = 40.0f;
    for (std::uint32_t i = 0; i < mFruitCount && i < kMostFruits; ++i)
    {
        mMain[i] += step;
        if (mMain[i] > kTubersStartAfter)
        {
            AdvanceAndClamp(mSecond[i], step, Cap(kPotatoCaps, kPotatoTuberCap));
        }
        Clamp(mMain[i], Cap(kPotatoCaps, i));
    }
}

void Plant::UpdateSunflower(float dt, float step)
{
    mShake = std::max(0.0f, mShake - kShakeFall * dt);
    if (mStage == kGrowing)
    {
        AdvanceAndClamp(mMain[0], step, Cap(kSunflowerCaps, 0));
        std::uint32_t grown = 0;
        for (std::uint32_t j = 0; j < mFruitCount && j < kMostFruits; ++j)
        {
            if (AdvanceAndClamp(mSecond[j], step, Cap(kSunflowerCaps, j + 1)))
            {
                ++grown;
            }
        }
        if (grown == mFruitCount)
        {
            mStage = kRipe;
        }
    }
    else if (mStage == kWithering)
    {
        if (AdvanceAndClamp(mMain[0], step, Cap(kSunflowerCaps, kSunflowerWitheringCap)))
        {
            SetType(kEmpty);
        }
    }
}

void Plant::UpdateWheat(float step)
{
    if (mStage == kWheatGrowing)
    {
        for (std::uint32_t i = 0; i < mFruitCount && i < kMostFruits; ++i)
        {
            AdvanceAndClamp(mMain[i], step, Cap(kWheatCaps, i));
        }
        return;
    }
    if (mStage >= 1 && mStage <= kMostFruits && mStage != mFruitCount)
    {
        const std::uint32_t ear = mStage - 1u;
        if (AdvanceAndClamp(mMain[ear], step, Cap(kWheatCaps, kWheatPickedCaps + ear)) && mStage == 1)
        {
            SetType(kEmpty);
        }
    }
}

bool Plant::IsRipe() const
{
    const auto allAtCaps =
        [this](const std::array<float, kMostFruits>& timers, std::uint32_t capTable, bool sameCap)
    {
        for (std::uint32_t i = 0; i < mFruitCount && i < kMostFruits; ++i)
        {
            if (timers[i] != Cap(capTable, sameCap ? kPotatoTuberCap : i))
            {
                return false;
            }
        }
        return true;
    };
    switch (mType)
    {
    case kCarrot:
        return allAtCaps(mMain, kCarrotCaps, false);
    case kTomato:
    case kSunflower:
        return mStage == kRipe;
    case kPotatoes:
        return allAtCaps(mSecond, kPotatoCaps, true);
    case kWheat:
        return allAtCaps(mMain, kWheatCaps, false);
    default:
        return false;
    }
}

void Plant::TakeFruit()
{
    if (mFruitCount == 0)
    {
        return;
    }
    switch (mType)
    {
    case kCarrot:
    case kPotatoes:
        if (--mFruitCount == 0)
        {
            SetType(kEmpty);
        }
        break;
    case kTomato:
    case kSunflower:
        mShake = kShakeAfterHarvest;
        if (--mFruitCount == 0)
        {
            mStage = kWithering;
            mMain[0] = 0.0f;
        }
        break;
    case kWheat:
        // The ear picked last plays its picking animation; the bed empties after ear 0's.
        mStage = mFruitCount;
        mMain[mFruitCount - 1u] = 0.0f;
        --mFruitCount;
        break;
    default:
        break;
    }
}

float Plant::SwayAngle() const
{
    return mShake * std::sin(kSwayFrequency * mSway);
}

void Plant::Draw()
{
    if (mCountdown != 0.0f || mType == kEmpty)
    {
        return;
    }
    switch (mType)
    {
    case kCarrot:
        DrawCarrot();
        break;
    case kTomato:
        DrawTomato();
        break;
    case kPotatoes:
        DrawPotatoes();
        break;
    case kSunflower:
        DrawSunflower();
        break;
    default:
        DrawWheat();
        break;
    }
}

void Plant::DrawCarrot()
{
    for (std::uint32_t i = 0; i < mFruitCount && i < kMostFruits; ++i)
    {
        if (mMain[i] < 0.0f)
        {
            continue;
        }
        DrawAt(Sprite(i), TableFrame(kCarrotTable + i, mMain[i]), mX + 15.0f + kCarrotPlaces[i][0],
               mY - 38.0f + kCarrotPlaces[i][1]);
    }
}

void Plant::DrawTomato()
{
    std::int32_t frame = -1;
    if (mStage == kGrowing)
    {
        const std::uint32_t fruits = std::clamp<std::uint32_t>(mFruitCount, 1, kMostFruits);
        frame = TableFrame(kTomatoGrowing + fruits - 1, mMain[0]);
    }
    else if (mStage == kRipe)
    {
        frame =
            TableFrame(kTomatoRipe, static_cast<float>(kMostFruits - std::min<std::uint8_t>(mFruitCount, 3)));
    }
    else
    {
        frame = TableFrame(kTomatoWithering, mMain[0]);
    }
    if (Korrin::AnimatedSprite* tomato = Sprite(kTomatoSprite); tomato != nullptr && frame >= 0)
    {
        tomato->DrawFrameEx(static_cast<std::uint16_t>(frame), mX + 33.0f, mY + 10.0f, 1.0f, 1.0f,
                            SwayAngle(), 0.0f, -49.0f);
    }
}

void Plant::DrawPotatoes()
{
    for (std::uint32_t i = 0; i < mFruitCount && i < kMostFruits; ++i)
    {
        const float x = mX + 15.0f + kPotatoPlaces[i][0];
        if (mMain[i] >= 0.0f)
        {
            DrawAt(Sprite(kPotatoPlantSprite + i), TableFrame(kPotatoPlant + i, mMain[i]), x,
                   mY - 50.0f + kPotatoPlaces[i][1]);
        }
        if (mSecond[i] >= 0.0f)
        {
            const float tuberY = mY - 39.0f + (i < 2 ? 28.0f : 29.0f);
            DrawAt(Sprite(kTuberSprite), TableFrame(kPotatoTubers, mSecond[i]), x, tuberY);
        }
    }
}

void Plant::DrawSunflower()
{
    std::int32_t frame = -1;
    if (mStage == kWithering)
    {
        frame = TableFrame(kSunflowerWithering, mMain[0]);
    }
    else if (mStage == kRipe)
    {
        frame = TableFrame(kSunflowerRipe,
                           static_cast<float>(kMostFruits - std::min<std::uint8_t>(mFruitCount, 3)));
    }
    else
    {
        frame = TableFrame(kSunflowerStalk, mMain[0]);
    }
    Korrin::AnimatedSprite* stalk = Sprite(kStalkSprite);
    if (stalk != nullptr && frame >= 0)
    {
        stalk->DrawFrameEx(static_cast<std::uint16_t>(frame), mX + 33.0f, mY + 8.0f, 1.0f, 1.0f, SwayAngle(),
                           0.0f, -49.0f);
    }
    if (mStage != kGrowing || frame < 0)
    {
        return;
    }
    for (std::uint32_t j = 0; j < mFruitCount && j < kMostFruits; ++j)
    {
        const std::int32_t head = TableFrame(kSunflowerHead + j, mSecond[j]);
        Korrin::AnimatedSprite* sprite = Sprite(kHeadSprite + j);
        if (mSecond[j] < 0.0f || head < 0 || sprite == nullptr)
        {
            continue;
        }
        // The heads move with the stalk: the offset of the stalk's current frame.
        const Korrin::Array<Korrin::Vector2>& offsets = GameTables::Offsets(kSunflowerHeadOffsets + j);
        Korrin::Vector2 offset;
        if (offsets.Size() > 0)
        {
            offset = offsets[std::min(static_cast<std::uint32_t>(frame), offsets.Size() - 1)];
        }
        sprite->DrawFrameEx(static_cast<std::uint16_t>(head), mX + 35.0f + offset.x, mY - 40.0f + offset.y,
                            1.0f, 1.0f, 0.0f, 0.0f, 0.0f);
    }
}

void Plant::DrawWheat()
{
    const std::uint32_t ears = mStage < kWheatGrowing ? mStage : mFruitCount;
    for (std::uint32_t i = 0; i < ears && i < kMostFruits; ++i)
    {
        Korrin::AnimatedSprite* ear = Sprite(kWheatSprite + i);
        if (ear == nullptr || mMain[i] < 0.0f)
        {
            continue;
        }
        const bool picking = mStage == i + 1;
        if (mStage == kWheatGrowing)
        {
            // Young ears are green and ripen to gold.
            const float cap = Cap(kWheatCaps, i);
            const float r = cap > 0.0f ? std::min(1.0f, mMain[i] / cap / 0.3f + 0.6f) : 1.0f;
            ear->SetColour(r, 1.0f, r, 1.0f);
        }
        else
        {
            ear->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        }
        DrawAt(ear, TableFrame(picking ? kWheatPicked + i : kWheatEar + i, mMain[i]),
               mX + 8.0f + kWheatPlaces[i][0], mY - 53.0f + kWheatPlaces[i][1]);
        ear->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    }
}

void Plant::DrawSeeds()
{
    if (mCountdown <= 0.0f || mSownMark < kCarrot || mSownMark > kWheat || mSeeds == nullptr)
    {
        return;
    }
    const auto frame = static_cast<std::uint16_t>(mSownMark - kCarrot);
    const float alpha = std::min(1.0f, mCountdown);
    const float scale = 0.8f * alpha;
    mSeeds->SetMirrorH(mSownMark == kPotatoes);
    mSeeds->SetColour(1.0f, 1.0f, 1.0f, alpha);
    mSeeds->DrawFrameEx(frame, mX + 32.0f, mY + 13.0f, scale, scale, 0.0f, 0.0f, 0.0f);
    mSeeds->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    mSeeds->SetMirrorH(false);
}

void Plant::Save(Korrin::BinaryWriter& out)
{
    Entity::Save(out);
    out.WriteU8(mSownMark);
    out.WriteU8(mFruitCount);
    for (const float timer : mMain)
    {
        out.WriteF32(timer);
    }
    for (const float timer : mSecond)
    {
        out.WriteF32(timer);
    }
    out.WriteF32(mCountdown);
    out.WriteF32(mSway);
    out.WriteF32(mShake);
    out.WriteU8(mStage);
}

void Plant::Load(Korrin::BinaryReader& in)
{
    // The record's type code is the crop it held: the bed takes it before the base compares.
    Korrin::BinaryReader peek = in;
    peek.ReadU8();
    const std::uint8_t crop = peek.ReadU8();
    if (!peek.Ok() || !IsCrop(crop))
    {
        in.Fail();
        return;
    }
    const std::uint8_t liveCrop = mType;
    mType = crop;
    Entity::Load(in);
    const std::uint8_t mark = in.ReadU8();
    const std::uint8_t fruits = in.ReadU8();
    std::array<float, kMostFruits> main{};
    std::array<float, kMostFruits> second{};
    for (float& timer : main)
    {
        timer = in.ReadF32();
    }
    for (float& timer : second)
    {
        timer = in.ReadF32();
    }
    const float countdown = in.ReadF32();
    const float sway = in.ReadF32();
    const float shake = in.ReadF32();
    const std::uint8_t stage = in.ReadU8();
    const bool finite = std::all_of(main.begin(), main.end(), [](float t) { return std::isfinite(t); }) &&
                        std::all_of(second.begin(), second.end(), [](float t) { return std::isfinite(t); }) &&
                        std::isfinite(countdown) && std::isfinite(sway) && std::isfinite(shake);
    const bool stageKnown =
        stage == 0 || stage == 1 || stage == 2 || stage == 4 || (crop == kWheat && stage == 3);
    if (!in.Ok() || !IsCrop(mark) || fruits > kMostFruits || !stageKnown || !finite)
    {
        mType = liveCrop;
        in.Fail();
        return;
    }
    mSownMark = mark;
    mFruitCount = fruits;
    mMain = main;
    mSecond = second;
    mCountdown = countdown;
    mSway = sway;
    mShake = shake;
    mStage = stage;
}
