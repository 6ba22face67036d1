#pragma once

#include "framework/Object.h"

#include <string_view>

namespace fw {

// Sets every property that the packed list names on the object, entry by
// entry in list order, as assignments would. A list is a run of entries:
// the name, one blank, and the value in the width of the property's type
// (integer: 4 bytes big-endian; boolean: 1 byte, 00 or 01; colour: 3 bytes
// red, green, blue; text: a 4-byte big-endian length and the bytes). Names
// are matched without regard to letter case.
//
// The whole list is checked before anything is set: a name the object's
// class does not declare, a name given twice, a list that ends inside a name
// or a value, or a bad boolean byte raises PropertyListException and sets
// nothing.
void SetProperties_(const Ref<Object>& object, std::string_view list);

} // namespace fw
