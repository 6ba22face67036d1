#include "framework/ClassInfo.h"

#include "framework/Exceptions.h"
#include "framework/FailureSeam.h"

#include <algorithm>
#include <deque>
#include <memory>

namespace fw {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Descriptions live as long as the process: objects point at them, and a
// description is never rebuilt.
std::deque<std::unique_ptr<ClassInfo>>& Registry()
{
    static std::deque<std::unique_ptr<ClassInfo>> registry;
    return registry;
}

} // namespace

int CompareIdentifiers(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = Lower(a[i]);
        const char y = Lower(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameIdentifier(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareIdentifiers(a, b) == 0;
}

ClassInfo::ClassInfo(ClassDeclaration declared) : declared_(std::move(declared))
{
    // Slots: the base's in its order; an own operation with the name and
    // parameters of a base slot takes that slot, any other is appended.
    if (declared_.base)
        slots_ = declared_.base->Slots();
    for (OperationInfo op : declared_.operations) {
        op.implementedBy = declared_.name;
        auto same = std::find_if(slots_.begin(), slots_.end(), [&](const OperationInfo& slot) {
            return slot.name == op.name && slot.parameters == op.parameters;
        });
        if (same != slots_.end())
            *same = op;
        else
            slots_.push_back(op);
    }
    for (std::string_view name : declared_.overrides)
        for (OperationInfo& slot : slots_)
            if (slot.name == name)
                slot.implementedBy = declared_.name;

    // Properties: own ones hide a base's of the same name.
    for (const PropertyInfo& property : declared_.properties)
        table_.push_back(&property);
    for (const ClassInfo* base = declared_.base; base; base = base->Base())
        for (const PropertyInfo& property : base->OwnProperties())
            if (std::none_of(table_.begin(), table_.end(),
                             [&](const PropertyInfo* p) { return SameIdentifier(p->name, property.name); }))
                table_.push_back(&property);
    std::sort(table_.begin(), table_.end(), [](const PropertyInfo* a, const PropertyInfo* b) {
        return CompareIdentifiers(a->name, b->name) < 0;
    });
}

bool ClassInfo::IsA(const ClassInfo& other) const
{
    for (const ClassInfo* c = this; c; c = c->Base())
        if (c == &other)
            return true;
    return false;
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const
{
    auto it = std::lower_bound(table_.begin(), table_.end(), name, [](const PropertyInfo* p, std::string_view n) {
        return CompareIdentifiers(p->name, n) < 0;
    });
    if (it != table_.end() && SameIdentifier((*it)->name, name))
        return *it;
    return nullptr;
}

std::size_t ClassInfo::PropertyIndex(const PropertyInfo& property) const
{
    // The table holds each property once: a scan of pointers is cheaper than
    // comparing names again.
    auto it = std::find(table_.begin(), table_.end(), &property);
    return static_cast<std::size_t>(it - table_.begin());
}

const ClassInfo& RegisterClass(ClassDeclaration declared)
{
    Registry().push_back(std::make_unique<ClassInfo>(std::move(declared)));
    return *Registry().back();
}

const ClassInfo* FindClass(std::string_view qualifiedName)
{
    for (const auto& info : Registry())
        if (info->Name() == qualifiedName)
            return info.get();
    return nullptr;
}

std::vector<const ClassInfo*> DescribedClasses()
{
    std::vector<const ClassInfo*> classes;
    for (const auto& info : Registry())
        classes.push_back(info.get());
    return classes;
}

const ClassInfo& ObjectClass()
{
    return DescribeOnce([] { return ClassDeclaration{.name = "Object"}; });
}

Object* NewInstanceOf(const ClassInfo& info)
{
    Object* object = info.Create();
    if (object)
        object->class_ = &info;
    return object;
}

Ref<Object> RuntimeNewObject(const ClassInfo& info)
{
    if (seam::ShouldFail("RuntimeNewObject", info.Name()))
        return nullptr;
    return Ref<Object>(NewInstanceOf(info));
}

Ref<Object> RuntimeCheckCast(const Ref<Object>& object, const ClassInfo& info)
{
    if (!object)
        return nullptr;
    if (!object->Class().IsA(info))
        throw IllegalCastException("an object of class " + std::string(object->Class().Name()) +
                                   " is not a " + std::string(info.Name()));
    return object;
}

} // namespace fw
