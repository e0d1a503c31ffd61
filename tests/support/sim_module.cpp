#include "sim_module.h"

#include "model.h"

namespace test {

SimModule::SimModule(const QString &model, int port) : m_model(model), m_port(port)
{
    restart();
}

SimModule::~SimModule() = default;

void SimModule::restart()
{
    m_sim = std::make_unique<qxsim::Simulator>(qxsim::makeModel(m_model));
    if (!m_sim->start())
        qFatal("cannot open a pseudo-terminal: %s", qPrintable(m_sim->errorString()));
    qputenv(("QXCOM" + QByteArray::number(m_port)).constData(), m_sim->devicePath().toLocal8Bit());
}

void SimModule::set(const QString &key, const QString &value)
{
    if (!m_sim->model().setOption(key, value))
        qFatal("unknown module option %s=%s", qPrintable(key), qPrintable(value));
}

} // namespace test
