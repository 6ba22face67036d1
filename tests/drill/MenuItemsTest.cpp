#include "DrillFixture.h"

#include "app/MenuBar1.h"
#include "framework/Exceptions.h"

#include <functional>

namespace {

using Window = Prodotina::Prodotina;

struct Accessor {
    const char* name;
    const char* text;
    std::function<fw::Ref<fw::MenuItem>(Window&)> call;
};

const Accessor kAccessors[] = {
    {"EditMenu", "Modifica", &Window::EditMenu},
    {"EditSelectAll", "Seleziona tutto", &Window::EditSelectAll},
    {"UntitledMenu0", "-", &Window::UntitledMenu0},
    {"EditClear", "Elimina", &Window::EditClear},
    {"EditPaste", "Incolla", &Window::EditPaste},
    {"EditCopy", "Copia", &Window::EditCopy},
    {"EditCut", "Taglia", &Window::EditCut},
    {"UntitledMenu1", "-", &Window::UntitledMenu1},
    {"EditUndo", "Annulla", &Window::EditUndo},
    {"FileMenu", "File", &Window::FileMenu},
    {"FileQuit", "Esci", [](Window& w) -> fw::Ref<fw::MenuItem> { return w.FileQuit(); }},
};

// Everything about a menu tree that an accessor must leave alone.
std::string Describe(const fw::MenuItem& item)
{
    std::string out = std::string(item.Name()) + "|" + std::string(item.Text()) + "|" +
                      std::string(item.KeyboardShortcut()) + "|" + std::to_string(item.AutoEnable()) + "[";
    for (std::int32_t i = 0; i < item.Count(); ++i)
        out += Describe(*item.Item(i));
    return out + "]";
}

} // namespace

TEST_F(DrillTest, EveryAccessorFindsItsItemInTheMenuBar)
{
    const fw::Ref<fw::MenuBar> bar = window_->GetMenuBar();
    for (const Accessor& accessor : kAccessors) {
        SCOPED_TRACE(accessor.name);
        const fw::Ref<fw::MenuItem> item = accessor.call(*window_);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->Name(), accessor.name);
        EXPECT_EQ(item->Text(), accessor.text);
        EXPECT_EQ(item->Class().Name(), std::string_view(accessor.name) == "FileQuit" ? "QuitMenuItem" : "MenuItem");
    }
    const fw::Ref<fw::QuitMenuItem> quit = window_->FileQuit();
    EXPECT_EQ(quit.get(), window_->FileMenu()->Item(0).get());
    const fw::Ref<fw::MenuItem> edit = window_->EditMenu();
    EXPECT_EQ(window_->UntitledMenu1(), edit->Item(1)); // between "Annulla" and "Taglia"
    EXPECT_EQ(window_->UntitledMenu0(), edit->Item(6)); // between "Elimina" and "Seleziona tutto"
    EXPECT_EQ(edit->Parent(), bar.get());
}

TEST_F(DrillTest, CallingTheAccessorsChangesNothing)
{
    const fw::Ref<fw::MenuBar> bar = window_->GetMenuBar();
    const std::string before = Describe(*bar);
    const std::size_t live = fw::Object::LiveCount();
    const std::size_t refs = bar->RefCount();
    for (const Accessor& accessor : kAccessors)
        accessor.call(*window_);
    EXPECT_EQ(Describe(*bar), before);
    EXPECT_EQ(fw::Object::LiveCount(), live);
    EXPECT_EQ(bar->RefCount(), refs);
    EXPECT_EQ(window_->GetMenuBar(), bar);
}

TEST_F(DrillTest, WithoutAMenuBarEveryAccessorRaises)
{
    window_->SetMenuBar(nullptr);
    for (const Accessor& accessor : kAccessors)
        EXPECT_THROW(accessor.call(*window_), fw::NilObjectException) << accessor.name;
}

TEST_F(DrillTest, AReplacedMenuBarIsSearchedAnew)
{
    const fw::Ref<MenuBar1::MenuBar1> other = fw::RuntimeNewObject<MenuBar1::MenuBar1>();
    other->Constructor();
    const fw::Ref<fw::MenuItem> old = window_->EditCut();
    window_->SetMenuBar(other);
    for (const Accessor& accessor : kAccessors) {
        const fw::Ref<fw::MenuItem> item = accessor.call(*window_);
        EXPECT_EQ(item, other->Lookup_(accessor.name)) << accessor.name;
    }
    EXPECT_NE(window_->EditCut(), old);
}
