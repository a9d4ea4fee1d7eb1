#include "engine/Script/LocaleManager.h"

#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Log/ReportFileScope.h"

#include <iterator>
#include <pugixml.hpp>
#include <utf8cpp/utf8.h>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Script\\locale_manager";

// The value of the element's first child that is character data (text or CDATA); empty without one.
std::string Content(const pugi::xml_node& element)
{
    for (const pugi::xml_node child : element.children())
    {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
        {
            return child.value();
        }
    }
    return {};
}

} // namespace

LocaleManager::LocaleManager() = default;

LocaleManager::~LocaleManager() = default;

LocaleManager* LocaleManager::GetInstance()
{
    return CheckedInstance("LocaleManager::mSingleton==NULL", kEngineModule, kSource, 20);
}

void LocaleManager::Load(const std::string& fileName)
{
    FileData data;
    FileSysManager* files = FileSysManager::GetInstance();
    if (files == nullptr || !files->FindFileData(fileName, data, "rb"))
    {
        mDamagedFiles += (mDamagedFiles.empty() ? "" : ", ") + fileName;
        ReportAndBreak("File not load: " + fileName, kEngineModule, kSource, 32);
        return;
    }
    AddEntries(fileName, data.GetText(), data.GetSize());
}

void LocaleManager::AddEntries(const std::string& fileName, const char* bytes, std::size_t size)
{
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(bytes, size);
    if (!parsed)
    {
        // A damaged table adds nothing rather than whatever came before the damage.
        mDamagedFiles += (mDamagedFiles.empty() ? "" : ", ") + fileName;
        if (LogManager* log = LogManager::Peek())
        {
            log->Write("LocaleManager::Load %s: %s at byte %lld", fileName.c_str(), parsed.description(),
                       static_cast<long long>(parsed.offset));
        }
        return;
    }
    const auto file = static_cast<std::uint32_t>(mFileNames.size());
    mFileNames.push_back(fileName);
    const std::size_t before = mTexts.size();
    for (const pugi::xml_node entry : document.child("root").children())
    {
        if (entry.type() != pugi::node_element)
        {
            continue;
        }
        const std::string text = Content(entry.child("translate"));
        Entry converted;
        converted.file = file;
        converted.validUtf8 = utf8::is_valid(text.begin(), text.end());
        if (converted.validUtf8)
        {
            converted.text.reserve(text.size());
            utf8::utf8to16(text.begin(), text.end(), std::back_inserter(converted.text));
        }
        mTexts.insert_or_assign(Content(entry.child("text")), std::move(converted));
    }
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("LocaleManager::Load %s: %u texts, %u new", fileName.c_str(),
                   static_cast<unsigned>(mTexts.size()), static_cast<unsigned>(mTexts.size() - before));
    }
}

void LocaleManager::LogMissingName(std::string_view name) const
{
    LogManager* log = LogManager::Peek();
    if (log == nullptr)
    {
        return;
    }
    std::string files;
    for (const std::string& file : mFileNames)
    {
        files += (files.empty() ? "" : ", ") + file;
    }
    const std::string nameText(name);
    if (files.empty())
    {
        log->Write("LocaleManager: no text table is loaded, so there is no text named \"%s\"",
                   nameText.c_str());
        return;
    }
    log->Write("LocaleManager: %s: no text named \"%s\"", files.c_str(), nameText.c_str());
}

std::u16string_view LocaleManager::getStringByNameAsUtf16(std::string_view name) const
{
    if (name.empty())
    {
        return {};
    }
    const auto found = mTexts.find(name);
    if (found == mTexts.end())
    {
        LogMissingName(name);
        // With a damaged table loaded, a missing text is most likely its fault (it holds less than it
        // should).
        const ReportFileScope reportsOfTheTables(mDamagedFiles);
        const std::string message = "Don't find getStringByNameAsUtf16: " + std::string(name);
        if (LogManager* log = LogManager::Peek())
        {
            log->Write("%s", message.c_str());
        }
        ReportAndBreak(message, kEngineModule, kSource, 73);
        return {};
    }
    const Entry& entry = found->second;
    if (!entry.validUtf8)
    {
        if (LogManager* log = LogManager::Peek())
        {
            log->Write("LocaleManager: %s: the text named \"%s\" is not valid UTF-8",
                       mFileNames[entry.file].c_str(), found->first.c_str());
        }
        ReportAndBreak("No utf8", kEngineModule, kSource, 76);
        return {};
    }
    return entry.text;
}

} // namespace Korrin
