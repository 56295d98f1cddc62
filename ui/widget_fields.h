// The riddle fields over the window's text boxes.
#pragma once

#include "riddle/riddle.h"

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace parabolix::ui {

// The UTF-8 text of the core as Qt's string.
[[nodiscard]] QString fromUtf8(std::string_view text);

// Gets and sets the text of the boxes Text1..Text6 of `form`, each a
// single-line or a multi-line box as the window's description makes it.
// Texts cross as UTF-8. A multi-line box shows each CR LF as one line break
// and gives each break back as CR LF; what it gives back is the box's plain
// text, so a lone CR or LF set comes back as CR LF and a no-break space as a
// space. The riddle reads only Text1..Text3.
class WidgetFields final : public RiddleFields {
public:
    // Requires `form` to hold the six boxes, named after the fields.
    explicit WidgetFields(const QWidget& form);

    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;

private:
    // Each field's box: a line, or else an area.
    std::array<QLineEdit*, kAllFields.size()> m_lines{};
    std::array<QPlainTextEdit*, kAllFields.size()> m_areas{};
};

} // namespace parabolix::ui
