#include "app/MenuBar1.h"
#include "drill/Prodotina.h"
#include "drill/PropertyLists.h"
#include "framework/PropertyList.h"

namespace Prodotina {

void Prodotina::Layout()
{
    {
        // The menu bar the application already has: one object for the run.
        const fw::Ref<MenuBar1::MenuBar1> bar = MenuBar1::Instance();
        SetMenuBar(bar);
    }
    fw::SetProperties_(fw::Ref<fw::Object>(this), lists::kWindow.bytes);
}

} // namespace Prodotina
