#include "game/Util/AnimatedObjectList.h"

#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Util/AnimatedObject.h"

#include <cmath>
#include <vector>

namespace
{

struct Description
{
    float x = 0.0f;
    float y = 0.0f;
    std::string sprite = "empty";
    float period = 3.0f;
    float scale = 1.0f;
    bool enabled = true;
    float alpha = 1.0f;
};

Description Describe(const LuaValue& table)
{
    Description description;
    lua_State* state = table.GetState();
    auto element = [&](int position)
    {
        lua_rawgeti(state, table.GetIndex(), position);
        return LuaValue(state, -1);
    };
    Korrin::LuaStackGuard guard(state);
    const LuaValue x = element(1);
    const LuaValue y = element(2);
    if (x.IsNumber() && y.IsNumber())
    {
        description.x = x.ToFloat();
        description.y = y.ToFloat();
    }
    if (const LuaValue sprite = element(3); sprite.IsString())
    {
        description.sprite = sprite.ToString();
    }
    if (const LuaValue period = element(4); period.IsNumber())
    {
        description.period = std::round(period.ToFloat());
    }
    if (const LuaValue scale = element(5); scale.IsNumber())
    {
        description.scale = scale.ToFloat();
    }
    if (const LuaValue enabled = element(6); enabled.IsNumber())
    {
        description.enabled =
            Korrin::CheckedInteger<int>(std::round(enabled.ToFloat()), description.enabled) != 0;
    }
    if (const LuaValue alpha = element(7); alpha.IsNumber())
    {
        description.alpha = alpha.ToFloat();
    }
    return description;
}

} // namespace

AnimatedObjectList::~AnimatedObjectList()
{
    Clear();
}

void AnimatedObjectList::Load(const std::string& scriptFile, const std::string& tableName)
{
    mName = tableName;
    std::vector<Description> descriptions;
    {
        Korrin::LuaScript script;
        script.LoadFile(scriptFile, Korrin::LuaScript::IfMissing::Report);
        Korrin::LuaStackGuard guard(script.GetState());
        script.GetGlobal(tableName.c_str())
            .ForEachEntry(
                [&descriptions](const LuaValue& /*key*/, const LuaValue& value)
                {
                    if (value.IsTable())
                    {
                        descriptions.push_back(Describe(value));
                    }
                });
    }
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (const Description& description : descriptions)
    {
        auto* object = new AnimatedObject();
        object->Init(description.x, description.y,
                     sprites != nullptr ? sprites->LoadAnimatedSprite(description.sprite, scriptFile)
                                        : nullptr,
                     description.period, description.scale, description.enabled, description.alpha);
        mObjects.push_back(object);
    }
}

bool AnimatedObjectList::ShowFirstThree()
{
    if (mObjects.size() < 3)
    {
        return false;
    }
    for (std::size_t index = 0; index < 3; ++index)
    {
        AnimatedObject* object = mObjects.Elements()[index];
        if (!object->IsEnabled())
        {
            object->Rewind(true);
        }
    }
    return true;
}

bool AnimatedObjectList::HideFirstThree()
{
    if (mObjects.size() < 3)
    {
        return false;
    }
    for (std::size_t index = 0; index < 3; ++index)
    {
        AnimatedObject* object = mObjects.Elements()[index];
        if (object->IsEnabled())
        {
            object->Rewind(false);
        }
    }
    return true;
}

bool AnimatedObjectList::Hide(std::size_t index)
{
    if (index >= mObjects.size())
    {
        return false;
    }
    AnimatedObject* object = mObjects.Elements()[index];
    if (object->IsEnabled())
    {
        object->Rewind(false);
    }
    return true;
}

void AnimatedObjectList::Clear()
{
    for (AnimatedObject* object : mObjects)
    {
        delete object;
    }
    mObjects.clear();
    mName.clear();
}
