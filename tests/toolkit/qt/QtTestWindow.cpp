#include "QtTestWindow.h"

#include "framework/PackedList.h"
#include "framework/PropertyList.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

using fw::ListWriter;
using fw::PackedList;

namespace {

constexpr void WindowList(ListWriter& w)
{
    w.Integer("Width", 388).Integer("Height", 280).Boolean("HasBackColor", true).Colour("BackColor", 255, 190, 125);
    w.Text("Title", "Prodotina").Boolean("Resizeable", true).Boolean("MaximizeButton", false);
}

constexpr void LabelList(ListWriter& w)
{
    w.Text("Name", "Label").Integer("Left", 250).Integer("Top", 14).Integer("Width", 74).Integer("Height", 36);
    w.Integer("TabIndex", 2).Text("Text", "Errate").Integer("TextAlign", 0).Colour("TextColor", 255, 0, 0);
    w.Text("TextFont", "System").Integer("TextSize", 20);
}

constexpr void FieldList(ListWriter& w)
{
    w.Text("Name", "Field").Integer("Left", 133).Integer("Top", 139).Integer("Width", 100).Integer("Height", 31);
    w.Integer("TabIndex", 0).Boolean("TabStop", true).Text("TextFont", "System").Integer("TextSize", 20);
    w.Text("Text", "").Text("Mask", "###").Integer("LimitText", 0).Integer("Alignment", 0);
}

constexpr void ButtonList(ListWriter& w)
{
    w.Text("Name", "Button").Integer("Left", 106).Integer("Top", 193).Integer("Width", 155).Integer("Height", 25);
    w.Integer("TabIndex", 1).Boolean("TabStop", true).Text("Caption", "Inizia").Integer("TextSize", 0);
}

template <class C>
fw::Ref<C> Add(fw::Window& window, std::string_view name, std::string_view list)
{
    fw::Ref<C> control = fw::RuntimeCheckCast<C>(window.New_(C::Lookup_()));
    control->Constructor();
    window.AddControl_(name, control);
    fw::SetProperties_(control, list);
    return control;
}

template <class Kind = fw::MenuItem>
fw::Ref<fw::MenuItem> Item(fw::MenuItem& parent, std::string_view name, std::string_view text,
                           const char* shortcut = nullptr)
{
    fw::Ref<fw::MenuItem> item = fw::RuntimeNewObject<Kind>();
    item->Constructor();
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetText(text);
    if (shortcut)
        item->SetKeyboardShortcut(shortcut);
    parent.Append(item);
    return item;
}

fw::Ref<fw::MenuBar> NewMenuBar()
{
    fw::Ref<fw::MenuBar> bar = fw::RuntimeNewObject<fw::MenuBar>();
    fw::Ref<fw::MenuItem> file = Item(*bar, "FileMenu", "File", "");
    Item<fw::QuitMenuItem>(*file, "FileQuit", "Esci", "Cmd+Q");
    fw::Ref<fw::MenuItem> edit = Item(*bar, "EditMenu", "Modifica", "");
    Item(*edit, "EditUndo", "Annulla", "Cmd+Z");
    Item(*edit, "UntitledMenu1", "-");
    Item(*edit, "EditCut", "Taglia", "Cmd+X");
    Item(*edit, "EditCopy", "Copia", "Cmd+C");
    Item(*edit, "EditPaste", "Incolla", "Cmd+V");
    Item(*edit, "EditClear", "Elimina", "");
    Item(*edit, "UntitledMenu0", "-");
    Item(*edit, "EditSelectAll", "Seleziona tutto", "Cmd+A");
    return bar;
}

} // namespace

const fw::ClassInfo& QtTestWindow::Lookup_()
{
    return fw::DescribeOnce([] {
        return fw::ClassDeclaration{
            .name = "QtTestWindow",
            .base = &fw::Window::Lookup_(),
            .create = []() -> fw::Object* { return new QtTestWindow(); },
        };
    });
}

void QtTestWindow::CreateControls()
{
    field = Add<fw::EditField>(*this, "Field", PackedList<&FieldList>::View());
    button = Add<fw::PushButton>(*this, "Button", PackedList<&ButtonList>::View());
    label = Add<fw::StaticText>(*this, "Label", PackedList<&LabelList>::View());
    fw::InstallInstanceEventHandler_(button, "Action", &fw::BoundHandler<QtTestWindow, &QtTestWindow::Button_Action>);
}

void QtTestWindow::Layout()
{
    SetMenuBar(NewMenuBar());
    fw::SetProperties_(fw::Ref<fw::Object>(this), PackedList<&WindowList>::View());
}

fw::qtui::QtWindowWidget* QtTestWindow::Widget() const
{
    return dynamic_cast<fw::qtui::QtWindowPeer&>(*Peer()).Widget();
}

QLabel* QtTestWindow::Label() const { return dynamic_cast<fw::qtui::QtStaticTextPeer&>(*label->Peer()).Label(); }

QLineEdit* QtTestWindow::Edit() const { return dynamic_cast<fw::qtui::QtEditFieldPeer&>(*field->Peer()).LineEdit(); }

QPushButton* QtTestWindow::Button() const
{
    return dynamic_cast<fw::qtui::QtPushButtonPeer&>(*button->Peer()).Button();
}

QAction* QtTestWindow::Action(const char* itemName) const
{
    const QString text = QString::fromUtf8(GetMenuBar()->Lookup_(itemName)->Text());
    for (QAction* action : Widget()->MenuBar()->findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

void QtToolkitTest::SetUp()
{
    liveAtStart_ = fw::Object::LiveCount();
    fw::RuntimeInit();
    window = fw::RuntimeCheckCast<QtTestWindow>(fw::RuntimeNewObject(QtTestWindow::Lookup_()));
    window->Constructor();
}

void QtToolkitTest::TearDown()
{
    QPointer<QWidget> widget = window ? window->Widget() : nullptr;
    window = nullptr;
    fw::RuntimeExit();
    EXPECT_TRUE(widget.isNull()) << "the window's widget outlived the run";
    EXPECT_EQ(fw::Object::LiveCount(), liveAtStart_) << "framework objects outlived the test";
}

void QtToolkitTest::ShowActive()
{
    QWidget* widget = window->Widget();
    widget->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
}
