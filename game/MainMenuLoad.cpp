// Building the main menu from its scripts: the title, the girl, the light sweeps and the player link.
#include "engine/Gui/Font.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Log/LogManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Butterfly.h"
#include "game/ClipGui.h"
#include "game/GUI/AboutGui.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/AchievementSystemGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/Options.h"
#include "game/GUI/PlayerSelectGui.h"
#include "game/GUI/TypeNameGui.h"
#include "game/Game/GameInfo.h"
#include "game/Game/LevelPassType.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/MainMenu.h"
#include "game/Profile.h"
#include "game/Util/VirtualMouse.h"

namespace
{

constexpr const char* kHelloText = "MAINMENU_HELLO_TEXT";
constexpr const char* kHelloUserText = "MAINMENU_HELLO_USER_TEXT";

// Screen places of the light sweeps' vertices, by row then column (kNone: none given).
constexpr float kNone = -1.0f;
constexpr std::array<std::array<std::array<float, 2>, 4>, 2> kFirstSweep = {
    {{{{463, 36}, {512, 30}, {621, 61}, {kNone, kNone}}},
     {{{437, 114}, {497, 114}, {603, 114}, {kNone, kNone}}}}};
constexpr std::array<std::array<std::array<float, 2>, 4>, 2> kSecondSweep = {
    {{{{408, 117}, {415, 117}, {643, 117}, {639, 117}}}, {{{407, 139}, {414, 145}, {634, 145}, {639, 140}}}}};

template <std::size_t Rows>
void PlaceSweep(Korrin::Mesh* mesh, const std::array<std::array<std::array<float, 2>, 4>, Rows>& places)
{
    if (mesh == nullptr)
    {
        return;
    }
    for (std::uint16_t row = 0; row < Rows && row < mesh->GetVertexRows(); ++row)
    {
        for (std::uint16_t column = 0; column < 4 && column < mesh->GetVertexColumns(); ++column)
        {
            const std::array<float, 2>& place = places[row][column];
            if (place[0] != kNone)
            {
                mesh->GridVertex(row, column).x = place[0];
                mesh->GridVertex(row, column).y = place[1];
            }
        }
    }
}

template <typename Grid>
void KeepRest(Korrin::Mesh* mesh, Grid& rest)
{
    if (mesh == nullptr)
    {
        return;
    }
    for (std::uint16_t row = 0; row < MainMenu::kGrid && row < mesh->GetVertexRows(); ++row)
    {
        for (std::uint16_t column = 0; column < MainMenu::kGrid && column < mesh->GetVertexColumns();
             ++column)
        {
            const Korrin::Vertex& vertex = mesh->GridVertex(row, column);
            rest[row][column] = Korrin::Vector2{vertex.x, vertex.y};
        }
    }
}

bool ReadColour(const LuaValue& value, Korrin::Colour& colour)
{
    float channels[4] = {};
    if (!value.IsTable() || !value.GetFloat4(channels[0], channels[1], channels[2], channels[3]))
    {
        return false;
    }
    colour = Korrin::Colour{channels[0], channels[1], channels[2], channels[3]};
    return true;
}

void ReadNumber(Korrin::LuaScript& script, const char* name, float& out)
{
    if (const LuaValue value = script.GetGlobal(name); value.IsNumber())
    {
        out = value.ToFloat();
    }
}

} // namespace

void MainMenu::Init()
{
    LoadTitle();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites != nullptr)
    {
        mBackground = sprites->LoadSprite("Background", kBackgroundScript);
    }
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mButtons = widgets->CreateContainer("MenuBox", kButtonScript);
        mHello =
            mButtons != nullptr ? dynamic_cast<Korrin::GuiText*>(mButtons->GetByName(kHelloText)) : nullptr;
        mGreeting = mButtons != nullptr ? dynamic_cast<Korrin::GuiText*>(mButtons->GetByName(kHelloUserText))
                                        : nullptr;
    }
    mBranch.Load("Branch", kLeavesScript);
    mTree.Load("Tree", kLeavesScript);
    LoadGirl();
    if (sprites != nullptr)
    {
        mMillSprite = sprites->LoadSprite("Mill", "menu_animated_object.lua");
    }
    mThief.Load("menu_thief.mesh", true);
    LoadButterfly(mButterflies, "menu_fly.lua", "Butterfly1", "Path1", 0.4f);
    LoadButterfly(mButterflies, "menu_fly.lua", "Butterfly2", "Path2", 0.6f);
    LoadButterfly(mButterflies, "menu_fly.lua", "Butterfly3", "Path3", 0.6f);
    LoadButterfly(mButterflies, "menu_fly.lua", "Butterfly4", "Path4", 1.0f);
    if (sprites != nullptr)
    {
        const char* covers[] = {"LeftHide", "RightHide", "BottomLeftHide", "BottomRightHide"};
        for (std::size_t index = 0; index < mEdgeCovers.size(); ++index)
        {
            mEdgeCovers[index] = sprites->LoadSprite(covers[index], kBackgroundScript);
        }
    }
    LoadRewards();
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek())
    {
        mSparkle = particles->CreateParticleSystem("menu_Button_game.particle", "menu_Button_game");
    }
    mSparkleTimer = 0.0f;
    mSparkleDelay = 5.0f;
    if (mSparkle != nullptr)
    {
        mSparkle->Stop();
    }
    LoadLink();
    if (mButtons != nullptr)
    {
        mButtons->Update();
        mButtons->SetDisabled(true);
    }
    if (Profile* profile = Profile::Peek())
    {
        profile->LoadUserList(true);
        profile->LoadAll();
    }
}

void MainMenu::LoadTitle()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mSky = sprites->LoadAnimatedSprite("Sky", kBackgroundScript);
    mTitle1 = sprites->LoadSprite("TextTitle1", kBackgroundScript);
    mTitle2 = sprites->LoadSprite("TextTitle2", kBackgroundScript);
    mSweeps[0].mesh = sprites->LoadMesh("TextTitle1Highlight", kBackgroundScript);
    mSweeps[1].mesh = sprites->LoadMesh("TextTitle2Highlight", kBackgroundScript);
    PlaceSweep(mSweeps[0].mesh, kFirstSweep);
    PlaceSweep(mSweeps[1].mesh, kSecondSweep);
}

void MainMenu::LoadGirl()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    mSkirt = sprites->LoadMesh("Skirt", kGirlScript);
    mApron = sprites->LoadMesh("Apron", kGirlScript);
    mBody = sprites->LoadMesh("Body", kGirlScript);
    KeepRest(mSkirt, mSkirtRest);
    KeepRest(mApron, mApronRest);
    KeepRest(mBody, mBodyRest);
    mHead = sprites->LoadSprite("Head", kGirlScript);
    mHair.Load("HairPap", kGirlScript);
    mTail1 = sprites->LoadAnimatedSprite("Tail1", kGirlScript);
    mTail2 = sprites->LoadAnimatedSprite("Tail2", kGirlScript);
    mFlower = sprites->LoadSprite("Flower", kGirlScript);
    mEyes = sprites->LoadAnimatedSprite("Eyes", kGirlScript);
}

void MainMenu::LoadLink()
{
    Korrin::LuaScript script;
    script.LoadFile(kButtonScript, Korrin::LuaScript::IfMissing::Report);
    Korrin::LuaStackGuard guard(script.GetState());
    if (const LuaValue rect = script.GetGlobal("UserLinkRect"); rect.IsTable())
    {
        rect.GetRect(mLink.mRect);
    }
    Korrin::Colour colours[3] = {{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}};
    const char* colourNames[3] = {"UserLinkNormalColour", "UserLinkHoverColour", "UserLinkPressedColour"};
    for (int index = 0; index < 3; ++index)
    {
        ReadColour(script.GetGlobal(colourNames[index]), colours[index]);
    }
    if (const LuaValue caption = script.GetGlobal("UserLinkCaption"); caption.IsString())
    {
        if (const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek())
        {
            mLink.mText = std::u16string(locale->getStringByNameAsUtf16(caption.ToString()));
        }
    }
    mLink.SetColours(colours[0], colours[1], colours[2]);
    if (Korrin::GuiElement* hello = mButtons != nullptr ? mButtons->GetByName(kHelloText) : nullptr)
    {
        hello->SetVisible(false);
    }
    ReadNumber(script, "UserLinkSizeW", mLink.mScaleX);
    ReadNumber(script, "UserLinkSizeH", mLink.mScaleY);
    ReadNumber(script, "UserLinkSRatio", mLink.mSpacingRatio);
    ReadNumber(script, "UserLinkHRatio", mLink.mHeightRatio);
    // Without a font of its own the link takes the buttons' font, so that it can always be read.
    const LuaValue fontName = script.GetGlobal("UserLinkFontName");
    Korrin::FontManager* fonts = Korrin::FontManager::Peek();
    if (fonts != nullptr)
    {
        mLink.mFont = fonts->GetFont(fontName.IsString() ? fontName.ToString() : kLinkFallbackFont);
    }
    if (mLink.mFont != nullptr)
    {
        Korrin::Vector2 size;
        mLink.mFont->GetTextSize(mLink.mText, size, mLink.mSpacingRatio, mLink.mHeightRatio, mLink.mScaleX,
                                 mLink.mScaleY);
        mLink.mUnderlineWidth = size.x > 0.0f ? Korrin::CheckedInteger<std::uint32_t>(size.x) : 0u;
    }
}
