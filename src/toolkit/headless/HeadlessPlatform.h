#pragma once

#include "framework/Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {
class EditField;
class PushButton;
class Window;
} // namespace fw

// A toolkit with nothing on screen, for tests. The model holds what would be
// shown; the headless peers add what a screen would: which window is mapped,
// an edit field's selection, a clipboard, the message boxes shown.
namespace fw::headless {

class HeadlessPlatform : public Platform {
public:
    void Start() override;
    void Stop() override;
    std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) override;
    // Runs queued events until one of them quits, or until none is left (a
    // test that forgot to quit must not hang).
    void Run() override;
    void Quit() override;
    void ShowMessage(std::string_view text) override;

    // Queues a user action for the event loop; it runs inside DispatchEvent.
    void Post(std::function<void()> event);
    std::size_t Pending() const { return queue_.size(); }

    const std::vector<std::string>& Messages() const { return messages_; }
    bool Started() const { return started_; }
    int Runs() const { return runs_; }
    // Whether the last Run ended by a quit rather than by running dry.
    bool QuitByRequest() const { return quitByRequest_; }

    std::string clipboard;

    // Forgets everything: a fresh platform for the next test.
    void Reset();

private:
    std::deque<std::function<void()>> queue_;
    std::vector<std::string> messages_;
    bool started_ = false;
    bool running_ = false;
    bool quit_ = false;
    bool quitByRequest_ = false;
    int runs_ = 0;
};

HeadlessPlatform& Headless();

// User actions, done at once (an exception goes to the caller).
void Click(PushButton& button);
// Types the text at the caret as a user would; the field's mask and limit
// decide what it takes. Returns whether the field took it.
bool Type(EditField& field, std::string_view text);
// Chooses the item of that name from the window's menu bar.
void Choose(Window& window, std::string_view itemName);

// The same, queued for the event loop.
void PostClick(PushButton& button);
void PostChoose(Window& window, std::string_view itemName);

} // namespace fw::headless
