#pragma once

#include <QtGlobal>

#include <iterator>
#include <optional>

// The codes every module of the family understands alike: the handshake's and
// the parameters both the QX3100 and the QX3200 keep under the same command
// byte. Codes of one module only live in that module's own codes.h.
namespace lt {

// Command byte, offset 8 of every frame.
namespace code {
inline constexpr quint8 kIdentify = 0xFE;         // the handshake's first request
inline constexpr quint8 kStatus = 0xFD;           // answer to kIdentify; later, the module's own status reports
inline constexpr quint8 kWorkForm = 0xF8;         // passive or active
inline constexpr quint8 kTransForm = 0xF9;        // transparent or format transfer
inline constexpr quint8 kVersion = 0xEC;          // eleven characters
inline constexpr quint8 kParameterD6 = 0xD6;      // read by the handshake and only stored
inline constexpr quint8 kModuleType = 0xD1;       // which module this is; the handshake's verdict
inline constexpr quint8 kWorkingMode = 0xDA;      // QX3200: data communication or address setting
inline constexpr quint8 kTransparentMode = 0xFB;  // mode 1 or mode 2 of transparent transfer
inline constexpr quint8 kPassiveAddress = 0xE2;
inline constexpr quint8 kAddressSettings = 0xE1;  // start, length, group size and type of the address in the data
inline constexpr quint8 kSerialLine = 0xF2;       // the module's own serial line (its baud rate first)
inline constexpr quint8 kPowerSaving = 0xD3;
inline constexpr quint8 kWakeTimes = 0xD2;        // delays after waking, in 400 ms units
inline constexpr quint8 kWakeMode = 0xDB;

// A QX3200's working mode as byte 11 of the identification answer reports it
// (anything but data communication counts as address setting), and the data
// byte of kWorkingMode that sets it.
inline constexpr quint8 kDataCommunicationReported = 0x80;
inline constexpr quint8 kAddressSettingReported = 0x00;
inline constexpr quint8 kSetDataCommunication = 0x00;
inline constexpr quint8 kSetAddressSetting = 0x01;

// The kModuleType of a GPRS module (QX3200); an SMS module answers anything else.
inline constexpr quint8 kGprsModule = 1;

// The first data byte of kSerialLine: the rates of the windows' lists, 1200
// bps as 3 and each following rate one more.
inline constexpr int kBaudRates[] = {1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200};
inline constexpr quint8 kFirstBaudCode = 3;
constexpr std::optional<quint8> baudCode(int bitsPerSecond)
{
    for (std::size_t i = 0; i < std::size(kBaudRates); ++i)
        if (kBaudRates[i] == bitsPerSecond)
            return quint8(kFirstBaudCode + i);
    return std::nullopt;
}
} // namespace code

// The data byte of kWorkForm and kTransForm as both modules set it (a reply
// of 0 is passive or transparent, anything else active or format), and the
// address type of kAddressSettings.
enum class WorkForm : quint8 { Passive = 0, Active = 1 };
enum class TransForm : quint8 { Transparent = 0, Format = 1 };
enum class AddressType : quint8 { Ascii = 0, Hex = 1, Bcd = 2, R50 = 3 };

// Operation byte, offset 9 of a request (the reply repeats it).
namespace op {
inline constexpr quint8 kWrite = 0x01;
inline constexpr quint8 kReplace = 0x02;
inline constexpr quint8 kRead = 0x03;
} // namespace op

// Which parser a link hands its received blocks to. The last window that
// chose a mode gets every reply; a mode nobody registered for drops them.
enum class ParseMode : qint16 {
    None = 0,
    SmsConnect = 100,      // the SMS module's connect window: the handshake
    Qx3100 = 101,          // the QX3100 window
    Qx3200Connect = 110,   // the QX3200's connect window: the handshake
    Qx3200 = 111,          // the QX3200 window
};

} // namespace lt
