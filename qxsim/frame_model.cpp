#include "frame_model.h"

#include "crc16.h"

namespace qxsim {

void FrameModel::handle(const QByteArray &request, ModuleLink &link)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(request.constData());
    if (request.size() < 10 || !qx::hasFrameHead(bytes, std::size_t(request.size()))) {
        unknown(request, link);
        return;
    }
    Frame f;
    f.command = bytes[8];
    f.operation = bytes[9];
    f.data = request.mid(10);
    f.raw = request;
    const auto row = m_rows.constFind(f.command);
    if (row == m_rows.constEnd()) {
        unknown(request, link);
        return;
    }
    (*row)(f, link);
}

void FrameModel::unknown(const QByteArray &, ModuleLink &)
{
    // A real module stays quiet on what it does not understand.
}

QByteArray FrameModel::frame(quint8 code, quint8 operation, const QByteArray &data)
{
    QByteArray out(reinterpret_cast<const char *>(qx::kFrameHead), int(qx::kFrameHeadLen));
    out.append(char(code));
    out.append(char(operation));
    out.append(data);
    return out;
}

void FrameModel::addIntOption(const QString &key, int *target, const QString &help)
{
    m_intOptions.insert(key, target);
    m_help << QStringLiteral("%1=N  %2 (now %3)").arg(key, help).arg(*target);
}

bool FrameModel::setOption(const QString &key, const QString &value)
{
    const auto it = m_intOptions.constFind(key);
    if (it == m_intOptions.constEnd())
        return false;
    bool ok = false;
    const int v = value.startsWith(QLatin1String("0x")) ? value.mid(2).toInt(&ok, 16) : value.toInt(&ok);
    if (ok)
        **it = v;
    return ok;
}

QStringList FrameModel::optionHelp() const
{
    return m_help;
}

} // namespace qxsim
