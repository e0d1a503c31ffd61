// The QX3200 reply decoders without the window, on the protocol core alone:
// the parameter branch over views that show nothing and the settings
// recorder, and the data branch with the display of what it collects. Fast
// enough for long runs; fuzz_gprs_parser covers the window.
//
// Flags: bit 0 parameter branch, bit 1 active work form, bit 2 format
// transfer, bits 3-4 the last passive command, bit 5 a taken identity
// address is replaced (else the wait ends), bit 6 the mode list offers mode
// 2, bit 7 an identity write is pending.
#include "fuzz_input.h"

#include "link/module_state.h"
#include "qx3200/data_test_receive.h"
#include "qx3200/reply_parser.h"
#include "qx3200/settings_recorder.h"

namespace {

using namespace lt::qx3200;

class NullView : public ParamView
{
public:
    bool showTransparentMode(TransparentMode mode) override { return mode == TransparentMode::Mode1 || modeTwoOffered; }
    bool modeTwoOffered = true;
};

class Events : public ParamEvents
{
public:
    void nextRead(int) override {}
    void moduleReady() override {}
    void identityRetry() override {}
    void identityResult(IdentityResult result) override
    {
        if (result == IdentityResult::Taken && !replace && parser)
            parser->setIdentityPending(false);
    }
    ReplyParser *parser = nullptr;
    bool replace = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    lt::ModuleState module;
    module.workForm = (in.flags >> 1) & 1;
    module.transForm = (in.flags >> 2) & 1;
    datatest::Receiver received;
    received.commandSent(datatest::PassiveCommand((in.flags >> 3) & 3));
    NullView view;
    view.modeTwoOffered = in.flags & 0x40;
    SettingsRecorder recorder;
    ParamViews views({&view, &recorder});
    Events events;
    events.replace = in.flags & 0x20;
    ReplyParser parser(views, events, module, [&](const QByteArray &block) { received.take(block, module); });
    events.parser = &parser;
    parser.setParameterMode(in.flags & 1);
    parser.setIdentityPending(in.flags & 0x80);
    for (const QByteArray &burst : in.bursts)
        parser.parse(burst);
    received.show(module);
    // What was read makes a settings file that reads back the same, unless a
    // value is one the window's boxes cannot hold (a heartbeat over 9999 s).
    const ParamsRead back = fromParams(toParams(recorder.settings()));
    if (!back.refusal && !(back.settings == recorder.settings()))
        __builtin_trap();
    return 0;
}
