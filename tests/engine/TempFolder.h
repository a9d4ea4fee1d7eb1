#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace TestSupport
{

// A folder of files made by a test below its working folder, removed afterwards.
class TempFolder
{
public:
    explicit TempFolder(const std::string& name)
        : mPath(std::filesystem::current_path() / (name + "-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(mPath);
        std::filesystem::create_directories(mPath);
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(mPath, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return mPath.string(); }

    // Writes a file (making its folders) at a "/"-separated path below the folder.
    void Write(const std::string& relative, const std::string& bytes) const
    {
        const std::filesystem::path path = mPath / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::string Read(const std::string& relative) const
    {
        std::ifstream file(mPath / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path mPath;
};

} // namespace TestSupport
