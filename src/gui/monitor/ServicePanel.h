#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

class DeviceLink;
class Feedback;
namespace unit {
struct Command;
}

// The main window's service panel: raw I2C reads and writes, the outputs and PWM from two
// bytes, a run of bytes into the unit's flash and back, and zeroing the energy counters.
// Each button is one row of the unit's commands; what it reads goes to the log box.
class ServicePanel : public QWidget {
    Q_OBJECT
public:
    // runLink runs an exchange as the main window runs its operations; ask puts a yes/no
    // question to the user. The buttons that change the unit are the rights table's: an
    // administrator's only.
    ServicePanel(QWidget* parent, DeviceLink& link, Feedback& feedback,
                 std::function<void(const std::function<void()>&)> runLink,
                 std::function<bool(const QString&)> ask);

private:
    void send(const unit::Command& command);
    // A box's value as the request takes it: a byte keeps its low-order bits.
    std::uint32_t valueOf(const char* box) const;

    DeviceLink& m_link;
    Feedback& m_feedback;
    std::function<void(const std::function<void()>&)> m_runLink;
    std::function<bool(const QString&)> m_ask;
};
