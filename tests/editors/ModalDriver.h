#pragma once

#include <QtCore/QElapsedTimer>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>

#include <functional>

// Drives the next modal dialog of type T that the code under test runs with
// exec(): once it is the visible active modal widget, the action runs on it
// (fill fields, press a button). A dialog the action leaves open is
// rejected, so that a faulty test fails instead of hanging.
template <typename T>
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(T&)> action)
        : m_action(std::move(action))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
        m_waiting.start();
    }

    bool Ran() const { return m_ran; }
    bool LeftOpen() const { return m_leftOpen; }

private:
    void Poll()
    {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (m_waiting.hasExpired(30000))
                m_timer.stop();
            return;
        }
        m_timer.stop();
        m_ran = true;
        m_action(*dialog);
        if (dialog->isVisible()) {
            m_leftOpen = true;
            dialog->done(QDialog::Rejected);
        }
    }

    std::function<void(T&)> m_action;
    QTimer m_timer;
    QElapsedTimer m_waiting;
    bool m_ran = false;
    bool m_leftOpen = false;
};
