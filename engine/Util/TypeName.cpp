#include "engine/Util/TypeName.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace Korrin
{

std::string DemangledTypeName(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(type.name());
}

} // namespace Korrin
