#pragma once

#include "engine/Util/Singleton.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace Korrin
{

// The translated texts: name -> text, read from XML tables ("strings.xml") and handed out as UTF-16 for
// drawing. Loads add to the table; a later entry of the same name wins. Texts are converted once, when
// their table loads, so drawing a caption every frame costs a look-up and nothing more.
class LocaleManager : public Singleton<LocaleManager>
{
public:
    LocaleManager();
    ~LocaleManager();

    static LocaleManager* GetInstance();

    // Adds the entries of a table file found through the file system (the name used as given).
    void Load(const std::string& fileName);

    // The text of that name in UTF-16, valid until the next load; empty for an empty name, and after the
    // report of a missing name or of a text that is not valid UTF-8.
    std::u16string_view getStringByNameAsUtf16(std::string_view name) const;

    std::size_t GetCount() const { return mTexts.size(); }

private:
    struct Entry
    {
        std::u16string text;
        // The table file the entry came from, for the log line before a report.
        std::uint32_t file = 0;
        bool validUtf8 = true;
    };

    void AddEntries(const std::string& fileName, const char* bytes, std::size_t size);
    void LogMissingName(std::string_view name) const;

    std::map<std::string, Entry, std::less<>> mTexts;
    std::vector<std::string> mFileNames;
    // The tables that could not be read, which the reports of missing texts are then caused by.
    std::string mDamagedFiles;
};

} // namespace Korrin
