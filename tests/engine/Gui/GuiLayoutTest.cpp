#include "engine/File/FileSysManager.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiEdit.h"
#include "engine/Gui/GuiList.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiSlider.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

using Korrin::GuiContainer;
using Korrin::GuiElement;
using Korrin::Rect;
using Korrin::Vector2;
using TestSupport::ReportRecorder;

namespace
{

class GuiLayoutTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    std::vector<std::string> Descriptions() const
    {
        std::vector<std::string> descriptions;
        for (const ReportRecorder::Box& box : ReportRecorder::Boxes())
        {
            descriptions.push_back(box.text);
        }
        return descriptions;
    }
    // The boxes, then the reports of the same file that went to the log only, in order.
    std::vector<std::string> AllReports() const
    {
        std::vector<std::string> reports = Descriptions();
        const std::string text = mLog.Text();
        const std::string mark = "is damaged): ";
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1))
        {
            const std::size_t from = at + mark.size();
            reports.push_back(text.substr(from, text.find('\n', from) - from));
        }
        return reports;
    }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{WF_FIXTURES_DIR "/gui"};
    Korrin::FontManager mFonts;
    Korrin::GuiManager mManager;
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(GuiLayoutTest, BuildsEveryWidgetKindInListedOrderThenNamedEntriesByName)
{
    GuiContainer* window = mManager.CreateContainer("Window", "layout.gui");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(mManager.GetByName("WINDOW"), window);
    EXPECT_EQ(window->GetKind(), "main");

    struct Expected
    {
        const char* name;
        const char* kind;
    };
    // The list files itself before its arrows and slider; "Alpha" and "Later" come after the listed
    // entries, by name; a Type in other case and an entry without Type make nothing.
    const Expected expected[] = {
        {"CONTINUE_OK", "button"}, {"Cancel", "button"}, {"Sound", "checkbox"},       {"Title", "text"},
        {"Picture", "image"},      {"Volume", "slider"}, {"PlayerName", "edit"},      {"Players", "list"},
        {"Up", "button"},          {"Down", "button"},   {"PlayersSlider", "slider"}, {"Bare", "button"},
        {"AlphaFirst", "image"},   {"cancel", "button"},
    };
    ASSERT_EQ(window->GetCount(), std::size(expected));
    for (std::uint16_t index = 0; index < std::size(expected); ++index)
    {
        const GuiElement* element = window->GetByIndex(index);
        EXPECT_EQ(element->GetName(), expected[index].name) << index;
        EXPECT_EQ(element->GetKind(), expected[index].kind) << index;
    }

    // Look-up ignores case; the name keeps its case; the first of two equal names stays filed.
    EXPECT_EQ(window->GetByName("continue_ok"), window->GetByIndex(0));
    EXPECT_EQ(window->GetByName("Continue_OK")->GetName(), "CONTINUE_OK");
    EXPECT_EQ(window->GetByName("CANCEL"), window->GetByIndex(1));
    EXPECT_EQ(window->GetByName("WrongCase"), nullptr);
    ASSERT_EQ(ReportRecorder::Boxes().size(), 1u);
    EXPECT_EQ(ReportRecorder::LastDescription(),
              "Gui Element with the name cancel already exists. (GuiContainer::AddGuiElement)");

    ReportRecorder::Clear();
    EXPECT_EQ(window->GetByIndex(14), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "index>size (GuiContainer::GetByIndex)");
}

TEST_F(GuiLayoutTest, AMissingLayoutTableIsReportedByTheManagerAndTheLoader)
{
    GuiContainer* window = mManager.CreateContainer("NotATable", "layout.gui");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetCount(), 0u);
    // The manager asks; the loader's report of the same file goes to the log.
    ASSERT_EQ(Descriptions().size(), 1u);
    const std::vector<std::string> reports = AllReports();
    ASSERT_EQ(reports.size(), 2u);
    for (const std::string& report : reports)
    {
        EXPECT_TRUE(Contains(report, "NotATable not found: layout.gui (GuiManager::CreateContainer)"))
            << report;
    }
    EXPECT_TRUE(Contains(reports[0], "GuiManager")) << reports[0];
    EXPECT_TRUE(Contains(mLog.Text(), "layout.gui: no layout table \"NotATable\"\n")) << mLog.Text();
}

TEST_F(GuiLayoutTest, WidgetsWithoutNamesAreReportedWithTheirClassTags)
{
    GuiContainer window("Broken", "layout.gui");
    EXPECT_EQ(Descriptions().size(), 1u) << "one question for the file";
    const std::vector<std::string> reports = AllReports();
    const std::vector<std::string> expected = {
        "Slider Stuck: track not longer than its thumb (GuiSlider::GuiSlider)",
        "Slider Upright: track not longer than its thumb (GuiSlider::GuiSlider)",
        "List Flat: rows without height, neither Hover nor Select (GuiList::GuiList)",
        "Teg 'Name' not found. (GuiButton::GuiButton)",
        "Teg 'Name' not found. (GuiCheckBox::GuiCheckBox)",
        "Teg 'Name' not found. (GuiText::GuiText)",
        "Teg 'Name' not found. (GuiText::GuiText)", // the image's loader carries the text's tag
        "Teg 'Name' not found. (GuiSlider::GuiSlider)",
        "Teg 'Name' not found. (GuiList::GuiList)",
        "Teg 'Name' not found. (GuiButton::GuiButton)", // so does the edit field's
    };
    ASSERT_GE(reports.size(), expected.size());
    std::size_t next = 0;
    for (const std::string& report : reports)
    {
        if (next < expected.size() && Contains(report, expected[next]))
        {
            ++next;
        }
    }
    EXPECT_EQ(next, expected.size()) << "missing, in order: "
                                     << expected[std::min(next, expected.size() - 1)];
}

TEST_F(GuiLayoutTest, ASliderWithoutTravelAndAListWithoutRowHeightDoNothing)
{
    GuiContainer window("Broken", "layout.gui");
    auto* stuck = dynamic_cast<Korrin::GuiSlider*>(window.GetByName("Stuck"));
    auto* upright = dynamic_cast<Korrin::GuiSlider*>(window.GetByName("Upright"));
    auto* flat = dynamic_cast<Korrin::GuiList*>(window.GetByName("Flat"));
    ASSERT_TRUE(stuck != nullptr && upright != nullptr && flat != nullptr);
    EXPECT_FALSE(stuck->IsUsable());
    EXPECT_FALSE(upright->IsUsable()) << "a vertical slider measures along its height";
    EXPECT_FALSE(flat->IsUsable());
    EXPECT_EQ(flat->GetRows(), 0);

    // Updates and values stay finite and within range, whatever the mouse does.
    window.UpdatePosition(Vector2{});
    window.Update();
    stuck->SetValue(0.5f);
    EXPECT_EQ(stuck->GetValue(), 0.5f);
    EXPECT_EQ(stuck->GetFillLength(), 0.0f);
    flat->AddItem(u"one", 1);
    flat->AddItem(u"two", 2);
    EXPECT_EQ(flat->GetCount(), 2);
    EXPECT_EQ(flat->GetVisibleCount(), 0);
}

TEST_F(GuiLayoutTest, NumbersThatAreNotANumberOrTooLargeGiveTheDefaultOrTheLimit)
{
    GuiContainer window("Hostile", "layout.gui");
    const struct
    {
        const char* name;
        int expected;
    } edits[] = {{"NanChars", 20}, {"HugeChars", 100000}};
    for (const auto& edit : edits)
    {
        const auto* field = dynamic_cast<Korrin::GuiEdit*>(window.GetByName(edit.name));
        ASSERT_NE(field, nullptr) << edit.name;
        EXPECT_EQ(field->GetMaxChars(), edit.expected) << edit.name;
    }
    const struct
    {
        const char* name;
        int rows;
    } lists[] = {{"NanRows", 0}, {"HugeRows", 10000}};
    for (const auto& list : lists)
    {
        auto* rows = dynamic_cast<Korrin::GuiList*>(window.GetByName(list.name));
        ASSERT_NE(rows, nullptr) << list.name;
        EXPECT_EQ(rows->GetRows(), list.rows) << list.name;
        rows->AddItem(u"one", 1);
    }
    // Number keys that are no whole position make no widget (and are never read as another's).
    EXPECT_EQ(window.GetCount(), 4u);
    EXPECT_EQ(window.GetByName("FarPosition"), nullptr);
    EXPECT_EQ(window.GetByName("HalfPosition"), nullptr);
    window.UpdatePosition(Vector2{});
    window.Update();
}

TEST_F(GuiLayoutTest, AnchorsPlaceTheWindowAndGiveTheAnchorBack)
{
    GuiContainer window("Framed", "layout.gui");
    EXPECT_TRUE(window.IsFramed());
    EXPECT_EQ(window.GetAnchorFlags(), GuiContainer::kAlignRight | GuiContainer::kAlignCentreY);
    EXPECT_EQ(window.GetPosition(), (Vector2{10, 20})) << "no anchoring at load";

    struct Case
    {
        std::uint32_t flags;
        Vector2 placed;
    };
    // Window size 50 by 40.
    const Case cases[] = {
        {0, {200, 100}},
        {GuiContainer::kAlignLeft | GuiContainer::kAlignTop, {200, 100}},
        {GuiContainer::kAlignRight | GuiContainer::kAlignBottom, {150, 60}},
        {GuiContainer::kAlignCentreX | GuiContainer::kAlignCentreY, {175, 80}},
        {GuiContainer::kAlignCentreX | GuiContainer::kAlignRight | GuiContainer::kAlignCentreY |
             GuiContainer::kAlignBottom,
         {175, 80}},
    };
    for (const Case& each : cases)
    {
        window.SetAnchorFlags(each.flags);
        window.UpdatePosition(Vector2{200, 100});
        EXPECT_EQ(window.GetPosition(), each.placed) << each.flags;
        Vector2 anchor;
        window.GetAnchorPos(anchor);
        EXPECT_EQ(anchor, (Vector2{200, 100})) << each.flags;
    }
}

TEST_F(GuiLayoutTest, AFrameWhoseEdgePiecesHaveNoSizeDrawsOnlyItsCorners)
{
    // Tiles are counted by dividing the window by the edge pieces' size.
    GuiContainer window;
    window.SetWinSize(Vector2{50, 40}, Vector2{0, 0});
    std::vector<GuiContainer::PiecePlacement> pieces;
    window.GetFramePieces(pieces);
    EXPECT_EQ(pieces.size(), 4u);
}

TEST_F(GuiLayoutTest, FramePiecesTileAndAreClippedShortOfTheFarCorners)
{
    // A framed window with a real source rectangle comes from a layout with a picture; the pieces'
    // arithmetic is checked on a container given the same numbers.
    struct FramedProbe : GuiContainer
    {
        FramedProbe()
        {
            mSrcRect = Rect{0, 0, 30, 24};
            mFramed = true;
            SetWinSize(Vector2{50, 40}, Vector2{8, 6});
            mPosition = Vector2{100, 200};
        }
    } window;
    EXPECT_EQ(window.GetPieceRect(GuiContainer::kTopRight), (Rect{22, 0, 30, 6}));
    EXPECT_EQ(window.GetPieceRect(GuiContainer::kLeftEdge), (Rect{0, 6, 8, 18}));
    EXPECT_EQ(window.GetPieceRect(GuiContainer::kCentre), (Rect{8, 6, 22, 18}));

    std::vector<GuiContainer::PiecePlacement> pieces;
    window.GetFramePieces(pieces);
    // Tiles 14 by 12: across (int)(50 / 14) + 1 = 4, down (int)(40 / 12) + 1 = 4.
    ASSERT_EQ(pieces.size(), 4u + 2 * 4 + 2 * 4 + 4 * 4);
    EXPECT_EQ(pieces[1].position, (Vector2{142, 200}));
    EXPECT_EQ(pieces[3].position, (Vector2{142, 234}));
    for (const GuiContainer::PiecePlacement& piece : pieces)
    {
        if (piece.whole)
        {
            continue;
        }
        const bool horizontalEdge =
            piece.piece == GuiContainer::kTopEdge || piece.piece == GuiContainer::kBottomEdge;
        const bool verticalEdge =
            piece.piece == GuiContainer::kLeftEdge || piece.piece == GuiContainer::kRightEdge;
        // No tile reaches into the right corners' columns (x >= 142) unless it is a right edge, nor into the
        // bottom corners' rows (y >= 234) unless it is a bottom edge.
        if (!verticalEdge)
        {
            EXPECT_EQ(piece.clip.right, 142.0f);
        }
        if (!horizontalEdge)
        {
            EXPECT_EQ(piece.clip.bottom, 234.0f);
        }
    }
    EXPECT_EQ(pieces[4].position, (Vector2{108, 200}));
    EXPECT_EQ(pieces[10].position, (Vector2{150, 200}))
        << "the last top tile starts past the clip and is cut";
}
