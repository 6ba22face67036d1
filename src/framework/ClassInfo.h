#pragma once

#include "framework/Object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

enum class PropertyType { Integer, Boolean, Color, Text };

// A value on its way into a property: texts are borrowed from the caller.
using PropertyInput = std::variant<std::int32_t, bool, Color, std::string_view>;
// A value read back from a property.
using PropertyValue = std::variant<std::int32_t, bool, Color, std::string>;

struct Attribute {
    std::string_view name;
    std::string_view value; // empty for an attribute without a value
    friend bool operator==(const Attribute&, const Attribute&) = default;
};

// One entry of a class's table of virtual operations.
struct OperationInfo {
    std::string_view name;
    std::string_view parameters; // e.g. "Int32, Boolean"; empty for none
    std::string_view result;     // empty for none
    std::string_view implementedBy = {}; // filled in by the registry
};

// A member published to introspection.
struct MemberInfo {
    std::string_view name;
    std::string_view parameters;
    std::string_view result;
    std::vector<Attribute> attributes = {};
};

struct PropertyInfo {
    std::string_view name;
    PropertyType type;
    void (*set)(Object&, const PropertyInput&) = nullptr; // nil: read-only
    PropertyValue (*get)(const Object&) = nullptr;         // nil: write-only
    std::vector<Attribute> attributes = {};
};

// What a class is made of, as its author declares it. The registry turns it
// into a ClassInfo, filling in what is inherited.
struct ClassDeclaration {
    std::string_view name;
    const ClassInfo* base = nullptr;
    Object* (*create)() = nullptr; // nil for a class that cannot be made
    std::vector<OperationInfo> operations = {}; // own and overridden, in declaration order
    std::vector<std::string_view> overrides = {}; // names of base operations this class implements
    std::vector<MemberInfo> members = {};
    std::vector<PropertyInfo> properties = {};
    std::vector<std::string_view> events = {};        // declared by this class
    std::vector<std::string_view> handledEvents = {}; // base events this class implements
    std::vector<Attribute> attributes = {};
};

// A class description: the framework's record of a class, in the manner of a
// meta-object. C++ virtual functions do the dispatch; the description is what
// the runtime and its tools can inspect.
class ClassInfo {
public:
    explicit ClassInfo(ClassDeclaration declared);
    ClassInfo(const ClassInfo&) = delete;
    ClassInfo& operator=(const ClassInfo&) = delete;

    std::string_view Name() const { return declared_.name; }
    const ClassInfo* Base() const { return declared_.base; }
    bool IsA(const ClassInfo& other) const;

    // Every virtual operation, the base's first, in slot order.
    const std::vector<OperationInfo>& Slots() const { return slots_; }
    const std::vector<MemberInfo>& Members() const { return declared_.members; }
    const std::vector<PropertyInfo>& OwnProperties() const { return declared_.properties; }
    const std::vector<std::string_view>& Events() const { return declared_.events; }
    const std::vector<std::string_view>& HandledEvents() const { return declared_.handledEvents; }
    const std::vector<Attribute>& Attributes() const { return declared_.attributes; }

    // A property declared on this class or a base, found without regard to
    // letter case; nil when there is none.
    const PropertyInfo* FindProperty(std::string_view name) const;
    // The number of properties FindProperty can reach, and a property's
    // position among them (for readers that track which were set).
    std::size_t PropertyCount() const { return table_.size(); }
    std::size_t PropertyIndex(const PropertyInfo& property) const;

    Object* Create() const { return declared_.create ? declared_.create() : nullptr; }

private:
    ClassDeclaration declared_;
    std::vector<OperationInfo> slots_;
    std::vector<const PropertyInfo*> table_; // sorted by lower-case name
};

// The class of that name among those described so far, or nil.
const ClassInfo* FindClass(std::string_view qualifiedName);
// Every class described so far, in the order they were described.
std::vector<const ClassInfo*> DescribedClasses();

// Describes a class once: the first call builds the description, later calls
// return it. Each class's Lookup_ is written in terms of this.
template <class Build>
const ClassInfo& DescribeOnce(Build build)
{
    static const ClassInfo* info = nullptr;
    if (!info)
        info = &RegisterClass(build());
    return *info;
}
const ClassInfo& RegisterClass(ClassDeclaration declared);

// The root class.
const ClassInfo& ObjectClass();

// A new object of the class, fields zeroed, holding one reference for the
// caller; nil when the class cannot be made.
Ref<Object> RuntimeNewObject(const ClassInfo& info);

template <class T>
Ref<T> RuntimeNewObject()
{
    Ref<Object> object = RuntimeNewObject(T::Lookup_());
    return Ref<T>(static_cast<T*>(object.get()));
}

// The object as an instance of the class. Nil stays nil; an object of another
// class raises IllegalCastException.
Ref<Object> RuntimeCheckCast(const Ref<Object>& object, const ClassInfo& info);

template <class T, class U>
Ref<T> RuntimeCheckCast(const Ref<U>& object)
{
    Ref<Object> cast = RuntimeCheckCast(Ref<Object>(object.get()), T::Lookup_());
    return Ref<T>(dynamic_cast<T*>(cast.get()));
}

// Lower-case ASCII comparison, the framework's rule for identifiers.
bool SameIdentifier(std::string_view a, std::string_view b);
int CompareIdentifiers(std::string_view a, std::string_view b);

// Helpers for declaring properties from getter and setter member functions.
namespace detail {
template <class T> struct PropertyTypeOf;
template <> struct PropertyTypeOf<std::int32_t> { static constexpr PropertyType value = PropertyType::Integer; };
template <> struct PropertyTypeOf<bool> { static constexpr PropertyType value = PropertyType::Boolean; };
template <> struct PropertyTypeOf<Color> { static constexpr PropertyType value = PropertyType::Color; };
template <> struct PropertyTypeOf<std::string_view> { static constexpr PropertyType value = PropertyType::Text; };

template <class> struct SetterTraits;
template <class C, class V> struct SetterTraits<void (C::*)(V)> {
    using Class = C;
    using Value = V;
};
} // namespace detail

template <auto Setter, auto Getter = nullptr>
PropertyInfo Property(std::string_view name, std::vector<Attribute> attributes = {{"__Scope", "Public"}})
{
    using Traits = detail::SetterTraits<decltype(Setter)>;
    using C = typename Traits::Class;
    using V = typename Traits::Value;
    PropertyInfo info{name, detail::PropertyTypeOf<V>::value, nullptr, nullptr, std::move(attributes)};
    info.set = [](Object& object, const PropertyInput& value) {
        (static_cast<C&>(object).*Setter)(std::get<V>(value));
    };
    if constexpr (!std::is_same_v<decltype(Getter), std::nullptr_t>) {
        info.get = [](const Object& object) -> PropertyValue {
            if constexpr (std::is_same_v<V, std::string_view>)
                return std::string((static_cast<const C&>(object).*Getter)());
            else
                return (static_cast<const C&>(object).*Getter)();
        };
    }
    return info;
}

} // namespace fw
