#pragma once

#include "sheet/sheet_view.h"
#include "support/box_name.h"

#include <string>
#include <vector>

namespace sheet {

// A SheetView that writes down what it was asked to show, in order.
class RecordingView final : public SheetView {
public:
    void showText(BoxId box, const std::string& text) override {
        calls.emplace_back(testing_support::boxName(box) + "=" + text);
    }
    void showStrRomanEnabled(bool enabled) override {
        calls.emplace_back(enabled ? "strRoman enabled" : "strRoman disabled");
    }
    void showHovered() override { ++hovers; }
    void showMessage(const Message& message) override { messages.push_back(message); }

    std::vector<std::string> calls;
    int hovers = 0;
    std::vector<Message> messages;
};

} // namespace sheet
