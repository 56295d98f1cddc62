// The page's events for its script: each is one call into the session over
// the page's six boxes, and returns what the page shows after it, as JSON
// (view/json.h), which the page reads until the next call.
#include "view/json.h"
#include "view/session.h"

#include <cstdlib>
#include <emscripten.h>
#include <memory>
#include <optional>
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
std::optional<view::Session> session;
std::string shown;

const char* answer(const view::Shown& event)
{
    shown = view::toJson(event);
    return shown.c_str();
}

} // namespace

extern "C" {

// The page's start, with the browser's decimal separator, whatever it is.
EMSCRIPTEN_KEEPALIVE const char* parabolix_start(const char* separator)
{
    session.emplace(fields, DecimalSeparator(separator), generator, clock);
    return answer(session->start());
}

// "oblicz".
EMSCRIPTEN_KEEPALIVE const char* parabolix_solve()
{
    return answer(session->solve());
}

// "Wyznacz trzy liczby m, n, p".
EMSCRIPTEN_KEEPALIVE const char* parabolix_draw()
{
    return answer(session->draw());
}

// "Sprawdź", with the texts of the pupil's boxes a, b and c.
EMSCRIPTEN_KEEPALIVE const char* parabolix_check(const char* a, const char* b, const char* c)
{
    return answer(session->check({a, b, c}));
}

} // extern "C"

} // namespace parabolix::web
