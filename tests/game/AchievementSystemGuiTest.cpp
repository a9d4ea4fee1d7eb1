// The achievements window built from the sample "AchievementGui.lua". Regenerate its golden picture
// after a deliberate change with
//   WF_REGENERATE_GOLDEN=1 ./wf_game_tests --gtest_filter='AchievementSystemGuiTest.*Golden*'
// and look at the new picture before committing it.

#include "game/GUI/AchievementSystemGui.h"

#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiSlider.h"
#include "engine/Script/LocaleManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameWindowFrame.h"
#include "tests/engine/Gui/GoldenPicture.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>

using TestSupport::ReportRecorder;

namespace
{

constexpr Korrin::Vector2 kUnplaced{-1.0f, -1.0f};

class AchievementSystemGuiTest : public TestSupport::SampleMediaTest
{
protected:
    AchievementSystemGuiTest()
    {
        mTexts.Load("strings.xml");
        mAchievements.Init();
        mWindow.Init();
    }

    // Completes the first count achievements of the definitions.
    void Complete(std::size_t count)
    {
        for (auto& [id, data] : mAchievements.GetAll())
        {
            if (count-- == 0)
            {
                return;
            }
            mAchievements.AddProgress(id, data->mMaxProgress);
        }
    }

    Korrin::GuiSlider& Slider()
    {
        return dynamic_cast<Korrin::GuiSlider&>(*mWindow.GetFrame()->GetByName("ACHIEV_SLIDER"));
    }

    // Opens the window and lets it slide in to its place at full alpha.
    void OpenFully()
    {
        mWindow.SetActive(true);
        for (int frame = 0; frame < 120; ++frame)
        {
            mWindow.Update(1.0f / 60.0f);
            mWidgets.Update(); // places the window's controls, as every frame of the game does
        }
    }

    Korrin::LocaleManager mTexts;
    Korrin::GuiManager mWidgets;
    AchievementSystem mAchievements;
    AchievementSystemGui mWindow;
};

} // namespace

TEST_F(AchievementSystemGuiTest, TenRowsScrollBy866AndDrawRowsSixToNine)
{
    Complete(10);
    OpenFully();
    mWindow.SetMode(AchievementSystemGui::kCompleted);
    const std::vector<AchievementItem*>& rows = mWindow.GetRows(AchievementSystemGui::kCompleted);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(AchievementSystemGui::ScrollRange(rows.size()), 866.0f);
    Slider().SetValue(1.0f);
    for (AchievementItem* row : rows)
    {
        row->mPos = kUnplaced;
    }
    mWindow.Draw();
    Korrin::Vector2 anchor;
    mWindow.GetFrame()->GetAnchorPos(anchor);
    const float originY = anchor.y + 125.0f;
    for (std::size_t k = 0; k < rows.size(); ++k)
    {
        if (k < 6)
        {
            EXPECT_EQ(rows[k]->mPos, kUnplaced) << "row " << k << " is scrolled away";
        }
        else
        {
            EXPECT_EQ(rows[k]->mPos.y, originY - 98.0f + 128.0f * static_cast<float>(k - 6)) << "row " << k;
        }
    }
    EXPECT_EQ(mWindow.PrizeSum(),
              [this]
              {
                  std::uint32_t sum = 0;
                  for (const AchievementItem* row : mWindow.GetRows(AchievementSystemGui::kCompleted))
                  {
                      sum += row->mData->mPrize;
                  }
                  return sum;
              }())
        << "the completed rows' prizes, once each";
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
}

TEST_F(AchievementSystemGuiTest, AShortListNeverScrollsAndEachModeKeepsItsSlider)
{
    Complete(3);
    OpenFully();
    Slider().SetValue(0.4f);
    mWindow.SetMode(AchievementSystemGui::kCompleted);
    EXPECT_EQ(mWindow.GetRows(AchievementSystemGui::kCompleted).size(), 3u);
    EXPECT_EQ(Slider().GetValue(), 0.0f) << "three rows: no scrolling";
    Slider().SetValue(1.0f);
    float top = 0.0f;
    EXPECT_EQ(AchievementSystemGui::FirstRowDrawn(3, 1.0f, 200.0f, top), 0u);
    EXPECT_EQ(top, 200.0f) << "the slider is ignored";

    mWindow.SetMode(AchievementSystemGui::kNotCompleted);
    EXPECT_EQ(mWindow.GetRows(AchievementSystemGui::kNotCompleted).size(), 12u);
    EXPECT_EQ(Slider().GetValue(), 0.0f) << "not moved in this mode yet";
    Slider().SetValue(0.7f);
    mWindow.SetMode(AchievementSystemGui::kAll);
    EXPECT_FLOAT_EQ(Slider().GetValue(), 0.4f) << "the slider the first mode was left with";
    mWindow.SetMode(AchievementSystemGui::kNotCompleted);
    EXPECT_FLOAT_EQ(Slider().GetValue(), 0.7f);
}

TEST_F(AchievementSystemGuiTest, RowsWriteCountsShortAndFillTheirBars)
{
    struct Case
    {
        std::uint32_t count;
        const char* text;
    };
    for (const Case& c : {Case{0, "0"}, Case{999, "999"}, Case{1000, "1000"}, Case{1500, "1K"},
                          Case{20000, "20K"}, Case{20999, "20K"}})
    {
        EXPECT_EQ(AchievementItem::FormatCount(c.count), c.text) << c.count;
    }
    EXPECT_EQ(AchievementItem::BarFill(1500, 20000, false), 1500.0f / 20000.0f * 170.0f);
    EXPECT_EQ(AchievementItem::BarFill(0, 0, true), 170.0f) << "target 0, complete: full";
    EXPECT_EQ(AchievementItem::BarFill(0, 0, false), 0.0f) << "target 0, not complete: empty";
}

TEST_F(AchievementSystemGuiTest, GoldenPictureOfTheWindowAtFullAlpha)
{
    mAchievements.AddProgress(0, 1);
    mAchievements.AddProgress(1, 1500);
    mAchievements.AddProgress(2, 1);
    mAchievements.AddProgress(4, 1000);
    OpenFully();
    mWindow.SetMode(AchievementSystemGui::kAll);
    ASSERT_EQ(mWindow.GetFrame()->GetProgress(), 1.0f);
    TestSupport::ExpectGoldenPicture(mRender, "achievements_window", 1024, 768, [this] { mWindow.Draw(); });
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();
}
