#include "DrillFixture.h"

#include "app/MenuBar1.h"
#include "framework/Exceptions.h"

#include <functional>

namespace {

using Window = Prodotina::Prodotina;

const std::pair<const char*, std::function<fw::Ref<fw::MenuItem>(Window&)>> kAccessors[] = {
    {"EditMenu", &Window::EditMenu},   {"EditSelectAll", &Window::EditSelectAll},
    {"UntitledMenu0", &Window::UntitledMenu0}, {"EditClear", &Window::EditClear},
    {"EditPaste", &Window::EditPaste}, {"EditCopy", &Window::EditCopy},
    {"EditCut", &Window::EditCut},     {"UntitledMenu1", &Window::UntitledMenu1},
    {"EditUndo", &Window::EditUndo},   {"FileMenu", &Window::FileMenu},
    {"FileQuit", [](Window& w) -> fw::Ref<fw::MenuItem> { return w.FileQuit(); }},
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

TEST_F(DrillTest, MenuAccessorsSearchTheCurrentMenuBarAndChangeNothing)
{
    const fw::Ref<fw::MenuBar> shared = window_->GetMenuBar();
    const fw::Ref<MenuBar1::MenuBar1> other = fw::RuntimeNewObject<MenuBar1::MenuBar1>();
    other->Constructor();
    for (const fw::Ref<fw::MenuBar>& bar : {shared, fw::Ref<fw::MenuBar>(other)}) {
        SCOPED_TRACE(bar == shared ? "the shared menu bar" : "a replacement");
        window_->SetMenuBar(bar);
        const std::string before = Describe(*bar);
        const std::size_t live = fw::Object::LiveCount(), refs = bar->RefCount();
        for (const auto& [name, call] : kAccessors) {
            const fw::Ref<fw::MenuItem> item = call(*window_);
            ASSERT_TRUE(item) << name;
            EXPECT_EQ(item, bar->Lookup_(name)) << name;
        }
        EXPECT_EQ(Describe(*bar), before);
        EXPECT_EQ(fw::Object::LiveCount(), live);
        EXPECT_EQ(bar->RefCount(), refs);
        EXPECT_EQ(window_->GetMenuBar(), bar);
    }
    EXPECT_EQ(window_->FileQuit()->Class().Name(), "QuitMenuItem");

    window_->SetMenuBar(nullptr);
    for (const auto& [name, call] : kAccessors)
        EXPECT_THROW(call(*window_), fw::NilObjectException) << name;
}
