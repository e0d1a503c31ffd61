// The QX3100 reply decoders without the window: the frame half recording
// what it decodes as settings, and the SMS-test half with the decoding of what
// it collects. Fast enough for long runs; fuzz_sms_parser covers the window.
//
// Whatever the replies, the settings they leave are ones a settings file
// holds and gives back unchanged, and that every group can be written with
// (or refused) without a fault.
#include "fuzz_input.h"

#include "link/module_state.h"
#include "qx3100/frame_parser.h"
#include "qx3100/settings.h"
#include "qx3100/settings_recorder.h"
#include "qx3100/sms_test_replies.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    if (in.flags & 1) {
        lt::ModuleState module;
        lt::qx3100::SettingsRecorder recorder(nullptr, [] { return std::optional(9600); });
        lt::qx3100::FrameParser parser(recorder, module);
        for (const QByteArray &burst : in.bursts)
            parser.parse(burst);
        const lt::qx3100::Settings &read = recorder.settings();
        const lt::qx3100::ParamsRead back = lt::qx3100::fromParams(lt::qx3100::toParams(read));
        if (back.refusal || !(back.settings == read))
            std::abort();
        for (lt::qx3100::Group group : lt::qx3100::writeOrder())
            lt::qx3100::writeGroup(group, read);
        return 0;
    }
    lt::smstest::ReplyContext context;
    context.workForm = (in.flags >> 1) & 1;
    context.transForm = (in.flags >> 2) & 1;
    context.request = lt::smstest::Request((in.flags >> 3) & 3);
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
