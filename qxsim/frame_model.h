#pragma once

#include "model.h"

#include <QHash>

#include <functional>

namespace qxsim {

// A request in the module frame envelope: head, command, operation, data.
struct Frame
{
    quint8 command = 0;
    quint8 operation = 0;
    QByteArray data;   // bytes from offset 10 on
    QByteArray raw;    // the whole request
};

// Base of the modules that speak the frame envelope. Each command is one row
// of a table, so extending a module means adding rows.
class FrameModel : public Model
{
public:
    using Handler = std::function<void(const Frame &, ModuleLink &)>;

    void handle(const QByteArray &request, ModuleLink &link) override;
    bool setOption(const QString &key, const QString &value) override;
    QStringList optionHelp() const override;

    // Reply in the envelope: head, code, operation byte, data.
    static QByteArray frame(quint8 code, quint8 operation, const QByteArray &data = {});

protected:
    void addRow(quint8 command, Handler handler) { m_rows.insert(command, std::move(handler)); }
    // A numeric option with its help line; the value is stored in *target.
    void addIntOption(const QString &key, int *target, const QString &help);
    // Called for a request whose command has no row, or that is not a frame.
    virtual void unknown(const QByteArray &request, ModuleLink &link);

private:
    QHash<quint8, Handler> m_rows;
    QHash<QString, int *> m_intOptions;
    QStringList m_help;
};

} // namespace qxsim
