#include "game/Util/Hint.h"

#include "engine/Gui/Text.h"
#include "engine/Render/Sprite.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "tests/game/Panel/HintScripts.h"

#include <gtest/gtest.h>
#include <memory>

using TestSupport::ReportRecorder;

namespace
{

class HintTest : public TestSupport::HintScriptTest
{
protected:
    // Builds the hint of the global `name` of "test.lua", written from body.
    std::unique_ptr<Hint> Build(const std::string& body, const std::string& name = "A")
    {
        Script("test.lua", body);
        Korrin::LuaScript script;
        script.LoadFile("test.lua", Korrin::LuaScript::IfMissing::Report);
        Korrin::LuaStackGuard guard(script.GetState());
        return std::make_unique<Hint>(script.GetGlobal(name.c_str()), "test.lua");
    }
};

} // namespace

TEST_F(HintTest, TheAnchorsQuadrantChoosesTheCorner)
{
    const std::pair<Korrin::Vector2, std::uint32_t> cases[] = {
        {{512.0f, 384.0f}, Hint::kUpperRight}, {{511.0f, 384.0f}, Hint::kUpperLeft},
        {{512.0f, 385.0f}, Hint::kLowerRight}, {{511.0f, 385.0f}, Hint::kLowerLeft},
        {{0.0f, 0.0f}, Hint::kUpperLeft},      {{1023.0f, 767.0f}, Hint::kLowerRight}};
    for (const auto& [anchor, type] : cases)
    {
        EXPECT_EQ(Hint::CornerTypeOf(anchor), type) << anchor.x << "," << anchor.y;
    }
}

TEST_F(HintTest, TheWindowOpensTowardsTheCentreOfTheScreen)
{
    std::unique_ptr<Hint> hint = Build("A = Hint(1, 200, 100)");
    const std::pair<Korrin::Vector2, Korrin::Vector2> cases[] = {
        {{700.0f, 600.0f}, {487.0f, 487.0f}}, // lower right: up and to the left
        {{100.0f, 600.0f}, {107.0f, 493.0f}}, // lower left: up and to the right
        {{700.0f, 100.0f}, {487.0f, 113.0f}}, // upper right: down and to the left
        {{100.0f, 100.0f}, {106.0f, 113.0f}}, // upper left: down and to the right
    };
    for (const auto& [anchor, window] : cases)
    {
        hint->SetPosition(anchor.x, anchor.y);
        EXPECT_EQ(hint->GetWindowPos(), window) << anchor.x << "," << anchor.y;
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(HintTest, AScriptedCornerTypeHoldsWhereverTheHintIsShown)
{
    std::unique_ptr<Hint> hint = Build("A = Hint(1, 200, 100, { cornerType = 1, pos = { 900, 50 } })");
    EXPECT_EQ(hint->GetAnchor(), (Korrin::Vector2{900.0f, 50.0f}));
    EXPECT_EQ(hint->GetCornerTypeStored(), Hint::kLowerLeft);
    hint->SetPosition(100.0f, 700.0f);
    EXPECT_EQ(hint->GetCornerTypeStored(), Hint::kLowerLeft);
    EXPECT_EQ(hint->GetWindowPos(), (Korrin::Vector2{107.0f, 593.0f}));
}

TEST_F(HintTest, MissingKeysLeaveTheDefaults)
{
    std::unique_ptr<Hint> hint = Build("A = {}");
    EXPECT_FLOAT_EQ(hint->GetDelay(), Hint::kDefaultDelay);
    EXPECT_EQ(hint->GetCornerTypeStored(), Hint::kUpperLeft);
    EXPECT_TRUE(hint->IsCornered());
    EXPECT_EQ(hint->GetWidth(), 0u);
    EXPECT_EQ(hint->GetHeight(), 0u);
    // A hint without a window draws without a fault.
    QuadsDrawn([&] { hint->Draw({1.0f, 1.0f, 1.0f, 1.0f}); });
}

TEST_F(HintTest, TheMouseIsOverTheWindowOnTheAnchorsSide)
{
    std::unique_ptr<Hint> hint = Build("A = Hint(1, 200, 100)");
    hint->SetPosition(700.0f, 600.0f); // the window lies up and to the left of the anchor
    EXPECT_TRUE(hint->IsPointOver({500.0f, 500.0f}));
    EXPECT_TRUE(hint->IsPointOver({700.0f, 600.0f})) << "edges included";
    EXPECT_FALSE(hint->IsPointOver({701.0f, 600.0f}));
    EXPECT_FALSE(hint->IsPointOver({499.0f, 550.0f}));
    hint->SetPosition(100.0f, 100.0f); // down and to the right
    EXPECT_TRUE(hint->IsPointOver({300.0f, 200.0f}));
    EXPECT_FALSE(hint->IsPointOver({99.0f, 150.0f}));
}

TEST_F(HintTest, TheWindowPictureIsCutIntoNinePieces)
{
    std::unique_ptr<Hint> hint = Build("A = Hint(1, 200, 100)");
    const std::pair<Hint::Piece, Korrin::Rect> cases[] = {
        {Hint::kTopLeft, {0, 0, 12, 12}},     {Hint::kTopRight, {36, 0, 48, 12}},
        {Hint::kBottomLeft, {0, 36, 12, 48}}, {Hint::kBottomRight, {36, 36, 48, 48}},
        {Hint::kTopEdge, {12, 0, 36, 12}},    {Hint::kBottomEdge, {12, 36, 36, 48}},
        {Hint::kLeftEdge, {0, 12, 12, 36}},   {Hint::kRightEdge, {36, 12, 48, 36}},
        {Hint::kCentre, {12, 12, 36, 36}}};
    for (const auto& [piece, rect] : cases)
    {
        EXPECT_EQ(hint->GetPiece(piece), rect) << piece;
    }
}

TEST_F(HintTest, EdgeRunsAreCutAtTheWindowsInnerEdges)
{
    // 60 x 48 with 24-pixel edge pieces: two pieces across (the second cut), one down, a 2 x 1 centre;
    // three plain corners and the pointer piece.
    std::unique_ptr<Hint> hint = Build("A = Hint(1, 60, 48)");
    hint->SetPosition(100.0f, 100.0f);
    EXPECT_EQ(QuadsDrawn([&] { hint->Draw({1.0f, 1.0f, 1.0f, 1.0f}); }), 4u + 2u * 2u + 2u * 1u + 2u);
}

TEST_F(HintTest, AWindowPictureWithoutEdgePiecesDrawsOnlyItsCorners)
{
    // The corners take the whole 24 x 24 picture: the edge pieces have no width and no height.
    std::unique_ptr<Hint> hint =
        Build(R"(A = { windowStyle = { Image = "window.png", SrcRect = { 0, 0, 24, 24 },
        WinSize = { 200, 100 }, AngleScrSize = { 12, 12 } } })");
    hint->SetPosition(100.0f, 100.0f);
    EXPECT_EQ(QuadsDrawn([&] { hint->Draw({1.0f, 1.0f, 1.0f, 1.0f}); }), 4u);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(HintTest, ItemsAreReadByTypeAndTextsReplacedByName)
{
    std::unique_ptr<Hint> hint = Build(R"(A = Hint(1, 200, 100, { data = { delay = 0.25,
        { dataType = "text", name = "title", Caption = "TITLE", TextArea = { 10, 10, 190, 40 } },
        { dataType = "image", name = "mark", Image = "window.png", SrcRect = { 0, 0, 8, 8 }, Pos = { 5, 6 } },
        { dataType = "image", Image = "window.png", SrcRect = { 0, 0, 4, 4 } },
        { dataType = "sound", name = "skipped" },
    } }))");
    EXPECT_FLOAT_EQ(hint->GetDelay(), 0.25f);
    EXPECT_EQ(hint->GetTexts().count("title"), 1u);
    EXPECT_EQ(hint->GetImages().count("mark"), 1u);
    EXPECT_EQ(hint->GetImages().size(), 2u) << "an unnamed item gets a number for its name";
    EXPECT_EQ(hint->GetImages().count("skipped") + hint->GetTexts().count("skipped"), 0u);
    hint->SetText("title", u"Level 3");
    EXPECT_EQ(hint->GetTexts().at("title")->mCaption, u"Level 3");
    hint->SetText("missing", u"nothing happens");
    hint->ShowItem("mark", {8, 8, 16, 16});
    EXPECT_EQ(hint->GetImages().at("mark")->GetSrcRect(), (Korrin::Rect{8, 8, 16, 16}));
    hint->ShowItem("missing", {0, 0, 1, 1});
    // Items are drawn from the window's corner; their own place is kept.
    hint->SetPosition(100.0f, 100.0f);
    QuadsDrawn([&] { hint->Draw({1.0f, 1.0f, 1.0f, 0.5f}); });
    EXPECT_EQ(hint->GetImages().at("mark")->GetPosition(), (Korrin::Vector2{5.0f, 6.0f}));
    EXPECT_EQ(hint->GetTexts().at("title")->mTextArea, (Korrin::Rect{10, 10, 190, 40}));
}
