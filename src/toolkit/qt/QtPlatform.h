#pragma once

#include "framework/Platform.h"

#include <memory>

class QApplication;

namespace fw::qtui {

// The framework's platform on Qt Widgets: one QApplication from Start to
// Stop, its event loop, and a peer widget for every window and control.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void Start() override;
    void Stop() override;
    std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) override;
    void Run() override;
    void Quit() override;
    void ShowMessage(std::string_view text) override;

    bool Running() const { return running_; }

private:
    std::unique_ptr<QApplication> app_;
    bool running_ = false;
};

QtPlatform& QtToolkit();

} // namespace fw::qtui
