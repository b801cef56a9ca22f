#pragma once

#include "sheet/sheet_view.h"

#include <string>
#include <vector>

namespace sheet {

// A SheetView that writes down what it was asked to show, in order.
class RecordingView final : public SheetView {
public:
    void showText(BoxId box, const std::string& text) override {
        calls.emplace_back(boxName(box) + "=" + text);
    }
    void showStrRomanEnabled(bool enabled) override {
        calls.emplace_back(enabled ? "strRoman enabled" : "strRoman disabled");
    }
    void showCommand1Look(const ButtonLook& look) override { looks.push_back(look); }
    void showMessage(const Message& message) override { messages.push_back(message); }

    std::vector<std::string> calls;
    std::vector<ButtonLook> looks;
    std::vector<Message> messages;
};

} // namespace sheet
