#pragma once

#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"

#include <cstdint>
#include <string>

class LuaValue;

namespace Korrin
{

class Font;

// A caption ready to draw: font, text (UTF-16, or the name of a translated text), the area it is laid
// out in, alignment, colour, scales and an optional clip rectangle, read from a script table.
class Text
{
public:
    static constexpr std::uint32_t kAlignLeft = 1;
    static constexpr std::uint32_t kAlignRight = 2;
    static constexpr std::uint32_t kAlignCentreY = 4;
    static constexpr std::uint32_t kAlignCentreX = 8;
    static constexpr std::uint32_t kAlignTop = 16;
    static constexpr std::uint32_t kAlignBottom = 32;

    Text();
    // Reads the global table of that name from a script file.
    Text(const std::string& tableName, const std::string& fileName);
    virtual ~Text();
    Text(const Text&) = default;
    Text& operator=(const Text&) = default;

    virtual void SetColour(float red, float green, float blue, float alpha);
    virtual void SetColourV(const Colour& colour);

    void ReadScript(const LuaValue& table);
    void Draw();

    // The alignment flags of an "HAlign" or "VAlign" word (compared exactly); 0 for any other word.
    static std::uint32_t HorizontalFlag(const std::string& word);
    static std::uint32_t VerticalFlag(const std::string& word);

    // The name of the text entry in "strings.xml" that its owner looks up for the caption.
    const std::string& GetCaptionName() const { return mCaptionName; }
    void SetCaptionName(const std::string& name) { mCaptionName = name; }

    Font* mFont = nullptr;
    std::u16string mCaption;
    Rect mTextArea;
    Colour mColour{1.0f, 1.0f, 1.0f, 1.0f};
    std::uint32_t mFlags = 0;
    float mRatioX = 1.0f;
    float mRatioY = 1.0f;
    float mScaleX = 1.0f;
    float mScaleY = 1.0f;
    Rect mClipRect;

private:
    std::string mCaptionName;
};

} // namespace Korrin
