#include "framework/StaticText.h"

#include "framework/Field.h"

namespace fw {

const ClassInfo& StaticText::Lookup_()
{
    return DescribeOnce([] {
        std::vector<PropertyInfo> properties = {
            Property<&StaticText::SetText, &StaticText::Text>("Text"),
            Property<&StaticText::SetText, &StaticText::Caption>("Caption"),
            Field<&StaticText::textAlign_, kEditOptions>("TextAlign"),
            Field<&StaticText::textColor_, kColors>("TextColor"),
            Field<&StaticText::multiLine_, kEditOptions>("MultiLine"),
            Field<&StaticText::dataSource_, 0>("DataSource"),
            Field<&StaticText::dataField_, 0>("DataField"),
        };
        for (PropertyInfo& font : FontProperties())
            properties.push_back(std::move(font));
        return ClassDeclaration{
            .name = "StaticText",
            .base = &RectControl::Lookup_(),
            .create = []() -> Object* { return new StaticText(); },
            .properties = std::move(properties),
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

void StaticText::SetText(std::string_view text)
{
    text_ = text;
    Changed(kText);
}

} // namespace fw
