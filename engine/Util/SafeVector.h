#pragma once

#include "engine/Log/ReportAssert.h"
#include "engine/Util/TypeName.h"
#include "engine/Util/ValueText.h"

#include <string>
#include <vector>

namespace Korrin
{

// A vector whose indexing is checked: an index past the end is reported with the element type and the
// vector's debug name.
template <typename T>
class SafeVector
{
public:
    SafeVector() = default;
    explicit SafeVector(std::string name) : mName(std::move(name)) {}

    T& operator[](std::size_t index)
    {
        if (index >= mElements.size())
        {
            ReportAndBreak("index>size index=" + ToString(static_cast<unsigned int>(index)) +
                               "size=" + ToString(static_cast<unsigned int>(mElements.size())) + " " +
                               TypeName<T>() + "," + mName,
                           kEngineModule, "util/SafeVector.h", 23);
            return Fallback();
        }
        return mElements[index];
    }

    const T& operator[](std::size_t index) const { return const_cast<SafeVector&>(*this)[index]; }

    std::vector<T>& Elements() { return mElements; }
    const std::vector<T>& Elements() const { return mElements; }
    std::size_t size() const { return mElements.size(); }
    bool empty() const { return mElements.empty(); }
    void push_back(const T& value) { mElements.push_back(value); }
    void clear() { mElements.clear(); }
    auto begin() { return mElements.begin(); }
    auto end() { return mElements.end(); }
    auto begin() const { return mElements.begin(); }
    auto end() const { return mElements.end(); }
    const std::string& Name() const { return mName; }

private:
    // What a read past the end yields when a debugger goes on past the report.
    static T& Fallback()
    {
        static T fallback{};
        fallback = T{};
        return fallback;
    }

    std::vector<T> mElements;
    std::string mName;
};

} // namespace Korrin
