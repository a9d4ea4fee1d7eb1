#include "engine/Log/ReportFileScope.h"

#include "engine/Log/LogManager.h"

#include <algorithm>
#include <iterator>
#include <mutex>
#include <set>
#include <vector>

namespace Korrin
{

namespace
{

struct Scope
{
    const void* owner;
    std::string_view file;
};

// The scopes alive on this thread, oldest first. A scope leaves from wherever it stands, so scopes that
// end out of order (two scripts of one function) leave the others right.
thread_local std::vector<Scope> tScopes;

// The files that have asked, for the log they were asked under: a new log (a new run of the engine)
// asks again.
struct Asked
{
    std::mutex lock;
    const LogManager* log = nullptr;
    std::set<std::string> files;
};

Asked& AskedFiles()
{
    static Asked asked;
    return asked;
}

// The same file under its other spellings (a folder before it, other capitals) is one file.
std::string FileKey(std::string_view file)
{
    const std::size_t slash = file.find_last_of("/\\");
    std::string key(slash == std::string_view::npos ? file : file.substr(slash + 1));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return key;
}

bool FirstReportAbout(const LogManager* log, const std::string& key)
{
    Asked& asked = AskedFiles();
    const std::lock_guard<std::mutex> hold(asked.lock);
    if (asked.log != log)
    {
        asked.log = log;
        asked.files.clear();
    }
    return asked.files.insert(key).second;
}

} // namespace

ReportFileScope::ReportFileScope(std::string_view file)
{
    Enter(this, file);
}

ReportFileScope::~ReportFileScope()
{
    Leave(this);
}

void ReportFileScope::Enter(const void* owner, std::string_view file)
{
    Leave(owner);
    tScopes.push_back(Scope{owner, file});
}

void ReportFileScope::Leave(const void* owner)
{
    const auto found = std::find_if(tScopes.rbegin(), tScopes.rend(),
                                    [owner](const Scope& scope) { return scope.owner == owner; });
    if (found != tScopes.rend())
    {
        tScopes.erase(std::next(found).base());
    }
}

bool ReportFileScope::LoggedOnly(const std::string& description)
{
    LogManager* log = LogManager::Peek();
    if (tScopes.empty() || tScopes.back().file.empty() || log == nullptr)
    {
        return false;
    }
    const std::string file(tScopes.back().file);
    if (FirstReportAbout(log, FileKey(file)))
    {
        return false;
    }
    log->Write("Report (not asked again, its file %s is damaged): %s", file.c_str(), description.c_str());
    return true;
}

} // namespace Korrin
