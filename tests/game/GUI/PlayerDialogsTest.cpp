#include "engine/Gui/GuiEdit.h"
#include "engine/Gui/GuiList.h"
#include "engine/Gui/GuiText.h"
#include "game/GUI/DeleteUserGui.h"
#include "game/GUI/PlayerSelectGui.h"
#include "game/GUI/TypeNameGui.h"
#include "tests/game/GUI/GameRunSupport.h"

#include <gtest/gtest.h>

using GameRunSupport::GameRunTest;
using GameRunSupport::Step;

namespace
{

constexpr std::uint8_t kNone = GameGuiManager::kNoWindow;

class PlayerDialogsTest : public GameRunTest
{
protected:
    TypeNameGui& Names() { return mGame.Window<TypeNameGui>(); }
    PlayerSelectGui& Players() { return mGame.Window<PlayerSelectGui>(); }
    DeleteUserGui& Deletion() { return mGame.Window<DeleteUserGui>(); }

    // Waits for that window (or for none), then acts.
    void When(std::uint8_t shown, std::function<void()> act)
    {
        mGame.steps.push_back({[this, shown] { return mGame.Showing(shown); }, std::move(act)});
    }
    void AtTheMenu(std::function<void()> act)
    {
        mGame.steps.push_back({[] { return true; }, std::move(act)});
    }
    // Waits until the shown window has finished sliding in, then acts.
    void WhenOpen(std::uint8_t shown, std::function<void()> act)
    {
        mGame.steps.push_back(
            {[this, shown] { return mGame.Showing(shown) && mGame.Settled(); }, std::move(act)});
    }
    void TypeName(const std::u16string& name)
    {
        Names().Find<Korrin::GuiEdit>("TYPENAME_PLAYER_EDIT")->SetText(name);
    }
    std::string Hint() { return Names().Find<Korrin::GuiText>("TYPENAME_MAXCHAR_TEXT")->GetCaptionName(); }
    std::vector<std::u16string> Listed()
    {
        std::vector<std::u16string> names;
        for (const Profile::Player& player : mProfile.GetPlayers())
        {
            names.push_back(player.name);
        }
        return names;
    }
    bool HasAnyFileOf(std::uint32_t player)
    {
        for (std::uint32_t kind = 1; kind <= 5; ++kind)
        {
            if (Saved("Save" + std::to_string(player) + "_" + std::to_string(kind) + ".dat"))
            {
                return true;
            }
        }
        return false;
    }
};

TEST_F(PlayerDialogsTest, CreateRefuseATakenNameDeleteAndTheWarningLayout)
{
    bool firstRun = false;
    AtTheMenu([&] { mGame.Windows().Show(TypeNameGui::kWindowId); });
    WhenOpen(TypeNameGui::kWindowId,
             [&]
             {
                 firstRun = Names().IsFirstRun();
                 TypeName(u"Anna");
                 Names().Confirm();
             });
    When(kNone, [&] { mGame.Windows().Show(PlayerSelectGui::kWindowId); });
    WhenOpen(PlayerSelectGui::kWindowId, [&] { Players().HandleClick("Profiles_Create"); });
    bool normalLayout = false;
    std::string refusal;
    std::string hintAfterChange;
    std::string hintOfBlanks;
    WhenOpen(TypeNameGui::kWindowId,
             [&]
             {
                 normalLayout = !Names().IsFirstRun();
                 TypeName(u"Anna");
                 Names().Confirm();
                 refusal = Hint();
             });
    WhenOpen(TypeNameGui::kWindowId, [&] { TypeName(u"Ann"); });
    WhenOpen(TypeNameGui::kWindowId,
             [&]
             {
                 hintAfterChange = Hint();
                 TypeName(u"   ");
                 Names().Confirm();
                 hintOfBlanks = Hint();
             });
    std::size_t playersAfterBlanks = 0;
    WhenOpen(TypeNameGui::kWindowId,
             [&]
             {
                 playersAfterBlanks = mProfile.GetPlayers().size();
                 TypeName(u" Bob ");
                 Names().Confirm();
             });
    std::int32_t selectedAfterBob = -1;
    std::uint32_t bobNumber = 99;
    bool bobHadFiles = false;
    When(kNone,
         [&]
         {
             selectedAfterBob = mProfile.GetSelectedIndex();
             bobNumber = mProfile.currentPlayer;
             bobHadFiles = HasAnyFileOf(1);
             mGame.Windows().Show(PlayerSelectGui::kWindowId);
         });
    int listedInWindow = 0;
    WhenOpen(PlayerSelectGui::kWindowId,
             [&]
             {
                 listedInWindow = Players().GetList()->GetCount();
                 Players().HandleClick("Profiles_Delete");
             });
    bool warningWithTwo = true;
    WhenOpen(DeleteUserGui::kWindowId,
             [&]
             {
                 warningWithTwo = Deletion().IsWarning();
                 Deletion().HandleClick("DELETE_USER_OK");
             });
    bool bobFilesAfterDeletion = true;
    WhenOpen(PlayerSelectGui::kWindowId,
             [&]
             {
                 bobFilesAfterDeletion = HasAnyFileOf(1);
                 Players().HandleClick("Profiles_Delete");
             });
    bool warningWithOne = false;
    WhenOpen(DeleteUserGui::kWindowId,
             [&]
             {
                 warningWithOne = Deletion().IsWarning();
                 Deletion().HandleClick("DELETE_USER_OK_WARNING");
             });
    WhenOpen(PlayerSelectGui::kWindowId, [&] { Players().HandleClick("Profiles_OK"); });
    When(kNone, [] {});
    Run();

    EXPECT_TRUE(firstRun) << "no player yet: the first-run layout";
    EXPECT_TRUE(normalLayout);
    EXPECT_EQ(refusal, "TYPENAME_WRONG_USER");
    EXPECT_EQ(hintAfterChange, "TYPENAME_HINT") << "the hint comes back once the name differs";
    EXPECT_EQ(hintOfBlanks, "TYPENAME_HINT");
    EXPECT_EQ(playersAfterBlanks, 1u) << "a name of blanks only is ignored";
    EXPECT_EQ(selectedAfterBob, 1);
    EXPECT_EQ(bobNumber, 1u);
    EXPECT_TRUE(bobHadFiles);
    EXPECT_EQ(listedInWindow, 2);
    EXPECT_FALSE(warningWithTwo);
    EXPECT_FALSE(bobFilesAfterDeletion) << "the deleted player's files are gone";
    EXPECT_TRUE(warningWithOne);
    EXPECT_EQ(Listed(), std::vector<std::u16string>{u"Anna"}) << "the warning's OK deletes nothing";
    EXPECT_TRUE(HasAnyFileOf(0));
}

TEST_F(PlayerDialogsTest, CancelRestoresTheCurrentPlayerAndANewPlayerNeverTakesAListedNumber)
{
    AtTheMenu(
        [&]
        {
            for (const char16_t* name : {u"Ann", u"Ben", u"Cat"})
            {
                mProfile.CreateUser(name);
            }
            mGame.Windows().Show(PlayerSelectGui::kWindowId);
        });
    WhenOpen(PlayerSelectGui::kWindowId, [&] { Players().GetList()->SetSelected(0); });
    std::int32_t movedTo = -1;
    WhenOpen(PlayerSelectGui::kWindowId,
             [&]
             {
                 movedTo = mProfile.GetSelectedIndex();
                 Players().HandleClick("Profiles_Cancel");
             });
    int listSelectionAfterCancel = -1;
    std::int32_t selectionAfterCancel = -1;
    When(kNone,
         [&]
         {
             listSelectionAfterCancel = Players().GetList()->GetSelectedIndex();
             selectionAfterCancel = mProfile.GetSelectedIndex();
             mGame.Windows().Show(PlayerSelectGui::kWindowId);
         });
    WhenOpen(PlayerSelectGui::kWindowId, [&] { Players().GetList()->SetSelected(1); });
    WhenOpen(PlayerSelectGui::kWindowId, [&] { Players().HandleClick("Profiles_Delete"); });
    WhenOpen(DeleteUserGui::kWindowId, [&] { Deletion().HandleClick("DELETE_USER_OK"); });
    std::int32_t selectedAfterDeletion = -1;
    WhenOpen(PlayerSelectGui::kWindowId,
             [&]
             {
                 selectedAfterDeletion = Players().GetList()->GetSelectedIndex();
                 Players().HandleClick("Profiles_Create");
             });
    WhenOpen(TypeNameGui::kWindowId,
             [&]
             {
                 TypeName(u"Dan");
                 Names().Confirm();
             });
    When(kNone, [] {});
    Run();

    EXPECT_EQ(movedTo, 0) << "the list's selection reaches the profile";
    EXPECT_EQ(listSelectionAfterCancel, 2) << "Cancel selects the current player again";
    EXPECT_EQ(selectionAfterCancel, 2);
    EXPECT_EQ(selectedAfterDeletion, 1) << "the last item stays selected";
    EXPECT_EQ(Listed(), (std::vector<std::u16string>{u"Ann", u"Cat", u"Dan"}));
    ASSERT_EQ(mProfile.GetPlayers().size(), 3u);
    EXPECT_EQ(mProfile.GetPlayers()[2].number, 3u) << "a number above every one with files";
    EXPECT_FALSE(HasAnyFileOf(1));
    EXPECT_TRUE(HasAnyFileOf(2)) << "player 2's files stay";
    EXPECT_TRUE(HasAnyFileOf(3));
}

} // namespace
