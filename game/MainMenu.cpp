#include "game/MainMenu.h"

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
#include "game/Profile.h"
#include "game/Util/VirtualMouse.h"

#include <cmath>
#include <string_view>

namespace
{

constexpr std::uint32_t kAllGoldAchievement = 12;
constexpr float kThiefPeriod = 10.0f;
constexpr float kSweepOnTime = 10.0f;
constexpr float kUvSlide = 0.1f;

// The branch answers the mouse in this square, edges included.
constexpr float kGustLeft = 900.0f;
constexpr float kGustTop = 520.0f;
constexpr float kGustRight = 1000.0f;
constexpr float kGustBottom = 620.0f;

// The girl's sway, by column then row: skirt and apron sideways, the body up and down.
using Table = std::array<std::array<float, MainMenu::kGrid>, MainMenu::kGrid>;
constexpr Table kSkirtFrequency = {
    {{0, 1.0f, 3.0f, 4.0f}, {0, 1.0f, 3.0f, 4.0f}, {0, 1.0f, 3.0f, 4.0f}, {0, 1.0f, 3.0f, 4.0f}}};
constexpr Table kApronFrequency = {
    {{0, 1.1f, 3.3f, 4.4f}, {0, 1.1f, 3.3f, 4.4f}, {0, 1.1f, 3.3f, 4.4f}, {0, 1.1f, 3.3f, 4.4f}}};
constexpr Table kClothAmplitude = {
    {{0, 1.2f, 1.3f, 1.2f}, {0, 1.2f, 1.4f, 1.4f}, {0, 1.2f, 1.4f, 1.4f}, {0, 1.2f, 1.3f, 1.2f}}};
constexpr Table kBodyFrequency = {{{0, 0, 0, 0}, {0, 1.5f, 0.4f, 0}, {0, 1.5f, 0.4f, 0}, {0, 1.0f, 0, 0}}};
constexpr Table kBodyAmplitude = {{{0, 0, 0, 0}, {0, 0.9f, 1.5f, 0}, {0, 0.9f, 1.5f, 0}, {0, 0, 0, 0}}};

// Moves each vertex from its rest place by amplitude x sin(frequency x clock), sideways or up and down.
template <typename Grid>
void Sway(Korrin::Mesh* mesh, const Grid& rest, const Table& frequency, const Table& amplitude, float clock,
          bool sideways)
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
            const float offset = amplitude[column][row] * std::sin(frequency[column][row] * clock);
            Korrin::Vertex& vertex = mesh->GridVertex(row, column);
            vertex.x = rest[row][column].x + (sideways ? offset : 0.0f);
            vertex.y = rest[row][column].y + (sideways ? 0.0f : offset);
        }
    }
}

bool InGustSquare(const Korrin::Vector2& point)
{
    return point.x >= kGustLeft && point.x <= kGustRight && point.y >= kGustTop && point.y <= kGustBottom;
}

} // namespace

MainMenu::MainMenu() : mRandom(Korrin::RandomGenerator::RunSeed()), mButterflies(mRandom) {}

MainMenu::~MainMenu()
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("MainMenu::~MainMenu()");
    }
    mPending.clear();
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        for (Sweep& sweep : mSweeps)
        {
            sprites->DeleteSprite(sweep.mesh);
            sweep.mesh = nullptr;
        }
    }
    DeleteButterflies(mButterflies);
}

float MainMenu::GustTarget(float target, float base, const Korrin::Vector2& previous,
                           const Korrin::Vector2& current)
{
    if (!InGustSquare(previous) || !InGustSquare(current))
    {
        return target;
    }
    const float push = std::fabs((current.x - previous.x) * 0.25f - (current.y - previous.y) / 3.0f);
    const auto strength = static_cast<std::uint16_t>(Korrin::CheckedInteger<std::int64_t>(push) & 0xFFFF);
    return std::min(target + static_cast<float>(strength) * 0.1f, MenuLeaves::kMostSpeedFactor * base);
}

std::uint16_t MainMenu::EyeFrameAt(float clock)
{
    const std::int64_t tenths = Korrin::CheckedInteger<std::int64_t>(clock * 10.0f);
    const int count = static_cast<int>(static_cast<std::uint64_t>(tenths) & 0xFFu) % 43;
    if (count == 41)
    {
        return 2;
    }
    return count == 40 || count == 42 ? 1 : 0;
}

void MainMenu::Reset()
{
    PlayMusic();
    if (mButtons != nullptr)
    {
        mButtons->SetDisabled(false);
    }
    mThiefTimer = 0.0f;
    if (RebuildPendingRewards())
    {
        CheckAllGold();
    }
}

void MainMenu::PlayMusic()
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    Main* main = Main::Peek();
    if (sounds == nullptr || main == nullptr)
    {
        return;
    }
    Korrin::Sound* music = sounds->GetSound("MainMenu");
    if (music == main->GetMusic())
    {
        return;
    }
    sounds->StopMusic();
    main->SetMusic(music);
    if (music != nullptr)
    {
        music->Play(true);
    }
}

void MainMenu::CheckAllGold()
{
    GameInfo* info = GameInfo::Peek();
    AchievementSystem* achievements = AchievementSystem::Peek();
    if (info == nullptr || achievements == nullptr)
    {
        return;
    }
    for (std::uint32_t level = 0; level < kLevelCount; ++level)
    {
        if (info->GetLevelPassType(level) != kLevelPassedGold)
        {
            return;
        }
    }
    achievements->AddProgress(kAllGoldAchievement, 1);
}

bool MainMenu::Update(float dt)
{
    const bool windowShown = GameGuiManager::IsAnyShown();
    if (!windowShown && mButtons != nullptr && mButtons->IsDisabled())
    {
        mButtons->SetDisabled(false);
    }
    mClock += dt;
    SwayGirl(dt);
    mEyeFrame = EyeFrameAt(mClock);
    if (mSky != nullptr)
    {
        mSky->Update(dt);
    }
    UpdateSweep(mSweeps[0], dt);
    UpdateSweep(mSweeps[1], dt);
    UpdateThief(dt);
    UpdateMouse(windowShown, dt);
    // A resting butterfly takes off under the pointer only while no window lies over the picture.
    mButterflies.reaction = !windowShown;
    for (Butterfly* butterfly : mButterflies.butterflies.Elements())
    {
        butterfly->Update(dt);
    }

    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    bool switched = false;
    if (clicked != nullptr && HandleButton(clicked->GetName(), switched))
    {
        return !switched;
    }
    UpdateRewards(dt);
    UpdateSparkle(dt);
    if (!windowShown && mLink.Update())
    {
        Korrin::PlaySoundOnce("click_button");
        DisableButtons();
        GameGuiManager::ShowCurrent(PlayerSelectGui::kWindowId);
        return true;
    }
    const Profile* profile = Profile::Peek();
    if (profile != nullptr && !profile->IsLoaded())
    {
        DisableButtons();
        GameGuiManager::ShowCurrent(TypeNameGui::kWindowId);
    }
    return true;
}

void MainMenu::SwayGirl(float /*dt*/)
{
    Sway(mSkirt, mSkirtRest, kSkirtFrequency, kClothAmplitude, mClock, true);
    Sway(mApron, mApronRest, kApronFrequency, kClothAmplitude, mClock, true);
    Sway(mBody, mBodyRest, kBodyFrequency, kBodyAmplitude, mClock, false);
}

void MainMenu::UpdateSweep(Sweep& sweep, float dt)
{
    sweep.timer += dt;
    if (sweep.timer > sweep.limit)
    {
        sweep.timer = 0.0f;
        sweep.limit = sweep.on ? 2.0f + static_cast<float>(mRandom.Next() % 4) : kSweepOnTime;
        sweep.on = !sweep.on;
    }
    if (!sweep.on || sweep.mesh == nullptr)
    {
        return;
    }
    for (std::uint16_t row = 0; row < sweep.mesh->GetVertexRows(); ++row)
    {
        for (std::uint16_t column = 0; column < sweep.mesh->GetVertexColumns(); ++column)
        {
            sweep.mesh->GridVertex(row, column).u -= kUvSlide * dt;
        }
    }
}

void MainMenu::UpdateThief(float dt)
{
    if (!mThiefShown)
    {
        return;
    }
    mThiefTimer += dt;
    if (mThiefTimer > kThiefPeriod)
    {
        mThief.SetAnimationTime(0.0f);
        mThiefTimer = 0.0f;
    }
    if (!mThief.Update(dt) && mThiefLeaving)
    {
        mThiefShown = false;
    }
}

void MainMenu::UpdateMouse(bool windowShown, float dt)
{
    VirtualMousePosition(mMouse);
    const Korrin::Vector2 previous = mPreviousMouse;
    const bool moved = mMouse.x != previous.x || mMouse.y != previous.y;
    if (!windowShown && moved)
    {
        mBranch.targetSpeed = GustTarget(mBranch.targetSpeed, mBranch.baseSpeed, previous, mMouse);
    }
    mBranch.Update(dt);
    mTree.Update(dt);
    mHair.Update(dt);
    if (mMillSprite != nullptr && !windowShown && moved)
    {
        const Korrin::Vector2 centre = mMillSprite->GetPosition();
        const Korrin::Rect& source = mMillSprite->GetSrcRect();
        const float halfWidth = (source.right - source.left) / 2.0f;
        const float halfHeight = (source.bottom - source.top) / 2.0f;
        const auto inside = [&](const Korrin::Vector2& point)
        {
            return point.x >= centre.x - halfWidth && point.x <= centre.x + halfWidth &&
                   point.y >= centre.y - halfHeight && point.y <= centre.y + halfHeight;
        };
        if (inside(mMouse) && inside(previous))
        {
            mMill.Drag(previous, mMouse, centre, dt);
        }
    }
    mPreviousMouse = mMouse;
    mMill.Turn(dt);
}

void MainMenu::UpdateSparkle(float dt)
{
    if (mSparkle == nullptr)
    {
        return;
    }
    if (!mSparkle->HasActiveEmitter())
    {
        mSparkleTimer += dt;
        if (mSparkleTimer > mSparkleDelay)
        {
            mSparkleTimer = 0.0f;
            mSparkleDelay = static_cast<float>(mRandom.Next() % 10 + 5);
            mSparkle->Restart();
        }
    }
    mSparkle->Update(dt);
}

bool MainMenu::HandleButton(const std::string& name, bool& switched)
{
    struct Action
    {
        const char* button;
        std::uint8_t window;
    };
    static constexpr Action kActions[] = {
        {"MAINMENU_ABOUT", AboutGui::kWindowId},
        {"MAINMENU_OPTIONS", Options::kWindowId},
        {"MAINMENU_ACHIEVEMENTS", AchievementSystemGui::kWindowId},
        {"MAINMENU_EXIT", GameGuiManager::kExit},
    };
    if (name == "MAINMENU_PLAY")
    {
        Korrin::PlaySoundOnce("click_button");
        DisableButtons();
        Play();
        switched = true;
        return true;
    }
    for (const Action& action : kActions)
    {
        if (name == action.button)
        {
            Korrin::PlaySoundOnce("click_button");
            DisableButtons();
            GameGuiManager::ShowCurrent(action.window);
            return true;
        }
    }
    return false;
}

void MainMenu::Play()
{
    // A player who has seen no clip yet starts the story with the opening clip; any other the map.
    Profile* profile = Profile::Peek();
    ClipGui* clips = ClipGui::Peek();
    if (profile != nullptr && clips != nullptr && profile->storyStage < 0)
    {
        profile->SetStoryStage(0);
        clips->StartClip(1);
        _GetMain().SetCurrent(Main::kScriptMovieScreen);
        return;
    }
    _GetMain().SetCurrent(Main::kMapScreen);
}

void MainMenu::DisableButtons()
{
    if (mButtons != nullptr)
    {
        mButtons->SetDisabled(true);
    }
}

void MainMenu::ShowGreeting()
{
    const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek();
    const GameInfo* info = GameInfo::Peek();
    // A layout without either label shows no greeting.
    if (mHello == nullptr || mGreeting == nullptr || locale == nullptr)
    {
        return;
    }
    const std::u16string_view hello = locale->getStringByNameAsUtf16(mHello->GetCaptionName());
    const std::u16string_view name =
        info != nullptr ? std::u16string_view(info->playerName) : std::u16string_view();
    // Drawn every frame: the caption is rebuilt only when the greeting or the name changed.
    std::u16string& caption = mGreeting->mCaption;
    if (caption.size() == hello.size() + name.size() && caption.starts_with(hello) && caption.ends_with(name))
    {
        return;
    }
    caption.assign(hello);
    caption.append(name);
}
