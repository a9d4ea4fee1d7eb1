#pragma once

#include "game/Game/GamePanelPers.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersRunBuyer.h"
#include "game/Profile.h"
#include "tests/game/Entity/StoreLevelFixture.h"

#include <vector>

namespace TestSupport
{

// The store level's buyers (kinds 139, 140, 141 in turn unless the level file is changed) with their
// figures from the sample data, no money and a goal of ten carrots.
class BuyerLevelTest : public StoreLevelTest
{
protected:
    static constexpr float kFrame = 1.0f / 60.0f;
    static constexpr std::uint8_t kCarrot = 84;

    explicit BuyerLevelTest(const std::function<void(TableCost&, LevelFileBuilder&)>& prepare = {})
        : StoreLevelTest(prepare)
    {
        mLevel.GetPersManager()->Init();
        Task().money = 0;
        Task().ClearGoals();
        Task().AddGoal(kCarrot, 10);
    }

    PersManager& Characters() { return *mLevel.GetPersManager(); }
    // How many times the line stands in the log so far.
    std::size_t LogCount(const std::string& line)
    {
        const std::string text = LogText();
        std::size_t count = 0;
        for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        {
            ++count;
        }
        return count;
    }
    PersRunBuyer* Buyer(std::uint16_t number) { return Characters().GetBuyers().at(number); }
    // Goods on the shop's shelf, settled and set aside for nobody.
    void Put(std::size_t i, std::uint8_t goods)
    {
        StoreCell& cell = mShop->GetCells().GetCells()[i];
        cell.goods = goods;
        cell.buyer = 0;
        cell.animation = StoreCellManager::kFullValue;
        cell.fadeRate = 0.0f;
    }
    // The next frame tries to let a buyer in.
    void Admit()
    {
        Characters().SetAdmissionTimer(10.0f);
        mLevel.Update(kFrame);
    }
    std::vector<std::uint16_t> OnField()
    {
        std::vector<std::uint16_t> numbers;
        for (const auto& [number, buyer] : Characters().GetBuyers())
        {
            if (buyer->IsActive())
            {
                numbers.push_back(number);
            }
        }
        return numbers;
    }
    // The left button goes down over the buyer in this frame and the buyer is asked to take the click.
    bool ClickOn(PersRunBuyer& buyer)
    {
        buyer.SetHover(0);
        Platform::MouseInput& mouse = mRender.Services().Window().Mouse();
        mouse.SetButton(0, true);
        mInput.Update();
        const bool taken = buyer.TryClick();
        mouse.SetButton(0, false);
        mInput.Update();
        return taken;
    }

    Profile mProfile;
};

} // namespace TestSupport
