#pragma once

#include "phone_csv.h"
#include "settings_session.h"

#include "qx3100/frame_parser.h"
#include "qx3100/settings.h"
#include "qx3100/settings_recorder.h"

#include <QList>
#include <QPair>
#include <QTimer>

namespace qxb {

// The QX3100's settings with the window's refresh chain and write groups,
// and its phone table with the window's read loop and entry writes.
class Qx3100Session : public SettingsSession
{
    Q_OBJECT
public:
    explicit Qx3100Session(lt::Link &link);
    ~Qx3100Session() override;

    QString model() const override { return QStringLiteral("QX3100"); }
    void read() override;
    std::optional<lt::params::Refusal> take(const QJsonObject &params) override;
    void write() override;
    bool isWritten(const QString &field) const override;
    bool followWrittenLine() override;

    // Entries first..last, one request every 200 ms as the window's loop
    // sends them; erased entries are left out as the loop leaves them.
    // phonesRead() with what came, and the entries whose answer never did.
    void readPhones(int first, int last);
    // Each entry in turn, the next once the module confirmed the last.
    void writePhones(const QList<PhoneEntry> &entries);

signals:
    void phonesRead(const QList<PhoneEntry> &entries, const QList<int> &unanswered);
    void phonesWritten();

private:
    class Replies;
    void writeNextPhone();

    std::unique_ptr<Replies> m_replies;
    lt::qx3100::FrameParser m_parser;
    lt::qx3100::Settings m_wanted;
    bool m_readComplete = false;

    QList<PhoneEntry> m_phonesRead;
    QList<int> m_phonesAnswered;
    QList<PhoneEntry> m_phonesToWrite;
    QTimer m_phoneWait;
};

} // namespace qxb
