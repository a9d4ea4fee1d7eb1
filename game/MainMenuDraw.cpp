// Drawing the main menu: the picture, the girl, the thief, the sweeps and the buttons.
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

constexpr int kThiefX = 452;
constexpr int kThiefY = 37;

void DrawAtOwnPlace(Korrin::Sprite* sprite)
{
    if (sprite != nullptr)
    {
        sprite->Draw(Korrin::CheckedInteger<int>(sprite->GetPosition().x),
                     Korrin::CheckedInteger<int>(sprite->GetPosition().y));
    }
}

void DrawMesh(Korrin::Mesh* mesh, int x, int y)
{
    if (mesh != nullptr)
    {
        mesh->DrawCells(x, y, static_cast<std::uint16_t>(mesh->GetVertexColumns() - 1),
                        static_cast<std::uint16_t>(mesh->GetVertexRows() - 1));
    }
}

void DrawMeshAtOwnPlace(Korrin::Mesh* mesh)
{
    if (mesh != nullptr)
    {
        DrawMesh(mesh, Korrin::CheckedInteger<int>(mesh->GetPosition().x),
                 Korrin::CheckedInteger<int>(mesh->GetPosition().y));
    }
}

} // namespace

void MainMenu::Draw()
{
    ShowGreeting();
    DrawAtOwnPlace(mSky);
    DrawAtOwnPlace(mTitle1);
    if (mSweeps[0].on)
    {
        DrawMesh(mSweeps[0].mesh, 0, 0);
    }
    DrawAtOwnPlace(mTitle2);
    if (mSweeps[1].on)
    {
        DrawMesh(mSweeps[1].mesh, 0, 0);
    }
    DrawAtOwnPlace(mBackground);
    DrawGirl();
    if (mMillSprite != nullptr)
    {
        mMillSprite->DrawEx(mMillSprite->GetPosition().x, mMillSprite->GetPosition().y, 1.0f, 1.0f,
                            mMill.angle, 0.0f, 0.0f);
    }
    if (mThiefShown)
    {
        mThief.Draw(0, kThiefX, kThiefY, false);
    }
    DrawRewards();
    mBranch.Draw();
    mTree.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    mTree.Draw();
    mLink.Draw();
    DrawButterflies(mButterflies);
    for (Korrin::Sprite* cover : mEdgeCovers)
    {
        DrawAtOwnPlace(cover);
    }
    if (mButtons != nullptr)
    {
        mButtons->Draw();
    }
    if (mSparkle != nullptr)
    {
        mSparkle->Draw(Korrin::Vector2{0.0f, 0.0f});
    }
}

void MainMenu::DrawGirl()
{
    // The tails are drawn as plain pictures: their animation is never advanced.
    DrawAtOwnPlace(mTail1);
    DrawAtOwnPlace(mTail2);
    DrawMeshAtOwnPlace(mSkirt);
    DrawMeshAtOwnPlace(mApron);
    DrawAtOwnPlace(mHead);
    if (mEyes != nullptr && mEyes->GetFrameCount() > 0)
    {
        const auto last = static_cast<std::uint16_t>(mEyes->GetFrameCount() - 1);
        mEyes->SetSrcRectF(mEyes->GetFrameRect(std::min(mEyeFrame, last)));
        DrawAtOwnPlace(mEyes);
    }
    DrawMeshAtOwnPlace(mBody);
    mHair.Draw();
    DrawAtOwnPlace(mFlower);
}
