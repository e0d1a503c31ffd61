#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace qxsim {

// What a module can do on its serial line.
class ModuleLink
{
public:
    virtual ~ModuleLink() = default;
    // An answer to the request being handled; subject to the fault options.
    virtual void reply(const QByteArray &bytes, int delayMs = 0) = 0;
    // Data the module sends on its own (an incoming message); only split and
    // delay apply, it is never dropped.
    virtual void sendUnsolicited(const QByteArray &bytes, int delayMs = 0) = 0;
    // The module restarts: it neither hears nor answers for ms milliseconds.
    virtual void goSilent(int ms) = 0;
};

// One kind of module: its state and how it answers a request block (the bytes
// that arrived before a quiet gap).
class Model
{
public:
    virtual ~Model() = default;
    virtual void handle(const QByteArray &request, ModuleLink &link) = 0;
    // key=value options of the command line; false for an unknown key or a bad value.
    virtual bool setOption(const QString &key, const QString &value)
    {
        Q_UNUSED(key);
        Q_UNUSED(value);
        return false;
    }
    virtual QStringList optionHelp() const { return {}; }
};

// "qx3100", "qx3200" or "smsconf"; null for any other name.
std::unique_ptr<Model> makeModel(const QString &name);

} // namespace qxsim
