#pragma once

#include "AppFixture.h"
#include "app/TFGlowny.h"

#include <QApplication>
#include <QTimer>
#include <functional>

namespace kzp::test {

// The main window over the fixture's working directory; ending the program is only recorded.
class MainWindowFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        m_window = std::make_unique<TFGlowny>(*m_ctx);
        m_window->endProgram = [this] { ++m_ended; };
    }
    void TearDown() override
    {
        m_window.reset();
        AppFixture::TearDown();
    }

    // Runs f on the next modal window to appear (the login window, a sub-window).
    static void whenModal(std::function<void(QWidget*)> f)
    {
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, f] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                f(w);
            }
        });
        timer->start();
    }

    std::unique_ptr<TFGlowny> m_window;
    int m_ended = 0;
};

} // namespace kzp::test
