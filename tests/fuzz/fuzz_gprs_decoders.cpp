// The QX3200 reply decoders without the window: the parameter branch over a
// view that shows nothing, and the data branch with the display of what it
// collects. Fast enough for long runs; fuzz_gprs_parser covers the window.
#include "fuzz_input.h"

#include "gprs/data_test_receive.h"
#include "gprs/gprs_parser.h"
#include "link/module_state.h"
#include "ui/message_box.h"
#include "ui/shared_state.h"

namespace {

class NullView : public lt::gprs::ParamView
{
public:
    QWidget *messageParent() override { return nullptr; }
    void showIdentity(const QString &, const QString &, const QString &, const QString &) override {}
    void showVersion(const QString &) override {}
    void showPassiveAddress(const QString &) override {}
    void showTarget(const QString &, const QString &, const QString &) override {}
    void showHeartbeat(const QString &) override {}
    void showWorkForm(bool) override {}
    void showTransForm(bool) override {}
    bool showSubMode(bool mode1) override { return mode1 || selectable; }
    void showAddressSettings(int, int, int, const QString &, int) override {}
    void showBaud(const QString &, int) override {}
    void showRestartCount(const QString &) override {}
    void showPowerSaving(bool) override {}
    void showWakeTimes(const QString &) override {}
    void showWakeMode(bool) override {}
    void closeWaitNotice() override {}
    void startReplace() override {}
    void startSlaveRetry() override {}
    bool selectable = true;
};

bool g_answerYes = false;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    lt::setMessageHook([](const QString &, const QString &, QMessageBox::Icon, QMessageBox::StandardButtons) {
        return g_answerYes ? QMessageBox::Yes : QMessageBox::No;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    auto &s = lt::shared();
    s.para_mode = in.flags & 1;
    lt::ModuleState module;
    module.workForm = (in.flags >> 1) & 1;
    module.transForm = (in.flags >> 2) & 1;
    s.req_kind = (in.flags >> 3) & 3;
    g_answerYes = in.flags & 0x20;
    NullView view;
    view.selectable = in.flags & 0x40;
    lt::gprs::ParamSteps steps;
    steps.slave_pending = in.flags & 0x80;
    QString collected;
    lt::gprs::GprsParser parser(view, steps, module, [&](const QByteArray &burst) {
        // Every burst after the first collected one comes while that message is still open.
        const auto outcome = lt::datatest::parseBurst(burst, module.workForm, module.transForm, s.req_kind,
                                                      !collected.isEmpty());
        collected += outcome.collected;
    });
    for (const QByteArray &burst : in.bursts)
        parser.parse(burst);
    lt::datatest::display(collected, module.workForm, module.transForm);
    return 0;
}
