#pragma once

#include "port_list.h"

#include <QComboBox>
#include <QTimer>

#include <functional>

namespace qx {

// The port box of every program: takes COMn (or what the program accepts
// for it) or a device path, typed or picked from the list of the ports this
// computer has. The list
// shows each entry with what the system says about the device; picking one
// puts its value (what is opened) into the box. It is scanned again when it
// opens and every two seconds while the box can be used (enabled, its list
// closed), so an adapter plugged in after the start shows up; what the box
// holds is never changed by a scan, even when its device has gone.
class PortBox : public QComboBox
{
    Q_OBJECT
public:
    using Scan = std::function<QList<PortChoice>()>;
    static constexpr int kRescanMs = 2000;
    // Item data role of an entry's label in the list.
    static constexpr int kLabelRole = Qt::UserRole + 1;

    // A usual device path, typed or listed: the box always has room for one.
    static constexpr char kUsualPath[] = "/dev/ttyUSB10";

    explicit PortBox(QWidget *parent = nullptr);

    // How the entries are found; the system's ports unless a test says otherwise.
    void setScan(Scan scan);
    // Every kRescanMs unless the program's clock says otherwise (tests run it faster).
    void setRescanInterval(int ms) { m_rescan.start(ms); }
    void rescan();
    // What the box holds: a port number, COMn or a path.
    QString value() const { return currentText().trimmed(); }
    void setValue(const QString &value);
    // The labels of the entries, as the list shows them.
    QStringList labels() const;

    void showPopup() override;
    // As wide as the longest value listed (or a usual device path), so a
    // picked device shows whole.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

private:
    Scan m_scan;
    QList<PortChoice> m_choices;
    QTimer m_rescan;
};

} // namespace qx
