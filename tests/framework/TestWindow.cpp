#include "TestWindow.h"

const fw::ClassInfo& TestWindow::Lookup_()
{
    return fw::DescribeOnce([] {
        return fw::ClassSpec{
            .name = "Tests.TestWindow",
            .base = &fw::Window::Lookup_(),
            .create = []() -> fw::Object* { return new TestWindow(); },
            .handledEvents = {"CreateControls", "Layout"},
        };
    });
}

void TestWindow::CreateControls()
{
    raised += 'C';
    if (onCreateControls)
        onCreateControls(*this);
}

void TestWindow::Layout()
{
    raised += 'L';
    if (onLayout)
        onLayout(*this);
}

fw::Ref<TestWindow> NewTestWindow() { return fw::RuntimeNewObject<TestWindow>(); }

fw::Ref<TestWindow> OpenTestWindow(std::function<void(TestWindow&)> createControls)
{
    fw::Ref<TestWindow> window = NewTestWindow();
    window->onCreateControls = std::move(createControls);
    window->Constructor();
    return window;
}
