// The riddle fields over the window's text boxes.
#pragma once

#include "riddle.h"

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace parabolix::ui {

// The UTF-8 text of the core as Qt's string.
[[nodiscard]] QString fromUtf8(std::string_view text);

// Gets and sets the text of Text1..Text4 (single-line boxes) and Text5 and
// Text6 (multi-line boxes). Texts cross as UTF-8. A multi-line box shows each
// CR LF as one line break and gives each break back as CR LF; what it gives
// back is the box's plain text, so a lone CR or LF set comes back as CR LF
// and a no-break space as a space. The riddle reads only Text1..Text3.
class WidgetFields final : public RiddleFields {
public:
    WidgetFields(QLineEdit* text1, QLineEdit* text2, QLineEdit* text3, QLineEdit* text4,
        QPlainTextEdit* text5, QPlainTextEdit* text6);

    [[nodiscard]] std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;

private:
    std::array<QLineEdit*, 4> m_lines;
    std::array<QPlainTextEdit*, 2> m_areas;
};

} // namespace parabolix::ui
