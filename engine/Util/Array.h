#pragma once

#include "engine/Log/ReportAssert.h"
#include "engine/Util/ValueText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace Korrin
{

// The engine's growable array: a buffer, its capacity and the count in use. An array given a debug
// name logs its growth and release to "Array.log".
template <typename T>
class Array
{
public:
    Array() = default;
    explicit Array(std::string name) : mName(std::move(name)) {}
    ~Array() = default;
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;

    T& operator[](std::uint32_t index)
    {
        if (index >= mUsed)
        {
            ReportAndBreak("index>size index=" + ToString(index) + "mUsed=" + ToString(mUsed) + " " + mName,
                           kEngineModule, "util/Array.h", 174);
            return Fallback();
        }
        return mData[index];
    }

    const T& operator[](std::uint32_t index) const { return const_cast<Array&>(*this)[index]; }

    void Add(const T& value)
    {
        if (mUsed + 1 > mCapacity)
        {
            Reallocate(2 * mUsed + 1);
        }
        mData[mUsed] = value;
        ++mUsed;
    }

    void Reallocate(std::uint32_t capacity)
    {
        std::unique_ptr<T[]> data(new T[capacity]()); // growth adds zeroed elements
        std::copy_n(mData.get(), std::min(mUsed, capacity), data.get());
        mData = std::move(data);
        mCapacity = capacity;
        mUsed = std::min(mUsed, capacity);
        LogNamed("Reallocate = " + mName + "\n");
    }

    void Free()
    {
        mData.reset();
        mCapacity = 0;
        mUsed = 0;
        LogNamed(mName + "\n");
    }

    std::uint32_t Size() const { return mUsed; }
    std::uint32_t Capacity() const { return mCapacity; }
    const std::string& Name() const { return mName; }
    T* begin() { return mData.get(); }
    T* end() { return mData.get() + mUsed; }

private:
    void LogNamed(const std::string& line) const
    {
        if (mName.empty())
        {
            return;
        }
        if (std::FILE* log = std::fopen("Array.log", "a+"); log != nullptr)
        {
            std::fputs(line.c_str(), log);
            std::fclose(log);
        }
    }

    // What a read past the end yields when a debugger goes on past the report.
    static T& Fallback()
    {
        static T fallback{};
        fallback = T{};
        return fallback;
    }

    std::unique_ptr<T[]> mData;
    std::uint32_t mCapacity = 0;
    std::uint32_t mUsed = 0;
    std::string mName;
};

} // namespace Korrin
