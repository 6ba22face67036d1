#include "toolkit/headless/HeadlessPlatform.h"

#include "framework/EditField.h"
#include "framework/MenuItem.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "toolkit/headless/HeadlessPeers.h"

namespace fw {

Platform& ActivePlatform() { return headless::Headless(); }

namespace headless {

HeadlessPlatform& Headless()
{
    static HeadlessPlatform platform;
    return platform;
}

void HeadlessPlatform::Start() { started_ = true; }

void HeadlessPlatform::Stop() { started_ = false; }

std::unique_ptr<WindowPeer> HeadlessPlatform::CreateWindowPeer(Window& window)
{
    return std::make_unique<HeadlessWindowPeer>(window);
}

void HeadlessPlatform::Run()
{
    ++runs_;
    running_ = true;
    quit_ = false;
    quitByRequest_ = false;
    while (!quit_ && !queue_.empty()) {
        std::function<void()> event = std::move(queue_.front());
        queue_.pop_front();
        DispatchEvent(event);
    }
    quitByRequest_ = quit_;
    running_ = false;
}

void HeadlessPlatform::Quit() { quit_ = true; }

void HeadlessPlatform::ShowMessage(std::string_view text) { messages_.emplace_back(text); }

void HeadlessPlatform::Post(std::function<void()> event) { queue_.push_back(std::move(event)); }

void HeadlessPlatform::Reset()
{
    queue_.clear();
    messages_.clear();
    clipboard.clear();
    running_ = quit_ = quitByRequest_ = false;
    runs_ = 0;
}

void Click(PushButton& button) { button.Push(); }

bool Type(EditField& field, std::string_view text)
{
    if (!field.CanFocus())
        return false;
    field.UserFocused();
    auto* peer = dynamic_cast<HeadlessControlPeer*>(field.Peer());
    if (!peer)
        return field.UserEdited(std::string(field.Text()) + std::string(text));
    return peer->Insert(text);
}

void Choose(Window& window, std::string_view itemName)
{
    Ref<MenuBar> bar = window.GetMenuBar();
    if (!bar)
        return;
    if (Ref<MenuItem> item = bar->Lookup_(itemName))
        item->Choose(&window);
}

void PostClick(PushButton& button)
{
    Ref<PushButton> keep(&button);
    Headless().Post([keep] { Click(*keep); });
}

void PostChoose(Window& window, std::string_view itemName)
{
    Ref<Window> keep(&window);
    Headless().Post([keep, name = std::string(itemName)] { Choose(*keep, name); });
}

} // namespace headless
} // namespace fw
