#include "test_support.h"

#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/shared_state.h"

#include <QTest>

#include <sys/resource.h>

namespace test {

MessageRecorder::MessageRecorder()
{
    lt::setMessageHook([this](const QString &text, const QString &title, QMessageBox::Icon icon,
                              QMessageBox::StandardButtons buttons) {
        messages.append({text, title, icon});
        if (!answers.isEmpty())
            return answers.takeFirst();
        for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            if (buttons & b)
                return b;
        return QMessageBox::Ok;
    });
}

MessageRecorder::~MessageRecorder()
{
    lt::setMessageHook({});
}

bool MessageRecorder::saw(const QString &text) const
{
    return count(text) > 0;
}

int MessageRecorder::count(const QString &text) const
{
    int n = 0;
    for (const auto &m : messages)
        n += m.text == text;
    return n;
}

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

void resetProgramState()
{
    lt::resetShared();
    lt::setMessageHook({});
    lt::timing::setScale(1.0, 0);
}

double cpuMillis()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

double cpuMillisWhileWaiting(int ms)
{
    const double before = cpuMillis();
    QTest::qWait(ms);
    return cpuMillis() - before;
}

} // namespace test
