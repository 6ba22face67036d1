#pragma once

#include "framework/Control.h"
#include "framework/Delegate.h"

namespace fw {

// A button. Its Action event is bound per button: each instance keeps the
// entry of its own handler.
class PushButton : public TextControl {
public:
    static const ClassInfo& Lookup_();

    std::string_view Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    bool Default() const { return default_; }
    bool Cancel() const { return cancel_; }

    // Raises the Action event: calls the bound entry with the button, if one
    // is bound.
    void CallAction_();
    MethodEntry ActionEntry() const { return action_; }

    // The toolkit reports a press; a hidden or disabled button ignores it.
    void Push();

private:
    friend void InstallInstanceEventHandler_(const Ref<PushButton>&, std::string_view, MethodEntry);
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
    MethodEntry action_ = nullptr;
};

// Binds the button's event to the entry; a nil entry leaves it unbound.
// PushButton has one event, "Action"; another name raises
// InvalidArgumentException.
void InstallInstanceEventHandler_(const Ref<PushButton>& button, std::string_view event, MethodEntry entry);

// The first step of a bound handler, which is called with the control that
// raised the event: the control becomes the event source (me) and its window
// the object the handler works on (self).
void RuntimeSwapSelfAndMe(Ref<Object>& self, Ref<Object>& me);

// The entry of a window method bound to a control's event: it runs Handler on
// the control's window, found through the control.
template <class W, void (W::*Handler)()>
void BoundHandler(Object* source)
{
    Ref<Object> self(source);
    Ref<Object> me;
    RuntimeSwapSelfAndMe(self, me);
    Ref<W> window = RuntimeCheckCast<W>(self);
    ((*window).*Handler)();
}

} // namespace fw
