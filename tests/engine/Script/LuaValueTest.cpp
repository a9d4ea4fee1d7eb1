#include "engine/File/FileSysManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"
#include "tests/support/ReportRecorder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using Korrin::LuaScript;
using Korrin::LuaStackGuard;

namespace
{

constexpr float kUntouched = -99.0f;

// The script "readers.lua" loaded, with its table "Button" pushed; the stack is put back afterwards.
class LuaValueTest : public testing::Test
{
protected:
    void SetUp() override
    {
        TestSupport::ReportRecorder::Clear();
        ASSERT_EQ(mScript.LoadFile("readers.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    }

    lua_State* State() const { return mScript.GetState(); }
    LuaValue Button() { return mScript.GetGlobal("Button"); }

    Korrin::FileSysManager mFiles{WF_FIXTURES_DIR "/script"};
    LuaScript mScript;
    LuaStackGuard mGuard{mScript.GetState()};
};

} // namespace

TEST_F(LuaValueTest, ReadsNumbersStringsAndBooleans)
{
    const LuaValue button = Button();
    ASSERT_TRUE(button.IsTable());

    EXPECT_EQ(button.GetField("Name").ToString(), "CONTINUE_OK");
    EXPECT_TRUE(button.GetField("Visible").ToBoolean());
    EXPECT_TRUE(button.GetField("Hidden").IsBoolean());
    EXPECT_FALSE(button.GetField("Hidden").ToBoolean());
    EXPECT_FLOAT_EQ(button.GetField("Width").ToFloat(), 120.5f);
    EXPECT_TRUE(button.GetField("Count").IsNumber()) << "a numeric string counts as a number";
    EXPECT_FLOAT_EQ(button.GetField("Count").ToFloat(), 42.0f);
    EXPECT_EQ(button.GetField("Width").ToString(), "120.5");
    EXPECT_EQ(button.GetField("Nested").GetField("Inner").GetField("Value").ToFloat(), 7.0f);
}

TEST_F(LuaValueTest, AMissingKeyOrAWrongTypeReadsAsNotThere)
{
    const LuaValue button = Button();
    const LuaValue missing = button.GetField("Missing");
    EXPECT_TRUE(missing.IsNil());
    EXPECT_FALSE(missing.IsTable());
    EXPECT_FALSE(missing.IsNumber());
    EXPECT_EQ(missing.ToFloat(), 0.0f);
    EXPECT_EQ(missing.ToString(), "");
    EXPECT_FALSE(missing.ToBoolean());

    const LuaValue name = button.GetField("Name");
    EXPECT_FALSE(name.IsNumber());
    EXPECT_EQ(name.ToFloat(), 0.0f);
    EXPECT_EQ(button.GetField("Nested").ToString(), "") << "a table is not text";
    EXPECT_TRUE(name.GetField("Anything").IsNil()) << "a field of a string is nil, not a crash";
    EXPECT_TRUE(missing.GetField("Anything").IsNil());
}

TEST_F(LuaValueTest, AGlobalThatIsNotATableReadsNothing)
{
    const LuaValue settings = mScript.GetGlobal("Settings");
    EXPECT_FALSE(settings.IsTable());
    EXPECT_TRUE(settings.IsNumber());
    float x = kUntouched;
    float y = kUntouched;
    EXPECT_FALSE(settings.GetFloat2(x, y));
    EXPECT_EQ(x, kUntouched);
    int visits = 0;
    settings.ForEachEntry([&](const LuaValue&, const LuaValue&) { ++visits; });
    settings.ForEachElement([&](int, const LuaValue&) { ++visits; });
    EXPECT_EQ(visits, 0);
    EXPECT_TRUE(mScript.GetGlobal("NoSuchGlobal").IsNil());
}

TEST_F(LuaValueTest, ListReadersWriteEverythingOrNothing)
{
    const LuaValue button = Button();
    struct Case
    {
        const char* key;
        bool read;
        float x;
        float y;
    };
    const Case cases[] = {
        {"Pos", true, 10.0f, 20.0f},
        {"ShortPos", false, kUntouched, kUntouched},
        {"BadPos", false, kUntouched, kUntouched},
        {"HolePos", false, kUntouched, kUntouched},
        {"Name", false, kUntouched, kUntouched},
        {"Missing", false, kUntouched, kUntouched},
    };
    for (const Case& each : cases)
    {
        LuaStackGuard guard(State());
        Korrin::Vector2 position{kUntouched, kUntouched};
        const int top = lua_gettop(State());
        const LuaValue list = button.GetField(each.key);
        EXPECT_EQ(list.GetVector2(position), each.read) << each.key;
        EXPECT_EQ(position, (Korrin::Vector2{each.x, each.y})) << each.key;
        EXPECT_EQ(lua_gettop(State()), top + 1) << each.key << ": only the field itself stays pushed";
    }
}

TEST_F(LuaValueTest, ReadsTheLongerListsInElementOrder)
{
    const LuaValue button = Button();
    Korrin::Rect rect;
    EXPECT_TRUE(button.GetField("SrcRect").GetRect(rect));
    EXPECT_EQ(rect, (Korrin::Rect{0.0f, 0.0f, 1024.0f, 60.0f}));

    Korrin::Colour colour;
    EXPECT_TRUE(button.GetField("Colour").GetColour(colour));
    EXPECT_EQ(colour.ToARGB(), 0x40FF8000u);

    std::vector<float> nine(9, kUntouched);
    EXPECT_TRUE(button.GetField("Nine").GetFloat9(nine[0], nine[1], nine[2], nine[3], nine[4], nine[5],
                                                  nine[6], nine[7], nine[8]));
    EXPECT_EQ(nine, (std::vector<float>{1, 2, 3, 4, 5, 6, 7, 8, 9}));

    std::fill(nine.begin(), nine.end(), kUntouched);
    EXPECT_FALSE(
        button.GetField("EightOfNine")
            .GetFloat9(nine[0], nine[1], nine[2], nine[3], nine[4], nine[5], nine[6], nine[7], nine[8]));
    EXPECT_EQ(nine, std::vector<float>(9, kUntouched));

    float a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    EXPECT_TRUE(button.GetField("Nine").GetFloat3(a, b, c));
    EXPECT_TRUE(button.GetField("Nine").GetFloat5(a, b, c, d, e));
    EXPECT_TRUE(button.GetField("Nine").GetFloat6(a, b, c, d, e, f));
    EXPECT_EQ(f, 6.0f);
    EXPECT_FALSE(button.GetField("Pos").GetFloat3(a, b, c));
}

TEST_F(LuaValueTest, WalkingKeysKeepsNumericKeysIntact)
{
    int stringKeys = 0;
    bool sawFirst = false;
    Button().ForEachEntry(
        [&](const LuaValue& key, const LuaValue& value)
        {
            if (lua_type(key.GetState(), key.GetIndex()) == LUA_TSTRING)
            {
                ++stringKeys;
            }
            else if (key.ToString() == "1") // reads a number key as text without breaking the walk
            {
                sawFirst = value.ToString() == "first";
            }
        });
    EXPECT_EQ(stringKeys, 14);
    EXPECT_TRUE(sawFirst);
}

TEST_F(LuaValueTest, WalkingAListStopsAtTheFirstNil)
{
    std::vector<std::string> texts;
    mScript.GetGlobal("Folders").ForEachElement(
        [&](int, const LuaValue& value)
        {
            if (value.IsString())
            {
                texts.push_back(value.ToString());
            }
        });
    EXPECT_EQ(texts, (std::vector<std::string>{"gui", "12", "sounds", "fonts"}));
}

TEST(LuaValueLongTable, TwoThousandEntriesAreWalkedWithoutGrowingTheStack)
{
    Korrin::FileSysManager files(WF_FIXTURES_DIR "/script");
    LuaScript script;
    ASSERT_EQ(script.LoadFile("glyphs.lua", LuaScript::IfMissing::Report), LuaScript::LoadResult::Ran);
    lua_State* state = script.GetState();
    const int startTop = lua_gettop(state);
    {
        LuaStackGuard guard(state);
        const LuaValue glyphs = script.GetGlobal("Glyphs");
        int visits = 0;
        int highestTop = 0;
        float sum = 0.0f;
        const auto visit = [&](const LuaValue& value)
        {
            // A loader reads several fields of each entry and leaves them pushed.
            Korrin::Vector2 position;
            Korrin::Rect rect;
            value.GetField("Pos").GetVector2(position);
            value.GetField("SrcRect").GetRect(rect);
            const std::string name = value.GetField("Name").ToString();
            sum += position.x;
            highestTop = std::max(highestTop, lua_gettop(state));
            ++visits;
        };
        glyphs.ForEachEntry([&](const LuaValue&, const LuaValue& value) { visit(value); });
        EXPECT_EQ(visits, 2000);
        EXPECT_LE(highestTop, startTop + 6);
        glyphs.ForEachElement([&](int, const LuaValue& value) { visit(value); });
        EXPECT_EQ(visits, 4000);
        EXPECT_LE(highestTop, startTop + 6);
        EXPECT_EQ(sum, 2.0f * 2000.0f * 2001.0f / 2.0f);
    }
    EXPECT_EQ(lua_gettop(state), startTop);
}
