#pragma once

#include "framework/ClassInfo.h"
#include "framework/Object.h"
#include "framework/Platform.h"
#include "framework/UpdateBatch.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

class Window;

// Anything that can sit in a window.
class Control : public Object {
public:
    static const ClassInfo& Lookup_();

    std::string_view Name() const { return name_; }
    void SetName(std::string_view name) { name_ = name; }
    std::int32_t Index() const { return index_; }
    std::int32_t TabPanelIndex() const { return tabPanelIndex_; }

    // The window the control belongs to; nil before it is added or after the
    // window is gone.
    Ref<Window> GetWindow() const;

    // Tells the peer what changed (or remembers it while an update is open).
    virtual void Changed(Aspects) {}

protected:
    friend class Window;
    Window* window_ = nullptr;

private:
    std::string name_;
    std::int32_t index_ = 0;
    std::int32_t tabPanelIndex_ = 0;
};

// A control with a place, a size and a peer that shows it.
class RectControl : public Control {
public:
    ~RectControl() override;
    static const ClassInfo& Lookup_();

    // The argument-less constructor that every control class runs.
    virtual void Constructor();

    std::int32_t Left() const { return left_; }
    std::int32_t Top() const { return top_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    bool LockLeft() const { return lockLeft_; }
    bool LockTop() const { return lockTop_; }
    bool LockRight() const { return lockRight_; }
    bool LockBottom() const { return lockBottom_; }
    std::int32_t TabIndex() const { return tabIndex_; }
    bool TabStop() const { return tabStop_; }
    bool AutoDeactivate() const { return autoDeactivate_; }
    std::string_view HelpTag() const { return helpTag_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Asks for the keyboard focus; a control that is hidden, disabled or not
    // in a window cannot take it, and the request is ignored.
    void SetFocus();
    bool HasFocus() const;
    // Whether the control can take the focus now.
    bool CanFocus() const;

    // The toolkit reports that the user moved the focus here.
    void UserFocused();

    void Changed(Aspects aspects) override;
    // Collects changes and shows them at once when the last update ends.
    void BeginUpdate() { updates_.Begin(); }
    void EndUpdate();

    ControlPeer* Peer() const { return peer_.get(); }

protected:
    RectControl() = default;
    // The properties every control with a place has, for subclasses' descriptions.
    static std::vector<PropertyInfo> RectProperties();

private:
    friend class Window;
    void SetInitialParent(std::string_view parent);
    void SetTabIndex(std::int32_t index);
    void SetTabStop(bool stop);

    std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
    std::int32_t tabIndex_ = 0;
    bool tabStop_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    bool autoDeactivate_ = false;
    std::string helpTag_;
    std::string initialParent_;

    std::unique_ptr<ControlPeer> peer_;
    UpdateBatch updates_;
};

// A control that shows text in a font of its own: fields, labels, buttons.
class TextControl : public RectControl {
public:
    std::string_view TextFont() const { return textFont_; } // "System": the toolkit's own font
    std::int32_t TextSize() const { return textSize_; }     // pixels; 0: the toolkit's default
    bool Bold() const { return bold_; }
    bool Italic() const { return italic_; }
    bool Underline() const { return underline_; }

protected:
    TextControl() = default;
    // TextFont, TextSize, Bold, Italic and Underline, for subclasses' descriptions.
    static std::vector<PropertyInfo> FontProperties();

private:
    std::string textFont_ = "System";
    std::int32_t textSize_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
};

} // namespace fw
