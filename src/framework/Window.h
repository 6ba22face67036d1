#pragma once

#include "framework/ClassInfo.h"
#include "framework/Control.h"
#include "framework/MenuItem.h"
#include "framework/Object.h"
#include "framework/Platform.h"
#include "framework/UpdateBatch.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Window : public Object {
public:
    ~Window() override;
    static const ClassInfo& Lookup_();

    // Makes the window: raises CreateControls, then Layout, once each, and
    // shows the window afterwards if it is visible. From then on the window is
    // open and found by its class's name. If an event raises, the window is
    // not opened and the exception goes on.
    virtual void Constructor();

    // A new object of the class, made within the window.
    Ref<Object> New_(const ClassInfo& info);
    // The control joins the window under the name; the window keeps it.
    void AddControl_(std::string_view name, const Ref<Control>& control);
    void RemoveControl_(const Ref<Control>& control);
    const std::vector<Ref<Control>>& Controls() const { return controls_; }
    // The control that has the focus, or nil.
    RectControl* FocusedControl() const { return focused_; }

    Ref<MenuBar> GetMenuBar() const;
    void SetMenuBar(const Ref<MenuBar>& bar);

    std::string_view Title() const { return title_; }
    void SetTitle(std::string_view title);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    std::int32_t MinWidth() const { return minWidth_; }
    std::int32_t MinHeight() const { return minHeight_; }
    std::int32_t MaxWidth() const { return maxWidth_; }
    std::int32_t MaxHeight() const { return maxHeight_; }
    std::int32_t Placement() const { return placement_; }
    std::int32_t Frame() const { return frame_; }
    bool Composite() const { return composite_; }
    bool HasBackColor() const { return hasBackColor_; }
    Color BackColor() const { return backColor_; }
    bool FullScreen() const { return fullScreen_; }
    bool MenuBarVisible() const { return menuBarVisible_; }
    bool CloseButton() const { return closeButton_; }
    bool Resizeable() const { return resizeable_; }
    bool LiveResize() const { return liveResize_; }
    bool MaximizeButton() const { return maximizeButton_; }
    bool MinimizeButton() const { return minimizeButton_; }
    std::int32_t MacProcId() const { return macProcId_; }

    // Whether the window is among the open windows.
    bool IsOpen() const;
    // Closes the window: it leaves the open windows and its peer goes. When
    // the last open window closes, the event loop ends.
    void Close();
    // The toolkit reports that the user closed the window.
    void UserClosed() { Close(); }
    // The toolkit reports that the user resized the window.
    void UserResized(std::int32_t width, std::int32_t height);

    void Changed(Aspects aspects);
    void BeginUpdate() { updates_.Begin(); }
    void EndUpdate();
    WindowPeer* Peer() const { return peer_.get(); }

protected:
    Window() = default;
    // The window's events; a subclass implements those it handles.
    virtual void Layout() {}
    virtual void CreateControls() {}

private:
    friend class RectControl;
    void ControlFocused(RectControl* control);
    void ControlCannotFocus(RectControl* control);

    std::int32_t placement_ = 0;
    std::int32_t width_ = 300, height_ = 300;
    std::int32_t minWidth_ = 64, minHeight_ = 64;
    std::int32_t maxWidth_ = 32000, maxHeight_ = 32000;
    std::int32_t frame_ = 0;
    bool composite_ = false;
    bool hasBackColor_ = false;
    Color backColor_{255, 255, 255};
    std::string title_;
    bool visible_ = true;
    bool fullScreen_ = false;
    bool menuBarVisible_ = true;
    bool closeButton_ = true;
    bool resizeable_ = true;
    bool liveResize_ = true;
    bool maximizeButton_ = true;
    bool minimizeButton_ = true;
    std::int32_t macProcId_ = 0;

    std::vector<Ref<Control>> controls_;
    RectControl* focused_ = nullptr;
    Ref<MenuBar> menuBar_;
    std::unique_ptr<WindowPeer> peer_;
    UpdateBatch updates_;
};

// The open window whose class has this qualified name, or nil.
Ref<Window> GetImplicitWindow_(std::string_view qualifiedName);
// The window's control of that name (without regard to letter case), or nil.
Ref<Control> RuntimeWindowControlByName(const Ref<Window>& window, std::string_view name);
// The windows that are open, oldest first.
std::vector<Ref<Window>> OpenWindows();

} // namespace fw
