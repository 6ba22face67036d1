#include "drill/Prodotina.h"

#include "framework/EditField.h"
#include "framework/MsgBox.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/Text.h"

#include <string>

namespace Prodotina {

void Prodotina::PushButton2_Action()
{
    const double answer = fw::Val(Required<fw::EditField>("EditField1")->Text());
    const double first = fw::Val(Required<fw::StaticText>("StaticText1")->Text());
    const double second = fw::Val(Required<fw::StaticText>("StaticText2")->Text());
    // Exact equality: a NaN on either side is simply wrong.
    const bool right = answer == first * second;

    // A count lives only as its label's text.
    const std::string_view count = right ? "StaticText6" : "StaticText7";
    {
        const fw::Ref<fw::StaticText> label = Required<fw::StaticText>(count);
        const double raised = fw::Val(Required<fw::StaticText>(count)->Text()) + 1.0;
        label->SetText(fw::Str(raised));
    }

    calcola();
    Required<fw::EditField>("EditField1")->SetText("");
}

void Prodotina::PushButton3_Action()
{
    Required<fw::PushButton>("PushButton2")->SetVisible(false);
    Required<fw::PushButton>("PushButton1")->SetVisible(true);
    Required<fw::PushButton>("PushButton3")->SetVisible(false);
    Required<fw::EditField>("EditField1")->SetEnabled(false);

    // The counts go in as the labels show them; a blank count adds nothing.
    std::string summary =
        fw::RuntimeAddString("Bene bene ... Esatte ", Required<fw::StaticText>("StaticText6")->Text());
    summary = fw::RuntimeAddString(summary, "   Errate ");
    summary = fw::RuntimeAddString(summary, Required<fw::StaticText>("StaticText7")->Text());
    fw::MsgBox(summary);
}

} // namespace Prodotina
