#pragma once

#include "framework/ClassInfo.h"
#include "framework/Platform.h"

#include <string>
#include <type_traits>

// Declares a property that is a plain field of its class: setting it stores
// the value and tells the object's peer what changed.
namespace fw {

namespace detail {
template <class> struct FieldTraits;
template <class C, class V> struct FieldTraits<V C::*> {
    using Class = C;
    using Value = V;
};
template <class V> using InputOf = std::conditional_t<std::is_same_v<V, std::string>, std::string_view, V>;
} // namespace detail

template <auto Member, Aspects Shown>
PropertyInfo Field(std::string_view name, std::vector<Attribute> attributes = {{"__Scope", "Public"}})
{
    using C = typename detail::FieldTraits<decltype(Member)>::Class;
    using V = typename detail::FieldTraits<decltype(Member)>::Value;
    using In = detail::InputOf<V>;
    PropertyInfo info{name, detail::PropertyTypeOf<In>::value, nullptr, nullptr, std::move(attributes)};
    info.set = [](Object& object, const PropertyInput& value) {
        C& self = static_cast<C&>(object);
        self.*Member = V(std::get<In>(value));
        self.Changed(Shown);
    };
    info.get = [](const Object& object) -> PropertyValue { return static_cast<const C&>(object).*Member; };
    return info;
}

} // namespace fw
