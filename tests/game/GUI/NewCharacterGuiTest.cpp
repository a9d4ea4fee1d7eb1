// The new-character card in the game's own application, read from the sample "MapSettings.lua".
#include "game/GUI/NewCharacterGui.h"

#include "engine/Gui/GuiImage.h"
#include "engine/Gui/GuiText.h"
#include "engine/Render/Sprite.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/TaskLevelGui.h"
#include "tests/game/GUI/GameRunSupport.h"

#include <gtest/gtest.h>

using GameRunSupport::GameRunTest;

namespace
{

class NewCharacterGuiTest : public GameRunTest
{
protected:
    NewCharacterGui& Card() { return mGame.Window<NewCharacterGui>(); }
    Korrin::GuiText& Description()
    {
        return *dynamic_cast<Korrin::GuiText*>(
            Card().GetDialog().GetFrame()->GetByName("NC_DESCRIPTION_TEXT"));
    }
    Korrin::Rect Portrait()
    {
        return dynamic_cast<Korrin::GuiImage*>(Card().GetDialog().GetFrame()->GetByName("NC_CHARACTER"))
            ->GetSprite()
            ->GetSrcRect();
    }
};

TEST_F(NewCharacterGuiTest, TheCardShowsTheLevelsCharacterAndALevelWithoutOneGoesToItsGoals)
{
    CopyStoredFixtures();
    std::size_t levels = 0;
    bool errandBoyOnly = false;
    std::u16string fairyText;
    float fairyLeft = -1.0f;
    std::u16string afterOutside;
    std::uint8_t requestedWithoutCharacter = 0;
    mGame.steps.push_back({[] { return true; },
                           [&]
                           {
                               levels = Card().GetDescriptionCount();
                               errandBoyOnly =
                                   Card().GetDescription(3) != nullptr && Card().GetDescription(2) == nullptr;
                               mGame.Windows().Show(NewCharacterGui::kWindowId);
                               Card().SetCharacter(16);
                               fairyText = Description().mCaption;
                               fairyLeft = Portrait().left;
                               Card().SetCharacter(67);
                               Card().SetCharacter(-1);
                               afterOutside = Description().mCaption;
                               Card().SetCharacter(0);
                               requestedWithoutCharacter = mGame.Windows().GetRequested();
                               mGame.Windows().Show(GameGuiManager::kNoWindow);
                           }});
    Run();
    EXPECT_EQ(levels, 67u) << "one entry per level";
    EXPECT_TRUE(errandBoyOnly);
    EXPECT_EQ(fairyText, u"The fairy flies over the hedges with three boxes at once.");
    EXPECT_FLOAT_EQ(fairyLeft, 128.0f);
    EXPECT_EQ(afterOutside, fairyText) << "an index outside the list leaves the card as it was";
    EXPECT_EQ(requestedWithoutCharacter, TaskLevelGui::kWindowId);
}

} // namespace
