// The handshake's parser in both connect modes, on a link of its own.
//
// Flags: bit 0 the QX3200's connect mode, bit 1 the identification answer is awaited.
#include "fuzz_input.h"

#include "link/handshake.h"
#include "link/link.h"

#include <QCoreApplication>

namespace {
lt::Link *g_link = nullptr;
lt::Handshake *g_handshake = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    g_link = new lt::Link;
    g_handshake = new lt::Handshake(*g_link);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    g_link->setParseMode((in.flags & 1) ? lt::ParseMode::Qx3200Connect : lt::ParseMode::SmsConnect);
    if (in.flags & 2)
        g_handshake->answerTimer().start();
    for (const QByteArray &burst : in.bursts)
        g_link->dispatch(burst);
    g_handshake->stop();
    return 0;
}
