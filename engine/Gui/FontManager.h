#pragma once

#include "engine/Util/Singleton.h"

#include <map>
#include <memory>
#include <string>

namespace Korrin
{

class Font;

// The fonts by lower-cased file name, each loaded on its first request and kept to the end of the run.
class FontManager : public Singleton<FontManager>
{
public:
    FontManager();
    ~FontManager();

    static FontManager* GetInstance();

    // Never null: a file that fails to load still gives a font, which draws nothing.
    Font* GetFont(const std::string& fileName);

private:
    std::map<std::string, std::unique_ptr<Font>> mFonts;
};

} // namespace Korrin
