#include "toolkit/headless/HeadlessPeers.h"

#include "framework/EditField.h"
#include "framework/Window.h"
#include "toolkit/headless/HeadlessPlatform.h"

namespace fw::headless {

std::unique_ptr<ControlPeer> HeadlessWindowPeer::AddControl(RectControl& control)
{
    return std::make_unique<HeadlessControlPeer>(control);
}

void HeadlessWindowPeer::Sync(Aspects changed)
{
    ++syncs_;
    if (changed & kVisible)
        mapped_ = window_.Visible() && window_.IsOpen();
}

void HeadlessControlPeer::Sync(Aspects changed)
{
    ++syncs_;
    if (changed & kText)
        allSelected_ = false;
}

bool HeadlessControlPeer::Offer(std::string text)
{
    auto* field = dynamic_cast<EditField*>(&control_);
    if (!field)
        return false;
    std::string before(field->Text());
    if (!field->UserEdited(text))
        return false;
    undo_ = std::move(before);
    canUndo_ = true;
    allSelected_ = false;
    return true;
}

bool HeadlessControlPeer::Insert(std::string_view text)
{
    auto* field = dynamic_cast<EditField*>(&control_);
    if (!field)
        return false;
    std::string next = allSelected_ ? std::string() : std::string(field->Text());
    next += text;
    return Offer(std::move(next));
}

void HeadlessControlPeer::Edit(EditCommand command)
{
    auto* field = dynamic_cast<EditField*>(&control_);
    if (!field)
        return;
    std::string& clipboard = Headless().clipboard;
    switch (command) {
    case EditCommand::SelectAll:
        allSelected_ = !field->Text().empty();
        break;
    case EditCommand::Copy:
        if (allSelected_ && !field->Password())
            clipboard = field->Text();
        break;
    case EditCommand::Cut:
        if (allSelected_ && !field->Password() && !field->ReadOnly()) {
            std::string cut(field->Text());
            if (Offer(std::string()))
                clipboard = std::move(cut);
        }
        break;
    case EditCommand::Clear:
        if (allSelected_)
            Offer(std::string());
        break;
    case EditCommand::Paste:
        Insert(clipboard);
        break;
    case EditCommand::Undo:
        if (canUndo_) {
            std::string previous = undo_;
            Offer(std::move(previous));
        }
        break;
    }
}

} // namespace fw::headless
