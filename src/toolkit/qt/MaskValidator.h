#pragma once

#include "framework/EditField.h"
#include "toolkit/qt/QtText.h"

#include <QValidator>

namespace fw::qtui {

// Lets into a line edit only what its field accepts (mask and length
// limit), so typed or pasted text that does not fit is refused as a whole.
class MaskValidator final : public QValidator {
public:
    explicit MaskValidator(const EditField& field) : field_(field) {}

    State validate(QString& input, int&) const override
    {
        return field_.Accepts(ToUtf8(input)) ? Acceptable : Invalid;
    }

private:
    const EditField& field_;
};

} // namespace fw::qtui
