#include "sms_parser.h"

#include "qx3100_protocol.h"

#include "link/frame.h"
#include "link/helpers.h"
#include "link/module_state.h"

#include "crc16.h"

namespace lt {

namespace {

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
    return frame::headAt(block) && byteAt(block, 8) == 0xD4;
}

void SmsFrameParser::parse(const QByteArray &received)
{
    QByteArray block = received;
    for (;;) {
        do
            m_state = run(block, m_state);
        while (m_state != 0);

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

qint16 SmsFrameParser::run(const QByteArray &b, qint16 state)
{
    switch (state) {
    case 0:
        return byteAt(b, 0) == 0x1A ? 100 : 0;
    case 100:
        return frame::signatureAt(b) ? 1 : 0;
    case 1:
        switch (byteAt(b, 8)) {
        case 0xFD: return 2;
        case 0xF8: return 3;
        case 0xF9: return 4;
        case 0xA2: return 5;
        case 0xA1: return 6;
        case 0xF1: return 7;
        case 0xEC: return 8;
        case 0xE2: return 9;
        case 0xF2: return 10;
        case 0xA3: return 11;
        case 0xFB: return 12;
        case 0xE1: return 13;
        case 0xD3: return 14;
        case 0xD2: return 15;
        case 0xD4: return 16;
        case 0xDB: return 20;
        default: return 0;
        }
    case 2:
        if (byteAt(b, 9) == 1)
            m_view.initialisationFinished();
        return 0;
    case 3: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return 0;
        m_module.workForm = v;
        read_step = v == 0 ? 5 : 6;
        m_view.showWorkForm(v == 0);
        return 0;
    }
    case 4: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return 0;
        m_module.transForm = v;
        read_step = v == 0 ? 7 : 10;
        m_view.showTransForm(v == 0);
        return 0;
    }
    case 5: {
        const QByteArray digits = span(b, 11, 15);
        if (digits.isEmpty())
            return 0;
        QString number = QStringLiteral("1");
        for (char c : digits)
            number += byte_hex(quint8(c));
        read_step = 10;
        m_view.showReceiver(number.trimmed());
        return 0;
    }
    case 6: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return 0;
        read_step = v == 0 ? 4 : 3;
        m_view.showPasswordUse(v != 0);
        return 0;
    }
    case 7: {
        const QByteArray pw = span(b, 10, 13);
        if (pw.isEmpty())
            return 0;
        QString text;
        for (char c : pw)
            text += byte_hex(quint8(c)) + QLatin1Char(':');
        read_step = 4;
        m_view.showPassword(text);
        return 0;
    }
    case 8: {
        const QByteArray version = span(b, 10, 20);
        if (version.isEmpty())
            return 0;
        QString text;
        for (char c : version)
            text += QChar(quint8(c));
        read_step = 1;
        m_view.showVersion(text.trimmed());
        return 0;
    }
    case 9: {
        if (b.size() <= 11)
            return 0;
        read_step = 6;
        m_view.showPassiveAddress(qx3100::addressText(byteAt(b, 10), byteAt(b, 11)));
        return 0;
    }
    case 10:
        return 0;
    case 11: {
        if (b.size() <= 13)
            return 0;
        const auto raw = quint32(byteAt(b, 10)) << 24 | quint32(byteAt(b, 11)) << 16
                         | quint32(byteAt(b, 12)) << 8 | quint32(byteAt(b, 13));
        read_step = 2;
        m_view.showRestartTime(qint32(raw) * 0.005);
        return 0;
    }
    case 12: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return 0;
        read_step = v == 0 ? 9 : 8;
        m_view.showTransparentMode(v == 0 ? 2 : 1);
        return 0;
    }
    case 13:
        if (b.size() <= 13)
            return 0;
        read_step = 10;
        m_view.showAddressParameters(byteAt(b, 10), byteAt(b, 11), byteAt(b, 12), byteAt(b, 13));
        return 0;
    case 14: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return 0;
        read_step = v == 0 ? 100 : 11;
        m_view.showPowerSaving(v != 0);
        return 0;
    }
    case 15:
        if (b.size() <= 13)
            return 0;
        read_step = 12;
        m_view.showWakeDelays(be16At(b, 10) * 0.4, be16At(b, 12) * 0.4);
        return 0;
    case 16: {
        const int op = byteAt(b, 9);
        if (op != 1 && op != 2)
            return 0;
        phone_rec = b.left(9);
        phone_rec.append(char(op));
        return op == 1 ? 17 : 19;
    }
    case 17: {
        const QByteArray address = span(b, 10, 13);
        if (address.isEmpty())
            return 0;
        phone_rec.append(address);
        return 18;
    }
    case 18: {
        const QByteArray rest = span(b, 14, 21);
        if (rest.isEmpty())
            return 0;
        phone_rec.append(rest);
        const auto *p = reinterpret_cast<const std::uint8_t *>(phone_rec.constData());
        if (phone_rec.size() == 22 && qx::crc16(p, 22) == 0)
            m_view.phoneEntryRead(phone_rec);
        return 0;
    }
    case 19:
        if (b.size() <= 11)
            return 0;
        m_view.phoneEntryWritten(byteAt(b, 10), byteAt(b, 11));
        return 0;
    case 20: {
        const int v = byteAt(b, 10);
        if (v < 0)
            return 0;
        read_step = 13;
        m_view.showWakeMode(v == 0 ? 1 : 2);
        return 0;
    }
    default:
        return 0;
    }
}

} // namespace lt
