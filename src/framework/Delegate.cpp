#include "framework/Delegate.h"

#include "framework/ClassInfo.h"
#include "framework/FailureSeam.h"

namespace fw {

void Delegate::Invoke(Delegate& delegate)
{
    if (delegate.routine_)
        delegate.routine_();
}

void Delegate::IM_Invoke(Delegate& delegate)
{
    if (delegate.method_)
        delegate.method_(delegate.target_.get());
}

const ClassInfo& Delegate::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "Delegate",
            .base = &ObjectClass(),
            .create = []() -> Object* { return new Delegate(); },
            .operations = {{"Invoke", "", ""}, {"IM_Invoke", "", ""}},
        };
    });
}

Ref<Delegate> Delegate::Make(Invoker invoker, RoutineEntry routine, MethodEntry method, Ref<Object> target,
                            std::string_view signature)
{
    if (seam::ShouldFail("RuntimeCreateDelegate"))
        return nullptr;
    Ref<Delegate> delegate = RuntimeNewObject<Delegate>();
    if (delegate) {
        delegate->invoker_ = invoker;
        delegate->routine_ = routine;
        delegate->method_ = method;
        delegate->target_ = std::move(target);
        delegate->signature_ = signature;
    }
    return delegate;
}

Ref<Delegate> RuntimeCreateDelegate(Delegate::Invoker invoker, RoutineEntry routine, Ref<Object> target,
                                    std::string_view signature)
{
    return Delegate::Make(invoker, routine, nullptr, std::move(target), signature);
}

Ref<Delegate> RuntimeCreateDelegate(Delegate::Invoker invoker, MethodEntry method, Ref<Object> target,
                                    std::string_view signature)
{
    return Delegate::Make(invoker, nullptr, method, std::move(target), signature);
}

} // namespace fw
