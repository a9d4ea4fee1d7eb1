#include "engine/Gui/FontManager.h"

#include "engine/Gui/Font.h"
#include "engine/Util/ValueText.h"

namespace Korrin
{

FontManager::FontManager() = default;

FontManager::~FontManager() = default;

FontManager* FontManager::GetInstance()
{
    return CheckedInstance("FontManager::mSingleton==NULL", kEngineModule, "Source\\Gui\\FontManager", 11);
}

Font* FontManager::GetFont(const std::string& fileName)
{
    const std::string name = ToLower(fileName);
    auto found = mFonts.find(name);
    if (found == mFonts.end())
    {
        found = mFonts.emplace(name, std::make_unique<Font>(name)).first;
    }
    return found->second.get();
}

} // namespace Korrin
