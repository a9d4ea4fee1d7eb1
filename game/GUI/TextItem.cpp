#include "game/GUI/TextItem.h"

#include "engine/Gui/Text.h"
#include "engine/Log/LogManager.h"
#include "engine/Script/LocaleManager.h"

TextItem::TextItem() = default;

TextItem::~TextItem() = default;

void TextItem::Draw(Korrin::Rect clip)
{
    if (text == nullptr)
    {
        return;
    }
    text->mTextArea = Korrin::Rect{area.left + position.x, area.top + position.y, area.right + position.x,
                                   area.bottom + position.y};
    text->mClipRect = clip;
    text->Draw();
    text->mTextArea = area;
}

void TextItem::GetColour(Korrin::Colour& colour) const
{
    if (text != nullptr)
    {
        colour = text->mColour;
    }
}

void TextItem::SetColour(Korrin::Colour colour)
{
    if (text != nullptr)
    {
        text->SetColourV(colour);
    }
}

void TextItem::LoadData(const LuaValue& data)
{
    if (text != nullptr)
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write(" ! ДВА РАЗА ВЫЗОВ new в void TextItem::LoadData(LuaObject &obj) ");
        }
    }
    text = std::make_unique<Korrin::Text>();
    text->ReadScript(data);
    if (const Korrin::LocaleManager* locale = Korrin::LocaleManager::Peek(); locale != nullptr)
    {
        text->mCaption = std::u16string(locale->getStringByNameAsUtf16(text->GetCaptionName()));
    }
    area = text->mTextArea;
}
