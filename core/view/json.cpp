#include "view/json.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

namespace parabolix::view {

namespace {

// The plot as the page's script draws and plays it, appended to one text:
// each text joined from temporaries would cost the page its own cleanup code.
class Json {
public:
    Json& text(std::string_view text)
    {
        m_out += '"';
        for (char c : text) {
            if (c == '"' || c == '\\')
                m_out += '\\';
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escape{};
                std::snprintf(escape.data(), escape.size(), "\\u%04x",
                    static_cast<unsigned>(static_cast<unsigned char>(c)));
                m_out += escape.data();
            } else {
                m_out += c;
            }
        }
        m_out += '"';
        return *this;
    }
    Json& number(double value)
    {
        std::array<char, 32> digits{};
        std::snprintf(digits.data(), digits.size(), "%.6g", std::isfinite(value) ? value : 0.0);
        m_out += digits.data();
        return *this;
    }
    Json& number(const std::optional<double>& value)
    {
        if (value)
            return number(*value);
        m_out += "null";
        return *this;
    }
    // `"name":` after a comma, or after the brace that opens an object.
    Json& key(std::string_view name)
    {
        m_out += m_out.empty() || m_out.back() == '{' ? "" : ",";
        return text(name).raw(":");
    }
    Json& raw(std::string_view text)
    {
        m_out += text;
        return *this;
    }
    template <typename Each, typename Write>
    Json& list(const std::vector<Each>& items, Write write)
    {
        m_out += '[';
        for (const Each& item : items) {
            if (m_out.back() != '[')
                m_out += ',';
            write(*this, item);
        }
        m_out += ']';
        return *this;
    }
    [[nodiscard]] std::string& out() { return m_out; }

private:
    std::string m_out;
};

void write(Json& json, const plot::Plot& plot)
{
    const auto tick = [](Json& out, const plot::Tick& each) {
        out.raw("[").number(each.at).raw(",").text(each.label).raw("]");
    };
    json.raw("{").key("width").number(plot::kWidth).key("height").number(plot::kHeight);
    json.key("description").text(plot.description);
    json.key("table").list(plot.table, [](Json& out, const plot::Row& row) {
        out.raw("[").text(row.point).raw(",").text(row.coordinates).raw("]");
    });
    json.key("marks").list(plot.marks, [](Json& out, const plot::Mark& mark) {
        out.raw("{")
            .key("label")
            .text(mark.label)
            .key("shape")
            .text(plot::outline(mark.shape).name);
        out.key("x").number(mark.x).key("y").number(mark.y).raw("}");
    });
    json.key("axisX").number(plot.axisX).key("axisY").number(plot.axisY);
    json.key("xTicks").list(plot.xTicks, tick).key("yTicks").list(plot.yTicks, tick);
    json.key("xTicksAt").number(plot.xTicksAt).key("yTicksAt").number(plot.yTicksAt);
    json.key("curve").text(plot.curve).key("symmetry").number(plot.symmetry);
    json.key("steps").list(plot.steps, [](Json& out, const std::string& step) { out.text(step); });
    json.key("firstStep").number(static_cast<double>(plot.firstStep));
    json.key("tones").list(plot.tones, [](Json& out, const plot::Tone& tone) {
        out.raw("{").key("start").number(tone.start).key("duration").number(tone.duration);
        out.key("frequency").number(tone.frequency).key("pan").number(tone.pan).raw("}");
    });
    json.key("glide").list(plot.glide, [](Json& out, const plot::Tone& tone) {
        out.raw("{").key("start").number(tone.start).key("frequency").number(tone.frequency);
        out.key("pan").number(tone.pan).raw("}");
    });
    json.raw("}");
}

// Lines of text, or null for none.
void write(Json& json, const std::optional<std::vector<std::string>>& lines)
{
    if (!lines) {
        json.raw("null");
        return;
    }
    json.list(*lines, [](Json& out, const std::string& line) { out.text(line); });
}

} // namespace

std::string toJson(const Shown& shown)
{
    Json json;
    json.raw("{").key("error").text(shown.error).key("announcement").text(shown.announcement);
    json.key("plot");
    if (shown.plot)
        write(json, *shown.plot);
    else
        json.raw("null");
    json.key("steps");
    write(json, shown.lesson ? std::optional(shown.lesson->steps) : std::nullopt);
    json.key("forms");
    write(json, shown.lesson ? std::optional(shown.lesson->forms) : std::nullopt);
    json.key("checked");
    write(json, shown.checked);
    json.key("newRiddle").raw(shown.newRiddle ? "true" : "false").key("note");
    if (shown.note)
        json.text(*shown.note);
    else
        json.raw("null");
    json.key("link");
    if (shown.link) {
        json.raw("{").key("fragment").text(shown.link->fragment).key("copied");
        json.text(shown.link->copied).key("refused").text(shown.link->refused).raw("}");
    } else {
        json.raw("null");
    }
    json.raw("}");
    return std::move(json.out());
}

std::string toJson(const std::optional<worksheet::Sheet>& sheet, std::string_view note)
{
    Json json;
    json.raw("{").key("note").text(note).key("sheet");
    if (!sheet) {
        json.raw("null}");
        return std::move(json.out());
    }
    json.raw("{").key("number").number(sheet->settings.number);
    json.key("count").number(sheet->settings.count).key("title").text(sheet->title);
    json.key("riddles");
    write(json, std::optional(sheet->riddles));
    json.key("answersTitle").text(sheet->answersTitle).key("answers");
    write(json, std::optional(sheet->answers));
    json.key("fragment").text(sheet->fragment).raw("}}");
    return std::move(json.out());
}

} // namespace parabolix::view
