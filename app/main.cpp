// A stand-in for the program until its window exists: converts the form's sample numbers.
#include "sheet/exercise_sheet.h"

#include <iostream>

namespace {

class ConsoleView final : public sheet::SheetView {
public:
    void showText(sheet::BoxId box, const std::string& text) override {
        std::cout << sheet::boxName(box) << ": " << text << '\n';
    }
    void showStrRomanEnabled(bool) override {}
    void showCommand1Look(const sheet::ButtonLook&) override {}
    void showMessage(const sheet::Message& message) override { std::cout << message.text << '\n'; }
};

} // namespace

int main() {
    ConsoleView view;
    sheet::ExerciseSheet sheet(view);
    sheet.convertToOrdinals();
    sheet.convertToCardinals();
}
