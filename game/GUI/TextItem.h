#pragma once

#include "game/GUI/ViewItem.h"

#include <memory>

namespace Korrin
{
class Text;
} // namespace Korrin

// A text of the credits, wrapped in its own area and cut at the clip rectangle.
class TextItem : public ViewItem
{
public:
    TextItem();
    ~TextItem() override;

    bool Update(float /*dt*/) override { return true; }
    void Draw(Korrin::Rect clip) override;
    void GetColour(Korrin::Colour& colour) const override;
    void SetColour(Korrin::Colour colour) override;
    // Reads the text's table; its caption names a translated text.
    void LoadData(const LuaValue& data) override;

    std::unique_ptr<Korrin::Text> text;
    Korrin::Rect area{0.0f, 0.0f, 0.0f, 0.0f};
};
