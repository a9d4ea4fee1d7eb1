#include "game/GUI/AboutGui.h"

#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/GUI/SpriteItem.h"
#include "game/GUI/TextItem.h"

#include <gtest/gtest.h>

namespace
{

// The credits' content read from a script of globals as "AboutGui.lua" holds them.
void Read(AboutGui& window, const std::string& chunk)
{
    Korrin::LuaScript script;
    ASSERT_EQ(luaL_dostring(script.GetState(), chunk.c_str()), 0);
    Korrin::LuaStackGuard guard(script.GetState());
    window.ReadContent(script.GetGlobal("AboutViewData"), script.GetGlobal("ViewClipArea"),
                       script.GetGlobal("ObjectsArea"));
}

} // namespace

TEST(AboutGuiTest, TheScrollRangeIsTheContentsHeightAndNothingForAnInvertedArea)
{
    const struct
    {
        const char* chunk;
        std::uint32_t range;
    } cases[] = {
        {"", 768},                                  // no areas: the whole screen
        {"ObjectsArea = {0, 100, 560, 720}", 620},  // its height
        {"ObjectsArea = {0, 720, 560, 100}", 0},    // bottom above top
        {"ObjectsArea = {0, 0, 560, 'tall'}", 768}, // not four numbers: the default stays
    };
    for (const auto& each : cases)
    {
        AboutGui window;
        Read(window, each.chunk);
        EXPECT_EQ(window.ScrollRange(), each.range) << each.chunk;
    }
}

TEST(AboutGuiTest, ItemsOfTheThreeKindsAreMadeInOrderAndOthersAreSkipped)
{
    AboutGui window;
    Read(window, "AboutViewData = {"
                 "  { Type = 'Text', Pos = {40, 180}, Data = { Caption = 'ABOUT_THANKS', TextArea = {0, 0, "
                 "480, 40} } },"
                 "  { Type = 'Video', Pos = {1, 1} },"
                 "  { Type = 'Sprite' },"
                 "  'not a table',"
                 "}"
                 "ViewClipArea = {256, 204, 768, 512}");
    ASSERT_EQ(window.GetItems().size(), 2u);
    const auto* text = dynamic_cast<const TextItem*>(window.GetItems()[0].get());
    ASSERT_NE(text, nullptr);
    EXPECT_FLOAT_EQ(text->position.y, 180.0f);
    EXPECT_FLOAT_EQ(text->area.right, 480.0f) << "the text keeps its own area";
    const auto* sprite = dynamic_cast<const SpriteItem*>(window.GetItems()[1].get());
    ASSERT_NE(sprite, nullptr);
    EXPECT_FLOAT_EQ(sprite->position.x, 0.0f) << "without \"Pos\" at the window's anchor";
    EXPECT_EQ(sprite->sprite, nullptr) << "without \"Data\" nothing to draw";
    EXPECT_FLOAT_EQ(window.GetViewClipArea().bottom, 512.0f);
}
