#include "framework/PropertyList.h"

#include "framework/ClassInfo.h"
#include "framework/Control.h"
#include "framework/Exceptions.h"
#include "framework/Window.h"

#include <bitset>
#include <string>
#include <vector>

namespace fw {

namespace {

// Enough for any class's table; a class with more properties is refused.
constexpr std::size_t kMaxProperties = 256;

std::uint32_t ReadUInt32(std::string_view bytes, std::size_t at)
{
    return std::uint32_t{static_cast<std::uint8_t>(bytes[at])} << 24 |
           std::uint32_t{static_cast<std::uint8_t>(bytes[at + 1])} << 16 |
           std::uint32_t{static_cast<std::uint8_t>(bytes[at + 2])} << 8 |
           std::uint32_t{static_cast<std::uint8_t>(bytes[at + 3])};
}

[[noreturn]] void Refuse(std::string_view what, std::string_view name, std::size_t offset)
{
    std::string message(what);
    if (!name.empty()) {
        message += " (property \"";
        message += name;
        message += "\")";
    }
    message += " at byte ";
    message += std::to_string(offset);
    throw PropertyListException(std::move(message));
}

struct Entry {
    const PropertyInfo* property;
    PropertyInput value;
};

// Reads the entry that starts at `at`, checking everything about it; moves
// `at` past it.
Entry ReadEntry(const ClassInfo& info, std::string_view list, std::size_t& at)
{
    const std::size_t start = at;
    const std::size_t blank = list.find(' ', at);
    if (blank == std::string_view::npos)
        Refuse("the list ends inside a name", list.substr(start), start);
    const std::string_view name = list.substr(start, blank - start);
    if (name.empty())
        Refuse("an entry has no name", {}, start);
    const PropertyInfo* property = info.FindProperty(name);
    if (!property)
        Refuse("the class " + std::string(info.Name()) + " has no such property", name, start);
    if (!property->set)
        Refuse("the property cannot be set", name, start);

    at = blank + 1;
    const std::size_t remaining = list.size() - at;
    auto need = [&](std::size_t width) {
        if (remaining < width)
            Refuse("the list ends inside a value", name, at);
    };
    Entry entry{property, {}};
    switch (property->type) {
    case PropertyType::Integer:
        need(4);
        entry.value = static_cast<std::int32_t>(ReadUInt32(list, at));
        at += 4;
        break;
    case PropertyType::Boolean: {
        need(1);
        const auto byte = static_cast<std::uint8_t>(list[at]);
        if (byte > 1)
            Refuse("a boolean is neither 00 nor 01", name, at);
        entry.value = byte == 1;
        at += 1;
        break;
    }
    case PropertyType::Color:
        need(3);
        entry.value = Color{static_cast<std::uint8_t>(list[at]), static_cast<std::uint8_t>(list[at + 1]),
                            static_cast<std::uint8_t>(list[at + 2])};
        at += 3;
        break;
    case PropertyType::Text: {
        need(4);
        const std::uint32_t length = ReadUInt32(list, at);
        if (length > remaining - 4)
            Refuse("a text is longer than the rest of the list", name, at);
        entry.value = list.substr(at + 4, length);
        at += 4 + length;
        break;
    }
    }
    return entry;
}

// Opens one update on whatever shows the object, so that its peer hears of
// the whole list at once.
class UpdateScope {
public:
    explicit UpdateScope(Object& object)
        : control_(dynamic_cast<RectControl*>(&object)), window_(dynamic_cast<Window*>(&object))
    {
        if (control_)
            control_->BeginUpdate();
        if (window_)
            window_->BeginUpdate();
    }
    ~UpdateScope()
    {
        if (control_)
            control_->EndUpdate();
        if (window_)
            window_->EndUpdate();
    }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    RectControl* control_;
    Window* window_;
};

} // namespace

void SetProperties_(const Ref<Object>& object, std::string_view list)
{
    if (!object)
        RaiseNilObjectException();
    const ClassInfo& info = object->Class();
    if (info.PropertyCount() > kMaxProperties)
        throw PropertyListException("the class " + std::string(info.Name()) + " has too many properties");

    // First pass: the whole list must be sound before anything is set. As no
    // property may be named twice, a sound list has at most one entry per
    // property; what was read is kept for the second pass.
    std::bitset<kMaxProperties> seen;
    std::vector<Entry> entries;
    entries.reserve(info.PropertyCount());
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t start = at;
        const Entry entry = ReadEntry(info, list, at);
        const std::size_t index = info.PropertyIndex(*entry.property);
        if (seen.test(index))
            Refuse("the property is named twice", entry.property->name, start);
        seen.set(index);
        entries.push_back(entry);
    }

    // Second pass: set each property, in list order.
    UpdateScope update(*object);
    for (const Entry& entry : entries)
        entry.property->set(*object, entry.value);
}

} // namespace fw
