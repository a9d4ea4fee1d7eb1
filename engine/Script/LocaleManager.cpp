#include "engine/Script/LocaleManager.h"

#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"

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
        if (LogManager* log = LogManager::Peek())
        {
            log->Write("LocaleManager::Load %s: %s at byte %lld", fileName.c_str(), parsed.description(),
                       static_cast<long long>(parsed.offset));
        }
        return;
    }
    const std::size_t before = mTexts.size();
    for (const pugi::xml_node entry : document.child("root").children())
    {
        if (entry.type() == pugi::node_element)
        {
            mTexts.insert_or_assign(Content(entry.child("text")), Content(entry.child("translate")));
        }
    }
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("LocaleManager::Load %s: %u texts, %u new", fileName.c_str(),
                   static_cast<unsigned>(mTexts.size()), static_cast<unsigned>(mTexts.size() - before));
    }
}

std::u16string LocaleManager::getStringByNameAsUtf16(const std::string& name) const
{
    if (name.empty())
    {
        return {};
    }
    const auto found = mTexts.find(name);
    if (found == mTexts.end())
    {
        const std::string message = "Don't find getStringByNameAsUtf16: " + name;
        if (LogManager* log = LogManager::Peek())
        {
            log->Write("%s", message.c_str());
        }
        ReportAndBreak(message, kEngineModule, kSource, 73);
        return {};
    }
    const std::string& text = found->second;
    if (!utf8::is_valid(text.begin(), text.end()))
    {
        ReportAndBreak("No utf8", kEngineModule, kSource, 76);
        return {};
    }
    std::u16string converted;
    converted.reserve(text.size());
    utf8::utf8to16(text.begin(), text.end(), std::back_inserter(converted));
    return converted;
}

} // namespace Korrin
