#pragma once

#include "framework/ClassInfo.h"
#include "framework/MenuItem.h"
#include "framework/Object.h"

namespace fw {

// The application object: one per run, registered with the runtime.
class Application : public Object {
public:
    static const ClassInfo& Lookup_();

    Ref<MenuBar> GetMenuBar() const { return menuBar_; }
    void SetMenuBar(const Ref<MenuBar>& bar) { menuBar_ = bar; }

protected:
    Application() = default;

private:
    Ref<MenuBar> menuBar_;
};

} // namespace fw
