#pragma once

#include "engine/Util/Singleton.h"

#include <map>
#include <string>

namespace Korrin
{

// The translated texts: name -> text, read from XML tables ("strings.xml") and handed out as UTF-16 for
// drawing. Loads add to the table; a later entry of the same name wins.
class LocaleManager : public Singleton<LocaleManager>
{
public:
    LocaleManager();
    ~LocaleManager();

    static LocaleManager* GetInstance();

    // Adds the entries of a table file found through the file system (the name used as given).
    void Load(const std::string& fileName);

    // The text of that name in UTF-16; empty for an empty name, and after the report of a missing name
    // or of a text that is not valid UTF-8.
    std::u16string getStringByNameAsUtf16(const std::string& name) const;

    std::size_t GetCount() const { return mTexts.size(); }

private:
    void AddEntries(const std::string& fileName, const char* bytes, std::size_t size);

    // Name -> the text's UTF-8 bytes as the file gave them.
    std::map<std::string, std::string> mTexts;
};

} // namespace Korrin
