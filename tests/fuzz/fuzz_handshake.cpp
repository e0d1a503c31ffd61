// The handshake parsers of parse_mode 100 and 110.
#include "fuzz_input.h"

#include "link/handshake.h"
#include "link/main_window.h"
#include "link/shared_state.h"

#include <QApplication>

namespace {
lt::MainWindow *g_main = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    g_main = new lt::MainWindow;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    auto &s = lt::shared();
    s.parse_mode = (in.flags & 1) ? 110 : 100;
    s.parse_state = 0;
    if (in.flags & 2)
        g_main->handshake().timer9.start();
    for (const QByteArray &burst : in.bursts)
        g_main->dispatch(burst);
    g_main->handshake().stop();
    return 0;
}
