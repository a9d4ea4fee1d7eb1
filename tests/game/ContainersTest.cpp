#include "game/GUI/GameGuiManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Util/InputLocks.h"
#include "game/Util/NamedObjectContainer.h"
#include "tests/support/ReportRecorder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// A member that writes what happens to it into a shared journal.
class Member : public Blank
{
public:
    Member(std::string name, std::vector<std::string>& journal, bool refuses = false)
        : mName(std::move(name)), mJournal(journal), mRefuses(refuses)
    {
    }
    ~Member() override { mJournal.push_back("~" + mName); }
    void Init() override { mJournal.push_back("init " + mName); }
    void Reset() override { mJournal.push_back("reset " + mName); }
    bool Update(float) override
    {
        mJournal.push_back("update " + mName);
        return !mRefuses;
    }
    void Draw() override { mJournal.push_back("draw " + mName); }

private:
    std::string mName;
    std::vector<std::string>& mJournal;
    bool mRefuses;
};

TEST(NamedObjectContainer, ASecondObjectUnderAKnownNameJoinsTheListsButNotTheMap)
{
    TestSupport::ReportRecorder::Clear();
    std::vector<std::string> journal;
    {
        NamedObjectContainer container;
        auto* first = new Member("a", journal);
        auto* second = new Member("b", journal);
        container.Add("x", first, true);
        container.Add("x", second, true);
        EXPECT_EQ(container.Find("x"), first);
        EXPECT_EQ(container.Count(), 2u);
        container.DrawAll();
        EXPECT_EQ(journal, (std::vector<std::string>{"draw a", "draw b"}));
        container.Remove(second); // not in the map: taken out, not deleted
        EXPECT_EQ(container.Count(), 1u);
        delete second;
        journal.clear();
    }
    EXPECT_EQ(journal, (std::vector<std::string>{"~a"}));
    EXPECT_EQ(TestSupport::ReportRecorder::LastDescription(),
              "NamedObjectContainer::Add: the name 'x' is already taken");
}

TEST(NamedObjectContainer, AnObjectUnderATakenNameIsStillDeletedWithTheContainer)
{
    TestSupport::ReportRecorder::Clear();
    std::vector<std::string> journal;
    {
        NamedObjectContainer container;
        auto* shared = new Member("s", journal);
        container.Add("one", new Member("a", journal), false);
        container.Add("one", new Member("b", journal), false);
        // The same object under two names, and again under its own name: deleted once.
        container.Add("two", shared, false);
        container.Add("three", shared, false);
        container.Add("two", shared, false);
        EXPECT_EQ(container.Count(), 5u);
    }
    std::sort(journal.begin(), journal.end());
    EXPECT_EQ(journal, (std::vector<std::string>{"~a", "~b", "~s"}));
    EXPECT_EQ(TestSupport::ReportRecorder::Boxes().size(), 1u) << "only the second object under a taken name";
}

TEST(NamedObjectContainer, UpdatesStopAtTheFirstRefusalAndInactiveMembersAreSkipped)
{
    std::vector<std::string> journal;
    NamedObjectContainer container;
    auto* sleeping = new Member("sleeping", journal);
    container.Add("sleeping", sleeping, true);
    container.Add("refusing", new Member("refusing", journal, true), true);
    container.Add("late", new Member("late", journal), true);
    sleeping->SetActive(false);
    sleeping->CountDraw();

    EXPECT_FALSE(container.UpdateAll(0.1f));
    container.DrawAll();
    EXPECT_EQ(journal, (std::vector<std::string>{"update refusing", "draw refusing", "draw late"}));
    EXPECT_EQ(sleeping->GetDrawCount(), 1) << "an inactive member's draw count is not cleared";
}

TEST(NamedObjectContainer, DrawCountTellsEachPassOfAMemberDrawnTwice)
{
    std::vector<std::string> journal;
    NamedObjectContainer container;
    auto* field = new Member("field", journal);
    container.Add("field", field, true);
    container.AddToDraw(field);
    container.DrawAll();
    EXPECT_EQ(field->GetDrawCount(), 2);
    container.DrawAll();
    EXPECT_EQ(field->GetDrawCount(), 2);
}

TEST(NamedObjectContainer, ReplaceHandsTheOldObjectBackAndRemoveByNameDeletes)
{
    std::vector<std::string> journal;
    NamedObjectContainer container;
    auto* old = new Member("old", journal);
    container.Add("screen", old, true);
    container.Replace("screen", new Member("new", journal));
    container.UpdateAll(0.0f);
    EXPECT_EQ(journal, (std::vector<std::string>{"update new"}));
    delete old;
    container.RemoveByName("screen");
    EXPECT_EQ(container.Count(), 0u);
    EXPECT_EQ(journal.back(), "~new");
    EXPECT_EQ(container.GetByIndex(0), nullptr);
}

TEST(GameGuiManager, ShowActsOnceAndAnUnknownIdClosesEverything)
{
    GameGuiManager windows;
    EXPECT_EQ(windows.GetRequested(), GameGuiManager::kNoWindow);

    windows.Show(GameGuiManager::kExit);
    EXPECT_NE(windows.GetShownWindow(), nullptr);
    EXPECT_TRUE(InputLocks::first && InputLocks::second && InputLocks::third);

    windows.Show(GameGuiManager::kNoWindow);
    EXPECT_EQ(windows.GetShownWindow(), nullptr);
    EXPECT_EQ(windows.GetRequested(), GameGuiManager::kNoWindow);
    EXPECT_FALSE(InputLocks::first || InputLocks::second || InputLocks::third);

    windows.Show(GameGuiManager::kNoWindow); // the same id again: nothing happens
    EXPECT_EQ(windows.GetShown(), GameGuiManager::kNoWindow);
}

TEST(GameGuiManager, EveryIdHasItsWindowAndShowingOneHidesTheOthers)
{
    GameGuiManager windows;
    for (std::uint8_t id = 0; id < GameGuiManager::kNoWindow; ++id)
    {
        ASSERT_NE(windows.Get(id), nullptr) << int{id};
        windows.Show(id);
        EXPECT_EQ(windows.GetShownWindow(), windows.Get(id));
        EXPECT_EQ(windows.GetRequested(), id);
        for (std::uint8_t other = 0; other < GameGuiManager::kNoWindow; ++other)
        {
            EXPECT_EQ(windows.Get(other)->IsActive(), other == id) << int{id} << " " << int{other};
        }
    }
    EXPECT_EQ(windows.Get(GameGuiManager::kNoWindow), nullptr);
    EXPECT_EQ(static_cast<Blank*>(windows.GetRewardWindow()), windows.Get(7));
    windows.Show(200); // an id without a window closes what was shown
    EXPECT_EQ(windows.GetShownWindow(), nullptr);
    EXPECT_EQ(windows.GetRequested(), GameGuiManager::kNoWindow);
    EXPECT_FALSE(InputLocks::first || InputLocks::second || InputLocks::third);
}

TEST(GameGuiManager, TheFirstShowActsWhateverTheId)
{
    GameGuiManager windows;
    windows.Show(GameGuiManager::kNoWindow);
    EXPECT_EQ(windows.GetShown(), GameGuiManager::kNoWindow);
    EXPECT_FALSE(windows.Get(GameGuiManager::kExit)->IsActive()) << "every window was made inactive";
}

} // namespace
