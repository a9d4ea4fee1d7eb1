#include "game/Entity/EntityRope.h"

#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiText.h"
#include "engine/Log/LogManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Particle/ParticleSystemList.h"
#include "engine/Render/RenderData.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/LevelLookup.h"
#include "game/Entity/PanelControls.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Util/HintArrow.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "game/Util/TextFormat.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr std::uint16_t kTopTile = 72;
constexpr std::uint16_t kSecondTile = 88;
constexpr std::uint16_t kRunTile = 40;
// A kind-1 cell showing one of these counts as 104 when the link rises.
constexpr std::uint16_t kRisingRopeTile = 104;
constexpr std::uint16_t kTableTile = 66;
constexpr std::uint16_t kFootTile = 82;
constexpr std::uint16_t kAboveFootTile = 56;
constexpr std::int32_t kPanelPictureBase = 62;
constexpr std::uint32_t kLevelCount = 4;
constexpr const char* kPanelLayout = "Panel.gui";
constexpr const char* kUpgradeLabel = "PanelRope_Upgrade";

// Whole cells relative to the field's origin; a point left of or above it has no cell.
bool CellAt(const Korrin::Vector2& point, IJ& cell)
{
    const float x = (point.x - FieldGeometry::kOriginX) / FieldGeometry::kCellWidth;
    const float y = (point.y - FieldGeometry::kOriginY) / FieldGeometry::kCellHeight;
    if (!(x >= 0.0f) || !(y >= 0.0f))
    {
        return false;
    }
    cell = {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
    return FieldGeometry::IsInside(cell.I, cell.J);
}

void Log(const char* text)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", text);
    }
}

} // namespace

EntityRope::EntityRope() : mField(LevelLookup::Field()), mEffects(std::make_unique<ParticleSystemList>())
{
    // Init sets it again; a record may be read before, by a set of records without a level.
    mType = kRope;
    mArrow = std::make_unique<HintArrow>();
    mArrow->Create();
}

EntityRope::~EntityRope()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek(); sprites != nullptr && mTable)
    {
        sprites->DeleteSprite(mTable);
    }
    mEffects.reset();
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek(); particles && mBuildEffect)
    {
        particles->DeleteParticleSystem(mBuildEffect);
    }
    mArrow->Release();
}

void EntityRope::Init()
{
    mArrow->Load();
    SetType(kRope);
    TakeCostRecord();
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        sprites->DeleteSprite(mTable);
        mTable = sprites->LoadSprite("RopeTable", "Rope.lua");
    }
    if (Korrin::FontManager* fonts = Korrin::FontManager::Peek())
    {
        mFont = fonts->GetFont("font01.fnt");
    }
    LoadNames();
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek(); particles && !mBuildEffect)
    {
        mBuildEffect = particles->CreateParticleSystem("RopeUp.particle", "RopeUp");
    }
}

void EntityRope::LoadNames()
{
    Korrin::LuaScript script;
    script.LoadFile(kPanelLayout, Korrin::LuaScript::IfMissing::Log);
    Korrin::LuaStackGuard guard(script.GetState());
    const char* globals[] = {"RopeNameText", "StairsNameText", "TeleportNameText"};
    for (std::size_t n = 0; n < std::size(globals); ++n)
    {
        const LuaValue name = script.GetGlobal(globals[n]);
        if (name.IsString())
        {
            mNames[n] = name.ToString();
        }
    }
}

bool EntityRope::Update(float dt)
{
    mArrow->Update(dt);
    // The list reads the frame time from the timer: nothing to ask while no rope is being built.
    if (mEffects->GetCount() > 0)
    {
        mEffects->Update();
    }
    return true;
}

IJ EntityRope::CellOf(const RopeTablePoint& point)
{
    return {static_cast<std::int32_t>((point.x - FieldGeometry::kOriginX) / FieldGeometry::kCellWidth),
            static_cast<std::int32_t>((point.y + kTableRise - FieldGeometry::kOriginY) /
                                      FieldGeometry::kCellHeight)};
}

bool EntityRope::IsInTable(const RopeTablePoint& point, const Korrin::Vector2& at)
{
    return at.x >= point.x && at.x <= point.x + kTableWidth && at.y >= point.y &&
           at.y <= point.y + kTableHeight;
}

void EntityRope::AddPoint(float x, float y, std::uint8_t flagged)
{
    mPoints.push_back({x, y, flagged});
    mLevelPoints.push_back({x, y, 0});
}

bool EntityRope::HasPointAtCell(std::int32_t I, std::int32_t J) const
{
    for (const RopeTablePoint& point : mPoints)
    {
        if (CellOf(point) == IJ{I, J})
        {
            return true;
        }
    }
    return false;
}

void EntityRope::MarkPointAtCell(std::int32_t I, std::int32_t J)
{
    for (RopeTablePoint& point : mPoints)
    {
        if (CellOf(point) == IJ{I, J})
        {
            point.flagged = 1;
        }
    }
}

void EntityRope::ClearHover()
{
    mHover = kNone;
    if (mField != nullptr)
    {
        mField->SetRopeHighlight(0, {-1, -1});
    }
}

void EntityRope::ClearPressed()
{
    mPressed = kNone;
    if (mField != nullptr)
    {
        mField->SetRopeHighlight(1, {-1, -1});
    }
    for (RopeTablePoint& point : mPoints)
    {
        point.flagged = 0;
    }
}

bool EntityRope::IsPointInside(const Korrin::Vector2& point)
{
    if (mField == nullptr)
    {
        return false;
    }
    for (std::size_t n = 0; n < mPoints.size(); ++n)
    {
        const RopeTablePoint& table = mPoints[n];
        if (IsInTable(table, point))
        {
            mHover = static_cast<std::int32_t>(n) + 1;
            if (HintManager* hints = HintManager::Peek())
            {
                hints->Show("BuyTableRopeHint", 1,
                            {(table.x + table.x + kTableWidth) / 2.0f + 15.0f,
                             (table.y + table.y + kTableHeight) / 2.0f + 10.0f});
            }
            return true;
        }
    }
    return HoverLink(point);
}

bool EntityRope::HoverLink(const Korrin::Vector2& point)
{
    IJ cell;
    if (!CellAt(point, cell) || mField->GetObjectCode(cell.I, cell.J) != kLinkCode)
    {
        return false;
    }
    std::int32_t top = cell.J;
    while (mField->GetObjectCode(cell.I, top - 1) == kLinkCode)
    {
        --top;
    }
    const int kind = mField->GetRopeKind(cell.I, top);
    if (kind == 0)
    {
        return false;
    }
    mField->SetRopeHighlight(0, {cell.I, top});
    if (HintManager* hints = HintManager::Peek())
    {
        hints->Show("RopeHint" + std::to_string(kind), 1,
                    {FieldGeometry::CellX(cell.I) + 32.0f, FieldGeometry::CellY(top) + 52.0f});
    }
    return true;
}

bool EntityRope::TryClick()
{
    if (mField == nullptr)
    {
        return false;
    }
    const IJ hovered = mField->GetRopeHighlight(0);
    if (!LeftButtonWentDown() || InputLocks::third || (hovered.I < 0 && mHover <= 0))
    {
        return false;
    }
    if (mHover > 0)
    {
        Korrin::PlaySoundOnce("Board");
        mPressed = mHover;
        ChangeGui();
        return true;
    }
    Korrin::PlaySoundOnce("Rope");
    mField->SetRopeHighlight(1, hovered);
    ChangeGui();
    return true;
}

std::int32_t EntityRope::SelectedLevel() const
{
    if (mField == nullptr)
    {
        return 0;
    }
    const IJ selected = mField->GetRopeHighlight(1);
    const int kind = mField->GetRopeKind(selected.I, selected.J);
    return kind > 0 ? kind - 1 : 0;
}

std::int32_t EntityRope::Money() const
{
    const LevelTaskInfo* task = LevelTaskInfo::Peek();
    return task != nullptr ? task->money : 0;
}

void EntityRope::ChangeGui()
{
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr)
    {
        return;
    }
    const std::int32_t level = SelectedLevel();
    panel->SetCurrentByType(kRope);
    panel->SetPanelParam(nullptr, level + kPanelPictureBase, static_cast<std::uint32_t>(level), kLevelCount,
                         0);
    if (panel->GetPanel(panel->GetCurrent()) == nullptr)
    {
        return;
    }
    if (auto* text = dynamic_cast<Korrin::GuiText*>(PanelControls::Find("ROPE_GARDEN_TEXT")))
    {
        static constexpr std::size_t kNameOfLevel[] = {0, 1, 1, 2};
        if (level >= 0 && static_cast<std::size_t>(level) < std::size(kNameOfLevel))
        {
            text->mCaption.clear();
            text->SetCaptionName(mNames[kNameOfLevel[level]]);
        }
        else
        {
            Log("! Ошибка индекса апгрейда EntityRope::ChangeGui()");
        }
    }
    if (!mPoints.empty() && mPressed >= 1)
    {
        FillBuyButton();
    }
    else
    {
        FillUpgradeButton(level);
    }
}

void EntityRope::FillBuyButton()
{
    PanelControls::Show("ROPE_UPGRADE", false);
    PanelControls::Show(kUpgradeLabel, false);
    Korrin::GuiButton* buy = PanelControls::FindButton("TABROPE_BUY");
    if (buy == nullptr)
    {
        return;
    }
    buy->SetVisible(true);
    const std::uint16_t price = CostRecord::GetLevelValue(0, mCost);
    PanelControls::SetCaption(*buy, TextFormat::Decimal(price));
    buy->SetDisabled(price > Money());
}

void EntityRope::FillUpgradeButton(std::int32_t level)
{
    PanelControls::Show("TABROPE_BUY", false);
    PanelControls::Show(kUpgradeLabel, true);
    Korrin::GuiButton* upgrade = PanelControls::FindButton("ROPE_UPGRADE");
    if (upgrade == nullptr)
    {
        return;
    }
    upgrade->SetVisible(true);
    upgrade->SetAlpha(1.0f);
    upgrade->SetDisabled(false);
    const std::uint16_t price = CostRecord::GetLevelValue(static_cast<std::uint16_t>(level + 1), mCost);
    if (level == mCost.maxLevel)
    {
        PanelControls::SetCaption(*upgrade, u"\u263A");
        upgrade->SetDisabled(true);
    }
    else if (level < mCost.upgradeLevel)
    {
        Log("EntityRope::ChangeGui() = 1");
        PanelControls::SetCaption(*upgrade, TextFormat::Decimal(price));
        upgrade->SetFrame(0);
        upgrade->SetDisabled(price > Money());
    }
    else
    {
        upgrade->SetDisabled(true);
        Log("EntityRope::ChangeGui() = 0");
        upgrade->SetFrame(1);
        PanelControls::SetCaption(*upgrade, u"");
    }
}

void EntityRope::OnGuiEvent()
{
    const std::string clicked = PanelControls::Clicked();
    if (clicked == "ROPE_UPGRADE")
    {
        UpgradeSelected();
        ChangeGui();
    }
    else if (clicked == "TABROPE_BUY")
    {
        BuyAtPressedTable();
    }
}

void EntityRope::UpgradeSelected()
{
    if (mField == nullptr)
    {
        return;
    }
    const IJ top = mField->GetRopeHighlight(1);
    const std::int32_t level = SelectedLevel();
    // Paid only for a rope that is there and may rise: money is never taken for nothing.
    if (mField->GetRopeKind(top.I, top.J) == 0 || level >= mCost.upgradeLevel)
    {
        return;
    }
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    const std::uint16_t price = CostRecord::GetLevelValue(static_cast<std::uint16_t>(level + 1), mCost);
    if (task == nullptr || !task->AddMoney(-static_cast<std::int32_t>(price)))
    {
        return;
    }
    Korrin::PlaySoundOnce("upgrade");
    RaiseLink(top.I, top.J, true);
    mField->MarkGridAStale();
}

void EntityRope::BuyAtPressedTable()
{
    if (mPoints.empty() || mPressed < 1 || static_cast<std::size_t>(mPressed) > mPoints.size() ||
        mField == nullptr)
    {
        return;
    }
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    const std::uint16_t price = CostRecord::GetLevelValue(0, mCost);
    if (task == nullptr || !task->AddMoney(-static_cast<std::int32_t>(price)))
    {
        return;
    }
    Korrin::PlaySoundOnce("ConstructionOf");
    const auto index = static_cast<std::size_t>(mPressed - 1);
    const IJ cell = CellOf(mPoints[index]);
    mField->SetRopeHighlight(1, cell);
    mPressed = 0;
    LayRope(cell.I, cell.J, true);
    mPoints.erase(mPoints.begin() + static_cast<std::ptrdiff_t>(index));
    mField->MarkGridAStale();
    ChangeGui();
}

bool EntityRope::LayRope(std::int32_t I, std::int32_t top, bool withEffects)
{
    std::int32_t J = top;
    for (; J < FieldGeometry::kRows && mField->GetObjectCode(I, J) == kLinkCode; ++J)
    {
        mField->SetTile(I, J, J == top ? kTopTile : (J == top + 1 ? kSecondTile : kRunTile));
        if (withEffects && mBuildEffect != nullptr)
        {
            Korrin::ParticleSystem* effect = mEffects->Add(*mBuildEffect);
            effect->SetPosition({FieldGeometry::CellX(I) + 32.0f, FieldGeometry::CellY(J)});
        }
    }
    if (J == top)
    {
        return false;
    }
    mField->SetTile(I, J - 1, kTableTile);
    mField->SetTile(I, J, kFootTile);
    mField->SetTile(I, J - 2, kAboveFootTile);
    return true;
}

void EntityRope::RaiseLink(std::int32_t I, std::int32_t top, bool withEffects)
{
    std::int32_t J = top;
    for (; J < FieldGeometry::kRows && mField->GetObjectCode(I, J) == kLinkCode; ++J)
    {
        std::uint16_t tile = mField->GetTile(I, J);
        if (mField->GetRopeKind(I, J) == 1 && (tile == kRunTile || tile == kAboveFootTile || tile == 120))
        {
            tile = kRisingRopeTile;
        }
        mField->SetTile(I, J, static_cast<std::uint16_t>(tile - 1));
        if (withEffects)
        {
            if (GameParticleManager* particles = GameParticleManager::Peek())
            {
                particles->AddParticleToDQ(kParticleRopeUpgrade,
                                           {FieldGeometry::CellX(I) + 10.0f, FieldGeometry::CellY(J)});
            }
        }
    }
    switch (mField->GetRopeKind(I, top))
    {
    case 2:
        mField->SetTile(I, J, 163);
        mField->SetTile(I, J - 1, 147);
        break;
    case 3:
        mField->SetTile(I, J, 162);
        mField->SetTile(I, J - 1, 146);
        break;
    case kTeleport:
        mField->SetTile(I, J, 161);
        mField->SetTile(I, J - 1, 145);
        break;
    default:
        break;
    }
}

void EntityRope::Draw()
{
    const std::int32_t price = CostRecord::GetLevelValue(0, mCost);
    for (std::size_t n = 0; n < mPoints.size(); ++n)
    {
        const RopeTablePoint& point = mPoints[n];
        const auto number = static_cast<std::int32_t>(n) + 1;
        const bool lit = mHover == number || mPressed == number;
        if (mTable != nullptr)
        {
            const int x = static_cast<int>(point.x);
            const int y = static_cast<int>(point.y);
            mTable->SetBlendMode(Korrin::RenderData::kBlendAlpha);
            mTable->Draw(x, y);
            if (lit)
            {
                mTable->SetBlendMode(Korrin::RenderData::kBlendAdd);
                mTable->Draw(x, y);
                mTable->SetBlendMode(Korrin::RenderData::kBlendAlpha);
            }
        }
        if (mFont != nullptr)
        {
            const float shade = lit ? 0.5f : 1.0f;
            mFont->DrawWrapped({point.x, point.y + 34.0f, point.x + 70.0f, point.y + 56.0f},
                               TextFormat::Decimal(price), 0.7f, 0.7f, 12,
                               Korrin::Colour{shade, shade, shade, 1.0f}, 1.0f, 1.0f);
        }
    }
    mEffects->Draw();
    for (const RopeTablePoint& point : mPoints)
    {
        if (point.flagged != 0)
        {
            mArrow->Draw({point.x + 2.0f, point.y + 3.0f});
        }
    }
}

bool EntityRope::IsLinkTop(std::int32_t I, std::int32_t J) const
{
    return FieldGeometry::IsInside(I, J) && mField->GetObjectCode(I, J) == kLinkCode &&
           mField->GetObjectCode(I, J - 1) != kLinkCode && FieldGeometry::IsInside(I, J + 1) &&
           mField->GetObjectCode(I, J + 1) == kLinkCode;
}

std::vector<EntityRope::Link> EntityRope::FindLinks() const
{
    std::vector<Link> links;
    if (mField == nullptr)
    {
        return links;
    }
    for (std::int32_t I = 0; I < FieldGeometry::kColumns; ++I)
    {
        for (std::int32_t J = 0; J < FieldGeometry::kRows; ++J)
        {
            if (IsLinkTop(I, J))
            {
                links.push_back({I, J, mField->GetRopeKind(I, J)});
            }
        }
    }
    return links;
}

void EntityRope::Save(Korrin::BinaryWriter& out)
{
    Entity::Save(out);
    out.WriteU32(static_cast<std::uint32_t>(mPoints.size()));
    for (const RopeTablePoint& point : mPoints)
    {
        out.WriteU8(point.flagged);
        out.WriteF32(point.x);
        out.WriteF32(point.y);
    }
    const std::vector<Link> links = FindLinks();
    out.WriteU32(static_cast<std::uint32_t>(links.size()));
    for (const Link& link : links)
    {
        out.WriteI32(link.I);
        out.WriteI32(link.J);
        out.WriteI32(link.kind);
    }
}

void EntityRope::Load(Korrin::BinaryReader& in)
{
    Entity::Load(in);
    std::vector<RopeTablePoint> tables;
    std::vector<Link> links;
    if (!ReadTables(in, tables) || !ReadLinks(in, links))
    {
        in.Fail();
        return;
    }
    mPoints = std::move(tables);
    LayLinks(links);
    if (mField != nullptr)
    {
        mField->MarkGridAStale();
    }
}

bool EntityRope::ReadTables(Korrin::BinaryReader& in, std::vector<RopeTablePoint>& tables) const
{
    const std::uint32_t tableCount = in.ReadU32();
    if (!in.Ok() || tableCount > mLevelPoints.size() || !in.CheckCount(tableCount, 9, kMaxLinks))
    {
        return false;
    }
    for (std::uint32_t n = 0; n < tableCount; ++n)
    {
        RopeTablePoint point;
        point.flagged = in.ReadU8();
        point.x = in.ReadF32();
        point.y = in.ReadF32();
        // A table far off the field is no table of this level (and its cell would not fit an int).
        constexpr float kFarOff = 1.0e6f;
        const bool known =
            std::isfinite(point.x) && std::isfinite(point.y) && std::fabs(point.x) < kFarOff &&
            std::fabs(point.y) < kFarOff &&
            std::any_of(mLevelPoints.begin(), mLevelPoints.end(),
                        [&point](const RopeTablePoint& level) { return CellOf(level) == CellOf(point); });
        if (!in.Ok() || point.flagged > 1 || !known)
        {
            return false;
        }
        tables.push_back(point);
    }
    return true;
}

bool EntityRope::ReadLinks(Korrin::BinaryReader& in, std::vector<Link>& links) const
{
    const std::uint32_t linkCount = in.ReadU32();
    if (!in.Ok() || !in.CheckCount(linkCount, 12, kMaxLinks) || (linkCount > 0 && mField == nullptr))
    {
        return false;
    }
    for (std::uint32_t n = 0; n < linkCount; ++n)
    {
        const Link link{in.ReadI32(), in.ReadI32(), in.ReadI32()};
        // A link stands only where the level has one, and never lower than the level file builds it.
        if (!in.Ok() || link.kind < 0 || link.kind > kTeleport || !IsLinkTop(link.I, link.J) ||
            mField->GetRopeKind(link.I, link.J) > link.kind)
        {
            return false;
        }
        links.push_back(link);
    }
    return true;
}

void EntityRope::LayLinks(const std::vector<Link>& links)
{
    for (const Link& link : links)
    {
        if (link.kind == 0 || HasPointAtCell(link.I, link.J))
        {
            continue;
        }
        if (mField->GetRopeKind(link.I, link.J) == 0)
        {
            LayRope(link.I, link.J, false);
        }
        // Each rise lifts a rope's tiles one kind; a link of odd tiles from the level file stops there.
        for (std::int32_t step = 0; step < kTeleport && mField->GetRopeKind(link.I, link.J) < link.kind;
             ++step)
        {
            RaiseLink(link.I, link.J, false);
        }
    }
}
