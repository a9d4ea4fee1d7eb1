#include "game/ClipText.h"

#include "engine/App/TimerManager.h"
#include "engine/Gui/Text.h"
#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/Util/AniMeshContainer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace
{

constexpr float kScreenWidth = 1024.0f;
constexpr float kScreenHeight = 768.0f;

} // namespace

ClipText::ClipText(Timeline timeline)
    : mCaption(std::make_unique<Korrin::Text>("Text", kCaptionFile)), mTimeline(std::move(timeline)),
      mShown(mTimeline.phases.size(), false)
{
}

ClipText::~ClipText() = default;

void ClipText::Init()
{
    LoadTexts();
    for (const std::string& file : mTimeline.animations)
    {
        auto animation = std::make_unique<AniMeshContainer>();
        animation->Load(file, true);
        mAnimations.push_back(std::move(animation));
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mCover = sprites->CreateSprite(Korrin::Sprite::kNoImage);
        mCover->SetSrcRect(0, 0, static_cast<int>(kScreenWidth), static_cast<int>(kScreenHeight));
        mCover->SetColour(0.0f, 0.0f, 0.0f, 0.0f);
    }
}

void ClipText::LoadTexts()
{
    Korrin::LuaScript script;
    script.LoadFile(kTextFile, Korrin::LuaScript::IfMissing::Report);
    for (const std::string& key : mTimeline.textKeys)
    {
        Korrin::LuaStackGuard guard(script.GetState());
        const LuaValue text = script.GetGlobal(key.c_str());
        mTexts.push_back(text.IsString() ? text.ToString() : std::string());
    }
}

void ClipText::Release()
{
    mAnimations.clear();
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
        sprites != nullptr && mCover != nullptr)
    {
        sprites->DeleteSprite(mCover);
    }
    mCover = nullptr;
}

bool ClipText::Update()
{
    const Korrin::TimerManager* timer = Korrin::TimerManager::Peek();
    return Advance(timer != nullptr ? timer->GetDelta() : 0.0f);
}

bool ClipText::Advance(float dt)
{
    dt = std::fabs(dt);
    mTime += dt;

    const int phase = CurrentPhase();
    std::fill(mShown.begin(), mShown.end(), false);
    bool running = false;
    if (phase >= 0)
    {
        mShown[static_cast<std::size_t>(phase)] = true;
        if (AniMeshContainer* animation = Animation(static_cast<std::size_t>(phase)))
        {
            running = animation->Update(dt);
        }
    }
    for (const TextWindow& window : mTimeline.texts)
    {
        if (mTime > window.from && mTime < window.to)
        {
            mTextIndex = window.index;
        }
    }
    UpdateCaptionFade(dt);
    if (mTimeline.cover.Holds(mTime))
    {
        mCoverAlpha = std::min(mCoverAlpha + dt, 1.0f);
        if (mCover != nullptr)
        {
            mCover->SetColour(0.0f, 0.0f, 0.0f, mCoverAlpha);
        }
    }
    Step(dt, phase);
    return !IsOver(running);
}

void ClipText::UpdateCaptionFade(float dt)
{
    const bool inWindow =
        std::any_of(mTimeline.texts.begin(), mTimeline.texts.end(),
                    [this](const TextWindow& window) { return mTime > window.from && mTime < window.to; });
    if (inWindow)
    {
        mTextColour.alpha = std::min(mTextColour.alpha + dt, 1.0f);
        return;
    }
    const bool fading = std::any_of(mTimeline.textFades.begin(), mTimeline.textFades.end(),
                                    [this](const Span& span) { return span.Holds(mTime); });
    if (fading)
    {
        mTextColour.alpha = std::max(mTextColour.alpha - dt, 0.0f);
    }
}

bool ClipText::IsOver(bool /*running*/) const
{
    return mTime > mTimeline.end;
}

int ClipText::CurrentPhase() const
{
    for (std::size_t index = 0; index < mTimeline.phases.size(); ++index)
    {
        const Phase& phase = mTimeline.phases[index];
        if (mTime >= phase.from && mTime < phase.to)
        {
            return static_cast<int>(index);
        }
    }
    return -1;
}

float ClipText::GetCoverAlpha() const
{
    return mCoverAlpha;
}

AniMeshContainer* ClipText::Animation(std::size_t index) const
{
    return index < mAnimations.size() ? mAnimations[index].get() : nullptr;
}

Korrin::AnimatedMesh* ClipText::Part(std::size_t animation, int part) const
{
    AniMeshContainer* container = Animation(animation);
    AniMeshContainer::Entity* entity = container != nullptr ? container->GetEntity(part) : nullptr;
    return entity != nullptr ? entity->mesh : nullptr;
}

void ClipText::Draw()
{
    for (std::size_t index = 0; index < mAnimations.size(); ++index)
    {
        if (IsShown(index))
        {
            mAnimations[index]->Draw(0, 0, 0, false);
        }
    }
    DrawCover();
    DrawCaption();
}

void ClipText::DrawCover()
{
    if (mCover != nullptr)
    {
        mCover->Draw(0, 0);
    }
}

// A dark rim round the light caption, drawn as copies nudged all round it, so that it reads over light
// roads and skies as well as over dark hedges.
void ClipText::DrawCaptionOutline(float alpha)
{
    constexpr float kRim = 2.0f;
    constexpr float kDiagonal = 1.5f;
    constexpr std::array<std::array<float, 2>, 8> kNudges{{{-kRim, 0.0f},
                                                           {kRim, 0.0f},
                                                           {0.0f, -kRim},
                                                           {0.0f, kRim},
                                                           {-kDiagonal, -kDiagonal},
                                                           {kDiagonal, -kDiagonal},
                                                           {-kDiagonal, kDiagonal},
                                                           {kDiagonal, kDiagonal}}};
    const Korrin::Rect area = mCaption->mTextArea;
    // The copies overlap, so while the caption fades they fade faster, not to muddy it.
    mCaption->SetColourV(Korrin::Colour{0.18f, 0.11f, 0.05f, alpha * alpha * 0.9f});
    for (const auto& nudge : kNudges)
    {
        mCaption->mTextArea = area;
        mCaption->mTextArea.left += nudge[0];
        mCaption->mTextArea.right += nudge[0];
        mCaption->mTextArea.top += nudge[1];
        mCaption->mTextArea.bottom += nudge[1];
        mCaption->Draw();
    }
    mCaption->mTextArea = area;
}

std::u16string_view ClipText::CaptionText() const
{
    if (mTextIndex < 0 || static_cast<std::size_t>(mTextIndex) >= mTexts.size())
    {
        return {};
    }
    const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek();
    return locale != nullptr ? locale->getStringByNameAsUtf16(mTexts[static_cast<std::size_t>(mTextIndex)])
                             : std::u16string_view();
}

void ClipText::DrawCaption()
{
    if (mTextIndex < 0 || mCaption == nullptr)
    {
        return;
    }
    const Korrin::Colour own = mCaption->mColour;
    Korrin::Colour faded = own;
    faded.alpha *= mTextColour.alpha;
    mCaption->SetCaptionName({});
    mCaption->mCaption = CaptionText();
    DrawCaptionOutline(faded.alpha);
    mCaption->SetColourV(faded);
    mCaption->Draw();
    mCaption->mCaption.clear();
    mCaption->SetColourV(own);
}

namespace
{

// Vertex k of a mesh's grid, counted row by row.
Korrin::Vertex& GridVertexAt(Korrin::AnimatedMesh& mesh, std::uint16_t index)
{
    const std::uint16_t columns = mesh.GetVertexColumns();
    return mesh.GridVertex(static_cast<std::uint16_t>(index / columns),
                           static_cast<std::uint16_t>(index % columns));
}

} // namespace

bool PartMiddle(Korrin::AnimatedMesh& mesh, float& x, float& y)
{
    if (mesh.GetVertexCount() < 4)
    {
        return false;
    }
    const Korrin::Vertex& second = GridVertexAt(mesh, 1);
    const Korrin::Vertex& third = GridVertexAt(mesh, 2);
    x = (second.x + third.x) * 0.5f;
    y = (second.y + third.y) * 0.5f;
    return true;
}

void TurnPart(Korrin::AnimatedMesh& mesh, float angle)
{
    float centreX = 0.0f;
    float centreY = 0.0f;
    if (!PartMiddle(mesh, centreX, centreY))
    {
        return;
    }
    const float cosine = std::cos(angle);
    const float sine = std::sin(angle);
    for (std::uint16_t index = 0; index < 4; ++index)
    {
        Korrin::Vertex& vertex = GridVertexAt(mesh, index);
        const float dx = vertex.x - centreX;
        const float dy = vertex.y - centreY;
        vertex.x = centreX + dx * cosine - dy * sine;
        vertex.y = centreY + dx * sine + dy * cosine;
    }
}
