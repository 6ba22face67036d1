#pragma once

#include "framework/Control.h"

namespace fw {

// A label.
class StaticText : public TextControl {
public:
    static const ClassInfo& Lookup_();

    std::string_view Text() const { return text_; }
    void SetText(std::string_view text);
    // The same text under its other name.
    std::string_view Caption() const { return text_; }

    std::int32_t TextAlign() const { return textAlign_; } // 0 left, 1 centre, 2 right
    Color TextColor() const { return textColor_; }
    bool MultiLine() const { return multiLine_; }
    std::string_view DataSource() const { return dataSource_; }
    std::string_view DataField() const { return dataField_; }

private:
    std::string text_;
    std::int32_t textAlign_ = 0;
    Color textColor_{0, 0, 0};
    bool multiLine_ = false;
    std::string dataSource_;
    std::string dataField_;
};

} // namespace fw
