#pragma once

#include "framework/Object.h"

#include <string>
#include <string_view>

namespace fw {

class ClassInfo;

// A plain routine without arguments, such as the start-up routine.
using RoutineEntry = void (*)();
// An event handler's entry: called with the object that raised the event.
using MethodEntry = void (*)(Object* source);

// A routine, and for a method the object it is bound to. Callers take its
// entry and hand that on; the delegate itself is not kept.
class Delegate : public Object {
public:
    using Invoker = void (*)(Delegate&);

    // Invokers: Invoke calls a plain routine, IM_Invoke a method with its
    // bound target as the only argument.
    static void Invoke(Delegate& delegate);
    static void IM_Invoke(Delegate& delegate);

    static const ClassInfo& Lookup_();

    RoutineEntry Routine() const { return routine_; }
    MethodEntry Method() const { return method_; }
    const Ref<Object>& Target() const { return target_; }
    std::string_view Signature() const { return signature_; }
    void Call() { invoker_(*this); }

    // A new delegate for either kind of entry; nil when none can be made.
    static Ref<Delegate> Make(Invoker invoker, RoutineEntry routine, MethodEntry method, Ref<Object> target,
                              std::string_view signature);

private:
    Invoker invoker_ = nullptr;
    RoutineEntry routine_ = nullptr;
    MethodEntry method_ = nullptr;
    Ref<Object> target_;
    std::string signature_;
};

// A delegate for the routine or method; nil when none can be made.
Ref<Delegate> RuntimeCreateDelegate(Delegate::Invoker invoker, RoutineEntry routine, Ref<Object> target,
                                    std::string_view signature);
Ref<Delegate> RuntimeCreateDelegate(Delegate::Invoker invoker, MethodEntry method, Ref<Object> target,
                                    std::string_view signature);

} // namespace fw
