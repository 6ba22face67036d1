#include "drill/Prodotina.h"

#include "framework/EditField.h"
#include "framework/PushButton.h"
#include "framework/Random.h"
#include "framework/StaticText.h"
#include "framework/Text.h"

namespace Prodotina {

void Prodotina::calcola()
{
    // A fresh generator for every question; the program never seeds one.
    const fw::Ref<fw::Random> random(static_cast<fw::Random*>(New_(fw::Random::Lookup_()).get()));
    if (!random)
        fw::RaiseNilObjectException();
    const std::int32_t first = random->InRange(1, 10);
    const std::int32_t second = random->InRange(1, 10);

    // Both factors are drawn before either label changes.
    Required<fw::StaticText>("StaticText1")->SetText(fw::Str(first));
    Required<fw::StaticText>("StaticText2")->SetText(fw::Str(second));
    // Counted as the integer wraps, never as undefined overflow.
    contatore1 = static_cast<std::int32_t>(static_cast<std::uint32_t>(contatore1) + 1u);
    Required<fw::EditField>("EditField1")->SetFocus();
}

void Prodotina::PushButton1_Action()
{
    calcola();
    Required<fw::PushButton>("PushButton2")->SetVisible(true);
    Required<fw::PushButton>("PushButton1")->SetVisible(false);
    Required<fw::PushButton>("PushButton3")->SetVisible(true);
    Required<fw::EditField>("EditField1")->SetEnabled(true);
    // Asked again: the field was still disabled when calcola asked.
    Required<fw::EditField>("EditField1")->SetFocus();
    // Blank, not "0": the counts go on from the empty text.
    Required<fw::StaticText>("StaticText6")->SetText("");
    Required<fw::StaticText>("StaticText7")->SetText("");
}

} // namespace Prodotina
