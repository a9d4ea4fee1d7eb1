#pragma once

#include <string>
#include <typeinfo>

namespace Korrin
{

// The readable name of a type ("int", "Korrin::Rect"), from its run-time type information.
std::string DemangledTypeName(const std::type_info& type);

template <typename T>
std::string TypeName()
{
    return DemangledTypeName(typeid(T));
}

} // namespace Korrin
