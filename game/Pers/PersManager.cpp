#include "game/Pers/PersManager.h"

#include "game/Game/GamePanel.h"
#include "game/Game/GamePanelPers.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersThiefManager.h"

#include <algorithm>

namespace
{

constexpr std::uint8_t kGardenerCode = 5;
constexpr std::uint8_t kThiefCode = 136;

bool IsErrandBoyCode(std::uint8_t code)
{
    return code == 26 || code == 30 || code == 34 || code == 46 || code == 50 || code == 62;
}

bool IsFairyCode(std::uint8_t code)
{
    return code == 38 || code == 42 || code == 54 || code == 58 || code == 66;
}

} // namespace

PersManager::PersManager()
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
    mThiefManager = std::make_unique<PersThiefManager>();
}

PersManager::~PersManager() = default;

Pers* PersManager::CreatePers(std::uint8_t type)
{
    std::uint8_t characterType = Pers::kBuyer;
    if (type == kGardenerCode)
    {
        characterType = Pers::kGardener;
    }
    else if (IsErrandBoyCode(type))
    {
        characterType = Pers::kErrandBoy;
    }
    else if (IsFairyCode(type))
    {
        characterType = Pers::kFairy;
    }
    else if (type == kThiefCode)
    {
        characterType = Pers::kThief;
    }
    auto character = std::make_unique<Pers>(characterType, type);
    if (characterType == Pers::kBuyer)
    {
        character->SetActive(false);
    }
    mCharacters.push_back(std::move(character));
    return mCharacters.back().get();
}

bool PersManager::IsCellTaken(std::int32_t i, std::int32_t j) const
{
    return std::any_of(mCharacters.begin(), mCharacters.end(),
                       [i, j](const std::unique_ptr<Pers>& character)
                       {
                           std::int32_t I = 0;
                           std::int32_t J = 0;
                           character->GetIJ(I, J);
                           return character->IsSwitchedOn() && I == i && J == j;
                       });
}

void PersManager::Init()
{
    for (auto& character : mCharacters)
    {
        character->Init();
    }
}

void PersManager::Reset()
{
    for (auto& character : mCharacters)
    {
        character->Reset();
    }
}

bool PersManager::Update(float dt)
{
    for (auto& character : mCharacters)
    {
        if (character->IsActive())
        {
            character->Update(dt);
        }
    }
    return true;
}

void PersManager::Draw()
{
    if (mDrawCount != 1)
    {
        return;
    }
    for (auto& character : mCharacters)
    {
        if (character->IsActive())
        {
            character->Draw();
        }
    }
}

bool PersManager::IsPersWalkIdle(Korrin::Vector2* position) const
{
    for (const auto& pers : mCharacters)
    {
        if (pers->GetType() == Pers::kFairy && pers->IsSwitchedOn() &&
            pers->GetAnimationName() == "walk_idle")
        {
            if (position != nullptr)
            {
                *position = pers->GetPosition();
            }
            return true;
        }
    }
    return false;
}

void PersManager::BuyerEntered()
{
    ++mBuyersOnField;
    if (GamePanel* panel = GamePanel::Peek())
    {
        panel->GetPers().StartSlide();
    }
}
