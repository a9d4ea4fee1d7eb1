#pragma once

#include "engine/Util/Rect.h"
#include "game/GUI/ViewItem.h"
#include "game/GUI/WindowDialog.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class LuaValue;

// The credits (window 4): pictures, animations and texts from "AboutGui.lua" that scroll under the
// window's slider, cut to a view rectangle and faded with the window.
class AboutGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 4;

    AboutGui();
    // Builds the window and reads its content.
    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // The items of "AboutViewData" and the two rectangles, from the running script's globals.
    void ReadContent(const LuaValue& items, const LuaValue& clipArea, const LuaValue& objectsArea);
    // The height of the content, the distance the slider scrolls it; 0 when its bottom lies above its top.
    std::uint32_t ScrollRange() const;

    WindowDialog& GetDialog() { return mDialog; }
    const std::vector<std::unique_ptr<ViewItem>>& GetItems() const { return mItems; }
    const Korrin::Rect& GetViewClipArea() const { return mViewClipArea; }

private:
    std::vector<std::unique_ptr<ViewItem>> mItems;
    WindowDialog mDialog;
    Korrin::Rect mViewClipArea{0.0f, 0.0f, 1024.0f, 768.0f};
    Korrin::Rect mObjectsArea{0.0f, 0.0f, 1024.0f, 768.0f};
    // Taken at the first draw.
    std::optional<std::uint32_t> mScrollRange;
};
