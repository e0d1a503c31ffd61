// The QX3100 reply decoders without the window: the frame half over a view
// that shows nothing, and the SMS-test half with the decoding of what it
// collects. Fast enough for long runs; fuzz_sms_parser covers the window.
#include "fuzz_input.h"

#include "link/module_state.h"
#include "sms/sms_parser.h"
#include "qx3100/sms_test_replies.h"

namespace {

class NullView : public lt::SmsFrameView
{
public:
    void initialisationFinished() override {}
    void showWorkForm(bool) override {}
    void showTransForm(bool) override {}
    void showReceiver(const QString &) override {}
    void showPasswordUse(bool) override {}
    void showPassword(const QString &) override {}
    void showVersion(const QString &) override {}
    void showPassiveAddress(const QString &) override {}
    void showRestartTime(double) override {}
    void showTransparentMode(int) override {}
    void showAddressParameters(int, int, int, int) override {}
    void showPowerSaving(bool) override {}
    void showWakeDelays(double, double) override {}
    void showWakeMode(int) override {}
    void phoneEntryRead(const QByteArray &) override {}
    void phoneEntryWritten(int, int) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    if (in.flags & 1) {
        NullView view;
        lt::ModuleState module;
        lt::SmsFrameParser parser(view, module);
        for (const QByteArray &burst : in.bursts)
            parser.parse(burst);
        return 0;
    }
    lt::smstest::ReplyContext context;
    context.workForm = (in.flags >> 1) & 1;
    context.transForm = (in.flags >> 2) & 1;
    context.reqKind = (in.flags >> 3) & 3;
    const auto encoding = lt::smstest::Encoding((in.flags >> 5) % 3);
    QByteArray message;
    for (const QByteArray &burst : in.bursts) {
        const auto outcome = lt::smstest::parseBurst(burst, context);
        message += outcome.collected;
        context.collecting = outcome.collectedAny;
    }
    lt::smstest::decodeMessage(message, context.workForm, context.transForm, encoding);
    return 0;
}
