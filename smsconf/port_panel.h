#pragma once

#include "port_refusal.h"
#include "serial_port.h"
#include "start_options.h"
#include "traffic_log.h"

#include <QList>
#include <QObject>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;
class QSettings;
class QWidget;

namespace qx {
class PortBox;
}

namespace sms {

// The PC's side of the line: which port at what rate, opening and closing
// it, the refusals when it cannot be opened, the traffic log, and
// remembering the choices for the next run.
class PortPanel : public QObject
{
    Q_OBJECT
public:
    // Its controls are children of window, which also owns its messages.
    PortPanel(SerialPort &port, QWidget *window);

    // Two rows from `row` on: port box and open button, then baud rate and
    // log box; the button spans both. Returns the row after them.
    int addRows(QGridLayout *grid, int row);

    qx::PortBox *portBox() const { return m_portBox; }
    QComboBox *baudList() const { return m_baud; }
    QCheckBox *logBox() const { return m_logBox; }
    // What may not change while the port is open, with the labels that name it.
    QList<QWidget *> choiceGroup() const { return m_choiceGroup; }
    qx::TrafficLog &trafficLog() { return m_log; }
    const qx::PortSystem &portSystem() const { return m_portSystem; }

    void setLogFolder(const QString &folder) { m_logFolder = folder; }
    void setPortSystem(const qx::PortSystem &system) { m_portSystem = system; }
    // Restores the last port, baud rate and traffic-log choice and keeps
    // them there from now on; without it nothing is read or stored.
    void rememberIn(QSettings *settings);
    void applyStartOptions(const StartOptions &options);

    void openOrClose();
    void close();

signals:
    // The port is about to close: nothing may go on using it.
    void closing();
    void openChanged(bool open);

private:
    void open();
    void refuse(const qx::PortRefusal &refusal);
    void showOpen(bool open);
    void startLog();
    void onLogClicked(bool on);
    void onLogFailed(const QString &text);

    SerialPort &m_port;
    QWidget *m_window;
    qx::PortBox *m_portBox = nullptr;
    QComboBox *m_baud = nullptr;
    QCheckBox *m_logBox = nullptr;
    QPushButton *m_openButton = nullptr;
    // What the button offers: closing while the panel shows the port open.
    bool m_shownOpen = false;
    QList<QWidget *> m_choiceGroup;

    qx::TrafficLog m_log;
    QString m_logFolder;
    QSettings *m_settings = nullptr;
    qx::PortSystem m_portSystem;
};

} // namespace sms
