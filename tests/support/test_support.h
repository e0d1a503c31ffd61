#pragma once

#include "simulator.h"

#include <QList>
#include <QMessageBox>
#include <QString>

#include <memory>

namespace test {

// Records every message box of the program and answers it at once.
class MessageRecorder
{
public:
    struct Message {
        QString text;
        QString title;
        QMessageBox::Icon icon;
    };
    MessageRecorder();
    ~MessageRecorder();

    QList<Message> messages;
    // Answers given in order; Ok (or the first button offered) once they run out.
    QList<QMessageBox::StandardButton> answers;

    bool saw(const QString &text) const;
    int count(const QString &text) const;
};

// A simulated module on a pseudo-terminal, reachable as COM<port>.
class SimModule
{
public:
    explicit SimModule(const QString &model, int port = 1);
    ~SimModule();
    qxsim::Simulator &sim() { return *m_sim; }
    qxsim::Simulator *operator->() { return m_sim.get(); }
    // Sets a module option; fails the test on an unknown one.
    void set(const QString &key, const QString &value);
    // A fresh module on a fresh device behind the same port number.
    void restart();

private:
    QString m_model;
    int m_port;
    std::unique_ptr<qxsim::Simulator> m_sim;
};

// Fresh shared state, message recorder hook cleared, time at normal speed.
void resetProgramState();

// CPU time (user + system) of this process in milliseconds.
double cpuMillis();

// CPU time the process spends while its event loop runs for ms milliseconds:
// near zero when nothing spins.
double cpuMillisWhileWaiting(int ms);

} // namespace test
