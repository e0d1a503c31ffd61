#pragma once

#include "command_protocol.h"

#include <QCoreApplication>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace sms {

// The module's own settings: its device and register addresses and the
// four serial lists, each with what sets and queries it.
class ModuleSettingsGroup
{
    Q_DECLARE_TR_FUNCTIONS(sms::ModuleSettingsGroup)
public:
    // Its controls are children of window, which also owns its messages.
    ModuleSettingsGroup(CommandProtocol &protocol, QWidget *window);

    // Label, box, set, query from `row` on: the two addresses, then the
    // four serial lists (set and query beside the first). Returns the row of
    // the last list, whose two right-hand cells stay free.
    int addRows(QGridLayout *grid, int row);

    QLineEdit *deviceAddressBox() const { return m_deviceAddress; }
    QLineEdit *registerAddressBox() const { return m_registerAddress; }
    QComboBox *list(SerialList list) const;

    // The index a list shows: the entry matching its text, -1 when the text
    // matches none (nothing chosen, or a value typed in).
    static int selectedIndex(const QComboBox *list);

    void setDeviceAddress();
    void queryDeviceAddress();
    void setRegisterAddress();
    void queryRegisterAddress();
    void setSerialParams();
    void querySerialParams();

private:
    // Value of an address box, or false (with the message) when it holds none.
    bool addressValue(const QLineEdit *box, int *value);

    CommandProtocol &m_protocol;
    QWidget *m_window;
    QLineEdit *m_deviceAddress = nullptr;
    QLineEdit *m_registerAddress = nullptr;
    QComboBox *m_baud = nullptr;
    QComboBox *m_dataBits = nullptr;
    QComboBox *m_parity = nullptr;
    QComboBox *m_stopBits = nullptr;
};

} // namespace sms
