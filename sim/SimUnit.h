#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

struct SimOptions {
    QString imagePath;
    bool persist = false;
    QString userPassword = QStringLiteral("user");
    QString adminPassword = QStringLiteral("admin");
    int refuseRecord = 0;      // refuse the #XW of this fixed record (1..10)
    bool refuseChunks = false; // refuse every #XW that is not a fixed record
    bool oversizeReply = false;
    QByteArray refuseCommand; // two letters: answer that command with status 3, doing nothing
    QByteArray clock;         // seven clock registers to start from (none: the workstation's time)
    QByteArray state;         // the live state #GS answers with (none: the simulated one)
    bool frozenClock = false; // acknowledge clock writes and keep the time it had
    int corruptAddress =
        -1; // a write that covers this address keeps its byte wrongly (bit 0 flipped)
};

// The simulated unit: its configuration memory, clock, I2C devices and live state, and
// the answer to each request frame. Sockets and fault injection on the connection live
// in SimServer.
class SimUnit {
public:
    static constexpr int MemorySize = 8000;

    explicit SimUnit(SimOptions options = {});

    enum class Action { Reply, Close };
    struct Response {
        Action action = Action::Reply;
        QByteArray bytes;
    };

    // frame: the six header bytes and the payload of one request.
    Response handle(const QByteArray& frame);

    QByteArray& memory() { return m_memory; }
    const QByteArray& memory() const { return m_memory; }
    const SimOptions& options() const { return m_options; }

    // A configuration that looks like a unit fresh from the installer: loopback address,
    // names of both accounts, a few descriptions.
    static QByteArray defaultImage();
    // The account names stored in the memory's EthConfig.
    QString userName() const;
    QString adminName() const;

    // Writes the clock registers from 0 as "#Xi" does: a valid time runs on from there,
    // anything else is held as written, as a clock that was never set holds garbage.
    void setClock(const QByteArray& registers) { writeClockRegisters(0, registers); }

    // Set when a write changed the memory; the server persists and clears it.
    bool takeMemoryChanged();

private:
    QByteArray reply(char l1, char l2, std::uint8_t status, const QByteArray& payload) const;
    QByteArray deviceStatus() const;
    QByteArray clockRegisters() const;
    void writeClockRegisters(int reg, const QByteArray& data);
    std::uint8_t login(const QByteArray& payload) const;
    std::uint8_t writeMemory(std::uint8_t status, const QByteArray& payload);

    SimOptions m_options;
    QByteArray m_memory;
    std::array<QByteArray, 256> m_i2c;
    QByteArray m_flash;
    qint64 m_clockOffsetMs = 0; // how far the clock runs ahead of the workstation's
    QByteArray m_heldClock;     // registers of a clock that holds no valid time
    bool m_memoryChanged = false;
    bool m_bypass = false;
    bool m_supply5V = true;
    bool m_outputsForced = false;
    std::uint16_t m_forcedOutputs = 0;
    double m_energyBase1 = 1234.5;
    double m_pwm = 42.5;
    double m_energyBase2 = 87.25;
    qint64 m_startMs;
};
