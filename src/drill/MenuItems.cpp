#include "drill/Prodotina.h"

namespace Prodotina {

template <class T>
fw::Ref<T> Prodotina::MenuItemNamed(std::string_view name)
{
    // Whatever menu bar the window has now: nothing is cached.
    const fw::Ref<fw::MenuBar> bar = GetMenuBar();
    if (!bar)
        fw::RaiseNilObjectException();
    const fw::Ref<fw::MenuItem> found = bar->Lookup_(name);
    return fw::RuntimeCheckCast<T>(found);
}

fw::Ref<fw::MenuItem> Prodotina::EditMenu() { return MenuItemNamed<fw::MenuItem>("EditMenu"); }
fw::Ref<fw::MenuItem> Prodotina::EditSelectAll() { return MenuItemNamed<fw::MenuItem>("EditSelectAll"); }
fw::Ref<fw::MenuItem> Prodotina::UntitledMenu0() { return MenuItemNamed<fw::MenuItem>("UntitledMenu0"); }
fw::Ref<fw::MenuItem> Prodotina::EditClear() { return MenuItemNamed<fw::MenuItem>("EditClear"); }
fw::Ref<fw::MenuItem> Prodotina::EditPaste() { return MenuItemNamed<fw::MenuItem>("EditPaste"); }
fw::Ref<fw::MenuItem> Prodotina::EditCopy() { return MenuItemNamed<fw::MenuItem>("EditCopy"); }
fw::Ref<fw::MenuItem> Prodotina::EditCut() { return MenuItemNamed<fw::MenuItem>("EditCut"); }
fw::Ref<fw::MenuItem> Prodotina::UntitledMenu1() { return MenuItemNamed<fw::MenuItem>("UntitledMenu1"); }
fw::Ref<fw::MenuItem> Prodotina::EditUndo() { return MenuItemNamed<fw::MenuItem>("EditUndo"); }
fw::Ref<fw::MenuItem> Prodotina::FileMenu() { return MenuItemNamed<fw::MenuItem>("FileMenu"); }
fw::Ref<fw::QuitMenuItem> Prodotina::FileQuit() { return MenuItemNamed<fw::QuitMenuItem>("FileQuit"); }

} // namespace Prodotina
