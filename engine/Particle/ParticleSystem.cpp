#include "engine/Particle/ParticleSystem.h"

#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/CheckedInteger.h"

#include <cmath>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Particle\\ParticleSystem";

void LogLine(const std::string& text)
{
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("%s", text.c_str());
    }
}

// A finite number under key; anything else leaves out untouched and says no.
bool ReadNumber(const LuaValue& table, const char* key, float& out)
{
    LuaStackGuard guard(table.GetState());
    const LuaValue value = table.GetField(key);
    if (!value.IsNumber() || !std::isfinite(value.ToFloat()))
    {
        return false;
    }
    out = value.ToFloat();
    return true;
}

bool AllFinite(std::initializer_list<float> values)
{
    for (const float value : values)
    {
        if (!std::isfinite(value))
        {
            return false;
        }
    }
    return true;
}

void ReadSizeList(const LuaValue& list, BaseParticleSystem::Settings& settings)
{
    settings.scaleKeys[0] = BaseParticleSystem::ScaleKey{0.0f, {1.0f, 1.0f}};
    settings.lastScaleKey = 0;
    std::uint32_t accepted = 0;
    list.ForEachEntry(
        [&](const LuaValue& /*key*/, const LuaValue& entry)
        {
            float scaleX = 0.0f, scaleY = 0.0f, time = 0.0f;
            if (!entry.IsTable() || !entry.GetFloat3(scaleX, scaleY, time) ||
                !AllFinite({scaleX, scaleY, time}))
            {
                return;
            }
            if (accepted < BaseParticleSystem::kMaxKeys)
            {
                settings.scaleKeys[accepted] = {time / 100.0f, {scaleX / 100.0f, scaleY / 100.0f}};
                settings.lastScaleKey = accepted;
            }
            ++accepted;
        });
}

void ReadColourList(const LuaValue& list, BaseParticleSystem::Settings& settings)
{
    settings.colourKeys[0] = BaseParticleSystem::ColourKey{100.0f, {1.0f, 1.0f, 1.0f, 1.0f}};
    settings.lastColourKey = 0;
    std::uint32_t accepted = 0;
    list.ForEachEntry(
        [&](const LuaValue& /*key*/, const LuaValue& entry)
        {
            float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f, time = 0.0f;
            if (!entry.IsTable() || !entry.GetFloat5(r, g, b, a, time) || !AllFinite({r, g, b, a, time}))
            {
                return;
            }
            if (accepted < BaseParticleSystem::kMaxKeys)
            {
                settings.colourKeys[accepted] = {time / 100.0f, {r, g, b, a}};
                settings.lastColourKey = accepted;
            }
            ++accepted;
        });
}

// A sprite of the same image with the prototype's animation settings, for a running copy.
AnimatedSprite* CopySprite(const AnimatedSprite* prototype)
{
    SpriteManager* sprites = SpriteManager::Peek();
    if (prototype == nullptr || sprites == nullptr)
    {
        return nullptr;
    }
    AnimatedSprite* copy = sprites->CreateAnimatedSprite(prototype->GetImageName());
    *copy = *prototype;
    return copy;
}

} // namespace

ParticleSystem::ParticleSystem() = default;

ParticleSystem::ParticleSystem(const std::string& file, const std::string& table)
{
    LuaScript script;
    script.LoadFile(file, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    const LuaValue effect = script.GetGlobal(table.c_str());
    if (!effect.IsTable())
    {
        ReportAndBreak(file + " not found: " + table + " (ParticleSystem::ParticleSystem)", kEngineModule,
                       kSource, 52);
        return;
    }
    effect.ForEachEntry(
        [&](const LuaValue& /*key*/, const LuaValue& value)
        {
            if (value.IsTable())
            {
                LoadEmitter(file, value);
            }
        });
}

ParticleSystem::~ParticleSystem() = default;

void ParticleSystem::LoadEmitter(const std::string& file, const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    if (mEmitters.size() >= kMaxEmitters)
    {
        LogLine("ParticleSystem: " + file + " has more than " + std::to_string(kMaxEmitters) +
                " emitters; the rest are left out");
        return;
    }
    const LuaValue sprite = table.GetField("Sprite");
    if (!sprite.IsTable())
    {
        // Without its picture an emitter has nothing to show.
        LogLine("ParticleSystem: an emitter of " + file + " has no \"Sprite\" table and is left out");
        return;
    }
    SpriteManager* sprites = SpriteManager::GetInstance();
    mEmitters.push_back(std::make_unique<BaseParticleSystem>(
        sprites != nullptr ? sprites->CreateAnimatedSpriteFromTable(sprite) : nullptr));
    BaseParticleSystem& emitter = *mEmitters.back();
    BaseParticleSystem::Settings& settings = emitter.GetSettings();

    float value = 0.0f;
    if (ReadNumber(table, "PartSysStartTime", value))
    {
        settings.startTime = value * 0.1f;
    }
    if (ReadNumber(table, "PartSysLifeTime", value))
    {
        settings.emissionLength = value * 0.1f;
    }
    if (ReadNumber(table, "Loop", value))
    {
        settings.loop = value > 0.0f;
    }
    if (ReadNumber(table, "ParticlesQuota", value))
    {
        const float quota = std::trunc(value);
        if (quota > static_cast<float>(kMaxQuota))
        {
            LogLine("ParticleSystem: " + file + ": \"ParticlesQuota\" " + std::to_string(quota) +
                    " is cut to " + std::to_string(kMaxQuota));
        }
        emitter.SetQuota(CheckedInteger<std::size_t>(std::fmin(quota, static_cast<float>(kMaxQuota))));
    }
    if (ReadNumber(table, "PerSecond", value))
    {
        if (value > kMaxPerSecond)
        {
            LogLine("ParticleSystem: " + file + ": \"PerSecond\" " + std::to_string(value) + " is cut to " +
                    std::to_string(kMaxPerSecond));
            value = kMaxPerSecond;
        }
        settings.perSecond = value;
    }
    {
        Vector2 spread;
        if (table.GetField("RandPos").GetVector2(spread) && AllFinite({spread.x, spread.y}))
        {
            settings.randomPosition = spread;
        }
    }
    if (ReadNumber(table, "LifeTime", value))
    {
        settings.particleLife = value / 100.0f;
        if (settings.particleLife == 0.0f)
        {
            ReportAndBreak(file + " ,LifeTime=0", kEngineModule, kSource, 120);
        }
    }
    if (ReadNumber(table, "RandLifeTime", value))
    {
        settings.randomLife = value / 100.0f;
    }
    ReadNumber(table, "Direction", settings.direction);
    if (ReadNumber(table, "RandDirection", value))
    {
        settings.randomDirection = value * 0.1f;
    }
    ReadNumber(table, "Velocity", settings.velocity);
    ReadNumber(table, "RandVelocity", settings.randomVelocity);
    if (ReadNumber(table, "Gravity", value))
    {
        settings.gravity = value * 0.5f;
    }
    if (ReadNumber(table, "RandGravity", value))
    {
        settings.randomGravity = value * 0.5f;
    }
    ReadNumber(table, "GravityDirection", settings.gravityDirection);
    if (ReadNumber(table, "Spin", value))
    {
        settings.spin = value * 0.1f;
    }
    if (ReadNumber(table, "RandSpin", value))
    {
        settings.randomSpin = value * 0.1f;
    }
    if (ReadNumber(table, "MoveParticles", value))
    {
        settings.moveParticles = value > 0.0f;
    }
    if (ReadNumber(table, "SpinDirection", value))
    {
        settings.spinDirection = value > 0.0f;
    }
    if (const LuaValue sizes = table.GetField("SizeList"); sizes.IsTable())
    {
        ReadSizeList(sizes, settings);
    }
    if (const LuaValue colours = table.GetField("ColourList"); colours.IsTable())
    {
        ReadColourList(colours, settings);
    }
    if (const LuaValue path = table.GetField("Moveable"); path.IsTable())
    {
        emitter.GetPath().Clear();
        emitter.GetPath().Read(path);
    }
}

void ParticleSystem::CopyFrom(const ParticleSystem& prototype)
{
    mTime = prototype.mTime;
    mEmitters.clear();
    for (const std::unique_ptr<BaseParticleSystem>& source : prototype.mEmitters)
    {
        auto copy = std::make_unique<BaseParticleSystem>(CopySprite(source->GetSprite()));
        copy->SetPosition(source->GetPosition());
        copy->SetQuota(source->GetQuota());
        copy->GetSettings() = source->GetSettings();
        copy->GetPath() = source->GetPath();
        copy->SetActive(true);
        mEmitters.push_back(std::move(copy));
    }
}

void ParticleSystem::Draw(const Vector2& offset)
{
    for (const std::unique_ptr<BaseParticleSystem>& emitter : mEmitters)
    {
        emitter->Draw(offset);
    }
}

void ParticleSystem::Update(float dt)
{
    mTime += dt;
    for (const std::unique_ptr<BaseParticleSystem>& emitter : mEmitters)
    {
        emitter->Update(dt, mTime);
    }
}

void ParticleSystem::Restart()
{
    mTime = 0.0f;
    for (const std::unique_ptr<BaseParticleSystem>& emitter : mEmitters)
    {
        emitter->Reset();
        emitter->SetActive(true);
    }
}

void ParticleSystem::Stop()
{
    for (const std::unique_ptr<BaseParticleSystem>& emitter : mEmitters)
    {
        emitter->SetActive(false);
    }
}

void ParticleSystem::SetLoop(bool loop)
{
    for (const std::unique_ptr<BaseParticleSystem>& emitter : mEmitters)
    {
        emitter->GetSettings().loop = loop;
    }
}

void ParticleSystem::SetPosition(const Vector2& position)
{
    for (const std::unique_ptr<BaseParticleSystem>& emitter : mEmitters)
    {
        if (emitter->GetSettings().moveParticles)
        {
            emitter->MoveTo(BaseParticleSystem::ToPixel(position.x), BaseParticleSystem::ToPixel(position.y));
        }
        else
        {
            emitter->SetPosition(position);
        }
    }
}

BaseParticleSystem* ParticleSystem::GetBaseParticleSystem(std::size_t index)
{
    if (index >= mEmitters.size())
    {
        ReportAndBreak("index>size (ParticleSystem::GetBaseParticleSystem)", kEngineModule, kSource, 268);
        return nullptr;
    }
    return mEmitters[index].get();
}

bool ParticleSystem::HasActiveEmitter() const
{
    for (const std::unique_ptr<BaseParticleSystem>& emitter : mEmitters)
    {
        if (emitter->IsActive())
        {
            return true;
        }
    }
    return false;
}

} // namespace Korrin
