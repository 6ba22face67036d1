#pragma once

#include "framework/Exceptions.h"
#include "framework/Object.h"

// A call through a reference that the code does not test first: using nil
// raises NilObjectException, as everywhere in the framework, rather than
// crashing the process.
template <class T>
T& RequireObject(const fw::Ref<T>& ref)
{
    if (!ref)
        fw::RaiseNilObjectException();
    return *ref;
}
