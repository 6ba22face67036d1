#include "framework/EditField.h"

#include "framework/Field.h"

namespace fw {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Characters, not bytes: the length limit counts what the user sees.
std::size_t CountCharacters(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

} // namespace

bool FitsMask(std::string_view mask, std::string_view text)
{
    if (mask.empty())
        return true;
    if (text.size() > mask.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (mask[i] == '#') {
            if (!IsDigit(text[i]))
                return false;
        } else if (mask[i] != text[i]) {
            return false;
        }
    }
    return true;
}

const ClassInfo& EditField::Lookup_()
{
    return DescribeOnce([] {
        std::vector<PropertyInfo> properties = {
            Field<&EditField::border_, kEditOptions>("Border"),
            Field<&EditField::multiLine_, kEditOptions>("MultiLine"),
            Field<&EditField::scrollBarHorizontal_, 0>("ScrollBarHorizontal"),
            Field<&EditField::scrollBarVertical_, 0>("ScrollBarVertical"),
            Field<&EditField::styled_, 0>("Styled"),
            Field<&EditField::password_, kEditOptions>("Password"),
            Field<&EditField::useFocusRing_, 0>("UseFocusRing"),
            Field<&EditField::textColor_, kColors>("TextColor"),
            Field<&EditField::backColor_, kColors>("BackColor"),
            Field<&EditField::format_, 0>("Format"),
            Property<&EditField::SetText, &EditField::Text>("Text"),
            Property<&EditField::SetMask, &EditField::Mask>("Mask"),
            Field<&EditField::readOnly_, kEditOptions>("ReadOnly"),
            Property<&EditField::SetLimitText, &EditField::LimitText>("LimitText"),
            Field<&EditField::acceptTabs_, 0>("AcceptTabs"),
            Field<&EditField::alignment_, kEditOptions>("Alignment"),
            Field<&EditField::dataSource_, 0>("DataSource"),
            Field<&EditField::dataField_, 0>("DataField"),
        };
        for (PropertyInfo& font : FontProperties())
            properties.push_back(std::move(font));
        return ClassDeclaration{
            .name = "EditField",
            .base = &RectControl::Lookup_(),
            .create = []() -> Object* { return new EditField(); },
            .operations = {{"SelectAll", "", ""}, {"Copy", "", ""}, {"Paste", "", ""}, {"Cut", "", ""}},
            .properties = std::move(properties),
            .events = {"TextChange", "KeyDown", "GotFocus", "LostFocus", "SelChange"},
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

bool EditField::Accepts(std::string_view text) const
{
    if (limitText_ > 0 && CountCharacters(text) > static_cast<std::size_t>(limitText_))
        return false;
    return FitsMask(mask_, text);
}

void EditField::SetText(std::string_view text)
{
    if (!Accepts(text))
        return;
    text_ = text;
    Changed(kText);
}

bool EditField::UserEdited(std::string_view text)
{
    if (!Accepts(text) || readOnly_)
        return false;
    text_ = text;
    return true;
}

void EditField::SetMask(std::string_view mask)
{
    mask_ = mask;
    Aspects changed = kEditOptions;
    if (!FitsMask(mask_, text_)) {
        text_.clear();
        changed |= kText;
    }
    Changed(changed);
}

void EditField::SetLimitText(std::int32_t limit)
{
    limitText_ = limit < 0 ? 0 : limit;
    Changed(kEditOptions);
}

} // namespace fw
