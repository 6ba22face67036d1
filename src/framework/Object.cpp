#include "framework/Object.h"

#include "framework/ClassInfo.h"

namespace fw {

namespace {
std::size_t liveObjects = 0;
}

Object::Object() { ++liveObjects; }

Object::~Object() { --liveObjects; }

void Object::Release() noexcept
{
    if (--refs_ == 0)
        delete this;
}

const ClassInfo& Object::Class() const
{
    return class_ ? *class_ : ObjectClass();
}

std::size_t Object::LiveCount() noexcept { return liveObjects; }

} // namespace fw
