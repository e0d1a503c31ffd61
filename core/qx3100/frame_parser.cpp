#include "frame_parser.h"

#include "codes.h"
#include "phone_entry.h"
#include "sequences.h"

#include "link/frame.h"
#include "link/helpers.h"
#include "link/module_state.h"

namespace lt::qx3100 {

namespace {

// States of the parser: 0 between frames, then the head, then one state per
// reply (and three for the phone-table answers).
enum State : qint16 {
    Idle = 0,
    Signature = 100,
    Command = 1,
    StatusReply = 2,
    WorkFormReply = 3,
    TransFormReply = 4,
    ReceiverReply = 5,
    PasswordUseReply = 6,
    PasswordReply = 7,
    VersionReply = 8,
    PassiveAddressReply = 9,
    SerialLineReply = 10,
    RestartTimeReply = 11,
    TransparentModeReply = 12,
    AddressSettingsReply = 13,
    PowerSavingReply = 14,
    WakeTimesReply = 15,
    PhoneEntryReply = 16,
    EntryAddress = 17,
    EntryRest = 18,
    EntryWritten = 19,
    WakeModeReply = 20,
};

// The reply state of each command byte the frame half takes.
struct Dispatch
{
    quint8 command;
    State state;
};
constexpr Dispatch kDispatch[] = {
    {code::kStatus, StatusReply},
    {code::kWorkForm, WorkFormReply},
    {code::kTransForm, TransFormReply},
    {code::kReceiver, ReceiverReply},
    {code::kPasswordUse, PasswordUseReply},
    {code::kPassword, PasswordReply},
    {code::kVersion, VersionReply},
    {code::kPassiveAddress, PassiveAddressReply},
    {code::kSerialLine, SerialLineReply},
    {code::kRestartTime, RestartTimeReply},
    {code::kTransparentMode, TransparentModeReply},
    {code::kAddressSettings, AddressSettingsReply},
    {code::kPowerSaving, PowerSavingReply},
    {code::kWakeTimes, WakeTimesReply},
    {code::kPhoneEntry, PhoneEntryReply},
    {code::kWakeMode, WakeModeReply},
};

// Bytes first..last of the block, or empty when the block does not hold them all.
QByteArray span(const QByteArray &b, int first, int last)
{
    return b.size() > last ? b.mid(first, last - first + 1) : QByteArray();
}

int be16At(const QByteArray &b, int at)
{
    return byteAt(b, at) * 256 + byteAt(b, at + 1);
}

} // namespace

bool isPhoneTableAnswer(const QByteArray &block)
{
    return frame::headAt(block) && byteAt(block, 8) == code::kPhoneEntry;
}

void FrameParser::parse(const QByteArray &received)
{
    QByteArray block = received;
    for (;;) {
        do
            m_state = run(block, m_state);
        while (m_state != Idle);

        // Answers sent close together share one block: decode the next frame too.
        int next = -1;
        for (int i = 1; i < block.size() && next < 0; ++i)
            if (frame::headAt(block, i))
                next = i;
        if (next < 0)
            return;
        block = block.mid(next);
    }
}

qint16 FrameParser::run(const QByteArray &b, qint16 state)
{
    switch (state) {
    case Idle:
        return frame::startByteAt(b) ? Signature : Idle;
    case Signature:
        return frame::signatureAt(b) ? Command : Idle;
    case Command:
        for (const Dispatch &d : kDispatch)
            if (byteAt(b, 8) == d.command)
                return d.state;
        return Idle;
    case StatusReply:
        if (byteAt(b, 9) == kInitialisationFinished)
            m_view.initialisationFinished();
        return Idle;
    case WorkFormReply: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return Idle;
        m_module.workForm = v;
        m_view.readNext(v == 0 ? read::kPassiveAddress : read::kTransForm);
        m_view.showWorkForm(v == 0);
        return Idle;
    }
    case TransFormReply: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return Idle;
        m_module.transForm = v;
        m_view.readNext(v == 0 ? read::kTransparentMode : read::kPowerSaving);
        m_view.showTransForm(v == 0);
        return Idle;
    }
    case ReceiverReply: {
        // The leading "1" of the number is implied; byte 10 is not read.
        const QByteArray digits = span(b, 11, 15);
        if (digits.isEmpty())
            return Idle;
        QString number = QStringLiteral("1");
        for (char c : digits)
            number += byte_hex(quint8(c));
        m_view.readNext(read::kPowerSaving);
        m_view.showReceiver(number.trimmed());
        return Idle;
    }
    case PasswordUseReply: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return Idle;
        m_view.readNext(v == 0 ? read::kWorkForm : read::kPassword);
        m_view.showPasswordUse(v != 0);
        return Idle;
    }
    case PasswordReply: {
        const QByteArray pw = span(b, 10, 13);
        if (pw.isEmpty())
            return Idle;
        m_view.readNext(read::kWorkForm);
        m_view.showPassword(hex_text(pw));
        return Idle;
    }
    case VersionReply: {
        const QByteArray version = span(b, 10, 20);
        if (version.isEmpty())
            return Idle;
        QString text;
        for (char c : version)
            text += QChar(quint8(c));
        m_view.readNext(read::kRestartTime);
        m_view.showVersion(text.trimmed());
        return Idle;
    }
    case PassiveAddressReply:
        if (b.size() <= 11)
            return Idle;
        m_view.readNext(read::kTransForm);
        m_view.showPassiveAddress(addressText(byteAt(b, 10), byteAt(b, 11)));
        return Idle;
    case SerialLineReply:
        // The acknowledgement of a new baud rate shows nothing.
        return Idle;
    case RestartTimeReply: {
        if (b.size() <= 13)
            return Idle;
        const auto raw = quint32(byteAt(b, 10)) << 24 | quint32(byteAt(b, 11)) << 16
                         | quint32(byteAt(b, 12)) << 8 | quint32(byteAt(b, 13));
        m_view.readNext(read::kPasswordUse);
        m_view.showRestartTime(qint32(raw) * 0.005);
        return Idle;
    }
    case TransparentModeReply: {
        // 0 is mode 2, anything else mode 1; mode 1 sends to one receiver,
        // mode 2 routes by the address settings.
        const int v = byteAt(b, 10);
        if (v < 0)
            return Idle;
        m_view.readNext(v == 0 ? read::kAddressSettings : read::kReceiver);
        m_view.showTransparentMode(v == 0 ? 2 : 1);
        return Idle;
    }
    case AddressSettingsReply:
        if (b.size() <= 13)
            return Idle;
        m_view.readNext(read::kPowerSaving);
        m_view.showAddressParameters(byteAt(b, 10), byteAt(b, 11), byteAt(b, 12), byteAt(b, 13));
        return Idle;
    case PowerSavingReply: {
        // Without power saving there are no wake delays or mode to read.
        const int v = byteAt(b, 10);
        if (v < 0)
            return Idle;
        m_view.readNext(v == 0 ? read::kDone : read::kWakeTimes);
        m_view.showPowerSaving(v != 0);
        return Idle;
    }
    case WakeTimesReply:
        if (b.size() <= 13)
            return Idle;
        m_view.readNext(read::kWakeMode);
        m_view.showWakeDelays(be16At(b, 10) * 0.4, be16At(b, 12) * 0.4);
        return Idle;
    case PhoneEntryReply: {
        const int operation = byteAt(b, 9);
        if (operation != op::kEntryRead && operation != op::kEntryWrite)
            return Idle;
        m_entry = b.left(9);
        m_entry.append(char(operation));
        return operation == op::kEntryRead ? EntryAddress : EntryWritten;
    }
    case EntryAddress: {
        const QByteArray address = span(b, 10, 13);
        if (address.isEmpty())
            return Idle;
        m_entry.append(address);
        return EntryRest;
    }
    case EntryRest: {
        const QByteArray rest = span(b, 14, 21);
        if (rest.isEmpty())
            return Idle;
        m_entry.append(rest);
        if (entryValid(m_entry))
            m_view.phoneEntryRead(m_entry);
        return Idle;
    }
    case EntryWritten:
        if (b.size() <= 11)
            return Idle;
        m_view.phoneEntryWritten(byteAt(b, 10), byteAt(b, 11));
        return Idle;
    case WakeModeReply: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return Idle;
        m_view.readNext(read::kDone);
        m_view.showWakeMode(v == kWakeMode1 ? 1 : 2);
        return Idle;
    }
    default:
        return Idle;
    }
}

} // namespace lt::qx3100
