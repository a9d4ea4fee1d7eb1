#include "game/Util/HintArrow.h"

#include "engine/Util/CheckedInteger.h"
#include "engine/Util/Vector2.h"
#include "game/Util/AniMeshContainer.h"

#include <cmath>

HintArrow::HintArrow() = default;

HintArrow::~HintArrow() = default;

void HintArrow::Create()
{
    mContainer = std::make_unique<AniMeshContainer>();
}

void HintArrow::Load()
{
    if (!mContainer)
    {
        return;
    }
    mContainer->Load(kScript, true);
    // The arrow bobs for as long as it is shown.
    mContainer->SetLoop(1);
}

void HintArrow::Update(float dt)
{
    if (mContainer)
    {
        mContainer->Update(dt);
    }
}

void HintArrow::Draw(const Korrin::Vector2& target)
{
    if (!mContainer)
    {
        return;
    }
    mContainer->Draw(0, Korrin::CheckedInteger<int>(std::round(target.x + kOffsetX)),
                     Korrin::CheckedInteger<int>(std::round(target.y + kOffsetY)), false);
}

void HintArrow::Release()
{
    mContainer.reset();
}
