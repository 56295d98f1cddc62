// Writes the page's HTML (`page_generator html`), the worksheet's
// (`page_generator sheet`), the window's part of the stylesheet
// (`page_generator css`) or the web app manifest (`page_generator manifest`)
// to standard output, from the window's description, when the page
// is built. The site stays static: the window shows, in its place and
// colours and with its start texts, before any script has run.
#include "riddle/chance.h"
#include "view/json.h"
#include "view/lesson.h"
#include "view/link.h"
#include "view/plot.h"
#include "view/session.h"
#include "view/window_description.h"
#include "view/worksheet.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

using parabolix::window::Control;
using parabolix::window::Kind;
namespace window = parabolix::window;

std::string escaped(std::string_view text)
{
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string attribute(std::string_view name, std::string_view value)
{
    return value.empty() ? std::string() : " " + std::string(name) + "=\"" + escaped(value) + '"';
}

// The page's start as the core makes it where the decimal separator is a
// comma, as in Polish: the texts of the boxes, and what the script shows at
// once, before the core has arrived (which starts the page again with the
// browser's own separator).
struct Start {
    parabolix::FieldRecord fields;
    std::string shown;
};

Start pageStart()
{
    Start start;
    parabolix::MixingGenerator generator;
    const parabolix::SystemClock clock;
    parabolix::view::Session session(
        start.fields, parabolix::DecimalSeparator(","), generator, clock);
    start.shown = parabolix::view::toJson(session.start());
    return start;
}

// The start text of the box `name`; empty for a control that is no box.
std::string startText(const Start& start, std::string_view name)
{
    const auto& fields = parabolix::kAllFields;
    const auto* found = std::find_if(fields.begin(), fields.end(),
        [name](parabolix::Field field) { return parabolix::fieldName(field) == name; });
    return found == fields.end() ? std::string() : start.fields.text(*found);
}

// The control, a box holding `text`.
std::string element(const Control& control, const std::string& text)
{
    const std::string id = attribute("id", control.name);
    const std::string name = attribute("aria-label", control.accessibleName);
    // A box keeps no text of an earlier visit: Firefox would put it back on a reload.
    const std::string box
        = id + name + " autocomplete=\"off\"" + (control.readOnly ? " readonly" : "");
    switch (control.kind) {
    case Kind::Label:
        return control.buddy.empty() ? "<p" + id + ">" + escaped(control.caption) + "</p>"
                                     : "<label" + id + attribute("for", control.buddy) + ">"
                + escaped(control.caption) + "</label>";
    case Kind::LineEdit:
        return "<input" + box + (control.readOnly ? "" : " spellcheck=\"false\"")
            + attribute("value", text) + ">";
    case Kind::TextArea:
        return "<textarea" + box + ">" + escaped(text) + "</textarea>";
    case Kind::Button:
        return "<button" + id + " type=\"button\">" + escaped(control.caption) + "</button>";
    }
    return {};
}

// The controls in the order a screen reader reads the page: the captions
// from the top down, then the boxes and buttons in the tab order, each box
// after the label that names it.
std::vector<Control> readingOrder()
{
    std::vector<Control> order;
    std::copy_if(window::kControls.begin(), window::kControls.end(), std::back_inserter(order),
        [](const Control& control) {
            return control.kind == Kind::Label && control.buddy.empty();
        });
    std::sort(order.begin(), order.end(),
        [](const Control& above, const Control& below) { return above.rect.top < below.rect.top; });
    for (std::string_view name : window::kTabOrder) {
        std::copy_if(window::kControls.begin(), window::kControls.end(), std::back_inserter(order),
            [name](const Control& control) { return control.buddy == name; });
        order.push_back(*window::find(name));
    }
    return order;
}

// <name attributes>text</name>, the text escaped.
std::string tag(std::string_view name, const std::string& attributes, std::string_view text)
{
    return "<" + std::string(name) + attributes + ">" + escaped(text) + "</" + std::string(name)
        + ">";
}

// A page's head, titled `title`: its policy, its files, and the page's own
// script, `script`, before the core's, all run once the page is read, so
// that the page shows before the core's script has run.
void writeHead(std::string_view title, std::string_view script)
{
    std::cout << R"(<!DOCTYPE html>
<html lang="pl">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; object-src 'none'; base-uri 'none'">
)" << tag("title", "", title)
              << R"(
<link rel="icon" href="icon-32.png" sizes="32x32">
<link rel="manifest" href="manifest.webmanifest">
<link rel="stylesheet" href="style.css">
<script src="browser.js" defer></script>
)"
              << "<script" << attribute("src", script) << R"( defer></script>
<script src="core.js" defer></script>
</head>
)";
}

// The window with its start texts, the notice that tells a screen reader
// what an event did, and below the window the note that says why a link was
// not taken.
void writeWindow(const Start& start)
{
    std::cout << "<div id=\"column\">\n<main id=\"Form1\">\n";
    for (const Control& control : readingOrder())
        std::cout << element(control, startText(start, control.name)) << '\n';
    std::cout << R"(<div id="notice" aria-live="polite"></div>
</main>
<p id="note"></p>
</div>
)";
}

// For the classroom, last in the tab order: the riddle's link, with its
// address to copy by hand where the clipboard refuses it, and the worksheet.
void writeClassroom()
{
    namespace link = parabolix::link;
    std::cout << "<section id=\"classroom\">\n"
              << tag("button", R"( type="button" id="share")", link::kButtonCaption)
              << tag("label", R"( for="address")", link::kAddressLabel)
              << R"(<input id="address" readonly autocomplete="off">)"
              << tag("button", R"( type="button" id="worksheet" data-page="karta.html")",
                     parabolix::worksheet::kOpenCaption)
              << "\n</section>\n";
}

// The plot beside the window, after Text6 in the tab order: a picture the
// script draws, its description, its points, a slider along the curve and a
// button that plays it; and the shapes' outlines, each found by its name. Its
// size is fixed from the first paint, so that the window never moves when it
// is drawn.
void writePlot()
{
    namespace plot = parabolix::plot;
    std::cout << R"(<figure id="plot">
<svg id="picture" viewBox="0 0 )"
              << plot::kWidth << ' ' << plot::kHeight << R"(" role="img")"
              << attribute("aria-label", plot::kTitle) << R"( aria-describedby="plotText"></svg>
<figcaption id="plotText"></figcaption>
<table id="points">)"
              << tag("caption", "", plot::kTableCaption) << "<thead><tr>"
              << tag("th", R"( scope="col")", plot::kPointHeading)
              << tag("th", R"( scope="col")", plot::kCoordinatesHeading)
              << "</tr></thead><tbody></tbody></table>\n"
              << tag("label", R"( for="walk")", plot::kWalkLabel) << R"(
<input type="range" id="walk" min="0" max="0" value="0" aria-describedby="plotText">
<p id="walkText" aria-hidden="true"></p>
)" << tag("button", R"( type="button" id="listen")", plot::kListenCaption)
              << R"(
<svg id="outlines" aria-hidden="true"><defs>)";
    for (const plot::Outline& outline : plot::kOutlines)
        std::cout << "<path" << attribute("id", outline.name) << attribute("d", outline.path)
                  << (outline.filled ? "" : R"( fill="none" stroke-width="2")") << "/>";
    std::cout << "</defs></svg>\n</figure>\n";
}

// The lesson below the plot, after it in the tab order: the pupil's answer
// and its check, then the steps and the forms, each closed at first.
void writeLesson()
{
    namespace lesson = parabolix::lesson;
    std::cout << R"(<section id="lesson" aria-labelledby="checkHeading">
)" << tag("h2", R"( id="checkHeading")", lesson::kCheckHeading)
              << "\n<p id=\"answer\">";
    for (std::size_t i = 0; i < lesson::kAnswerLabels.size(); ++i) {
        const std::string id = std::string("answer") + "abc"[i];
        std::cout << tag("label", attribute("for", id), lesson::kAnswerLabels.at(i)) << "<input"
                  << attribute("id", id) << R"( autocomplete="off" spellcheck="false">)";
    }
    std::cout << tag("button", R"( type="button" id="check")", lesson::kCheckCaption) << R"(</p>
<div id="checked"></div>
<details id="steps">)"
              << tag("summary", "", lesson::kStepsTitle) << R"(<div id="stepsText"></div></details>
<details id="forms">)"
              << tag("summary", "", lesson::kFormsTitle) << R"(<div id="formsText"></div></details>
</section>
)";
}

// The modal message an error is shown in, titled as the window is.
void writeMessage()
{
    std::cout
        << R"(<dialog id="message" role="alertdialog" aria-labelledby="messageTitle" aria-describedby="messageText">
)" << tag("h1", R"( id="messageTitle")", window::kTitle)
        << R"(
<p id="messageText"></p>
<form method="dialog"><button aria-describedby="messageText">OK</button></form>
</dialog>
)";
}

// What the start shows beyond the boxes, for the script: a data block that
// runs nowhere, and cannot end before its end.
void writeStart(const Start& start)
{
    std::string shown = start.shown;
    for (std::size_t at = shown.find("</"); at != std::string::npos; at = shown.find("</", at))
        shown.insert(at + 1, "\\");
    std::cout << R"(<script type="application/json" id="start">)" << shown << "</script>\n";
}

void writeHtml()
{
    const Start start = pageStart();
    writeHead(window::kTitle, "page.js");
    std::cout << "<body>\n";
    writeWindow(start);
    writePlot();
    writeLesson();
    writeClassroom();
    writeMessage();
    writeStart(start);
    std::cout << "</body>\n</html>\n";
}

// The worksheet's page (karta.html): its controls, which its printout leaves
// out, the note about its address, and the sheet its script writes: title,
// instruction, riddles, and the answers on a page of their own in print.
void writeSheet()
{
    namespace worksheet = parabolix::worksheet;
    writeHead(worksheet::kOpenCaption, "sheet.js");
    std::cout << R"(<body class="sheet">
<main>
<form id="settings">)"
              << tag("label", R"( for="count")", worksheet::kCountLabel) << "<input"
              << attribute("min", std::to_string(worksheet::kFewest))
              << attribute("max", std::to_string(worksheet::kMost))
              << attribute("value", std::to_string(worksheet::kAtFirst))
              << R"( type="number" id="count" required>)"
              << tag("label", R"( for="number")", worksheet::kNumberLabel) << "<input"
              << attribute("min", std::to_string(worksheet::kLowestNumber))
              << attribute("max", std::to_string(worksheet::kHighestNumber))
              << R"( type="number" id="number" required>)"
              << tag("button", R"( type="button" id="print")", worksheet::kPrintCaption)
              << R"(</form>
<p id="note" aria-live="polite"></p>
<h1 id="title"></h1>
)" << tag("p", R"( id="instruction")", worksheet::kInstruction)
              << R"(
<div id="riddles"></div>
<section id="answers"><h2 id="answersTitle"></h2><div id="answerLines"></div></section>
</main>
</body>
</html>
)";
}

std::string colour(window::Colour colour)
{
    std::array<char, 8> hex{};
    std::snprintf(hex.data(), hex.size(), "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return hex.data();
}

std::string twips(int value)
{
    return "calc(" + std::to_string(value) + " * var(--twip))";
}

// The page's layout: the gap between the window and the plot; on a wide
// screen in landscape, the window's height as a share of the viewport's
// (three quarters and a little), and the room kept beside the two for the
// gap and a scroll bar.
constexpr int kGap = 24;
constexpr int kWideScreen = 1280;
constexpr int kWideWindowHeight = 76; // percent
constexpr int kWideRoom = 56; // pixels

// On a screen up to 460 pixels wide, a phone's held upright, the whole window
// grows to the screen's width, or its height where that is less. On a wide
// screen in landscape, the window and the plot beside it grow together, as
// one piece, as far as the viewport's height and width let them; --px is a
// pixel of the classic layout, as they show it.
void writeScale()
{
    // Each scale is the window's height that it gives, over the window's
    // height in twips: a length that small is rounded by some engines
    // (Firefox keeps sixtieths of a pixel), and multiplied by thousands of
    // twips again it would be out by pixels.
    const int wideTwips
        = window::kWidth + static_cast<int>(parabolix::plot::kWidth) * window::kTwipsPerPixel;
    std::cout << "@media (max-width: 460px) {\n  :root { --twip: calc(min(100vw * "
              << window::kHeight << " / " << window::kWidth << ", 100vh) / " << window::kHeight
              << "); }\n}\n"
              << "@media (min-width: " << kWideScreen << "px) and (orientation: landscape) {\n"
              << "  :root { --twip: calc(min(" << kWideWindowHeight << "vh, (100vw - " << kWideRoom
              << "px) * " << window::kHeight << " / " << wideTwips << ") / " << window::kHeight
              << "); --px: calc(" << window::kTwipsPerPixel << " * var(--twip)); }\n}\n";
}

void writeCss()
{
    std::cout << "\n/* The window's size, colours, font and controls, in twips */\n"
              << ":root { --twip: calc(1px / " << window::kTwipsPerPixel
              << "); --px: 1px; --gap: " << kGap << "px; --text: " << colour(window::kTextColour)
              << "; --font-families:";
    for (std::string_view family : window::kFontFamilies)
        std::cout << (family.find(' ') == std::string_view::npos
                ? " " + std::string(family)
                : " \"" + std::string(family) + '"')
                  << ',';
    std::cout << " sans-serif; }\n";
    writeScale();
    std::cout << "#Form1 { width: " << twips(window::kWidth)
              << "; height: " << twips(window::kHeight)
              << "; background: " << colour(window::kBackground)
              << "; color: var(--text); font: " << twips(window::kFontSize)
              << " var(--font-families); }\n";
    for (const Control& control : window::kControls) {
        std::cout << '#' << control.name << " { left: " << twips(control.rect.left)
                  << "; top: " << twips(control.rect.top)
                  << "; width: " << twips(control.rect.width)
                  << "; height: " << twips(control.rect.height) << ';';
        if (control.alignment != window::Alignment::Left)
            std::cout << " text-align: "
                      << (control.alignment == window::Alignment::Right ? "right" : "center")
                      << ';';
        std::cout << " }\n";
    }
}

// What a browser needs to install the page as an app: its name and colours
// are the window's.
void writeManifest()
{
    const std::string title = escaped(window::kTitle);
    std::cout << R"({
  "name": ")" << title
              << R"(",
  "short_name": ")"
              << title << R"(",
  "description": "Parabola y = ax^2+bx+c przez trzy punkty",
  "lang": "pl",
  "start_url": "./",
  "scope": "./",
  "display": "standalone",
  "background_color": ")"
              << colour(window::kBackground) << R"(",
  "theme_color": ")"
              << colour(window::kBackground) << R"(",
  "icons": [
    { "src": "icon-32.png", "sizes": "32x32", "type": "image/png" },
    { "src": "icon-256.png", "sizes": "256x256", "type": "image/png", "purpose": "any" }
  ]
}
)";
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view mode = argc == 2 ? argv[1] : "";
    if (mode == "html")
        writeHtml();
    else if (mode == "sheet")
        writeSheet();
    else if (mode == "css")
        writeCss();
    else if (mode == "manifest")
        writeManifest();
    else {
        std::cerr << "usage: page_generator html|sheet|css|manifest\n";
        return 2;
    }
    return 0;
}
