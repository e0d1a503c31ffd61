// The configurator's reply handling, ApplyReply, in the real dialog, with the
// read and write loops in the states the flags byte chooses.
//
// A reply can be longer than a burst (a message block is 1037 bytes): a burst
// of the full 255 bytes goes on in the next one, any shorter burst ends the reply.
//
// Flags: bits 0-1 read loop (idle, about to ask, waiting, waiting with a
// retry spent), bits 2-3 the same for the write loop, bits 4-5 the block and
// page asked for (0, 1, 7, the last), bit 6 the loops' waits are about to run
// out, bit 7 the loops tick after every reply.
#include "fuzz_input.h"
#include "fuzz_window.h"

#include "command_protocol.h"
#include "frames.h"
#include "message_box.h"
#include "smsconf_dlg.h"

#include <QApplication>

namespace {
sms::CSmsconfDlg *g_dlg = nullptr;

void setLoop(int bits, int &state, int &retries)
{
    state = bits == 0 ? sms::CommandProtocol::kIdle : bits == 1 ? 0 : 1;
    retries = bits == 3 ? 1 : 0;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);   // lives to the end: Qt Sql cleans up through it at exit
    sms::setMessageHook([](const QString &, const QString &) {});
    // Never shown, its port never opened; with no event loop its reply tick never runs.
    g_dlg = new sms::CSmsconfDlg;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    sms::CommandProtocol &p = g_dlg->protocol();
    setLoop(in.flags & 3, p.readState, p.readRetries);
    setLoop((in.flags >> 2) & 3, p.writeState, p.writeRetries);
    static const int positions[4] = {0, 1, 7, 39};
    p.readBlock = positions[(in.flags >> 4) & 3];
    p.writePage = positions[(in.flags >> 4) & 3] % sms::kPageCount;
    p.readWaitTicks = p.writeWaitTicks = 0;
    p.readGood = p.readBad = p.writeAcked = p.writeFailed = false;
    if (in.flags & 0x40) {
        p.readWaitTicks = sms::CommandProtocol::kReadWaitLimit;
        p.writeWaitTicks = sms::CommandProtocol::kWriteWaitLimit;
    }

    QByteArray reply;
    for (qsizetype i = 0; i < in.bursts.size(); ++i) {
        reply += in.bursts[i];
        if (in.bursts[i].size() == 255 && i + 1 < in.bursts.size())
            continue;
        p.ApplyReply(reply);
        reply.clear();
        if (in.flags & 0x80) {
            if (p.readState != sms::CommandProtocol::kIdle)
                p.ReadLoopTick();
            if (p.writeState != sms::CommandProtocol::kIdle)
                p.WriteLoopTick();
        }
    }
    g_dlg->readTimer().stop();
    g_dlg->writeTimer().stop();
    return 0;
}
