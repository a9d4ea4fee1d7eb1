#include "game/Pers/Pers.h"

#include "engine/App/InputManager.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/Skeleton.h"
#include "game/Entity/CorrectionTable.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Pers/PersFairy.h"
#include "game/Pers/PersRunBuyer.h"
#include "platform/WindowSystem.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/game/Pers/PersLevelFixture.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

using TestSupport::LevelFileBuilder;
using TestSupport::ReportRecorder;

namespace
{

class PersTest : public TestSupport::PersLevelFixture
{
protected:
    // The complete level with a juicer (30) at level 1 on cells 3 to 6 of row 5, its boy hired.
    void BuildLevel(bool storehouse = true)
    {
        LevelFileBuilder level = LevelFileBuilder::Complete();
        if (!storehouse)
        {
            level.Object(12, 22, 0);
        }
        level.Floor(5);
        for (int i = 3; i < 7; ++i)
        {
            level.Object(i, 5, 31);
        }
        level.Object(6, 4, Level::kHireMarker);
        Build(level);
    }

    // A character of the base class alone, in a fairy's looks: what Pers itself does, without the
    // fairy's own placement, cells and record.
    class BasePers : public Pers
    {
    public:
        explicit BasePers(std::uint8_t kind) : Pers(kFairy)
        {
            SetKind(kind);
            TakeCostRecord();
        }
        void Init() override
        {
            ClearFigures();
            AddFigure(kFairy, "fairy_normal_list.lua");
            AddFigure(GetKind(), PersFairy::KindListFile(GetKind()));
            Pers::Init();
            PlayAnimation("run", kKeepFacing);
        }
    };
    BasePers* MakeBase(std::uint8_t kind)
    {
        mBase.push_back(std::make_unique<BasePers>(kind));
        mBase.back()->Init();
        return mBase.back().get();
    }

    static std::vector<std::uint8_t> Record(Pers& character)
    {
        Korrin::BinaryWriter out;
        character.Save(out);
        return out.Bytes();
    }

    std::vector<std::unique_ptr<BasePers>> mBase;
};

} // namespace

TEST_F(PersTest, CellsAreTruncatedTowardZero)
{
    BuildLevel();
    auto* fairy = MakeBase(38);
    struct Case
    {
        Korrin::Vector2 position;
        std::int32_t I, J;
    } cases[] = {
        {{127.9f, 63.9f}, 1, 0}, {{-1.0f, 30.0f}, 0, 0}, {{64.0f, 64.0f}, 1, 1}, {{-70.0f, 10.0f}, -1, -1}};
    for (const Case& c : cases)
    {
        fairy->SetPosition(c.position);
        std::int32_t I = 9;
        std::int32_t J = 9;
        fairy->GetIJ(I, J);
        EXPECT_EQ(I, c.I) << c.position.x;
        EXPECT_EQ(J, c.J) << c.position.y;
    }
    fairy->SetIJ(3, 5);
    EXPECT_EQ(fairy->GetPosition(), (Korrin::Vector2{192.0f, 160.0f}));
}

TEST_F(PersTest, InitTakesTheFigureTheCarryBoneAndTheHeadOffset)
{
    BuildLevel();
    auto* fairy = Make<PersFairy>(42);
    ASSERT_EQ(fairy->GetFigures().size(), 2u) << "her own look and her building's";
    EXPECT_EQ(fairy->GetFigure(), fairy->GetFigures()[0].get());
    EXPECT_EQ(fairy->GetFigures()[1]->GetListId(), 42);
    EXPECT_EQ(fairy->GetCarryBone(), 2);
    EXPECT_EQ(fairy->GetHeadOffset(), (Korrin::Vector2{5.0f, -70.0f}));
    EXPECT_EQ(fairy->GetAnimationName(), "run");

    fairy->SetPersAnimated(5);
    EXPECT_EQ(ReportRecorder::LastDescription(), "Error Pers::SetPersAnimated s=2i=5");
    EXPECT_EQ(fairy->GetFigureIndex(), 0);
}

TEST_F(PersTest, UpgradesStopAtTheHighestLevelAndSwitchingOnStartsAgain)
{
    BuildLevel();
    mTable.GetCostPtr(Pers::kFairy)->upgradeLevel = 2;
    auto* fairy = Make<PersFairy>(38);
    EXPECT_TRUE(fairy->Upgrade());
    EXPECT_TRUE(fairy->Upgrade());
    EXPECT_FALSE(fairy->Upgrade());
    EXPECT_EQ(fairy->GetUpgradeLevel(), 2);
    EXPECT_EQ(fairy->GetNextFrameId(), CostRecord::GetLevelValue(3, fairy->GetCost()));

    fairy->SetPersAnimated(1);
    fairy->SetCarriedGoods(84);
    fairy->SetDream(7);
    fairy->SetActive(true);
    EXPECT_EQ(fairy->GetUpgradeLevel(), 0);
    EXPECT_EQ(fairy->GetFigureIndex(), 0);
    EXPECT_EQ(fairy->GetCarriedGoods(), 0);
    EXPECT_EQ(fairy->GetFrameIndexDream(), Pers::kNoDream);
    EXPECT_TRUE(fairy->IsSelectable());
    fairy->SetActive(false);
    EXPECT_FALSE(fairy->IsActive());
    EXPECT_FALSE(fairy->IsSelectable());
}

TEST_F(PersTest, CarryingPlaysTheVariantAndAKeptFacingStays)
{
    BuildLevel();
    auto* buyer = Make<PersRunBuyer>(139);
    buyer->PlayAnimation("stand", Pers::kRight);
    buyer->SetCarriedGoods(85);
    buyer->PlayAnimation("run", Pers::kKeepFacing);
    EXPECT_EQ(buyer->GetAnimationName(), "run1");
    EXPECT_EQ(buyer->GetFacing(), Pers::kRight);
    EXPECT_EQ(buyer->GetFigure()->GetState().mMirror, 1);
    const float timer = buyer->GetAnimationTimer();
    buyer->PlayAnimation("run", Pers::kLeft);
    EXPECT_EQ(buyer->GetFigure()->GetState().mMirror, 0) << "the same animation turns without restarting";
    EXPECT_EQ(buyer->GetAnimationTimer(), timer);
}

TEST_F(PersTest, TheCarriedGoodsTakeTheCorrectionOfThePlayingAnimation)
{
    BuildLevel();
    auto* buyer = Make<PersRunBuyer>(139);
    buyer->SetCarriedGoods(85);
    buyer->PlayAnimation("run", Pers::kRight);
    Korrin::Bone* hand = buyer->GetFigure()->GetSkeleton()->GetBone(2);
    const Korrin::Vector2 parent = hand->GetParent()->mWorldPosition;
    buyer->ApplyCarriedCorrection(hand, 9, Pers::kRight, false);
    EXPECT_EQ(hand->mFrame, 9.0f);
    EXPECT_EQ(hand->mScale, (Korrin::Vector2{2.0f, 3.0f}));
    EXPECT_FLOAT_EQ(hand->mAngle, -0.25f) << "turned the other way while facing right";
    EXPECT_NEAR(hand->mWorldPosition.x, parent.x + (-8.0f * std::cos(-0.25f) - 15.0f * std::sin(-0.25f)),
                1e-4)
        << "the mirrored hand's offset points the other way";
    EXPECT_NEAR(hand->mWorldPosition.y, parent.y + (-8.0f * std::sin(-0.25f) + 15.0f * std::cos(-0.25f)),
                1e-4);

    hand->mFrame = 0.0f;
    const Korrin::Vector2 before = hand->mWorldPosition;
    buyer->ApplyCarriedCorrection(hand, 4, Pers::kRight, false);
    EXPECT_EQ(hand->mFrame, 0.0f) << "an id without a correction keeps the pose";
    EXPECT_EQ(hand->mWorldPosition, before);
}

TEST_F(PersTest, AClickOnAWorkerSelectsItsBuilding)
{
    BuildLevel();
    Platform::WindowSystem& windows = mRender.Services().Window();
    const Platform::WindowHandle window =
        windows.CreateAppWindow("level", 0, {0, 0, 1024, 768},
                                [](Platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)
                                { return std::intptr_t{0}; });
    windows.ShowWindow(window, Platform::ShowCommand::Normal);
    Korrin::InputManager input(window);

    Level& level = mLevel;
    Entity* juicer = level.GetEntityManager()->GetEntity(30);
    ASSERT_NE(juicer, nullptr);
    Pers* boy = juicer->GetWorker();
    ASSERT_TRUE(boy->IsActive());
    const Korrin::Vector2 root = boy->GetRootPosition();
    for (const bool down : {false, true})
    {
        Platform::MouseInput& mouse = windows.Mouse();
        mouse.MoveTo({static_cast<int>(root.x), static_cast<int>(root.y - 20.0f)});
        mouse.SetButton(0, down);
        input.Update();
        level.Update(0.01f);
    }
    EXPECT_EQ(level.GetPendingObject(), juicer);
    EXPECT_EQ(juicer->GetPressed(), 1);
    EXPECT_EQ(juicer->GetPanelMode(), 1u) << "the building shows its worker's page";
    EXPECT_EQ(boy->GetPressed(), 1) << "the worker's mark pulses";
}

TEST_F(PersTest, TheBubbleHidesAtTheStorehouseAndSwingsWithTheScreenSide)
{
    BuildLevel();
    auto* buyer = Make<PersRunBuyer>(140);
    buyer->SetDream(88); // a buyer's wish shows as its bubble's frame
    const Entity* storehouse = mLevel.GetEntityManager()->GetEntity(Entity::kStorehouse);
    ASSERT_NE(storehouse, nullptr);
    const Korrin::Rect box = storehouse->GetRect();
    struct Case
    {
        float x;
        bool hidden;
    } cases[] = {{box.left - 50.0f, true}, {box.right + 50.0f, true}, {box.left - 51.0f, false}};
    for (const Case& c : cases)
    {
        buyer->SetPosition({c.x, box.bottom});
        buyer->GetFigure()->Advance(0.0f, 0);
        buyer->DrawDream();
        EXPECT_EQ(buyer->IsBubbleHidden(), c.hidden) << c.x;
    }
    buyer->SetPosition({0.0f, 300.0f});
    buyer->GetFigure()->Advance(0.0f, 0);
    buyer->DrawDream();
    const float a = std::numbers::pi_v<float> / 4.0f;
    EXPECT_FLOAT_EQ(buyer->GetBubblePosition().x, std::cos(a) * 65.0f - 50.0f + 5.0f);
    EXPECT_FLOAT_EQ(buyer->GetBubblePosition().y, std::sin(a) * -100.0f + 25.0f + 300.0f - 70.0f);
}

TEST_F(PersTest, WithoutAStorehouseTheBubbleIsDrawn)
{
    BuildLevel(false);
    ASSERT_EQ(mLevel.GetEntityManager()->GetEntity(Entity::kStorehouse), nullptr);
    Pers* buyer = Make(139);
    buyer->SetDream(86);
    buyer->SetIJ(12, 22);
    buyer->DrawDream();
    EXPECT_FALSE(buyer->IsBubbleHidden());
    EXPECT_NE(buyer->GetBubblePosition(), (Korrin::Vector2{}));
}

TEST_F(PersTest, TwoBubblesOnOneSpotAreStackedAndALoneOneStaysWhereItSwings)
{
    BuildLevel(false);
    auto* first = Make<PersRunBuyer>(139);
    auto* second = Make<PersRunBuyer>(140);
    auto* apart = Make<PersRunBuyer>(141);
    for (PersRunBuyer* buyer : {first, second, apart})
    {
        buyer->SetActive(true);
        buyer->SetDream(88);
    }
    first->SetIJ(4, 22);
    second->SetIJ(4, 22);
    apart->SetIJ(12, 22);
    for (PersRunBuyer* buyer : {first, second, apart})
    {
        buyer->GetFigure()->Advance(0.0f, 0);
    }
    // A bubble lifted on one frame comes down again once its neighbour has gone.
    for (const bool together : {true, false})
    {
        SCOPED_TRACE(together ? "together" : "second gone");
        second->SetActive(together);
        second->SetDream(88); // a character entering the field starts without a wish
        Characters().LiftOverlappingDreams();
        Korrin::Vector2 swung;
        for (PersRunBuyer* buyer : {first, second, apart})
        {
            buyer->DrawDream();
        }
        ASSERT_TRUE(first->FindDreamPosition(swung));
        EXPECT_EQ(first->GetBubblePosition(), swung) << "the first drawn keeps its place";
        ASSERT_TRUE(apart->FindDreamPosition(swung));
        EXPECT_EQ(apart->GetBubblePosition(), swung) << "a bubble clear of the others keeps its place";
        ASSERT_TRUE(second->FindDreamPosition(swung));
        if (together)
        {
            EXPECT_FLOAT_EQ(second->GetBubblePosition().x, first->GetBubblePosition().x);
            EXPECT_LE(second->GetBubblePosition().y, first->GetBubblePosition().y - 60.0f)
                << "the later bubble clears the earlier one";
            EXPECT_GT(second->GetDreamTail().GetCount(), 0u) << "the raised bubble trails down to its buyer";
            EXPECT_EQ(first->GetDreamTail().GetCount(), 0u) << "the lower one keeps its picture's tail";
            EXPECT_EQ(apart->GetDreamTail().GetCount(), 0u);
        }
        else
        {
            Characters().LiftOverlappingDreams();
            EXPECT_EQ(second->GetDreamTail().GetCount(), 0u) << "a bubble come down again drops its trail";
            second->SetActive(true);
            second->SetDream(88);
            second->DrawDream();
            EXPECT_EQ(second->GetBubblePosition(), swung);
        }
    }
}

TEST_F(PersTest, ACharacterWithoutAFigureStandsStillAndDrawsNothing)
{
    BuildLevel();
    Pers* stranger = Make(200);
    EXPECT_EQ(stranger->GetFigure(), nullptr);
    EXPECT_NE(LogText().find("Ошибка типа в PersRunBuyer::Load()"), std::string::npos);
    stranger->SetIJ(4, 10);
    stranger->SetActive(true);
    EXPECT_TRUE(stranger->Update(0.5f));
    stranger->Draw();
    stranger->DrawDream();
    EXPECT_FALSE(stranger->IsPointInside(stranger->GetPosition()));
    EXPECT_EQ(PersManager::DepthOf(*stranger), stranger->GetPosition().y);
    Korrin::BinaryWriter out;
    stranger->Pers::Save(out);
    EXPECT_TRUE(out.Bytes().empty());
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(PersTest, TheRecordIs109BytesAndReadsBackTheSame)
{
    BuildLevel();
    auto* fairy = MakeBase(54);
    fairy->SetActive(true);
    fairy->SetIJ(6, 10);
    fairy->SetDream(22);
    fairy->SetQueueWord(3);
    fairy->PlayAnimation("magic", Pers::kRight);
    fairy->SetCarriedGoods(98);
    fairy->Update(0.25f);
    const std::vector<std::uint8_t> saved = Record(*fairy);
    ASSERT_EQ(saved.size(), Pers::kRecordBytes);

    auto* copy = MakeBase(54);
    Korrin::BinaryReader in(saved);
    copy->Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(copy->GetPosition(), fairy->GetPosition());
    EXPECT_EQ(copy->GetAnimationName(), "magic");
    EXPECT_EQ(copy->GetFigure()->GetState().mMirror, 1);
    EXPECT_EQ(Record(*copy), saved);
}

TEST_F(PersTest, DamagedRecordsAreRefusedWithoutAReport)
{
    BuildLevel();
    auto* fairy = MakeBase(54);
    const std::vector<std::uint8_t> good = Record(*fairy);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Offsets: 0 figure index, 2 facing, 3 upgrade level, 11 carry bone, 16 animation speed, 20 walk
    // speed, 25 animation timer, 31 kind, 34 type code, 35 the figure's name.
    struct Case
    {
        const char* what;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"a figure past the list", 0, {2, 0}},
        {"a facing past down", 2, {4}},
        {"an upgrade level past the price rows", 3, {9, 0}},
        {"a carry bone past the skeleton", 11, {3, 0, 0, 0}},
        {"a carry bone below -1", 11, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"another kind", 31, {38}},
        {"another type code", 34, {133}},
        {"an unterminated name", 35, std::vector<std::uint8_t>(50, 'x')},
    };
    for (const Case& c : cases)
    {
        std::vector<std::uint8_t> bytes = good;
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(c.offset));
        Korrin::BinaryReader in(bytes);
        fairy->Load(in);
        EXPECT_FALSE(in.Ok()) << c.what;
    }
    for (const std::size_t offset : {16u, 20u, 25u})
    {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(bytes.data() + offset, &nan, 4);
        Korrin::BinaryReader in(bytes);
        fairy->Load(in);
        EXPECT_FALSE(in.Ok()) << offset;
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty());

    std::vector<std::uint8_t> unknownTarget = good;
    const std::int32_t id = 999;
    std::memcpy(unknownTarget.data() + good.size() - 4, &id, 4);
    Korrin::BinaryReader in(unknownTarget);
    fairy->Load(in);
    EXPECT_TRUE(in.Ok()) << "an unknown walk target is none";
    EXPECT_EQ(fairy->GetWalkTarget(), nullptr);
}
