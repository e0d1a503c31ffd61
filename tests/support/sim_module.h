#pragma once

#include "simulator.h"

#include <QString>

#include <memory>

namespace test {

// A simulated module on a pseudo-terminal, reachable as COM<port>.
class SimModule
{
public:
    explicit SimModule(const QString &model, int port = 1);
    ~SimModule();
    qxsim::Simulator &sim() { return *m_sim; }
    qxsim::Simulator *operator->() { return m_sim.get(); }
    // The model as the kind of module it is (qxsim::SmsconfModel, ...).
    template<class ModelType>
    ModelType &modelAs()
    {
        return static_cast<ModelType &>(m_sim->model());
    }
    // Sets a module option; fails the test on an unknown one.
    void set(const QString &key, const QString &value);
    void set(const QString &key, int value) { set(key, QString::number(value)); }
    // A fresh module on a fresh device behind the same port number.
    void restart();

private:
    QString m_model;
    int m_port;
    std::unique_ptr<qxsim::Simulator> m_sim;
};

} // namespace test
