#pragma once

#include "qt_window/form1takt.h"
#include "support/temporary_folder.h"

#include <functional>
#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace qt_window {

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

// Closes every modal window as soon as it opens, writing down the message boxes, so a test
// that opens one by surprise fails instead of waiting for a click that never comes.
class ModalCloser final : public QObject {
public:
    ModalCloser() {
        connect(&m_timer, &QTimer::timeout, this, &ModalCloser::closeModal);
        m_timer.start(5);
    }

    std::vector<SeenMessage> take() { return std::exchange(m_seen, {}); }
    // What a test does with another modal window, such as a print preview, before it is closed.
    std::function<void(QWidget&)> beforeClosing;
    // The classes of the other modal windows closed, such as a print preview.
    std::vector<QString> takeOthers() { return std::exchange(m_others, {}); }
    bool nothingSeen() const { return m_seen.empty() && m_others.empty(); }

private:
    void closeModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            m_seen.push_back({box->windowTitle(), box->text(), box->icon()});
            box->button(QMessageBox::Ok)->click();
        } else {
            m_others.emplace_back(modal->metaObject()->className());
            if (beforeClosing) {
                beforeClosing(*modal);
            }
            modal->close();
        }
    }

    QTimer m_timer;
    std::vector<SeenMessage> m_seen;
    std::vector<QString> m_others;
};

// A shown form whose worksheet goes into a temporary program folder.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form1takt>(std::vector<sheet::WorksheetFolder>{
            {programFolder.path(), sheet::WorksheetFolder::Kind::Program}});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        EXPECT_TRUE(closer.nothingSeen()) << "a modal window opened that the test did not expect";
        form.reset();
    }

    template <typename Widget = QWidget> Widget* control(const char* name) const {
        auto* found = form->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << "no control named " << name;
        return found;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    testing_support::TemporaryFolder programFolder;
    ModalCloser closer;
    std::unique_ptr<Form1takt> form;
};

} // namespace qt_window
