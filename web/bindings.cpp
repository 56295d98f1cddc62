// The page's events for its script: each is one call into the session over
// the page's six boxes, and returns what the page shows after it, as JSON
// (view/json.h), which the page reads until the next call.
#include "view/json.h"
#include "view/session.h"
#include "view/worksheet.h"

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

// The page's start, with the browser's decimal separator, whatever it is,
// and the fragment of its address, which may hold a riddle.
EMSCRIPTEN_KEEPALIVE const char* parabolix_start(const char* separator, const char* fragment)
{
    session.emplace(fields, DecimalSeparator(separator), generator, clock);
    return answer(session->start(fragment));
}

// The fragment of the open page's address changed: a start with it.
EMSCRIPTEN_KEEPALIVE const char* parabolix_open(const char* fragment)
{
    return answer(session->start(fragment));
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

// "Link do zadania".
EMSCRIPTEN_KEEPALIVE const char* parabolix_share()
{
    return answer(session->share());
}

// The worksheet's page: the sheet its address names, with the browser's
// decimal separator, at its start and whenever the address changes.
EMSCRIPTEN_KEEPALIVE const char* parabolix_sheet_open(const char* separator, const char* fragment)
{
    const worksheet::Opening opening = worksheet::open(fragment, generator, clock);
    shown = view::toJson(
        worksheet::sheetOf(opening.settings, DecimalSeparator(separator)), opening.note);
    return shown.c_str();
}

// The worksheet's page: the sheet its controls name, or the note that they
// name none and the sheet shown stays.
EMSCRIPTEN_KEEPALIVE const char* parabolix_sheet(
    const char* separator, const char* number, const char* count)
{
    const auto settings = worksheet::settingsOf(number, count);
    shown = view::toJson(settings
            ? std::optional(worksheet::sheetOf(*settings, DecimalSeparator(separator)))
            : std::nullopt,
        settings ? "" : worksheet::kBadSettings);
    return shown.c_str();
}

// "Sprawdź", with the texts of the pupil's boxes a, b and c.
EMSCRIPTEN_KEEPALIVE const char* parabolix_check(const char* a, const char* b, const char* c)
{
    return answer(session->check({a, b, c}));
}

} // extern "C"

} // namespace parabolix::web
