#pragma once

#include <string>

namespace Korrin
{

class FileData;

// A place files are read from. The engine has one kind, the local disk (FileSysLocal).
class FileSystem
{
public:
    FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;
    virtual ~FileSystem() = default;

    // The kind's name.
    virtual const std::string& GetName() const = 0;
    // Reads the whole file into data; false when it cannot be read.
    virtual bool ReadFile(const std::string& path, FileData& data, const char* mode) = 0;
    // Indexes the files of one folder by their lower-cased names.
    virtual void DirGetFiles(const std::string& folder) = 0;
    // The indexed folder + "/" + name of a file; empty when it is not indexed.
    virtual std::string FindFile(const std::string& name) = 0;
};

} // namespace Korrin
