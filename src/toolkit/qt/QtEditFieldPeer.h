#pragma once

#include "toolkit/qt/MaskValidator.h"
#include "toolkit/qt/QtControlPeer.h"

#include <QLineEdit>

#include <memory>

namespace fw::qtui {

// An edit field shown as a line edit.
class QtEditFieldPeer final : public QtControlPeer {
public:
    QtEditFieldPeer(EditField& field, QWidget* parent);
    ~QtEditFieldPeer() override;

    void Edit(EditCommand command) override;
    QLineEdit* LineEdit() const { return static_cast<QLineEdit*>(Widget()); }

private:
    QtEditFieldPeer(EditField& field, PeerWidget<QLineEdit>* edit);
    void SyncOwn(Aspects changed) override;
    void SyncOptions(QLineEdit& edit);
    void UserEdited(const QString& text);

    EditField& field_;
    // Made when the field first has a mask or a limit; the line edit only
    // points at it.
    std::unique_ptr<MaskValidator> validator_;
};

} // namespace fw::qtui
