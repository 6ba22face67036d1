#pragma once

#include "framework/Control.h"

namespace fw {

// A one-line text field, the kind the user types into.
class EditField : public TextControl {
public:
    static const ClassInfo& Lookup_();

    std::string_view Text() const { return text_; }
    // Replaces the text. Text that the mask or the length limit refuses is
    // not taken, and the field keeps what it had.
    void SetText(std::string_view text);
    std::string_view Mask() const { return mask_; }
    // A new mask clears a text that does not fit it.
    void SetMask(std::string_view mask);
    // Whether the field would take this text.
    bool Accepts(std::string_view text) const;

    // The toolkit reports text the user typed, pasted or cut; it is taken
    // only if the field accepts it.
    bool UserEdited(std::string_view text);

    bool Border() const { return border_; }
    bool MultiLine() const { return multiLine_; }
    bool ScrollBarHorizontal() const { return scrollBarHorizontal_; }
    bool ScrollBarVertical() const { return scrollBarVertical_; }
    bool Styled() const { return styled_; }
    bool Password() const { return password_; }
    bool UseFocusRing() const { return useFocusRing_; }
    Color TextColor() const { return textColor_; }
    Color BackColor() const { return backColor_; }
    std::string_view Format() const { return format_; }
    bool ReadOnly() const { return readOnly_; }
    std::int32_t LimitText() const { return limitText_; } // 0: no limit
    bool AcceptTabs() const { return acceptTabs_; }
    std::int32_t Alignment() const { return alignment_; } // 0 left, 1 centre, 2 right
    std::string_view DataSource() const { return dataSource_; }
    std::string_view DataField() const { return dataField_; }

private:
    void SetLimitText(std::int32_t limit);

    std::string text_;
    std::string mask_;
    bool border_ = true;
    bool multiLine_ = false;
    bool scrollBarHorizontal_ = false;
    bool scrollBarVertical_ = false;
    bool styled_ = false;
    bool password_ = false;
    bool useFocusRing_ = true;
    Color textColor_{0, 0, 0};
    Color backColor_{255, 255, 255};
    std::string format_;
    bool readOnly_ = false;
    std::int32_t limitText_ = 0;
    bool acceptTabs_ = false;
    std::int32_t alignment_ = 0;
    std::string dataSource_;
    std::string dataField_;
};

// Whether the text fits the edit mask. In a mask "#" stands for one optional
// decimal digit ("###" takes zero to three digits); any other character of
// the mask stands for itself. An empty mask takes any text.
bool FitsMask(std::string_view mask, std::string_view text);

} // namespace fw
