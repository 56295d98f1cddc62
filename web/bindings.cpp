// The core's operations for the page, over its six boxes. The page's script
// calls these; each returns the Polish text of the error the operation raised,
// or an empty text, and leaves the boxes as the operation left them, as the
// window does.
#include "plot_json.h"
#include "riddle.h"

#include <emscripten.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

extern "C" {
// The page's side (page_fields.js): the text of the box with the id
// `id[0..idLength)`, as a UTF-8 text the caller frees, and storing one.
char* parabolix_page_text(const char* id, std::size_t idLength);
void parabolix_page_set_text(
    const char* id, std::size_t idLength, const char* text, std::size_t length);
}

namespace parabolix::web {

namespace {

// Each field is the box whose id is the field's name.
class PageFields final : public RiddleFields {
public:
    [[nodiscard]] std::string text(Field field) const override
    {
        const std::string_view id = fieldName(field);
        const std::unique_ptr<char, decltype(&std::free)> text(
            parabolix_page_text(id.data(), id.size()), &std::free);
        return text.get();
    }

    void setText(Field field, std::string_view text) override
    {
        const std::string_view id = fieldName(field);
        parabolix_page_set_text(id.data(), id.size(), text.data(), text.size());
    }
};

PageFields fields;
MixingGenerator generator;
const SystemClock clock;
std::string result;

const char* run(const std::function<void()>& operation)
{
    result.clear();
    try {
        operation();
    } catch (const Error& error) {
        result = error.what();
    }
    return result.c_str();
}

} // namespace

extern "C" {

// Writes the start texts into the page's boxes.
EMSCRIPTEN_KEEPALIVE const char* parabolix_start()
{
    return run([] { writeStartTexts(fields); });
}

// Solves with the browser's decimal separator, whatever the page found.
EMSCRIPTEN_KEEPALIVE const char* parabolix_solve(const char* separator)
{
    return run([separator] { solve(fields, DecimalSeparator(separator)); });
}

EMSCRIPTEN_KEEPALIVE const char* parabolix_draw()
{
    return run([] { draw(fields, generator, clock); });
}

// The plot of the riddle in the boxes, as JSON: the points alone, or with
// `solved` the curve through them; empty should the boxes' numbers not serve.
EMSCRIPTEN_KEEPALIVE const char* parabolix_plot(const char* separator, int solved)
{
    try {
        const DecimalSeparator decimal(separator);
        const Riddle riddle = readRiddle(fields, decimal);
        result = toJson(solved != 0 ? plot::solved(riddle, fields.text(Field::Text4), decimal)
                                    : plot::points(riddle, decimal));
    } catch (const Error&) {
        result.clear();
    }
    return result.c_str();
}

// What a screen reader is told after a draw.
EMSCRIPTEN_KEEPALIVE const char* parabolix_drawn_numbers()
{
    result = drawnNumbers(fields);
    return result.c_str();
}

} // extern "C"

} // namespace parabolix::web
