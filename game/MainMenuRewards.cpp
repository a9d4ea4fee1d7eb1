// The main menu's rewards panel: a decoration of the picture for every completed achievement.
#include "engine/Log/LogManager.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Butterfly.h"
#include "game/GUI/AchievementSystem.h"
#include "game/MainMenu.h"
#include "game/Util/VirtualMouse.h"

#include <cmath>
#include <initializer_list>

namespace
{

constexpr const char* kMissingAchievement = "Награда удалена из меню ! GetItemById == 0";
constexpr float kGhostMostAlpha = 0.4f;
constexpr float kGhostRise = 2.0f;
constexpr float kShineLife = 4.0f;

struct ButterflyPlace
{
    std::uint32_t id;
    std::size_t butterfly; // index in the list: 1 is "Butterfly2", 2 "Butterfly3"
    float x;
    float y;
    float factor;
};

// New resting places that some rewards give the butterflies.
constexpr ButterflyPlace kButterflyPlaces[] = {
    {3, 2, 651, 614, 1.3f}, {4, 2, 853, 413, 1.3f}, {5, 2, 689, 395, 0.8f},
    {6, 1, 436, 254, 0.8f}, {6, 1, 531, 287, 0.8f}, {14, 1, 579, 402, 0.82f},
};
constexpr std::uint32_t kThiefLeavesReward = 2;

void Log(const char* line)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", line);
    }
}

Korrin::ParticleSystem* CreateEffect(const std::string& name)
{
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    Korrin::ParticleSystem* effect =
        particles != nullptr ? particles->CreateParticleSystem(name + ".particle", name) : nullptr;
    if (effect != nullptr)
    {
        effect->Stop();
    }
    return effect;
}

std::string EffectName(const LuaValue& entry, const char* key, const char* fallback)
{
    const LuaValue name = entry.GetField(key);
    return name.IsString() ? name.ToString() : std::string(fallback);
}

bool Active(const Korrin::ParticleSystem* effect)
{
    return effect != nullptr && effect->HasActiveEmitter();
}

void SetLoop(Korrin::ParticleSystem* effect, bool loop)
{
    if (effect != nullptr)
    {
        effect->SetLoop(loop);
    }
}

void Restart(Korrin::ParticleSystem* effect)
{
    if (effect != nullptr)
    {
        effect->Restart();
    }
}

// Null (with the log line) when the achievement is gone.
AchievementData* FindAchievement(std::uint32_t id)
{
    const AchievementSystem* achievements = AchievementSystem::Peek();
    AchievementData* data = achievements != nullptr ? achievements->GetData(id) : nullptr;
    if (data == nullptr)
    {
        Log(kMissingAchievement);
    }
    return data;
}

bool Revealed(const AchievementData& data)
{
    return (data.mFlags & AchievementData::kShownOnMenu) != 0;
}

// Reads one entry of "items"; false when it has no key.
bool ReadRewardItem(const LuaValue& entry, std::int32_t& key, RewardItem& item)
{
    const LuaValue keyValue = entry.GetField("Key");
    if (!keyValue.IsNumber())
    {
        return false;
    }
    key = Korrin::CheckedInteger<std::int32_t>(keyValue.ToFloat());
    if (const LuaValue frame = entry.GetField("NFrame"); frame.IsNumber())
    {
        item.frame = Korrin::CheckedInteger<std::uint16_t>(frame.ToFloat());
    }
    if (const LuaValue position = entry.GetField("Pos"); position.IsTable())
    {
        position.GetFloat2(item.x, item.y);
    }
    item.addEffect = CreateEffect(EffectName(entry, "particleNameAdd", "menu_Small_Add"));
    item.selectEffect = CreateEffect(EffectName(entry, "particleNameSelect", "menu_Small_Select"));
    item.shineEffect = CreateEffect(EffectName(entry, "particleNameShine", "Shine1"));
    if (const LuaValue time = entry.GetField("TimeEffect"); time.IsNumber())
    {
        item.appearTime = time.ToFloat();
    }
    if (const LuaValue hit = entry.GetField("HitRect"); hit.IsTable())
    {
        Korrin::Rect rect;
        if (hit.GetFloat4(rect.left, rect.top, rect.right, rect.bottom))
        {
            item.hitRect = rect;
        }
        else
        {
            Log("Отсутствует рект награды в menu_rewars.lua таблица ");
        }
    }
    if (BaseParticleSystem* shine =
            item.shineEffect != nullptr ? item.shineEffect->GetBaseParticleSystem(0) : nullptr)
    {
        const Korrin::Rect& r = item.hitRect;
        shine->SetPosition(Korrin::Vector2{r.left, r.bottom});
        shine->GetSettings().randomPosition = Korrin::Vector2{r.right - r.left, 0.0f};
        shine->GetSettings().particleLife = kShineLife;
        shine->GetSettings().velocity = (r.bottom - r.top) * 0.25f;
    }
    return true;
}

} // namespace

void MainMenu::LoadRewards()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mRewardsSprite = sprites->LoadAnimatedSprite("Rewards", kRewardsScript);
    }
    Korrin::LuaScript script;
    script.LoadFile(kRewardsScript, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    ReadRewardItems(script.GetGlobal("items"));
}

void MainMenu::ReadRewardItems(const LuaValue& items)
{
    if (!items.IsTable())
    {
        return;
    }
    items.ForEachElement(
        [this](int /*position*/, const LuaValue& entry)
        {
            if (!entry.IsTable())
            {
                return;
            }
            // Every entry starts from the defaults: one entry's values never leak into the next.
            RewardItem item;
            std::int32_t key = 0;
            if (!ReadRewardItem(entry, key, item))
            {
                Log("menu_rewards.lua: an item without a \"Key\" is skipped");
                return;
            }
            // The first item of a key stays; a later one is dropped (its effects stay with the manager).
            mRewardItems.emplace(key, item);
        });
}

bool MainMenu::RebuildPendingRewards()
{
    mPending.clear();
    const AchievementSystem* achievements = AchievementSystem::Peek();
    if (achievements == nullptr)
    {
        return true;
    }
    for (const std::uint32_t id : achievements->GetCompletedIds())
    {
        const auto found = mRewardItems.find(static_cast<std::int32_t>(id));
        if (found == mRewardItems.end())
        {
            Log("ОШИБКА КЛЮЧЕЙ !!!");
            return false;
        }
        auto pending = std::make_unique<PendingReward>();
        pending->id = id;
        pending->item = &found->second;
        mPending.push_back(std::move(pending));
    }
    return true;
}

void MainMenu::UpdateRewards(float dt)
{
    // A decoration without its achievement stops the rest of this frame's rewards.
    if (!UpdateGhosts(dt) || !RevealPending(dt))
    {
        return;
    }
    SelectStep();
    if (!RestartShines())
    {
        return;
    }
    for (const std::unique_ptr<PendingReward>& pending : mPending)
    {
        for (Korrin::ParticleSystem* effect :
             {pending->item->addEffect, pending->item->selectEffect, pending->item->shineEffect})
        {
            if (effect != nullptr)
            {
                effect->Update(dt);
            }
        }
    }
}

bool MainMenu::UpdateGhosts(float dt)
{
    Korrin::Vector2 mouse{-1.0f, -1.0f};
    VirtualMousePosition(mouse);
    bool anyHovered = false;
    for (const auto& [key, item] : mRewardItems)
    {
        anyHovered = anyHovered || item.hovered;
    }
    for (auto& [key, item] : mRewardItems)
    {
        const AchievementData* data = FindAchievement(static_cast<std::uint32_t>(key));
        if (data == nullptr)
        {
            return false;
        }
        if (!Revealed(*data))
        {
            UpdateGhost(item, item.Contains(mouse.x, mouse.y) && (!anyHovered || item.hovered), dt);
        }
    }
    return true;
}

void MainMenu::UpdateGhost(RewardItem& item, bool underMouse, float dt)
{
    if (!underMouse)
    {
        if (item.hovered)
        {
            // The fade-out starts from the present opacity.
            item.hoverTime = item.ghostAlpha / 0.2f;
        }
        item.hovered = false;
        if (item.hoverTime > 0.0f)
        {
            item.hoverTime = std::max(item.hoverTime - dt, 0.0f);
        }
    }
    else
    {
        item.hoverTime += dt;
        item.hovered = true;
    }
    if (item.hoverTime > 0.0f)
    {
        item.ghostAlpha =
            item.hoverTime < kGhostRise
                ? item.hoverTime * kGhostMostAlpha * 0.5f
                : (std::cos((item.hoverTime - kGhostRise) * 5.0f) * 0.25f + 0.75f) * kGhostMostAlpha;
    }
}

bool MainMenu::RevealPending(float dt)
{
    // Coming into view, one after another.
    for (const std::unique_ptr<PendingReward>& pending : mPending)
    {
        bool stop = false;
        if (!RevealStep(*pending, dt, stop))
        {
            return false;
        }
        if (stop)
        {
            break;
        }
    }
    return true;
}

bool MainMenu::RestartShines()
{
    for (const std::unique_ptr<PendingReward>& pending : mPending)
    {
        const AchievementData* data = FindAchievement(pending->id);
        if (data == nullptr)
        {
            return false;
        }
        if (Revealed(*data) && !Active(pending->item->shineEffect))
        {
            Restart(pending->item->shineEffect);
        }
    }
    return true;
}

bool MainMenu::RevealStep(PendingReward& pending, float dt, bool& stop)
{
    AchievementData* data = FindAchievement(pending.id);
    if (data == nullptr)
    {
        return false;
    }
    RewardItem& item = *pending.item;
    const bool wasComing = !Revealed(*data);
    if (wasComing)
    {
        pending.revealTime += dt;
        if (pending.revealTime > item.appearTime)
        {
            pending.revealTime = item.appearTime;
            SetLoop(item.addEffect, false);
            data->mFlags |= AchievementData::kShownOnMenu;
            RunSpecialEffect(pending.id);
        }
        if (!Active(item.addEffect) && !pending.addStarted)
        {
            pending.addStarted = true;
            Restart(item.addEffect);
            if (Korrin::SoundManager* sounds = Korrin::SoundManager::Peek())
            {
                if (Korrin::Sound* sound = sounds->GetSound("show_reward_menu"))
                {
                    sound->Play(false);
                }
            }
        }
    }
    if (Active(item.addEffect))
    {
        // The burst plays once.
        SetLoop(item.addEffect, false);
    }
    stop = wasComing && !Revealed(*data);
    return true;
}

void MainMenu::SelectStep()
{
    Korrin::Vector2 mouse{-1.0f, -1.0f};
    VirtualMousePosition(mouse);
    // From the highest id down: where hit rectangles overlap, the highest wins.
    bool selected = false;
    for (auto pending = mPending.rbegin(); pending != mPending.rend(); ++pending)
    {
        const AchievementData* data = FindAchievement((*pending)->id);
        if (data == nullptr)
        {
            return;
        }
        if (!Revealed(*data))
        {
            continue;
        }
        RewardItem& item = *(*pending)->item;
        const bool over = item.Contains(mouse.x, mouse.y);
        if (selected)
        {
            SetLoop(item.selectEffect, false);
        }
        else if (!Active(item.selectEffect) && over)
        {
            Restart(item.selectEffect);
            SetLoop(item.selectEffect, true);
            selected = true;
        }
        else if (Active(item.selectEffect))
        {
            SetLoop(item.selectEffect, over);
            selected = over;
        }
    }
}

void MainMenu::RunSpecialEffect(std::uint32_t id)
{
    if (id == kThiefLeavesReward)
    {
        mThiefLeaving = true;
        mThiefTimer = 0.0f;
        return;
    }
    for (const ButterflyPlace& place : kButterflyPlaces)
    {
        if (place.id != id || place.butterfly >= mButterflies.butterflies.size())
        {
            continue;
        }
        Butterfly* butterfly = mButterflies.butterflies[place.butterfly];
        if (butterfly != nullptr && !butterfly->HasPoint(place.x, place.y))
        {
            butterfly->points.push_back(ButterflyPoint{place.x, place.y, place.factor});
        }
    }
}

void MainMenu::DrawRewards()
{
    if (mRewardsSprite == nullptr)
    {
        return;
    }
    const std::size_t frames = mRewardsSprite->GetFrameCount();
    const auto frameRect = [this, frames](std::uint32_t frame)
    {
        return mRewardsSprite->GetFrameRect(
            static_cast<std::uint16_t>(std::min<std::size_t>(frame, frames - 1)));
    };
    for (const auto& [key, item] : mRewardItems)
    {
        if (item.ghostAlpha > 0.0f && item.hoverTime > 0.0f && frames > 0)
        {
            mRewardsSprite->SetColour(1.0f, 1.0f, 1.0f, item.ghostAlpha);
            mRewardsSprite->SetSrcRectF(frameRect(item.frame));
            mRewardsSprite->Sprite::Draw(Korrin::CheckedInteger<int>(item.x),
                                         Korrin::CheckedInteger<int>(item.y));
            mRewardsSprite->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        }
    }
    for (const std::unique_ptr<PendingReward>& pending : mPending)
    {
        const AchievementData* data = FindAchievement(pending->id);
        if (data == nullptr)
        {
            return;
        }
        const RewardItem& item = *pending->item;
        const float opacity =
            Revealed(*data) ? 1.0f : (item.appearTime > 0.0f ? pending->revealTime / item.appearTime : 1.0f);
        const Korrin::Rect rect =
            pending->item->frame < frames ? frameRect(item.frame) : Korrin::Rect{0, 0, 0, 0};
        if (item.addEffect != nullptr)
        {
            item.addEffect->Draw(Korrin::Vector2{item.x + (rect.right - rect.left) / 2.0f,
                                                 item.y + (rect.bottom - rect.top) / 2.0f});
        }
        const Korrin::Colour& colour = mRewardsSprite->GetColour();
        mRewardsSprite->SetColour(colour.red, colour.green, colour.blue, opacity);
        if (frames > 0)
        {
            mRewardsSprite->SetSrcRectF(frameRect(item.frame));
            mRewardsSprite->Sprite::Draw(Korrin::CheckedInteger<int>(item.x),
                                         Korrin::CheckedInteger<int>(item.y));
        }
        mRewardsSprite->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        for (Korrin::ParticleSystem* effect : {item.selectEffect, item.shineEffect})
        {
            if (effect != nullptr)
            {
                effect->Draw(Korrin::Vector2{0.0f, 0.0f});
            }
        }
    }
}
