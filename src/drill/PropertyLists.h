#pragma once

#include <cstddef>
#include <string_view>

// The settings of the drill window and of each of its twelve controls, as
// packed property lists for fw::SetProperties_. Constant data, written once
// at compile time.
namespace Prodotina::lists {

struct List {
    std::string_view bytes; // arbitrary bytes, zeros included: the length is explicit
    std::size_t entries;
};

extern const List kWindow;
extern const List kEditField1;
extern const List kStaticText1;
extern const List kStaticText2;
extern const List kStaticText3;
extern const List kStaticText4;
extern const List kStaticText5;
extern const List kStaticText6;
extern const List kStaticText7;
extern const List kStaticText8;
extern const List kPushButton1;
extern const List kPushButton2;
extern const List kPushButton3;

} // namespace Prodotina::lists
