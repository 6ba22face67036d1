#include "toolkit/qt/QtEditFieldPeer.h"

#include "framework/Runtime.h"
#include "toolkit/qt/QtText.h"

namespace fw::qtui {

namespace {

// QLineEdit's own maximum, for a field without a limit.
constexpr int kNoLimit = 32767;

Qt::Alignment Horizontal(std::int32_t alignment)
{
    switch (alignment) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

QtEditFieldPeer::QtEditFieldPeer(EditField& field, QWidget* parent)
    : QtEditFieldPeer(field, new PeerWidget<QLineEdit>(parent))
{
}

QtEditFieldPeer::QtEditFieldPeer(EditField& field, PeerWidget<QLineEdit>* edit)
    : QtControlPeer(field, edit, *edit), field_(field)
{
    // textEdited, not textChanged: text the program sets is not echoed back.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        if (edit->peer)
            static_cast<QtEditFieldPeer*>(edit->peer)->UserEdited(text);
    });
}

QtEditFieldPeer::~QtEditFieldPeer()
{
    if (QLineEdit* edit = LineEdit())
        edit->setValidator(nullptr);
}

void QtEditFieldPeer::UserEdited(const QString& text)
{
    Ref<EditField> keep(&field_);
    QPointer<QLineEdit> edit = LineEdit();
    bool taken = true;
    DispatchEvent([&] { taken = keep->UserEdited(ToUtf8(text)); });
    // The field refused it (read-only, say): show what it kept.
    if (!taken && edit)
        edit->setText(ToQString(keep->Text()));
}

void QtEditFieldPeer::SyncOwn(Aspects changed)
{
    QLineEdit& edit = *LineEdit();
    // Options before the text, so that a new mask already guards it.
    if (changed & kEditOptions)
        SyncOptions(edit);
    if (changed & kFont)
        SyncFont(field_);
    if (changed & kColors) {
        SetColor(QPalette::Text, field_.TextColor());
        SetColor(QPalette::Base, field_.BackColor());
    }
    if (changed & kText) {
        const QString text = ToQString(field_.Text());
        if (edit.text() != text)
            edit.setText(text);
    }
}

void QtEditFieldPeer::SyncOptions(QLineEdit& edit)
{
    edit.setEchoMode(field_.Password() ? QLineEdit::Password : QLineEdit::Normal);
    edit.setReadOnly(field_.ReadOnly());
    if (edit.hasFrame() != field_.Border())
        edit.setFrame(field_.Border());
    const Qt::Alignment alignment = Horizontal(field_.Alignment()) | Qt::AlignVCenter;
    if (edit.alignment() != alignment)
        edit.setAlignment(alignment);
    // setMaxLength sets the text anew, which clears the undo history.
    const int limit = field_.LimitText() > 0 ? field_.LimitText() : kNoLimit;
    if (edit.maxLength() != limit)
        edit.setMaxLength(limit);
    if (!validator_ && (!field_.Mask().empty() || field_.LimitText() > 0)) {
        validator_ = std::make_unique<MaskValidator>(field_);
        edit.setValidator(validator_.get());
    }
}

void QtEditFieldPeer::Edit(EditCommand command)
{
    QLineEdit* edit = LineEdit();
    if (!edit)
        return;
    const bool editable = !edit->isReadOnly();
    // The line edit may report an edit, and the peer may be gone after it.
    switch (command) {
    case EditCommand::Undo:
        if (editable)
            edit->undo();
        break;
    case EditCommand::Cut:
        // A password is neither copied nor cut.
        if (editable && edit->echoMode() == QLineEdit::Normal)
            edit->cut();
        break;
    case EditCommand::Copy:
        edit->copy();
        break;
    case EditCommand::Paste:
        if (editable)
            edit->paste();
        break;
    case EditCommand::Clear:
        if (editable && edit->hasSelectedText())
            edit->del();
        break;
    case EditCommand::SelectAll:
        edit->selectAll();
        break;
    }
}

} // namespace fw::qtui
