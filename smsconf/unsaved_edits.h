#pragma once

#include <QSet>
#include <QStringList>

namespace sms {

// Rows of the two tables holding text the user typed that the module does
// not hold yet. The lists are the tables' only copy, so these are what ending
// the program would lose.
class UnsavedEdits
{
public:
    void phoneEdited(int row) { m_phones.insert(row); }
    void messageEdited(int row) { m_messages.insert(row); }
    // A row now shows what the module sent, or was emptied for a read.
    void phoneReplaced(int row) { m_phones.remove(row); }
    void messageReplaced(int row) { m_messages.remove(row); }

    // The module confirmed it stored these texts, rows from firstRow on.
    // Compared with what the rows show now, since an edit made while the
    // request was on its way is still not in the module.
    void phonesStored(const QStringList &stored, const QStringList &shown) { settle(m_phones, 0, stored, shown); }
    void messagesStored(int firstRow, const QStringList &stored, const QStringList &shown)
    {
        settle(m_messages, firstRow, stored, shown);
    }

    bool any() const { return anyPhones() || anyMessages(); }
    bool anyPhones() const { return !m_phones.isEmpty(); }
    bool anyMessages() const { return !m_messages.isEmpty(); }

private:
    static void settle(QSet<int> &rows, int firstRow, const QStringList &stored, const QStringList &shown)
    {
        for (int i = 0; i < stored.size() && i < shown.size(); ++i) {
            if (stored.at(i) == shown.at(i))
                rows.remove(firstRow + i);
        }
    }

    QSet<int> m_phones;
    QSet<int> m_messages;
};

} // namespace sms
