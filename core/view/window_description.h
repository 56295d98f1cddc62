// The program's window, Form1, described once: each control's kind, place,
// caption, name and part in the tab order, and the window's size, title,
// colours and font. The Qt window builds its widgets from this; the page's
// HTML and its geometry stylesheet are generated from it when the page is
// built. Plain data, so both faces can read it and neither includes the other.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace parabolix::window {

// The layout is kept in twips, as the classic dialog was drawn: 15 twips
// make one pixel at 96 dots per inch, and every figure divides exactly.
inline constexpr int kTwipsPerPixel = 15;

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

enum class Kind {
    Label, // a caption on the window's surface, beneath every box and button
    LineEdit, // a one-line box
    TextArea, // a box of several lines, read-only, which a keyboard user can still reach and copy
    Button,
};

enum class Alignment { Left, Centre, Right };

struct Control {
    std::string_view name;
    Kind kind;
    Twips rect;
    // A label's or button's text; a box's text is the riddle's, not the window's.
    std::string_view caption = {};
    // What a screen reader calls a box that no label names.
    std::string_view accessibleName = {};
    // For a label that names a box: that box.
    std::string_view buddy = {};
    Alignment alignment = Alignment::Left;
    bool readOnly = false;
};

struct Colour {
    int red;
    int green;
    int blue;
};

// The controls in the classic dialog's order of creation (the last made lies
// on top); captions are the program's own, odd spellings included:
// "podstwie" is what its users know.
inline constexpr std::array<Control, 14> kControls{{
    {"Text6", Kind::TextArea, {315, 3150, 4005, 960}, {}, "Wzory", {}, Alignment::Left, true},
    {"Text5", Kind::TextArea, {315, 1785, 4005, 1275}, {}, "Układ równań", {}, Alignment::Left,
        true},
    {"Command2", Kind::Button, {1155, 1365, 2220, 330}, "Wyznacz trzy liczby m, n, p"},
    {"Text4", Kind::LineEdit, {315, 4200, 4005, 330}, {}, "Wielomian", {}, Alignment::Centre, true},
    {"Command1", Kind::Button, {1785, 4620, 1065, 330}, "oblicz"},
    {"Text3", Kind::LineEdit, {3780, 945, 540, 330}, {}, {}, {}, Alignment::Right},
    {"Text2", Kind::LineEdit, {2100, 945, 540, 330}, {}, {}, {}, Alignment::Right},
    {"Text1", Kind::LineEdit, {525, 945, 540, 330}, {}, {}, {}, Alignment::Right},
    {"Label7", Kind::Label, {3465, 960, 330, 330}, "p =", {}, "Text3"},
    {"Label6", Kind::Label, {1785, 960, 330, 330}, "n =", {}, "Text2"},
    {"Label5", Kind::Label, {210, 960, 330, 330}, "m =", {}, "Text1"},
    {"Label4", Kind::Label, {210, 525, 3375, 225}, "Zmienna x przyjmuje wartości x=1, x=2, x=3."},
    {"Label3", Kind::Label, {210, 315, 5685, 330}, "gdzie a, b, c są dowolnymi liczbami. "},
    {"Label1", Kind::Label, {210, 105, 4320, 330},
        "Losuj lub wpisz trzy liczby na podstwie wzoru: y = ax^2+bx+c"},
}};

// The order the Tab key takes through the boxes and buttons.
inline constexpr std::array<std::string_view, 8> kTabOrder{
    "Text1", "Text2", "Text3", "Command1", "Text4", "Command2", "Text5", "Text6"};

inline constexpr std::string_view kTitle = "Parabolix";
inline constexpr int kWidth = 4620; // twips, a fixed size
inline constexpr int kHeight = 5040;
inline constexpr Colour kBackground{255, 192, 128}; // light orange
inline constexpr Colour kTextColour{0, 0, 128}; // navy, for every text but the buttons'
// Arial, the font of every Windows; Liberation Sans, drawn to Arial's
// metrics, where Arial is missing. 150 twips (10 px, 7.5 pt at 96 dpi) is the
// largest size at which every caption fits whole on one line in its box.
inline constexpr std::array<std::string_view, 2> kFontFamilies{"Arial", "Liberation Sans"};
inline constexpr int kFontSize = 150;

// The control named `name`, or null if none is.
constexpr const Control* find(std::string_view name)
{
    const auto* found = std::find_if(kControls.begin(), kControls.end(),
        [name](const Control& each) { return each.name == name; });
    return found == kControls.end() ? nullptr : found;
}

// The control named `name`; a name that is none of kControls does not compile.
consteval const Control& control(std::string_view name)
{
    return *find(name);
}

} // namespace parabolix::window
